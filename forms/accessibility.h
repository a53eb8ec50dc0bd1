#pragma once

class QLabel;
class QString;
class QWidget;

// Names for screen readers.
namespace accessibility {

// Gives every input control of form (text boxes, lists, calendars, buttons without a caption of
// their own) that has no accessible name the text of its caption, the label it is the buddy of;
// else the title of the frame it sits in, else its tip. Names given in the code stay. Run once,
// when the form has all its controls.
void nameInputControls(QWidget *form);

// A label's text as a screen reader should say it: without mnemonic marks, markup, line breaks
// or the trailing ":" / ":-" of a caption.
QString spokenText(const QLabel *label);

} // namespace accessibility

#pragma once

class QLabel;
template <typename T> class QList;
class QString;
class QWidget;

// Names for screen readers.
namespace accessibility {

// Gives every input control of form (text boxes, lists, calendars, buttons without a caption of
// their own) that has no accessible name the text of its caption, the label it is the buddy of;
// else the title of the frame it sits in, else its tip. Names given in the code stay. Run once,
// when the form has all its controls.
void nameInputControls(QWidget *form);

// Lets Tab reach every value a result form shows in a label: each label that is the buddy of a
// caption takes focus by Tab, so that a screen reader says the value with the caption it is
// labelled by. Run once, after the form has tied its captions to their values.
void makeValuesReachable(QWidget *form);

// Puts stops one after another in the Tab order, in the order given; the first keeps its place
// and controls not listed follow the last. Run again where a form adds stops later.
void chainTabs(const QList<QWidget *> &stops);

// A label's text as a screen reader should say it: without mnemonic marks, markup, line breaks
// or the trailing ":" / ":-" of a caption.
QString spokenText(const QLabel *label);

} // namespace accessibility

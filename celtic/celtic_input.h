#pragma once

#include <QString>

// What the Celtic name boxes take, without widgets.
namespace celtic {

enum class NameKey { Accept, Reject };

// One typed character, by its code point: letters of every script (turned to capitals), combining
// marks, space, and the apostrophe and hyphen are accepted; every other printable character is
// refused. Control characters (Backspace, Enter, Delete, Escape, Ctrl+letter) are editing keys and
// are accepted unchanged. On Accept, *replacement holds the code point to insert or pass on.
// Where an apostrophe or hyphen may stand is decided by nameAsEntered, on the whole text.
NameKey filterNameKey(char32_t key, char32_t *replacement);

struct EnteredName
{
    QString text;           // what the box holds
    bool refused = false;   // something was dropped: the user is told "Please Enter Only Alphabet"
};

// A text as a name box holds it, however it arrived (typed, pasted, set by assistive technology):
// letters of every script (in capitals where capitals is true; text that did not come from keys
// keeps its case), with their combining marks, blanks, and an apostrophe or
// hyphen right after a letter (O'BRIEN-SMITH; one at the end of what is typed so far waits for
// its next letter). Everything else is dropped.
EnteredName nameAsEntered(const QString &text, bool capitals = true);

// A finished name: as entered, without an apostrophe or hyphen that no letter follows.
QString finishedName(const QString &text);

} // namespace celtic

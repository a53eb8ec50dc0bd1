#pragma once

#include <QString>

// Checks of the Celtic input form, without widgets.
namespace celtic {

enum class NameKey { Accept, Reject };

// The name boxes take letters (turned to capitals) and space; every other printable character is
// refused. Control characters (Backspace, Enter, Delete, Escape, Ctrl+letter) are editing keys
// and are accepted unchanged. key is the typed character's code; on Accept, *replacement holds
// the code to insert or pass on.
NameKey filterNameKey(int key, int *replacement);

enum class InputProblem { None, FirstNameMissing, LastNameMissing, BadFebruary, BadThirtyFirst };

// The checks in their order; the first failing one is reported. monthPos and dayPos are list positions.
InputProblem checkInput(const QString &firstName, const QString &lastName, int dayPos, int monthPos, int year);

} // namespace celtic

#pragma once

// What the Celtic name boxes take, without widgets.
namespace celtic {

enum class NameKey { Accept, Reject };

// The name boxes take letters (turned to capitals) and space; every other printable character is
// refused. Control characters (Backspace, Enter, Delete, Escape, Ctrl+letter) are editing keys
// and are accepted unchanged. key is the typed character's code; on Accept, *replacement holds
// the code to insert or pass on.
NameKey filterNameKey(int key, int *replacement);

} // namespace celtic

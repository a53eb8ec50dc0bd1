#pragma once

class QLineEdit;

namespace nameBox {

// Makes box a name box of any system: it takes at most savedReading::MaxNameLength UTF-16 units
// (so that a saved name reads back whole), never part of a character at that limit, and line
// breaks that enter it, typed, pasted or set, become spaces (a name stays one line of a saved
// reading).
void setUp(QLineEdit *box);

} // namespace nameBox

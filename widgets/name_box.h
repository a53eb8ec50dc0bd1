#pragma once

class QLineEdit;

namespace nameBox {

// Makes box a name box of any system: it takes at most savedReading::MaxNameLength characters
// (so that a saved name reads back whole), and line breaks that enter it, typed, pasted or set,
// become spaces (a name stays one line of a saved reading).
void setUp(QLineEdit *box);

} // namespace nameBox

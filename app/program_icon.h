#pragma once

class QWidget;

// The program's icon (the window icon of the frame and of every window after it).
namespace programIcon {

// Sets the sizes a title bar shows, cheap enough to decode before the frame first appears.
void installForTitleBars();

// Once frame has been drawn for the first time, adds the larger sizes (task switchers, docks)
// that no one sees before then.
void completeAfterFirstPaint(QWidget *frame);

} // namespace programIcon

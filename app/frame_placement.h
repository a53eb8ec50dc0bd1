#pragma once

class QWidget;

// Where the frame stands on the screen, kept between runs. The first run, and any run after the
// setting went missing or was damaged, shows the frame maximized on the whole available screen.
namespace framePlacement {

void show(QWidget *frame);   // shows the frame where it stood when it was last closed
void save(const QWidget *frame);

} // namespace framePlacement

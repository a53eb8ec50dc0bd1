#pragma once

#include "forms/system_windows.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "overview/frmAllFourSignsMain.h"

// The windows of All Four Signs: the input and the overview, which prints itself and asks to
// leave for a system's full reading; the frame, which owns every system's windows, takes it there.
class AllFourSignsWindows : public SystemWindows<frmAllFourSignsMain, frmAllFourSignsDisplay>
{
    Q_OBJECT
public:
    using SystemWindows::SystemWindows;

    // The overview of person, its entries in the input behind it, as Find on them shows it.
    void openOverview(const fullReading::Person &person)
    {
        openWith([&person](frmAllFourSignsMain *input) { input->showOverview(person); });
    }

Q_SIGNALS:
    // Full Reading on the overview's tile of that system, for that person.
    void fullReadingRequested(int tile, const fullReading::Person &person, QWidget *overview);

protected:
    void resultCreated(frmAllFourSignsDisplay *overview) override
    {
        connect(overview, &frmAllFourSignsDisplay::fullReadingRequested, this,
                [this, overview](int tile) { Q_EMIT fullReadingRequested(tile, overview->reading(), overview); });
    }
};

#pragma once

#include "app/system_forms.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "forms/system_windows.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "overview/all_four_signs_windows.h"
#include "overview/frmTwoPeopleDisplay.h"
#include "overview/frmTwoPeopleMain.h"
#include "overview/frmTwoPeopleSave.h"

#include <QObject>

#include <array>

class QMdiArea;

using AustralianWindows = SystemWindows<frmAustralianAstrologyMain, frmAustralianAstrologyDisplay, frmAustralianAstrologySave>;
using CelticWindows = SystemWindows<frmCelticAnimalBirthSignMain, frmCelticAnimalBirthSignDisplay, frmCelticAnimalBirthSignSave>;
using ChineseWindows = SystemWindows<frmChineseZodiacMain, frmChineseZodiacDisplay, frmChineseZodiacSave>;
using MayanWindows = SystemWindows<frmMayanAnimalSignMain, frmMayanAnimalSignDisplay, frmMayanAnimalSignSave>;
using TwoPeopleWindows = SystemWindows<frmTwoPeopleMain, frmTwoPeopleDisplay, frmTwoPeopleSave>;

// The windows of every system inside the frame's window area, one controller per system. One
// system is in use at a time: opening one closes the windows of all the others.
class FrameWindows : public QObject
{
    Q_OBJECT
public:
    FrameWindows(QMdiArea *area, QObject *parent = nullptr);

    // The system's input form, fresh.
    void open(systems::System system);
    // The lines of a saved reading opened on a fresh input form of its system, as its Open
    // button does: the result shows, or the input with what its checks told the user.
    void openSavedFields(systems::System system, const QStringList &fields);
    // Closes the windows of every system.
    void closeAll();
    // True while a window of some system shows.
    bool isShowing() const;
    // The shown windows sized afresh for the area (the frame was resized).
    void refit();

Q_SIGNALS:
    // A window was shown, hidden or closed.
    void windowsChanged();
    // The user closed the last window of the system.
    void closedByUser(systems::System system);

private:
    WindowController *controller(systems::System system) const;
    // Leaves the overview of person for that system's windows; Back there comes back to it.
    void openFullReading(int tile, const fullReading::Person &person, QWidget *overview);

    AustralianWindows m_australian;
    CelticWindows m_celtic;
    ChineseWindows m_chinese;
    MayanWindows m_mayan;
    AllFourSignsWindows m_allFourSigns;
    TwoPeopleWindows m_twoPeople;
};

#include "app/frame_windows.h"

#include "chinese/calendar/year_start.h"
#include "overview/full_reading.h"

using systems::System;

FrameWindows::FrameWindows(QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_australian(area)
    , m_celtic(area)
    , m_chinese(area)
    , m_mayan(area)
    , m_allFourSigns(area)
    , m_twoPeople(area)
{
    for (int index = 0; index <= int(System::TwoPeople); ++index) {
        const auto system = System(index);
        WindowController *windows = controller(system);
        connect(windows, &WindowController::windowsChanged, this, &FrameWindows::windowsChanged);
        connect(windows, &WindowController::closedByUser, this, [this, system] { Q_EMIT closedByUser(system); });
    }
    connect(&m_allFourSigns, &AllFourSignsWindows::fullReadingRequested, this, &FrameWindows::openFullReading);
}

WindowController *FrameWindows::controller(System system) const
{
    const std::array<const WindowController *, 6> controllers = {&m_australian, &m_celtic, &m_chinese, &m_mayan,
                                                                 &m_allFourSigns, &m_twoPeople};
    return const_cast<WindowController *>(controllers.at(std::size_t(system)));
}

void FrameWindows::open(System system)
{
    closeAll();
    switch (system) {
    case System::Australian:
        m_australian.openInput();
        break;
    case System::Celtic:
        m_celtic.openInput();
        break;
    case System::Chinese:
        m_chinese.openInput();
        break;
    case System::Mayan:
        m_mayan.openInput();
        break;
    case System::AllFourSigns:
        m_allFourSigns.openInput();
        break;
    case System::TwoPeople:
        m_twoPeople.openInput();
        break;
    }
}

void FrameWindows::openSavedFields(System system, const QStringList &fields)
{
    closeAll();
    switch (system) {
    case System::Chinese:
        m_chinese.openWith([&fields](frmChineseZodiacMain *input) { input->openSavedReading(fields); });
        break;
    case System::Mayan:
        m_mayan.openWith([&fields](frmMayanAnimalSignMain *input) { input->openSavedFields(fields); });
        break;
    case System::Australian:
        m_australian.openWith([&fields](frmAustralianAstrologyMain *input) { input->openSavedFields(fields); });
        break;
    case System::Celtic:   // no saved readings of their own
    case System::AllFourSigns:
    case System::TwoPeople:
        open(system);
        break;
    }
}

void FrameWindows::closeAll()
{
    for (int index = 0; index <= int(System::TwoPeople); ++index)
        controller(System(index))->closeWindows();
}

void FrameWindows::refit()
{
    for (int index = 0; index <= int(System::TwoPeople); ++index)
        controller(System(index))->refit();
}

bool FrameWindows::isShowing() const
{
    for (int index = 0; index <= int(System::TwoPeople); ++index) {
        if (controller(System(index))->isShowing())
            return true;
    }
    return false;
}

void FrameWindows::openFullReading(int tile, const fullReading::Person &person, QWidget *overview)
{
    if (!fullReading::coversBirthYear(tile, person, overview))
        return;
    // The overview closes on the way; Back on the system's result opens it again for the person.
    const auto backToOverview = [this, person] {
        closeAll();
        m_allFourSigns.openOverview(person);
    };
    closeAll();
    switch (tile) {
    case frmAllFourSignsDisplay::Celtic:
        m_celtic.openWith([&person](frmCelticAnimalBirthSignMain *input) { input->openReading(fullReading::celticPerson(person)); });
        m_celtic.setBack(backToOverview);
        break;
    case frmAllFourSignsDisplay::Chinese:
        // The year start and the tradition the overview's Chinese tile was found by. A sex the
        // overview did not need is asked for in the input, not in a message: one choice and Enter
        // show the reading.
        m_chinese.openWith([&person](frmChineseZodiacMain *input) {
            input->setTradition(chinese::preferredTradition());
            const chinese::Person chinesePerson = fullReading::chinesePerson(person);
            if (chinesePerson.sex == chinese::Sex::None)
                input->askForSex(chinesePerson, chinese::preferredYearStart());
            else
                input->openReading(chinesePerson, chinese::preferredYearStart());
        });
        m_chinese.setBack(backToOverview);
        break;
    case frmAllFourSignsDisplay::Mayan:
        m_mayan.openWith([&person](frmMayanAnimalSignMain *input) { input->openReading(fullReading::mayanPerson(person)); });
        m_mayan.setBack(backToOverview);
        break;
    case frmAllFourSignsDisplay::Australian:
        m_australian.openWith([&person](frmAustralianAstrologyMain *input) { input->openReading(fullReading::australianPerson(person)); });
        m_australian.setBack(backToOverview);
        break;
    default:
        break;
    }
}

#include "overview/full_reading.h"

#include "australian/frmAustralianAstrologyMain.h"
#include "celtic/celtic_input.h"
#include "celtic/celtic_reading.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/calendar/year_start.h"
#include "common/input_problem.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "forms/start_panel.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/mayan_reading.h"

namespace fullReading {
namespace {

// The overview offers years that some systems do not cover: those stay on the overview.
bool coversBirthYear(const QString &system, int firstYear, int lastYear, const Person &person, QWidget *parent)
{
    const int year = person.birthDate.year();
    if (year >= firstYear && year <= lastYear)
        return true;
    showMessage(parent, inputProblem::message(InputProblem::YearOutOfRange, system, firstYear, lastYear));
    return false;
}

// Opening a system is a system choice: every window closes first, the overview's too, and the
// start panel stays hidden while the system's windows are in use.
template<class F>
F *leaveOverviewFor()
{
    forms::unloadAll();
    startPanel::hide();
    return forms::show<F>();
}

BirthEntry entryOf(const QDate &date)
{
    return {date.day(), date.month(), date.year()};
}

} // namespace

std::pair<QString, QString> celticNames(const QString &name)
{
    const QString typed = celtic::finishedName(name).simplified();
    const qsizetype blank = typed.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return {typed, QString()};
    return {typed.left(blank), typed.mid(blank + 1)};
}

bool openCeltic(const Person &person, QWidget *parent)
{
    if (!coversBirthYear(QStringLiteral("Celtic Animal Birth Sign"), celtic::FirstYear, celtic::LastYear, person, parent))
        return false;
    const auto [first, last] = celticNames(person.name);
    celtic::Person celticPerson;
    celticPerson.firstName = first;
    celticPerson.lastName = last;
    celticPerson.birth = entryOf(person.birthDate);
    leaveOverviewFor<frmCelticAnimalBirthSignMain>()->openReading(celticPerson);
    return true;
}

bool openChinese(const Person &person, QWidget *parent)
{
    if (!coversBirthYear(QStringLiteral("Chinese Zodiac"), chinese::FirstYear, chinese::LastYear, person, parent))
        return false;
    chinese::Person chinesePerson;
    chinesePerson.name = person.name;
    // Without a sex the form's own check asks for it; everything else is filled in already.
    chinesePerson.sex = person.sex == QLatin1String("Male")     ? chinese::Sex::Male
                        : person.sex == QLatin1String("Female") ? chinese::Sex::Female
                                                                : chinese::Sex::None;
    chinesePerson.birth = entryOf(person.birthDate);
    // The year start the overview's Chinese tile was found by.
    leaveOverviewFor<frmChineseZodiacMain>()->openReading(chinesePerson, chinese::preferredYearStart());
    return true;
}

bool openMayan(const Person &person, QWidget *parent)
{
    if (!coversBirthYear(QStringLiteral("Mayan Animal Sign"), mayan::FirstYear, mayan::LastYear, person, parent))
        return false;
    leaveOverviewFor<frmMayanAnimalSignMain>()->openReading({person.name, entryOf(person.birthDate)});
    return true;
}

bool openAustralian(const Person &person, QWidget *)
{
    leaveOverviewFor<frmAustralianAstrologyMain>()->openReading({person.name, person.birthDate.month()});
    return true;
}

} // namespace fullReading

#include "overview/full_reading.h"

#include "australian/frmAustralianAstrologyMain.h"
#include "celtic/celtic_input.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/year_start.h"
#include "common/calendar_lists.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "forms/start_panel.h"
#include "mayan/frmMayanAnimalSignMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace fullReading {
namespace {

QString monthName(const Person &person)
{
    return calendar::monthNames().at(person.birthDate.month() - 1);
}

// The years the system's input form lists. The overview offers years that some systems do not;
// a form that is not loaded is loaded to ask it and unloaded again, leaving the frame as it was.
template<class F>
QStringList listedYears(QComboBox *F::*yearList)
{
    const bool wasLoaded = forms::isLoaded<F>();
    const bool panelWasVisible = startPanel::isVisible();
    F *form = forms::get<F>();
    QStringList years;
    for (int i = 0; i < (form->*yearList)->count(); ++i)
        years.append((form->*yearList)->itemText(i));
    if (!wasLoaded) {
        forms::unload(form);
        if (!panelWasVisible)
            startPanel::hide();
    }
    return years;
}

template<class F>
bool listsBirthYear(QComboBox *F::*yearList, const QString &system, const Person &person, QWidget *parent)
{
    const QStringList years = listedYears(yearList);
    if (years.contains(QString::number(person.birthDate.year())))
        return true;
    if (!years.isEmpty()) {
        showMessage(parent, QStringLiteral("%1 takes birth years from %2 to %3.")
                                .arg(system, years.constFirst(), years.constLast()));
    }
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

void selectText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
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
    if (!listsBirthYear(&frmCelticAnimalBirthSignMain::cmbYear, QStringLiteral("Celtic Animal Birth Sign"), person, parent))
        return false;
    auto *form = leaveOverviewFor<frmCelticAnimalBirthSignMain>();
    const auto [first, last] = celticNames(person.name);
    form->txtFName->setText(first);
    form->txtlName->setText(last);
    form->cmbDate->setCurrentIndex(person.birthDate.day() - 1);
    form->cmbMonth->setCurrentIndex(person.birthDate.month() - 1);
    selectText(form->cmbYear, QString::number(person.birthDate.year()));
    form->Command1_Click();
    return true;
}

bool openChinese(const Person &person, QWidget *parent)
{
    if (!listsBirthYear(&frmChineseZodiacMain::cboYear, QStringLiteral("Chinese Zodiac"), person, parent))
        return false;
    chinese::Person chinesePerson;
    chinesePerson.name = person.name;
    // Without a sex the form's own check asks for it; everything else is filled in already.
    chinesePerson.sex = person.sex == QLatin1String("Male")     ? chinese::Sex::Male
                        : person.sex == QLatin1String("Female") ? chinese::Sex::Female
                                                                : chinese::Sex::None;
    chinesePerson.birth = {person.birthDate.day(), person.birthDate.month(), person.birthDate.year()};
    // The year start the overview's Chinese tile was found by.
    leaveOverviewFor<frmChineseZodiacMain>()->openReading(chinesePerson, chinese::preferredYearStart());
    return true;
}

bool openMayan(const Person &person, QWidget *parent)
{
    if (!listsBirthYear(&frmMayanAnimalSignMain::cboYear, QStringLiteral("Mayan Animal Sign"), person, parent))
        return false;
    const QDate &born = person.birthDate;
    leaveOverviewFor<frmMayanAnimalSignMain>()->openReading({person.name, {born.day(), born.month(), born.year()}});
    return true;
}

bool openAustralian(const Person &person, QWidget *)
{
    leaveOverviewFor<frmAustralianAstrologyMain>()->openReading({person.name, person.birthDate.month()});
    return true;
}

} // namespace fullReading

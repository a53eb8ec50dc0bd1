#include "mayan/frmMayanAnimalSignMain.h"

#include "common/calendar_lists.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

frmMayanAnimalSignMain::frmMayanAnimalSignMain()
    : SignInputForm({QStringLiteral("frmMayanAnimalSignMain"), QStringLiteral("Orvo Mayan Animal Sign"), 7185, 4095,
                     QColor(0, 128, 0), QColor(255, 192, 128),
                     QStringLiteral("Know your Mayan Animal Sign Personality now.  Orvo Mayan Animal Sign gives you "
                                    "the result based on your date if birth. Get started now!"),
                     QStringLiteral("Birth Day"), QStringLiteral("Find My Mayan Animal &Sign"),
                     QStringLiteral("Mayan Animal Sign"), mayan::FirstYear, mayan::LastYear})
{
    createControls();
    createMenus();
    connectSignals();
}

void frmMayanAnimalSignMain::createControls()
{
    cboDate = makeList(QStringLiteral("cboDate"), QStringLiteral("Day of birth"), 720);
    cboYear = makeList(QStringLiteral("cboYear"), QStringLiteral("Year of birth"), 960);
    arrangeControls({cboDate, cboYear});
}

void frmMayanAnimalSignMain::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuFind = addMenuEntry(file, QStringLiteral("mnuFind"), QStringLiteral("&Find My Mayan Animal Moon Sign"));
    addMenuSeparator(file, QStringLiteral("mnuSep"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus(QStringLiteral("&Make Money Online"));
}

void frmMayanAnimalSignMain::connectSignals()
{
    connect(mnuFind, &QAction::triggered, this, &frmMayanAnimalSignMain::cmdProceed_Click);
    connect(mnuExit, &QAction::triggered, this, &OrvoForm::closeRequested);
}

void frmMayanAnimalSignMain::Form_Load()
{
    cboMonth->addItems(calendar::monthNames());
    cboDate->addItems(calendar::dayTexts());
    cboYear->addItems(calendar::yearTexts(mayan::FirstYear, mayan::LastYear));
    for (QComboBox *list : {cboMonth, cboDate, cboYear})
        list->setCurrentIndex(0);
}

mayan::Person frmMayanAnimalSignMain::personOfEntries() const
{
    return {txtName->text(), {cboDate->currentIndex() + 1, cboMonth->currentIndex() + 1, cboYear->currentText().toInt()}};
}

void frmMayanAnimalSignMain::showPerson(const mayan::Person &person)
{
    txtName->setText(person.name);
    if (person.birth.month >= 1 && person.birth.month <= cboMonth->count())
        cboMonth->setCurrentIndex(person.birth.month - 1);
    if (person.birth.day >= 1 && person.birth.day <= cboDate->count())
        cboDate->setCurrentIndex(person.birth.day - 1);
    selectByText(cboYear, QString::number(person.birth.year));
}

bool frmMayanAnimalSignMain::find(const mayan::Person &person)
{
    const Checked<mayan::Reading> reading = mayan::makeReading(person);
    if (!reading)
        return refuse(reading.problem());
    Q_EMIT found(*reading);
    return true;
}

bool frmMayanAnimalSignMain::findFromEntries()
{
    return find(personOfEntries());
}

bool frmMayanAnimalSignMain::openReading(const mayan::Person &person)
{
    showPerson(person);
    return find(person);
}

bool frmMayanAnimalSignMain::openSavedFields(const QStringList &fields)
{
    // A reading of the Australian system holds a name and a month only: the day and the year
    // stay as they are entered.
    QStringList lines = fields;
    if (lines.value(2).isEmpty() && lines.value(3).isEmpty())
        lines = {lines.value(0), lines.value(1), cboDate->currentText(), cboYear->currentText()};
    const Checked<mayan::Person> person = mayan::personFromSavedFields(lines);
    return person ? openReading(*person) : refuseFile();
}

QWidget *frmMayanAnimalSignMain::entryOf(InputProblem problem) const
{
    switch (problem) {
    case InputProblem::BadFebruary:
    case InputProblem::BadThirtyFirst:
        return cboDate;
    case InputProblem::YearOutOfRange:
        return cboYear;
    default:
        return SignInputForm::entryOf(problem);
    }
}

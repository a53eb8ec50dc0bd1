#include "mayan/frmMayanAnimalSignMain.h"

#include "common/calendar_lists.h"
#include "common/current_reading.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/modMayanAnimalMoonSign.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

frmMayanAnimalSignMain::frmMayanAnimalSignMain()
    : SignInputForm({QStringLiteral("frmMayanAnimalSignMain"), QStringLiteral("Orvo Mayan Animal Sign"), 7185, 4095,
                     QColor(0, 128, 0), QColor(255, 192, 128),
                     QStringLiteral("Know your Mayan Animal Sign Personality now.  Orvo Mayan Animal Sign gives you "
                                    "the result based on your date if birth. Get started now!"),
                     QStringLiteral("Birth Day"), QStringLiteral("&Find My Mayan Animal Sign")})
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
    connect(mnuExit, &QAction::triggered, this, [this] { forms::unload(this); });
}

void frmMayanAnimalSignMain::Form_Load()
{
    cboMonth->addItems(calendar::monthNames());
    cboDate->addItems(calendar::dayTexts());
    cboYear->addItems(calendar::yearTexts(1900, 2050));
    for (QComboBox *list : {cboMonth, cboDate, cboYear})
        list->setCurrentIndex(0);
    txtName->setFocus();
}

bool frmMayanAnimalSignMain::ValidateMayanInput()
{
    switch (mayan::checkInput(txtName->text(), cboDate->currentIndex(), cboMonth->currentIndex(),
                              cboYear->currentText().toInt())) {
    case mayan::InputProblem::NameMissing:
        reportMissingName();
        return false;
    case mayan::InputProblem::BadFebruary:
        showMessage(this, texts::badFebruary());
        return false;
    case mayan::InputProblem::BadThirtyFirst:
        showMessage(this, texts::badThirtyFirst());
        return false;
    case mayan::InputProblem::None:
        break;
    }
    return true;
}

void frmMayanAnimalSignMain::showReading()
{
    CurrentReading &reading = CurrentReading::instance();
    reading.name = txtName->text().trimmed();
    reading.mayanDay = cboDate->currentText().toInt();
    reading.monthName = cboMonth->currentText();
    reading.mayanYear = cboYear->currentText().toInt();
    ShowMayanSign(mayan::FindMayanSign(reading.monthName, reading.mayanDay));
    forms::show<frmMayanAnimalSignDisplay>();
}

void frmMayanAnimalSignMain::applySavedFields(const QStringList &fields)
{
    selectByText(cboDate, fields.value(2));
    selectByText(cboYear, fields.value(3));
}

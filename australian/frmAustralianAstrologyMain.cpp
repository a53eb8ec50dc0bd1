#include "australian/frmAustralianAstrologyMain.h"

#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/modAustralianAstrology.h"
#include "common/calendar_lists.h"
#include "common/current_reading.h"
#include "forms/form_registry.h"

#include <QComboBox>
#include <QLineEdit>

frmAustralianAstrologyMain::frmAustralianAstrologyMain()
    : SignInputForm({QStringLiteral("frmAustralianAstrologyMain"), QStringLiteral("Orvo Australian Astrology"), 6120,
                     4380, QColor(0, 64, 0), QColor(255, 128, 0),
                     QStringLiteral("Are you a Wombat? Or a Koala? Know More about your Australian Astrology Animal "
                                    "Sign with this software."),
                     QStringLiteral("Birth Month"), QStringLiteral("&Find My Australian Astrology Sign")})
{
    arrangeControls({});
}

void frmAustralianAstrologyMain::Form_Load()
{
    cboMonth->addItems(calendar::monthNames());
    cboMonth->setCurrentIndex(0);
    txtName->setFocus();
}

bool frmAustralianAstrologyMain::ValidateAustralianInput()
{
    if (txtName->text().trimmed().isEmpty()) {
        reportMissingName();
        return false;
    }
    return true;
}

void frmAustralianAstrologyMain::showReading()
{
    CurrentReading &reading = CurrentReading::instance();
    reading.name = txtName->text().trimmed();
    reading.monthName = cboMonth->currentText();
    ShowAustralianSign(australian::FindAustralianSign(reading.monthName));
    forms::show<frmAustralianAstrologyDisplay>();
}

#include "australian/frmAustralianAstrologySave.h"

#include "app/current_reading.h"
#include "app/form_registry.h"
#include "app/twips.h"
#include "australian/frmAustralianAstrologyDisplay.h"

frmAustralianAstrologySave::frmAustralianAstrologySave()
    : SignReportForm(QStringLiteral("frmAustralianAstrologySave"), QStringLiteral("Orvo Australian Astrology"), 7725,
                     7815, QColor(0, 64, 0))
{
}

void frmAustralianAstrologySave::composeReport()
{
    insertEntry(QStringLiteral("Name: "), CurrentReading::instance().name, look::teal(), 3);
    insertCreditLine();
}

OrvoForm *frmAustralianAstrologySave::resultForm()
{
    return forms::get<frmAustralianAstrologyDisplay>();
}

QStringList frmAustralianAstrologySave::savedFields() const
{
    const CurrentReading &reading = CurrentReading::instance();
    return {reading.name, reading.monthName};
}

#include "australian/frmAustralianAstrologySave.h"

#include "australian/frmAustralianAstrologyDisplay.h"
#include "common/current_reading.h"
#include "forms/form_registry.h"
#include "widgets/look.h"

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

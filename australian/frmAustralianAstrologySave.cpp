#include "australian/frmAustralianAstrologySave.h"

#include "australian/frmAustralianAstrologyDisplay.h"
#include "forms/form_registry.h"
#include "widgets/look.h"

frmAustralianAstrologySave::frmAustralianAstrologySave()
    : SignReportForm(QStringLiteral("frmAustralianAstrologySave"), QStringLiteral("Orvo Australian Astrology"), 7725,
                     7815, QColor(0, 64, 0))
{
}

void frmAustralianAstrologySave::composeReport()
{
    m_reading = forms::get<frmAustralianAstrologyDisplay>()->reading();
    insertEntry(QStringLiteral("Name: "), m_reading.person.name, look::teal(), 3);
    insertCreditLine();
}

OrvoForm *frmAustralianAstrologySave::resultForm()
{
    return forms::get<frmAustralianAstrologyDisplay>();
}

QStringList frmAustralianAstrologySave::savedFields() const
{
    return australian::savedFields(m_reading);
}

#include "australian/frmAustralianAstrologySave.h"

#include "widgets/look.h"

frmAustralianAstrologySave::frmAustralianAstrologySave()
    : SignReportForm(QStringLiteral("frmAustralianAstrologySave"), QStringLiteral("Orvo Australian Astrology"), 7725,
                     7815, QColor(0, 64, 0))
{
}

void frmAustralianAstrologySave::showReading(const australian::Reading &reading)
{
    m_reading = reading;
    compose();
}

void frmAustralianAstrologySave::composeReport()
{
    insertEntry(QStringLiteral("Name: "), m_reading.person.name, look::teal(), 3);
    insertCreditLine();
}

QStringList frmAustralianAstrologySave::savedFields() const
{
    return australian::savedFields(m_reading);
}

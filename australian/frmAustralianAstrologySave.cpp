#include "australian/frmAustralianAstrologySave.h"

#include "common/calendar_lists.h"
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
    // The reading as the result window shows it, in the Mayan report's style.
    const std::pair<QString, QString> entries[] = {
        {QStringLiteral("Name: "), m_reading.person.name},
        {QStringLiteral("Birth Month: "), calendar::monthNames().value(m_reading.person.month - 1)},
        {QStringLiteral("Australian Animal Sign: "), m_reading.sign.animal},
        {QStringLiteral("Description: "), m_reading.sign.description},
    };
    for (const auto &[heading, value] : entries) {
        insertEntry(heading, value, look::teal(), 3);
        insertCreditLine();
    }
}

QStringList frmAustralianAstrologySave::savedFields() const
{
    return australian::savedFields(m_reading);
}

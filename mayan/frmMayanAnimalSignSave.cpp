#include "mayan/frmMayanAnimalSignSave.h"

#include "common/calendar_lists.h"
#include "widgets/look.h"

frmMayanAnimalSignSave::frmMayanAnimalSignSave()
    : SignReportForm(QStringLiteral("frmMayanAnimalSignSave"), QStringLiteral("Orvo Mayan Animal Sign"), 7725, 7860,
                     QColor(0, 128, 0))
{
}

void frmMayanAnimalSignSave::showReading(const mayan::Reading &reading)
{
    m_reading = reading;
    compose();
}

void frmMayanAnimalSignSave::composeReport()
{
    const QDate &born = m_reading.birthDate;
    const mayan::MayanSignRow &sign = m_reading.sign;
    const std::pair<QString, QString> entries[] = {
        {QStringLiteral("Name: "), m_reading.person.name},
        {QStringLiteral("Date of Birth: "),
         QStringLiteral("%1 %2, %3").arg(calendar::monthNames().value(born.month() - 1)).arg(born.day()).arg(born.year())},
        {QStringLiteral("Mayan Animal Moon Sign: "), sign.mayanName},
        {QStringLiteral("English Name: "), sign.englishName},
        {QStringLiteral("Crystal: "), sign.crystal},
        {QStringLiteral("Interpretation: "), sign.interpretation},
    };
    for (const auto &[heading, value] : entries) {
        insertEntry(heading, value, look::teal(), 3);
        insertCreditLine();
    }
}

QStringList frmMayanAnimalSignSave::savedFields() const
{
    return mayan::savedFields(m_reading);
}

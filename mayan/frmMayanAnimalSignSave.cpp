#include "mayan/frmMayanAnimalSignSave.h"

#include "common/current_reading.h"
#include "forms/form_registry.h"
#include "widgets/look.h"
#include "mayan/frmMayanAnimalSignDisplay.h"

#include <QLabel>

frmMayanAnimalSignSave::frmMayanAnimalSignSave()
    : SignReportForm(QStringLiteral("frmMayanAnimalSignSave"), QStringLiteral("Orvo Mayan Animal Sign"), 7725, 7860,
                     QColor(0, 128, 0))
{
}

void frmMayanAnimalSignSave::composeReport()
{
    const CurrentReading &reading = CurrentReading::instance();
    const auto &values = forms::get<frmMayanAnimalSignDisplay>()->lblResult;
    const std::pair<QString, QString> entries[] = {
        {QStringLiteral("Name: "), reading.name},
        {QStringLiteral("Date of Birth: "),
         QStringLiteral("%1 %2, %3").arg(reading.monthName).arg(reading.mayanDay).arg(reading.mayanYear)},
        {QStringLiteral("Mayan Animal Moon Sign: "), values[0]->text()},
        {QStringLiteral("English Name: "), values[1]->text()},
        {QStringLiteral("Crystal: "), values[2]->text()},
        {QStringLiteral("Interpretation: "), values[3]->text()},
    };
    for (const auto &[heading, value] : entries) {
        insertEntry(heading, value, look::teal(), 3);
        insertCreditLine();
    }
}

OrvoForm *frmMayanAnimalSignSave::resultForm()
{
    return forms::get<frmMayanAnimalSignDisplay>();
}

QStringList frmMayanAnimalSignSave::savedFields() const
{
    const CurrentReading &reading = CurrentReading::instance();
    return {reading.name, reading.monthName, QString::number(reading.mayanDay), QString::number(reading.mayanYear)};
}

// The saved-reading reader on any file. The reader must give at most MaxLineCount fields, each
// on one line, and whatever it read must be written and read back unchanged. The lines then go
// through the checks the Chinese form opens a file with (the person, the year start, the time and
// place of birth, the tradition): a file they take, written again as the program writes it, must
// be taken again with the same birth.
#include "chinese/chinese_zodiac.h"
#include "common/saved_reading.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void checkChineseLines(const QStringList &fields)
{
    const Checked<chinese::Person> person = chinese::personFromSavedFields(fields);
    const std::optional<chinese::BirthMoment> birth = chinese::savedBirthMoment(fields, chinese::DayStart::Midnight);
    const std::optional<chinese::Tradition> tradition = chinese::savedTradition(fields);
    if (!person || !birth || !tradition)
        return;
    chinese::Reading reading;
    reading.person = *person;
    reading.birthDate = QDate(person->birth.year, person->birth.month, person->birth.day);
    reading.yearStart = chinese::savedYearStart(fields);
    reading.tradition = *tradition;
    reading.birth = *birth;
    reading.pillars = chinese::FourPillars{};
    const QStringList again = chinese::savedFields(reading);
    const Checked<chinese::Person> personAgain = chinese::personFromSavedFields(again);
    const std::optional<chinese::BirthMoment> birthAgain = chinese::savedBirthMoment(again, chinese::DayStart::Midnight);
    if (!personAgain || !birthAgain)
        std::abort();   // the program's own file must open
    if (personAgain->name != person->name || chinese::savedYearStart(again) != reading.yearStart
        || chinese::savedTradition(again) != tradition
        || birthAgain->time != birth->time || birthAgain->zone != birth->zone || birthAgain->longitude != birth->longitude
        || birthAgain->dayStart != birth->dayStart)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer input(&file);
    input.open(QIODevice::ReadOnly);
    const std::optional<QStringList> fields = savedReading::read(input);
    if (!fields)
        std::abort();   // a buffer always reads
    if (fields->size() > savedReading::MaxLineCount)
        std::abort();
    for (const QString &field : *fields) {
        if (field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
            std::abort();
    }

    QByteArray written;
    QBuffer output(&written);
    output.open(QIODevice::WriteOnly);
    if (!savedReading::write(output, *fields))
        std::abort();
    output.close();
    output.open(QIODevice::ReadOnly);
    if (savedReading::read(output) != fields)
        std::abort();
    checkChineseLines(*fields);
    return 0;
}

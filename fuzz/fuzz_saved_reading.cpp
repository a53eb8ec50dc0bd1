// The saved-reading reader on any file, for each kind: two lines (Australian .zod), four (Mayan
// .zod) and the ten of the Chinese .str. The first byte picks the kind, the rest is the file. The
// reader must give exactly the fields asked for, each on one line, and whatever it read must be
// written and read back unchanged. The Chinese lines then go through the checks the Chinese form
// opens a file with (the person, the year start, the time and place of birth): a file they take,
// written again as the program writes it, must be taken again with the same birth.
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
    if (!person || !birth)
        return;
    chinese::Reading reading;
    reading.person = *person;
    reading.birthDate = QDate(person->birth.year, person->birth.month, person->birth.day);
    reading.yearStart = chinese::savedYearStart(fields);
    reading.birth = *birth;
    reading.pillars = chinese::FourPillars{};
    const QStringList again = chinese::savedFields(reading);
    const Checked<chinese::Person> personAgain = chinese::personFromSavedFields(again);
    const std::optional<chinese::BirthMoment> birthAgain = chinese::savedBirthMoment(again, chinese::DayStart::Midnight);
    if (!personAgain || !birthAgain)
        std::abort();   // the program's own file must open
    if (personAgain->name != person->name || chinese::savedYearStart(again) != reading.yearStart
        || birthAgain->time != birth->time || birthAgain->zone != birth->zone || birthAgain->longitude != birth->longitude
        || birthAgain->dayStart != birth->dayStart)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static constexpr int lineCounts[] = {2, 4, chinese::SavedLineCount};
    const int lineCount = lineCounts[data[0] % 3];
    QByteArray file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QBuffer input(&file);
    input.open(QIODevice::ReadOnly);
    const std::optional<QStringList> fields = savedReading::read(input, lineCount);
    if (!fields)
        std::abort();   // a buffer always reads
    if (fields->size() != lineCount)
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
    if (savedReading::read(output, lineCount) != fields)
        std::abort();
    if (lineCount == chinese::SavedLineCount)
        checkChineseLines(*fields);
    return 0;
}

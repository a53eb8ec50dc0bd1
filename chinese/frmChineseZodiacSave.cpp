#include "chinese/frmChineseZodiacSave.h"

#include "chinese/chinese_zodiac.h"
#include "common/date_text.h"
#include "common/program_texts.h"
#include "widgets/link_label.h"
#include "widgets/promotion_band.h"
#include "forms/reading_files.h"
#include "widgets/look.h"

frmChineseZodiacSave::frmChineseZodiacSave()
    : ReportForm(QStringLiteral("frmChineseZodiacSave"), QStringLiteral("Orvo Chinese Zodiac Software "), 7725, 7770)
{
    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label1 = new LinkLabel(QStringLiteral("Label1"), texts::webSiteInvitation(), modHelp::Page::Home, this);
    stackTopLinks({Label14, Label1});

    fraFullBrand = new PromotionBand(this);
    addBelowButtons(fraFullBrand);
}

void frmChineseZodiacSave::showReading(const chinese::Reading &reading)
{
    m_reading = reading;
    compose();
}

void frmChineseZodiacSave::composeReport()
{
    const chinese::Reading &reading = m_reading;
    const ChineseAnimalRecord &record = reading.record;
    const QColor heading = look::darkRed();
    constexpr int breaks = 3;
    insertEntry(QStringLiteral("Name: "), reading.person.name, heading, breaks);
    insertEntry(QStringLiteral("Date of Birth: "), dateText::shortDate(reading.birthDate), heading, breaks);
    insertEntry(QStringLiteral("Sign: "), chinese::animalWithNativeName(reading), heading, breaks);
    insertEntry(chinese::yearTitle(reading) + QStringLiteral(": "),
                chinese::yearSpan(reading) + QLatin1Char(' ') + chinese::yearStartNote(reading.yearStart, reading.tradition),
                heading, breaks);
    if (reading.tradition != chinese::Tradition::China)
        insertEntry(QStringLiteral("Counted As In: "), chinese::traditionName(reading.tradition), heading, breaks);
    insertEntry(QStringLiteral("Element: ") + reading.year.element + QStringLiteral(": "), reading.elementDescription, heading, breaks);
    insertEntry(QStringLiteral("Ruling Planet: "), record.rulingPlanet, heading, breaks);
    insertEntry(QStringLiteral("Positive Traits: "), record.positiveTraits, heading, breaks);
    insertEntry(QStringLiteral("Negative Traits: "), record.negativeTraits, heading, breaks);
    insertEntry(QStringLiteral("Most Compatible Sign: "), record.mostCompatible, heading, breaks);
    insertEntry(QStringLiteral("Least Compatible Sign: "), record.leastCompatible, heading, breaks);
    insertEntry(QStringLiteral("Lucky Color: "), record.luckyColour, heading, breaks);
    insertEntry(QStringLiteral("GemStone: "), record.gemStone, heading, breaks);
    insertEntry(QStringLiteral("Energy: "), record.energy, heading, breaks);
    insertEntry(QStringLiteral("Favourable Season: "), record.luckySeason, heading, breaks);
    insertEntry(QStringLiteral("Favourable Month: "), record.luckyMonth, heading, breaks);
    insertEntry(QStringLiteral("Famous Persons of this Star Sign are: "), record.famousPersons, heading, breaks);
    // A section of several lines starts on the line after its heading.
    for (const auto &[title, text] : chinese::depthSections(reading, QDate::currentDate())) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        const QString body = (lines.size() > 1 ? lineBreaks(1) : QString()) + lines.join(lineBreaks(1));
        insertEntry(title, body, heading, breaks);
    }
}

QString frmChineseZodiacSave::personName() const
{
    return m_reading.person.name;
}

void frmChineseZodiacSave::cmdSave_Click()
{
    const readingFiles::Kind kind = readingFiles::chineseAstrology();
    readingFiles::save(this, kind, chinese::savedFields(m_reading), suggestedFileName(kind.extension));
}

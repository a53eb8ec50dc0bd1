#include "chinese/frmChineseZodiacSave.h"

#include "chinese/ChineseReading.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "common/date_text.h"
#include "common/program_texts.h"
#include "forms/form_registry.h"
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
    fraFullBrand->arrange(7665);
    fraFullBrand->move(twips::toPixels(30), belowButtons());
}

void frmChineseZodiacSave::composeReport()
{
    const ChineseReading &reading = ChineseReading::instance();
    const QColor heading = look::darkRed();
    constexpr int breaks = 3;
    insertEntry(QStringLiteral("Name: "), reading.name, heading, breaks);
    insertEntry(QStringLiteral("Date of Birth: "), dateText::shortDate(reading.birthDate), heading, breaks);
    insertEntry(QStringLiteral("Sign: "), reading.animal, heading, breaks);
    insertEntry(chinese::yearTitle(reading) + QStringLiteral(": "),
                chinese::yearSpan(reading) + QLatin1Char(' ') + chinese::yearStartNote(reading.yearStart), heading,
                breaks);
    insertEntry(QStringLiteral("Element: ") + reading.element + QStringLiteral(": "), reading.elementDescription, heading, breaks);
    insertEntry(QStringLiteral("Ruling Planet: "), reading.rulingPlanet, heading, breaks);
    insertEntry(QStringLiteral("Positive Traits: "), reading.positiveTraits, heading, breaks);
    insertEntry(QStringLiteral("Negative Traits: "), reading.negativeTraits, heading, breaks);
    insertEntry(QStringLiteral("Most Compatible Sign: "), reading.mostCompatible, heading, breaks);
    insertEntry(QStringLiteral("Least Compatible Sign: "), reading.leastCompatible, heading, breaks);
    insertEntry(QStringLiteral("Lucky Color: "), reading.luckyColour, heading, breaks);
    insertEntry(QStringLiteral("GemStone: "), reading.gemStone, heading, breaks);
    insertEntry(QStringLiteral("Energy: "), reading.energy, heading, breaks);
    insertEntry(QStringLiteral("Favourable Season: "), reading.luckySeason, heading, breaks);
    insertEntry(QStringLiteral("Favourable Month: "), reading.luckyMonth, heading, breaks);
    insertEntry(QStringLiteral("Famous Persons of this Star Sign are: "), reading.famousPersons, heading, breaks);
}

OrvoForm *frmChineseZodiacSave::resultForm()
{
    return forms::get<frmChineseZodiacDisplay>();
}

QString frmChineseZodiacSave::personName() const
{
    return ChineseReading::instance().name;
}

void frmChineseZodiacSave::cmdSave_Click()
{
    const ChineseReading &reading = ChineseReading::instance();
    readingFiles::save(this, readingFiles::chineseAstrology(), chinese::savedFields(reading));
}

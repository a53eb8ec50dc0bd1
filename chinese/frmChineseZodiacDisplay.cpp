#include "chinese/frmChineseZodiacDisplay.h"

#include "chinese/ChineseReading.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "common/calendar_lists.h"
#include "common/program_texts.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/plain_text.h"
#include "widgets/promotion_band.h"
#include "forms/start_panel.h"
#include "widgets/look.h"

#include <QAction>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr int RowLabelLeft = 150;
constexpr int BoxLeft = 2130;
constexpr int BoxWidth = 4455;
constexpr int OneLine = 285;
constexpr int TwoLines = 645;
constexpr int ThreeLines = 855;

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(look::verdana(8.25));
    return label;
}

QTextEdit *makeTextBox(QWidget *parent, const char *name)
{
    auto *box = new QTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(look::verdana(8.25));
    return box;
}

QLineEdit *makeLineBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFont(look::verdana(8.25));
    return box;
}

void setLine(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);   // a long value shows its beginning
}

// "Year of the Wood Rat:" on a line of its own, then the span; a date too wide for the rest of a
// line moves to the next line whole.
QString yearCaption(const ChineseReading &reading)
{
    auto unbroken = [](const QDate &date) { return chinese::longDate(date).replace(QLatin1Char(' '), QChar::Nbsp); };
    return chinese::yearTitle(reading) + QStringLiteral(":\n") + unbroken(reading.firstDay)
           + QStringLiteral(" \u2013 ") + unbroken(reading.lastDay);
}

// The height label needs for the widest of texts at its width.
int tallestOf(QLabel *label, const QStringList &texts)
{
    const QString kept = label->text();
    int height = 0;
    for (const QString &text : texts) {
        label->setText(text);
        height = std::max(height, label->heightForWidth(label->width()));
    }
    label->setText(kept);
    return height;
}

// Every caption the year label can show, with the widest day and month: the room it reserves.
QStringList widestYearCaptions()
{
    const QFontMetrics metrics(look::verdana(8.25));
    int widestMonth = 1;
    for (int month = 2; month <= 12; ++month) {
        if (metrics.horizontalAdvance(QLocale::c().monthName(month)) > metrics.horizontalAdvance(QLocale::c().monthName(widestMonth)))
            widestMonth = month;
    }
    ChineseReading sample;
    sample.firstDay = QDate(2000, widestMonth, 28);
    sample.lastDay = sample.firstDay;
    QStringList captions;
    for (const QString &element : chinese::elementNames()) {
        for (const QString &animal : chinese::animalNames()) {
            sample.element = element;
            sample.animal = animal;
            captions.append(yearCaption(sample));
        }
    }
    return captions;
}

} // namespace

frmChineseZodiacDisplay::frmChineseZodiacDisplay()
{
    setObjectName(QStringLiteral("frmChineseZodiacDisplay"));
    setWindowTitle(QStringLiteral("Orvo Chinese Zodiac Software "));
    setClientSizeTwips(10140, 7500);
    createControls();
    createMenus();
    connectSignals();
}

void frmChineseZodiacDisplay::createControls()
{
    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label14->setWordWrap(true);
    Label14->setAlignment(Qt::AlignCenter);
    const int fullWidth = twips::toPixels(10140) - 8;
    Label14->setGeometry(4, 2, fullWidth, Label14->heightForWidth(fullWidth));

    createDetails();
    createSignDetails();

    // Both frames start under the link and end together.
    const int top = std::max(twips::toPixels(330), Label14->geometry().bottom() + 4);
    fraStarUserDetails->move(fraStarUserDetails->x(), top);
    fraStarUserSignDetails->move(fraStarUserDetails->geometry().right() + 6, top);
    const int height = std::max(fraStarUserDetails->height(), fraStarUserSignDetails->height());
    fraStarUserDetails->resize(fraStarUserDetails->width(), height);
    fraStarUserSignDetails->resize(fraStarUserSignDetails->width(), height);

    auto button = [this](const char *name, const char *caption, int left) {
        auto *push = new QPushButton(QLatin1String(caption), this);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25));
        placeTwips(push, left, 5940, 1005, 345);
        return push;
    };
    cmdPrint = button("cmdPrint", "&Print", 3480);
    cmdExit = button("cmdExit", "E&xit", 4530);
    cmdBack = button("cmdBack", "&Back", 5595);
    const int buttonsTop = std::max(cmdPrint->y(), fraStarUserSignDetails->geometry().bottom() + 6);
    int left = fraStarUserSignDetails->x();
    for (QPushButton *push : {cmdPrint, cmdExit, cmdBack}) {
        push->move(left, buttonsTop);
        left = push->geometry().right() + 5;
    }

    fraFullBrand = new PromotionBand(this);
    fraFullBrand->arrange(10140 - 120);
    fraFullBrand->move(twips::toPixels(60), cmdPrint->geometry().bottom() + 6);
}

void frmChineseZodiacDisplay::createDetails()
{
    fraStarUserDetails = new QGroupBox(QStringLiteral("Welcome"), this);
    fraStarUserDetails->setObjectName(QStringLiteral("fraStarUserDetails"));
    QWidget *frame = fraStarUserDetails;
    const int inner = twips::toPixels(2910);
    const int left = twips::toPixels(120);

    lblName = makeLabel(frame, "lblName", QString());
    lblName->setFont(look::verdana(8.25, true));
    lblName->setAlignment(Qt::AlignCenter);
    lblName->setTextFormat(Qt::PlainText);
    lblName->setWordWrap(true);
    Label1 = makeLabel(frame, "Label1", QStringLiteral("Your Chinese Sign"));
    Label1->setAlignment(Qt::AlignCenter);
    lblChineseSign = makeLabel(frame, "lblChineseSign", QString());
    Label13 = makeLabel(frame, "Label13", QStringLiteral("Your Chinese Element"));
    Label13->setAlignment(Qt::AlignCenter);
    lblChineseElement = makeLabel(frame, "lblChineseElement", QString());
    for (QLabel *value : {lblChineseSign, lblChineseElement}) {
        value->setFont(look::verdana(11.25, true));
        value->setAlignment(Qt::AlignCenter);
        look::setForeground(value, look::darkRed());
    }
    lblChineseYear = makeLabel(frame, "lblChineseYear", QString());
    lblYearStart = makeLabel(frame, "lblYearStart", QString());
    for (QLabel *year : {lblChineseYear, lblYearStart}) {
        year->setAlignment(Qt::AlignCenter);
        year->setTextFormat(Qt::PlainText);
        year->setWordWrap(true);
        year->resize(inner, year->height());
    }
    const int yearHeight = tallestOf(lblChineseYear, widestYearCaptions());
    const int yearStartHeight = tallestOf(lblYearStart, {chinese::yearStartNote(chinese::YearStart::LunarNewYear),
                                                         chinese::yearStartNote(chinese::YearStart::StartOfSpring)});
    txtChineseElement = makeTextBox(frame, "txtChineseElement");
    txtChineseElement->setAccessibleName(QStringLiteral("Your Chinese Element"));
    lblDOBDesc = makeLabel(frame, "lblDOBDesc", QStringLiteral("Your Date of Birth"));
    lblDOBDesc->setAlignment(Qt::AlignCenter);
    MV = new QCalendarWidget(frame);
    MV->setObjectName(QStringLiteral("MV"));
    MV->setFont(look::verdana(8.25));
    MV->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MV->setGridVisible(false);

    // Top to bottom, each as high as its text needs (two lines for a long name).
    const QFontMetrics nameMetrics(lblName->font());
    struct Item { QWidget *widget; int height; int gapAfter; };
    const Item items[] = {
        {lblName, nameMetrics.lineSpacing() * 2 + 2, 6},
        {Label1, Label1->sizeHint().height(), 0},
        {lblChineseSign, lblChineseSign->fontMetrics().height() + 4, 4},
        {Label13, Label13->sizeHint().height(), 0},
        {lblChineseElement, lblChineseElement->fontMetrics().height() + 4, 2},
        {lblChineseYear, yearHeight, 0},
        {lblYearStart, yearStartHeight, 4},
        {txtChineseElement, twips::toPixels(1155), 6},
        {lblDOBDesc, lblDOBDesc->sizeHint().height(), 2},
        {MV, MV->sizeHint().height(), 6},
    };
    int y = QFontMetrics(fraStarUserDetails->font()).height() + 4;
    int width = inner;
    for (const Item &item : items) {
        const int w = item.widget == MV ? std::max(inner, MV->sizeHint().width()) : inner;
        width = std::max(width, w);
        item.widget->setGeometry(left, y, w, item.height);
        y += item.height + item.gapAfter;
    }
    fraStarUserDetails->setGeometry(twips::toPixels(60), 0, left + width + left, y + 4);
}

void frmChineseZodiacDisplay::createSignDetails()
{
    fraStarUserSignDetails = new QGroupBox(QStringLiteral("Your Star Sign "), this);
    fraStarUserSignDetails->setObjectName(QStringLiteral("fraStarUserSignDetails"));
    QWidget *frame = fraStarUserSignDetails;

    txtRulingPlanet = makeLineBox(frame, "txtRulingPlanet");
    txtPositiveTraits = makeTextBox(frame, "txtPositiveTraits");
    txtNegativeTraits = makeTextBox(frame, "txtNegativeTraits");
    txtLuckyColor = makeLineBox(frame, "txtLuckyColor");
    txtGemStone = makeLineBox(frame, "txtGemStone");
    txtEnergy = makeLineBox(frame, "txtEnergy");
    txtLuckySeason = makeLineBox(frame, "txtLuckySeason");
    txtLuckyMonth = makeLineBox(frame, "txtLuckyMonth");
    txtMostCompSign = makeLineBox(frame, "txtMostCompSign");
    txtLeastCompSign = makeLineBox(frame, "txtLeastCompSign");
    txtFamousPersons = makeTextBox(frame, "txtFamousPersons");

    struct Row { const char *labelName; const char *caption; QWidget *box; int height; };
    const Row rows[] = {
        {"lblRulingPlanet", "Ruling Planet", txtRulingPlanet, OneLine},
        {"lblPositiveTraits", "Positive Traits", txtPositiveTraits, ThreeLines},
        {"lblNegativeTraits", "Negative Traits", txtNegativeTraits, ThreeLines},
        {"lblLuckyColor", "Lucky Color", txtLuckyColor, OneLine},
        {"lblGemStone", "GemStone", txtGemStone, OneLine},
        {"lblEnergy", "Energy", txtEnergy, OneLine},
        {"lblLuckySeason", "Lucky Seasons", txtLuckySeason, OneLine},
        {"lblLuckyMonth", "Lucky Month", txtLuckyMonth, OneLine},
        {"lblMostCompSign", "Most Compatible Sign", txtMostCompSign, OneLine},
        {"lblLeastCompSign", "Least Compatible Sign", txtLeastCompSign, OneLine},
        {"lblFamousPersons", "Famous Personalities Born Under this Sign", txtFamousPersons, TwoLines},
    };
    const int labelLeft = twips::toPixels(RowLabelLeft);
    const int labelWidth = twips::toPixels(BoxLeft - RowLabelLeft - 60);
    const int boxLeft = twips::toPixels(BoxLeft);
    const int boxWidth = twips::toPixels(BoxWidth);
    int y = QFontMetrics(frame->font()).height() + 6;
    for (const Row &row : rows) {
        QLabel *label = makeLabel(frame, row.labelName, QLatin1String(row.caption));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setBuddy(row.box);
        row.box->setAccessibleName(label->text());
        // A one-line box is at least as high as its font needs; the others are as designed.
        const int boxHeight = row.height == OneLine ? std::max(twips::toPixels(OneLine), row.box->sizeHint().height())
                                                    : twips::toPixels(row.height);
        const int labelHeight = label->heightForWidth(labelWidth);
        const int rowHeight = std::max(boxHeight, labelHeight);
        label->setGeometry(labelLeft, y + (rowHeight - labelHeight) / 2, labelWidth, labelHeight);
        row.box->setGeometry(boxLeft, y + (rowHeight - boxHeight) / 2, boxWidth, boxHeight);
        y += rowHeight + 5;
    }
    fraStarUserSignDetails->setGeometry(0, 0, boxLeft + boxWidth + labelLeft, y + 4);
}

void frmChineseZodiacDisplay::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuPrint = addMenuEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"));
    mnuBack = addMenuEntry(file, QStringLiteral("mnuBack"), QStringLiteral("&Back"));
    addMenuSeparator(file);
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
}

void frmChineseZodiacDisplay::connectSignals()
{
    connect(cmdPrint, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdExit_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdBack_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmChineseZodiacDisplay::cmdPrint_Click);
    connect(mnuBack, &QAction::triggered, this, &frmChineseZodiacDisplay::cmdBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmChineseZodiacDisplay::cmdExit_Click);
}

void frmChineseZodiacDisplay::Form_Load()
{
    showReading();
}

void frmChineseZodiacDisplay::Form_Unload()
{
    // Back hides the panel again right after; every other way out leaves it showing.
    startPanel::show();
}

void frmChineseZodiacDisplay::showReading()
{
    const ChineseReading &reading = ChineseReading::instance();
    fraStarUserSignDetails->setTitle(reading.animal);
    lblChineseSign->setText(reading.animal);
    const QString titledName = (reading.sex == QLatin1String("Male") ? QStringLiteral("Mr. ") : QStringLiteral("Ms. "))
                               + reading.name;
    lblName->setText(titledName);
    // The label holds two lines; a name too long for them is shortened to one line ending in
    // "..." (a single long word cannot wrap at all) and shown whole in the label's tip.
    const QFontMetrics metrics(lblName->font());
    const QStringList words = titledName.split(QLatin1Char(' '));
    const bool wordTooWide = std::any_of(words.cbegin(), words.cend(), [&](const QString &word) {
        return metrics.horizontalAdvance(word) > lblName->width();
    });
    if (wordTooWide || lblName->heightForWidth(lblName->width()) > lblName->height()) {
        lblName->setText(metrics.elidedText(titledName, Qt::ElideRight, lblName->width() - 4));
        plainText::setToolTip(lblName, titledName);
    } else {
        lblName->setToolTip(QString());
    }
    lblName->setAccessibleName(titledName);

    const QDate birthDate(reading.year.toInt(), calendar::monthNumber(reading.month), reading.day.toInt());
    if (birthDate.isValid()) {
        MV->setCurrentPage(birthDate.year(), birthDate.month());
        MV->setSelectedDate(birthDate);
    }

    lblChineseSign->setText(reading.animal);
    lblChineseElement->setText(reading.element);
    lblChineseYear->setText(yearCaption(reading));
    lblYearStart->setText(chinese::yearStartNote(reading.yearStart));
    txtChineseElement->setPlainText(reading.elementDescription);
    setLine(txtRulingPlanet, reading.rulingPlanet);
    txtPositiveTraits->setPlainText(reading.positiveTraits);
    txtNegativeTraits->setPlainText(reading.negativeTraits);
    setLine(txtLuckyColor, reading.luckyColour);
    setLine(txtGemStone, reading.gemStone);
    setLine(txtEnergy, reading.energy);
    setLine(txtLuckySeason, reading.luckySeason);
    setLine(txtLuckyMonth, reading.luckyMonth);
    setLine(txtMostCompSign, reading.mostCompatible);
    setLine(txtLeastCompSign, reading.leastCompatible);
    txtFamousPersons->setPlainText(reading.famousPersons);
}

void frmChineseZodiacDisplay::cmdBack_Click()
{
    forms::show<frmChineseZodiacMain>();
    forms::unload(this);
    startPanel::hide();
}

void frmChineseZodiacDisplay::cmdExit_Click()
{
    forms::unload(this);
}

void frmChineseZodiacDisplay::cmdPrint_Click()
{
    forms::show<frmChineseZodiacSave>();
}

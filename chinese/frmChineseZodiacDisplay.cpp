#include "chinese/frmChineseZodiacDisplay.h"

#include "chinese/chinese_zodiac.h"
#include "chinese/calendar/birthday_calendar.h"
#include "common/file_saving.h"
#include "common/program_texts.h"
#include "forms/save_dialog.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/protected_text_edit.h"
#include "widgets/plain_text.h"
#include "widgets/promotion_band.h"

#include <QAction>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDateTime>
#include <QIODevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace {

// The window's design size in twips.
constexpr int DesignWidth = 10140;
constexpr int DesignHeight = 7500;
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
    ProtectedTextEdit::makeReadOnly(box);
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

// Grows box to show all of text at its width, never below least pixels: a list of famous
// people is never cut at its last name.
void showWhole(QTextEdit *box, const QString &text, int least)
{
    box->setPlainText(text);
    // Laid out as the box will lay it out: its width less the frame and the scroll bar it always shows.
    const std::unique_ptr<QTextDocument> measure(box->document()->clone());
    measure->setTextWidth(box->width() - 2 * box->frameWidth() - box->verticalScrollBar()->sizeHint().width());
    box->setFixedHeight(std::max(least, int(std::ceil(measure->size().height())) + 2 * box->frameWidth()));
}

void setLine(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);   // a long value shows its beginning
}

// "Year of the Wood Rat:" on a line of its own, then the span; a date too wide for the rest of a
// line moves to the next line whole.
// A year counted from the Start of Spring's moment gives the times of its bounds too.
QString yearCaption(const chinese::Reading &reading)
{
    auto unbroken = [](const QString &text) { return QString(text).replace(QLatin1Char(' '), QChar::Nbsp); };
    if (const std::optional<chinese::YearMoments> &moments = reading.yearMoments) {
        return chinese::yearTitle(reading) + QStringLiteral(":\n") + unbroken(chinese::momentText(moments->begins))
               + QStringLiteral(" \u2013 ") + unbroken(chinese::momentText(moments->ends));
    }
    return chinese::yearTitle(reading) + QStringLiteral(":\n") + unbroken(dateText::longDate(reading.year.firstDay))
           + QStringLiteral(" \u2013 ") + unbroken(dateText::longDate(reading.year.lastDay));
}

// The height label needs at width for the tallest of texts.
int tallestOf(const QLabel *label, int width, const QStringList &texts)
{
    QLabel probe;
    probe.setFont(label->font());
    probe.setWordWrap(label->wordWrap());
    probe.setAlignment(label->alignment());
    int height = 0;
    for (const QString &text : texts) {
        probe.setText(text);
        height = std::max(height, probe.heightForWidth(width));
    }
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
    chinese::Reading sample;
    sample.year.firstDay = QDate(2000, widestMonth, 28);
    sample.year.lastDay = sample.year.firstDay;
    QStringList captions;
    for (const QString &element : chinese::elementNames()) {
        for (const QString &animal : chinese::animalNames()) {
            sample.year.element = element;
            sample.year.animal = animal;
            sample.yearMoments.reset();
            captions.append(yearCaption(sample));
            const QDateTime widest(sample.year.firstDay, QTime(20, 0), QTimeZone::utc());
            sample.yearMoments = chinese::YearMoments{widest, widest};
            captions.append(yearCaption(sample));
        }
    }
    return captions;
}

} // namespace

frmChineseZodiacDisplay::frmChineseZodiacDisplay()
{
    setObjectName(QStringLiteral("frmChineseZodiacDisplay"));
    setWindowTitle(windowTitleFor(QStringLiteral("Orvo Chinese Zodiac Software "), WindowKind::Result));
    setClientSizeTwips(DesignWidth, DesignHeight);
    createControls();
    createMenus();
    connectSignals();
}

// The link across the top; the person's frame and the sign's frame side by side, as high as each
// other; the depth box across both; then, in sight however low the window, the buttons and the
// promotion band. Controls are made in the order of the screen, which is the order Tab visits them.
void frmChineseZodiacDisplay::createControls()
{
    auto *outline = bodyColumn(6, QMargins(twips::windowMargin, 2, twips::windowMargin, twips::windowMargin));

    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label14->setWordWrap(true);
    Label14->setAlignment(Qt::AlignCenter);
    outline->addWidget(Label14);

    auto *columns = new QGridLayout;
    columns->setSpacing(6);
    createDetails();
    columns->addWidget(fraStarUserDetails, 0, 0);
    createSignDetails();
    columns->addWidget(fraStarUserSignDetails, 0, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(5);
    auto button = [this, buttons](const char *name, const char *caption) {
        auto *push = new QPushButton(QLatin1String(caption), this);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25));
        twips::setLeastSize(push, 1005, 345);
        buttons->addWidget(push);
        return push;
    };
    cmdPrint = button("cmdPrint", "&Print");
    cmdExit = button("cmdExit", "E&xit");
    cmdBack = button("cmdBack", "&Back");
    cmdCalendar = button("cmdCalendar", "");
    cmdCalendar->setText(QStringLiteral("Add to &Calendar\u2026"));
    buttons->insertStretch(0);
    columns->setColumnStretch(1, 1);   // room to spare goes to the sign's frame
    outline->addLayout(columns);
    createDepth();
    outline->addWidget(fraDepth, 1);

    buttons->setContentsMargins(twips::windowMargin, 4, twips::windowMargin, 4);
    footer()->addLayout(buttons);
    fraFullBrand = new PromotionBand(this);
    footer()->addWidget(fraFullBrand);
}

void frmChineseZodiacDisplay::createDetails()
{
    fraStarUserDetails = new QGroupBox(QStringLiteral("Welcome"), this);
    fraStarUserDetails->setObjectName(QStringLiteral("fraStarUserDetails"));
    QWidget *frame = fraStarUserDetails;
    auto *column = new QVBoxLayout(frame);
    // The design's margins include the frame's own line.
    const int side = twips::toPixels(120) - 2;
    column->setContentsMargins(side, 0, side, 4);
    column->setSpacing(0);

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
    Label1->setBuddy(lblChineseSign);
    Label13->setBuddy(lblChineseElement);
    setOpeningFocus(lblChineseSign);
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
        year->setFocusPolicy(Qt::TabFocus);
    }
    lblName->setFocusPolicy(Qt::TabFocus);
    txtChineseElement = makeTextBox(frame, "txtChineseElement");
    txtChineseElement->setAccessibleName(QStringLiteral("Your Chinese Element"));
    txtChineseElement->setFixedSize(twips::toPixels(2910), twips::toPixels(1155));
    lblDOBDesc = makeLabel(frame, "lblDOBDesc", QStringLiteral("Your Date of Birth"));
    lblDOBDesc->setAlignment(Qt::AlignCenter);
    MV = new QCalendarWidget(frame);
    MV->setObjectName(QStringLiteral("MV"));
    lblDOBDesc->setBuddy(MV);
    MV->setFont(look::verdana(8.25));
    MV->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MV->setGridVisible(false);
    look::setUpCalendar(MV, lblDOBDesc->text());
    // The calendar's days say their current day took the focus whenever the date changes, focus
    // or not; the sign, which holds the focus, is said again after them.
    if (auto *days = MV->findChild<QAbstractItemView *>()) {
        connect(days->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, days] {
            if (!days->hasFocus())
                announceOpeningFocusAgain();
        });
    }

    // Each label as high as the longest text it may show, so that no reading changes the window:
    // two lines of the name (a longer one is shortened), every year's caption.
    const int width = std::max(twips::toPixels(2910), MV->sizeHint().width());
    lblName->setFixedHeight(QFontMetrics(lblName->font()).lineSpacing() * 2 + 2);
    lblName->setMinimumWidth(width);   // the name is fitted to it before the window first shows
    lblChineseSign->setFixedHeight(lblChineseSign->fontMetrics().height() + 4);
    lblChineseElement->setFixedHeight(lblChineseElement->fontMetrics().height() + 4);
    lblChineseYear->setFixedHeight(tallestOf(lblChineseYear, width, widestYearCaptions()));
    lblYearStart->setFixedHeight(tallestOf(lblYearStart, width, {chinese::yearStartNote(chinese::YearStart::LunarNewYear),
                                                                 chinese::yearStartNote(chinese::YearStart::StartOfSpring)}));

    struct Item { QWidget *widget; int gapAfter; };
    const Item items[] = {
        {lblName, 6}, {Label1, 0}, {lblChineseSign, 4}, {Label13, 0}, {lblChineseElement, 2},
        {lblChineseYear, 0}, {lblYearStart, 4}, {txtChineseElement, 6}, {lblDOBDesc, 2}, {MV, 2},
    };
    for (const Item &item : items) {
        column->addWidget(item.widget, 0, item.widget == txtChineseElement ? Qt::AlignLeft : Qt::Alignment());
        column->addSpacing(item.gapAfter);
    }
    column->addStretch();
    MV->setMinimumWidth(width);
}

void frmChineseZodiacDisplay::createSignDetails()
{
    fraStarUserSignDetails = new QGroupBox(QStringLiteral("Your Star Sign "), this);
    fraStarUserSignDetails->setObjectName(QStringLiteral("fraStarUserSignDetails"));
    QWidget *frame = fraStarUserSignDetails;
    auto *rowsGrid = new QGridLayout(frame);
    const int side = twips::toPixels(RowLabelLeft) - 2;
    rowsGrid->setContentsMargins(side, 0, side, 4);
    rowsGrid->setHorizontalSpacing(twips::toPixels(60));
    rowsGrid->setVerticalSpacing(5);

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
    int row = 0;
    for (const Row &each : rows) {
        QLabel *label = makeLabel(frame, each.labelName, QLatin1String(each.caption));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFixedWidth(twips::toPixels(BoxLeft - RowLabelLeft - 60));
        label->setBuddy(each.box);
        each.box->setAccessibleName(label->text());
        // A one-line box is at least as high as its font needs; the others are as designed.
        const int boxHeight = each.height == OneLine ? std::max(twips::toPixels(OneLine), each.box->sizeHint().height())
                                                     : twips::toPixels(each.height);
        each.box->setFixedSize(twips::toPixels(BoxWidth), boxHeight);
        rowsGrid->addWidget(label, row, 0);
        rowsGrid->addWidget(each.box, row, 1);
        ++row;
    }
    rowsGrid->setRowStretch(row, 1);
}

// Across the window under both frames: everything the time of birth adds and the years ahead,
// in a box that scrolls, so that no reading's length changes the window.
void frmChineseZodiacDisplay::createDepth()
{
    fraDepth = new QGroupBox(QStringLiteral("Chinese Date, Four Pillars and the Years Ahead"), this);
    fraDepth->setObjectName(QStringLiteral("fraDepth"));
    auto *column = new QVBoxLayout(fraDepth);
    const int side = twips::toPixels(120) - 2;
    column->setContentsMargins(side, 0, side, 4);
    txtDepth = makeTextBox(fraDepth, "txtDepth");
    txtDepth->setAccessibleName(fraDepth->title());
    txtDepth->setMinimumHeight(twips::toPixels(1500));
    column->addWidget(txtDepth);
}

// Each heading in bold, its text after it; both as plain text.
void frmChineseZodiacDisplay::showDepth()
{
    txtDepth->clear();
    QTextCursor cursor(txtDepth->document());
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(look::darkRed());
    bool first = true;
    for (const auto &[heading, text] : chinese::depthSections(m_reading, QDate::currentDate())) {
        if (!first)
            cursor.insertBlock();
        first = false;
        cursor.insertText(heading, bold);
        const QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.size() == 1) {
            cursor.insertText(text, plain);
            continue;
        }
        for (const QString &line : lines) {
            cursor.insertBlock();
            cursor.insertText(line, plain);
        }
    }
    txtDepth->moveCursor(QTextCursor::Start);
    // Unavailable where there is nothing to add, saying why (a disabled button still shows its tip).
    const QString noBirthdays = chinese::noLunarBirthdaysReason(m_reading, QDate::currentDate());
    cmdCalendar->setEnabled(m_reading.pillars.has_value() && noBirthdays.isEmpty());
    cmdCalendar->setToolTip(noBirthdays);
    cmdCalendar->setAccessibleDescription(noBirthdays);
}

void frmChineseZodiacDisplay::createMenus()
{
    const ResultMenu menu = addResultMenus();
    mnuPrint = menu.print;
    mnuBack = menu.back;
    mnuExit = menu.exit;
}

void frmChineseZodiacDisplay::connectSignals()
{
    connect(cmdPrint, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdExit_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdBack_Click);
    connect(cmdCalendar, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdCalendar_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmChineseZodiacDisplay::cmdPrint_Click);
    connect(mnuBack, &QAction::triggered, this, &frmChineseZodiacDisplay::cmdBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmChineseZodiacDisplay::cmdExit_Click);
}

void frmChineseZodiacDisplay::showReading(const chinese::Reading &reading)
{
    m_reading = reading;
    const ChineseAnimalRecord &record = reading.record;
    fraStarUserSignDetails->setTitle(record.animal);
    lblChineseSign->setText(chinese::animalWithNativeName(reading));
    fraDepth->setTitle(reading.tradition == chinese::Tradition::China ? QStringLiteral("Chinese Date, Four Pillars and the Years Ahead")
                       : chinese::hasLunarDates(reading.tradition) ? QStringLiteral("Lunar Date, Four Pillars and the Years Ahead")
                                                                     : QStringLiteral("Four Pillars and the Years Ahead"));
    txtDepth->setAccessibleName(fraDepth->title());
    showName((reading.person.sex == chinese::Sex::Male ? QStringLiteral("Mr. ") : QStringLiteral("Ms. "))
             + reading.person.name);
    if (reading.birthDate.isValid()) {
        look::showDate(MV, reading.birthDate);
    }
    lblChineseElement->setText(reading.year.element);
    lblChineseYear->setText(yearCaption(reading));
    lblYearStart->setText(chinese::yearStartNote(reading.yearStart, reading.tradition));
    txtChineseElement->setPlainText(reading.elementDescription);
    setLine(txtRulingPlanet, record.rulingPlanet);
    txtPositiveTraits->setPlainText(record.positiveTraits);
    txtNegativeTraits->setPlainText(record.negativeTraits);
    setLine(txtLuckyColor, record.luckyColour);
    setLine(txtGemStone, record.gemStone);
    setLine(txtEnergy, record.energy);
    setLine(txtLuckySeason, record.luckySeason);
    setLine(txtLuckyMonth, record.luckyMonth);
    setLine(txtMostCompSign, record.mostCompatible);
    setLine(txtLeastCompSign, record.leastCompatible);
    showWhole(txtFamousPersons, record.famousPersons, twips::toPixels(TwoLines));
    showDepth();
}

// The label holds two lines; a name too long for them is shortened to one line ending in "..."
// (a single long word cannot wrap at all) and shown whole in the label's tip.
void frmChineseZodiacDisplay::showName(const QString &titledName)
{
    lblName->setText(titledName);
    lblName->resize(std::max(lblName->width(), lblName->minimumWidth()), lblName->height());
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
}

void frmChineseZodiacDisplay::cmdBack_Click()
{
    Q_EMIT backRequested();
}

void frmChineseZodiacDisplay::cmdExit_Click()
{
    Q_EMIT closeRequested();
}

void frmChineseZodiacDisplay::cmdPrint_Click()
{
    Q_EMIT reportRequested();
}

void frmChineseZodiacDisplay::cmdCalendar_Click()
{
    const QList<chinese::LunarBirthday> birthdays = chinese::comingLunarBirthdays(m_reading, QDate::currentDate());
    if (birthdays.isEmpty())
        return;
    const QByteArray calendar = chinese::birthdayCalendar(m_reading.person.name, m_reading.birthDate, birthdays,
                                                          QDateTime::currentDateTimeUtc());
    DialogService::FileRequest request;
    request.title = QStringLiteral("Save the Lunar Birthdays ....");
    request.filter = QStringLiteral("iCalendar (*.ics)");
    request.defaultSuffix = QStringLiteral("ics");
    request.fileName = saveDialog::suggestedName(m_reading.person.name, QStringLiteral("Lunar Birthdays"), request.defaultSuffix);
    request.confirmOverwrite = true;
    saveDialog::save(
        this, request,
        [&calendar](const QString &fileName) {
            return fileSaving::save(fileName, [&calendar](QIODevice &file) { return file.write(calendar) == calendar.size(); });
        },
        QStringLiteral("Open in Calendar"));
}

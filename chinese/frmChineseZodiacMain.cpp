#include "chinese/frmChineseZodiacMain.h"

#include "chinese/chinese_zodiac.h"
#include "chinese/calendar/day_start.h"
#include "chinese/calendar/year_start.h"
#include "common/calendar_lists.h"
#include "common/zone_name.h"
#include "common/input_problem.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/reading_files.h"
#include "chinese/tradition_box.h"
#include "widgets/date_list.h"
#include "widgets/option_group.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"

#include <QComboBox>
#include <QTimeZone>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The window's design size in twips.
constexpr int DesignWidth = 4950;
constexpr int DesignHeight = 4110;

QLabel *makeLabel(QWidget *parent, const char *name, const char *caption, QWidget *buddy)
{
    auto *label = new QLabel(QLatin1String(caption), parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(look::verdana(8.25));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

// Two options side by side in row, named prefix_0 and prefix_1, each with its caption and the
// sentence a screen reader says for it.
std::array<QRadioButton *, 2> optionPair(QWidget *parent, QHBoxLayout *row, const QString &prefix,
                                         const std::array<const char *, 2> &captions,
                                         const std::array<const char *, 2> &spoken)
{
    std::array<QRadioButton *, 2> options{};
    for (int index = 0; index < 2; ++index) {
        auto *option = new QRadioButton(QLatin1String(captions[index]), parent);
        option->setObjectName(QStringLiteral("%1_%2").arg(prefix).arg(index));
        option->setFont(look::verdana(8.25));
        option->setAccessibleName(QLatin1String(spoken[index]));
        row->addWidget(option);
        options[index] = option;
    }
    row->addStretch();
    return options;
}

} // namespace

frmChineseZodiacMain::frmChineseZodiacMain()
{
    setObjectName(QStringLiteral("frmChineseZodiacMain"));
    setWindowTitle(windowTitleFor(QStringLiteral("Orvo Chinese Zodiac Software "), WindowKind::Input));
    setClientSizeTwips(DesignWidth, DesignHeight);
    createControls();
    connectSignals();
}

// Top to bottom: the two invitations, the details, the time and place, the year start; then, in
// sight however low the window, Proceed and Open and the promotion band. Tab visits them in the
// order of the screen.
void frmChineseZodiacMain::createControls()
{
    auto *outline = bodyColumn(4, QMargins(twips::windowMargin, 2, twips::windowMargin, twips::windowMargin));

    auto *links = new QVBoxLayout;
    links->setSpacing(2);
    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label3 = new LinkLabel(QStringLiteral("Label3"), texts::webSiteInvitation(), modHelp::Page::Home, this);
    for (LinkLabel *link : {Label14, Label3}) {
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignCenter);
        links->addWidget(link);
    }
    outline->addLayout(links);

    createDetails();
    outline->addWidget(fraDetails);
    createBirth();
    outline->addWidget(fraBirth);
    createYearStart();
    outline->addWidget(fraYearStart);
    outline->addWidget(fraTradition);

    outline->addStretch();

    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Record"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setFont(look::verdana(9.75, true));
    cmdOpen->setMinimumHeight(twips::toPixels(495));
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(twips::windowMargin, 4, twips::windowMargin, 2);
    buttons->setSpacing(6);
    buttons->addWidget(cmdProceed);
    buttons->addWidget(cmdOpen, 1);
    footer()->addLayout(buttons);
    fraFullBrand = new PromotionBand(this);
    footer()->setContentsMargins(0, 0, 0, twips::windowMargin);
    footer()->addWidget(fraFullBrand);
    setTabOrder(optYearStart[1], fraTradition->focusProxy());
    setTabOrder(fraTradition->focusProxy(), cmdProceed);
    setTabOrder(cmdProceed, cmdOpen);
}

// Name on the first row; day, month and year on the second; the sex on the third.
void frmChineseZodiacMain::createDetails()
{
    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    QFont frameFont(QStringLiteral("MS Sans Serif"));
    frameFont.setStyleHint(QFont::SansSerif);
    frameFont.setPointSizeF(8.25);
    fraDetails->setFont(frameFont);
    auto *grid = new QGridLayout(fraDetails);
    grid->setContentsMargins(6, 0, 6, 6);
    grid->setHorizontalSpacing(5);
    grid->setVerticalSpacing(7);

    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(look::verdana(8.25));
    txtName->setAccessibleName(QStringLiteral("Name"));
    txtName->setMinimumHeight(twips::toPixels(345));
    nameBox::setUp(txtName);
    Label1 = makeLabel(fraDetails, "Label1", "Name", txtName);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 3);

    auto list = [this](const char *name, const char *accessible) {
        auto *combo = new DateList(QLatin1String(name), QLatin1String(accessible), fraDetails);
        connect(combo, &DateList::entered, this, &frmChineseZodiacMain::cmdProceed_Click);
        combo->setFont(look::verdana(8.25));
        combo->setMaxVisibleItems(12);
        return combo;
    };
    cboDate = list("cboDate", "Day of birth");
    cboMonth = list("cboMonth", "Month of birth");
    cboYear = list("cboYear", "Year of birth");
    Label2 = makeLabel(fraDetails, "Label2", "Birth Day", cboDate);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(cboDate, 1, 1);
    grid->addWidget(cboMonth, 1, 2);
    grid->addWidget(cboYear, 1, 3);

    const char *sexes[] = {"Male", "Female"};
    for (int index = 0; index < 2; ++index) {
        auto *option = new QRadioButton(QLatin1String(sexes[index]), fraDetails);
        option->setObjectName(QStringLiteral("optSex_%1").arg(index));
        option->setFont(look::verdana(8.25));
        optSex[index] = option;
    }
    Label5 = makeLabel(fraDetails, "Label5", "Sex", optSex[0]);
    auto *sexRow = new OptionGroup(QStringLiteral("grpSex"), QStringLiteral("Sex"), Label5, fraDetails);
    sexRow->layout()->setSpacing(grid->horizontalSpacing() + 6);
    for (QRadioButton *option : optSex)
        sexRow->addOption(option);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(sexRow, 2, 1, 1, 3);

    cmdProceed = new QPushButton(QStringLiteral("&Proceed"), this);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setFont(look::verdana(8.25));
    twips::setLeastSize(cmdProceed, 1185, 375);
    grid->setColumnStretch(2, 1);
}

// Its own frame under the details, so that its two buttons are exclusive apart from the sex.
void frmChineseZodiacMain::createYearStart()
{
    fraYearStart = new QGroupBox(QStringLiteral("Year begins at:"), this);
    fraYearStart->setObjectName(QStringLiteral("fraYearStart"));
    fraYearStart->setFont(fraDetails->font());
    auto *row = new QHBoxLayout(fraYearStart);
    row->setContentsMargins(8, 2, 8, 4);
    row->setSpacing(16);
    // Alt+N and Alt+S: no other control of the form nor the frame's menu bar uses them.
    optYearStart = optionPair(fraYearStart, row, QStringLiteral("optYearStart"), {"Chinese &New Year", "Start of &Spring"},
                              {"Year begins at the Chinese New Year", "Year begins at the Start of Spring"});
    optYearStart[0]->setChecked(true);
    // Beside the year start, under it: both say how the animal year is counted.
    fraTradition = new TraditionBox(this);
    fraTradition->setFont(look::verdana(8.25));
}

// The time and place of birth and where the day begins, which the Four Pillars need.
void frmChineseZodiacMain::createBirth()
{
    fraBirth = new QGroupBox(QStringLiteral("Time and Place of Birth"), this);
    fraBirth->setObjectName(QStringLiteral("fraBirth"));
    fraBirth->setFont(fraDetails->font());
    auto *grid = new QGridLayout(fraBirth);
    grid->setContentsMargins(6, 2, 6, 6);
    grid->setHorizontalSpacing(5);
    grid->setVerticalSpacing(5);

    auto list = [this](const char *name, const char *accessible, const QStringList &items) {
        auto *combo = new DateList(QLatin1String(name), QLatin1String(accessible), fraBirth);
        connect(combo, &DateList::entered, this, &frmChineseZodiacMain::cmdProceed_Click);
        combo->setFont(look::verdana(8.25));
        combo->setMaxVisibleItems(12);
        combo->addItems(items);
        return combo;
    };
    // The empty first item is "no time" (hours) and "on the hour" (minutes).
    QStringList hours{QString()}, minutes{QString()};
    for (int number = 0; number < 60; ++number) {
        const QString text = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
        minutes << text;
        if (number < 24)
            hours << text;
    }
    cboHour = list("cboHour", "Hour of birth", hours);
    cboMinute = list("cboMinute", "Minute of birth", minutes);
    lblTime = makeLabel(fraBirth, "lblTime", "&Time of birth (optional)", cboHour);
    auto *clock = new QHBoxLayout;
    clock->setSpacing(3);
    clock->addWidget(cboHour);
    clock->addWidget(new QLabel(QStringLiteral(":"), fraBirth));
    clock->addWidget(cboMinute);
    clock->addStretch();
    grid->addWidget(lblTime, 0, 0);
    grid->addLayout(clock, 0, 1);

    QStringList zones;
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
        zones << QString::fromUtf8(id);
    cboZone = list("cboZone", "Birthplace time zone", zones);
    cboZone->completeFromEntries();
    // As wide as a usual zone name, not the longest of the list.
    cboZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboZone->setMinimumContentsLength(22);
    lblZone = makeLabel(fraBirth, "lblZone", "Birthplace time &zone", cboZone);
    grid->addWidget(lblZone, 1, 0);
    grid->addWidget(cboZone, 1, 1);

    txtLongitude = new QLineEdit(fraBirth);
    txtLongitude->setObjectName(QStringLiteral("txtLongitude"));
    txtLongitude->setFont(look::verdana(8.25));
    txtLongitude->setAccessibleName(QStringLiteral("Longitude of the birthplace, optional, degrees east"));
    txtLongitude->setPlaceholderText(QStringLiteral("degrees, east positive"));
    // The style's placeholder grey gives 4.0:1 on white; this one 5.3:1.
    QPalette placeholder = txtLongitude->palette();
    placeholder.setColor(QPalette::PlaceholderText, QColor(108, 108, 108));
    txtLongitude->setPalette(placeholder);
    txtLongitude->setMaxLength(20);
    lblLongitude = makeLabel(fraBirth, "lblLongitude", "&Longitude (optional, for true solar time)", txtLongitude);
    lblLongitude->setWordWrap(true);
    grid->addWidget(lblLongitude, 2, 0);
    grid->addWidget(txtLongitude, 2, 1);

    auto *starts = new QHBoxLayout;
    starts->setSpacing(16);
    optDayStart = optionPair(fraBirth, starts, QStringLiteral("optDayStart"), {"&Midnight", "&23:00"},
                             {"Day begins at midnight", "Day begins at 23:00"});
    lblDayStart = makeLabel(fraBirth, "lblDayStart", "Day &begins at:", optDayStart[0]);
    grid->addWidget(lblDayStart, 3, 0);
    grid->addLayout(starts, 3, 1);
    grid->setColumnStretch(1, 1);
    optDayStart[0]->setChecked(true);
}

void frmChineseZodiacMain::connectSignals()
{
    connect(cmdProceed, &QPushButton::clicked, this, &frmChineseZodiacMain::cmdProceed_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &frmChineseZodiacMain::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmChineseZodiacMain::cmdOpen_Click);
    setEnterButton(cmdProceed);
    // Only the user's own choice becomes the preference: an opened reading shows its year start
    // without changing what the next run starts with.
    for (QRadioButton *option : optYearStart)
        connect(option, &QRadioButton::clicked, this, [this] { chinese::setPreferredYearStart(yearStart()); });
    for (QRadioButton *option : optDayStart)
        connect(option, &QRadioButton::clicked, this, [this] { chinese::setPreferredDayStart(dayStart()); });
    connect(fraTradition, &TraditionBox::chosen, this, [](chinese::Tradition chosen) { chinese::setPreferredTradition(chosen); });
}

void frmChineseZodiacMain::Form_Load()
{
    cboDate->addItems(calendar::dayTexts());
    cboMonth->addItems(calendar::monthNames());
    cboYear->addItems(calendar::yearTexts(chinese::FirstYear, chinese::LastYear));
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    selectByText(cboYear, QStringLiteral("1936"));
    setYearStart(chinese::preferredYearStart());
    setTradition(chinese::preferredTradition());
    chinese::BirthMoment birth;
    birth.dayStart = chinese::preferredDayStart();
    fillBirth(birth);
    setOpeningFocus(txtName);
}

chinese::Person frmChineseZodiacMain::person() const
{
    chinese::Person person;
    person.name = txtName->text();
    person.sex = optSex[0]->isChecked()   ? chinese::Sex::Male
                 : optSex[1]->isChecked() ? chinese::Sex::Female
                                          : chinese::Sex::None;
    person.birth = {cboDate->currentIndex() + 1, cboMonth->currentIndex() + 1, cboYear->currentText().toInt()};
    return person;
}

void frmChineseZodiacMain::fillEntries(const chinese::Person &person)
{
    txtName->setText(person.name);
    // Neither button for a person without a sex, so that Proceed asks for it.
    const chinese::Sex sexes[] = {chinese::Sex::Male, chinese::Sex::Female};
    for (int index = 0; index < 2; ++index) {
        optSex[index]->setAutoExclusive(false);
        optSex[index]->setChecked(person.sex == sexes[index]);
        optSex[index]->setAutoExclusive(true);
    }
    // A day or month the lists do not hold leaves them as they were.
    const BirthEntry &birth = person.birth;
    if (birth.day >= 1 && birth.day <= cboDate->count())
        cboDate->setCurrentIndex(birth.day - 1);
    if (birth.month >= 1 && birth.month <= cboMonth->count())
        cboMonth->setCurrentIndex(birth.month - 1);
    selectByText(cboYear, QString::number(birth.year));
}

bool frmChineseZodiacMain::proceed(const chinese::Person &person, chinese::YearStart start)
{
    const Checked<chinese::Reading> checked = chinese::makeReading(person, start, tradition());
    if (!checked) {
        Q_EMIT showRequested();
        const InputProblem problem = checked.problem();
        showMessage(this, inputProblem::message(problem, QStringLiteral("Chinese Zodiac"), chinese::FirstYear,
                                                chinese::LastYear));
        // A date message leaves the focus where it was.
        if (problem == InputProblem::NameMissing)
            txtName->setFocus();
        else if (problem == InputProblem::SexMissing)
            optSex[0]->setFocus();
        else if (problem == InputProblem::YearOutOfRange)
            cboYear->setFocus();
        return false;
    }
    chinese::Reading reading = *checked;
    chinese::BirthProblem problem = chinese::BirthProblem::None;
    std::optional<chinese::BirthMoment> birth = birthMoment(problem);
    if (birth)
        problem = chinese::addFourPillars(reading, *birth);
    if (problem != chinese::BirthProblem::None) {
        Q_EMIT showRequested();
        if (birth)
            birth->date = reading.birthDate;
        showBirthProblem(problem, birth.value_or(chinese::BirthMoment{}));
        return false;
    }
    Q_EMIT found(reading);
    return true;
}

void frmChineseZodiacMain::cmdProceed_Click()
{
    proceed(person(), yearStart());
}

void frmChineseZodiacMain::cmdOpen_Click()
{
    if (const auto fields = readingFiles::open(this, readingFiles::chineseAstrology()))
        openSavedReading(*fields);
}

bool frmChineseZodiacMain::openSavedReading(const QStringList &fields)
{
    const Checked<chinese::Person> saved = chinese::personFromSavedFields(fields);
    const std::optional<chinese::BirthMoment> birth = chinese::savedBirthMoment(fields, chinese::preferredDayStart());
    const std::optional<chinese::Tradition> tradition = chinese::savedTradition(fields);
    if (!saved || !birth || !tradition) {
        Q_EMIT showRequested();
        showMessage(this, texts::checkTheFile(), DialogService::Icon::Error);
        return false;
    }
    setTradition(*tradition);
    return openReading(*saved, chinese::savedYearStart(fields), *birth);
}

bool frmChineseZodiacMain::openReading(const chinese::Person &person, chinese::YearStart start)
{
    chinese::BirthMoment birth;
    birth.dayStart = chinese::preferredDayStart();
    return openReading(person, start, birth);
}

bool frmChineseZodiacMain::openReading(const chinese::Person &person, chinese::YearStart start,
                                       const chinese::BirthMoment &birth)
{
    fillEntries(person);
    fillBirth(birth);
    setYearStart(start);
    // The name as its box keeps it: one line, no longer than a saved file reads back.
    chinese::Person entered = person;
    entered.name = txtName->text();
    return proceed(entered, start);
}

void frmChineseZodiacMain::askForSex(const chinese::Person &person, chinese::YearStart start)
{
    chinese::BirthMoment birth;
    birth.dayStart = chinese::preferredDayStart();
    fillEntries(person);
    fillBirth(birth);
    setYearStart(start);
    if (!lblSexPrompt) {
        lblSexPrompt = new QLabel(QStringLiteral("Please choose Male or Female, then press Enter."), fraDetails);
        lblSexPrompt->setObjectName(QStringLiteral("lblSexPrompt"));
        lblSexPrompt->setFont(look::verdana(8.25, true));
        lblSexPrompt->setWordWrap(true);
        auto *grid = static_cast<QGridLayout *>(fraDetails->layout());
        grid->addWidget(lblSexPrompt, 3, 1, 1, 3);
        // Read out with the choice it is about.
        optSex[0]->setAccessibleDescription(lblSexPrompt->text());
    }
    lblSexPrompt->show();
    setOpeningFocus(optSex[0]);
    Q_EMIT showRequested();
    optSex[0]->setFocus(Qt::OtherFocusReason);
}

chinese::YearStart frmChineseZodiacMain::yearStart() const
{
    return optYearStart[1]->isChecked() ? chinese::YearStart::StartOfSpring : chinese::YearStart::LunarNewYear;
}

void frmChineseZodiacMain::setYearStart(chinese::YearStart start)
{
    optYearStart[start == chinese::YearStart::StartOfSpring ? 1 : 0]->setChecked(true);
}

chinese::Tradition frmChineseZodiacMain::tradition() const
{
    return fraTradition->tradition();
}

void frmChineseZodiacMain::setTradition(chinese::Tradition tradition)
{
    fraTradition->setTradition(tradition);
}

chinese::DayStart frmChineseZodiacMain::dayStart() const
{
    return optDayStart[1]->isChecked() ? chinese::DayStart::At23 : chinese::DayStart::Midnight;
}

std::optional<chinese::BirthMoment> frmChineseZodiacMain::birthMoment(chinese::BirthProblem &problem) const
{
    chinese::BirthMoment birth;
    const chinese::Person entered = person();
    birth.date = QDate(entered.birth.year, entered.birth.month, entered.birth.day);
    if (cboHour->currentIndex() > 0)
        birth.time = QTime(cboHour->currentIndex() - 1, std::max(cboMinute->currentIndex() - 1, 0));
    // Without a time the zone may stay unsaid; with one it must be a name of the database.
    const QString zoneText = cboZone->currentText().trimmed();
    if (zoneText.isEmpty() && !birth.time) {
        birth.zone = zoneName::zoneWithoutTime();
    } else if (const std::optional<QTimeZone> zone = chinese::zoneNamed(zoneText)) {
        birth.zone = *zone;
    } else {
        problem = chinese::BirthProblem::InvalidZone;
        return std::nullopt;
    }
    if (const QString longitude = txtLongitude->text().trimmed(); !longitude.isEmpty()) {
        birth.longitude = chinese::longitudeFromText(longitude);
        if (!birth.longitude) {
            problem = chinese::BirthProblem::LongitudeOutOfRange;
            return std::nullopt;
        }
    }
    birth.dayStart = dayStart();
    problem = chinese::BirthProblem::None;
    return birth;
}

void frmChineseZodiacMain::fillBirth(const chinese::BirthMoment &birth)
{
    cboHour->setCurrentIndex(birth.time ? birth.time->hour() + 1 : 0);
    cboMinute->setCurrentIndex(birth.time ? birth.time->minute() + 1 : 0);
    // Where this computer's zone has no name, its stand-in is not offered as the birthplace's.
    const bool unsaid = !birth.time && !zoneName::thisComputersZone() && birth.zone == zoneName::zoneWithoutTime();
    cboZone->setCurrentText(unsaid ? QString() : QString::fromUtf8(birth.zone.id()));
    txtLongitude->setText(birth.longitude ? QString::number(*birth.longitude, 'g', 12) : QString());
    // On the form only, as with the year start: the preference stays as it was.
    optDayStart[birth.dayStart == chinese::DayStart::At23 ? 1 : 0]->setChecked(true);
}

void frmChineseZodiacMain::showBirthProblem(chinese::BirthProblem problem, const chinese::BirthMoment &birth)
{
    QString text = chinese::birthProblemText(problem, birth);
    if (problem == chinese::BirthProblem::InvalidZone && !cboZone->currentText().trimmed().isEmpty()) {
        zoneName::check(cboZone->currentText(), &text);
        text += QLatin1Char('.');
    } else if (problem == chinese::BirthProblem::InvalidZone) {
        text = QStringLiteral("The time of birth needs the time zone of the birthplace.");
        if (const QString computer = zoneName::thisComputersZoneProblem(); !computer.isEmpty())
            text += QStringLiteral(" This computer's could not be taken (%1).").arg(computer);
    }
    showMessage(this, text);
    if (problem == chinese::BirthProblem::InvalidZone)
        cboZone->setFocus();
    else if (problem == chinese::BirthProblem::LongitudeOutOfRange)
        txtLongitude->setFocus();
    else if (problem == chinese::BirthProblem::SkippedDay)
        cboDate->setFocus();
    else
        cboHour->setFocus();
}

#include "chinese/frmChineseZodiacMain.h"

#include "chinese/chinese_zodiac.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/year_start.h"
#include "common/calendar_lists.h"
#include "common/input_problem.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "forms/reading_files.h"
#include "forms/start_panel.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"

#include <QComboBox>
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

} // namespace

frmChineseZodiacMain::frmChineseZodiacMain()
{
    setObjectName(QStringLiteral("frmChineseZodiacMain"));
    setWindowTitle(QStringLiteral("Orvo Chinese Zodiac Software "));
    setClientSizeTwips(DesignWidth, DesignHeight);
    createControls();
    connectSignals();
}

// Top to bottom: the two invitations, the details, the year start, Open and the promotion band.
// Controls are made in the order of the screen, which is the order Tab visits them.
void frmChineseZodiacMain::createControls()
{
    auto *outline = new QVBoxLayout(this);
    outline->setContentsMargins(twips::windowMargin, 2, twips::windowMargin, twips::windowMargin);
    outline->setSpacing(4);

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
    createYearStart();
    outline->addWidget(fraYearStart);

    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Record"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setFont(look::verdana(9.75, true));
    cmdOpen->setMinimumHeight(twips::toPixels(495));
    outline->addWidget(cmdOpen);

    fraFullBrand = new PromotionBand(this);
    outline->addSpacing(2);
    outline->addWidget(fraFullBrand);
}

// Name on the first row; day, month and year on the second; the sex and Proceed on the third.
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
        auto *combo = new QComboBox(fraDetails);
        combo->setObjectName(QLatin1String(name));
        combo->setFont(look::verdana(8.25));
        combo->setAccessibleName(QLatin1String(accessible));
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
        grid->addWidget(option, 2, 1 + index);
        optSex[index] = option;
    }
    Label5 = makeLabel(fraDetails, "Label5", "Sex", optSex[0]);
    grid->addWidget(Label5, 2, 0);

    cmdProceed = new QPushButton(QStringLiteral("&Proceed"), fraDetails);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setFont(look::verdana(8.25));
    cmdProceed->setMinimumSize(twips::toPixels(1185), twips::toPixels(375));
    grid->addWidget(cmdProceed, 2, 3, Qt::AlignRight);
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
    const char *captions[] = {"Chinese &New Year", "Start of &Spring"};
    const char *spoken[] = {"Year begins at the Chinese New Year", "Year begins at the Start of Spring"};
    for (int index = 0; index < 2; ++index) {
        auto *option = new QRadioButton(QLatin1String(captions[index]), fraYearStart);
        option->setObjectName(QStringLiteral("optYearStart_%1").arg(index));
        option->setFont(look::verdana(8.25));
        option->setAccessibleName(QLatin1String(spoken[index]));
        row->addWidget(option);
        optYearStart[index] = option;
    }
    row->addStretch();
    optYearStart[0]->setChecked(true);
}

void frmChineseZodiacMain::connectSignals()
{
    connect(cmdProceed, &QPushButton::clicked, this, &frmChineseZodiacMain::cmdProceed_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &frmChineseZodiacMain::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmChineseZodiacMain::cmdOpen_Click);
    // Only the user's own choice becomes the preference: an opened reading shows its year start
    // without changing what the next run starts with.
    for (QRadioButton *option : optYearStart)
        connect(option, &QRadioButton::clicked, this, [this] { chinese::setPreferredYearStart(yearStart()); });
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
    txtName->setFocus();
}

void frmChineseZodiacMain::Form_Unload()
{
    startPanel::show();
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
    const Checked<chinese::Reading> reading = chinese::makeReading(person, start);
    if (!reading) {
        if (!isShownInFrame())
            showForm();
        const InputProblem problem = reading.problem();
        showMessage(this, inputProblem::message(problem, QStringLiteral("Chinese Zodiac"), chinese::FirstYear,
                                                chinese::LastYear));
        // A date message leaves the focus where it was.
        if (problem == InputProblem::NameMissing)
            txtName->setFocus();
        else if (problem == InputProblem::SexMissing)
            cmdProceed->setFocus();
        else if (problem == InputProblem::YearOutOfRange)
            cboYear->setFocus();
        return false;
    }
    // Shown first, so that the reading meets the controls at their sizes.
    auto *display = forms::get<frmChineseZodiacDisplay>();
    display->showForm();
    display->showReading(*reading);
    hideForm();
    return true;
}

void frmChineseZodiacMain::cmdProceed_Click()
{
    proceed(person(), yearStart());
}

void frmChineseZodiacMain::cmdOpen_Click()
{
    // Five lines, or six when the reading was made with the Start of Spring.
    if (const auto fields = readingFiles::open(this, readingFiles::chineseAstrology(), 6))
        openSavedReading(*fields);
}

bool frmChineseZodiacMain::openSavedReading(const QStringList &fields)
{
    const Checked<chinese::Person> saved = chinese::personFromSavedFields(fields);
    if (!saved) {
        showMessage(this, texts::checkTheFile(), DialogService::Icon::Error);
        return false;
    }
    return openReading(*saved, chinese::savedYearStart(fields));
}

bool frmChineseZodiacMain::openReading(const chinese::Person &person, chinese::YearStart start)
{
    fillEntries(person);
    setYearStart(start);
    // The name as its box keeps it: one line, no longer than a saved file reads back.
    chinese::Person entered = person;
    entered.name = txtName->text();
    const bool shown = proceed(entered, start);
    startPanel::hide();
    return shown;
}

chinese::YearStart frmChineseZodiacMain::yearStart() const
{
    return optYearStart[1]->isChecked() ? chinese::YearStart::StartOfSpring : chinese::YearStart::LunarNewYear;
}

void frmChineseZodiacMain::setYearStart(chinese::YearStart start)
{
    optYearStart[start == chinese::YearStart::StartOfSpring ? 1 : 0]->setChecked(true);
}

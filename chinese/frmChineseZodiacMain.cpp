#include "chinese/frmChineseZodiacMain.h"

#include "chinese/ChineseReading.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/year_start.h"
#include "common/calendar_lists.h"
#include "common/current_reading.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"
#include "forms/reading_files.h"
#include "forms/start_panel.h"
#include "widgets/look.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmChineseZodiacMain::frmChineseZodiacMain()
{
    setObjectName(QStringLiteral("frmChineseZodiacMain"));
    setWindowTitle(QStringLiteral("Orvo Chinese Zodiac Software "));
    setClientSizeTwips(4950, 4110);
    createControls();
    connectSignals();
}

void frmChineseZodiacMain::createControls()
{
    // The two invitations share the top line; on a narrow window they take a line each.
    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label3 = new LinkLabel(QStringLiteral("Label3"), texts::webSiteInvitation(), modHelp::Page::Home, this);
    int linksBottom = 0;
    for (LinkLabel *link : {Label14, Label3}) {
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignCenter);
        const int width = twips::toPixels(4845);
        link->setGeometry(twips::toPixels(68), linksBottom + 2, width, link->heightForWidth(width));
        linksBottom = link->geometry().bottom() + 1;
    }

    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    QFont frameFont(QStringLiteral("MS Sans Serif"));
    frameFont.setStyleHint(QFont::SansSerif);
    frameFont.setPointSizeF(8.25);
    fraDetails->setFont(frameFont);

    auto label = [this](const char *name, const char *caption, int left, int top, int width) {
        auto *text = new QLabel(QLatin1String(caption), fraDetails);
        text->setObjectName(QLatin1String(name));
        text->setFont(look::verdana(8.25));
        placeTwips(text, left, top, width, 195);
        return text;
    };
    Label1 = label("Label1", "Name", 480, 360, 495);
    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(look::verdana(8.25));
    txtName->setAccessibleName(QStringLiteral("Name"));
    nameBox::setUp(txtName);
    placeTwips(txtName, 1050, 270, 3705, 345);
    Label1->setBuddy(txtName);

    Label2 = label("Label2", "Birth Day", 180, 810, 810);
    auto list = [this](const char *name, int left, int width, const char *accessible) {
        auto *combo = new QComboBox(fraDetails);
        combo->setObjectName(QLatin1String(name));
        combo->setFont(look::verdana(8.25));
        combo->setAccessibleName(QLatin1String(accessible));
        combo->setMaxVisibleItems(12);
        placeTwips(combo, left, 720, width, 315);
        return combo;
    };
    cboDate = list("cboDate", 1050, 645, "Day of birth");
    cboMonth = list("cboMonth", 1755, 1305, "Month of birth");
    cboYear = list("cboYear", 3120, 1095, "Year of birth");
    // Lists wider than designed (fonts differ) push their right-hand neighbours along.
    cboMonth->move(std::max(cboMonth->x(), cboDate->geometry().right() + 5), cboMonth->y());
    cboYear->move(std::max(cboYear->x(), cboMonth->geometry().right() + 5), cboYear->y());
    Label2->setBuddy(cboDate);

    Label5 = label("Label5", "Sex", 630, 1260, 330);
    const char *sexes[] = {"Male", "Female"};
    const int sexLeft[] = {1080, 1950};
    const int sexWidth[] = {735, 915};
    for (int index = 0; index < 2; ++index) {
        auto *option = new QRadioButton(QLatin1String(sexes[index]), fraDetails);
        option->setObjectName(QStringLiteral("optSex_%1").arg(index));
        option->setFont(look::verdana(8.25));
        placeTwips(option, sexLeft[index], 1260, sexWidth[index], 225);
        optSex[index] = option;
    }
    optSex[1]->move(std::max(optSex[1]->x(), optSex[0]->geometry().right() + 8), optSex[1]->y());
    Label5->move(Label5->x(), optSex[0]->y() + (optSex[0]->height() - Label5->height()) / 2);

    cmdProceed = new QPushButton(QStringLiteral("&Proceed"), fraDetails);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setFont(look::verdana(8.25));
    placeTwips(cmdProceed, 3540, 1170, 1185, 375);
    cmdProceed->move(std::max(cmdProceed->x(), optSex[1]->geometry().right() + 8), cmdProceed->y());

    placeTwips(fraDetails, 68, 540, 4845, 1695);
    twips::growToFit(fraDetails);
    const int shift = std::max(0, linksBottom + 4 - fraDetails->y());
    createYearStart();

    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Record"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setFont(look::verdana(9.75, true));
    placeTwips(cmdOpen, 68, 2280, 4845, 495);

    fraFullBrand = new PromotionBand(this);
    fraFullBrand->arrange(4845);
    fraFullBrand->move(twips::toPixels(53), twips::toPixels(2880));

    fraDetails->move(fraDetails->x(), fraDetails->y() + shift);
    fraYearStart->move(fraDetails->x(), fraDetails->geometry().bottom() + 4);
    cmdOpen->move(cmdOpen->x(), std::max(cmdOpen->y() + shift, fraYearStart->geometry().bottom() + 4));
    fraFullBrand->move(fraFullBrand->x(), std::max(fraFullBrand->y() + shift, cmdOpen->geometry().bottom() + 6));

    setTabOrder(txtName, optSex[0]);
    setTabOrder(optSex[0], optSex[1]);
    setTabOrder(optSex[1], cmdProceed);
    setTabOrder(cmdProceed, cboYear);
    setTabOrder(cboYear, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, optYearStart[0]);
    setTabOrder(optYearStart[0], optYearStart[1]);
    setTabOrder(optYearStart[1], cmdOpen);
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
    fraYearStart->setGeometry(fraDetails->x(), fraDetails->geometry().bottom() + 4, fraDetails->width(),
                              fraYearStart->sizeHint().height());
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
    // The new-year table is constant data of the core library: nothing to fill here.
    cboDate->addItems(calendar::dayTexts());
    cboMonth->addItems(calendar::monthNames());
    cboYear->addItems(calendar::yearTexts(chinese::firstCoveredDay().year(), chinese::lastCoveredDay().year()));
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

bool frmChineseZodiacMain::validateInput()
{
    switch (chinese::checkInput(txtName->text(), optSex[0]->isChecked(), optSex[1]->isChecked(),
                                cboDate->currentIndex() + 1, cboMonth->currentIndex() + 1,
                                cboYear->currentText().toInt())) {
    case chinese::InputProblem::NameMissing:
        showMessage(this, texts::enterYourName());
        txtName->setFocus();
        return false;
    case chinese::InputProblem::SexMissing:
        showMessage(this, QStringLiteral("Please Specify Your Sex"));
        cmdProceed->setFocus();
        return false;
    case chinese::InputProblem::BadFebruary:
        showMessage(this, texts::badFebruary());
        return false;
    case chinese::InputProblem::BadThirtyFirst:
        showMessage(this, texts::badThirtyFirst());
        return false;
    case chinese::InputProblem::None:
        break;
    }
    return true;
}

void frmChineseZodiacMain::ChineseZodiacDescription(const QString &element, const QString &animal)
{
    chinese::ChineseZodiacDescription(ChineseReading::instance(), element, animal);
}

void frmChineseZodiacMain::cmdProceed_Click()
{
    if (!validateInput())
        return;
    ChineseReading &reading = ChineseReading::instance();
    if (!chinese::fillReading(reading, txtName->text(), optSex[0]->isChecked(), cboDate->currentText(),
                              cboMonth->currentText(), cboYear->currentText(), yearStart()))
        return;
    CurrentReading::instance().name = reading.name;
    CurrentReading::instance().monthName = reading.month;

    const bool wasLoaded = forms::isLoaded<frmChineseZodiacDisplay>();
    auto *display = forms::get<frmChineseZodiacDisplay>();
    if (wasLoaded)
        display->showReading();
    display->showForm();
    hideForm();
}

void frmChineseZodiacMain::cmdOpen_Click()
{
    // Five lines, or six when the reading was made with the Start of Spring.
    const auto fields = readingFiles::open(this, readingFiles::chineseAstrology(), 6);
    if (fields)
        openReading(*fields);
}

void frmChineseZodiacMain::openReading(const QStringList &fields)
{
    txtName->setText(fields.value(0));
    optSex[fields.value(1) == QLatin1String("Male") ? 0 : 1]->setChecked(true);
    selectByText(cboDate, fields.value(2));
    selectByText(cboMonth, fields.value(3));
    selectByText(cboYear, fields.value(4));
    setYearStart(chinese::savedYearStart(fields));
    cmdProceed_Click();
    startPanel::hide();
}

chinese::YearStart frmChineseZodiacMain::yearStart() const
{
    return optYearStart[1]->isChecked() ? chinese::YearStart::StartOfSpring : chinese::YearStart::LunarNewYear;
}

void frmChineseZodiacMain::setYearStart(chinese::YearStart start)
{
    optYearStart[start == chinese::YearStart::StartOfSpring ? 1 : 0]->setChecked(true);
}

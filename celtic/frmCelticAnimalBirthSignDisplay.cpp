#include "celtic/frmCelticAnimalBirthSignDisplay.h"

#include "celtic/celtic_signs.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"
#include "widgets/protected_text_edit.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

const QColor purple(83, 55, 104);
const QColor lightYellow(255, 255, 128);
const QColor green(0, 255, 0);
const QColor buttonColour(192, 192, 255);

// The window's design (twips): 8355 x 6990; values stand 2760 from their panel's left edge.
constexpr int designWidth = 8355;
constexpr int valueLeft = 2760;

QGroupBox *makePanel(QWidget *parent, const char *name)
{
    auto *panel = new QGroupBox(parent);
    panel->setObjectName(QLatin1String(name));
    look::setBackground(panel, purple);
    return panel;
}

// The height a wrapping value label needs for the longest of the fourteen records at width.
int tallestRecordText(const QLabel *label, int width, const std::function<QString(const CelticSignRecord &)> &field)
{
    QLabel probe;
    probe.setFont(label->font());
    probe.setWordWrap(true);
    int height = 0;
    for (const QString &sign : celtic::signNames()) {
        if (const auto record = CelticSignRecord::forSign(sign)) {
            probe.setText(field(*record));
            height = std::max(height, probe.heightForWidth(width));
        }
    }
    return height;
}

} // namespace

frmCelticAnimalBirthSignDisplay::frmCelticAnimalBirthSignDisplay()
    : OrvoForm(QStringLiteral("frmCelticAnimalBirthSignDisplay"),
               windowTitleFor(QStringLiteral("Orvo Celtic Animal Birth Sign"), WindowKind::Result), designWidth, 6990)
{
    look::setBackground(this, purple);
    createControls();
    arrangeControls();
    createMenus();
    connectSignals();
}

void frmCelticAnimalBirthSignDisplay::createControls()
{
    Label61 = LinkLabel::createForumStrip(this);

    fraResult = new QGroupBox(QStringLiteral("Orvo Celtic Animal Birth Sign Result"), this);
    fraResult->setObjectName(QStringLiteral("fraResult"));
    fraResult->setFont(look::verdana(9, true));
    look::setColours(fraResult, green, purple);

    fraUpper = makePanel(fraResult, "fraUpper");
    fraMiddle = makePanel(fraResult, "fraMiddle");

    auto caption = [this](QWidget *parent, const char *name, const char *text) {
        auto *label = new QLabel(QLatin1String(text), parent);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25, true, true));
        look::setForeground(label, lightYellow);
        m_captions.append(label);
        return label;
    };
    auto value = [](QLabel *caption, const char *name, bool wrap) {
        auto *label = new QLabel(caption->parentWidget());
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        label->setFont(look::verdana(8.25, true));
        look::setForeground(label, lightYellow);
        label->setWordWrap(wrap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setBuddy(label);
        return label;
    };
    lblCelticBirthAnimalSign = value(caption(fraUpper, "Label1", "Celtic Birth Animal Sign"), "lblCelticBirthAnimalSign", false);
    lblGaelicName = value(caption(fraUpper, "Label2", "Gaelic Name"), "lblGaelicName", false);
    lblBirthstone = value(caption(fraUpper, "Label3", "Birth stone"), "lblBirthstone", false);
    lblRulingPlanet = value(caption(fraUpper, "Label4", "The Ruling Planet"), "lblRulingPlanet", false);
    lblMagickalAbilties = value(caption(fraUpper, "Label7", "Magickal Abilties"), "lblMagickalAbilties", true);
    lblKeywords = value(caption(fraMiddle, "Label5", "Keywords"), "lblKeywords", true);
    lblCompatibility = value(caption(fraMiddle, "Label6", "Compatibility"), "lblCompatibility", true);

    lblName = new QLabel(fraResult);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setTextFormat(Qt::PlainText);
    lblName->setFont(look::verdana(12, true));
    lblName->setAlignment(Qt::AlignCenter);
    look::setForeground(lblName, green);

    lblName->setFocusPolicy(Qt::TabFocus);
    setOpeningFocus(lblCelticBirthAnimalSign);

    picCelticAnimal = new QLabel(fraResult);
    picCelticAnimal->setObjectName(QStringLiteral("picCelticAnimal"));
    picCelticAnimal->setAlignment(Qt::AlignCenter);
    picCelticAnimal->setFrameShape(QFrame::Panel);
    picCelticAnimal->setFrameShadow(QFrame::Sunken);
    picCelticAnimal->setFixedSize(twips::toPixels(1890), twips::toPixels(1935));

    Label13 = caption(fraResult, "Label13", "Characteristics :-");
    txtCharacterstic = new ProtectedTextEdit(fraResult);
    txtCharacterstic->setObjectName(QStringLiteral("txtCharacterstic"));
    txtCharacterstic->setAccessibleName(QStringLiteral("Characteristics"));
    ProtectedTextEdit::makeReadOnly(txtCharacterstic);
    txtCharacterstic->setAcceptRichText(false);
    txtCharacterstic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCharacterstic->setFont(look::verdana(8.25));
    look::setColours(txtCharacterstic, Qt::black, QColor(192, 255, 255));
    txtCharacterstic->setMinimumHeight(twips::toPixels(1335));
    Label13->setBuddy(txtCharacterstic);

    auto button = [this](const char *name, const char *text) {
        auto *push = new QPushButton(QLatin1String(text), this);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, buttonColour);
        twips::setLeastSize(push, 1095, 375);
        return push;
    };
    cmdPrint = button("cmdPrint", "&Print");
    cmdBack = button("cmdBack", "&Back");

    fraBottom = new PromotionBand(this);
}

void frmCelticAnimalBirthSignDisplay::arrangeControls()
{
    const int rowPitch = twips::toPixels(360);
    // Caption and value rows of a panel: the values line up at valueLeft in both panels.
    auto rows = [](QGroupBox *panel, int captionLeft, int top, const QList<QLabel *> &captions) {
        auto *grid = new QGridLayout(panel);
        grid->setContentsMargins(twips::toPixels(captionLeft), twips::toPixels(top), twips::toPixels(120), 4);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(0);
        grid->setColumnMinimumWidth(0, twips::toPixels(valueLeft - captionLeft) - 6);
        grid->setColumnStretch(1, 1);
        for (int row = 0; row < captions.size(); ++row) {
            grid->addWidget(captions[row], row, 0, Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(captions[row]->buddy(), row, 1);
        }
        return grid;
    };
    QGridLayout *upper = rows(fraUpper, 240, 150, m_captions.mid(0, 5));
    for (int row = 0; row < 5; ++row)
        upper->setRowMinimumHeight(row, rowPitch);
    upper->setRowStretch(5, 1);
    QGridLayout *middle = rows(fraMiddle, 120, 240, m_captions.mid(5, 2));
    middle->setRowMinimumHeight(0, twips::toPixels(480));

    // Wrapping values are as tall as the longest text any sign gives them.
    const auto tallest = [](QLabel *label, int widthTwips, int heightTwips,
                            const std::function<QString(const CelticSignRecord &)> &field) {
        label->setMinimumHeight(
            std::max(twips::toPixels(heightTwips), tallestRecordText(label, twips::toPixels(widthTwips), field)));
    };
    tallest(lblMagickalAbilties, 3300, 255, [](const CelticSignRecord &r) { return r.magickalAbilities; });
    tallest(lblKeywords, 5265, 435, [](const CelticSignRecord &r) { return r.keywords; });
    tallest(lblCompatibility, 5265, 795, [](const CelticSignRecord &r) { return r.compatibility; });
    for (QLabel *wrapped : {lblMagickalAbilties, lblKeywords, lblCompatibility})
        wrapped->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    fraUpper->setMinimumSize(twips::toPixels(6195), twips::toPixels(2295));

    auto *picture = new QVBoxLayout;
    picture->setSpacing(0);
    picture->addWidget(lblName);
    picture->addSpacing(4);
    picture->addWidget(picCelticAnimal);
    picture->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(twips::toPixels(1170 - 1095));
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdBack);

    auto *result = new QGridLayout(fraResult);
    result->setContentsMargins(twips::toPixels(60), 0, twips::toPixels(60), twips::toPixels(120));
    result->setHorizontalSpacing(twips::toPixels(6345 - 6255));
    result->setVerticalSpacing(0);
    result->addWidget(fraUpper, 0, 0);
    result->addLayout(picture, 0, 1);
    result->addWidget(fraMiddle, 1, 0, 1, 2);
    result->addWidget(Label13, 2, 0, 1, 2);
    result->addWidget(txtCharacterstic, 3, 0, 1, 2);
    result->setRowMinimumHeight(2, twips::toPixels(4440 - 4215));
    result->setRowStretch(3, 1);
    Label13->setContentsMargins(twips::toPixels(60), 0, 0, 0);
    buttons->setContentsMargins(twips::toPixels(120), 4, twips::toPixels(120), 4);

    const int width = twips::toPixels(designWidth);
    Label61->setMinimumHeight(std::max(twips::toPixels(450), Label61->heightForWidth(width) + 4));
    fraBottom->setMinimumHeight(fraBottom->arrange(designWidth));
    for (QWidget *strip : {static_cast<QWidget *>(Label61), static_cast<QWidget *>(fraBottom)})
        strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    // The strips run across the whole window; the result frame keeps a margin. The result
    // scrolls where the window is low; the buttons and the band below them stay in sight.
    auto *form = bodyColumn(0);
    form->addWidget(Label61);
    form->addSpacing(twips::toPixels(480 - 450));
    auto *frame = new QHBoxLayout;
    frame->setContentsMargins(twips::windowMargin, 0, twips::windowMargin, 0);
    frame->addWidget(fraResult);
    form->addLayout(frame);
    form->addStretch(1);
    footer()->addLayout(buttons);
    footer()->addWidget(fraBottom);

    setTabOrder(txtCharacterstic, cmdPrint);
    setTabOrder(cmdPrint, cmdBack);
    layout()->activate();
}

void frmCelticAnimalBirthSignDisplay::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuBack = addMenuEntry(file, QStringLiteral("mnuBack"), QStringLiteral("Back"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
}

void frmCelticAnimalBirthSignDisplay::connectSignals()
{
    connect(cmdBack, &QPushButton::clicked, this, &frmCelticAnimalBirthSignDisplay::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &frmCelticAnimalBirthSignDisplay::cmdBack_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCelticAnimalBirthSignDisplay::cmdPrint_Click);
    connect(mnuExit, &QAction::triggered, this, &OrvoForm::closeRequested);
}

void frmCelticAnimalBirthSignDisplay::showReading(const celtic::Reading &reading)
{
    m_reading = reading;
    const CelticSignRecord &record = m_reading.record;
    lblName->setText(record.signName);
    picCelticAnimal->setPixmap(QPixmap(celtic::picturePath(m_reading.picture)));
    picCelticAnimal->setAccessibleName(record.signName);
    lblCelticBirthAnimalSign->setText(record.signName);
    lblGaelicName->setText(record.gaelicName);
    lblBirthstone->setText(record.birthstone);
    lblRulingPlanet->setText(record.rulingPlanet);
    lblKeywords->setText(record.keywords);
    lblCompatibility->setText(record.compatibility);
    lblMagickalAbilties->setText(record.magickalAbilities);
    txtCharacterstic->setPlainText(record.characteristics);
}

void frmCelticAnimalBirthSignDisplay::cmdBack_Click()
{
    Q_EMIT backRequested();
}

void frmCelticAnimalBirthSignDisplay::cmdPrint_Click()
{
    Q_EMIT reportRequested();
}

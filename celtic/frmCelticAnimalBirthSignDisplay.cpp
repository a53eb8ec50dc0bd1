#include "celtic/frmCelticAnimalBirthSignDisplay.h"

#include "celtic/CelticSignRecord.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "common/program_texts.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/promotion_band.h"
#include "widgets/protected_text_edit.h"
#include "forms/start_panel.h"
#include "widgets/look.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const QColor purple(83, 55, 104);
const QColor lightYellow(255, 255, 128);
const QColor green(0, 255, 0);
const QColor buttonColour(192, 192, 255);

QGroupBox *makePanel(QWidget *parent, const char *name)
{
    auto *panel = new QGroupBox(parent);
    panel->setObjectName(QLatin1String(name));
    look::setBackground(panel, purple);
    return panel;
}

} // namespace

frmCelticAnimalBirthSignDisplay::frmCelticAnimalBirthSignDisplay()
{
    setObjectName(QStringLiteral("frmCelticAnimalBirthSignDisplay"));
    setWindowTitle(QStringLiteral("Orvo Celtic Animal Birth Sign"));
    setClientSizeTwips(8355, 6990);
    look::setBackground(this, purple);
    createControls();
    createMenus();
    connectSignals();
}

void frmCelticAnimalBirthSignDisplay::createControls()
{
    Label61 = placed(LinkLabel::createForumStrip(this), 0, 0, 8355, 450);

    fraResult = new QGroupBox(QStringLiteral("Orvo Celtic Animal Birth Sign Result"), this);
    fraResult->setObjectName(QStringLiteral("fraResult"));
    fraResult->setFont(look::verdana(9, true));
    look::setColours(fraResult, green, purple);

    QGroupBox *upper = makePanel(fraResult, "fraUpper");
    QGroupBox *middle = makePanel(fraResult, "fraMiddle");

    auto caption = [this](QWidget *parent, const char *name, const char *text, int left, int top) {
        auto *label = new QLabel(QLatin1String(text), parent);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25, true, true));
        look::setForeground(label, lightYellow);
        placeTwips(label, left, top, 2300, 255);
        return label;
    };
    auto value = [this](QWidget *parent, const char *name, int left, int top, int width, int height, bool wrap) {
        auto *label = new QLabel(parent);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25, true));
        look::setForeground(label, lightYellow);
        label->setWordWrap(wrap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width), twips::toPixels(height));
        return label;
    };
    caption(upper, "Label1", "Celtic Birth Animal Sign", 240, 240);
    lblCelticBirthAnimalSign = value(upper, "lblCelticBirthAnimalSign", 2760, 240, 3300, 255, false);
    caption(upper, "Label2", "Gaelic Name", 240, 600);
    lblGaelicName = value(upper, "lblGaelicName", 2760, 600, 3300, 255, false);
    caption(upper, "Label3", "Birth stone", 240, 960);
    lblBirthstone = value(upper, "lblBirthstone", 2760, 960, 3300, 255, false);
    caption(upper, "Label4", "The Ruling Planet", 240, 1320);
    lblRulingPlanet = value(upper, "lblRulingPlanet", 2760, 1320, 3300, 255, false);
    caption(upper, "Label7", "Magickal Abilties", 240, 1680);
    lblMagickalAbilties = value(upper, "lblMagickalAbilties", 2760, 1680, 3300, 480, true);
    upper->setGeometry(twips::toPixels(60), twips::toPixels(240), twips::toPixels(6195), twips::toPixels(2295));

    caption(middle, "Label5", "Keywords", 120, 240);
    lblKeywords = value(middle, "lblKeywords", 2760, 240, 5265, 435, true);
    caption(middle, "Label6", "Compatibility", 120, 720);
    lblCompatibility = value(middle, "lblCompatibility", 2760, 720, 5265, 915, true);
    middle->setGeometry(twips::toPixels(60), twips::toPixels(2520), twips::toPixels(8175), twips::toPixels(1695));

    lblName = new QLabel(fraResult);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setFont(look::verdana(12, true));
    lblName->setAlignment(Qt::AlignCenter);
    look::setForeground(lblName, green);
    lblName->setGeometry(twips::toPixels(6345), twips::toPixels(165), twips::toPixels(1890), twips::toPixels(330));

    picCelticAnimal = new QLabel(fraResult);
    picCelticAnimal->setObjectName(QStringLiteral("picCelticAnimal"));
    picCelticAnimal->setAlignment(Qt::AlignCenter);
    picCelticAnimal->setFrameShape(QFrame::Panel);
    picCelticAnimal->setFrameShadow(QFrame::Sunken);
    picCelticAnimal->setGeometry(twips::toPixels(6345), twips::toPixels(600), twips::toPixels(1890), twips::toPixels(1935));

    Label13 = caption(fraResult, "Label13", "Characteristics :-", 120, 4260);
    txtCharacterstic = new ProtectedTextEdit(fraResult);
    txtCharacterstic->setObjectName(QStringLiteral("txtCharacterstic"));
    txtCharacterstic->setAccessibleName(QStringLiteral("Characteristics"));
    txtCharacterstic->setReadOnly(true);
    txtCharacterstic->setAcceptRichText(false);
    txtCharacterstic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCharacterstic->setFont(look::verdana(8.25));
    look::setColours(txtCharacterstic, Qt::black, QColor(192, 255, 255));
    txtCharacterstic->setGeometry(twips::toPixels(60), twips::toPixels(4530), twips::toPixels(8175), twips::toPixels(1335));

    auto button = [this](const char *name, const char *text, int left) {
        auto *push = new QPushButton(QLatin1String(text), fraResult);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, buttonColour);
        placeTwips(push, left, 5940, 1095, 375);
        return push;
    };
    cmdPrint = button("cmdPrint", "&Print", 6000);
    cmdBack = button("cmdBack", "&Back", 7170);
    twips::keepApart({cmdPrint, cmdBack});
    fraResult->setGeometry(twips::windowMargin, twips::toPixels(480), twips::toPixels(8355) - 2 * twips::windowMargin,
                           twips::toPixels(6495));
    twips::growToFit(fraResult);

    fraBottom = new PromotionBand(this);
    fraBottom->arrange(8355);
    fraBottom->move(0, fraResult->geometry().bottom() + 4);
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
    connect(mnuExit, &QAction::triggered, this, [this] { forms::unload(this); });
}

void frmCelticAnimalBirthSignDisplay::Form_Load()
{
}

void frmCelticAnimalBirthSignDisplay::Form_Unload()
{
    startPanel::show();
}

void frmCelticAnimalBirthSignDisplay::showSign(const celtic::CalendarRow &row)
{
    lblName->setText(row.sign);
    picCelticAnimal->setPixmap(QPixmap(celtic::picturePath(row.picture)));
    applyRecord(row.sign);
}

void frmCelticAnimalBirthSignDisplay::applyRecord(const QString &sign)
{
    const auto record = CelticSignRecord::forSign(sign);
    if (!record)
        return;
    lblCelticBirthAnimalSign->setText(record->signName);
    lblGaelicName->setText(record->gaelicName);
    lblBirthstone->setText(record->birthstone);
    lblRulingPlanet->setText(record->rulingPlanet);
    lblKeywords->setText(record->keywords);
    lblCompatibility->setText(record->compatibility);
    lblMagickalAbilties->setText(record->magickalAbilities);
    txtCharacterstic->setPlainText(record->characteristics);
}

void frmCelticAnimalBirthSignDisplay::cmdBack_Click()
{
    forms::unload(this);
    forms::show<frmCelticAnimalBirthSignMain>();
    startPanel::hide();
}

void frmCelticAnimalBirthSignDisplay::cmdPrint_Click()
{
    forms::show<frmCelticAnimalBirthSignSave>();
}

#include "celtic/frmCelticAnimalBirthSignMain.h"

#include "celtic/celtic_input.h"
#include "celtic/celtic_signs.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "common/calendar_lists.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"
#include "forms/start_panel.h"
#include "widgets/look.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

const QColor purple(83, 55, 104);
const QColor lightYellow(255, 255, 128);
const QColor cyan(0, 255, 255);

} // namespace

frmCelticAnimalBirthSignMain::frmCelticAnimalBirthSignMain()
{
    setObjectName(QStringLiteral("frmCelticAnimalBirthSignMain"));
    setWindowTitle(QStringLiteral("Orvo Celtic Animal Birth Sign"));
    setClientSizeTwips(6210, 4335);
    look::setBackground(this, purple);
    createControls();
    createMenus();
    connectSignals();
}

void frmCelticAnimalBirthSignMain::createControls()
{
    Label61 = placed(LinkLabel::createForumStrip(this), 20, 0, 6180, 585);

    Label5 = new QLabel(QStringLiteral("Know your Celtic Animal Birth Sign Personality now.  Orvo Celtic Animal "
                                       "Birth Sign gives you the result based on your date if birth. Get started now!"),
                        this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    Label5->setFont(look::verdana(8.25, true));
    look::setForeground(Label5, QColor(0, 255, 0));
    placeTwips(Label5, 120, 720, 6015, 615);

    fraDetails = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    // A group box title takes "&" as a mnemonic mark; the doubled one shows as one ampersand.
    fraNameAndDate = new QGroupBox(QStringLiteral("Your Name && Date Of Birth"), fraDetails);
    fraNameAndDate->setObjectName(QStringLiteral("fraNameAndDate"));
    for (QGroupBox *frame : {fraDetails, fraNameAndDate}) {
        frame->setFont(look::verdana(8.25, true));
        look::setColours(frame, Qt::white, purple);
    }

    auto makeLabel = [this](const char *name, const char *caption, int left, int width) {
        auto *label = new QLabel(QLatin1String(caption), fraNameAndDate);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25));
        look::setForeground(label, lightYellow);
        placeTwips(label, left, 300, width, 195);
        return label;
    };
    Label2 = makeLabel("Label2", "First Name:-", 120, 1065);
    Label1 = makeLabel("Label1", "Middle Name:-", 2055, 1245);
    Label3 = makeLabel("Label3", "Last Name:-", 3990, 1050);

    auto makeNameBox = [this](const char *name, int left, QLabel *buddy) {
        auto *box = new QLineEdit(fraNameAndDate);
        box->setObjectName(QLatin1String(name));
        box->setFont(look::verdana(8.25));
        look::setColours(box, cyan, purple);
        box->setAccessibleName(buddy->text());
        buddy->setBuddy(box);
        placeTwips(box, left, 540, 1815, 285);
        nameBox::setUp(box);
        box->installEventFilter(this);
        return box;
    };
    txtFName = makeNameBox("txtFName", 120, Label2);
    txtMName = makeNameBox("txtMName", 2040, Label1);
    txtlName = makeNameBox("txtlName", 3990, Label3);

    Label4 = makeLabel("Label4", "Date Of Birth:- ", 120, 1335);
    Label4->move(Label4->x(), twips::toPixels(1050));
    auto makeList = [this](const char *name, int left, int width, const QString &accessible) {
        auto *list = new QComboBox(fraNameAndDate);
        list->setObjectName(QLatin1String(name));
        list->setFont(look::verdana(8.25));
        look::setColours(list, cyan, purple);
        list->setAccessibleName(accessible);
        placeTwips(list, left, 1020, width, 315);
        return list;
    };
    cmbDate = makeList("cmbDate", 1560, 735, QStringLiteral("Day of birth"));
    cmbMonth = makeList("cmbMonth", 2400, 1335, QStringLiteral("Month of birth"));
    cmbYear = makeList("cmbYear", 3840, 855, QStringLiteral("Year of birth"));
    cmbMonth->move(cmbDate->geometry().right() + 6, cmbMonth->y());
    cmbYear->move(cmbMonth->geometry().right() + 6, cmbYear->y());
    twips::growToFit(fraNameAndDate);
    placeTwips(fraNameAndDate, 120, 240, 5895, 1400);
    fraNameAndDate->resize(std::max(fraNameAndDate->width(), fraNameAndDate->childrenRect().right() + 8),
                           std::max(fraNameAndDate->height(), fraNameAndDate->childrenRect().bottom() + 8));

    Command1 = new QPushButton(QStringLiteral("Get My Celtic &Animal Birth Sign"), fraDetails);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(look::verdana(8.25, true));
    look::setColours(Command1, Qt::black, QColor(192, 192, 255));
    Command1->setDefault(true);
    placeTwips(Command1, 1178, 1560, 3855, 375);
    Command1->move(Command1->x(), std::max(Command1->y(), fraNameAndDate->geometry().bottom() + 6));
    placeTwips(fraDetails, 20, 1440, 6180, 2055);
    fraDetails->move(twips::windowMargin, fraDetails->y());
    twips::growToFit(fraDetails);
    fraDetails->move(fraDetails->x(), std::max(fraDetails->y(), Label5->geometry().bottom() + 4));

    fraBottom = new PromotionBand(this);
    fraBottom->arrange(6180);
    fraBottom->move(twips::toPixels(20), std::max(twips::toPixels(3480), fraDetails->geometry().bottom() + 4));

    setTabOrder(txtFName, txtMName);
    setTabOrder(txtMName, txtlName);
    setTabOrder(txtlName, Command1);
}

void frmCelticAnimalBirthSignMain::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuAstro = addMenuEntry(file, QStringLiteral("mnuAstro"), QStringLiteral("Get My Celtic &Animal Birth Sign"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
}

void frmCelticAnimalBirthSignMain::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &frmCelticAnimalBirthSignMain::Command1_Click);
    // Enter in a name box asks for the sign, as the button would.
    for (QLineEdit *box : {txtFName, txtMName, txtlName})
        connect(box, &QLineEdit::returnPressed, this, &frmCelticAnimalBirthSignMain::Command1_Click);
    connect(mnuAstro, &QAction::triggered, this, &frmCelticAnimalBirthSignMain::Command1_Click);
    connect(mnuExit, &QAction::triggered, this, [this] { forms::unload(this); });
}

void frmCelticAnimalBirthSignMain::Form_Load()
{
    cmbDate->addItems(calendar::dayTexts());
    cmbMonth->addItems(calendar::monthNames());
    cmbYear->addItems(calendar::yearTexts(1900, 2099));
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
    txtFName->setFocus();
}

void frmCelticAnimalBirthSignMain::Form_Unload()
{
    startPanel::show();
}

bool frmCelticAnimalBirthSignMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == txtFName || watched == txtMName || watched == txtlName)) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Only typed characters are filtered: moving keys, Tab and shortcuts such as Ctrl+V go their
        // usual way (Ctrl+Alt is no shortcut: on some keyboards it is AltGr typing a character).
        const Qt::KeyboardModifiers shortcut =
            key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
            || shortcut == Qt::ControlModifier || shortcut == Qt::MetaModifier)
            return false;
        int replacement = 0;
        if (celtic::filterNameKey(key->text().at(0).unicode(), &replacement) == celtic::NameKey::Reject) {
            showMessage(this, QStringLiteral("Please Enter Only Alphabet"));
            return true;
        }
        if (replacement >= 'A' && replacement <= 'Z') {
            static_cast<QLineEdit *>(watched)->insert(QString(QChar(replacement)));
            return true;
        }
    }
    return OrvoForm::eventFilter(watched, event);
}

bool frmCelticAnimalBirthSignMain::validateInput()
{
    switch (celtic::checkInput(txtFName->text(), txtlName->text(), cmbDate->currentIndex(),
                               cmbMonth->currentIndex(), cmbYear->currentText().toInt())) {
    case celtic::InputProblem::FirstNameMissing:
        showMessage(this, QStringLiteral("Please Enter First Name !"), DialogService::Icon::None);
        txtFName->setFocus();
        return false;
    case celtic::InputProblem::LastNameMissing:
        showMessage(this, QStringLiteral("Please Enter Your Last Name !"), DialogService::Icon::None);
        txtlName->setFocus();
        return false;
    case celtic::InputProblem::BadFebruary:
        showMessage(this, texts::badFebruary());
        return false;
    case celtic::InputProblem::BadThirtyFirst:
        showMessage(this, texts::badThirtyFirst());
        return false;
    case celtic::InputProblem::None:
        break;
    }
    return true;
}

void frmCelticAnimalBirthSignMain::Command1_Click()
{
    if (!validateInput())
        return;
    const auto row = celtic::findSign(cmbMonth->currentIndex(), cmbDate->currentIndex());
    if (!row)
        return;
    auto *display = forms::get<frmCelticAnimalBirthSignDisplay>();
    display->showSign(*row);
    display->showForm();
    hideForm();
    startPanel::hide();
}

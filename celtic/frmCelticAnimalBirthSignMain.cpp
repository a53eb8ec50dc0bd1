#include "celtic/frmCelticAnimalBirthSignMain.h"

#include "celtic/celtic_input.h"
#include "celtic/celtic_reading.h"
#include "common/calendar_lists.h"
#include "forms/dialog_service.h"
#include "widgets/date_list.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor purple(83, 55, 104);
const QColor lightYellow(255, 255, 128);
const QColor cyan(0, 255, 255);

// The window's design (twips): 6210 x 4335, strips 6180 wide.
constexpr int designWidth = 6210;
constexpr int stripWidth = 6180;

} // namespace

frmCelticAnimalBirthSignMain::frmCelticAnimalBirthSignMain()
    : OrvoForm(QStringLiteral("frmCelticAnimalBirthSignMain"),
               windowTitleFor(QStringLiteral("Orvo Celtic Animal Birth Sign"), WindowKind::Input), designWidth, 4335)
{
    look::setBackground(this, purple);
    createControls();
    arrangeControls();
    createMenus();
    connectSignals();
}

void frmCelticAnimalBirthSignMain::createControls()
{
    Label61 = LinkLabel::createForumStrip(this);

    Label5 = new QLabel(QStringLiteral("Know your Celtic Animal Birth Sign Personality now.  Orvo Celtic Animal "
                                       "Birth Sign gives you the result based on your date if birth. Get started now!"),
                        this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    Label5->setFont(look::verdana(8.25, true));
    look::setForeground(Label5, QColor(0, 255, 0));

    fraDetails = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    // A group box title takes "&" as a mnemonic mark; the doubled one shows as one ampersand.
    fraNameAndDate = new QGroupBox(QStringLiteral("Your Name && Date Of Birth"), fraDetails);
    fraNameAndDate->setObjectName(QStringLiteral("fraNameAndDate"));
    for (QGroupBox *frame : {fraDetails, fraNameAndDate}) {
        frame->setFont(look::verdana(8.25, true));
        look::setColours(frame, Qt::white, purple);
    }

    auto makeLabel = [this](const char *name, const char *caption) {
        auto *label = new QLabel(QLatin1String(caption), fraNameAndDate);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25));
        look::setForeground(label, lightYellow);
        return label;
    };
    Label2 = makeLabel("Label2", "First Name:-");
    Label1 = makeLabel("Label1", "Middle Name:-");
    Label3 = makeLabel("Label3", "Last Name:-");
    Label4 = makeLabel("Label4", "Date Of Birth:- ");

    auto makeNameBox = [this](const char *name, QLabel *caption) {
        auto *box = new QLineEdit(fraNameAndDate);
        box->setObjectName(QLatin1String(name));
        box->setFont(look::verdana(8.25));
        look::setColours(box, cyan, purple);
        box->setMinimumWidth(twips::toPixels(1815));
        caption->setBuddy(box);
        nameBox::setUp(box);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, box] { keepNameRule(box); });
        return box;
    };
    txtFName = makeNameBox("txtFName", Label2);
    txtMName = makeNameBox("txtMName", Label1);
    txtlName = makeNameBox("txtlName", Label3);

    auto makeList = [this](const char *name, int widthTwips, const QString &accessible) {
        auto *list = new DateList(QLatin1String(name), accessible, fraNameAndDate);
        list->setFont(look::verdana(8.25));
        look::setColours(list, cyan, purple);
        // The style paints a list's face lighter than its colour; from a darker purple the cyan
        // text keeps more than 4.5:1.
        QPalette face = list->palette();
        face.setColor(QPalette::Button, purple.darker(150));
        list->setPalette(face);
        connect(list, &DateList::entered, this, &frmCelticAnimalBirthSignMain::Command1_Click);
        // As wide as an empty list asks to be, so that the three keep their look once filled.
        list->setMinimumWidth(std::max(twips::toPixels(widthTwips), list->sizeHint().width()));
        return list;
    };
    cmbDate = makeList("cmbDate", 735, QStringLiteral("Day of birth"));
    cmbMonth = makeList("cmbMonth", 1335, QStringLiteral("Month of birth"));
    cmbYear = makeList("cmbYear", 855, QStringLiteral("Year of birth"));
    Label4->setBuddy(cmbDate);

    Command1 = new QPushButton(QStringLiteral("Get My Celtic &Animal Birth Sign"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(look::verdana(8.25, true));
    look::setColours(Command1, Qt::black, QColor(192, 192, 255));
    Command1->setDefault(true);
    twips::setLeastSize(Command1, 3855, 375);

    fraBottom = new PromotionBand(this);
}

void frmCelticAnimalBirthSignMain::arrangeControls()
{
    // Names in three columns under their captions; the date row has its caption on the left.
    auto *entries = new QGridLayout(fraNameAndDate);
    entries->setContentsMargins(twips::toPixels(120), 0, twips::toPixels(120), 6);
    entries->setHorizontalSpacing(5);
    entries->setVerticalSpacing(2);
    entries->addWidget(Label2, 0, 0);
    entries->addWidget(Label1, 0, 1);
    entries->addWidget(Label3, 0, 2);
    entries->addWidget(txtFName, 1, 0);
    entries->addWidget(txtMName, 1, 1);
    entries->addWidget(txtlName, 1, 2);
    entries->setRowMinimumHeight(2, twips::toPixels(120));
    auto *dateRow = new QHBoxLayout;
    dateRow->setSpacing(6);
    dateRow->addWidget(Label4);
    dateRow->addSpacing(twips::toPixels(1560 - 120 - 1335));
    for (QComboBox *list : {cmbDate, cmbMonth, cmbYear})
        dateRow->addWidget(list);
    dateRow->addStretch(1);
    entries->addLayout(dateRow, 3, 0, 1, 3);

    auto *details = new QVBoxLayout(fraDetails);
    details->setContentsMargins(6, 0, 6, 4);
    details->setSpacing(6);
    details->addWidget(fraNameAndDate);

    // Wrapped texts take the height they need at the design width.
    const int stripPixels = twips::toPixels(stripWidth);
    Label61->setMinimumHeight(std::max(twips::toPixels(585), Label61->heightForWidth(stripPixels) + 4));
    const int textWidth = twips::toPixels(6015);
    Label5->setMinimumHeight(std::max(twips::toPixels(615), Label5->heightForWidth(textWidth)));
    fraBottom->setMinimumHeight(fraBottom->arrange(stripWidth));
    for (QWidget *wrapped : {static_cast<QWidget *>(Label61), static_cast<QWidget *>(Label5),
                             static_cast<QWidget *>(fraBottom)})
        wrapped->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    // The strips run across the window 20 twips from its edges; the rest stands further in. The
    // entries scroll where the window is low; the button and the band below it stay in sight.
    const int edge = twips::toPixels(20);
    auto *form = bodyColumn(0, QMargins(edge, 0, edge, edge));
    auto inset = [form](QWidget *widget, int margin) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(margin, 0, margin, 0);
        row->addWidget(widget);
        form->addLayout(row);
    };
    form->addWidget(Label61);
    form->addSpacing(twips::toPixels(720 - 585));
    inset(Label5, twips::toPixels(120) - edge);
    form->addSpacing(twips::toPixels(1440 - 720 - 615));
    inset(fraDetails, twips::windowMargin - edge);
    form->addStretch(1);
    footer()->setContentsMargins(edge, 6, edge, edge);
    footer()->setSpacing(6);
    footer()->addWidget(Command1, 0, Qt::AlignHCenter);
    footer()->addWidget(fraBottom);

    // Top to bottom, left to right, as the entries stand.
    setTabOrder(txtFName, txtMName);
    setTabOrder(txtMName, txtlName);
    setTabOrder(txtlName, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, Command1);
    layout()->activate();
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
    connect(mnuExit, &QAction::triggered, this, &OrvoForm::closeRequested);
}

void frmCelticAnimalBirthSignMain::Form_Load()
{
    cmbDate->addItems(calendar::dayTexts());
    cmbMonth->addItems(calendar::monthNames());
    cmbYear->addItems(calendar::yearTexts(celtic::FirstYear, celtic::LastYear));
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
    // The lists are sized by what they hold.
    layout()->activate();
    setOpeningFocus(txtFName);
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
        auto *box = static_cast<QLineEdit *>(watched);
        char32_t replacement = 0;
        if (celtic::filterNameKey(key->text().toUcs4().value(0), &replacement) == celtic::NameKey::Reject) {
            showMessage(this, QStringLiteral("Please Enter Only Alphabet"));
            return true;
        }
        if (replacement < 32 || (replacement >= 127 && replacement < 160))
            return false;
        // An apostrophe or hyphen is taken only where it may stand in the name as it would become.
        QString typed = box->text();
        const int at = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        typed.replace(at, box->selectedText().size(), key->text());
        if (celtic::nameAsEntered(typed).refused) {
            showMessage(this, QStringLiteral("Please Enter Only Alphabet"));
            return true;
        }
        box->insert(key->text().toUpper());
        return true;
    }
    return OrvoForm::eventFilter(watched, event);
}

void frmCelticAnimalBirthSignMain::keepNameRule(QLineEdit *box)
{
    // Text that arrives without key presses (pasted, dropped, set by assistive technology) keeps
    // the rule the keys keep.
    const celtic::EnteredName entered = celtic::nameAsEntered(box->text(), false);
    if (entered.text != box->text()) {
        const int cursor = box->cursorPosition();
        box->setText(entered.text);
        box->setCursorPosition(std::min(cursor, int(entered.text.size())));
    }
    if (entered.refused)
        showMessage(this, QStringLiteral("Please Enter Only Alphabet"));
}

celtic::Person frmCelticAnimalBirthSignMain::enteredPerson() const
{
    celtic::Person person;
    person.firstName = txtFName->text();
    person.middleName = txtMName->text();
    person.lastName = txtlName->text();
    person.birth = {cmbDate->currentIndex() + 1, cmbMonth->currentIndex() + 1, cmbYear->currentText().toInt()};
    return person;
}

void frmCelticAnimalBirthSignMain::fillEntries(const celtic::Person &person)
{
    txtFName->setText(person.firstName);
    txtMName->setText(person.middleName);
    txtlName->setText(person.lastName);
    if (person.birth.day >= 1 && person.birth.day <= cmbDate->count())
        cmbDate->setCurrentIndex(person.birth.day - 1);
    if (person.birth.month >= 1 && person.birth.month <= cmbMonth->count())
        cmbMonth->setCurrentIndex(person.birth.month - 1);
    selectByText(cmbYear, QString::number(person.birth.year));
}

void frmCelticAnimalBirthSignMain::Command1_Click()
{
    showReadingOf(enteredPerson());
}

bool frmCelticAnimalBirthSignMain::openReading(const celtic::Person &person)
{
    fillEntries(person);
    // The person as given, not as read back from the lists: a year they do not hold is refused.
    return showReadingOf(person);
}

bool frmCelticAnimalBirthSignMain::showReadingOf(const celtic::Person &person)
{
    const Checked<celtic::Reading> reading = celtic::makeReading(person);
    if (!reading) {
        Q_EMIT showRequested();
        reportProblem(reading.problem());
        return false;
    }
    Q_EMIT found(*reading);
    return true;
}

void frmCelticAnimalBirthSignMain::reportProblem(InputProblem problem)
{
    const QString text = inputProblem::message(problem, QStringLiteral("Celtic Animal Birth Sign"), celtic::FirstYear,
                                               celtic::LastYear);
    switch (problem) {
    case InputProblem::FirstNameMissing:
        showMessage(this, text, DialogService::Icon::None);
        txtFName->setFocus();
        break;
    case InputProblem::LastNameMissing:
        showMessage(this, text, DialogService::Icon::None);
        txtlName->setFocus();
        break;
    default:   // a date message is about the day first: the list a user corrects it in
        showMessage(this, text);
        cmbDate->setFocus();
        break;
    }
}

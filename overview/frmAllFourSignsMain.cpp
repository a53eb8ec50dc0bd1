#include "overview/frmAllFourSignsMain.h"
#include "overview/overview_look.h"

#include "chinese/calendar/year_start.h"
#include "common/calendar_lists.h"
#include "common/input_problem.h"
#include "forms/dialog_service.h"
#include "widgets/date_list.h"
#include "widgets/link_label.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"
#include "widgets/look.h"
#include "widgets/option_group.h"
#include "overview/four_signs.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace overviewLook;

constexpr int designWidth = 6600;   // twips

} // namespace

frmAllFourSignsMain::frmAllFourSignsMain()
    : OrvoForm(QStringLiteral("frmAllFourSignsMain"), windowTitleFor(QStringLiteral("Orvo All Four Signs"), WindowKind::Input), designWidth, 4200)
{
    look::setBackground(this, navy());
    createControls();
    arrangeControls();
    createMenus();
    connectSignals();
}

void frmAllFourSignsMain::createControls()
{
    Label61 = LinkLabel::createForumStrip(this);

    Label3 = new QLabel(QStringLiteral("One birth date, four signs: see your Celtic, Chinese, Mayan and Australian "
                                       "animal signs side by side. Get started now!"),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setFont(look::verdana(8.25, true));
    look::setForeground(Label3, lightYellow());

    fraDetails = new QGroupBox(QStringLiteral("Personal Details"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setFont(look::verdana(9, true));
    look::setColours(fraDetails, sky(), navy());

    auto rowLabel = [this](const char *name, const QString &text) {
        auto *label = new QLabel(text, fraDetails);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25, true));
        look::setForeground(label, sky());
        return label;
    };
    Label1 = rowLabel("Label1", QStringLiteral("&Name"));
    Label2 = rowLabel("Label2", QStringLiteral("&Birth Date"));
    Label4 = rowLabel("Label4", QStringLiteral("Sex (optional)"));

    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(look::verdana(9));
    txtName->setAccessibleName(QStringLiteral("Name"));
    nameBox::setUp(txtName);
    look::setColours(txtName, Qt::black, Qt::white);
    Label1->setBuddy(txtName);

    auto list = [this](const char *name, const QString &accessibleName) {
        auto *box = new DateList(QLatin1String(name), accessibleName, fraDetails);
        connect(box, &DateList::entered, this, &frmAllFourSignsMain::cmdProceed_Click);
        box->setFont(look::verdana(9));
        box->setMaxVisibleItems(12);
        look::setColours(box, Qt::black, Qt::white);
        return box;
    };
    cboDate = list("cboDate", QStringLiteral("Day of birth"));
    cboMonth = list("cboMonth", QStringLiteral("Month of birth"));
    cboYear = list("cboYear", QStringLiteral("Year of birth"));
    Label2->setBuddy(cboDate);

    const char *sexes[] = {"Male", "Female"};
    for (int i = 0; i < 2; ++i) {
        optSex[i] = new QRadioButton(QLatin1String(sexes[i]), fraDetails);
        optSex[i]->setObjectName(QStringLiteral("optSex_%1").arg(i));
        optSex[i]->setFont(look::verdana(8.25, true));
        // White captions; the indicator keeps a white well, or it would vanish into the navy().
        look::setForeground(optSex[i], Qt::white);
        QPalette palette = optSex[i]->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        optSex[i]->setPalette(palette);
    }

    cmdProceed = new QPushButton(QStringLiteral("&Show My Four Signs"), fraDetails);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setFont(look::verdana(8.25, true));
    look::setColours(cmdProceed, Qt::black, QColor(192, 192, 192));
    cmdProceed->setDefault(true);

    fraFullBrand = new PromotionBand(this);
}

void frmAllFourSignsMain::arrangeControls()
{
    const int margin = twips::toPixels(120);

    // The entries scroll where the window is low; the button and the band stay in sight.
    auto *window = bodyColumn(0);
    Label61->setContentsMargins(0, 2, 0, 2);
    window->addWidget(Label61);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(margin, gap, margin, gap);
    content->setSpacing(gap);
    content->addWidget(Label3);
    content->addWidget(fraDetails);
    window->addLayout(content);
    window->addStretch();
    footer()->setContentsMargins(0, 0, 0, 0);
    footer()->setSpacing(gap);
    footer()->addWidget(cmdProceed, 0, Qt::AlignHCenter);
    footer()->addSpacing(gap);
    footer()->addWidget(fraFullBrand);

    auto *grid = new QGridLayout(fraDetails);
    grid->setHorizontalSpacing(2 * gap);
    grid->setVerticalSpacing(gap);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(Label2, 1, 0);
    auto *dateRow = new QHBoxLayout;
    dateRow->setSpacing(gap);
    for (QComboBox *box : {cboDate, cboMonth, cboYear})
        dateRow->addWidget(box);
    dateRow->addStretch(1);
    grid->addLayout(dateRow, 1, 1);
    grid->addWidget(Label4, 2, 0);
    auto *sexRow = new OptionGroup(QStringLiteral("grpSex"), QStringLiteral("Sex"), Label4, fraDetails);
    sexRow->layout()->setSpacing(3 * gap);
    sexRow->addOption(optSex[0]);
    sexRow->addOption(optSex[1]);
    grid->addWidget(sexRow, 2, 1);
    grid->setColumnStretch(1, 1);
    cmdProceed->setMinimumSize(cmdProceed->sizeHint() + QSize(4 * gap, gap));

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, optSex[0]);
    setTabOrder(optSex[0], optSex[1]);
    setTabOrder(optSex[1], cmdProceed);
}

void frmAllFourSignsMain::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuShow = addMenuEntry(file, QStringLiteral("mnuShow"), QStringLiteral("&Show My Four Signs"));
    addMenuSeparator(file, QStringLiteral("mnuSep"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
}

void frmAllFourSignsMain::connectSignals()
{
    connect(cmdProceed, &QPushButton::clicked, this, &frmAllFourSignsMain::cmdProceed_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &frmAllFourSignsMain::cmdProceed_Click);
    setEnterButton(cmdProceed);
    connect(mnuShow, &QAction::triggered, this, &frmAllFourSignsMain::cmdProceed_Click);
    connect(mnuExit, &QAction::triggered, this, &OrvoForm::closeRequested);
}

void frmAllFourSignsMain::Form_Load()
{
    cboDate->addItems(calendar::dayTexts());
    cboMonth->addItems(calendar::monthNames());
    cboYear->addItems(calendar::yearTexts(FirstYear, LastYear));
    // No date is chosen until the user chooses one: a forgotten date is asked for, never guessed.
    for (QComboBox *box : {cboDate, cboMonth, cboYear})
        box->setCurrentIndex(-1);
    setOpeningFocus(txtName);
}

Checked<QDate> frmAllFourSignsMain::checkedEntries()
{
    if (txtName->text().trimmed().isEmpty()) {
        showMessage(this, inputProblem::message(InputProblem::NameMissing), DialogService::Icon::Error);
        txtName->setFocus();
        return InputProblem::NameMissing;
    }
    for (QComboBox *list : {cboDate, cboMonth, cboYear}) {
        if (list->currentIndex() < 0) {
            showMessage(this, inputProblem::message(InputProblem::BadThirtyFirst));
            list->setFocus();
            return InputProblem::BadThirtyFirst;
        }
    }
    const BirthEntry entry{cboDate->currentIndex() + 1, cboMonth->currentIndex() + 1, cboYear->currentText().toInt()};
    const Checked<QDate> date = calendar::birthDate(entry, FirstYear, LastYear);
    if (!date) {
        showMessage(this, inputProblem::message(date.problem(), QStringLiteral("All Four Signs"), FirstYear, LastYear));
        cboDate->setFocus();
    }
    return date;
}

void frmAllFourSignsMain::cmdProceed_Click()
{
    const Checked<QDate> birthDate = checkedEntries();
    if (!birthDate)
        return;
    QString sex;
    for (const QRadioButton *option : optSex) {
        if (option->isChecked())
            sex = option->text();
    }
    Q_EMIT found({txtName->text().trimmed(), sex, *birthDate});
}

void frmAllFourSignsMain::showOverview(const fullReading::Person &person)
{
    txtName->setText(person.name);
    cboDate->setCurrentIndex(person.birthDate.day() - 1);
    cboMonth->setCurrentIndex(person.birthDate.month() - 1);
    cboYear->setCurrentIndex(cboYear->findText(QString::number(person.birthDate.year())));
    for (QRadioButton *option : optSex)
        option->setChecked(option->text() == person.sex);
    cmdProceed_Click();
}

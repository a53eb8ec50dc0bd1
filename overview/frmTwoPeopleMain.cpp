#include "overview/frmTwoPeopleMain.h"
#include "overview/overview_look.h"

#include "chinese/calendar/year_start.h"
#include "common/calendar_lists.h"
#include "forms/dialog_service.h"
#include "overview/tile_texts.h"
#include "overview/two_people_entry.h"
#include "widgets/date_list.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"
#include "chinese/tradition_box.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using namespace overviewLook;

constexpr int designWidth = 6600;   // twips

// Captions of the two boxes; each letter is taken once in the window and its menu bar.
const char *const nameCaptions[] = {"&Name", "Na&me"};
const char *const dateCaptions[] = {"&Birth Date", "Bir&th Date"};

} // namespace

frmTwoPeopleMain::frmTwoPeopleMain()
    : OrvoForm(QStringLiteral("frmTwoPeopleMain"), windowTitleFor(QStringLiteral("Orvo Two People"), WindowKind::Input), designWidth, 4800)
{
    look::setBackground(this, navy());
    createControls();
    arrangeControls();
    createMenus();
    connectSignals();
}

void frmTwoPeopleMain::createControls()
{
    Label61 = LinkLabel::createForumStrip(this);

    Label3 = new QLabel(QStringLiteral("Two people, two birth dates: see how your Chinese animal signs and elements "
                                       "stand to each other, by the relations the tradition has long named. Get "
                                       "started now!"),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setFont(look::verdana(8.25, true));
    look::setForeground(Label3, lightYellow());

    createPerson(0);
    createPerson(1);

    lblYearStart = new QLabel(this);
    lblYearStart->setObjectName(QStringLiteral("lblYearStart"));
    lblYearStart->setWordWrap(true);
    lblYearStart->setFont(look::verdana(8.25));
    look::setForeground(lblYearStart, sky());
    fraTradition = new TraditionBox(this);
    fraTradition->setFont(look::verdana(8.25));
    fraTradition->setLabelColour(sky());

    cmdFind = new QPushButton(QStringLiteral("F&ind"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setFont(look::verdana(8.25, true));
    look::setColours(cmdFind, Qt::black, QColor(192, 192, 192));
    cmdFind->setDefault(true);
    cmdFind->setMinimumSize(cmdFind->sizeHint() + QSize(8 * gap, gap));

    fraFullBrand = new PromotionBand(this);
    fraFullBrand->setMinimumHeight(fraFullBrand->arrange(designWidth));
}

void frmTwoPeopleMain::createPerson(int person)
{
    auto *box = new QGroupBox(overview::personTitle(person), this);
    box->setObjectName(QStringLiteral("fraPerson_%1").arg(person));
    box->setFont(look::verdana(9, true));
    look::setColours(box, sky(), navy());
    fraPerson[person] = box;

    const auto caption = [box, person](const char *name, const char *text) {
        auto *label = new QLabel(QLatin1String(text), box);
        label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(person));
        label->setFont(look::verdana(8.25, true));
        look::setForeground(label, sky());
        return label;
    };
    lblName[person] = caption("lblName", nameCaptions[person]);
    lblBirthDate[person] = caption("lblBirthDate", dateCaptions[person]);

    txtName[person] = new QLineEdit(box);
    txtName[person]->setObjectName(QStringLiteral("txtName_%1").arg(person));
    txtName[person]->setFont(look::verdana(9));
    txtName[person]->setAccessibleName(overview::personTitle(person) + QStringLiteral(": Name"));
    nameBox::setUp(txtName[person]);
    look::setColours(txtName[person], Qt::black, Qt::white);
    lblName[person]->setBuddy(txtName[person]);

    const auto list = [this, box, person](const char *name, const QString &what) {
        auto *combo = new DateList(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(person),
                                   (person == 0 ? QStringLiteral("First person's ") : QStringLiteral("Second person's ")) + what, box);
        connect(combo, &DateList::entered, this, &frmTwoPeopleMain::cmdFind_Click);
        combo->setFont(look::verdana(9));
        combo->setMaxVisibleItems(12);
        look::setColours(combo, Qt::black, Qt::white);
        return combo;
    };
    cboDate[person] = list("cboDate", QStringLiteral("day of birth"));
    cboMonth[person] = list("cboMonth", QStringLiteral("month of birth"));
    cboYear[person] = list("cboYear", QStringLiteral("year of birth"));
    lblBirthDate[person]->setBuddy(cboDate[person]);
}

void frmTwoPeopleMain::arrangeControls()
{
    const int margin = twips::toPixels(120);
    // The two people scroll where the window is low; Find and the band stay in sight.
    auto *column = bodyColumn(gap);
    column->addWidget(Label61);

    auto *people = new QVBoxLayout;
    people->setContentsMargins(margin, 0, margin, 0);
    people->setSpacing(gap);
    people->addWidget(Label3);
    for (int person = 0; person < 2; ++person) {
        auto *grid = new QGridLayout(fraPerson[person]);
        grid->setHorizontalSpacing(2 * gap);
        grid->setVerticalSpacing(gap);
        grid->addWidget(lblName[person], 0, 0);
        grid->addWidget(txtName[person], 0, 1);
        grid->addWidget(lblBirthDate[person], 1, 0);
        auto *dateRow = new QHBoxLayout;
        dateRow->setSpacing(gap);
        for (QComboBox *box : {cboDate[person], cboMonth[person], cboYear[person]})
            dateRow->addWidget(box);
        dateRow->addStretch(1);
        grid->addLayout(dateRow, 1, 1);
        grid->setColumnStretch(1, 1);
        people->addWidget(fraPerson[person]);
    }
    people->addWidget(lblYearStart);
    people->addWidget(fraTradition);
    column->addLayout(people);
    column->addStretch();
    footer()->setContentsMargins(0, gap, 0, twips::windowMargin);
    footer()->setSpacing(gap);
    footer()->addWidget(cmdFind, 0, Qt::AlignHCenter);
    footer()->addWidget(fraFullBrand);

    QWidget *previous = nullptr;
    for (int person = 0; person < 2; ++person) {
        for (QWidget *control : std::initializer_list<QWidget *>{txtName[person], cboDate[person], cboMonth[person],
                                                                  cboYear[person]}) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    setTabOrder(previous, fraTradition->focusProxy());
    setTabOrder(fraTradition->focusProxy(), cmdFind);
}

void frmTwoPeopleMain::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuFind = addMenuEntry(file, QStringLiteral("mnuFind"), QStringLiteral("F&ind"));
    addMenuSeparator(file, QStringLiteral("mnuSep"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
}

void frmTwoPeopleMain::connectSignals()
{
    connect(cmdFind, &QPushButton::clicked, this, &frmTwoPeopleMain::cmdFind_Click);
    connect(mnuFind, &QAction::triggered, this, &frmTwoPeopleMain::cmdFind_Click);
    for (QLineEdit *box : txtName)
        connect(box, &QLineEdit::returnPressed, this, &frmTwoPeopleMain::cmdFind_Click);
    connect(mnuExit, &QAction::triggered, this, &OrvoForm::closeRequested);
    connect(fraTradition, &TraditionBox::chosen, this, [](chinese::Tradition chosen) { chinese::setPreferredTradition(chosen); });
}

void frmTwoPeopleMain::Form_Load()
{
    for (int person = 0; person < 2; ++person) {
        cboDate[person]->addItems(calendar::dayTexts());
        cboMonth[person]->addItems(calendar::monthNames());
        cboYear[person]->addItems(calendar::yearTexts(overview::twoPeopleFirstYear, overview::twoPeopleLastYear));
        // No date is chosen until the user chooses one: a forgotten date is asked for, never guessed.
        for (QComboBox *list : {cboDate[person], cboMonth[person], cboYear[person]})
            list->setCurrentIndex(-1);
    }
    lblYearStart->setText(QStringLiteral("Chinese years are counted from %1, as chosen on the Chinese Zodiac form.")
                              .arg(overview::yearStartName(chinese::preferredYearStart())));
    fraTradition->setTradition(chinese::preferredTradition());
    setOpeningFocus(txtName[0]);
}

void frmTwoPeopleMain::cmdFind_Click()
{
    std::array<overview::PersonEntry, 2> entries;
    for (int person = 0; person < 2; ++person) {
        entries[person] = {txtName[person]->text(),
                           {cboDate[person]->currentIndex() + 1, cboMonth[person]->currentIndex() + 1,
                            cboYear[person]->currentText().toInt()}};
    }
    overview::EntryProblem problem;
    const std::optional<TwoPeople> match =
        overview::matchEntries(entries[0], entries[1], chinese::preferredYearStart(), &problem, fraTradition->tradition());
    if (!match) {
        const bool nameMissing = problem.problem == InputProblem::NameMissing;
        // A list left blank reads as day, month or year 0: the date is asked for where it is blank.
        QComboBox *blank = nullptr;
        for (QComboBox *list : {cboDate[problem.person], cboMonth[problem.person], cboYear[problem.person]}) {
            if (!nameMissing && !blank && list->currentIndex() < 0)
                blank = list;
        }
        if (blank)
            problem.problem = InputProblem::BadThirtyFirst;
        showMessage(this, overview::entryMessage(problem),
                    nameMissing ? DialogService::Icon::Error : DialogService::Icon::Information);
        if (nameMissing)
            txtName[problem.person]->setFocus();
        else
            (blank ? blank : cboDate[problem.person])->setFocus();
        return;
    }
    Q_EMIT found(*match);
}

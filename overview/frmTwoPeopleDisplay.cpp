#include "overview/frmTwoPeopleDisplay.h"
#include "overview/overview_look.h"

#include "chinese/element_relation.h"
#include "overview/two_people.h"
#include "overview/two_people_texts.h"
#include "forms/accessibility.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using namespace overviewLook;

const QColor lightCyan(192, 255, 255);
const QColor chineseRed(128, 0, 0);   // the Chinese window colour, as on the overview's Chinese tile
constexpr int designWidth = 12300;    // twips
constexpr int tileWidth = 392;        // pixels
constexpr int pictureSize = 136;      // pixels: the Chinese animal pictures
constexpr int badgeSize = 48;         // pixels

// The element's traditional colour, dark enough for its white character to read (4.5:1 or more).
QColor elementColour(const QString &element)
{
    if (element == QLatin1String("Wood"))
        return QColor(34, 120, 34);
    if (element == QLatin1String("Fire"))
        return QColor(192, 32, 32);
    if (element == QLatin1String("Earth"))
        return QColor(153, 102, 0);
    if (element == QLatin1String("Metal"))
        return QColor(112, 112, 128);
    return QColor(16, 64, 160);   // Water
}

// The result's buttons, a little roomier than their captions.
QPushButton *makeRoomyButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    QPushButton *button = overviewLook::makeButton(objectName, caption, parent);
    button->setMinimumSize(button->sizeHint() + QSize(4 * gap, gap));
    return button;
}

QGroupBox *makeFrame(const QString &objectName, const QString &title, QWidget *parent)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(objectName);
    frame->setFont(look::verdana(9, true));
    look::setColours(frame, sky(), navy());
    return frame;
}

} // namespace

frmTwoPeopleDisplay::frmTwoPeopleDisplay()
    : OrvoForm(QStringLiteral("frmTwoPeopleDisplay"), windowTitleFor(QStringLiteral("Orvo Two People"), WindowKind::Result), designWidth, 3000)
{
    look::setBackground(this, navy());
    createControls();
    arrangeControls();
    createMenus();
    connectSignals();
}

void frmTwoPeopleDisplay::createControls()
{
    Label61 = LinkLabel::createForumStrip(this);
    lblHeading = makeLabel(QStringLiteral("lblHeading"), look::verdana(12, true), lightYellow(), this);
    lblHeading->setAlignment(Qt::AlignCenter);

    createPerson(0);
    createPerson(1);

    fraRelations = makeFrame(QStringLiteral("fraRelations"), QStringLiteral("The Two Animals"), this);
    fraElements = makeFrame(QStringLiteral("fraElements"), QStringLiteral("The Two Elements"), this);
    lblElementRelation = makeLabel(QStringLiteral("lblElementRelation"), look::verdana(9.75, true), lightYellow(), fraElements);
    lblElementExplanation = makeLabel(QStringLiteral("lblElementExplanation"), look::verdana(8.25), Qt::white, fraElements);
    fraSummary = makeFrame(QStringLiteral("fraSummary"), QStringLiteral("Summary"), this);
    lblSummary = makeLabel(QStringLiteral("lblSummary"), look::verdana(9, true), Qt::white, fraSummary);
    lblElementExplanation->setFocusPolicy(Qt::NoFocus);   // said with the relation of the elements

    cmdPrint = makeRoomyButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print"), this);
    cmdBack = makeRoomyButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), this);
    cmdExit = makeRoomyButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), this);

    fraFullBrand = new PromotionBand(this);
}

void frmTwoPeopleDisplay::createPerson(int person)
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraPerson_%1").arg(person));
    frame->setFont(look::verdana(9, true));
    look::setColours(frame, Qt::white, chineseRed);
    // As wide as designed where there is room; narrower, its texts wrap.
    frame->setMaximumWidth(tileWidth);
    frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    fraPerson[person] = frame;

    imgAnimal[person] = new QLabel(frame);
    imgAnimal[person]->setObjectName(QStringLiteral("imgAnimal_%1").arg(person));
    imgAnimal[person]->setFixedSize(pictureSize, pictureSize);
    imgAnimal[person]->setAlignment(Qt::AlignCenter);

    lblSign[person] = makeLabel(QStringLiteral("lblSign_%1").arg(person), look::verdana(11, true), lightYellow(), frame);

    // The element's picture: its Chinese character, white on the element's colour.
    imgElement[person] = new QLabel(frame);
    imgElement[person]->setObjectName(QStringLiteral("imgElement_%1").arg(person));
    imgElement[person]->setAlignment(Qt::AlignCenter);
    imgElement[person]->setFont(look::verdana(22, true));
    // Square, and larger where large fonts make the character larger.
    const int badge = std::max(badgeSize, imgElement[person]->fontMetrics().height() + 10);
    imgElement[person]->setFixedSize(badge, badge);
    imgElement[person]->setAutoFillBackground(true);

    lblElement[person] = makeLabel(QStringLiteral("lblElement_%1").arg(person), look::verdana(9, true), lightCyan, frame);
    lblDetail[person] = makeLabel(QStringLiteral("lblDetail_%1").arg(person), look::verdana(8.25), Qt::white, frame);
    // The sign is the person's one stop: a screen reader says the element and the birth with it.
    lblElement[person]->setFocusPolicy(Qt::NoFocus);
    lblDetail[person]->setFocusPolicy(Qt::NoFocus);
}

void frmTwoPeopleDisplay::arrangeControls()
{
    // The two people and their relations scroll where the window is low; the buttons and the
    // band stay in sight.
    auto *column = bodyColumn(gap);
    column->addWidget(Label61);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(2 * gap, 0, 2 * gap, 0);
    body->setSpacing(gap);
    body->addWidget(lblHeading);

    // The two side by side, centred; where the window is narrow both give way rather than the
    // window scrolling sideways.
    auto *tiles = new QHBoxLayout;
    tiles->setSpacing(gap);
    for (int person = 0; person < 2; ++person) {
        auto *grid = new QGridLayout(fraPerson[person]);
        grid->setHorizontalSpacing(2 * gap);
        grid->setVerticalSpacing(gap);
        grid->addWidget(imgAnimal[person], 0, 0, 3, 1, Qt::AlignTop);
        grid->addWidget(lblSign[person], 0, 1, 1, 2);
        grid->addWidget(imgElement[person], 1, 1, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(lblElement[person], 1, 2, Qt::AlignVCenter);
        grid->addWidget(lblDetail[person], 2, 1, 1, 2, Qt::AlignTop);
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(2, 1);
        tiles->addWidget(fraPerson[person]);
    }
    body->addLayout(tiles);
    body->setAlignment(tiles, Qt::AlignHCenter);

    m_relationRows = new QVBoxLayout(fraRelations);
    m_relationRows->setSpacing(gap);
    body->addWidget(fraRelations);

    auto *elements = new QVBoxLayout(fraElements);
    elements->setSpacing(gap);
    elements->addWidget(lblElementRelation);
    elements->addWidget(lblElementExplanation);
    body->addWidget(fraElements);

    auto *summary = new QVBoxLayout(fraSummary);
    summary->addWidget(lblSummary);
    body->addWidget(fraSummary);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(gap);
    buttons->addStretch(1);
    for (QPushButton *button : {cmdPrint, cmdBack, cmdExit})
        buttons->addWidget(button);
    buttons->setContentsMargins(2 * gap, 0, 2 * gap, 0);
    column->addLayout(body);
    column->addStretch();

    fraFullBrand->setMinimumHeight(fraFullBrand->arrange(designWidth));
    footer()->setContentsMargins(0, gap, 0, twips::windowMargin);
    footer()->setSpacing(gap);
    footer()->addLayout(buttons);
    footer()->addWidget(fraFullBrand);
}

void frmTwoPeopleDisplay::orderTabs()
{
    // The two people, what binds their animals, their elements and the summary; then the
    // buttons, the links, and the heading, from where Tab comes round to the first person.
    QList<QWidget *> stops{lblSign[0], lblSign[1]};
    for (QLabel *relation : std::as_const(lblRelation))
        stops << relation;
    stops << lblElementRelation << lblSummary << cmdPrint << cmdBack << cmdExit;
    for (LinkLabel *link : fraFullBrand->findChildren<LinkLabel *>())
        stops << link;
    stops << Label61 << lblHeading;
    accessibility::chainTabs(stops);
}

void frmTwoPeopleDisplay::createMenus()
{
    const ResultMenu menu = addResultMenus();
    mnuPrint = menu.print;
    mnuBack = menu.back;
    mnuExit = menu.exit;
}

void frmTwoPeopleDisplay::connectSignals()
{
    connect(cmdPrint, &QPushButton::clicked, this, &frmTwoPeopleDisplay::cmdPrint_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmTwoPeopleDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmTwoPeopleDisplay::cmdExit_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmTwoPeopleDisplay::cmdPrint_Click);
    connect(mnuBack, &QAction::triggered, this, &frmTwoPeopleDisplay::cmdBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTwoPeopleDisplay::cmdExit_Click);
}

void frmTwoPeopleDisplay::showReading(const TwoPeople &match)
{
    m_match = match;
    lblHeading->setText(overview::pairName(match));
    setOpeningFocus(lblSign[0]);
    const std::array<const TwoPeople::Person *, 2> people = {&m_match.first, &m_match.second};
    for (int person = 0; person < 2; ++person) {
        const TwoPeople::Person &who = *people[person];
        // A title takes "&" for a mnemonic; a name is shown as typed.
        fraPerson[person]->setTitle(QString(who.name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        imgAnimal[person]->setPixmap(QPixmap(chinese::traditionPicturePath(m_match.tradition, who.animal)));
        imgAnimal[person]->setAccessibleName(chinese::traditionAnimal(m_match.tradition, who.animal));
        lblSign[person]->setText(overview::signName(who, m_match.tradition));
        lblSign[person]->setAccessibleName(QStringLiteral("%1: %2").arg(who.name, overview::signName(who, m_match.tradition)));
        imgElement[person]->setText(QString(chinese::elementCharacter(who.element)));
        imgElement[person]->setAccessibleName(who.element);
        look::setColours(imgElement[person], Qt::white, elementColour(who.element));
        lblElement[person]->setText(QStringLiteral("Element: %1").arg(who.element));
        lblDetail[person]->setText(overview::birthDetail(who, m_match.yearStart, m_match.tradition));
        lblSign[person]->setAccessibleDescription(lblElement[person]->text() + QLatin1String(". ") + lblDetail[person]->text());
    }
    showRelations();
    const chinese::RelationText elements = overview::elementsText(m_match);
    lblElementRelation->setText(overview::relationTitle(elements));
    lblElementExplanation->setText(elements.explanation);
    lblElementRelation->setAccessibleDescription(elements.explanation);
    lblSummary->setText(m_match.summary);
    orderTabs();
    updateGeometry();
}

void frmTwoPeopleDisplay::showRelations()
{
    qDeleteAll(lblRelation);
    qDeleteAll(lblExplanation);
    lblRelation.clear();
    lblExplanation.clear();
    const QList<chinese::RelationText> relations = overview::shownRelations(m_match);
    for (int row = 0; row < relations.size(); ++row) {
        QLabel *title = makeLabel(QStringLiteral("lblRelation_%1").arg(row), look::verdana(9.75, true), lightYellow(),
                                  fraRelations);
        title->setText(overview::relationTitle(relations[row]));
        QLabel *explanation = makeLabel(QStringLiteral("lblExplanation_%1").arg(row), look::verdana(8.25), Qt::white,
                                        fraRelations);
        explanation->setText(relations[row].explanation);
        explanation->setFocusPolicy(Qt::NoFocus);   // said with its title
        title->setAccessibleDescription(relations[row].explanation);
        m_relationRows->addWidget(title);
        m_relationRows->addWidget(explanation);
        lblRelation.append(title);
        lblExplanation.append(explanation);
    }
}

void frmTwoPeopleDisplay::cmdPrint_Click()
{
    Q_EMIT reportRequested();
}

void frmTwoPeopleDisplay::cmdBack_Click()
{
    Q_EMIT backRequested();
}

void frmTwoPeopleDisplay::cmdExit_Click()
{
    Q_EMIT closeRequested();
}

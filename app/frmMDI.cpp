#include "app/frmMDI.h"

#include "app/system_forms.h"
#include "common/content.h"
#include "common/program_texts.h"
#include "forms/common_menus.h"
#include "forms/form_registry.h"
#include "forms/form_registry_signals.h"
#include "forms/start_panel.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/modHelp.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

frmMDI *runningFrame = nullptr;

const QColor stripColour(192, 192, 255);
const QColor buttonColour(192, 192, 192);

struct CaptionRow
{
    int index;
    const char *caption;
    int top;
    int width;
    qreal pointSize;
    QColor colour;
    bool isLink;
};

// The start panel's labels, top to bottom. Indexes 3..6 choose a system (3 Australian .. 6 Mayan),
// 7 the overview of all four, 8 Two People.
const CaptionRow captionRows[] = {
    {0, "Welcome to Orvo Animal Signs Astrology", 240, 5055, 12, QColor(0, 255, 255), false},
    {1, "Welcome to Orvo Animal Signs Astrology! Know more about your Chinese Animal sign, Celtic, "
        "Australian Mayan Animal sign with this software.", 840, 8055, 8.25, QColor(255, 0, 0), false},
    {2, "Orvo Animal Signs Astrology includes the following programs", 1920, 7680, 12, QColor(0, 255, 255), false},
    {5, "Chinese Zodiac", 2760, 1965, 12, QColor(0, 255, 0), true},
    {6, "Mayan Animal Sign", 3560, 2445, 12, QColor(255, 0, 0), true},
    {4, "Celtic Animal Birth Sign", 4360, 2985, 12, QColor(255, 0, 255), true},
    {3, "Australian Astrology", 5160, 2640, 12, QColor(255, 255, 0), true},
    {7, "All Four Signs", 5960, 1965, 12, QColor(255, 160, 64), true},
    {8, "Two People", 6760, 1470, 12, QColor(255, 128, 192), true},
};

// Label indexes that choose: the systems, the overview and Two People.
constexpr int firstChoiceLabel = 3;
constexpr int lastChoiceLabel = 8;

struct ChoiceButton
{
    int index;
    const char *caption;
    const char *picture;
};

// The button row, left to right.
const ChoiceButton choiceButtons[] = {
    {2, "Chinese Zodiac", "systems/chinese.png"},
    {3, "Mayan Animal Sign", "systems/mayan.png"},
    {1, "Celtic Animal Birth Sign", "systems/celtic.png"},
    {0, "Australian Astrology", "systems/australian.png"},
    {4, "All Four Signs", "systems/all-four.png"},
    {5, "Two People", "systems/two-people.png"},
};

void styleFrameButton(QPushButton *button)
{
    button->setFont(look::verdana(8.25, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, buttonColour);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
}

} // namespace

frmMDI::frmMDI(QWidget *parent)
    : QMainWindow(parent)
{
    runningFrame = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(texts::frameCaption());
    createControls();
    createMenus();
    connectSignals();
    StartPanel::instance().setShown(isStartPanelVisible());
    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    // The child windows go down with the frame; nothing may call back into it meanwhile.
    m_closing = true;
    disconnect(mdiArea, nullptr, this, nullptr);
    mdiArea->removeEventFilter(this);
    forms::setMdiArea(nullptr);
    if (runningFrame == this) {
        runningFrame = nullptr;
        StartPanel::instance().setShown(false);
    }
}

frmMDI *frmMDI::instance()
{
    return runningFrame;
}

void frmMDI::createControls()
{
    // Only the strips and the child-window area carry the frame's colours: a palette set on
    // the central widget would pass on to every system window opened inside the frame.
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("mdiClient"));
    setCentralWidget(central);
    createStrips(central);
    createStartPanel(central);
}

void frmMDI::createStrips(QWidget *central)
{
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Picture6 = new QWidget(central);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    look::setBackground(Picture6, stripColour);
    Picture6->setCursor(Qt::PointingHandCursor);
    Picture6->setFixedHeight(twips::toPixels(560));
    Picture6->installEventFilter(this);
    lblVellimorBanner = new QLabel(QStringLiteral("Visit the Orvo astrology forum: talk about your animal signs "
                                                  "with readers from all over the world"),
                                   Picture6);
    lblVellimorBanner->setObjectName(QStringLiteral("lblVellimorBanner"));
    lblVellimorBanner->setFont(look::verdana(9.75, true, true));
    lblVellimorBanner->setAlignment(Qt::AlignCenter);
    lblVellimorBanner->setCursor(Qt::PointingHandCursor);
    look::setForeground(lblVellimorBanner, Qt::black);
    lblVellimorBanner->installEventFilter(this);
    twips::place(lblVellimorBanner, 0, 40, 9480, 465);
    column->addWidget(Picture6);

    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    look::setBackground(Picture1, palette().color(QPalette::Window));
    Picture1->setFixedHeight(twips::toPixels(900));
    picButtonContainer = new QWidget(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    auto *row = new QHBoxLayout(picButtonContainer);
    row->setContentsMargins(twips::toPixels(240), 0, 0, 0);
    row->setSpacing(twips::toPixels(90));
    for (const ChoiceButton &choice : choiceButtons) {
        auto *icon = new QLabel(picButtonContainer);
        icon->setObjectName(QStringLiteral("imgSystem_%1").arg(choice.index));
        icon->setPixmap(QPixmap(content::picturePath(QLatin1String(choice.picture))));
        icon->setFixedSize(34, 34);
        auto *button = new QPushButton(QLatin1String(choice.caption), picButtonContainer);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(choice.index));
        styleFrameButton(button);
        button->setMinimumSize(twips::toPixels(1890), twips::toPixels(495));
        cmdSelectOption[choice.index] = button;
        row->addWidget(icon);
        row->addWidget(button);
        row->addSpacing(twips::toPixels(150));
    }
    const QSize rowSize = row->sizeHint();
    picButtonContainer->resize(std::max(twips::toPixels(10935), rowSize.width()), twips::toPixels(800));
    picButtonContainer->move(0, (Picture1->height() - picButtonContainer->height()) / 2);
    column->addWidget(Picture1);

    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(Qt::black);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(mdiArea, 1);
    mdiArea->installEventFilter(this);
    forms::setMdiArea(mdiArea);

    PicCoBrand = new QWidget(central);
    PicCoBrand->setObjectName(QStringLiteral("PicCoBrand"));
    look::setBackground(PicCoBrand, stripColour);
    Label7 = new LinkLabel(QStringLiteral("Label7"), texts::fullBrandText(), modHelp::Page::FullBrand, PicCoBrand);
    Label7->setWordWrap(true);
    look::setForeground(Label7, Qt::black);
    twips::place(Label7, 120, 0, 6975, 615);
    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), PicCoBrand);
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    styleFrameButton(cmdMdiExit);
    twips::place(cmdMdiExit, 0, 120, 1335, 495);
    PicCoBrand->setFixedHeight(std::max(twips::toPixels(735), Label7->height() + 4));
    column->addWidget(PicCoBrand);
}

void frmMDI::createStartPanel(QWidget *central)
{
    picMain = new QWidget(central);
    picMain->setObjectName(QStringLiteral("picMain"));
    look::setBackground(picMain, Qt::black);
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);
    for (const CaptionRow &row : captionRows) {
        auto *label = new QLabel(QLatin1String(row.caption), picMain);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(row.index));
        label->setFont(look::verdana(row.pointSize, true));
        look::setForeground(label, row.colour);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        if (row.index == 1) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignCenter);
            twips::place(label, 0, row.top, row.width, 465);
        } else {
            twips::place(label, 0, row.top, row.width, 270);
        }
        if (row.isLink)
            label->setCursor(Qt::PointingHandCursor);
        lblCaption[row.index] = label;
    }
    picMain->raise();
}

void frmMDI::createMenus()
{
    auto *file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuAllFourSigns = file->addAction(QStringLiteral("&All Four Signs"));
    mnuAllFourSigns->setObjectName(QStringLiteral("mnuAllFourSigns"));
    mnuTwoPeople = file->addAction(QStringLiteral("&Two People"));
    mnuTwoPeople->setObjectName(QStringLiteral("mnuTwoPeople"));
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    m_ownMenuBar.append(file->menuAction());
    m_ownMenuBar.append(createCommonMenus(this, QStringLiteral("Make Money &Online"), QStringLiteral("mkmoney")));
    mkmoney = m_ownMenuBar.last();
    updateMenuBar();
}

void frmMDI::connectSignals()
{
    for (int index = 0; index < int(cmdSelectOption.size()); ++index)
        connect(cmdSelectOption[index], &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
    connect(cmdMdiExit, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuAllFourSigns, &QAction::triggered, this, [this] { cmdSelectOption_Click(int(systems::System::AllFourSigns)); });
    connect(mnuTwoPeople, &QAction::triggered, this, [this] { cmdSelectOption_Click(int(systems::System::TwoPeople)); });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::updateMenuBar);
    connect(&FormRegistrySignals::instance(), &FormRegistrySignals::formsChanged, this, &frmMDI::updateMenuBar);
    connect(&StartPanel::instance(), &StartPanel::visibilityRequested, this, &frmMDI::setStartPanelVisible);
}

void frmMDI::MDIForm_Load()
{
    const QScreen *screen = this->screen();
    const int W = screen ? screen->geometry().width() : 1024;
    lblVellimorBanner->move((W - lblVellimorBanner->width()) / 2, lblVellimorBanner->y());
    picButtonContainer->move((W - picButtonContainer->width()) / 2, picButtonContainer->y());
    for (QLabel *label : lblCaption)
        label->move((W - label->width()) / 2, label->y());
    cmdMdiExit->move(W - (cmdMdiExit->width() + twips::toPixels(120)), cmdMdiExit->y());
}

void frmMDI::setStartPanelVisible(bool visible)
{
    picMain->setVisible(visible);
    StartPanel::instance().setShown(visible);
    if (visible) {
        fitStartPanel();
        picMain->raise();
    }
}

bool frmMDI::isStartPanelVisible() const
{
    return !picMain->isHidden();
}

void frmMDI::cmdSelectOption_Click(int index)
{
    if (index < 0 || index >= int(cmdSelectOption.size()))
        return;
    systems::unloadAllSystemForms();
    setStartPanelVisible(false);
    systems::showInputForm(static_cast<systems::System>(index));
}

void frmMDI::lblCaption_Click(int index)
{
    systems::unloadAllSystemForms();
    if (index >= firstChoiceLabel && index <= lastChoiceLabel) {
        setStartPanelVisible(false);
        systems::showInputForm(static_cast<systems::System>(index - firstChoiceLabel));
    }
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (index < firstChoiceLabel || index > lastChoiceLabel)
        return;
    QFont font = lblCaption[index]->font();
    font.setUnderline(true);
    lblCaption[index]->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (QLabel *label : lblCaption) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mdiArea && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        fitStartPanel();
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Picture6 || watched == lblVellimorBanner) {
            modHelp::OpenHomePage();
            return true;
        }
        for (int index = 0; index < int(lblCaption.size()); ++index) {
            if (watched == lblCaption[index]) {
                lblCaption_Click(index);
                return true;
            }
        }
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == picMain) {
            picMain_MouseMove();
        } else {
            for (int index = 0; index < int(lblCaption.size()); ++index) {
                if (watched == lblCaption[index]) {
                    lblCaption_MouseMove(index);
                    return true;   // a move over a label is not a move over the panel's background
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    // Closing the frame ends the program, even where an unload handler shows another form.
    m_closing = true;
    forms::unloadAll();
    event->accept();
}

void frmMDI::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStartPanel();
}

void frmMDI::fitStartPanel()
{
    // The start panel lies over the child-window area, covering it while no system is in use.
    picMain->setGeometry(mdiArea->geometry());
}

void frmMDI::updateMenuBar()
{
    if (m_closing)
        return;
    QList<QAction *> wanted = m_ownMenuBar;
    if (QMdiSubWindow *active = mdiArea->activeSubWindow(); active && active->isVisible()) {
        if (auto *form = qobject_cast<OrvoForm *>(active->widget()); form && !form->menuBarActions().isEmpty())
            wanted = form->menuBarActions();
    }
    // A hidden entry stays out of the menu bar: its mnemonic would still take its Alt key
    // ("Make Money &Online" would swallow the Alt+O of "&Open Previously Saved ...").
    wanted.removeIf([](const QAction *action) { return !action->isVisible(); });
    if (menuBar()->actions() == wanted)
        return;
    for (QAction *action : menuBar()->actions())
        menuBar()->removeAction(action);
    menuBar()->addActions(wanted);
}

#include "app/frmMDI.h"

#include "app/reading_opener.h"
#include "app/frame_windows.h"
#include "common/content.h"
#include "common/program_texts.h"
#include "forms/common_menus.h"
#include "widgets/link_label.h"
#include "widgets/flow_layout.h"
#include "widgets/look.h"
#include "widgets/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStatusBar>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

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
    button->setAutoDefault(true);   // Enter presses the focused button, as in a dialog
}

} // namespace

frmMDI::frmMDI(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(texts::frameCaption());
    m_opener = new ReadingOpener(this);
    createControls();
    createMenus();
    connectSignals();
    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    // The child windows go down with the frame; nothing may call back into it meanwhile.
    m_closing = true;
    disconnect(mdiArea, nullptr, this, nullptr);
    mdiArea->removeEventFilter(this);
    if (m_windows) {
        disconnect(m_windows, nullptr, this, nullptr);
        delete m_windows;
    }
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
    // Where a save says where its file went.
    statusBar()->setObjectName(QStringLiteral("sbrStatus"));
}

void frmMDI::createStrips(QWidget *central)
{
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const int margin = twips::toPixels(120);

    Picture6 = new QWidget(central);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    look::setBackground(Picture6, stripColour);
    Picture6->setCursor(Qt::PointingHandCursor);
    Picture6->installEventFilter(this);
    // A link like every other: in the Tab ring, followed by Enter, Space or a screen reader's Press.
    lblVellimorBanner = new LinkLabel(QStringLiteral("lblVellimorBanner"),
                                      QStringLiteral("Visit the Orvo astrology forum: talk about your animal signs "
                                                     "with readers from all over the world"),
                                      modHelp::Page::Home, Picture6);
    lblVellimorBanner->setFont(look::verdana(9.75, true, true));
    lblVellimorBanner->setAlignment(Qt::AlignCenter);
    lblVellimorBanner->setWordWrap(true);   // on a narrow screen it takes two lines, never the frame's width
    look::setForeground(lblVellimorBanner, Qt::black);
    auto *banner = new QVBoxLayout(Picture6);
    banner->setContentsMargins(margin, margin / 2, margin, margin / 2);
    banner->addWidget(lblVellimorBanner);
    column->addWidget(Picture6);

    // The choices, each button with its picture on the left, in rows as wide as the frame.
    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    look::setBackground(Picture1, palette().color(QPalette::Window));
    auto *choices = new FlowLayout(Picture1, twips::toPixels(330));
    choices->setContentsMargins(margin, margin, margin, margin);
    for (const ChoiceButton &choice : choiceButtons) {
        auto *pair = new QWidget(Picture1);
        auto *row = new QHBoxLayout(pair);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(twips::toPixels(90));
        auto *icon = new QLabel(pair);
        icon->setObjectName(QStringLiteral("imgSystem_%1").arg(choice.index));
        icon->setPixmap(QPixmap(content::picturePath(QLatin1String(choice.picture))));
        icon->setFixedSize(34, 34);
        auto *button = new QPushButton(QLatin1String(choice.caption), pair);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(choice.index));
        styleFrameButton(button);
        twips::setLeastSize(button, 1890, 495);
        row->addWidget(icon);
        row->addWidget(button);
        cmdSelectOption[choice.index] = button;
        choices->addWidget(pair);
    }
    column->addWidget(Picture1);

    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(Qt::black);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(mdiArea, 1);
    mdiArea->installEventFilter(this);

    PicCoBrand = new QWidget(central);
    PicCoBrand->setObjectName(QStringLiteral("PicCoBrand"));
    look::setBackground(PicCoBrand, stripColour);
    Label7 = new LinkLabel(QStringLiteral("Label7"), texts::fullBrandText(), modHelp::Page::FullBrand, PicCoBrand);
    Label7->setWordWrap(true);
    look::setForeground(Label7, Qt::black);
    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), PicCoBrand);
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    styleFrameButton(cmdMdiExit);
    twips::setLeastSize(cmdMdiExit, 1335, 495);
    auto *band = new QHBoxLayout(PicCoBrand);
    band->setContentsMargins(margin, margin / 2, margin, margin / 2);
    band->setSpacing(2 * margin);
    band->addWidget(Label7, 1);
    band->addWidget(cmdMdiExit, 0, Qt::AlignVCenter | Qt::AlignRight);   // its own size, also alone
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
        // Each caption as wide as designed where the panel has the room; narrower, it wraps.
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setProperty("designWidth", std::max(twips::toPixels(row.width), label->sizeHint().width()));
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
    mnuAllFourSigns->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    mnuTwoPeople = file->addAction(QStringLiteral("&Two People"));
    mnuTwoPeople->setObjectName(QStringLiteral("mnuTwoPeople"));
    mnuTwoPeople->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    file->addSeparator();
    mnuOpen = file->addAction(QStringLiteral("&Open..."));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence::Open);
    // The keys also work while a system window shows its own menu bar in the frame's place, and
    // from the user guide's window.
    for (QAction *everywhere : {mnuAllFourSigns, mnuTwoPeople, mnuOpen}) {
        everywhere->setShortcutContext(Qt::ApplicationShortcut);
        addAction(everywhere);
    }
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    // The frame's window holds the child windows, so these keys work wherever the focus is.
    auto *switchPane = new QAction(this);
    switchPane->setObjectName(QStringLiteral("switchPane"));
    switchPane->setShortcuts({QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6),
                              QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    switchPane->setShortcutContext(Qt::WindowShortcut);
    addAction(switchPane);
    connect(switchPane, &QAction::triggered, this, &frmMDI::switchFocusPane);
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
    connect(mnuOpen, &QAction::triggered, m_opener, &ReadingOpener::chooseAndOpen);
    connect(mnuAllFourSigns, &QAction::triggered, this, [this] { cmdSelectOption_Click(int(systems::System::AllFourSigns)); });
    connect(mnuTwoPeople, &QAction::triggered, this, [this] { cmdSelectOption_Click(int(systems::System::TwoPeople)); });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::updateMenuBar);
}

FrameWindows *frmMDI::windows()
{
    // Made when a system is first chosen or a reading opened: the frame shows without it.
    if (m_windows)
        return m_windows;
    m_windows = new FrameWindows(mdiArea, this);
    connect(m_windows, &FrameWindows::windowsChanged, this, [this] {
        updateStartPanel();
        fitBands();
        updateMenuBar();
        // Once the window's layouts have settled (a promotion band given way, a scrolling body
        // measured afresh), once more: a window that opened larger than the area then fits it.
        QMetaObject::invokeMethod(this, &frmMDI::fitBandsAndWindows, Qt::QueuedConnection);
    });
    // Focus is not left with a window that closed: it goes to the choice that opened it.
    connect(m_windows, &FrameWindows::closedByUser, this, [this](systems::System system) {
        cmdSelectOption[std::size_t(system)]->setFocus(Qt::OtherFocusReason);
    });
    return m_windows;
}

void frmMDI::MDIForm_Load()
{
    // The frame gets no smaller than the captions need, wrapped at the width of the narrowest
    // frame and standing close together; but never higher than the screen: with very large
    // fonts the panel takes what the screen leaves it.
    const int margin = twips::toPixels(240);
    const int width = std::max(Picture1->minimumSizeHint().width(), 2 * margin + 120);
    int heights = margin;
    for (const QLabel *label : lblCaption)
        heights += label->heightForWidth(std::min(label->property("designWidth").toInt(), width - 2 * margin));
    int left = heights;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        constexpr int titleBar = 40;   // the window manager's, at most
        left = screen->availableGeometry().height() - titleBar - menuBar()->sizeHint().height()
               - Picture6->minimumSizeHint().height() - Picture1->minimumSizeHint().height()
               - PicCoBrand->minimumSizeHint().height() - statusBar()->sizeHint().height();
    }
    mdiArea->setMinimumSize(width, std::max(margin, std::min(heights, left)));
    updateStartPanel();
}

void frmMDI::updateStartPanel()
{
    const bool visible = !m_windows || !m_windows->isShowing();
    if (visible == !picMain->isHidden())
        return;
    picMain->setVisible(visible);
    if (visible) {
        fitStartPanel();
        picMain->raise();
    }
}

void frmMDI::openSavedFields(systems::System system, const QStringList &fields)
{
    windows()->openSavedFields(system, fields);
}

bool frmMDI::isStartPanelVisible() const
{
    return !picMain->isHidden();
}

void frmMDI::cmdSelectOption_Click(int index)
{
    if (index < 0 || index >= int(cmdSelectOption.size()))
        return;
    windows()->open(static_cast<systems::System>(index));
}

void frmMDI::lblCaption_Click(int index)
{
    if (index >= firstChoiceLabel && index <= lastChoiceLabel)
        windows()->open(static_cast<systems::System>(index - firstChoiceLabel));
    else if (m_windows)
        m_windows->closeAll();
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

namespace {

// The first control that Tab reaches inside pane, or nullptr.
QWidget *firstTabStop(QWidget *pane)
{
    for (QWidget *widget = pane->nextInFocusChain(); widget && widget != pane; widget = widget->nextInFocusChain()) {
        if (pane->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()
            && widget->isEnabled())
            return widget;
    }
    return nullptr;
}

} // namespace

void frmMDI::switchFocusPane()
{
    // The child window in use: the one activated last among those shown.
    QMdiSubWindow *child = nullptr;
    for (QMdiSubWindow *sub : mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder)) {
        if (sub->isVisible() && sub->widget())
            child = sub;
    }
    if (!child)
        return;
    QWidget *focus = QApplication::focusWidget();
    if (focus && child->isAncestorOf(focus)) {
        // The first choice, unless the choices gave way to the window.
        QWidget *first = cmdSelectOption[choiceButtons[0].index];
        QWidget *target = m_lastFrameFocus && m_lastFrameFocus->isVisible() && m_lastFrameFocus->isEnabled()
                              ? m_lastFrameFocus.data()
                          : first->isVisible() ? first
                                               : cmdMdiExit;
        target->setFocus(Qt::TabFocusReason);
        return;
    }
    if (focus && isAncestorOf(focus) && !mdiArea->isAncestorOf(focus))
        m_lastFrameFocus = focus;
    mdiArea->setActiveSubWindow(child);
    // The child's focus where it was left, else its first control.
    QWidget *form = child->widget();
    QWidget *target = form->focusWidget();
    if (!target || !target->isVisible() || !target->isEnabled())
        target = firstTabStop(form);
    if (target)
        target->setFocus(Qt::TabFocusReason);
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mdiArea && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        fitStartPanel();
        // Once the area has laid out its new size (its viewport follows after this event).
        if (event->type() == QEvent::Resize && m_windows)
            QMetaObject::invokeMethod(m_windows, &FrameWindows::refit, Qt::QueuedConnection);
    }
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Picture6) {
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
    if (m_windows)
        m_windows->closeAll();
    event->accept();
}

void frmMDI::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitBands();
    fitStartPanel();
}

void frmMDI::fitBandsAndWindows()
{
    if (m_closing || !m_windows)
        return;
    fitBands();
    const QRect room = mdiArea->viewport()->rect();
    const QList<QMdiSubWindow *> subs = mdiArea->subWindowList();
    if (std::any_of(subs.cbegin(), subs.cend(), [&room](const QMdiSubWindow *sub) { return sub->isVisible() && !room.contains(sub->geometry()); }))
        m_windows->refit();
}

void frmMDI::fitBands()
{
    if (m_closing)
        return;
    int needed = 0;
    for (const QMdiSubWindow *sub : mdiArea->subWindowList()) {
        if (sub->isVisible())
            needed = std::max(needed, sub->minimumSizeHint().height());
    }
    // Laid out at once, so that the area's height is known before the next band gives way.
    QLayout *column = centralWidget()->layout();
    QWidget *const bands[] = {Picture6, Label7, Picture1};
    const auto layOut = [column] {
        column->invalidate();
        column->activate();
    };
    for (QWidget *band : bands)
        band->show();
    layOut();
    for (QWidget *band : bands) {
        if (mdiArea->viewport()->height() >= needed)
            break;
        band->hide();
        layOut();
    }
}

void frmMDI::fitStartPanel()
{
    // The start panel lies over the child-window area, covering it while no system is in use.
    // The frame's resize and the area's own resize and move all ask for the same fit: the
    // captions are measured once per size of the area.
    if (mdiArea->geometry() == m_startPanelFittedTo)
        return;
    m_startPanelFittedTo = mdiArea->geometry();
    picMain->setGeometry(mdiArea->geometry());
    // The captions stand centred at their design heights where the panel has the room; in a
    // narrower panel they wrap, in a shorter one the gaps between them shrink alike, so that the
    // last one stays whole.
    const int margin = twips::toPixels(240);
    const int room = std::max(1, picMain->width() - 2 * margin);
    int designBottom = 0;
    int heights = 0;
    for (const CaptionRow &row : captionRows) {
        QLabel *label = lblCaption[row.index];
        const int width = std::min(label->property("designWidth").toInt(), room);
        label->resize(width, label->heightForWidth(width));
        designBottom = twips::toPixels(row.top) + label->height();
        heights += label->height();
    }
    const int designGaps = designBottom + margin - heights;
    const int spare = std::max(0, picMain->height() - heights);
    const double shrink = designGaps > spare ? double(spare) / designGaps : 1.0;
    int y = 0;
    int previousBottom = 0;
    for (const CaptionRow &row : captionRows) {
        QLabel *label = lblCaption[row.index];
        y += int(std::max(0, twips::toPixels(row.top) - previousBottom) * shrink);
        label->move((picMain->width() - label->width()) / 2, y);
        y += label->height();
        previousBottom = twips::toPixels(row.top) + label->height();
    }
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

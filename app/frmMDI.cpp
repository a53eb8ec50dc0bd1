#include "app/frmMDI.h"

#include "app/reading_opener.h"
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
#include <QApplication>
#include <QCloseEvent>
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
    button->setAutoDefault(true);   // Enter presses the focused button, as in a dialog
}

} // namespace

frmMDI::frmMDI(QWidget *parent)
    : QMainWindow(parent)
{
    runningFrame = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(texts::frameCaption());
    m_opener = new ReadingOpener(this);
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
    Picture6->setMinimumWidth(lblVellimorBanner->width() + 2 * twips::toPixels(120));
    column->addWidget(Picture6);

    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    look::setBackground(Picture1, palette().color(QPalette::Window));
    picButtonContainer = new QWidget(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
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
        m_choices.append({icon, button});
    }
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
    // The frame gets no smaller than the captions need, standing close together.
    int widest = 0;
    int heights = 0;
    for (const QLabel *label : lblCaption) {
        widest = std::max(widest, label->width());
        heights += label->height();
    }
    mdiArea->setMinimumSize(widest + 2 * twips::toPixels(240), heights + twips::toPixels(240));
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
    mnuOpen = file->addAction(QStringLiteral("&Open..."));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence::Open);
    addAction(mnuOpen);   // Ctrl+O also while a system window shows its own menu bar
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
    connect(&FormRegistrySignals::instance(), &FormRegistrySignals::formsChanged, this, &frmMDI::updateMenuBar);
    connect(&StartPanel::instance(), &StartPanel::visibilityRequested, this, &frmMDI::setStartPanelVisible);
}

void frmMDI::MDIForm_Load()
{
    arrangeStrips();
}

void frmMDI::setStartPanelVisible(bool visible)
{
    picMain->setVisible(visible);
    StartPanel::instance().setShown(visible);
    if (visible) {
        fitStartPanel();
        picMain->raise();
        // Focus is not left with the window that closed: it goes to the first choice, now and
        // once the closing child window has let go of it.
        QPushButton *first = cmdSelectOption[choiceButtons[0].index];
        first->setFocus(Qt::OtherFocusReason);
        QMetaObject::invokeMethod(first, [this, first] {
            if (!picMain->isHidden())
                first->setFocus(Qt::OtherFocusReason);
        }, Qt::QueuedConnection);
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
        QWidget *target = m_lastFrameFocus && m_lastFrameFocus->isVisible() && m_lastFrameFocus->isEnabled()
                              ? m_lastFrameFocus.data()
                              : cmdSelectOption[choiceButtons[0].index];
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
    arrangeStrips();
    fitStartPanel();
}

void frmMDI::fitStartPanel()
{
    // The start panel lies over the child-window area, covering it while no system is in use.
    picMain->setGeometry(mdiArea->geometry());
    // The captions stand centred at their design heights where the panel has the room; in a
    // shorter panel the gaps between them shrink alike, so that the last one stays whole.
    const int margin = twips::toPixels(240);
    int designBottom = 0;
    int heights = 0;
    for (const CaptionRow &row : captionRows) {
        designBottom = twips::toPixels(row.top) + lblCaption[row.index]->height();
        heights += lblCaption[row.index]->height();
    }
    const int designGaps = designBottom + margin - heights;
    const int room = std::max(0, picMain->height() - heights);
    const double shrink = designGaps > room ? double(room) / designGaps : 1.0;
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

void frmMDI::arrangeStrips()
{
    // Everything follows the frame's own width, not the screen's: a frame smaller than the
    // screen shows the banner, the choices and Exit whole.
    const int width = centralWidget()->width();
    lblVellimorBanner->move((width - lblVellimorBanner->width()) / 2, lblVellimorBanner->y());
    cmdMdiExit->move(width - (cmdMdiExit->width() + twips::toPixels(120)), cmdMdiExit->y());
    arrangeChoices(width);
}

void frmMDI::arrangeChoices(int width)
{
    // The choices fill as few centred rows as the width allows, each row holding about as many
    // as the others, in reading order.
    const int margin = twips::toPixels(240);
    const int pictureGap = twips::toPixels(90);
    const int choiceGap = twips::toPixels(330);
    const int rowGap = twips::toPixels(90);
    QList<int> widths;
    int rowHeight = 0;
    for (auto [picture, button] : std::as_const(m_choices)) {
        // Sized afresh each time: the text's width depends on the screen the frame stands on.
        button->resize(button->sizeHint().expandedTo(button->minimumSize()));
        widths.append(picture->width() + pictureGap + button->width());
        rowHeight = std::max({rowHeight, picture->height(), button->height()});
    }
    const auto rowWidth = [&](qsizetype first, qsizetype count) {
        int sum = 0;
        for (qsizetype i = first; i < std::min(first + count, widths.size()); ++i)
            sum += widths[i] + (i > first ? choiceGap : 0);
        return sum;
    };
    const qsizetype count = widths.size();
    qsizetype perRow = count;
    for (qsizetype rows = 1; rows < count; ++rows) {
        perRow = (count + rows - 1) / rows;
        bool fits = true;
        for (qsizetype first = 0; first < count; first += perRow)
            fits = fits && rowWidth(first, perRow) <= width - 2 * margin;
        if (fits)
            break;
        perRow = 1;
    }
    const qsizetype rows = (count + perRow - 1) / perRow;
    // One row stands in the strip's design height; more rows make the strip taller.
    const int padding = std::max(rowGap, (twips::toPixels(900) - rowHeight) / 2);
    const int height = 2 * padding + int(rows) * rowHeight + int(rows - 1) * rowGap;
    for (qsizetype first = 0; first < count; first += perRow) {
        int x = std::max(0, (width - rowWidth(first, perRow)) / 2);
        const int y = padding + int(first / perRow) * (rowHeight + rowGap);
        for (qsizetype i = first; i < std::min(first + perRow, count); ++i) {
            auto [picture, button] = m_choices[i];
            picture->move(x, y + (rowHeight - picture->height()) / 2);
            button->move(x + picture->width() + pictureGap, y + (rowHeight - button->height()) / 2);
            x += widths[i] + choiceGap;
        }
    }
    picButtonContainer->setGeometry(0, 0, width, height);
    Picture1->setFixedHeight(height);
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

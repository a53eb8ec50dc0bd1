#include "forms/frmUserGuide.h"

#include "common/content.h"
#include "forms/guide_browser.h"
#include "common/program_settings.h"
#include "common/program_texts.h"
#include "widgets/modHelp.h"
#include "widgets/look.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPointer<frmUserGuide> guide;

const QString sizeKey = QStringLiteral("userGuide/size");

// The frame when there is one, so that the guide closes with the program.
QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(window) && window->isVisible())
            return window;
    }
    return QApplication::activeWindow();
}

// A window of its own to assistive technology, named by its title (Qt's view of a plain widget
// is a nameless filler).
QAccessibleInterface *guideWindowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("frmUserGuide") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

frmUserGuide::frmUserGuide(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&guideWindowAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled)

    setObjectName(QStringLiteral("frmUserGuide"));
    setWindowTitle(texts::programTitle() + QStringLiteral(" \u2014 User Guide"));

    txtGuide = new GuideBrowser(this);
    txtGuide->setObjectName(QStringLiteral("txtGuide"));
    txtGuide->setAccessibleName(QStringLiteral("User Guide"));
    txtGuide->setFont(look::verdana(9.75));
    // Our own page and pictures: nothing is fetched, no picture or style sheet from elsewhere.
    txtGuide->setSearchPaths({QStringLiteral(":/content/guide")});
    QString page = content::text(QStringLiteral("guide/guide.html"));
    page.replace(QStringLiteral("@MAKER_WEB_ADDRESS@"), modHelp::makerWebAddress());
    page.replace(QStringLiteral("@HELP_PAGE_ADDRESS@"), modHelp::pageAddress(modHelp::Page::Help).toString());
    txtGuide->setHtml(page);
    // Room between the text and the window's edges: about a line's height.
    txtGuide->document()->setDocumentMargin(QFontMetrics(txtGuide->font()).height());
    connect(txtGuide, &QTextBrowser::anchorClicked, this, &frmUserGuide::followLink);

    // Escape leaves the guide as it leaves every window; Ctrl+W and Ctrl+F4 close it as a report.
    auto *closing = new QAction(this);
    closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    closing->setShortcutContext(Qt::WindowShortcut);
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtGuide);
    placeOnMainWindow();
}

frmUserGuide::~frmUserGuide()
{
    programSettings::setSize(sizeKey, size());
}

void frmUserGuide::placeOnMainWindow()
{
    const QWidget *frame = parentWidget();
    const QScreen *screen = frame ? frame->screen() : this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QSize wanted = programSettings::size(sizeKey);
    // The first time as wide as the guide's widest picture (828 pixels) with the text's margins and
    // the scroll bar, but smaller than the frame, so that the frame's menu bar stays in sight.
    const int margins = 2 * int(txtGuide->document()->documentMargin());
    const QSize first(840 + margins + txtGuide->verticalScrollBar()->sizeHint().width(), 600);
    if (wanted.isEmpty())
        wanted = frame ? first.boundedTo(frame->size() * 0.85) : first;
    // The guide gets the title bar and borders the frame has (known once the frame is shown).
    const QSize borders = frame ? frame->frameGeometry().size() - frame->size() : QSize(0, 0);
    // A kept size larger than this screen (another screen, damaged settings) shrinks to fit.
    resize(wanted.boundedTo(available.size() - borders).expandedTo(minimumSizeHint()));
    QRect placed(QPoint(), size() + borders);
    placed.moveCenter(frame ? frame->frameGeometry().center() : available.center());
    // Not over the screen's edge, where the title bar could no longer be reached.
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    move(placed.topLeft());
}

frmUserGuide *frmUserGuide::showGuide()
{
    if (!guide)
        guide = new frmUserGuide(mainWindow());
    guide->show();
    guide->raise();
    guide->activateWindow();
    return guide;
}

frmUserGuide *frmUserGuide::instance()
{
    return guide;
}

void frmUserGuide::followLink(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        QDesktopServices::openUrl(url);
    else if (url.isRelative() && url.path().isEmpty() && url.hasFragment())
        txtGuide->moveToAnchor(url.fragment());
}

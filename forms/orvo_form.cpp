#include "forms/orvo_form.h"

#include "forms/accessibility.h"
#include "forms/common_menus.h"
#include "forms/form_registry.h"
#include "widgets/look.h"

#include <QAction>
#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

OrvoForm::OrvoForm(QWidget *parent)
    : QWidget(parent)
{
    setFont(look::verdana(8.25));
    // F1 also where the frame's menu bar is not there (a form shown on its own).
    addAction(userGuideAction());
}

QString OrvoForm::windowTitleFor(const QString &caption, WindowKind kind)
{
    static const char *const kinds[] = {"Input", "Result", "Report"};
    return caption.trimmed() + QStringLiteral(" \u2014 ") + QLatin1String(kinds[int(kind)]);
}

OrvoForm::OrvoForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips)
    : OrvoForm()
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setClientSizeTwips(widthTwips, heightTwips);
}

void OrvoForm::setClientSizeTwips(int width, int height)
{
    m_designSize = QSize(twips::toPixels(width), twips::toPixels(height));
    resize(m_designSize);
}

namespace {

bool holds(QLayout *layout, const QWidget *widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() && holds(item->layout(), widget)))
            return true;
    }
    return false;
}

} // namespace

void OrvoForm::fixSize()
{
    if (QLayout *arranged = layout()) {
        // The design size, or what the layout needs where fonts need more: wrapping texts take
        // their height at the window's width. Controls still placed by hand beside the layout
        // keep their room too.
        int width = std::max(m_designSize.width(), arranged->totalMinimumSize().width());
        int handPlacedBottom = 0;
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || !child->isVisibleTo(this) || holds(arranged, child))
                continue;
            width = std::max(width, child->geometry().right() + 1 + twips::windowMargin);
            handPlacedBottom = std::max(handPlacedBottom, child->geometry().bottom() + 1 + twips::windowMargin);
        }
        const int laidOut = arranged->hasHeightForWidth() ? arranged->totalHeightForWidth(width)
                                                          : arranged->totalSizeHint().height();
        setFixedSize(width, std::max({m_designSize.height(), laidOut, handPlacedBottom}));
        return;
    }
    // To be removed once every form stands on a layout: a form placed by hand.
    const QRect used = childrenRect();
    const int width = std::max(m_designSize.width(), used.right() + 1 + twips::windowMargin);
    // A strip designed across the whole window (link strip, promotion band, report box) stays
    // across it when some other control made the window wider, keeping its margins.
    constexpr int edge = 2 * twips::windowMargin;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        const int rightMargin = m_designSize.width() - (r.right() + 1);
        if (!child->isWindow() && r.left() <= edge && rightMargin >= 0 && rightMargin <= edge)
            child->resize(width - rightMargin - r.left(), r.height());
    }
    setFixedSize(width, std::max(m_designSize.height(), childrenRect().bottom() + 1 + twips::windowMargin));
}

QMenu *OrvoForm::addMenuBarMenu(const QString &objectName, const QString &caption)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName + QStringLiteral("_title"));
    m_menuBarActions.append(menu->menuAction());
    return menu;
}

QAction *OrvoForm::addMenuEntry(QMenu *menu, const QString &objectName, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(objectName);
    if (menu)
        menu->addAction(action);
    else
        m_menuBarActions.append(action);
    return action;
}

QAction *OrvoForm::addMenuSeparator(QMenu *menu, const QString &objectName)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(objectName);
    return separator;
}

OrvoForm::ResultMenu OrvoForm::addResultMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    ResultMenu menu;
    menu.print = addMenuEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"));
    menu.back = addMenuEntry(file, QStringLiteral("mnuBack"), QStringLiteral("&Back"));
    addMenuSeparator(file, QStringLiteral("mnuSep"));
    menu.exit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
    return menu;
}

void OrvoForm::addCommonMenus(const QString &makeMoneyCaption, const QString &makeMoneyName)
{
    m_menuBarActions.append(createCommonMenus(this, makeMoneyCaption, makeMoneyName));
}

void OrvoForm::showForm()
{
    if (!isVisible() && !qobject_cast<QMdiSubWindow *>(parentWidget()))
        fixSize();
    // Once, at the first show, when the form holds all its controls.
    if (!m_namedForScreenReaders) {
        accessibility::nameInputControls(this);
        accessibility::makeValuesReachable(this);
        m_namedForScreenReaders = true;
    }
    if (QMdiArea *area = forms::mdiArea()) {
        auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
        if (!sub) {
            sub = area->addSubWindow(this, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
            sub->setWindowIcon(windowIcon());
            sub->setOption(QMdiSubWindow::RubberBandMove, false);
            sub->adjustSize();
            fitHeightInto(area, sub);
            sub->setFixedSize(sub->size());
            placeAtTopCentre();
        }
        show();
        sub->show();
        area->setActiveSubWindow(sub);
    } else {
        show();
    }
    raise();
    activateWindow();
    // The window that opens takes the focus: its opening control, else the control that last had
    // it, else its first stop for Tab; the focus is never left in a window out of sight.
    QWidget *target = m_openingFocus ? m_openingFocus : focusWidget();
    if (!target || !target->isVisibleTo(this) || !target->isEnabled()) {
        target = nullptr;
        for (QWidget *next = nextInFocusChain(); next && next != this; next = next->nextInFocusChain()) {
            if (isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(this) && next->isEnabled()) {
                target = next;
                break;
            }
        }
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    forms::notifyFormsChanged();
}

void OrvoForm::announceOpeningFocusAgain()
{
    if (m_openingFocus && m_openingFocus->hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent again(m_openingFocus, QAccessible::Focus);
        QAccessible::updateAccessibility(&again);
    }
}

void OrvoForm::hideForm()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->hide();
    else
        hide();
    forms::notifyFormsChanged();
}

bool OrvoForm::isShownInFrame() const
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub->isVisible();
    return isVisible();
}

void OrvoForm::fitHeightInto(const QMdiArea *area, QMdiSubWindow *sub)
{
    if (!m_spareHeight || !area->isVisible())
        return;
    const int over = sub->height() - area->viewport()->height();
    const int wanted = m_spareHeight->sizeHint().height();
    const int spare = wanted - m_spareHeight->minimumHeight();
    if (over <= 0 || spare <= 0)
        return;
    // Only that control gives up height: the layout would take some from every control.
    m_spareHeight->setMaximumHeight(wanted - std::min(over, spare));
    setFixedHeight(height() - std::min(over, spare));
    sub->adjustSize();
}

void OrvoForm::placeAtTopCentre()
{
    QWidget *window = parentWidget() ? parentWidget() : this;
    // Inside the frame the room is the frame's window area as it stands (a restored frame may be
    // much narrower than the screen); a form on its own has the screen.
    int roomWidth = 1024;
    if (const QWidget *area = window->parentWidget())
        roomWidth = area->width();
    else if (const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        roomWidth = screen->geometry().width();
    window->move(std::max(0, (roomWidth - window->width()) / 2), 0);
}

void OrvoForm::selectByText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

QSize OrvoForm::sizeHint() const
{
    return minimumSize() == maximumSize() ? minimumSize() : QWidget::sizeHint();
}

void OrvoForm::keyPressEvent(QKeyEvent *event)
{
    // Escape that no control used (an open list takes its own) leaves the window as closing it does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        forms::unload(this);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A button that took Enter itself (a default button) never passes it on.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled() && isAncestorOf(button)) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void OrvoForm::closeEvent(QCloseEvent *event)
{
    // Closing the window (close box, Alt+F4) unloads the form like every other way out.
    event->ignore();
    forms::unload(this);
}

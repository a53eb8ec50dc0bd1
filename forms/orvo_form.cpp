#include "forms/orvo_form.h"

#include "forms/accessibility.h"
#include "forms/common_menus.h"
#include "widgets/fitting_scroll_area.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"

#include <QAction>
#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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
    updateGeometry();
}

void OrvoForm::createParts()
{
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    m_scroller = new FittingScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("scrollBody"));
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("body"));
    m_scroller->setWidget(content);
    window->addWidget(m_scroller, 1);
    m_footer = new QVBoxLayout;
    m_footer->setContentsMargins(0, 0, 0, 0);
    m_footer->setSpacing(0);
    window->addLayout(m_footer);
}

QWidget *OrvoForm::body()
{
    if (!m_scroller)
        createParts();
    return m_scroller->widget();
}

QVBoxLayout *OrvoForm::bodyColumn(int spacing, const QMargins &margins)
{
    auto *column = new QVBoxLayout(body());
    column->setContentsMargins(margins);
    column->setSpacing(spacing);
    return column;
}

QVBoxLayout *OrvoForm::footer()
{
    if (!m_footer)
        createParts();
    return m_footer;
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

void OrvoForm::prepareForScreenReaders()
{
    if (m_namedForScreenReaders)
        return;
    accessibility::nameInputControls(this);
    accessibility::makeValuesReachable(this);
    m_namedForScreenReaders = true;
}

void OrvoForm::showEvent(QShowEvent *event)
{
    prepareForScreenReaders();
    QWidget::showEvent(event);
}

QWidget *OrvoForm::openingFocus()
{
    // A value becomes a stop for Tab only once the form is prepared.
    prepareForScreenReaders();
    if (m_openingFocus && m_openingFocus->isEnabled() && m_openingFocus->focusPolicy() != Qt::NoFocus)
        return m_openingFocus;
    for (QWidget *next = nextInFocusChain(); next && next != this; next = next->nextInFocusChain()) {
        if (isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(this) && next->isEnabled())
            return next;
    }
    return nullptr;
}

void OrvoForm::announceOpeningFocusAgain()
{
    if (m_openingFocus && m_openingFocus->hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent again(m_openingFocus, QAccessible::Focus);
        QAccessible::updateAccessibility(&again);
    }
}

void OrvoForm::setPromotionShown(bool shown)
{
    for (PromotionBand *band : findChildren<PromotionBand *>())
        band->setVisible(shown);
}

bool OrvoForm::isShownInFrame() const
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub->isVisible();
    return isVisible();
}

void OrvoForm::selectByText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

QSize OrvoForm::sizeHint() const
{
    const QLayout *arranged = layout();
    if (!arranged)
        return m_designSize.expandedTo(QWidget::sizeHint());
    // The design width, or what the controls need where fonts need more; wrapping texts take
    // their height at that width.
    int width = std::max(m_designSize.width(), arranged->minimumSize().width());
    if (!m_scroller) {
        const int height = arranged->hasHeightForWidth() ? arranged->totalHeightForWidth(width) : arranged->totalSizeHint().height();
        return QSize(width, std::max(m_designSize.height(), height));
    }
    // The body as its content asks, not as little as the scroll area can do with.
    const QWidget *content = m_scroller->widget();
    width = std::max({width, content->minimumSizeHint().width(), content->sizeHint().width(), m_footer->minimumSize().width()});
    const int bodyHeight = content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height();
    const int footerHeight = m_footer->hasHeightForWidth() ? m_footer->totalHeightForWidth(width) : m_footer->totalSizeHint().height();
    return QSize(width, std::max(m_designSize.height(), bodyHeight + footerHeight));
}

void OrvoForm::keyPressEvent(QKeyEvent *event)
{
    // Escape that no control used (an open list takes its own) leaves the window as closing it does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Q_EMIT closeRequested();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A button that took Enter itself (a default button) never passes it on.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled() && isAncestorOf(button)) {
            button->click();
            return;
        }
        if (qobject_cast<QRadioButton *>(focusWidget()) && m_enterButton && m_enterButton->isEnabled()) {
            m_enterButton->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void OrvoForm::closeEvent(QCloseEvent *event)
{
    // Closing the window (close box, Alt+F4) is a request to the form's controller, like every
    // other way out: it closes what belongs with the window.
    event->ignore();
    Q_EMIT closeRequested();
}

#include "forms/window_controller.h"

#include "forms/dialog_service.h"
#include "forms/orvo_form.h"

#include <QApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace {

constexpr Qt::WindowFlags subWindowFlags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The sub-window as large as its form asks, where the area has the room, else as large as the
// area: the form's body then scrolls (or its report box gives up height) and its footer stays in
// sight. It stands at the top, centred.
void fitIntoArea(QMdiSubWindow *sub, OrvoForm *form, const QMdiArea *area)
{
    // The area as the frame stands now, not as it stood before its last resize was laid out:
    // the layouts around it from the frame inwards.
    QList<QWidget *> around;
    for (QWidget *outer = area->parentWidget(); outer; outer = outer->isWindow() ? nullptr : outer->parentWidget())
        around.prepend(outer);
    for (QWidget *outer : std::as_const(around)) {
        if (QLayout *arranged = outer->layout())
            arranged->activate();
    }
    const QSize frame = sub->size() - sub->contentsRect().size();
    const QSize room = area->viewport()->size();
    form->setPromotionShown(true);
    QSize wanted = form->sizeHint().expandedTo(form->minimumSizeHint()) + frame;
    // Lower than the window would be, the promotion band gives way to what the window is about.
    if (wanted.height() > room.height()) {
        form->setPromotionShown(false);
        wanted = form->sizeHint().expandedTo(form->minimumSizeHint()) + frame;
    }
    // A body that scrolls up and down gives its scroll bar's width from the room beside it.
    if (wanted.height() > room.height())
        wanted.rwidth() += form->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // The sub-window's least size as the band's going leaves it: its layouts learn of that
    // only from the requests the band's hiding posted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize size = wanted.boundedTo(room).expandedTo(sub->minimumSizeHint());
    sub->resize(size);
    sub->move(std::max(0, (room.width() - size.width()) / 2), 0);
}

// A window that goes out of sight lets go of the focus first: Qt would pass it on to the next
// control of the window, which would take it only to lose it again.
void releaseFocus(QWidget *form)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && form->isAncestorOf(focus))
        focus->clearFocus();
}

} // namespace

WindowController::WindowController(QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_area(area)
{
}

WindowController::~WindowController()
{
    // Windows inside the area go with it; a form kept out of sight, or closed as the program
    // ends, is a window of its own that nothing else would destroy.
    for (const QPointer<OrvoForm> &form : m_forms + m_closing) {
        if (form && !form->parentWidget())
            delete form.data();
    }
}

void WindowController::adopt(OrvoForm *form)
{
    m_forms.append(form);
    form->Form_Load();
}

void WindowController::present(OrvoForm *form, QWidget *focus)
{
    if (!form)
        return;
    const bool wasShown = form->isShownInFrame();
    QWidget *target = focus ? focus : wasShown ? nullptr : form->openingFocus();
    if (!m_area) {
        form->show();
        form->raise();
        form->activateWindow();
    } else {
        auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        if (!sub) {
            // Given while the form is a hidden window of its own, the focus is only noted: it lands
            // on the target as the sub-window activates, and on no other control on the way.
            if (target)
                target->setFocus(Qt::OtherFocusReason);
            sub = m_area->addSubWindow(form, subWindowFlags);
            sub->setWindowIcon(form->windowIcon());
            sub->setOption(QMdiSubWindow::RubberBandMove, false);
            form->show();
            fitIntoArea(sub, form, m_area);
        }
        sub->show();
        m_area->setActiveSubWindow(sub);
    }
    if (target && !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
    Q_EMIT windowsChanged();
}

void WindowController::refit()
{
    for (const QPointer<OrvoForm> &form : std::as_const(m_forms)) {
        if (auto *sub = form ? qobject_cast<QMdiSubWindow *>(form->parentWidget()) : nullptr; sub && sub->isVisible())
            fitIntoArea(sub, form, m_area);
    }
}

void WindowController::conceal(OrvoForm *form)
{
    if (!form)
        return;
    releaseFocus(form);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        // Out of its sub-window the form keeps its entries but lets go of the focus: when it
        // comes back it opens in a new one, sized for the area as it is then, its focus placed
        // afresh.
        sub->hide();
        sub->setWidget(nullptr);
        if (form->parentWidget())
            form->setParent(nullptr);
        destroyWindowSafely(sub);
    }
    form->hide();
    Q_EMIT windowsChanged();
}

void WindowController::dismiss(OrvoForm *form)
{
    if (!form)
        return;
    m_forms.removeAll(form);
    released(form);
    form->Form_Unload();
    releaseFocus(form);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        sub->hide();
        destroyWindowSafely(sub);
    } else {
        form->hide();
        destroyWindowSafely(form);
        m_closing.removeAll(nullptr);
        m_closing.append(form);
    }
    Q_EMIT windowsChanged();
}

void WindowController::closeWindows()
{
    const QList<QPointer<OrvoForm>> forms = m_forms;
    for (auto it = forms.crbegin(); it != forms.crend(); ++it)
        dismiss(*it);
}

bool WindowController::isShowing() const
{
    return std::any_of(m_forms.cbegin(), m_forms.cend(),
                       [](const QPointer<OrvoForm> &form) { return form && form->isShownInFrame(); });
}

void WindowController::afterUserClose()
{
    if (!isShowing())
        Q_EMIT closedByUser();
}

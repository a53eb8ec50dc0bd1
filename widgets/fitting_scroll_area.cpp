#include "widgets/fitting_scroll_area.h"

#include <QApplication>
#include <QStyle>

FittingScrollArea::FittingScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Tab goes to the controls inside, never to the area itself.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    // The window's own background shows through: the body paints nothing of its own.
    setBackgroundRole(QPalette::NoRole);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { showFocused(now); });
}

QSize FittingScrollArea::sizeHint() const
{
    // QScrollArea caps its hint at a few dozen lines of text; the body is asked for all of it.
    const QWidget *content = widget();
    if (!content)
        return QScrollArea::sizeHint();
    const QMargins margins = contentsMargins();
    const int width = std::max(content->sizeHint().width(), content->minimumSizeHint().width());
    const int height = content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

QSize FittingScrollArea::minimumSizeHint() const
{
    // Enough for the scroll bars and a line or two of what scrolls.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return QSize(4 * bar, 3 * bar);
}

void FittingScrollArea::showFocused(QWidget *now)
{
    if (now && widget() && widget()->isAncestorOf(now))
        ensureWidgetVisible(now, 8, 8);
}

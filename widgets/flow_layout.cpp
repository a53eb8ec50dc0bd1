#include "widgets/flow_layout.h"

#include <QWidget>

FlowLayout::FlowLayout(QWidget *parent, int spacing)
    : QLayout(parent)
{
    setSpacing(spacing);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    // The widest single item: anything narrower would cut it.
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // Every item in one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        width += item->sizeHint().width() + (width > 0 ? spacing() : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = spacing();
    int y = area.y();
    for (qsizetype first = 0; first < m_items.size();) {
        // As many items as the row holds, at least one.
        qsizetype end = first;
        int rowWidth = 0;
        int rowHeight = 0;
        while (end < m_items.size()) {
            const QSize hint = m_items[end]->sizeHint();
            const int wanted = rowWidth + (end > first ? gap : 0) + hint.width();
            if (end > first && wanted > area.width())
                break;
            rowWidth = wanted;
            rowHeight = std::max(rowHeight, hint.height());
            ++end;
        }
        if (apply) {
            int x = area.x() + std::max(0, (area.width() - rowWidth) / 2);
            for (qsizetype i = first; i < end; ++i) {
                const QSize hint = m_items[i]->sizeHint();
                const int width = std::min(hint.width(), area.width());
                m_items[i]->setGeometry(QRect(QPoint(x, y + (rowHeight - hint.height()) / 2), QSize(width, hint.height())));
                x += width + gap;
            }
        }
        y += rowHeight + gap;
        first = end;
    }
    const int used = y - area.y() - (m_items.isEmpty() ? 0 : gap);
    return used + contentsMargins().top() + contentsMargins().bottom();
}

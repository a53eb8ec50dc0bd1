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
    // Two items a row at the least: narrower, the rows would stack higher than a low screen.
    int width = 0;
    for (qsizetype first = 0; first < m_items.size(); first += 2) {
        int row = m_items[first]->sizeHint().width();
        if (first + 1 < m_items.size())
            row += spacing() + m_items[first + 1]->sizeHint().width();
        width = std::max(width, row);
    }
    const QMargins margins = contentsMargins();
    width += margins.left() + margins.right();
    return QSize(width, heightForWidth(width));
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
    const qsizetype count = m_items.size();
    const auto rowWidth = [&](qsizetype first, qsizetype end) {
        int width = 0;
        for (qsizetype i = first; i < end; ++i)
            width += m_items[i]->sizeHint().width() + (i > first ? gap : 0);
        return width;
    };
    // As few rows as the width allows, each holding about as many items as the others (six
    // choices wrap three and three, not five and one); one item a row where even that is wide.
    qsizetype perRow = 1;
    for (qsizetype rows = 1; rows <= count; ++rows) {
        const qsizetype candidate = (count + rows - 1) / rows;
        bool fits = true;
        for (qsizetype first = 0; first < count && fits; first += candidate)
            fits = rowWidth(first, std::min(first + candidate, count)) <= area.width();
        if (fits) {
            perRow = candidate;
            break;
        }
    }
    int y = area.y();
    for (qsizetype first = 0; first < count; first += perRow) {
        const qsizetype end = std::min(first + perRow, count);
        int rowHeight = 0;
        for (qsizetype i = first; i < end; ++i)
            rowHeight = std::max(rowHeight, m_items[i]->sizeHint().height());
        if (apply) {
            int x = area.x() + std::max(0, (area.width() - rowWidth(first, end)) / 2);
            for (qsizetype i = first; i < end; ++i) {
                const QSize hint = m_items[i]->sizeHint();
                const int width = std::min(hint.width(), area.width());
                m_items[i]->setGeometry(QRect(QPoint(x, y + (rowHeight - hint.height()) / 2), QSize(width, hint.height())));
                x += width + gap;
            }
        }
        y += rowHeight + gap;
    }
    const int used = y - area.y() - (count > 0 ? gap : 0);
    return used + contentsMargins().top() + contentsMargins().bottom();
}

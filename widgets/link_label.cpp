#include "widgets/link_label.h"

#include "common/program_texts.h"
#include "widgets/link_label_accessible.h"
#include "widgets/look.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

LinkLabel::LinkLabel(const QString &objectName, const QString &text, modHelp::Page page, QWidget *parent)
    : QLabel(text, parent)
    , m_page(page)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&LinkLabelAccessible::factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)

    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setFont(look::verdana(8.25, true, true));
    setCursor(Qt::PointingHandCursor);
    // Tab reaches every link that has something to read; a click leaves the focus where it was.
    // A link without text (a hot spot beside a button) stays out of the Tab order.
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    setAccessibleName(text.isEmpty() ? objectName : text);
}

LinkLabel *LinkLabel::createForumStrip(QWidget *parent)
{
    auto *strip = new LinkLabel(QStringLiteral("Label61"), texts::forumInvitation(), modHelp::Page::Home, parent);
    strip->setAlignment(Qt::AlignCenter);
    strip->setWordWrap(true);
    look::setColours(strip, Qt::black, QColor(192, 255, 255));
    return strip;
}

int LinkLabel::heightForWidth(int width) const
{
    const QString fontKey = font().key();
    for (const Measured &measured : std::as_const(m_heights)) {
        if (measured.width == width && measured.wordWrap == wordWrap() && measured.margins == contentsMargins()
            && measured.font == fontKey && measured.text == text())
            return measured.height;
    }
    const int height = QLabel::heightForWidth(width);
    constexpr qsizetype kept = 4;
    if (m_heights.size() == kept)
        m_heights.removeLast();
    m_heights.prepend({width, text(), fontKey, wordWrap(), contentsMargins(), height});
    return height;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        follow();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        follow();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own; without this mark a keyboard user cannot see where he is.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void LinkLabel::follow()
{
    modHelp::openPage(m_page);
    Q_EMIT clicked();
}

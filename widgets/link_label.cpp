#include "widgets/link_label.h"

#include "common/program_texts.h"
#include "widgets/look.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &objectName, const QString &text, modHelp::Page page, QWidget *parent)
    : QLabel(text, parent)
    , m_page(page)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setFont(look::verdana(8.25, true, true));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
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

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        modHelp::openPage(m_page);
        Q_EMIT clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

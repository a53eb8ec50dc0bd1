#include "report/modRTB.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

namespace modRTB {
namespace {

class LinkWatch : public QObject
{
public:
    LinkWatch(QTextEdit *box, QWidget *form)
        : QObject(box)
        , m_box(box)
        , m_viewport(box->viewport())
        , m_form(form)
    {
        m_connection = QObject::connect(box->document(), &QTextDocument::contentsChange, this,
                                        [this](int position, int, int added) { markLinks(position, added); });
        box->viewport()->installEventFilter(this);
        box->viewport()->setMouseTracking(true);
        markLinks(0, box->document()->characterCount());
    }

    ~LinkWatch() override
    {
        QObject::disconnect(m_connection);
        // The watch may go down with its box, after the box's viewport.
        if (m_viewport)
            m_viewport->removeEventFilter(this);
    }

    QTextEdit *box() const { return m_box; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!m_box)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QUrl url(m_box->anchorAt(mouse->position().toPoint()));
                if (isWebAddress(url))
                    QDesktopServices::openUrl(url);
            }
        } else if (event->type() == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool overLink = !m_box->anchorAt(mouse->position().toPoint()).isEmpty();
            m_box->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
        }
        return false;   // the box handles every event as usual
    }

private:
    static bool isWebAddress(const QUrl &url)
    {
        return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
               && !url.host().isEmpty();
    }

    // Marks the web addresses of the blocks touched by a change as links.
    void markLinks(int position, int added)
    {
        if (m_marking || !m_box)
            return;
        m_marking = true;
        static const QRegularExpression address(QStringLiteral(R"(https?://[^\s<>"]+)"),
                                                QRegularExpression::CaseInsensitiveOption);
        QTextDocument *document = m_box->document();
        QTextBlock block = document->findBlock(position);
        const QTextBlock last = document->findBlock(position + added);
        while (block.isValid()) {
            auto it = address.globalMatch(block.text());
            while (it.hasNext()) {
                const QRegularExpressionMatch match = it.next();
                QTextCursor cursor(document);
                cursor.setPosition(block.position() + int(match.capturedStart()));
                cursor.setPosition(block.position() + int(match.capturedEnd()), QTextCursor::KeepAnchor);
                QTextCharFormat link;
                link.setAnchor(true);
                link.setAnchorHref(match.captured());
                link.setFontUnderline(true);
                cursor.mergeCharFormat(link);
            }
            if (block == last)
                break;
            block = block.next();
        }
        m_marking = false;
    }

    QPointer<QTextEdit> m_box;
    QPointer<QWidget> m_viewport;
    QPointer<QWidget> m_form;
    QMetaObject::Connection m_connection;
    bool m_marking = false;
};

QPointer<LinkWatch> &watch()
{
    static QPointer<LinkWatch> current;
    return current;
}

} // namespace

void HookReportLinks(QTextEdit *reportBox, QWidget *reportForm)
{
    if (!reportBox)
        return;
    UnhookReportLinks();
    watch() = new LinkWatch(reportBox, reportForm);
}

void UnhookReportLinks()
{
    delete watch().data();
    watch() = nullptr;
}

bool isWatching()
{
    return !watch().isNull();
}

QTextEdit *watchedBox()
{
    return watch() ? watch()->box() : nullptr;
}

} // namespace modRTB

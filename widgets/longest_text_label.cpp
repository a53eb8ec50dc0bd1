#include "widgets/longest_text_label.h"

LongestTextLabel::LongestTextLabel(const QStringList &texts, QWidget *parent)
    : QLabel(parent)
    , m_texts(texts)
{
    setTextFormat(Qt::PlainText);
}

template<class Measure>
QSize LongestTextLabel::largest(Measure measure) const
{
    QLabel twin;
    twin.setFont(font());
    twin.setTextFormat(textFormat());
    twin.setWordWrap(wordWrap());
    twin.setAlignment(alignment());
    twin.setIndent(indent());
    twin.setMargin(margin());
    twin.setContentsMargins(contentsMargins());
    QSize size;
    for (const QString &text : m_texts + QStringList{this->text()}) {
        twin.setText(text);
        size = size.expandedTo(measure(twin));
    }
    return size;
}

QSize LongestTextLabel::sizeHint() const
{
    return largest([](const QLabel &twin) { return twin.sizeHint(); });
}

QSize LongestTextLabel::minimumSizeHint() const
{
    if (wordWrap())
        return QLabel::minimumSizeHint();
    return sizeHint();
}

int LongestTextLabel::heightForWidth(int width) const
{
    return largest([width](const QLabel &twin) { return QSize(0, twin.heightForWidth(width)); }).height();
}

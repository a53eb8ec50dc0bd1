#include "widgets/plain_text.h"

#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QWidget>

namespace plainText {
namespace {

// Words longer than this may break anywhere in a tip.
constexpr qsizetype longWord = 24;

// text with a zero-width space after every character of a word longer than longWord, where a
// line may then break; the characters themselves are kept whole.
QString breakable(const QString &text)
{
    QString result;
    result.reserve(text.size() * 2);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    qsizetype wordLength = 0;
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) {
        const QStringView character = QStringView(text).mid(start, end - start);
        result += character;
        wordLength = character.front().isSpace() ? 0 : wordLength + 1;
        if (wordLength >= longWord && end < text.size())
            result += QChar(0x200B);
        start = end;
    }
    return result;
}

} // namespace

void setToolTip(QWidget *widget, const QString &text)
{
    // Rich text, escaped: a tip in rich text wraps at a readable width, where plain text would
    // stand on one line as wide as it is long.
    widget->setToolTip(text.isEmpty() ? QString() : Qt::convertFromPlainText(breakable(text), Qt::WhiteSpaceNormal));
}

} // namespace plainText

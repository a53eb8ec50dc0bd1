#include "report/rtf_writer.h"

#include "common/file_saving.h"
#include "common/font_names.h"
#include "common/windows1252.h"

#include <QColor>
#include <QIODevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace rtf {
namespace {

template<class T>
int indexOf(QList<T> &table, const T &value)
{
    qsizetype index = table.indexOf(value);
    if (index < 0) {
        table.append(value);
        index = table.size() - 1;
    }
    return int(index);
}

// A report asks for Verdana and is drawn with a look-alike where Verdana is missing; the file
// names the font the report asked for, so that it opens in Verdana wherever that is installed.
QString requestedFamily(const QString &family)
{
    return fontNames::verdanaStandIns().contains(family, Qt::CaseInsensitive) ? fontNames::verdana() : family;
}

} // namespace

QByteArray escapeText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar unit : text) {
        const char16_t c = unit.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\').append(char(c));
        } else if (c == u'\t') {
            out.append("\\tab ");
        } else if (c == QChar::LineSeparator || c == u'\n') {
            out.append("\\line ");
        } else if (c >= 0x20 && c < 0x80) {
            out.append(char(c));
        } else if (c < 0x20) {
            continue;   // other control characters have no place in the text
        } else if (const int code = unit.isSurrogate() ? -1 : windows1252::fromUnicode(c); code >= 0x80) {
            out.append("\\'").append(QByteArray::number(code, 16).rightJustified(2, '0'));
        } else {
            out.append("\\u").append(QByteArray::number(qint16(c))).append('?');
        }
    }
    return out;
}

QByteArray toRtf(const QTextDocument &document)
{
    QList<QString> fonts{requestedFamily(document.defaultFont().family())};
    QList<QColor> colours{QColor(Qt::black)};
    QByteArray body;
    const int defaultHalfPoints = qRound(document.defaultFont().pointSizeF() * 2);

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = format.font();
            const QColor colour = format.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                                             : format.foreground().color();
            const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : document.defaultFont().pointSizeF();
            body.append("{\\f").append(QByteArray::number(indexOf(fonts, requestedFamily(font.family()))));
            body.append("\\fs").append(QByteArray::number(points > 0 ? qRound(points * 2) : defaultHalfPoints));
            body.append("\\cf").append(QByteArray::number(indexOf(colours, colour.toRgb()) + 1));
            if (font.bold())
                body.append("\\b");
            if (font.italic())
                body.append("\\i");
            if (font.underline())
                body.append("\\ul");
            body.append(' ').append(escapeText(fragment.text())).append("}");
        }
        if (block.next().isValid())
            body.append("\\par\n");
    }

    QByteArray out("{\\rtf1\\ansi\\ansicpg1252\\deff0\n{\\fonttbl");
    for (int i = 0; i < fonts.size(); ++i)
        out.append("{\\f").append(QByteArray::number(i)).append("\\fswiss ").append(escapeText(fonts.at(i))).append(";}");
    out.append("}\n{\\colortbl ;");
    for (const QColor &colour : colours) {
        out.append("\\red").append(QByteArray::number(colour.red()));
        out.append("\\green").append(QByteArray::number(colour.green()));
        out.append("\\blue").append(QByteArray::number(colour.blue())).append(';');
    }
    out.append("}\n\\uc1\\pard\\plain\n").append(body).append("\n}\n");
    return out;
}

bool write(QIODevice &device, const QTextDocument &document)
{
    const QByteArray data = toRtf(document);
    return device.write(data) == data.size();
}

fileSaving::Result writeFile(const QString &fileName, const QTextDocument &document)
{
    return fileSaving::save(fileName, [&document](QIODevice &device) { return write(device, document); });
}

} // namespace rtf

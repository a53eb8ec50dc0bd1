#include "widgets/look.h"

#include "common/font_names.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QWidget>

namespace twips {

namespace {

// The fonts' dots per inch: the pixel size of a 72-point font.
int fontDpi()
{
    static const int dpi = [] {
        QFont inch;
        inch.setPointSize(72);
        const int pixels = QFontInfo(inch).pixelSize();
        return pixels > 0 ? pixels : 96;
    }();
    return dpi;
}

} // namespace

int toPixels(int twips)
{
    return (twips * fontDpi() + 720) / 1440;
}

void setLeastSize(QWidget *widget, int widthTwips, int heightTwips)
{
    widget->setMinimumSize(widget->sizeHint().expandedTo(QSize(toPixels(widthTwips), toPixels(heightTwips))));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    int w = toPixels(width);
    int h = toPixels(height);
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && label->wordWrap()) {
        h = std::max(h, label->heightForWidth(w));
    } else {
        const QSize hint = widget->sizeHint();
        if (hint.isValid()) {
            w = std::max(w, hint.width());
            h = std::max(h, hint.height());
        }
    }
    widget->setGeometry(toPixels(left), toPixels(top), w, h);
}

} // namespace twips

namespace look {

namespace {

// The family that draws "Verdana": Verdana itself where installed, else the first installed of
// its look-alikes. Asking for the installed family by name spares every font that is loaded a
// search through the fallbacks of a missing family (a fontconfig sort each time).
QString verdanaFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : QStringList{fontNames::verdana()} + fontNames::verdanaStandIns()) {
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        }
        return fontNames::verdana();   // none installed: fontconfig picks the nearest
    }();
    return family;
}

} // namespace

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font(verdanaFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    setBackground(widget, background);
    setForeground(widget, text);
}

} // namespace look

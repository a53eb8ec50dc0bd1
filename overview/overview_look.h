#pragma once

#include <QColor>

class QFont;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// The look the All Four Signs and Two People windows share: navy windows, light yellow headings,
// sky-blue captions, grey buttons.
namespace overviewLook {

inline QColor navy() { return QColor(0, 0, 96); }
inline QColor lightYellow() { return QColor(255, 255, 128); }
inline QColor sky() { return QColor(160, 208, 255); }
constexpr int gap = 6;   // pixels between controls

// A result text: plain, wrapping, and a stop for Tab so that a screen reader reaches it.
QLabel *makeLabel(const QString &objectName, const QFont &font, const QColor &colour, QWidget *parent);
QPushButton *makeButton(const QString &objectName, const QString &caption, QWidget *parent);

} // namespace overviewLook

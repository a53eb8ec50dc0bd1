#pragma once

#include <QColor>
#include <QFont>

class QCalendarWidget;
class QDate;
class QString;
class QWidget;

// Window geometry is designed in twips, 1440 to the inch of the fonts' resolution: 15 twips are
// one pixel at 96 dots per inch, and with larger fonts (a higher font resolution) every design
// size grows with the text. Needs the application object.
namespace twips {

int toPixels(int twips);
// At least the design size, and never smaller than the widget's text needs.
void setLeastSize(QWidget *widget, int widthTwips, int heightTwips);

// Places widget at the given design rectangle inside its parent, grown where its text needs
// more room so that nothing is clipped (word-wrapping labels grow in height only).
void place(QWidget *widget, int left, int top, int width, int height);

// The margin kept between a window's edge and what it holds (frames, links), in pixels.
constexpr int windowMargin = 4;

} // namespace twips

namespace look {

// "Verdana" of the given point size; where Verdana is missing, a look-alike (DejaVu Sans,
// Bitstream Vera Sans) by its own name. Needs the application object.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);
void setColours(QWidget *widget, const QColor &text, const QColor &background);

// A calendar whose every text reaches 4.5:1 on its background: the month bar white on a dark
// blue, Saturdays and Sundays (dates and header) a dark red, the neighbouring months' days a
// dark grey; Qt's own give 3.7:1, 4.0:1 and 1.7:1. Its table of days is named as given, where
// Qt leaves it an unnamed table.
void setUpCalendar(QCalendarWidget *calendar, const QString &accessibleName);

// Shows date, selected, in calendar. Qt's table of days tells assistive technology that its
// current day took the focus whenever the date changes, focus or not, so that a screen reader
// would read out days the user never went to; while the table does not hold the focus the date
// changes without that.
void showDate(QCalendarWidget *calendar, const QDate &date);

// Colours of the classic 16-colour palette used by the reports.
inline QColor darkRed() { return QColor(128, 0, 0); }
inline QColor teal() { return QColor(0, 128, 128); }

} // namespace look

#pragma once

#include "chinese/calendar/tradition.h"

#include <QWidget>

class QComboBox;
class QLabel;

// "Count the animal years as in: [China ▾]", the same on every form that shows a Chinese year.
// The list is named cboTradition for tests and screen readers; the label is its buddy, so
// Alt+A reaches it.
class TraditionBox : public QWidget
{
    Q_OBJECT
public:
    explicit TraditionBox(QWidget *parent = nullptr);

    chinese::Tradition tradition() const;
    // Shows a tradition without emitting chosen().
    void setTradition(chinese::Tradition tradition);
    // The label's colour where the form's background is dark.
    void setLabelColour(const QColor &colour);

Q_SIGNALS:
    // The user picked a tradition from the list.
    void chosen(chinese::Tradition tradition);

private:
    QLabel *lblTradition;
    QComboBox *cboTradition;
};

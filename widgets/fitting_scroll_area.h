#pragma once

#include <QScrollArea>

// The scrolling body of a window: it asks for the whole size of what it holds, so that a window
// with room shows no scroll bar and looks as designed, and it gives up any height (and width)
// the window lacks, scrolling instead. A control inside it that takes the focus (by Tab, say)
// scrolls into view.
class FittingScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit FittingScrollArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void showFocused(QWidget *now);
};

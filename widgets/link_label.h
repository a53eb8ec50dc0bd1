#pragma once

#include "widgets/modHelp.h"

#include <QLabel>
#include <QList>
#include <QMargins>

// A label that opens a page of the maker's web site on a click, or on Enter or Space while it has
// the focus: pointing hand, underlined, in the Tab order.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, const QString &text, modHelp::Page page, QWidget *parent);

    modHelp::Page page() const { return m_page; }

    // Opens the page, as a click does; assistive technology's Press action comes here.
    void follow();

    int heightForWidth(int width) const override;

    // `Label61`, the strip at the top of a system window inviting the user to the maker's
    // discussion board: centred black text on light cyan, wrapping where the window is narrow.
    static LinkLabel *createForumStrip(QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    modHelp::Page m_page;

    // What a height was measured for. A label that takes the focus lays its text out in a whole
    // text document, anew for every width asked, and layouts ask for the same few widths again
    // and again while a window is built and shown.
    struct Measured
    {
        int width;
        QString text;
        QString font;
        bool wordWrap;
        QMargins margins;
        int height;
    };
    mutable QList<Measured> m_heights;
};

#pragma once

#include <QTextEdit>

// A text box whose text cannot be carried out of it: copy, cut, drag and the X11 selection hand
// out nothing, and the user's clipboard is never touched. Enter with the caret on a link (just
// before or inside it) reports the link, so that a keyboard user can follow it.
class ProtectedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit ProtectedTextEdit(QWidget *parent = nullptr);

    // Read-only, and read line by line: the arrow keys move a caret, whose moves a screen reader
    // follows and says, as in a report. Qt's read-only box only scrolls, its caret staying at the top.
    static void makeReadOnly(QTextEdit *box);

    // What a drag, a copy or the X11 selection would carry: nothing.
    QMimeData *createMimeDataFromSelection() const override;

    // The target of the link the caret stands on or just before; empty where there is none.
    QString anchorAtCaret() const;

    // The size the box asks for where the window has the room; with less it gives up height
    // down to a few lines, and scrolls.
    void setPreferredSize(const QSize &size);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void linkActivated(const QString &href);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QSize m_preferredSize;
};

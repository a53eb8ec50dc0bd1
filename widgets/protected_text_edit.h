#pragma once

#include <QTextEdit>

// A text box whose text cannot be carried out of it: copy, cut, drag and the X11 selection hand
// out nothing, and the user's clipboard is never touched.
class ProtectedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit ProtectedTextEdit(QWidget *parent = nullptr);

    // What a drag, a copy or the X11 selection would carry: nothing.
    QMimeData *createMimeDataFromSelection() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// Base of every system window (input, result and report forms). A form builds its controls in
// its constructor; the registry runs Form_Load once after construction and Form_Unload when the
// form is closed, just before it is destroyed.
class OrvoForm : public QWidget
{
    Q_OBJECT
public:
    explicit OrvoForm(QWidget *parent = nullptr);
    // A window with its name, caption and inner size in twips.
    OrvoForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Which window of its system a form is. Input, result and report windows of one system share
    // the system's caption; the title adds the kind, so that a window manager or a screen reader
    // announcing the window tells them apart.
    enum class WindowKind { Input, Result, Report };
    // The caption, then the kind: "Orvo Chinese Zodiac Software — Result".
    static QString windowTitleFor(const QString &caption, WindowKind kind);

    // The entries of this form's menu bar, in order; empty for a form without one. The frame
    // shows them in its own menu bar while this form is the active window.
    const QList<QAction *> &menuBarActions() const { return m_menuBarActions; }

    // Shows the form inside the frame (not modal), loading nothing: use forms::show<F>() to load.
    void showForm();
    void hideForm();
    bool isShownInFrame() const;
    // left = (width of the frame's window area - form width) / 2, top = 0, in that area's
    // coordinates; a form shown on its own: the screen's width.
    void placeAtTopCentre();

    // Once the window's size is fixed, that size: a layout's own hint takes wrapping texts at
    // some other width, and the frame's sub-window would grow around it.
    QSize sizeHint() const override;

Q_SIGNALS:
    // The registry is unloading this form; emitted before its Form_Unload.
    void unloading();

protected:
    // A window taller than the frame's window area as it stands gives up the height of this
    // control (a scrolling text), down to the control's least height, rather than reach under
    // the frame's bottom band.
    void setShrinksToFitFrame(QWidget *spare) { m_spareHeight = spare; }
    // Inner size given in twips; the form grows where its controls need more room, so that
    // no text is clipped (fonts differ from system to system).
    void setClientSizeTwips(int width, int height);

    QMenu *addMenuBarMenu(const QString &objectName, const QString &caption);
    QAction *addMenuEntry(QMenu *menu, const QString &objectName, const QString &caption);
    QAction *addMenuSeparator(QMenu *menu, const QString &objectName = {});
    // A result window's menus: File with Print, Back, a separator and Exit, then the common menus.
    struct ResultMenu
    {
        QAction *print;
        QAction *back;
        QAction *exit;
    };
    ResultMenu addResultMenus();
    // The "&Help" menu and the top-level "Make Money Online" entry (hidden at start) shared by
    // every form with a menu bar.
    void addCommonMenus(const QString &makeMoneyCaption = QStringLiteral("Make Money &Online"),
                        const QString &makeMoneyName = QStringLiteral("mnuMakeMoney"));

    // The control that takes focus each time the form is shown (a result form's sign, so that a
    // screen reader says it at once); without one, focus goes where Qt puts it.
    void setOpeningFocus(QWidget *control) { m_openingFocus = control; }
    // Has screen readers say the opening control once more while it holds the focus: a calendar
    // whose date changes announces its day as if it had taken the focus.
    void announceOpeningFocusAgain();

    // Selects the list entry with exactly this text; any other text leaves the list as it was.
    static void selectByText(QComboBox *list, const QString &text);

    void closeEvent(QCloseEvent *event) override;
    // Escape leaves the window; Enter on a focused push button presses it, as in a dialog:
    // outside one a button takes only Space.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fixSize();

    QList<QAction *> m_menuBarActions;
    QSize m_designSize;
    bool m_namedForScreenReaders = false;
    QWidget *m_spareHeight = nullptr;
    QWidget *m_openingFocus = nullptr;
    void fitHeightInto(const QMdiArea *area, QMdiSubWindow *sub);
};

#pragma once

#include <QWidget>

class FittingScrollArea;
class QAbstractButton;
class QAction;
class QComboBox;
class QMenu;
class QVBoxLayout;

// Base of every system window (input, result and report forms). A form builds its controls in
// its constructor; its system's window controller runs Form_Load once after construction and
// Form_Unload when the form is closed, just before it is destroyed. A form never opens or closes
// a window itself: it asks its controller through the signals below.
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

    // True while the form's window shows (inside the frame or on its own).
    bool isShownInFrame() const;
    // The promotion bands of the window show or give way: a window lower than it would be keeps
    // its room for what it is about.
    virtual void setPromotionShown(bool shown);
    // The control that takes the focus each time the form opens or comes back: a result form's
    // sign, so that a screen reader says it at once; an input form's first field.
    QWidget *openingFocus();

    // The size the window asks for: its design size, grown where its layout needs more (wrapping
    // texts take their height at that width). Where there is less room the body scrolls.
    QSize sizeHint() const override;

Q_SIGNALS:
    // The user leaves the window: its close box, Escape, Exit.
    void closeRequested();
    // The form has something to say to the user (a message about the entries) and shows first.
    void showRequested();
    // A result form's Back and Print.
    void backRequested();
    void reportRequested();

protected:
    // The window in two parts, top to bottom: the body, which scrolls where the window is lower
    // than its content, and the footer (the buttons and what stands below them), which stays
    // in sight. A form lays its content out in bodyColumn() and adds its button row to footer().
    QVBoxLayout *bodyColumn(int spacing, const QMargins &margins = {});
    QVBoxLayout *footer();
    // Inner size given in twips: the size the window asks for where its controls need no more.
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

    // Without an opening control the focus goes to the form's first stop for Tab.
    void setOpeningFocus(QWidget *control) { m_openingFocus = control; }
    // Enter on an option button, which has no use for it, presses button (the form's find), as
    // Enter in the form's boxes and lists does.
    void setEnterButton(QAbstractButton *button) { m_enterButton = button; }
    // Has screen readers say the opening control once more while it holds the focus: a calendar
    // whose date changes announces its day as if it had taken the focus.
    void announceOpeningFocusAgain();

    // Selects the list entry with exactly this text; any other text leaves the list as it was.
    static void selectByText(QComboBox *list, const QString &text);

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Escape leaves the window; Enter on a focused push button presses it, as in a dialog:
    // outside one a button takes only Space.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createParts();
    QWidget *body();
    // Once, when the form holds all its controls: names for screen readers, values made stops.
    void prepareForScreenReaders();

    QList<QAction *> m_menuBarActions;
    QSize m_designSize;
    bool m_namedForScreenReaders = false;
    QWidget *m_openingFocus = nullptr;
    QAbstractButton *m_enterButton = nullptr;
    FittingScrollArea *m_scroller = nullptr;
    QVBoxLayout *m_footer = nullptr;
};

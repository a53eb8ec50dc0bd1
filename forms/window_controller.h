#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class OrvoForm;
class QMdiArea;
class QWidget;

// Owns the windows of one system (its input, result and report forms) inside the frame's window
// area: it shows, hides and closes them, and places the focus once when one opens or comes back.
// Without an area (a test of one form, a benchmark) the forms are windows of their own.
class WindowController : public QObject
{
    Q_OBJECT
public:
    explicit WindowController(QMdiArea *area, QObject *parent = nullptr);
    ~WindowController() override;

    // Closes every window of this system; each is destroyed once the event loop runs and no
    // dialog waits for an answer (destroyWindowSafely).
    void closeWindows();
    // True while one of its windows is shown.
    bool isShowing() const;
    // Sizes its shown windows afresh for the area as it is now (the frame was resized).
    void refit();

Q_SIGNALS:
    // A window of this system was shown, hidden or closed.
    void windowsChanged();
    // The user closed the last shown window of this system (Exit, its close box, Escape).
    void closedByUser();

protected:
    // Runs the form's Form_Load and takes it into this system's windows; a close request of the
    // form closes all of them.
    void adopt(OrvoForm *form);
    // Shows the form (in the area from its first show on), makes it the active window and puts
    // the focus on focus, else on the form's opening control, else on its first stop for Tab.
    void present(OrvoForm *form, QWidget *focus = nullptr);
    void conceal(OrvoForm *form);
    // Runs the form's Form_Unload and closes its window; nothing when form is null.
    void dismiss(OrvoForm *form);
    // After the user's way out of a window: tells the frame when nothing of this system shows.
    void afterUserClose();
    // The form was dismissed: a controller that points to it lets go of it now, before the
    // event loop destroys it.
    virtual void released(OrvoForm *form) { Q_UNUSED(form); }

private:
    QPointer<QMdiArea> m_area;
    QList<QPointer<OrvoForm>> m_forms;
    // Closed windows of their own that the event loop has not destroyed yet.
    QList<QPointer<OrvoForm>> m_closing;
};

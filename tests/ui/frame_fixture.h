#pragma once

#include "app/system_forms.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class frmMDI;
class OrvoForm;
class QPushButton;
class ScriptedDialogs;

// What a user enters in an input form. An entry left empty (or 0) stays as the form has it; an
// entry the form does not ask for (the Australian form asks for the month only, a sex only the
// Chinese form and the overview) must stay empty.
struct Entries
{
    QString name{};   // the Celtic form: the first name(s), a blank, then the last name
    QString sex{};    // "Male" or "Female"
    int day = 0;
    int month = 0;
    int year = 0;
};

// The program as a widget test drives it: the test fonts, scripted dialogs and the frame shown;
// when it goes, every window closes and is destroyed. It reaches the forms and their controls by
// objectName only, so a test written on it does not depend on how a form builds its controls.
class FrameFixture
{
public:
    using System = systems::System;

    FrameFixture();
    ~FrameFixture();
    FrameFixture(const FrameFixture &) = delete;
    FrameFixture &operator=(const FrameFixture &) = delete;

    frmMDI *frame() const { return m_frame.get(); }
    ScriptedDialogs *dialogs() const { return m_dialogs.get(); }

    // Chooses the system with its button on the frame; its input form when that is shown.
    OrvoForm *open(System system);
    // Enters the entries in the system's loaded input form; false, with a warning that names
    // what is missing, when the form is not loaded or lacks a control or a list entry.
    bool fill(System system, const Entries &entries);
    // Presses the input form's find button; the result form when it is shown, else nullptr.
    OrvoForm *find(System system);
    // open, fill and find in one; nullptr when any step fails.
    OrvoForm *reading(System system, const Entries &entries);
    // Presses the result form's Print button; the report form when it is shown, else nullptr.
    OrvoForm *report(System system);
    // Presses the shown input form's Open button with the file dialog answering fileName (an
    // empty name cancels it); the result form when it is shown, else nullptr.
    OrvoForm *openSaved(System system, const QString &fileName);

    // Whether the frame shows its start panel.
    bool startPanelShown() const;
    // The objectNames of the system windows shown in the frame, in the order they were opened;
    // windows that exist but are hidden (an input form behind its result) are not among them.
    QStringList shownWindows() const;

    // The system's forms that exist, shown or hidden; nullptr for one that does not. The
    // overview has no report form.
    static OrvoForm *inputForm(System system);
    static OrvoForm *resultForm(System system);
    static OrvoForm *reportForm(System system);
    static OrvoForm *loadedForm(const QString &objectName);
    // Every system window there is, shown or out of sight, once closed ones are deleted.
    static QList<OrvoForm *> loadedForms();
    // The button that runs the find action on the system's loaded input form, or nullptr.
    static QPushButton *findButton(System system);
    // The birth date as the lists of the system's input form show it, day, month and year run
    // together: "5March1970".
    static QString dateShown(System system);

    // The control of this name and type in the widget; the test ends with a fatal error naming
    // it when there is none, as a test that no longer fits the forms can check nothing.
    template<class W>
    static W *control(const QWidget *widget, const QString &name)
    {
        W *found = widget ? widget->findChild<W *>(name) : nullptr;
        if (!found)
            missingControl(widget, name);
        return found;
    }
    // The text the control shows: a line edit's or label's text, a list's current entry, a
    // button's caption, a text box's plain text, a frame's title.
    static QString text(const QWidget *widget, const QString &name);
    // Whether the option button of this name is chosen.
    static bool isChecked(const QWidget *widget, const QString &name);
    // Clicks the button of this name; false when the widget has no such button or it is disabled.
    static bool click(const QWidget *widget, const QString &buttonName);
    // Triggers the window's menu entry of this name; false when it has none or it is disabled.
    static bool trigger(const QWidget *widget, const QString &actionName);
    // Closes the frame's window that holds form, as the window's close button does.
    static void closeWindow(QWidget *form);

    // Runs the deletions that unloading and closing windows leave for the event loop.
    static void flushDeletes();

private:
    [[noreturn]] static void missingControl(const QWidget *widget, const QString &name);

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMDI> m_frame;
};

// Base of a widget test whose every test function runs on a frame of its own: made before the
// function, gone after it. A test that prepares more declares its own init() and calls this one.
class FrameTestCase : public QObject
{
    Q_OBJECT
protected Q_SLOTS:
    void init() { ui = std::make_unique<FrameFixture>(); }
    void cleanup() { ui.reset(); }

protected:
    ScriptedDialogs *dialogs() const { return ui->dialogs(); }

    std::unique_ptr<FrameFixture> ui;
};

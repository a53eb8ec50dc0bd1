#pragma once

#include "forms/orvo_form.h"

#include <QPointer>

#include <functional>
#include <typeindex>

class QMdiArea;

// The program-wide accessor of the system forms: each form exists at most once, is created and
// loaded on first use, and unloading destroys it so that the next use starts afresh.
namespace forms {

namespace detail {
OrvoForm *find(std::type_index type);
OrvoForm *create(std::type_index type, const std::function<OrvoForm *()> &make);
void unloadType(std::type_index type);
} // namespace detail

// The frame's child-window area; forms are shown there (nullptr: shown as windows of their own).
void setMdiArea(QMdiArea *area);
QMdiArea *mdiArea();

// The form of type F, created and loaded (Form_Load) when it was not loaded.
template<class F>
F *get()
{
    if (OrvoForm *existing = detail::find(typeid(F)))
        return static_cast<F *>(existing);
    return static_cast<F *>(detail::create(typeid(F), [] { return new F; }));
}

template<class F>
bool isLoaded()
{
    return detail::find(typeid(F)) != nullptr;
}

// get<F>() and show it inside the frame.
template<class F>
F *show()
{
    F *form = get<F>();
    form->showForm();
    return form;
}

// Runs the form's Form_Unload and destroys it; does nothing when it is not loaded.
template<class F>
void unload()
{
    detail::unloadType(typeid(F));
}
void unload(OrvoForm *form);

// Emits FormRegistrySignals::formsChanged(), which the frame listens to.
void notifyFormsChanged();

// Every loaded form, in the order they were loaded.
QList<OrvoForm *> loadedForms();

// Unloads everything, also what an unload handler brings back (program exit).
void unloadAll();

} // namespace forms

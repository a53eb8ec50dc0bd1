#include "forms/form_registry.h"
#include "forms/form_registry_signals.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <vector>

namespace forms {
namespace {

struct Entry
{
    std::type_index type;
    QPointer<OrvoForm> form;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> list;
    return list;
}

QPointer<QMdiArea> &area()
{
    static QPointer<QMdiArea> pointer;
    return pointer;
}

void dropDeadEntries()
{
    auto &list = entries();
    std::erase_if(list, [](const Entry &entry) { return entry.form.isNull(); });
}

} // namespace

void setMdiArea(QMdiArea *mdi)
{
    area() = mdi;
}

QMdiArea *mdiArea()
{
    return area();
}

namespace detail {

OrvoForm *find(std::type_index type)
{
    dropDeadEntries();
    for (const Entry &entry : entries()) {
        if (entry.type == type)
            return entry.form;
    }
    return nullptr;
}

OrvoForm *create(std::type_index type, const std::function<OrvoForm *()> &make)
{
    OrvoForm *form = make();
    entries().push_back({type, form});
    form->Form_Load();
    return form;
}

void unloadType(std::type_index type)
{
    if (OrvoForm *form = find(type))
        unload(form);
}

} // namespace detail

void unload(OrvoForm *form)
{
    auto &list = entries();
    const auto it = std::find_if(list.begin(), list.end(), [form](const Entry &e) { return e.form == form; });
    if (!form || it == list.end())
        return;
    // Leave the registry first: the unload handler may show other forms, and a second unload
    // of the same form from inside it must do nothing.
    list.erase(it);
    Q_EMIT form->unloading();
    form->Form_Unload();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        sub->hide();
        if (QMdiArea *mdi = sub->mdiArea())
            mdi->removeSubWindow(sub);
        sub->deleteLater();
    } else {
        form->hide();
        form->deleteLater();
    }
    notifyFormsChanged();
}

void notifyFormsChanged()
{
    Q_EMIT FormRegistrySignals::instance().formsChanged();
}

QList<OrvoForm *> loadedForms()
{
    dropDeadEntries();
    QList<OrvoForm *> result;
    for (const Entry &entry : entries())
        result.append(entry.form);
    return result;
}

void unloadAll()
{
    // A report form brings its result form back when it closes; a few passes close those too.
    for (int pass = 0; pass < 5 && !loadedForms().isEmpty(); ++pass) {
        const QList<OrvoForm *> loaded = loadedForms();
        for (auto it = loaded.crbegin(); it != loaded.crend(); ++it)
            unload(*it);
    }
}

} // namespace forms

FormRegistrySignals &FormRegistrySignals::instance()
{
    static FormRegistrySignals registrySignals;
    return registrySignals;
}

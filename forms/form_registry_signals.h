#pragma once

#include <QObject>

// Tells the frame when the set of forms shown in it changes (a form loaded, shown, hidden or
// unloaded), so that it can put the active form's menus into its menu bar.
class FormRegistrySignals : public QObject
{
    Q_OBJECT
public:
    static FormRegistrySignals &instance();

Q_SIGNALS:
    void formsChanged();
};

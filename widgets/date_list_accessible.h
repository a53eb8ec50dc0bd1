#pragma once

#include <QAccessibleWidget>

class DateList;

// What assistive technology sees of a DateList: a combo box named by what it holds, whose
// description is the entry shown, whose children are the list of entries and, where it is
// editable, its edit field, and which opens its list
// on the Press and ShowMenu actions.
class DateListAccessible : public QAccessibleWidget
{
public:
    explicit DateListAccessible(DateList *list);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Installed once by the first DateList.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    DateList *list() const;
};

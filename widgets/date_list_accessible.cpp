#include "widgets/date_list_accessible.h"

#include "widgets/date_list.h"

#include <QAbstractItemView>
#include <QLineEdit>

DateListAccessible::DateListAccessible(DateList *list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

DateList *DateListAccessible::list() const
{
    return static_cast<DateList *>(widget());
}

QString DateListAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return list()->accessibleName();
    case QAccessible::Value:
    case QAccessible::Description:
        return list()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

int DateListAccessible::childCount() const
{
    return list()->lineEdit() ? 2 : 1;
}

QAccessibleInterface *DateListAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(list()->view());
    if (index == 1 && list()->lineEdit())
        return QAccessible::queryAccessibleInterface(list()->lineEdit());
    return nullptr;
}

int DateListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->object() == list()->view())
        return 0;
    return list()->lineEdit() && child->object() == list()->lineEdit() ? 1 : -1;
}

QStringList DateListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void DateListAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        list()->showPopup();
}

QAccessibleInterface *DateListAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("DateList") && object && object->isWidgetType())
        return new DateListAccessible(static_cast<DateList *>(object));
    return nullptr;
}

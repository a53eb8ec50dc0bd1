#include "widgets/date_list_accessible.h"

#include "widgets/date_list.h"

#include <QAbstractItemView>

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
    return 1;
}

QAccessibleInterface *DateListAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int DateListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
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

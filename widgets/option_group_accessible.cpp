#include "widgets/option_group_accessible.h"

#include "widgets/option_group.h"

#include <QLabel>

OptionGroupAccessible::OptionGroupAccessible(OptionGroup *group)
    : QAccessibleWidget(group, QAccessible::Grouping)
{
}

OptionGroup *OptionGroupAccessible::group() const
{
    return static_cast<OptionGroup *>(widget());
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>> OptionGroupAccessible::relations(QAccessible::Relation match) const
{
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> found = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Label) && group()->caption()) {
        if (QAccessibleInterface *caption = QAccessible::queryAccessibleInterface(group()->caption()))
            found.append({caption, QAccessible::Label});
    }
    return found;
}

QAccessibleInterface *OptionGroupAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("OptionGroup") && object && object->isWidgetType())
        return new OptionGroupAccessible(static_cast<OptionGroup *>(object));
    return nullptr;
}

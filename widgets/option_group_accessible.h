#pragma once

#include <QAccessibleWidget>

class OptionGroup;

// What assistive technology sees of an OptionGroup: a grouping named as the group is, labelled
// by its caption.
class OptionGroupAccessible : public QAccessibleWidget
{
public:
    explicit OptionGroupAccessible(OptionGroup *group);

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override;

    // Installed once by the first OptionGroup.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    OptionGroup *group() const;
};

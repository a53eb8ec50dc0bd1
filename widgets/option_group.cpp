#include "widgets/option_group.h"

#include "widgets/option_group_accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>

OptionGroup::OptionGroup(const QString &objectName, const QString &accessibleName, QLabel *caption, QWidget *parent)
    : QWidget(parent)
    , m_row(new QHBoxLayout(this))
    , m_caption(caption)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&OptionGroupAccessible::factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)

    setObjectName(objectName);
    setAccessibleName(accessibleName);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->addStretch(1);
}

void OptionGroup::addOption(QAbstractButton *option)
{
    option->setParent(this);
    m_row->insertWidget(m_row->count() - 1, option);
    option->show();
}

#include "widgets/date_list.h"

#include "widgets/date_list_accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>
#include <QKeyEvent>

DateList::DateList(const QString &objectName, const QString &accessibleName, QWidget *parent)
    : QComboBox(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&DateListAccessible::factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)

    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
    // A list of about fifteen rows that scrolls, rather than a popup as tall as the screen:
    // styles that place the popup over the list (Fusion) ignore maxVisibleItems otherwise.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(visibleRows);
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DateList::takeChosenEntry);
    connect(this, &QComboBox::currentIndexChanged, this, &DateList::announceValue);
}

void DateList::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !view()->isVisible() && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Q_EMIT entered();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DateList::takeChosenEntry()
{
    // With the popup open, the combo box itself takes the entry when the user confirms it.
    if (view()->isVisible())
        return;
    const QModelIndexList chosen = view()->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty())
        setCurrentIndex(chosen.constFirst().row());
}

void DateList::announceValue()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    QAccessibleValueChangeEvent valueEvent(this, currentText());
    QAccessible::updateAccessibility(&valueEvent);
}

#include "widgets/date_list.h"

#include "widgets/date_list_accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCompleter>
#include <QLineEdit>

#include <utility>
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
    if (enter && std::exchange(m_enterPicks, false)) {
        event->accept();   // it chose a suggestion; the next Enter finds
        if (completer())
            completer()->popup()->hide();
        return;
    }
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

void DateList::completeFromEntries()
{
    QStringList entries;
    for (int row = 0; row < count(); ++row)
        entries << itemText(row);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setAccessibleName(accessibleName());
    auto *completer = new QCompleter(entries, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    setCompleter(completer);
    completer->popup()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        // The completer filters its suggestions on the same edit; count them once it has.
        QMetaObject::invokeMethod(this, &DateList::describeSuggestions, Qt::QueuedConnection);
    });
    connect(completer, qOverload<const QString &>(&QCompleter::highlighted), this, [this, completer](const QString &entry) {
        describeEdit(tr("%1, %2 of %3").arg(entry).arg(completer->popup()->currentIndex().row() + 1).arg(completer->completionCount()));
    });
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
            [this](const QString &entry) { describeEdit(tr("%1 chosen").arg(entry)); });
}

bool DateList::eventFilter(QObject *watched, QEvent *event)
{
    if (completer() && watched == completer()->popup()) {
        if (event->type() == QEvent::Show)
            QMetaObject::invokeMethod(this, &DateList::describeSuggestions, Qt::QueuedConnection);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            // The completer hands the Enter that takes a suggestion on to the edit field as well.
            m_enterPicks = (key == Qt::Key_Return || key == Qt::Key_Enter) && completer()->popup()->currentIndex().isValid();
            if (m_enterPicks) {
                describeEdit(tr("%1 chosen").arg(completer()->popup()->currentIndex().data().toString()));
                QMetaObject::invokeMethod(this, [this] { m_enterPicks = false; }, Qt::QueuedConnection);
            }
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void DateList::describeSuggestions()
{
    if (!completer() || !completer()->popup()->isVisible())
        return;
    const int found = completer()->completionCount();
    describeEdit(found == 1 ? tr("1 suggestion, Down arrow to choose") : tr("%1 suggestions, Down arrow to choose").arg(found));
}

void DateList::describeEdit(const QString &text)
{
    QLineEdit *edit = lineEdit();
    if (!edit || edit->accessibleDescription() == text)
        return;
    edit->setAccessibleDescription(text);   // Qt tells assistive technology of the change
}

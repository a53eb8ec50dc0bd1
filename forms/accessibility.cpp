#include "forms/accessibility.h"

#include "widgets/link_label.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace accessibility {
namespace {

// "&&" shows one ampersand; a single "&" marks the mnemonic.
QString withoutMnemonics(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

bool isInputControl(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text().isEmpty();
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
           || qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
           || qobject_cast<const QCalendarWidget *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget);
}

// The parts a list, calendar or spin box is built of belong to it, and Qt names them.
bool isPartOfAnotherControl(const QWidget *widget, const QWidget *form)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget *up = widget->parentWidget(); up && up != form; up = up->parentWidget()) {
        if (isInputControl(up) || qobject_cast<const QAbstractButton *>(up))
            return true;
    }
    return false;
}

QString groupTitle(const QWidget *control, const QWidget *form)
{
    for (const QWidget *up = control->parentWidget(); up && up != form; up = up->parentWidget()) {
        if (auto *group = qobject_cast<const QGroupBox *>(up)) {
            const QString title = withoutMnemonics(group->title()).simplified();
            if (!title.isEmpty())
                return title;
        }
    }
    return {};
}

} // namespace

QString spokenText(const QLabel *label)
{
    QString text = label->text();
    if (Qt::mightBeRichText(text) && label->textFormat() != Qt::PlainText)
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    // Only a label with a buddy has a mnemonic; elsewhere "&" is shown as it stands.
    if (label->buddy())
        text = withoutMnemonics(text);
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('-')))
        text = text.chopped(1).trimmed();
    return text;
}

void nameInputControls(QWidget *form)
{
    QHash<const QWidget *, QString> buddyCaptions;
    for (const QLabel *label : form->findChildren<QLabel *>()) {
        if (label->buddy() && !qobject_cast<const LinkLabel *>(label) && !spokenText(label).isEmpty())
            buddyCaptions.insert(label->buddy(), spokenText(label));
    }
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (!control->accessibleName().isEmpty() || !isInputControl(control) || isPartOfAnotherControl(control, form))
            continue;
        QString name = buddyCaptions.value(control);
        if (name.isEmpty())
            name = groupTitle(control, form);
        if (name.isEmpty())
            name = control->toolTip();
        if (!name.isEmpty())
            control->setAccessibleName(name);
    }
}

void makeValuesReachable(QWidget *form)
{
    for (const QLabel *caption : form->findChildren<QLabel *>()) {
        if (auto *value = qobject_cast<QLabel *>(caption->buddy()); value && value->focusPolicy() == Qt::NoFocus)
            value->setFocusPolicy(Qt::TabFocus);
    }
}

void chainTabs(const QList<QWidget *> &stops)
{
    for (qsizetype index = 1; index < stops.size(); ++index)
        QWidget::setTabOrder(stops[index - 1], stops[index]);
}

} // namespace accessibility

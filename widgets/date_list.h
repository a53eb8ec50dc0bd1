#pragma once

#include <QComboBox>

// A list of days, months or years of birth, or of the hours, minutes and zones of a birth. A screen reader hears the list by its own name
// ("Month of birth") and its value, and can choose an entry through the list's items (their
// Toggle action), as screen readers and on-screen keyboards do; Qt's own combo box announces
// itself by its value only and ignores such a choice while its popup is closed.
class DateList : public QComboBox
{
    Q_OBJECT
public:
    DateList(const QString &objectName, const QString &accessibleName, QWidget *parent);

    // Makes the list editable, completing what is typed from any part of an entry, whatever its
    // case. The edit field bears the list's name; a screen reader hears how many suggestions
    // appear, the one highlighted, and the entry picked.
    void completeFromEntries();

    // The rows the open list shows at once; typing digits moves to the first entry they begin.
    static constexpr int visibleRows = 15;

Q_SIGNALS:
    // Enter or Return pressed on the closed list: the form runs its find action, as from the
    // name box.
    void entered();

protected:
    void keyPressEvent(QKeyEvent *event) override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeChosenEntry();
    void announceValue();
    void describeSuggestions();
    // The edit field's description, said by a screen reader when it changes.
    void describeEdit(const QString &text);

    bool m_enterPicks = false;   // the Enter on its way took a suggestion
};

#pragma once

#include <QComboBox>

// A list of days, months or years of birth. A screen reader hears the list by its own name
// ("Month of birth") and its value, and can choose an entry through the list's items (their
// Toggle action), as screen readers and on-screen keyboards do; Qt's own combo box announces
// itself by its value only and ignores such a choice while its popup is closed.
class DateList : public QComboBox
{
    Q_OBJECT
public:
    DateList(const QString &objectName, const QString &accessibleName, QWidget *parent);

    // The rows the open list shows at once; typing digits moves to the first entry they begin.
    static constexpr int visibleRows = 15;

Q_SIGNALS:
    // Enter or Return pressed on the closed list: the form runs its find action, as from the
    // name box.
    void entered();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void takeChosenEntry();
    void announceValue();
};

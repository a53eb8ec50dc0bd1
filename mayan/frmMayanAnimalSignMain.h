#pragma once

#include "forms/sign_input_form.h"
#include "mayan/mayan_reading.h"

class QAction;

// The Mayan input form: name and birth date, then "Find My Mayan Animal Sign".
class frmMayanAnimalSignMain : public SignInputForm
{
    Q_OBJECT
public:
    frmMayanAnimalSignMain();

    void Form_Load() override;

    // The entries show person and the find command runs on it: true when its result form shows
    // the reading; otherwise the problem is told and this form shows, filled.
    bool openReading(const mayan::Person &person);
    bool openSavedFields(const QStringList &fields) override;

Q_SIGNALS:
    void found(const mayan::Reading &reading);

protected:
    bool findFromEntries() override;
    QWidget *entryOf(InputProblem problem) const override;

private:
    QComboBox *cboDate;
    QComboBox *cboYear;
    QAction *mnuFind;
    QAction *mnuExit;

    void createControls();
    void createMenus();
    void connectSignals();

    mayan::Person personOfEntries() const;
    void showPerson(const mayan::Person &person);
    bool find(const mayan::Person &person);
};

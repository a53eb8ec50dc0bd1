#pragma once

#include "forms/SignInputForm.h"

class QAction;

// The Mayan input form: name and birth date, then "Find My Mayan Animal Sign".
class frmMayanAnimalSignMain : public SignInputForm
{
    Q_OBJECT
public:
    frmMayanAnimalSignMain();

    void Form_Load() override;

    // False after telling the user what is wrong; the name is checked first.
    bool ValidateMayanInput();

    QComboBox *cboDate;
    QComboBox *cboYear;
    QAction *mnuFind;
    QAction *mnuExit;

protected:
    bool validateInput() override { return ValidateMayanInput(); }
    void showReading() override;
    int savedLineCount() const override { return 4; }
    void applySavedFields(const QStringList &fields) override;

private:
    void createControls();
    void createMenus();
    void connectSignals();
};

#pragma once

#include "forms/orvo_form.h"

class LinkLabel;
class PromotionBand;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Celtic input form: names and birth date, then "Get My Celtic Animal Birth Sign".
class frmCelticAnimalBirthSignMain : public OrvoForm
{
    Q_OBJECT
public:
    frmCelticAnimalBirthSignMain();

    void Form_Load() override;
    void Form_Unload() override;

    // The get-sign action of Command1 and mnuAstro.
    void Command1_Click();
    // False after telling the user what is wrong.
    bool validateInput();

    LinkLabel *Label61;
    QLabel *Label5;
    QGroupBox *fraDetails;
    QGroupBox *fraNameAndDate;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLineEdit *txtFName;
    QLineEdit *txtMName;
    QLineEdit *txtlName;
    QComboBox *cmbDate;
    QComboBox *cmbMonth;
    QComboBox *cmbYear;
    QPushButton *Command1;
    PromotionBand *fraBottom;
    QAction *mnuAstro;
    QAction *mnuExit;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectSignals();
};

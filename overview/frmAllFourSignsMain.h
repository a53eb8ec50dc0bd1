#pragma once

#include "forms/orvo_form.h"

#include <array>

class LinkLabel;
class PromotionBand;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The input form of the overview: a name, a birth date and (optionally) the sex, then the four
// signs of that date side by side.
class frmAllFourSignsMain : public OrvoForm
{
    Q_OBJECT
public:
    frmAllFourSignsMain();

    void Form_Load() override;
    void Form_Unload() override;

    // The checks, then the overview; this form hides and keeps its entries for Back.
    void cmdProceed_Click();
    // False after telling the user what is wrong; the name is checked first.
    bool validateInput();

    LinkLabel *Label61;
    QLabel *Label3;
    QGroupBox *fraDetails;
    QLabel *Label1;
    QLineEdit *txtName;
    QLabel *Label2;
    QComboBox *cboDate;
    QComboBox *cboMonth;
    QComboBox *cboYear;
    QLabel *Label4;
    std::array<QRadioButton *, 2> optSex{};   // 0 "Male", 1 "Female"; neither is fine here
    QPushButton *cmdProceed;
    PromotionBand *fraFullBrand;
    QAction *mnuShow;
    QAction *mnuExit;

private:
    void createControls();
    void arrangeControls();
    void createMenus();
    void connectSignals();
};

#pragma once

#include "common/input_problem.h"
#include "forms/orvo_form.h"
#include "overview/full_reading.h"

#include <QDate>

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

    // The years the lists offer.
    static constexpr int FirstYear = 1900;
    static constexpr int LastYear = 2100;

    // The checks, then the person handed on (found) for the overview.
    void cmdProceed_Click();
    // The birth date of the entries, or the first problem after telling the user about it (focus
    // on the entry it is about): the name, then a day, month and year chosen, then a real date.
    Checked<QDate> checkedEntries();
    // Fills the entries from person and shows its overview, as Find would (Back from a full reading).
    void showOverview(const fullReading::Person &person);

Q_SIGNALS:
    void found(const fullReading::Person &person);

private:
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

    void createControls();
    void arrangeControls();
    void createMenus();
    void connectSignals();
};

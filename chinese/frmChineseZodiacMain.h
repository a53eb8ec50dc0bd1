#pragma once

#include "chinese/chinese_calendar.h"
#include "forms/orvo_form.h"

#include <array>

class LinkLabel;
class PromotionBand;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Chinese input form: name, sex and birth date, then Proceed; or a saved record opened again.
class frmChineseZodiacMain : public OrvoForm
{
    Q_OBJECT
public:
    frmChineseZodiacMain();

    void Form_Load() override;
    void Form_Unload() override;

    // Checks the entries, computes the reading by the chosen year start and shows it in the
    // result form.
    void cmdProceed_Click();
    // Reads a saved ".str" record into the entries and proceeds with it.
    void cmdOpen_Click();
    // Fills the entries from the fields of a saved record (the year start too) and proceeds; what
    // Open does after reading the file, also for records that come from elsewhere.
    void openReading(const QStringList &fields);

    chinese::YearStart yearStart() const;
    // Selects the choice on the form only: the user's preference stays as it was.
    void setYearStart(chinese::YearStart start);
    // False after telling the user what is wrong (and moving the focus to the entry at fault).
    bool validateInput();
    // Copies the animal's and the element's records into the program's Chinese reading.
    void ChineseZodiacDescription(const QString &element, const QString &animal);

    LinkLabel *Label14;
    LinkLabel *Label3;
    QGroupBox *fraDetails;
    QLabel *Label1;
    QLineEdit *txtName;
    QLabel *Label2;
    QComboBox *cboDate;
    QComboBox *cboMonth;
    QComboBox *cboYear;
    QLabel *Label5;
    std::array<QRadioButton *, 2> optSex{};   // 0 "Male", 1 "Female"
    QPushButton *cmdProceed;
    QGroupBox *fraYearStart;
    std::array<QRadioButton *, 2> optYearStart{};   // 0 Chinese New Year, 1 Start of Spring
    QPushButton *cmdOpen;
    PromotionBand *fraFullBrand;

private:
    void createControls();
    void createYearStart();
    void connectSignals();
};

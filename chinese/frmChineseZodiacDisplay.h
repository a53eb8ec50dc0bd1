#pragma once

#include "chinese/chinese_zodiac.h"
#include "forms/orvo_form.h"

class LinkLabel;
class PromotionBand;
class QAction;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// The Chinese result form: the person, the animal and element of their Chinese year with the
// year's span, the birth date on a month calendar and the animal's record.
class frmChineseZodiacDisplay : public OrvoForm
{
    Q_OBJECT
public:
    frmChineseZodiacDisplay();

    // Keeps reading as this form's own and shows it; its report is made from it.
    void showReading(const chinese::Reading &reading);
    const chinese::Reading &reading() const { return m_reading; }

    void cmdBack_Click();
    void cmdExit_Click();
    void cmdPrint_Click();
    // Saves the coming lunar birthdays as an iCalendar file through the save dialog.
    void cmdCalendar_Click();

private:
    LinkLabel *Label14;
    QGroupBox *fraStarUserDetails;
    QLabel *lblName;
    QLabel *Label1;
    QLabel *lblChineseSign;
    QLabel *Label13;
    QLabel *lblChineseElement;
    QLabel *lblChineseYear;   // "Year of the Wood Rat:" and the year's first and last day
    QLabel *lblYearStart;     // which beginning of the year found it
    QTextEdit *txtChineseElement;
    QLabel *lblDOBDesc;
    QCalendarWidget *MV;
    QGroupBox *fraStarUserSignDetails;
    QLineEdit *txtRulingPlanet;
    QTextEdit *txtPositiveTraits;
    QTextEdit *txtNegativeTraits;
    QLineEdit *txtLuckyColor;
    QLineEdit *txtGemStone;
    QLineEdit *txtEnergy;
    QLineEdit *txtLuckySeason;
    QLineEdit *txtLuckyMonth;
    QLineEdit *txtMostCompSign;
    QLineEdit *txtLeastCompSign;
    QTextEdit *txtFamousPersons;
    QPushButton *cmdPrint;
    QPushButton *cmdExit;
    QPushButton *cmdBack;
    QPushButton *cmdCalendar;   // only for a reading with a Chinese date
    QGroupBox *fraDepth;
    QTextEdit *txtDepth;        // the Chinese date, the pillars, birthdays and the years ahead
    PromotionBand *fraFullBrand;
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

    void createControls();
    void createDetails();
    void createSignDetails();
    void createDepth();
    void showDepth();
    void createMenus();
    void connectSignals();
    void showName(const QString &titledName);

    chinese::Reading m_reading;
};

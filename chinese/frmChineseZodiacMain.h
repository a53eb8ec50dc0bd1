#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/chinese_zodiac.h"
#include "forms/orvo_form.h"

#include <QStringList>

#include <array>
#include <optional>

class DateList;
class LinkLabel;
class PromotionBand;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TraditionBox;

// The Chinese input form: name, birth date and sex, then Proceed; or a saved record opened again.
class frmChineseZodiacMain : public OrvoForm
{
    Q_OBJECT
public:
    frmChineseZodiacMain();

    void Form_Load() override;

    // Checks the entries and hands on (found) their reading by the chosen year start.
    void cmdProceed_Click();
    // Asks for a saved ".str" record and opens it.
    void cmdOpen_Click();
    // Fills the entries from person and start and hands on their reading, as Proceed does. The year start is chosen on the form only: the user's preference stays as it
    // was. On a problem: its message, this form shown with the entries filled, and false.
    bool openReading(const chinese::Person &person, chinese::YearStart start);
    // The same with the time and place of birth (its date is the person's) in the entries.
    bool openReading(const chinese::Person &person, chinese::YearStart start, const chinese::BirthMoment &birth);
    // Fills the entries from person, whose sex is not known, and start, and asks for the sex in the
    // window (a line above the details, the sex choice focused) rather than in a message: one
    // choice and Enter or Proceed show the reading.
    void askForSex(const chinese::Person &person, chinese::YearStart start);
    // Opens the lines of a saved record (openReading); a damaged record gets "Please Check The
    // File." and leaves the entries as they were.
    bool openSavedReading(const QStringList &fields);

    // The person as the entries hold them.
    chinese::Person person() const;
    chinese::YearStart yearStart() const;
    // The time and place as the entries hold them, dated the person's birth date; nothing, with
    // problem set, for a zone or longitude that cannot be read.
    std::optional<chinese::BirthMoment> birthMoment(chinese::BirthProblem &problem) const;
    chinese::DayStart dayStart() const;
    // Selects the choice on the form only: the user's preference stays as it was.
    void setYearStart(chinese::YearStart start);
    chinese::Tradition tradition() const;
    // The same for the tradition the animal years are counted in.
    void setTradition(chinese::Tradition tradition);

Q_SIGNALS:
    void found(const chinese::Reading &reading);

private:
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
    QLabel *lblSexPrompt = nullptr;   // made when first needed
    std::array<QRadioButton *, 2> optSex{};   // 0 "Male", 1 "Female"
    QPushButton *cmdProceed;
    QGroupBox *fraYearStart;
    std::array<QRadioButton *, 2> optYearStart{};   // 0 Chinese New Year, 1 Start of Spring
    TraditionBox *fraTradition;
    QGroupBox *fraBirth;
    QLabel *lblTime;
    DateList *cboHour;     // "" (no time), "00" .. "23"
    DateList *cboMinute;   // "" (on the hour), "00" .. "59"
    QLabel *lblZone;
    DateList *cboZone;     // editable; completes on any part of a zone's name
    QLabel *lblLongitude;
    QLineEdit *txtLongitude;
    QLabel *lblDayStart;
    std::array<QRadioButton *, 2> optDayStart{};   // 0 midnight, 1 23:00
    QPushButton *cmdOpen;
    PromotionBand *fraFullBrand;

    void createControls();
    void createDetails();
    void createYearStart();
    void createBirth();
    void fillBirth(const chinese::BirthMoment &birth);
    void showBirthProblem(chinese::BirthProblem problem, const chinese::BirthMoment &birth);
    void connectSignals();
    void fillEntries(const chinese::Person &person);
    // The reading of person shown in the result form; false after telling the user what is wrong.
    bool proceed(const chinese::Person &person, chinese::YearStart start);
};

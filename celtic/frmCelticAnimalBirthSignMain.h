#pragma once

#include "forms/orvo_form.h"

#include "celtic/celtic_reading.h"

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

    // The get-sign action of Command1 and mnuAstro: the reading of the entries, or the message
    // about the first problem.
    void Command1_Click();
    // Fills the entries from person and runs the get-sign action on it. True: the reading was
    // found. False: the message was shown over this form, shown with the entries filled (a birth
    // year the list does not hold leaves the year list as it was).
    bool openReading(const celtic::Person &person);

Q_SIGNALS:
    void found(const celtic::Reading &reading);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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

    void createControls();
    void arrangeControls();
    void createMenus();
    void connectSignals();
    void keepNameRule(QLineEdit *box);

    celtic::Person enteredPerson() const;
    void fillEntries(const celtic::Person &person);
    bool showReadingOf(const celtic::Person &person);
    void reportProblem(InputProblem problem);
};

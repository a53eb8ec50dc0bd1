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
    void Form_Unload() override;
    // The size the window is held at (its design grown to what its layout needs), so that the
    // frame's sub-window takes it as it is.
    QSize sizeHint() const override { return minimumSize(); }

    // The get-sign action of Command1 and mnuAstro: the reading of the entries, or the message
    // about the first problem.
    void Command1_Click();
    // Fills the entries from person and runs the get-sign action on it. True: its result form
    // is shown. False: the message was shown over this form, shown with the entries filled
    // (a birth year the list does not hold leaves the year list as it was).
    bool openReading(const celtic::Person &person);

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
    void arrangeControls();
    void createMenus();
    void connectSignals();
    void keepNameRule(QLineEdit *box);

    celtic::Person enteredPerson() const;
    void fillEntries(const celtic::Person &person);
    bool showReadingOf(const celtic::Person &person);
    void reportProblem(InputProblem problem);
};

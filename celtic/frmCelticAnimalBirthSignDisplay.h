#pragma once

#include "forms/orvo_form.h"

#include "celtic/celtic_reading.h"

class LinkLabel;
class PromotionBand;
class ProtectedTextEdit;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

// The Celtic result form: the sign's name, picture and record of the reading it holds.
class frmCelticAnimalBirthSignDisplay : public OrvoForm
{
    Q_OBJECT
public:
    frmCelticAnimalBirthSignDisplay();

    // Keeps its own copy of reading and writes the sign's name, picture and record fields.
    void showReading(const celtic::Reading &reading);
    // The reading shown; an empty one (no names, no date, empty fields) before the first.
    const celtic::Reading &reading() const { return m_reading; }

    void cmdBack_Click();
    void cmdPrint_Click();

private:
    LinkLabel *Label61;
    QGroupBox *fraResult;
    QLabel *lblCelticBirthAnimalSign;
    QLabel *lblGaelicName;
    QLabel *lblBirthstone;
    QLabel *lblRulingPlanet;
    QLabel *lblMagickalAbilties;
    QLabel *lblKeywords;
    QLabel *lblCompatibility;
    QLabel *lblName;
    QLabel *picCelticAnimal;
    QLabel *Label13;
    ProtectedTextEdit *txtCharacterstic;
    QPushButton *cmdPrint;
    QPushButton *cmdBack;
    PromotionBand *fraBottom;
    QAction *mnuBack;
    QAction *mnuExit;

    void createControls();
    void arrangeControls();
    void createMenus();
    void connectSignals();

    QGroupBox *fraUpper;
    QGroupBox *fraMiddle;
    // The caption labels beside their values, top to bottom.
    QList<QLabel *> m_captions;
    celtic::Reading m_reading;
};

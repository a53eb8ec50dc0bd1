#pragma once

#include "forms/orvo_form.h"

#include "celtic/celtic_signs.h"

class LinkLabel;
class PromotionBand;
class ProtectedTextEdit;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

// The Celtic result form: the sign's name, picture and record.
class frmCelticAnimalBirthSignDisplay : public OrvoForm
{
    Q_OBJECT
public:
    frmCelticAnimalBirthSignDisplay();

    void Form_Load() override;
    void Form_Unload() override;

    // Writes the sign's name, picture and all eight record fields.
    void showSign(const celtic::CalendarRow &row);
    void applyRecord(const QString &sign);

    void cmdBack_Click();
    void cmdPrint_Click();

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

private:
    void createControls();
    void createMenus();
    void connectSignals();
};

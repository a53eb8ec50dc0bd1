#pragma once

#include "forms/orvo_form.h"
#include "overview/two_people.h"

#include <array>

class TraditionBox;
class LinkLabel;
class PromotionBand;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The input form of Two People: a name and a birth date for each of two people, then how their
// Chinese signs stand to each other. Index 0 of every array is the first person, 1 the second.
class frmTwoPeopleMain : public OrvoForm
{
    Q_OBJECT
public:
    frmTwoPeopleMain();

    void Form_Load() override;

    // The checks, then the match of the two handed on (found).
    void cmdFind_Click();

Q_SIGNALS:
    void found(const TwoPeople &match);

private:
    LinkLabel *Label61;
    QLabel *Label3;
    std::array<QGroupBox *, 2> fraPerson{};
    std::array<QLabel *, 2> lblName{};
    std::array<QLineEdit *, 2> txtName{};
    std::array<QLabel *, 2> lblBirthDate{};
    std::array<QComboBox *, 2> cboDate{};
    std::array<QComboBox *, 2> cboMonth{};
    std::array<QComboBox *, 2> cboYear{};
    QLabel *lblYearStart;
    TraditionBox *fraTradition;
    QPushButton *cmdFind;
    PromotionBand *fraFullBrand;
    QAction *mnuFind;
    QAction *mnuExit;

    void createControls();
    void createPerson(int person);
    void arrangeControls();
    void createMenus();
    void connectSignals();
};

#pragma once

#include "forms/orvo_form.h"
#include "overview/two_people.h"

#include <QList>

#include <array>

class LinkLabel;
class PromotionBand;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The result form of Two People: both people's animals and elements with their pictures, every
// relation the tradition sees between the two animals, the elements' relation and the summary.
// Index 0 of the person arrays is the first person, 1 the second.
class frmTwoPeopleDisplay : public OrvoForm
{
    Q_OBJECT
public:
    frmTwoPeopleDisplay();

    // Takes its own copy of the match and shows it; the report is made from that copy.
    void showReading(const TwoPeople &match);
    const TwoPeople &reading() const { return m_match; }

    // Opens the report of this match.
    void cmdPrint_Click();
    // Back to the input form, which still holds the entries.
    void cmdBack_Click();
    void cmdExit_Click();

private:
    LinkLabel *Label61;
    QLabel *lblHeading;
    std::array<QGroupBox *, 2> fraPerson{};
    std::array<QLabel *, 2> imgAnimal{};
    std::array<QLabel *, 2> lblSign{};
    std::array<QLabel *, 2> imgElement{};
    std::array<QLabel *, 2> lblElement{};
    std::array<QLabel *, 2> lblDetail{};
    QGroupBox *fraRelations;
    // One title ("Six Harmony (六合)") and one explanation per relation shown, in order.
    QList<QLabel *> lblRelation;
    QList<QLabel *> lblExplanation;
    QGroupBox *fraElements;
    QLabel *lblElementRelation;
    QLabel *lblElementExplanation;
    QGroupBox *fraSummary;
    QLabel *lblSummary;
    QPushButton *cmdPrint;
    QPushButton *cmdBack;
    QPushButton *cmdExit;
    PromotionBand *fraFullBrand;
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

    void createControls();
    void createPerson(int person);
    void arrangeControls();
    void orderTabs();
    void createMenus();
    void connectSignals();
    void showRelations();

    QVBoxLayout *m_relationRows = nullptr;
    TwoPeople m_match;
};

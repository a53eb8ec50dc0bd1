#pragma once

#include "forms/orvo_form.h"
#include "overview/four_signs.h"
#include "overview/full_reading.h"
#include "report/report_printing.h"

#include <array>
#include <memory>

class TraditionBox;
class LinkLabel;
class PromotionBand;
class QAction;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTextDocument;

// The overview: the four signs of one birth date, one tile per system, each with the way to
// that system's full reading; Print puts the four on one page, which the preview shows and
// Save as PDF writes.
class frmAllFourSignsDisplay : public OrvoForm
{
    Q_OBJECT
public:
    // The tiles are numbered as the frame numbers the systems.
    enum Tile { Australian = 0, Celtic = 1, Chinese = 2, Mayan = 3 };

    frmAllFourSignsDisplay();

    // Fills the tiles with the four signs of person, counting the Chinese year from the start
    // last chosen; call before the form is first shown (Back closes it, so every overview is laid
    // out for its own texts).
    void showReading(const fullReading::Person &person);
    const fullReading::Person &reading() const { return m_person; }

    // Back to the input form, which still holds the entries.
    void cmdBack_Click();
    void cmdExit_Click();
    void cmdPrint_Click();
    void cmdPreview_Click();
    void cmdSavePdf_Click();
    // Asks to leave the overview for that system's own result form.
    void cmdFullReading_Click(int tile);
    // Counts the Chinese tile's year in another tradition, and keeps that choice.
    void traditionChosen(chinese::Tradition tradition);

    // The page Print prints.
    std::unique_ptr<QTextDocument> printedPage() const;

Q_SIGNALS:
    void fullReadingRequested(int tile);

private:
    LinkLabel *Label61;
    QLabel *lblHeading;
    std::array<QGroupBox *, 4> fraSystem{};
    std::array<QLabel *, 4> imgSign{};
    std::array<QLabel *, 4> lblSign{};
    std::array<QLabel *, 4> lblDetail{};
    std::array<QLabel *, 4> lblSummary{};
    std::array<QPushButton *, 4> cmdFullReading{};
    TraditionBox *fraTradition = nullptr;   // on the Chinese tile
    QPushButton *cmdPrint;
    QPushButton *cmdPreview;
    QPushButton *cmdSavePdf;
    QPushButton *cmdBack;
    QPushButton *cmdExit;
    PromotionBand *fraFullBrand;

    reportPrinting::RunningHead runningHead() const;
    // Prints the page on printer; tells the user when the pages did not arrive.
    void printOn(QPrinter &printer);
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

    void createControls();
    void createTile(int tile, const QString &system, const QColor &background);
    void createMenus();
    void connectSignals();
    void arrangeControls();

    fullReading::Person m_person;
    FourSigns m_signs;
};

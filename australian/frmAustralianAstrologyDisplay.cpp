#include "australian/frmAustralianAstrologyDisplay.h"

#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "australian/modAustralianAstrology.h"
#include "forms/form_registry.h"
#include "widgets/promotion_band.h"
#include "widgets/look.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor orange(255, 128, 0);
const QColor yellow(255, 255, 0);

} // namespace

frmAustralianAstrologyDisplay::frmAustralianAstrologyDisplay()
    : SignResultForm({QStringLiteral("frmAustralianAstrologyDisplay"), QStringLiteral("Orvo Australian Astrology"),
                      QStringLiteral("Orvo Australian Astrology Result"), 8175, 4230, QColor(0, 64, 0), false})
{
    createControls();
}

void frmAustralianAstrologyDisplay::createControls()
{
    lblLabel[0] = addCaptionLabel(QStringLiteral("lblLabel_0"), QStringLiteral("Sun Sign"), orange, 240, 420);
    const int valueLeft = (lblLabel[0]->geometry().right() + 1) * 15 + 240;

    // The longest animal decides the width, so that no name in capitals is cut off.
    QStringList descriptions;
    QString longestAnimal;
    for (const australian::AustralianSignRow &row : australian::LoadAustralianSignTable()) {
        descriptions.append(row.description);
        if (row.animal.size() > longestAnimal.size())
            longestAnimal = row.animal.toUpper();
    }
    lblResult[0] = addValueLabel(QStringLiteral("lblResult_0"), look::verdana(9.75, true), yellow, valueLeft, 390,
                                 8175 - 240 - valueLeft, 300);
    lblResult[0]->resize(std::max(lblResult[0]->width(), lblResult[0]->fontMetrics().horizontalAdvance(longestAnimal) + 4),
                         lblResult[0]->height());
    lblLabel[0]->move(lblLabel[0]->x(), lblResult[0]->geometry().center().y() - lblLabel[0]->height() / 2);

    lblResult[1] = addWrappingLabel(QStringLiteral("lblResult_1"), orange, 210, 0, 7755, 1755, descriptions);
    lblResult[1]->move(lblResult[1]->x(), lblResult[0]->geometry().bottom() + 1 + twips::toPixels(180));

    arrangeControls();

    // Print and Exit exist but are switched off and lie below the window's visible area.
    mnuPrint->setEnabled(false);
    for (QPushButton *push : {cmdPrint, cmdExit}) {
        push->setEnabled(false);
        push->setFocusPolicy(Qt::NoFocus);
        push->move(push->x(), fraFullBrand->geometry().bottom() + twips::toPixels(600));
        push->hide();
    }
}

void frmAustralianAstrologyDisplay::showSign(const australian::AustralianSignRow &row)
{
    lblResult[0]->setText(row.animal.toUpper());
    lblResult[1]->setText(row.description);
}

void frmAustralianAstrologyDisplay::showInputForm()
{
    forms::show<frmAustralianAstrologyMain>();
}

void frmAustralianAstrologyDisplay::showReportForm()
{
    forms::show<frmAustralianAstrologySave>();
}

void ShowAustralianSign(const QString &animal)
{
    const auto row = australian::findSignRow(animal);
    if (!row)
        return;
    forms::get<frmAustralianAstrologyDisplay>()->showSign(*row);
}

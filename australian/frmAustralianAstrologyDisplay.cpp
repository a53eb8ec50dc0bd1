#include "australian/frmAustralianAstrologyDisplay.h"

#include "widgets/longest_text_label.h"
#include "widgets/look.h"

#include <QGridLayout>
#include <QLabel>

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
    QStringList animals;
    QStringList descriptions;
    for (const australian::AustralianSignRow &row : australian::LoadAustralianSignTable()) {
        animals.append(row.animal.toUpper());
        descriptions.append(row.description);
    }
    lblLabel[0] = makeCaptionLabel(QStringLiteral("lblLabel_0"), QStringLiteral("Sun Sign"), orange);
    lblResult[0] = makeLongestTextLabel(QStringLiteral("lblResult_0"), look::verdana(9.75, true), yellow, animals, false);
    lblResult[1] = makeLongestTextLabel(QStringLiteral("lblResult_1"), look::verdana(8.25), orange, descriptions, true);

    lblLabel[0]->setBuddy(lblResult[0]);
    lblResult[1]->setFocusPolicy(Qt::TabFocus);
    setOpeningFocus(lblResult[0]);

    resultRows()->addWidget(lblLabel[0], 0, 0);
    resultRows()->addWidget(lblResult[0], 0, 1);
    addBelowRows(lblResult[1], twips::toPixels(180));
}

void frmAustralianAstrologyDisplay::showReading(const australian::Reading &reading)
{
    m_reading = reading;
    showSign(reading.sign);
}

void frmAustralianAstrologyDisplay::showSign(const australian::AustralianSignRow &row)
{
    lblResult[0]->setText(row.animal.toUpper());
    lblResult[1]->setText(row.description);
}

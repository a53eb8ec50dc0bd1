#include "mayan/frmMayanAnimalSignDisplay.h"

#include "widgets/longest_text_label.h"
#include "widgets/look.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

const QColor lightOrange(255, 192, 128);
const QColor yellow(255, 255, 0);
const QColor lightYellow(255, 255, 192);

constexpr int pictureSize = 2055;   // twips; the pictures are up to 137 x 136 pixels

} // namespace

frmMayanAnimalSignDisplay::frmMayanAnimalSignDisplay()
    : SignResultForm({QStringLiteral("frmMayanAnimalSignDisplay"), QStringLiteral("Orvo Mayan Animal Sign"),
                      QStringLiteral("Orvo Mayan Animal Sign Result"), 9240, 5655, QColor(0, 128, 0), true})
{
    createControls();
}

void frmMayanAnimalSignDisplay::createControls()
{
    const char *captions[] = {"Mayan Animal Moon Sign", "English Name", "Crystal", "Interpretation"};
    for (int i = 0; i < 4; ++i)
        lblLabel[i] = makeCaptionLabel(QStringLiteral("lblLabel_%1").arg(i), QLatin1String(captions[i]), lightOrange);
    lblResult[0] = makeValueLabel(QStringLiteral("lblResult_0"), look::verdana(14.25, true), yellow);
    lblResult[1] = makeValueLabel(QStringLiteral("lblResult_1"), look::verdana(8.25), lightYellow);
    lblResult[2] = makeValueLabel(QStringLiteral("lblResult_2"), look::verdana(8.25), lightYellow);
    QStringList interpretations;
    for (const mayan::MayanSignRow &row : mayan::LoadMayanSignTable())
        interpretations.append(row.interpretation);
    lblResult[3] = makeLongestTextLabel(QStringLiteral("lblResult_3"), look::verdana(8.25), lightYellow, interpretations,
                                        true);

    for (int i = 0; i < 4; ++i)
        lblLabel[i]->setBuddy(lblResult[i]);
    setOpeningFocus(lblResult[0]);

    imgAnimalPics = new QLabel(fraStarUserSignDetails);
    imgAnimalPics->setObjectName(QStringLiteral("imgAnimalPics"));
    imgAnimalPics->setAlignment(Qt::AlignCenter);
    imgAnimalPics->setFixedSize(twips::toPixels(pictureSize), twips::toPixels(pictureSize));

    // Three captions with their values beside the picture, the fourth caption at the picture's
    // foot; its value, the interpretation, wraps across the frame below.
    QGridLayout *rows = resultRows();
    for (int i = 0; i < 3; ++i) {
        rows->addWidget(lblLabel[i], i, 0);
        rows->addWidget(lblResult[i], i, 1);
    }
    rows->addWidget(lblLabel[3], 3, 0, Qt::AlignBottom);
    rows->addWidget(imgAnimalPics, 0, 2, 4, 1, Qt::AlignTop);
    rows->setRowStretch(3, 1);
    addBelowRows(lblResult[3], twips::windowMargin);
}

void frmMayanAnimalSignDisplay::showReading(const mayan::Reading &reading)
{
    m_reading = reading;
    showSign(reading.sign);
}

void frmMayanAnimalSignDisplay::showSign(const mayan::MayanSignRow &row)
{
    lblResult[0]->setText(row.mayanName);
    lblResult[1]->setText(row.englishName);
    lblResult[2]->setText(row.crystal);
    lblResult[3]->setText(row.interpretation);
    imgAnimalPics->setPixmap(QPixmap(mayan::picturePath(row.picture)));
    imgAnimalPics->setAccessibleName(row.mayanName);
}

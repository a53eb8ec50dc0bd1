#include "mayan/frmMayanAnimalSignDisplay.h"

#include "forms/form_registry.h"
#include "widgets/look.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "mayan/modMayanAnimalMoonSign.h"

#include <QGroupBox>
#include <QLabel>

namespace {

const QColor lightOrange(255, 192, 128);
const QColor yellow(255, 255, 0);
const QColor lightYellow(255, 255, 192);

// Twips inside the result frame.
constexpr int captionLeft = 240;
constexpr int pictureSize = 2055;   // the pictures are up to 137 x 136 pixels

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
    const int rowTops[] = {390, 870, 1260, 1650};
    int valueLeft = 0;
    for (int i = 0; i < 4; ++i) {
        lblLabel[i] = addCaptionLabel(QStringLiteral("lblLabel_%1").arg(i), QLatin1String(captions[i]), lightOrange,
                                      captionLeft, rowTops[i]);
        valueLeft = std::max(valueLeft, lblLabel[i]->geometry().right() + 1);
    }
    const int frameWidth = 9240;
    const int pictureLeft = frameWidth - 120 - pictureSize;
    const int valueLeftTwips = valueLeft * 15 + 180;

    imgAnimalPics = new QLabel(fraStarUserSignDetails);
    imgAnimalPics->setObjectName(QStringLiteral("imgAnimalPics"));
    imgAnimalPics->setAlignment(Qt::AlignCenter);
    imgAnimalPics->setGeometry(twips::toPixels(pictureLeft), twips::toPixels(300), twips::toPixels(pictureSize),
                               twips::toPixels(pictureSize));

    const int valueWidth = pictureLeft - 120 - valueLeftTwips;
    lblResult[0] = addValueLabel(QStringLiteral("lblResult_0"), look::verdana(14.25, true), yellow, valueLeftTwips,
                                 rowTops[0] - 90, valueWidth, 420);
    lblResult[1] = addValueLabel(QStringLiteral("lblResult_1"), look::verdana(8.25), lightYellow, valueLeftTwips,
                                 rowTops[1], valueWidth, 255);
    lblResult[2] = addValueLabel(QStringLiteral("lblResult_2"), look::verdana(8.25), lightYellow, valueLeftTwips,
                                 rowTops[2], valueWidth, 255);
    for (int i = 0; i < 3; ++i)
        lblLabel[i]->move(lblLabel[i]->x(), lblResult[i]->geometry().center().y() - lblLabel[i]->height() / 2);

    // The interpretation wraps in a wide label below the picture, its caption just above it.
    QStringList interpretations;
    for (const mayan::MayanSignRow &row : mayan::LoadMayanSignTable())
        interpretations.append(row.interpretation);
    lblResult[3] = addWrappingLabel(QStringLiteral("lblResult_3"), lightYellow, 120, 0, 8955, 1875, interpretations);
    const int wideTop = std::max(imgAnimalPics->geometry().bottom(), lblResult[2]->geometry().bottom()) + 4;
    lblLabel[3]->move(lblLabel[3]->x(), std::max(lblLabel[3]->y(), wideTop - lblLabel[3]->height()));
    lblResult[3]->move(lblResult[3]->x(), lblLabel[3]->geometry().bottom() + 1 + 4);

    arrangeControls();
}

void frmMayanAnimalSignDisplay::showSign(const mayan::MayanSignRow &row)
{
    lblResult[0]->setText(row.mayanName);
    lblResult[1]->setText(row.englishName);
    lblResult[2]->setText(row.crystal);
    lblResult[3]->setText(row.interpretation);
    imgAnimalPics->setPixmap(QPixmap(mayan::picturePath(row.picture)));
}

void frmMayanAnimalSignDisplay::showInputForm()
{
    forms::show<frmMayanAnimalSignMain>();
}

void frmMayanAnimalSignDisplay::showReportForm()
{
    forms::show<frmMayanAnimalSignSave>();
}

void ShowMayanSign(const QString &mayanName)
{
    const auto row = mayan::findSignRow(mayanName);
    if (!row)
        return;
    forms::get<frmMayanAnimalSignDisplay>()->showSign(*row);
}

#include "widgets/promotion_band.h"

#include "common/program_texts.h"
#include "widgets/link_label.h"
#include "widgets/look.h"

#include <QVBoxLayout>

PromotionBand::PromotionBand(QWidget *parent)
    : QFrame(parent)
    , lblCobrand(new LinkLabel(QStringLiteral("lblCobrand"), texts::coBrandText(), modHelp::Page::CoBrand, this))
    , lblFullBrand(new LinkLabel(QStringLiteral("lblFullBrand"), texts::fullBrandText(), modHelp::Page::FullBrand, this))
{
    setObjectName(QStringLiteral("fraFullBrand"));
    setFrameShape(QFrame::Box);
    look::setColours(this, Qt::black, QColor(192, 255, 255));
    auto *labels = new QVBoxLayout(this);
    labels->setContentsMargins(5, 3, 5, 3);   // inside the one-pixel box: 6 and 4 from the edge
    labels->setSpacing(4);
    for (QLabel *label : {static_cast<QLabel *>(lblCobrand), static_cast<QLabel *>(lblFullBrand)}) {
        label->setWordWrap(true);
        look::setForeground(label, QColor(0, 0, 128));
        labels->addWidget(label);
    }
    look::setForeground(lblFullBrand, QColor(128, 0, 0));
}

int PromotionBand::arrange(int widthTwips)
{
    const int width = twips::toPixels(widthTwips);
    const int height = heightForWidth(width);
    resize(width, height);
    return height;
}

#include "widgets/promotion_band.h"

#include "common/program_texts.h"
#include "widgets/link_label.h"
#include "widgets/look.h"

PromotionBand::PromotionBand(QWidget *parent)
    : QFrame(parent)
    , lblCobrand(new LinkLabel(QStringLiteral("lblCobrand"), texts::coBrandText(), modHelp::Page::CoBrand, this))
    , lblFullBrand(new LinkLabel(QStringLiteral("lblFullBrand"), texts::fullBrandText(), modHelp::Page::FullBrand, this))
{
    setObjectName(QStringLiteral("fraFullBrand"));
    setFrameShape(QFrame::Box);
    look::setColours(this, Qt::black, QColor(192, 255, 255));
    for (QLabel *label : {static_cast<QLabel *>(lblCobrand), static_cast<QLabel *>(lblFullBrand)}) {
        label->setWordWrap(true);
        look::setForeground(label, QColor(0, 0, 128));
    }
    look::setForeground(lblFullBrand, QColor(128, 0, 0));
}

int PromotionBand::arrange(int widthTwips)
{
    const int height = arrangeLabels(twips::toPixels(widthTwips));
    resize(twips::toPixels(widthTwips), height);
    return height;
}

int PromotionBand::arrangeLabels(int width)
{
    const int inner = width - 12;
    int y = 4;
    for (QLabel *label : {static_cast<QLabel *>(lblCobrand), static_cast<QLabel *>(lblFullBrand)}) {
        const int h = label->heightForWidth(inner);
        label->setGeometry(6, y, inner, h);
        y += h + 4;
    }
    return y;
}

void PromotionBand::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    arrangeLabels(width());
}

#pragma once

#include <QFrame>

class LinkLabel;

// The promotion band of the system windows: `fraFullBrand` holding `lblCobrand` and `lblFullBrand`,
// one under the other, wrapping to the band's width.
class PromotionBand : public QFrame
{
    Q_OBJECT
public:
    explicit PromotionBand(QWidget *parent);

    // For a band placed by hand: sizes it to the given width in twips, as high as its labels
    // need there; returns that height in pixels. A band in a layout needs none of this.
    int arrange(int widthTwips);

private:
    LinkLabel *lblCobrand;
    LinkLabel *lblFullBrand;
};

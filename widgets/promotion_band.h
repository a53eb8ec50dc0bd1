#pragma once

#include <QFrame>

class LinkLabel;

// The promotion band of the system windows: `fraFullBrand` holding `lblCobrand` and `lblFullBrand`.
class PromotionBand : public QFrame
{
    Q_OBJECT
public:
    explicit PromotionBand(QWidget *parent);

    // Lays the two labels out for a band of the given width in twips; returns the height used in pixels.
    int arrange(int widthTwips);

    LinkLabel *lblCobrand;
    LinkLabel *lblFullBrand;

protected:
    // A band made wider (its window grew) wraps its labels to the new width.
    void resizeEvent(QResizeEvent *event) override;

private:
    int arrangeLabels(int width);
};

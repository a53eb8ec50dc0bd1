#include "chinese/form_size.h"

#include "widgets/promotion_band.h"

#include <QLayout>
#include <QWidget>

namespace chinese {

void fitToLayout(QWidget *form, QSize designSize, PromotionBand *band)
{
    constexpr int twipsPerPixel = 15;
    form->ensurePolished();   // measured as the style draws them
    QLayout *outline = form->layout();
    outline->invalidate();
    const int width = std::max(designSize.width(), outline->totalMinimumSize().width());
    const QMargins margins = outline->contentsMargins();
    band->setFixedHeight(band->arrange((width - margins.left() - margins.right()) * twipsPerPixel));
    const int needed = outline->hasHeightForWidth() ? outline->totalHeightForWidth(width) : outline->totalSizeHint().height();
    const int height = std::max(designSize.height(), needed);
    form->setMinimumSize(width, height);
    form->resize(width, height);
    // A hidden widget lays its children out only when it is shown; the frames are laid out here.
    outline->activate();
    for (QWidget *child : form->findChildren<QWidget *>()) {
        if (child->layout())
            child->layout()->activate();
    }
}

} // namespace chinese

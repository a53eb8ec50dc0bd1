#pragma once

#include <QSize>

class PromotionBand;
class QWidget;

namespace chinese {

// Gives form, which stands on a layout, its design size, grown where the controls need more room
// at that width (fonts differ from system to system), and lays out every layout in it at once,
// so that the controls have their sizes before the window is first shown. The promotion band
// takes the height its labels need across the window. The result is the form's minimum size.
void fitToLayout(QWidget *form, QSize designSize, PromotionBand *band);

} // namespace chinese

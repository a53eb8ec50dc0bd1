#include "app/start_panel.h"

#include "app/frmMDI.h"

namespace startPanel {

void show()
{
    if (frmMDI *frame = frmMDI::instance())
        frame->setStartPanelVisible(true);
}

void hide()
{
    if (frmMDI *frame = frmMDI::instance())
        frame->setStartPanelVisible(false);
}

bool isVisible()
{
    frmMDI *frame = frmMDI::instance();
    return frame && frame->isStartPanelVisible();
}

} // namespace startPanel

#include "forms/start_panel.h"

namespace startPanel {

namespace {
std::function<void(bool)> ownerSetVisible;
std::function<bool()> ownerVisible;
} // namespace

void setOwner(std::function<void(bool)> setVisible, std::function<bool()> visible)
{
    ownerSetVisible = std::move(setVisible);
    ownerVisible = std::move(visible);
}

void show()
{
    if (ownerSetVisible)
        ownerSetVisible(true);
}

void hide()
{
    if (ownerSetVisible)
        ownerSetVisible(false);
}

bool isVisible()
{
    return ownerVisible && ownerVisible();
}

} // namespace startPanel

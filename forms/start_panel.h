#pragma once

#include <functional>

// The frame's start panel (`picMain`), shown while no system window is in use. The frame that
// owns the panel registers itself; without one these do nothing.
namespace startPanel {

void show();
void hide();
bool isVisible();

// The frame's side: how to show or hide the panel and tell whether it shows. Empty functions
// unregister the frame.
void setOwner(std::function<void(bool)> setVisible, std::function<bool()> visible);

} // namespace startPanel

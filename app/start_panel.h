#pragma once

// The frame's start panel (`picMain`), shown while no system window is in use. Without a
// running frame these do nothing.
namespace startPanel {

void show();
void hide();
bool isVisible();

} // namespace startPanel

#pragma once

#include <QSettings>

#include <memory>

// The user's settings of this program, kept where the platform keeps them (on Linux
// ~/.config/orvo/orvo.ini). A missing or damaged file reads as the defaults.
namespace programSettings {

std::unique_ptr<QSettings> open();

} // namespace programSettings

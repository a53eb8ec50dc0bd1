#pragma once

#include <QSettings>
#include <QSize>

#include <memory>

// The user's settings of this program, kept where the platform keeps them (on Linux
// ~/.config/orvo/orvo.ini). A missing or damaged file reads as the defaults.
namespace programSettings {

// The settings file's name; it may be a symbolic link (to a dotfiles folder, say), which is
// followed and kept.
QString fileName();

// Settings read from and written to fileName() only while that is a regular file or missing.
// Anything else there (a FIFO, which would block the first read for ever, a device, a folder)
// is left alone: the settings then start as the defaults and are not written, without a word.
std::unique_ptr<QSettings> open();

// The size kept under key; an empty size where none is kept or the value is damaged (not a
// size, or not positive). The caller still fits it to the screen.
QSize size(const QString &key);
void setSize(const QString &key, const QSize &size);

} // namespace programSettings

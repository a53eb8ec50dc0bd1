#include "common/program_settings.h"

namespace programSettings {

std::unique_ptr<QSettings> open()
{
    // Named here rather than through the application's names, so that every part of the program
    // (and the command line, which has no such names set) reads the same file.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("orvo"),
                                       QStringLiteral("orvo"));
}

} // namespace programSettings

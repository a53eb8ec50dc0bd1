#include "common/program_settings.h"

namespace programSettings {

std::unique_ptr<QSettings> open()
{
    // Named here rather than through the application's names, so that every part of the program
    // (and the command line, which has no such names set) reads the same file.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("orvo"),
                                       QStringLiteral("orvo"));
}

QSize size(const QString &key)
{
    const QVariant value = open()->value(key);
    const QSize kept = value.typeId() == QMetaType::QSize ? value.toSize() : QSize();
    return kept.width() > 0 && kept.height() > 0 ? kept : QSize();
}

void setSize(const QString &key, const QSize &size)
{
    open()->setValue(key, size);
}

} // namespace programSettings

#include "common/program_settings.h"

#include "common/file_saving.h"

#include <QStandardPaths>

namespace programSettings {

QString fileName()
{
    // Where QSettings keeps the user's INI settings of organisation and application "orvo", named
    // here rather than through the application's names, so that every part of the program (and
    // the command line, which has no such names set) reads the same file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/orvo/orvo.ini");
}

std::unique_ptr<QSettings> open()
{
    const QString file = fileName();
    // QSettings reads the file as it is made and later renames a new one over it: only a regular
    // file (or none) may be handed to it. Without a name it keeps the settings in memory alone.
    if (!fileSaving::isSaveTarget(file))
        return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
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

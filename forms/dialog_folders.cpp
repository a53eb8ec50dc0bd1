#include "forms/dialog_folders.h"

#include "common/program_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dialogFolders {
namespace {

QString settingsKey(const QString &extension)
{
    return QStringLiteral("Folders/") + extension.toLower();
}

QString fallback()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

QString last(const QString &extension)
{
    // A value of another type (a damaged or hand-edited file) reads as an empty text.
    const QString folder = programSettings::open()->value(settingsKey(extension)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback();
}

void remember(const QString &extension, const QString &fileName)
{
    programSettings::open()->setValue(settingsKey(extension), QFileInfo(fileName).absolutePath());
}

} // namespace dialogFolders

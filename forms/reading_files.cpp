#include "forms/reading_files.h"

#include "common/program_texts.h"
#include "common/saved_reading.h"
#include "forms/dialog_folders.h"
#include "forms/dialog_service.h"
#include "forms/save_dialog.h"

#include <QDir>

namespace readingFiles {

Kind zodiacSigns()
{
    return {QStringLiteral("Save Your Zodiac Signs Result ...."), QStringLiteral("Orvo Free Zodiac Signs (*.zod)"),
            QStringLiteral("zod")};
}

Kind chineseAstrology()
{
    return {QStringLiteral("Save Your Chinese Zodiac Result ...."),
            QStringLiteral("Orvo Free Chinese Astrology (*.str)"), QStringLiteral("str")};
}

void save(QWidget *parent, const Kind &kind, const QStringList &fields, const QString &suggestedName)
{
    DialogService::FileRequest request;
    request.fileName = suggestedName;
    request.title = kind.saveTitle;
    request.filter = kind.filter;
    request.defaultSuffix = kind.extension;
    saveDialog::save(parent, request, [&fields](const QString &fileName) { return savedReading::writeFile(fileName, fields); });
}

std::optional<QStringList> open(QWidget *parent, const Kind &kind)
{
    DialogService::FileRequest request;
    request.title = QStringLiteral("Select the source file");
    request.filter = kind.filter;
    request.defaultSuffix = kind.extension;
    request.mustExist = true;
    request.directory = dialogFolders::last(kind.extension);
    const QString fileName = DialogService::current().openFileName(parent, request);
    if (fileName.isEmpty())
        return std::nullopt;
    std::optional<QStringList> fields = read(parent, fileName, kind);
    if (fields)
        dialogFolders::remember(kind.extension, fileName);
    return fields;
}

std::optional<QStringList> read(QWidget *parent, const QString &fileName, const Kind &kind)
{
    // The name after the first line break keeps the message plain text.
    switch (savedReading::find(fileName)) {
    case savedReading::Found::Nothing:
        showMessage(parent, QStringLiteral("This file does not exist:\n\n%1").arg(QDir::toNativeSeparators(fileName)),
                    DialogService::Icon::Error);
        return std::nullopt;
    case savedReading::Found::OtherKind:
        showMessage(parent,
                    QStringLiteral("This is not a saved reading file:\n\n%1").arg(QDir::toNativeSeparators(fileName)),
                    DialogService::Icon::Error);
        return std::nullopt;
    case savedReading::Found::RegularFile:
        break;
    }
    std::optional<QStringList> fields;
    if (savedReading::hasExtension(fileName, kind.extension))
        fields = savedReading::readFile(fileName);
    if (!fields)
        showMessage(parent, texts::checkTheFile(), DialogService::Icon::Error);
    return fields;
}

} // namespace readingFiles

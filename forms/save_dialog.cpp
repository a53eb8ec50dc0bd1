#include "forms/save_dialog.h"

#include "common/program_texts.h"
#include "forms/dialog_folders.h"

#include <QFileInfo>

namespace saveDialog {

bool save(QWidget *parent, DialogService::FileRequest request, const std::function<bool(const QString &)> &write)
{
    const QString kind = request.defaultSuffix;
    request.confirmOverwrite = true;
    request.directory = dialogFolders::last(kind);
    QString fileName = DialogService::current().saveFileName(parent, request);
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + kind;
    if (!write(fileName)) {
        showMessage(parent, texts::couldNotSave(), DialogService::Icon::Error);
        return false;
    }
    dialogFolders::remember(kind, fileName);
    return true;
}

} // namespace saveDialog

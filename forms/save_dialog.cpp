#include "forms/save_dialog.h"

#include "common/program_texts.h"
#include "forms/dialog_folders.h"
#include "forms/save_notice.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBoundaryFinder>

namespace saveDialog {

bool save(QWidget *parent, DialogService::FileRequest request,
          const std::function<fileSaving::Result(const QString &)> &write, const QString &openCaption)
{
    const QString kind = request.defaultSuffix;
    request.confirmOverwrite = true;
    request.directory = dialogFolders::last(kind);
    QString fileName = DialogService::current().saveFileName(parent, request);
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + kind;
    if (const fileSaving::Result written = write(fileName); !written) {
        showMessage(parent, failureMessage(written), DialogService::Icon::Error);
        return false;
    }
    dialogFolders::remember(kind, fileName);
    saveNotice::show(parent, fileName, openCaption);
    return true;
}

QString failureMessage(const fileSaving::Result &failure)
{
    return failure.reason.isEmpty() ? texts::couldNotSave() : texts::couldNotSave() + QLatin1Char('\n') + failure.reason;
}

QString suggestedName(const QString &personName, const QString &systemName, const QString &extension)
{
    // Most file systems allow 255 bytes in a name; a save first writes "<name>.XXXXXX".
    constexpr qsizetype nameBytes = 255 - 7;
    QString name = personName.simplified();
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || QStringView(u"/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    const QString file = systemName + QLatin1Char('.') + extension;
    const QString separator = QStringLiteral(" - ");
    const qsizetype room = nameBytes - QFile::encodeName(separator + file).size();
    if (QFile::encodeName(name).size() > room) {
        // Cut where a character ends, so that no emoji or accented letter is split.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
        qsizetype fits = 0;
        for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) {
            if (QFile::encodeName(name.left(end)).size() > room)
                break;
            fits = end;
        }
        name.truncate(fits);
    }
    // A name of dots alone would name a folder; a name ending in a dot is refused elsewhere.
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    name = name.trimmed();
    return name.isEmpty() ? file : name + separator + file;
}

} // namespace saveDialog

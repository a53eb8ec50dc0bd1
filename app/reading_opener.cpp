#include "app/reading_opener.h"

#include "app/frmMDI.h"
#include "app/system_forms.h"
#include "chinese/chinese_zodiac.h"
#include "common/native_file_name.h"
#include "common/saved_reading.h"
#include "forms/dialog_folders.h"
#include "forms/dialog_service.h"
#include "forms/reading_files.h"

#include <QApplication>
#include <QDir>

#include <utility>

#include <cerrno>
#include <sys/stat.h>

namespace {

// How often a request waiting for a dialog to close looks again.
constexpr int retryMs = 200;

bool holdsMayanDate(const QStringList &fields)
{
    return !fields.value(2).isEmpty() || !fields.value(3).isEmpty();
}

} // namespace

ReadingOpener::ReadingOpener(frmMDI *frame)
    : QObject(frame)
    , m_frame(frame)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &ReadingOpener::openWaiting);
}

void ReadingOpener::request(const QString &fileName)
{
    if (m_waiting.size() < MaxWaiting)
        m_waiting.append(fileName);
    bringFrameToFront();
    if (!m_retry.isActive())
        m_retry.start(0);
}

void ReadingOpener::openWaiting()
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        m_retry.start(retryMs);
        return;
    }
    if (m_waiting.isEmpty())
        return;
    open(m_waiting.takeFirst());
    // The next one once this one's messages are closed, from the event loop again.
    if (!m_waiting.isEmpty())
        m_retry.start(0);
}

void ReadingOpener::chooseAndOpen()
{
    // The folder of the last reading opened this way; the file's own kind remembers it too, so
    // that its system's Open button starts there as well.
    const QString anyReading = QStringLiteral("reading");
    const readingFiles::Kind chinese = readingFiles::chineseAstrology();
    const readingFiles::Kind zodiac = readingFiles::zodiacSigns();
    DialogService::FileRequest request;
    request.title = QStringLiteral("Select the source file");
    request.filter = QStringLiteral("Orvo Saved Readings (*.%1 *.%2);;%3;;%4")
                         .arg(chinese.extension, zodiac.extension, chinese.filter, zodiac.filter);
    request.mustExist = true;
    request.directory = dialogFolders::last(anyReading);
    const QString fileName = DialogService::current().openFileName(m_frame, request);
    if (fileName.isEmpty() || !open(fileName))
        return;
    dialogFolders::remember(anyReading, fileName);
    const bool isChinese = savedReading::hasExtension(fileName, chinese.extension);
    dialogFolders::remember(isChinese ? chinese.extension : zodiac.extension, fileName);
}

bool ReadingOpener::open(const QString &fileName)
{
    struct stat status = {};
    if (::stat(nativeFileName::encode(fileName).constData(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        // The name after the first line break keeps the message plain text.
        showMessage(m_frame, QStringLiteral("This file does not exist:\n\n%1").arg(QDir::toNativeSeparators(fileName)),
                    DialogService::Icon::Error);
        return false;
    }
    const bool chinese = savedReading::hasExtension(fileName, readingFiles::chineseAstrology().extension);
    const readingFiles::Kind kind = chinese ? readingFiles::chineseAstrology() : readingFiles::zodiacSigns();
    const std::optional<QStringList> fields =
        readingFiles::read(m_frame, fileName, kind, chinese ? chinese::SavedLineCount : MaxLineCount);
    if (!fields)
        return false;

    const systems::System system = chinese                    ? systems::System::Chinese
                                   : holdsMayanDate(*fields) ? systems::System::Mayan
                                                             : systems::System::Australian;
    m_frame->openSavedFields(system, *fields);
    return true;
}

void ReadingOpener::bringFrameToFront()
{
    m_frame->setWindowState((m_frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_frame->raise();
    m_frame->activateWindow();
}

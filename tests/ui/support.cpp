#include "ui/support.h"

#include "common/program_settings.h"
#include "common/program_texts.h"

#include <QDesktopServices>
#include <QFont>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>

ScriptedDialogs::ScriptedDialogs()
{
    DialogService::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    DialogService::install(nullptr);
}

void ScriptedDialogs::message(QWidget *, const QString &text, Icon icon)
{
    messages.append({text, icon, texts::programTitle()});
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList result;
    for (const Message &m : messages)
        result.append(m.text);
    return result;
}

QString ScriptedDialogs::saveFileName(QWidget *, const FileRequest &request)
{
    fileRequests.append(request);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedDialogs::openFileName(QWidget *, const FileRequest &request)
{
    fileRequests.append(request);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

bool ScriptedDialogs::choosePrinter(QWidget *, QPrinter &printer, bool offerSelection)
{
    printDialogOffers.append(offerSelection);
    if (pdfOutput.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfOutput);
    printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
    return true;
}

std::unique_ptr<QPrinter> ScriptedDialogs::defaultPrinter()
{
    if (pdfOutput.isEmpty() || !hasDefaultPrinter)
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfOutput);
    return printer;
}

void ScriptedDialogs::printPreview(QWidget *, const QString &title, const std::function<void(QPrinter &)> &paint)
{
    ++previewsShown;
    previewTitles << title;
    if (previewPdfOutput.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previewPdfOutput);
    paint(printer);
}

OpenedPages::OpenedPages()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

OpenedPages::~OpenedPages()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void OpenedPages::open(const QUrl &url)
{
    urls.append(url);
}

QString pdfText(const QString &pdfFile)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutBlanks(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.normalized(QString::NormalizationForm_KC).remove(blanks);
}

QString pdfBodyText(const QString &pdfFile)
{
    QStringList body;
    for (const PdfPage &page : pdfPages(pdfFile)) {
        for (qsizetype i = 1; i + 1 < page.lines.size(); ++i)
            body.append(page.lines.at(i).text);
    }
    return body.join(QLatin1Char('\n'));
}

QList<PdfPage> pdfPages(const QString &pdfFile)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QList<PdfPage> pages;
    QXmlStreamReader xml(process.readAllStandardOutput());
    auto number = [&xml](const char *name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page"))
            pages.append({QSizeF(number("width"), number("height")), {}});
        else if (xml.name() == QLatin1String("line") && !pages.isEmpty())
            pages.last().lines.append({{}, QRectF(QPointF(number("xMin"), number("yMin")),
                                                  QPointF(number("xMax"), number("yMax")))});
        else if (xml.name() == QLatin1String("word") && !pages.isEmpty() && !pages.last().lines.isEmpty())
            pages.last().lines.last().text += (pages.last().lines.last().text.isEmpty() ? QString() : QStringLiteral(" "))
                                              + xml.readElementText();
    }
    for (PdfPage &page : pages)
        std::stable_sort(page.lines.begin(), page.lines.end(), [](auto &a, auto &b) { return a.box.top() < b.box.top(); });
    return pages;
}

void installTestFonts()
{
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
}

bool useOwnSettings()
{
    static QTemporaryDir fallback;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(fallback.path()));
    return programSettings::open()->fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + QLatin1Char('/'));
}

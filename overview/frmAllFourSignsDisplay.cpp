#include "overview/frmAllFourSignsDisplay.h"
#include "overview/overview_look.h"

#include "chinese/calendar/year_start.h"
#include "overview/four_signs.h"
#include "common/program_texts.h"
#include "forms/accessibility.h"
#include "forms/dialog_service.h"
#include "forms/save_dialog.h"
#include "report/report_printing.h"
#include "chinese/tradition_box.h"
#include "widgets/link_label.h"
#include "widgets/promotion_band.h"
#include "widgets/look.h"
#include "overview/tile_texts.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>

namespace {

using namespace overviewLook;

constexpr int designWidth = 12300;   // twips
constexpr int tileWidth = 392;       // pixels
constexpr int pictureSize = 136;     // pixels: the largest sign picture of any system

struct TileLook
{
    int tile;
    int row;
    int column;
    QColor background;
    const char *system;   // as a screen reader says it before the sign
};

// Left to right and top to bottom in the order of the frame's button row; each tile in its
// system's window colour.
const TileLook tileLooks[] = {
    {frmAllFourSignsDisplay::Chinese, 0, 0, QColor(128, 0, 0), "Chinese"},
    {frmAllFourSignsDisplay::Mayan, 0, 1, QColor(0, 128, 0), "Mayan"},
    {frmAllFourSignsDisplay::Celtic, 1, 0, QColor(83, 55, 104), "Celtic"},
    {frmAllFourSignsDisplay::Australian, 1, 1, QColor(0, 64, 0), "Australian"},
};

// Plain text in the page's markup, its line breaks kept as the tile on screen shows them.
QString asHtml(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

QString heading(const fullReading::Person &person, const QDate &birthDate)
{
    return QStringLiteral("The four signs of %1, born %2").arg(person.name, overview::dayMonthYear(birthDate));
}

} // namespace

frmAllFourSignsDisplay::frmAllFourSignsDisplay()
    : OrvoForm(QStringLiteral("frmAllFourSignsDisplay"), windowTitleFor(QStringLiteral("Orvo All Four Signs"), WindowKind::Result), designWidth, 7200)
{
    look::setBackground(this, navy());
    createControls();
    arrangeControls();
    createMenus();
    connectSignals();
}

void frmAllFourSignsDisplay::createControls()
{
    Label61 = LinkLabel::createForumStrip(this);
    lblHeading = makeLabel(QStringLiteral("lblHeading"), look::verdana(12, true), lightYellow(), this);
    lblHeading->setAlignment(Qt::AlignCenter);

    createTile(Australian, QStringLiteral("Australian Astrology"), tileLooks[3].background);
    createTile(Celtic, QStringLiteral("Celtic Animal Birth Sign"), tileLooks[2].background);
    createTile(Chinese, QStringLiteral("Chinese Zodiac"), tileLooks[0].background);
    createTile(Mayan, QStringLiteral("Mayan Animal Sign"), tileLooks[1].background);

    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print"), this);
    cmdPreview = makeButton(QStringLiteral("cmdPreview"), QStringLiteral("Print Pre&view..."), this);
    cmdSavePdf = makeButton(QStringLiteral("cmdSavePdf"), QStringLiteral("Save as P&DF..."), this);
    cmdBack = makeButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), this);
    cmdExit = makeButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), this);

    fraFullBrand = new PromotionBand(this);
}

void frmAllFourSignsDisplay::createTile(int tile, const QString &system, const QColor &background)
{
    auto *frame = new QGroupBox(system, this);
    frame->setObjectName(QStringLiteral("fraSystem_%1").arg(tile));
    frame->setFont(look::verdana(9, true));
    look::setColours(frame, Qt::white, background);
    // As wide as designed where there is room; narrower, its texts wrap.
    frame->setMaximumWidth(tileWidth);
    frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto *picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("imgSign_%1").arg(tile));
    picture->setFixedSize(pictureSize, pictureSize);
    picture->setAlignment(Qt::AlignCenter);

    lblSign[tile] = makeLabel(QStringLiteral("lblSign_%1").arg(tile), look::verdana(11, true), lightYellow(), frame);
    lblDetail[tile] = makeLabel(QStringLiteral("lblDetail_%1").arg(tile), look::verdana(8.25, true), QColor(192, 255, 255), frame);
    lblSummary[tile] = makeLabel(QStringLiteral("lblSummary_%1").arg(tile), look::verdana(8.25), Qt::white, frame);
    // The sign is the tile's one stop: a screen reader says the detail and summary with it.
    lblDetail[tile]->setFocusPolicy(Qt::NoFocus);
    lblSummary[tile]->setFocusPolicy(Qt::NoFocus);
    cmdFullReading[tile] = makeButton(QStringLiteral("cmdFullReading_%1").arg(tile), QStringLiteral("Full Reading"), frame);
    cmdFullReading[tile]->setAccessibleName(QStringLiteral("Full Reading: %1").arg(system));

    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(2 * gap);
    grid->setVerticalSpacing(gap);
    grid->addWidget(picture, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(lblSign[tile], 0, 1);
    grid->addWidget(lblDetail[tile], 1, 1);
    grid->addWidget(lblSummary[tile], 2, 1);
    grid->setRowStretch(2, 1);
    if (tile == Chinese) {
        fraTradition = new TraditionBox(frame);
        fraTradition->setFont(look::verdana(8.25));
        fraTradition->setLabelColour(QColor(192, 255, 255));
        grid->addWidget(fraTradition, 3, 1);
    }
    grid->addWidget(cmdFullReading[tile], 4, 1, Qt::AlignRight | Qt::AlignBottom);

    fraSystem[tile] = frame;
    imgSign[tile] = picture;
}

void frmAllFourSignsDisplay::createMenus()
{
    const ResultMenu menu = addResultMenus();
    mnuPrint = menu.print;
    mnuBack = menu.back;
    mnuExit = menu.exit;
}

void frmAllFourSignsDisplay::connectSignals()
{
    connect(cmdPrint, &QPushButton::clicked, this, &frmAllFourSignsDisplay::cmdPrint_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmAllFourSignsDisplay::cmdPreview_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmAllFourSignsDisplay::cmdSavePdf_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmAllFourSignsDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmAllFourSignsDisplay::cmdExit_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmAllFourSignsDisplay::cmdPrint_Click);
    connect(mnuBack, &QAction::triggered, this, &frmAllFourSignsDisplay::cmdBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmAllFourSignsDisplay::cmdExit_Click);
    for (int tile = 0; tile < int(cmdFullReading.size()); ++tile)
        connect(cmdFullReading[tile], &QPushButton::clicked, this, [this, tile] { cmdFullReading_Click(tile); });
    connect(fraTradition, &TraditionBox::chosen, this, &frmAllFourSignsDisplay::traditionChosen);
}

void frmAllFourSignsDisplay::showReading(const fullReading::Person &person)
{
    fraTradition->setTradition(chinese::preferredTradition());
    const std::optional<FourSigns> signs =
        overview::fourSigns(person.birthDate, chinese::preferredYearStart(), chinese::preferredTradition());
    if (!signs)
        return;
    m_person = person;
    m_signs = *signs;
    lblHeading->setText(heading(person, m_signs.birthDate));
    setOpeningFocus(lblSign[tileLooks[0].tile]);   // the first tile in reading order
    const std::array<overview::TileText, 4> texts = overview::tileTexts(m_signs);
    for (const TileLook &look : tileLooks) {
        const int tile = look.tile;
        const QPixmap picture(texts[tile].picture);
        imgSign[tile]->setPixmap(picture);
        imgSign[tile]->setAccessibleName(texts[tile].sign);
        lblSign[tile]->setText(texts[tile].sign);
        lblSign[tile]->setAccessibleName(QStringLiteral("%1 sign: %2").arg(QLatin1String(look.system), texts[tile].sign));
        lblSign[tile]->setAccessibleDescription(QStringList{texts[tile].detail, texts[tile].summary}.join(u' '));
        lblDetail[tile]->setText(texts[tile].detail);
        lblSummary[tile]->setText(texts[tile].summary);
    }
}

void frmAllFourSignsDisplay::traditionChosen(chinese::Tradition tradition)
{
    chinese::setPreferredTradition(tradition);
    if (m_person.birthDate.isValid())
        showReading(m_person);
}

void frmAllFourSignsDisplay::arrangeControls()
{
    // The tiles scroll where the window is low; the buttons and the band stay in sight.
    auto *window = bodyColumn(0);
    Label61->setContentsMargins(0, 2, 0, 2);
    window->addWidget(Label61);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(2 * gap, gap, 2 * gap, gap);
    content->setSpacing(gap);
    content->addWidget(lblHeading);

    // Tiles side by side share the taller one's height; the pair stays centred, and where the
    // window is narrow both give way rather than the window scrolling sideways.
    auto *tiles = new QGridLayout;
    tiles->setSpacing(gap);
    for (const TileLook &look : tileLooks)
        tiles->addWidget(fraSystem[look.tile], look.row, look.column);
    content->addLayout(tiles);
    content->setAlignment(tiles, Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(2 * gap, gap, 2 * gap, 2 * gap);
    buttons->setSpacing(gap);
    buttons->addStretch(1);
    for (QPushButton *button : {cmdPreview, cmdSavePdf, cmdPrint, cmdBack, cmdExit}) {
        button->setMinimumSize(button->sizeHint() + QSize(4 * gap, gap));
        buttons->addWidget(button);
    }
    window->addLayout(content);
    window->addStretch();
    footer()->addLayout(buttons);
    footer()->addWidget(fraFullBrand);

    // Tile by tile as they read, each sign then its Full Reading; then the buttons, the links,
    // and the heading, from where Tab comes round to the first tile.
    QList<QWidget *> stops;
    for (const TileLook &look : tileLooks)
        stops << lblSign[look.tile] << cmdFullReading[look.tile];
    stops << cmdPreview << cmdSavePdf << cmdPrint << cmdBack << cmdExit;
    for (LinkLabel *link : fraFullBrand->findChildren<LinkLabel *>())
        stops << link;
    stops << Label61 << lblHeading;
    accessibility::chainTabs(stops);
}

void frmAllFourSignsDisplay::cmdBack_Click()
{
    Q_EMIT backRequested();
}

void frmAllFourSignsDisplay::cmdExit_Click()
{
    Q_EMIT closeRequested();
}

void frmAllFourSignsDisplay::cmdFullReading_Click(int tile)
{
    Q_EMIT fullReadingRequested(tile);
}

std::unique_ptr<QTextDocument> frmAllFourSignsDisplay::printedPage() const
{
    auto page = std::make_unique<QTextDocument>();
    page->setDefaultFont(look::verdana(10));
    const std::array<overview::TileText, 4> texts = overview::tileTexts(m_signs);
    QString html = QStringLiteral("<h2 align=\"center\">%1</h2><table width=\"100%\" cellspacing=\"12\">")
                       .arg(heading(m_person, m_signs.birthDate).toHtmlEscaped());
    for (int row = 0; row < 2; ++row) {
        html += QStringLiteral("<tr>");
        for (const TileLook &look : tileLooks) {
            if (look.row != row)
                continue;
            const overview::TileText &text = texts[look.tile];
            const QUrl picture(QStringLiteral("tile:%1").arg(look.tile));
            page->addResource(QTextDocument::ImageResource, picture, QImage(text.picture));
            html += QStringLiteral("<td width=\"50%\" valign=\"top\"><p><b>%1</b></p>"
                                   "<p><img src=\"%2\" width=\"%3\" height=\"%3\"></p>"
                                   "<p><b><big>%4</big></b><br>%5</p><p>%6</p></td>")
                        .arg(text.system.toHtmlEscaped(), picture.toString())
                        .arg(pictureSize)
                        .arg(asHtml(text.sign), asHtml(text.detail), asHtml(text.summary));
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    page->setHtml(html);
    return page;
}

void frmAllFourSignsDisplay::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (DialogService::current().choosePrinter(this, printer, false))
        printOn(printer);
}

void frmAllFourSignsDisplay::cmdPreview_Click()
{
    DialogService::current().printPreview(this, reportPrinting::previewTitle(runningHead()),
                                          [this](QPrinter &printer) { printOn(printer); });
}

void frmAllFourSignsDisplay::cmdSavePdf_Click()
{
    DialogService::FileRequest request;
    request.title = QStringLiteral("Save as PDF");
    request.filter = QStringLiteral("PDF Document (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.fileName = saveDialog::suggestedName(m_person.name, runningHead().system, request.defaultSuffix);
    saveDialog::save(this, request, [this](const QString &fileName) {
        const std::unique_ptr<QTextDocument> page = printedPage();
        return reportPrinting::savePdf(*page, runningHead(), windowTitle(), fileName);
    });
}

reportPrinting::RunningHead frmAllFourSignsDisplay::runningHead() const
{
    return {QStringLiteral("All Four Signs"), m_person.name};
}

void frmAllFourSignsDisplay::printOn(QPrinter &printer)
{
    const std::unique_ptr<QTextDocument> page = printedPage();
    if (!reportPrinting::printPages(*page, printer, runningHead()))
        showMessage(this, reportPrinting::printsToFile(printer) ? texts::couldNotSave() : QStringLiteral("The overview could not be printed."),
                    DialogService::Icon::Error);
}

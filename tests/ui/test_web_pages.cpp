#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/link_label.h"
#include "widgets/modHelp.h"

#include <QAction>
#include <QHash>
#include <QtTest>

using System = systems::System;
using Page = modHelp::Page;

// The pages of the maker's web site, and the labels and menu entries that open them.
class TestWebPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void pageAddresses_data();
    void pageAddresses();
    void everyLinkLabelOpensItsPage_data();
    void everyLinkLabelOpensItsPage();
    void menuEntriesOpenTheirPages();
    void linkHeightFollowsWhatItShows_data();
    void linkHeightFollowsWhatItShows();

private:
    std::unique_ptr<FrameFixture> ui;
    frmMDI *frame = nullptr;
};

void TestWebPages::init()
{
    ui = std::make_unique<FrameFixture>();
    frame = ui->frame();
}

void TestWebPages::cleanup()
{
    frame = nullptr;
    ui.reset();
}

void TestWebPages::pageAddresses_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("key");
    QTest::newRow("help") << int(Page::Help) << "help-web-page";
    QTest::newRow("fully branded") << int(Page::FullBrand) << "fully-branded";
    QTest::newRow("co-brand") << int(Page::CoBrand) << "co-brand";
    QTest::newRow("home") << int(Page::Home) << "home-page";
    QTest::newRow("download") << int(Page::Download) << "download-web-page";
}

void TestWebPages::pageAddresses()
{
    QFETCH(int, page);
    QFETCH(QString, key);
    const QUrl url = modHelp::pageAddress(Page(page));
    QCOMPARE(url.scheme(), QStringLiteral("http"));
    QCOMPARE(url.host(), QLatin1String(modHelp::MakerHost));
    QCOMPARE(url.path() + QLatin1Char('?') + url.query(),
             QStringLiteral("/orvo-free-animal-signs-astrology/ssd.php?page=") + key);
}

void TestWebPages::everyLinkLabelOpensItsPage_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<Entries>("person");
    QTest::newRow("Australian") << System::Australian << Entries{QStringLiteral("Ann Lee"), {}, 0, 5, 0};
    QTest::newRow("Celtic") << System::Celtic << Entries{QStringLiteral("ANN LEE"), {}, 12, 5, 1990};
    QTest::newRow("Chinese") << System::Chinese << Entries{QStringLiteral("Ann Lee"), QStringLiteral("Female"), 12, 5, 1990};
    QTest::newRow("Mayan") << System::Mayan << Entries{QStringLiteral("Ann Lee"), {}, 12, 5, 1990};
}

// Every link label of the frame and of the system's three windows opens exactly its own page.
void TestWebPages::everyLinkLabelOpensItsPage()
{
    QFETCH(System, system);
    QFETCH(Entries, person);
    // The page each link opens, by the link's name, whichever window it is on.
    const QHash<QString, Page> pageOf = {
        {QStringLiteral("Label61"), Page::Home},       {QStringLiteral("Label14"), Page::Home},
        {QStringLiteral("Label3"), Page::Home},        {QStringLiteral("Label1"), Page::Home},
        {QStringLiteral("Label7"), Page::FullBrand},   {QStringLiteral("Label2"), Page::FullBrand},
        {QStringLiteral("Label13"), Page::FullBrand},  {QStringLiteral("lblFullBrand"), Page::FullBrand},
        {QStringLiteral("lblCobrand"), Page::CoBrand},  {QStringLiteral("lblVellimorBanner"), Page::Home},
    };
    QVERIFY(ui->reading(system, person));
    QVERIFY(ui->report(system));
    QList<LinkLabel *> links = frame->findChildren<LinkLabel *>();
    for (OrvoForm *form : FrameFixture::loadedForms())
        links += form->findChildren<LinkLabel *>();
    QVERIFY(links.size() >= 10);
    for (LinkLabel *link : links) {
        const QString where = link->window()->objectName() + QLatin1Char(' ') + link->objectName();
        QVERIFY2(pageOf.contains(link->objectName()), qPrintable(where + QStringLiteral(": which page?")));
        OpenedPages pages;
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY2(pages.urls == QList<QUrl>{modHelp::pageAddress(pageOf.value(link->objectName()))},
                 qPrintable(where));
    }
    OpenedPages pages;
    QTest::mouseClick(FrameFixture::control<QWidget>(frame, QStringLiteral("Picture6")), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(FrameFixture::control<QLabel>(frame, QStringLiteral("lblVellimorBanner")), Qt::LeftButton);
    QCOMPARE(pages.urls, (QList<QUrl>{modHelp::pageAddress(Page::Home), modHelp::pageAddress(Page::Home)}));
}

void TestWebPages::menuEntriesOpenTheirPages()
{
    const QList<std::pair<const char *, Page>> entries = {
        {"mnuOnline", Page::Help}, {"mnuVisit", Page::Home}, {"mnuUpdate", Page::Download}, {"mkmoney", Page::FullBrand}};
    for (const auto &[name, page] : entries) {
        OpenedPages pages;
        frame->findChild<QAction *>(QLatin1String(name))->trigger();
        QCOMPARE(pages.urls, QList<QUrl>{modHelp::pageAddress(page)});
    }
    OrvoForm *input = ui->open(System::Celtic);
    QVERIFY(input);
    OpenedPages pages;
    FrameFixture::control<QAction>(input, QStringLiteral("mnuMakeMoney"))->trigger();
    FrameFixture::control<QAction>(input, QStringLiteral("mnuUpdate"))->trigger();
    QCOMPARE(pages.urls, (QList<QUrl>{modHelp::pageAddress(Page::FullBrand), modHelp::pageAddress(Page::Download)}));
    QVERIFY(!FrameFixture::control<QAction>(input, QStringLiteral("mnuMakeMoney"))->isVisible());
}

void TestWebPages::linkHeightFollowsWhatItShows_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("longer text") << "text";
    QTest::newRow("larger font") << "font";
    QTest::newRow("wider margins") << "margins";
}

// A link label remembers the heights it measured; a change to what it shows measures afresh.
void TestWebPages::linkHeightFollowsWhatItShows()
{
    QFETCH(QString, change);
    LinkLabel link(QStringLiteral("link"), QStringLiteral("Visit the forum"), modHelp::Page::Home, nullptr);
    link.setWordWrap(true);
    const int width = link.fontMetrics().horizontalAdvance(QStringLiteral("Visit the forum")) + 20;
    const int before = link.heightForWidth(width);
    QCOMPARE(link.heightForWidth(width), before);
    if (change == QLatin1String("text"))
        link.setText(QStringLiteral("Visit the forum and talk about your animal signs with readers everywhere"));
    else if (change == QLatin1String("font"))
        link.setFont(QFont(link.font().family(), 3 * link.font().pointSize()));
    else
        link.setContentsMargins(0, 40, 0, 40);
    QVERIFY2(link.heightForWidth(width) > before, qPrintable(QString::number(link.heightForWidth(width))));
}

QTEST_MAIN(TestWebPages)
#include "test_web_pages.moc"

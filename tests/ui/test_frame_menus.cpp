#include "app/frmMDI.h"
#include "forms/frmAbout.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "widgets/link_label.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using System = systems::System;

// The frame's menu bar, which the active system window's menus replace, and the About box.
class TestFrameMenus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void childMenusReplaceFrameMenus();
    void aboutBoxClosesWithEscape();

private:
    std::unique_ptr<FrameFixture> ui;
    frmMDI *frame = nullptr;
};

void TestFrameMenus::init()
{
    ui = std::make_unique<FrameFixture>();
    frame = ui->frame();
}

void TestFrameMenus::cleanup()
{
    frame = nullptr;
    ui.reset();
}

void TestFrameMenus::childMenusReplaceFrameMenus()
{
    QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    QCOMPARE(frame->menuBar()->actions().size(), 2);   // File, Help; Make Money Online is hidden
    QVERIFY(!frame->menuBar()->actions().contains(FrameFixture::control<QAction>(frame, QStringLiteral("mkmoney"))));
    OrvoForm *input = ui->open(System::Celtic);
    QVERIFY(input);
    QCOMPARE(frame->menuBar()->actions(), input->menuBarActions().mid(0, 2));
    const auto fileEntries = FrameFixture::control<QMenu>(input, QStringLiteral("mnuFile"))->actions();
    QCOMPARE(fileEntries.first()->objectName(), QStringLiteral("mnuAstro"));
    QVERIFY(ui->fill(System::Celtic, {QStringLiteral("ANN LEE")}));
    OrvoForm *display = ui->find(System::Celtic);
    QVERIFY(display);
    QCOMPARE(frame->menuBar()->actions(), display->menuBarActions().mid(0, 2));
    FrameFixture::control<QAction>(display, QStringLiteral("mnuExit"))->trigger();
    const QList<QAction *> frameFile = frame->menuBar()->actions().first()->menu()->actions();
    // The frame's own File menu is its direct child; the system windows' menus lie deeper.
    const QMenu *frameMenu = FrameFixture::control<QMenu>(frame, QStringLiteral("mnuFile"));
    QCOMPARE(frameMenu->parentWidget(), frame);
    QCOMPARE(frameFile.first(), FrameFixture::control<QAction>(frameMenu, QStringLiteral("mnuAllFourSigns")));
    QCOMPARE(frameFile.last(), FrameFixture::control<QAction>(frameMenu, QStringLiteral("mnuExit")));
}

void TestFrameMenus::aboutBoxClosesWithEscape()
{
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        seen = true;
        QCOMPARE(about->windowTitle(), QStringLiteral("Orvo Animal Signs Astrology v1.20"));
        auto *ok = FrameFixture::control<QPushButton>(about, QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(FrameFixture::text(about, QStringLiteral("lblDescription")).startsWith(QLatin1String("Orvo Animal Signs is a combination")));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(FrameFixture::control<LinkLabel>(about, QStringLiteral("lblCoBrand"))->page(), modHelp::Page::FullBrand);
        QCOMPARE(FrameFixture::control<LinkLabel>(about, QStringLiteral("lblHomePage"))->page(), modHelp::Page::Home);
        QTest::keyClick(about, Qt::Key_Escape);
    });
    frame->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());

    QTimer::singleShot(0, this, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    frmAbout::showModal(frame);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestFrameMenus)
#include "test_frame_menus.moc"

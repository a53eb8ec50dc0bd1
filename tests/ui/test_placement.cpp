#include "app/frame_placement.h"
#include "app/frmMDI.h"
#include "common/program_settings.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using System = systems::System;

// Where the frame and the windows in it stand on the screen.
class TestPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void placementKeptBetweenRuns();
    void startPanelCentredOnTheScreen();
    void stripsSpanGrownFormsAndButtonsStayApart_data();
    void stripsSpanGrownFormsAndButtonsStayApart();

private:
    std::unique_ptr<FrameFixture> ui;
};

void TestPlacement::initTestCase()
{
    QVERIFY(useOwnSettings());
}

void TestPlacement::init()
{
    ui = std::make_unique<FrameFixture>();
}

void TestPlacement::cleanup()
{
    ui.reset();
}

void TestPlacement::placementKeptBetweenRuns()
{
    programSettings::open()->remove(QStringLiteral("frame/geometry"));

    QWidget firstRun;
    framePlacement::show(&firstRun);
    QVERIFY(firstRun.isMaximized());
    firstRun.showNormal();
    firstRun.setGeometry(60, 80, 640, 480);
    framePlacement::save(&firstRun);

    QWidget nextRun;
    framePlacement::show(&nextRun);
    QVERIFY(!nextRun.isMaximized());
    QCOMPARE(nextRun.geometry(), QRect(60, 80, 640, 480));

    // A damaged setting is no placement at all.
    programSettings::open()->setValue(QStringLiteral("frame/geometry"), QByteArray("not a placement"));
    QWidget afterDamage;
    framePlacement::show(&afterDamage);
    QVERIFY(afterDamage.isMaximized());
}

// The frame fills the screen, as at the first start: the banner, the choice buttons and every
// caption of the start panel stand in the middle of the screen (the same room, or overhang on a
// small screen, on both sides), Exit whole at its right edge.
void TestPlacement::startPanelCentredOnTheScreen()
{
    frmMDI *frame = ui->frame();
    frame->showMaximized();
    QTRY_VERIFY(frame->isMaximized());
    const QRect screen = frame->screen()->geometry();
    QTRY_COMPARE(frame->frameGeometry().width(), screen.width());
    const auto onScreen = [](const QWidget *widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); };
    // The window's own borders, where it has any when maximised, shift what lies in it.
    const int borders = frame->frameGeometry().width() - frame->width();

    QList<QWidget *> centred{FrameFixture::control<QLabel>(frame, QStringLiteral("lblVellimorBanner"))};
    for (int index = 0; index < 9; ++index)
        centred.append(FrameFixture::control<QLabel>(frame, QStringLiteral("lblCaption_%1").arg(index)));
    for (const QWidget *widget : std::as_const(centred)) {
        const QRect area = onScreen(widget);
        const int roomLeft = area.left() - screen.left();
        const int roomRight = screen.right() - area.right();
        QVERIFY2(qAbs(roomLeft - roomRight) <= borders + 1,
                 qPrintable(QStringLiteral("%1: %2 left, %3 right").arg(widget->objectName()).arg(roomLeft).arg(roomRight)));
    }
    const QRect exit = onScreen(FrameFixture::control<QPushButton>(frame, QStringLiteral("cmdMdiExit")));
    QVERIFY(screen.contains(exit));
    QVERIFY2(screen.right() - exit.right() <= 16, qPrintable(QString::number(screen.right() - exit.right())));
}

void TestPlacement::stripsSpanGrownFormsAndButtonsStayApart_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<Entries>("person");
    QTest::newRow("Australian") << System::Australian << Entries{QStringLiteral("Ann Lee"), {}, 0, 5, 0};
    QTest::newRow("Celtic") << System::Celtic << Entries{QStringLiteral("ANN LEE"), {}, 12, 5, 1990};
    QTest::newRow("Chinese") << System::Chinese << Entries{QStringLiteral("Ann Lee"), QStringLiteral("Female"), 12, 5, 1990};
    QTest::newRow("Mayan") << System::Mayan << Entries{QStringLiteral("Ann Lee"), {}, 12, 5, 1990};
}

// The input, result and report forms of a system: with the wider stand-in font some grow past
// their design width (the Celtic result form does); the strips still span the whole form, and
// nothing sticks to the window's edge or overlaps a button.
void TestPlacement::stripsSpanGrownFormsAndButtonsStayApart()
{
    QFETCH(System, system);
    QFETCH(Entries, person);
    QVERIFY(ui->reading(system, person));
    QVERIFY(ui->report(system));
    QCOMPARE(FrameFixture::loadedForms().size(), 3);
    for (OrvoForm *form : FrameFixture::loadedForms()) {
        const QString name = form->objectName();
        for (QWidget *strip : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (strip->isVisible() && (qobject_cast<PromotionBand *>(strip) || strip->objectName() == QLatin1String("Label61")))
                QVERIFY2(strip->geometry().right() + 1 >= form->width() - 2 * twips::windowMargin, qPrintable(name));
        }
        for (QWidget *frame : form->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(frame->x() >= twips::windowMargin, qPrintable(name + frame->objectName()));
        const auto buttons = form->findChildren<QPushButton *>();
        for (QPushButton *a : buttons) {
            for (QPushButton *b : buttons) {
                if (a != b && a->parentWidget() == b->parentWidget() && a->isVisibleTo(form) && b->isVisibleTo(form))
                    QVERIFY2(!a->geometry().adjusted(-2, -2, 2, 2).intersects(b->geometry()),
                             qPrintable(name + a->objectName() + b->objectName()));
            }
        }
    }
    if (system == System::Celtic) {
        const auto *link = FrameFixture::control<QLabel>(FrameFixture::reportForm(system), QStringLiteral("Label14"));
        QVERIFY(link->x() >= twips::windowMargin && link->y() >= twips::windowMargin);
    }
}

QTEST_MAIN(TestPlacement)
#include "test_placement.moc"

#include "app/frame_placement.h"
#include "common/program_settings.h"
#include "ui/support.h"

#include <QScreen>
#include <QtTest>

class TestFramePlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void restoredFrameStaysOnTheScreen_data();
    void restoredFrameStaysOnTheScreen();
};

void TestFramePlacement::initTestCase()
{
    QVERIFY(useOwnSettings());
}

void TestFramePlacement::restoredFrameStaysOnTheScreen_data()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QRect>("shown");
    QTest::newRow("99999 x 99999") << QRect(0, 0, 99999, 99999) << screen;
    QTest::newRow("wider than the screen") << QRect(screen.left(), screen.top() + 10, screen.width() + 500, 300)
                                           << QRect(screen.left(), screen.top() + 10, screen.width(), 300);
    QTest::newRow("fits, but reaches past the right edge")
        << QRect(screen.right() - 100, screen.top() + 20, 400, 300) << QRect(screen.right() - 399, screen.top() + 20, 400, 300);
    QTest::newRow("fits where it stood") << QRect(screen.left() + 30, screen.top() + 40, 400, 300)
                                         << QRect(screen.left() + 30, screen.top() + 40, 400, 300);
}

void TestFramePlacement::restoredFrameStaysOnTheScreen()
{
    QFETCH(QRect, saved);
    QFETCH(QRect, shown);
    QWidget earlier;
    earlier.setGeometry(saved);
    programSettings::open()->setValue(QStringLiteral("frame/geometry"), earlier.saveGeometry());

    QWidget frame;
    framePlacement::show(&frame);
    QVERIFY(!frame.isMaximized());
    QCOMPARE(frame.size(), shown.size());
    // Where exactly depends on the window frame the platform adds around it.
    const QPoint off = frame.pos() - shown.topLeft();
    QVERIFY2(std::abs(off.x()) <= 20 && std::abs(off.y()) <= 20, qPrintable(QStringLiteral("%1, %2").arg(frame.x()).arg(frame.y())));
}

QTEST_MAIN(TestFramePlacement)
#include "test_frame_placement.moc"

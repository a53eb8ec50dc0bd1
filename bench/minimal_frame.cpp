// The yardstick for start-up time and memory: the least a Qt Widgets program with a
// multiple-document frame does (a main window with a menu bar and a child-window area, maximized).
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Minimal Frame"));
    QMenu *file = frame.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &frame, &QWidget::close);
    frame.menuBar()->addMenu(QStringLiteral("&Help"));
    frame.setCentralWidget(new QMdiArea(&frame));
    if (const QScreen *screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    return app.exec();
}

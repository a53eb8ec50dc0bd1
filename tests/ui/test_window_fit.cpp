// Every window fits the screen it is on: run on a screen as the test's environment sets it up
// (QT_QPA_PLATFORM's config file, QT_SCALE_FACTOR, QT_FONT_DPI), each window is opened in a frame
// that fills the screen, and its geometry is checked: the frame no wider than the screen, every
// button of the window inside the window and the screen (one in a scrolling part once it has
// scrolled to it, as Tab does), no text wider or taller than the control that shows it, and no
// body scrolling sideways.
// With ORVO_WINDOW_SHOTS set to a folder, each window is also saved there as a picture.
#include "forms/frmAbout.h"
#include "forms/frmUserGuide.h"
#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/fitting_scroll_area.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

using systems::System;

namespace {

enum class Kind { Input, Result, Report };

// What is wrong with the look of window as it stands on screen; empty when nothing is.
QStringList problemsOf(QWidget *window, const QRect &screen)
{
    QStringList problems;
    const auto onScreen = [](const QWidget *widget) { return QRect(widget->mapToGlobal(QPoint()), widget->size()); };
    const QRect whole = window->isWindow() ? window->frameGeometry() : onScreen(window);
    if (!screen.adjusted(-1, -1, 1, 1).contains(whole))
        problems << QStringLiteral("window %1 beyond screen %2").arg(QDebug::toString(whole), QDebug::toString(screen));
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisible())
            continue;
        // A button in a scrolling part is in sight once the part scrolls to it.
        for (QWidget *up = button->parentWidget(); up && up != window; up = up->parentWidget()) {
            if (auto *scroller = qobject_cast<FittingScrollArea *>(up)) {
                scroller->ensureWidgetVisible(button, 0, 0);
                const QRect inView(button->mapTo(scroller->viewport(), QPoint()), button->size());
                if (!scroller->viewport()->rect().contains(inView))
                    problems << button->objectName() + QStringLiteral(" cannot be scrolled into sight");
                break;
            }
        }
        if (!whole.contains(onScreen(button)))
            problems << button->objectName() + QStringLiteral(" outside its window");
    }
    // Texts wrap where the window is narrow: no body scrolls sideways.
    for (const FittingScrollArea *body : window->findChildren<FittingScrollArea *>()) {
        if (body->isVisible() && body->horizontalScrollBar()->isVisible())
            problems << body->parentWidget()->objectName() + QStringLiteral(" scrolls sideways");
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const bool cut = label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                           : label->minimumSizeHint().width() > label->width()
                                                 || label->minimumSizeHint().height() > label->height() + 1;
        if (cut)
            problems << QStringLiteral("%1 \"%2\" cut (%3 x %4)").arg(label->objectName(), label->text().left(30)).arg(room.width()).arg(room.height());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->text().isEmpty() && button->width() < button->minimumSizeHint().width())
            problems << button->objectName() + QStringLiteral(" \"") + button->text() + QStringLiteral("\" cut");
    }
    for (QComboBox *list : window->findChildren<QComboBox *>()) {
        if (list->isVisible() && list->width() < list->minimumSizeHint().width())
            problems << list->objectName() + QStringLiteral(" cut");
    }
    return problems;
}

void saveShot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVO_WINDOW_SHOTS");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestWindowFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void systemWindowFits_data();
    void systemWindowFits();
    void aboutAndGuideFit();

private:
    QRect screen() const { return ui->frame()->screen()->availableGeometry(); }

    std::unique_ptr<FrameFixture> ui;
};

void TestWindowFit::init()
{
    ui = std::make_unique<FrameFixture>();
    ui->frame()->showMaximized();
    QTRY_VERIFY(ui->frame()->frameGeometry().width() >= screen().width() - 1);
}

void TestWindowFit::cleanup()
{
    ui.reset();
}

void TestWindowFit::systemWindowFits_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<Kind>("kind");
    const std::pair<const char *, System> systems[] = {
        {"Celtic", System::Celtic}, {"Chinese", System::Chinese}, {"Mayan", System::Mayan},
        {"Australian", System::Australian}, {"All Four Signs", System::AllFourSigns}, {"Two People", System::TwoPeople}};
    for (const auto &[name, system] : systems) {
        QTest::addRow("%s input", name) << system << Kind::Input;
        QTest::addRow("%s result", name) << system << Kind::Result;
        if (system != System::AllFourSigns)
            QTest::addRow("%s report", name) << system << Kind::Report;
    }
}

void TestWindowFit::systemWindowFits()
{
    QFETCH(System, system);
    QFETCH(Kind, kind);
    frmMDI *frame = ui->frame();
    OrvoForm *form = ui->open(system);
    QVERIFY(form);
    if (kind != Kind::Input) {
        if (system == System::TwoPeople) {
            for (int person = 0; person < 2; ++person) {
                const QString n = QString::number(person);
                FrameFixture::control<QLineEdit>(form, QStringLiteral("txtName_") + n)->setText(QStringLiteral("Ann Lee"));
                for (const char *list : {"cboDate_", "cboMonth_", "cboYear_"})
                    FrameFixture::control<QComboBox>(form, QLatin1String(list) + n)->setCurrentIndex(4);
            }
            form = ui->find(system);
        } else {
            Entries person{QStringLiteral("ANN LEE"), QStringLiteral("Female"), 12, 5, 1990};
            if (system == System::Celtic || system == System::Mayan || system == System::Australian)
                person.sex.clear();
            if (system == System::Australian)
                person.day = person.year = 0;
            form = ui->reading(system, person);
        }
        QVERIFY(form);
        if (kind == Kind::Report)
            form = ui->report(system);
        QVERIFY(form);
    }
    QWidget *window = form->parentWidget();
    QVERIFY(window);
    QCoreApplication::processEvents();
    // A pixel over, at most, where a fractional scale rounds the maximised frame's edge.
    QVERIFY2(frame->frameGeometry().width() <= screen().width() + 1, qPrintable(QString::number(frame->frameGeometry().width())));
    const QWidget *area = FrameFixture::control<QMdiArea>(frame, QStringLiteral("mdiArea"))->viewport();
    if (qEnvironmentVariableIsSet("ORVO_FIT_HEIGHTS_ONLY")) {
        // Fonts so large that windows are wider than the screen: they scroll sideways, but the
        // frame's bands give way so that every button of the window stays in sight up and down.
        saveShot(frame, QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
        const auto scrolls = [window](const QWidget *button) {
            for (const QWidget *up = button->parentWidget(); up && up != window; up = up->parentWidget()) {
                if (qobject_cast<const FittingScrollArea *>(up))
                    return true;
            }
            return false;
        };
        for (const QPushButton *button : window->findChildren<QPushButton *>()) {
            if (scrolls(button))
                continue;   // in the body, which scrolls to it
            const int top = button->mapTo(area, QPoint()).y();
            QVERIFY2(!button->isVisible() || (top >= 0 && top + button->height() <= area->height()), qPrintable(button->objectName()));
        }
        return;
    }
    QVERIFY(area->rect().contains(window->geometry()));
    saveShot(frame, QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    const QStringList problems = problemsOf(window, screen());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QVERIFY2(problemsOf(frame, screen()).isEmpty(), qPrintable(problemsOf(frame, screen()).join(QStringLiteral("; "))));
}

void TestWindowFit::aboutAndGuideFit()
{
    if (qEnvironmentVariableIsSet("ORVO_FIT_HEIGHTS_ONLY"))
        QSKIP("the About box keeps its design width");
    frmAbout about(ui->frame());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    saveShot(&about, QStringLiteral("about"));
    QVERIFY2(problemsOf(&about, screen()).isEmpty(), qPrintable(problemsOf(&about, screen()).join(QStringLiteral("; "))));
    about.close();

    frmUserGuide *guide = frmUserGuide::showGuide();
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    saveShot(guide, QStringLiteral("guide"));
    QVERIFY2(problemsOf(guide, screen()).isEmpty(), qPrintable(problemsOf(guide, screen()).join(QStringLiteral("; "))));
    guide->close();
}

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"

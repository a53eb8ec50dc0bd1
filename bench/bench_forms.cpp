// Benchmarks of whole user actions on the offscreen platform, one row per sign system:
// the find action from a filled input form to a filled result form, the opening of the report
// (form built, report composed, shown), and a save followed by an open.
//
// Each figure is the median of many runs of the action alone: what has to be set up before a run
// (a form unloaded, the input form shown again) is outside the measurement.
#include "app/system_forms.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>

using systems::System;

namespace {

constexpr int Runs = 40;

// Median wall time of act() over Runs runs, each after prepare(); reported as the benchmark result.
void measure(const std::function<void()> &prepare, const std::function<void()> &act)
{
    QList<qint64> nanoseconds;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        act();
        nanoseconds.append(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    QTest::setBenchmarkResult(qreal(nanoseconds.at(Runs / 2)), QTest::WalltimeNanoseconds);
}

// Leaves the form, if open, by its button of that name, and deletes it now.
void leave(OrvoForm *form, const char *button)
{
    if (form)
        FrameFixture::click(form, QLatin1String(button));
    FrameFixture::flushDeletes();
}

} // namespace

class BenchForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void findAction_data();
    void findAction();
    void reportComposition_data();
    void reportComposition();
    void saveThenOpen_data();
    void saveThenOpen();

private:
    // Opens the system's input form, fills it with one person's entries and returns it.
    OrvoForm *fillInput(System system);

    std::unique_ptr<FrameFixture> ui;
    QTemporaryDir scratch;
};

void BenchForms::initTestCase()
{
    QVERIFY(useOwnSettings());   // the folders the saves remember stay out of the user's settings
    QVERIFY(scratch.isValid());
}

void BenchForms::init()
{
    ui = std::make_unique<FrameFixture>();
}

void BenchForms::cleanup()
{
    ui.reset();
}

OrvoForm *BenchForms::fillInput(System system)
{
    OrvoForm *input = ui->open(system);
    Entries person{QStringLiteral("Ann Lee"), {}, 5, 3, 1970};
    if (system == System::Celtic)
        person.name = person.name.toUpper();
    if (system == System::Chinese)
        person.sex = QStringLiteral("Female");
    if (system == System::Australian)
        person.day = person.year = 0;   // it asks for the month alone
    return input && ui->fill(system, person) ? input : nullptr;
}

void BenchForms::findAction_data()
{
    QTest::addColumn<System>("system");
    QTest::newRow("Celtic") << System::Celtic;
    QTest::newRow("Chinese") << System::Chinese;
    QTest::newRow("Mayan") << System::Mayan;
    QTest::newRow("Australian") << System::Australian;
}

// From the filled input form to the filled result form, which is built afresh each time (as
// after Back, which closes it).
void BenchForms::findAction()
{
    QFETCH(System, system);
    OrvoForm *input = fillInput(system);
    QVERIFY(input);
    QPushButton *find = FrameFixture::findButton(system);
    QVERIFY(find);
    measure([&] { leave(FrameFixture::resultForm(system), "cmdBack"); },
            [&] { find->click(); });
    QVERIFY(ui->dialogs()->messages.isEmpty());
    QVERIFY(FrameFixture::resultForm(system) && FrameFixture::resultForm(system)->isShownInFrame());
}

void BenchForms::reportComposition_data()
{
    findAction_data();
}

// The report form built, its report composed and the form shown, from a filled result form
// (its Print button).
void BenchForms::reportComposition()
{
    QFETCH(System, system);
    QVERIFY(fillInput(system));
    QVERIFY(ui->find(system));
    OrvoForm *report = nullptr;
    measure([&] { leave(FrameFixture::reportForm(system), "cmdClose"); }, [&] { report = ui->report(system); });
    QVERIFY(report && report->isShownInFrame());
}

void BenchForms::saveThenOpen_data()
{
    findAction_data();
}

// The report's Save to a file, then the input form's Open of that file, which runs the find
// action again. The Celtic report is rich text, which the program does not open again: its row
// is the save alone.
void BenchForms::saveThenOpen()
{
    QFETCH(System, system);
    OrvoForm *input = fillInput(system);
    QVERIFY(input);
    QVERIFY(ui->find(system));
    OrvoForm *report = nullptr;
    const QString file = scratch.filePath(QStringLiteral("reading.") + (system == System::Celtic ? QStringLiteral("rtf")
                                                                        : system == System::Chinese ? QStringLiteral("str")
                                                                                                    : QStringLiteral("zod")));
    measure([&] {
        report = ui->report(system);   // loaded once; shown again after Open
        ui->dialogs()->fileAnswers = QStringList{file, file};
    }, [&] {
        FrameFixture::click(report, QStringLiteral("cmdSave"));
        if (system != System::Celtic)
            FrameFixture::click(input, QStringLiteral("cmdOpen"));
    });
    QVERIFY(report);
    QVERIFY2(ui->dialogs()->messages.isEmpty(), qPrintable(ui->dialogs()->messageTexts().join(u'|')));
    QVERIFY(QFileInfo(file).size() > 0);
}

QTEST_MAIN(BenchForms)
#include "bench_forms.moc"

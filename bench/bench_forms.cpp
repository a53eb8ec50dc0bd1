// Benchmarks of whole user actions on the offscreen platform, one row per sign system:
// the find action from a filled input form to a filled result form, the opening of the report
// (form built, report composed, shown), and a save followed by an open.
//
// Each figure is the median of many runs of the action alone: what has to be set up before a run
// (a form unloaded, the input form shown again) is outside the measurement.
#include "app/frmMDI.h"
#include "app/system_forms.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "ui/support.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>

using systems::System;

namespace {

constexpr int Runs = 40;

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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
    void find(System system);
    OrvoForm *resultForm(System system);
    void unloadResult(System system);
    OrvoForm *showReport(System system);
    void unloadReport(System system);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
    QTemporaryDir scratch;
};

void BenchForms::initTestCase()
{
    QVERIFY(useOwnSettings());   // the folders the saves remember stay out of the user's settings
    installTestFonts();
    QVERIFY(scratch.isValid());
}

void BenchForms::init()
{
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void BenchForms::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    flushDeletes();
}

OrvoForm *BenchForms::fillInput(System system)
{
    frame->cmdSelectOption_Click(int(system));
    switch (system) {
    case System::Celtic: {
        auto *input = forms::get<frmCelticAnimalBirthSignMain>();
        input->txtFName->setText(QStringLiteral("ANN"));
        input->txtlName->setText(QStringLiteral("LEE"));
        input->cmbDate->setCurrentIndex(4);
        input->cmbMonth->setCurrentIndex(2);
        input->cmbYear->setCurrentText(QStringLiteral("1970"));
        return input;
    }
    case System::Chinese: {
        auto *input = forms::get<frmChineseZodiacMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->optSex[1]->setChecked(true);
        input->cboDate->setCurrentIndex(4);
        input->cboMonth->setCurrentIndex(2);
        input->cboYear->setCurrentText(QStringLiteral("1970"));
        return input;
    }
    case System::Mayan: {
        auto *input = forms::get<frmMayanAnimalSignMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->cboDate->setCurrentIndex(4);
        input->cboMonth->setCurrentIndex(2);
        input->cboYear->setCurrentText(QStringLiteral("1970"));
        return input;
    }
    case System::Australian: {
        auto *input = forms::get<frmAustralianAstrologyMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->cboMonth->setCurrentIndex(2);
        return input;
    }
    case System::AllFourSigns:   // these benchmarks time the four systems' own windows
    case System::TwoPeople:
        break;
    }
    return nullptr;
}

void BenchForms::find(System system)
{
    switch (system) {
    case System::Celtic: forms::get<frmCelticAnimalBirthSignMain>()->Command1_Click(); break;
    case System::Chinese: forms::get<frmChineseZodiacMain>()->cmdProceed_Click(); break;
    case System::Mayan: forms::get<frmMayanAnimalSignMain>()->cmdProceed_Click(); break;
    case System::Australian: forms::get<frmAustralianAstrologyMain>()->cmdProceed_Click(); break;
    case System::AllFourSigns:   // these benchmarks time the four systems' own windows
    case System::TwoPeople:
        break;
    }
}

OrvoForm *BenchForms::resultForm(System system)
{
    switch (system) {
    case System::Celtic: return forms::isLoaded<frmCelticAnimalBirthSignDisplay>() ? forms::get<frmCelticAnimalBirthSignDisplay>() : nullptr;
    case System::Chinese: return forms::isLoaded<frmChineseZodiacDisplay>() ? forms::get<frmChineseZodiacDisplay>() : nullptr;
    case System::Mayan: return forms::isLoaded<frmMayanAnimalSignDisplay>() ? forms::get<frmMayanAnimalSignDisplay>() : nullptr;
    case System::Australian: return forms::isLoaded<frmAustralianAstrologyDisplay>() ? forms::get<frmAustralianAstrologyDisplay>() : nullptr;
    case System::AllFourSigns:   // these benchmarks time the four systems' own windows
    case System::TwoPeople:
        break;
    }
    return nullptr;
}

void BenchForms::unloadResult(System system)
{
    switch (system) {
    case System::Celtic: forms::unload<frmCelticAnimalBirthSignDisplay>(); break;
    case System::Chinese: forms::unload<frmChineseZodiacDisplay>(); break;
    case System::Mayan: forms::unload<frmMayanAnimalSignDisplay>(); break;
    case System::Australian: forms::unload<frmAustralianAstrologyDisplay>(); break;
    case System::AllFourSigns:   // these benchmarks time the four systems' own windows
    case System::TwoPeople:
        break;
    }
    flushDeletes();
}

OrvoForm *BenchForms::showReport(System system)
{
    switch (system) {
    case System::Celtic: return forms::show<frmCelticAnimalBirthSignSave>();
    case System::Chinese: return forms::show<frmChineseZodiacSave>();
    case System::Mayan: return forms::show<frmMayanAnimalSignSave>();
    case System::Australian: return forms::show<frmAustralianAstrologySave>();
    case System::AllFourSigns:   // these benchmarks time the four systems' own windows
    case System::TwoPeople:
        break;
    }
    return nullptr;
}

void BenchForms::unloadReport(System system)
{
    switch (system) {
    case System::Celtic: forms::unload<frmCelticAnimalBirthSignSave>(); break;
    case System::Chinese: forms::unload<frmChineseZodiacSave>(); break;
    case System::Mayan: forms::unload<frmMayanAnimalSignSave>(); break;
    case System::Australian: forms::unload<frmAustralianAstrologySave>(); break;
    case System::AllFourSigns:   // these benchmarks time the four systems' own windows
    case System::TwoPeople:
        break;
    }
    flushDeletes();
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
// after Back, which unloads it).
void BenchForms::findAction()
{
    QFETCH(System, system);
    OrvoForm *input = fillInput(system);
    measure([&] {
        unloadResult(system);
        input->showForm();
    }, [&] { find(system); });
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(resultForm(system) && resultForm(system)->isShownInFrame());
}

void BenchForms::reportComposition_data()
{
    findAction_data();
}

// The report form built, its report composed and the form shown, from a filled result form.
void BenchForms::reportComposition()
{
    QFETCH(System, system);
    fillInput(system);
    find(system);
    QVERIFY(resultForm(system));
    OrvoForm *report = nullptr;
    measure([&] { unloadReport(system); }, [&] { report = showReport(system); });
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
    find(system);
    ReportForm *report = nullptr;
    const QString file = scratch.filePath(QStringLiteral("reading.") + (system == System::Celtic ? QStringLiteral("rtf")
                                                                        : system == System::Chinese ? QStringLiteral("str")
                                                                                                    : QStringLiteral("zod")));
    measure([&] {
        report = static_cast<ReportForm *>(showReport(system));   // loaded once; shown again after Open
        dialogs->fileAnswers = QStringList{file, file};
    }, [&] {
        report->cmdSave_Click();
        switch (system) {
        case System::Celtic: break;
        case System::Chinese: static_cast<frmChineseZodiacMain *>(input)->cmdOpen_Click(); break;
        case System::Mayan:
        case System::Australian: static_cast<SignInputForm *>(input)->cmdOpen_Click(); break;
        case System::AllFourSigns:   // these benchmarks time the four systems' own windows
        case System::TwoPeople:
            break;
        }
    });
    QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->messageTexts().join(u'|')));
    QVERIFY(QFileInfo(file).size() > 0);
}

QTEST_MAIN(BenchForms)
#include "bench_forms.moc"

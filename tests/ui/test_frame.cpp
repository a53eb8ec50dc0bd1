#include "app/frame_placement.h"
#include "app/frmMDI.h"
#include "app/single_instance.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologySave.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacSave.h"
#include "common/program_settings.h"
#include "common/program_texts.h"
#include "forms/form_registry.h"
#include "forms/frmAbout.h"
#include "widgets/link_label.h"
#include "widgets/modHelp.h"
#include "widgets/promotion_band.h"
#include "widgets/look.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "overview/frmAllFourSignsMain.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <unistd.h>

class TestFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void stripsAndStartPanel();
    void centredByScreenWidth();
    void placementKeptBetweenRuns();
    void choosingTheOpenSystemAgainStartsEmpty();
    void choiceClosesAnOpenReportAndItsResultForm();
    void welcomeLabelsCloseEverything_data();
    void welcomeLabelsCloseEverything();
    void systemLabelOpensInputForm();
    void hoverUnderline();
    void allFourSignsChoice_data();
    void allFourSignsChoice();
    void choosingASystemClosesTheOverview();
    void exitEndsEvenWithReportOpen();
    void resultFormTakesItsReportAlong_data();
    void resultFormTakesItsReportAlong();
    void stripsSpanGrownFormsAndButtonsStayApart();
    void childMenusReplaceFrameMenus();
    void pageAddresses_data();
    void pageAddresses();
    void everyLinkLabelOpensItsPage();
    void menuEntriesOpenTheirPages();
    void aboutBoxClosesWithEscape();
    void singleInstance();
    void staleLockDoesNotBlock();
    void sharedTempFolderLockIsPerUser();
    void lockThatCannotBeMade_data();
    void lockThatCannotBeMade();

private:
    frmCelticAnimalBirthSignMain *fillCeltic();
    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestFrame::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestFrame::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmCelticAnimalBirthSignMain *TestFrame::fillCeltic()
{
    frame->cmdSelectOption_Click(1);
    auto *input = forms::get<frmCelticAnimalBirthSignMain>();
    input->txtFName->setText(QStringLiteral("ANN"));
    input->txtlName->setText(QStringLiteral("LEE"));
    return input;
}

void TestFrame::stripsAndStartPanel()
{
    QCOMPARE(frame->windowTitle(), QStringLiteral("Orvo Animal Signs Astrology v1.20"));
    QCOMPARE(frame->mdiArea->background().color(), QColor(Qt::black));
    QCOMPARE(frame->picMain->palette().color(QPalette::Window), QColor(Qt::black));
    // The frame's black stays in the frame: windows opened inside keep their own colours.
    QVERIFY(frame->centralWidget()->palette().color(QPalette::Window) != QColor(Qt::black));
    QCOMPARE(frame->Picture6->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(frame->PicCoBrand->palette().color(QPalette::Window), QColor(192, 192, 255));
    const QStringList captions = {QStringLiteral("Australian Astrology"), QStringLiteral("Celtic Animal Birth Sign"),
                                  QStringLiteral("Chinese Zodiac"), QStringLiteral("Mayan Animal Sign")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(frame->cmdSelectOption[i]->text(), captions[i]);
        QCOMPARE(frame->lblCaption[i + 3]->text(), captions[i]);
    }
    // Left to right: Chinese, Mayan, Celtic, Australian.
    QVERIFY(frame->cmdSelectOption[2]->x() < frame->cmdSelectOption[3]->x());
    QVERIFY(frame->cmdSelectOption[3]->x() < frame->cmdSelectOption[1]->x());
    QVERIFY(frame->cmdSelectOption[1]->x() < frame->cmdSelectOption[0]->x());
    QCOMPARE(frame->lblCaption[0]->text(), QStringLiteral("Welcome to Orvo Animal Signs Astrology"));
    QCOMPARE(frame->lblCaption[5]->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(frame->lblCaption[3]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(frame->lblCaption[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(frame->cmdMdiExit->text(), QStringLiteral("&Exit"));
    QVERIFY(frame->Label7->text().startsWith(QLatin1String("Home Business Opportunity.")));
    QVERIFY(frame->isStartPanelVisible());
    // Top to bottom: Chinese, Mayan, Celtic, Australian.
    QVERIFY(frame->lblCaption[5]->y() < frame->lblCaption[6]->y());
    QVERIFY(frame->lblCaption[6]->y() < frame->lblCaption[4]->y());
    QVERIFY(frame->lblCaption[4]->y() < frame->lblCaption[3]->y());
    QVERIFY(!frame->mkmoney->isVisible());
}

void TestFrame::placementKeptBetweenRuns()
{
    QVERIFY(useOwnSettings());
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

void TestFrame::centredByScreenWidth()
{
    const int W = frame->screen()->geometry().width();
    for (QLabel *label : frame->lblCaption)
        QCOMPARE(label->x(), (W - label->width()) / 2);
    QCOMPARE(frame->lblVellimorBanner->x(), (W - frame->lblVellimorBanner->width()) / 2);
    QCOMPARE(frame->picButtonContainer->x(), (W - frame->picButtonContainer->width()) / 2);
    QCOMPARE(frame->cmdMdiExit->x(), W - (frame->cmdMdiExit->width() + 8));
}

void TestFrame::choosingTheOpenSystemAgainStartsEmpty()
{
    auto *input = fillCeltic();
    input->cmbMonth->setCurrentIndex(5);
    frame->cmdSelectOption[1]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *fresh = forms::get<frmCelticAnimalBirthSignMain>();
    QVERIFY(fresh->txtFName->text().isEmpty());
    QCOMPARE(fresh->cmbMonth->currentIndex(), 0);
    QVERIFY(fresh->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    const int W = frame->screen()->geometry().width();
    QCOMPARE(fresh->parentWidget()->pos(), QPoint((W - fresh->parentWidget()->width()) / 2, 0));
}

void TestFrame::choiceClosesAnOpenReportAndItsResultForm()
{
    fillCeltic()->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
    QVERIFY(forms::isLoaded<frmCelticAnimalBirthSignSave>());
    frame->cmdSelectOption_Click(1);
    QVERIFY(!forms::isLoaded<frmCelticAnimalBirthSignSave>());
    QVERIFY(!forms::isLoaded<frmCelticAnimalBirthSignDisplay>());
    QCOMPARE(forms::loadedForms().size(), 1);
    QVERIFY(forms::isLoaded<frmCelticAnimalBirthSignMain>());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestFrame::welcomeLabelsCloseEverything_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("welcome") << 0;
    QTest::newRow("introduction") << 1;
    QTest::newRow("includes the following programs") << 2;
}

void TestFrame::welcomeLabelsCloseEverything()
{
    QFETCH(int, index);
    fillCeltic()->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
    frame->setStartPanelVisible(true);   // the panel lies over the open windows only in tests
    QTest::mouseClick(frame->lblCaption[index], Qt::LeftButton);
    QVERIFY(forms::loadedForms().isEmpty());
    QVERIFY(frame->isStartPanelVisible());
}

void TestFrame::systemLabelOpensInputForm()
{
    QTest::mouseClick(frame->lblCaption[4], Qt::LeftButton);
    QVERIFY(forms::isLoaded<frmCelticAnimalBirthSignMain>());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestFrame::allFourSignsChoice_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("button") << QStringLiteral("button");
    QTest::newRow("start panel label") << QStringLiteral("label");
    QTest::newRow("File menu") << QStringLiteral("menu");
}

void TestFrame::allFourSignsChoice()
{
    QFETCH(QString, route);
    QCOMPARE(frame->cmdSelectOption[4]->text(), QStringLiteral("All Four Signs"));
    QCOMPARE(frame->lblCaption[7]->text(), QStringLiteral("All Four Signs"));
    QVERIFY(!frame->findChild<QLabel *>(QStringLiteral("imgSystem_4"))->pixmap().isNull());
    // Beside the four systems: right of the last button, below the last label.
    QVERIFY(frame->cmdSelectOption[4]->x() > frame->cmdSelectOption[0]->x());
    QVERIFY(frame->picButtonContainer->rect().contains(frame->cmdSelectOption[4]->geometry()));
    QVERIFY(frame->lblCaption[7]->y() > frame->lblCaption[3]->y());
    frame->lblCaption_MouseMove(7);
    QVERIFY(frame->lblCaption[7]->font().underline());

    // A system with its report open: every one of its windows closes first.
    fillCeltic()->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
    QVERIFY(forms::isLoaded<frmCelticAnimalBirthSignSave>());
    if (route == QLatin1String("button")) {
        frame->cmdSelectOption[4]->click();
    } else if (route == QLatin1String("label")) {
        frame->setStartPanelVisible(true);   // the panel lies over the open windows only in tests
        QTest::mouseClick(frame->lblCaption[7], Qt::LeftButton);
    } else {
        frame->mnuAllFourSigns->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(forms::loadedForms().size(), 1);
    auto *input = forms::get<frmAllFourSignsMain>();
    QVERIFY(input->isShownInFrame());
    QVERIFY(input->txtName->text().isEmpty());
    QVERIFY(!frame->isStartPanelVisible());
    const int W = frame->screen()->geometry().width();
    QCOMPARE(input->parentWidget()->pos(), QPoint((W - input->parentWidget()->width()) / 2, 0));

    // Closing the overview's input form brings the start panel back.
    input->close();
    QVERIFY(!forms::isLoaded<frmAllFourSignsMain>());
    QVERIFY(frame->isStartPanelVisible());
}

void TestFrame::choosingASystemClosesTheOverview()
{
    frame->cmdSelectOption_Click(4);
    auto *input = forms::get<frmAllFourSignsMain>();
    input->txtName->setText(QStringLiteral("Ann Lee"));
    input->cmdProceed->click();
    QVERIFY(forms::get<frmAllFourSignsDisplay>()->isShownInFrame());
    frame->cmdSelectOption_Click(1);
    QVERIFY(!forms::isLoaded<frmAllFourSignsDisplay>());
    QVERIFY(!forms::isLoaded<frmAllFourSignsMain>());
    QCOMPARE(forms::loadedForms().size(), 1);
    QVERIFY(forms::get<frmCelticAnimalBirthSignMain>()->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestFrame::hoverUnderline()
{
    frame->lblCaption_MouseMove(5);
    QVERIFY(frame->lblCaption[5]->font().underline());
    frame->lblCaption_MouseMove(6);
    QVERIFY(frame->lblCaption[6]->font().underline());
    QVERIFY(frame->lblCaption[5]->font().underline());   // until the mouse crosses the background
    frame->lblCaption_MouseMove(0);
    QVERIFY(!frame->lblCaption[0]->font().underline());
    frame->picMain_MouseMove();
    for (QLabel *label : frame->lblCaption)
        QVERIFY(!label->font().underline());
    // The same through real mouse events: over a system label, then over the background.
    auto moveOver = [](QWidget *widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(frame->lblCaption[3]);
    QVERIFY(frame->lblCaption[3]->font().underline());
    moveOver(frame->picMain);
    QVERIFY(!frame->lblCaption[3]->font().underline());
}

void TestFrame::exitEndsEvenWithReportOpen()
{
    fillCeltic()->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
    QVERIFY(frame->isVisible());
    frame->cmdMdiExit->click();
    QVERIFY(!frame->isVisible());
    QVERIFY(forms::loadedForms().isEmpty());
}

void TestFrame::resultFormTakesItsReportAlong_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<bool>("back");
    for (const auto &[name, system] : {std::pair{"Australian", 0}, {"Celtic", 1}, {"Chinese", 2}, {"Mayan", 3}}) {
        QTest::addRow("%s Exit", name) << system << false;
        QTest::addRow("%s Back", name) << system << true;
    }
}

void TestFrame::resultFormTakesItsReportAlong()
{
    QFETCH(int, system);
    QFETCH(bool, back);
    // The result form, its report opened from it, and its File menu entry that closes it.
    auto open = [back](auto *result, auto report) -> std::pair<OrvoForm *, QAction *> {
        result->showForm();
        result->cmdPrint_Click();
        return {report(), back ? result->mnuBack : result->mnuExit};
    };
    std::pair<OrvoForm *, QAction *> opened;
    switch (system) {
    case 0: opened = open(forms::get<frmAustralianAstrologyDisplay>(), forms::get<frmAustralianAstrologySave>); break;
    case 1: opened = open(forms::get<frmCelticAnimalBirthSignDisplay>(), forms::get<frmCelticAnimalBirthSignSave>); break;
    case 2: opened = open(forms::get<frmChineseZodiacDisplay>(), forms::get<frmChineseZodiacSave>); break;
    default: opened = open(forms::get<frmMayanAnimalSignDisplay>(), forms::get<frmMayanAnimalSignSave>); break;
    }
    const QPointer<OrvoForm> report = opened.first;
    QVERIFY(report->isShownInFrame());
    opened.second->trigger();
    // The report goes with its result form and brings nothing back.
    QVERIFY(!forms::loadedForms().contains(report.data()));
    QTRY_VERIFY(report.isNull());
    QCOMPARE(forms::loadedForms().size(), back ? 1 : 0);   // Back: only the input form
    QCOMPARE(frame->isStartPanelVisible(), !back);
}

void TestFrame::stripsSpanGrownFormsAndButtonsStayApart()
{
    // With the wider stand-in font the Celtic result form grows past its design width.
    fillCeltic()->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
    forms::show<frmChineseZodiacSave>();
    forms::show<frmMayanAnimalSignDisplay>();
    for (OrvoForm *form : forms::loadedForms()) {
        const QString name = form->objectName();
        for (QWidget *strip : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<PromotionBand *>(strip) || strip->objectName() == QLatin1String("Label61"))
                QVERIFY2(strip->geometry().right() + 1 >= form->width() - 2 * twips::windowMargin, qPrintable(name));
        }
        for (QWidget *frame : form->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(frame->x() >= twips::windowMargin, qPrintable(name + frame->objectName()));
        const auto buttons = form->findChildren<QPushButton *>();
        for (QPushButton *a : buttons) {
            for (QPushButton *b : buttons) {
                if (a != b && a->parentWidget() == b->parentWidget())
                    QVERIFY2(!a->geometry().adjusted(-2, -2, 2, 2).intersects(b->geometry()),
                             qPrintable(name + a->objectName() + b->objectName()));
            }
        }
    }
    auto *report = forms::get<frmCelticAnimalBirthSignSave>();
    QVERIFY(report->Label14->x() >= twips::windowMargin && report->Label14->y() >= twips::windowMargin);
}

void TestFrame::childMenusReplaceFrameMenus()
{
    QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    QCOMPARE(frame->menuBar()->actions().size(), 2);   // File, Help; Make Money Online is hidden
    QVERIFY(!frame->menuBar()->actions().contains(frame->mkmoney));
    auto *input = fillCeltic();
    QCOMPARE(frame->menuBar()->actions(), input->menuBarActions().mid(0, 2));
    const auto fileEntries = input->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions();
    QCOMPARE(fileEntries.first()->objectName(), QStringLiteral("mnuAstro"));
    input->Command1->click();
    auto *display = forms::get<frmCelticAnimalBirthSignDisplay>();
    QCOMPARE(frame->menuBar()->actions(), display->menuBarActions().mid(0, 2));
    display->mnuExit->trigger();
    const QList<QAction *> frameFile = frame->menuBar()->actions().first()->menu()->actions();
    QCOMPARE(frameFile.first(), frame->mnuAllFourSigns);
    QCOMPARE(frameFile.last(), frame->mnuExit);
}

void TestFrame::pageAddresses_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("key");
    QTest::newRow("help") << int(modHelp::Page::Help) << "help-web-page";
    QTest::newRow("fully branded") << int(modHelp::Page::FullBrand) << "fully-branded";
    QTest::newRow("co-brand") << int(modHelp::Page::CoBrand) << "co-brand";
    QTest::newRow("home") << int(modHelp::Page::Home) << "home-page";
    QTest::newRow("download") << int(modHelp::Page::Download) << "download-web-page";
}

void TestFrame::pageAddresses()
{
    QFETCH(int, page);
    QFETCH(QString, key);
    const QUrl url = modHelp::pageAddress(modHelp::Page(page));
    QCOMPARE(url.scheme(), QStringLiteral("http"));
    QCOMPARE(url.host(), QLatin1String(modHelp::MakerHost));
    QCOMPARE(url.path() + QLatin1Char('?') + url.query(),
             QStringLiteral("/orvo-free-animal-signs-astrology/ssd.php?page=") + key);
}

void TestFrame::everyLinkLabelOpensItsPage()
{
    // Every link label of the frame and of the Celtic windows opens exactly its own page.
    fillCeltic()->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
    QList<LinkLabel *> links = frame->findChildren<LinkLabel *>();
    for (OrvoForm *form : forms::loadedForms())
        links += form->findChildren<LinkLabel *>();
    QVERIFY(links.size() >= 10);
    for (LinkLabel *link : links) {
        OpenedPages pages;
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(pages.urls, QList<QUrl>{modHelp::pageAddress(link->page())});
    }
    OpenedPages pages;
    QTest::mouseClick(frame->Picture6, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(frame->lblVellimorBanner, Qt::LeftButton);
    QCOMPARE(pages.urls, (QList<QUrl>{modHelp::pageAddress(modHelp::Page::Home), modHelp::pageAddress(modHelp::Page::Home)}));
    QCOMPARE(frame->Label7->page(), modHelp::Page::FullBrand);
}

void TestFrame::menuEntriesOpenTheirPages()
{
    const QList<std::pair<const char *, modHelp::Page>> entries = {
        {"mnuOnline", modHelp::Page::Help}, {"mnuVisit", modHelp::Page::Home},
        {"mnuUpdate", modHelp::Page::Download}, {"mkmoney", modHelp::Page::FullBrand}};
    for (const auto &[name, page] : entries) {
        OpenedPages pages;
        frame->findChild<QAction *>(QLatin1String(name))->trigger();
        QCOMPARE(pages.urls, QList<QUrl>{modHelp::pageAddress(page)});
    }
    auto *input = fillCeltic();
    OpenedPages pages;
    input->findChild<QAction *>(QStringLiteral("mnuMakeMoney"))->trigger();
    input->findChild<QAction *>(QStringLiteral("mnuUpdate"))->trigger();
    QCOMPARE(pages.urls, (QList<QUrl>{modHelp::pageAddress(modHelp::Page::FullBrand),
                                      modHelp::pageAddress(modHelp::Page::Download)}));
    QVERIFY(!input->findChild<QAction *>(QStringLiteral("mnuMakeMoney"))->isVisible());
}

void TestFrame::aboutBoxClosesWithEscape()
{
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        seen = true;
        QCOMPARE(about->windowTitle(), QStringLiteral("Orvo Animal Signs Astrology v1.20"));
        QCOMPARE(about->cmdOK->text(), QStringLiteral("&OK"));
        QVERIFY(about->cmdOK->isDefault());
        QVERIFY(about->lblDescription->text().startsWith(QLatin1String("Orvo Animal Signs is a combination")));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(about->lblCoBrand->page(), modHelp::Page::FullBrand);
        QCOMPARE(about->lblHomePage->page(), modHelp::Page::Home);
        QTest::keyClick(about, Qt::Key_Escape);
    });
    frame->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());

    QTimer::singleShot(0, this, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    frmAbout::showModal(frame.get());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFrame::singleInstance()
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QCOMPARE(first.acquire(), SingleInstance::Status::Acquired);
    SingleInstance second(dir.path());
    QCOMPARE(second.acquire(), SingleInstance::Status::HeldElsewhere);
}

void TestFrame::staleLockDoesNotBlock()
{
    // A lock left by a copy that crashed names a process that is gone.
    QTemporaryDir dir;
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    QFile lock(dir.filePath(QStringLiteral("orvo-animal-signs.lock")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\norvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance next(dir.path());
    QCOMPARE(next.acquire(), SingleInstance::Status::Acquired);
}

namespace {

// Sets an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

void TestFrame::sharedTempFolderLockIsPerUser()
{
    // No usable runtime folder: the variable names a file, and so does the folder Qt falls back
    // to. The lock then goes to the shared temporary folder, where another user's copy holds the
    // lock by the program's plain name.
    QTemporaryDir shared;
    const auto makeFile = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    const QString runtimeFile = shared.filePath(QStringLiteral("runtime"));
    QVERIFY(makeFile(runtimeFile));
    const ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFile));
    const ScopedEnv temp("TMPDIR", QFile::encodeName(shared.path()));
    const QString qtFallback = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!qtFallback.isEmpty());
    QVERIFY(QDir(qtFallback).removeRecursively());
    QVERIFY(makeFile(qtFallback));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty());
    QLockFile otherUsers(shared.filePath(QStringLiteral("orvo-animal-signs.lock")));
    QVERIFY(otherUsers.tryLock(0));

    SingleInstance first;
    QCOMPARE(first.acquire(), SingleInstance::Status::Acquired);
    QCOMPARE(QFileInfo(first.lockFileName()).absolutePath(), QFileInfo(shared.path()).absoluteFilePath() + QStringLiteral("/orvo-animal-signs-%1").arg(::geteuid()));
    SingleInstance second;
    QCOMPARE(second.acquire(), SingleInstance::Status::HeldElsewhere);
}

void TestFrame::lockThatCannotBeMade_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("folder is a regular file") << QStringLiteral("file");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("lock file of another user") << QStringLiteral("foreign");
}

void TestFrame::lockThatCannotBeMade()
{
    QFETCH(QString, setup);
    const bool root = ::geteuid() == 0;
    QTemporaryDir dir;
    QString lockDirectory = dir.filePath(QStringLiteral("locks"));
    if (setup == QLatin1String("file")) {
        QFile file(lockDirectory);
        QVERIFY(file.open(QIODevice::WriteOnly));
        lockDirectory += QStringLiteral("/inner");
    } else if (setup == QLatin1String("read-only")) {
        if (root)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir().mkdir(lockDirectory, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        if (!root)
            QSKIP("only root can give a file to another user");
        QVERIFY(QDir().mkdir(lockDirectory));
        QFile foreign(lockDirectory + QStringLiteral("/orvo-animal-signs.lock"));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                      + QCoreApplication::applicationName().toUtf8() + '\n'
                      + QSysInfo::machineHostName().toUtf8() + '\n');
        foreign.close();
        QCOMPARE(::chown(QFile::encodeName(foreign.fileName()).constData(), 65534, 65534), 0);
    }

    SingleInstance instance(lockDirectory);
    QCOMPARE(instance.acquire(), SingleInstance::Status::Unavailable);
    QVERIFY2(instance.errorString().contains(lockDirectory), qPrintable(instance.errorString()));
    QVERIFY(instance.errorString() != texts::alreadyRunning());
    QVERIFY(!Qt::mightBeRichText(instance.errorString()));
}

QTEST_MAIN(TestFrame)
#include "test_frame.moc"

#include "app/frmMDI.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "australian/modAustralianAstrology.h"
#include "common/content.h"
#include "common/calendar_lists.h"
#include "common/line_codec.h"
#include "common/saved_reading.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/protected_text_edit.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

using Icon = DialogService::Icon;

class TestAustralianForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void inputFormStartsWithJanuary();
    void blankNameIsRefused();
    void findShowsAnimalInCapitals_data();
    void findShowsAnimalInCapitals();
    void everySignFitsItsLabels();
    void resultOffersOnlyBack();
    void backKeepsEntriesAndSecondFindReplacesBoth();
    void reportHoldsOnlyTheName();
    void choosingTheSystemClosesEveryAustralianWindow();
    void saveThenOpen();
    void mayanFileUsesItsFirstTwoLines();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void linksOnEveryWindow();

private:
    frmAustralianAstrologyMain *openInput();
    frmAustralianAstrologyDisplay *find(const QString &name, const QString &month);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestAustralianForms::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    dir = std::make_unique<QTemporaryDir>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestAustralianForms::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    dir.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmAustralianAstrologyMain *TestAustralianForms::openInput()
{
    frame->cmdSelectOption_Click(0);
    return forms::get<frmAustralianAstrologyMain>();
}

frmAustralianAstrologyDisplay *TestAustralianForms::find(const QString &name, const QString &month)
{
    auto *input = openInput();
    input->txtName->setText(name);
    input->cboMonth->setCurrentText(month);
    input->cmdProceed->click();
    return forms::get<frmAustralianAstrologyDisplay>();
}

void TestAustralianForms::inputFormStartsWithJanuary()
{
    auto *input = openInput();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->windowTitle(), QStringLiteral("Orvo Australian Astrology \u2014 Input"));
    QCOMPARE(input->cboMonth->count(), 12);
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("January"));
    QVERIFY(!input->cboMonth->isEditable());
    QVERIFY(input->txtName->text().isEmpty());
    QCOMPARE(input->Label2->text(), QStringLiteral("Birth Month"));
    QCOMPARE(input->cmdProceed->text(), QStringLiteral("Find My Australian Astrology &Sign"));
    QVERIFY(input->menuBarActions().isEmpty());

    QList<QWidget *> order;
    for (QWidget *w = input->txtName; order.size() < 3; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w);
    }
    QCOMPARE(order, (QList<QWidget *>{input->txtName, input->cboMonth, input->cmdProceed}));
}

void TestAustralianForms::blankNameIsRefused()
{
    auto *input = openInput();
    input->txtName->setText(QStringLiteral("    "));
    input->cboMonth->setFocus();
    input->cmdProceed->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
    QCOMPARE(dialogs->messages.first().icon, Icon::Error);
    QCOMPARE(input->focusWidget(), input->txtName);
    QVERIFY(input->isShownInFrame());
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyDisplay>());

    // A person handed over by the rest of the program is checked the same way and shown.
    input->cboMonth->setFocus();
    QVERIFY(!input->openReading({QStringLiteral(" "), 7}));
    QCOMPARE(dialogs->messageTexts().size(), 2);
    QCOMPARE(input->focusWidget(), input->txtName);
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("July"));
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyDisplay>());
}

void TestAustralianForms::findShowsAnimalInCapitals_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("content");
    QTest::newRow("June wombat") << "June" << "NORTHERN HAIRY-NOSED WOMBAT" << "northern-hairy-nosed-wombat.txt";
    QTest::newRow("April turtle") << "April" << "WESTERN SWAMP TURTLE" << "western-swamp-turtle.txt";
    QTest::newRow("January galah") << "January" << "GALAH" << "galah.txt";
    QTest::newRow("December emu") << "December" << "EMU" << "emu.txt";
}

void TestAustralianForms::findShowsAnimalInCapitals()
{
    QFETCH(QString, month);
    QFETCH(QString, shown);
    QFETCH(QString, content);
    auto *display = find(QStringLiteral(" Bruce  "), month);
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(display->isShownInFrame());
    QVERIFY(!forms::get<frmAustralianAstrologyMain>()->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(display->lblLabel[0]->text(), QStringLiteral("Sun Sign"));
    QCOMPARE(display->lblResult[0]->text(), shown);
    QCOMPARE(display->lblResult[1]->text(), content::text(QStringLiteral("australian/") + content));
    QCOMPARE(display->reading().person.name, QStringLiteral("Bruce"));
    QCOMPARE(display->reading().person.month, calendar::monthNumber(month));
}

void TestAustralianForms::everySignFitsItsLabels()
{
    auto *display = find(QStringLiteral("Bruce"), QStringLiteral("May"));
    for (const australian::AustralianSignRow &row : australian::LoadAustralianSignTable()) {
        ShowAustralianSign(row.animal);
        QCOMPARE(display->lblResult[0]->text(), row.animal.toUpper());
        QVERIFY2(display->lblResult[0]->sizeHint().width() <= display->lblResult[0]->width(), qPrintable(row.animal));
        QVERIFY2(display->lblResult[1]->heightForWidth(display->lblResult[1]->width()) <= display->lblResult[1]->height(),
                 qPrintable(row.animal));
    }
}

void TestAustralianForms::resultOffersOnlyBack()
{
    auto *display = find(QStringLiteral("Bruce"), QStringLiteral("May"));
    QVERIFY(!display->findChild<QLabel *>(QStringLiteral("imgAnimalPics")));
    QVERIFY(display->cmdBack->isVisibleTo(display) && display->cmdBack->isEnabled());
    for (QPushButton *off : {display->cmdPrint, display->cmdExit}) {
        QVERIFY(!off->isEnabled());
        QVERIFY(!off->isVisibleTo(display));
        QVERIFY(off->y() >= display->height());
    }
    QStringList offered;
    const QList<QAction *> fileEntries = display->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions();
    for (QAction *entry : fileEntries) {
        if (!entry->isSeparator() && entry->isVisible() && entry->isEnabled())
            offered.append(entry->text());
    }
    QCOMPARE(offered, (QStringList{QStringLiteral("&Back"), QStringLiteral("E&xit")}));
    QCOMPARE(fileEntries.first(), display->mnuPrint);
    QVERIFY(!display->findChild<QAction *>(QStringLiteral("mnuMakeMoney"))->isVisible());
    QVERIFY(display->findChild<QMenu *>(QStringLiteral("mnuHelp")));

    display->mnuExit->trigger();
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyDisplay>());
    QVERIFY(frame->isStartPanelVisible());
    QVERIFY(!forms::get<frmAustralianAstrologyMain>()->isShownInFrame());
}

void TestAustralianForms::backKeepsEntriesAndSecondFindReplacesBoth()
{
    auto *display = find(QStringLiteral("Bruce"), QStringLiteral("June"));
    const QString wombat = display->lblResult[1]->text();
    display->mnuBack->trigger();
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyDisplay>());
    auto *input = forms::get<frmAustralianAstrologyMain>();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("Bruce"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("June"));

    input->cboMonth->setCurrentText(QStringLiteral("September"));
    input->cmdProceed->click();
    display = forms::get<frmAustralianAstrologyDisplay>();
    QCOMPARE(display->lblResult[0]->text(), QStringLiteral("NUMBAT"));
    QVERIFY(display->lblResult[1]->text() != wombat);
    QVERIFY(display->lblResult[1]->text().contains(QLatin1String("Numbat")));
}

void TestAustralianForms::reportHoldsOnlyTheName()
{
    auto *display = find(QStringLiteral("Bruce Lee"), QStringLiteral("June"));
    display->cmdPrint_Click();   // the only way in: the window offers no Print
    auto *report = forms::get<frmAustralianAstrologySave>();
    QVERIFY(report->isShownInFrame());
    const QString text = report->RTB->toPlainText();
    QVERIFY(text.startsWith(QLatin1String("Name: Bruce Lee")));
    QCOMPARE(text.count(QStringLiteral("Report Generated By http://")), 1);
    QVERIFY(text.indexOf(QLatin1String("Report Generated By")) > text.indexOf(QLatin1String("Bruce Lee")));
    QVERIFY(!text.contains(QLatin1String("June")));
    QVERIFY(!text.contains(QLatin1String("Wombat"), Qt::CaseInsensitive));
    const QTextFragment heading = report->RTB->document()->begin().begin().fragment();
    QCOMPARE(heading.text(), QStringLiteral("Name: "));
    QVERIFY(heading.charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(heading.charFormat().foreground().color(), QColor(0, 128, 128));

    report->close();
    QVERIFY(!forms::isLoaded<frmAustralianAstrologySave>());
    QVERIFY(display->isShownInFrame());
    QCOMPARE(display->lblResult[0]->text(), QStringLiteral("NORTHERN HAIRY-NOSED WOMBAT"));
}

void TestAustralianForms::choosingTheSystemClosesEveryAustralianWindow()
{
    find(QStringLiteral("Bruce"), QStringLiteral("June"))->cmdPrint_Click();
    auto *input = openInput();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(forms::loadedForms(), QList<OrvoForm *>{input});
    QVERIFY(input->txtName->text().isEmpty());
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("January"));
}

void TestAustralianForms::saveThenOpen()
{
    find(QStringLiteral("Zoë"), QStringLiteral("October"))->cmdPrint_Click();
    const QString file = dir->filePath(QStringLiteral("aussie.zod"));
    dialogs->fileAnswers << file;
    forms::get<frmAustralianAstrologySave>()->cmdSave->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(dialogs->fileRequests.first().title, QStringLiteral("Save Your Zodiac Signs Result ...."));
    QCOMPARE(dialogs->fileRequests.first().filter, QStringLiteral("Orvo Free Zodiac Signs (*.zod)"));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), EncodeLine(QStringLiteral("Zoë")) + "\r\n" + EncodeLine(QStringLiteral("October")) + "\r\n");

    auto *input = openInput();
    dialogs->fileAnswers << file;
    input->cmdOpen->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(input->txtName->text(), QStringLiteral("Zoë"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("October"));
    QCOMPARE(forms::get<frmAustralianAstrologyDisplay>()->lblResult[0]->text(), QStringLiteral("DIBBLER"));
    QVERIFY(!input->isShownInFrame());
}

void TestAustralianForms::mayanFileUsesItsFirstTwoLines()
{
    const QString file = dir->filePath(QStringLiteral("mayan.zod"));
    QVERIFY(savedReading::writeFile(file, {QStringLiteral("Ana"), QStringLiteral("March"), QStringLiteral("7"),
                                           QStringLiteral("1985")}));
    auto *input = openInput();
    dialogs->fileAnswers << file;
    input->cmdOpen->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(input->txtName->text(), QStringLiteral("Ana"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(forms::get<frmAustralianAstrologyDisplay>()->lblResult[0]->text(), QStringLiteral("DINGBAT"));
    QCOMPARE(forms::get<frmAustralianAstrologyDisplay>()->reading().person.month, 3);
}

void TestAustralianForms::badFilesChangeNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("message");
    QTest::newRow("upper-case extension ZOD") << "reading.ZOD" << true;
    QTest::newRow("file that is not there") << "missing.zod" << true;
    QTest::newRow("month no list holds") << "marchy.zod" << true;
    QTest::newRow("no name") << "nameless.zod" << true;
    QTest::newRow("cancel") << "" << false;
}

void TestAustralianForms::badFilesChangeNothing()
{
    QFETCH(QString, fileName);
    QFETCH(bool, message);
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("reading.ZOD")), {QStringLiteral("Other"), QStringLiteral("May")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("marchy.zod")), {QStringLiteral("Other"), QStringLiteral("Marchy")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("nameless.zod")), {QStringLiteral("  "), QStringLiteral("May")}));
    auto *input = openInput();
    input->txtName->setText(QStringLiteral("Keep"));
    input->cboMonth->setCurrentText(QStringLiteral("August"));
    dialogs->fileAnswers << (fileName.isEmpty() ? QString() : dir->filePath(fileName));
    input->cmdOpen->click();
    QCOMPARE(dialogs->messageTexts(), message ? QStringList{QStringLiteral("Please Check The File.")} : QStringList());
    if (message)
        QCOMPARE(dialogs->messages.first().icon, Icon::Error);
    QCOMPARE(input->txtName->text(), QStringLiteral("Keep"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("August"));
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyDisplay>());
}

void TestAustralianForms::linksOnEveryWindow()
{
    OpenedPages pages;
    auto *display = find(QStringLiteral("Bruce"), QStringLiteral("June"));
    display->cmdPrint_Click();
    const QList<OrvoForm *> windows = {forms::get<frmAustralianAstrologyMain>(), display,
                                       forms::get<frmAustralianAstrologySave>()};
    for (OrvoForm *form : windows) {
        QCOMPARE(form->findChild<LinkLabel *>(QStringLiteral("Label61"))->page(), modHelp::Page::Home);
        QCOMPARE(form->findChild<LinkLabel *>(QStringLiteral("lblCobrand"))->page(), modHelp::Page::CoBrand);
        QCOMPARE(form->findChild<LinkLabel *>(QStringLiteral("lblFullBrand"))->page(), modHelp::Page::FullBrand);
    }
    QTest::mouseClick(display->Label13, Qt::LeftButton);
    QCOMPARE(pages.urls, QList<QUrl>{modHelp::pageAddress(modHelp::Page::FullBrand)});
}

QTEST_MAIN(TestAustralianForms)
#include "test_australian_forms.moc"

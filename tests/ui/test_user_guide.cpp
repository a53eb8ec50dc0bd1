// The user guide as its readers meet it: with a screen reader (line by line, links as links),
// by keyboard, and by its pictures, which must show what the guide says they show. With
// ORVO_GUIDE_PICTURES set to a folder, the pictured windows are saved there (tools/guide_pictures.sh).
#include "app/frmMDI.h"
#include "app/program_icon.h"
#include "forms/frmUserGuide.h"
#include "forms/guide_browser.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using System = systems::System;
using F = FrameFixture;

namespace {

GuideBrowser *openGuide()
{
    frmUserGuide *guide = frmUserGuide::showGuide();
    guide->resize(760, 500);   // the headings on one line each
    if (!QTest::qWaitForWindowActive(guide))
        return nullptr;
    auto *browser = F::control<GuideBrowser>(guide, QStringLiteral("txtGuide"));
    browser->setFocus();
    browser->moveCursor(QTextCursor::Start);
    return browser;
}

QAccessibleTextInterface *textOf(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->textInterface() : nullptr;
}

// The screen line at the caret, as a screen reader asks for it.
QString lineAtCaret(QAccessibleTextInterface *text)
{
    int start = 0, end = 0;
    return text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
}

// The form's window with its title bar, down to the promotion band, which has nothing to explain.
void savePicture(const QWidget *form, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVO_GUIDE_PICTURES");
    if (folder.isEmpty())
        return;
    QWidget *window = form->parentWidget();
    const auto *band = form->findChild<QWidget *>(QStringLiteral("fraFullBrand"));
    const int bottom = band && band->isVisible() ? band->mapTo(window, QPoint()).y() : window->height();
    QVERIFY(window->grab(QRect(0, 0, window->width(), bottom)).save(QDir(folder).filePath(name)));
}

} // namespace

class TestUserGuide : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void readsLineByLine();
    void linksAreLinks();
    void keysClose_data();
    void keysClose();
    void everyLinkAndPictureIsThere();
    void picturesShowWhatTheGuideSays();
};

void TestUserGuide::initTestCase()
{
    QVERIFY(useOwnSettings());
}

void TestUserGuide::readsLineByLine()
{
    // Made on first use only: the program starts without it.
    QVERIFY(!frmUserGuide::instance());
    GuideBrowser *browser = openGuide();
    QVERIFY(browser);
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(browser->window());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Orvo Animal Signs Astrology \u2014 User Guide"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(browser);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QVERIFY(accessible->state().readOnly && accessible->state().multiLine);
    QAccessibleTextInterface *text = textOf(browser);
    QVERIFY(text);
    QCOMPARE(lineAtCaret(text), QStringLiteral("Orvo Animal Signs Astrology \u2014 User Guide"));

    // The welcome paragraph takes several lines in the window: Down reads the next screen line
    // of it, not the whole paragraph again.
    QTest::keyClick(browser, Qt::Key_Down);
    const QString first = lineAtCaret(text);
    QTest::keyClick(browser, Qt::Key_Down);
    const QString second = lineAtCaret(text);
    QVERIFY2(first.startsWith(QLatin1String("Welcome!")), qPrintable(first));
    QVERIFY2(!second.isEmpty() && second != first && !first.contains(second), qPrintable(second));
    const QString paragraph = browser->textCursor().block().text().simplified();
    QVERIFY(paragraph.contains(first.simplified() + QLatin1Char(' ') + second.simplified()));
}

void TestUserGuide::linksAreLinks()
{
    GuideBrowser *browser = openGuide();
    QVERIFY(browser);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(browser);
    QTest::keyClick(browser, Qt::Key_Tab);
    QAccessibleInterface *link = accessible->focusChild();
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("The main window"));
    QVERIFY(link->state().focused);
    QCOMPARE(accessible->indexOfChild(link), browser->currentLink());

    // Pressed, it brings the caret to its section, where reading goes on.
    QTest::keyClick(browser, Qt::Key_Tab);
    link = accessible->focusChild();
    QVERIFY(link && link->actionInterface());
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Chinese Zodiac: your details, time and place of birth"));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(lineAtCaret(textOf(browser)), link->text(QAccessible::Name));
    QVERIFY(!accessible->focusChild());

    // A web link opens in the browser, never in the guide.
    OpenedPages pages;
    QAccessibleInterface *web = accessible->child(accessible->childCount() - 1);
    QVERIFY(web->text(QAccessible::Description).contains(QLatin1String("web browser")));
    web->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pages.urls.size(), 1);
    QCOMPARE(pages.urls.first().toString(), web->text(QAccessible::Value));
    QCOMPARE(browser->source(), QUrl());
}

void TestUserGuide::keysClose_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    QTest::newRow("Ctrl+F4") << QKeySequence(Qt::CTRL | Qt::Key_F4);
}

void TestUserGuide::keysClose()
{
    QFETCH(QKeySequence, keys);
    GuideBrowser *browser = openGuide();
    QVERIFY(browser);
    // On a link too, where Enter would follow it.
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keySequence(browser, keys);
    QTRY_VERIFY(!browser->window()->isVisible());
}

void TestUserGuide::everyLinkAndPictureIsThere()
{
    GuideBrowser *browser = openGuide();
    QVERIFY(browser);
    int sections = 0;
    for (const GuideBrowser::Link &link : browser->links()) {
        if (!link.target.isRelative())
            continue;
        ++sections;
        QVERIFY2(browser->moveToAnchor(link.target.fragment()), qPrintable(link.target.toString()));
    }
    QVERIFY(sections >= 10);
    int pictures = 0;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            ++pictures;
            const QString name = format.toImageFormat().name();
            QVERIFY2(!QImage::fromData(browser->loadResource(QTextDocument::ImageResource, QUrl(name)).toByteArray()).isNull(),
                     qPrintable(name));
        }
    }
    QCOMPARE(pictures, 2);
}

// The pictures' captions name a birth and what it gives; the windows must still give it.
void TestUserGuide::picturesShowWhatTheGuideSays()
{
    // As the program shows them: its icon in the title bars, room for each window's whole size.
    programIcon::installForTitleBars();
    ui->frame()->resize(ui->frame()->screen()->availableSize());
    QWidget *input = ui->open(System::Chinese);
    QVERIFY(ui->fill(System::Chinese, {QStringLiteral("Ada Lovelace"), QStringLiteral("Male"), 12, 5, 1990}));
    F::control<QComboBox>(input, QStringLiteral("cboHour"))->setCurrentText(QStringLiteral("14"));
    F::control<QComboBox>(input, QStringLiteral("cboMinute"))->setCurrentText(QStringLiteral("30"));
    F::control<QComboBox>(input, QStringLiteral("cboZone"))->setCurrentText(QStringLiteral("Asia/Shanghai"));
    savePicture(input, QStringLiteral("chinese-input.png"));
    const QWidget *result = ui->find(System::Chinese);
    QVERIFY(result);
    // "14:30 on 12 May 1990 counts as 13:30": the hour of the Goat, 13:00 to 15:00.
    QVERIFY(F::text(result, QStringLiteral("txtDepth")).contains(QStringLiteral("Hour pillar: \u4E01\u672A")));

    QVERIFY(ui->reading(System::AllFourSigns, {QStringLiteral("Ada Lovelace"), QString(), 12, 5, 1990}));
    const QWidget *tiles = F::resultForm(System::AllFourSigns);
    QStringList signs;
    for (int tile = 0; tile < 4; ++tile)
        signs << F::text(tiles, QStringLiteral("lblSign_%1").arg(tile));
    signs.sort();
    QCOMPARE(signs, QStringList({"Adder", "Kangaroo", "Kaw (Snake)", "Metal Horse"}));
    savePicture(tiles, QStringLiteral("all-four-signs.png"));
}

QTEST_MAIN(TestUserGuide)
#include "test_user_guide.moc"

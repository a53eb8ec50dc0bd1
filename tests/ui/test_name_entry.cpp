#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "overview/full_reading.h"
#include "widgets/name_box.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

using System = systems::System;

// How names enter the name boxes: the Celtic letters-only rule, whichever way the text arrives,
// and the length limit that never keeps part of a character.
class TestNameEntry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { ui = std::make_unique<FrameFixture>(); }
    void cleanup() { ui.reset(); }
    void celticBoxesTakeNamesOfEveryScript_data();
    void celticBoxesTakeNamesOfEveryScript();
    void overviewNameSplitsForTheCelticBoxes_data();
    void overviewNameSplitsForTheCelticBoxes();
    void lengthLimitKeepsWholeCharacters_data();
    void lengthLimitKeepsWholeCharacters();

private:
    std::unique_ptr<FrameFixture> ui;
};

enum class Arrival { Typed, Pasted, Set };

// One key press per character, as a keyboard layout or input method delivers it.
void type(QWidget *box, const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
        QCoreApplication::sendEvent(box, &press);
    }
}

void TestNameEntry::celticBoxesTakeNamesOfEveryScript_data()
{
    QTest::addColumn<Arrival>("arrival");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("refused");
    QTest::newRow("typed accents") << Arrival::Typed << QStringLiteral("zoë séañ") << QStringLiteral("ZOË SÉAÑ") << false;
    QTest::newRow("typed Han") << Arrival::Typed << QStringLiteral("李") << QStringLiteral("李") << false;
    QTest::newRow("typed apostrophe and hyphen") << Arrival::Typed << QStringLiteral("o'brien-smith")
                                                 << QStringLiteral("O'BRIEN-SMITH") << false;
    QTest::newRow("typed leading apostrophe") << Arrival::Typed << QStringLiteral("'ann") << QStringLiteral("ANN") << true;
    QTest::newRow("typed double hyphen") << Arrival::Typed << QStringLiteral("ann--lee") << QStringLiteral("ANN-LEE") << true;
    QTest::newRow("pasted name") << Arrival::Pasted << QStringLiteral("Zoë O'Brien-Smith")
                                 << QStringLiteral("Zoë O'Brien-Smith") << false;
    QTest::newRow("pasted digits") << Arrival::Pasted << QStringLiteral("ann7 lee") << QStringLiteral("ann lee") << true;
    // Assistive technology sets the text without key presses.
    QTest::newRow("set letters") << Arrival::Set << QStringLiteral("ñandú") << QStringLiteral("ñandú") << false;
    QTest::newRow("set with a sign") << Arrival::Set << QStringLiteral("ann+lee") << QStringLiteral("annlee") << true;
}

void TestNameEntry::celticBoxesTakeNamesOfEveryScript()
{
    QFETCH(Arrival, arrival);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(bool, refused);
    OrvoForm *input = ui->open(System::Celtic);
    QVERIFY(input);
    auto *box = FrameFixture::control<QLineEdit>(input, QStringLiteral("txtlName"));
    switch (arrival) {
    case Arrival::Typed:
        type(box, text);
        break;
    case Arrival::Pasted:
        QGuiApplication::clipboard()->setText(text);
        box->paste();
        break;
    case Arrival::Set:
        box->setText(text);
        break;
    }
    QCOMPARE(box->text(), kept);
    QCOMPARE(ui->dialogs()->messageTexts(),
             refused ? QStringList{QStringLiteral("Please Enter Only Alphabet")} : QStringList{});
}

void TestNameEntry::overviewNameSplitsForTheCelticBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("accent, apostrophe, hyphen") << QStringLiteral("Zoë O'Brien-Smith") << QStringLiteral("ZOË")
                                                << QStringLiteral("O'BRIEN-SMITH");
    QTest::newRow("Han") << QStringLiteral("李 小龙") << QStringLiteral("李") << QStringLiteral("小龙");
    QTest::newRow("dangling apostrophe, digits") << QStringLiteral("Ann' 2 Lee-") << QStringLiteral("ANN")
                                                 << QStringLiteral("LEE");
}

void TestNameEntry::overviewNameSplitsForTheCelticBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QCOMPARE(fullReading::celticNames(name), std::make_pair(first, last));
}

void TestNameEntry::lengthLimitKeepsWholeCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const QString filler(savedReading::MaxNameLength - 1, u'a');
    QTest::newRow("emoji across the limit") << filler + QStringLiteral("\U0001F600") << filler;
    const QString shorter(savedReading::MaxNameLength - 3, u'a');
    QTest::newRow("joined emoji across the limit")
        << shorter + QStringLiteral("\U0001F469\u200D\U0001F469\u200D\U0001F467") << shorter;
    QTest::newRow("emoji just fits") << filler.chopped(1) + QStringLiteral("\U0001F600")
                                     << filler.chopped(1) + QStringLiteral("\U0001F600");
}

void TestNameEntry::lengthLimitKeepsWholeCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QLineEdit box;
    nameBox::setUp(&box);
    QGuiApplication::clipboard()->setText(text);
    box.paste();
    QCOMPARE(box.text(), kept);
    box.setText(text);
    QCOMPARE(box.text(), kept);
}

QTEST_MAIN(TestNameEntry)
#include "test_name_entry.moc"

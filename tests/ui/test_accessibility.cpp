#include "app/frmMDI.h"
#include "forms/accessibility.h"
#include "forms/frmAbout.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/link_label.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QAbstractItemView>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QtTest>

using System = systems::System;
using F = FrameFixture;

namespace {

// What a screen reader announces for widget: Qt's accessible name (set, or taken from the
// button's text or the buddy label).
QString announcedName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : widget->accessibleName();
}

bool isInsideCompositeControl(const QWidget *widget, const QWidget *top)
{
    for (const QWidget *up = widget->parentWidget(); up && up != top; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QCalendarWidget *>(up)
            || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
    }
    return false;
}

// Every control a user types into, picks from or presses, that a screen reader cannot name.
QStringList unnamedControls(QWidget *top)
{
    QStringList unnamed;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        if (widget->objectName().startsWith(QLatin1String("qt_")) || isInsideCompositeControl(widget, top))
            continue;
        const bool input = qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
                           || qobject_cast<QTextEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)
                           || qobject_cast<QCalendarWidget *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
                           || qobject_cast<QAbstractButton *>(widget);
        if (input && announcedName(widget).isEmpty())
            unnamed.append(top->objectName() + QLatin1Char('/') + widget->metaObject()->className()
                           + QLatin1Char(' ') + widget->objectName());
    }
    return unnamed;
}

} // namespace

class TestAccessibility : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlOfEverySystemIsNamed_data();
    void everyControlOfEverySystemIsNamed();
    void captionsBecomeNames_data();
    void captionsBecomeNames();
    void birthDateListsSayWhatTheyHold_data();
    void birthDateListsSayWhatTheyHold();
    void enterInADateListFinds();
    void readOnlyTextIsReadLineByLine_data();
    void readOnlyTextIsReadLineByLine();
    void linksArePressableLinks();
    void ownColoursReachContrast_data();
    void ownColoursReachContrast();
    void optionsAreGroupedUnderTheirCaption_data();
    void optionsAreGroupedUnderTheirCaption();
    void aboutBoxOpensOnOk();
    void zoneSuggestionsAreAnnounced();
};

void TestAccessibility::everyControlOfEverySystemIsNamed_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("sign");   // the control the result form opens on
    QTest::newRow("Celtic") << System::Celtic << "lblCelticBirthAnimalSign";
    QTest::newRow("Chinese") << System::Chinese << "lblChineseSign";
    QTest::newRow("Mayan") << System::Mayan << "lblResult_0";
    QTest::newRow("Australian") << System::Australian << "lblResult_0";
}

// The input, result and report window of each system, the overview and Two People having
// tests of their own.
void TestAccessibility::everyControlOfEverySystemIsNamed()
{
    QFETCH(System, system);
    QFETCH(QString, sign);
    const bool chinese = system == System::Chinese;
    QVERIFY(ui->reading(system, {"Ann Lee", chinese ? "Female" : QString(), 0, 0, chinese ? 1970 : 0}));
    QVERIFY(ui->report(system));
    QVERIFY2(ui->dialogs()->messages.isEmpty(), qPrintable(ui->dialogs()->messageTexts().join(u'|')));
    QStringList unnamed = unnamedControls(ui->frame());
    for (OrvoForm *form : {F::inputForm(system), F::resultForm(system), F::reportForm(system)}) {
        QVERIFY(form);
        unnamed += unnamedControls(form);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));

    // The result opens on its sign, so a screen reader says it at once; Tab reaches every value.
    const OrvoForm *result = F::resultForm(system);
    QCOMPARE(result->focusWidget() ? result->focusWidget()->objectName() : QString(), sign);
    for (const QLabel *caption : result->findChildren<QLabel *>()) {
        if (caption->buddy())
            QVERIFY2(caption->buddy()->focusPolicy() & Qt::TabFocus, qPrintable(caption->buddy()->objectName()));
    }
}

void TestAccessibility::captionsBecomeNames_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a caption left on the same row names nothing without its buddy") << "left" << "Sign Details";
    QTest::newRow("a caption above names nothing without its buddy") << "above" << "Sign Details";
    QTest::newRow("buddy wins over a nearer caption") << "buddy" << "Gem Stone";
    QTest::newRow("frame title when no caption is near") << "far" << "Sign Details";
    QTest::newRow("caption of another column is not taken") << "other column" << "Sign Details";
    QTest::newRow("mnemonic mark of a buddy caption is not said") << "mnemonic" << "Name & Date";
    QTest::newRow("trailing colon and dash of a buddy caption are not said") << "buddy left" << "Lucky Colour";
}

// The pass on a small form: only a buddy caption names its control, wherever the two stand.
void TestAccessibility::captionsBecomeNames()
{
    QFETCH(QString, layout);
    QFETCH(QString, expected);
    QWidget form;
    auto *frameBox = new QGroupBox("&Sign Details", &form);
    frameBox->setGeometry(0, 0, 600, 300);
    auto *box = new QLineEdit(frameBox);
    box->setGeometry(200, 100, 150, 22);
    auto *caption = new QLabel("Lucky Colour:-", frameBox);
    caption->resize(100, 16);
    if (layout == QLatin1String("left")) {
        caption->move(95, 103);
    } else if (layout == QLatin1String("buddy left")) {
        caption->move(95, 103);
        caption->setBuddy(box);
    } else if (layout == QLatin1String("above")) {
        caption->move(200, 80);
    } else if (layout == QLatin1String("buddy")) {
        caption->move(95, 103);
        auto *buddy = new QLabel("Gem Stone :", frameBox);
        buddy->setGeometry(10, 250, 100, 16);
        buddy->setBuddy(box);
    } else if (layout == QLatin1String("far")) {
        caption->move(10, 10);
    } else if (layout == QLatin1String("other column")) {
        caption->move(400, 80);
    } else if (layout == QLatin1String("mnemonic")) {
        caption->setText("&Name && Date:");
        caption->move(95, 103);
        caption->setBuddy(box);
    }
    accessibility::nameInputControls(&form);
    QCOMPARE(box->accessibleName(), expected);
}

void TestAccessibility::birthDateListsSayWhatTheyHold_data()
{
    QTest::addColumn<System>("system");
    QTest::newRow("Australian") << System::Australian;
    QTest::newRow("Celtic") << System::Celtic;
    QTest::newRow("Chinese") << System::Chinese;
    QTest::newRow("Mayan") << System::Mayan;
    QTest::newRow("All Four Signs") << System::AllFourSigns;
    QTest::newRow("Two People") << System::TwoPeople;
}

// Qt announces its own combo box by its value ("1", "January"); a birth-date list says what it
// holds, and the names a form gives its lists stay as given.
void TestAccessibility::birthDateListsSayWhatTheyHold()
{
    QFETCH(System, system);
    const OrvoForm *input = ui->open(system);
    QVERIFY(input);
    static const QRegularExpression dateList("(Date|Month|Year|Hour|Minute|Zone)(_\\d)?$");
    const QHash<QString, QString> given{{"Date", "Day of birth"}, {"Month", "Month of birth"},
                                        {"Year", "Year of birth"}, {"Hour", "Hour of birth"},
                                        {"Minute", "Minute of birth"}, {"Zone", "Birthplace time zone"}};
    int found = 0;
    for (QComboBox *list : input->findChildren<QComboBox *>()) {
        const QRegularExpressionMatch match = dateList.match(list->objectName());
        if (!match.hasMatch())
            continue;
        ++found;
        const QString name = announcedName(list);
        if (match.captured(2).isEmpty())
            QCOMPARE(name, given.value(match.captured(1)));
        else   // one of two people's lists, named for its person
            QVERIFY2(name.contains(QLatin1String("birth")), qPrintable(list->objectName()));
    }
    QVERIFY(found > 0);
}

void TestAccessibility::enterInADateListFinds()
{
    const OrvoForm *input = ui->open(System::Mayan);
    QVERIFY(input);
    QVERIFY(ui->fill(System::Mayan, {"Ann Lee"}));
    QTest::keyClick(F::control<QComboBox>(input, "cboYear"), Qt::Key_Return);
    const OrvoForm *display = F::resultForm(System::Mayan);
    QVERIFY(display && display->isShownInFrame());
    QVERIFY(!F::text(display, "lblResult_0").isEmpty());
}

void TestAccessibility::readOnlyTextIsReadLineByLine_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("box");
    QTest::newRow("Chinese years ahead") << System::Chinese << "txtDepth";
    QTest::newRow("Chinese famous personalities") << System::Chinese << "txtFamousPersons";
    QTest::newRow("Celtic characteristics") << System::Celtic << "txtCharacterstic";
}

// The arrow keys move the caret of a read-only text, which a screen reader follows line by line;
// in Qt's read-only box they only scroll, and the caret stays on the first line.
void TestAccessibility::readOnlyTextIsReadLineByLine()
{
    QFETCH(System, system);
    QFETCH(QString, box);
    QVERIFY(ui->reading(system, {"Ann Lee", system == System::Chinese ? "Female" : QString(), 12, 5, 1990}));
    auto *text = F::control<QTextEdit>(F::resultForm(system), box);
    text->setFocus();
    QTRY_VERIFY(text->hasFocus());
    text->moveCursor(QTextCursor::Start);
    QTest::keyClick(text, Qt::Key_Down);
    QVERIFY(text->textCursor().position() > 0);
    QVERIFY(text->isReadOnly());
}

// Every link says it is a link and follows on the Press action; the frame's banner is one, in
// the Tab ring like the choices under it.
void TestAccessibility::linksArePressableLinks()
{
    auto *banner = F::control<LinkLabel>(ui->frame(), "lblVellimorBanner");
    QVERIFY(banner->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(banner);
    QCOMPARE(link->role(), QAccessible::Link);
    QVERIFY(link->text(QAccessible::Name).startsWith("Visit the Orvo astrology forum"));
    QVERIFY(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    OpenedPages pages;
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pages.urls.size(), 1);
}

void TestAccessibility::ownColoursReachContrast_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("longitude placeholder") << "placeholder";
    QTest::newRow("calendar weekend dates") << "weekend";
    QTest::newRow("calendar weekend header") << "header";
    QTest::newRow("calendar days of the months around") << "adjacent";
    QTest::newRow("tradition list on the navy Two People window") << "tradition";
}

void TestAccessibility::ownColoursReachContrast()
{
    QFETCH(QString, part);
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    QColor text, background;
    if (part == "placeholder") {
        const auto *box = F::control<QLineEdit>(ui->open(System::Chinese), "txtLongitude");
        text = box->palette().color(QPalette::PlaceholderText);
        background = box->palette().color(QPalette::Base);
    } else if (part == "tradition") {
        const auto *list = F::control<QComboBox>(ui->open(System::TwoPeople), "cboTradition");
        text = list->palette().color(QPalette::ButtonText);
        background = list->palette().color(QPalette::Button);
    } else {
        QVERIFY(ui->reading(System::Chinese, {"Ann Lee", "Female", 12, 5, 1990}));
        const auto *calendar = F::control<QCalendarWidget>(F::resultForm(System::Chinese), "MV");
        const QTextCharFormat weekend = calendar->weekdayTextFormat(Qt::Sunday);
        text = part == "adjacent" ? calendar->palette().color(QPalette::Disabled, QPalette::Text) : weekend.foreground().color();
        background = calendar->palette().color(part == "header" ? QPalette::AlternateBase : QPalette::Base);
    }
    const qreal lighter = std::max(luminance(text), luminance(background));
    const qreal darker = std::min(luminance(text), luminance(background));
    const qreal ratio = (lighter + 0.05) / (darker + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3").arg(text.name(), background.name()).arg(ratio)));
}

void TestAccessibility::optionsAreGroupedUnderTheirCaption_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Chinese") << System::Chinese << "Label5";
    QTest::newRow("All Four Signs") << System::AllFourSigns << "Label4";
}

// Male and Female sit in a group named "Sex" and labelled by the caption beside them.
void TestAccessibility::optionsAreGroupedUnderTheirCaption()
{
    QFETCH(System, system);
    QFETCH(QString, caption);
    OrvoForm *input = ui->open(system);
    QVERIFY(input);
    for (const char *option : {"optSex_0", "optSex_1"}) {
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(F::control<QRadioButton>(input, option))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Sex"));
        const auto labels = group->relations(QAccessible::Label);
        QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [&](const auto &relation) {
            return relation.first->object() == F::control<QLabel>(input, caption);
        }));
    }
}

// The About box opens on OK, which shows it has the focus; Enter closes the box and opens no page.
void TestAccessibility::aboutBoxOpensOnOk()
{
    OpenedPages pages;
    frmAbout about(ui->frame());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), F::control<QPushButton>(&about, "cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QCOMPARE(pages.urls.size(), 0);
}

// Typing part of a zone's name offers suggestions, and says how many; Enter on one takes it, says
// so, and leaves Proceed for the next Enter.
void TestAccessibility::zoneSuggestionsAreAnnounced()
{
    OrvoForm *input = ui->open(System::Chinese);
    QVERIFY(ui->fill(System::Chinese, {"Ann Lee", "Female", 12, 5, 1990}));
    auto *zone = F::control<QComboBox>(input, "cboZone");
    QLineEdit *edit = zone->lineEdit();
    QCOMPARE(announcedName(edit), QStringLiteral("Birthplace time zone"));
    edit->clear();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "paris");
    QTRY_VERIFY(zone->completer()->popup()->isVisible());
    QTRY_COMPARE(edit->accessibleDescription(), QStringLiteral("1 suggestion, Down arrow to choose"));
    QTest::keyClick(static_cast<QWidget *>(zone->completer()->popup()), Qt::Key_Down);
    QTest::keyClick(static_cast<QWidget *>(zone->completer()->popup()), Qt::Key_Return);
    QTRY_COMPARE(zone->currentText(), QStringLiteral("Europe/Paris"));
    QCOMPARE(edit->accessibleDescription(), QStringLiteral("Europe/Paris chosen"));
    F::flushDeletes();
    const OrvoForm *result = F::resultForm(System::Chinese);
    QVERIFY(!result || !result->isShownInFrame());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

#include "common/date_text.h"

#include <QDate>
#include <QtTest>

class TestDateText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shortDateKeepsLocaleOrder_data();
    void shortDateKeepsLocaleOrder();
    void quotedTextIsNoYear();
    void longDateIgnoresLocale_data();
    void longDateIgnoresLocale();
};

void TestDateText::shortDateKeepsLocaleOrder_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    const QDate march5(1970, 3, 5);
    QTest::newRow("en_US month first, two-digit year widened") << QLocale(QLocale::English, QLocale::UnitedStates) << march5 << "3/5/1970";
    QTest::newRow("de_DE day first with dots, widened") << QLocale(QLocale::German, QLocale::Germany) << march5 << "05.03.1970";
    QTest::newRow("en_GB already four digits") << QLocale(QLocale::English, QLocale::UnitedKingdom) << march5 << "05/03/1970";
    QTest::newRow("ja_JP year first") << QLocale(QLocale::Japanese, QLocale::Japan) << march5 << "1970/03/05";
    QTest::newRow("en_US first year of the range") << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(1900, 1, 1) << "1/1/1900";
    QTest::newRow("de_DE last day of the range") << QLocale(QLocale::German, QLocale::Germany) << QDate(2100, 12, 31) << "31.12.2100";
}

void TestDateText::shortDateKeepsLocaleOrder()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(dateText::shortDate(date, locale), expected);
}

void TestDateText::quotedTextIsNoYear()
{
    QCOMPARE(dateText::withFourDigitYear(QStringLiteral("d 'yy''s' M yy")), QStringLiteral("d 'yy''s' M yyyy"));
}

void TestDateText::longDateIgnoresLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("de_DE default, English month") << QLocale(QLocale::German, QLocale::Germany) << QDate(1984, 2, 2) << "2 February 1984";
    QTest::newRow("ja_JP default, first day of the range") << QLocale(QLocale::Japanese, QLocale::Japan) << QDate(1900, 1, 1) << "1 January 1900";
    QTest::newRow("ar_EG default, Latin digits") << QLocale(QLocale::Arabic, QLocale::Egypt) << QDate(2100, 12, 31) << "31 December 2100";
}

void TestDateText::longDateIgnoresLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    const QLocale before;
    QLocale::setDefault(locale);
    const QString text = dateText::longDate(date);
    QLocale::setDefault(before);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestDateText)
#include "test_date_text.moc"

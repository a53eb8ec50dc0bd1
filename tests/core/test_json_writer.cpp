#include "common/json_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// What the writer produces must read back, through an independent JSON reader, as what it was given.
class TestJsonWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textsReadBack_data();
    void textsReadBack();
    void nestingAndNumbers();
};

void TestJsonWriter::textsReadBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("quotes and backslashes") << QStringLiteral("say \"hi\" \\ \\\" \\\\");
    QTest::newRow("every control code") << [] {
        QString controls;
        for (char16_t c = 0; c < 0x20; ++c)
            controls += QChar(c);
        return controls + QChar(0x7F);
    }();
    QTest::newRow("letters of two, three and four bytes") << QStringLiteral("Zoë 李小龙 🐉");
    QTest::newRow("a solidus and a would-be escape") << QStringLiteral("a/b \\u0041 \\n");
}

void TestJsonWriter::textsReadBack()
{
    QFETCH(QString, text);
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    json.member("text", text);
    json.member("literal", "plain");
    json.endObject();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString() + QLatin1Char(' ') + QString::fromStdString(out)));
    QCOMPARE(document.object().value(QStringLiteral("text")).toString(), text);
    QVERIFY(out.find('\n') == std::string::npos);   // a batch answer stays on its line
}

void TestJsonWriter::nestingAndNumbers()
{
    std::string fragment;
    JsonWriter members(fragment);
    members.member("a", 1);
    members.member("b", false);

    std::string out;
    JsonWriter json(out);
    json.beginObject();
    json.key("list");
    json.beginArray();
    for (const qint64 n : {qint64(0), qint64(-7), std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()})
        json.value(n);
    json.beginObject();
    json.endObject();
    json.endArray();
    json.key("inner");
    json.beginObject();
    json.rawMembers(fragment);
    json.member("c", true);
    json.endObject();
    json.endObject();
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    QCOMPARE(QString::fromStdString(out), QStringLiteral("{\"list\":[0,-7,-9223372036854775808,9223372036854775807,{}],"
                                                         "\"inner\":{\"a\":1,\"b\":false,\"c\":true}}"));
    QCOMPARE(object.value(QStringLiteral("inner")).toObject().size(), 3);
}

QTEST_GUILESS_MAIN(TestJsonWriter)
#include "test_json_writer.moc"

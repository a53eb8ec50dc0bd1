#include "common/line_codec.h"

#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> codes)
{
    QByteArray result;
    for (int code : codes)
        result.append(char(code));
    return result;
}

bool holdsLineBreak(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\n' || c == U'\r' || c == 0x0B || c == 0x0C || c == 0x85 || c == 0x2028 || c == 0x2029)
            return true;
    }
    return false;
}

} // namespace

class TestLineCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodesGoldenBytes_data();
    void encodesGoldenBytes();
    void roundTrips_data();
    void roundTrips();
    void readsTheOlderFormat_data();
    void readsTheOlderFormat();
    void dropsStrayBytes_data();
    void dropsStrayBytes();
    void neverWritesOrReadsALineBreak();
    void joinsLines_data();
    void joinsLines();
    void everyUnitEncodesWithinTheBound();
};

void TestLineCodec::encodesGoldenBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("abc") << QStringLiteral("abc") << bytes({182, 183, 184});
    QTest::newRow("empty line") << QString() << QByteArray();
    QTest::newRow("capital and blank") << QStringLiteral("A z") << bytes({150, 117, 207});
    QTest::newRow("code 0 is 85") << QString(QChar(0)) << bytes({85});
    QTest::newRow("euro sign is code 128") << QStringLiteral("\u20AC") << bytes({213});
    QTest::newRow("Y diaeresis is code 159") << QStringLiteral("\u0178") << bytes({244});
    QTest::newRow("feminine ordinal is code 170, the last shifted") << QStringLiteral("\u00AA") << bytes({255});
    QTest::newRow("left guillemet, code 171, as its code point") << QStringLiteral("\u00AB") << QByteArray("#171;");
    QTest::newRow("e acute as its code point") << QStringLiteral("Jos\u00E9") << (bytes({159, 196, 200}) + "#233;");
    QTest::newRow("L stroke, not in the character set") << QStringLiteral("\u0141u") << (QByteArray("#321;") + bytes({202}));
    QTest::newRow("emoji outside the basic plane") << QStringLiteral("\U0001F600") << QByteArray("#128512;");
    QTest::newRow("typed hash sign stays shifted") << QStringLiteral("#1;") << bytes({120, 134, 144});
}

void TestLineCodec::encodesGoldenBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    QCOMPARE(EncodeLine(text), encoded);
}

void TestLineCodec::roundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain letters") << QStringLiteral("Mary Ann O'Neil-Smith");
    QTest::newRow("empty") << QString();
    QTest::newRow("Jose with e acute") << QStringLiteral("Jos\u00E9");
    QTest::newRow("Lukasz with L stroke") << QStringLiteral("\u0141ukasz");
    QTest::newRow("Chinese characters") << QStringLiteral("\u674E\u5C0F\u9F99");
    QTest::newRow("emoji between letters") << QStringLiteral("Zo\u00EB \U0001F389 Fox \U0001F98A");
    QTest::newRow("Windows-1252 punctuation") << QStringLiteral("\u201CQuote\u201D \u2013 \u2026 \u2122 \u20AC5");
    QTest::newRow("text that looks like an escape") << QStringLiteral("#233; and #65;");
    QTest::newRow("escape followed by digits") << QStringLiteral("\u00E91999");
    QTest::newRow("upper half of Latin-1") << QStringLiteral("\u00C0\u00DF\u00FF\u00AB\u00BB\u00B0");
    QTest::newRow("tab and control codes") << QStringLiteral("a\tb\u0001c\u007F");

    QString everyShifted;
    for (char16_t code = 0; code <= 0xAA; ++code) {
        if (code != '\n' && code != '\r' && code != 0x0B && code != 0x0C && code != 0x85)
            everyShifted.append(QChar(code));
    }
    QTest::newRow("every character of codes 0 to 170 but line breaks") << everyShifted;
}

void TestLineCodec::roundTrips()
{
    QFETCH(QString, text);
    const QByteArray encoded = EncodeLine(text);
    QVERIFY(!encoded.contains('\n'));
    QVERIFY(!encoded.contains('\r'));
    QCOMPARE(DecodeLine(encoded), text);
}

void TestLineCodec::readsTheOlderFormat_data()
{
    // Files written by earlier versions hold shifted bytes only.
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("abc") << bytes({182, 183, 184}) << QStringLiteral("abc");
    QTest::newRow("Male") << bytes({162, 182, 193, 186}) << QStringLiteral("Male");
    QTest::newRow("byte 213 is the euro sign") << bytes({213}) << QStringLiteral("\u20AC");
    QTest::newRow("byte 255 is code 170") << bytes({255}) << QStringLiteral("\u00AA");
    QTest::newRow("Jose written without its e") << bytes({159, 196, 200}) << QStringLiteral("Jos");
}

void TestLineCodec::readsTheOlderFormat()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QCOMPARE(DecodeLine(line), text);
}

void TestLineCodec::dropsStrayBytes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("control bytes between letters") << bytes({1, 182, 32, 183, 84}) << QStringLiteral("ab");
    QTest::newRow("hash without semicolon") << (QByteArray("#65") + bytes({182})) << QStringLiteral("a");
    QTest::newRow("hash without digits") << QByteArray("#;") << QString();
    QTest::newRow("digits without hash") << QByteArray("65;") << QString();
    QTest::newRow("code point zero") << QByteArray("#0;") << QString();
    QTest::newRow("beyond the last code point") << QByteArray("#1114112;") << QString();
    QTest::newRow("overlong number") << QByteArray("#000000065;") << QString();
    QTest::newRow("surrogate half") << QByteArray("#55296;") << QString();
    QTest::newRow("escape after stray hash") << QByteArray("##233;") << QStringLiteral("\u00E9");
    QTest::newRow("last code point kept") << QByteArray("#1114111;") << QString::fromUcs4(U"\U0010FFFF");
}

void TestLineCodec::dropsStrayBytes()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QCOMPARE(DecodeLine(line), text);
}

void TestLineCodec::neverWritesOrReadsALineBreak()
{
    QCOMPARE(EncodeLine(QStringLiteral("a\r\nb")).count('\n') + EncodeLine(QStringLiteral("a\r\nb")).count('\r'), 0);

    for (int byte = 0; byte < 256; ++byte)
        QVERIFY2(!holdsLineBreak(DecodeLine(bytes({byte}))), qPrintable(QString::number(byte)));
    for (int code : {10, 11, 12, 13, 0x85, 0x2028, 0x2029})
        QVERIFY2(!holdsLineBreak(DecodeLine("#" + QByteArray::number(code) + ";")), qPrintable(QString::number(code)));

    // A binary file's line: whatever the bytes, one line comes out.
    QByteArray noise;
    quint32 state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        noise.append(char(state >> 24));
        if (i % 7 == 0)
            noise.append("#10;");
    }
    QVERIFY(!holdsLineBreak(DecodeLine(noise)));
}

void TestLineCodec::joinsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("joined");
    QTest::newRow("line feed") << QStringLiteral("Ann\nLee") << QStringLiteral("Ann Lee");
    QTest::newRow("CR LF is one space") << QStringLiteral("Ann\r\nLee") << QStringLiteral("Ann Lee");
    QTest::newRow("LF CR is two") << QStringLiteral("Ann\n\rLee") << QStringLiteral("Ann  Lee");
    QTest::newRow("lone CR at the end") << QStringLiteral("Ann\r") << QStringLiteral("Ann ");
    QTest::newRow("Unicode separators, VT, FF, NEL")
        << QStringLiteral("a\u2028b\u2029c\vd\fe\u0085f") << QStringLiteral("a b c d e f");
    QTest::newRow("tab stays") << QStringLiteral("a\tb") << QStringLiteral("a\tb");
}

void TestLineCodec::joinsLines()
{
    QFETCH(QString, text);
    QFETCH(QString, joined);
    QCOMPARE(JoinLines(text), joined);
}

void TestLineCodec::everyUnitEncodesWithinTheBound()
{
    // The name boxes' length limit relies on this bound, lone surrogates included.
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const QString text{QChar(char16_t(unit))};
        QVERIFY2(EncodeLine(text).size() <= MaxEncodedBytesPerUnit, qPrintable(QString::number(unit)));
    }
    const QString pair = QString::fromUcs4(U"\U0010FFFF");
    QVERIFY(EncodeLine(pair).size() <= MaxEncodedBytesPerUnit * pair.size());
}

QTEST_GUILESS_MAIN(TestLineCodec)
#include "test_line_codec.moc"

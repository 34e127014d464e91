// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/text/Asc.h"
#include "platform/text/Format.h"
#include "platform/text/Val.h"

#include <QTest>
#include <limits>
#include <stdexcept>

using quorvel::platform::Asc;
using quorvel::platform::Format;
using quorvel::platform::Val;

namespace {

std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString formatted(double value, const QByteArray& pattern)
{
    return QString::fromStdString(Format(value, view(pattern)));
}

} // namespace

class TextServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valReadsPlainDecimalsAndFractions_data();
    void valReadsPlainDecimalsAndFractions();
    void valReadsUnusableTextsAsZero_data();
    void valReadsUnusableTextsAsZero();
    void valReadsNumbersBeyondADoubleAsZero_data();
    void valReadsNumbersBeyondADoubleAsZero();

    void formatWritesFixedDecimalsWithoutLeadingZero_data();
    void formatWritesFixedDecimalsWithoutLeadingZero();
    void formatRoundsToFifteenDigitsThenHalvesAwayFromZero_data();
    void formatRoundsToFifteenDigitsThenHalvesAwayFromZero();
    void formatKeepsTheSignUnlessTheValueRoundsToZero_data();
    void formatKeepsTheSignUnlessTheValueRoundsToZero();
    void formatWritesInfinityAndNanAsWords_data();
    void formatWritesInfinityAndNanAsWords();
    void formatRefusesUnknownPatterns_data();
    void formatRefusesUnknownPatterns();

    void ascGivesTheCodePointOfTheFirstCharacter_data();
    void ascGivesTheCodePointOfTheFirstCharacter();
    void ascGivesTheReplacementCharacterForMalformedText_data();
    void ascGivesTheReplacementCharacterForMalformedText();
};

void TextServices::valReadsPlainDecimalsAndFractions_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("point then digits: .75") << QByteArray(".75") << 0.75;
    QTest::newRow("whole number: 2") << QByteArray("2") << 2.0;
    QTest::newRow("leading zero: 0.8") << QByteArray("0.8") << 0.8;
    QTest::newRow("trailing point: 100.") << QByteArray("100.") << 100.0;
    QTest::newRow("spaces around: '  .5 '") << QByteArray("  .5 ") << 0.5;
    QTest::newRow("fraction of whole numbers: 30/40") << QByteArray("30/40") << 0.75;
    QTest::newRow("fraction of decimals: 1.5/.5") << QByteArray("1.5/.5") << 3.0;
    QTest::newRow("fraction with spaces around: ' 60/40 '") << QByteArray(" 60/40 ") << 1.5;
}

void TextServices::valReadsPlainDecimalsAndFractions()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);

    QCOMPARE(Val(view(text)), expected);
}

void TextServices::valReadsUnusableTextsAsZero_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty text") << QByteArray("");
    QTest::newRow("spaces only") << QByteArray("   ");
    QTest::newRow("point alone") << QByteArray(".");
    QTest::newRow("two points: 1.2.3") << QByteArray("1.2.3");
    QTest::newRow("minus sign: -1") << QByteArray("-1");
    QTest::newRow("plus sign: +1") << QByteArray("+1");
    QTest::newRow("exponent: 1e3") << QByteArray("1e3");
    QTest::newRow("letters: abc") << QByteArray("abc");
    QTest::newRow("digits then letter: 5x") << QByteArray("5x");
    QTest::newRow("infinity word: inf") << QByteArray("inf");
    QTest::newRow("not-a-number word: nan") << QByteArray("nan");
    QTest::newRow("divisor zero: 1/0") << QByteArray("1/0");
    QTest::newRow("double slash: 1//2") << QByteArray("1//2");
    QTest::newRow("slash alone") << QByteArray("/");
    QTest::newRow("missing divisor: 3/") << QByteArray("3/");
    QTest::newRow("missing dividend: /4") << QByteArray("/4");
    QTest::newRow("two fractions: 1/2/3") << QByteArray("1/2/3");
    // Pasted from a table: only spaces count as padding.
    QTest::newRow("tab before: '\\t.5'") << QByteArray("\t.5");
    QTest::newRow("tab after: '.5\\t'") << QByteArray(".5\t");
    QTest::newRow("line break after: '.5\\n'") << QByteArray(".5\n");
}

void TextServices::valReadsUnusableTextsAsZero()
{
    QFETCH(QByteArray, text);

    QCOMPARE(Val(view(text)), 0.0);
}

void TextServices::valReadsNumbersBeyondADoubleAsZero_data()
{
    QTest::addColumn<QByteArray>("text");

    const QByteArray nines(400, '9');
    const QByteArray tinyDivisor = '.' + QByteArray(300, '0') + '1';
    QTest::newRow("400-digit number") << nines;
    QTest::newRow("400 zeros after the point before a 1") << '.' + QByteArray(400, '0') + '1';
    QTest::newRow("300-digit dividend over a tiny divisor") << QByteArray(300, '9') + '/' + tinyDivisor;
}

void TextServices::valReadsNumbersBeyondADoubleAsZero()
{
    QFETCH(QByteArray, text);

    QCOMPARE(Val(view(text)), 0.0);
}

void TextServices::formatWritesFixedDecimalsWithoutLeadingZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("half, four decimals") << 0.5 << QByteArray(".0000") << ".5000";
    QTest::newRow("zero, four decimals") << 0.0 << QByteArray(".0000") << ".0000";
    QTest::newRow("zero, two decimals") << 0.0 << QByteArray("##.00") << ".00";
    QTest::newRow("two and a quarter, two decimals") << 2.25 << QByteArray("##.00") << "2.25";
    QTest::newRow("891, longer than the pattern's two places") << 891.0 << QByteArray("##.00") << "891.00";
    QTest::newRow("39601, five integer digits") << 39601.0 << QByteArray("##.00") << "39601.00";
    QTest::newRow("1e20 written in full") << 1e20 << QByteArray("##.00") << "100000000000000000000.00";
    QTest::newRow("eighteen digits: only fifteen are significant")
        << 123456789012345678.0 << QByteArray("##.00") << "123456789012346000.00";
    QTest::newRow("one decimal pattern") << 0.25 << QByteArray(".0") << ".3";
    QTest::newRow("pattern without hashes, two decimals") << 2.5 << QByteArray(".00") << "2.50";
}

void TextServices::formatWritesFixedDecimalsWithoutLeadingZero()
{
    QFETCH(double, value);
    QFETCH(QByteArray, pattern);
    QFETCH(QString, expected);

    QCOMPARE(formatted(value, pattern), expected);
}

void TextServices::formatRoundsToFifteenDigitsThenHalvesAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QString>("expected");

    // Both of these are stored just below the half, which the first step brings back.
    QTest::newRow("0.09374999999999999 counts as 0.09375")
        << 0.09374999999999999 << QByteArray(".0000") << ".0938";
    QTest::newRow("2.675 rounds up to 2.68") << 2.675 << QByteArray("##.00") << "2.68";
    QTest::newRow("0.125 rounds up to .13") << 0.125 << QByteArray("##.00") << ".13";
    QTest::newRow("0.99995 carries into the integer part") << 0.99995 << QByteArray(".0000") << "1.0000";
    QTest::newRow("9.995 carries across the point") << 9.995 << QByteArray("##.00") << "10.00";
    QTest::newRow("0.00004 rounds down to zero") << 0.00004 << QByteArray(".0000") << ".0000";
    QTest::newRow("0.00005 rounds up to the last place") << 0.00005 << QByteArray(".0000") << ".0001";
    QTest::newRow("0.004999 rounds down") << 0.004999 << QByteArray("##.00") << ".00";
}

void TextServices::formatRoundsToFifteenDigitsThenHalvesAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(QByteArray, pattern);
    QFETCH(QString, expected);

    QCOMPARE(formatted(value, pattern), expected);
}

void TextServices::formatKeepsTheSignUnlessTheValueRoundsToZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("minus a half") << -0.5 << QByteArray(".0000") << "-.5000";
    QTest::newRow("minus 2.675 rounds away from zero") << -2.675 << QByteArray("##.00") << "-2.68";
    QTest::newRow("minus 0.00001 loses its sign") << -0.00001 << QByteArray(".0000") << ".0000";
    QTest::newRow("minus 0.004 loses its sign") << -0.004 << QByteArray("##.00") << ".00";
    QTest::newRow("negative zero loses its sign") << -0.0 << QByteArray("##.00") << ".00";
}

void TextServices::formatKeepsTheSignUnlessTheValueRoundsToZero()
{
    QFETCH(double, value);
    QFETCH(QByteArray, pattern);
    QFETCH(QString, expected);

    QCOMPARE(formatted(value, pattern), expected);
}

void TextServices::formatWritesInfinityAndNanAsWords_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "-inf";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "nan";
}

void TextServices::formatWritesInfinityAndNanAsWords()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(formatted(value, ".0000"), expected);
}

void TextServices::formatRefusesUnknownPatterns_data()
{
    QTest::addColumn<QByteArray>("pattern");

    QTest::newRow("leading zero: 0.00") << QByteArray("0.00");
    QTest::newRow("grouping: #,##0") << QByteArray("#,##0");
    QTest::newRow("empty pattern") << QByteArray("");
    QTest::newRow("point without decimals") << QByteArray(".");
    QTest::newRow("hashes without point") << QByteArray("##");
    QTest::newRow("hash after the point: .0#") << QByteArray(".0#");
}

void TextServices::formatRefusesUnknownPatterns()
{
    QFETCH(QByteArray, pattern);

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Format(1.0, view(pattern)));
}

void TextServices::ascGivesTheCodePointOfTheFirstCharacter_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty text gives 0") << QByteArray("") << 0;
    QTest::newRow("A") << QByteArray("A") << 65;
    QTest::newRow("first of two characters: AB") << QByteArray("AB") << 65;
    QTest::newRow("two-byte e acute") << QByteArray("\xC3\xA9") << 0xE9;
    QTest::newRow("three-byte euro sign") << QByteArray("\xE2\x82\xAC") << 0x20AC;
    QTest::newRow("four-byte grinning face") << QByteArray("\xF0\x9F\x98\x80") << 0x1F600;
    QTest::newRow("last code point U+10FFFF") << QByteArray("\xF4\x8F\xBF\xBF") << 0x10FFFF;
}

void TextServices::ascGivesTheCodePointOfTheFirstCharacter()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);

    QCOMPARE(Asc(view(text)), expected);
}

void TextServices::ascGivesTheReplacementCharacterForMalformedText_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("lone continuation byte") << QByteArray("\x80");
    QTest::newRow("byte never used in UTF-8: FF") << QByteArray("\xFF");
    QTest::newRow("overlong two-byte slash") << QByteArray("\xC0\xAF");
    QTest::newRow("overlong three-byte slash") << QByteArray("\xE0\x80\xAF");
    QTest::newRow("overlong four-byte euro sign") << QByteArray("\xF0\x82\x82\xAC");
    QTest::newRow("euro sign cut after two bytes") << QByteArray("\xE2\x82");
    QTest::newRow("lead byte followed by ASCII") << QByteArray("\xC3"
                                                               "A");
    QTest::newRow("high surrogate D800") << QByteArray("\xED\xA0\x80");
    QTest::newRow("low surrogate DFFF") << QByteArray("\xED\xBF\xBF");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80");
}

void TextServices::ascGivesTheReplacementCharacterForMalformedText()
{
    QFETCH(QByteArray, text);

    QCOMPARE(Asc(view(text)), 0xFFFD);
}

QTEST_GUILESS_MAIN(TextServices)
#include "tst_textservices.moc"

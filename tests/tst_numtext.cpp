#include "contracts/Failure.h"
#include "numtext/NumText.h"
#include "numtext/TimeSeededRandom.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace numtext;

// The rules by which numbers become text and text becomes numbers, and the
// random source.
class TestNumText : public QObject
{
    Q_OBJECT

private slots:
    void formatInteger_data();
    void formatInteger();
    void formatSingle_data();
    void formatSingle();
    void formatDouble_data();
    void formatDouble();
    void numberToText_data();
    void numberToText();
    void textToNumber_data();
    void textToNumber();
    void textToNumberRejects_data();
    void textToNumberRejects();
    void leadingNumber_data();
    void leadingNumber();
    void floorToInt16_data();
    void floorToInt16();
    void floorToInt16Overflow_data();
    void floorToInt16Overflow();
    void truncateFraction_data();
    void truncateFraction();
    void checkedAdd();
    void randomValueRange();
    void randomDrawsAreWholeSteps();
    void reseedAtSameTimeRepeats();
    void reseedAtOtherTimeDiffers();
};

namespace {

QList<float> draws(TimeSeededRandom &source, int count)
{
    QList<float> values;
    for (int i = 0; i < count; ++i)
        values.append(source.NextRandom());
    return values;
}

QList<float> drawsAfterReseed(double secondsSinceMidnight)
{
    TimeSeededRandom source([secondsSinceMidnight] { return secondsSinceMidnight; });
    source.Reseed();
    return draws(source, 20);
}

} // namespace

void TestNumText::formatInteger_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("multiplier 10") << "#0" << 10 << "10";
    QTest::newRow("multiplier 1000") << "#0" << 1000 << "1000";
    QTest::newRow("zero keeps its required digit") << "#0" << 0 << "0";
    QTest::newRow("wrong count zero") << "###0" << 0 << "0";
    QTest::newRow("wrong count") << "###0" << 7 << "7";
    QTest::newRow("right count") << "####0" << 12345 << "12345";
    QTest::newRow("largest count") << "####0" << 32767 << "32767";
    QTest::newRow("clock zero") << "00" << 0 << "00";
    QTest::newRow("clock pads") << "00" << 5 << "05";
    QTest::newRow("clock two digits") << "00" << 59 << "59";
    QTest::newRow("clock never cuts") << "00" << 120 << "120";
    QTest::newRow("optional digits only") << "#" << 0 << "";
    QTest::newRow("no placeholder") << "15" << 42 << "15";
    QTest::newRow("other characters in place") << "(#-##)" << 123 << "(1-23)";
    QTest::newRow("extra digits at the left") << "#-#" << 1234 << "123-4";
    QTest::newRow("negative") << "#0" << -42 << "-42";
}

void TestNumText::formatInteger()
{
    QFETCH(QString, pattern);
    QFETCH(int, value);
    QFETCH(QString, text);

    QCOMPARE(FormatByPattern(int16_t(value), pattern), text);
}

void TestNumText::formatSingle_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("clock seconds zero") << "00" << 0.0f << "00";
    QTest::newRow("clock seconds pad") << "00" << 5.0f << "05";
    QTest::newRow("clock seconds") << "00" << 59.0f << "59";
    QTest::newRow("clock never cuts") << "00" << 120.0f << "120";
    // 0.1f is 0.100000001490116…: seven significant digits make it 0,1.
    QTest::newRow("seven significant digits") << "#.##########" << 0.1f << ",1";
    QTest::newRow("rounded at the seventh digit") << "#0" << 16777215.0f << "16777220";
}

void TestNumText::formatSingle()
{
    QFETCH(QString, pattern);
    QFETCH(float, value);
    QFETCH(QString, text);

    QCOMPARE(FormatByPattern(value, pattern), text);
}

void TestNumText::formatDouble_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("one decimal") << "#.#" << 26.8 << "26,8";
    QTest::newRow("whole gives bare comma") << "#.#" << 7.0 << "7,";
    QTest::newRow("below one has no leading zero") << "#.#" << 0.5 << ",5";
    QTest::newRow("zero is a bare comma") << "#.#" << 0.0 << ",";
    QTest::newRow("rounds up into the whole part") << "#.#" << 0.96 << "1,";
    QTest::newRow("half rounds away from zero") << "#.#" << 2.45 << "2,5";
    QTest::newRow("carry adds a digit") << "#.#" << 9.96 << "10,";
    QTest::newRow("two decimals") << "#.##" << 3.14 << "3,14";
    QTest::newRow("trailing zero dropped") << "#.##" << 30.5 << "30,5";
    QTest::newRow("whole with two decimals") << "#.##" << 50.0 << "50,";
    QTest::newRow("three decimals") << "#.###" << 12.345 << "12,345";
    QTest::newRow("three decimals, one zero") << "#.###" << 40.12 << "40,12";
    QTest::newRow("whole with three decimals") << "#.###" << 5.0 << "5,";
    QTest::newRow("both decimals") << "##.#0" << 23.47 << "23,47";
    QTest::newRow("inner zero kept") << "##.#0" << 1.06 << "1,06";
    QTest::newRow("required zero keeps the one before") << "##.#0" << 23.4 << "23,40";
    QTest::newRow("whole with both decimals") << "##.#0" << 23.0 << "23,00";
    QTest::newRow("one with both decimals") << "##.#0" << 1.0 << "1,00";
    QTest::newRow("below one with both decimals") << "##.#0" << 0.5 << ",50";
    QTest::newRow("fifteen significant digits") << "#.###" << 50.999 << "50,999";
    QTest::newRow("whole digits go before the comma") << ".#" << 12.5 << "12,5";
    QTest::newRow("no placeholder") << "15" << 26.8 << "15";
    QTest::newRow("negative") << "#.#" << -2.5 << "-2,5";
    QTest::newRow("negative rounded to zero") << "#.#" << -0.04 << ",";
}

void TestNumText::formatDouble()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(FormatByPattern(value, pattern), text);
}

void TestNumText::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 268.0 << "268";
    QTest::newRow("held below its decimal") << 234.7 << "234,7";
    QTest::newRow("one decimal") << 1234.5 << "1234,5";
    QTest::newRow("a step above 16100") << 16100.000000000002 << "16100";
    QTest::newRow("a step above 10.6") << 10.600000000000001 << "10,6";
    QTest::newRow("a step below 2010") << 2009.9999999999998 << "2010";
    QTest::newRow("a step below 4012") << 4011.9999999999995 << "4012";
    QTest::newRow("below one") << 0.5 << "0,5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -2.5 << "-2,5";
    QTest::newRow("negative below one") << -0.25 << "-0,25";
    QTest::newRow("10 x 26,8") << 10 * 26.8 << "268";
    QTest::newRow("10 x 23,47") << 10 * 23.47 << "234,7";
    QTest::newRow("10 x 1,06") << 10 * 1.06 << "10,6";
    QTest::newRow("10 x 50,99") << 10 * 50.99 << "509,9";
    QTest::newRow("100 x 12,345") << 100 * 12.345 << "1234,5";
    QTest::newRow("100 x 40,12") << 100 * 40.12 << "4012";
    QTest::newRow("100 x 50,999") << 100 * 50.999 << "5099,9";
    QTest::newRow("1000 x 8,2") << 1000 * 8.2 << "8200";
    QTest::newRow("1000 x 16,1") << 1000 * 16.1 << "16100";
    QTest::newRow("1000 x 2,01") << 1000 * 2.01 << "2010";
    QTest::newRow("1000 x 50,99") << 1000 * 50.99 << "50990";
}

void TestNumText::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(NumberToText(value), text);
}

void TestNumText::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "12" << 12.0;
    QTest::newRow("blanks around") << " 7 " << 7.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("minus sign") << "-3" << -3.0;
    QTest::newRow("decimal comma") << "2,5" << 2.5;
    QTest::newRow("score") << "32767" << 32767.0;
    QTest::newRow("nearest double") << "0,1" << 0.1;
}

void TestNumText::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    QCOMPARE(TextToNumber(text), value);
}

void TestNumText::textToNumberRejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("exponent") << "1e5";
    QTest::newRow("two commas") << "1,5,5";
    QTest::newRow("blank inside") << "1 2";
    QTest::newRow("blank after sign") << "- 3";
    QTest::newRow("no whole digits") << ",5";
    QTest::newRow("no decimals") << "5,";
    QTest::newRow("decimal point") << "2.5";
    QTest::newRow("sign only") << "-";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("tab around") << "\t7";
}

void TestNumText::textToNumberRejects()
{
    QFETCH(QString, text);

    try {
        TextToNumber(text);
        QFAIL("the text was read as a number");
    } catch (const Failure &failure) {
        QCOMPARE(failure.kind(), Failure::Kind::TypeMismatch);
        QCOMPARE(QString::fromUtf8(failure.what()), failure.message());
    }
}

void TestNumText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "12" << 12.0;
    QTest::newRow("line break stops it") << "12\r\n" << 12.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("name") << "nome" << 0.0;
    QTest::newRow("decimal point") << "3.5" << 3.5;
    QTest::newRow("comma stops it") << "12,5" << 12.0;
    QTest::newRow("blanks skipped anywhere") << " 1 2" << 12.0;
    QTest::newRow("tabs and line feeds skipped") << "\t1\n2" << 12.0;
    QTest::newRow("sign") << "-4" << -4.0;
    QTest::newRow("second point stops it") << "1.2.3" << 1.2;
    QTest::newRow("sign only") << "-" << 0.0;
}

void TestNumText::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    QCOMPARE(LeadingNumber(text), value);
}

void TestNumText::floorToInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");

    QTest::newRow("largest kind draw") << 59.99 << 59;
    QTest::newRow("whole") << 7.0 << 7;
    QTest::newRow("negative fraction goes down") << -0.5 << -1;
    QTest::newRow("negative") << -2.5 << -3;
    QTest::newRow("lowest") << -32768.0 << -32768;
    QTest::newRow("highest") << 32767.9 << 32767;
}

void TestNumText::floorToInt16()
{
    QFETCH(double, value);
    QFETCH(int, result);

    QCOMPARE(FloorToInt16(value), int16_t(result));
}

void TestNumText::floorToInt16Overflow_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("just above") << 32768.0;
    QTest::newRow("just below") << -32768.5;
    QTest::newRow("far above") << 1e10;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestNumText::floorToInt16Overflow()
{
    QFETCH(double, value);

    QVERIFY_THROWS_EXCEPTION(Failure, FloorToInt16(value));
}

void TestNumText::truncateFraction_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("result");

    QTest::newRow("factor cut") << 268.47 << 268.0;
    QTest::newRow("positive") << 26.847 << 26.0;
    QTest::newRow("negative goes toward zero") << -2.5 << -2.0;
    QTest::newRow("whole") << 1000.0 << 1000.0;
}

void TestNumText::truncateFraction()
{
    QFETCH(double, value);
    QFETCH(double, result);

    QCOMPARE(TruncateFraction(value), result);
}

void TestNumText::checkedAdd()
{
    QCOMPARE(numtext::checkedAdd(32766, 1), int16_t(32767));
    QCOMPARE(numtext::checkedAdd(-32767, -1), int16_t(-32768));
    QVERIFY_THROWS_EXCEPTION(Failure, numtext::checkedAdd(32767, 1));
    QVERIFY_THROWS_EXCEPTION(Failure, numtext::checkedAdd(-32768, -1));
}

void TestNumText::randomValueRange()
{
    QCOMPARE(TimeSeededRandom::valueOf(0), 0.0f);
    QCOMPARE(TimeSeededRandom::valueOf(16777215), 0.99999994f);
    QVERIFY(TimeSeededRandom::valueOf(16777215) < 1.0f);
    // So the kind draw never reaches 60.
    QCOMPARE(FloorToInt16(double(TimeSeededRandom::valueOf(16777215)) * 60), int16_t(59));
}

void TestNumText::randomDrawsAreWholeSteps()
{
    TimeSeededRandom source([] { return 36000.5; });
    source.Reseed();
    for (float value : draws(source, 1000)) {
        QVERIFY(value >= 0.0f && value < 1.0f);
        const double k = double(value) * 16777216.0;
        QCOMPARE(k, std::floor(k));
    }
}

void TestNumText::reseedAtSameTimeRepeats()
{
    QCOMPARE(drawsAfterReseed(43200.25), drawsAfterReseed(43200.25));

    TimeSeededRandom source([] { return 43200.25; });
    source.Reseed();
    draws(source, 5);
    source.Reseed();
    QCOMPARE(draws(source, 20), drawsAfterReseed(43200.25));
}

void TestNumText::reseedAtOtherTimeDiffers()
{
    QVERIFY(drawsAfterReseed(43200.25) != drawsAfterReseed(43200.5));
    QVERIFY(drawsAfterReseed(43200.25) != drawsAfterReseed(43201.25));
}

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"

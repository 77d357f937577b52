#include "Draws.h"
#include "GameFixture.h"
#include "PupilArithmetic.h"
#include "game/AnswerRules.h"
#include "game/Problem.h"
#include "numtext/NumText.h"

#include <QTest>

// The problems the game poses: kinds, factors, products.
class TestProblem : public QObject
{
    Q_OBJECT

private slots:
    void posesTheDrawnProblem_data();
    void posesTheDrawnProblem();
    void kindBoundaries_data();
    void kindBoundaries();
    void everyFactorReadsAndMultipliesExactly();
    void posingLeavesTheWindowReadyForTyping();
};

void TestProblem::posesTheDrawnProblem_data()
{
    QTest::addColumn<int>("caseDraw");
    QTest::addColumn<float>("factorDraw");
    QTest::addColumn<QString>("multiplierText");
    QTest::addColumn<QString>("factorText");
    QTest::addColumn<QString>("productText");

    const auto row = [](const char *name, int caseDraw, double drawn, const char *multiplier, const char *factor,
                        const char *product) {
        QTest::newRow(name) << caseDraw << factorDrawFor(drawn) << QString::fromUtf8(multiplier)
                            << QString::fromUtf8(factor) << QString::fromUtf8(product);
    };
    row("A 26,847", 5, 26.847, "10", "26,8", "268");
    row("A 7,05", 5, 7.05, "10", "7", "70");
    row("B 23,479", 15, 23.479, "10", "23,47", "234,7");
    row("B 1,0625", 15, 1.0625, "10", "1,06", "10,6");
    row("B 23,4", 15, 23.4001, "10", "23,40", "234");
    row("B 5,003", 15, 5.003, "10", "5,00", "50");
    row("C 12,3456", 25, 12.3456, "100", "12,345", "1234,5");
    row("C 40,1209", 25, 40.1209, "100", "40,12", "4012");
    row("C 5,0004", 25, 5.0004, "100", "5", "500");
    row("D 8,25", 35, 8.25, "1000", "8,2", "8200");
    row("D 16,19", 35, 16.19, "1000", "16,1", "16100");
    row("E 3,14159", 45, 3.14159, "1000", "3,14", "3140");
    row("E 2,015", 45, 2.015, "1000", "2,01", "2010");
    row("F 45,678", 55, 45.678, "100", "45,67", "4567");
    row("F 30,5", 55, 30.5001, "100", "30,5", "3050");

    const auto smallest = [](const char *name, int caseDraw, const char *multiplier, const char *factor) {
        QTest::newRow(name) << caseDraw << 0.0f << QString::fromUtf8(multiplier) << QString::fromUtf8(factor)
                            << QString::fromUtf8(multiplier);
    };
    smallest("r = 0, A", 0, "10", "1");
    smallest("r = 0, B", 15, "10", "1,00");
    smallest("r = 0, C", 25, "100", "1");
    smallest("r = 0, D", 35, "1000", "1");
    smallest("r = 0, E", 45, "1000", "1");
    smallest("r = 0, F", 59, "100", "1");

    const auto largest = [](const char *name, int caseDraw, const char *multiplier, const char *factor,
                            const char *product) {
        QTest::newRow(name) << caseDraw << largestDraw << QString::fromUtf8(multiplier) << QString::fromUtf8(factor)
                            << QString::fromUtf8(product);
    };
    largest("largest r, A", 5, "10", "50,9", "509");
    largest("largest r, B", 15, "10", "50,99", "509,9");
    largest("largest r, C", 25, "100", "50,999", "5099,9");
    largest("largest r, D", 35, "1000", "50,9", "50900");
    largest("largest r, E", 45, "1000", "50,99", "50990");
    largest("largest r, F", 55, "100", "50,99", "5099");
}

void TestProblem::posesTheDrawnProblem()
{
    QFETCH(int, caseDraw);
    QFETCH(float, factorDraw);
    QFETCH(QString, multiplierText);
    QFETCH(QString, factorText);
    QFETCH(QString, productText);

    GameFixture game;
    game.random.values = {factorDraw, kindDrawFor(caseDraw)};
    game.tavola.cmdNext_Click();

    QCOMPARE(game.tavola.CaseDraw(), int16_t(caseDraw));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblNum1), multiplierText);
    QCOMPARE(game.toolkit.GetLabelText(Control::lblNum2), factorText);
    QCOMPARE(numtext::NumberToText(game.tavola.ExpectedAnswer()), productText);
}

void TestProblem::kindBoundaries_data()
{
    QTest::addColumn<float>("kindDraw");
    QTest::addColumn<int>("caseDraw");
    QTest::addColumn<QString>("kind");

    QTest::newRow("r = 0") << 0.0f << 0 << "A";
    for (const auto &[caseDraw, kind] : std::initializer_list<std::pair<int, const char *>>{
             {10, "A"}, {11, "B"}, {20, "B"}, {21, "C"}, {30, "C"}, {31, "D"},
             {40, "D"}, {41, "E"}, {50, "E"}, {51, "F"}, {59, "F"}}) {
        QTest::addRow("caseDraw %d", caseDraw) << kindDrawFor(caseDraw) << caseDraw << kind;
    }
    QTest::newRow("largest r") << largestDraw << 59 << "F";
}

void TestProblem::kindBoundaries()
{
    QFETCH(float, kindDraw);
    QFETCH(int, caseDraw);
    QFETCH(QString, kind);

    GameFixture game;
    game.random.values = {0.3f, kindDraw};
    game.tavola.cmdNext_Click();

    QCOMPARE(game.tavola.CaseDraw(), int16_t(caseDraw));
    QCOMPARE(QString(QLatin1Char(problemKindFor(game.tavola.CaseDraw()).name)), kind);
}

void TestProblem::everyFactorReadsAndMultipliesExactly()
{
    int checked = 0;
    for (int caseDraw : {5, 15, 25, 35, 45, 55}) {
        const ProblemKind &kind = problemKindFor(int16_t(caseDraw));
        qint64 scale = 1;
        for (int i = 0; i < kind.decimals; ++i)
            scale *= 10;
        for (qint64 steps = scale; steps < 51 * scale; ++steps) {
            // Any draw inside the step cuts down to the same factor.
            const double drawn = (steps + 0.4) / scale;
            const Problem problem = Problem::pose(int16_t(caseDraw), drawn);

            const QString factor = decimalText(steps, kind.decimals, kind.name == 'B');
            const QString product = productByMovingTheComma(QString::number(kind.multiplier), factor);
            if (problem.operandText != factor || numtext::NumberToText(problem.expectedAnswer) != product
                || !isRightAnswer(product, problem.expectedAnswer)) {
                QFAIL(qPrintable(QStringLiteral("kind %1, factor %2: shows %3, expects %4")
                                     .arg(QLatin1Char(kind.name))
                                     .arg(factor, problem.operandText, numtext::NumberToText(problem.expectedAnswer))));
            }
            ++checked;
        }
    }
    QCOMPARE(checked, 66000);
}

void TestProblem::posingLeavesTheWindowReadyForTyping()
{
    GameFixture game;
    game.start();
    game.answer(QStringLiteral("999"));
    game.toolkit.calls.clear();

    game.random.values = {0.2f, 0.2f};
    game.tavola.cmdNext_Click();

    QCOMPARE(game.toolkit.calls.first(), QStringLiteral("SetBoxText txtAnswer "));
    QCOMPARE(game.toolkit.calls.at(1), QStringLiteral("SetLabelText lblMessage "));
    QCOMPARE(game.toolkit.calls.last(), QStringLiteral("FocusControl txtAnswer"));
    QVERIFY(!game.toolkit.enabled[Control::cmdNext]);
    QCOMPARE(game.random.reseeds, 2);
}

QTEST_GUILESS_MAIN(TestProblem)
#include "tst_problem.moc"

#include "Draws.h"
#include "GameFixture.h"
#include "app/EventDelivery.h"

#include <QTest>

// Typing and judging answers: the key filter, the verdict, the counts, the cues.
class TestAnswer : public QObject
{
    Q_OBJECT

private slots:
    void keyFilter_data();
    void keyFilter();
    void judgesTheTextNotTheNumber_data();
    void judgesTheTextNotTheNumber();
    void rightAnswer_data();
    void rightAnswer();
    void wrongAnswer();
    void backgroundStaysBlack();
    void everyEnterCounts();
    void countOverflowEndsTheGame();
};

void TestAnswer::keyFilter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("after");

    QTest::newRow("digit 0") << int('0') << int('0');
    QTest::newRow("digit 9") << int('9') << int('9');
    QTest::newRow("comma") << int(',') << int(',');
    QTest::newRow("backspace") << 8 << 8;
    QTest::newRow("enter stays") << 13 << 13;
    QTest::newRow("letter") << int('a') << 0;
    QTest::newRow("blank") << int(' ') << 0;
    QTest::newRow("point") << int('.') << 0;
    QTest::newRow("minus") << int('-') << 0;
    QTest::newRow("plus") << int('+') << 0;
    QTest::newRow("escape") << 27 << 0;
    QTest::newRow("ctrl+v") << 22 << 0;
    QTest::newRow("e grave") << 0xE8 << 0;
}

void TestAnswer::keyFilter()
{
    QFETCH(int, code);
    QFETCH(int, after);

    GameFixture game;
    game.start();
    int16_t keyCode = int16_t(code);
    game.tavola.txtAnswer_KeyPress(keyCode);

    QCOMPARE(int(keyCode), after);
    QCOMPARE(game.tavola.RightCount() + game.tavola.WrongCount(), code == 13 ? 1 : 0);
}

void TestAnswer::judgesTheTextNotTheNumber_data()
{
    QTest::addColumn<float>("factorDraw");
    QTest::addColumn<float>("kindDraw");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    const auto row = [](const char *name, Draws draws, const char *typed, bool right) {
        QTest::newRow(name) << draws.factor << draws.kind << QString::fromUtf8(typed) << right;
    };
    row("268", problem268, "268", true);
    row("268,0", problem268, "268,0", false);
    row("0268", problem268, "0268", false);
    row("268 and a comma", problem268, "268,", false);
    row("empty", problem268, "", false);
    row("234,7", problem234_7, "234,7", true);
    row("234,70", problem234_7, "234,70", false);
    row("16100, held one step off", problem16100, "16100", true);
    row("10,6, held one step off", problem10_6, "10,6", true);
}

void TestAnswer::judgesTheTextNotTheNumber()
{
    QFETCH(float, factorDraw);
    QFETCH(float, kindDraw);
    QFETCH(QString, typed);
    QFETCH(bool, right);

    GameFixture game;
    game.start(QStringLiteral("Luca"), factorDraw, kindDraw);
    game.answer(typed);

    QCOMPARE(game.tavola.RightCount(), int16_t(right ? 1 : 0));
    QCOMPARE(game.tavola.WrongCount(), int16_t(right ? 0 : 1));
}

void TestAnswer::rightAnswer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    QTest::newRow("Luca") << "Luca" << "Esatto! Luca sei forte!";
    QTest::newRow("no name") << "" << "Esatto!  sei forte!";
}

void TestAnswer::rightAnswer()
{
    QFETCH(QString, name);
    QFETCH(QString, message);

    GameFixture game;
    game.start(name, problem268.factor, problem268.kind);
    game.toolkit.calls.clear();
    game.answer(QStringLiteral("268"));

    const QStringList expected{
        QStringLiteral("SetLabelText lblMessage ") + message,
        QStringLiteral("SetLabelText lblScore 1"),
        QStringLiteral("SetLabelText lblScore2 1"),
        QStringLiteral("EnableControl cmdNext on"),
        QStringLiteral("FocusControl cmdNext"),
    };
    QCOMPARE(game.toolkit.calls, expected);
    QCOMPARE(game.sound.played, QStringList{QStringLiteral("/giochi/suoni/Esatto.wav")});
    QCOMPARE(game.toolkit.GetLabelText(Control::lblScore1), QStringLiteral("0"));
}

void TestAnswer::wrongAnswer()
{
    GameFixture game;
    game.start(QStringLiteral("Luca"), problem234_7.factor, problem234_7.kind);
    game.toolkit.calls.clear();
    game.answer(QStringLiteral("234,70"));

    const QStringList expected{
        QStringLiteral("SetLabelText lblMessage Sbagliato!! 234,7"),
        QStringLiteral("SetWindowBackground 0 0 0"),
        QStringLiteral("SetLabelText lblScore1 1"),
        QStringLiteral("SetLabelText lblScore 0"),
        QStringLiteral("SetLabelText lblScore2 1"),
        QStringLiteral("EnableControl cmdNext on"),
        QStringLiteral("FocusControl cmdNext"),
    };
    QCOMPARE(game.toolkit.calls, expected);
    QCOMPARE(game.sound.played, QStringList{QStringLiteral("/giochi/suoni/no.wav")});
}

void TestAnswer::backgroundStaysBlack()
{
    GameFixture game;
    game.start(QStringLiteral("Luca"), problem268.factor, problem268.kind);
    game.answer(QStringLiteral("1"));
    game.answer(QStringLiteral("268"));
    game.answer(QStringLiteral("268"));

    QCOMPARE(game.toolkit.background, (Rgb{0, 0, 0}));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblScore), QStringLiteral("2"));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblScore1), QStringLiteral("1"));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblScore2), QStringLiteral("3"));
}

void TestAnswer::everyEnterCounts()
{
    GameFixture game;
    game.start(QStringLiteral("Luca"), problem268.factor, problem268.kind);
    game.answer(QStringLiteral("268"));
    game.answer(QStringLiteral("268"));

    QCOMPARE(game.tavola.RightCount(), int16_t(2));
    QCOMPARE(game.sound.played.size(), 2);
}

void TestAnswer::countOverflowEndsTheGame()
{
    GameFixture game;
    game.start(QStringLiteral("Luca"), problem268.factor, problem268.kind);
    for (int i = 0; i < 32767; ++i)
        game.answer(QStringLiteral("268"));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblScore), QStringLiteral("32767"));
    game.toolkit.calls.clear();

    deliverEvent(game.toolkit, [&] { game.answer(QStringLiteral("268")); });

    QVERIFY(game.toolkit.terminated);
    QVERIFY(game.toolkit.failure.startsWith(QStringLiteral("Overflow")));
    QCOMPARE(game.toolkit.calls.size(), 1);
    QCOMPARE(game.tavola.RightCount(), int16_t(32767));
}

QTEST_GUILESS_MAIN(TestAnswer)
#include "tst_answer.moc"

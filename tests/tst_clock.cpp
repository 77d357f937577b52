#include "GameFixture.h"
#include "clock/Countdown.h"

#include <QTest>

// The five-minute countdown.
class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void timeline_data();
    void timeline();
    void borrows_data();
    void borrows();
    void playLeavesTheClockAlone();
};

void TestClock::timeline_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("ended");

    QTest::newRow("start") << 0 << "00:05:00" << false;
    QTest::newRow("1") << 1 << "00:04:59" << false;
    QTest::newRow("55") << 55 << "00:04:05" << false;
    QTest::newRow("59") << 59 << "00:04:01" << false;
    QTest::newRow("60") << 60 << "00:04:00" << false;
    QTest::newRow("61") << 61 << "00:03:59" << false;
    QTest::newRow("240") << 240 << "00:01:00" << false;
    QTest::newRow("241") << 241 << "00:00:59" << false;
    QTest::newRow("300") << 300 << "00:00:00" << false;
    QTest::newRow("301") << 301 << "00:00:00" << true;
}

void TestClock::timeline()
{
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    QFETCH(bool, ended);

    GameFixture game;
    game.start();
    for (int tick = 0; tick < ticks; ++tick)
        game.tavola.Timer1_Timer();

    QCOMPARE(game.toolkit.GetLabelText(Control::lblconto), shown);
    QCOMPARE(game.toolkit.terminated, ended);
    QCOMPARE(game.toolkit.messages.contains(QStringLiteral("Ciao, alla prossima sfida. ")), ended);
}

void TestClock::borrows_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<float>("seconds");
    QTest::addColumn<QString>("after");

    QTest::newRow("second") << 0 << 4 << 6.0f << "00:04:05";
    QTest::newRow("minute") << 0 << 1 << 0.0f << "00:00:59";
    QTest::newRow("hour") << 1 << 0 << 0.0f << "00:59:59";
}

void TestClock::borrows()
{
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(float, seconds);
    QFETCH(QString, after);

    auto h = int16_t(hours);
    auto m = int16_t(minutes);
    countdown::countDownOneSecond(h, m, seconds);
    QCOMPARE(countdown::clockText(h, m, seconds), after);
}

void TestClock::playLeavesTheClockAlone()
{
    GameFixture game;
    game.start();
    for (int tick = 0; tick < 10; ++tick)
        game.tavola.Timer1_Timer();
    game.answer(QStringLiteral("1"));
    game.random.values = {0.5f, 0.5f};
    game.tavola.cmdNext_Click();
    game.tavola.Timer1_Timer();

    QCOMPARE(game.toolkit.GetLabelText(Control::lblconto), QStringLiteral("00:04:49"));
    QCOMPARE(game.toolkit.callsStartingWith(QStringLiteral("EnableControl Timer1")).size(), 2);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"

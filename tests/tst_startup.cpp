#include "GameFixture.h"
#include "app/EventDelivery.h"

#include <QTest>

// Start-up: the name, the greeting, the window's first state.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void greetsThePlayerByName_data();
    void greetsThePlayerByName();
    void asksAndGreetsBeforeTheClockRuns();
    void firstStateAfterLoad();
    void activationPosesTheFirstProblem();
    void minimisingRenamesTheWindow();
    void unusableRecordFolderIsReported();
};

void TestStartup::greetsThePlayerByName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("greeting");

    QTest::newRow("name") << "Luca" << " Luca vediamo se sei un vero campione  ";
    QTest::newRow("cancel or empty") << "" << "  vediamo se sei un vero campione  ";
    QTest::newRow("blanks kept") << "  Anna " << "   Anna  vediamo se sei un vero campione  ";
}

void TestStartup::greetsThePlayerByName()
{
    QFETCH(QString, typed);
    QFETCH(QString, greeting);

    GameFixture game;
    game.toolkit.nameToType = typed;
    game.tavola.Form_Load();

    QCOMPARE(game.toolkit.messages, QStringList{greeting});
    QCOMPARE(game.tavola.PlayerName(), typed);
    QCOMPARE(game.toolkit.GetLabelText(Control::lblnome1), typed);
}

void TestStartup::asksAndGreetsBeforeTheClockRuns()
{
    GameFixture game;
    game.toolkit.nameToType = QStringLiteral("Anna");
    game.tavola.Form_Load();

    const QStringList expected{
        QStringLiteral("EnableControl Timer1 off"),
        QStringLiteral("AskText Come ti chiami?"),
        QStringLiteral("ShowMessage  Anna vediamo se sei un vero campione  "),
        QStringLiteral("SetLabelText lblnome1 Anna"),
        QStringLiteral("EnableControl Timer1 on"),
        QStringLiteral("SetLabelText lblpunti "),
        QStringLiteral("SetLabelText lblnome "),
        QStringLiteral("SetLabelText lblconto 00:05:00"),
    };
    QCOMPARE(game.toolkit.calls, expected);
}

void TestStartup::firstStateAfterLoad()
{
    GameFixture game;
    game.tavola.Form_Load();

    QVERIFY(game.toolkit.enabled[Control::Timer1]);
    QCOMPARE(game.tavola.ClockHours(), int16_t(0));
    QCOMPARE(game.tavola.ClockMinutes(), int16_t(5));
    QCOMPARE(game.tavola.ClockSeconds(), 0.0f);
    QCOMPARE(game.tavola.RightCount(), int16_t(0));
    QCOMPARE(game.tavola.WrongCount(), int16_t(0));
    QCOMPARE(game.tavola.WindowsDir(), game.folder.path() + QLatin1Char('/'));
    QVERIFY(!game.toolkit.terminated);
}

void TestStartup::activationPosesTheFirstProblem()
{
    GameFixture game;
    game.start(QStringLiteral("Anna"), 0.5f, 0.5f);

    QCOMPARE(game.toolkit.GetLabelText(Control::lblNum1), QStringLiteral("100"));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblNum2), QStringLiteral("26"));
    QVERIFY(!game.toolkit.enabled[Control::cmdNext]);
    QCOMPARE(game.toolkit.focused, Control::txtAnswer);
}

void TestStartup::minimisingRenamesTheWindow()
{
    GameFixture game;
    game.tavola.Form_Resize();
    QVERIFY(game.toolkit.title.isEmpty());

    game.toolkit.displayState = DisplayState::Minimised;
    game.tavola.Form_Resize();
    game.toolkit.displayState = DisplayState::Normal;
    game.tavola.Form_Resize();
    QCOMPARE(game.toolkit.title, QStringLiteral("Giocare con la tavola pitagorica"));
}

void TestStartup::unusableRecordFolderIsReported()
{
    GameFixture game;
    const QString blocked = game.folder.filePath(QStringLiteral("occupato"));
    GameFixture::write(blocked, "un file, non una cartella");
    Tavola tavola(game.toolkit, game.random, game.sound, [&] { return blocked; });

    deliverEvent(game.toolkit, [&] { tavola.Form_Load(); });

    QVERIFY(game.toolkit.terminated);
    QVERIFY2(game.toolkit.failure.contains(blocked), qPrintable(game.toolkit.failure));
    QVERIFY(!game.toolkit.calls.contains(QStringLiteral("SetLabelText lblconto 00:05:00")));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"

#include "Draws.h"
#include "GameFixture.h"
#include "app/EventDelivery.h"
#include "app/FileLayer.h"

#include <QDir>
#include <QTest>

// The stored record: shown at start, replaced whole when beaten.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesEmptyFiles();
    void startShowsFilesWholeAndKeepsTheirBytes_data();
    void startShowsFilesWholeAndKeepsTheirBytes();
    void endOfGame_data();
    void endOfGame();
    void unwrittenRecordLeavesTheOldFileWhole();
    void failedNameFileKeepsTheNewScore();
};

namespace {

enum class Ending { Exit, TimeUp };

// Plays rightAnswers right answers, then ends the game.
void playAndEnd(GameFixture &game, int rightAnswers, Ending ending)
{
    game.start(game.toolkit.nameToType, problem268.factor, problem268.kind); // 10 x 26,8
    for (int i = 0; i < rightAnswers; ++i)
        game.answer(QStringLiteral("268"));
    game.toolkit.messages.clear();
    if (ending == Ending::Exit) {
        game.tavola.cmdExit_Click();
        return;
    }
    for (int tick = 0; tick < 301 && !game.toolkit.terminated; ++tick)
        game.tavola.Timer1_Timer();
}

const QString farewell = QStringLiteral("Ciao, alla prossima sfida. ");
const QString recordMade = QStringLiteral("Ok! Ho registrato il tuo record, C A M P I O N E");

} // namespace

void TestRecords::firstStartCreatesEmptyFiles()
{
    GameFixture game;
    game.tavola.Form_Load();

    QCOMPARE(GameFixture::bytesOf(game.scoreFile()), QByteArray());
    QCOMPARE(GameFixture::bytesOf(game.nameFile()), QByteArray());
    QCOMPARE(game.toolkit.GetLabelText(Control::lblpunti), QString());
    QCOMPARE(game.toolkit.GetLabelText(Control::lblnome), QString());
}

void TestRecords::startShowsFilesWholeAndKeepsTheirBytes_data()
{
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("record of 12 by Anna") << QByteArray("12\r\n") << QByteArray("Anna\r\n");
    QTest::newRow("edited by hand") << QByteArray("abc\r\n7 righe\r\n") << QByteArray("Niccolò\r\n");
}

void TestRecords::startShowsFilesWholeAndKeepsTheirBytes()
{
    QFETCH(QByteArray, score);
    QFETCH(QByteArray, name);

    GameFixture game;
    GameFixture::write(game.scoreFile(), score);
    GameFixture::write(game.nameFile(), name);
    game.tavola.Form_Load();

    QCOMPARE(game.toolkit.GetLabelText(Control::lblpunti), QString::fromUtf8(score));
    QCOMPARE(game.toolkit.GetLabelText(Control::lblnome), QString::fromUtf8(name));
    QCOMPARE(GameFixture::bytesOf(game.scoreFile()), score);
    QCOMPARE(GameFixture::bytesOf(game.nameFile()), name);
}

void TestRecords::endOfGame_data()
{
    QTest::addColumn<QByteArray>("storedScore");
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("rightAnswers");
    QTest::addColumn<int>("ending");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<QByteArray>("nameAfter");
    QTest::addColumn<QStringList>("messages");

    const QByteArray old12("12\r\n");
    const QByteArray oldName("Anna\r\n");
    const int exit = int(Ending::Exit);
    const int timeUp = int(Ending::TimeUp);

    QTest::newRow("equal score, exit") << old12 << "Luca" << 12 << exit << old12 << oldName << QStringList{};
    QTest::newRow("equal score, time up") << old12 << "Luca" << 12 << timeUp << old12 << oldName << QStringList{farewell};
    QTest::newRow("beaten, exit") << old12 << "Luca" << 13 << exit << QByteArray("13\r\n") << QByteArray("Luca\r\n")
                                  << QStringList{recordMade};
    QTest::newRow("beaten, time up") << old12 << "Luca" << 13 << timeUp << QByteArray("13\r\n")
                                     << QByteArray("Luca\r\n") << QStringList{farewell, recordMade};
    QTest::newRow("first start, no right answer") << QByteArray() << "Luca" << 0 << exit << QByteArray() << QByteArray()
                                                  << QStringList{};
    QTest::newRow("first start, one right answer") << QByteArray() << "Luca" << 1 << exit << QByteArray("1\r\n")
                                                   << QByteArray("Luca\r\n") << QStringList{recordMade};
    QTest::newRow("empty name") << QByteArray() << "" << 1 << exit << QByteArray("1\r\n") << QByteArray("\r\n")
                                << QStringList{recordMade};
    QTest::newRow("score edited to letters counts as 0") << QByteArray("abc") << "Luca" << 1 << exit
                                                         << QByteArray("1\r\n") << QByteArray("Luca\r\n")
                                                         << QStringList{recordMade};
}

void TestRecords::endOfGame()
{
    QFETCH(QByteArray, storedScore);
    QFETCH(QString, player);
    QFETCH(int, rightAnswers);
    QFETCH(int, ending);
    QFETCH(QByteArray, scoreAfter);
    QFETCH(QByteArray, nameAfter);
    QFETCH(QStringList, messages);

    GameFixture game;
    if (!storedScore.isEmpty()) {
        GameFixture::write(game.scoreFile(), storedScore);
        GameFixture::write(game.nameFile(), "Anna\r\n");
    }
    game.toolkit.nameToType = player;
    playAndEnd(game, rightAnswers, Ending(ending));

    QVERIFY(game.toolkit.terminated);
    QCOMPARE(game.toolkit.calls.last(), QStringLiteral("TerminateProgram"));
    QCOMPARE(game.toolkit.messages, messages);
    QCOMPARE(GameFixture::bytesOf(game.scoreFile()), scoreAfter);
    QCOMPARE(GameFixture::bytesOf(game.nameFile()), nameAfter);
}

void TestRecords::unwrittenRecordLeavesTheOldFileWhole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("quarzel.txt"));
    GameFixture::write(path, "12\r\n");
    {
        // The program dies between opening the record and closing it.
        FileLayer files;
        files.openForOutput(1, path);
        files.writeLine(1, QStringLiteral("13"));
        QCOMPARE(GameFixture::bytesOf(path), QByteArray("12\r\n"));
    }
    QCOMPARE(GameFixture::bytesOf(path), QByteArray("12\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quarzel.txt")});
}

void TestRecords::failedNameFileKeepsTheNewScore()
{
    GameFixture game;
    game.toolkit.nameToType = QStringLiteral("Luca");
    game.tavola.Form_Load();
    // Something takes the name file's place while the game runs.
    QFile::remove(game.nameFile());
    QVERIFY(QDir(game.folder.path()).mkdir(QStringLiteral("nquarzel.txt")));
    game.random.values = {problem268.factor, problem268.kind};
    game.tavola.Form_Activate();
    game.answer(QStringLiteral("268"));

    deliverEvent(game.toolkit, [&] { game.tavola.cmdExit_Click(); });

    QCOMPARE(GameFixture::bytesOf(game.scoreFile()), QByteArray("1\r\n"));
    QVERIFY2(game.toolkit.failure.contains(QStringLiteral("nquarzel.txt")), qPrintable(game.toolkit.failure));
    QVERIFY(game.toolkit.messages.filter(QStringLiteral("C A M P I O N E")).isEmpty());
    QCOMPARE(QDir(game.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quarzel.txt")});
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"

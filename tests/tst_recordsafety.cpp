#include "ChildGame.h"
#include "Draws.h"
#include "GameFixture.h"
#include "app/FileLayer.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using Ending = ChildGame::Ending;

// The record survives what a school machine does to it: a full disk, two
// games at once, a save killed midway, huge files, folders nobody can write.
class TestRecordSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fullDiskKeepsTheOldRecord_data();
    void fullDiskKeepsTheOldRecord();
    void twoGamesKeepTheBetterRecord_data();
    void twoGamesKeepTheBetterRecord();
    void leftoverOfAKilledSaveIsRemovedAtStart();
    void leftoversNamedAsSavesNameThemAreRemoved();
    void longFilesAreReadOnlyToTheBound_data();
    void longFilesAreReadOnlyToTheBound();
    void hugeScoreFileCountsItsLeadingNumber_data();
    void hugeScoreFileCountsItsLeadingNumber();
    void eachCauseHasItsOwnReason_data();
    void eachCauseHasItsOwnReason();
};

namespace {

const QString recordMade = QStringLiteral("Ok! Ho registrato il tuo record, C A M P I O N E");
const QString farewell = QStringLiteral("Ciao, alla prossima sfida. ");

// A record folder that games in child processes share.
struct SharedFolder
{
    QTemporaryDir base;
    QString path() const { return base.filePath(QStringLiteral("tavola")); }
    QString scoreFile() const { return path() + QStringLiteral("/quarzel.txt"); }
    QString nameFile() const { return path() + QStringLiteral("/nquarzel.txt"); }
    QStringList entries() const { return QDir(path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    void holdRecord(const QByteArray &score, const QByteArray &name) const
    {
        QDir().mkpath(path());
        GameFixture::write(scoreFile(), score);
        GameFixture::write(nameFile(), name);
    }
};

// Files in the child may grow to this many bytes; a write beyond fails as on
// a full disk, or, with killOnFull, ends the process as the system does.
std::function<void()> fileSizeLimit(rlim_t bytes, bool killOnFull = false)
{
    return [bytes, killOnFull] {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        if (!killOnFull)
            std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
}

// What goes wrong with the record folder.
enum Cause { FolderNotWritable, ReadOnlyFile, FullDisk, MissingFolder, FolderInFilePlace, FileInFolderPlace };

// Plays one game in a child to its end.
ChildGame::Outcome playInChild(const ChildGame::Play &play)
{
    ChildGame child(play);
    child.waitUntilReady();
    child.letGo();
    return child.outcome();
}

} // namespace

void TestRecordSafety::initTestCase()
{
    // A child that ends at start-up no longer reads what the parent sends it.
    std::signal(SIGPIPE, SIG_IGN);
}

void TestRecordSafety::fullDiskKeepsTheOldRecord_data()
{
    QTest::addColumn<int>("bytesThatFit");
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("ending");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<QString>("failedFile");

    const QString luca = QStringLiteral("Luca");
    const QByteArray old("1\r\n");
    QTest::newRow("nothing fits, exit") << 0 << luca << int(Ending::Exit) << old << "quarzel.txt";
    QTest::newRow("nothing fits, time up") << 0 << luca << int(Ending::TimeUp) << old << "quarzel.txt";
    QTest::newRow("part of the lock fits") << 1 << luca << int(Ending::Exit) << old << "quarzel.txt";
    // The score file is replaced first, so a failure at the name keeps the new score.
    QTest::newRow("the name does not fit") << 256 << QStringLiteral("Giulia").repeated(60) << int(Ending::Exit)
                                           << QByteArray("2\r\n") << "nquarzel.txt";
}

void TestRecordSafety::fullDiskKeepsTheOldRecord()
{
    QFETCH(int, bytesThatFit);
    QFETCH(QString, player);
    QFETCH(int, ending);
    QFETCH(QByteArray, scoreAfter);
    QFETCH(QString, failedFile);

    SharedFolder folder;
    folder.holdRecord("1\r\n", "Old\r\n");
    const ChildGame::Outcome outcome =
        playInChild({folder.path(), player, 2, Ending(ending), fileSizeLimit(rlim_t(bytesThatFit))});

    QCOMPARE(GameFixture::bytesOf(folder.scoreFile()), scoreAfter);
    QCOMPARE(GameFixture::bytesOf(folder.nameFile()), QByteArray("Old\r\n"));
    QVERIFY2(outcome.failure.contains(QStringLiteral("il disco è pieno")), qPrintable(outcome.failure));
    QVERIFY2(outcome.failure.contains(QLatin1Char('/') + failedFile + QStringLiteral("»")), qPrintable(outcome.failure));
    QVERIFY(!outcome.messages.contains(recordMade));
    QCOMPARE(outcome.exitStatus, EXIT_FAILURE);
    QCOMPARE(folder.entries(), (QStringList{QStringLiteral("nquarzel.txt"), QStringLiteral("quarzel.txt")}));
}

void TestRecordSafety::twoGamesKeepTheBetterRecord_data()
{
    QTest::addColumn<int>("lastScore");
    QTest::addColumn<int>("lastEnding");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<QByteArray>("nameAfter");
    QTest::addColumn<QStringList>("lastMessages");

    const QByteArray two("2\r\n");
    const QByteArray secondo("Secondo\r\n");
    QTest::newRow("lower score ends last, exit") << 1 << int(Ending::Exit) << two << secondo << QStringList{};
    QTest::newRow("lower score ends last, time up") << 1 << int(Ending::TimeUp) << two << secondo
                                                    << QStringList{farewell};
    QTest::newRow("equal score ends last") << 2 << int(Ending::Exit) << two << secondo << QStringList{};
    QTest::newRow("higher score ends last") << 3 << int(Ending::Exit) << QByteArray("3\r\n")
                                            << QByteArray("Primo\r\n") << QStringList{recordMade};
}

void TestRecordSafety::twoGamesKeepTheBetterRecord()
{
    QFETCH(int, lastScore);
    QFETCH(int, lastEnding);
    QFETCH(QByteArray, scoreAfter);
    QFETCH(QByteArray, nameAfter);
    QFETCH(QStringList, lastMessages);

    // Both games start on empty files; the one that scored 2 ends first.
    SharedFolder folder;
    ChildGame last({folder.path(), QStringLiteral("Primo"), lastScore, Ending(lastEnding), {}});
    last.waitUntilReady();
    ChildGame first({folder.path(), QStringLiteral("Secondo"), 2, Ending::Exit, {}});
    first.waitUntilReady();
    first.letGo();
    const ChildGame::Outcome firstOutcome = first.outcome();
    last.letGo();
    const ChildGame::Outcome lastOutcome = last.outcome();

    QCOMPARE(firstOutcome.messages, QStringList{recordMade});
    QCOMPARE(lastOutcome.messages, lastMessages);
    QCOMPARE(lastOutcome.failure, QString());
    QCOMPARE(lastOutcome.exitStatus, EXIT_SUCCESS);
    QCOMPARE(GameFixture::bytesOf(folder.scoreFile()), scoreAfter);
    QCOMPARE(GameFixture::bytesOf(folder.nameFile()), nameAfter);
}

void TestRecordSafety::leftoverOfAKilledSaveIsRemovedAtStart()
{
    SharedFolder folder;
    folder.holdRecord("1\r\n", "Old\r\n");
    // The lock file and the new score fit, the long name does not: the system
    // kills the game after the score file is replaced and before the name file is.
    const ChildGame::Outcome killed = playInChild(
        {folder.path(), QStringLiteral("Giulia").repeated(60), 2, Ending::Exit, fileSizeLimit(256, true)});
    QCOMPARE(killed.signal, SIGXFSZ);
    QCOMPARE(GameFixture::bytesOf(folder.scoreFile()), QByteArray("2\r\n"));
    QCOMPARE(folder.entries().filter(QRegularExpression(QStringLiteral("^nquarzel\\.txt\\.[A-Za-z0-9]{6}$"))).size(), 1);

    const ChildGame::Outcome next = playInChild({folder.path(), QStringLiteral("Luca"), 0, Ending::Exit, {}});

    QCOMPARE(next.exitStatus, EXIT_SUCCESS);
    QCOMPARE(folder.entries(), (QStringList{QStringLiteral("nquarzel.txt"), QStringLiteral("quarzel.txt")}));
    QCOMPARE(GameFixture::bytesOf(folder.scoreFile()), QByteArray("2\r\n"));
    QCOMPARE(GameFixture::bytesOf(folder.nameFile()), QByteArray("Old\r\n"));
}

void TestRecordSafety::leftoversNamedAsSavesNameThemAreRemoved()
{
    GameFixture game;
    GameFixture::write(game.scoreFile(), "5\r\n");
    GameFixture::write(game.nameFile(), "Anna\r\n");
    GameFixture::write(game.scoreFile() + QStringLiteral(".Ab3dE9"), "6\r\n");
    GameFixture::write(game.nameFile() + QStringLiteral(".x1Y2z3"), "Lu");
    GameFixture::write(game.scoreFile() + QStringLiteral(".copia"), "4\r\n");

    game.tavola.Form_Load();

    QCOMPARE(QDir(game.folder.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("nquarzel.txt"), QStringLiteral("quarzel.txt"), QStringLiteral("quarzel.txt.copia")}));
    QCOMPARE(GameFixture::bytesOf(game.scoreFile()), QByteArray("5\r\n"));
    QCOMPARE(GameFixture::bytesOf(game.nameFile()), QByteArray("Anna\r\n"));
}

void TestRecordSafety::longFilesAreReadOnlyToTheBound_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");

    const qsizetype bound = FileLayer::readBound;
    const QByteArray fill(bound - 1, 'a');
    QTest::newRow("exactly the bound") << QByteArray(bound, 'n') << QString(bound, u'n');
    QTest::newRow("cut after the bound") << QByteArray(bound, 'n') + "ome\r\n" << QString(bound, u'n');
    QTest::newRow("a letter split by the bound is left out")
        << fill + "è\r\n" << QString::fromLatin1(fill);
    QTest::newRow("a letter that ends at the bound stays")
        << fill.first(bound - 2) + "è\r\n" << QString::fromLatin1(fill.first(bound - 2)) + QStringLiteral("è");
}

void TestRecordSafety::longFilesAreReadOnlyToTheBound()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);

    GameFixture game;
    GameFixture::write(game.nameFile(), name);
    game.tavola.Form_Load();

    QCOMPARE(game.toolkit.GetLabelText(Control::lblnome), shown);
    QCOMPARE(GameFixture::bytesOf(game.nameFile()), name);
}

void TestRecordSafety::hugeScoreFileCountsItsLeadingNumber_data()
{
    QTest::addColumn<int>("rightAnswers");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("equal is no record") << 7 << QStringList{};
    QTest::newRow("one more is a record") << 8 << QStringList{recordMade};
}

void TestRecordSafety::hugeScoreFileCountsItsLeadingNumber()
{
    QFETCH(int, rightAnswers);
    QFETCH(QStringList, messages);

    GameFixture game;
    const QByteArray line("7 risposte giuste\r\n");
    QByteArray huge;
    while (huge.size() < 64 * 1024 * 1024)
        huge += line;
    GameFixture::write(game.scoreFile(), huge);

    game.start(QStringLiteral("Luca"), problem268.factor, problem268.kind); // 10 x 26,8
    QCOMPARE(game.toolkit.GetLabelText(Control::lblpunti), QString::fromLatin1(huge.first(FileLayer::readBound)));
    for (int i = 0; i < rightAnswers; ++i)
        game.answer(QStringLiteral("268"));
    game.toolkit.messages.clear();
    game.tavola.cmdExit_Click();

    QCOMPARE(game.toolkit.messages, messages);
    QCOMPARE(QFileInfo(game.scoreFile()).size(), messages.isEmpty() ? huge.size() : qint64(3));
}

void TestRecordSafety::eachCauseHasItsOwnReason_data()
{
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder does not allow writing") << int(FolderNotWritable)
                                                   << QStringLiteral("accesso negato: la cartella non permette di scrivere");
    QTest::newRow("read-only file") << int(ReadOnlyFile) << QStringLiteral("accesso negato: il file è di sola lettura");
    QTest::newRow("full disk") << int(FullDisk) << QStringLiteral("il disco è pieno");
    QTest::newRow("missing folder") << int(MissingFolder)
                                    << QStringLiteral("la cartella che dovrebbe contenerlo non esiste");
    QTest::newRow("a folder in the file's place") << int(FolderInFilePlace) << QStringLiteral("al suo posto c'è una cartella");
    QTest::newRow("a file in the folder's place") << int(FileInFolderPlace)
                                                  << QStringLiteral("al posto della cartella c'è un file");
}

void TestRecordSafety::eachCauseHasItsOwnReason()
{
    QFETCH(int, cause);
    QFETCH(QString, reason);

    SharedFolder folder;
    QFile::setPermissions(folder.base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                  | QFile::ExeOther);
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther;
    const auto everyoneInFolder = everyone | QFile::ExeOwner | QFile::ExeOther;
    folder.holdRecord("1\r\n", "Old\r\n");
    QFile::setPermissions(folder.scoreFile(), everyone);
    QFile::setPermissions(folder.nameFile(), everyone);
    QFile::setPermissions(folder.path(), everyoneInFolder);
    std::function<void()> prepare;
    // Permissions do not hold back the system's administrator: such a test
    // plays as a user without privileges.
    const auto asPlainUser = [] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(4);
    };
    switch (Cause(cause)) {
    case FolderNotWritable:
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        prepare = asPlainUser;
        break;
    case ReadOnlyFile:
        QFile::setPermissions(folder.scoreFile(), QFile::ReadOwner | QFile::ReadOther);
        prepare = asPlainUser;
        break;
    case FullDisk:
        prepare = fileSizeLimit(0);
        break;
    case MissingFolder:
        break;
    case FolderInFilePlace:
        QFile::remove(folder.nameFile());
        QDir(folder.path()).mkdir(QStringLiteral("nquarzel.txt"));
        break;
    case FileInFolderPlace:
        QDir(folder.path()).removeRecursively();
        GameFixture::write(folder.path(), "non sono una cartella");
        break;
    }

    ChildGame child({folder.path(), QStringLiteral("Nuovo"), 2, Ending::Exit, prepare});
    child.waitUntilReady();
    if (Cause(cause) == MissingFolder)
        QDir(folder.path()).removeRecursively();
    child.letGo();
    const ChildGame::Outcome outcome = child.outcome();
    QFile::setPermissions(folder.path(), everyoneInFolder);

    QVERIFY2(outcome.failure.endsWith(QStringLiteral(": ") + reason + QLatin1Char('.')), qPrintable(outcome.failure));
    QVERIFY(!outcome.messages.contains(recordMade));
    QCOMPARE(outcome.exitStatus, EXIT_FAILURE);
}

QTEST_GUILESS_MAIN(TestRecordSafety)
#include "tst_recordsafety.moc"

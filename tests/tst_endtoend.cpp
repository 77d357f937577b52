#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString askName = QStringLiteral("Come ti chiami?");
const QString farewell = QStringLiteral("Ciao, alla prossima sfida. ");
const QString recordSaved = QStringLiteral("Ok! Ho registrato il tuo record, C A M P I O N E");

// The greeting that follows the name box.
QString greeting(const QString &name)
{
    return QStringLiteral(" ") + name + QStringLiteral(" vediamo se sei un vero campione  ");
}

// Where the game keeps its record files below a user's data folder.
QString recordFolderIn(const QString &dataHome)
{
    return dataHome + QStringLiteral("/tavola");
}

// A box that the scripted player closed, as it wrote it down.
struct ClosedBox
{
    bool windowShown = false;
    QString title;
    QString text;
};

// What one run of the scripted game showed and how it ended.
struct Run
{
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QList<ClosedBox> boxes;
    // "right" or "wrong" for every answer judged, in order.
    QStringList judgements;
    QByteArray output;

    QStringList boxTexts() const
    {
        QStringList texts;
        for (const ClosedBox &box : boxes)
            texts << box.text;
        return texts;
    }

    // Takes in what the scripted player wrote down.
    void readLog(const QByteArray &standardOutput)
    {
        for (const QString &line : QString::fromUtf8(standardOutput).split(QLatin1Char('\n'))) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() == 4 && fields.at(0) == QLatin1String("box")) {
                QString text = fields.at(3);
                text.replace(QLatin1String("\\n"), QLatin1String("\n"));
                boxes.append({fields.at(1) == QLatin1String("shown"), fields.at(2), text});
            } else if (fields.size() == 2 && fields.at(0) == QLatin1String("feedback")) {
                judgements << judgementOf(fields.at(1));
            }
        }
    }

    static QString judgementOf(const QString &feedback)
    {
        if (feedback.startsWith(QLatin1String("Esatto! ")))
            return QStringLiteral("right");
        if (feedback.startsWith(QLatin1String("Sbagliato!! ")))
            return QStringLiteral("wrong");
        return feedback;
    }
};

// Plays the script on the real game in a process of its own, with the user's
// folders inside home and the record files below dataHome.
Run play(const QStringList &script, const QTemporaryDir &home, const QString &dataHome)
{
    const QString scriptPath = home.filePath(QStringLiteral("script.txt"));
    QFile scriptFile(scriptPath);
    if (scriptFile.open(QIODevice::WriteOnly))
        scriptFile.write(script.join(QLatin1Char('\n')).toUtf8() + '\n');
    scriptFile.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));

    QProcess game;
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(home.path());
    game.start(QStringLiteral(TAVOLA_SCRIPTED), {scriptPath});
    // Only a safety net against a game that never ends: nothing here is timed.
    if (!game.waitForFinished(120000))
        game.kill();
    game.waitForFinished();

    Run run;
    run.exitStatus = game.exitStatus();
    run.exitCode = game.exitCode();
    const QByteArray standardOutput = game.readAllStandardOutput();
    run.readLog(standardOutput);
    run.output = standardOutput + game.readAllStandardError();
    return run;
}

// The score file and the name file, byte by byte; a missing file reads "<missing>".
QByteArrayList recordsIn(const QString &folder)
{
    QByteArrayList records;
    for (const QString &name : {QStringLiteral("quarzel.txt"), QStringLiteral("nquarzel.txt")}) {
        QFile file(folder + QLatin1Char('/') + name);
        records << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>"));
    }
    return records;
}

void writeRecords(const QString &folder, const QByteArrayList &records)
{
    QDir().mkpath(folder);
    const QStringList names{QStringLiteral("quarzel.txt"), QStringLiteral("nquarzel.txt")};
    for (qsizetype i = 0; i < records.size(); ++i) {
        QFile file(folder + QLatin1Char('/') + names.at(i));
        if (file.open(QIODevice::WriteOnly))
            file.write(records.at(i));
    }
}

} // namespace

// The shipped game's behaviour seen from outside: a script plays the real
// program, offscreen, through key presses, and the test reads what boxes it
// closed, how the process ended and what the record files hold.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gameEnds_data();
    void gameEnds();
    void failureAtStartEndsBeforeTheWindowShows();
};

// The scripted game lies in a folder without suoni/, so every game here is
// played without its sounds: the exact list of boxes shows that no box and no
// stop comes of it.
void EndToEndTest::initTestCase()
{
    const QFileInfo program(QStringLiteral(TAVOLA_SCRIPTED));
    QVERIFY2(program.isExecutable(), qPrintable(program.filePath()));
    QVERIFY(!QFileInfo::exists(program.absolutePath() + QStringLiteral("/suoni")));
}

void EndToEndTest::gameEnds_data()
{
    QTest::addColumn<QByteArrayList>("recordsBefore");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("judgements");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArrayList>("recordsAfter");

    const QByteArrayList annaWithTwo{"2\r\n", "Anna\r\n"};

    QTest::newRow("exit beats the record")
        << QByteArrayList{"1\r\n", "Anna\r\n"}
        << QStringList{"name Luca", "ok",
                       "type x.", "answer-right", "alt+n",
                       "answer-wrong", "alt+n",
                       "type 0", "enter", "alt+n",
                       "answer-right", "alt+x", "ok"}
        << QStringList{"right", "wrong", "wrong", "right"}
        << QStringList{askName, greeting("Luca"), recordSaved}
        << QByteArrayList{"2\r\n", "Luca\r\n"};
    QTest::newRow("time up on a first start makes the first record")
        << QByteArrayList{}
        << QStringList{"name Anna", "ok", "answer-right", "wait-end", "ok", "ok"}
        << QStringList{"right"}
        << QStringList{askName, greeting("Anna"), farewell, recordSaved}
        << QByteArrayList{"1\r\n", "Anna\r\n"};
    QTest::newRow("exit with an equal score stores nothing")
        << annaWithTwo
        << QStringList{"name Luca", "ok",
                       "answer-right", "alt+n", "answer-wrong", "alt+n", "answer-right", "alt+x"}
        << QStringList{"right", "wrong", "right"}
        << QStringList{askName, greeting("Luca")}
        << annaWithTwo;
    QTest::newRow("cancelled name stores an empty name")
        << QByteArrayList{}
        << QStringList{"cancel", "ok", "answer-right", "alt+x", "ok"}
        << QStringList{"right"}
        << QStringList{askName, greeting(QString()), recordSaved}
        << QByteArrayList{"1\r\n", "\r\n"};
}

void EndToEndTest::gameEnds()
{
    QFETCH(QByteArrayList, recordsBefore);
    QFETCH(QStringList, script);
    QFETCH(QStringList, judgements);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArrayList, recordsAfter);

    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString dataHome = home.filePath(QStringLiteral("data"));
    if (!recordsBefore.isEmpty())
        writeRecords(recordFolderIn(dataHome), recordsBefore);

    const Run run = play(script, home, dataHome);

    QVERIFY2(run.exitStatus == QProcess::NormalExit && run.exitCode == 0, run.output.constData());
    QCOMPARE(run.judgements, judgements);
    QCOMPARE(run.boxTexts(), boxes);
    QCOMPARE(recordsIn(recordFolderIn(dataHome)), recordsAfter);
}

void EndToEndTest::failureAtStartEndsBeforeTheWindowShows()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // A plain file where the user's data folder should be: the record folder
    // cannot be made inside it.
    const QString dataHome = home.filePath(QStringLiteral("not-a-folder"));
    QFile plainFile(dataHome);
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();

    const Run run = play({"name Anna", "ok", "ok"}, home, dataHome);

    QVERIFY2(run.exitStatus == QProcess::NormalExit && run.exitCode != 0, run.output.constData());
    QVERIFY2(!run.output.contains("mismatch"), run.output.constData());
    QCOMPARE(run.boxes.size(), 3);
    QCOMPARE(run.boxes.at(0).text, askName);
    QCOMPARE(run.boxes.at(1).text, greeting("Anna"));
    const ClosedBox &failure = run.boxes.at(2);
    QCOMPARE(failure.title, QStringLiteral("Tavola"));
    QVERIFY2(failure.text.contains(QDir::toNativeSeparators(recordFolderIn(dataHome))), qPrintable(failure.text));
    for (const ClosedBox &box : run.boxes)
        QVERIFY2(!box.windowShown, qPrintable(box.text));
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"

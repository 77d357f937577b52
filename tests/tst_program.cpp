#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The shipped program, started as a process of its own: it asks the name,
// greets, and, where no record folder can be made, reports the failure and
// ends before its window shows. The box answerer plays it from inside, loaded
// as a plugin, and writes down every box it closes.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void unusableRecordFolderEndsWithAReport();
};

void TestProgram::unusableRecordFolderEndsWithAReport()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // A plain file where the user's data folder should be: the record folder
    // cannot be made inside it.
    const QString dataHome = home.filePath(QStringLiteral("not-a-folder"));
    QFile plainFile(dataHome);
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(TAVOLA_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("tavola-boxes:Anna"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(home.path());
    game.start(QStringLiteral(TAVOLA_PROGRAM), {});
    // Only a safety net against a game that never ends: nothing here is timed.
    if (!game.waitForFinished(60000))
        game.kill();
    game.waitForFinished();
    const QByteArray errors = game.readAllStandardError();

    QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == EXIT_FAILURE, errors.constData());
    const QStringList lines =
        QString::fromUtf8(game.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), QStringLiteral("folder\t") + QFileInfo(QStringLiteral(TAVOLA_PROGRAM)).absolutePath());
    const QStringList boxes = lines.mid(1);
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes.at(0), QStringLiteral("box\tTavola\thidden\tCome ti chiami?"));
    QCOMPARE(boxes.at(1), QStringLiteral("box\tTavola\thidden\t Anna vediamo se sei un vero campione  "));
    const QString folder = QDir::toNativeSeparators(dataHome + QStringLiteral("/tavola"));
    const QString report = QStringLiteral("box\tTavola\thidden\tSi è verificato un errore");
    QVERIFY2(boxes.at(2).startsWith(report), qPrintable(boxes.at(2)));
    QVERIFY2(boxes.at(2).contains(folder), qPrintable(boxes.at(2)));
    QVERIFY2(QString::fromUtf8(errors).contains(folder), errors.constData());
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"

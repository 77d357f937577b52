#include "ui/LazySoundPlayer.h"
#include "ui/QtSoundPlayer.h"

#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

// The sound cues: one at a time, and silence whenever they cannot play.
class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void newCueCutsOffTheLastOne();
    void unplayableFilesAreSilent_data();
    void unplayableFilesAreSilent();
    void moduleIsLoadedOnTheFirstCue();
    void missingModuleIsSilent();

private:
    const QString right = QStringLiteral(TAVOLA_SOUNDS "/Esatto.wav");
    const QString wrong = QStringLiteral(TAVOLA_SOUNDS "/no.wav");
};

void TestSound::newCueCutsOffTheLastOne()
{
    QtSoundPlayer player;
    player.play(right);
    player.play(wrong);
    QTest::qWait(100);

    for (QSoundEffect *effect : player.findChildren<QSoundEffect *>()) {
        if (effect->source().toLocalFile() == right)
            QVERIFY(!effect->isPlaying());
    }
}

void TestSound::unplayableFilesAreSilent_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a wave") << QByteArray("questo non è un suono");
}

void TestSound::unplayableFilesAreSilent()
{
    QFETCH(QByteArray, content);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no.wav"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QtSoundPlayer player;
    player.play(path);
    player.play(path);
    QTest::qWait(50);
    QVERIFY(player.findChildren<QSoundEffect *>().size() <= 1);
}

void TestSound::moduleIsLoadedOnTheFirstCue()
{
    LazySoundPlayer player(QStringLiteral(TAVOLA_PROGRAM_FOLDER));
    QLibrary module(QStringLiteral(TAVOLA_PROGRAM_FOLDER "/") + LazySoundPlayer::moduleFileName());
    player.play(QStringLiteral(TAVOLA_SOUNDS "/missing.wav"));
    QVERIFY(!module.isLoaded());

    player.play(right);
    QVERIFY(module.isLoaded());
    player.play(wrong);
}

void TestSound::missingModuleIsSilent()
{
    QTemporaryDir emptyFolder;
    LazySoundPlayer player(emptyFolder.path());
    player.play(right);
    player.play(wrong);
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"

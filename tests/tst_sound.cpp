#include "ui/QtSoundPlayer.h"

#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

// The sound cues: loaded before they are needed, one at a time, and silence
// whenever they cannot play.
class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void loadedCuePlays();
    void newCueCutsOffTheLastOne();
    void sameCueStartsAgain();
    void missingFileIsSilent();
    void notAWaveIsSilent();

private:
    // A player with both cues loaded and ready.
    void loadBoth(QtSoundPlayer &player);

    const QString right = QStringLiteral(TAVOLA_SOUNDS "/Esatto.wav");
    const QString wrong = QStringLiteral(TAVOLA_SOUNDS "/no.wav");
};

void TestSound::loadBoth(QtSoundPlayer &player)
{
    player.load({right, wrong});
    QVERIFY(player.cue(right) && player.cue(wrong));
    QTRY_COMPARE(player.cue(right)->status(), QSoundEffect::Ready);
    QTRY_COMPARE(player.cue(wrong)->status(), QSoundEffect::Ready);
}

void TestSound::loadedCuePlays()
{
    QtSoundPlayer player;
    loadBoth(player);
    QSignalSpy started(player.cue(right), &QSoundEffect::playingChanged);

    player.play(right);

    QTRY_VERIFY(player.cue(right)->isPlaying());
    QCOMPARE(started.count(), 1);
    QVERIFY(!player.cue(wrong)->isPlaying());
}

void TestSound::newCueCutsOffTheLastOne()
{
    QtSoundPlayer player;
    loadBoth(player);
    player.play(right);
    QTRY_VERIFY(player.cue(right)->isPlaying());
    QSignalSpy rightChanged(player.cue(right), &QSoundEffect::playingChanged);

    player.play(wrong);

    QVERIFY(!player.cue(right)->isPlaying());
    QCOMPARE(rightChanged.count(), 1);
    QTRY_VERIFY(player.cue(wrong)->isPlaying());
}

void TestSound::sameCueStartsAgain()
{
    QtSoundPlayer player;
    loadBoth(player);
    player.play(wrong);
    QTRY_VERIFY(player.cue(wrong)->isPlaying());
    QSignalSpy changes(player.cue(wrong), &QSoundEffect::playingChanged);

    player.play(wrong);

    // Stopped, then started from its beginning.
    QCOMPARE(changes.count(), 2);
    QTRY_VERIFY(player.cue(wrong)->isPlaying());
}

void TestSound::missingFileIsSilent()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("no.wav"));
    QtSoundPlayer player;
    loadBoth(player);
    player.load({missing});
    QVERIFY(!player.cue(missing));
    player.play(right);
    QTRY_VERIFY(player.cue(right)->isPlaying());

    player.play(missing);

    // Nothing to play, so nothing is cut off either.
    QVERIFY(player.cue(right)->isPlaying());
}

void TestSound::notAWaveIsSilent()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Esatto.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("questo non è un suono");
    file.close();

    QtSoundPlayer player;
    player.load({path});
    QVERIFY(player.cue(path));
    QTRY_COMPARE(player.cue(path)->status(), QSoundEffect::Error);
    player.play(path);
    QVERIFY(!player.cue(path)->isPlaying());
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"

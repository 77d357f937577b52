#include "FakeToolkit.h"
#include "RecordingSound.h"
#include "app/Tavola.h"
#include "numtext/NumText.h"
#include "numtext/TimeSeededRandom.h"
#include "ui/OutlinedLabel.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// In-process costs that no screen shows on its own: posing a problem,
// judging an answer on the recording fake, and painting the clock's
// outlined text. Not a test: bench/run runs it.
class BenchPlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pose();
    void judge_data();
    void judge();
    void clockTick();

private:
    // A new game, with the pupil's name given and no problem posed yet.
    void newGame();
    // Poses a problem and types the right answer or a wrong one.
    void newProblem(bool right);
    // Counts a round; past 30000 the answer counts would near their 16-bit
    // limit, so a new game starts.
    bool roundsLeft();

    QTemporaryDir m_records;
    FakeToolkit m_toolkit;
    RecordingSound m_sound;
    TimeSeededRandom m_random;
    std::unique_ptr<Tavola> m_tavola;
    int m_rounds = 0;
};

void BenchPlay::init()
{
    newGame();
}

void BenchPlay::newGame()
{
    m_toolkit.nameToType = QStringLiteral("Anna");
    m_tavola = std::make_unique<Tavola>(m_toolkit, m_random, m_sound, [this] { return m_records.path(); });
    m_tavola->Form_Load();
    m_rounds = 0;
}

void BenchPlay::newProblem(bool right)
{
    m_tavola->cmdNext_Click();
    m_toolkit.typedAnswer = right ? numtext::NumberToText(m_tavola->ExpectedAnswer()) : QStringLiteral("0");
}

bool BenchPlay::roundsLeft()
{
    // The fake's call log and the played cues would grow without end.
    m_toolkit.calls.clear();
    m_sound.played.clear();
    return ++m_rounds < 30000;
}

void BenchPlay::pose()
{
    QBENCHMARK {
        m_tavola->cmdNext_Click();
        if (!roundsLeft())
            newGame();
    }
}

void BenchPlay::judge_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << true;
    QTest::newRow("wrong") << false;
}

// One Enter on a typed answer, judged again and again.
void BenchPlay::judge()
{
    QFETCH(bool, right);
    newProblem(right);
    QBENCHMARK {
        int16_t enter = 13;
        m_tavola->txtAnswer_KeyPress(enter);
        if (!roundsLeft()) {
            newGame();
            newProblem(right);
        }
    }
    QCOMPARE(m_tavola->RightCount() > 0, right);
}

// The clock's label painted with a new text, as every tick of the clock does.
void BenchPlay::clockTick()
{
    OutlinedLabel label;
    label.setFont(QFont(QStringLiteral("Arial Black"), 12, QFont::Bold));
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.setMargin(2);
    label.resize(105, 33);
    QImage surface(label.size(), QImage::Format_ARGB32_Premultiplied);
    // The glyphs are cached by the ticks before.
    label.setText(QStringLiteral("00:05:00"));
    label.render(&surface);
    int seconds = 0;
    QBENCHMARK {
        label.setText(QStringLiteral("00:0%1:%2").arg(seconds / 60 % 5).arg(seconds % 60, 2, 10, QLatin1Char('0')));
        label.render(&surface);
        ++seconds;
    }
}

QTEST_MAIN(BenchPlay)
#include "bench_play.moc"

#include "FakeToolkit.h"
#include "RecordingSound.h"
#include "contracts/Failure.h"
#include "app/Tavola.h"
#include "numtext/NumText.h"
#include "numtext/TimeSeededRandom.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// The cost of the game's own work for one problem: posing it and judging the
// answer, with no window, no painting and no sound.

namespace {

using Clock = std::chrono::steady_clock;

// Each game stays far below the 16-bit limit of its answer counts.
constexpr int gamesPlayed = 20;
constexpr int roundsPerGame = 10000;

struct Timings
{
    Clock::duration posing{};
    Clock::duration judging{};
    long rounds = 0;
    long rightAnswers = 0;
    long cues = 0;
};

// Every other answer is right, so both ways of judging are timed.
QString answerFor(const Tavola &tavola, int round)
{
    return round % 2 == 0 ? numtext::NumberToText(tavola.ExpectedAnswer()) : QStringLiteral("0");
}

void playOneRound(Tavola &tavola, FakeToolkit &toolkit, int round, Timings &timings)
{
    const auto poseStart = Clock::now();
    tavola.cmdNext_Click();
    timings.posing += Clock::now() - poseStart;

    toolkit.SetBoxText(Control::txtAnswer, answerFor(tavola, round));
    int16_t enter = 13;
    const auto judgeStart = Clock::now();
    tavola.txtAnswer_KeyPress(enter);
    timings.judging += Clock::now() - judgeStart;
    ++timings.rounds;
}

void playOneGame(const QString &recordFolder, Timings &timings)
{
    FakeToolkit toolkit;
    toolkit.quiet = true;
    toolkit.nameToType = QStringLiteral("Prova");
    RecordingSound sound;
    TimeSeededRandom random;
    Tavola tavola(toolkit, random, sound, [&recordFolder] { return recordFolder; });
    tavola.Form_Load();
    for (int round = 0; round < roundsPerGame; ++round)
        playOneRound(tavola, toolkit, round, timings);
    timings.rightAnswers += tavola.RightCount();
    timings.cues += sound.played.size();
}

double averageNs(Clock::duration total, long count)
{
    return std::chrono::duration<double, std::nano>(total).count() / double(count);
}

} // namespace

int main()
{
    QTemporaryDir records;
    Timings timings;
    try {
        for (int game = 0; game < gamesPlayed; ++game)
            playOneGame(records.path(), timings);
    } catch (const Failure &failure) {
        std::fprintf(stderr, "tavola_bench_logic: %s\n", qPrintable(failure.message()));
        return EXIT_FAILURE;
    }
    if (timings.rightAnswers * 2 != timings.rounds || timings.cues != timings.rounds) {
        std::fprintf(stderr, "tavola_bench_logic: %ld of %ld right answers were judged right\n",
                     timings.rightAnswers, timings.rounds / 2);
        return EXIT_FAILURE;
    }
    std::printf("rounds=%ld\n", timings.rounds);
    std::printf("pose_ns=%.0f\n", averageNs(timings.posing, timings.rounds));
    std::printf("judge_ns=%.0f\n", averageNs(timings.judging, timings.rounds));
    return EXIT_SUCCESS;
}

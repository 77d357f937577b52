#include "ChildProcess.h"
#include "FigureTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

// Measures the game beside a bare Qt window showing the same picture:
// start-up to the first picture, peak memory and CPU while idle, then the
// cost of posing a problem and judging an answer.
//
// tavola_bench [--runs N] [--idle-seconds N]

namespace fs = std::filesystem;

namespace {

struct Options
{
    int runs = 5;
    int idleSeconds = 60;
};

struct Programs
{
    std::string game;
    std::string bare;
    std::string logic;
};

struct StartupSamples
{
    std::vector<double> ms;
    std::vector<double> rssKb;
};

Options parseOptions(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--idle-seconds") == 0)
            options.idleSeconds = std::max(1, std::atoi(argv[i + 1]));
        else
            throw std::runtime_error(std::string("unknown option ") + argv[i]);
    }
    return options;
}

Programs programsBesideThisOne()
{
    const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
    return {folder / "tavola_bench_game", folder / "tavola_bench_bare", folder / "tavola_bench_logic"};
}

// A home of its own, so that no real record of a player is touched.
fs::path makeScratchHome()
{
    char pattern[] = "/tmp/tavola-bench-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a scratch folder");
    const fs::path home = pattern;
    fs::create_directory(home / "runtime");
    chmod((home / "runtime").c_str(), 0700);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("XDG_STATE_HOME", (home / ".local/state").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return home;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void measureStartup(const std::string &program, const fs::path &home, StartupSamples *samples)
{
    const ChildOutcome outcome = ChildProcess::run(program, {"startup"}, home / "startup");
    if (!samples)
        return;
    samples->ms.push_back((outcome.value("painted_ns") - double(outcome.startNs)) / 1e6);
    samples->rssKb.push_back(double(outcome.maxRssKb));
}

// Game and bare window take turns, after one run of each that warms the caches.
void measureStartups(const Programs &programs, const Options &options, const fs::path &home, StartupSamples &game,
                     StartupSamples &bare)
{
    measureStartup(programs.bare, home, nullptr);
    measureStartup(programs.game, home, nullptr);
    for (int run = 0; run < options.runs; ++run) {
        measureStartup(programs.bare, home, &bare);
        measureStartup(programs.game, home, &game);
    }
}

// Both are left alone side by side for the same time.
void measureIdle(const Programs &programs, const Options &options, const fs::path &home, ChildOutcome &game,
                 ChildOutcome &bare)
{
    const std::vector<std::string> arguments{"idle", std::to_string(options.idleSeconds)};
    ChildProcess gameRun(programs.game, arguments, home / "idle-game");
    ChildProcess bareRun(programs.bare, arguments, home / "idle-bare");
    gameRun.start();
    bareRun.start();
    game = gameRun.wait();
    bare = bareRun.wait();
}

void printHeading(const Options &options, const fs::path &home)
{
    std::printf("Tavola benchmark: QT_QPA_PLATFORM=offscreen, HOME and XDG folders in %s\n", home.c_str());
    std::printf("start-up and its peak memory: median of %d runs of each, after one warm-up run of each\n",
                options.runs);
    std::printf("idle: %d s left alone after the first picture, game (clock running) and bare window "
                "(1 s timer doing nothing) side by side\n",
                options.idleSeconds);
    std::printf("posing and judging: in-process, no window, painting and sound excluded\n\n");
    std::fflush(stdout);
}

void runBenchmark(const Options &options, const fs::path &home)
{
    const Programs programs = programsBesideThisOne();
    printHeading(options, home);

    StartupSamples gameStartup, bareStartup;
    measureStartups(programs, options, home, gameStartup, bareStartup);
    ChildOutcome gameIdle, bareIdle;
    measureIdle(programs, options, home, gameIdle, bareIdle);
    const ChildOutcome logic = ChildProcess::run(programs.logic, {}, home / "logic");

    FigureTable table;
    table.addCompared("start-up to first paint", median(gameStartup.ms), median(bareStartup.ms), "ms", 1.25);
    table.addCompared("peak memory (max RSS), start-up", median(gameStartup.rssKb) / 1024,
                      median(bareStartup.rssKb) / 1024, "MiB", 1.25);
    table.addCompared("peak memory (max RSS), after idle", double(gameIdle.maxRssKb) / 1024,
                      double(bareIdle.maxRssKb) / 1024, "MiB", 1.25);
    table.addCompared("CPU while idle " + std::to_string(options.idleSeconds) + " s",
                      gameIdle.value("idle_cpu_us") / 1000, bareIdle.value("idle_cpu_us") / 1000, "ms", 1.2);
    table.addLimited("posing one problem", logic.value("pose_ns") / 1000, "us", 100);
    table.addLimited("judging one answer", logic.value("judge_ns") / 1000, "us", 100);
    table.print();
    std::printf("\n(posing and judging averaged over %.0f problems each)\n", logic.value("rounds"));
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        const Options options = parseOptions(argc, argv);
        const fs::path home = makeScratchHome();
        runBenchmark(options, home);
        fs::remove_all(home);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "tavola_bench: %s\n", error.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

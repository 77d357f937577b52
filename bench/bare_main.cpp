#include "BareWindow.h"
#include "BenchProbe.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

// The bare window, measured the same way as the game. While idling it keeps a
// one-second timer that does nothing, as the game keeps its clock.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BenchProbe probe(QApplication::arguments());

    BareWindow window(QStringLiteral(":/pictures/background.png"));
    if (!window.hasPicture()) {
        std::fprintf(stderr, "tavola_bench_bare: the background picture is missing\n");
        return EXIT_FAILURE;
    }
    QObject::connect(&window, &BareWindow::painted, [&probe] { probe.firstPaint(); });

    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.start(1000);
    QObject::connect(&tick, &QTimer::timeout, [] {});

    window.show();
    return QApplication::exec();
}

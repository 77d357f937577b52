#pragma once

#include <QStringList>

// What a measured program does once its first picture is on screen. In
// "startup" mode it tells the moment and leaves at once; in "idle SECONDS"
// mode it stays, untouched, for that long and tells the CPU time it used.
class BenchProbe
{
public:
    explicit BenchProbe(const QStringList &arguments);

    // Called when the first picture is being painted; acts once the paint
    // pass has ended, and only the first time.
    void firstPaint();

private:
    void reportPaintTime();
    void startIdling();
    void reportIdleCpu();

    int m_idleSeconds = 0;
    bool m_painted = false;
    long long m_idleStartCpuUs = 0;
};

#pragma once

#include "app/Tavola.h"
#include "numtext/TimeSeededRandom.h"
#include "ui/LazySoundPlayer.h"
#include "ui/QtToolkit.h"
#include "ui/TavolaWindow.h"

// One run of the game on the real window: the window, its services and the
// game logic, wired together.
class GameSession
{
public:
    GameSession(QtToolkit::EndProcess endProcess, Tavola::RecordFolder recordFolder);

    // Asks the name, greets the player and shows the window.
    void start();

    TavolaWindow &window() { return m_window; }
    Tavola &tavola() { return m_tavola; }
    QtToolkit &toolkit() { return m_toolkit; }

    // Where the record files lie for this user.
    static QString standardRecordFolder();

private:
    void connectEvents();
    void deliver(void (Tavola::*handler)());

    TavolaWindow m_window;
    QtToolkit m_toolkit;
    LazySoundPlayer m_sound;
    TimeSeededRandom m_random;
    Tavola m_tavola;
};

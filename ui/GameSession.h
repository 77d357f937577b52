#pragma once

#include "app/Tavola.h"
#include "numtext/TimeSeededRandom.h"
#include "ui/QtSoundPlayer.h"
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
    QtSoundPlayer &sound() { return m_sound; }

    // Where the record files lie for this user: the folder tavola in the
    // user's data folder ($XDG_DATA_HOME/tavola).
    static QString standardRecordFolder();

private:
    void connectEvents();
    void deliver(void (Tavola::*handler)());
    // Loads both cues once the first problem is up, so that no answer waits
    // for the sound system.
    void loadCues();

    TavolaWindow m_window;
    QtToolkit m_toolkit;
    QtSoundPlayer m_sound;
    TimeSeededRandom m_random;
    Tavola m_tavola;
};

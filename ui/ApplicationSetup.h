#pragma once

// Names the program to the desktop (application name, display name, desktop
// entry) and installs Qt's own Italian texts for its boxes. Every program
// that shows the game's window calls it right after creating QApplication.
void setUpApplication();

#pragma once

class QMenuBar;

// Fills the menu bar with the game's rules, worked examples and credits.
// The items only carry text: choosing one just closes the menu.
void buildMenuTree(QMenuBar *bar);

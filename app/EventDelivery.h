#pragma once

#include <functional>

class ToolkitServices;

// Runs one event's handler; a failure that nothing handled goes to the toolkit,
// which tells the player and ends the program.
void deliverEvent(ToolkitServices &toolkit, const std::function<void()> &handler);

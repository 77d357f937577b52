#pragma once

// Maps each typeface the window was designed with to the nearest face that a
// Debian machine carries, so that no text falls back to a monospaced face
// where the designed face is missing. A designed face that is installed is
// still used as it is.
void installFontSubstitutions();

#pragma once
#include <cstdio>
#include <string>

namespace game
{
// The game's log is its standard error: one line per event, with a fixed prefix so that a
// player's report or a test can pick the game's own lines out of the libraries' noise. The
// text goes out as data (never as a format), whatever it holds.
inline void fLogLine(const std::string& text)
{
    std::fprintf(stderr, "[nonogram] %s\n", text.c_str());
    std::fflush(stderr);
}
}

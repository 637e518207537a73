#pragma once

namespace game
{
class G_LOADER_SCREEN;

// The game's main, registered as the program's main: 100500 after a normal run, -100500 when
// the start failed (the program turns them into the exit statuses 0 and 1).
int fGameMain(void*);

// 0 while the splash and loading screen runs, 1 in the game.
int fGetShellPhase();
// The splash and loading screen during the loading phase, else null.
G_LOADER_SCREEN* fGetLoaderScreen();
}

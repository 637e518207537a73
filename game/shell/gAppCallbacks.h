#pragma once

namespace ZOR_GF
{
class G_GAMEPLAY;
}

namespace game
{
class G_LOADER_SCREEN;
struct GG_LEVEL_SCREEN_LINK;

// Makes the level screen once for the whole run and fills the link with its own operations;
// the level screen registers it from a static initialiser of its own. Without one the game
// runs without a level screen.
typedef ZOR_GF::G_GAMEPLAY* (*ZF_MAKE_LEVEL_SCREEN)(GG_LEVEL_SCREEN_LINK* link);
void fSetLevelScreenMaker(ZF_MAKE_LEVEL_SCREEN maker);

// The game's main, registered as the program's main: 100500 after a normal run, -100500 when
// the start failed (the program turns them into the exit statuses 0 and 1).
int fGameMain(void*);

// 0 while the splash and loading screen runs, 1 in the game.
int fGetShellPhase();
// The splash and loading screen during the loading phase, else null.
G_LOADER_SCREEN* fGetLoaderScreen();
}

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"

// The program takes no arguments: everything comes from "Resources" under the working directory.
// The game's main answers 100500 after a normal run and -100500 when the start failed; a
// process keeps only 8 bits of its status (148 and 108, both failures to a shell or a desktop
// launcher), so they leave as 0 and 1.
int main()
{
    return ZOR::fProgramMain() == 100500 ? 0 : 1;
}

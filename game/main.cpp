#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"

// The program takes no arguments: everything comes from "Resources" under the working directory.
int main()
{
    return ZOR::fProgramMain();
}

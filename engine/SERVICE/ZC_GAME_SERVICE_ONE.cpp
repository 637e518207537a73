#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"

namespace ZOR
{
int fProgramMain() { return -108; }
}

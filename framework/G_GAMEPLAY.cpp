#include "framework/G_GAMEPLAY.h"

namespace ZOR_GF
{
G_GAMEPLAY::~G_GAMEPLAY() = default;
}

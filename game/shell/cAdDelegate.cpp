#include "game/shell/cAdDelegate.h"

#include "engine/store/ZC_AD_MANAGER.h"

using namespace ZOR;

namespace game
{
namespace
{
const int kApple = 0;
const int kQuellmoor = 2;
}

void cAdDelegate::fOnPlacementEventA(ZC_AD_MANAGER*, ZS_AD_PLACEMENT*)
{
}

void cAdDelegate::fOnPlacementEventB(ZC_AD_MANAGER* manager, ZS_AD_PLACEMENT* placement)
{
    if (manager && placement && placement->provider == kQuellmoor)
        manager->fShowPlacement("apple_top");
}

void cAdDelegate::fOnPlacementEventC(ZC_AD_MANAGER* manager, ZS_AD_PLACEMENT* placement)
{
    if (manager && placement && placement->provider == kApple)
        manager->fShowPlacement("flurry_top");
}
}

#pragma once
#include "engine/store/ZC_AD_DELEGATE.h"

namespace game
{
// What the advertising provider tells the game about a placement, and the placements the game
// asks for in answer. Advertising exists only on mobile devices in the free edition; on this
// platform nothing loads placements or calls these.
class cAdDelegate : public ZOR::ZC_AD_DELEGATE
{
public:
    ~cAdDelegate() override = default;
    // No effect.
    void fOnPlacementEventA(ZOR::ZC_AD_MANAGER* manager, ZOR::ZS_AD_PLACEMENT* placement) override;
    // A "quellmoor" placement: shows "apple_top".
    void fOnPlacementEventB(ZOR::ZC_AD_MANAGER* manager, ZOR::ZS_AD_PLACEMENT* placement) override;
    // An "apple" placement: shows "flurry_top".
    void fOnPlacementEventC(ZOR::ZC_AD_MANAGER* manager, ZOR::ZS_AD_PLACEMENT* placement) override;
};
}

#pragma once

namespace ZOR
{
class ZC_AD_MANAGER;
struct ZS_AD_PLACEMENT;

// What the advertising service tells the game about a placement (the game's cAdDelegate).
class ZC_AD_DELEGATE
{
public:
    virtual ~ZC_AD_DELEGATE() = default;
    virtual void fOnPlacementEventA(ZC_AD_MANAGER* manager, ZS_AD_PLACEMENT* placement) = 0;
    virtual void fOnPlacementEventB(ZC_AD_MANAGER* manager, ZS_AD_PLACEMENT* placement) = 0;
    virtual void fOnPlacementEventC(ZC_AD_MANAGER* manager, ZS_AD_PLACEMENT* placement) = 0;
};
}

#pragma once

namespace ZOR
{
struct ZS_PRODUCT;

// What a store provider tells the game (the game object implements it).
class ZC_IGP_DELEGATE
{
public:
    virtual void fOnProviderEvent() = 0;
    virtual void fOnPurchaseBegin() = 0;
    virtual void fOnPurchaseEnd(ZS_PRODUCT* product, bool flag) = 0;
    virtual void fOnProductPurchased(ZS_PRODUCT* product) = 0;

protected:
    // Never deleted through this interface.
    ~ZC_IGP_DELEGATE() = default;
};
}

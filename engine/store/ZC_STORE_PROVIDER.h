#pragma once
#include <string>

namespace ZOR
{
class ZC_INAPP;

// A platform's store as the in-app service sees it; it reports back through ZC_IGP_DELEGATE.
// No platform of this game has one, so none is ever attached.
class ZC_STORE_PROVIDER
{
public:
    virtual ~ZC_STORE_PROVIDER() = default;
    // Its answer is the answer of ZC_INAPP::fLoad; fStart follows only a true answer.
    virtual bool fInit(const std::string& key, void* window, ZC_INAPP* service) = 0;
    virtual void fStart() = 0;
    virtual bool fRequest() = 0;
    virtual bool fPurchase(std::string productId) = 0;
    virtual bool fDraw() = 0;
    virtual bool fUpdate() = 0;
};
}

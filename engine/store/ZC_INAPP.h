#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_IGP_DELEGATE;
class ZC_STORE_PROVIDER;

// A purchasable product of the edition's in-app file.
struct ZS_PRODUCT
{
    // Buyable when its low byte is not zero; only a provider would set it.
    int available = 0;
    // 0 consumable, 1 non-consumable, 2 undefined.
    int type = 2;
    std::string name;
    std::string productId;
    std::string extra;
    std::int64_t value = 0;
};

// The in-app purchase service: the products and the store provider that sells them.
// Without a provider (as on every platform of this game) every request answers false.
class ZC_INAPP
{
public:
    ZC_INAPP() = default;
    // Deletes an attached provider.
    ~ZC_INAPP();
    ZC_INAPP(const ZC_INAPP&) = delete;
    ZC_INAPP& operator=(const ZC_INAPP&) = delete;

    // Appends a product for every child element with "name", "product_id" and "type"; then
    // initialises and starts the provider when one is attached. False for an empty node.
    bool fLoad(pugi::xml_node node, const std::string& key, void* window);
    void fSetOwner(ZC_IGP_DELEGATE* delegate) { owner = delegate; }
    ZC_IGP_DELEGATE* fGetOwner() const { return owner; }
    // Takes ownership; a provider attached before is deleted.
    void fSetProvider(ZC_STORE_PROVIDER* store);
    bool fHasProvider() const { return provider != nullptr; }
    ZS_PRODUCT* fFindProductByName(const std::string& name);
    ZS_PRODUCT* fFindProductById(const std::string& productId);
    const std::vector<ZS_PRODUCT>& fGetProducts() const { return products; }
    // Asks the provider to sell the named product: true when it was asked.
    bool fPurchase(const std::string& name);
    bool fProviderRequest();
    bool fDrawProvider();
    bool fUpdateProvider();

private:
    std::vector<ZS_PRODUCT> products;
    ZC_IGP_DELEGATE* owner = nullptr;
    ZC_STORE_PROVIDER* provider = nullptr;
};

// The one in-app service.
ZC_INAPP* fGetInApp();
// "C"/"c" at the start gives 0, "N"/"n" 1, anything else 2.
int fParseProductType(const char* text);
// "CONSUMABLE", "NON_CONSUMABLE" or "UNDEFINED".
const char* fProductTypeName(int type);
}

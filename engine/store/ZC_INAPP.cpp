#include "engine/store/ZC_INAPP.h"

#include "engine/store/ZC_STORE_PROVIDER.h"

namespace ZOR
{
ZC_INAPP::~ZC_INAPP()
{
    delete provider;
}

bool ZC_INAPP::fLoad(pugi::xml_node node, const std::string& key, void* window)
{
    if (node.empty())
        return false;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    {
        if (child.type() != pugi::node_element)
            continue;
        pugi::xml_attribute name = child.attribute("name");
        pugi::xml_attribute productId = child.attribute("product_id");
        pugi::xml_attribute type = child.attribute("type");
        if (!name || !productId || !type)
            continue;
        ZS_PRODUCT product;
        product.type = fParseProductType(type.value());
        product.name = name.value();
        product.productId = productId.value();
        products.push_back(product);
    }
    if (!provider)
        return true;
    bool started = provider->fInit(key, window, this);
    if (started)
        provider->fStart();
    return started;
}

void ZC_INAPP::fSetProvider(ZC_STORE_PROVIDER* store)
{
    if (store != provider)
        delete provider;
    provider = store;
}

ZS_PRODUCT* ZC_INAPP::fFindProductByName(const std::string& name)
{
    for (ZS_PRODUCT& product : products)
        if (product.name == name)
            return &product;
    return nullptr;
}

ZS_PRODUCT* ZC_INAPP::fFindProductById(const std::string& productId)
{
    for (ZS_PRODUCT& product : products)
        if (product.productId == productId)
            return &product;
    return nullptr;
}

bool ZC_INAPP::fPurchase(const std::string& name)
{
    if (!provider)
        return false;
    ZS_PRODUCT* product = fFindProductByName(name);
    if (!product || (product->available & 0xFF) == 0)
        return false;
    provider->fPurchase(product->productId);
    return true;
}

bool ZC_INAPP::fProviderRequest()
{
    return provider ? provider->fRequest() : false;
}

bool ZC_INAPP::fDrawProvider()
{
    return provider ? provider->fDraw() : false;
}

bool ZC_INAPP::fUpdateProvider()
{
    return provider ? provider->fUpdate() : false;
}

ZC_INAPP* fGetInApp()
{
    static ZC_INAPP service;
    return &service;
}

int fParseProductType(const char* text)
{
    char first = text ? text[0] : '\0';
    if (first == 'C' || first == 'c')
        return 0;
    if (first == 'N' || first == 'n')
        return 1;
    return 2;
}

const char* fProductTypeName(int type)
{
    switch (type)
    {
    case 0: return "CONSUMABLE";
    case 1: return "NON_CONSUMABLE";
    default: return "UNDEFINED";
    }
}
}

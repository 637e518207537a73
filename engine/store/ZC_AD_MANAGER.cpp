#include "engine/store/ZC_AD_MANAGER.h"

#include <cstring>

namespace ZOR
{
bool ZC_AD_MANAGER::fLoad(pugi::xml_node node)
{
    if (loaded || node.empty())
        return false;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    {
        if (child.type() != pugi::node_element)
            continue;
        std::unique_ptr<ZS_AD_PLACEMENT> placement = fCreateAdPlacement(child);
        if (placement)
            placements.push_back(std::move(placement));
    }
    loaded = true;
    return true;
}

bool ZC_AD_MANAGER::fIsEnabled(const std::string&) const
{
    return loaded;
}

ZS_AD_PLACEMENT* ZC_AD_MANAGER::fFindPlacement(const std::string& name) const
{
    for (const auto& placement : placements)
        if (placement->name == name)
            return placement.get();
    return nullptr;
}

bool ZC_AD_MANAGER::fHasPlacement(const std::string& name) const
{
    return loaded && fFindPlacement(name) != nullptr;
}

bool ZC_AD_MANAGER::fShowPlacement(const std::string& name) const
{
    ZS_AD_PLACEMENT* placement = loaded ? fFindPlacement(name) : nullptr;
    return placement ? fPlatformShowAd(*placement) : false;
}

bool fPlatformShowAd(const ZS_AD_PLACEMENT&)
{
    return false;
}

int fParseAdProvider(const char* text)
{
    static const char* const names[] = {"apple", "flurry", "quellmoor"};
    for (int i = 0; i < 3; ++i)
        if (text && std::strcmp(text, names[i]) == 0)
            return i;
    return 3;
}

int fParseAdLocation(const char* text)
{
    switch (text ? text[0] : '\0')
    {
    case 't': return 1;
    case 'b': return 2;
    case 'f': return 3;
    default: return 4;
    }
}

std::unique_ptr<ZS_AD_PLACEMENT> fCreateAdPlacement(pugi::xml_node node)
{
    // A missing attribute reads as the empty text: rejected for provider and location, an
    // empty name is accepted.
    int provider = fParseAdProvider(node.attribute("provider").value());
    int location = fParseAdLocation(node.attribute("location").value());
    if (provider == 3 || location == 4)
        return nullptr;
    std::unique_ptr<ZS_AD_PLACEMENT> placement(new ZS_AD_PLACEMENT());
    placement->name = node.attribute("name").value();
    placement->provider = provider;
    placement->location = location;
    return placement;
}
}

#pragma once
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_AD_DELEGATE;

// An advertising placement of the edition's advertising file.
struct ZS_AD_PLACEMENT
{
    std::string name;
    // "apple" 0, "flurry" 1, "quellmoor" 2.
    int provider = 0;
    // First letter of "location": "t" 1, "b" 2, "f" 3.
    int location = 0;
};

// The advertising placements and the request to show one. No platform of this game shows
// advertisements, so every show request answers false.
class ZC_AD_MANAGER
{
public:
    ZC_AD_MANAGER() = default;
    ZC_AD_MANAGER(const ZC_AD_MANAGER&) = delete;
    ZC_AD_MANAGER& operator=(const ZC_AD_MANAGER&) = delete;

    // A placement for every child element that names a known provider and location; false
    // for an empty node or a second load.
    bool fLoad(pugi::xml_node node);
    void fSetDelegate(ZC_AD_DELEGATE* adDelegate) { delegate = adDelegate; }
    ZC_AD_DELEGATE* fGetDelegate() const { return delegate; }
    // The loaded flag, whatever the name.
    bool fIsEnabled(const std::string& name) const;
    ZS_AD_PLACEMENT* fFindPlacement(const std::string& name) const;
    bool fHasPlacement(const std::string& name) const;
    bool fShowPlacement(const std::string& name) const;
    std::size_t fGetPlacementCount() const { return placements.size(); }

private:
    ZC_AD_DELEGATE* delegate = nullptr;
    bool loaded = false;
    std::vector<std::unique_ptr<ZS_AD_PLACEMENT>> placements;
};

// The platform's request to show a placement: false on every platform of this game.
bool fPlatformShowAd(const ZS_AD_PLACEMENT& placement);
// 0 to 2 for "apple", "flurry", "quellmoor" exactly; 3 rejects.
int fParseAdProvider(const char* text);
// 1 to 3 for a first letter "t", "b", "f" (lower case only); 4 rejects.
int fParseAdLocation(const char* text);
// A new placement from an element, or null when its provider or location is rejected.
std::unique_ptr<ZS_AD_PLACEMENT> fCreateAdPlacement(pugi::xml_node node);
}

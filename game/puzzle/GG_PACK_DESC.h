#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

namespace ZOR_GF
{
class G_SPRITE;
}

namespace game
{
// The product's fixed data of one pack, one entry of packs_description.xml: its title, the
// resource group of its level files, the stars that open it and its price.
class GG_PACK_DESC
{
public:
    GG_PACK_DESC();
    ~GG_PACK_DESC();
    GG_PACK_DESC(const GG_PACK_DESC&) = delete;
    GG_PACK_DESC& operator=(const GG_PACK_DESC&) = delete;

    // Reads "id", "key", "stars2pass", "price" and "path"; false at the first one missing
    // (the caller then discards the description). The title is the key's localised text.
    bool fLoadXml(pugi::xml_node element);

    int32_t fGetId() const { return id; }
    std::string fGetPath() const { return path; }
    const std::string& fGetKey() const { return key; }
    const std::wstring& fGetTitle() const { return title; }
    int32_t fGetStarsToPass() const { return stars2pass; }
    int32_t fGetPrice() const { return price; }
    // The pack's background picture on the level screen, owned by the description: built
    // from the entry's "background" element, a sprite without a file when it has none, and
    // none before the first load. Whoever shows it fetches and hands back its texture.
    ZOR_GF::G_SPRITE* fGetBackground() const { return background.get(); }

private:
    int32_t id = -1;
    std::string key;
    std::string path;
    std::unique_ptr<ZOR_GF::G_SPRITE> background;
    std::wstring title;
    int32_t stars2pass = 0;
    int32_t price = 0;
};
}

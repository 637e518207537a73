#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

namespace game
{
// The product's fixed data of one pack, one entry of packs_description.xml: its title, the
// resource group of its level files, the stars that open it and its price.
class GG_PACK_DESC
{
public:
    GG_PACK_DESC() = default;
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
    // The "background" element the pack's background sprite is built from (empty when the
    // entry has none); kept as XML until the sprite class is available to this folder.
    pugi::xml_node fGetBackground() const { return background.first_child(); }

private:
    int32_t id = -1;
    std::string key;
    std::string path;
    pugi::xml_document background;
    std::wstring title;
    int32_t stars2pass = 0;
    int32_t price = 0;
};
}

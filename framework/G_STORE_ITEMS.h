#pragma once
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR_GF
{
// One offer for an item name; offers for the same item nest, each valid while the player
// owns fewer than its value, an endless one whatever the player owns.
class G_STORE_ITEM
{
public:
    // Reads the attributes and, from the first child "item" on, every following element as a further offer.
    explicit G_STORE_ITEM(pugi::xml_node element);
    ~G_STORE_ITEM();
    G_STORE_ITEM(const G_STORE_ITEM&) = delete;
    G_STORE_ITEM& operator=(const G_STORE_ITEM&) = delete;

    // The first offer of this subtree, in pre-order, still valid for that many owned.
    G_STORE_ITEM* fFindItem(const std::string& item, int owned);
    // Offers of that name in this subtree; -1 when one of them is endless.
    int fCountItems(const std::string& item) const;

    bool endless = false;
    int price = 0;
    int value = 0;
    std::string name;
    std::string annotation;
    std::string image;
    std::string InAppKey;
    std::vector<G_STORE_ITEM*> children;
};

class G_STORE_ITEMS
{
public:
    G_STORE_ITEMS() = default;
    ~G_STORE_ITEMS();
    G_STORE_ITEMS(const G_STORE_ITEMS&) = delete;
    G_STORE_ITEMS& operator=(const G_STORE_ITEMS&) = delete;

    // Appends the offers of the element (whatever it is called); false for a missing element.
    bool fLoad(pugi::xml_node element);
    G_STORE_ITEM* fFindItem(const std::string& item, int owned);
    int fCountItems(const std::string& item) const;

    const std::vector<G_STORE_ITEM*>& fGetItems() const { return items; }

private:
    std::vector<G_STORE_ITEM*> items;
};
}

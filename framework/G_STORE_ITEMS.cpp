#include "framework/G_STORE_ITEMS.h"

namespace ZOR_GF
{
namespace
{
// From the first child "item" on, every following element is an offer, whatever its name.
void fReadOffers(pugi::xml_node parent, std::vector<G_STORE_ITEM*>& offers)
{
    for (pugi::xml_node child = parent.child("item"); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            offers.push_back(new G_STORE_ITEM(child));
}

// Sum of the offers' counts; -1 as soon as one of them is endless.
int fSumCounts(const std::vector<G_STORE_ITEM*>& offers, const std::string& item, int total)
{
    for (const G_STORE_ITEM* offer : offers)
    {
        const int count = offer->fCountItems(item);
        if (count < 0)
            return -1;
        total += count;
    }
    return total;
}
}

G_STORE_ITEM::G_STORE_ITEM(pugi::xml_node element)
    : endless(element.attribute("endless").as_bool(false)),
      price(element.attribute("price").as_int(0)),
      value(element.attribute("value").as_int(0)),
      name(element.attribute("name").value()),
      annotation(element.attribute("annotation").value()),
      image(element.attribute("image").value()),
      InAppKey(element.attribute("InAppKey").value())
{
    fReadOffers(element, children);
}

G_STORE_ITEM::~G_STORE_ITEM()
{
    for (G_STORE_ITEM* child : children)
        delete child;
}

G_STORE_ITEM* G_STORE_ITEM::fFindItem(const std::string& item, int owned)
{
    if (name == item && (endless || owned < value))
        return this;
    for (G_STORE_ITEM* child : children)
        if (G_STORE_ITEM* found = child->fFindItem(item, owned))
            return found;
    return nullptr;
}

int G_STORE_ITEM::fCountItems(const std::string& item) const
{
    if (name == item && endless)
        return -1;
    return fSumCounts(children, item, name == item ? 1 : 0);
}

G_STORE_ITEMS::~G_STORE_ITEMS()
{
    for (G_STORE_ITEM* item : items)
        delete item;
}

bool G_STORE_ITEMS::fLoad(pugi::xml_node element)
{
    if (!element)
        return false;
    fReadOffers(element, items);
    return true;
}

G_STORE_ITEM* G_STORE_ITEMS::fFindItem(const std::string& item, int owned)
{
    for (G_STORE_ITEM* offer : items)
        if (G_STORE_ITEM* found = offer->fFindItem(item, owned))
            return found;
    return nullptr;
}

int G_STORE_ITEMS::fCountItems(const std::string& item) const
{
    return fSumCounts(items, item, 0);
}
}

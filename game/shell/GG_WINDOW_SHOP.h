#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "framework/G_WINDOW.h"
#include "framework/gPages.h"
#include "game/shell/GG_LAYOUT_ITEM.h"

namespace ZOR
{
class ZC_GUI;
}

namespace ZOR_GF
{
class G_STORE_ITEM;
}

namespace game
{
// One entry of the shop: a store item key with its title, description, price and picture and
// a buy button. The texts, the price and the picture come from the store's node for the
// player's next purchase of that item; without a node (nothing left to buy) the entry shows
// its layout's own description and picture and the sold-out picture.
//
// Element ids of the entry's layout: 1 buy button, 2 title, 3 description, 4 price,
// 5 item picture, 6 sold-out picture.
class gPages_Shop_Item : public GG_LAYOUT_ITEM
{
public:
    // "type", "gameplayonly", "size" and the child "GUI" (the entry's layout).
    gPages_Shop_Item(pugi::xml_node element, int index);
    ~gPages_Shop_Item() override;

    // The texts, then the layout's textures.
    void fLoadResources() override;
    void fUnloadResources() override;
    // -109 for a click on the buy button: the list then buys.
    int fOnPointerRelease(int key) override;
    int fOnPointerPress(int key) override;
    int fOnMouseMove() override;
    // Re-reads the store and, when loaded, shows the new texts and picture.
    void fRefresh() override;

    void fReadLayoutDefaults();
    void fRefreshFromStore();
    void fApplyTexts();
    // Enabled only when wanted, the store has a node and (for gameplay-only entries) a level runs.
    void fSetBuyEnabled(bool want);
    void fUpdateEnabled(uint32_t score);
    void fShowSoldOut(bool show);

    const std::string& fGetType() const { return type; }
    const std::string& fGetDescription() const { return description; }
    const std::string& fGetImage() const { return image; }
    int32_t fGetPrice() const { return price; }
    bool fIsAvailable() const { return available; }
    bool fIsGameplayOnly() const { return gameplayOnly; }
    bool fIsLoaded() const { return loaded; }
    // The buy button's look: enabled unless it shows its disabled frame.
    bool fIsBuyEnabled() const;

private:
    std::string defaultDescription;
    std::string defaultImage;
    std::wstring defaultPriceText; // label 4's own key, translated: shown when there is no price
    std::string type;
    std::string description;
    std::string image;
    int32_t price = 0;
    std::string priceText;
    bool loaded = false;
    bool gameplayOnly = false;
    bool available = true;
};

// The shop's list: its entries buy on a click.
class gPagesShop : public ZOR_GF::gPages
{
public:
    ZOR::ZC_BASE* fCreateItem(pugi::xml_node element, int index) override;
    void fOnItemClick(ZOR::ZC_BASE* item) override;
    void fUpdateItemStates();
};

// The shop window "Shop": the list of entries (its first page only), the player's currency
// (label 2), a close button (1) and the store provider's button (7, only with in-app purchases).
class GG_WINDOW_SHOP : public ZOR_GF::G_WINDOW
{
public:
    // A "gPages" child with "file" and, together, "pos_x" and "pos_y".
    explicit GG_WINDOW_SHOP(pugi::xml_node element);
    ~GG_WINDOW_SHOP() override;

    void fDraw() override;
    // The list gets the key after the window's widgets, unless the window is showing or hiding.
    const ZOR::ZS_GUI_EVENT* fOnKeyDown(int key) override;
    const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key) override;
    const ZOR::ZS_GUI_EVENT* fOnMouseMove() override;
    void fOnShowBegin() override;
    void fOnHidden() override;
    void fRefresh() override;
    void fLoadResources() override;
    void fUnloadResources() override;
    void fOnGuiEvent(int widgetId) override;

    void fUpdateScoreLabel();
    gPagesShop* fGetList() const { return list.get(); }
    gPages_Shop_Item* fFindEntry(const std::string& type) const;

private:
    std::unique_ptr<gPagesShop> list;
};

// Buys the store node for the current player: with in-app purchases through the store
// provider, otherwise for currency when the player has enough (checked before anything is
// charged). True when the item was bought here and now.
bool fBuyStoreItem(ZOR_GF::G_STORE_ITEM* node);

// Whether a level is running: the level screen exists and its level is started.
bool fIsLevelRunning();
// Whether the running level lets the player buy a refill of hints (none left, some to bring).
bool fLevelAllowsHintRefill();
}

#include "game/shell/GG_WINDOW_SHOP.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/store/ZC_INAPP.h"
#include "framework/G_GAMEPLAY.h"
#include "framework/G_STORE_ITEMS.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
enum
{
    ENTRY_BUY = 1,
    ENTRY_TITLE = 2,
    ENTRY_DESCRIPTION = 3,
    ENTRY_PRICE = 4,
    ENTRY_PICTURE = 5,
    ENTRY_SOLD_OUT = 6
};

enum
{
    SHOP_CLOSE = 1,
    SHOP_SCORE = 2,
    SHOP_PROVIDER = 7
};

const char* const kShop = "Shop";
const char* const kLevelMenu = "GP_Menu";
const ZS_GUI_EVENT kListTook = {0, zcANSWER_TAKEN};

// The player the game object holds.
GG_PLAYER* fGamePlayer()
{
    gGame* game = fGetGameInstance();
    return game ? game->fGetCurrentPlayer() : nullptr;
}

// Prices are compared as unsigned numbers: a price below 0 in the data is never affordable.
bool fCanAfford(int32_t price, uint32_t score)
{
    return uint32_t(price) <= score;
}

// Hearts bought for currency come filled, as those granted by a completed purchase do.
void fFillHearts(GG_PLAYER* player)
{
    GG_HEALTH& health = player->fGetHealth();
    health.stamps.clear();
    while (health.fRefillHeart())
    {
    }
}

}

bool fIsLevelRunning()
{
    gGame* game = fGetGameInstance();
    const G_GAMEPLAY* screen = game ? game->fGetGameplay() : nullptr;
    return screen && screen->started;
}

bool fLevelAllowsHintRefill()
{
    // A level screen that cannot answer never lets the refill be bought.
    gGame* game = fGetGameInstance();
    const GG_GAMEPLAY* screen = game ? game->fGetLevelScreen() : nullptr;
    return screen && screen->fCanRefillHints();
}

bool fBuyStoreItem(G_STORE_ITEM* node)
{
    gGame* game = fGetGameInstance();
    GG_PLAYER* player = fGamePlayer();
    if (!node || !player)
        return false;
    if (fIsInAppEnabled())
    {
        // The count and the currency follow the purchase's completion, which only a store
        // provider reports; without one the request fails and nothing changes.
        ZC_INAPP* inApp = fGetInApp();
        if (!inApp || !inApp->fPurchase(node->InAppKey))
        {
            fLogLine("The purchase of \"" + node->name + "\" could not start: no store is attached.");
            fPlayGameSound("deny");
        }
        return false;
    }
    GG_STATISTIC& statistic = player->statistic;
    if (!fCanAfford(node->price, statistic.score))
    {
        fPlayGameSound("deny");
        return false;
    }
    player->fSetItemCount(node->name, player->fGetItemCount(node->name) + 1);
    statistic.score -= uint32_t(node->price);
    // A bought heart or a refill would otherwise leave hearts missing with no timer to bring them.
    if (node->name == "health" || node->name == "refill_health")
        fFillHearts(player);
    game->fSendStoreEvent("buy", node->name);
    game->fSave();
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fRefreshAll();
    fPlayGameSound("purchase");
    return true;
}

// ------------------------------------------------------------------ entry

// The layout's labels keep their keys: the entry fills them itself.
gPages_Shop_Item::gPages_Shop_Item(pugi::xml_node element, int index) : GG_LAYOUT_ITEM(element, index, false)
{
    type = element.attribute("type").value();
    gameplayOnly = element.attribute("gameplayonly").as_bool(false);
    if (gui)
        fReadLayoutDefaults();
    fRefreshFromStore();
}

// Like a window, an entry releases nothing itself: its holder unloads it first.
gPages_Shop_Item::~gPages_Shop_Item() = default;

void gPages_Shop_Item::fReadLayoutDefaults()
{
    if (ZC_GUI_WLABEL* label = fFindWidget<ZC_GUI_WLABEL>(gui.get(), ENTRY_DESCRIPTION))
        defaultDescription = pugi::as_utf8(label->fGetText());
    if (ZC_GUI_IMAGE* picture = fFindWidget<ZC_GUI_IMAGE>(gui.get(), ENTRY_PICTURE))
        defaultImage = picture->fGetTextureName();
    // Like every label of a layout, the price's own text is a key: shown translated when no
    // offer has a price, in place of the price of an offer that is gone.
    if (ZC_GUI_WLABEL* label = fFindWidget<ZC_GUI_WLABEL>(gui.get(), ENTRY_PRICE))
        defaultPriceText = fLocalLabelText(pugi::as_utf8(label->fGetText()));
}

void gPages_Shop_Item::fRefreshFromStore()
{
    gGame* game = fGetGameInstance();
    G_STORE_ITEM* node = game ? game->fFindStoreItem(type) : nullptr;
    if (node)
    {
        description = node->annotation;
        price = node->price;
        image = node->image;
        if (fIsInAppEnabled() && !node->InAppKey.empty())
            if (ZS_PRODUCT* product = fGetInApp()->fFindProductByName(node->InAppKey))
                priceText = product->extra;
    }
    else
    {
        description = defaultDescription;
        price = 0;
        image = defaultImage;
        if (fIsInAppEnabled())
            priceText.clear();
    }
    fShowSoldOut(!node);
    available = node != nullptr;
}

void gPages_Shop_Item::fApplyTexts()
{
    // Every text comes from data and is shown as written, never read as a format.
    if (ZC_GUI_WLABEL* title = fFindWidget<ZC_GUI_WLABEL>(gui.get(), ENTRY_TITLE); title && !type.empty())
        title->fSetText(fLocalLabelText(type));
    if (ZC_GUI_WLABEL* text = fFindWidget<ZC_GUI_WLABEL>(gui.get(), ENTRY_DESCRIPTION); text && !description.empty())
        text->fSetText(fLocalLabelText(description));
    if (ZC_GUI_WLABEL* label = fFindWidget<ZC_GUI_WLABEL>(gui.get(), ENTRY_PRICE))
    {
        if (fIsInAppEnabled())
            label->fSetText(fLiteralLabelText(pugi::as_wide(priceText)));
        else if (price > 0)
            label->fSetText(fFloatToWString(float(price)));
        else
            label->fSetText(defaultPriceText);
    }
    if (ZC_GUI_IMAGE* picture = fFindWidget<ZC_GUI_IMAGE>(gui.get(), ENTRY_PICTURE))
        if (!image.empty() && image != picture->fGetTextureName())
            picture->fSetTexture(image);
}

void gPages_Shop_Item::fLoadResources()
{
    if (!gui || loaded)
        return;
    fApplyTexts();
    gui->fRestoreResources();
    loaded = true;
}

void gPages_Shop_Item::fUnloadResources()
{
    if (!gui || !loaded)
        return;
    gui->fReleaseResources();
    loaded = false;
}

int gPages_Shop_Item::fOnPointerRelease(int)
{
    if (!gui)
        return 0;
    const ZS_GUI_EVENT* e = gui->fOnKeyUp();
    return e && e->id == ENTRY_BUY && e->code == GUI_EVENT_CLICK ? zcANSWER_TAKEN : 0;
}

int gPages_Shop_Item::fOnPointerPress(int)
{
    if (!gui)
        return 0;
    return gui->fOnKeyDown() ? zcANSWER_TAKEN : 0;
}

int gPages_Shop_Item::fOnMouseMove()
{
    if (!gui)
        return 0;
    return gui->fOnMouseMove() ? zcANSWER_TAKEN : 0;
}

void gPages_Shop_Item::fRefresh()
{
    fRefreshFromStore();
    if (loaded)
    {
        fUnloadResources();
        fLoadResources();
    }
}

void gPages_Shop_Item::fShowSoldOut(bool show)
{
    if (ZC_GUI_OBJECT* picture = gui ? gui->fFindById(ENTRY_SOLD_OUT) : nullptr)
        picture->fSetVisible(show);
}

bool gPages_Shop_Item::fIsBuyEnabled() const
{
    const ZC_GUI_BUTTON5* button = fFindWidget<ZC_GUI_BUTTON5>(gui.get(), ENTRY_BUY);
    return button && button->fGetState() != ZC_GUI_BUTTON5::STATE_DISABLED;
}

void gPages_Shop_Item::fSetBuyEnabled(bool want)
{
    ZC_GUI_BUTTON5* button = fFindWidget<ZC_GUI_BUTTON5>(gui.get(), ENTRY_BUY);
    if (!button)
        return;
    const bool allowed = gameplayOnly ? fIsLevelRunning() : true;
    const bool enable = want && available && allowed;
    if (enable == fIsBuyEnabled())
        return;
    if (enable)
        button->fEnableButton();
    else
        button->fDisableButton();
    // A button enabled under the pointer answers it at once.
    button->fMouseMoveTree();
}

void gPages_Shop_Item::fUpdateEnabled(uint32_t score)
{
    const bool canPay = fIsInAppEnabled() || fCanAfford(price, score);
    fSetBuyEnabled(canPay);
    if (type == "refill_hint" && fIsLevelRunning())
    {
        fSetBuyEnabled(canPay && fLevelAllowsHintRefill());
        return;
    }
    if (type == "refill_health")
    {
        // Hearts that are due come back first; the refill is worth buying only below the maximum.
        GG_PLAYER* player = fGamePlayer();
        if (player)
        {
            GG_HEALTH& health = player->fGetHealth();
            health.fUpdateRefill();
            fSetBuyEnabled(health.count < health.fGetMaximum());
        }
    }
}

// ------------------------------------------------------------------ list

ZC_BASE* gPagesShop::fCreateItem(pugi::xml_node element, int index)
{
    return new gPages_Shop_Item(element, index);
}

void gPagesShop::fOnItemClick(ZC_BASE* item)
{
    gGame* game = fGetGameInstance();
    gPages_Shop_Item* entry = dynamic_cast<gPages_Shop_Item*>(item);
    if (game && entry)
        fBuyStoreItem(game->fFindStoreItem(entry->fGetType()));
}

void gPagesShop::fUpdateItemStates()
{
    const GG_PLAYER* player = fGamePlayer();
    if (!player)
        return;
    for (size_t i = 0; i < fGetItemCount(); ++i)
        if (gPages_Shop_Item* entry = dynamic_cast<gPages_Shop_Item*>(fGetItem(i)))
            entry->fUpdateEnabled(player->statistic.score);
}

// ------------------------------------------------------------------ window

GG_WINDOW_SHOP::GG_WINDOW_SHOP(pugi::xml_node element) : G_WINDOW(element)
{
    if (pugi::xml_node pages = element.child("gPages"))
    {
        list = std::make_unique<gPagesShop>();
        list->fSetParent(fGetTransform());
        if (!list->fLoad(pages.attribute("file").value()))
            fLogLine(std::string("The shop's list \"") + pages.attribute("file").value() + "\" is missing: the shop is empty.");
        pugi::xml_attribute x = pages.attribute("pos_x"), y = pages.attribute("pos_y");
        if (x && y)
            list->fSetPosition(x.as_float(), y.as_float());
    }
    else
    {
        fLogLine(std::string("The window \"") + fGetName() + "\" has no \"gPages\" list: the shop is empty.");
    }
    if (!fFindWidget<ZC_GUI_WLABEL>(fGetGui(), SHOP_SCORE))
        fLogMissingPart(fGetName(), SHOP_SCORE, "currency label");
}

GG_WINDOW_SHOP::~GG_WINDOW_SHOP() = default;

void GG_WINDOW_SHOP::fDraw()
{
    G_WINDOW::fDraw();
    if (list)
        list->fDraw();
}

const ZS_GUI_EVENT* GG_WINDOW_SHOP::fOnKeyDown(int key)
{
    const ZS_GUI_EVENT* e = G_WINDOW::fOnKeyDown(key);
    if (e == &kBusy || !list)
        return e;
    return list->fOnPointerPress(key) ? &kListTook : e;
}

const ZS_GUI_EVENT* GG_WINDOW_SHOP::fOnKeyUp(int key)
{
    const ZS_GUI_EVENT* e = G_WINDOW::fOnKeyUp(key);
    if (e == &kBusy || !list)
        return e;
    // The window's own event stands when the list took nothing, so that a click on the close
    // button never reaches the windows below.
    return list->fOnPointerRelease(key) ? &kListTook : e;
}

const ZS_GUI_EVENT* GG_WINDOW_SHOP::fOnMouseMove()
{
    const ZS_GUI_EVENT* e = G_WINDOW::fOnMouseMove();
    if (list)
        list->fOnMouseMove();
    return e;
}

void GG_WINDOW_SHOP::fOnShowBegin()
{
    if (list)
        list->fUpdateItemStates();
    fUpdateScoreLabel();
}

void GG_WINDOW_SHOP::fOnHidden()
{
    gGame* game = fGetGameInstance();
    if (!game)
        return;
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (!windows || !windows->fIsWindowOpen(kLevelMenu))
        game->fResumeGameplay();
    GG_PLAYER* player = game->fGetCurrentPlayer();
    if (fIsLevelRunning() && player && player->fGetItemCount("refill_hint") > 0)
        player->fSetItemCount("refill_hint", 0);
}

void GG_WINDOW_SHOP::fRefresh()
{
    if (!list)
        return;
    list->fRefresh();
    list->fUpdateItemStates();
    fUpdateScoreLabel();
}

void GG_WINDOW_SHOP::fLoadResources()
{
    if (list)
        list->fLoadResources();
}

void GG_WINDOW_SHOP::fUnloadResources()
{
    if (list)
        list->fUnloadResources();
}

void GG_WINDOW_SHOP::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case SHOP_CLOSE:
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fHideWindow(fGetName(), false);
        break;
    case SHOP_PROVIDER:
        if (fIsInAppEnabled() && !fGetInApp()->fProviderRequest())
            fLogLine("The store could not be reached: no store is attached.");
        break;
    default:
        break;
    }
}

void GG_WINDOW_SHOP::fUpdateScoreLabel()
{
    const GG_PLAYER* player = fGamePlayer();
    ZC_GUI_WLABEL* label = fFindWidget<ZC_GUI_WLABEL>(fGetGui(), SHOP_SCORE);
    if (player && label)
        label->fSetText(fFloatToWString(float(player->statistic.score)));
}

gPages_Shop_Item* GG_WINDOW_SHOP::fFindEntry(const std::string& entryType) const
{
    for (size_t i = 0; list && i < list->fGetItemCount(); ++i)
        if (gPages_Shop_Item* entry = dynamic_cast<gPages_Shop_Item*>(list->fGetItem(i)))
            if (entry->fGetType() == entryType)
                return entry;
    return nullptr;
}
}

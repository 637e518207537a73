#include "game/shell/GG_WINDOW_PACK.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/store/ZC_INAPP.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kPacks = "Packs";
const char* const kPackTitle = "Pack_Title";
const char* const kBuyPack = "Confirm_Buy_Pack";
const char* const kNoMoney = "Confirm_NoMoney";
const char* const kPackLock = "Confirm_PackLock";
const char* const kPackLockNeedBuy = "Confirm_PackLockNeedBuy";

// What the entry's layout must hold for the entry to show its state.
struct ZS_EXPECTED_WIDGET
{
    int id;
    int type;
    const char* use;
};
const ZS_EXPECTED_WIDGET kExpected[] = {
    {gPackItem::ID_HIGHLIGHT, GUI_TYPE_IMAGE, "the next-pack highlight"},
    {gPackItem::ID_CLOSED, GUI_TYPE_IMAGE, "the closed look"},
    {gPackItem::ID_STARS_NEEDED, GUI_TYPE_WLABEL, "the stars that open it"},
    {gPackItem::ID_OPEN, GUI_TYPE_IMAGE, "the open look"},
    {gPackItem::ID_PROGRESS, GUI_TYPE_WLABEL, "the stars earned"},
};
}

void fCallOnPackLockAnswer(void* list, int result)
{
    if (list)
        static_cast<gPages_Pack*>(list)->fOnPackLockAnswer(result);
}

void fCallOnBuyPackAnswer(void* list, bool yes)
{
    if (list)
        static_cast<gPages_Pack*>(list)->fOnBuyPackAnswer(yes);
}

// ---------------------------------------------------------------- entry

gPackItem::gPackItem(pugi::xml_node element, int index) : GG_LAYOUT_ITEM(element, index, true)
{
    if (gui)
    {
        std::string missing;
        for (const ZS_EXPECTED_WIDGET& w : kExpected)
        {
            const ZC_GUI_OBJECT* widget = gui->fFindById(w.id);
            if (!widget || widget->fGetType() != w.type)
                missing += std::string(missing.empty() ? "" : ", ") + std::to_string(w.id) + " (" + w.use + ")";
        }
        if (!missing.empty())
            fLogLine("The pack entry " + std::to_string(index) + " has no widget " + missing +
                     " of the kind it needs: the entry shows without it.");
        for (int hidden : {int(ID_HIGHLIGHT), int(ID_CLOSED), int(ID_OPEN), int(ID_UNUSED)})
            fShowElement(hidden, false);
    }
}

gPackItem::~gPackItem() = default;

void gPackItem::fUpdate()
{
    if (gui)
        gui->fUpdate();
}

int gPackItem::fOnPointerRelease(int)
{
    if (!zcMOUSE_POSITION)
        return 0;
    const ZS_TRANSFORM3 world = gui ? gui->fGetRoot()->fGetTransform()->fCompose() : transform.fCompose();
    // An entry placed beyond any screen is never hit (its size is held within one at load).
    int cx, cy;
    if (!fToPixel(world.position.x, &cx) || !fToPixel(world.position.y, &cy))
        return 0;
    const int left = cx - size.x / 2;
    const int top = cy - size.y / 2;
    const int x = zcMOUSE_POSITION->x, y = zcMOUSE_POSITION->y;
    return left <= x && x <= left + size.x && top <= y && y <= top + size.y ? zcANSWER_TAKEN : 0;
}

void gPackItem::fShowElement(int widgetId, bool shown)
{
    ZC_GUI_OBJECT* widget = gui ? gui->fFindById(widgetId) : nullptr;
    if (dynamic_cast<ZC_GUI_IMAGE*>(widget))
        widget->fSetVisible(shown);
}

void gPackItem::fSetOpen(bool value)
{
    open = value;
    fShowElement(ID_OPEN, value);
    fShowElement(ID_CLOSED, !value);
}

void gPackItem::fSetLabel(int widgetId, const std::wstring& text)
{
    ZC_GUI_OBJECT* widget = gui ? gui->fFindById(widgetId) : nullptr;
    if (widget && widget->fGetType() == GUI_TYPE_WLABEL)
        static_cast<ZC_GUI_WLABEL*>(widget)->fSetText(fLiteralLabelText(text));
}

void gPackItem::fSetProgressText(const std::wstring& text)
{
    fSetLabel(ID_PROGRESS, text);
}

void gPackItem::fSetStarsNeededText(const std::wstring& text)
{
    fSetLabel(ID_STARS_NEEDED, text);
}

// ---------------------------------------------------------------- list

ZC_BASE* gPages_Pack::fCreateItem(pugi::xml_node element, int index)
{
    const gGame* game = fGetGameInstance();
    if (!game || !game->fFindPackDesc(index))
        return nullptr;
    return new gPackItem(element, index);
}

void gPages_Pack::fRefresh()
{
    gPages::fRefresh();
    const GG_PLAYER* player = fCurrentPlayer();
    const gGame* game = fGetGameInstance();
    if (!player || !game)
        return;
    bool noHighlightYet = true;
    for (size_t i = 0; i < fGetItemCount(); ++i)
    {
        gPackItem* entry = fGetEntry(i);
        if (!entry)
            continue;
        entry->fShowElement(gPackItem::ID_HIGHLIGHT, false);
        entry->fShowElement(gPackItem::ID_UNUSED, false);
        if (player->fIsPackOpen(entry->id))
        {
            entry->fSetOpen(true);
            entry->fSetProgressText(game->fPackStarsText(entry->id));
            continue;
        }
        entry->fSetOpen(false);
        entry->fSetStarsNeededText(game->fPackStarsToPassText(entry->id));
        if (noHighlightYet && i > 0)
        {
            if (gPackItem* before = fGetEntry(i - 1))
                before->fShowElement(gPackItem::ID_HIGHLIGHT, true);
            noHighlightYet = false;
        }
    }
}

void gPages_Pack::fOnItemClick(ZC_BASE* item)
{
    gPackItem* entry = dynamic_cast<gPackItem*>(item);
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (!entry || !windows)
        return;
    chosenPack = entry->id;
    const GG_PLAYER* player = fCurrentPlayer();
    if (fGetEdition().free)
    {
        if (!player)
            return;
        const GG_PACK* pack = player->fGetPack(chosenPack);
        if (pack && pack->fIsLocked())
        {
            G_WINDOW* window = windows->fShowWindow(kPackLockNeedBuy, false);
            if (G_WINDOW_CONFIRM* question = dynamic_cast<G_WINDOW_CONFIRM*>(window))
                question->fSetResultCallback(this, fCallOnPackLockAnswer);
        }
        else if (pack && pack->fHasOpenLevel())
            fOpenPackLevels(chosenPack);
        else
            windows->fShowWindow(kPackLock, false);
        return;
    }
    if (entry->fIsOpen())
    {
        fPlayGameSound("click");
        fOpenPackLevels(chosenPack);
        return;
    }
    G_WINDOW* window = windows->fShowWindow(kBuyPack, false);
    if (G_WINDOW_CONFIRM* question = dynamic_cast<G_WINDOW_CONFIRM*>(window))
    {
        question->fSetAnswerCallback(this, fCallOnBuyPackAnswer);
        const gGame* game = fGetGameInstance();
        const GG_PACK_DESC* desc = game ? game->fFindPackDesc(chosenPack) : nullptr;
        question->fSetTextArgument(fFloatToWString(float(desc ? desc->fGetPrice() : 0)));
    }
}

void gPages_Pack::fOpenPackLevels(int32_t packId)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    gGame* game = fGetGameInstance();
    if (windows && windows->fHideWindow(kPacks, false) && game)
        game->fShowLevelsScene(packId, false);
}

void gPages_Pack::fOnPackLockAnswer(int result)
{
    ZC_INAPP* inApp = fGetInApp();
    if (!inApp)
        return;
    if (result == 1)
    {
        const GG_PLAYER* player = fCurrentPlayer();
        const GG_PACK* pack = player ? player->fGetPack(chosenPack) : nullptr;
        if (pack)
            inApp->fPurchase(pack->fGetInAppKey());
    }
    else if (result == -1)
        inApp->fProviderRequest();
}

void gPages_Pack::fOnBuyPackAnswer(bool yes)
{
    GG_PLAYER* player = fCurrentPlayer();
    gGame* game = fGetGameInstance();
    const GG_PACK_DESC* desc = game ? game->fFindPackDesc(chosenPack) : nullptr;
    if (!yes || !player || !desc)
        return;
    // Nothing is charged for a pack that could not be opened.
    GG_PACK* pack = player->fGetPack(chosenPack);
    GG_LEVEL* first = pack ? pack->fGetLevelAt(0) : nullptr;
    if (!first)
    {
        fLogLine("The pack " + std::to_string(chosenPack) + " cannot be bought: the player has no levels of it.");
        return;
    }
    const uint32_t price = uint32_t(desc->fGetPrice());
    if (price > player->statistic.score)
    {
        fPlayGameSound("deny");
        if (!fGetEdition().free)
            if (G_WINDOW_MANAGER* windows = fGetWindowManager())
                windows->fShowWindow(kNoMoney, false);
        return;
    }
    player->statistic.score -= price;
    first->fSetLock(0);
    fPlayGameSound("purchase");
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fRefreshAll();
    game->fSave();
}

// ---------------------------------------------------------------- window

GG_WINDOW_PACK::GG_WINDOW_PACK(pugi::xml_node element) : GG_LIST_WINDOW(element, new gPages_Pack, kPackTitle, true)
{
}

GG_WINDOW_PACK::~GG_WINDOW_PACK() = default;

void GG_WINDOW_PACK::fOnShowBegin()
{
    GG_LIST_WINDOW::fOnShowBegin();
    fRefresh();
}

void GG_WINDOW_PACK::fRefresh()
{
    if (gPages_Pack* list = fGetList())
        list->fRefresh();
}
}

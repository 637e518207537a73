#include "game/shell/GG_WINDOW_LEVEL.h"

#include "engine/text/ZC_FONT.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PACK.h"
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
const char* const kLevels = "Levels";
const char* const kLevelTitle = "Level_Title";
const char* const kFade = "Fade_Transition";
const char* const kNoHealth = "Confirm_NoHealth";
const char* const kShop = "Shop";
// The hub panels, in the order the game object hides them after the level list.
const char* const kHubPanels[] = {"Sumie", "Stars", "Heart", "Packs_Menu"};

// The first hub panel that the scenes declare.
G_WINDOW* fFirstHubPanel(G_WINDOW_MANAGER* windows)
{
    for (const char* name : kHubPanels)
        if (G_WINDOW* window = windows->fFindWindow(name))
            return window;
    return nullptr;
}

// The continuation runs with the list once the level list has gone; at once when it is not open.
void fAfterLevelsGone(G_WINDOW_MANAGER* windows, void* list, G_WINDOW::ZF_EVENT continuation)
{
    G_WINDOW* levels = windows->fFindWindow(kLevels);
    if (levels && levels->fIsOpen())
        levels->fSetEventCallback(WE_HIDDEN, list, continuation);
    else
        continuation(list);
}
}

void fCallLevelPagesOnFadeShown(void* list)
{
    if (list)
        static_cast<gPages_Level*>(list)->fOnFadeShown();
}

void fCallStartChosenLevel(void* list)
{
    if (list)
        static_cast<gPages_Level*>(list)->fStartChosenLevel();
}

void fCallShowLevelsAgain(void* list)
{
    if (list)
        static_cast<gPages_Level*>(list)->fShowLevelsAgain();
}

void fCallLevelPagesOnNoHealthAnswer(void* list, bool yes)
{
    if (list)
        static_cast<gPages_Level*>(list)->fOnNoHealthAnswer(yes);
}

// ---------------------------------------------------------------- tile

gLevel_Item::gLevel_Item(pugi::xml_node element, int index) : GG_PAGE_ITEM(element, index)
{
    const pugi::xml_node s = element.child("star");
    if (pugi::xml_attribute picture = s.attribute("picture"))
        star = std::make_unique<G_SPRITE>(std::string(picture.value()));
    starShiftX = int32_t(s.attribute("shift_x").as_int(0));
    starShiftY = int32_t(s.attribute("shift_y").as_int(0));
}

gLevel_Item::~gLevel_Item() = default;

void gLevel_Item::fLoadResources()
{
    GG_PAGE_ITEM::fLoadResources();
    if (!star)
        return;
    star->fLoadTexture();
    if (star->fIsLoaded())
        star->fSetSize(float(star->texture->size.x / 2), float(star->texture->size.y));
}

void gLevel_Item::fUnloadResources()
{
    GG_PAGE_ITEM::fUnloadResources();
    if (star)
        star->fUnloadTexture();
}

void gLevel_Item::fDraw()
{
    GG_PAGE_ITEM::fDraw();
    if (state == STATE_LOCKED)
        return;
    int x = 0, y = 0;
    if (fTextPoint(&x, &y))
        if (ZC_FONT* f = fPrepareFont())
            f->fPrint(x, y, L"%i", int(id) + 1);
    fDrawStars();
}

void gLevel_Item::fDrawStars()
{
    if (!star || !background || !star->fIsLoaded())
        return;
    const ZS_VECTOR2 c = fCentre();
    const float w = star->fGetWidth();
    for (int i = 0; i < 3; ++i)
    {
        star->fSetFrameCell(2, 1, i < int(stars) ? 1 : 0);
        star->fDrawAt(c.x + float(starShiftX) + w * float(i), c.y + float(starShiftY), 0.0f, 1.0f, 1.0f);
    }
}

// ---------------------------------------------------------------- list

ZC_BASE* gPages_Level::fCreateItem(pugi::xml_node element, int index)
{
    return new gLevel_Item(element, index);
}

void gPages_Level::fSetPack(const GG_PACK* pack)
{
    if (!fCurrentPlayer())
    {
        packId = -1;
        return;
    }
    packId = pack ? pack->fGetId() : -1;
    bool noNextYet = true;
    for (size_t i = 0; i < fGetItemCount(); ++i)
    {
        gLevel_Item* tile = fGetTile(i);
        if (!tile)
            continue;
        tile->fSetStars(0);
        tile->fSetState(GG_PAGE_ITEM::STATE_LOCKED);
        const GG_LEVEL* level = pack ? pack->fGetLevelAt(tile->id) : nullptr;
        if (!level)
            continue;
        if (level->fIsOpen())
        {
            tile->fSetState(GG_PAGE_ITEM::STATE_OPEN);
            tile->fSetStars(uint8_t(level->fGetStars()));
        }
        else if (noNextYet && i > 0)
        {
            if (gLevel_Item* before = fGetTile(i - 1))
                before->fSetState(GG_PAGE_ITEM::STATE_NEXT);
            noNextYet = false;
        }
    }
}

void gPages_Level::fOnItemClick(ZC_BASE* item)
{
    GG_PAGE_ITEM* tile = dynamic_cast<GG_PAGE_ITEM*>(item);
    GG_PLAYER* player = fCurrentPlayer();
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    gGame* game = fGetGameInstance();
    if (!tile || !player || !windows || !game)
        return;
    if (player->fGetHealth().count <= 0)
    {
        fPlayGameSound("deny");
        G_WINDOW* window = windows->fShowWindow(kNoHealth, false);
        if (G_WINDOW_CONFIRM* question = dynamic_cast<G_WINDOW_CONFIRM*>(window))
            question->fSetAnswerCallback(this, fCallLevelPagesOnNoHealthAnswer);
        return;
    }
    if (tile->fGetState() == GG_PAGE_ITEM::STATE_LOCKED)
    {
        fPlayGameSound("deny");
        return;
    }
    // Without a level screen no level can start: the list stays rather than fading to nothing.
    if (!game->fGetGameplay())
    {
        fLogLine("There is no level screen: the level " + std::to_string(tile->id) + " cannot start.");
        fPlayGameSound("deny");
        return;
    }
    fPlayGameSound("click");
    chosenLevel = tile->id;
    if (G_WINDOW* fade = windows->fShowWindow(kFade, false))
        fade->fSetEventCallback(WE_SHOWN, this, fCallLevelPagesOnFadeShown);
    else
        fOnFadeShown(); // no fade declared: the level starts at once
}

void gPages_Level::fOnFadeShown()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    gGame* game = fGetGameInstance();
    if (!windows || !game)
        return;
    if (G_WINDOW* fade = windows->fFindWindow(kFade))
        fade->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
    // The level starts when the first open hub panel has gone. With none open nothing would
    // ever start it and the screen would stay dark: the level list's own hide starts it then.
    bool panelOpen = false;
    for (const char* name : kHubPanels)
        panelOpen = panelOpen || windows->fIsWindowOpen(name);
    game->fHideLevelsScene(this, fCallStartChosenLevel);
    if (panelOpen)
        return;
    fAfterLevelsGone(windows, this, fCallStartChosenLevel);
}

void gPages_Level::fStartChosenLevel()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    gGame* game = fGetGameInstance();
    if (!windows || !game)
        return;
    const GG_PACK* pack = game->fGetTemplatePlayer()->fGetPack(packId);
    const GG_LEVEL* level = pack ? pack->fGetLevelAt(chosenLevel) : nullptr;
    if (!level)
        return;
    for (G_WINDOW* window : {fFirstHubPanel(windows), windows->fFindWindow(kLevels)})
        if (window)
            window->fSetEventCallback(WE_HIDDEN, nullptr, nullptr);
    // The hub has gone behind the fade: its pictures go before the level's come, so that the
    // two are never held at once.
    windows->fReleaseClosedResources();
    if (game->fStartLevel(level->fGetId(), packId))
    {
        windows->fHideWindow(kFade, false);
        windows->fReleaseAllResources(false);
        return;
    }
    // A level that cannot start would leave an empty screen behind the fade: the level list
    // comes back instead, once it has finished going.
    fLogLine("The level " + std::to_string(level->fGetId()) + " of the pack " + std::to_string(packId) +
             " could not start; the level list is shown again.");
    // (Still listed by the manager from inside its own hidden event, but no longer open.)
    fAfterLevelsGone(windows, this, fCallShowLevelsAgain);
}

void gPages_Level::fShowLevelsAgain()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    gGame* game = fGetGameInstance();
    if (!windows || !game)
        return;
    if (G_WINDOW* levels = windows->fFindWindow(kLevels))
        levels->fSetEventCallback(WE_HIDDEN, nullptr, nullptr);
    game->fShowLevelsScene(packId, true);
    windows->fHideWindow(kFade, false);
}

void gPages_Level::fOnNoHealthAnswer(bool yes)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (yes && windows)
        windows->fShowWindow(kShop, false);
}

// ---------------------------------------------------------------- window

GG_WINDOW_LEVEL::GG_WINDOW_LEVEL(pugi::xml_node element)
    : GG_LIST_WINDOW(element, new gPages_Level, kLevelTitle, true)
{
}

GG_WINDOW_LEVEL::~GG_WINDOW_LEVEL() = default;

void GG_WINDOW_LEVEL::fSetPack(const GG_PACK* pack)
{
    if (gPages_Level* list = fGetList())
        list->fSetPack(pack);
}
}

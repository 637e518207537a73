#pragma once
#include <cstdint>
#include <memory>

#include "framework/G_WINDOW.h"
#include "framework/gPages.h"
#include "game/shell/GG_LIST_SCREEN.h"
#include "game/shell/GG_PAGE_ITEM.h"

namespace game
{
class GG_PACK;

// A level's tile: the list tile with the level's number (its index + 1) and its best stars,
// three star places of which the earned ones show the second frame of the star picture.
// Locked tiles show neither.
class gLevel_Item : public GG_PAGE_ITEM
{
public:
    // Besides the tile's keys, a child "star" with "picture", "shift_x" and "shift_y": the
    // star picture (two frames: not earned, earned) and where the first star sits.
    gLevel_Item(pugi::xml_node element, int index);
    ~gLevel_Item() override;

    void fDraw() override;
    void fLoadResources() override;
    void fUnloadResources() override;

    void fSetStars(uint8_t value) { stars = value; }
    uint8_t fGetStars() const { return stars; }
    ZOR_GF::G_SPRITE* fGetStar() const { return star.get(); }

private:
    void fDrawStars();

    std::unique_ptr<ZOR_GF::G_SPRITE> star;
    uint8_t stars = 0;
    int32_t starShiftX = 0;
    int32_t starShiftY = 0;
};

// The tiles of one pack's levels. A click on an open tile fades the screen out and starts the
// level once the menu has gone; with no hearts left it asks whether to visit the shop.
class gPages_Level : public ZOR_GF::gPages
{
public:
    ZOR::ZC_BASE* fCreateItem(pugi::xml_node element, int index) override;
    void fOnItemClick(ZOR::ZC_BASE* item) override;
    virtual void fOnFadeShown();

    // The tiles' looks from the current player's record of a pack (null: a pack the player
    // lacks, every tile locked). The open level before the first locked one is the next.
    void fSetPack(const GG_PACK* pack);
    void fStartChosenLevel();
    // After a level that could not start: the level scene again, and the fade goes.
    void fShowLevelsAgain();
    void fOnNoHealthAnswer(bool yes);

    int32_t fGetPackId() const { return packId; }
    int32_t fGetChosenLevel() const { return chosenLevel; }
    gLevel_Item* fGetTile(size_t index) const { return dynamic_cast<gLevel_Item*>(fGetItem(index)); }

private:
    int32_t packId = -1;
    int32_t chosenLevel = -1;
};

// The level list "Levels": the tiles of the chosen pack with page dots and the two arrows.
class GG_WINDOW_LEVEL : public GG_LIST_WINDOW
{
public:
    explicit GG_WINDOW_LEVEL(pugi::xml_node element);
    ~GG_WINDOW_LEVEL() override;

    void fSetPack(const GG_PACK* pack);

    gPages_Level* fGetList() const { return static_cast<gPages_Level*>(screen.fGetList()); }
};

// Bound into window callbacks with the level list as data.
void fCallLevelPagesOnFadeShown(void* list);
void fCallStartChosenLevel(void* list);
void fCallShowLevelsAgain(void* list);
void fCallLevelPagesOnNoHealthAnswer(void* list, bool yes);
}

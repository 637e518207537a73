#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/ZS_POINT.h"
#include "framework/G_WINDOW.h"
#include "framework/gPages.h"
#include "game/shell/GG_LAYOUT_ITEM.h"
#include "game/shell/GG_LIST_SCREEN.h"

namespace ZOR
{
class ZC_GUI;
}

namespace game
{
// A pack's entry: a small layout of its own that shows the pack open (with the player's stars
// out of the pack's possible stars) or closed (with the stars that open it). Its widgets take
// no input; a click anywhere within its size picks the pack.
class gPackItem : public GG_LAYOUT_ITEM
{
public:
    enum
    {
        ID_HIGHLIGHT = 1,    // image: the pack to play next, before the first closed one
        ID_CLOSED = 2,       // image: shown while closed
        ID_STARS_NEEDED = 3, // wide label: the stars that open the pack
        ID_OPEN = 4,         // image: shown while open
        ID_PROGRESS = 5,     // wide label: stars earned / stars possible
        ID_UNUSED = 7        // image: always hidden
    };

    // The child "GUI" (its wide labels translated) and "size" ("w h").
    gPackItem(pugi::xml_node element, int index);
    ~gPackItem() override;

    void fUpdate() override;
    // Any key the list passes: -109 when the pointer is within the size around the entry's centre.
    int fOnPointerRelease(int key) override;
    int fOnPointerPress(int) override { return 0; }
    int fOnMouseMove() override { return 0; }

    // Shows or hides an image widget; labels and missing widgets are left alone.
    void fShowElement(int widgetId, bool shown);
    void fSetOpen(bool value);
    void fSetProgressText(const std::wstring& text);
    void fSetStarsNeededText(const std::wstring& text);

    bool fIsOpen() const { return open; }

private:
    void fSetLabel(int widgetId, const std::wstring& text);

    bool open = false;
};

// The packs of the game, matched to pack ids by their place in the list. A click on an open
// pack shows its levels; on a closed one it offers to buy it.
class gPages_Pack : public ZOR_GF::gPages
{
public:
    ZOR::ZC_BASE* fCreateItem(pugi::xml_node element, int index) override;
    void fOnItemClick(ZOR::ZC_BASE* item) override;
    // Each entry open or closed for the current player; the last open entry before the first
    // closed one is highlighted.
    void fRefresh() override;

    void fOpenPackLevels(int32_t packId);
    void fOnPackLockAnswer(int result);
    void fOnBuyPackAnswer(bool yes);

    int32_t fGetChosenPack() const { return chosenPack; }
    gPackItem* fGetEntry(size_t index) const { return dynamic_cast<gPackItem*>(fGetItem(index)); }

private:
    int32_t chosenPack = 0;
};

// The pack list "Packs": the pack entries with page dots and the two arrows.
class GG_WINDOW_PACK : public GG_LIST_WINDOW
{
public:
    explicit GG_WINDOW_PACK(pugi::xml_node element);
    ~GG_WINDOW_PACK() override;

    void fOnShowBegin() override;
    void fRefresh() override;

    gPages_Pack* fGetList() const { return static_cast<gPages_Pack*>(screen.fGetList()); }
};

// Bound into the question windows with the pack list as data.
void fCallOnPackLockAnswer(void* list, int result);
void fCallOnBuyPackAnswer(void* list, bool yes);
}

#pragma once
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "framework/G_SPRITE.h"

namespace ZOR
{
class ZC_FONT;
}

namespace game
{
// A tile of a game list: a background whose texture holds three looks side by side (open,
// next, and the lock drawn over the open look), an optional picture on top that moves with it,
// and where and in which font derived tiles write their text. It answers the paged list's item
// messages itself, so a gPages list holds it like any other item; its id is its index.
class GG_PAGE_ITEM : public ZOR::ZC_BASE
{
public:
    enum
    {
        STATE_LOCKED = 0,
        STATE_OPEN = 1,
        STATE_NEXT = 2
    };

    // "background", "picture", "pic_shift_x", "pic_shift_y", "text_shift_x", "text_shift_y",
    // the "font" attribute (a font of the font manager) and the "font" child (a font style).
    GG_PAGE_ITEM(pugi::xml_node element, int index);
    ~GG_PAGE_ITEM() override;

    int fMessage(int message, float x, float y, float z, void* data) override;
    virtual void fDraw();
    virtual int fUpdate() { return -1; }
    // Key 1 over the tile: -109, the list's click.
    virtual int fOnPointerRelease(int key);
    virtual int fOnPointerPress(int) { return -1; }
    virtual int fOnMouseMove() { return -1; }
    virtual void fLoadResources();
    virtual void fUnloadResources();
    // 0, 1 and 2 are kept while a background exists; anything else changes nothing.
    virtual int fSetState(int value);
    // The pointer inside the background's rectangle, borders included.
    virtual bool fHitTest() const;

    int fGetState() const { return state; }
    ZOR_GF::G_SPRITE* fGetBackground() const { return background.get(); }
    ZOR_GF::G_SPRITE* fGetPicture() const { return picture.get(); }

protected:
    // The background's world centre plus the text shift, truncated; false without a background
    // or when that point lies beyond any screen (as for the hit test).
    bool fTextPoint(int* x, int* y) const;
    // Sets up the item font (white, centred) or else the style's font; null with neither.
    ZOR::ZC_FONT* fPrepareFont() const;
    // The background's world centre; (0, 0) without one.
    ZOR::ZS_VECTOR2 fCentre() const;

    int32_t state = STATE_LOCKED;
    std::unique_ptr<ZOR_GF::G_SPRITE> background;
    std::unique_ptr<ZOR_GF::G_SPRITE> picture;
    int32_t textShiftX = 0;
    int32_t textShiftY = 0;
    ZOR::ZC_FONT* font = nullptr;
    ZOR::ZS_FONT_STYLE fontStyle;
};
}

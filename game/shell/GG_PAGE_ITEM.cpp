#include "game/shell/GG_PAGE_ITEM.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/gPages.h"
#include "game/shell/GG_CONFIG.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
void fReadInt(pugi::xml_node element, const char* name, int32_t* into)
{
    if (pugi::xml_attribute a = element.attribute(name))
        *into = int32_t(a.as_int());
}

// A sprite draws the renderer's plain default texture until its own is loaded: never shown.
void fDrawLoaded(G_SPRITE* sprite)
{
    if (sprite && sprite->fIsLoaded())
        sprite->fDraw();
}
}

GG_PAGE_ITEM::GG_PAGE_ITEM(pugi::xml_node element, int index)
{
    id = index;
    if (pugi::xml_attribute a = element.attribute("background"))
        background = std::make_unique<G_SPRITE>(std::string(a.value()));
    if (pugi::xml_attribute a = element.attribute("picture"))
    {
        picture = std::make_unique<G_SPRITE>(std::string(a.value()));
        int32_t x = 0, y = 0;
        fReadInt(element, "pic_shift_x", &x);
        fReadInt(element, "pic_shift_y", &y);
        picture->transform->fSetPosition(float(x), float(y), 0.0f);
        if (background)
            picture->transform->parent = background->transform;
    }
    fReadInt(element, "text_shift_x", &textShiftX);
    fReadInt(element, "text_shift_y", &textShiftY);
    if (pugi::xml_attribute a = element.attribute("font"))
        if (const ZC_FONT_MANAGER* fonts = fGetFonts())
            font = fonts->fGetFont(a.value());
    if (pugi::xml_node style = element.child("font"))
        fontStyle.fLoad(style, fGetFonts());
    fSetState(STATE_LOCKED);
}

GG_PAGE_ITEM::~GG_PAGE_ITEM() = default;

int GG_PAGE_ITEM::fMessage(int message, float x, float y, float, void* data)
{
    switch (message)
    {
    case zcMESSAGE_TICK: return fUpdate();
    case zcMESSAGE_DRAW: fDraw(); return -1;
    case PAGES_MSG_POSITION:
        if (background)
            background->transform->fSetPosition(x, y, 0.0f);
        return 1;
    case PAGES_MSG_WIDTH: return background ? int(background->fGetWidth()) : 0;
    case PAGES_MSG_HEIGHT: return background ? int(background->fGetHeight()) : 0;
    case PAGES_MSG_HOT_SPOT:
        if (background)
            background->fSetHotSpot(unsigned(fDataAsKey(data)), 0.0f, 0.0f);
        if (picture)
            picture->fSetHotSpot(unsigned(fDataAsKey(data)), 0.0f, 0.0f);
        return -1;
    case PAGES_MSG_OWNER:
        if (background && background->transform)
            background->transform->parent = static_cast<ZS_TRANSFORM3*>(data);
        return -1;
    case PAGES_MSG_POINTER_PRESS: return fOnPointerPress(fDataAsKey(data));
    case PAGES_MSG_POINTER_RELEASE: return fOnPointerRelease(fDataAsKey(data));
    case PAGES_MSG_MOUSE_MOVE: return fOnMouseMove();
    case PAGES_MSG_LOAD: fLoadResources(); return 1;
    case PAGES_MSG_UNLOAD: fUnloadResources(); return 1;
    case 52: fSetState(fDataAsKey(data)); return -1;
    case 53: return 0;
    }
    return -1;
}

int GG_PAGE_ITEM::fOnPointerRelease(int key)
{
    return key == 1 && fHitTest() ? zcANSWER_TAKEN : -1;
}

int GG_PAGE_ITEM::fSetState(int value)
{
    if (background && value >= STATE_LOCKED && value <= STATE_NEXT)
        state = value;
    return value;
}

ZS_VECTOR2 GG_PAGE_ITEM::fCentre() const
{
    if (!background || !background->transform)
        return ZS_VECTOR2(0.0f, 0.0f);
    const ZS_TRANSFORM3 world = background->transform->fCompose();
    return ZS_VECTOR2(world.position.x, world.position.y);
}

bool GG_PAGE_ITEM::fHitTest() const
{
    if (!background || !zcMOUSE_POSITION)
        return false;
    const ZS_VECTOR2 c = fCentre();
    // A layout placing or sizing the entry beyond any screen is never hit.
    int cx, cy, w, h;
    if (!fToPixel(c.x, &cx) || !fToPixel(c.y, &cy) || !fToPixel(background->fGetWidth(), &w) ||
        !fToPixel(background->fGetHeight(), &h))
        return false;
    const int hw = w / 2, hh = h / 2;
    const int px = zcMOUSE_POSITION->x, py = zcMOUSE_POSITION->y;
    return cx - hw <= px && px <= cx + hw && cy - hh <= py && py <= cy + hh;
}

void GG_PAGE_ITEM::fLoadResources()
{
    if (background)
    {
        background->fLoadTexture();
        if (background->fIsLoaded())
            background->fSetSize(float(background->texture->size.x / 3), float(background->texture->size.y));
    }
    if (picture)
        picture->fLoadTexture();
    fSetState(state);
}

void GG_PAGE_ITEM::fUnloadResources()
{
    if (background)
        background->fUnloadTexture();
    if (picture)
        picture->fUnloadTexture();
}

void GG_PAGE_ITEM::fDraw()
{
    if (!background)
        return;
    switch (state)
    {
    case STATE_LOCKED:
        background->fSetFrameCell(3, 1, 0);
        fDrawLoaded(background.get());
        background->fSetFrameCell(3, 1, 2);
        fDrawLoaded(background.get());
        break;
    case STATE_OPEN:
    case STATE_NEXT:
        background->fSetFrameCell(3, 1, state == STATE_OPEN ? 0 : 1);
        fDrawLoaded(background.get());
        fDrawLoaded(picture.get());
        break;
    default: break;
    }
}

bool GG_PAGE_ITEM::fTextPoint(int* x, int* y) const
{
    if (!background)
        return false;
    const ZS_VECTOR2 c = fCentre();
    return fToPixel(c.x + float(textShiftX), x) && fToPixel(c.y + float(textShiftY), y);
}

ZC_FONT* GG_PAGE_ITEM::fPrepareFont() const
{
    if (font)
    {
        font->fSetColor(0xFFFFFFFFu);
        font->alignment = 4;
        return font;
    }
    if (fontStyle.font)
    {
        fontStyle.font->fSetColor(fontStyle.color.fToPacked());
        fontStyle.font->alignment = fontStyle.hotSpot;
        return fontStyle.font;
    }
    return nullptr;
}
}

#include "engine/gui/ZC_GUI_BUTTON.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZS_TEXTURE.h"

namespace ZOR
{
namespace
{
const int kLeftButton = 1;
}

ZC_GUI_BUTTON5::ZC_GUI_BUTTON5(int32_t id, const std::string& name) : ZC_GUI_OBJECT(id), textureName(name)
{
    type = GUI_TYPE_BUTTON;
    (void)reserved;
}

ZC_GUI_BUTTON5::ZC_GUI_BUTTON5(int32_t id) : ZC_GUI_BUTTON5(id, std::string()) {}

ZC_GUI_BUTTON5::ZC_GUI_BUTTON5(int32_t id, ZS_TEXTURE* texture) : ZC_GUI_BUTTON5(id, std::string())
{
    fCreateSprite(texture);
}

ZC_GUI_BUTTON5::~ZC_GUI_BUTTON5()
{
    delete sprite;
    delete hitZone;
}

void ZC_GUI_BUTTON5::fCreateSprite(ZS_TEXTURE* texture)
{
    if (loaded)
        return;
    loaded = true;
    sprite = new ZC_QUAD(texture, transform);
    const float frameWidth = sprite->fGetWidth() * 0.2f;
    const float frameHeight = sprite->fGetHeight();
    delete hitZone;
    hitZone = new ZS_HIT_ZONE;
    // The zone keeps the untruncated frame width.
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, frameWidth, frameHeight, 0.0f, 0);
    sprite->fSetSize(int(frameWidth), int(frameHeight));
    sprite->fSetHotSpot(HS_MID, 0.0f, 0.0f);
    fShowFrame();
}

void ZC_GUI_BUTTON5::fShowFrame()
{
    if (sprite)
        sprite->fSetFrame(5, 1, state, false);
}

bool ZC_GUI_BUTTON5::fPointerInside() const
{
    return hitZone && hitZone->fContains(fPointerX(), fPointerY());
}

ZS_GUI_EVENT* ZC_GUI_BUTTON5::fOnMouseMove()
{
    event.code = GUI_EVENT_NONE;
    if (fPointerInside())
    {
        if (state == STATE_NORMAL)
        {
            state = STATE_HOVER;
            fFireCallback(CB_ENTER);
            event.code = GUI_EVENT_ENTER;
            active = true;
        }
    }
    else if (state == STATE_HOVER || state == STATE_PRESSED)
    {
        state = STATE_NORMAL;
        pressed = false;
        fFireCallback(CB_LEAVE);
        event.code = GUI_EVENT_LEAVE;
        active = false;
    }
    fShowFrame();
    return fReport(event.code);
}

ZS_GUI_EVENT* ZC_GUI_BUTTON5::fOnKeyDown()
{
    event.code = GUI_EVENT_NONE;
    if (active && state == STATE_HOVER && fIsKeyPressed(kLeftButton))
    {
        pressed = true;
        state = STATE_PRESSED;
        fFireCallback(CB_DOWN);
        event.code = GUI_EVENT_DOWN;
    }
    fShowFrame();
    return fReport(event.code);
}

ZS_GUI_EVENT* ZC_GUI_BUTTON5::fOnKeyUp()
{
    event.code = GUI_EVENT_NONE;
    if (!active || state != STATE_PRESSED || !pressed)
        return nullptr;
    // Another key going up leaves the press armed.
    if (!fIsKeyReleased(kLeftButton))
        return nullptr;
    pressed = false;
    state = STATE_NORMAL;
    fShowFrame();
    // Still over the button: hovering again, though frame 0 shows until the next input.
    if (fPointerInside())
        state = STATE_HOVER;
    fFireCallback(CB_UP);
    return fReport(GUI_EVENT_CLICK);
}

void ZC_GUI_BUTTON5::fDraw()
{
    if (sprite)
        sprite->fDrawInWorld();
}

float ZC_GUI_BUTTON5::fGetWidth()
{
    return sprite ? sprite->fGetWidth() : 0.0f;
}

float ZC_GUI_BUTTON5::fGetHeight()
{
    return sprite ? sprite->fGetHeight() : 0.0f;
}

void ZC_GUI_BUTTON5::fRestoreResources()
{
    ZS_TEXTURE* texture = fFetchTexture(textureName);
    if (!loaded)
        fCreateSprite(texture);
    else
        fPutTexture(sprite, texture);
}

void ZC_GUI_BUTTON5::fReleaseResources()
{
    if (sprite && sprite->texture != fDefaultTexture())
        fTakeBackTexture(sprite);
}

void ZC_GUI_BUTTON5::fEnableButton()
{
    state = STATE_NORMAL;
    fShowFrame();
}

void ZC_GUI_BUTTON5::fDisableButton()
{
    state = STATE_DISABLED;
    fShowFrame();
}

void ZC_GUI_BUTTON5::fSetExtraLook()
{
    state = STATE_EXTRA;
    fShowFrame();
}

ZC_GUI_BUTTON2::ZC_GUI_BUTTON2(int32_t id, const std::string& name) : ZC_GUI_OBJECT(id), textureName(name)
{
    type = GUI_TYPE_BUTTON;
}

ZC_GUI_BUTTON2::ZC_GUI_BUTTON2(int32_t id, ZS_TEXTURE* texture) : ZC_GUI_BUTTON2(id, std::string())
{
    fCreateSprite(texture);
}

ZC_GUI_BUTTON2::~ZC_GUI_BUTTON2()
{
    delete sprite;
    delete hitZone;
}

void ZC_GUI_BUTTON2::fCreateSprite(ZS_TEXTURE* texture)
{
    if (loaded)
        return;
    loaded = true;
    sprite = new ZC_QUAD(texture, transform);
    if (texture)
        sprite->fSetSize(texture->size.x / 2, texture->size.y);
    sprite->fSetHotSpot(HS_MID, 0.0f, 0.0f);
    sprite->fSetFrame(2, 1, 0, false);
    delete hitZone;
    hitZone = new ZS_HIT_ZONE;
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, sprite->fGetWidth(), sprite->fGetHeight(), 0.0f, 0);
}

ZS_GUI_EVENT* ZC_GUI_BUTTON2::fUpdate()
{
    event.code = GUI_EVENT_NONE;
    if (!hitZone)
        return nullptr;
    const bool inside = hitZone->fContains(fPointerX(), fPointerY());
    if (state == 0)
    {
        if (inside && fIsKeyPressed(kLeftButton))
        {
            state = 2;
            fFireCallback(CB_DOWN);
            sprite->fSetFrame(2, 1, 1, false);
            return fReport(GUI_EVENT_DOWN);
        }
    }
    else if (state == 2 && (!inside || fIsKeyReleased(kLeftButton)))
    {
        // Leaving the pressed button counts as a click at once.
        state = 0;
        fFireCallback(CB_UP);
        sprite->fSetFrame(2, 1, 0, false);
        return fReport(GUI_EVENT_CLICK);
    }
    return nullptr;
}

void ZC_GUI_BUTTON2::fDraw()
{
    if (sprite)
        sprite->fDrawInWorld();
}

float ZC_GUI_BUTTON2::fGetWidth()
{
    return sprite ? sprite->fGetWidth() : 0.0f;
}

float ZC_GUI_BUTTON2::fGetHeight()
{
    return sprite ? sprite->fGetHeight() : 0.0f;
}

void ZC_GUI_BUTTON2::fRestoreResources()
{
    ZS_TEXTURE* texture = fFetchTexture(textureName);
    if (!loaded)
        fCreateSprite(texture);
    else
        fPutTexture(sprite, texture);
}

void ZC_GUI_BUTTON2::fReleaseResources()
{
    if (sprite)
        fTakeBackTexture(sprite);
}

ZC_GUI_OBJECT* fCreateGuiButton5FromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE"}))
        return nullptr;
    ZC_GUI_BUTTON5* button = new ZC_GUI_BUTTON5(element.attribute("ID").as_int(), element.attribute("TEXTURE").value());
    fReadWidgetCommonAttributes(button, element);
    // ENABLE false also clears the widget flag in the common part, so the walks skip the button
    // until something sets that flag again; enabling the button alone does not.
    pugi::xml_attribute enable = element.attribute("ENABLE");
    if (enable && !enable.as_bool())
        button->fDisableButton();
    return button;
}

ZC_GUI_OBJECT* fCreateGuiButton2FromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE"}))
        return nullptr;
    ZC_GUI_BUTTON2* button = new ZC_GUI_BUTTON2(element.attribute("ID").as_int(), element.attribute("TEXTURE").value());
    fReadWidgetCommonAttributes(button, element);
    return button;
}
}

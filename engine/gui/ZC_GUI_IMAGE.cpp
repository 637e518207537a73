#include "engine/gui/ZC_GUI_IMAGE.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"

namespace ZOR
{
ZC_GUI_IMAGE::ZC_GUI_IMAGE(int32_t id, const std::string& name) : ZC_GUI_OBJECT(id), textureName(name)
{
    type = GUI_TYPE_IMAGE;
}

ZC_GUI_IMAGE::ZC_GUI_IMAGE(int32_t id, ZS_TEXTURE* texture) : ZC_GUI_IMAGE(id, std::string())
{
    fCreateSprite(texture);
}

ZC_GUI_IMAGE::~ZC_GUI_IMAGE()
{
    delete hitZone;
    delete sprite;
}

void ZC_GUI_IMAGE::fCreateSprite(ZS_TEXTURE* texture)
{
    if (loaded)
        return;
    loaded = true;
    delete sprite;
    sprite = new ZC_QUAD(texture, transform);
    if (hasPendingSize)
    {
        hasPendingSize = false;
        sprite->fSetSize(pendingSize.x, pendingSize.y);
    }
    delete hitZone;
    hitZone = new ZS_HIT_ZONE;
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, sprite->fGetWidth(), sprite->fGetHeight(), 0.0f, 0);
    sprite->fSetHotSpot(hotSpotNumber, 0.0f, 0.0f);
}

ZS_GUI_EVENT* ZC_GUI_IMAGE::fUpdate()
{
    // Reporting the held code in every frame would stop the update walk here, frame after
    // frame: a caret after the image would stop blinking, a switch would stop sliding, and a
    // holder reading the walk would act on one click again and again.
    return nullptr;
}

ZS_GUI_EVENT* ZC_GUI_IMAGE::fReportIfInside(int32_t code)
{
    if (!hitZone)
        return nullptr;
    return fReport(hitZone->fContains(fPointerX(), fPointerY()) ? code : GUI_EVENT_NONE);
}

ZS_GUI_EVENT* ZC_GUI_IMAGE::fOnKeyDown()
{
    return fReportIfInside(GUI_EVENT_DOWN);
}

ZS_GUI_EVENT* ZC_GUI_IMAGE::fOnKeyUp()
{
    return fReportIfInside(GUI_EVENT_CLICK);
}

void ZC_GUI_IMAGE::fDraw()
{
    if (sprite)
        sprite->fDrawInWorld();
}

void ZC_GUI_IMAGE::fSetSize(int32_t width, int32_t height)
{
    if (sprite)
    {
        sprite->fSetSize(width, height);
        return;
    }
    hasPendingSize = true;
    pendingSize = ZS_POINT(width, height);
}

float ZC_GUI_IMAGE::fGetWidth()
{
    return sprite ? sprite->fGetWidth() : 0.0f;
}

float ZC_GUI_IMAGE::fGetHeight()
{
    return sprite ? sprite->fGetHeight() : 0.0f;
}

void ZC_GUI_IMAGE::fRestoreResources()
{
    ZS_TEXTURE* texture = fFetchTexture(textureName);
    if (loaded)
        fPutTexture(sprite, texture);
    else
        fCreateSprite(texture);
}

void ZC_GUI_IMAGE::fReleaseResources()
{
    if (sprite)
        fTakeBackTexture(sprite);
}

void ZC_GUI_IMAGE::fSetTexture(const std::string& name)
{
    if (!sprite)
    {
        textureName = name;
        return;
    }
    loaded = false;
    fReleaseResources();
    textureName = name;
    fRestoreResources();
}

int ZC_GUI_IMAGE::fInitFromTexture(ZS_TEXTURE* texture)
{
    if (!sprite)
        return -1;
    return sprite->fInitFromTexture(texture, transform);
}

ZC_GUI_OBJECT* fCreateGuiImageFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE"}))
        return nullptr;
    ZC_GUI_IMAGE* image = new ZC_GUI_IMAGE(element.attribute("ID").as_int(), element.attribute("TEXTURE").value());
    if (pugi::xml_attribute hotSpot = element.attribute("HOT_SPOT"))
        image->fSetHotSpot(fParseHotSpot(hotSpot.value()));
    fReadWidgetCommonAttributes(image, element);
    return image;
}
}

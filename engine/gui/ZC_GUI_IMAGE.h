#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_HIT_ZONE;
struct ZS_TEXTURE;

// One whole texture placed by a hot spot on the widget's transform. Any key or button going
// down over it reports 7, going up 8. The code stays in the widget's event until a key walk
// finds the pointer elsewhere, but the update walk does not report it again: a click is one
// event, and the widgets after the image keep getting their updates.
class ZC_GUI_IMAGE : public ZC_GUI_OBJECT
{
public:
    // The loader's: the sprite and hit zone are made by the first restore.
    ZC_GUI_IMAGE(int32_t id, const std::string& textureName);
    ZC_GUI_IMAGE(int32_t id, ZS_TEXTURE* texture);
    ~ZC_GUI_IMAGE() override;

    ZS_GUI_EVENT* fUpdate() override;
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    void fDraw() override;
    // Before the sprite exists the size is kept for the sprite to come (the layout's SIZE
    // arrives before the first restore); afterwards only the picture is resized.
    void fSetSize(int32_t width, int32_t height) override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    // Takes effect when the sprite is made.
    void fSetHotSpot(int32_t hotSpot) { hotSpotNumber = hotSpot; }
    int32_t fGetHotSpot() const { return hotSpotNumber; }
    // With a sprite: the old texture goes back and a new sprite and zone of the new size are made.
    void fSetTexture(const std::string& name);
    const std::string& fGetTextureName() const { return textureName; }
    // The existing sprite over another texture; -1 without a sprite or texture.
    int fInitFromTexture(ZS_TEXTURE* texture);
    ZC_QUAD* fGetSprite() const { return sprite; }
    ZS_HIT_ZONE* fGetHitZone() const { return hitZone; }
    void fCreateSprite(ZS_TEXTURE* texture);

private:
    ZS_GUI_EVENT* fReportIfInside(int32_t code);

    std::string textureName;
    int32_t hotSpotNumber = 4;
    ZC_QUAD* sprite = nullptr;
    ZS_HIT_ZONE* hitZone = nullptr;
    bool loaded = false;
    bool hasPendingSize = false;
    ZS_POINT pendingSize;
};

// Builder of the layout element IMAGE.
ZC_GUI_OBJECT* fCreateGuiImageFromXml(pugi::xml_node element);
}

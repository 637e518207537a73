#pragma once
#include <cstdint>

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_BASESLIDER.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_HIT_ZONE;
struct ZS_TEXTURE;

// A scroll bar drawn from a twelve-cell texture like the twelve-cell slider's, with three
// circle zones of radius 15 marked by small squares. It takes no input. Its three part
// transforms start at the widget's origin; it hands its texture back when deleted.
class ZC_GUI_SCROLL_BAR12 : public ZC_GUI_OBJECT
{
public:
    ZC_GUI_SCROLL_BAR12(int32_t id, ZS_TEXTURE* atexture);
    ~ZC_GUI_SCROLL_BAR12() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    void fDraw() override;

    const ZS_TRACK_PICTURES& fGetPictures() const { return pictures; }
    ZS_HIT_ZONE* fGetStartZone() const { return startZone; }
    ZS_TRANSFORM3* fGetStartTransform() const { return startTransform; }

private:
    void fCreateQuads(ZS_TEXTURE* atexture);

    ZS_TEXTURE* texture = nullptr;
    int32_t startState = 0;
    int32_t endState = 0;
    int32_t thumbState = 0;
    ZS_TRACK_PICTURES pictures;
    ZS_VECTOR2 startCapOffset;
    ZS_VECTOR2 direction;
    ZS_HIT_ZONE* startZone = nullptr;
    ZS_HIT_ZONE* endZone = nullptr;
    ZS_HIT_ZONE* thumbZone = nullptr;
    ZS_TRANSFORM3* startTransform = nullptr;
    ZS_TRANSFORM3* endTransform = nullptr;
    ZS_TRANSFORM3* thumbTransform = nullptr;
};
}

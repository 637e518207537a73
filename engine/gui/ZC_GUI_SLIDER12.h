#pragma once
#include <cstdint>

#include <pugixml.hpp>

#include "engine/gui/ZC_BASESLIDER.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_TEXTURE;

// The slider drawn from a texture of 12 equal cells side by side: start button (0-2),
// end button (3-5) and thumb (6-8) in their normal, over and pressed looks, the start cap
// (9), the middle of the track (10, laid along the track; its bottom row repeats past the
// texture's height) and the end cap (11). It takes its texture loaded, makes its pictures at
// once, follows the pointer in its per-frame step as well as in the input walks, and hands
// the texture back when it is deleted.
class ZC_GUI_SLIDER12 : public ZC_BASESLIDER
{
public:
    ZC_GUI_SLIDER12(int32_t id, ZS_TEXTURE* texture, ZS_VECTOR2 start, ZS_VECTOR2 end, float hitRadius,
                    float abuttonFactor, float amin, float amax, float astep, float avalue);
    // Button factor 1.5.
    ZC_GUI_SLIDER12(int32_t id, ZS_TEXTURE* texture, ZS_VECTOR2 start, ZS_VECTOR2 end, float hitRadius, float amin,
                    float amax, float astep, float avalue);
    // A track from (-50, 0) to (50, 0) about the widget.
    ZC_GUI_SLIDER12(int32_t id, ZS_TEXTURE* texture, float abuttonFactor);
    ~ZC_GUI_SLIDER12() override;

    // The polled step, then the parts show their looks.
    ZS_GUI_EVENT* fUpdate() override;
    void fDraw() override;
    float fGetWidth() override;
    float fGetHeight() override;

    // A new track between two points of the parent's frame, laid out as the construction does.
    void fSetTrack(float sx, float sy, float ex, float ey);

    const ZS_TRACK_PICTURES& fGetPictures() const { return pictures; }
    float fGetMiddleLength() const { return middleLength; }

private:
    // The pieces' places for a track from start to end (parent's frame).
    void fPlacePieces(const ZS_VECTOR2& start, const ZS_VECTOR2& end);
    void fCreateQuads(ZS_TEXTURE* atexture);
    void fLayPieces();

    float cellWidth = 0.0f;
    float cellHeight = 0.0f;
    ZS_VECTOR2 insetVector;
    ZS_VECTOR2 pieceStart;
    ZS_VECTOR2 startCapPosition;
    ZS_VECTOR2 middlePosition;
    ZS_VECTOR2 endCapPosition;
    ZS_VECTOR2 pieceEnd;
    float middleLength = 0.0f;
    ZS_TEXTURE* texture = nullptr;
    ZS_TRACK_PICTURES pictures;
};

// Builder of the layout element SLIDER12; the texture is fetched at once.
ZC_GUI_OBJECT* fCreateGuiSlider12FromXml(pugi::xml_node element);
}

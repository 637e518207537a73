#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/gui/ZC_BASESLIDER.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_TEXTURE;

// The slider drawn from a texture of 13 equal cells: the 12 cells of the twelve-cell
// slider (the middle cell tiles along the track here) and a fill (cell 12) that runs from
// the start of the thumb's travel to the thumb. It knows only its texture's name: the first
// restore makes its pictures and lays the track out again with the real cell size; until
// then it draws nothing and measures 0. It follows the pointer through the input walks only.
class ZC_GUI_SLIDER13 : public ZC_BASESLIDER
{
public:
    ZC_GUI_SLIDER13(int32_t id, const std::string& atextureName, ZS_VECTOR2 start, ZS_VECTOR2 end, float hitRadius,
                    float abuttonFactor, float amin, float amax, float astep, float avalue);
    // A track from (-50, 0) to (50, 0) about the widget and no texture name.
    explicit ZC_GUI_SLIDER13(int32_t id);
    // Pictures made at once over a loaded texture, which the slider then holds as if restored.
    ZC_GUI_SLIDER13(int32_t id, ZS_TEXTURE* atexture, ZS_VECTOR2 start, ZS_VECTOR2 end, float hitRadius,
                    float abuttonFactor, float amin, float amax, float astep, float avalue);
    ~ZC_GUI_SLIDER13() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;
    void fDraw() override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;
    // Commits and lays the fill up to the thumb.
    void fSetValue(float x) override;

    // A new track between two points of the parent's frame, laid out as the first restore does.
    void fSetTrack(float sx, float sy, float ex, float ey);

    bool fHasPictures() const { return made; }
    ZS_TEXTURE* fGetTexture() const { return texture; }
    const ZS_TRACK_PICTURES& fGetPictures() const { return pictures; }
    ZC_QUAD* fGetFill() const { return fill; }
    float fGetFillLength() const { return fillLength; }
    float fGetMiddleLength() const { return middleLength; }

private:
    void fCreateQuads(ZS_TEXTURE* atexture);
    // The pieces' places from the track's ends (the start and end transforms).
    void fPlacePieces();
    void fLayPieces();
    void fLayFill();
    // After an input operation that reported something: the fill and the parts' looks.
    void fRefreshParts(const ZS_GUI_EVENT* e);

    std::string textureName;
    ZS_TEXTURE* texture = nullptr;
    ZS_TRACK_PICTURES pictures;
    ZC_QUAD* fill = nullptr;
    float cellWidth = 0.0f;
    float cellHeight = 0.0f;
    ZS_VECTOR2 insetVector;
    ZS_VECTOR2 startCapPosition;
    ZS_VECTOR2 middlePosition;
    ZS_VECTOR2 endCapPosition;
    ZS_VECTOR2 fillPosition;
    float fillLength = 0.0f;
    float middleLength = 0.0f;
    bool made = false;
};

// Builder of the layout element SLIDER13; its VALUE_CHANGED script names the value-changed record.
ZC_GUI_OBJECT* fCreateGuiSlider13FromXml(pugi::xml_node element);
}

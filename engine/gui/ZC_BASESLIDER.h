#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_HIT_ZONE;
struct ZS_TEXTURE;

// A thumb running along a straight track between two end buttons: the track's geometry,
// the value with its range and step, and the pointer handling. It draws nothing; the
// sliders derived from it add the pictures. Each part (start button, end button, thumb)
// has a circle zone and runs its own machine: 0 pointer away, 1 over, 2 pressed. Events:
// 3 a part entered, 4 left, 7 pressed, 10 value changed. The value-changed record fires
// only when a value is committed through fSetValue, never while the thumb is dragged.
class ZC_BASESLIDER : public ZC_GUI_OBJECT
{
public:
    enum
    {
        PART_AWAY = 0,
        PART_OVER = 1,
        PART_PRESSED = 2
    };

    // start and end in the parent's frame: the widget moves to their middle and the track
    // loses half a cell at each end; the thumb travels inset = cell size x button factor
    // short of either end.
    ZC_BASESLIDER(int32_t id, ZS_VECTOR2 start, ZS_VECTOR2 end, float cellSize, float hitRadius, float buttonFactor,
                  float min, float max, float step, float value);
    // A track from (-50, 0) to (50, 0) about the widget, range 0 to 100, step 1, radius 15.
    ZC_BASESLIDER(int32_t id, float cellSize, float buttonFactor);
    ~ZC_BASESLIDER() override;

    ZS_GUI_EVENT* fUpdate() override;
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;

    // Clamps to the range, places the thumb and fires the value-changed record.
    virtual void fSetValue(float value);

    // The track's ends in the widget's frame.
    void fSetPoints(float sx, float sy, float ex, float ey);
    void fSetRange(float amin, float amax);
    // fSetValue(value + count x step).
    void fStep(int count);
    // Shortens start and end by half a cell each, moves the widget to their middle and
    // makes both relative to it.
    void fCentreOnSegment(ZS_VECTOR2* start, ZS_VECTOR2* end, float cellSize);
    void fSetCellSize(int size);
    float fGetCellSize() const { return cellSize; }

    float fGetValue() const { return value; }
    float fGetMin() const { return min; }
    float fGetMax() const { return max; }
    float fGetStep() const { return step; }
    float fGetInset() const { return inset; }
    float fGetHitRadius() const;
    void fSetHitRadius(float radius);
    float fGetTrackLength() const;
    void fResetInput();
    // Circles of squares on the three zones and the near box, for looking at a layout.
    void fDrawDebug();

    // Takes ownership; an earlier record is deleted.
    void fSetValueChangedCallback(ZS_CALLBACK* record);
    ZS_CALLBACK* fGetValueChangedCallback() const { return valueChanged; }

    int32_t fGetStartState() const { return startState; }
    int32_t fGetEndState() const { return endState; }
    int32_t fGetThumbState() const { return thumbState; }
    bool fIsPressed() const { return pressed; }
    ZS_TRANSFORM3* fGetStartTransform() const { return startTransform; }
    ZS_TRANSFORM3* fGetEndTransform() const { return endTransform; }
    ZS_TRANSFORM3* fGetThumbTransform() const { return thumbTransform; }
    ZS_HIT_ZONE* fGetThumbZone() const { return thumbZone; }
    ZS_VECTOR2 fGetDirection() const { return direction; }
    ZS_VECTOR2 fGetThumbOffset() const { return thumbOffset; }
    ZS_POINT fGetBoxMin() const { return boxMin; }
    ZS_POINT fGetBoxMax() const { return boxMax; }
    // Whether the pointer lies in the thin ellipse around the track.
    bool fIsPointerNearTrack() const;

protected:
    // Width of one of a texture's cells laid side by side, in whole pixels; 0 without a texture.
    static int fCellOf(const ZS_TEXTURE* texture, int cells);
    // Width and height of the track with its pictures, the same for both sliders; p is the
    // height of the start button's picture.
    void fMeasure(float p, float* width, float* height) const;
    // The pictures' turn for the track's direction: a quarter turn for a downward track,
    // none for a track running to the right.
    float fTrackAngle() const;
    // The construction's track step again: the widget moves to the middle of start and end
    // (in the parent's frame), the track is shortened by half of centreCell at each end.
    void fPlaceTrack(const ZS_VECTOR2& start, const ZS_VECTOR2& end, float centreCell);
    // The start and end points the near test measures from, in the widget's frame.
    void fSetNearPoints(const ZS_VECTOR2& s, const ZS_VECTOR2& e)
    {
        nearStart = s;
        nearEnd = e;
    }

    float inset = 0.0f;
    float min = 0.0f;
    float max = 100.0f;
    float step = 1.0f;
    float value = 0.0f;
    // The ends as passed to the constructor, before any shortening.
    ZS_VECTOR2 startPoint;
    ZS_VECTOR2 endPoint;
    float cellSize = 0.0f;
    int32_t startState = PART_AWAY;
    int32_t endState = PART_AWAY;
    int32_t thumbState = PART_AWAY;
    bool pressed = false;
    ZS_POINT boxMin;
    ZS_POINT boxMax;
    ZS_VECTOR2 valueStep;
    ZS_VECTOR2 thumbOffset;
    ZS_VECTOR2 direction;
    ZS_HIT_ZONE* startZone = nullptr;
    ZS_HIT_ZONE* endZone = nullptr;
    ZS_HIT_ZONE* thumbZone = nullptr;
    ZS_TRANSFORM3* startTransform = nullptr;
    ZS_TRANSFORM3* endTransform = nullptr;
    ZS_TRANSFORM3* thumbTransform = nullptr;
    ZS_CALLBACK* valueChanged = nullptr;
    float buttonFactor = 1.5f;

private:
    void fMakeParts(float hitRadius);
    // The track's bounding box from the ends' positions, widened by the hit radius.
    void fSetBox();
    bool fPartContains(const ZS_HIT_ZONE* zone) const;
    void fUpdatePartHover(int32_t* state, const ZS_HIT_ZONE* zone);
    void fDragThumb();
    // One part of the polled step; true when the step ends here with the slider's event.
    // stepCount: how a release inside the part steps the value (0 for none).
    bool fPollButton(int32_t* state, const ZS_HIT_ZONE* zone, int stepCount, bool mayEnter);

    ZS_VECTOR2 nearStart;
    ZS_VECTOR2 nearEnd;
};

// A picture of the whole texture on a transform of its own hung under parent: the caps, the
// middle and the fill of the sliders and the scroll bar.
ZC_QUAD* fMakePiece(ZS_TEXTURE* texture, ZS_TRANSFORM3* parent);

// The six pictures that the sliders and the scroll bar cut from one sheet of cells: start
// button, end button and thumb on the parts' transforms; start cap, end cap and middle on
// transforms of their own under the widget's. Owned.
struct ZS_TRACK_PICTURES
{
    ZC_QUAD* startButton = nullptr;
    ZC_QUAD* endButton = nullptr;
    ZC_QUAD* thumb = nullptr;
    ZC_QUAD* startCap = nullptr;
    ZC_QUAD* endCap = nullptr;
    ZC_QUAD* middle = nullptr;

    ZS_TRACK_PICTURES() = default;
    ~ZS_TRACK_PICTURES() { fDelete(); }
    ZS_TRACK_PICTURES(const ZS_TRACK_PICTURES&) = delete;
    ZS_TRACK_PICTURES& operator=(const ZS_TRACK_PICTURES&) = delete;

    void fMake(ZS_TEXTURE* texture, ZS_TRANSFORM3* start, ZS_TRANSFORM3* end, ZS_TRANSFORM3* thumbAt,
               ZS_TRANSFORM3* widget);
    void fDelete();
    bool fExists() const { return startButton != nullptr; }
    // The parts' looks (state, state + 3, state + 6) and the caps' cells 9 and 11 of a sheet of
    // `cells` cells.
    void fShowCells(int cells, int32_t startState, int32_t endState, int32_t thumbState);
    // The parts and caps turned by a, the middle by a - quarter so that its height runs along the track.
    void fTurn(float a, float quarter);
    void fSetTexture(ZS_TEXTURE* texture);
    // Caps and middle; then the parts, drawn over them.
    void fDrawTrack();
    void fDrawParts();
};

// What a SLIDER12 or SLIDER13 layout element gives its slider.
struct ZS_SLIDER_ARGS
{
    int32_t id = 0;
    std::string texture;
    ZS_VECTOR2 start;
    ZS_VECTOR2 end;
    float radius = 20.0f;
    float buttonFactor = 1.5f;
    float min = 0.0f;
    float max = 100.0f;
    float step = 5.0f;
    float value = 0.0f;
};
// False when ID, TEXTURE, START or END is missing. START and END are "x y"; a missing
// number reads 0.
bool fReadSliderArgs(pugi::xml_node element, ZS_SLIDER_ARGS* args);
}

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

// A horizontal slider with a value from 0 to 1: a runner dragged along a track whose texture
// holds two equal halves, the empty track (left) and the full track (right), the full part
// reaching from the track's left edge to the runner's centre. Any key or mouse button that
// goes down over the runner starts a drag (7), pointer moves drag it (9) and any key going
// up ends it (8). The owner sets the value and reads it back directly.
class ZC_GUI_SIMPLE_SLIDER : public ZC_GUI_OBJECT
{
public:
    ZC_GUI_SIMPLE_SLIDER(int32_t id, const std::string& trackName, const std::string& runnerName);
    // Hands its textures back, then deletes its pictures.
    ~ZC_GUI_SIMPLE_SLIDER() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;
    void fDraw() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    // Before the first restore the value is only stored; afterwards the runner moves to it
    // and the value becomes the one its whole-pixel place gives back.
    void fSetValue(float v);
    // Moves the runner's centre to x (game pixels), held inside the travel; answers the x used.
    int32_t fPlaceRunnerAtX(int32_t x);
    void fDrawTrack();

    float value = 0.0f; // 0 at the left end of the travel, 1 at the right end

    bool fIsDragging() const { return dragging; }
    float fGetTravel() const { return travel; }
    ZS_VECTOR2 fGetTrackSize() const { return trackSize; }
    ZC_QUAD* fGetTrack() const { return track; }
    ZC_QUAD* fGetRunner() const { return runner; }
    ZS_HIT_ZONE* fGetRunnerZone() const { return runnerZone; }

private:
    // The track's left end of the travel, in game pixels.
    float fTravelLeft() const;

    std::string trackName;
    std::string runnerName;
    ZS_VECTOR2 runnerSize;
    ZS_VECTOR2 trackSize;
    ZC_QUAD* track = nullptr;
    ZC_QUAD* runner = nullptr;
    ZS_HIT_ZONE* runnerZone = nullptr;
    float travel = 0.0f;
    bool dragging = false;
};

// Builder of the layout element SIMPLESLIDER.
ZC_GUI_OBJECT* fCreateGuiSimpleSliderFromXml(pugi::xml_node element);
}

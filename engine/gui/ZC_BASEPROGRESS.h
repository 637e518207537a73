#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_TEXTURE;

// A number kept inside a range; the subclass hears of every change. The bars report no
// widget events; they fire a filled record each time they arrive at full.
class ZC_BASEPROGRESS : public ZC_GUI_OBJECT
{
public:
    // Range 0 to 100, value 0.
    explicit ZC_BASEPROGRESS(int32_t id);
    // Starts at min.
    ZC_BASEPROGRESS(int32_t id, float amin, float amax);
    ~ZC_BASEPROGRESS() override;

    // Called after every change of the value.
    virtual void fOnProgressChanged() = 0;

    // Stores both ends only: nothing is recomputed and nobody is told.
    void fSetRange(float amin, float amax);
    // Clamped to the range (the upper bound last); on an empty range the bar counts as full.
    void fSetValue(float v);
    // 0 to 100, clamped.
    void fSetPercent(float p);
    void fAddValue(float delta) { fSetValue(value + delta); }
    void fAddPercent(float delta) { fSetPercent(fraction * 100.0f + delta); }

    float fGetMin() const { return min; }
    float fGetMax() const { return max; }
    float fGetValue() const { return value; }
    float fGetPercent() const { return fraction * 100.0f; }
    float fGetFraction() const { return fraction; }
    bool fIsFinished() const { return finished; }

    // Fired with the bar as argument when it arrives at full. Owned.
    void fSetFilledCallback(ZS_CALLBACK* record);
    ZS_CALLBACK* fGetFilledCallback() const { return filled; }

protected:
    // At the end of every change: arriving at full fires once, leaving full re-arms.
    void fNotifyFilled();

    bool finished = false;
    float min = 0.0f;
    float max = 100.0f;
    float value = 0.0f;
    float fraction = 0.0f;
    ZS_CALLBACK* filled = nullptr;
    bool armed = true;
};

// A bar cut from one texture of two equal halves: the left half the empty bar, the right
// half the full bar, revealed from the left as the value grows (cropped, not stretched).
// Its pictures are made at the first restore.
class ZC_GUI_PROGRESS_BAR : public ZC_BASEPROGRESS
{
public:
    ZC_GUI_PROGRESS_BAR(int32_t id, const std::string& atextureName);
    // Made at once over a loaded texture.
    ZC_GUI_PROGRESS_BAR(int32_t id, ZS_TEXTURE* texture);
    ~ZC_GUI_PROGRESS_BAR() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    void fDraw() override;
    // The full bar's size; before the pictures exist the numbers are only stored.
    void fSetSize(int32_t width, int32_t height) override;
    void fRestoreResources() override;
    void fReleaseResources() override;
    void fOnProgressChanged() override;
    void fSetRotation(float radians);

    ZC_QUAD* fGetBackground() const { return background; }
    ZC_QUAD* fGetBar() const { return bar; }
    int32_t fGetHalfWidth() const { return halfWidth; }
    int32_t fGetBarHeight() const { return barHeight; }

private:
    void fCreateQuads(ZS_TEXTURE* texture);

    int32_t halfWidth = 0;
    int32_t barHeight = 0;
    std::string textureName;
    ZC_QUAD* background = nullptr;
    ZC_QUAD* bar = nullptr;
    bool made = false;
};

// One frame of a sprite sheet chosen by the value: the first at 0, the last at full. It
// keeps the texture it was made with for its whole life and hands it back when deleted.
class ZC_GUI_ANIMATION_BAR : public ZC_BASEPROGRESS
{
public:
    // Grids of fewer than one column or row count as one; fewer than one frame as one.
    ZC_GUI_ANIMATION_BAR(int32_t id, ZS_TEXTURE* texture, int32_t acolumns, int32_t arows, int32_t frames);
    ~ZC_GUI_ANIMATION_BAR() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    void fDraw() override;
    void fSetSize(int32_t width, int32_t height) override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fOnProgressChanged() override;
    ZS_VECTOR2 fGetCellSize() const;
    void fSetRotation(float radians);

    ZC_QUAD* fGetSheet() const { return sheet; }
    int32_t fGetFrame() const { return frame; }

private:
    int32_t columns;
    int32_t rows;
    int32_t lastFrame;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    ZC_QUAD* sheet = nullptr;
    int32_t frame = 0;
};

// Builders of the layout elements PROGRESS_BAR and ANIMATION_BAR.
ZC_GUI_OBJECT* fCreateGuiProgressBarFromXml(pugi::xml_node element);
ZC_GUI_OBJECT* fCreateGuiAnimationBarFromXml(pugi::xml_node element);
}

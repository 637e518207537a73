#include "engine/gui/ZC_GUI_SIMPLE_SLIDER.h"

#include <algorithm>

#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"

namespace ZOR
{
namespace
{
const int kCentre = 4;

float fWorldX(const ZC_QUAD* q)
{
    return q->fGetTransform()->fCompose().position.x;
}
}

ZC_GUI_SIMPLE_SLIDER::ZC_GUI_SIMPLE_SLIDER(int32_t id, const std::string& atrackName, const std::string& arunnerName)
    : ZC_GUI_OBJECT(id), trackName(atrackName), runnerName(arunnerName)
{
}

ZC_GUI_SIMPLE_SLIDER::~ZC_GUI_SIMPLE_SLIDER()
{
    fReleaseResources();
    delete runnerZone;
    // The runner hangs under the track's transform: it goes first.
    delete runner;
    delete track;
}

void ZC_GUI_SIMPLE_SLIDER::fRestoreResources()
{
    ZS_TEXTURE* trackTexture = fFetchTexture(trackName);
    ZS_TEXTURE* runnerTexture = fFetchTexture(runnerName);
    if (track && runner && runnerZone)
    {
        fPutTexture(runner, runnerTexture);
        fPutTexture(track, trackTexture);
        return;
    }
    delete runnerZone;
    runnerZone = nullptr;
    if (runner)
        fTakeBackTexture(runner);
    delete runner;
    if (track)
        fTakeBackTexture(track);
    delete track;

    track = new ZC_QUAD(trackTexture, nullptr);
    track->fGetTransform()->parent = transform;
    trackSize = ZS_VECTOR2(track->fGetWidth() * 0.5f, track->fGetHeight());
    track->fSetSizeVector(trackSize);
    track->fSetHotSpot(kCentre, 0.0f, 0.0f);

    runner = new ZC_QUAD(runnerTexture, nullptr);
    runner->fGetTransform()->parent = track->fGetTransform();
    runner->fSetHotSpot(kCentre, 0.0f, 0.0f);
    runnerSize = ZS_VECTOR2(runner->fGetWidth(), runner->fGetHeight());

    travel = trackSize.x - runnerSize.x;
    runnerZone = new ZS_HIT_ZONE;
    runnerZone->fSet(ZS_HIT_ZONE::KIND_RECT, runner->fGetTransform(), runnerSize.x, runnerSize.y, 0.0f, 0);
    fSetValue(value);
}

void ZC_GUI_SIMPLE_SLIDER::fReleaseResources()
{
    fTakeBackTexture(track);
    fTakeBackTexture(runner);
}

float ZC_GUI_SIMPLE_SLIDER::fTravelLeft() const
{
    return fWorldX(track) - travel * 0.5f;
}

void ZC_GUI_SIMPLE_SLIDER::fSetValue(float v)
{
    value = v;
    if (!track)
        return;
    fPlaceRunnerAtX(int32_t(fTravelLeft() + travel * v));
}

int32_t ZC_GUI_SIMPLE_SLIDER::fPlaceRunnerAtX(int32_t x)
{
    if (!track)
        return x;
    if (travel <= 0.0f)
    {
        // A runner as wide as the track has nowhere to go: it sits in the middle and the
        // value the owner set is kept.
        value = std::max(0.0f, std::min(1.0f, value));
        if (runner)
            runner->fGetTransform()->fSetPosition(0.0f, 0.0f, 0.0f);
        return int32_t(fWorldX(track));
    }
    const float left = fTravelLeft();
    const float right = left + travel;
    const int32_t x1 = float(x) > left ? x : int32_t(left);
    const int32_t x2 = right > float(x1) ? x1 : int32_t(right);
    // At or past an end the value is that end exactly, also when the end is not a whole pixel.
    if (float(x) <= left)
        value = 0.0f;
    else if (float(x) >= right)
        value = 1.0f;
    else
        value = (float(x2) - left) / travel;
    if (runner)
        runner->fGetTransform()->fSetPosition(value * travel - travel * 0.5f, 0.0f, 0.0f);
    return x2;
}

ZS_GUI_EVENT* ZC_GUI_SIMPLE_SLIDER::fOnKeyDown()
{
    event.code = GUI_EVENT_NONE;
    if (!runnerZone)
        return nullptr;
    // Any key or button that goes down over the runner takes it.
    if (runnerZone->fContains(fPointerX(), fPointerY()))
    {
        dragging = true;
        event.code = GUI_EVENT_DOWN;
    }
    return fReport(event.code);
}

ZS_GUI_EVENT* ZC_GUI_SIMPLE_SLIDER::fOnMouseMove()
{
    event.code = GUI_EVENT_NONE;
    if (!dragging)
        return nullptr;
    fPlaceRunnerAtX(int32_t(fPointerX()));
    return fReport(GUI_EVENT_DRAG);
}

ZS_GUI_EVENT* ZC_GUI_SIMPLE_SLIDER::fOnKeyUp()
{
    event.code = GUI_EVENT_NONE;
    if (!dragging)
        return nullptr;
    dragging = false;
    return fReport(GUI_EVENT_CLICK);
}

void ZC_GUI_SIMPLE_SLIDER::fDraw()
{
    fDrawTrack();
    if (runner)
        runner->fDrawInWorld();
}

void ZC_GUI_SIMPLE_SLIDER::fDrawTrack()
{
    if (!track)
        return;
    track->fSetUVRect(0.0f, 0.0f, 0.5f, 1.0f);
    track->fSetWidth(trackSize.x);
    track->fDrawInWorld();
    if (!runner || trackSize.x <= 0.0f)
        return;
    // The full half, cropped at the runner's centre; vertex 0 stays on the left edge.
    const float share = (fWorldX(runner) - (fWorldX(track) - trackSize.x * 0.5f)) / trackSize.x;
    track->fSetUVRect(0.5f, 0.0f, 0.5f + 0.5f * share, 1.0f);
    track->fSetWidth(trackSize.x * share);
    track->fDrawInWorld();
}

ZC_GUI_OBJECT* fCreateGuiSimpleSliderFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"PROGRESS", "RUNNER", "ID"}))
        return nullptr;
    ZC_GUI_SIMPLE_SLIDER* slider = new ZC_GUI_SIMPLE_SLIDER(
        element.attribute("ID").as_int(), element.attribute("PROGRESS").value(), element.attribute("RUNNER").value());
    fReadWidgetCommonAttributes(slider, element);
    return slider;
}
}

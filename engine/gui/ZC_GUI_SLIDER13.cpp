#include "engine/gui/ZC_GUI_SLIDER13.h"

#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZS_RENDER_STATE.h"
#include "engine/render/ZS_TEXTURE.h"

namespace ZOR
{
namespace
{
const int kCells = 13;
const int kCentre = 4;
const int kTopMiddle = 1;
const float kHalfPi = 1.57079633f;
// Where cells 10 (the middle of the track) and 12 (the fill) begin, as shares of the width.
const float kMiddleU = 0.7692308f;
const float kFillU = 0.9230769f;
}

ZC_GUI_SLIDER13::ZC_GUI_SLIDER13(int32_t id, const std::string& atextureName, ZS_VECTOR2 start, ZS_VECTOR2 end,
                                 float hitRadius, float abuttonFactor, float amin, float amax, float astep,
                                 float avalue)
    // Until the texture is fetched the track is laid with the default texture's cells.
    : ZC_BASESLIDER(id, start, end, float(fCellOf(fDefaultTexture(), kCells)), hitRadius, abuttonFactor, amin, amax,
                    astep, avalue),
      textureName(atextureName), texture(fDefaultTexture())
{
    type = GUI_TYPE_SLIDER13;
}

ZC_GUI_SLIDER13::ZC_GUI_SLIDER13(int32_t id)
    : ZC_BASESLIDER(id, float(fCellOf(fDefaultTexture(), kCells)), 1.5f), texture(fDefaultTexture())
{
    type = GUI_TYPE_SLIDER13;
}

ZC_GUI_SLIDER13::ZC_GUI_SLIDER13(int32_t id, ZS_TEXTURE* atexture, ZS_VECTOR2 start, ZS_VECTOR2 end,
                                 float hitRadius, float abuttonFactor, float amin, float amax, float astep,
                                 float avalue)
    : ZC_GUI_SLIDER13(id, std::string(), start, end, hitRadius, abuttonFactor, amin, amax, astep, avalue)
{
    fCreateQuads(atexture);
}

ZC_GUI_SLIDER13::~ZC_GUI_SLIDER13()
{
    delete fill;
}

void ZC_GUI_SLIDER13::fCreateQuads(ZS_TEXTURE* atexture)
{
    if (made)
        return;
    made = true;
    texture = atexture;
    fSetCellSize(fCellOf(texture, kCells));
    // The track again with the real cell size; from now on the near test measures from
    // its shortened ends.
    fPlaceTrack(startPoint, endPoint, cellSize);
    fSetNearPoints(startTransform->fGetPositionXY(), endTransform->fGetPositionXY());
    fPlacePieces();

    pictures.fMake(texture, startTransform, endTransform, thumbTransform, transform);
    fill = fMakePiece(texture, transform);
    pictures.thumb->fSetAddressMode(ZS_RENDER_STATE::ADDRESS_WRAP);
    pictures.middle->fSetAddressMode(ZS_RENDER_STATE::ADDRESS_WRAP);
    fLayPieces();
    fLayFill();
}

void ZC_GUI_SLIDER13::fPlacePieces()
{
    const float c = cellSize;
    const ZS_VECTOR2 d = direction;
    const ZS_VECTOR2 s = startTransform->fGetPositionXY(), e = endTransform->fGetPositionXY();
    cellWidth = c;
    cellHeight = texture ? float(texture->size.y) : 0.0f;
    insetVector = d * (c * buttonFactor);
    startCapPosition = s + insetVector - d * (c / 2.0f);
    endCapPosition = e - insetVector + d * (c / 2.0f);
    middlePosition = (s + e) / 2.0f;
    middleLength = fDistanceVector2(e - insetVector, s + insetVector);
    fillLength = fDistanceVector2(thumbTransform->fGetPositionXY(), s + insetVector);
}

void ZC_GUI_SLIDER13::fLayPieces()
{
    ZC_QUAD* middle = pictures.middle;
    for (ZC_QUAD* q : {pictures.startButton, pictures.endButton, pictures.thumb, pictures.startCap, pictures.endCap})
        q->fSetSizeF(cellWidth, cellHeight);
    middle->fSetSizeF(cellWidth, middleLength);
    fill->fSetSizeF(cellWidth, fillLength);
    for (ZC_QUAD* q : {pictures.startButton, pictures.endButton, pictures.thumb, pictures.startCap, pictures.endCap,
                       middle, fill})
        q->fSetHotSpot(kCentre, 0.0f, 0.0f);
    pictures.fShowCells(kCells, startState, endState, thumbState);
    // The middle cell repeats along the track.
    middle->fFitUVToSize();
    middle->fOffsetUV(kMiddleU, 0.0f);
    fill->fFitUVToSize();
    fill->fOffsetUV(kFillU, 0.0f);
    pictures.startCap->fGetTransform()->fSetPositionXY(startCapPosition);
    pictures.endCap->fGetTransform()->fSetPositionXY(endCapPosition);
    middle->fGetTransform()->fSetPositionXY(middlePosition);
    const float a = fTrackAngle();
    pictures.fTurn(a, kHalfPi);
    fill->fGetTransform()->fSetRotationZ(a - kHalfPi);
}

void ZC_GUI_SLIDER13::fLayFill()
{
    if (!made || !fill)
        return;
    // From the start of the thumb's travel to the thumb.
    fillPosition = startTransform->fGetPositionXY() + insetVector;
    fillLength = fDistanceVector2(thumbTransform->fGetPositionXY(), fillPosition);
    fill->fSetSize(int(cellWidth), int(fillLength));
    fill->fSetHotSpot(kTopMiddle, 0.0f, 0.0f);
    fill->fFitUVToSize();
    fill->fOffsetUV(kFillU, 0.0f);
    fill->fSetHotSpot(kTopMiddle, 0.0f, 0.0f);
    fill->fGetTransform()->fSetPositionXY(fillPosition);
}

void ZC_GUI_SLIDER13::fRefreshParts(const ZS_GUI_EVENT* e)
{
    if (!e || e->code == GUI_EVENT_NONE || !made)
        return;
    fLayFill();
    pictures.fShowCells(kCells, startState, endState, thumbState);
}

void ZC_GUI_SLIDER13::fSetValue(float x)
{
    ZC_BASESLIDER::fSetValue(x);
    fLayFill();
}

ZS_GUI_EVENT* ZC_GUI_SLIDER13::fOnMouseMove()
{
    event.code = GUI_EVENT_NONE;
    fRefreshParts(ZC_BASESLIDER::fOnMouseMove());
    return event.code ? &event : nullptr;
}

ZS_GUI_EVENT* ZC_GUI_SLIDER13::fOnKeyDown()
{
    event.code = GUI_EVENT_NONE;
    fRefreshParts(ZC_BASESLIDER::fOnKeyDown());
    return event.code ? &event : nullptr;
}

ZS_GUI_EVENT* ZC_GUI_SLIDER13::fOnKeyUp()
{
    event.code = GUI_EVENT_NONE;
    fRefreshParts(ZC_BASESLIDER::fOnKeyUp());
    if (!event.code)
        return nullptr;
    // Once more after the base's own firing, for a release that did something.
    if (callbacks[CB_UP])
        fInvoke(callbacks[CB_UP]);
    return &event;
}

void ZC_GUI_SLIDER13::fDraw()
{
    if (!made)
        return;
    pictures.fDrawTrack();
    fill->fDrawInWorld();
    pictures.fDrawParts();
}

float ZC_GUI_SLIDER13::fGetWidth()
{
    float w = 0.0f, h = 0.0f;
    if (made)
        fMeasure(pictures.startButton->fGetHeight(), &w, &h);
    return w;
}

float ZC_GUI_SLIDER13::fGetHeight()
{
    float w = 0.0f, h = 0.0f;
    if (made)
        fMeasure(pictures.startButton->fGetHeight(), &w, &h);
    return h;
}

void ZC_GUI_SLIDER13::fRestoreResources()
{
    ZS_TEXTURE* fetched = fFetchTexture(textureName);
    if (!made)
    {
        fCreateQuads(fetched);
        return;
    }
    // All seven pictures hold one fetch: a restore without a release gives the earlier one back.
    fHandBackTexture(texture);
    texture = fetched;
    pictures.fSetTexture(texture);
    fill->fSetTexture(texture);
}

void ZC_GUI_SLIDER13::fReleaseResources()
{
    if (!made)
        return;
    texture = fHandBackTexture(texture);
    pictures.fSetTexture(texture);
    fill->fSetTexture(texture);
}

void ZC_GUI_SLIDER13::fSetTrack(float sx, float sy, float ex, float ey)
{
    fPlaceTrack(ZS_VECTOR2(sx, sy), ZS_VECTOR2(ex, ey), cellSize);
    if (!made)
        return;
    fSetNearPoints(startTransform->fGetPositionXY(), endTransform->fGetPositionXY());
    fPlacePieces();
    fLayPieces();
    fLayFill();
}

ZC_GUI_OBJECT* fCreateGuiSlider13FromXml(pugi::xml_node element)
{
    ZS_SLIDER_ARGS a;
    if (!fReadSliderArgs(element, &a))
        return nullptr;
    ZC_GUI_SLIDER13* slider = new ZC_GUI_SLIDER13(a.id, a.texture, a.start, a.end, a.radius, a.buttonFactor, a.min,
                                                  a.max, a.step, a.value);
    fReadWidgetCommonAttributes(slider, element);
    std::string name;
    if (fFindScript(element, "VALUE_CHANGED", true, &name))
        slider->fSetValueChangedCallback(fCreateCallback(nullptr, name.c_str(), slider));
    return slider;
}
}

#include "engine/gui/ZC_GUI_SLIDER12.h"

#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZS_TEXTURE.h"

namespace ZOR
{
namespace
{
const int kCells = 12;
const int kCentre = 4;
const float kHalfPi = 1.57079633f;
// Where cell 10, the middle of the track, begins: 10/12 of the texture's width.
const float kMiddleU = 0.8333333f;
}

ZC_GUI_SLIDER12::ZC_GUI_SLIDER12(int32_t id, ZS_TEXTURE* atexture, ZS_VECTOR2 start, ZS_VECTOR2 end, float hitRadius,
                                 float abuttonFactor, float amin, float amax, float astep, float avalue)
    : ZC_BASESLIDER(id, start, end, float(fCellOf(atexture, kCells)), hitRadius, abuttonFactor, amin, amax, astep,
                    avalue),
      texture(atexture)
{
    fPlacePieces(start, end);
    fCreateQuads(atexture);
}

ZC_GUI_SLIDER12::ZC_GUI_SLIDER12(int32_t id, ZS_TEXTURE* atexture, ZS_VECTOR2 start, ZS_VECTOR2 end, float hitRadius,
                                 float amin, float amax, float astep, float avalue)
    : ZC_GUI_SLIDER12(id, atexture, start, end, hitRadius, 1.5f, amin, amax, astep, avalue)
{
}

ZC_GUI_SLIDER12::ZC_GUI_SLIDER12(int32_t id, ZS_TEXTURE* atexture, float abuttonFactor)
    : ZC_BASESLIDER(id, float(fCellOf(atexture, kCells)), abuttonFactor), texture(atexture)
{
    fPlacePieces(startPoint, endPoint);
    fCreateQuads(atexture);
}

ZC_GUI_SLIDER12::~ZC_GUI_SLIDER12()
{
    // The texture came loaded from the repository and goes back with the slider.
    if (pictures.fExists())
        fInvoke(zcON_RELEASE_RESOURCE, pictures.startButton->texture);
}

void ZC_GUI_SLIDER12::fPlacePieces(const ZS_VECTOR2& start, const ZS_VECTOR2& end)
{
    const float c = cellSize;
    // The pieces are laid along a track shortened by half of a thirteenth of the texture.
    ZS_VECTOR2 s = start, e = end;
    fCentreOnSegment(&s, &e, float(fCellOf(texture, 13)));
    pieceStart = s;
    pieceEnd = e;
    cellWidth = c;
    cellHeight = texture ? float(texture->size.y) : 0.0f;
    const ZS_VECTOR2 d = direction;
    insetVector = d * (c * buttonFactor);
    startCapPosition = pieceStart + insetVector - d * (c / 2.0f);
    endCapPosition = pieceEnd - insetVector + d * (c / 2.0f);
    middlePosition = (pieceStart + pieceEnd) / 2.0f;
    middleLength = fDistanceVector2(pieceEnd - insetVector, pieceStart + insetVector) + 2.0f;
}

void ZC_GUI_SLIDER12::fCreateQuads(ZS_TEXTURE* atexture)
{
    texture = atexture;
    pictures.fMake(texture, startTransform, endTransform, thumbTransform, transform);
    fLayPieces();
}

void ZC_GUI_SLIDER12::fLayPieces()
{
    ZC_QUAD* middle = pictures.middle;
    for (ZC_QUAD* q : {pictures.startButton, pictures.endButton, pictures.thumb, pictures.startCap, pictures.endCap})
        q->fSetSizeF(cellWidth, cellHeight);
    middle->fSetSizeF(cellWidth, middleLength);
    for (ZC_QUAD* q : {pictures.startButton, pictures.endButton, pictures.thumb, pictures.startCap, pictures.endCap,
                       middle})
        q->fSetHotSpot(kCentre, 0.0f, 0.0f);
    pictures.fShowCells(kCells, startState, endState, thumbState);
    // Cell 10, laid pixel for pixel: past the texture's height its bottom row repeats.
    middle->fFitUVToSize();
    middle->fOffsetUV(kMiddleU, 0.0f);
    pictures.startCap->fGetTransform()->fSetPositionXY(startCapPosition);
    pictures.endCap->fGetTransform()->fSetPositionXY(endCapPosition);
    middle->fGetTransform()->fSetPositionXY(middlePosition);
    pictures.fTurn(fTrackAngle(), kHalfPi);
}

ZS_GUI_EVENT* ZC_GUI_SLIDER12::fUpdate()
{
    ZS_GUI_EVENT* e = ZC_BASESLIDER::fUpdate();
    pictures.fShowCells(kCells, startState, endState, thumbState);
    return e;
}

void ZC_GUI_SLIDER12::fDraw()
{
    pictures.fDrawTrack();
    pictures.fDrawParts();
}

float ZC_GUI_SLIDER12::fGetWidth()
{
    float w = 0.0f, h = 0.0f;
    fMeasure(pictures.startButton->fGetHeight(), &w, &h);
    return w;
}

float ZC_GUI_SLIDER12::fGetHeight()
{
    float w = 0.0f, h = 0.0f;
    fMeasure(pictures.startButton->fGetHeight(), &w, &h);
    return h;
}

void ZC_GUI_SLIDER12::fSetTrack(float sx, float sy, float ex, float ey)
{
    const ZS_VECTOR2 start(sx, sy), end(ex, ey);
    fPlaceTrack(start, end, cellSize);
    fPlacePieces(start, end);
    fLayPieces();
}

ZC_GUI_OBJECT* fCreateGuiSlider12FromXml(pugi::xml_node element)
{
    ZS_SLIDER_ARGS a;
    if (!fReadSliderArgs(element, &a))
        return nullptr;
    ZC_GUI_SLIDER12* slider = new ZC_GUI_SLIDER12(a.id, ZC_GUI_OBJECT::fFetchTexture(a.texture), a.start, a.end,
                                                  a.radius, a.buttonFactor, a.min, a.max, a.step, a.value);
    fReadWidgetCommonAttributes(slider, element);
    return slider;
}
}

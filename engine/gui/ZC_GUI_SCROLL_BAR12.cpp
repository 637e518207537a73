#include "engine/gui/ZC_GUI_SCROLL_BAR12.h"

#include <cmath>

#include "engine/gui/ZC_BASESLIDER.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
namespace
{
const int kCells = 12;
const int kCentre = 4;
const float kRadius = 15.0f;
const float kMiddleU = 0.8333333f;
}

ZC_GUI_SCROLL_BAR12::ZC_GUI_SCROLL_BAR12(int32_t id, ZS_TEXTURE* atexture) : ZC_GUI_OBJECT(id)
{
    ZS_TRANSFORM3** parts[3] = {&startTransform, &endTransform, &thumbTransform};
    ZS_HIT_ZONE** zones[3] = {&startZone, &endZone, &thumbZone};
    for (int i = 0; i < 3; ++i)
    {
        *parts[i] = new ZS_TRANSFORM3;
        (*parts[i])->parent = transform;
        *zones[i] = new ZS_HIT_ZONE;
        (*zones[i])->fSet(ZS_HIT_ZONE::KIND_CIRCLE, *parts[i], kRadius, 0.0f, 0.0f, 0);
    }
    fCreateQuads(atexture);
}

ZC_GUI_SCROLL_BAR12::~ZC_GUI_SCROLL_BAR12()
{
    fInvoke(zcON_RELEASE_RESOURCE, texture);
    pictures.fDelete();
    for (ZS_HIT_ZONE* z : {startZone, endZone, thumbZone})
        delete z;
    for (ZS_TRANSFORM3* t : {startTransform, endTransform, thumbTransform})
        delete t;
}

void ZC_GUI_SCROLL_BAR12::fCreateQuads(ZS_TEXTURE* atexture)
{
    texture = atexture;
    pictures.fMake(texture, startTransform, endTransform, thumbTransform, transform);
    ZC_QUAD* middle = pictures.middle;
    const ZS_VECTOR2 start = startTransform->fGetPositionXY(), end = endTransform->fGetPositionXY();
    const ZS_VECTOR2 v = end - start;
    const float s = startZone->sizeX * 2.0f;
    for (ZC_QUAD* q : {pictures.startButton, pictures.endButton, pictures.thumb, pictures.startCap, pictures.endCap})
    {
        q->fSetSizeF(s, s);
        q->fSetHotSpot(kCentre, 0.0f, 0.0f);
    }
    pictures.fShowCells(kCells, startState, endState, thumbState);
    middle->fFitUVToSize();
    middle->fOffsetUV(kMiddleU, 0.0f);
    middle->fSetSizeF(s, v.fLength() - 3.0f * s);
    middle->fSetHotSpot(kCentre, 0.0f, 0.0f);

    pictures.startCap->fGetTransform()->fSetPositionXY(start + startCapOffset);
    pictures.endCap->fGetTransform()->fSetPositionXY(end - direction * (startZone->sizeX * 2.0f));
    middle->fGetTransform()->fSetPositionXY(start + v / 2.0f);
    // The rounded constants are the bar's own; its cells are turned by them as they stand.
    pictures.fTurn(end.y > start.y ? std::acos(direction.x) : std::acos(-direction.x) + 3.14f, 1.57f);
}

void ZC_GUI_SCROLL_BAR12::fDraw()
{
    pictures.fDrawTrack();
    pictures.fDrawParts();
    if (!zcRENDER)
        return;
    for (const ZS_HIT_ZONE* zone : {startZone, thumbZone, endZone})
    {
        const ZS_VECTOR2 p = zone->transform->fGetPositionXY();
        const float w = zone->sizeX / 2.0f, h = zone->sizeY / 2.0f;
        zcRENDER->fDrawFilledSquare(int(p.x), int(p.y), 0xFFFF0000u, 5.0f);
        zcRENDER->fDrawFilledSquare(int(p.x + w), int(p.y + h), 0xFF00FF00u, 5.0f);
        zcRENDER->fDrawFilledSquare(int(p.x + w), int(p.y - h), 0xFF00FF00u, 5.0f);
        zcRENDER->fDrawFilledSquare(int(p.x - w), int(p.y + h), 0xFF0000FFu, 5.0f);
        zcRENDER->fDrawFilledSquare(int(p.x - w), int(p.y - h), 0xFF0000FFu, 5.0f);
    }
}
}

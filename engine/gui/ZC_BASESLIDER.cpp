#include "engine/gui/ZC_BASESLIDER.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/render/ZS_TEXTURE.h"

namespace ZOR
{
namespace
{
const int kLeftButton = 1;
const float kPi = 3.14159265358979f;

bool fLeftWentDown()
{
    return zcINPUT && zcINPUT->fIsKeyPressed(kLeftButton);
}

bool fLeftWentUp()
{
    return zcINPUT && zcINPUT->fIsKeyReleased(kLeftButton);
}

ZS_VECTOR2 fUnit(ZS_VECTOR2 v)
{
    v.fNormalize();
    return v;
}

// Where a point given in the widget's frame lies on screen: the same fold the part
// transforms (and so their zones) go through.
ZS_VECTOR2 fToWorld(ZS_TRANSFORM3* frame, const ZS_VECTOR2& p)
{
    ZS_TRANSFORM3 t;
    t.fSetPosition(p.x, p.y, 0.0f);
    t.parent = frame;
    return t.fCompose().fGetPositionXY();
}
}

ZC_BASESLIDER::ZC_BASESLIDER(int32_t id, ZS_VECTOR2 start, ZS_VECTOR2 end, float acellSize, float hitRadius,
                             float abuttonFactor, float amin, float amax, float astep, float avalue)
    : ZC_GUI_OBJECT(id), buttonFactor(abuttonFactor)
{
    min = amin;
    max = amax;
    step = astep;
    value = avalue;
    fMakeParts(hitRadius);
    fSetCellSize(int(acellSize));
    fPlaceTrack(start, end, acellSize);
    pressed = false;
}

void ZC_BASESLIDER::fPlaceTrack(const ZS_VECTOR2& start, const ZS_VECTOR2& end, float centreCell)
{
    startPoint = start;
    endPoint = end;
    ZS_VECTOR2 s = start, e = end;
    fCentreOnSegment(&s, &e, centreCell);
    const ZS_VECTOR2 middle = transform->fGetPositionXY();
    nearStart = start - middle;
    nearEnd = end - middle;
    fSetPoints(s.x, s.y, e.x, e.y);
}

ZC_BASESLIDER::ZC_BASESLIDER(int32_t id, float acellSize, float abuttonFactor)
    : ZC_GUI_OBJECT(id), startPoint(-50.0f, 0.0f), endPoint(50.0f, 0.0f), buttonFactor(abuttonFactor)
{
    type = GUI_TYPE_SLIDER13;
    nearStart = startPoint;
    nearEnd = endPoint;
    min = 0.0f;
    max = 100.0f;
    step = 1.0f;
    value = 0.0f;
    fMakeParts(15.0f);
    fSetCellSize(int(acellSize));
    fSetPoints(startPoint.x, startPoint.y, endPoint.x, endPoint.y);
}

ZC_BASESLIDER::~ZC_BASESLIDER()
{
    delete startZone;
    delete endZone;
    delete thumbZone;
    delete startTransform;
    delete endTransform;
    delete thumbTransform;
    delete valueChanged;
}

void ZC_BASESLIDER::fMakeParts(float hitRadius)
{
    ZS_TRANSFORM3** parts[3] = {&startTransform, &endTransform, &thumbTransform};
    ZS_HIT_ZONE** zones[3] = {&startZone, &endZone, &thumbZone};
    for (int i = 0; i < 3; ++i)
    {
        *parts[i] = new ZS_TRANSFORM3;
        (*parts[i])->parent = transform;
        *zones[i] = new ZS_HIT_ZONE;
        (*zones[i])->fSet(ZS_HIT_ZONE::KIND_CIRCLE, *parts[i], hitRadius, 0.0f, 0.0f, 0);
    }
    startState = endState = thumbState = PART_AWAY;
}

void ZC_BASESLIDER::fCentreOnSegment(ZS_VECTOR2* start, ZS_VECTOR2* end, float acellSize)
{
    const ZS_VECTOR2 d = fUnit(*end - *start);
    *start += d * (acellSize / 2.0f);
    *end -= d * (acellSize / 2.0f);
    const ZS_VECTOR2 middle = (*start + *end) / 2.0f;
    transform->position.x = middle.x;
    transform->position.y = middle.y;
    *start -= middle;
    *end -= middle;
}

void ZC_BASESLIDER::fSetCellSize(int size)
{
    cellSize = float(size);
    inset = cellSize * buttonFactor;
}

void ZC_BASESLIDER::fSetPoints(float sx, float sy, float ex, float ey)
{
    startTransform->fSetPosition(sx, sy, 0.0f);
    endTransform->fSetPosition(ex, ey, 0.0f);
    direction = fUnit(ZS_VECTOR2(ex - sx, ey - sy));
    fSetBox();
    fSetRange(min, max);
}

void ZC_BASESLIDER::fSetRange(float amin, float amax)
{
    min = amin;
    max = amax;
    const ZS_VECTOR2 v = endTransform->fGetPositionXY() - startTransform->fGetPositionXY();
    const float span = std::fabs(max - min);
    const float perUnit = span != 0.0f ? (v.fLength() - 2.0f * inset) / span : 0.0f;
    const ZS_VECTOR2 u = fUnit(v);
    thumbOffset = u * inset;
    valueStep = u * perUnit;
    fSetValue(value);
}

void ZC_BASESLIDER::fSetValue(float x)
{
    value = x;
    if (value > max)
        value = max;
    // The lower bound last: with min above max the value ends at min.
    if (value < min)
        value = min;
    const ZS_VECTOR2 at = startTransform->fGetPositionXY() + thumbOffset + valueStep * (value - min);
    thumbTransform->position.x = at.x;
    thumbTransform->position.y = at.y;
    if (valueChanged)
        fInvoke(valueChanged);
}

void ZC_BASESLIDER::fStep(int count)
{
    fSetValue(value + float(count) * step);
}

void ZC_BASESLIDER::fSetBox()
{
    const ZS_VECTOR2 s = startTransform->fGetPositionXY(), e = endTransform->fGetPositionXY();
    const int r = int(fGetHitRadius());
    boxMin = ZS_POINT(int(std::min(s.x, e.x)) - r, int(std::min(s.y, e.y)) - r);
    boxMax = ZS_POINT(int(std::max(s.x, e.x)) + r, int(std::max(s.y, e.y)) + r);
}

float ZC_BASESLIDER::fGetHitRadius() const
{
    return startZone ? startZone->sizeX : 0.0f;
}

void ZC_BASESLIDER::fSetHitRadius(float radius)
{
    startZone->fSetRadius(radius);
    endZone->fSetRadius(radius);
    thumbZone->fSetRadius(radius);
    fSetBox();
    fSetRange(min, max);
}

float ZC_BASESLIDER::fGetTrackLength() const
{
    return fDistanceVector2(startTransform->fGetPositionXY(), endTransform->fGetPositionXY()) + cellSize;
}

void ZC_BASESLIDER::fResetInput()
{
    startState = endState = thumbState = PART_AWAY;
    pressed = false;
    type = GUI_TYPE_SLIDER13;
}

void ZC_BASESLIDER::fSetValueChangedCallback(ZS_CALLBACK* record)
{
    if (valueChanged != record)
        delete valueChanged;
    valueChanged = record;
}

bool ZC_BASESLIDER::fIsPointerNearTrack() const
{
    // Measured where the track is drawn now, so that a slider inside a moved window, or moved
    // after it was made, still answers under the pointer.
    const ZS_VECTOR2 p(fPointerX(), fPointerY());
    const ZS_VECTOR2 s = fToWorld(transform, nearStart), e = fToWorld(transform, nearEnd);
    const float length = fDistanceVector2(s, e);
    return fDistanceVector2(p, s) + fDistanceVector2(p, e) - length <= 0.05f * length;
}

bool ZC_BASESLIDER::fPartContains(const ZS_HIT_ZONE* zone) const
{
    return zone->fContains(fPointerX(), fPointerY());
}

void ZC_BASESLIDER::fUpdatePartHover(int32_t* state, const ZS_HIT_ZONE* zone)
{
    // One enter or leave per call; the other parts learn at a later move.
    if (event.code != GUI_EVENT_NONE)
        return;
    if (*state == PART_AWAY && fPartContains(zone))
    {
        event.code = GUI_EVENT_ENTER;
        *state = PART_OVER;
    }
    else if (*state == PART_OVER && !fPartContains(zone))
    {
        event.code = GUI_EVENT_LEAVE;
        *state = PART_AWAY;
        pressed = false;
    }
}

ZS_GUI_EVENT* ZC_BASESLIDER::fOnMouseMove()
{
    event.code = GUI_EVENT_NONE;
    active = fIsPointerNearTrack();
    if (active)
    {
        fUpdatePartHover(&startState, startZone);
        fUpdatePartHover(&endState, endZone);
        fUpdatePartHover(&thumbState, thumbZone);
        if (event.code != GUI_EVENT_NONE)
            return &event;
        if (thumbState == PART_PRESSED && pressed)
        {
            fDragThumb();
            return &event;
        }
        return nullptr;
    }
    // Leaving the track while dragging commits the value where the thumb was let go.
    if (thumbState == PART_PRESSED)
    {
        pressed = false;
        thumbState = PART_OVER;
        fSetValue(value);
        return fReport(GUI_EVENT_VALUE_CHANGED);
    }
    return nullptr;
}

ZS_GUI_EVENT* ZC_BASESLIDER::fOnKeyDown()
{
    event.code = GUI_EVENT_NONE;
    if (active && fLeftWentDown())
    {
        for (int32_t* state : {&startState, &endState, &thumbState})
        {
            if (*state != PART_OVER)
                continue;
            *state = PART_PRESSED;
            event.code = GUI_EVENT_DOWN;
            pressed = true;
            break;
        }
    }
    if (callbacks[CB_DOWN])
        fInvoke(callbacks[CB_DOWN]);
    return event.code ? &event : nullptr;
}

ZS_GUI_EVENT* ZC_BASESLIDER::fOnKeyUp()
{
    event.code = GUI_EVENT_NONE;
    if (fLeftWentUp())
    {
        // An end button steps wherever the pointer is at the release.
        if (startState == PART_PRESSED)
        {
            event.code = GUI_EVENT_VALUE_CHANGED;
            fStep(-1);
            pressed = false;
            startState = PART_OVER;
        }
        else if (endState == PART_PRESSED)
        {
            event.code = GUI_EVENT_VALUE_CHANGED;
            fStep(+1);
            pressed = false;
            endState = PART_OVER;
        }
        else if (thumbState == PART_PRESSED)
        {
            pressed = false;
            fSetValue(value);
            event.code = GUI_EVENT_VALUE_CHANGED;
            thumbState = PART_OVER;
        }
    }
    if (callbacks[CB_UP])
        fInvoke(callbacks[CB_UP]);
    return event.code ? &event : nullptr;
}

void ZC_BASESLIDER::fDragThumb()
{
    event.code = GUI_EVENT_VALUE_CHANGED;
    const ZS_VECTOR2 start = startTransform->fGetPositionXY();
    const ZS_VECTOR2 p = ZS_VECTOR2(fPointerX(), fPointerY()) - startTransform->fCompose().fGetPositionXY();
    const ZS_VECTOR2 s = endTransform->fGetPositionXY() - start;
    // The length of p's projection on the track.
    float t = p.fLength() * std::cos(fSignedAngleBetween(s, p));
    if (t < 0.0f)
        t = 0.0f;
    ZS_VECTOR2 thumb = start + direction * t;

    const float perUnit = valueStep.fLength();
    if (perUnit == 0.0f || max == min)
    {
        // No travel or no range: nothing to choose but the start.
        value = min;
        thumb = start + thumbOffset;
    }
    else
    {
        const float distance = fDistanceVector2(thumb, start) - inset;
        double v = std::floor(double(distance) / double(perUnit) + double(min));
        // Far outside any range the ends below decide anyway; keep the whole-number
        // arithmetic defined.
        v = std::max(-1.0e9, std::min(1.0e9, v));
        const int64_t whole = int64_t(v);
        const int64_t wholeStep = int64_t(step);
        // A step below one has no whole part to snap to: the value stays unsnapped.
        value = float(wholeStep != 0 ? whole - whole % wholeStep : whole);
        if (value > max - step)
        {
            value = max;
            thumb = endTransform->fGetPositionXY() - thumbOffset;
        }
        if (min + step > value)
        {
            value = min;
            thumb = start + thumbOffset;
        }
    }
    thumbTransform->position.x = thumb.x;
    thumbTransform->position.y = thumb.y;
}

bool ZC_BASESLIDER::fPollButton(int32_t* state, const ZS_HIT_ZONE* zone, int stepCount, bool mayEnter)
{
    const bool inside = fPartContains(zone);
    if (*state == PART_OVER)
    {
        if (inside && fLeftWentDown())
        {
            event.code = GUI_EVENT_DOWN;
            *state = PART_PRESSED;
            pressed = true;
            return true;
        }
        if (!inside)
        {
            event.code = GUI_EVENT_LEAVE;
            *state = PART_AWAY;
            pressed = false;
        }
    }
    else if (*state == PART_PRESSED)
    {
        // A held part keeps the walk at this slider, with code 0 when nothing happened.
        event.code = GUI_EVENT_NONE;
        if (fLeftWentUp())
        {
            pressed = false;
            *state = PART_OVER;
            if (inside && stepCount)
            {
                event.code = GUI_EVENT_VALUE_CHANGED;
                fStep(stepCount);
            }
        }
        return true;
    }
    else if (*state == PART_AWAY && inside && mayEnter)
    {
        event.code = GUI_EVENT_ENTER;
        *state = PART_OVER;
    }
    return false;
}

ZS_GUI_EVENT* ZC_BASESLIDER::fUpdate()
{
    event.code = GUI_EVENT_NONE;
    if (!fIsPointerNearTrack())
        return nullptr;
    if (fPollButton(&startState, startZone, -1, endState == PART_AWAY && thumbState == PART_AWAY))
        return &event;
    if (fPollButton(&endState, endZone, +1, thumbState == PART_AWAY))
        return &event;
    if (thumbState == PART_PRESSED)
    {
        if (pressed)
            fDragThumb();
        if (fLeftWentUp())
        {
            pressed = false;
            thumbState = PART_OVER;
            fSetValue(value);
            event.code = GUI_EVENT_VALUE_CHANGED;
        }
        return &event;
    }
    if (fPollButton(&thumbState, thumbZone, 0, true))
        return &event;
    return event.code ? &event : nullptr;
}

int ZC_BASESLIDER::fCellOf(const ZS_TEXTURE* texture, int cells)
{
    return texture ? texture->size.x / cells : 0;
}

void ZC_BASESLIDER::fMeasure(float p, float* width, float* height) const
{
    const ZS_VECTOR2 v = endTransform->fGetPositionXY() - startTransform->fGetPositionXY();
    const ZS_VECTOR2 d = fUnit(v);
    const float b = fSignedAngleBetween(d, ZS_VECTOR2(1.0f, 0.0f));
    const ZS_VECTOR2 t = v + d * cellSize;
    *width = std::fabs(t.x) + p * std::fabs(std::sin(b));
    *height = std::fabs(t.y) + p * std::fabs(std::cos(b));
}

float ZC_BASESLIDER::fTrackAngle() const
{
    if (endTransform->position.y > startTransform->position.y)
        return std::acos(direction.x);
    return std::acos(-direction.x) + kPi;
}

void ZC_BASESLIDER::fDrawDebug()
{
    if (!zcRENDER)
        return;
    const struct
    {
        ZS_TRANSFORM3* t;
        ZS_HIT_ZONE* zone;
        int32_t state;
        uint32_t color;
    } parts[] = {{startTransform, startZone, startState, 0xFF0000FFu},
                 {endTransform, endZone, endState, 0xFFFF0000u},
                 {thumbTransform, thumbZone, thumbState, 0xFF00FF00u}};
    for (const auto& part : parts)
    {
        const ZS_VECTOR2 c = part.t->fCompose().fGetPositionXY();
        for (int a = 0; a < 90; ++a)
        {
            const float x = c.x + part.zone->sizeX * std::cos(float(a));
            const float y = c.y + part.zone->sizeX * std::sin(float(a));
            zcRENDER->fDrawFilledSquare(int(x), int(y), part.color, float(part.state + 1));
        }
    }
    const uint32_t red = 0xFFFF0000u;
    zcRENDER->fDrawLine(boxMin.x, boxMin.y, boxMax.x, boxMin.y, red);
    zcRENDER->fDrawLine(boxMax.x, boxMin.y, boxMax.x, boxMax.y, red);
    zcRENDER->fDrawLine(boxMax.x, boxMax.y, boxMin.x, boxMax.y, red);
    zcRENDER->fDrawLine(boxMin.x, boxMax.y, boxMin.x, boxMin.y, red);
}

ZC_QUAD* fMakePiece(ZS_TEXTURE* texture, ZS_TRANSFORM3* parent)
{
    ZC_QUAD* piece = new ZC_QUAD(texture, nullptr);
    piece->fGetTransform()->parent = parent;
    return piece;
}

void ZS_TRACK_PICTURES::fMake(ZS_TEXTURE* texture, ZS_TRANSFORM3* start, ZS_TRANSFORM3* end, ZS_TRANSFORM3* thumbAt,
                              ZS_TRANSFORM3* widget)
{
    fDelete();
    startButton = new ZC_QUAD(texture, start);
    endButton = new ZC_QUAD(texture, end);
    thumb = new ZC_QUAD(texture, thumbAt);
    startCap = fMakePiece(texture, widget);
    endCap = fMakePiece(texture, widget);
    middle = fMakePiece(texture, widget);
}

void ZS_TRACK_PICTURES::fDelete()
{
    for (ZC_QUAD** q : {&startButton, &endButton, &thumb, &startCap, &endCap, &middle})
    {
        delete *q;
        *q = nullptr;
    }
}

void ZS_TRACK_PICTURES::fShowCells(int cells, int32_t startState, int32_t endState, int32_t thumbState)
{
    if (!fExists())
        return;
    startButton->fSetFrame(cells, 1, startState, false);
    endButton->fSetFrame(cells, 1, endState + 3, false);
    thumb->fSetFrame(cells, 1, thumbState + 6, false);
    startCap->fSetFrame(cells, 1, 9, false);
    endCap->fSetFrame(cells, 1, 11, false);
}

void ZS_TRACK_PICTURES::fTurn(float a, float quarter)
{
    for (ZC_QUAD* q : {startButton, endButton, thumb, startCap, endCap})
        q->fGetTransform()->fSetRotationZ(a);
    middle->fGetTransform()->fSetRotationZ(a - quarter);
}

void ZS_TRACK_PICTURES::fSetTexture(ZS_TEXTURE* texture)
{
    for (ZC_QUAD* q : {startButton, endButton, thumb, startCap, endCap, middle})
        if (q)
            q->fSetTexture(texture);
}

void ZS_TRACK_PICTURES::fDrawTrack()
{
    for (ZC_QUAD* q : {startCap, endCap, middle})
        if (q)
            q->fDrawInWorld();
}

void ZS_TRACK_PICTURES::fDrawParts()
{
    for (ZC_QUAD* q : {startButton, endButton, thumb})
        if (q)
            q->fDrawInWorld();
}

bool fReadSliderArgs(pugi::xml_node element, ZS_SLIDER_ARGS* args)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE", "START", "END"}))
        return false;
    args->id = element.attribute("ID").as_int();
    args->texture = element.attribute("TEXTURE").value();
    ZS_VECTOR2* ends[2] = {&args->start, &args->end};
    const char* names[2] = {"START", "END"};
    for (int i = 0; i < 2; ++i)
    {
        std::vector<float> n = fReadFloatList(element.attribute(names[i]).value());
        n.resize(2, 0.0f);
        ends[i]->fSet(n[0], n[1]);
    }
    args->radius = element.attribute("RADIUS").as_float(20.0f);
    args->buttonFactor = element.attribute("BTN_DISTANCE").as_float(1.5f);
    args->min = element.attribute("MIN").as_float(0.0f);
    args->max = element.attribute("MAX").as_float(100.0f);
    args->step = element.attribute("STEP").as_float(5.0f);
    args->value = element.attribute("VALUE").as_float(0.0f);
    // The slider's box is worked in whole pixels: ends or a radius beyond any screen make none.
    return fIsPixel(args->start.x) && fIsPixel(args->start.y) && fIsPixel(args->end.x) && fIsPixel(args->end.y) &&
           fIsPixel(args->radius);
}
}

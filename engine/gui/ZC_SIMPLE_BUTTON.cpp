#include "engine/gui/ZC_SIMPLE_BUTTON.h"

#include "engine/core/ZC_INPUT.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"

namespace ZOR
{
namespace
{
const int kLeft = 1;
const int kRight = 2;
const int kFrames = 5;
const int kCentre = 4;

bool fPointerIn(const ZS_HIT_ZONE* zone)
{
    return zone && zcMOUSE_POSITION && zone->fContains(float(zcMOUSE_POSITION->x), float(zcMOUSE_POSITION->y));
}

bool fWentDown(int key)
{
    return zcINPUT && zcINPUT->fIsKeyPressed(key);
}

bool fWentUp(int key)
{
    return zcINPUT && zcINPUT->fIsKeyReleased(key);
}

void fFire(ZS_CALLBACK* record)
{
    if (record)
        fInvoke(record);
}
}

void ZC_SIMPLE_BUTTON::fInit(ZS_TEXTURE* texture, ZS_TRANSFORM3* atransform, int32_t kind, float width, float height)
{
    fFree();
    ownsTransform = false;
    fInitParts(texture, atransform, kind, width, height);
}

void ZC_SIMPLE_BUTTON::fInitParts(ZS_TEXTURE* texture, ZS_TRANSFORM3* atransform, int32_t kind, float width,
                                  float height)
{
    state = 0;
    transform = atransform;
    if (!transform)
    {
        transform = new ZS_TRANSFORM3;
        ownsTransform = true;
    }
    picture = new ZC_QUAD(texture, transform);
    if (kind == ZS_HIT_ZONE::KIND_CIRCLE && height == 0.0f)
        height = width;
    const float w = width != 0.0f ? width : picture->fGetWidth() / float(kFrames);
    const float h = height != 0.0f ? height : picture->fGetHeight();
    zone = new ZS_HIT_ZONE;
    zone->fSet(kind, transform, w, h, 0.0f, 0);
    // A circle's width is its diameter.
    if (kind == ZS_HIT_ZONE::KIND_CIRCLE)
        zone->fSetRadius(w / 2.0f);
    onEnter = onLeave = onDown = onLeftClick = onRightClick = nullptr;
    picture->fSetSize(int(w), int(h));
    picture->fSetHotSpot(kCentre, 0.0f, 0.0f);
    fShowFrame(state);
    leftHeld = rightHeld = false;
}

void ZC_SIMPLE_BUTTON::fShowFrame(int32_t frame)
{
    if (picture)
        picture->fSetFrame(kFrames, 1, frame, false);
}

int ZC_SIMPLE_BUTTON::fUpdate()
{
    const bool inside = fPointerIn(zone);
    switch (state)
    {
    case 0:
        if (inside)
        {
            state = 1;
            fFire(onEnter);
            if (fWentDown(kLeft))
            {
                state = 2;
                leftHeld = true;
                fFire(onDown);
                return 2;
            }
        }
        return state;
    case 1:
        if (!inside)
        {
            state = 0;
            leftHeld = rightHeld = false;
            fFire(onLeave);
        }
        else
        {
            if (fWentDown(kLeft))
            {
                leftHeld = true;
                state = 2;
                fFire(onDown);
            }
            if (fWentDown(kRight))
            {
                rightHeld = true;
                state = 2;
                fFire(onDown);
            }
        }
        fShowFrame(state);
        return 0;
    case 2:
        if (!inside)
        {
            state = 0;
            leftHeld = rightHeld = false;
            fFire(onLeave);
        }
        // A click is counted when the last held button goes up.
        if (leftHeld && fWentUp(kLeft))
        {
            leftHeld = false;
            state = 1;
            fShowFrame(1);
            if (!rightHeld)
                fFire(onLeftClick);
            return SIMPLE_BUTTON_RELEASED;
        }
        if (rightHeld && fWentUp(kRight))
        {
            rightHeld = false;
            state = 1;
            fShowFrame(1);
            if (!leftHeld)
                fFire(onRightClick);
            return SIMPLE_BUTTON_RELEASED;
        }
        fShowFrame(state);
        return 0;
    case 3:
    case 4:
        return 0;
    default:
        fShowFrame(state);
        return 0;
    }
}

void ZC_SIMPLE_BUTTON::fReset()
{
    state = 0;
    fShowFrame(0);
}

ZS_TEXTURE* ZC_SIMPLE_BUTTON::fGetTexture() const
{
    return picture ? picture->fGetTexture() : nullptr;
}

void ZC_SIMPLE_BUTTON::fFree()
{
    delete picture;
    picture = nullptr;
    delete zone;
    zone = nullptr;
    if (ownsTransform)
        delete transform;
    transform = nullptr;
    ownsTransform = false;
}

void ZC_SIMPLE_TOGGLE::fInit(ZS_TEXTURE* texture)
{
    fFree();
    state = STATE_NORMAL;
    transform = new ZS_TRANSFORM3;
    picture = new ZC_QUAD(texture, transform);
    const float w = picture->fGetWidth() / float(kFrames), h = picture->fGetHeight();
    zone = new ZS_HIT_ZONE;
    zone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, w, h, 0.0f, 0);
    onEnter = onLeave = onDown = onLeftClick = onRightClick = nullptr;
    picture->fSetSize(int(w), int(h));
    picture->fSetHotSpot(kCentre, 0.0f, 0.0f);
    fShowFrame(0);
    pointerOverChecked = leftHeld = rightHeld = false;
}

void ZC_SIMPLE_TOGGLE::fFree()
{
    delete picture;
    picture = nullptr;
    delete zone;
    zone = nullptr;
    delete transform;
    transform = nullptr;
}

void ZC_SIMPLE_TOGGLE::fShowFrame(int32_t frame)
{
    if (picture)
        picture->fSetFrame(kFrames, 1, frame, false);
}

int ZC_SIMPLE_TOGGLE::fHover(bool inside)
{
    if (!inside)
    {
        state = STATE_NORMAL;
        leftHeld = rightHeld = false;
        fFire(onLeave);
    }
    else
    {
        if (fWentDown(kLeft))
        {
            leftHeld = true;
            state = STATE_PRESSED;
            fFire(onDown);
        }
        if (fWentDown(kRight))
        {
            rightHeld = true;
            state = STATE_PRESSED;
            fFire(onDown);
        }
    }
    fShowFrame(state);
    return 0;
}

int ZC_SIMPLE_TOGGLE::fUpdate()
{
    const bool inside = fPointerIn(zone);
    switch (state)
    {
    case STATE_NORMAL:
        if (inside)
        {
            state = STATE_OVER;
            fFire(onEnter);
            fShowFrame(STATE_OVER);
        }
        return 0;
    case STATE_OVER:
        return fHover(inside);
    case STATE_PRESSED:
        if (leftHeld && fWentUp(kLeft))
        {
            leftHeld = false;
            state = STATE_CHECKED;
            fShowFrame(STATE_CHECKED);
            if (!rightHeld)
                fFire(onLeftClick);
            return SIMPLE_BUTTON_RELEASED;
        }
        if (rightHeld && fWentUp(kRight))
        {
            rightHeld = false;
            state = STATE_CHECKED;
            fShowFrame(STATE_CHECKED);
            if (!leftHeld)
                fFire(onRightClick);
            return SIMPLE_BUTTON_RELEASED;
        }
        return fHover(inside);
    case STATE_CHECKED:
        if (leftHeld && fWentUp(kLeft))
        {
            leftHeld = false;
            if (rightHeld)
                return SIMPLE_BUTTON_RELEASED;
            state = STATE_OVER;
            fShowFrame(STATE_OVER);
            fFire(onLeftClick);
            return SIMPLE_BUTTON_RELEASED;
        }
        if (rightHeld && fWentUp(kRight))
        {
            rightHeld = false;
            if (leftHeld)
                return SIMPLE_BUTTON_RELEASED;
            state = STATE_OVER;
            fShowFrame(STATE_OVER);
            fFire(onRightClick);
            return SIMPLE_BUTTON_RELEASED;
        }
        if (inside)
        {
            pointerOverChecked = true;
            if (fWentDown(kLeft))
            {
                leftHeld = true;
                fFire(onDown);
            }
            if (fWentDown(kRight))
            {
                rightHeld = true;
                fFire(onDown);
            }
        }
        else
            pointerOverChecked = leftHeld = rightHeld = false;
        return 0;
    case STATE_FROZEN:
        return 0;
    default:
        fShowFrame(state);
        return 0;
    }
}

void ZC_SIMPLE_TOGGLE::fDraw()
{
    if (!picture)
        return;
    if (state == STATE_CHECKED)
    {
        // The hover look underneath, the check mark on top.
        const int32_t under = !pointerOverChecked ? 0 : (leftHeld || rightHeld) ? 2 : 1;
        fShowFrame(under);
        picture->fDraw();
        fShowFrame(STATE_CHECKED);
    }
    picture->fDraw();
}
}

#pragma once
#include <cstdint>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_HIT_ZONE;
struct ZS_TEXTURE;

// Buttons outside any widget tree: polled once per call of fUpdate, they answer with their
// return value and fire their callback records with no argument (so the record's target is
// passed). The texture holds five equal frames side by side: 0 normal, 1 pointer over,
// 2 pressed, 3 checked (toggle only), 4 disabled. Mouse buttons are keys 1 (left) and 2 (right).
enum
{
    SIMPLE_BUTTON_RELEASED = -102 // fUpdate's answer when a held button went up
};

class ZC_SIMPLE_BUTTON
{
public:
    ZC_SIMPLE_BUTTON() = default;
    ~ZC_SIMPLE_BUTTON() { fFree(); }
    ZC_SIMPLE_BUTTON(const ZC_SIMPLE_BUTTON&) = delete;
    ZC_SIMPLE_BUTTON& operator=(const ZC_SIMPLE_BUTTON&) = delete;

    // transform null: the button makes and owns one. kind: 1 circle, 2 rectangle. Width or
    // height 0 takes one frame's width or the picture's height; a circle's width is its
    // diameter. An earlier init's parts are freed first.
    void fInit(ZS_TEXTURE* texture, ZS_TRANSFORM3* atransform, int32_t kind, float width, float height);
    // States 0 normal, 1 over, 2 pressed answer 0, except: 2 when a left press came with the
    // pointer entering in this call, -102 when a held button went up.
    int fUpdate();
    void fReset();
    ZS_TEXTURE* fGetTexture() const;
    // Deletes the picture, the zone and an owned transform.
    void fFree();

    int32_t fGetState() const { return state; }
    void fSetState(int32_t s) { state = s; }
    ZC_QUAD* fGetPicture() const { return picture; }
    ZS_HIT_ZONE* fGetZone() const { return zone; }
    ZS_TRANSFORM3* fGetTransform() const { return transform; }
    bool fIsLeftHeld() const { return leftHeld; }
    bool fIsRightHeld() const { return rightHeld; }

    ZS_CALLBACK* onEnter = nullptr; // the owner's records; not deleted by the button
    ZS_CALLBACK* onLeave = nullptr;
    ZS_CALLBACK* onDown = nullptr;
    ZS_CALLBACK* onLeftClick = nullptr;
    ZS_CALLBACK* onRightClick = nullptr;

private:
    void fInitParts(ZS_TEXTURE* texture, ZS_TRANSFORM3* atransform, int32_t kind, float width, float height);
    void fShowFrame(int32_t frame);

    bool leftHeld = false;
    bool rightHeld = false;
    int32_t state = 0;
    ZC_QUAD* picture = nullptr;
    ZS_HIT_ZONE* zone = nullptr;
    ZS_TRANSFORM3* transform = nullptr;
    bool ownsTransform = false;
};

// A button that stays checked after a click and is unchecked by the next one. While checked
// it draws its hover frame with the checked frame on top.
class ZC_SIMPLE_TOGGLE
{
public:
    enum
    {
        STATE_NORMAL = 0,
        STATE_OVER = 1,
        STATE_PRESSED = 2,
        STATE_CHECKED = 3,
        STATE_FROZEN = 4
    };

    ZC_SIMPLE_TOGGLE() = default;
    ~ZC_SIMPLE_TOGGLE() { fFree(); }
    ZC_SIMPLE_TOGGLE(const ZC_SIMPLE_TOGGLE&) = delete;
    ZC_SIMPLE_TOGGLE& operator=(const ZC_SIMPLE_TOGGLE&) = delete;

    // A rectangle zone of one frame on a transform of its own. An earlier init's parts are freed first.
    void fInit(ZS_TEXTURE* texture);
    int fUpdate();
    void fDraw();
    void fFree();

    int32_t fGetState() const { return state; }
    bool fIsChecked() const { return state == STATE_CHECKED; }
    ZC_QUAD* fGetPicture() const { return picture; }
    ZS_TRANSFORM3* fGetTransform() const { return transform; }

    ZS_CALLBACK* onEnter = nullptr; // the owner's records; not deleted by the toggle
    ZS_CALLBACK* onLeave = nullptr;
    ZS_CALLBACK* onDown = nullptr;
    ZS_CALLBACK* onLeftClick = nullptr;
    ZS_CALLBACK* onRightClick = nullptr;

private:
    // The steps of the hover state: leaving, or a press of either button.
    int fHover(bool inside);
    void fShowFrame(int32_t frame);

    bool pointerOverChecked = false;
    bool leftHeld = false;
    bool rightHeld = false;
    int32_t state = STATE_NORMAL;
    ZC_QUAD* picture = nullptr;
    ZS_HIT_ZONE* zone = nullptr;
    ZS_TRANSFORM3* transform = nullptr;
};
}

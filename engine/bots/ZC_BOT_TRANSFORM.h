#pragma once
#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
// Blends a transform's position, scale and rotation to a goal (the world form of the
// transform given) and sets the goal exactly at the end; pivot and parent are left alone.
class ZC_BOT_TRANSFORM : public ZC_BASE
{
public:
    ZC_BOT_TRANSFORM(ZS_TRANSFORM3* atarget, ZS_TRANSFORM3 agoal, float aduration, float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    void fBegin();
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* target;
    ZS_TRANSFORM3 start;
    ZS_TRANSFORM3 goal;
    float delay;
    float elapsed = 0.0f;
    float duration;
    ZS_CALLBACK callback = fEmptyCallback();
};

// Blends a transform toward one of two transforms on request; idle (update group 0, so a
// container does not tick it) between switches. Never finishes, never fires its callback.
class ZC_BOT_SWITCH : public ZC_BASE
{
public:
    ZC_BOT_SWITCH(ZS_TRANSFORM3* atarget, float aduration, ZS_TRANSFORM3 afirst, ZS_TRANSFORM3 asecond,
                  float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    // Starts a switch toward the second transform (true) or the first. A switch started
    // while one runs takes as long as the running one has run, so turning back midway
    // retraces the way in the same time.
    void fSwitchTo(bool toSecond);
    void fToggle();
    int fTick();

    ZS_TRANSFORM3* target;
    ZS_TRANSFORM3 first;
    ZS_TRANSFORM3 second;
    ZS_TRANSFORM3 captured;
    const ZS_TRANSFORM3* destination;
    float duration;
    float elapsed = 0.0f;
    float runningDuration;
    float delay;
    float delayCountdown = 0.0f;
    ZS_CALLBACK callback = fEmptyCallback();
};

// Turns a transform by a rotation (x, y, z radians) over a duration or at a speed, by
// steps; the turn ends where the steps add up to.
class ZC_BOT_ROTATE_ON : public ZC_BASE
{
public:
    ZC_BOT_ROTATE_ON(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float rx, float ry, float rz,
                     float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* target;
    ZS_VECTOR3 direction;
    float remaining;
    float speed;
    float delay;
    ZS_CALLBACK callback = fEmptyCallback();
};

// Turns toward a rotation: the change is taken at construction, even with a delay.
class ZC_BOT_ROTATE_TO : public ZC_BOT_ROTATE_ON
{
public:
    ZC_BOT_ROTATE_TO(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float rx, float ry, float rz,
                     float adelay);
};

// Scales a transform to a goal scale by steps and sets the goal exactly at the end.
class ZC_BOT_SCALE : public ZC_BASE
{
public:
    ZC_BOT_SCALE(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float sx, float sy, float sz, float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    void fBegin();
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* target;
    ZS_VECTOR3 change;
    float remaining; // holds the duration given until the start step
    float speed;
    ZS_VECTOR3 goal;
    ZS_CALLBACK callback = fEmptyCallback();
    float delay;
};

// Zooms a transform into a point of the screen (game pixels) and lets it spring back to
// where it began; its scale z ends 0. Keeps the plain object's name and key 0.
class ZC_BOT_ZOOM_INTO : public ZC_BASE
{
public:
    ZC_BOT_ZOOM_INTO(ZS_TRANSFORM3* atarget, ZS_VECTOR2 afocus, float aduration, const ZS_CALLBACK* acallback,
                     float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    void fBegin();
    void fStep(float p);
    int fTick();
    void fFinish();

    float duration;
    float delay;
    float elapsed = 0.0f;
    float zoomAmount = 0.0f;
    float shiftX = 0.0f;
    float shiftY = 0.0f;
    ZS_TRANSFORM3 own;
    ZS_TRANSFORM3* target;
    ZS_TRANSFORM3 start;
    ZS_VECTOR2 focus;
    ZS_CALLBACK callback = fEmptyCallback();
};

// Wobbles a transform's scale: a linear growth from the start scale toward the end scale,
// then a damped sine about the end scale; the end scale exactly when it finishes. A looping
// blob starts again instead of finishing.
class ZC_BOT_BLOB : public ZC_BASE
{
public:
    ZC_BOT_BLOB(ZS_TRANSFORM3* atarget, float aduration, float aamplitude, float afrequency, float adamping,
                float astartScale, float aendScale, float adelay, bool aloop);
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();
    void fFinish();

    float duration;
    float frequency;
    float amplitude;
    float damping;
    float startScale;
    float endScale;
    float delay; // kept for restarts
    bool loop;
    bool reached = false;
    ZS_CALLBACK callback = fEmptyCallback();
    ZS_TRANSFORM3* target;
    float elapsed = 0.0f;
    float delayCountdown;

private:
    void fSetScale(float s);
};

ZC_BOT_TRANSFORM* fCreateBotTransform(ZS_TRANSFORM3* target, ZS_TRANSFORM3 goal, float duration, float delay);
ZC_BOT_SWITCH* fCreateBotSwitch(ZS_TRANSFORM3* target, float duration, ZS_TRANSFORM3 first, ZS_TRANSFORM3 second,
                                float delay);
ZC_BOT_ROTATE_ON* fCreateBotRotateOn(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                                     float delay);
ZC_BOT_ROTATE_TO* fCreateBotRotateTo(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                                     float delay);
ZC_BOT_SCALE* fCreateBotScale(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                              float delay);
ZC_BOT_ZOOM_INTO* fCreateBotZoomInto(ZS_TRANSFORM3* target, ZS_VECTOR2 focus, float duration);
ZC_BOT_BLOB* fCreateBotBlob(ZS_TRANSFORM3* target, float duration, float amplitude, float frequency, float damping,
                            float startScale, float endScale, float delay, bool loop);
}

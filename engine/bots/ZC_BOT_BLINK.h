#pragma once
#include <cstdint>

#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZS_COLOR.h"
#include "engine/render/ZC_MESH.h"

namespace ZOR
{
// The random alpha blinkers of a mesh. They work in bursts of a number of changes followed
// by a pause (0 changes per burst: no bursts). When their time runs out (and they are not
// endless) a bursting blinker leaves the mesh fully opaque, fires its callback and
// finishes; one without bursts carries on for ever.
class ZC_BOT_BLINK : public ZC_BASE
{
public:
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();

    ZC_MESH* mesh;
    int alphaMin;
    int alphaMax;         // random alphas lie in [alpha min, alpha max)
    float spanMin;        // a change lasts a random time in [span min, span max]
    float spanMax;
    int perBurst;
    float pause;
    float time;
    uint8_t endless;
    float delay;
    ZS_CALLBACK callback = fEmptyCallback();
    int count = 0;        // changes in the running burst
    float pauseRemaining;
    ZS_COLOR color;

protected:
    ZC_BOT_BLINK(const char* kind, ZC_MESH* amesh, int aalphaMin, int aalphaMax, float aspanMin, float aspanMax,
                 int aperBurst, float apause, bool aendless, float atime, float adelay);
    // One running tick of the kind, before the time is counted down.
    virtual void fStep() = 0;
    // The mesh gets its colour with this alpha, clamped to a byte.
    void fSetAlpha(float alpha);
    int fMeshAlpha() const;
};

// Lets the alpha drift in ramps between random levels.
class ZC_BOT_BLINK_ANALOG : public ZC_BOT_BLINK
{
public:
    ZC_BOT_BLINK_ANALOG(ZC_MESH* amesh, int aalphaMin, int aalphaMax, float asegmentMin, float asegmentMax,
                        int asegmentsPerBurst, float apause, bool aendless, float atime, float adelay);

    float fromAlpha;
    float toAlpha;
    float currentAlpha;
    float segmentRemaining = 0.0f;
    float rate = 0.0f; // alpha per second

protected:
    void fStep() override;
};

// Makes the alpha jump between random levels, holding each for a random time.
class ZC_BOT_BLINK_PULSE : public ZC_BOT_BLINK
{
public:
    ZC_BOT_BLINK_PULSE(ZC_MESH* amesh, int aalphaMin, int aalphaMax, float aholdMin, float aholdMax,
                       int apulsesPerBurst, float apause, bool aendless, float atime, float adelay);

    int currentAlpha;
    float holdRemaining;

protected:
    void fStep() override;
};

// Fades a mesh out (or in) and back a number of times once started, holding between fades;
// each fade stops one step short of the full change. Idle until started, idle again when its
// fades are used up; it never finishes and takes no callback.
class ZC_BOT_LAZY_BLINKER : public ZC_BASE
{
public:
    ZC_BOT_LAZY_BLINKER(ZC_MESH* amesh, int afadeOut, float afadeTime, float aholdTime, float aextra);
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();
    // fades 0: endless.
    void fStart(int fades, float adelay);
    void fBlinkOnce(float adelay) { fStart(1, adelay); }
    void fToggleOnce(float adelay);
    void fBlinkTo(int afadeOut, float adelay);
    void fBegin();

    ZC_MESH* mesh;
    float fadeTime;
    float holdTime;
    int fadeOut; // toward alpha 0 when set, toward opaque when clear
    float fadeRemaining;
    float holdRemaining;
    int fadesLeft = 0;
    float delay = 0.0f;
    uint8_t endless = 0;
    ZS_COLORF startColor;
    ZS_COLORF change;
    float extra; // kept, no effect
};

ZC_BOT_BLINK_ANALOG* fCreateBotBlinkAnalog(ZC_MESH* mesh, int alphaMin, int alphaMax, float segmentMin,
                                           float segmentMax, int segmentsPerBurst, float pause, bool endless,
                                           float time, float delay);
ZC_BOT_BLINK_PULSE* fCreateBotBlinkPulse(ZC_MESH* mesh, int alphaMin, int alphaMax, float holdMin, float holdMax,
                                         int pulsesPerBurst, float pause, bool endless, float time, float delay);
ZC_BOT_LAZY_BLINKER* fCreateBotLazyBlinker(ZC_MESH* mesh, int fadeOut, float fadeTime, float holdTime, float extra);
}

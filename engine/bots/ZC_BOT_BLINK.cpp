#include "engine/bots/ZC_BOT_BLINK.h"

#include <algorithm>

#include "engine/core/ZC_RANDOM.h"

namespace ZOR
{
namespace
{
// The engine's generator; before it exists, one of the bots' own with the same seed.
ZC_RANDOM& fRandom()
{
    static ZC_RANDOM fallback(0);
    return zcRANDOM ? *zcRANDOM : fallback;
}
}

// ---------------------------------------------------------------- ZC_BOT_BLINK

ZC_BOT_BLINK::ZC_BOT_BLINK(const char* kind, ZC_MESH* amesh, int aalphaMin, int aalphaMax, float aspanMin,
                           float aspanMax, int aperBurst, float apause, bool aendless, float atime, float adelay)
    : mesh(amesh), alphaMin(aalphaMin), alphaMax(aalphaMax), spanMin(aspanMin), spanMax(aspanMax),
      perBurst(aperBurst), pause(apause), time(atime), endless(aendless), delay(adelay), pauseRemaining(apause)
{
    fMakeBot(this, kind);
}

int ZC_BOT_BLINK::fMeshAlpha() const
{
    return mesh ? int(mesh->fGetColor() >> 24) : 255;
}

void ZC_BOT_BLINK::fSetAlpha(float alpha)
{
    if (mesh)
        color = ZS_COLOR(mesh->fGetColor());
    // A ramp's last step may overshoot past 0 or 255; its low byte would flash the other way.
    color.a = uint8_t(std::clamp(int(alpha), 0, 255));
    if (mesh)
        mesh->fSetColor(color.fToPacked());
}

int ZC_BOT_BLINK::fTick()
{
    if (fCountDelay(&delay) != zcDELAY_OVER)
        return 0;
    if (time <= 0.0f && !endless && perBurst != 0)
    {
        fSetAlpha(255.0f);
        fInvoke(&callback);
        return zcANSWER_DELETE_ME;
    }
    if (perBurst != 0 && count >= perBurst)
    {
        if (pauseRemaining > 0.0f)
        {
            pauseRemaining -= zcFRAME_DELTA;
            time -= zcFRAME_DELTA;
            return 0;
        }
        count = 0;
        pauseRemaining = pause;
    }
    fStep();
    time -= zcFRAME_DELTA;
    return 0;
}

int ZC_BOT_BLINK::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer<false>(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_BLINK_ANALOG

ZC_BOT_BLINK_ANALOG::ZC_BOT_BLINK_ANALOG(ZC_MESH* amesh, int aalphaMin, int aalphaMax, float asegmentMin,
                                         float asegmentMax, int asegmentsPerBurst, float apause, bool aendless,
                                         float atime, float adelay)
    : ZC_BOT_BLINK("blink_analog", amesh, aalphaMin, aalphaMax, asegmentMin, asegmentMax, asegmentsPerBurst, apause,
                   aendless, atime, adelay)
{
    fromAlpha = toAlpha = currentAlpha = float(fMeshAlpha());
}

void ZC_BOT_BLINK_ANALOG::fStep()
{
    if (segmentRemaining <= 0.0f)
    {
        segmentRemaining = fRandom().fRangeFloat(spanMin, spanMax);
        fromAlpha = toAlpha;
        toAlpha = float(fRandom().fRangeInt(alphaMin, alphaMax));
        if (segmentRemaining > 0.0f)
            rate = (toAlpha - fromAlpha) / segmentRemaining;
        else
        {
            // A segment without time: jump instead of dividing by it.
            rate = 0.0f;
            currentAlpha = toAlpha;
        }
        ++count;
    }
    currentAlpha += rate * zcFRAME_DELTA;
    fSetAlpha(currentAlpha);
    segmentRemaining -= zcFRAME_DELTA;
}

// ---------------------------------------------------------------- ZC_BOT_BLINK_PULSE

ZC_BOT_BLINK_PULSE::ZC_BOT_BLINK_PULSE(ZC_MESH* amesh, int aalphaMin, int aalphaMax, float aholdMin, float aholdMax,
                                       int apulsesPerBurst, float apause, bool aendless, float atime, float adelay)
    : ZC_BOT_BLINK("blink_pulse", amesh, aalphaMin, aalphaMax, aholdMin, aholdMax, apulsesPerBurst, apause,
                   aendless, atime, adelay),
      currentAlpha(fMeshAlpha()), holdRemaining(fRandom().fRangeFloat(aholdMin, aholdMax))
{
}

void ZC_BOT_BLINK_PULSE::fStep()
{
    if (holdRemaining <= 0.0f)
    {
        holdRemaining = fRandom().fRangeFloat(spanMin, spanMax);
        currentAlpha = fRandom().fRangeInt(alphaMin, alphaMax);
        fSetAlpha(float(currentAlpha));
        ++count;
    }
    holdRemaining -= zcFRAME_DELTA;
}

// ---------------------------------------------------------------- ZC_BOT_LAZY_BLINKER

ZC_BOT_LAZY_BLINKER::ZC_BOT_LAZY_BLINKER(ZC_MESH* amesh, int afadeOut, float afadeTime, float aholdTime,
                                         float aextra)
    : mesh(amesh), fadeTime(afadeTime), holdTime(aholdTime), fadeOut(afadeOut), fadeRemaining(afadeTime),
      holdRemaining(aholdTime), extra(aextra)
{
    fMakeBot(this, "lazy_blinker");
}

void ZC_BOT_LAZY_BLINKER::fStart(int fades, float adelay)
{
    fadesLeft = fades;
    delay = adelay;
    endless = fades == 0;
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_LAZY_BLINKER::fToggleOnce(float adelay)
{
    fadeOut = !fadeOut;
    fStart(1, adelay);
}

void ZC_BOT_LAZY_BLINKER::fBlinkTo(int afadeOut, float adelay)
{
    fadeOut = afadeOut;
    fStart(1, adelay);
}

void ZC_BOT_LAZY_BLINKER::fBegin()
{
    startColor = mesh ? ZS_COLORF(mesh->fGetColor()) : ZS_COLORF(0xFFFFFFFFu);
    ZS_COLORF goal(startColor.r, startColor.g, startColor.b, fadeOut ? 0.0f : 1.0f);
    change = goal - startColor;
}

int ZC_BOT_LAZY_BLINKER::fTick()
{
    if (fDelaying(this))
        return 0;
    if (fadesLeft <= 0 && !endless)
        return 0;
    if (fadeRemaining > 0.0f)
    {
        ZS_COLORF c = startColor + change * ((fadeTime - fadeRemaining) / fadeTime);
        if (mesh)
            mesh->fSetColor(c.fToPacked());
        fadeRemaining -= zcFRAME_DELTA;
    }
    else if (holdRemaining > 0.0f)
        holdRemaining -= zcFRAME_DELTA;
    else
    {
        fadeOut = !fadeOut;
        fBegin();
        fadeRemaining = fadeTime;
        holdRemaining = holdTime;
        --fadesLeft;
    }
    return 0;
}

int ZC_BOT_LAZY_BLINKER::fMessage(int message, float, float, float, void*)
{
    return message == zcMESSAGE_TICK ? fTick() : 0;
}

// ---------------------------------------------------------------- creation

ZC_BOT_BLINK_ANALOG* fCreateBotBlinkAnalog(ZC_MESH* mesh, int alphaMin, int alphaMax, float segmentMin,
                                           float segmentMax, int segmentsPerBurst, float pause, bool endless,
                                           float time, float delay)
{
    return new ZC_BOT_BLINK_ANALOG(mesh, alphaMin, alphaMax, segmentMin, segmentMax, segmentsPerBurst, pause, endless,
                                   time, delay);
}

ZC_BOT_BLINK_PULSE* fCreateBotBlinkPulse(ZC_MESH* mesh, int alphaMin, int alphaMax, float holdMin, float holdMax,
                                         int pulsesPerBurst, float pause, bool endless, float time, float delay)
{
    return new ZC_BOT_BLINK_PULSE(mesh, alphaMin, alphaMax, holdMin, holdMax, pulsesPerBurst, pause, endless, time,
                                  delay);
}

ZC_BOT_LAZY_BLINKER* fCreateBotLazyBlinker(ZC_MESH* mesh, int fadeOut, float fadeTime, float holdTime, float extra)
{
    return new ZC_BOT_LAZY_BLINKER(mesh, fadeOut, fadeTime, holdTime, extra);
}
}

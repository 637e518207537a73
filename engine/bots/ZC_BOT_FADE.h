#pragma once
#include <cstdint>

#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZS_COLOR.h"
#include "engine/render/ZC_MESH.h"

namespace ZOR
{
// How a fade reads and writes what it colours; overloads for other targets sit beside them.
inline ZS_COLOR fReadFadeColor(const ZS_COLOR* target) { return *target; }
inline void fWriteFadeColor(ZS_COLOR* target, const ZS_COLOR& c) { *target = c; }
// A mesh is read through its vertex 0 and written to all its vertices.
inline ZS_COLOR fReadFadeColor(const ZC_MESH* target) { return ZS_COLOR(target->fGetColor()); }
inline void fWriteFadeColor(ZC_MESH* target, const ZS_COLOR& c) { target->fSetColor(c.fToPacked()); }

// A linear fade, channel by channel, from the target's colour when the delay runs out to a
// given colour over a duration; it finishes with exactly that colour. A duration of 0
// finishes at the first tick after the delay.
template <class TARGET>
class ZT_BOT_COLOR_FADE : public ZC_BASE
{
public:
    ZT_BOT_COLOR_FADE(TARGET* atarget, float aduration, uint32_t acolor, float adelay)
        : target(atarget), targetColor(acolor), duration(aduration), remaining(aduration), delay(adelay)
    {
        fMakeBot(this, "color");
        if (delay == 0.0f)
            fBegin();
    }

    int fMessage(int message, float, float, float, void* data) override { return fBotAnswer(this, message, data); }

    void fBegin()
    {
        if (target)
            startColor = fReadFadeColor(target);
        diffRed = int(targetColor.r) - int(startColor.r);
        diffGreen = int(targetColor.g) - int(startColor.g);
        diffBlue = int(targetColor.b) - int(startColor.b);
        diffAlpha = int(targetColor.a) - int(startColor.a);
    }

    int fTick()
    {
        if (fDelaying(this))
            return 0;
        if (remaining <= 0.0f)
        {
            fFinish();
            return zcANSWER_DELETE_ME;
        }
        if (target)
            fWriteFadeColor(target, ZS_COLOR(fChannel(startColor.a, diffAlpha), fChannel(startColor.r, diffRed),
                                             fChannel(startColor.g, diffGreen), fChannel(startColor.b, diffBlue)));
        elapsed += zcFRAME_DELTA;
        remaining -= zcFRAME_DELTA;
        return 0;
    }

    void fFinish()
    {
        remaining = 0.0f;
        if (target)
            fWriteFadeColor(target, targetColor);
        fInvoke(&callback);
    }

    TARGET* target;
    ZS_COLOR targetColor;
    int diffRed = 0;
    int diffGreen = 0;
    int diffBlue = 0;
    int diffAlpha = 0;
    ZS_COLOR startColor;
    float elapsed = 0.0f;
    float duration;
    float remaining;
    float delay;
    ZS_CALLBACK callback = fEmptyCallback();

private:
    // Truncated toward zero, so a last step a little past the duration cannot wrap a byte.
    int fChannel(uint8_t start, int difference) const
    {
        return int(float(start) + elapsed * float(difference) / duration);
    }
};

// Fades a mesh's vertex colours.
class ZC_BOT_COLOR : public ZT_BOT_COLOR_FADE<ZC_MESH>
{
public:
    using ZT_BOT_COLOR_FADE<ZC_MESH>::ZT_BOT_COLOR_FADE;
};

// Fades a plain packed colour variable.
class ZC_BOT_COLOR_JS : public ZT_BOT_COLOR_FADE<ZS_COLOR>
{
public:
    using ZT_BOT_COLOR_FADE<ZS_COLOR>::ZT_BOT_COLOR_FADE;
};

ZC_BOT_COLOR* fCreateBotColor(ZC_MESH* target, float duration, uint32_t color, float delay);
ZC_BOT_COLOR_JS* fCreateBotColorJs(ZS_COLOR* target, float duration, uint32_t color, float delay);
}

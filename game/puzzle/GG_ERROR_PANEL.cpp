#include "game/puzzle/GG_ERROR_PANEL.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TIMER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_ERROR_PANEL::~GG_ERROR_PANEL()
{
    fReset();
}

bool GG_ERROR_PANEL::fLoadXml(pugi::xml_node element)
{
    if (!element)
        return false;
    pugi::xml_attribute a = element.attribute("pos");
    if (!a)
        return false;
    position.fParse(a.value());
    if (!(a = element.attribute("grid")))
        return false;
    grid.fParse(a.value());
    if (!(a = element.attribute("interval")))
        return false;
    interval.fParse(a.value());
    if (!(a = element.attribute("ping")))
        return false;
    ping = a.as_float();
    // Slots are placed in whole pixels: a place, a gap or a grid beyond any screen would
    // overflow them (a side of more than 1000 slots fits no screen either).
    if (!fIsPixel(position.x) || !fIsPixel(position.y) || !fIsPixel(interval.x) || !fIsPixel(interval.y) ||
        grid.x < -1000 || grid.x > 1000 || grid.y < -1000 || grid.y > 1000)
        return false;
    pugi::xml_node node = element.child("sprite");
    if (!node)
        return false;
    icon.fLoadXml(node);
    if (!(node = element.child("sprite_lock")))
        return false;
    lock.fLoadXml(node);
    hasBackground = bool(node = element.child("background"));
    if (hasBackground)
        background.fLoadXml(node);
    return true;
}

void GG_ERROR_PANEL::fAddError()
{
    if (count + 1 > limit)
        return;
    ++count;
    pending.push_front(new G_ANIMATION(icon));
}

void GG_ERROR_PANEL::fUpdate()
{
    background.fUpdate();
    for (G_ANIMATION* placedIcon : placed)
        placedIcon->fUpdate();
    if (pending.empty())
        return;
    timer += zcFRAME_DELTA;
    if (timer < ping)
        return;
    G_ANIMATION* oldest = pending.back();
    pending.pop_back();
    oldest->fStart(0.0f);
    placed.push_back(oldest);
    timer = 0.0f;
}

float GG_ERROR_PANEL::fGetPendingTime() const
{
    const float fps = icon.fGetFps();
    const float playTime = fps > 0.0f ? float(icon.fGetFrameCount()) / fps : 0.0f;
    return float(pending.size()) * (playTime + ping);
}

void GG_ERROR_PANEL::fReset()
{
    for (G_ANIMATION* placedIcon : placed)
        delete placedIcon;
    placed.clear();
    for (G_ANIMATION* waiting : pending)
        delete waiting;
    pending.clear();
    count = 0;
}

ZS_VECTOR2 GG_ERROR_PANEL::fSlotPosition(int k) const
{
    const int columns = grid.x > 0 ? grid.x : 1;
    return ZS_VECTOR2(float(position.x + (k % columns) * (iconSize.x + interval.x)),
                      float(position.y + (k / columns) * (iconSize.y + interval.y)));
}

void GG_ERROR_PANEL::fDraw()
{
    if (hasBackground)
        background.fDraw();
    for (size_t k = 0; k < placed.size(); ++k)
    {
        const ZS_VECTOR2 at = fSlotPosition(int(k));
        placed[k]->fDrawAt(at.x, at.y, 0.0f, 1.0f, 1.0f);
    }
    // Locks on the slots past the limit, from the last slot backwards.
    const int slots = grid.x * grid.y;
    for (int k = slots - 1; k >= limit && k >= 0; --k)
    {
        const ZS_VECTOR2 at = fSlotPosition(k);
        lock.fDrawAt(at.x, at.y, 0.0f, 1.0f, 1.0f);
    }
}

void GG_ERROR_PANEL::fLoadResources()
{
    icon.fLoadTexture();
    if (hasBackground)
        background.fLoadTexture();
    lock.fLoadTexture();
    // A "SIZE" beyond any screen leaves the slots without the icon's room.
    iconSize = ZS_POINT(0, 0);
    fToPixel(icon.fGetWidth(), &iconSize.x);
    fToPixel(icon.fGetHeight(), &iconSize.y);
}

void GG_ERROR_PANEL::fUnloadResources()
{
    icon.fUnloadTexture();
    background.fUnloadTexture();
    lock.fUnloadTexture();
}
}

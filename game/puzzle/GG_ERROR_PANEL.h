#pragma once
#include <deque>
#include <vector>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "framework/G_ANIMATION.h"

namespace game
{
// One icon per wrong cell, placed one by one a short beat apart into a grid of slots, with a
// lock on every slot beyond the level's error limit.
class GG_ERROR_PANEL
{
public:
    GG_ERROR_PANEL() = default;
    ~GG_ERROR_PANEL();
    GG_ERROR_PANEL(const GG_ERROR_PANEL&) = delete;
    GG_ERROR_PANEL& operator=(const GG_ERROR_PANEL&) = delete;

    // The ambient file's "error_panel": "pos", "grid", "interval", "ping", "sprite" and
    // "sprite_lock" required, "background" optional; false at the first missing one.
    bool fLoadXml(pugi::xml_node element);
    void fSetLimit(int value) { limit = value; }
    int fGetLimit() const { return limit; }
    // Queues one icon unless the limit is reached.
    void fAddError();
    // Animations; places the oldest waiting icon once the beat has passed.
    void fUpdate();
    // Roughly the time until the last queued icon has been placed and played.
    float fGetPendingTime() const;
    // Removes every icon; the count starts again.
    void fReset();
    void fDraw();
    void fLoadResources();
    void fUnloadResources();

    int fGetCount() const { return count; }
    size_t fGetPlacedCount() const { return placed.size(); }
    size_t fGetPendingCount() const { return pending.size(); }
    ZOR::ZS_POINT fGetPosition() const { return position; }
    ZOR::ZS_POINT fGetGrid() const { return grid; }
    ZOR::ZS_POINT fGetInterval() const { return interval; }
    ZOR::ZS_POINT fGetIconSize() const { return iconSize; }
    float fGetPing() const { return ping; }
    // The panel's picture; null without one.
    const ZOR_GF::G_ANIMATION* fGetBackgroundSprite() const { return hasBackground ? &background : nullptr; }
    // Where slot k (from 0, row by row) is drawn.
    ZOR::ZS_VECTOR2 fSlotPosition(int k) const;

private:
    ZOR::ZS_POINT position;
    int limit = 0;
    int count = 0;
    float ping = 0.0f;
    float timer = 0.0f;
    ZOR::ZS_POINT grid;
    ZOR::ZS_POINT interval;
    ZOR::ZS_POINT iconSize;
    ZOR_GF::G_ANIMATION icon;
    ZOR_GF::G_ANIMATION background;
    ZOR_GF::G_ANIMATION lock;
    bool hasBackground = false;
    std::vector<ZOR_GF::G_ANIMATION*> placed;
    std::deque<ZOR_GF::G_ANIMATION*> pending; // newest first
};
}

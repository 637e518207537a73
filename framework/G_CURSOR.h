#pragma once
#include <string>

#include "framework/G_SPRITE.h"

namespace ZOR_GF
{
// The game's own mouse pointer: a sprite drawn at the pointer position at the end of a frame,
// its texture's top-left corner on the pointer's tip.
class G_CURSOR
{
public:
    G_CURSOR() = default;
    ~G_CURSOR();
    G_CURSOR(const G_CURSOR&) = delete;
    G_CURSOR& operator=(const G_CURSOR&) = delete;

    // A document whose first element has a child "file" naming the texture. False when the
    // document is missing or not well-formed; nothing changes then. A second load renames the
    // one sprite (reloading it when it was loaded).
    bool fLoad(const char* resourceName);
    void fSetEnabled(bool on) { enabled = on; }
    bool fIsEnabled() const { return enabled; }
    void fDraw();
    void fLoadTexture();
    void fUnloadTexture();
    G_SPRITE* fGetSprite() const { return sprite; }

private:
    bool enabled = true;
    G_SPRITE* sprite = nullptr;
};
}

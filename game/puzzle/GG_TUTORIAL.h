#pragma once
#include <cstdint>

#include <pugixml.hpp>

#include "game/puzzle/cControlDelegate.h"

namespace game
{
// The scripted tutorial of the first levels, as the game object drives it. This is the
// stand-in the game starts with: it reads nothing and never runs, so every level plays
// without tutorial steps; the real script (steps, arrow, panel, skip question) replaces it
// behind the same operations.
class GG_TUTORIAL : public cControlDelegate
{
public:
    GG_TUTORIAL() = default;
    GG_TUTORIAL(const GG_TUTORIAL&) = delete;
    GG_TUTORIAL& operator=(const GG_TUTORIAL&) = delete;

    // The document's "tutorial" element.
    void fLoadXml(pugi::xml_node) {}
    // True when the level has steps (then the game loads the tutorial's resources).
    bool fStartForLevel(int32_t) { return false; }
    void fLoadResources() {}
    void fUnloadResources() {}
    void fOnKeyDown(int) {}
    void fOnKeyUp(int) {}
    void fOnMouseMove() {}
    void fUpdate() {}
    void fDraw() {}
    bool fIsRunning() const { return false; }
};
}

#pragma once
#include "framework/G_GAMEPLAY.h"

namespace game
{
class GG_ELEMENT;

// The level screen: the game's one gameplay. So far it declares what the solving process calls
// back while it judges a released line; the level screen's own work (set-up, input, HUD, win
// and loss) completes the class. The hooks are virtual so that a stand-in can hear them.
class GG_GAMEPLAY : public ZOR_GF::G_GAMEPLAY
{
public:
    GG_GAMEPLAY() = default;

    // A cell judged right, already solved (and counted in the progress when it is a picture
    // cell); its clues are crossed after this returns.
    virtual void fOnCorrectCell(GG_ELEMENT* cell);
    // A cell judged wrong: it opened all the same and shows its truth.
    virtual void fOnMistake(GG_ELEMENT* cell);
    // Once after every judged line.
    virtual void fCheckWin();

    // The hint flight's vertical offsets of its two control points and its speed, read from
    // the effects file's "hint_fly"; zero until that element is read.
    int hintDeflection1 = 0;
    int hintDeflection2 = 0;
    float hintSpeed = 0.0f;
};
}

#include "game/puzzle/GG_ELEMENT.h"

#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TIMER.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_ELEMENT::GG_ELEMENT(int akind, int arow, int acolumn)
    : row(arow), column(acolumn), kind(akind), shown(akind == CELL_FIXED ? CELL_FIXED : CELL_CLOSED),
      lock(fGetDefaultTexture(), nullptr)
{
    fAttach(filled);
    fAttach(cross);
    fAttach(openAnimation);
    lock.transform->parent = &transform;
}

void GG_ELEMENT::fAttach(G_ANIMATION& animation)
{
    if (animation.transform)
        animation.transform->parent = &transform;
}

void GG_ELEMENT::fSetSize(ZS_VECTOR2 cellSize)
{
    size = cellSize;
    fUpdateRect();
}

void GG_ELEMENT::fSetPosition(ZS_VECTOR2 centre)
{
    transform.fSetPosition(centre.x, centre.y, 0.0f);
    fUpdateRect();
}

void GG_ELEMENT::fUpdateRect()
{
    corner.x = int(transform.position.x - size.x * 0.5f);
    corner.y = int(transform.position.y - size.y * 0.5f);
}

int GG_ELEMENT::fHitTest(int button) const
{
    if (blocked || (button != 1 && button != 2) || !zcMOUSE_POSITION)
        return 0;
    const float x = float(zcMOUSE_POSITION->x), y = float(zcMOUSE_POSITION->y);
    const bool inside = float(corner.x) <= x && x <= float(corner.x) + size.x && float(corner.y) <= y &&
                        y <= float(corner.y) + size.y;
    return inside ? zcANSWER_TAKEN : 0;
}

int GG_ELEMENT::fFill(float delay)
{
    return fJudge(delay, CELL_PICTURE);
}

int GG_ELEMENT::fCross(float delay)
{
    return fJudge(delay, CELL_EMPTY);
}

int GG_ELEMENT::fJudge(float delay, int tool)
{
    if (fIsSolved() || kind == CELL_FIXED)
        return JUDGED_NOTHING;
    revealDelay = delay;
    shown = kind;
    // The opened cell is drawn from now on: its sprites wait out of sight until the reveal.
    filled.fSetPosition(-1000.0f, -1000.0f, 0.0f);
    cross.fSetPosition(-1000.0f, -1000.0f, 0.0f);
    if (delay == 0.0f)
        fReveal(kind);
    return tool == kind ? JUDGED_RIGHT : JUDGED_WRONG;
}

void GG_ELEMENT::fReveal(int state)
{
    shown = state;
    filled.fSetPosition(0.0f, 0.0f, 0.0f);
    cross.fSetPosition(0.0f, 0.0f, 0.0f);
    if (kind == CELL_PICTURE)
    {
        filled.fStart(0.0f);
        fAttach(filled);
    }
    else if (kind == CELL_EMPTY)
    {
        cross.fStart(0.0f);
        fAttach(cross);
    }
}

int GG_ELEMENT::fUpdate()
{
    if (revealDelay > 0.0f)
    {
        revealDelay -= zcFRAME_DELTA;
        if (revealDelay <= 0.0f)
        {
            fReveal(kind);
            if (!revealSound.empty())
                fPlayPuzzleSound(revealSound.c_str());
        }
        return 0;
    }
    openAnimation.fUpdate();
    filled.fUpdate();
    cross.fUpdate();
    return 0;
}

void GG_ELEMENT::fSetOpenAnimation(const G_ANIMATION& animation)
{
    openAnimation = animation;
    fAttach(openAnimation);
}

void GG_ELEMENT::fLoadResources(const GG_LEVEL_SETTINGS& skin)
{
    // The copies fetch counted references of the skin's textures when the skin is loaded.
    filled = skin.yes;
    cross = skin.no;
    // Hung from the cell at once, so that a cell already open when its resources come back
    // still draws on its own square.
    fAttach(filled);
    fAttach(cross);
    lock.fSetTexture(skin.locked.texture);
    filled.fSetSize(skin.yes.fGetWidth(), skin.yes.fGetHeight());
    cross.fSetSize(skin.no.fGetWidth(), skin.no.fGetHeight());
    // A skin picture that never got a size (its texture missing) leaves the overlay as it is.
    if (skin.locked.fGetWidth() >= 0.0f && skin.locked.fGetHeight() >= 0.0f)
        lock.fSetSize(int(skin.locked.fGetWidth()), int(skin.locked.fGetHeight()));
    filled.fSetHotSpot(skin.yes.fGetHotSpot(), 0.0f, 0.0f);
    cross.fSetHotSpot(skin.no.fGetHotSpot(), 0.0f, 0.0f);
    lock.fSetHotSpot(int(skin.locked.fGetHotSpot()), 0.0f, 0.0f);
    openAnimation.fLoadTexture();
}

void GG_ELEMENT::fUnloadResources()
{
    // The copies hold counted references: they are handed back, not just dropped.
    filled.fUnloadTexture();
    cross.fUnloadTexture();
    lock.fSetTexture(fGetDefaultTexture());
    openAnimation.fUnloadTexture();
}

void GG_ELEMENT::fDrawFilled()
{
    if (shown == CELL_PICTURE)
        filled.fDraw();
}

void GG_ELEMENT::fDrawCross()
{
    if (shown == CELL_EMPTY)
        cross.fDraw();
}

void GG_ELEMENT::fDrawLock()
{
    if (shown == CELL_FIXED || blocked)
        lock.fDrawInWorld();
}

void GG_ELEMENT::fDrawOpenAnimation()
{
    if (shown == CELL_PICTURE && openAnimation.fIsPlaying())
        openAnimation.fDraw();
}
}

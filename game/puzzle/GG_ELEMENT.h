#pragma once
#include <string>

#include "engine/core/ZS_POINT.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZC_QUAD.h"
#include "framework/G_ANIMATION.h"

namespace game
{
struct GG_LEVEL_SETTINGS;

// Solution kinds and shown states of a cell. A cell is solved when it shows its kind.
enum
{
    CELL_PICTURE = 100, // belongs to the picture; opened by the fill tool
    CELL_EMPTY = 101,   // opened by the cross tool
    CELL_CLOSED = 102,  // a shown state only: every picture and empty cell starts so
    CELL_FIXED = 103,   // shown from the start, never judged
};

// What judging one tool on a cell answers.
enum
{
    JUDGED_NOTHING = 0, // already solved, or fixed
    JUDGED_RIGHT = 1,
    JUDGED_WRONG = 2, // the cell opens all the same and shows its truth
};

// One square of the puzzle grid: its solution, what it shows, and the judging of one use of
// the fill or cross tool. A judged cell shows its sprite at once or after a reveal delay,
// then plays its reveal animation and its stored sound. Made, owned and deleted by the
// solving process; its sprites hang from its transform, so it is neither copied nor moved.
class GG_ELEMENT
{
public:
    // Shows 103 for kind 103, else starts closed (any kind other than 100, 101 and 103 judges
    // wrong under either tool and then draws nothing).
    GG_ELEMENT(int kind, int row, int column);
    ~GG_ELEMENT() = default;
    GG_ELEMENT(const GG_ELEMENT&) = delete;
    GG_ELEMENT& operator=(const GG_ELEMENT&) = delete;

    void fSetSize(ZOR::ZS_VECTOR2 cellSize);
    void fSetPosition(ZOR::ZS_VECTOR2 centre);
    // Corner of the hit rectangle: centre minus half the size, truncated toward zero.
    void fUpdateRect();
    ZOR::ZS_VECTOR2 fGetPosition() const { return transform.fGetPositionXY(); }
    float fGetPositionX() const { return transform.position.x; }
    float fGetPositionY() const { return transform.position.y; }

    bool fIsPicture() const { return kind == CELL_PICTURE; }
    bool fIsSolved() const { return shown == kind; }
    bool fIsBonus() const { return bonus; }
    void fSetBonus(bool value) { bonus = value; }

    // -109 when the pointer lies in the cell's rectangle (edges included), the cell is not
    // blocked and the button is 1 or 2; else 0.
    int fHitTest(int button) const;
    // The fill and the cross tool: JUDGED_NOTHING, JUDGED_RIGHT or JUDGED_WRONG. A judged cell
    // is solved whatever the tool; its sprite shows after the delay (at once for exactly 0).
    int fFill(float revealDelay);
    int fCross(float revealDelay);
    // Shows the state now and starts the reveal animation of the cell's kind.
    void fReveal(int state);
    // The reveal countdown (its last frame reveals and plays the stored sound), else one step
    // of the open, filled and cross animations. 0.
    int fUpdate();

    // Copies the win animation in and hangs it from the cell.
    void fSetOpenAnimation(const ZOR_GF::G_ANIMATION& animation);
    // Copies and sizes the skin's "yes", "no" and "locked" pictures; loads the open animation.
    void fLoadResources(const GG_LEVEL_SETTINGS& skin);
    void fUnloadResources();

    // The four drawing passes; the process runs each over every cell before the next.
    void fDrawFilled();
    void fDrawCross();
    void fDrawLock();
    void fDrawOpenAnimation();

    bool blocked = false;
    int row;
    int column;
    ZOR::ZS_TRANSFORM3 transform; // position: the cell centre; parent of the sprites below
    ZOR::ZS_POINT corner;
    ZOR::ZS_VECTOR2 size;
    int kind;
    int shown;
    bool bonus = false;
    ZOR_GF::G_ANIMATION filled;
    ZOR_GF::G_ANIMATION cross;
    ZOR::ZC_QUAD lock;
    ZOR_GF::G_ANIMATION openAnimation;
    bool openStarted = false;
    float revealDelay = 0.0f;
    std::string revealSound; // "fulltileclick", "emptytileclick" or "errorclick"

private:
    int fJudge(float delay, int tool);
    void fAttach(ZOR_GF::G_ANIMATION& animation);
};
}

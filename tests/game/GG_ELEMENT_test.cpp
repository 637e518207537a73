// The puzzle cell: judging by either tool, the reveal after its delay, the pointer's hit test,
// and the skin it copies and hands back.
#include "game/puzzle/GG_ELEMENT.h"

#include <gtest/gtest.h>

#include "ZT_PUZZLE.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZOR;
using namespace game;
using namespace ZT_PUZZLE;

TEST(PuzzleCell, EveryKindToolAndShownStateIsJudgedAsTheRulesSay)
{
    enum
    {
        FILL,
        CROSS
    };
    const struct
    {
        const char* why;
        char kind;
        bool openFirst; // judged once with the right tool before
        int tool;
        int result;
        int shownAfter;
    } cases[] = {
        {"picture cell filled: right", 'X', false, FILL, JUDGED_RIGHT, CELL_PICTURE},
        {"picture cell crossed: wrong, opens as a picture cell", 'X', false, CROSS, JUDGED_WRONG, CELL_PICTURE},
        {"empty cell filled: wrong, shows its cross", '.', false, FILL, JUDGED_WRONG, CELL_EMPTY},
        {"empty cell crossed: right", '.', false, CROSS, JUDGED_RIGHT, CELL_EMPTY},
        {"open picture cell: no change", 'X', true, CROSS, JUDGED_NOTHING, CELL_PICTURE},
        {"open empty cell: no change", '.', true, FILL, JUDGED_NOTHING, CELL_EMPTY},
        {"fixed cell filled: never judged", '#', false, FILL, JUDGED_NOTHING, CELL_FIXED},
        {"fixed cell crossed: never judged", '#', false, CROSS, JUDGED_NOTHING, CELL_FIXED},
        {"unknown kind filled: wrong", '?', false, FILL, JUDGED_WRONG, 107},
        {"unknown kind crossed: wrong", '?', false, CROSS, JUDGED_WRONG, 107},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        GG_ELEMENT cell(fKind(c.kind), 2, 3);
        EXPECT_EQ(cell.fIsSolved(), c.kind == '#') << "only a fixed cell starts solved";
        EXPECT_EQ(cell.shown, c.kind == '#' ? CELL_FIXED : CELL_CLOSED);
        if (c.openFirst)
            c.kind == 'X' ? cell.fFill(0.0f) : cell.fCross(0.0f);
        EXPECT_EQ(c.tool == FILL ? cell.fFill(0.0f) : cell.fCross(0.0f), c.result);
        EXPECT_EQ(cell.shown, c.shownAfter);
        EXPECT_TRUE(cell.fIsSolved()) << "solved whichever tool opened it";
        EXPECT_EQ(cell.fFill(0.0f), JUDGED_NOTHING) << "a solved cell is judged only once";
        EXPECT_EQ(cell.fCross(0.0f), JUDGED_NOTHING);
    }
}

TEST(PuzzleCell, ADelayedRevealShowsNothingUntilItsTimeThenAnimatesAndSoundsOnce)
{
    const float saved = zcFRAME_DELTA;
    zcFRAME_DELTA = 0.0625f;
    ZT_SOUNDS sounds;

    GG_ELEMENT delayed(CELL_EMPTY, 0, 0);
    EXPECT_EQ(delayed.fFill(0.25f), JUDGED_WRONG);
    delayed.revealSound = "errorclick"; // as the process stores it after judging
    EXPECT_EQ(delayed.shown, CELL_EMPTY) << "solved at once";
    EXPECT_FALSE(delayed.cross.fIsPlaying());
    EXPECT_FLOAT_EQ(delayed.cross.transform->position.x, -1000.0f) << "its sprite waits out of sight";
    for (int frame = 1; frame <= 3; ++frame)
    {
        delayed.fUpdate();
        EXPECT_FALSE(delayed.cross.fIsPlaying()) << "frame " << frame;
    }
    EXPECT_TRUE(ZT_SOUNDS::fPlayed().empty());
    delayed.fUpdate(); // 0.25 s of frame time
    EXPECT_TRUE(delayed.cross.fIsPlaying());
    EXPECT_FLOAT_EQ(delayed.cross.transform->position.x, 0.0f) << "on the cell centre";
    EXPECT_EQ(delayed.cross.transform->parent, &delayed.transform);
    EXPECT_EQ(ZT_SOUNDS::fPlayed(), std::vector<std::string>{"errorclick"});
    for (int frame = 0; frame < 5; ++frame)
        delayed.fUpdate();
    EXPECT_EQ(ZT_SOUNDS::fPlayed().size(), 1u) << "the stored sound plays once";
    EXPECT_FALSE(delayed.filled.fIsPlaying()) << "an empty cell never shows the filled sprite";

    ZT_SOUNDS::fPlayed().clear();
    GG_ELEMENT atOnce(CELL_PICTURE, 0, 1);
    EXPECT_EQ(atOnce.fFill(0.0f), JUDGED_RIGHT);
    atOnce.revealSound = "fulltileclick";
    EXPECT_TRUE(atOnce.filled.fIsPlaying()) << "a delay of 0 reveals inside the judging";
    atOnce.fUpdate();
    EXPECT_TRUE(ZT_SOUNDS::fPlayed().empty()) << "without its stored sound: the process plays that one";
    zcFRAME_DELTA = saved;
}

TEST(PuzzleCell, HitTestTakesTheRectangleWithItsEdgesForTheTwoButtons)
{
    ZC_INPUT input;
    GG_ELEMENT cell(CELL_PICTURE, 0, 0);
    cell.fSetSize(ZS_VECTOR2(41.0f, 30.0f));
    cell.fSetPosition(ZS_VECTOR2(100.0f, 50.0f));
    EXPECT_EQ(cell.corner, ZS_POINT(79, 35)) << "100 - 20.5 = 79.5, truncated";

    const struct
    {
        int x, y, button;
        bool blocked;
        int answer;
    } cases[] = {
        {100, 50, 1, false, -109}, {100, 50, 2, false, -109}, {79, 35, 1, false, -109},
        {120, 65, 1, false, -109}, // corner + size: the right and bottom edges hit
        {121, 50, 1, false, 0},    {78, 50, 1, false, 0},     {100, 66, 2, false, 0},
        {100, 50, 4, false, 0},    {100, 50, 0, false, 0},    {100, 50, 3, false, 0},
        {100, 50, 1, true, 0}, // blocked: refused with the pointer inside
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " button " << c.button);
        input.position = ZS_POINT(c.x, c.y);
        cell.blocked = c.blocked;
        EXPECT_EQ(cell.fHitTest(c.button), c.answer);
    }
}

namespace
{
// A renderer on the null device makes the textures; the skin fetches its pictures.
class CellSkin : public ZT_RENDER::ZT_NULL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_NULL_RENDER::SetUp();
        data = std::make_unique<ZT_DATA_ROOT>();
        skin.yes.fSetFile("yes.png");
        skin.no.fSetFile("no.png");
        skin.locked.fSetFile("locked.png");
        skin.yes.fSetHotSpot(HS_DR, 0, 0);
        skin.locked.fSetHotSpot(HS_UL, 0, 0);
        skin.yes.fLoadTexture();
        skin.no.fLoadTexture();
        skin.locked.fLoadTexture();
        win.fSetFile("open.png");
    }
    void TearDown() override
    {
        skin.yes.fUnloadTexture();
        skin.no.fUnloadTexture();
        skin.locked.fUnloadTexture();
        data.reset();
        ZT_NULL_RENDER::TearDown();
    }
    std::unique_ptr<ZT_DATA_ROOT> data;
    GG_LEVEL_SETTINGS skin;
    ZOR_GF::G_ANIMATION win;
};
}

TEST_F(CellSkin, CopiesOfTheSkinAreSizedAndPlacedAndEveryReferenceIsHandedBack)
{
    {
        GG_ELEMENT cell(CELL_PICTURE, 1, 1);
        cell.fSetOpenAnimation(win);
        EXPECT_EQ(cell.openAnimation.transform->parent, &cell.transform);
        cell.fLoadResources(skin);
        EXPECT_EQ(data->fUsers("yes.png"), 2) << "the cell's copy holds its own reference";
        EXPECT_EQ(data->fUsers("no.png"), 2);
        EXPECT_EQ(data->fUsers("open.png"), 1);
        EXPECT_EQ(cell.lock.texture, skin.locked.texture);
        EXPECT_FLOAT_EQ(cell.lock.fGetWidth(), 20.0f);
        EXPECT_FLOAT_EQ(cell.filled.fGetWidth(), 20.0f);
        EXPECT_EQ(cell.filled.fGetHotSpot(), unsigned(HS_DR));
        EXPECT_FLOAT_EQ(cell.filled.transform->pivot.x, 20.0f);
        EXPECT_EQ(cell.filled.transform->parent, &cell.transform);

        cell.fUnloadResources();
        EXPECT_EQ(data->fUsers("yes.png"), 1) << "unloading hands the copies' references back";
        EXPECT_EQ(data->fUsers("no.png"), 1);
        EXPECT_EQ(data->fUsers("open.png"), 0);
        EXPECT_EQ(cell.lock.texture, render->fGetDefaultTexture());

        cell.fLoadResources(skin);
        EXPECT_EQ(data->fUsers("yes.png"), 2);
    }
    EXPECT_EQ(data->fUsers("yes.png"), 1) << "and so does a cell deleted while loaded";
    EXPECT_EQ(data->fUsers("open.png"), 0);
}

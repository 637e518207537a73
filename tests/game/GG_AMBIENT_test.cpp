// The level decor and HUD laid out from a small level and read back from drawn frames: block
// backgrounds and the frame, both clue panels with their sticks, the highlight crossing at the
// hovered cell, the error panel placing its icons a beat apart with locks past the limit, the
// currency counter, and what a missing element does to the level start.
#include "game/puzzle/GG_AMBIENT.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ZT_LEVEL_HUD.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"

using namespace ZOR;
using namespace game;
using namespace ZT_HUD;

namespace
{
class Decor : public ZT_LEVEL_HUD
{
protected:
    void SetUp() override
    {
        ZT_LEVEL_HUD::SetUp();
        if (HasFatalFailure())
            return;
        fLevel(ZS_POINT(10, 10), ZS_POINT(5, 5));
    }
    void TearDown() override
    {
        ambient.fUnloadResources();
        settings.blockSprite.fUnloadTexture();
        ZT_LEVEL_HUD::TearDown();
    }

    // Cells of 20 pixels, blocks 2 pixels apart, centred on (512, 384); a 10 x 10 grid gives
    // the area (409, 281) - (615, 487).
    void fLevel(ZS_POINT grid, ZS_POINT block)
    {
        ZT_PUZZLE::fLayout(&settings, grid, ZS_VECTOR2(20, 20), block, ZS_POINT(-2, -2), ZS_VECTOR2(512, 384));
        pugi::xml_document doc;
        const int size = block.x * 20 + 4;
        doc.load_string(("<block><FILE>block.png</FILE><SIZE>" + std::to_string(size) + " " + std::to_string(size) +
                         "</SIZE></block>").c_str());
        settings.blockSprite.fLoadXml(doc.first_child());
    }

    ::testing::AssertionResult fLoad()
    {
        if (!ambient.fLoadXml(&settings))
            return ::testing::AssertionFailure() << ambient.fGetLoadError();
        ambient.fLoadResources();
        return ::testing::AssertionSuccess();
    }

    void fDrawDecor()
    {
        fDraw([this] {
            ambient.fDrawBlocks();
            ambient.fDrawEars();
            ambient.fDrawHighlight();
            ambient.fDrawFrame();
            ambient.fDrawErrorPanel();
            ambient.fDrawCounter();
        });
    }

    // The sticks met along a line of pixels: 'B' a block stick, 's' a plain one, each at the
    // middle of its run.
    struct ZT_STICK
    {
        char kind;
        int at;
    };
    std::vector<ZT_STICK> fSticks(bool alongX, int fixed, int from, int to)
    {
        std::vector<ZT_STICK> found;
        char kind = 0;
        int start = 0;
        for (int v = from; v <= to + 1; ++v)
        {
            const uint32_t c = v > to ? 0 : (alongX ? fPixel(v, fixed) : fPixel(fixed, v)) | 0xFF000000u;
            const char now = ZT_RENDER::fColorDistance(c, kStick) <= 8       ? 's'
                             : ZT_RENDER::fColorDistance(c, kStickBlock) <= 8 ? 'B'
                                                                              : 0;
            if (now != kind)
            {
                if (kind)
                    found.push_back({kind, (start + v - 1) / 2});
                kind = now;
                start = v;
            }
        }
        return found;
    }
    static std::string fKinds(const std::vector<ZT_STICK>& sticks)
    {
        std::string kinds;
        for (const ZT_STICK& s : sticks)
            kinds += s.kind;
        return kinds;
    }

    GG_LEVEL_SETTINGS settings;
    GG_AMBIENT ambient;
};
}

TEST_F(Decor, TheBordersBlocksEarsAndFrameStandWhereTheGridIs)
{
    ASSERT_TRUE(fLoad());
    EXPECT_EQ(fUsers("GameProcess ambient.xml"), 0) << "the ambient file is handed back";
    fDrawDecor();
    fSaveFrame("decor_10x10");

    // One block picture per block, 102 pixels apart, covering the gaps.
    for (int x : {461, 563})
        for (int y : {333, 435})
            EXPECT_TRUE(fShows(x, y, kBlock)) << x << "," << y;
    EXPECT_TRUE(fShows(512, 384, kBlock)) << "the gap between blocks is covered";
    // The up ear: 160 pixels (no "size") above the grid's top edge, as wide as the grid.
    EXPECT_TRUE(fShows(420, 122, kEar));
    EXPECT_TRUE(fShows(420, 119, kBackground));
    EXPECT_TRUE(fShows(407, 200, kBackground));
    // The left ear: "size" 100 to the left of the grid, as high as the grid.
    EXPECT_TRUE(fShows(311, 300, kEar));
    EXPECT_TRUE(fShows(307, 300, kBackground));
    EXPECT_TRUE(fShows(350, 270, kBackground));
    // The frame: the grid area grown by half its 16-pixel minimum, centred on the grid.
    EXPECT_EQ(ambient.fGetBorder().fGetFrame().fGetWidth(), 214.0f);
    EXPECT_EQ(ambient.fGetBorder().fGetFrame().fGetHeight(), 214.0f);
    EXPECT_TRUE(fShows(407, 279, kFrameCorner));
    EXPECT_TRUE(fShows(617, 489, kFrameCorner));
    EXPECT_TRUE(fShows(512, 279, kFrameSide));
    EXPECT_TRUE(fShows(407, 384, kFrameSide));
    EXPECT_TRUE(fShows(512, 487, kFrameSide));
    EXPECT_TRUE(fShows(512, 494, kBackground)) << "the frame ends 4 pixels outside the area";

    // Sticks at every cell boundary, block sticks in the middle of the block gaps, along the
    // top edge and, turned, along the left edge (read where the frame does not cover them).
    const std::vector<ZT_STICK> up = fSticks(true, 275, 400, 625);
    const std::vector<ZT_STICK> left = fSticks(false, 403, 270, 500);
    EXPECT_EQ(fKinds(left), "BssssBssssB");
    // The offscreen frame places a game pixel within a pixel or two of its own towards the
    // right and the bottom; neighbouring boundaries are 20 apart.
    const int boundaries[] = {410, 431, 451, 471, 491, 512, 533, 553, 573, 593, 614};
    for (size_t i = 0; i < up.size() && i < 11; ++i)
    {
        EXPECT_LE(std::abs(up[i].at - boundaries[i]), 2) << "up boundary " << i << " at " << up[i].at;
        EXPECT_LE(std::abs(left[i].at - (boundaries[i] - 128)), 2) << "left boundary " << i << " at " << left[i].at;
    }
}

TEST_F(Decor, BlockSticksFallOnTheBlockBoundariesOnly)
{
    const struct
    {
        int columns, block;
        const char* kinds;
    } cases[] = {
        {12, 5, "BssssBssssBss"}, // a part block at the end: boundary 12 is a plain stick
        {7, 0, "Bsssssss"},       // no blocks: only boundary 0
        {5, 5, "BssssB"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.columns);
        fLevel(ZS_POINT(c.columns, 5), ZS_POINT(c.block, 5));
        ASSERT_TRUE(fLoad());
        fDraw([this] { ambient.fGetUpEar().fDraw(); });
        EXPECT_EQ(fKinds(fSticks(true, int(settings.topLeft.y) - 6, 0, 1023)), c.kinds);
        for (int i = 0; i <= c.columns; ++i)
            EXPECT_EQ(ambient.fGetUpEar().fIsBlockBoundary(i), c.kinds[i] == 'B') << i;
    }
}

TEST_F(Decor, TheHighlightCrossesAtTheHoveredCell)
{
    ASSERT_TRUE(fLoad());
    // Row 3, column 6: the column sits behind the block gap.
    const ZS_VECTOR2 centre(411 + 6 * 20 + 2 + 10, 283 + 3 * 20 + 10);
    ambient.fSetHighlightCell(centre);
    fDrawDecor();
    EXPECT_TRUE(fShows(460, 353, kBlock)) << "hidden until shown";

    ambient.fShowHighlight();
    fDraw([this] { ambient.fDrawHighlight(); });
    // The row bar from the grid's left edge to its right edge, one cell high.
    EXPECT_TRUE(fShows(410, 353, kRowBar));
    EXPECT_TRUE(fShows(613, 353, kRowBar));
    EXPECT_TRUE(fShows(410, 344, kRowBar));
    EXPECT_TRUE(fShows(410, 341, kBackground));
    EXPECT_TRUE(fShows(407, 353, kBackground));
    EXPECT_TRUE(fShows(618, 353, kBackground));
    // The column bar from the top edge to the bottom edge, drawn over the row bar.
    EXPECT_TRUE(fShows(543, 282, kColumnBar));
    EXPECT_TRUE(fShows(543, 485, kColumnBar));
    EXPECT_TRUE(fShows(543, 353, kColumnBar));
    EXPECT_TRUE(fShows(543, 279, kBackground));
    EXPECT_TRUE(fShows(555, 300, kBackground));
    // The count's font and place come with it.
    EXPECT_NE(ambient.fGetHighlight().fGetFont(), nullptr);
    EXPECT_EQ(ambient.fGetHighlight().fGetShift(), ZS_POINT(5, 6));

    ambient.fHideHighlight();
    fDraw([this] { ambient.fDrawHighlight(); });
    EXPECT_TRUE(fShows(543, 353, kBackground));
}

TEST_F(Decor, ErrorIconsArriveABeatApartAndLocksFillTheSlotsPastTheLimit)
{
    ASSERT_TRUE(fLoad());
    zcFRAME_DELTA = 0.125f;
    ambient.fSetErrorLimit(4);
    GG_ERROR_PANEL& panel = ambient.fGetErrorPanel();
    for (int i = 0; i < 3; ++i)
        ambient.fAddError();
    // Each waits out the 0.25 s beat, then plays its two frames at 8 per second.
    EXPECT_FLOAT_EQ(panel.fGetPendingTime(), 3 * (2 / 8.0f + 0.25f));
    std::vector<size_t> placed;
    for (int frame = 0; frame < 6; ++frame)
    {
        ambient.fUpdate();
        placed.push_back(panel.fGetPlacedCount());
    }
    EXPECT_EQ(placed, (std::vector<size_t>{0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(panel.fGetPendingTime(), 0.0f);
    for (int frame = 0; frame < 4; ++frame)
        ambient.fUpdate();

    // Slots of 10 pixels 6 apart across, 4 apart down, from (700, 100); a limit of 4 on six
    // slots locks the last two.
    fDrawDecor();
    const ZS_POINT slots[] = {{700, 100}, {716, 100}, {732, 100}, {700, 114}, {716, 114}, {732, 114}};
    const uint32_t expected[] = {kIconLast, kIconLast, kIconLast, kPanel, kLock, kLock};
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(fShows(slots[k].x, slots[k].y, expected[k])) << "slot " << k;

    // The fifth error passes the limit: no icon.
    ambient.fAddError();
    ambient.fAddError();
    EXPECT_EQ(panel.fGetCount(), 4);
    EXPECT_EQ(panel.fGetPendingCount(), 1u);

    // More errors bought: the locks go at once.
    ambient.fSetErrorLimit(6);
    fDrawDecor();
    EXPECT_TRUE(fShows(716, 114, kPanel));
    EXPECT_TRUE(fShows(732, 114, kPanel));

    // A second chance empties the panel.
    ambient.fResetErrors();
    EXPECT_EQ(panel.fGetCount(), 0);
    EXPECT_EQ(panel.fGetPlacedCount() + panel.fGetPendingCount(), 0u);
    fDrawDecor();
    EXPECT_TRUE(fShows(700, 100, kPanel));
}

TEST_F(Decor, TheCounterShowsTheLevelsCurrencyFromZero)
{
    ASSERT_TRUE(fLoad());
    fDrawDecor();
    EXPECT_EQ(fDigitsAt(800, 960, 30, 50), "0");
    ambient.fAddCurrency(30);
    ambient.fAddCurrency(7);
    fDrawDecor();
    EXPECT_EQ(fDigitsAt(800, 960, 30, 50), "37");
    // Right-aligned on its place: the last digit ends there.
    EXPECT_TRUE(fShows(896, 40, 0xFFFFFFFF));
    EXPECT_TRUE(fShows(903, 40, kBackground));

    ambient.fSetErrorLimit(6);
    ambient.fAddError();
    ambient.fEndLevel();
    EXPECT_EQ(ambient.fGetCounter().fGetValue(), 0);
    EXPECT_EQ(ambient.fGetErrorPanel().fGetCount(), 0);
    fDrawDecor();
    EXPECT_EQ(fDigitsAt(800, 960, 30, 50), "0");
}

TEST_F(Decor, AMissingPieceStopsTheLevelStartAndSaysWhich)
{
    const struct
    {
        const char* element;
        const char* replacement;
        const char* named;
    } cases[] = {
        {"left_ear", "", "\"left_ear\""},
        {"up_ear", "", "\"up_ear\""},
        {"highlight", "", "\"highlight\""},
        {"highlight", "<highlight vertical=\"bar_v.png\" horisontal=\"bar_h.png\" font=\"digits\" font_color=\"255 1 1 1\"/>",
         "\"highlight\""},
        {"error_panel", "", "\"error_panel\""},
        {"error_panel", "<error_panel pos=\"1 1\" grid=\"3 2\" interval=\"1 1\"><sprite/><sprite_lock/></error_panel>",
         "\"error_panel\""},
        {"error_panel", "<error_panel pos=\"1 1\" grid=\"3 2\" interval=\"1 1\" ping=\"1\"><sprite/></error_panel>",
         "\"error_panel\""},
        {"sunime", "", "\"sunime\""},
        {"sunime", "<sunime fntName=\"nope\" pos=\"1 1\"/>", "\"sunime\""},
        {"sunime", "<sunime fntName=\"digits\"/>", "\"sunime\""},
        // Places, sizes and gaps far beyond any screen are refused like missing ones.
        {"up_ear", "<up_ear size=\"0xFFFFF6E5\"><background><FILE>ear.png</FILE></background></up_ear>", "\"up_ear\""},
        {"highlight", "<highlight vertical=\"bar_v.png\" horisontal=\"bar_h.png\" font=\"digits\" "
                      "font_color=\"255 255 255 255\" shift=\"2147483647 6\"/>",
         "\"highlight\""},
        {"error_panel", "<error_panel pos=\"700 100\" grid=\"70000 70000\" interval=\"6 4\" ping=\"0.25\">"
                        "<sprite><FILE>icon.png</FILE></sprite><sprite_lock><FILE>lock.png</FILE></sprite_lock>"
                        "</error_panel>",
         "\"error_panel\""},
        {"sunime", "<sunime fntName=\"digits\" pos=\"2147483647 40\"/>", "\"sunime\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.element) + ": " + c.replacement);
        fRewrite("GameProcess ambient.xml", fAmbientXml({{c.element, c.replacement}}));
        GG_AMBIENT fresh;
        EXPECT_FALSE(fresh.fLoadXml(&settings));
        EXPECT_NE(fresh.fGetLoadError().find(c.named), std::string::npos) << fresh.fGetLoadError();
        EXPECT_EQ(fUsers("GameProcess ambient.xml"), 0) << "handed back";
    }
    fRewrite("GameProcess ambient.xml", "", true);
    GG_AMBIENT fresh;
    EXPECT_FALSE(fresh.fLoadXml(&settings));
    EXPECT_NE(fresh.fGetLoadError().find("is missing"), std::string::npos) << fresh.fGetLoadError();
}

TEST_F(Decor, OptionalPiecesMayBeLeftOut)
{
    // An unknown selection font leaves the count unprinted; a panel needs no background.
    fRewrite("GameProcess ambient.xml",
             fAmbientXml({{"highlight", "<highlight vertical=\"bar_v.png\" horisontal=\"bar_h.png\" font=\"nope\" "
                                        "font_color=\"255 1 1 1\" shift=\"0 0\"/>"},
                          {"error_panel", "<error_panel pos=\"700 100\" grid=\"3 2\" interval=\"6 4\" ping=\"0.25\">"
                                          "<sprite><FILE>icon.png</FILE></sprite><sprite_lock><FILE>lock.png</FILE>"
                                          "</sprite_lock></error_panel>"},
                          {"border", ""}}));
    ASSERT_TRUE(fLoad());
    EXPECT_EQ(ambient.fGetHighlight().fGetFont(), nullptr);
    ambient.fSetErrorLimit(0);
    fDrawDecor();
    // Without its border element the grid keeps its block backgrounds but has no frame.
    EXPECT_TRUE(fShows(461, 333, kBlock));
    EXPECT_TRUE(fShows(407, 279, kBackground)) << "no frame corner";
    // No panel picture: the locks on the background.
    EXPECT_TRUE(fShows(700, 100, kLock));
    EXPECT_TRUE(fShows(708, 100, kBackground));
}

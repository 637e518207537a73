// Sprite-sheet animations stepping by the frame delta, and a sheet drawn frame by frame.
#include "framework/G_ANIMATION.h"

#include <cmath>
#include <string>
#include <vector>

#include "ZT_VISUALS.h"
#include "engine/core/ZC_TIMER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
// The frame the texture rectangle shows, read from the left edge of a one-row or flipped sheet.
int fShown(const G_ANIMATION& a)
{
    const ZS_POINT grid = a.fGetGrid();
    const float leftU = std::min(a.vertices[0].u, a.vertices[1].u);
    const int col = int(std::lround(leftU * float(grid.x)));
    const int row = int(std::lround(a.vertices[0].v * float(grid.y)));
    return row * grid.x + col;
}

// The frame delta for a test, put back afterwards.
struct ZT_DELTA
{
    explicit ZT_DELTA(float dt) : saved(zcFRAME_DELTA) { zcFRAME_DELTA = dt; }
    ~ZT_DELTA() { zcFRAME_DELTA = saved; }
    float saved;
};

G_ANIMATION fStrip(int frames, bool loop, bool pingPong, bool forward)
{
    G_ANIMATION a;
    a.fSetGrid(ZS_POINT(frames, 1));
    a.fSetFrameCount(frames);
    a.loop = loop;
    a.pingPong = pingPong;
    a.forward = forward;
    return a;
}

pugi::xml_node fParse(pugi::xml_document& document, const char* text)
{
    EXPECT_TRUE(document.load_string(text));
    return document.first_child();
}
}

TEST(Animation, FrameOrdersForEveryDirectionAndEnd)
{
    // fps 1 and a whole 1.5 s per call: every call takes one step.
    ZT_DELTA delta(1.5f);
    struct
    {
        bool loop, pingPong, forward;
        std::vector<int> shown; // after fStart, then after each of the calls
        bool playingAfter;
    } cases[] = {
        {true, false, true, {0, 0, 1, 2, 3, 0, 1, 2, 3, 0}, true},
        {false, false, true, {0, 0, 1, 2, 3, 3, 3, 3}, false},
        {true, true, true, {0, 0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2}, true},
        {false, true, true, {0, 0, 1, 2, 3, 2, 1, 0, 0, 0}, false},
        {true, false, false, {3, 3, 2, 1, 0, 3, 2, 1, 0, 3}, true},
        {false, false, false, {3, 3, 2, 1, 0, 0, 0}, false},
        {true, true, false, {3, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 1}, true},
        {false, true, false, {3, 3, 2, 1, 0, 1, 2, 3, 3, 3}, false},
    };
    for (const auto& c : cases)
    {
        G_ANIMATION a = fStrip(4, c.loop, c.pingPong, c.forward);
        a.fStart(0);
        std::vector<int> shown{fShown(a)};
        while (shown.size() < c.shown.size())
        {
            a.fUpdate();
            shown.push_back(fShown(a));
        }
        EXPECT_EQ(shown, c.shown) << "loop " << c.loop << " ping-pong " << c.pingPong << " forward " << c.forward;
        EXPECT_EQ(a.fIsPlaying(), c.playingAfter) << "loop " << c.loop << " ping-pong " << c.pingPong << " forward "
                                                  << c.forward;
    }
}

TEST(Animation, OneFrameSheets)
{
    ZT_DELTA delta(1.5f);
    for (bool pingPong : {false, true})
        for (bool forward : {false, true})
        {
            G_ANIMATION looping = fStrip(1, true, pingPong, forward);
            looping.fStart(0);
            for (int i = 0; i < 5; ++i)
            {
                EXPECT_EQ(looping.fUpdate(), 1);
                EXPECT_EQ(fShown(looping), 0);
                EXPECT_TRUE(looping.fIsPlaying());
            }
        }

    G_ANIMATION once = fStrip(1, false, false, true);
    once.fStart(0);
    EXPECT_EQ(once.fUpdate(), 1);
    EXPECT_FALSE(once.fIsPlaying()) << "a non-looping forward one stops after its first step";
}

TEST(Animation, TimeIsGatheredInWholeFramesAndTheExcessDropped)
{
    // fps 8 at 1/16 s: 0.5, 1.0, 1.5; 1.0 is not above 1, so every third call steps.
    ZT_DELTA delta(0.0625f);
    G_ANIMATION a = fStrip(4, true, false, true);
    a.fSetFps(8);
    a.fStart(0);
    std::vector<int> answers;
    for (int i = 0; i < 6; ++i)
        answers.push_back(a.fUpdate());
    EXPECT_EQ(answers, (std::vector<int>{0, 0, 1, 0, 0, 1}));

    // Stopped or without time, nothing moves.
    a.fStop();
    EXPECT_EQ(a.fUpdate(), 0);
    a.fStart(0);
    zcFRAME_DELTA = 0;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a.fUpdate(), 0);
}

TEST(Animation, StartDelayRunsOutWithTheWholeDelta)
{
    ZT_DELTA delta(0.125f);
    G_ANIMATION a = fStrip(4, true, false, true);
    a.fSetFps(10);
    a.fStart(0.5f);
    std::vector<int> answers;
    for (int i = 0; i < 4; ++i)
        answers.push_back(a.fUpdate());
    // The fourth call brings the delay to 0 and gathers all its 0.125 s (1.25 frames).
    EXPECT_EQ(answers, (std::vector<int>{0, 0, 0, 1}));
}

TEST(Animation, RestartAfterAPingPongEndedPlaysItAllAgain)
{
    ZT_DELTA delta(1.5f);
    G_ANIMATION a = fStrip(3, false, true, true);
    a.fStart(0);
    for (int i = 0; i < 10; ++i)
        a.fUpdate();
    ASSERT_FALSE(a.fIsPlaying());
    a.fStart(0);
    std::vector<int> shown{fShown(a)};
    for (int i = 0; i < 6; ++i)
    {
        a.fUpdate();
        shown.push_back(fShown(a));
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 2, 1, 0, 0}));
}

TEST(Animation, FramesOfAGridAndFlipped)
{
    G_ANIMATION a;
    a.fSetGrid(ZS_POINT(4, 2));
    a.fSetFrameCount(6);
    a.fSetFrame(5);
    EXPECT_FLOAT_EQ(a.vertices[0].u, 0.25f);
    EXPECT_FLOAT_EQ(a.vertices[0].v, 0.5f);
    EXPECT_FLOAT_EQ(a.vertices[2].u, 0.5f);
    EXPECT_FLOAT_EQ(a.vertices[2].v, 1.0f);
    a.flip = true;
    a.fSetFrame(5);
    EXPECT_FLOAT_EQ(a.vertices[0].u, 0.5f);
    EXPECT_FLOAT_EQ(a.vertices[2].u, 0.25f);

    // Indices wrap by the frame count, either way.
    a.fSetFrame(7);
    EXPECT_EQ(a.fGetCurrent(), 1);
    a.fSetFrame(-1);
    EXPECT_EQ(a.fGetCurrent(), 5);

    // Grids and counts without cells are one cell.
    a.fSetGrid(ZS_POINT(0, -3));
    EXPECT_EQ(a.fGetGrid(), ZS_POINT(1, 1));
    a.fSetFrameCount(0);
    EXPECT_EQ(a.fGetFrameCount(), 1);
}

TEST(Animation, XmlAttributes)
{
    pugi::xml_document document;
    G_ANIMATION a;
    a.fLoadXml(fParse(document, "<a><ANIMATION reverese=\"false\" frames=\"5\" grid=\"5 1\" fps=\"7.9\" loop=\"no\" "
                                "ping_pong=\"yes\" flip=\"0\"/></a>"));
    EXPECT_FALSE(a.forward);
    EXPECT_FALSE(a.loop);
    EXPECT_TRUE(a.pingPong);
    EXPECT_FALSE(a.flip);
    EXPECT_EQ(a.fGetFrameCount(), 5);
    EXPECT_EQ(a.fGetGrid(), ZS_POINT(5, 1));

    // "reverese" false starts on the last frame and counts down; fps keeps its whole part (7).
    ZT_DELTA delta(1.0f / 7.0f + 0.001f);
    a.fStart(0);
    EXPECT_EQ(fShown(a), 4);
    a.fUpdate();
    a.fUpdate();
    EXPECT_EQ(fShown(a), 3);

    // A grid short of a number keeps the missing one; without "ANIMATION" the defaults stay.
    G_ANIMATION partial;
    partial.fLoadXml(fParse(document, "<a><ANIMATION grid=\"3\"/></a>"));
    EXPECT_EQ(partial.fGetGrid(), ZS_POINT(1, 1));
    G_ANIMATION plain;
    plain.fLoadXml(fParse(document, "<a><SIZE>30 30</SIZE></a>"));
    EXPECT_EQ(plain.fGetFrameCount(), 1);
    EXPECT_TRUE(plain.loop);
    EXPECT_TRUE(plain.forward);
}

namespace
{
class AnimationSheet : public ZT_TEST::ZT_VISUALS
{
};

// The sheet's eight cells, row by row.
const uint32_t kCells[8] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                            0xFF00FFFF, 0xFFFF00FF, 0xFFFFFFFF, 0xFFFF8000};
}

TEST_F(AnimationSheet, LoadedSheetIsOneCellAndShowsEachFrameInTurn)
{
    pugi::xml_document document;
    G_ANIMATION a;
    a.fLoadXml(fParse(document, "<a><FILE>sheet4x2.png</FILE><POS>400 300</POS><SIZE>10 10</SIZE>"
                                "<ANIMATION grid=\"4 2\" frames=\"8\" fps=\"10\"/></a>"));
    a.fLoadTexture();
    ASSERT_TRUE(a.fIsLoaded());
    EXPECT_FLOAT_EQ(a.fGetWidth(), 64) << "a SIZE lasts only until the grid meets the texture";
    EXPECT_FLOAT_EQ(a.fGetHeight(), 64);
    EXPECT_TRUE(a.state.fGetAddress() == ZS_RENDER_STATE::ADDRESS_WRAP);

    ZT_DELTA delta(0.11f);
    a.fStart(0);
    std::vector<uint32_t> seen;
    for (int i = 0; i < 10; ++i)
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        a.fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
        // Sampled well inside the 64 x 64 cell centred on (400, 300).
        EXPECT_EQ(fGamePixel(390, 290), fGamePixel(410, 310));
        seen.push_back(fGamePixel(400, 300));
        a.fUpdate();
    }
    const std::vector<uint32_t> expected{kCells[0], kCells[0], kCells[1], kCells[2], kCells[3],
                                         kCells[4], kCells[5], kCells[6], kCells[7], kCells[0]};
    EXPECT_EQ(seen, expected);

    // A copy of a loaded animation is loaded too, at the same cell size and frame.
    G_ANIMATION copy(a);
    EXPECT_TRUE(copy.fIsLoaded());
    EXPECT_EQ(fUsers("sheet4x2.png"), 2);
    EXPECT_FLOAT_EQ(copy.fGetWidth(), 64);
    EXPECT_EQ(fShown(copy), fShown(a));

    // An assigned one reloads through the grid it had (1 x 1: the whole sheet); its next load
    // measures the cell of the grid it took over.
    G_ANIMATION assigned;
    assigned = a;
    EXPECT_EQ(fUsers("sheet4x2.png"), 3);
    EXPECT_EQ(assigned.fGetGrid(), ZS_POINT(4, 2));
    EXPECT_EQ(fShown(assigned), fShown(a));
    assigned.fUnloadTexture();
    assigned.fLoadTexture();
    EXPECT_FLOAT_EQ(assigned.fGetWidth(), 64);
}

// Nine-piece frames: sizes of the pieces and where they land on screen.
#include "framework/G_FRAME9.h"

#include "ZT_VISUALS.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
class Frame9 : public ZT_TEST::ZT_VISUALS
{
protected:
    // 16 x 16 corners, edges and middle.
    void fLoadFull(G_FRAME9& frame)
    {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string("<frame ul=\"ul16.png\" up=\"up.png\" ur=\"ur16.png\" lt=\"lt.png\" "
                                         "mid=\"mid.png\" rt=\"rt.png\" dl=\"dl16.png\" dn=\"dn.png\" "
                                         "dr=\"dr16.png\"/>"));
        frame.fLoadXml(document.first_child());
        frame.fLoadTextures();
    }
};
}

TEST_F(Frame9, PiecesSurroundTheMiddleCentredOnThePosition)
{
    G_FRAME9 frame;
    fLoadFull(frame);
    EXPECT_FLOAT_EQ(frame.fGetMinWidth(), 32);
    EXPECT_FLOAT_EQ(frame.fGetMinHeight(), 32);
    EXPECT_FLOAT_EQ(frame.fGetWidth(), 32) << "an unset size becomes the minimum";

    frame.fSetSize(100, 60);
    EXPECT_FLOAT_EQ(frame.mid.fGetWidth(), 68);
    EXPECT_FLOAT_EQ(frame.mid.fGetHeight(), 28);
    EXPECT_FLOAT_EQ(frame.up.fGetWidth(), 68);
    EXPECT_FLOAT_EQ(frame.dn.fGetWidth(), 68);
    EXPECT_FLOAT_EQ(frame.lt.fGetHeight(), 28);
    EXPECT_FLOAT_EQ(frame.rt.fGetHeight(), 28);
    EXPECT_FLOAT_EQ(frame.up.fGetHeight(), 16) << "edges keep their thickness";

    frame.fSetPosition(400, 300);
    ASSERT_EQ(render->fBeginFrame(), 1);
    frame.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("frame9_100x60");

    // The outer box is (350, 270)-(450, 330); the middle (366, 286)-(434, 314).
    struct
    {
        float x, y;
        uint32_t color;
        const char* piece;
    } samples[] = {
        {353, 273, 0xFFFF0000, "ul"},  {363, 283, 0xFFFF0000, "ul"}, {447, 273, 0xFF00FF00, "ur"},
        {353, 327, 0xFF0000FF, "dl"},  {447, 327, 0xFFFFFF00, "dr"}, {400, 273, 0xFFFF00FF, "up"},
        {400, 327, 0xFF00FFFF, "dn"},  {353, 300, 0xFFFF8000, "lt"}, {447, 300, 0xFF8000FF, "rt"},
        {400, 300, 0xFFFFFFFF, "mid"}, {369, 289, 0xFFFFFFFF, "mid"}, {431, 311, 0xFFFFFFFF, "mid"},
        {346, 300, ZT_TEST::kClear, "outside"}, {454, 300, ZT_TEST::kClear, "outside"},
        {400, 266, ZT_TEST::kClear, "outside"}, {400, 334, ZT_TEST::kClear, "outside"},
    };
    for (const auto& s : samples)
        EXPECT_EQ(fGamePixel(s.x, s.y), s.color) << s.piece << " at " << s.x << "," << s.y;
}

TEST_F(Frame9, SizesBelowTheCornersGiveTheMinimum)
{
    G_FRAME9 frame;
    fLoadFull(frame);
    frame.fSetSize(10, 10);
    EXPECT_FLOAT_EQ(frame.fGetWidth(), 32);
    EXPECT_FLOAT_EQ(frame.fGetHeight(), 32);
    EXPECT_FLOAT_EQ(frame.mid.fGetWidth(), 0);
    EXPECT_FLOAT_EQ(frame.mid.fGetHeight(), 0);

    // A size asked for before the corners were known is raised to them when they load,
    // rather than laying the inner pieces out at a negative size.
    G_FRAME9 early;
    early.fSetSize(20, 10);
    fLoadFull(early);
    EXPECT_FLOAT_EQ(early.fGetWidth(), 32);
    EXPECT_FLOAT_EQ(early.mid.fGetWidth(), 0);
    EXPECT_FLOAT_EQ(early.mid.fGetHeight(), 0);
}

TEST_F(Frame9, CornersOfUnequalHeights)
{
    G_FRAME9 frame;
    frame.fSetFiles("top16x10.png", "", "top16x10.png", "", "mid.png", "", "bottom16x20.png", "",
                    "bottom16x20.png");
    frame.fLoadTextures();
    EXPECT_FLOAT_EQ(frame.fGetMinHeight(), 30);
    frame.fSetSize(100, 100);
    EXPECT_FLOAT_EQ(frame.mid.fGetHeight(), 70);

    // An upper corner missing: the lower one of that side stands in for the width, the other
    // upper one for the height.
    G_FRAME9 partial;
    partial.fSetFiles("", "", "top16x10.png", "", "", "", "bottom16x20.png", "", "bottom16x20.png");
    partial.fLoadTextures();
    EXPECT_FLOAT_EQ(partial.fGetMinWidth(), 32);
    EXPECT_FLOAT_EQ(partial.fGetMinHeight(), 30);
}

TEST_F(Frame9, OnlyCornersMeetAtThePosition)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<frame ul=\"ul16.png\" up=\"\" ur=\"ur16.png\" dl=\"dl16.png\" dr=\"dr16.png\"/>"));
    G_FRAME9 frame;
    frame.fLoadXml(document.first_child());
    frame.fLoadTextures();
    frame.fSetSize(100, 100);
    EXPECT_FALSE(frame.up.fIsLoaded());
    EXPECT_FALSE(frame.mid.fIsLoaded());

    frame.fSetPosition(200, 200);
    ASSERT_EQ(render->fBeginFrame(), 1);
    frame.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(fGamePixel(190, 190), 0xFFFF0000u);
    EXPECT_EQ(fGamePixel(210, 190), 0xFF00FF00u);
    EXPECT_EQ(fGamePixel(190, 210), 0xFF0000FFu);
    EXPECT_EQ(fGamePixel(210, 210), 0xFFFFFF00u);
    EXPECT_EQ(fGamePixel(230, 200), ZT_TEST::kClear) << "pieces without a texture are not drawn";

    frame.fUnloadTextures();
    EXPECT_EQ(fUsers("ul16.png"), 0);
    EXPECT_EQ(fUsers("dr16.png"), 0);
}

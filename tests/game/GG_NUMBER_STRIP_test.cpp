// The clue number strips, read back from drawn frames: where the numbers of each line stand,
// block gaps, the crossed colour after a number's cross animation starts, and what a missing
// element, attribute or font does.
#include "game/puzzle/GG_NUMBER_STRIP.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ZT_PUZZLE_FONTS.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "text/ZT_FONT_FIXTURE.h"

using namespace ZOR;
using namespace game;
using namespace ZT_PUZZLE;

namespace
{
// A number found on screen: its digit (from the box's width), centre and colour.
struct ZT_NUMBER
{
    int digit;
    int x, y;
    uint32_t color;
};

std::ostream& operator<<(std::ostream& out, const ZT_NUMBER& n)
{
    return out << n.digit << " at " << n.x << "," << n.y << " colour " << std::hex << n.color << std::dec;
}

class NumberStrip : public ZT_PUZZLE_FONTS
{
protected:
    void SetUp() override
    {
        ZT_PUZZLE_FONTS::SetUp();
        if (HasFatalFailure())
            return;
        zcFRAME_DELTA = 1.0f / 16.0f;
    }
    void TearDown() override
    {
        strip.reset();
        ZT_PUZZLE_FONTS::TearDown();
    }

    // A strip read from its element, at (100, 60), bound to the clues of the rows.
    void fMake(int orientation, const std::vector<std::string>& rows, int blockSize, int blockShift,
               const char* element = nullptr)
    {
        grid = std::make_unique<ZT_GRID>(rows);
        clues.fBuildClues(&grid->cells, grid->size);
        strip = std::make_unique<GG_NUMBER_STRIP>(orientation);
        const bool byRow = orientation == GG_NUMBER_STRIP::ROWS;
        std::string xml = element ? element : fStripElement(byRow ? "numbersLeft" : "numbersUp", byRow ? "10 0" : "0 10");
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(xml.c_str()));
        ASSERT_TRUE(strip->fLoadXml(document.first_child(), blockShift, 20, byRow ? grid->size.y : grid->size.x,
                                    blockSize));
        strip->fSetPosition(100, 60);
        strip->fBindClues(byRow ? clues.fGetRowLines() : clues.fGetColumnLines());
        strip->fLoadResources();
    }

    void fDrawFrame()
    {
        fFrame([this] {
            strip->fDraw();
            strip->fDrawCrossAnimations();
        });
    }

    // Every digit-sized lit box in the top-left 320 x 280 pixels.
    std::vector<ZT_NUMBER> fNumbers()
    {
        std::vector<ZT_NUMBER> found;
        for (const ZT_FONT::ZT_BOX& box : fLitBoxes(0, 0, 320, 280))
            if (box.h == kDigitHeight)
                found.push_back({box.w - 3, box.x + box.w / 2, box.y + box.h / 2, fPixel(box.x + box.w / 2, box.y + 4)});
        return found;
    }

    // The number printed centred on (x, y) is there, in that colour.
    ::testing::AssertionResult fShows(int digit, int x, int y, uint32_t color)
    {
        for (const ZT_NUMBER& n : fNumbers())
            if (n.digit == digit && std::abs(n.x - x) <= 1 && std::abs(n.y - y) <= 1)
            {
                if (n.color == color)
                    return ::testing::AssertionSuccess();
                return ::testing::AssertionFailure() << n;
            }
        auto failure = ::testing::AssertionFailure() << "no " << digit << " at " << x << "," << y << "; found:";
        for (const ZT_NUMBER& n : fNumbers())
            failure << " [" << n << "]";
        return failure;
    }

    std::unique_ptr<ZT_GRID> grid;
    GG_NUMBERCROSS clues;
    std::unique_ptr<GG_NUMBER_STRIP> strip;
};

const uint32_t kNormal = 0xFFFFCC00, kCrossed = 0xFF00FF00;
}

TEST_F(NumberStrip, RowNumbersRunLeftwardsFromTheGridWithTheBlockGaps)
{
    // Blocks of 5 rows, 4 pixels apart: rows 0-4 are moved down 4, rows 5-9 8.
    fMake(GG_NUMBER_STRIP::ROWS, {"XX.X.XXX..", "..........", "X.........", "..........", "..........",
                                  ".........X", "..........", "..........", "..........", ".....XXXX."},
          5, -4);
    fDrawFrame();
    fSaveFrame("number_strip_rows");
    // Row 0 is 2, 1, 3: the 3 at the first-number point (100 - 10, 60 + 4), then leftwards.
    EXPECT_TRUE(fShows(3, 90, 64, kNormal));
    EXPECT_TRUE(fShows(1, 78, 64, kNormal));
    EXPECT_TRUE(fShows(2, 66, 64, kNormal));
    EXPECT_TRUE(fShows(0, 90, 84, kNormal)) << "an empty row shows one 0";
    EXPECT_TRUE(fShows(1, 90, 104, kNormal));
    EXPECT_TRUE(fShows(1, 90, 168, kNormal)) << "row 5 opens the second block";
    EXPECT_TRUE(fShows(4, 90, 248, kNormal));
    EXPECT_EQ(fNumbers().size(), 12u);
}

TEST_F(NumberStrip, ColumnNumbersRunUpwardsAndBlockSizeZeroShiftsNothing)
{
    fMake(GG_NUMBER_STRIP::COLUMNS, {"X.X.", "X..X", "..X.", "X..X"}, 0, -4);
    fDrawFrame();
    // Column 0 is 2, 1: the 1 nearest the grid at (100, 60 - 10), the 2 one interval up.
    EXPECT_TRUE(fShows(1, 100, 50, kNormal));
    EXPECT_TRUE(fShows(2, 100, 38, kNormal));
    EXPECT_TRUE(fShows(0, 120, 50, kNormal));
    EXPECT_TRUE(fShows(1, 140, 50, kNormal));
    EXPECT_TRUE(fShows(1, 140, 38, kNormal));
    EXPECT_TRUE(fShows(1, 160, 50, kNormal));
    EXPECT_TRUE(fShows(1, 160, 38, kNormal));
    EXPECT_EQ(fNumbers().size(), 7u);
}

TEST_F(NumberStrip, CrossedNumbersAnimateOnceAndThenTakeTheCrossedColour)
{
    // The animation stands 12 pixels below its number, so both can be seen.
    const std::string element = "<numbersLeft font=\"digits\" font_color=\"0xFFFFCC00\" font_cross=\"0xFF00FF00\" "
                                "interval=\"12\" shift_first=\"10 0\"><FILE>cross.png</FILE><POS>0 12</POS>"
                                "<ANIMATION grid=\"2 1\" frames=\"2\" fps=\"8\" loop=\"0\"/></numbersLeft>";
    fMake(GG_NUMBER_STRIP::ROWS, {"X.XX......", "..........", ".........."}, 5, 0, element.c_str());
    fDrawFrame();
    EXPECT_EQ(strip->fGetRunningCount(), 0);

    // One move satisfies both clues of row 0.
    grid->fAt(0, 0)->fFill(0.0f);
    grid->fAt(0, 2)->fFill(0.0f);
    grid->fAt(0, 3)->fFill(0.0f);
    clues.fAutoCross(0, 3);
    clues.fAutoCross(0, 0);
    ASSERT_TRUE(clues.fGetRowClues()[0][0].newlyCrossed && clues.fGetRowClues()[0][1].newlyCrossed);

    fDrawFrame();
    EXPECT_EQ(strip->fGetRunningCount(), 2) << "two animations started in the same frame";
    EXPECT_TRUE(fShows(2, 90, 60, kNormal)) << "printed once more in the normal colour";
    EXPECT_EQ(fPixel(90, 72), 0xFFFF00FFu) << "the animation's first frame below the 2";
    EXPECT_EQ(fPixel(78, 72), 0xFFFF00FFu) << "and below the 1";
    EXPECT_TRUE(clues.fGetRowClues()[0][0].shownCrossed && !clues.fGetRowClues()[0][0].newlyCrossed);

    for (int i = 0; i < 6; ++i)
        strip->fUpdate();
    fDrawFrame();
    fSaveFrame("number_strip_crossed");
    EXPECT_TRUE(fShows(2, 90, 60, kCrossed));
    EXPECT_TRUE(fShows(1, 78, 60, kCrossed));
    EXPECT_TRUE(fShows(0, 90, 80, kNormal));
    EXPECT_EQ(fPixel(90, 72), 0xFFFF0000u) << "stopped on its last frame, still drawn";
    EXPECT_EQ(strip->fGetRunningCount(), 2);

    // A restart builds the clues anew and binds them: normal colours, no animation.
    clues.fBuildClues(&grid->cells, grid->size);
    strip->fBindClues(clues.fGetRowLines());
    EXPECT_EQ(strip->fGetRunningCount(), 0);
    EXPECT_EQ(data->fUsers("cross.png"), 1) << "only the template's reference is left";
    fDrawFrame();
    EXPECT_TRUE(fShows(2, 90, 60, kNormal));
    EXPECT_EQ(fPixel(90, 72), 0xFF000000u);
}

TEST_F(NumberStrip, MissingElementsAttributesAndFontsDrawNothing)
{
    GG_NUMBER_STRIP loose(GG_NUMBER_STRIP::ROWS);
    EXPECT_FALSE(loose.fLoadXml(pugi::xml_node(), 1, 2, 3, 4));
    EXPECT_EQ(loose.lineCount, 0) << "nothing stored without the element";

    pugi::xml_document document;
    document.load_string("<numbersLeft font=\"digits\" font_color=\"0xFF112233\" font_cross=\"0xFF445566\" "
                         "shift_first=\"3 4\"><FILE>cross.png</FILE></numbersLeft>");
    EXPECT_FALSE(loose.fLoadXml(document.first_child(), 1, 2, 3, 4)) << "no interval";
    EXPECT_EQ(loose.lineCount, 3);
    EXPECT_EQ(loose.fontName, "digits");
    EXPECT_EQ(loose.crossedColor.fToPacked(), 0xFF445566u) << "values before the missing one stay";
    EXPECT_EQ(loose.interval, 10);
    EXPECT_EQ(loose.firstOffset, ZS_VECTOR2(0, 0)) << "nothing after it";
    EXPECT_EQ(loose.crossTemplate.fGetFile(), "") << "nor the cross animation";

    const std::string unknownFont = fStripElement("numbersLeft", "10 0");
    std::string element = unknownFont;
    element.replace(element.find("digits"), 6, "nosuch");
    fMake(GG_NUMBER_STRIP::ROWS, {"XX..", "...."}, 0, 0, element.c_str());
    clues.fGetRowLines()->at(0)[0].crossed = clues.fGetRowLines()->at(0)[0].newlyCrossed = true;
    fDrawFrame();
    EXPECT_TRUE(fNumbers().empty());
    EXPECT_EQ(strip->fGetRunningCount(), 0) << "animations start only where numbers are drawn";
}

// One numbers file serves every cell size: narrow cells take the small font, if one is named.
TEST_F(NumberStrip, NarrowCellsTakeTheSmallFont)
{
    const struct
    {
        const char* attributes;
        int cellSize;
        const char* font;
    } cases[] = {
        {"font_small=\"small\" font_small_below=\"32\"", 27, "small"},
        {"font_small=\"small\" font_small_below=\"32\"", 32, "digits"},
        {"font_small=\"small\"", 27, "digits"},
        {"", 20, "digits"},
    };
    for (const auto& c : cases)
    {
        pugi::xml_document document;
        document.load_string(fStripElement("numbersUp", "0 10", c.attributes).c_str());
        GG_NUMBER_STRIP up(GG_NUMBER_STRIP::COLUMNS);
        EXPECT_TRUE(up.fLoadXml(document.first_child(), 0, c.cellSize, 5, 5));
        EXPECT_EQ(up.fontName, c.font) << c.attributes << " at " << c.cellSize;
    }
}

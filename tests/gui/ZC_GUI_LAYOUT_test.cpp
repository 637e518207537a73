// Row and column layouts: even and given spacing, directions, cross-axis places, turned children.
#include <gtest/gtest.h>

#include <vector>

#include "engine/gui/ZC_GUI_LAYOUT.h"

using namespace ZOR;

namespace
{
const float kQuarterTurn = 1.57079633f;

// A widget of a fixed size.
struct ZT_BOX : ZC_GUI_OBJECT
{
    float w, h;
    ZT_BOX(int id, float aw, float ah, float turn = 0.0f) : ZC_GUI_OBJECT(id), w(aw), h(ah)
    {
        transform->rotation.z = turn;
    }
    float fGetWidth() override { return w; }
    float fGetHeight() override { return h; }
};

std::vector<float> fXs(const ZC_GUI_OBJECT& layout)
{
    std::vector<float> xs;
    for (ZC_GUI_OBJECT* c : layout.fGetChildren())
        xs.push_back(c->fGetTransform()->position.x);
    return xs;
}

void fExpectNear(const std::vector<float>& got, const std::vector<float>& want, const char* why)
{
    ASSERT_EQ(got.size(), want.size()) << why;
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-3) << why << " child " << i;
}
}

TEST(BoxLayout, RowSharesTheFreeSpaceAndMirrorsForTheRightColumn)
{
    for (int alignment : {4, 2})
    {
        ZC_GUI_HBOX_LAYOUT row(1, 300, 100, true, alignment);
        for (int i = 0; i < 3; ++i)
            row.fAddItem(new ZT_BOX(10 + i, 60, 20), 4, 0);
        if (alignment == 4)
            fExpectNear(fXs(row), {-90, 0, 90}, "left to right");
        else
            fExpectNear(fXs(row), {90, 0, -90}, "right to left");
    }

    // A hidden child takes no place but still counts in the share: (300 - 240) / 5 = 12.
    ZC_GUI_HBOX_LAYOUT row(1, 300, 100, true, 4);
    ZT_BOX* hidden = new ZT_BOX(9, 60, 20);
    hidden->fSetVisible(false);
    row.fAddItem(hidden, 4, 0);
    for (int i = 0; i < 3; ++i)
        row.fAddItem(new ZT_BOX(10 + i, 60, 20), 4, 0);
    fExpectNear(fXs(row), {0, -108, -36, 36}, "hidden first child");
}

TEST(BoxLayout, GivenOffsetsCountFromTheLeadingEdge)
{
    ZC_GUI_HBOX_LAYOUT row(1, 300, 100, false, 4);
    row.fAddItem(new ZT_BOX(1, 50, 20), 4, 10);
    row.fAddItem(new ZT_BOX(2, 50, 20), 4, 20);
    fExpectNear(fXs(row), {-115, -45}, "offsets 10 and 20");

    ZC_GUI_VBOX_LAYOUT column(2, 100, 300, false, 7);
    column.fAddItem(new ZT_BOX(1, 20, 50), 4, 10);
    column.fAddItem(new ZT_BOX(2, 20, 50), 4, 20);
    EXPECT_FLOAT_EQ(column.fGetChildren()[0]->fGetTransform()->position.y, 115) << "bottom row fills upwards";
    EXPECT_FLOAT_EQ(column.fGetChildren()[1]->fGetTransform()->position.y, 45);
}

TEST(BoxLayout, EachChildTakesItsOwnPlaceAcrossTheLine)
{
    struct
    {
        int alignment;
        float y, x;
    } cases[] = {{0, -30, -40}, {1, -30, 0}, {4, 0, 0}, {5, 0, 40}, {8, 30, 40}, {6, 30, -40}};
    for (const auto& c : cases)
    {
        ZC_GUI_HBOX_LAYOUT row(1, 300, 100, true, 4);
        row.fAddItem(new ZT_BOX(1, 60, 80), 8, 0);
        row.fAddItem(new ZT_BOX(2, 60, 40), c.alignment, 0);
        EXPECT_FLOAT_EQ(row.fGetChildren()[1]->fGetTransform()->position.y, c.y) << "row, alignment " << c.alignment;

        ZC_GUI_VBOX_LAYOUT column(2, 100, 300, true, 4);
        column.fAddItem(new ZT_BOX(2, 20, 60), c.alignment, 0);
        EXPECT_FLOAT_EQ(column.fGetChildren()[0]->fGetTransform()->position.x, c.x)
            << "column, alignment " << c.alignment;
    }
}

TEST(BoxLayout, TurnedChildrenCountByTheBoxThatHoldsThem)
{
    ZC_GUI_HBOX_LAYOUT row(1, 300, 100, true, 4);
    row.fAddItem(new ZT_BOX(1, 90, 30, kQuarterTurn), 4, 0);
    EXPECT_NEAR(row.fGetUsedWidth(), 30, 1e-3);
    EXPECT_NEAR(row.fGetUsedHeight(), 90, 1e-3);

    // Upside down it still takes its width, never a negative one.
    row.fAddItem(new ZT_BOX(2, 90, 30, 2 * kQuarterTurn), 4, 0);
    EXPECT_NEAR(row.fGetUsedWidth(), 120, 1e-3);
    EXPECT_NEAR(row.fGetUsedHeight(), 120, 1e-3);
}

TEST(BoxLayout, RefusedChildrenRemovalAndResizingKeepTheListsInStep)
{
    ZC_GUI_HBOX_LAYOUT row(1, 300, 100, true, 4);
    ZT_BOX* tooWide = new ZT_BOX(1, 301, 20);
    row.fAddItem(tooWide, 4, 0);
    EXPECT_TRUE(row.fGetChildren().empty());
    EXPECT_FLOAT_EQ(row.fGetUsedWidth(), 0);
    delete tooWide; // refused: still the caller's

    ZT_BOX* a = new ZT_BOX(1, 100, 20);
    ZT_BOX* b = new ZT_BOX(2, 100, 20);
    row.fAddItem(a, 4, 0);
    row.fInsertItem(b, 99, 4, 0); // past the end: appended
    row.fInsertItem(new ZT_BOX(3, 50, 20), -5, 4, 0); // before the start: first
    EXPECT_EQ(row.fIndexOfItem(b), 2);
    EXPECT_EQ(row.fGetChildren()[0]->fGetId(), 3);

    row.fSetWidth(100);
    EXPECT_FLOAT_EQ(row.fGetWidth(), 250) << "never below the used width";

    row.fRemoveItem(a);
    row.fRemoveItemAt(7);
    EXPECT_EQ(row.fGetChildren().size(), 2u);
    EXPECT_FLOAT_EQ(row.fGetUsedWidth(), 150);
    fExpectNear(fXs(row), {-66.667f, 41.667f}, "re-arranged with a gap of 100 / 3");
    EXPECT_EQ(row.fIndexOfItem(a), -1);
}

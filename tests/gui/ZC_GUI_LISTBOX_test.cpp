// The list box: rows over a panel, selection by click and by arrow keys on release, the
// highlight and row pictures and the row texts as drawn.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include "engine/gui/ZC_GUI_LISTBOX.h"
#include "engine/gui/ZC_GUI_PANEL.h"
#include "engine/gui/ZC_GUI_SLIDER13.h"
#include "engine/render/ZC_QUAD.h"

using namespace ZT_GUI;

namespace
{
// A 100x60 panel centred on (500, 300): 450..550 x 270..330; three rows of 20 pixels. Row
// texts start at x 455 (a twentieth of the width in), each row's glyphs hang from its top.
std::string fList(const std::string& attributes, const std::string& items)
{
    std::string children = "<ITEMS>";
    for (char c : items)
        children += std::string("<I>") + c + c + "</I>";
    children += "</ITEMS>";
    return R"(<LISTBOX ID="14" LIST_TEXTURE="list_hi.png" PANEL_TEXTURE="list_panel.png" SLIDER12_TEXTURE="none.png"
              FONT="font.xml" FONT_TEXTURE="font.png" FONT_COLOR="255 255 255 255" )" +
           attributes + "><POSITION>500 300</POSITION>" + children + "</LISTBOX>";
}

struct ListBox : ZT_WIDGETS
{
    ZC_GUI_LISTBOX* list = nullptr;

    void fMake(const std::string& xml)
    {
        fLoad(xml);
        list = fFind<ZC_GUI_LISTBOX>(14);
        ASSERT_NE(nullptr, list);
    }
    void fArrow(int key)
    {
        fDown(key);
        fStep();
        fUp(key);
        fStep();
    }
};
}

TEST_F(ListBox, AClickSelectsTheRowUnderThePointer)
{
    fMake(fList("", "AB"));
    EXPECT_EQ(GUI_TYPE_LISTBOX, list->fGetType());
    EXPECT_EQ(20, list->fGetRowHeight());

    ZS_GUI_EVENT* e = fClick(500, 295);
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(e));
    EXPECT_EQ(14, e ? e->id : 0);
    EXPECT_EQ(1, list->fGetSelectedIndex());
    EXPECT_STREQ(L"BB", list->fGetSelectedItem());
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fClick(500, 271)));
    EXPECT_EQ(0, list->fGetSelectedIndex());

    // Below the last row: the last row; outside the panel: nothing.
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fClick(500, 325)));
    EXPECT_EQ(1, list->fGetSelectedIndex());
    EXPECT_EQ(nullptr, fClick(500, 335));
    EXPECT_EQ(1, list->fGetSelectedIndex());

    list->fClearItems();
    EXPECT_EQ(nullptr, list->fGetSelectedItem());
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fClick(500, 300)));
    EXPECT_EQ(-1, list->fGetSelectedIndex());
}

TEST_F(ListBox, ArrowsMoveTheSelectionOnReleaseWhileThePointerIsOverTheList)
{
    fMake(fList("", "ABCDEFGHIJ"));
    EXPECT_EQ(10u, list->fGetItemCount());
    fClick(500, 275);
    EXPECT_EQ(0, list->fGetSelectedIndex());

    fDown(ZC_GUI_LISTBOX::KEY_DOWN);
    EXPECT_EQ(0, list->fGetSelectedIndex()); // not on press
    fStep();
    fUp(ZC_GUI_LISTBOX::KEY_DOWN);
    EXPECT_EQ(1, list->fGetSelectedIndex());
    fStep();
    fDrawFrame();
    EXPECT_TRUE(fShows(530, 292, kOrange));
    EXPECT_TRUE(fShows(530, 280, kGrey));

    for (int i = 0; i < 12; ++i)
        fArrow(ZC_GUI_LISTBOX::KEY_DOWN);
    EXPECT_EQ(9, list->fGetSelectedIndex());
    EXPECT_STREQ(L"JJ", list->fGetSelectedItem());
    // Only three rows are shown: the selection beyond them has no highlight, and nothing is
    // drawn below the panel.
    fDrawFrame();
    for (int y : {280, 300, 320})
        EXPECT_TRUE(fShows(530, y, kGrey));
    EXPECT_TRUE(fShows(457, 315, kWhite)); // row 2's text
    EXPECT_TRUE(fShows(457, 335, kBlack)); // no row 3

    fMove(700, 300); // away from the list, arrows do nothing
    fArrow(ZC_GUI_LISTBOX::KEY_UP);
    EXPECT_EQ(9, list->fGetSelectedIndex());
    fMove(500, 300);
    for (int i = 0; i < 11; ++i)
        fArrow(ZC_GUI_LISTBOX::KEY_UP);
    EXPECT_EQ(0, list->fGetSelectedIndex());
}

TEST_F(ListBox, RowsKeepTheirLimitAndLookUps)
{
    fMake(fList(R"(MAX_ROW="0")", "ABA"));
    EXPECT_EQ(3u, list->fGetItemCount()); // the layout's rows come before the limit
    list->fAddItem(L"CC");
    EXPECT_EQ(3u, list->fGetItemCount());

    list->fSelectItem(L"AA");
    EXPECT_EQ(2, list->fGetSelectedIndex()); // the later of two equal rows
    list->fSelectItem(L"ZZ");
    EXPECT_EQ(2, list->fGetSelectedIndex());
    EXPECT_EQ(L"BB", list->fGetItem(1));
    EXPECT_EQ(L"", list->fGetItem(3));
    EXPECT_EQ(L"", list->fGetItem(-1));

    // Removals leave the selection where it was: past the rows it selects nothing.
    list->fRemoveLastItem();
    list->fRemoveItem(7);
    EXPECT_EQ(2u, list->fGetItemCount());
    EXPECT_EQ(nullptr, list->fGetSelectedItem());

    // A new list selects row 0 before it has any; its scroll bar goes with it.
    ZC_GUI_LISTBOX fresh(1);
    ASSERT_NE(nullptr, fresh.fGetScrollBar());
    EXPECT_EQ(2, fresh.fGetScrollBar()->fGetId());
    EXPECT_EQ(0, fresh.fGetSelectedIndex());
    EXPECT_EQ(nullptr, fresh.fGetSelectedItem());
    fresh.fRemoveLastItem();
}

TEST_F(ListBox, RowPicturesSetTheRowHeightAndTheShownCount)
{
    fMake(fList(R"(ROW_TEXTURE="row.png" DRAW_COUNT="2" VISIBLE_COUNT="3")", "ABC"));
    EXPECT_EQ(2, list->fGetVisibleCount());
    EXPECT_EQ(15, list->fGetRowHeight());
    list->fSelectItem(L"CC");
    fDrawFrame();
    EXPECT_TRUE(fShows(530, 277, kDarkGreen));
    EXPECT_TRUE(fShows(530, 292, kDarkGreen));
    EXPECT_TRUE(fShows(530, 310, kGrey)); // the third row is not shown, nor its highlight

    EXPECT_EQ(1, fUsers("row.png"));
    EXPECT_EQ(1, fUsers("list_hi.png"));
    EXPECT_EQ(1, fUsers("list_panel.png"));
    EXPECT_EQ(1, fUsers("font.png"));
    gui->fReleaseResources();
    for (const char* file : {"row.png", "list_hi.png", "list_panel.png", "font.png"})
        EXPECT_EQ(0, fUsers(file)) << file;
    gui->fRestoreResources();
    gui->fRestoreResources();
    for (const char* file : {"row.png", "list_hi.png", "list_panel.png", "font.png"})
        EXPECT_EQ(1, fUsers(file)) << file;
}

TEST_F(ListBox, SizeAppliesOnlyOnceLoaded)
{
    fLoad(fList("", "AB"), false);
    list = fFind<ZC_GUI_LISTBOX>(14);
    list->fSetSize(200, 90);
    EXPECT_EQ(0.0f, list->fGetPanel()->fGetWidth());
    gui->fRestoreResources();
    EXPECT_FLOAT_EQ(100.0f, list->fGetPanel()->fGetWidth());

    list->fSetSize(200, 90);
    EXPECT_FLOAT_EQ(200.0f, list->fGetPanel()->fGetWidth());
    EXPECT_EQ(30, list->fGetRowHeight());
    EXPECT_FLOAT_EQ(200.0f, list->fGetHighlightSprite()->fGetWidth());
    EXPECT_FLOAT_EQ(float(kFontLineHeight), list->fGetHighlightSprite()->fGetHeight());
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fClick(590, 300)));
    EXPECT_EQ(1, list->fGetSelectedIndex());

    list->fSetVisibleCount(0); // no rows rather than a division by zero
    EXPECT_EQ(0, list->fGetRowHeight());
    EXPECT_EQ(nullptr, fClick(500, 300));
    fDrawFrame();
}

// The text box: fixed-pitch capacity, input polled in the update walk, the caret placed by a
// click, editing at the capacity, and the text as drawn.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include "engine/gui/ZC_GUI_TEXTBOX.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"

using namespace ZT_GUI;

namespace
{
// A 200x30 box centred on (500, 300): 400..600 x 285..315, a pitch of 20 (the font's line
// height), so 9 characters fit and the text starts at x 410.
struct TextBox : ZT_WIDGETS
{
    ZC_GUI_TEXTBOX* box = nullptr;
    pugi::xml_document descriptor;

    void SetUp() override
    {
        ZT_WIDGETS::SetUp();
        ASSERT_TRUE(descriptor.load_string(fFontDescriptor().c_str()));
        box = new ZC_GUI_TEXTBOX(3, descriptor.child("font"), repository->fGetTexture("font.png"),
                                 repository->fGetTexture("text.png"));
        box->fSetPosition(500.0f, 300.0f, 0.0f);
        gui->fAdd(box);
    }

    // The box reads its input in the update walk.
    ZS_GUI_EVENT* fPress(int key)
    {
        input->fOnKeyDown(key);
        ZS_GUI_EVENT* e = gui->fUpdate();
        fStep();
        return e;
    }
    ZS_GUI_EVENT* fRelease(int key)
    {
        input->fOnKeyUp(key);
        ZS_GUI_EVENT* e = gui->fUpdate();
        fStep();
        return e;
    }
    void fTypeChar(wchar_t ch)
    {
        const wchar_t text[2] = {ch, 0};
        input->fOnKeyDown('A', text);
        gui->fUpdate();
        fStep();
        fRelease('A');
    }
    void fEdit(int key)
    {
        fPress(key);
        fRelease(key);
    }
};
}

TEST_F(TextBox, CapacityFollowsTheWidth)
{
    EXPECT_EQ(GUI_TYPE_TEXTBOX, box->fGetType());
    EXPECT_EQ(9, box->fGetCapacity()); // (200 - 2 x 10) / 20
    box->fSetLetterSpacing(10);
    EXPECT_EQ(6, box->fGetCapacity());
    box->fSetSize(400, 0); // 0 keeps the height
    EXPECT_EQ(12, box->fGetCapacity());
    EXPECT_FLOAT_EQ(30.0f, box->fGetHeight());
    box->fSetMarginDivisor(0); // stored only; no division by zero later
    box->fSetLetterSpacing(0);
    EXPECT_EQ(20, box->fGetCapacity());
}

TEST_F(TextBox, AClickPlacesTheCaretAndGivesTheFocus)
{
    box->fSetTextNarrow("AB");
    fMove(590, 300);
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fPress(1)));
    EXPECT_TRUE(box->fIsActive());
    EXPECT_EQ(2, box->fGetCaret()); // right of the text: at its end
    EXPECT_EQ(GUI_EVENT_CLICK, fCode(fRelease(1)));

    fMove(430, 300);
    fPress(1);
    EXPECT_EQ(1, box->fGetCaret()); // (430 - 500 + 100) / 20
    fRelease(1);

    fMove(700, 300);
    EXPECT_EQ(nullptr, fPress(1));
    EXPECT_FALSE(box->fIsActive());
    fTypeChar(L'W');
    EXPECT_EQ(L"AB", box->fGetText());
}

TEST_F(TextBox, EditingStopsAtTheEndsAndTheCapacity)
{
    fMove(500, 300);
    fPress(1);
    fRelease(1);
    EXPECT_EQ(0, box->fGetCaret());
    fEdit(ZC_GUI_TEXTBOX::KEY_BACKSPACE);
    fEdit(ZC_GUI_TEXTBOX::KEY_DELETE);
    EXPECT_EQ(L"", box->fGetText());

    for (int i = 0; i < 12; ++i)
        fTypeChar(i % 2 ? L'B' : L'A');
    EXPECT_EQ(L"ABABABABA", box->fGetText()); // full at 9
    EXPECT_EQ(9, box->fGetCaret());
    EXPECT_EQ(1, box->fAppendCharacter(L'W'));
    fEdit(ZC_GUI_TEXTBOX::KEY_DELETE); // at the end: nothing
    fEdit(ZC_GUI_TEXTBOX::KEY_BACKSPACE);
    EXPECT_EQ(L"ABABABAB", box->fGetText());
    fEdit(ZC_GUI_TEXTBOX::KEY_LEFT);
    fEdit(ZC_GUI_TEXTBOX::KEY_LEFT);
    fEdit(ZC_GUI_TEXTBOX::KEY_DELETE);
    EXPECT_EQ(L"ABABABB", box->fGetText());
    fTypeChar(L'W');
    EXPECT_EQ(L"ABABABWB", box->fGetText());
    EXPECT_EQ(7, box->fGetCaret());

    box->fSetTextNarrow("AB  ");
    box->fTrimTrailingBlanks();
    EXPECT_STREQ(L"AB", box->fGetTextCopy());
    EXPECT_STREQ("AB", box->fGetTextNarrow());
    box->fClear();
    EXPECT_EQ(nullptr, box->fGetTextCopy());
    EXPECT_EQ(nullptr, box->fGetTextNarrow());
}

TEST_F(TextBox, TextAndCaretAsDrawn)
{
    zcFRAME_DELTA = 0.0f;
    box->fSetTextNarrow("AB");
    fMove(590, 300);
    fPress(1);
    fRelease(1);
    gui->fUpdate(); // the caret shows in the first half of its second
    EXPECT_TRUE(box->fIsCaretVisible());
    fDrawFrame();
    EXPECT_TRUE(fShows(412, 305, kWhite)); // 'A' from x 410
    EXPECT_TRUE(fShows(420, 305, kWhite)); // 'B' 8 further
    EXPECT_TRUE(fShows(417, 305, kNavy));
    EXPECT_TRUE(fShows(422, 312, kWhite)); // the caret after "AB", 5 pixels back, half a line low

    zcFRAME_DELTA = 0.6f;
    gui->fUpdate();
    EXPECT_FALSE(box->fIsCaretVisible());
    fDrawFrame();
    EXPECT_TRUE(fShows(422, 312, kNavy));
}

TEST_F(TextBox, TakesEverythingTypedInTheStepAndShowsWhatTheFontLacksAsQuestionMarks)
{
    zcFRAME_DELTA = 0.6f; // the caret hidden: only the glyphs show
    fMove(500, 300);
    fPress(1);
    fRelease(1);
    input->fOnKeyDown('A', L"A");
    input->fOnText(L"\u00eb\u00d8");
    gui->fUpdate();
    EXPECT_EQ(L"A\u00eb\u00d8", box->fGetText());
    EXPECT_EQ(3, box->fGetCaret());

    // 'A' from 410, then a '?' for each, 8 apart.
    fDrawFrame();
    for (int x : {412, 420, 428})
        EXPECT_TRUE(fShows(x, 305, kWhite)) << x;
    EXPECT_TRUE(fShows(425, 305, kNavy));
}

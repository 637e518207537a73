// The line box: focus by clicking the input area, typing under its acceptance rules, the
// editing keys, the blinking caret and the text as drawn.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include "engine/core/ZS_CALLBACK.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"

using namespace ZT_GUI;

namespace
{
// A 120x30 background centred on (300, 100); with the default insets of 4 the input area is
// 112x22 over 244..356 x 89..111, and left-aligned text starts 10 pixels in, at x 254; glyphs
// hang from y 96 (the bottom inset above the area's middle).
std::string fLineBox(const std::string& attributes = "", const std::string& children = "")
{
    return R"(<LINEBOX ID="4" TEXTURE="line.png" FONT="font.xml" FONT_TEXTURE="font.png" )" + attributes +
           "><POSITION>300 100</POSITION>" + children + "</LINEBOX>";
}

struct LineBox : ZT_WIDGETS
{
    ZC_GUI_LINEBOX* box = nullptr;

    void fMake(const std::string& xml)
    {
        fLoad(xml);
        box = fFind<ZC_GUI_LINEBOX>(4);
        ASSERT_NE(nullptr, box);
    }
    // An editing key down and up in two steps; what the key-down walk reported.
    ZS_GUI_EVENT* fKey(int key)
    {
        ZS_GUI_EVENT* e = fDown(key);
        fStep();
        fUp(key);
        fStep();
        return e;
    }
};
}

TEST_F(LineBox, TypingGoesInAtTheCaretWithinTheLimits)
{
    fMake(fLineBox(R"(MAXLEN="3")"));
    EXPECT_EQ(GUI_TYPE_LINEBOX, box->fGetType());
    EXPECT_EQ(nullptr, fType(L'A')); // no focus yet
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fClick(300, 100)));
    EXPECT_TRUE(box->fIsActive());

    EXPECT_EQ(GUI_EVENT_VALUE_CHANGED, fCode(fType(L'A')));
    EXPECT_EQ(GUI_EVENT_VALUE_CHANGED, fCode(fType(L'B')));
    EXPECT_EQ(nullptr, fKey(ZC_GUI_LINEBOX::KEY_LEFT));
    EXPECT_EQ(GUI_EVENT_VALUE_CHANGED, fCode(fType(L'W')));
    EXPECT_EQ(L"AWB", box->fGetText());
    EXPECT_EQ(2, box->fGetCaretPosition());
    EXPECT_EQ(nullptr, fType(L'A')); // the fourth character passes the maximum length
    EXPECT_EQ(L"AWB", box->fGetText());

    box->fSetText(L"BBBB");
    EXPECT_EQ(L"AWB", box->fGetText());
    box->fSetText(L"BBB");
    EXPECT_EQ(L"BBB", box->fGetText());
    EXPECT_EQ(0, box->fGetCaretPosition());

    box->fSetMaxLength(0); // unlimited again
    box->fSetForbiddenCharacters(L"B ");
    EXPECT_EQ(nullptr, fType(L'B'));
    EXPECT_EQ(nullptr, fType(L' '));
    EXPECT_EQ(nullptr, fType(L'\t', 9)); // Tab types nothing
    EXPECT_EQ(L"BBB", box->fGetText());
    EXPECT_EQ(GUI_EVENT_VALUE_CHANGED, fCode(fType(L'A')));
    EXPECT_EQ(L"ABBB", box->fGetText());
}

TEST_F(LineBox, ACharacterNeedsRoomForTwiceItsAdvance)
{
    fMake(fLineBox());
    fClick(300, 100);
    // 'W' advances 16 in a 112-pixel area: the fifth still finds 112 > 64 + 32, the sixth
    // does not (112 > 80 + 32 fails) although one advance would fit.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GUI_EVENT_VALUE_CHANGED, fCode(fType(L'W')));
    EXPECT_EQ(nullptr, fType(L'W'));
    EXPECT_EQ(5u, box->fGetText().size());
    // A narrower character still fits: 112 > 80 + 16.
    EXPECT_EQ(GUI_EVENT_VALUE_CHANGED, fCode(fType(L'A')));
}

namespace
{
// Every key-down walks the GUI from the engine's key-down slot, as in the game.
ZC_GUI* gWalked = nullptr;
int fWalkKeyDown(void*)
{
    gWalked->fOnKeyDown();
    return 0;
}
}

TEST_F(LineBox, TypedTextKeepsItsCharactersAndShowsTheOnesTheFontLacksAsQuestionMarks)
{
    fMake(fLineBox());
    fClick(300, 100);
    gWalked = gui;
    zcON_KEY_DOWN = fCreateCallback(fWalkKeyDown);
    // One step: a key, an input method's two characters, another key.
    input->fOnKeyDown('A', L"A");
    input->fOnText(L"\u00eb\u00d8");
    input->fOnKeyDown('B', L"B");
    EXPECT_EQ(L"A\u00eb\u00d8B", box->fGetText());
    EXPECT_EQ(4, box->fGetCaretPosition());

    // Each lacking character is a '?' with that glyph's room: 'A' 254..260, '?' 262..268 and
    // 270..276, 'B' from 278.
    fDrawFrame();
    for (int x : {256, 264, 272, 280})
        EXPECT_TRUE(fShows(x, 100, kWhite)) << x;
    for (int x : {269, 277})
        EXPECT_TRUE(fShows(x, 100, kNavy)) << x;

    input->fOnKeyDown(ZC_GUI_LINEBOX::KEY_BACKSPACE, nullptr);
    input->fOnKeyDown(ZC_GUI_LINEBOX::KEY_BACKSPACE, nullptr);
    EXPECT_EQ(L"A\u00eb", box->fGetText()) << "Backspace removes one character";

    // The width rule counts them as drawn: 112 > 88 + 2 x 8 takes the twelfth, not a thirteenth.
    for (int i = 0; i < 20; ++i)
        input->fOnKeyDown('O', L"\u00f8");
    EXPECT_EQ(12u, box->fGetText().size());

    delete zcON_KEY_DOWN;
    zcON_KEY_DOWN = nullptr;
    // The length limit counts characters (these three are six bytes in UTF-8).
    box->fSetMaxLength(3);
    box->fSetText(L"\u00eb\u00d8\u00df");
    EXPECT_EQ(L"\u00eb\u00d8\u00df", box->fGetText());
}

TEST_F(LineBox, EditingKeysStopAtTheEnds)
{
    fMake(fLineBox());
    fClick(300, 100);
    fType(L'A');
    fType(L'B');
    struct
    {
        const char* what;
        int key;
        const wchar_t* text;
        int caret;
    } steps[] = {
        {"Right at the end", ZC_GUI_LINEBOX::KEY_RIGHT, L"AB", 2},
        {"Delete at the end", ZC_GUI_LINEBOX::KEY_DELETE, L"AB", 2},
        {"Left", ZC_GUI_LINEBOX::KEY_LEFT, L"AB", 1},
        {"Delete", ZC_GUI_LINEBOX::KEY_DELETE, L"A", 1},
        {"Backspace", ZC_GUI_LINEBOX::KEY_BACKSPACE, L"", 0},
        {"Backspace at 0", ZC_GUI_LINEBOX::KEY_BACKSPACE, L"", 0},
        {"Left at 0", ZC_GUI_LINEBOX::KEY_LEFT, L"", 0},
    };
    for (auto& s : steps)
    {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(nullptr, fKey(s.key)); // only insertions report
        EXPECT_EQ(s.text, box->fGetText());
        EXPECT_EQ(s.caret, box->fGetCaretPosition());
    }
}

TEST_F(LineBox, FocusCaretAndClicksElsewhere)
{
    fMake(fLineBox(R"(CARRY_BLINK_TIME="0.5")"));
    fMove(300, 100);
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fDown()));
    // A key in the very step the left button went down is another press, not typing.
    input->fOnKeyDown('A');
    input->typed[0] = L'A';
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(gui->fOnKeyDown()));
    EXPECT_EQ(L"", box->fGetText());
    fStep();
    fUp('A');
    fUp();
    fStep();

    // The caret blinks in phases of the blink time while the box has the focus.
    zcFRAME_DELTA = 0.3f;
    std::vector<bool> phases;
    for (int frame = 0; frame < 6; ++frame)
    {
        gui->fUpdate();
        phases.push_back(box->fIsCaretVisible());
    }
    EXPECT_EQ((std::vector<bool>{true, true, false, false, false, true}), phases);
    fType(L'A'); // a key restarts a visible phase
    EXPECT_TRUE(box->fIsCaretVisible());

    // A left press outside the input area (but on the background) takes the focus away.
    EXPECT_EQ(nullptr, fClick(242, 100));
    EXPECT_FALSE(box->fIsActive());
    EXPECT_EQ(nullptr, fType(L'B'));
    EXPECT_EQ(L"A", box->fGetText());
    gui->fUpdate();
    EXPECT_FALSE(box->fIsCaretVisible());
}

TEST_F(LineBox, TextAndCaretAsDrawn)
{
    fMake(fLineBox());
    fClick(300, 100);
    fDrawFrame();
    EXPECT_TRUE(fShows(253, 108, kWhite)); // the caret, 2 pixels left of the text start
    EXPECT_TRUE(fShows(256, 100, kNavy));

    fType(L'A');
    fDrawFrame();
    EXPECT_TRUE(fShows(256, 100, kWhite)); // 'A' over 254..260 x 96..106
    EXPECT_TRUE(fShows(256, 108, kNavy));
    EXPECT_TRUE(fShows(261, 108, kWhite)); // the caret after it, at 260..262

    // A colour written after the font was made shows at the next draw.
    box->fSetTextColor(ZS_COLOR(kRed));
    fDrawFrame();
    EXPECT_TRUE(fShows(256, 100, kRed));
    EXPECT_EQ(0, box->fGetFont()->alignment); // the font's own alignment is put back after drawing
}

TEST_F(LineBox, LayoutTextAlignmentAndInsetsTakeEffectAtTheFirstRestore)
{
    // Insets 10 and 20: the area is 90 wide over 250..340; right-aligned text ends 10 pixels
    // inside it, at 330.
    fMake(fLineBox(R"(TEXT="AB" ALIGNMENT="RIGHT" FONT_COLOR="255 0 255 0")", "<INPUT_AREA>10 4 20 4</INPUT_AREA>"));
    EXPECT_EQ(L"AB", box->fGetText());
    EXPECT_EQ(5, box->fGetAlignment());
    fDrawFrame();
    EXPECT_TRUE(fShows(317, 100, kGreen));
    EXPECT_TRUE(fShows(325, 100, kGreen));
    EXPECT_TRUE(fShows(334, 100, kNavy));

    // The input area is where the insets put it.
    struct
    {
        int x;
        bool inside;
    } points[] = {{251, true}, {249, false}, {339, true}, {341, false}};
    for (auto& p : points)
    {
        SCOPED_TRACE(p.x);
        EXPECT_EQ(p.inside ? GUI_EVENT_DOWN : 0, fCode(fClick(p.x, 100)));
    }

    struct
    {
        const char* attribute;
        int alignment;
    } alignments[] = {{R"(ALIGNMENT="CENTER")", 4}, {R"(ALIGNMENT="right")", 3}, {"", 3}};
    for (auto& a : alignments)
    {
        SCOPED_TRACE(a.attribute);
        fMake(fLineBox(a.attribute));
        EXPECT_EQ(a.alignment, box->fGetAlignment());
    }
}

TEST_F(LineBox, WithoutItsFontDescriptorTheBoxStillShowsAndTakesTheFocus)
{
    fMake(R"(<LINEBOX ID="4" TEXTURE="line.png" FONT="absent.xml" FONT_TEXTURE="font.png" TEXT="AB">
             <POSITION>300 100</POSITION></LINEBOX>)");
    EXPECT_EQ(nullptr, box->fGetFont());
    EXPECT_EQ(0, fUsers("font.png"));
    EXPECT_EQ(1, fUsers("line.png"));
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fClick(300, 100)));
    EXPECT_EQ(nullptr, fType(L'A'));
    EXPECT_EQ(L"", box->fGetText());
    fDrawFrame();
    EXPECT_TRUE(fShows(300, 100, kNavy));

    gui->fReleaseResources();
    gui->fRestoreResources();
    EXPECT_EQ(0, fUsers("font.png"));
    EXPECT_EQ(1, fUsers("line.png"));
}

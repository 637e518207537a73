// The players window and its delete question on the default data set, in the real game: the
// window at rest as pixels, what each of its buttons does, a second profile made and deleted
// through the windows as a player would, the current player deleted, names holding '%' and a
// layout that lacks the window's widgets.
#include "game/ZT_GAME_RUN.h"

#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"
#include "engine/gui/ZC_GUI_LISTBOX.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_WINDOW_CONFIRM_EX.h"
#include "game/shell/GG_WINDOW_PLAYERS.h"

using namespace ZT_GAME;
using namespace game;

namespace
{
// Colours of the one look as the frames show them (means of small regions).
const uint32_t kPaper = 0xFFF2E5CA, kWell = 0xFFF4EBD6, kTealRow = 0xFF68D0BF, kRibbon = 0xFFF58D72,
               kTeal = 0xFF73C9BA, kRed = 0xFFE85166, kCoral = 0xFFFE8565, kVeiled = 0xFF171A3D;
const int kTolerance = 24;

// Where the list box's rows are: the list's middle and its 46-pixel rows from the top of its
// 280-pixel well.
ZS_VECTOR2 fRow(int row)
{
    const ZS_VECTOR2 list = fWidgetCentre("Players", GG_WINDOW_PLAYERS::ID_LIST);
    return ZS_VECTOR2(list.x, list.y - 140.0f + 23.0f + 46.0f * float(row));
}

GG_PLAYER* fMake(const wchar_t* name)
{
    return fGetGameInstance()->fCreatePlayer(name);
}

std::vector<std::wstring> fRows()
{
    std::vector<std::wstring> rows;
    if (GG_WINDOW_PLAYERS* w = fWindow<GG_WINDOW_PLAYERS>("Players"))
        for (size_t i = 0; i < w->fGetList()->fGetItemCount(); ++i)
            rows.push_back(w->fGetList()->fGetItem(int32_t(i)));
    return rows;
}

std::wstring fSelected()
{
    GG_WINDOW_PLAYERS* w = fWindow<GG_WINDOW_PLAYERS>("Players");
    const wchar_t* s = w && w->fGetList() ? w->fGetList()->fGetSelectedItem() : nullptr;
    return s ? s : L"(none)";
}

std::wstring fCurrent()
{
    const GG_PLAYER* p = fGetPlayers()->fGetCurrentPlayer();
    return p ? p->fGetName() : L"(none)";
}

// The names a players.save holds, read back by a list of its own.
std::vector<std::wstring> fSavedNames(std::wstring* current = nullptr)
{
    gPlayers list;
    list.fLoad(fSaveFolder().string() + "/");
    if (current)
        *current = list.fGetCurrentPlayer() ? list.fGetCurrentPlayer()->fGetName() : L"(none)";
    return list.fGetNames();
}

// The bounding box of the pixels that pass the test inside the rectangle; empty when none.
struct ZS_BOX
{
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool fEmpty() const { return right < left; }
    int fWidth() const { return fEmpty() ? 0 : right - left + 1; }
};

template <class TEST>
ZS_BOX fInk(const ZS_FRAME& frame, int x0, int y0, int x1, int y1, TEST test)
{
    ZS_BOX box;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (test(frame.fAt(x, y)))
            {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// The deletion question's name colour (0xFFCE4E38), told apart from the red button beside it.
bool fNameInk(uint32_t c)
{
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r > 170 && r < 230 && g > 50 && g < 110 && b > 30 && b < 80;
}

bool fDarkInk(uint32_t c)
{
    return ((c >> 16) & 0xFF) < 110 && ((c >> 8) & 0xFF) < 110 && (c & 0xFF) < 130;
}

int fMeasure(const char* font, const wchar_t* text)
{
    ZC_FONT* f = fGetFonts() ? fGetFonts()->fGetFont(font) : nullptr;
    return f ? f->fMeasureLine(text) : -1;
}

class PlayersWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fCopyDefaultData();
        testing::internal::CaptureStderr();
    }
    void TearDown() override
    {
        if (capturing)
            log = testing::internal::GetCapturedStderr();
        capturing = false;
    }

    // Title at rest, the given players made (the first current) and saved, then the greeting's
    // change-player link: the players window at rest.
    void fOpenWithPlayers(ZT_SCRIPT& script, std::vector<const wchar_t*> names)
    {
        script.fWaitForTitle().fDo([names] {
            for (const wchar_t* n : names)
                fMake(n);
            fGetGameInstance()->fSetPlayer(fGetPlayers()->fFindPlayer(names.front()));
            fGetGameInstance()->fSave();
        });
        script.fClick(512, 77).fWaitForWindow("Players");
    }
    void fRun(ZT_SCRIPT& script)
    {
        bool finished = false;
        EXPECT_EQ(100500, fRunGame(script, &finished));
        EXPECT_TRUE(finished) << "the script stopped at step " << script.fGetNext();
    }

    std::string log;
    bool capturing = true;
};
}

TEST_F(PlayersWindow, AtRestAndWhatEachButtonDoes)
{
    ZT_SCRIPT script;
    fOpenWithPlayers(script, {L"Ada", L"Bob"});
    ZS_FRAME rest;
    script.fCapture(&rest, "players_window");
    int adaWidth = -1, bobWidth = -1;
    script.fDo([&] {
        adaWidth = fMeasure("text", L"Ada");
        bobWidth = fMeasure("text", L"Bob");
    });

    // What a click on each widget leaves behind, in this order (each opened window is closed
    // again with its cancel button before the next row).
    struct ZS_EFFECT
    {
        std::string opened;
        std::wstring selected, current;
        bool playersOpen;
    };
    const struct
    {
        int id;
        const char* what;
        ZS_EFFECT effect;
    } table[] = {
        {GG_WINDOW_PLAYERS::ID_LIST, "the second row: chosen in the list only", {"", L"Bob", L"Ada", true}},
        {13, "the caption: nothing", {"", L"Bob", L"Ada", true}},
        {GG_WINDOW_PLAYERS::ID_DELETE, "delete: the question", {"Players_Confirm_Del", L"Bob", L"Ada", true}},
        {GG_WINDOW_PLAYERS::ID_NEW, "new: the name box", {"Players_EditBox", L"Bob", L"Ada", true}},
        {GG_WINDOW_PLAYERS::ID_CHOOSE, "choose: the selected player, the title back", {"", L"Bob", L"Bob", false}},
    };
    std::vector<ZS_EFFECT> seen(std::size(table));
    std::wstring namedInQuestion;
    int maxNameLength = -1;
    for (size_t k = 0; k < std::size(table); ++k)
    {
        const int id = table[k].id;
        if (id == GG_WINDOW_PLAYERS::ID_LIST)
            script.fClickWhere([] { return fRow(1); });
        else
            script.fClickWidget("Players", id);
        script.fWaitFrames(2).fWaitAtRest().fDo([&, k] {
            for (const char* name : {"Players_Confirm_Del", "Players_EditBox"})
                if (fIsOpen(name))
                    seen[k].opened = name;
            seen[k].selected = fSelected();
            seen[k].current = fCurrent();
            seen[k].playersOpen = fIsOpen("Players");
            if (GG_WINDOW_CONFIRM_EX* q = fWindow<GG_WINDOW_CONFIRM_EX>("Players_Confirm_Del"))
                if (fIsOpen("Players_Confirm_Del"))
                    namedInQuestion = q->fGetExtraText();
            if (G_WINDOW_EDITBOX* box = fWindow<G_WINDOW_EDITBOX>("Players_EditBox"))
                if (fIsOpen("Players_EditBox"))
                    maxNameLength = box->fGetLineBox()->fGetMaxLength();
        });
        if (table[k].effect.opened.size())
            script.fClickWidget(table[k].effect.opened, 4).fWaitUntilClosed(table[k].effect.opened);
    }
    script.fWaitForWindow("Title");
    fRun(script);

    for (size_t k = 0; k < std::size(table); ++k)
    {
        SCOPED_TRACE(table[k].what);
        EXPECT_EQ(table[k].effect.opened, seen[k].opened);
        EXPECT_EQ(table[k].effect.selected, seen[k].selected);
        EXPECT_EQ(table[k].effect.current, seen[k].current);
        EXPECT_EQ(table[k].effect.playersOpen, seen[k].playersOpen);
    }
    EXPECT_EQ(L"Bob", namedInQuestion) << "the question names the selected player";
    EXPECT_EQ(GG_WINDOW_PLAYERS::kMaxNameLength, maxNameLength);
    EXPECT_EQ(std::vector<std::wstring>({L"Ada", L"Bob"}), fSavedNames()) << "cancelled questions delete nothing";

    // At rest: the paper dialog under its ribbon, the current player's row highlighted in the
    // list well, the three buttons in their colours, the title veiled behind.
    ASSERT_EQ(1024, rest.width);
    fExpectRegions(rest,
                   {
                       {"dialog paper", 290, 575, 330, 585, kPaper},
                       {"empty list well", 340, 480, 380, 520, kWell},
                       {"current player's row", 400, 290, 440, 304, kTealRow},
                       {"other row", 400, 336, 440, 350, kWell},
                       {"ribbon", 350, 156, 380, 166, kRibbon},
                       {"new", 655, 296, 675, 312, kTeal},
                       {"delete", 655, 376, 675, 392, kRed},
                       {"choose", 655, 512, 675, 526, kCoral},
                       {"veiled title", 40, 180, 80, 220, kVeiled},
                   },
                   kTolerance);
    // The names are drawn in their rows: ink starts near the well's left edge.
    const ZS_BOX ada = fInk(rest, 160, 280, 560, 314, fDarkInk);
    const ZS_BOX bob = fInk(rest, 160, 326, 560, 360, fDarkInk);
    EXPECT_NEAR(adaWidth, ada.fWidth(), 4);
    EXPECT_NEAR(bobWidth, bob.fWidth(), 4);
    EXPECT_LT(ada.left, 200);
}

// As a player does it: new player, a taken name refused, forbidden characters and the length
// limit while typing, OK; then delete it through the question that names it. Each change is
// in players.save at once.
TEST_F(PlayersWindow, ASecondProfileIsCreatedThenDeleted)
{
    ZT_SCRIPT script;
    fOpenWithPlayers(script, {L"Ada"});
    bool okWhileTaken = true, hintWhileTaken = false;
    std::vector<std::wstring> rowsAfterAdd, savedAfterAdd, rowsAfterDelete, savedAfterDelete;
    std::wstring selectedAfterAdd, currentAfterAdd, savedCurrent, named;
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_NEW).fWaitForWindow("Players_EditBox");
    script.fType("Ada").fWaitFrames(2).fDo([&] {
        G_WINDOW_EDITBOX* box = fWindow<G_WINDOW_EDITBOX>("Players_EditBox");
        okWhileTaken = box->fGetOkButton()->fGetState() != ZC_GUI_BUTTON5::STATE_DISABLED;
        hintWhileTaken = box->fGetHintLabel() && box->fGetHintLabel()->fIsVisible();
    });
    // The blank and the underscore are ignored; 15 characters at most.
    script.fType("Love lace_2024xyz").fWaitFrames(2);
    std::wstring typed;
    script.fDo([&] { typed = fWindow<G_WINDOW_EDITBOX>("Players_EditBox")->fGetText(); });
    script.fClickWidget("Players_EditBox", 3).fWaitUntilClosed("Players_EditBox").fDo([&] {
        rowsAfterAdd = fRows();
        selectedAfterAdd = fSelected();
        currentAfterAdd = fCurrent();
        savedAfterAdd = fSavedNames(&savedCurrent);
    });
    // Delete it: the question names it at the window's middle, and the name comes down with
    // the window as it slides in.
    // The frame is taken while the question is still on its way down: on the screen, but well
    // above its resting place (a frame that jumps past that stretch leaves nothing to compare).
    ZS_FRAME sliding, question;
    bool caughtSliding = false;
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_DELETE).fThen([&] {
        G_WINDOW* w = game::fGetWindowManager()->fFindOpenWindow("Players_Confirm_Del");
        if (!w)
            return false;
        const float y = w->fGetTransform()->fCompose().position.y;
        caughtSliding = w->fIsAnimating() && y > 100 && y < 264;
        return caughtSliding || !w->fIsAnimating() || y >= 264;
    });
    script.fCapture(&sliding, "players_confirm_sliding").fDo([&] {
        // Still well on its way after the capture, so it was in the captured frame too.
        G_WINDOW* w = game::fGetWindowManager()->fFindOpenWindow("Players_Confirm_Del");
        caughtSliding = caughtSliding && w && w->fIsAnimating() &&
                        w->fGetTransform()->fCompose().position.y < 244;
    });
    script.fWaitForWindow("Players_Confirm_Del");
    script.fCapture(&question, "players_confirm_delete");
    script.fDo([&] { named = fWindow<GG_WINDOW_CONFIRM_EX>("Players_Confirm_Del")->fGetExtraText(); });
    script.fClickWidget("Players_Confirm_Del", 3).fWaitUntilClosed("Players_Confirm_Del").fDo([&] {
        rowsAfterDelete = fRows();
        savedAfterDelete = fSavedNames();
    });
    fRun(script);

    EXPECT_FALSE(okWhileTaken) << "a name in use cannot be confirmed";
    EXPECT_TRUE(hintWhileTaken);
    EXPECT_EQ(L"AdaLovelace2024", typed);
    EXPECT_EQ(std::vector<std::wstring>({L"Ada", L"AdaLovelace2024"}), rowsAfterAdd);
    EXPECT_EQ(L"AdaLovelace2024", selectedAfterAdd) << "the new player is selected";
    EXPECT_EQ(L"Ada", currentAfterAdd) << "but not made current";
    EXPECT_EQ(rowsAfterAdd, savedAfterAdd) << "saved at once";
    EXPECT_EQ(L"Ada", savedCurrent);
    EXPECT_EQ(L"AdaLovelace2024", named);
    EXPECT_EQ(std::vector<std::wstring>({L"Ada"}), rowsAfterDelete);
    EXPECT_EQ(std::vector<std::wstring>({L"Ada"}), savedAfterDelete);

    // The name in the question's colour, centred on the window's middle, between the question
    // and the buttons; higher up while the window was still coming down.
    const ZS_BOX name = fInk(question, 272, 340, 752, 420, fNameInk);
    ASSERT_FALSE(name.fEmpty());
    EXPECT_NEAR(512, (name.left + name.right) / 2, 3);
    EXPECT_NEAR(384, (name.top + name.bottom) / 2, 8);
    // Only the middle of the line: the players window's own red delete button lies beside it.
    if (!caughtSliding)
        GTEST_SKIP() << "no frame showed the question on its way (a loaded machine)";
    const ZS_BOX early = fInk(sliding, 400, 0, 624, 430, fNameInk);
    ASSERT_FALSE(early.fEmpty());
    EXPECT_LT(early.bottom, name.bottom) << "the line moves with the window";
}

// A full list offers no new player; deleting the current player leaves none current (in the
// game object too, whose hearts tick every frame) until one is chosen.
TEST_F(PlayersWindow, DeletingTheCurrentPlayerLeavesNoneCurrentUntilOneIsChosen)
{
    ZT_SCRIPT script;
    fOpenWithPlayers(script, {L"Ada", L"Bob", L"Cy", L"Dee", L"Eve", L"Flo"});
    int newWhenFull = -1, newAfterDelete = -1;
    std::wstring selected, listCurrent, savedCurrent, chosen;
    const GG_PLAYER* gameCurrent = reinterpret_cast<const GG_PLAYER*>(1);
    std::vector<std::wstring> saved;
    script.fDo([&] {
        newWhenFull = fWindow<GG_WINDOW_PLAYERS>("Players")->fGetNewButton()->fGetState();
    });
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_DELETE).fWaitForWindow("Players_Confirm_Del");
    script.fClickWidget("Players_Confirm_Del", 3).fWaitUntilClosed("Players_Confirm_Del");
    // Frames go on with the profile gone: the game object must not hold it.
    script.fWaitFrames(20).fDo([&] {
        newAfterDelete = fWindow<GG_WINDOW_PLAYERS>("Players")->fGetNewButton()->fGetState();
        selected = fSelected();
        listCurrent = fCurrent();
        gameCurrent = fGetGameInstance()->fGetCurrentPlayer();
        saved = fSavedNames(&savedCurrent);
    });
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_CHOOSE).fWaitForWindow("Title").fDo([&] {
        const GG_PLAYER* p = fGetGameInstance()->fGetCurrentPlayer();
        chosen = p && p == fGetPlayers()->fGetCurrentPlayer() ? p->fGetName() : L"(mismatch)";
    });
    fRun(script);

    EXPECT_EQ(ZC_GUI_BUTTON5::STATE_DISABLED, newWhenFull) << "six rows fill the list";
    EXPECT_EQ(ZC_GUI_BUTTON5::STATE_NORMAL, newAfterDelete);
    EXPECT_EQ(L"Bob", selected) << "the first row is selected";
    EXPECT_EQ(L"(none)", listCurrent);
    EXPECT_EQ(nullptr, gameCurrent);
    EXPECT_EQ(std::vector<std::wstring>({L"Bob", L"Cy", L"Dee", L"Eve", L"Flo"}), saved);
    EXPECT_EQ(L"Bob", savedCurrent) << "a save without a current player makes the first current when read";
    EXPECT_EQ(L"Bob", chosen);
}

// A profile's name is shown as it is written wherever it appears, '%' included: such names
// cannot be typed, but a players.save made elsewhere may hold them.
TEST_F(PlayersWindow, ANameHoldingPercentSignsIsShownAsWritten)
{
    const std::wstring odd = L"%s%n%d%%x";
    ZT_SCRIPT script;
    fOpenWithPlayers(script, {L"Ada", odd.c_str()});
    int rowWidth = -1, nameWidth = -1;
    script.fDo([&] {
        rowWidth = fMeasure("text", odd.c_str());
        nameWidth = fMeasure("button", odd.c_str());
    });
    ZS_FRAME rows, question;
    script.fClickWhere([] { return fRow(1); }).fCapture(&rows);
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_DELETE).fWaitForWindow("Players_Confirm_Del");
    script.fCapture(&question, "players_confirm_percent");
    script.fClickWidget("Players_Confirm_Del", 4).fWaitUntilClosed("Players_Confirm_Del");
    fRun(script);

    ASSERT_GT(rowWidth, 60);
    EXPECT_NEAR(rowWidth, fInk(rows, 160, 326, 560, 360, fDarkInk).fWidth(), 4);
    EXPECT_NEAR(nameWidth, fInk(question, 272, 340, 752, 420, fNameInk).fWidth(), 4);
}

// A layout without the list box and the new and delete buttons: the window still opens and
// closes, each missing widget is logged, the buttons that are there do what they can.
TEST_F(PlayersWindow, ALayoutWithoutItsWidgetsStillOpensAndSaysWhatIsMissing)
{
    std::string layout = fReadText(fWindowsFolder() / "Players.xml");
    for (const char* element : {"<LISTBOX", "<BUTTON5 ID=\"5\"", "<BUTTON5 ID=\"6\""})
    {
        const size_t at = layout.find(element);
        ASSERT_NE(std::string::npos, at) << element;
        const std::string tag = element[1] == 'L' ? "</LISTBOX>" : "</BUTTON5>";
        layout.erase(at, layout.find(tag, at) + tag.size() - at);
    }
    fWriteText(fWindowsFolder() / "Players.xml", layout);
    ZT_SCRIPT script;
    fOpenWithPlayers(script, {L"Ada", L"Bob"});
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_CHOOSE).fWaitUntilClosed("Players").fWaitForWindow("Title");
    std::wstring current;
    script.fDo([&] { current = fCurrent(); });
    fRun(script);
    TearDown();
    EXPECT_EQ(L"Ada", current) << "without a list nothing is chosen";
    for (const char* missing : {"\"Players\" has no list box (widget 4)", "\"Players\" has no new-player button (widget 5)",
                                "\"Players\" has no delete button (widget 6)"})
        EXPECT_NE(std::string::npos, log.find(missing)) << missing << "\n" << log;
}

// A delete question whose font for the name does not exist still asks and answers; the name
// is simply not drawn.
TEST_F(PlayersWindow, AQuestionWithoutItsNameFontStillDeletes)
{
    fReplaceText(fWindowsFolder() / "Players_Confirm_Del.xml", "font_extra_text=\"button\"",
                 "font_extra_text=\"no such font\"");
    ZT_SCRIPT script;
    fOpenWithPlayers(script, {L"Ada", L"Bob"});
    ZS_FRAME question;
    std::vector<std::wstring> saved;
    script.fClickWhere([] { return fRow(1); });
    script.fClickWidget("Players", GG_WINDOW_PLAYERS::ID_DELETE).fWaitForWindow("Players_Confirm_Del");
    script.fCapture(&question).fClickWidget("Players_Confirm_Del", 3).fWaitUntilClosed("Players_Confirm_Del");
    script.fDo([&] { saved = fSavedNames(); });
    fRun(script);
    EXPECT_TRUE(fInk(question, 272, 340, 752, 420, fNameInk).fEmpty());
    EXPECT_EQ(std::vector<std::wstring>({L"Ada"}), saved);
}

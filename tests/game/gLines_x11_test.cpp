// Every line counts: the real program on a real X server, levels of the first pack drawn with
// each hand, both mouse buttons and both tools, each line checked to start at the pressed cell
// and to end at the released one; each result window left by another kind of click.
#include <algorithm>
#include <cstdio>

#include "game/ZT_X11_CLICKS.h"

using namespace ZT_X11;

namespace
{
// Probes that tell what a cell shows (0 empty, 1 filled, 2 marked): its middle, and a point to
// the side that a cross leaves bare.
void fCellProbes(const ZS_LEVEL_SHEET& sheet, int row, int column, int state,
                 std::vector<std::tuple<int, int, ZF_LOOK>>* probes)
{
    const int x = sheet.fX(column), y = sheet.fY(row), side = int(sheet.cell * 0.3);
    switch (state)
    {
    case 1:
        probes->push_back({x, y, fIsFilledCell});
        probes->push_back({x + side, y, fIsFilledCell});
        break;
    case 2:
        probes->push_back({x, y, fIsDark});
        probes->push_back({x + side, y, fNotLook(fIsDark)});
        break;
    default:
        probes->push_back({x, y, fNotLook(fIsDark)});
        break;
    }
}

// One line of the table: the hand that presses, the mouse button (xdotool's: 1 left, 3 right)
// and whether the switch is on the filling tool.
struct ZS_LINE
{
    ZE_KIND hand;
    int button;
    bool fillTool;
};

// Which of two screens comes first within the time: 0 or 1, or -1 when neither.
int fWaitForEither(ZT_PROGRAM& game, const std::vector<std::tuple<int, int, ZF_LOOK>>& a,
                   const std::vector<std::tuple<int, int, ZF_LOOK>>& b, double seconds)
{
    const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
    do
    {
        if (game.fGrab())
        {
            const std::vector<std::tuple<int, int, ZF_LOOK>>* looks[] = {&a, &b};
            for (int i = 0; i < 2; ++i)
            {
                bool all = true;
                for (const auto& [x, y, look] : *looks[i])
                    all = all && look(game.fAt(x, y));
                if (all)
                    return i;
            }
        }
        fSleep(100);
    } while (Clock::now() < until);
    game.fShot("failed_either");
    return -1;
}
}

TEST(Lines, EveryLineStartsAtThePressedCellWhateverTheHandTheButtonAndTheTool)
{
    ZT_CLICKS t("lines");
    ZT_PROGRAM& game = t.game;
    ASSERT_TRUE(t.fStartWithNewPlayer("Liner"));
    const int kFirstPack[] = {140, 400}, kFirstTile[] = {248, 314};
    t.fGlide(kFirstPack);
    ASSERT_TRUE(game.fWaitFor({{210, 280, fIsCard}})) << "the level list";
    t.fGlide(kFirstTile);
    // The tutorial of the first level is skipped: its question, then yes.
    ASSERT_TRUE(game.fWaitFor({{970, 50, fIsTeal}, {300, 60, fIsCard}})) << "the tutorial's first step";
    t.fGlide(kSkip);
    ASSERT_TRUE(game.fWaitFor({{300, 470, fIsCoral}})) << "the skip question";
    t.fGlide(kSkipYes);

    std::vector<ZS_LINE> table;
    for (ZE_KIND hand : {kJump, kGlide, kSameSpot, kTap})
        for (int button : {1, 3})
            for (bool fillTool : {true, false})
                table.push_back({hand, button, fillTool});
    // How each result window is left: the kind of click and its button.
    const struct
    {
        ZE_KIND kind;
        const int* target;
    } results[] = {{kAfterHide, kResultNext}, {kJump, kResultNext}, {kTap, kResultReplay}, {kSameSpot, kResultLevels},
                   {kGlide, kResultNext}};
    const std::vector<std::tuple<int, int, ZF_LOOK>> trophyLook = {{300, 450, fIsCard}, {440, 552, fIsCoral}},
                                                     resultLook = {{604, 530, fIsCoral}, {300, 480, fIsCard}};

    bool fillTool = true;
    size_t next = 0;
    for (int level = 0; level < 5; ++level)
    {
        SCOPED_TRACE("level " + std::to_string(level + 1));
        char file[64];
        std::snprintf(file, sizeof file, "Resources/data/share/levels/pack0/level%02d.xml", level);
        ZS_LEVEL_SHEET sheet;
        ASSERT_TRUE(sheet.fRead(t.root / file));
        ASSERT_TRUE(game.fWaitFor({{sheet.fX(0), sheet.fY(0), fIsCard}, {970, 50, fIsTeal}})) << "the grid";
        std::vector<int> shown(sheet.cells.size(), 0);
        // check: false for the stroke that wins the level, which the win's pictures cover.
        auto fDraw = [&](const ZS_LEVEL_SHEET::ZS_RUN& run, const ZS_LINE& line, int state, bool check = true) {
            if (line.fillTool != fillTool)
            {
                t.fGlide(kSwitch);
                fillTool = line.fillTool;
                ASSERT_TRUE(game.fWaitFor({{835, 330, fillTool ? ZF_LOOK(fIsGold) : fNotLook(fIsGold)}}))
                    << "the switch";
            }
            static const ZE_HAND kHands[] = {zeJUMP, zeGLIDE, zeSAME_SPOT, zeTAP, zeJUMP};
            const int x0 = sheet.fX(run.first), x1 = sheet.fX(run.last), y = sheet.fY(run.row);
            if (line.hand == kSameSpot)
            {
                game.fMove(x0, y);
                fSleep(300);
            }
            if (run.first == run.last)
                game.fClick(x0, y, kHands[line.hand], line.button);
            else
                game.fDrag(x0, y, x1, y, kHands[line.hand], line.button);
            for (int c = run.first; c <= run.last; ++c)
                shown[size_t(run.row * sheet.columns + c)] = state;
            // Away from the grid, so that neither the pointer nor the sign over the hovered
            // cell covers what is checked.
            game.fMove(60, 740);
            if (!check)
                return;
            std::vector<std::tuple<int, int, ZF_LOOK>> probes;
            for (int c = std::max(0, run.first - 1); c <= run.last; ++c)
                fCellProbes(sheet, run.row, c, shown[size_t(run.row * sheet.columns + c)], &probes);
            EXPECT_TRUE(game.fWaitFor(probes, 4))
                << kKindNames[line.hand] << ", button " << line.button << ", " << (line.fillTool ? "fill" : "mark")
                << " tool: row " << run.row << ", columns " << run.first << " to " << run.last;
        };

        // The table's lines, each on a run of two cells or more of what it draws, while the
        // level has one; the last picture run is kept to win the level with.
        const std::vector<ZS_LEVEL_SHEET::ZS_RUN> fills = sheet.fRowRuns(true), marks = sheet.fRowRuns(false);
        std::vector<bool> filled(fills.size(), false), marked(marks.size(), false);
        filled.back() = true;
        for (; next < table.size(); ++next)
        {
            const ZS_LINE& line = table[next];
            const bool filling = (line.button == 1) == line.fillTool;
            const std::vector<ZS_LEVEL_SHEET::ZS_RUN>& runs = filling ? fills : marks;
            std::vector<bool>& drawn = filling ? filled : marked;
            size_t pick = 0;
            while (pick < runs.size() && (drawn[pick] || runs[pick].first == runs[pick].last))
                ++pick;
            if (pick == runs.size())
                break;
            drawn[pick] = true;
            fDraw(runs[pick], line, filling ? 1 : 2);
            if (HasFatalFailure())
                return;
        }
        // The rest of the picture: the left button on the filling tool.
        for (size_t i = 0; i + 1 < fills.size(); ++i)
            if (!filled[i])
                fDraw(fills[i], {kJump, 1, true}, 1);
        fDraw(fills.back(), {kJump, 1, true}, 1, false);
        if (HasFatalFailure())
            return;

        // The win: trophy pop-ups first, each sent away, then the result window.
        const auto& leave = results[level];
        t.fPlace(leave.kind, leave.target);
        int screen = -1;
        for (int popups = 0; popups < 4; ++popups)
        {
            screen = fWaitForEither(game, trophyLook, resultLook, 15);
            if (screen == 1)
            {
                // The result shows between two trophies' pop-ups too: it counts once no other
                // pop-up has come for a second.
                fSleep(int(1000 * ZT_TEST::fTimeScale()));
                screen = fWaitForEither(game, trophyLook, resultLook, 1);
            }
            if (screen != 0)
                break;
            t.fGlide(kTrophyGreat);
            t.fPlace(leave.kind, leave.target);
            ASSERT_TRUE(game.fWaitFor({{300, 450, fNotLook(fIsCard)}, {440, 552, fNotLook(fIsCoral)}}))
                << "the trophy pop-up stays";
        }
        ASSERT_EQ(1, screen) << "no result window";
        t.fClick(leave.kind, leave.target);
        if (leave.target == kResultReplay)
        {
            // Play again asks first; cancel keeps the result, and next goes on right after the
            // question's hide.
            ASSERT_TRUE(game.fWaitFor({{300, 470, fIsCoral}})) << "replay's question";
            t.fClick(kGlide, kReplayCancel);
            ASSERT_TRUE(game.fWaitFor({{300, 470, fNotLook(fIsCoral)}, {604, 530, fIsCoral}})) << "cancel";
            t.fClick(kAfterHide, kResultNext);
        }
        else if (leave.target == kResultLevels)
        {
            ASSERT_TRUE(game.fWaitFor({{210, 280, fIsCard}})) << "the level list";
            const int tile[] = {248 + 176 * ((level + 1) % 4), 314 + 168 * ((level + 1) / 4)};
            t.fGlide(tile);
        }
        ASSERT_TRUE(game.fWaitFor({{604, 530, fNotLook(fIsCoral)}, {970, 50, fIsTeal}})) << "the next level";
    }
    EXPECT_EQ(table.size(), next) << "the levels had room for every line of the table";
    EXPECT_EQ(0, game.fTerminate());
}

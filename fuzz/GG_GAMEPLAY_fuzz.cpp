// Any bytes as a level file, started by the game's level screen as a level of the first pack
// (its "settings", the cell list, the decor laid out for it, the cell skins chosen), then
// played: drags across rows and columns with the mouse as a player makes them, lines filled and
// crossed straight through the process, hints, a bonus, the win sweep, frames updated and drawn
// on the null device, and the level ended. Winning and losing are left out: they save the
// player and lead to other screens, which are not this file's readers.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "ZT_FUZZ_GAME.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace game;

namespace
{
class ZT_LEVEL_SCREEN : public GG_GAMEPLAY
{
public:
    int winTests = 0;
    void fCheckWin() override { ++winTests; }
};

ZT_LEVEL_SCREEN* gScreen = nullptr;

void fFrames(int count)
{
    for (int i = 0; i < count; ++i)
    {
        ZT_FUZZ::fGame().input->fAdvanceFrame();
        gScreen->fUpdate();
        if (zcRENDER->fBeginFrame() == 1)
        {
            gScreen->fDraw();
            zcRENDER->fEndFrame();
        }
    }
}

// A drag with the left or right button from one cell's centre to another's.
void fDrag(const GG_LEVEL_SETTINGS& s, int fromRow, int fromColumn, int toRow, int toColumn, int button)
{
    ZC_INPUT* input = ZT_FUZZ::fGame().input;
    auto at = [&](int row, int column) {
        input->fAdvanceFrame();
        input->fOnMouseMove(int(s.topLeft.x + (float(column) + 0.5f) * s.cellSize.x),
                            int(s.topLeft.y + (float(row) + 0.5f) * s.cellSize.y));
        gScreen->fOnMouseMove();
    };
    at(fromRow, fromColumn);
    input->fOnKeyDown(button);
    gScreen->fOnKeyDown(button);
    at(toRow, toColumn);
    fFrames(1);
    input->fAdvanceFrame();
    input->fOnKeyUp(button);
    gScreen->fOnKeyUp(button);
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    shell.fHoldPictures();
    gGame* game = fGetGameInstance();
    if (!shell.loaded || !game)
        return 0;
    gScreen = new ZT_LEVEL_SCREEN;
    game->fSetGameplay(gScreen);
    game->fSetPlayer(game->fCreatePlayer(L"Fuzz"));
    // The first level of the first pack, started as the level list starts it: the level
    // screen then knows the player, pack and level that every input stands in for.
    if (!game->fStartLevel(0, 0))
        std::fprintf(stderr, "The first level did not start: %s\n", gScreen->fGetStartError().c_str());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!gScreen)
        return 0;
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    shell.fPutInput(data, size);
    if (gScreen->fStartLevel(ZT_FUZZ::INPUT_NAME))
    {
        gScreen->fSetMistakeLimit(1 << 30);
        gScreen->fLoadResources();
        GG_PROCESS& process = gScreen->fGetProcess();
        const GG_LEVEL_SETTINGS& s = gScreen->fGetSettings();
        const int rows = s.gridSize.y;
        const int columns = s.gridSize.x;
        fFrames(1);
        // A player's drags: a row filled, a column crossed, a diagonal (one line only) and
        // one from outside the grid.
        fDrag(s, 0, 0, 0, columns - 1, 1);
        fDrag(s, rows - 1, 0, 0, 0, 4);
        fDrag(s, rows / 2, columns / 2, rows - 1, columns - 1, 1);
        fDrag(s, -2, -2, rows + 1, columns + 1, 1);
        // Straight through the process: a few rows filled and columns crossed.
        for (int row = 1; row < std::min(rows, 6); ++row)
            process.fApplyLine(row, 0, row, columns - 1, true);
        for (int column = 1; column < std::min(columns, 6); ++column)
            process.fApplyLine(rows - 1, column, 0, column, false);
        fFrames(4);
        for (int i = 0; i < 2; ++i)
            gScreen->fUseHint();
        if (GG_ELEMENT* hint = process.fPickHintCell())
            process.fApplyLine(hint->row, hint->column, hint->row, hint->column, true);
        process.fMakeFirstOpenCellBonus();
        if (process.fGetProgress() < 0.0f || process.fGetProgress() > 1.0f)
            __builtin_trap();
        process.fStartWinSweep(float(size % 900), nullptr);
        fFrames(16);
        gScreen->fUnloadResources();
        gScreen->fEndLevel();
    }
    shell.repository->fCollect();
    return 0;
}

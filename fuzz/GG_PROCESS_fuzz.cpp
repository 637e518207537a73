// Any bytes as a level file: its "settings" read as the level screen reads them (every value
// and sprite required, the engine's own parsers), then the solving process starts from its
// "gElements" with the numbers file of the data, and the level is played: rows filled and
// columns crossed, hints, a bonus, the win sweep, frames updated and drawn on the null
// device, and the grid cleared.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include <pugixml.hpp>

#include "ZT_FUZZ_GAME.h"
#include "engine/core/ZC_RANDOM.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"

using namespace ZOR;
using namespace game;

namespace
{
// The numbers file, for as long as the shipped data has none of its own.
const char* const NUMBERS =
    "<numbers>"
    "<numbersLeft font=\"clue\" font_color=\"0xFF2B2D42\" font_cross=\"0xFF9AA0B0\" interval=\"18\" shift_first=\"12 0\">"
    "<FILE>data/share/image/level clue_cross.png</FILE><HOT_SPOT>HS_MID</HOT_SPOT>"
    "<ANIMATION grid=\"6 1\" frames=\"6\" fps=\"24\" loop=\"0\"/></numbersLeft>"
    "<numbersUp font=\"clue\" font_color=\"0xFF2B2D42\" font_cross=\"0xFF9AA0B0\" interval=\"18\" shift_first=\"0 12\">"
    "<FILE>data/share/image/level clue_cross.png</FILE><HOT_SPOT>HS_MID</HOT_SPOT>"
    "<ANIMATION grid=\"6 1\" frames=\"6\" fps=\"24\" loop=\"0\"/></numbersUp>"
    "</numbers>";

// The level screen as far as the process sees it: it counts, and decides nothing.
class ZT_LEVEL_SCREEN : public GG_GAMEPLAY
{
public:
    int right = 0, wrong = 0, winTests = 0;
    void fOnCorrectCell(GG_ELEMENT*) override { ++right; }
    void fOnMistake(GG_ELEMENT*) override { ++wrong; }
    void fCheckWin() override { ++winTests; }
    bool fStartLevel(const std::string&) override { return false; }
    bool fEndLevel() override { return false; }
    void fUpdate() override {}
    void fDraw() override {}
    void fOnKeyUp(int) override {}
    int fOnKeyDown(int) override { return 0; }
    void fOnMouseMove() override {}
    void fOnStoreEvent(const std::string&, const std::string&) override {}
    void fSpareHook() override {}
    void fPause() override {}
    void fResume() override {}
    void fRestart() override {}
    void fLoadResources() override {}
    void fUnloadResources() override {}
};

// The level file's "settings" as the level screen takes them: each attribute and sprite is
// required, and a value with too few numbers keeps the one before.
bool fReadSettings(pugi::xml_node settings, GG_LEVEL_SETTINGS* s)
{
    for (const char* name : {"position", "elSize", "shiftBlock", "block", "grid", "bonuses"})
        if (!settings.attribute(name))
            return false;
    s->position.fParse(settings.attribute("position").value());
    s->cellSize.fParse(settings.attribute("elSize").value());
    s->blockShift.fParse(settings.attribute("shiftBlock").value());
    s->blockSize.fParse(settings.attribute("block").value());
    s->gridSize.fParse(settings.attribute("grid").value());
    s->bonuses = settings.attribute("bonuses").as_uint();
    ZOR_GF::G_SPRITE* sprites[] = {&s->blockSprite, &s->selection, &s->selectionYes, &s->selectionNo};
    const char* names[] = {"block", "selection", "selection_yes", "selection_no"};
    for (int i = 0; i < 4; ++i)
    {
        if (!settings.child(names[i]))
            return false;
        sprites[i]->fLoadXml(settings.child(names[i]));
    }
    s->fUpdateDerived();
    return true;
}

void fFrames(GG_PROCESS& process, int count)
{
    for (int i = 0; i < count; ++i)
    {
        process.fUpdate();
        if (zcRENDER->fBeginFrame() == 1)
        {
            process.fDraw();
            zcRENDER->fEndFrame();
        }
    }
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    if (pugi::xml_document* numbers = fGetGameProcessXml(PROCESS_NUMBERS_FILE))
        shell.repository->fReleaseXml(numbers);
    else
    {
        ZT_FUZZ::ZT_GAME::fPutText(shell.root + "GameProcess numbers.xml", NUMBERS);
        shell.repository->fRegister("", "");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    pugi::xml_document document;
    if (!document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;
    const pugi::xml_node level = document.document_element();
    GG_LEVEL_SETTINGS settings;
    if (!fReadSettings(level.child("settings"), &settings))
        return 0;

    ZC_RANDOM random(0);
    ZT_LEVEL_SCREEN screen;
    GG_PROCESS process(&screen);
    if (process.fStart(level.child("gElements"), &settings))
    {
        process.fLoadResources();
        const int rows = settings.gridSize.y;
        const int columns = settings.gridSize.x;
        fFrames(process, 1);
        // Rows filled, then columns crossed, a few of each: every cell judged once or twice.
        for (int row = 0; row < std::min(rows, 6); ++row)
            process.fApplyLine(row, 0, row, columns - 1, true);
        for (int column = 0; column < std::min(columns, 6); ++column)
            process.fApplyLine(rows - 1, column, 0, column, false);
        process.fApplyLine(0, 0, rows - 1, columns - 1, rows % 2 == 0);
        fFrames(process, 4);
        for (int i = 0; i < 3; ++i)
            if (GG_ELEMENT* hint = process.fPickHintCell())
                process.fApplyLine(hint->row, hint->column, hint->row, hint->column, true);
        process.fMakeFirstOpenCellBonus();
        if (process.fGetProgress() < 0.0f || process.fGetProgress() > 1.0f)
            __builtin_trap();
        process.fStartWinSweep(float(size % 900), nullptr);
        fFrames(process, 16);
        process.fUnloadResources();
    }
    process.fClear();
    zcRANDOM = nullptr;
    return 0;
}

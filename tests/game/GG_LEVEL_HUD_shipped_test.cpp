// The level decor, HUD and controls of the default data set: every piece loads, the decor of
// every shipped level stays on the screen and clear of the HUD column, and frames of a 20 x 20
// and a 5 x 5 level with their clues, cells, decor and controls (left in the test output for a
// person to look at) show each piece where the layout puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ZT_PUZZLE.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "support/ZT_ALLOCATION_COUNT.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZOR;
using namespace ZOR_GF;
using namespace game;
namespace fs = std::filesystem;

namespace
{
const char* const kGroups[] = {"data/share/main", "data/share/image/level", "data/share/image/gui", "data/share/font",
                               "data/share/image/packs", "data/share/levels/pack0", "data/share/levels/pack1",
                               "data/share/levels/pack2", "data/share/levels/pack3"};
const int kScreenW = 1024, kScreenH = 768;

struct ZT_RECT
{
    float left, top, right, bottom;
    std::string what;
    bool fOverlaps(const ZT_RECT& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
    bool fOnScreen() const { return left >= 0 && top >= 0 && right <= kScreenW && bottom <= kScreenH; }
};

std::ostream& operator<<(std::ostream& out, const ZT_RECT& r)
{
    return out << r.what << " (" << r.left << ", " << r.top << ") - (" << r.right << ", " << r.bottom << ")";
}

ZT_RECT fAround(float x, float y, float w, float h, const std::string& what)
{
    return {x - w / 2, y - h / 2, x + w / 2, y + h / 2, what};
}

class ShippedHud : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        if (HasFatalFailure())
            return;
        render->clearColor = ZS_COLOR(0xFF000000u);
        savedRoot = fGetFileSystem()->fGetDataRoot();
        resources = ZT_TEST::fDataDir() + "/../../Resources/";
        fGetFileSystem()->fSetDataRoot(resources.c_str());
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        for (const char* group : kGroups)
            ASSERT_EQ(repository->fRegister(group, ""), 1) << group;
        ASSERT_TRUE(fonts.fLoad("data/share/font fonts.xml"));
        fGetPuzzleShell().fonts = &fonts;
        GG_CONTROL_SHELL& shell = fGetControlShell();
        shell.windows = [] { return static_cast<G_WINDOW_MANAGER*>(nullptr); };
        shell.pauseGameplay = [] {};
        shell.storeButton = [] { return true; };
        zcFRAME_DELTA = 0.125f;
        panel = std::make_unique<GG_CONTROL_PANEL>(nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(panel->fLoadXml());
        panel->fLoadResources();
    }
    void TearDown() override
    {
        if (panel)
            panel->fUnloadResources();
        panel.reset();
        ambient.fUnloadResources();
        process.fUnloadResources();
        process.fClear();
        background.fUnloadTexture();
        fUnloadSettings();
        fResetControlShell();
        fGetPuzzleShell().fonts = nullptr;
        fonts.fReleaseTextures();
        repository.reset();
        zcREPOSITORY = nullptr;
        fGetFileSystem()->fSetDataRoot(savedRoot.c_str());
        ZT_GL_RENDER::TearDown();
    }

    void fUnloadSettings()
    {
        settings.blockSprite.fUnloadTexture();
        settings.yes.fUnloadTexture();
        settings.no.fUnloadTexture();
        settings.locked.fUnloadTexture();
    }

    // The level file's "settings" as the level screen reads them; the cell list in `level`.
    void fReadLevel(const std::string& name)
    {
        ASSERT_TRUE(level.load_file((resources + name).c_str())) << name;
        const pugi::xml_node s = level.document_element().child("settings");
        settings.cellSize.fParse(s.attribute("elSize").value());
        settings.gridSize.fParse(s.attribute("grid").value());
        settings.blockSize.fParse(s.attribute("block").value());
        settings.blockShift.fParse(s.attribute("shiftBlock").value());
        settings.position.fParse(s.attribute("position").value());
        settings.bonuses = 0;
        settings.fUpdateDerived();
        settings.blockSprite.fUnloadTexture();
        settings.blockSprite = G_SPRITE();
        settings.blockSprite.fLoadXml(s.child("block"));
    }

    // Everything the HUD column holds, where the loaded controls put it.
    std::vector<ZT_RECT> fHudRects()
    {
        std::vector<ZT_RECT> rects;
        ZC_GUI_BUTTON5* pause = panel->fGetPause().fGetButton();
        const ZS_TRANSFORM3 pauseAt = pause->fGetTransform()->fCompose();
        rects.push_back(fAround(pauseAt.position.x, pauseAt.position.y, pause->fGetWidth(), pause->fGetHeight(), "pause"));
        const G_SPRITE& hud = *ambient.fGetErrorPanel().fGetBackgroundSprite();
        rects.push_back({hud.transform->position.x, hud.transform->position.y, hud.transform->position.x + hud.fGetWidth(),
                         hud.transform->position.y + hud.fGetHeight(), "currency and errors"});
        ZC_GUI_CHECKBOX_INTERFACE* toggle = panel->fGetToggle().fGetWidget();
        const ZS_TRANSFORM3 toggleAt = toggle->fGetTransform()->fCompose();
        rects.push_back(fAround(toggleAt.position.x, toggleAt.position.y, toggle->fGetWidth(), toggle->fGetHeight(), "tool"));
        G_ANIMATION& area = panel->fGetResetSelection().fGetArea();
        const ZS_TRANSFORM3 areaAt = area.transform->fCompose();
        rects.push_back(fAround(areaAt.position.x, areaAt.position.y, area.fGetWidth(), area.fGetHeight(), "reset area"));
        GG_HINT_BUTTON& hint = panel->fGetHintButton();
        const ZS_TRANSFORM3_AUTO& hintAt = hint.fGetPlacement();
        rects.push_back(fAround(hintAt.position.x + hint.fGetShownPlace().x, hintAt.position.y + hint.fGetShownPlace().y,
                                hint.fGetHintAnimation().fGetWidth(), hint.fGetHintAnimation().fGetHeight(), "hint"));
        return rects;
    }

    std::string resources, savedRoot;
    std::unique_ptr<ZC_REPOSITORY> repository;
    ZC_FONT_MANAGER fonts;
    std::unique_ptr<GG_CONTROL_PANEL> panel;
    GG_LEVEL_SETTINGS settings;
    GG_AMBIENT ambient;
    ZT_PUZZLE::ZT_LEVEL_SCREEN screen;
    GG_PROCESS process{&screen};
    pugi::xml_document level;
    G_SPRITE background;
};
}

TEST_F(ShippedHud, EveryLevelsDecorStaysOnTheScreenAndClearOfTheHud)
{
    int levels = 0;
    for (int pack = 0; pack < 4; ++pack)
        for (const fs::directory_entry& file :
             fs::directory_iterator(resources + "data/share/levels/pack" + std::to_string(pack)))
        {
            const std::string name = "data/share/levels/pack" + std::to_string(pack) + "/" + file.path().filename().string();
            SCOPED_TRACE(name);
            fReadLevel(name);
            ASSERT_TRUE(ambient.fLoadXml(&settings)) << ambient.fGetLoadError();
            ambient.fLoadResources();
            const ZS_VECTOR2 tl = settings.topLeft;
            const float w = float(settings.pixelSize.x), h = float(settings.pixelSize.y);
            const float leftEar = ambient.fGetLeftEar().fGetBackground().fGetHeight();
            const float upEar = ambient.fGetUpEar().fGetBackground().fGetHeight();
            const G_FRAME9& frame = ambient.fGetBorder().fGetFrame();
            EXPECT_EQ(leftEar, 160.0f);
            EXPECT_EQ(upEar, 160.0f);
            const ZT_RECT decor = {std::min(tl.x - leftEar, tl.x + w / 2 - frame.fGetWidth() / 2),
                                   std::min(tl.y - upEar, tl.y + h / 2 - frame.fGetHeight() / 2),
                                   tl.x + w / 2 + frame.fGetWidth() / 2, tl.y + h / 2 + frame.fGetHeight() / 2,
                                   "grid, clue panels and frame"};
            EXPECT_TRUE(decor.fOnScreen()) << decor;
            for (const ZT_RECT& piece : fHudRects())
            {
                EXPECT_TRUE(piece.fOnScreen()) << piece;
                EXPECT_FALSE(piece.fOverlaps(decor)) << piece << " over the " << decor;
            }
            ambient.fUnloadResources();
            ++levels;
        }
    EXPECT_EQ(levels, 64);

    // The HUD pieces keep apart from each other (the store button takes the hint's place
    // while there are no hints).
    const std::vector<ZT_RECT> hud = fHudRects();
    for (size_t i = 0; i < hud.size(); ++i)
        for (size_t j = i + 1; j < hud.size(); ++j)
            EXPECT_FALSE(hud[i].fOverlaps(hud[j])) << hud[i] << " and " << hud[j];
}

TEST_F(ShippedHud, FramesOfA20x20AndA5x5LevelShowEveryPieceInPlace)
{
    const struct
    {
        const char* level;
        const char* pack;
        int hints, errors, currency, limit;
    } cases[] = {
        {"data/share/levels/pack3/level14.xml", "data/share/image/packs pack3_bg.png", 3, 2, 125, 5},
        {"data/share/levels/pack0/level00.xml", "data/share/image/packs pack0_bg.png", 0, 1, 9, 5},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.level);
        fReadLevel(c.level);
        settings.yes.fUnloadTexture();
        pugi::xml_document skins;
        skins.load_string("<s><yes><FILE>data/share/image/level cell_yes_48.png</FILE>"
                          "<ANIMATION grid=\"6 1\" frames=\"6\" fps=\"24\" loop=\"0\"/></yes>"
                          "<no><FILE>data/share/image/level cell_no_48.png</FILE>"
                          "<ANIMATION grid=\"6 1\" frames=\"6\" fps=\"24\" loop=\"0\"/></no></s>");
        settings.yes.fLoadXml(skins.first_child().child("yes"));
        settings.no.fLoadXml(skins.first_child().child("no"));
        settings.yes.fLoadTexture();
        settings.no.fLoadTexture();
        process.fUnloadResources();
        ASSERT_TRUE(process.fStart(level.document_element().child("gElements"), &settings)) << process.fGetStartError();
        // As the level screen does: the numbers centred on their lines at the level's cell size.
        process.fGetRowStrip().firstOffset.y = settings.cellSize.y * 0.5f;
        process.fGetColumnStrip().firstOffset.x = settings.cellSize.x * 0.5f;
        ASSERT_TRUE(ambient.fLoadXml(&settings)) << ambient.fGetLoadError();
        ambient.fLoadResources();
        process.fLoadResources();
        background.fUnloadTexture();
        background.fSetFile(c.pack);
        background.fLoadTexture();
        background.fSetHotSpot(0, 0, 0);

        // Some play: two rows filled, a few errors, some currency, the hints.
        process.fApplyLine(0, 0, 0, settings.gridSize.x - 1, true);
        process.fApplyLine(settings.gridSize.y - 1, 0, settings.gridSize.y - 1, settings.gridSize.x - 1, false);
        ambient.fSetErrorLimit(c.limit);
        for (int i = 0; i < c.errors; ++i)
            ambient.fAddError();
        ambient.fAddCurrency(c.currency);
        panel->fSetFillMode();
        panel->fSetBlocked(false, false, false, false);
        panel->fSetHints(c.hints);
        GG_ELEMENT* hovered = process.fGetCell(settings.gridSize.y / 2, settings.gridSize.x / 2);
        ambient.fSetHighlightCell(hovered->fGetPosition());
        ambient.fShowHighlight();
        for (int i = 0; i < 40; ++i)
        {
            ambient.fUpdate();
            panel->fUpdate();
            process.fUpdate();
        }

        // Two frames in the level screen's order; the second one's decor and controls, their
        // updates included, allocate nothing.
        uint64_t allocations = 0;
        for (int frame = 0; frame < 2; ++frame)
        {
            ASSERT_EQ(render->fBeginFrame(), 1);
            background.fDraw();
            const uint64_t before = fAllocationCount().load();
            ambient.fUpdate();
            panel->fUpdate();
            ambient.fDrawBlocks();
            ambient.fDrawEars();
            ambient.fDrawHighlight();
            const uint64_t mid = fAllocationCount().load();
            process.fDraw();
            const uint64_t after = fAllocationCount().load();
            panel->fDrawHintButton();
            panel->fDrawStoreButton();
            ambient.fDrawFrame();
            ambient.fDrawErrorPanel();
            ambient.fDrawCounter();
            panel->fDrawResetSelection();
            panel->fDrawToggle();
            panel->fDrawPause();
            allocations = (mid - before) + (fAllocationCount().load() - after);
            ASSERT_EQ(render->fEndFrame(), 0);
        }
        EXPECT_EQ(allocations, 0u);
        const std::string name = std::string("level_hud_") + (settings.gridSize.x == 20 ? "20x20" : "5x5");
        fSaveFrame(name);

        // The clue panels are paper on both sides of the grid.
        const ZS_VECTOR2 tl = settings.topLeft;
        auto paper = [this](int x, int y) {
            const uint32_t p = fPixel(x, y);
            return (p >> 16 & 0xFF) > 0xE0 && (p >> 8 & 0xFF) > 0xD0 && (p & 0xFF) > 0xB0;
        };
        EXPECT_TRUE(paper(int(tl.x) - 150, int(tl.y) + 3)) << "left panel's far end";
        EXPECT_TRUE(paper(int(tl.x) + 3, int(tl.y) - 150)) << "up panel's far end";
        // The HUD panel: dark navy, the gold coin in its well.
        const uint32_t navy = fPixel(830 + 150, 100 + 100);
        EXPECT_LT(navy >> 16 & 0xFF, 0x40) << std::hex << navy;
        const uint32_t coin = fPixel(824 + 32, 100 + 30);
        EXPECT_GT(coin >> 16 & 0xFF, 0xC0) << std::hex << coin;
        EXPECT_GT(coin >> 8 & 0xFF, 0x80) << std::hex << coin;
        EXPECT_LT(coin & 0xFF, 0xB0) << std::hex << coin;
        // The hint button (gold) or, without hints, the store button (teal) at the bottom.
        const uint32_t bottom = fPixel(c.hints > 0 ? 916 : 896, c.hints > 0 ? 704 : 736);
        if (c.hints > 0)
        {
            EXPECT_GT(bottom >> 16 & 0xFF, 0xC0) << std::hex << bottom;
        }
        else
        {
            EXPECT_LT(bottom >> 16 & 0xFF, 0x80) << std::hex << bottom;
        }
        ambient.fEndLevel();
        process.fUnloadResources();
        process.fClear();
        ambient.fUnloadResources();
        fUnloadSettings();
    }
}

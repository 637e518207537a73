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

#include "ZT_SHIPPED_HUD.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZOR;
using namespace ZOR_GF;
using namespace game;
using namespace ZT_HUD;
namespace fs = std::filesystem;

namespace
{
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
        zcFRAME_DELTA = 0.125f;
        hud = std::make_unique<ZT_SHIPPED_HUD>();
        ASSERT_TRUE(hud->panelLoaded);
    }
    void TearDown() override
    {
        hud.reset();
        ZT_GL_RENDER::TearDown();
    }

    // Everything the HUD column holds, where the loaded controls put it.
    std::vector<ZT_RECT> fHudRects()
    {
        std::vector<ZT_RECT> rects;
        GG_CONTROL_PANEL& panel = *hud->panel;
        ZC_GUI_BUTTON5* pause = panel.fGetPause().fGetButton();
        const ZS_TRANSFORM3 pauseAt = pause->fGetTransform()->fCompose();
        rects.push_back(fAround(pauseAt.position.x, pauseAt.position.y, pause->fGetWidth(), pause->fGetHeight(), "pause"));
        const G_SPRITE& plate = *hud->ambient.fGetErrorPanel().fGetBackgroundSprite();
        rects.push_back({plate.transform->position.x, plate.transform->position.y,
                         plate.transform->position.x + plate.fGetWidth(), plate.transform->position.y + plate.fGetHeight(),
                         "currency and errors"});
        ZC_GUI_CHECKBOX_INTERFACE* toggle = panel.fGetToggle().fGetWidget();
        const ZS_TRANSFORM3 toggleAt = toggle->fGetTransform()->fCompose();
        rects.push_back(fAround(toggleAt.position.x, toggleAt.position.y, toggle->fGetWidth(), toggle->fGetHeight(), "tool"));
        G_ANIMATION& area = panel.fGetResetSelection().fGetArea();
        const ZS_TRANSFORM3 areaAt = area.transform->fCompose();
        rects.push_back(fAround(areaAt.position.x, areaAt.position.y, area.fGetWidth(), area.fGetHeight(), "reset area"));
        GG_HINT_BUTTON& hint = panel.fGetHintButton();
        const ZS_TRANSFORM3_AUTO& hintAt = hint.fGetPlacement();
        rects.push_back(fAround(hintAt.position.x + hint.fGetShownPlace().x, hintAt.position.y + hint.fGetShownPlace().y,
                                hint.fGetHintAnimation().fGetWidth(), hint.fGetHintAnimation().fGetHeight(), "hint"));
        return rects;
    }

    std::unique_ptr<ZT_SHIPPED_HUD> hud;
};
}

TEST_F(ShippedHud, EveryLevelsDecorStaysOnTheScreenAndClearOfTheHud)
{
    GG_AMBIENT& ambient = hud->ambient;
    const GG_LEVEL_SETTINGS& settings = hud->settings;
    int levels = 0;
    for (int pack = 0; pack < 4; ++pack)
        for (const fs::directory_entry& file :
             fs::directory_iterator(hud->resources + "data/share/levels/pack" + std::to_string(pack)))
        {
            const std::string name = "data/share/levels/pack" + std::to_string(pack) + "/" + file.path().filename().string();
            SCOPED_TRACE(name);
            hud->fReadLevel(name);
            ASSERT_TRUE(ambient.fLoadXml(&hud->settings)) << ambient.fGetLoadError();
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
    const std::vector<ZT_RECT> rects = fHudRects();
    for (size_t i = 0; i < rects.size(); ++i)
        for (size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(rects[i].fOverlaps(rects[j])) << rects[i] << " and " << rects[j];
    hud->settings.blockSprite.fUnloadTexture();
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
        hud->fStartLevel(c.level, c.pack);
        const GG_LEVEL_SETTINGS& settings = hud->settings;

        // Some play: two rows filled, a few errors, some currency, the hints.
        hud->process.fApplyLine(0, 0, 0, settings.gridSize.x - 1, true);
        hud->process.fApplyLine(settings.gridSize.y - 1, 0, settings.gridSize.y - 1, settings.gridSize.x - 1, false);
        hud->ambient.fSetErrorLimit(c.limit);
        for (int i = 0; i < c.errors; ++i)
            hud->ambient.fAddError();
        hud->ambient.fAddCurrency(c.currency);
        hud->panel->fSetFillMode();
        hud->panel->fSetBlocked(false, false, false, false);
        hud->panel->fSetHints(c.hints);
        GG_ELEMENT* hovered = hud->process.fGetCell(settings.gridSize.y / 2, settings.gridSize.x / 2);
        hud->ambient.fSetHighlightCell(hovered->fGetPosition());
        hud->ambient.fShowHighlight();
        for (int i = 0; i < 40; ++i)
            hud->fUpdate();

        ASSERT_EQ(render->fBeginFrame(), 1);
        hud->fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
        fSaveFrame(std::string("level_hud_") + (settings.gridSize.x == 20 ? "20x20" : "5x5"));

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
        hud->fEndLevel();
    }
}

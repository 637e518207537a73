#pragma once
// A level of the default data set as the level screen lays it out, for the tests that look at
// the decor, HUD and controls on the shipped data: the groups mounted from Resources, the
// fonts, the control panel, the level's settings, its process and its decor, drawn in the
// level screen's order. Made inside a test once a renderer exists.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ZT_PUZZLE.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_HUD
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

class ZT_SHIPPED_HUD
{
public:
    ZT_SHIPPED_HUD()
    {
        savedRoot = fGetFileSystem()->fGetDataRoot();
        resources = ZT_TEST::fDataDir() + "/../../Resources/";
        fGetFileSystem()->fSetDataRoot(resources.c_str());
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        for (const char* group : {"data/share/main", "data/share/image/level", "data/share/image/gui",
                                  "data/share/font", "data/share/image/packs", "data/share/levels/pack0",
                                  "data/share/levels/pack1", "data/share/levels/pack2", "data/share/levels/pack3"})
            EXPECT_EQ(repository->fRegister(group, ""), 1) << group;
        EXPECT_TRUE(fonts.fLoad("data/share/font fonts.xml"));
        fGetPuzzleShell().fonts = &fonts;
        GG_CONTROL_SHELL& shell = fGetControlShell();
        shell.windows = [] { return static_cast<G_WINDOW_MANAGER*>(nullptr); };
        shell.pauseGameplay = [] {};
        shell.storeButton = [] { return true; };
        panel = std::make_unique<GG_CONTROL_PANEL>(nullptr, nullptr, nullptr, nullptr);
        panelLoaded = panel->fLoadXml();
        panel->fLoadResources();
    }
    ~ZT_SHIPPED_HUD()
    {
        fEndLevel();
        panel->fUnloadResources();
        panel.reset();
        background.fUnloadTexture();
        fResetControlShell();
        fGetPuzzleShell().fonts = nullptr;
        fonts.fReleaseTextures();
        repository.reset();
        zcREPOSITORY = nullptr;
        fGetFileSystem()->fSetDataRoot(savedRoot.c_str());
    }
    ZT_SHIPPED_HUD(const ZT_SHIPPED_HUD&) = delete;
    ZT_SHIPPED_HUD& operator=(const ZT_SHIPPED_HUD&) = delete;

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

    // The level started with cell skins, its pack's background, the decor and the numbers
    // centred on their lines as the level screen centres them.
    void fStartLevel(const std::string& name, const char* packBackground)
    {
        fReadLevel(name);
        pugi::xml_document skins;
        skins.load_string("<s><yes><FILE>data/share/image/level cell_yes_48.png</FILE>"
                          "<ANIMATION grid=\"6 1\" frames=\"6\" fps=\"24\" loop=\"0\"/></yes>"
                          "<no><FILE>data/share/image/level cell_no_48.png</FILE>"
                          "<ANIMATION grid=\"6 1\" frames=\"6\" fps=\"24\" loop=\"0\"/></no></s>");
        settings.yes.fLoadXml(skins.first_child().child("yes"));
        settings.no.fLoadXml(skins.first_child().child("no"));
        settings.yes.fLoadTexture();
        settings.no.fLoadTexture();
        ASSERT_TRUE(process.fStart(level.document_element().child("gElements"), &settings)) << process.fGetStartError();
        process.fGetRowStrip().firstOffset.y = settings.cellSize.y * 0.5f;
        process.fGetColumnStrip().firstOffset.x = settings.cellSize.x * 0.5f;
        ASSERT_TRUE(ambient.fLoadXml(&settings)) << ambient.fGetLoadError();
        ambient.fLoadResources();
        process.fLoadResources();
        background.fUnloadTexture();
        background.fSetFile(packBackground);
        background.fLoadTexture();
        background.fSetHotSpot(0, 0, 0);
        started = true;
    }

    void fEndLevel()
    {
        if (!started)
            return;
        ambient.fEndLevel();
        process.fUnloadResources();
        process.fClear();
        ambient.fUnloadResources();
        settings.blockSprite.fUnloadTexture();
        settings.yes.fUnloadTexture();
        settings.no.fUnloadTexture();
        started = false;
    }

    void fUpdate()
    {
        ambient.fUpdate();
        panel->fUpdate();
        process.fUpdate();
    }

    // Inside a frame, in the level screen's order.
    void fDraw()
    {
        background.fDraw();
        ambient.fDrawBlocks();
        ambient.fDrawEars();
        ambient.fDrawHighlight();
        process.fDraw();
        panel->fDrawHintButton();
        panel->fDrawStoreButton();
        ambient.fDrawFrame();
        ambient.fDrawErrorPanel();
        ambient.fDrawCounter();
        panel->fDrawResetSelection();
        panel->fDrawToggle();
        panel->fDrawPause();
    }

    std::string resources, savedRoot;
    std::unique_ptr<ZC_REPOSITORY> repository;
    ZC_FONT_MANAGER fonts;
    std::unique_ptr<GG_CONTROL_PANEL> panel;
    bool panelLoaded = false;
    GG_LEVEL_SETTINGS settings;
    GG_AMBIENT ambient;
    ZT_PUZZLE::ZT_LEVEL_SCREEN screen;
    GG_PROCESS process{&screen};
    pugi::xml_document level;
    G_SPRITE background;
    bool started = false;
};
}

#pragma once
// The level decor, HUD and controls on the offscreen device: solid-colour pictures that tell
// every piece apart on the read-back frame, the ambient and control files in a folder group
// of their own ("hud", re-mounted whenever a test rewrites one), the digit font through a font
// manager, and the window manager of the window tests standing in for the game's, with the
// windows the controls open ("Shop", "GP_Menu", "GP_FeedBack_Reset") as probes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ZT_PUZZLE.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/ZT_WINDOWS.h"
#include "game/puzzle/GG_BASE_CONTROL.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

namespace ZT_HUD
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

// Colours of the pieces (0xAARRGGBB), all opaque.
const uint32_t kBlock = 0xFF606060, kEar = 0xFFF0E0B0, kStick = 0xFF2040C0, kStickBlock = 0xFFC02080,
               kFrameCorner = 0xFFE00000, kFrameSide = 0xFF00A000, kRowBar = 0xFFFF8000, kColumnBar = 0xFF00C0C0,
               kIconFirst = 0xFFFFFF00, kIconLast = 0xFFE02020, kLock = 0xFF8080FF, kPanel = 0xFF202060,
               kGlow = 0xFF803000, kArea = 0xFFFFFFFF, kBackground = 0xFF000000;
// The hint button's strip: one colour per count 0-4.
const uint32_t kHintFrames[5] = {0xFF404040, 0xFF00FF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF};

// A decor file with these elements; "<name/>" drops one, a text replaces it.
inline std::string fAmbientXml(const std::map<std::string, std::string>& replace = {})
{
    const std::vector<std::pair<std::string, std::string>> parts = {
        {"border", "<border ul=\"corner8.png\" up=\"side8.png\" ur=\"corner8.png\" lt=\"side8.png\" "
                   "rt=\"side8.png\" dl=\"corner8.png\" dn=\"side8.png\" dr=\"corner8.png\"/>"},
        {"left_ear", "<left_ear size=\"100\"><background><FILE>ear.png</FILE></background>"
                     "<stick><FILE>stick.png</FILE></stick><stickBlock><FILE>stick_block.png</FILE></stickBlock>"
                     "</left_ear>"},
        {"up_ear", "<up_ear><background><FILE>ear.png</FILE></background>"
                   "<stick><FILE>stick.png</FILE></stick><stickBlock><FILE>stick_block.png</FILE></stickBlock>"
                   "</up_ear>"},
        {"highlight", "<highlight vertical=\"bar_v.png\" horisontal=\"bar_h.png\" font=\"digits\" "
                      "font_color=\"255 255 255 255\" shift=\"5 6\"/>"},
        {"error_panel", "<error_panel pos=\"700 100\" grid=\"3 2\" interval=\"6 4\" ping=\"0.25\">"
                        "<sprite><FILE>icon.png</FILE><ANIMATION grid=\"2 1\" frames=\"2\" fps=\"8\" loop=\"0\"/>"
                        "</sprite><sprite_lock><FILE>lock.png</FILE></sprite_lock>"
                        "<background><FILE>errpanel.png</FILE><HOT_SPOT>HS_UL</HOT_SPOT><POS>680 80</POS></background>"
                        "</error_panel>"},
        {"sunime", "<sunime fntName=\"digits\" fntColor=\"0xFFFFFFFF\" fntHotSpot=\"HS_MR\" pos=\"900 40\"/>"},
        {"check_mode", "<check_mode><CHECKBOX_IOS ID=\"1\" TX_PANEL=\"switch.png\" TX_BTN=\"knob.png\">"
                       "<POSITION>700 300</POSITION></CHECKBOX_IOS></check_mode>"},
    };
    std::string xml = "<ambient>";
    for (const auto& part : parts)
    {
        auto it = replace.find(part.first);
        xml += it == replace.end() ? part.second : it->second;
    }
    return xml + "</ambient>";
}

// The control files, by file name.
inline std::map<std::string, std::string> fControlFiles()
{
    return {
        {"GameProcess hint_button.xml",
         "<hint speed=\"0.25\"><TRANSFORM>500 600 0 0 0 0 0 0 0 1 1 1</TRANSFORM>"
         "<hint><FILE>glow.png</FILE><POS>0 0</POS></hint>"
         "<button_sprite><FILE>hint5.png</FILE><POS>0 0</POS></button_sprite></hint>"},
        {"GameProcess pause.xml", "<pause><TRANSFORM>950 50 0 0 0 0 0 0 0 1 1 1</TRANSFORM>"
                                  "<BUTTON5 ID=\"1\" TEXTURE=\"btn5.png\"><POSITION>0 0</POSITION></BUTTON5></pause>"},
        {"GameProcess store_button.xml",
         "<store speed=\"0.25\"><TRANSFORM>600 600 0 0 0 0 0 0 0 1 1 1</TRANSFORM>"
         "<BUTTON5 ID=\"1\" TEXTURE=\"btn5.png\"><POSITION>0 0</POSITION></BUTTON5></store>"},
        {"GameProcess store_button_empty.xml", "<store><TRANSFORM>600 600 0 0 0 0 0 0 0 1 1 1</TRANSFORM></store>"},
        {"GameProcess reset_selection.xml",
         "<reset time=\"0.25\" begin_color=\"255 40 40 40\" mid_color=\"255 0 160 0\" end_color=\"255 200 0 0\">"
         "<TRANSFORM>900 400 0 0 0 0 0 0 0 1 1 1</TRANSFORM>"
         "<sprite><FILE>area.png</FILE><ANIMATION grid=\"2 1\" frames=\"2\" fps=\"8\" loop=\"0\"/></sprite></reset>"},
        {"GameProcess ambient.xml", fAmbientXml()},
    };
}

// What the controls did to the game: pauses asked for.
struct ZT_SHELL_LOG
{
    static int& fPauses()
    {
        static int pauses = 0;
        return pauses;
    }
    static bool& fStoreButton()
    {
        static bool on = true;
        return on;
    }
    static G_WINDOW_MANAGER*& fManager()
    {
        static G_WINDOW_MANAGER* manager = nullptr;
        return manager;
    }
};

class ZT_LEVEL_HUD : public ZT_WIN::ZT_WINDOWS
{
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        hud = std::string(fGetFileSystem()->fGetDataRoot()) + "hud/";
        fs::remove_all(hud);
        fs::create_directories(hud);
        fWritePictures();
        for (const auto& file : fControlFiles())
            ZT_TEST::fPutFile(hud + file.first, file.second);
        ZT_TEST::fPutFile(hud + "hud_scenes.xml", "<scenes><scene file=\"w_shop.xml\"/><scene file=\"w_menu.xml\"/>"
                                                  "<scene file=\"w_feedback.xml\"/></scenes>");
        for (const auto& [file, name] : {std::pair<const char*, const char*>{"w_shop.xml", "Shop"},
                                         {"w_menu.xml", "GP_Menu"},
                                         {"w_feedback.xml", "GP_FeedBack_Reset"}})
            ZT_TEST::fPutFile(hud + file, std::string("<window _type=\"PROBE\" _name=\"") + name +
                                              "\" layer=\"5\" _typeOpen=\"SH_MOMENTAL\" _typeClose=\"SH_MOMENTAL\">"
                                              "<GUI/></window>");
        ZT_WINDOWS::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(1, repository->fRegister("hud", ""));
        ASSERT_TRUE(manager->fLoadScenes("hud_scenes.xml"));
        ASSERT_TRUE(fonts.fLoad("fonts.xml"));
        fGetPuzzleShell().fonts = &fonts;
        ZT_SHELL_LOG::fPauses() = 0;
        ZT_SHELL_LOG::fStoreButton() = true;
        ZT_SHELL_LOG::fManager() = manager.get();
        GG_CONTROL_SHELL& shell = fGetControlShell();
        shell.windows = [] { return ZT_SHELL_LOG::fManager(); };
        shell.pauseGameplay = [] { ++ZT_SHELL_LOG::fPauses(); };
        shell.storeButton = [] { return ZT_SHELL_LOG::fStoreButton(); };
    }
    void TearDown() override
    {
        fResetControlShell();
        ZT_SHELL_LOG::fManager() = nullptr;
        fGetPuzzleShell().fonts = nullptr;
        fonts.fReleaseTextures();
        ZT_WINDOWS::TearDown();
    }

    void fWritePictures()
    {
        using ZT_GUI::fWritePng;
        auto solid = [this](const char* name, int w, int h, uint32_t color) {
            fWritePng(hud + name, w, h, [color](int, int) { return color; });
        };
        solid("block.png", 8, 8, kBlock);
        solid("ear.png", 8, 8, kEar);
        solid("stick.png", 2, 8, kStick);
        solid("stick_block.png", 2, 8, kStickBlock);
        solid("corner8.png", 8, 8, kFrameCorner);
        solid("side8.png", 8, 8, kFrameSide);
        solid("bar_h.png", 8, 8, kRowBar);
        solid("bar_v.png", 8, 8, kColumnBar);
        fWritePng(hud + "icon.png", 20, 10, [](int x, int) { return x < 10 ? kIconFirst : kIconLast; });
        solid("lock.png", 10, 10, kLock);
        solid("errpanel.png", 100, 60, kPanel);
        solid("glow.png", 30, 30, kGlow);
        fWritePng(hud + "hint5.png", 100, 20, [](int x, int) { return kHintFrames[x / 20]; });
        // The push buttons' five frames: all the same, so that a drawn button shows its colour.
        solid("btn5.png", 100, 20, ZT_GUI::kOrange);
        fWritePng(hud + "area.png", 40, 20, [](int x, int) { return x < 20 ? kArea : 0xFFA0A0A0u; });
        ZT_TEST::fPutFile(hud + "digits.png", ZT_PUZZLE::fDigitFontPng());
        ZT_TEST::fPutFile(hud + "digits.xml", ZT_PUZZLE::fDigitFontDescriptor());
        ZT_TEST::fPutFile(hud + "fonts.xml", "<fonts><font name=\"digits\" texture=\"digits.png\" xml=\"digits.xml\"/></fonts>");
    }

    // A file of the group replaced (or, with remove, taken away). Documents are read at each
    // fetch once nobody holds them; the group is mounted again (it stays mounted while its
    // pictures are in use) so that a new name is listed.
    void fRewrite(const std::string& name, const std::string& text, bool remove = false)
    {
        repository->fUnregister("hud");
        repository->fCollect();
        if (remove)
            std::filesystem::remove(hud + name);
        else
            ZT_TEST::fPutFile(hud + name, text);
        const int mounted = repository->fRegister("hud", "");
        ASSERT_TRUE(mounted == 1 || mounted == -110) << mounted;
    }

    void fDraw(const std::function<void()>& draw)
    {
        ASSERT_EQ(1, render->fBeginFrame());
        draw();
        ASSERT_EQ(0, render->fEndFrame());
    }

    // Input as the message pump delivers it (the walks of the controls follow in the test).
    void fMoveTo(int x, int y)
    {
        fStep();
        input->fOnMouseMove(x, y);
    }
    void fKeyDown(int key = 1)
    {
        fStep();
        input->fOnKeyDown(key);
    }
    void fKeyUp(int key = 1)
    {
        fStep();
        input->fOnKeyUp(key);
    }

    // The digits printed in a light colour in the row band [y0, y1) between x0 and x1, left to right:
    // each lit run of the digit font is 3 + its digit wide.
    std::string fDigitsAt(int x0, int x1, int y0, int y1)
    {
        std::string digits;
        int run = 0;
        for (int x = x0; x <= x1; ++x)
        {
            bool lit = false;
            if (x < x1)
                for (int y = y0; y < y1 && !lit; ++y)
                    lit = (fPixel(x, y) >> 8 & 0xFF) > 0x80;
            if (lit)
                ++run;
            else if (run)
            {
                digits += char('0' + run - 3);
                run = 0;
            }
        }
        return digits;
    }

    std::string hud;
    ZC_FONT_MANAGER fonts;
};
}

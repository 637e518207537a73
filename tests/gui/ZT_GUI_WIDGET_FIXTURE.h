#pragma once
// Shared by the widget tests: widgets in a GUI on the offscreen GL device, their pictures and a
// small bitmap font as files of a mounted package, the input state driven the way the message
// pump drives it, and pixels read back from the frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>
#include <stb_image_write.h>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "render/ZT_RENDER_FIXTURE.h"

namespace ZT_GUI
{
using namespace ZOR;

// Colours of the test pictures (0xAARRGGBB).
const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF,
               kMagenta = 0xFFFF00FF, kYellow = 0xFFFFFF00, kCyan = 0xFF00FFFF, kGrey = 0xFF404040,
               kOrange = 0xFFFF8000, kDarkGreen = 0xFF008000, kNavy = 0xFF202080, kBlack = 0xFF000000;

// The font: every glyph cut from an all-white picture, so a glyph shows as a white box.
const int kFontLineHeight = 20;
struct ZT_GLYPH
{
    wchar_t code;
    int width, height, advance;
};
const ZT_GLYPH kFontGlyphs[] = {
    {L'A', 6, 10, 8}, {L'B', 6, 10, 8}, {L'W', 14, 10, 16}, {L'|', 2, 14, 3}, {L'?', 6, 10, 8}, {L' ', 0, 0, 5},
};

inline void fWritePng(const std::string& path, int w, int h, const std::function<uint32_t(int, int)>& color)
{
    std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const uint32_t c = color(x, y);
            uint8_t* p = &rgba[(size_t(y) * size_t(w) + size_t(x)) * 4];
            p[0] = uint8_t(c >> 16);
            p[1] = uint8_t(c >> 8);
            p[2] = uint8_t(c);
            p[3] = uint8_t(c >> 24);
        }
    stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4);
}

inline std::string fFontDescriptor()
{
    std::string chars;
    for (const ZT_GLYPH& g : kFontGlyphs)
        chars += "<char id=\"" + std::to_string(int(g.code)) + "\" x=\"0\" y=\"0\" width=\"" +
                 std::to_string(g.width) + "\" height=\"" + std::to_string(g.height) +
                 "\" xoffset=\"0\" yoffset=\"0\" xadvance=\"" + std::to_string(g.advance) + "\"/>";
    return "<font><common lineHeight=\"" + std::to_string(kFontLineHeight) +
           "\"/><pages><page id=\"0\" file=\"font.png\"/></pages><chars count=\"6\">" + chars + "</chars></font>";
}

inline int fAdvanceOf(wchar_t code)
{
    for (const ZT_GLYPH& g : kFontGlyphs)
        if (g.code == code)
            return g.advance;
    return 0;
}

inline int fCode(const ZS_GUI_EVENT* e)
{
    return e ? e->code : 0;
}

// A 1024x768 game on the offscreen device (a game pixel is a screen pixel), the pictures in
// the package "widgets", an input state and a GUI. The window and renderer are made once for
// all the tests of a program: making them is most of a test's time.
class ZT_WIDGETS : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    inline static ZC_SYSTEM_WINDOW* sharedWindow = nullptr;
    inline static ZC_RENDER* sharedRender = nullptr;
    ZC_INPUT* input = nullptr;
    ZC_REPOSITORY* repository = nullptr;
    ZC_GUI* gui = nullptr;
    float savedDelta = 0.0f;

    static void SetUpTestSuite()
    {
        sharedWindow = new ZC_SYSTEM_WINDOW;
        sharedRender = new ZC_RENDER;
        if (sharedWindow->fCreate("widget test") != 1 ||
            sharedRender->fInit(sharedWindow->fGetHandle(), 0.1f, 0.0f) != 1)
        {
            delete sharedRender;
            sharedRender = nullptr;
        }
    }
    static void TearDownTestSuite()
    {
        delete sharedRender;
        delete sharedWindow;
        sharedRender = nullptr;
        sharedWindow = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, sharedRender);
        window = sharedWindow;
        render = sharedRender;
        render->clearColor = ZS_COLOR(kBlack);
        input = new ZC_INPUT;
        fWritePictures();
        repository = new ZC_REPOSITORY;
        zcREPOSITORY = repository;
        ASSERT_EQ(1, repository->fRegister("widgets", ""));
        gui = new ZC_GUI;
        savedDelta = zcFRAME_DELTA;
    }
    void TearDown() override
    {
        delete gui;
        delete repository;
        zcREPOSITORY = nullptr;
        delete input;
        zcFRAME_DELTA = savedDelta;
        window = nullptr;
        render = nullptr;
    }

    static std::string fFolder() { return std::string(fGetFileSystem()->fGetDataRoot()) + "widgets/"; }

    void fWritePictures()
    {
        const std::string dir = fFolder();
        std::filesystem::create_directories(dir);
        // Check-box strip, five 20x16 cells: box red, under the pointer green, pressed blue, the
        // tick (a white 8x8 square on nothing), the unused cell magenta.
        fWritePng(dir + "box5.png", 100, 16, [](int x, int y) {
            const int cell = x / 20, cx = x % 20;
            const uint32_t colors[5] = {kRed, kGreen, kBlue, 0, kMagenta};
            if (cell == 3)
                return cx >= 6 && cx < 14 && y >= 4 && y < 12 ? kWhite : 0u;
            return colors[cell];
        });
        fWritePng(dir + "switch.png", 80, 30, [](int, int) { return kGrey; });
        fWritePng(dir + "knob.png", 30, 30, [](int, int) { return kYellow; });
        fWritePng(dir + "panel.png", 60, 40, [](int, int) { return kCyan; });
        // Nine-piece parts: 20x20 corners, top and bottom edges 8 wide, side edges 8 high.
        fWritePng(dir + "corner.png", 20, 20, [](int, int) { return kRed; });
        fWritePng(dir + "edge_h.png", 8, 20, [](int, int) { return kGreen; });
        fWritePng(dir + "edge_v.png", 20, 8, [](int, int) { return kBlue; });
        fWritePng(dir + "centre.png", 8, 8, [](int, int) { return kWhite; });
        fWritePng(dir + "line.png", 120, 30, [](int, int) { return kNavy; });
        fWritePng(dir + "font.png", 32, 32, [](int, int) { return kWhite; });
        ZT_TEST::fPutFile(dir + "font.xml", fFontDescriptor());
        fWritePng(dir + "list_panel.png", 100, 60, [](int, int) { return kGrey; });
        fWritePng(dir + "list_hi.png", 100, 20, [](int, int) { return kOrange; });
        fWritePng(dir + "row.png", 100, 15, [](int, int) { return kDarkGreen; });
        fWritePng(dir + "text.png", 200, 30, [](int, int) { return kNavy; });
    }

    // The widgets of a layout, loaded and (unless told otherwise) restored as a window does it.
    void fLoad(const std::string& xml, bool restore = true)
    {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(("<GUI>" + xml + "</GUI>").c_str()));
        fLoadGuiFromXml(gui, doc.child("GUI"));
        if (restore)
            gui->fRestoreResources();
    }

    template <class WIDGET>
    WIDGET* fFind(int32_t id)
    {
        return dynamic_cast<WIDGET*>(gui->fFindById(id));
    }

    // Users of a package file (0 when it was never loaded).
    int fUsers(const char* file) const
    {
        ZS_RESOURCE* entry = repository->fFind(file);
        return entry ? entry->count : -1;
    }

    // Input as the message pump delivers it, then the matching walk.
    ZS_GUI_EVENT* fMove(int x, int y)
    {
        input->fOnMouseMove(x, y);
        return gui->fOnMouseMove();
    }
    ZS_GUI_EVENT* fDown(int key = 1)
    {
        input->fOnKeyDown(key);
        return gui->fOnKeyDown();
    }
    ZS_GUI_EVENT* fUp(int key = 1)
    {
        input->fOnKeyUp(key);
        return gui->fOnKeyUp();
    }
    // A key that types a character (the character is set as the layout would give it).
    ZS_GUI_EVENT* fType(wchar_t ch, int key = 'A')
    {
        input->fOnKeyDown(key);
        input->typed[0] = ch;
        input->typed[1] = 0;
        ZS_GUI_EVENT* e = gui->fOnKeyDown();
        fStep();
        input->fOnKeyUp(key);
        gui->fOnKeyUp();
        fStep();
        return e;
    }
    // The next update step: the key states age.
    void fStep() { input->fAdvanceFrame(); }
    // Left click at a point in one step, released in the next.
    ZS_GUI_EVENT* fClick(int x, int y)
    {
        fMove(x, y);
        ZS_GUI_EVENT* e = fDown();
        fStep();
        fUp();
        fStep();
        return e;
    }

    // One frame of the whole GUI.
    void fDrawFrame()
    {
        ASSERT_EQ(1, render->fBeginFrame());
        gui->fDraw();
        ASSERT_EQ(0, render->fEndFrame());
    }
    // Close enough to the expected colour.
    ::testing::AssertionResult fShows(int x, int y, uint32_t expected)
    {
        const uint32_t got = fPixel(x, y) | 0xFF000000u;
        if (ZT_RENDER::fColorDistance(got, expected) <= 8)
            return ::testing::AssertionSuccess();
        char text[96];
        snprintf(text, sizeof text, "pixel (%d, %d) is %08X, expected %08X", x, y, got, expected);
        return ::testing::AssertionFailure() << text;
    }
};
}

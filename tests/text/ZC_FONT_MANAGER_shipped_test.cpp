// The fonts of the default data set, loaded from Resources through the font manager the way
// the game loads them, and drawn on the offscreen device.
#include "text/ZT_FONT_FIXTURE.h"

#include <memory>

#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZT_FONT;

namespace
{
struct ZT_SHIPPED_FONT
{
    const char* name;
    int minLineHeight, maxLineHeight;
};

const ZT_SHIPPED_FONT kFonts[] = {
    {"header", 34, 48}, {"button", 26, 38}, {"hud", 28, 40},  {"text", 22, 32},
    {"small", 16, 24},  {"clue", 20, 28},   {"clue_small", 14, 20},
};

// One character from each alphabet a player may type a name in, and the symbols texts use.
const int kSampleCodes[] = {'A', 'z', '0', '9', '?', 0xE9, 0xDF, 0x141, 0x151, 0x17E,
                            0x3A9, 0x3BB, 0x3CE, 0x416, 0x44F, 0x491, 0x20AC, 0x2026, 0x2605};

// A repository over the shipped Resources folder with its font group mounted.
class ShippedFonts : public ZT_FONT_FRAME
{
protected:
    std::unique_ptr<ZC_REPOSITORY> repository;
    ZC_FONT_MANAGER manager;
    std::string savedRoot;

    void SetUp() override
    {
        ZT_FONT_FRAME::SetUp();
        savedRoot = fGetFileSystem()->fGetDataRoot();
        fGetFileSystem()->fSetDataRoot((ZT_TEST::fDataDir() + "/../../Resources/").c_str());
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        ASSERT_EQ(repository->fRegister("data/share/font", ""), 1);
        ASSERT_TRUE(manager.fLoad("data/share/font fonts.xml"));
    }
    void TearDown() override
    {
        manager.fReleaseTextures();
        zcREPOSITORY = nullptr;
        repository.reset();
        fGetFileSystem()->fSetDataRoot(savedRoot.c_str());
        ZT_FONT_FRAME::TearDown();
    }
};
}

TEST_F(ShippedFonts, EveryFontHasItsPageAndGlyphsThatLieOnIt)
{
    EXPECT_EQ(manager.fonts.size(), std::size(kFonts));
    for (const ZT_SHIPPED_FONT& shipped : kFonts)
    {
        SCOPED_TRACE(shipped.name);
        ZC_FONT* f = manager.fGetFont(shipped.name);
        ASSERT_NE(f, nullptr);
        ASSERT_NE(f->fGetTexture(), render->fGetDefaultTexture());
        EXPECT_GE(f->fGetLineHeight(), shipped.minLineHeight);
        EXPECT_LE(f->fGetLineHeight(), shipped.maxLineHeight);
        for (int code : kSampleCodes)
        {
            const ZS_GLYPH* g = f->fFindGlyph(code);
            ASSERT_NE(g, nullptr) << code;
            EXPECT_EQ(g->code, code) << "drawn as '?' instead";
            EXPECT_GT(g->width, 0) << code;
            EXPECT_GT(g->xadvance, 0) << code;
        }
        // A descriptor made for another page would place glyphs off the texture or scale them.
        for (const ZS_GLYPH& glyph : f->fGetGlyphs())
        {
            const ZS_GLYPH* g = &glyph;
            ASSERT_LE(g->u1, 1.0f) << g->code;
            ASSERT_LE(g->v1, 1.0f) << g->code;
            ASSERT_NEAR((g->u1 - g->u0) * f->textureWidth, float(g->width), 0.01f) << g->code;
            ASSERT_LE(g->yoffset + g->height, f->fGetLineHeight() + 16) << g->code;
        }
    }
}

TEST_F(ShippedFonts, TextDrawsWhereItIsMeasuredWithoutDarkFringes)
{
    // A mid-grey screen: white glyphs may only lighten it.
    render->clearColor = ZS_COLOR(0xFF808080u);
    const wchar_t* text = L"Nonogram Ωμέγα Жук Łódź";
    for (const ZT_SHIPPED_FONT& shipped : kFonts)
    {
        SCOPED_TRACE(shipped.name);
        ZC_FONT* f = manager.fGetFont(shipped.name);
        ASSERT_NE(f, nullptr);
        const int x = 40, y = 100, h = f->fGetLineHeight();
        const int w = f->fMeasureLine(text);
        ASSERT_GT(w, 0);
        ASSERT_LT(w, 960);
        f->fSetColor(0xFFFFFFFFu);
        fFrame([&] { f->fDrawText(x, y, text); });

        const int rx = x - 12, ry = y - 12, rw = w + 24, rh = h + 24;
        std::vector<uint8_t> rgba(size_t(rw) * size_t(rh) * 4);
        ASSERT_TRUE(render->fGetDevice()->fReadPixels(rx, ry, rw, rh, rgba.data()));
        int left = rw, right = -1, top = rh, bottom = -1, bright = 0, dark = 0;
        for (int py = 0; py < rh; ++py)
            for (int px = 0; px < rw; ++px)
            {
                const uint8_t* p = &rgba[(size_t(py) * rw + px) * 4];
                const int lum = std::max({p[0], p[1], p[2]});
                if (lum == 128)
                    continue;
                left = std::min(left, px);
                right = std::max(right, px);
                top = std::min(top, py);
                bottom = std::max(bottom, py);
                bright += lum > 220;
                dark += lum < 100;
            }
        ASSERT_GE(right, 0) << "nothing drawn";
        // The ink starts at the pen and spans the measured width, inside the line's box.
        EXPECT_NEAR(rx + left, x, 6);
        EXPECT_NEAR(right - left + 1, w, 10);
        EXPECT_GE(ry + top, y - 4);
        EXPECT_LE(ry + bottom, y + h + 6);
        EXPECT_GT(bright, w);
        EXPECT_EQ(dark, 0);
    }
}

// Bitmap fonts: reading BMFont descriptors, measuring, and what the player sees when text is
// drawn on the offscreen device (glyph placement per alignment, colour, scale, spacing).
#include "text/ZT_FONT_FIXTURE.h"

#include <cstring>

#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZC_QUAD.h"

using namespace ZT_FONT;

namespace
{
// The font over a texture record of the glyph picture's size; nothing is drawn.
class FontData : public ::testing::Test
{
protected:
    ZS_TEXTURE texture;
    pugi::xml_document descriptor;
    ZC_FONT* font = nullptr;

    void SetUp() override
    {
        texture.size = ZS_POINT(kTextureWidth, kTextureHeight);
        ASSERT_TRUE(descriptor.load_string(fDescriptor().c_str()));
        font = new ZC_FONT(descriptor.child("font"), &texture, 600);
    }
    void TearDown() override { delete font; }
};

const ZT_GLYPH_DESC& fDesc(int code)
{
    for (const ZT_GLYPH_DESC& g : kGlyphs)
        if (g.id == code)
            return g;
    return kGlyphs[0];
}

// Where a glyph's picture lands for a pen position, with the glyph scale (xoffset unscaled).
ZT_BOX fGlyphAt(int code, int penX, int penY, int scale = 1)
{
    const ZT_GLYPH_DESC& g = fDesc(code);
    return {penX + g.xoffset, penY + g.yoffset * scale, g.width * scale, g.height * scale};
}
}

TEST_F(FontData, DescriptorGivesGlyphsWithTextureFractions)
{
    EXPECT_EQ(font->fGetLineHeight(), kLineHeight);
    EXPECT_EQ(font->glyphCount, 5);
    EXPECT_EQ(font->cellWidth, 20);
    EXPECT_EQ(font->alignment, 0);
    EXPECT_EQ(font->bufferSize, 600);
    EXPECT_EQ(font->fGetTexture(), &texture);

    const ZS_GLYPH* b = font->fFindGlyph('B');
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->code, 'B');
    EXPECT_FLOAT_EQ(b->u0, 8.0f / 40);
    EXPECT_FLOAT_EQ(b->v0, 0.0f);
    EXPECT_FLOAT_EQ(b->u1, 12.0f / 40);
    EXPECT_FLOAT_EQ(b->v1, 8.0f / 16);
    EXPECT_EQ(b->width, 4);
    EXPECT_EQ(b->height, 8);
    EXPECT_EQ(b->xoffset, 0);
    EXPECT_EQ(b->yoffset, 3);
    EXPECT_EQ(b->xadvance, 6);

    // Unknown codes find '?' but have no advance of their own; the first glyph is the lowest code.
    EXPECT_EQ(font->fFindGlyph('Z'), font->fFindGlyph('?'));
    EXPECT_EQ(font->fGetAdvance('Z'), 0);
    EXPECT_EQ(font->fGetAdvance('?'), 8);
    ASSERT_NE(font->fGetFirstGlyph(), nullptr);
    EXPECT_EQ(font->fGetFirstGlyph()->code, ' ');
    EXPECT_EQ(font->fSetOption(3), -1);

    // A small buffer request still gets 600 characters.
    ZC_FONT small(descriptor.child("font"), &texture, 10);
    EXPECT_EQ(small.bufferSize, 600);
}

TEST_F(FontData, DescriptorVariantsReloadALiveFont)
{
    struct
    {
        const char* xml;
        int result, glyphCount, mapSize, lineHeight;
        const char* why;
    } cases[] = {
        {"<font><common lineHeight='9'/><chars count='1'><char id='65'/></chars></font>", 1, 1, 1, 9,
         "missing glyph attributes read as 0"},
        {"<font><common lineHeight='9'/><chars><char id='65' xadvance='3'/><char id='65' xadvance='7'/></chars></font>",
         1, 2, 1, 9, "a repeated code: the later element wins, both are counted"},
        {"<font><common lineHeight='9'/><chars><kerning first='1'/><char id='66' xadvance='2'/></chars></font>", 1, 1, 1,
         9, "an element other than char is not a glyph"},
        {"<font><chars><char id='-3' xadvance='2'/></chars></font>", 1, 1, 1, 0, "no common: line height 0"},
        {"<font><common lineHeight='9'/><chars count='0'></chars></font>", -1, 0, 0, 9, "no char element"},
        {"<font><common lineHeight='9'/></font>", -1, 0, 0, 9, "no chars element"},
        {"<other/>", -1, 0, 0, 0, "no font element"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(c.xml));
        font->alignment = 5;
        font->fSetColor(0xFF102030);
        EXPECT_EQ(font->fLoad(doc.child("font"), &texture), c.result);
        EXPECT_EQ(font->glyphCount, c.glyphCount);
        EXPECT_EQ(int(font->fGetGlyphs().size()), c.mapSize);
        EXPECT_EQ(font->fGetLineHeight(), c.lineHeight);
        // A failed load keeps the alignment and has no cell width.
        EXPECT_EQ(font->alignment, c.result == 1 ? 0 : 5);
        EXPECT_EQ(font->cellWidth, c.result == 1 ? 20 : 0);
        // A new sprite: opaque white again, on the given texture.
        EXPECT_EQ(font->sprite->fGetColor(), 0xFFFFFFFFu);
        EXPECT_EQ(font->fGetTexture(), &texture);
        EXPECT_EQ(font->fFindGlyph(0), nullptr);
    }
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(
        "<font><chars><char id='65' xadvance='3'/><char id='65' xadvance='7'/><char id='-3' xadvance='2'/></chars></font>"));
    ASSERT_EQ(font->fLoad(doc.child("font"), &texture), 1);
    EXPECT_EQ(font->fGetAdvance('A'), 7);
    EXPECT_EQ(font->fGetFirstGlyph()->code, -3);
}

TEST_F(FontData, FontsOfOneDescriptorShareTheirGlyphs)
{
    // Every label makes its own font: the same descriptor gives one table, kept while any of
    // them lives, and a font read anew from another descriptor leaves the others as they were.
    ZC_FONT* second = new ZC_FONT(descriptor.child("font"), &texture, 600);
    EXPECT_EQ(&second->fGetGlyphs(), &font->fGetGlyphs());
    delete font;
    font = nullptr;
    ZC_FONT* third = new ZC_FONT(descriptor.child("font"), &texture, 600);
    EXPECT_EQ(&third->fGetGlyphs(), &second->fGetGlyphs());

    pugi::xml_document other;
    ASSERT_TRUE(other.load_string("<font><common lineHeight='9'/><chars><char id='65' xadvance='3'/></chars></font>"));
    ASSERT_EQ(third->fLoad(other.child("font"), &texture), 1);
    EXPECT_NE(&third->fGetGlyphs(), &second->fGetGlyphs());
    EXPECT_EQ(third->fGetAdvance('A'), 3);
    EXPECT_EQ(second->fGetAdvance('A'), fDesc('A').xadvance);
    delete third;
    delete second;
}

TEST_F(FontData, TextureWithoutSizeLeavesTheFontEmpty)
{
    ZS_TEXTURE empty; // 0 x 0
    ZS_TEXTURE* textures[] = {nullptr, &empty};
    for (ZS_TEXTURE* t : textures)
    {
        EXPECT_EQ(font->fLoad(descriptor.child("font"), t), -1);
        EXPECT_TRUE(font->fGetGlyphs().empty());
        EXPECT_EQ(font->fFindGlyph('A'), nullptr);
        EXPECT_EQ(font->fDrawGlyph('A', 0, 0), 0);
    }
    EXPECT_EQ(font->fGetTexture(), &empty);
}

TEST_F(FontData, MeasuresWideByAdvanceAndNarrowByWidth)
{
    struct
    {
        const wchar_t* wide;
        const char* narrow;
        int letterSpacing;
        float scale;
        int wideWidth, narrowWidth;
        const char* why;
    } cases[] = {
        {L"AB", "AB", 0, 1, 15, 10, "advances 9 + 6, widths 6 + 4"},
        {L"AB", "AB", 2, 1, 19, 14, "letter spacing per character"},
        {L"AxB", "AxB", 0, 1, 15, 0, "unknown: skipped wide, zero narrow"},
        {L"A\u00C8B", "A\xC8" "B", 0, 1, 15, 0, "a byte from 128 up has no glyph narrow"},
        {L"BB", "BB", 1, 1.5f, 20, 10, "scaled wide, truncated after each character; narrow unscaled"},
        {L"A\nBBB", "A\nBBB", 0, 1, 9, 6, "first line only"},
        {L" ", " ", 0, 1, 4, 0, "a space has an advance and no width"},
        {L"", "", 0, 1, 0, 0, "empty"},
        {L"AB", "AB", 0, 1.0e11f, 1000000, 10, "a scale no screen could show: the widest line"},
        {L"AB", "AB", 0, -1.0e11f, -1000000, 10, "the same, mirrored"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        font->letterSpacing = c.letterSpacing;
        font->sprite->fSetScale(c.scale, c.scale, 1);
        EXPECT_EQ(font->fMeasureLine(c.wide), c.wideWidth);
        EXPECT_EQ(font->fMeasureLineNarrow(c.narrow), c.narrowWidth);
    }
    // Looking a byte up while measuring adds nothing to the map.
    EXPECT_EQ(font->fGetGlyphs().size(), 5u);

    struct
    {
        const char* text;
        int lines;
    } counts[] = {{"", 1}, {"A", 1}, {"A\n", 2}, {"\n\nA", 3}, {nullptr, 1}};
    for (const auto& c : counts)
    {
        EXPECT_EQ(fCountLinesNarrow(c.text), c.lines);
        std::wstring w = c.text ? std::wstring(c.text, c.text + std::strlen(c.text)) : L"";
        EXPECT_EQ(fCountLinesWide(c.text ? w.c_str() : nullptr), c.lines);
    }
    font->letterSpacing = 1;
    EXPECT_EQ(font->fMeasureFixedPitch(L"ABC\nD"), 63);
    EXPECT_EQ(ZC_FONT::fNarrowLineLength("ABC\nD"), 3);
}

TEST(FontScaled, DescriptorSizeAndAtlasFrame)
{
    // The font sits in the right half of a 80x16 atlas; the descriptor gives its own 40x16 size.
    ZS_TEXTURE atlas;
    atlas.size = ZS_POINT(80, 16);
    ZS_ATLAS_FRAME frame;
    frame.texture = &atlas;
    frame.width = 40;
    frame.height = 16;
    frame.leftU = 0.5f;
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(fDescriptor().c_str()));
    ZC_FONT font;
    EXPECT_EQ(font.bufferSize, 0);
    font.fPrint(0, 0, L"A");
    font.fPrintNarrow(0, 0, "A");
    EXPECT_EQ(font.fInitFromFrame(doc.child("font"), &frame, 0), 1);
    EXPECT_EQ(font.bufferSize, 600);
    EXPECT_EQ(font.fGetTexture(), &atlas);
    EXPECT_FLOAT_EQ(font.fFindGlyph('B')->u0, 8.0f / 40);
    EXPECT_EQ(font.cellWidth, 0); // the space, lowest code, has no width
    EXPECT_EQ(font.glyphCount, 5);

    // Without a size in the descriptor no rectangle can be made.
    pugi::xml_document bare;
    ASSERT_TRUE(bare.load_string("<font><chars><char id='65' width='3'/></chars></font>"));
    font.alignment = 7;
    EXPECT_EQ(font.fLoadScaled(bare.child("font")), -1);
    EXPECT_TRUE(font.fGetGlyphs().empty());
    EXPECT_EQ(font.alignment, 7);
}

namespace
{
class FontFrame : public ZT_FONT_FRAME
{
protected:
    // "AB", "A", "B" on three lines; the pen offsets of each line and of the block.
    struct ZT_ALIGNMENT_CASE
    {
        int alignment;
        int dx[3];
        int dy;
    };

    std::vector<ZT_BOX> fExpectedBlock(int x, int y, const ZT_ALIGNMENT_CASE& c)
    {
        return fSorted({
            fGlyphAt('A', x + c.dx[0], y + c.dy),
            fGlyphAt('B', x + c.dx[0] + 9, y + c.dy),
            fGlyphAt('A', x + c.dx[1], y + c.dy + kLineHeight),
            fGlyphAt('B', x + c.dx[2], y + c.dy + 2 * kLineHeight),
        });
    }
    std::vector<ZT_BOX> fBoxesNear(int x, int y) { return fLitBoxes(x - 60, y - 60, 160, 120); }
};
}

// Lines are 15, 9 and 6 wide by advance; three lines of 13 make a half block of 19 (39 / 2).
TEST_F(FontFrame, WideAlignmentsPlaceEveryLine)
{
    const ZT_ALIGNMENT_CASE cases[] = {
        {0, {0, 0, 0}, 0},        {1, {-7, -4, -3}, 19},    {2, {-15, -9, -6}, 0},  {3, {0, 0, 0}, -19},
        {4, {-7, -4, -3}, -19},   {5, {-15, -9, -6}, -19},  {6, {0, 0, 0}, 18},     {7, {-7, -4, -3}, 18},
        {8, {-15, -9, -6}, 18},   {9, {0, 0, 0}, 0},        {-1, {0, 0, 0}, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.alignment);
        font->alignment = c.alignment;
        fFrame([&] { font->fDrawText(200, 150, L"AB\nA\nB"); });
        EXPECT_EQ(fBoxesNear(200, 150), fExpectedBlock(200, 150, c));
    }
    fSaveFrame("font_wide_alignment");
}

// Narrow lines measure 10, 6 and 4 by glyph width; narrow blocks rise by the whole 39.
TEST_F(FontFrame, NarrowAlignmentsHaveTheirOwnTable)
{
    const ZT_ALIGNMENT_CASE cases[] = {
        {0, {0, 0, 0}, 19},       {1, {-5, -3, -2}, 19},    {2, {0, 0, 0}, 0},      {3, {0, 0, 0}, -39},
        {4, {-5, -3, -2}, -39},   {5, {-10, -6, -4}, -39},  {6, {0, 0, 0}, 0},      {7, {-5, -3, -2}, 0},
        {8, {-10, -6, -4}, -39},  {9, {0, 0, 0}, 0},        {-1, {0, 0, 0}, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.alignment);
        font->alignment = c.alignment;
        fFrame([&] { font->fDrawTextNarrow(200, 150, "AB\nA\nB"); });
        EXPECT_EQ(fBoxesNear(200, 150), fExpectedBlock(200, 150, c));
    }
}

TEST_F(FontFrame, ColourScaleAndSpacing)
{
    font->fSetColor(0xFF20C040);
    fFrame([&] { font->fDrawText(100, 100, L"A"); });
    EXPECT_LE(ZT_RENDER::fColorDistance(fPixel(104, 106), 0xFF20C040), 2);
    EXPECT_EQ(fPixel(99, 106), 0xFF000000u);
    font->fSetColor(0xFFFFFFFF);

    // Scale 2: pictures, advances and yoffsets double, the xoffset does not; narrow advances stay.
    // Point sampling keeps the magnified edges sharp enough to measure.
    font->sprite->fSetScale(2, 2, 1);
    font->sprite->fSetFilter(ZS_RENDER_STATE::FILTER_POINT);
    fFrame([&] { font->fDrawText(100, 100, L"AB"); });
    EXPECT_EQ(fBoxesNear(100, 100), fSorted({fGlyphAt('A', 100, 100, 2), fGlyphAt('B', 118, 100, 2)}));
    // Narrow text (alignment 0: half a block, 6, lower) still steps 9, so the doubled pictures overlap.
    fFrame([&] { font->fDrawTextNarrow(100, 100, "AA"); });
    EXPECT_EQ(fBoxesNear(100, 100), fSorted({{101, 110, 21, 16}}));
    font->sprite->fSetScale(1, 1, 1);

    // Letter spacing widens every step; line spacing separates lines.
    font->letterSpacing = 3;
    font->lineSpacing = 5;
    fFrame([&] { font->fDrawText(100, 100, L"AB\nB"); });
    EXPECT_EQ(fBoxesNear(100, 100), fSorted({fGlyphAt('A', 100, 100), fGlyphAt('B', 112, 100),
                                                         fGlyphAt('B', 100, 118)}));
    fSaveFrame("font_spacing");
}

TEST_F(FontFrame, UnknownCharactersShowTheQuestionMark)
{
    // Wide: the '?' is drawn with its advance, but the measure skips it, so centring uses 15.
    font->alignment = 1;
    fFrame([&] { font->fDrawText(200, 100, L"AxB"); });
    EXPECT_EQ(fBoxesNear(200, 100), fSorted({fGlyphAt('A', 193, 106), fGlyphAt('?', 202, 106),
                                                         fGlyphAt('B', 210, 106)}));
    // Narrow: a byte from 128 up shows '?', and the line measures 0, so it is not shifted.
    fFrame([&] { font->fDrawTextNarrow(200, 100, "A\xC8" "B"); });
    EXPECT_EQ(fBoxesNear(200, 100), fSorted({fGlyphAt('A', 200, 106), fGlyphAt('?', 209, 106),
                                                         fGlyphAt('B', 217, 106)}));

    // Without a '?' the unknown character draws nothing and takes no room wide; narrow
    // text still moves on by the letter spacing.
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(fDescriptor(false).c_str()));
    ASSERT_EQ(font->fLoad(doc.child("font"), texture), 1);
    fFrame([&] { font->fDrawText(200, 100, L"AxB"); });
    EXPECT_EQ(fBoxesNear(200, 100), fSorted({fGlyphAt('A', 200, 100), fGlyphAt('B', 209, 100)}));
    font->letterSpacing = 2;
    fFrame([&] { font->fDrawTextNarrow(200, 100, "AxB"); });
    EXPECT_EQ(fBoxesNear(200, 100), fSorted({fGlyphAt('A', 200, 106), fGlyphAt('B', 213, 106)}));
}

TEST_F(FontFrame, PrintFormatsIntoTheBufferAndCutsLongText)
{
    fFrame([&] { font->fPrint(100, 100, L"%s%%A", L"AB"); });
    EXPECT_EQ(fBoxesNear(100, 100), fSorted({fGlyphAt('A', 100, 100), fGlyphAt('B', 109, 100),
                                                         fGlyphAt('%', 115, 100), fGlyphAt('A', 120, 100)}));
    fFrame([&] { font->fPrintNarrow(100, 100, "%sB", "A"); });
    EXPECT_EQ(fBoxesNear(100, 100), fSorted({fGlyphAt('A', 100, 106), fGlyphAt('B', 109, 106)}));

    // Nothing to draw: no glyph reaches the renderer.
    fFrame([&] {
        font->fPrint(100, 100, L"");
        font->fPrint(100, 100, L"%s", L"");
        font->fDrawText(100, 100, L"");
        font->fPrintNarrow(100, 100, "%s", "");
        font->fDrawText(100, 100, nullptr);
    });
    EXPECT_EQ(render->drawRequests, 0u);

    // Longer than the buffer: 599 wide characters, 595 narrow ones (one glyph draw each).
    std::wstring wide(700, L'A');
    std::string narrow(700, 'A');
    fFrame([&] { font->fPrint(0, 0, wide.c_str()); });
    EXPECT_EQ(render->drawRequests, 599u);
    fFrame([&] { font->fPrintNarrow(0, 0, "%s", narrow.c_str()); });
    EXPECT_EQ(render->drawRequests, 595u);
}

TEST_F(FontFrame, PrintAtFollowsTheTransformAndPutsTheFontBack)
{
    ZS_TRANSFORM3 parent;
    parent.fSetPosition(100, 50, 0);
    parent.fSetScale(2, 2, 1);
    ZS_TRANSFORM3 label;
    label.fSetPosition(50, 25, 0);
    label.parent = &parent;
    ZS_TRANSFORM3* spriteParent = font->sprite->transform->parent;
    font->alignment = 3;

    // World position (200, 100) at scale 2; alignment 0 for this draw only.
    font->sprite->fSetFilter(ZS_RENDER_STATE::FILTER_POINT);
    fFrame([&] { font->fPrintAt(&label, 0, L"AB"); });
    EXPECT_EQ(fBoxesNear(200, 100), fSorted({{202, 104, 12, 16}, {218, 106, 8, 16}}));
    EXPECT_EQ(font->alignment, 3);
    EXPECT_EQ(font->sprite->transform->parent, spriteParent);

    // The text is the format: "%%" shows one '%', and a conversion that would take an
    // argument is shown as written instead of reading one that is not there.
    struct
    {
        const wchar_t* text;
        const wchar_t* shown;
    } cases[] = {{L"A%%B", L"A%B"}, {L"A%sB", L"A%sB"}, {L"A%05dB", L"A%05dB"}, {L"A%cB", L"AcB"}, {L"A%", L"A"}};
    for (const auto& c : cases)
    {
        ZS_TRANSFORM3 at;
        at.fSetPosition(200, 100, 0);
        fFrame([&] { font->fPrintAt(&at, 4, c.text); });
        std::vector<ZT_BOX> printed = fBoxesNear(200, 100);
        font->alignment = 4;
        fFrame([&] { font->fDrawText(200, 100, c.shown); });
        font->alignment = 3;
        EXPECT_EQ(printed, fBoxesNear(200, 100)) << std::string(c.text, c.text + std::wcslen(c.text));
        EXPECT_FALSE(printed.empty());
    }
}

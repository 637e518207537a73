#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_QUAD;
struct ZS_TEXTURE;
struct ZS_ATLAS_FRAME;
struct ZS_TRANSFORM3;

// One glyph of a bitmap font: its rectangle in the texture as fractions of the texture's
// size, its picture size and where it sits relative to the pen.
struct ZS_GLYPH
{
    int code = 0;
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
    int width = 0, height = 0;
    int xoffset = 0, yoffset = 0;
    int xadvance = 0;

    bool operator==(const ZS_GLYPH& o) const
    {
        return code == o.code && u0 == o.u0 && v0 == o.v0 && u1 == o.u1 && v1 == o.v1 && width == o.width &&
               height == o.height && xoffset == o.xoffset && yoffset == o.yoffset && xadvance == o.xadvance;
    }
};

// A bitmap font: one texture holding every glyph and a BMFont XML descriptor placing them.
// Each glyph is drawn by reshaping one quad, so the quad's vertex colour is the text colour
// and its transform's scale the font scale. Fonts are shared between widgets: colour,
// alignment, spacing and scale stay as the last caller left them.
class ZC_FONT
{
public:
    ZC_QUAD* sprite = nullptr; // owned
    int glyphCount = 0;        // "char" elements read, repeated codes counted again
    int letterSpacing = 0;     // added to every advance
    int lineSpacing = 0;       // extra pixels between lines
    int lineHeight = 0;
    int cellWidth = 0;         // fixed-pitch cell
    // One per code, by code: a font is made for every label that names it, so its glyphs are
    // kept flat (a map's node and a block of its own per glyph took twice the memory), and
    // fonts read from the same descriptor share one table.
    std::shared_ptr<const std::vector<ZS_GLYPH>> glyphs;
    char* narrowBuffer = nullptr;
    wchar_t* wideBuffer = nullptr;
    float textureWidth = 0, textureHeight = 0; // divisors of the glyph rectangles
    int alignment = 0;                         // hot-spot number 0-8
    int bufferSize = 0;                        // capacity of each text buffer

    // An own sprite without a picture, no glyphs, no text buffers.
    ZC_FONT();
    // Reads the descriptor (element "font") on the texture; buffers of at least 600 characters.
    ZC_FONT(pugi::xml_node font, ZS_TEXTURE* texture, int bufferSize);
    ~ZC_FONT();
    ZC_FONT(const ZC_FONT&) = delete;
    ZC_FONT& operator=(const ZC_FONT&) = delete;

    // A new sprite on the whole texture and a new glyph map; 1, or -1 when no glyph was read
    // (also for a texture without size, whose glyph rectangles cannot be worked out).
    int fLoad(pugi::xml_node font, ZS_TEXTURE* texture);
    void fSetColor(uint32_t packed);
    int fGetLineHeight() const { return lineHeight; }

    // The code's glyph, else the glyph of '?', else null.
    const ZS_GLYPH* fFindGlyph(int code) const;
    // The glyph of exactly this code (no '?' in its place), or null.
    const ZS_GLYPH* fLookUpGlyph(int code) const;
    // xadvance of the code's own glyph; 0 without one ('?' does not stand in here).
    int fGetAdvance(int code) const;
    // Draws one glyph with its top left at (x + xoffset, y + yoffset x scale y); its xadvance,
    // or 0 when nothing was drawn.
    int fDrawGlyph(int code, int x, int y);

    // Wide text: the first line's width, its offset and the whole text's offset for the alignment.
    int fMeasureLine(const wchar_t* text) const;
    int fGetLineOffset(const wchar_t* text) const;
    int fGetVerticalOffset(const wchar_t* text) const;
    void fDrawText(int x, int y, const wchar_t* text);
    // Formats into the wide buffer and draws the result when it is not empty.
    void fPrint(int x, int y, const wchar_t* format, ...);
    // Draws the text at the world position of the transform with the given alignment (which
    // is put back afterwards). The text is formatted without arguments: "%%" shows one '%';
    // a conversion that would take an argument is shown as written.
    void fPrintAt(const ZS_TRANSFORM3* transform, int alignment, const wchar_t* text);

    // Narrow text: bytes are signed character codes, so bytes from 128 up find no glyph of
    // their own. The measure counts glyph widths and is 0 for a line with an unknown byte.
    int fMeasureLineNarrow(const char* text) const;
    int fGetLineOffsetNarrow(const char* text) const;
    int fGetVerticalOffsetNarrow(const char* text) const;
    void fDrawTextNarrow(int x, int y, const char* text);
    // Formats with vsnprintf into the narrow buffer (at most buffer size - 5 characters) and draws it.
    void fPrintNarrow(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));

    ZS_TEXTURE* fGetTexture() const;
    // Every glyph, by code; empty without glyphs.
    const std::vector<ZS_GLYPH>& fGetGlyphs() const;
    // The glyph with the lowest code; null without glyphs.
    const ZS_GLYPH* fGetFirstGlyph() const;
    // Fonts have no options: -1.
    int fSetOption(int) { return -1; }

    // Set-ups for fonts whose descriptor gives the texture size ("common" "scaleW" and "scaleH"),
    // e.g. a font inside an atlas: the sprite shows the texture or frame, then fLoadScaled; 1.
    int fInitFromTexture(pugi::xml_node font, ZS_TEXTURE* texture, int bufferSize);
    int fInitFromFrame(pugi::xml_node font, const ZS_ATLAS_FRAME* frame, int bufferSize);
    // As fLoad on the sprite as it is, with the descriptor's texture size; the cell width is the
    // lowest-coded glyph's width and the alignment stays. -1 without glyphs or without a size.
    int fLoadScaled(pugi::xml_node font);
    // Both buffers anew, of at least 600 characters each.
    void fCreateBuffers(int size);
    // The first line's characters x (cell width + letter spacing); 0 without glyphs.
    int fMeasureFixedPitch(const wchar_t* text) const;
    // Characters before '\n' or the end.
    static int fNarrowLineLength(const char* text);
    ZC_QUAD* fGetSprite() const { return sprite; }
    // The sprite's texture; with none the font draws nothing.
    void fSetTexture(ZS_TEXTURE* texture);
    void fSetSpriteHotSpot(int anchor);
    // The whole texture drawn by the sprite at the origin.
    void fDrawTexture();

private:
    void fClearGlyphs();
    void fFreeBuffers();
    // Reads the "char" elements with the current texture size; the number stored.
    int fReadGlyphs(pugi::xml_node font);
    float fScaleX() const;
    float fScaleY() const;
};

// 1 + the number of '\n'.
int fCountLinesNarrow(const char* text);
int fCountLinesWide(const wchar_t* text);
}

#include "engine/text/ZC_FONT.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_WIDE_STRING.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZC_QUAD.h"

namespace ZOR
{
namespace
{
const std::vector<ZS_GLYPH> kNoGlyphs;

// The table of every font read from the same descriptor is one and the same.
std::shared_ptr<const std::vector<ZS_GLYPH>> fShareGlyphs(std::vector<ZS_GLYPH>&& read)
{
    static std::mutex guard;
    static std::vector<std::weak_ptr<const std::vector<ZS_GLYPH>>> tables;
    std::lock_guard<std::mutex> lock(guard);
    tables.erase(std::remove_if(tables.begin(), tables.end(), [](const auto& t) { return t.expired(); }), tables.end());
    for (const auto& table : tables)
        if (auto shared = table.lock(); shared && *shared == read)
            return shared;
    auto made = std::make_shared<const std::vector<ZS_GLYPH>>(std::move(read));
    tables.push_back(made);
    return made;
}

const int kMinBufferSize = 600;

// Formats a text that comes without arguments as fWideFormat would, except that a conversion
// which takes an argument is copied as written. Labels and line boxes hand their text over as
// the format, and that text may come from data or from the player's typing: it must never make
// the formatter read an argument that is not there.
int fFormatWithoutArguments(wchar_t* out, int capacity, const wchar_t* text)
{
    if (!out || capacity <= 0)
        return 0;
    int limit = capacity - 1, n = 0;
    const wchar_t* p = text ? text : L"";
    while (*p && n < limit)
    {
        if (*p != L'%')
        {
            out[n++] = *p++;
            continue;
        }
        if (p[1] == L'%')
        {
            out[n++] = L'%';
            p += 2;
            continue;
        }
        // The formatter's grammar: '%', an optional '0', width, precision, 'l', conversion.
        const wchar_t* start = p++;
        if (*p == L'0')
            ++p;
        while (*p >= L'0' && *p <= L'9')
            ++p;
        if (*p == L'.')
            for (++p; *p >= L'0' && *p <= L'9'; ++p)
            {
            }
        if (*p == L'l')
            ++p;
        if (!*p)
            break;
        switch (*p)
        {
        case L'd':
        case L'i':
        case L'u':
        case L's':
        case L'f':
            for (const wchar_t* q = start; q <= p && n < limit; ++q)
                out[n++] = *q;
            break;
        default:
            // What the formatter does with a conversion it does not know: its letter alone.
            out[n++] = *p;
            break;
        }
        ++p;
    }
    out[n] = 0;
    return n;
}

// Offsets by alignment 0-8; h2 is half the block's height (n x h / 2), hn the whole block.
int fWideOffsetX(int alignment, int w)
{
    if (alignment < 0 || alignment > 8)
        return 0;
    int column = alignment % 3;
    return column == 0 ? 0 : column == 1 ? -(w / 2) : -w;
}

int fWideOffsetY(int alignment, int h2)
{
    switch (alignment)
    {
    case 1: return h2;
    case 3: case 4: case 5: return -h2;
    case 6: case 7: case 8: return h2 - 1;
    default: return 0;
    }
}

// Narrow text has a table of its own: alignment 2 is not shifted left, and the middle and
// bottom rows rise by the whole block.
int fNarrowOffsetX(int alignment, int w)
{
    switch (alignment)
    {
    case 1: case 4: case 7: return -(w / 2);
    case 5: case 8: return -w;
    default: return 0;
    }
}

int fNarrowOffsetY(int alignment, int h2, int hn)
{
    switch (alignment)
    {
    case 0: case 1: return h2;
    case 3: case 4: case 5: case 8: return -hn;
    default: return 0;
    }
}
}

int fCountLinesNarrow(const char* text)
{
    int n = 1;
    for (const char* p = text; p && *p; ++p)
        n += *p == '\n';
    return n;
}

int fCountLinesWide(const wchar_t* text)
{
    int n = 1;
    for (const wchar_t* p = text; p && *p; ++p)
        n += *p == L'\n';
    return n;
}

ZC_FONT::ZC_FONT() : sprite(new ZC_QUAD) {}

ZC_FONT::ZC_FONT(pugi::xml_node font, ZS_TEXTURE* texture, int size)
{
    fCreateBuffers(size);
    fLoad(font, texture);
}

ZC_FONT::~ZC_FONT()
{
    fFreeBuffers();
    fClearGlyphs();
    delete sprite;
}

void ZC_FONT::fClearGlyphs()
{
    glyphs.reset();
    glyphCount = 0;
}

void ZC_FONT::fFreeBuffers()
{
    delete[] narrowBuffer;
    delete[] wideBuffer;
    narrowBuffer = nullptr;
    wideBuffer = nullptr;
    bufferSize = 0;
}

void ZC_FONT::fCreateBuffers(int size)
{
    fFreeBuffers();
    bufferSize = std::max(size, kMinBufferSize);
    narrowBuffer = new char[bufferSize];
    wideBuffer = new wchar_t[bufferSize];
    narrowBuffer[0] = 0;
    wideBuffer[0] = 0;
}

int ZC_FONT::fReadGlyphs(pugi::xml_node font)
{
    fClearGlyphs();
    // Without a size the rectangles cannot be made; such a font keeps no glyph and draws nothing.
    if (!(textureWidth > 0.0f) || !(textureHeight > 0.0f))
        return 0;
    pugi::xml_node chars = font.child("chars");
    std::vector<ZS_GLYPH> read;
    // Only "char" elements are glyphs: anything else in the list (whatever a tool may put
    // first) would otherwise come in as a glyph of code 0.
    for (pugi::xml_node c = chars.child("char"); c; c = c.next_sibling("char"))
    {
        read.emplace_back();
        ZS_GLYPH* g = &read.back();
        g->code = c.attribute("id").as_int(0);
        int x = c.attribute("x").as_int(0), y = c.attribute("y").as_int(0);
        g->width = c.attribute("width").as_int(0);
        g->height = c.attribute("height").as_int(0);
        g->xoffset = c.attribute("xoffset").as_int(0);
        g->yoffset = c.attribute("yoffset").as_int(0);
        g->xadvance = c.attribute("xadvance").as_int(0);
        g->u0 = float(x) / textureWidth;
        g->v0 = float(y) / textureHeight;
        // Added as floats: a descriptor's numbers may be anything an int holds.
        g->u1 = (float(x) + float(g->width)) / textureWidth;
        g->v1 = (float(y) + float(g->height)) / textureHeight;
        ++glyphCount;
    }
    // By code; of a repeated code the later element wins.
    std::stable_sort(read.begin(), read.end(), [](const ZS_GLYPH& a, const ZS_GLYPH& b) { return a.code < b.code; });
    size_t kept = 0;
    for (size_t i = 0; i < read.size(); ++i)
        if (i + 1 == read.size() || read[i + 1].code != read[i].code)
            read[kept++] = read[i];
    read.resize(kept);
    read.shrink_to_fit();
    glyphs = fShareGlyphs(std::move(read));
    return int(glyphs->size());
}

int ZC_FONT::fLoad(pugi::xml_node font, ZS_TEXTURE* texture)
{
    lineHeight = font.child("common").attribute("lineHeight").as_int(0);
    delete sprite;
    sprite = new ZC_QUAD(texture);
    textureWidth = texture ? float(texture->size.x) : 0.0f;
    textureHeight = texture ? float(texture->size.y) : 0.0f;
    cellWidth = 0;
    if (fReadGlyphs(font) == 0)
        return -1;
    cellWidth = 20;
    sprite->fSetHotSpotGlyph(4, 0, 0);
    alignment = 0;
    return 1;
}

int ZC_FONT::fLoadScaled(pugi::xml_node font)
{
    pugi::xml_node common = font.child("common");
    lineHeight = common.attribute("lineHeight").as_int(0);
    textureWidth = common.attribute("scaleW").as_float(0.0f);
    textureHeight = common.attribute("scaleH").as_float(0.0f);
    cellWidth = 0;
    if (fReadGlyphs(font) == 0)
        return -1;
    cellWidth = glyphs->front().width;
    return 1;
}

int ZC_FONT::fInitFromTexture(pugi::xml_node font, ZS_TEXTURE* texture, int size)
{
    if (!sprite)
        sprite = new ZC_QUAD;
    sprite->fInitFromTexture(texture, nullptr);
    fCreateBuffers(size);
    fLoadScaled(font);
    return 1;
}

int ZC_FONT::fInitFromFrame(pugi::xml_node font, const ZS_ATLAS_FRAME* frame, int size)
{
    if (!sprite)
        sprite = new ZC_QUAD;
    sprite->fInitFromFrame(frame, nullptr);
    fCreateBuffers(size);
    fLoadScaled(font);
    return 1;
}

void ZC_FONT::fSetColor(uint32_t packed)
{
    if (sprite)
        sprite->fSetColor(packed);
}

const ZS_GLYPH* ZC_FONT::fLookUpGlyph(int code) const
{
    const std::vector<ZS_GLYPH>& all = fGetGlyphs();
    auto it = std::lower_bound(all.begin(), all.end(), code, [](const ZS_GLYPH& g, int c) { return g.code < c; });
    return it != all.end() && it->code == code ? &*it : nullptr;
}

const ZS_GLYPH* ZC_FONT::fFindGlyph(int code) const
{
    const ZS_GLYPH* g = fLookUpGlyph(code);
    return g ? g : fLookUpGlyph('?');
}

int ZC_FONT::fGetAdvance(int code) const
{
    const ZS_GLYPH* g = fLookUpGlyph(code);
    return g ? g->xadvance : 0;
}

float ZC_FONT::fScaleX() const
{
    return sprite && sprite->transform ? sprite->transform->scale.x : 1.0f;
}

float ZC_FONT::fScaleY() const
{
    return sprite && sprite->transform ? sprite->transform->scale.y : 1.0f;
}

int ZC_FONT::fDrawGlyph(int code, int x, int y)
{
    const ZS_GLYPH* g = fFindGlyph(code);
    // A font whose texture was handed back must not draw with it.
    if (!g || !sprite || !sprite->texture)
        return 0;
    sprite->fDrawRegion(float(x + g->xoffset), float(y) + float(g->yoffset) * fScaleY(), g->u0, g->v0, g->u1, g->v1,
                        g->width, g->height);
    return g->xadvance;
}

int ZC_FONT::fMeasureLine(const wchar_t* text) const
{
    float width = 0.0f;
    const float sx = fScaleX();
    for (const wchar_t* p = text; p && *p && *p != L'\n'; ++p)
    {
        int advance = fGetAdvance(int(*p));
        if (advance > 0)
            width = std::trunc(width + (float(advance) + float(letterSpacing)) * sx);
    }
    // A scale or a spacing from data that no screen could show measures as the widest line.
    int pixels = 0;
    if (!fToPixel(width, &pixels) && !std::isnan(width))
        pixels = width > 0.0f ? int(kPixelLimit) : -int(kPixelLimit);
    return pixels;
}

int ZC_FONT::fGetLineOffset(const wchar_t* text) const
{
    return fWideOffsetX(alignment, fMeasureLine(text));
}

int ZC_FONT::fGetVerticalOffset(const wchar_t* text) const
{
    return fWideOffsetY(alignment, fCountLinesWide(text) * lineHeight / 2);
}

void ZC_FONT::fDrawText(int x, int y, const wchar_t* text)
{
    if (!text)
        return;
    int lineOffset = fGetLineOffset(text);
    int v = fGetVerticalOffset(text);
    float pen = 0.0f;
    int line = 0;
    for (const wchar_t* p = text; *p; ++p)
    {
        if (*p == L'\n')
        {
            ++line;
            pen = 0.0f;
            lineOffset = fGetLineOffset(p + 1);
            continue;
        }
        // A pen or a line run past any screen (a scale or spacing from data) draws nothing there.
        int gx = 0, gy = 0;
        if (!fToPixel(pen + float(int64_t(x) + lineOffset), &gx) ||
            !fToPixel(float(int64_t(y) + v + int64_t(line) * (int64_t(lineHeight) + lineSpacing)), &gy))
            continue;
        int advance = fDrawGlyph(int(*p), gx, gy);
        if (advance != 0)
            pen += (float(advance) + float(letterSpacing)) * fScaleX();
    }
}

void ZC_FONT::fPrint(int x, int y, const wchar_t* format, ...)
{
    if (!wideBuffer)
        return;
    va_list args;
    va_start(args, format);
    int n = fWideFormatV(wideBuffer, bufferSize, format, args);
    va_end(args);
    if (n > 0)
        fDrawText(x, y, wideBuffer);
}

void ZC_FONT::fPrintAt(const ZS_TRANSFORM3* transform, int align, const wchar_t* text)
{
    if (!transform || !sprite || !wideBuffer)
        return;
    if (!sprite->transform)
        sprite->fSetTransform(nullptr);
    ZS_TRANSFORM3 world = transform->fCompose();
    // The composed record still names the first parent, which it already holds folded in.
    world.parent = nullptr;
    ZS_TRANSFORM3* savedParent = sprite->transform->parent;
    int savedAlignment = alignment;
    sprite->transform->parent = &world;
    alignment = align;
    if (fFormatWithoutArguments(wideBuffer, bufferSize, text) > 0)
        fDrawText(0, 0, wideBuffer);
    sprite->transform->parent = savedParent;
    alignment = savedAlignment;
}

int ZC_FONT::fMeasureLineNarrow(const char* text) const
{
    int width = 0;
    for (const char* p = text; p && *p && *p != '\n'; ++p)
    {
        const ZS_GLYPH* g = fLookUpGlyph(int(static_cast<signed char>(*p)));
        if (!g)
            return 0;
        width += g->width + letterSpacing;
    }
    return width;
}

int ZC_FONT::fGetLineOffsetNarrow(const char* text) const
{
    return fNarrowOffsetX(alignment, fMeasureLineNarrow(text));
}

int ZC_FONT::fGetVerticalOffsetNarrow(const char* text) const
{
    int block = fCountLinesNarrow(text) * lineHeight;
    return fNarrowOffsetY(alignment, block / 2, block);
}

void ZC_FONT::fDrawTextNarrow(int x, int y, const char* text)
{
    if (!text)
        return;
    int lineOffset = fGetLineOffsetNarrow(text);
    int v = fGetVerticalOffsetNarrow(text);
    int pen = 0;
    int line = 0;
    for (const char* p = text; *p; ++p)
    {
        if (*p == '\n')
        {
            ++line;
            pen = 0;
            lineOffset = fGetLineOffsetNarrow(p + 1);
            continue;
        }
        int gy = y + v + line * (lineHeight + lineSpacing);
        pen += fDrawGlyph(int(static_cast<signed char>(*p)), pen + x + lineOffset, gy) + letterSpacing;
    }
}

void ZC_FONT::fPrintNarrow(int x, int y, const char* format, ...)
{
    if (!narrowBuffer || !format || bufferSize < 5)
        return;
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(narrowBuffer, size_t(bufferSize - 4), format, args);
    va_end(args);
    if (n < 0)
        narrowBuffer[0] = 0;
    fDrawTextNarrow(x, y, narrowBuffer);
}

ZS_TEXTURE* ZC_FONT::fGetTexture() const
{
    return sprite ? sprite->texture : nullptr;
}

const std::vector<ZS_GLYPH>& ZC_FONT::fGetGlyphs() const
{
    return glyphs ? *glyphs : kNoGlyphs;
}

const ZS_GLYPH* ZC_FONT::fGetFirstGlyph() const
{
    return fGetGlyphs().empty() ? nullptr : &glyphs->front();
}

int ZC_FONT::fMeasureFixedPitch(const wchar_t* text) const
{
    if (fGetGlyphs().empty() || !text)
        return 0;
    int n = 0;
    while (text[n] && text[n] != L'\n')
        ++n;
    return n * (cellWidth + letterSpacing);
}

int ZC_FONT::fNarrowLineLength(const char* text)
{
    int n = 0;
    while (text && text[n] && text[n] != '\n')
        ++n;
    return n;
}

void ZC_FONT::fSetTexture(ZS_TEXTURE* texture)
{
    if (sprite)
        sprite->texture = texture;
}

void ZC_FONT::fSetSpriteHotSpot(int anchor)
{
    if (sprite)
        sprite->fSetHotSpotGlyph(anchor, 0, 0);
}

void ZC_FONT::fDrawTexture()
{
    if (!sprite || !sprite->texture)
        return;
    sprite->fDrawRegion(0, 0, 0, 0, 1, 1, sprite->texture->size.x, sprite->texture->size.y);
}
}

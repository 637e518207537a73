#pragma once
// A tiny bitmap font of our own for the text tests: a 40x16 glyph picture (solid white
// rectangles on transparent black, two pixels apart) and its BMFont descriptor, plus a frame
// helper that finds the glyph pictures on the read-back screen.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <pugixml.hpp>
#include <stb_image_write.h>

#include "engine/text/ZC_FONT.h"
#include "render/ZT_RENDER_FIXTURE.h"

namespace ZT_FONT
{
using namespace ZOR;

const int kTextureWidth = 40, kTextureHeight = 16, kLineHeight = 13;

struct ZT_GLYPH_DESC
{
    int id, x, y, width, height, xoffset, yoffset, xadvance;
};

// A and B differ in size and offsets; '?' stands in for unknown characters; the space has
// no picture.
const ZT_GLYPH_DESC kGlyphs[] = {
    {'A', 0, 0, 6, 8, 1, 2, 9},  {'B', 8, 0, 4, 8, 0, 3, 6},  {'?', 14, 0, 5, 10, 0, 1, 8},
    {'%', 21, 0, 3, 8, 0, 2, 5}, {' ', 0, 0, 0, 0, 0, 0, 4},
};

// The descriptor as a BMFont tool writes it, kernings included (the font reads none).
inline std::string fDescriptor(bool withQuestionMark = true)
{
    std::string chars;
    int count = 0;
    for (const ZT_GLYPH_DESC& g : kGlyphs)
    {
        if (g.id == '?' && !withQuestionMark)
            continue;
        ++count;
        chars += "<char id=\"" + std::to_string(g.id) + "\" x=\"" + std::to_string(g.x) + "\" y=\"" +
                 std::to_string(g.y) + "\" width=\"" + std::to_string(g.width) + "\" height=\"" +
                 std::to_string(g.height) + "\" xoffset=\"" + std::to_string(g.xoffset) + "\" yoffset=\"" +
                 std::to_string(g.yoffset) + "\" xadvance=\"" + std::to_string(g.xadvance) +
                 "\" page=\"0\" chnl=\"15\"/>\n";
    }
    return "<?xml version=\"1.0\"?>\n<font>\n"
           "<info face=\"Test\" size=\"12\"/>\n"
           "<common lineHeight=\"" + std::to_string(kLineHeight) + "\" base=\"10\" scaleW=\"40\" scaleH=\"16\" pages=\"1\"/>\n"
           "<pages><page id=\"0\" file=\"glyphs.png\"/></pages>\n"
           "<chars count=\"" + std::to_string(count) + "\">\n" + chars + "</chars>\n"
           "<kernings count=\"1\"><kerning first=\"65\" second=\"66\" amount=\"-1\"/></kernings>\n"
           "</font>\n";
}

// The glyph picture as PNG bytes.
inline std::vector<unsigned char> fGlyphPng()
{
    std::vector<uint8_t> rgba(kTextureWidth * kTextureHeight * 4, 0);
    for (const ZT_GLYPH_DESC& g : kGlyphs)
        for (int y = g.y; y < g.y + g.height; ++y)
            for (int x = g.x; x < g.x + g.width; ++x)
                std::fill_n(&rgba[size_t(y * kTextureWidth + x) * 4], 4, uint8_t(255));
    std::vector<unsigned char> png;
    auto sink = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<unsigned char>*>(context);
        out->insert(out->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
    };
    stbi_write_png_to_func(sink, &png, kTextureWidth, kTextureHeight, 4, rgba.data(), kTextureWidth * 4);
    return png;
}

// A rectangle of pixels: left, top, width, height.
struct ZT_BOX
{
    int x, y, w, h;
    bool operator==(const ZT_BOX& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
    bool operator<(const ZT_BOX& o) const { return x != o.x ? x < o.x : y < o.y; }
};

inline std::ostream& operator<<(std::ostream& out, const ZT_BOX& b)
{
    return out << "{" << b.x << "," << b.y << " " << b.w << "x" << b.h << "}";
}

// Boxes in the order fLitBoxes gives them.
inline std::vector<ZT_BOX> fSorted(std::vector<ZT_BOX> boxes)
{
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

// The font on a glyph texture made by the renderer, drawn on the offscreen device.
class ZT_FONT_FRAME : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    pugi::xml_document descriptor;
    ZS_TEXTURE* texture = nullptr;
    ZC_FONT* font = nullptr;

    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        render->clearColor = ZS_COLOR(0xFF000000u);
        std::vector<unsigned char> png = fGlyphPng();
        texture = render->fLoadTextureMemory(png.data(), uint32_t(png.size()), "glyphs.png");
        ASSERT_NE(texture, render->fGetDefaultTexture());
        ASSERT_TRUE(descriptor.load_string(fDescriptor().c_str()));
        font = new ZC_FONT(descriptor.child("font"), texture, 600);
    }
    void TearDown() override
    {
        delete font;
        ZT_GL_RENDER::TearDown();
    }

    // One frame with whatever the drawing adds to it.
    void fFrame(const std::function<void()>& draw)
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        draw();
        ASSERT_EQ(render->fEndFrame(), 0);
    }

    // Boxes around the lit areas (any channel above half) inside the region, left to right,
    // then top to bottom. Near the top left of the 1024x768 picture a game pixel is a screen pixel.
    std::vector<ZT_BOX> fLitBoxes(int x0, int y0, int w, int h)
    {
        std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
        std::vector<ZT_BOX> boxes;
        if (!render->fGetDevice()->fReadPixels(x0, y0, w, h, rgba.data()))
            return boxes;
        std::vector<char> lit(size_t(w) * size_t(h));
        for (size_t i = 0; i < lit.size(); ++i)
            lit[i] = std::max({rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2]}) > 127;
        std::vector<int> stack;
        for (int start = 0; start < w * h; ++start)
        {
            if (!lit[size_t(start)])
                continue;
            int left = w, top = h, right = -1, bottom = -1;
            stack.push_back(start);
            lit[size_t(start)] = 0;
            while (!stack.empty())
            {
                int i = stack.back();
                stack.pop_back();
                int x = i % w, y = i / w;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const auto& n : next)
                    if (n[0] >= 0 && n[0] < w && n[1] >= 0 && n[1] < h && lit[size_t(n[1] * w + n[0])])
                    {
                        lit[size_t(n[1] * w + n[0])] = 0;
                        stack.push_back(n[1] * w + n[0]);
                    }
            }
            boxes.push_back({x0 + left, y0 + top, right - left + 1, bottom - top + 1});
        }
        std::sort(boxes.begin(), boxes.end());
        return boxes;
    }
};
}

#pragma once
// Helpers of the widget tests: texture records of a size, pictures of equal cells side by side
// (each of one colour) for the widgets drawn from sheets, and a counting callback.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <stb_image_write.h>

#include "engine/render/ZS_TEXTURE.h"

namespace ZT_GUI
{
// A texture record of a given size, for what only reads a texture's size.
inline ZOR::ZS_TEXTURE fSizedTexture(int width, int height)
{
    ZOR::ZS_TEXTURE t;
    t.size = ZOR::ZS_POINT(width, height);
    return t;
}

// A callback function that counts its calls in the int its argument points to.
inline int fCountCall(void* counter)
{
    ++*static_cast<int*>(counter);
    return 1;
}

// Packed 0xAARRGGBB pixels, row by row; cell i is colors[i].
inline std::vector<uint32_t> fCellPixels(int cellWidth, int height, const std::vector<uint32_t>& colors)
{
    const int width = cellWidth * int(colors.size());
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * size_t(width) + size_t(x)] = colors[size_t(x / cellWidth)];
    return pixels;
}

// The same cells as a PNG file at path.
inline void fWriteCellPng(const std::string& path, int cellWidth, int height, const std::vector<uint32_t>& colors)
{
    std::vector<uint32_t> packed = fCellPixels(cellWidth, height, colors);
    std::vector<uint8_t> rgba;
    for (uint32_t p : packed)
        rgba.insert(rgba.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
    const int width = cellWidth * int(colors.size());
    stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4);
}
}

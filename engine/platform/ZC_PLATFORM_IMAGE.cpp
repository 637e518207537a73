#include "engine/platform/ZC_PLATFORM_IMAGE.h"

#include <climits>

#include <stb_image.h>

namespace ZOR
{
namespace
{
// The channels to decode into: the picture's own for grey ones when the caller takes them.
int fWantedChannels(int stored, const ZE_IMAGE_LAYOUT* layout)
{
    return layout && (stored == 1 || stored == 2) ? stored : 4;
}

// Grey with alpha whose grey is white everywhere (a glyph sheet) keeps only its alpha, in place:
// white is what the texture answers for the colour then. Every texel counts, the clear ones too,
// since filtering blends their colour into the edges.
ZE_IMAGE_LAYOUT fCompact(unsigned char* pixels, int channels, int width, int height)
{
    if (channels == 1)
        return IMAGE_GREY;
    if (channels != 2)
        return IMAGE_RGBA;
    const size_t count = size_t(width) * size_t(height);
    for (size_t i = 0; i < count; ++i)
        if (pixels[2 * i] != 255)
            return IMAGE_GREY_ALPHA;
    for (size_t i = 0; i < count; ++i)
        pixels[i] = pixels[2 * i + 1];
    return IMAGE_ALPHA;
}

unsigned char* fFinish(unsigned char* pixels, int w, int h, int channels, int* width, int* height, ZE_IMAGE_LAYOUT* layout)
{
    if (!pixels)
        return nullptr;
    *width = w;
    *height = h;
    if (layout)
        *layout = fCompact(pixels, channels, w, h);
    return pixels;
}
}

unsigned char* fDecodeImageMemory(const void* bytes, size_t count, int maxSide, int* width, int* height, ZE_IMAGE_LAYOUT* layout)
{
    if (!bytes || count == 0 || count > size_t(INT_MAX) || !width || !height)
        return nullptr;
    const stbi_uc* data = static_cast<const stbi_uc*>(bytes);
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(data, int(count), &w, &h, &channels) || w <= 0 || h <= 0 || w > maxSide || h > maxSide)
        return nullptr;
    const int wanted = fWantedChannels(channels, layout);
    return fFinish(stbi_load_from_memory(data, int(count), &w, &h, &channels, wanted), w, h, wanted, width, height, layout);
}

unsigned char* fDecodeImageFile(const char* path, int maxSide, int* width, int* height, ZE_IMAGE_LAYOUT* layout)
{
    if (!path || !width || !height)
        return nullptr;
    int w = 0, h = 0, channels = 0;
    if (!stbi_info(path, &w, &h, &channels) || w <= 0 || h <= 0 || w > maxSide || h > maxSide)
        return nullptr;
    const int wanted = fWantedChannels(channels, layout);
    return fFinish(stbi_load(path, &w, &h, &channels, wanted), w, h, wanted, width, height, layout);
}

void fFreeImage(unsigned char* pixels)
{
    stbi_image_free(pixels);
}

int fImageLayoutBytes(ZE_IMAGE_LAYOUT layout)
{
    switch (layout)
    {
    case IMAGE_GREY:
    case IMAGE_ALPHA: return 1;
    case IMAGE_GREY_ALPHA: return 2;
    default: return 4;
    }
}
}

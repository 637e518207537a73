#include "engine/platform/ZC_PLATFORM_IMAGE.h"

#include <climits>

#include <stb_image.h>

namespace ZOR
{
unsigned char* fDecodeImageMemory(const void* bytes, size_t count, int maxSide, int* width, int* height)
{
    if (!bytes || count == 0 || count > size_t(INT_MAX) || !width || !height)
        return nullptr;
    const stbi_uc* data = static_cast<const stbi_uc*>(bytes);
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(data, int(count), &w, &h, &channels) || w <= 0 || h <= 0 || w > maxSide || h > maxSide)
        return nullptr;
    unsigned char* pixels = stbi_load_from_memory(data, int(count), &w, &h, &channels, 4);
    if (!pixels)
        return nullptr;
    *width = w;
    *height = h;
    return pixels;
}

unsigned char* fDecodeImageFile(const char* path, int maxSide, int* width, int* height)
{
    if (!path || !width || !height)
        return nullptr;
    int w = 0, h = 0, channels = 0;
    if (!stbi_info(path, &w, &h, &channels) || w <= 0 || h <= 0 || w > maxSide || h > maxSide)
        return nullptr;
    unsigned char* pixels = stbi_load(path, &w, &h, &channels, 4);
    if (!pixels)
        return nullptr;
    *width = w;
    *height = h;
    return pixels;
}

void fFreeImage(unsigned char* pixels)
{
    stbi_image_free(pixels);
}
}

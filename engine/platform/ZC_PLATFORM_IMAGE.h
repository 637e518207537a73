#pragma once
#include <cstddef>

namespace ZOR
{
// How the bytes of a decoded picture are laid out, top row first.
enum ZE_IMAGE_LAYOUT
{
    IMAGE_RGBA,       // R, G, B, A
    IMAGE_GREY,       // one grey byte, opaque
    IMAGE_GREY_ALPHA, // grey, alpha
    IMAGE_ALPHA       // one alpha byte over white
};

// Image decoding (PNG, JPEG, BMP, TGA, GIF) into 32-bit R, G, B, A bytes, top row first.
// Null when the bytes are no image that can be read, or when either side is above maxSide
// (checked from the header, before any pixel memory is taken).
// With a layout to fill, a picture stored grey keeps its fewer bytes: grey stays one byte a
// pixel, grey with alpha two, and grey with alpha that is white all over one byte of alpha;
// every other picture comes as R, G, B, A.
unsigned char* fDecodeImageMemory(const void* bytes, size_t count, int maxSide, int* width, int* height,
                                  ZE_IMAGE_LAYOUT* layout = nullptr);
unsigned char* fDecodeImageFile(const char* path, int maxSide, int* width, int* height, ZE_IMAGE_LAYOUT* layout = nullptr);
void fFreeImage(unsigned char* pixels);
// Bytes per pixel of a layout.
int fImageLayoutBytes(ZE_IMAGE_LAYOUT layout);
}

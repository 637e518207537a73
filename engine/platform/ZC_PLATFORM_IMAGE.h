#pragma once
#include <cstddef>

namespace ZOR
{
// Image decoding (PNG, JPEG, BMP, TGA, GIF) into 32-bit R, G, B, A bytes, top row first.
// Null when the bytes are no image that can be read, or when either side is above maxSide
// (checked from the header, before any pixel memory is taken).
unsigned char* fDecodeImageMemory(const void* bytes, size_t count, int maxSide, int* width, int* height);
unsigned char* fDecodeImageFile(const char* path, int maxSide, int* width, int* height);
void fFreeImage(unsigned char* pixels);
}

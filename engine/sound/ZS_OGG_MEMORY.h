#pragma once
#include <cstddef>
#include <cstdint>

namespace ZOR
{
// Ogg bytes that lie in memory, read by vorbisfile through the callbacks below.
// The bytes belong to the repository; the reader never frees them.
struct ZS_OGG_MEMORY
{
    const unsigned char* data = nullptr;
    std::int64_t size = 0;
    // Always within [0, size]: seeks outside it are refused.
    std::int64_t position = 0;
};

// The four data-source callbacks handed to ov_open_callbacks (datasource = ZS_OGG_MEMORY*).
std::size_t fOggMemoryRead(void* destination, std::size_t size, std::size_t count, void* source);
int fOggMemorySeek(void* source, std::int64_t offset, int origin);
int fOggMemoryClose(void* source);
long fOggMemoryTell(void* source);
}

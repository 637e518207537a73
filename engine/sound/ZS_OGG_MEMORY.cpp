#include "engine/sound/ZS_OGG_MEMORY.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ZOR
{
std::size_t fOggMemoryRead(void* destination, std::size_t size, std::size_t count, void* source)
{
    ZS_OGG_MEMORY* memory = static_cast<ZS_OGG_MEMORY*>(source);
    if (!memory || !destination || size == 0 || count == 0 || memory->position >= memory->size)
        return 0;
    std::size_t wanted = count > SIZE_MAX / size ? SIZE_MAX : size * count;
    std::uint64_t left = static_cast<std::uint64_t>(memory->size - memory->position);
    std::size_t copied = wanted < left ? wanted : static_cast<std::size_t>(left);
    std::memcpy(destination, memory->data + memory->position, copied);
    memory->position += static_cast<std::int64_t>(copied);
    return copied;
}

int fOggMemorySeek(void* source, std::int64_t offset, int origin)
{
    ZS_OGG_MEMORY* memory = static_cast<ZS_OGG_MEMORY*>(source);
    if (!memory)
        return -1;
    std::int64_t base;
    switch (origin)
    {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = memory->position; break;
    case SEEK_END: base = memory->size; break;
    default: return -1;
    }
    // Compared without forming base + offset, which could overflow for a wild offset.
    if (offset < -base || offset > memory->size - base)
        return -1;
    memory->position = base + offset;
    return 0;
}

int fOggMemoryClose(void*)
{
    return 0;
}

long fOggMemoryTell(void* source)
{
    ZS_OGG_MEMORY* memory = static_cast<ZS_OGG_MEMORY*>(source);
    return memory ? static_cast<long>(memory->position) : -1;
}
}

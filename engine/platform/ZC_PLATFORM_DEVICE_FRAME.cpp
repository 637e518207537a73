#include "engine/platform/ZC_PLATFORM_DEVICE_IMPL.h"

namespace ZOR
{
namespace
{
// Reads the commands back in the order fPut wrote them.
struct ZS_READER
{
    const uint8_t* at;
    template <class T> T fGet()
    {
        T value;
        std::memcpy(&value, at, sizeof(T));
        at += sizeof(T);
        return value;
    }
    const uint8_t* fSkip(size_t size)
    {
        const uint8_t* start = at;
        at += size;
        return start;
    }
};
}

// Every piece of the list is a whole number of 4-byte words, so vertices and indices are used
// from the list as they stand.
size_t ZC_PLATFORM_DEVICE::ZS_IMPL::fPadded(size_t size)
{
    return (size + 3) & ~size_t(3);
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fPut(const void* bytes, size_t size)
{
    const size_t used = commands.size();
    commands.resize(used + fPadded(size));
    std::memcpy(commands.data() + used, bytes, size);
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fStartRecording()
{
    if (null || !context)
        return;
    // A frame begun and never presented leaves its commands to be run first.
    if (recording)
        fRunRecorded();
    commands.clear();
    // The states the frame starts from belong to the picture as much as its commands do; the
    // list is run from them.
    fPut(rs, sizeof(rs));
    fPut(ss, sizeof(ss));
    fPut(world, sizeof(world));
    fPut(view, sizeof(view));
    fPut(projection, sizeof(projection));
    fPut(uint32_t(bound));
    recording = true;
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fRunRecorded()
{
    mustPresent = true;
    if (!recording)
        return;
    recording = false;
    replaying = true;
    // Back to the states the list starts from: the recording changed only the shadow values.
    ZS_READER r{commands.data()};
    std::memcpy(rs, r.fSkip(sizeof(rs)), sizeof(rs));
    std::memcpy(ss, r.fSkip(sizeof(ss)), sizeof(ss));
    std::memcpy(world, r.fSkip(sizeof(world)), sizeof(world));
    std::memcpy(view, r.fSkip(sizeof(view)), sizeof(view));
    std::memcpy(projection, r.fSkip(sizeof(projection)), sizeof(projection));
    bound = r.fGet<uint32_t>();
    const uint8_t* end = commands.data() + commands.size();
    while (r.at < end)
    {
        switch (r.fGet<uint32_t>())
        {
        case CMD_STATE:
        {
            const auto state = ZE_STATE(r.fGet<uint32_t>());
            fDoState(state, r.fGet<uint32_t>());
            break;
        }
        case CMD_SAMPLER:
        {
            const auto state = ZE_SAMPLER(r.fGet<uint32_t>());
            fDoSampler(state, r.fGet<uint32_t>());
            break;
        }
        case CMD_TRANSFORM:
        {
            const auto which = ZE_TRANSFORM(r.fGet<uint32_t>());
            float m[16];
            std::memcpy(m, r.fSkip(sizeof(m)), sizeof(m));
            fDoTransform(which, m);
            break;
        }
        case CMD_TEXTURE: fDoTexture(r.fGet<uint32_t>()); break;
        case CMD_CLEAR:
        {
            const bool target = r.fGet<uint32_t>() != 0, depth = r.fGet<uint32_t>() != 0, stencil = r.fGet<uint32_t>() != 0;
            const uint32_t color = r.fGet<uint32_t>();
            const float z = r.fGet<float>();
            fDoClear(target, depth, stencil, color, z, r.fGet<uint32_t>());
            break;
        }
        case CMD_DRAW:
        {
            const auto type = ZE_PRIMITIVE(r.fGet<uint32_t>());
            const int count = r.fGet<int>();
            fDoDraw(type, r.fSkip(size_t(count) * 36), count);
            break;
        }
        case CMD_DRAW_INDEXED:
        {
            const auto type = ZE_PRIMITIVE(r.fGet<uint32_t>());
            const int vertexCount = r.fGet<int>(), indexCount = r.fGet<int>();
            const uint8_t* vertices = r.fSkip(size_t(vertexCount) * 36);
            const auto* indices = reinterpret_cast<const uint16_t*>(r.fSkip(fPadded(size_t(indexCount) * 2)));
            fDoDrawIndexed(type, vertices, vertexCount, indices, indexCount);
            break;
        }
        default: r.at = end; break;
        }
    }
    replaying = false;
    // The list no longer stands for the picture on the screen.
    shownCommands.clear();
}

bool ZC_PLATFORM_DEVICE::ZS_IMPL::fEndRecording()
{
    if (!recording)
    {
        // Run as it came (the list was run early, or there was none): the picture changed.
        framesKept = 0;
        mustPresent = false;
        exposed = false;
        return true;
    }
    const bool exposedNow = exposed.exchange(false);
    const bool same = !mustPresent && !exposedNow && framesKept < kMostFramesKept &&
                      commands.size() == shownCommands.size() &&
                      std::memcmp(commands.data(), shownCommands.data(), commands.size()) == 0;
    if (same)
    {
        // Nothing was run: the states stay as the shown frame left them, which is where this
        // frame's recording also ended.
        recording = false;
        ++framesKept;
        return false;
    }
    fRunRecorded();
    commands.swap(shownCommands);
    framesKept = 0;
    mustPresent = false;
    return true;
}
}

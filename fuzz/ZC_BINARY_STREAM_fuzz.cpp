// A save file of any bytes read by a schedule of primitive reads; whatever was read is written
// back and must read back as the same values.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ZT_FUZZ_FILES.h"
#include "engine/files/ZC_BINARY_STREAM.h"

using namespace ZOR;

namespace
{
const size_t SCHEDULE = 8;
const int KINDS = 9;

struct ZS_VALUE
{
    int kind = 0;
    uint64_t bits = 0;
    std::string text;
    bool operator==(const ZS_VALUE& o) const { return kind == o.kind && bits == o.bits && text == o.text; }
};

// Reads by the schedule until the stream fails; answers the values read whole.
std::vector<ZS_VALUE> fReadAll(const std::string& path, const uint8_t* schedule)
{
    std::vector<ZS_VALUE> values;
    ZC_BINARY_STREAM stream;
    if (!stream.fOpen(path.c_str()))
        return values;
    for (size_t step = 0; step < 256 && !stream.fHasFailed(); ++step)
    {
        ZS_VALUE v;
        v.kind = schedule[step % SCHEDULE] % KINDS;
        switch (v.kind)
        {
        case 0: { bool b = false; stream.fReadBool(&b); v.bits = b; break; }
        case 1: { float f = 0; stream.fReadFloat(&f); uint32_t u; std::memcpy(&u, &f, 4); v.bits = u; break; }
        case 2: { int32_t i = 0; stream.fReadInt(&i); v.bits = uint32_t(i); break; }
        case 3: { uint32_t u = 0; stream.fReadUInt(&u); v.bits = u; break; }
        case 4: { long l = 0; stream.fReadLong(&l); v.bits = uint64_t(l); break; }
        case 5: { double d = 0; stream.fReadInt64(&d); std::memcpy(&v.bits, &d, 8); break; }
        case 6: { int64_t i = 0; stream.fReadInt64(&i); v.bits = uint64_t(i); break; }
        case 7: stream.fReadString(v.text); break;
        default: { char raw[5] = {}; stream.fReadRaw(raw, sizeof raw); v.text.assign(raw, sizeof raw); break; }
        }
        if (!stream.fHasFailed())
            values.push_back(v);
    }
    return values;
}

void fWriteAll(const std::string& path, const std::vector<ZS_VALUE>& values)
{
    std::remove(path.c_str());
    ZC_BINARY_STREAM stream;
    if (!stream.fOpen(path.c_str()))
        return;
    for (const ZS_VALUE& v : values)
    {
        switch (v.kind)
        {
        case 0: { bool b = v.bits != 0; stream.fWriteBool(&b); break; }
        case 1: { float f; uint32_t u = uint32_t(v.bits); std::memcpy(&f, &u, 4); stream.fWriteFloat(&f); break; }
        case 2: { int32_t i = int32_t(v.bits); stream.fWriteInt(&i); break; }
        case 3: { uint32_t u = uint32_t(v.bits); stream.fWriteUInt(&u); break; }
        case 4: { long l = long(v.bits); stream.fWriteLong(&l); break; }
        case 5: { double d; std::memcpy(&d, &v.bits, 8); stream.fWriteInt64(&d); break; }
        case 6: { int64_t i = int64_t(v.bits); stream.fWriteInt64(&i); break; }
        case 7: stream.fWriteString(v.text); break;
        default: stream.fWriteRaw(v.text.data(), v.text.size()); break;
        }
    }
    stream.fWriteEndLine();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < SCHEDULE)
        return 0;
    static const std::string input = ZT_FUZZ::fScratchPath("in.bin");
    static const std::string output = ZT_FUZZ::fScratchPath("out.bin");
    if (!ZT_FUZZ::fPutScratch(input, data + SCHEDULE, size - SCHEDULE))
        return 0;

    const std::vector<ZS_VALUE> read = fReadAll(input, data);
    fWriteAll(output, read);
    std::vector<ZS_VALUE> again = fReadAll(output, data);
    // The end-of-line byte may be read as one more value; everything before it must match.
    if (again.size() < read.size())
        __builtin_trap();
    again.resize(read.size());
    if (!(again == read))
        __builtin_trap();
    return 0;
}

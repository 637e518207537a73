#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/sound/ZS_OGG_MEMORY.h"

using namespace ZOR;

TEST(OggMemory, SeeksStayWithinTheBytes)
{
    const std::int64_t big = INT64_MAX;
    struct
    {
        std::int64_t start;
        std::int64_t offset;
        int origin;
        int answer;
        std::int64_t position;
    } cases[] = {
        {3, 5, SEEK_SET, 0, 5},
        {3, 10, SEEK_SET, 0, 10},  // the end itself is a valid position
        {3, 11, SEEK_SET, -1, 3},  // past the end
        {3, -1, SEEK_SET, -1, 3},  // before the start
        {3, 4, SEEK_CUR, 0, 7},
        {3, -3, SEEK_CUR, 0, 0},
        {3, -4, SEEK_CUR, -1, 3},
        {3, 8, SEEK_CUR, -1, 3},
        {3, 0, SEEK_END, 0, 10},
        {3, -10, SEEK_END, 0, 0},
        {3, 1, SEEK_END, -1, 3},
        {3, -11, SEEK_END, -1, 3},
        {3, big, SEEK_CUR, -1, 3},  // would overflow when added
        {3, -big - 1, SEEK_END, -1, 3},
        {3, 0, 7, -1, 3},  // unknown origin
    };
    unsigned char bytes[10] = {};
    for (const auto& c : cases)
    {
        ZS_OGG_MEMORY memory{bytes, 10, c.start};
        EXPECT_EQ(fOggMemorySeek(&memory, c.offset, c.origin), c.answer) << c.offset << " from " << c.origin;
        EXPECT_EQ(fOggMemoryTell(&memory), c.position) << c.offset << " from " << c.origin;
    }
}

TEST(OggMemory, ReadsCopyOnlyTheBytesLeft)
{
    const unsigned char bytes[6] = {1, 2, 3, 4, 5, 6};
    unsigned char out[16];
    ZS_OGG_MEMORY memory{bytes, 6, 0};

    std::memset(out, 0xEE, sizeof out);
    EXPECT_EQ(fOggMemoryRead(out, 2, 2, &memory), 4u);
    EXPECT_EQ(std::memcmp(out, bytes, 4), 0);
    // Asking for more than is left copies the rest and nothing beyond it.
    std::memset(out, 0xEE, sizeof out);
    EXPECT_EQ(fOggMemoryRead(out, 1, 16, &memory), 2u);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(out[1], 6);
    EXPECT_EQ(out[2], 0xEE);
    EXPECT_EQ(fOggMemoryRead(out, 1, 16, &memory), 0u);

    // A size times count that overflows is simply "as much as there is".
    ASSERT_EQ(fOggMemorySeek(&memory, 0, SEEK_SET), 0);
    EXPECT_EQ(fOggMemoryRead(out, SIZE_MAX, 2, &memory), 6u);

    // Seeking from the end with offset 0 places the position at the size; reading there yields 0.
    ASSERT_EQ(fOggMemorySeek(&memory, 0, SEEK_END), 0);
    EXPECT_EQ(fOggMemoryTell(&memory), 6);
    EXPECT_EQ(fOggMemoryRead(out, 1, 1, &memory), 0u);
    EXPECT_EQ(fOggMemoryClose(&memory), 0);
}

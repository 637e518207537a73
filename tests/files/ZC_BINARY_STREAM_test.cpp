#include <gtest/gtest.h>

#include "engine/files/ZC_BINARY_STREAM.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "platform/ZT_FILE_CONDITIONS.h"

#include "support/ZT_ALLOCATION_COUNT.h"

#include <sys/stat.h>

using namespace ZOR;
using namespace ZT_TEST;

namespace
{
// A record of every primitive and its little-endian image.
struct ZS_RECORD
{
    bool flag = false;
    float number = 0;
    int32_t integer = 0;
    uint32_t count = 0;
    long stamp = 0;
    std::string text;
    double countdown = 0;
    int64_t big = 0;
    std::string empty = "untouched";
};

const ZS_RECORD KNOWN = {true, 1.0f, -2, 7, -3, "ab", 1.5, -2, ""};

const std::string KNOWN_IMAGE = std::string(
    "\x01"                               // bool
    "\x00\x00\x80\x3F"                   // float 1.0
    "\xFE\xFF\xFF\xFF"                   // int -2
    "\x07\x00\x00\x00"                   // unsigned 7
    "\xFD\xFF\xFF\xFF"                   // long -3, four bytes
    "\x02\x00\x00\x00" "ab"              // string
    "\x00\x00\x00\x00\x00\x00\xF8\x3F"   // double 1.5 through fWriteInt64
    "\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF"   // int64 -2
    "\x00\x00\x00\x00"                   // empty string
    "\x0A",                              // end of line
    44);

void fWrite(ZC_BINARY_STREAM& stream, const ZS_RECORD& r)
{
    stream.fWriteBool(&r.flag);
    stream.fWriteFloat(&r.number);
    stream.fWriteInt(&r.integer);
    stream.fWriteUInt(&r.count);
    stream.fWriteLong(&r.stamp);
    stream.fWriteString(r.text);
    stream.fWriteInt64(&r.countdown);
    stream.fWriteInt64(&r.big);
    stream.fWriteString(r.empty);
    stream.fWriteEndLine();
}

void fRead(ZC_BINARY_STREAM& stream, ZS_RECORD& r)
{
    stream.fReadBool(&r.flag);
    stream.fReadFloat(&r.number);
    stream.fReadInt(&r.integer);
    stream.fReadUInt(&r.count);
    stream.fReadLong(&r.stamp);
    stream.fReadString(r.text);
    stream.fReadInt64(&r.countdown);
    stream.fReadInt64(&r.big);
    stream.fReadString(r.empty);
    char endLine = 0;
    stream.fReadRaw(&endLine, 1);
}

bool fSame(const ZS_RECORD& a, const ZS_RECORD& b)
{
    return a.flag == b.flag && a.number == b.number && a.integer == b.integer && a.count == b.count &&
           a.stamp == b.stamp && a.text == b.text && a.countdown == b.countdown && a.big == b.big &&
           a.empty == b.empty;
}
}

TEST(BinaryStream, AKnownRecordHasItsLittleEndianImageAndReadsBack)
{
    std::remove("record.bin");
    {
        ZC_BINARY_STREAM stream;
        ASSERT_TRUE(stream.fOpen("record.bin"));
        fWrite(stream, KNOWN);
    }
    EXPECT_EQ(KNOWN_IMAGE, fGetFile("record.bin"));

    ZC_BINARY_STREAM stream;
    ASSERT_TRUE(stream.fOpen("record.bin"));
    ZS_RECORD read;
    fRead(stream, read);
    EXPECT_TRUE(fSame(KNOWN, read));
    EXPECT_FALSE(stream.fHasFailed());
}

TEST(BinaryStream, ARecordCutAtAnyByteReadsAsAFailure)
{
    for (size_t cut = 0; cut < KNOWN_IMAGE.size(); ++cut)
    {
        fPutFile("cut.bin", KNOWN_IMAGE.substr(0, cut));
        ZC_BINARY_STREAM stream;
        ASSERT_TRUE(stream.fOpen("cut.bin"));
        ZS_RECORD read;
        read.text = "before";
        fRead(stream, read);
        EXPECT_TRUE(stream.fHasFailed()) << "cut at " << cut;
        // A string is all or nothing.
        EXPECT_TRUE(read.text == "before" || read.text == "ab") << "cut at " << cut;
        EXPECT_EQ(cut + 1 >= KNOWN_IMAGE.size() ? "" : "untouched", read.empty) << "cut at " << cut;
    }
}

TEST(BinaryStream, AnOversizedStringLengthAllocatesNothing)
{
    const std::pair<std::string, const char*> cases[] = {
        {std::string("\xF0\xFF\xFF\xFF" "abc", 7), "length near 4 GiB"},
        {std::string("\x04\x00\x00\x00" "abc", 7), "one byte more than is left"},
        {std::string("\x00\x00\x00\x40", 4), "1 GiB and nothing behind it"},
    };
    for (const auto& c : cases)
    {
        fPutFile("oversized.bin", c.first);
        ZC_BINARY_STREAM stream;
        ASSERT_TRUE(stream.fOpen("oversized.bin"));
        std::string text = "kept";
        fLargestAllocation() = 0;
        fAllocationWatch() = true;
        stream.fReadString(text);
        fAllocationWatch() = false;
        EXPECT_LT(fLargestAllocation().load(), 4096u) << c.second;
        EXPECT_EQ("kept", text) << c.second;
        EXPECT_TRUE(stream.fHasFailed()) << c.second;
        int32_t after = 5;
        stream.fReadInt(&after);
        EXPECT_EQ(5, after) << c.second;
    }
}

TEST(BinaryStream, OpeningCreatesOrKeepsTheFile)
{
    std::remove("fresh.bin");
    {
        ZC_BINARY_STREAM stream;
        EXPECT_TRUE(stream.fOpen("fresh.bin"));
        std::string text = "same";
        stream.fReadString(text);
        EXPECT_EQ("same", text);
        EXPECT_TRUE(stream.fIsEof());
    }
    EXPECT_EQ("", fGetFile("fresh.bin"));

    ZC_BINARY_STREAM nowhere;
    EXPECT_FALSE(nowhere.fOpen("no/such/folder/x.bin"));
    const int32_t value = 1;
    nowhere.fWriteInt(&value);
    int32_t read = 9;
    nowhere.fReadInt(&read);
    EXPECT_EQ(9, read);

    // Writing less than the file held leaves the old tail behind the end-of-line byte;
    // a reader that follows the counts never reaches it.
    fPutFile("longer.bin", std::string(10, 'z'));
    {
        ZC_BINARY_STREAM stream;
        ASSERT_TRUE(stream.fOpen("longer.bin"));
        stream.fWriteString("");
        stream.fWriteEndLine();
    }
    EXPECT_EQ(std::string("\0\0\0\0\nzzzzz", 10), fGetFile("longer.bin"));
    ZC_BINARY_STREAM stream;
    ASSERT_TRUE(stream.fOpen("longer.bin"));
    std::string text = "x";
    stream.fReadString(text);
    EXPECT_EQ("", text);
    EXPECT_FALSE(stream.fHasFailed());
}

TEST(BinaryStream, AFileWithoutWriteAccessAndBytesInMemoryReadTheSame)
{
    {
        ZC_BINARY_STREAM memory;
        memory.fOpenBuffer();
        fWrite(memory, KNOWN);
        EXPECT_EQ(KNOWN_IMAGE, memory.fGetBytes());
    }
    fPutFile("readonly.bin", KNOWN_IMAGE);
    ASSERT_EQ(0, chmod("readonly.bin", 0444));
    ZT_OBEY_PERMISSIONS obey;
    ASSERT_TRUE(obey.set);
    ZC_BINARY_STREAM writable;
    ASSERT_FALSE(writable.fOpen("readonly.bin")); // the condition holds: no write access

    ZC_BINARY_STREAM file;
    ASSERT_TRUE(file.fOpenRead("readonly.bin"));
    ZC_BINARY_STREAM memory;
    memory.fOpenBytes(KNOWN_IMAGE);
    for (ZC_BINARY_STREAM* stream : {&file, &memory})
    {
        EXPECT_EQ(KNOWN_IMAGE.size(), stream->fCountBytesLeft());
        ZS_RECORD read;
        fRead(*stream, read);
        EXPECT_TRUE(fSame(KNOWN, read));
        EXPECT_FALSE(stream->fHasFailed());
        EXPECT_EQ(0u, stream->fCountBytesLeft());
    }
    // A file opened for reading refuses writes, and says so.
    file.fWriteEndLine();
    EXPECT_TRUE(file.fHasFailed());
    EXPECT_EQ(KNOWN_IMAGE, fGetFile("readonly.bin"));
    EXPECT_FALSE(file.fOpenRead("no/such/file.bin"));
}

#include <gtest/gtest.h>

#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_ZIP_PACKAGE.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "support/ZT_TEST_ENV.h"

#include <functional>
#include <map>

using namespace ZOR;
using namespace ZT_TEST;

namespace
{
const std::string PASSWORD = "abcdefghijklmnopqr";

// Source files of the packages, by their name inside the archives.
const std::map<std::string, std::string>& fSources()
{
    static const std::map<std::string, std::string> sources = [] {
        std::string big;
        for (int i = 0; i < 2000; ++i)
            big += "row " + std::to_string(i % 37) + " of a file that deflates well\n";
        return std::map<std::string, std::string>{
            {"small.txt", "0123456789"}, {"big.txt", big}, {"sub/inner.txt", std::string("in\0ner", 6)}};
    }();
    return sources;
}

struct ZipPackages : ::testing::Test
{
    static void SetUpTestSuite()
    {
        for (const auto& source : fSources())
            fPutFile(fDir() + "/" + source.first, source.second);
        const std::string members = "small.txt big.txt sub/inner.txt";
        ASSERT_EQ(0, fZip(fDir(), "", "plain.zip", members));
        ASSERT_EQ(0, fZip(fDir(), "-0", "stored.zip", members));
        ASSERT_EQ(0, fZip(fDir(), "-P " + PASSWORD, "secret.zip", members));
        ASSERT_EQ(0, fZip(fDir(), "-0 -P " + PASSWORD, "secret_stored.zip", members));
        // Written to a pipe, so Info-ZIP streams it: sizes and CRC follow the data.
        const std::string streamed = "cd '" + fDir() + "' && zip -q -X -P " + PASSWORD + " - " + members +
                                     " > streamed.zip";
        ASSERT_EQ(0, std::system(streamed.c_str()));
    }

    static std::string fDir() { return "zips"; }
    static std::string fPath(const std::string& archive) { return fDir() + "/" + archive; }

    static int fRead(const std::string& archive, const std::string& member, const std::string& password,
                     std::string* bytes = nullptr)
    {
        uint8_t* data = nullptr;
        uint32_t size = 0;
        const int result = fZipReadMember(fPath(archive).c_str(), member, password, data, size);
        if (result == 1 && bytes)
            *bytes = fBytes(data, size);
        delete[] data;
        return result;
    }
};
}

TEST_F(ZipPackages, EveryMemberReadsByteForByteWithTheRightPassword)
{
    struct Case
    {
        const char* archive;
        std::string password;
    };
    const Case cases[] = {
        {"plain.zip", ""},                 // unencrypted, stored and deflated members
        {"stored.zip", ""},
        {"plain.zip", PASSWORD},           // a password does not spoil unencrypted members
        {"secret.zip", PASSWORD},          // encrypted, deflated
        {"secret_stored.zip", PASSWORD},   // encrypted, stored
        {"streamed.zip", PASSWORD},        // check byte from the file time
    };
    for (const Case& c : cases)
    {
        std::vector<std::string> names;
        fListPackage(fPath(c.archive).c_str(), names);
        EXPECT_EQ((std::vector<std::string>{"small.txt", "big.txt", "sub/inner.txt"}), names) << c.archive;
        const std::string archive = fGetFile(fPath(c.archive));
        std::vector<std::string> inMemory;
        fZipListMembersInMemory(reinterpret_cast<const uint8_t*>(archive.data()), archive.size(), inMemory);
        EXPECT_EQ(names, inMemory) << c.archive;
        for (const auto& source : fSources())
        {
            std::string bytes;
            ASSERT_EQ(1, fRead(c.archive, source.first, c.password, &bytes)) << c.archive << " " << source.first;
            EXPECT_EQ(source.second, bytes) << c.archive << " " << source.first;

            uint8_t* data = nullptr;
            uint32_t size = 0;
            ASSERT_EQ(1, fZipReadMemberInMemory(reinterpret_cast<const uint8_t*>(archive.data()), archive.size(),
                                                source.first, c.password, data, size));
            EXPECT_EQ(source.second, fBytes(data, size)) << c.archive << " " << source.first << " in memory";
            delete[] data;
        }
    }
}

TEST_F(ZipPackages, AMemberCheckedByItsCrcByteReads)
{
    // Made by make_crc_checked_zip.py: encrypted members without flag bit 3.
    std::string deflated;
    for (int i = 0; i < 64; ++i)
        deflated += "deflated member ";
    const std::pair<const char*, std::string> cases[] = {
        {"stored.txt", "stored member, checked by its CRC\n"}, {"deflated.txt", deflated}};
    const std::string archive = fDataDir() + "/files/crc_checked.zip";
    for (const auto& c : cases)
    {
        uint8_t* data = nullptr;
        uint32_t size = 0;
        ASSERT_EQ(1, fZipReadMember(archive.c_str(), c.first, "pineapple", data, size)) << c.first;
        EXPECT_EQ(c.second, fBytes(data, size));
        delete[] data;
        data = nullptr;
        EXPECT_EQ(-108, fZipReadMember(archive.c_str(), c.first, "pineapplE", data, size)) << c.first;
    }
}

TEST_F(ZipPackages, AnEncryptedMemberRefusesAWrongOrMissingPassword)
{
    for (const char* archive : {"secret.zip", "secret_stored.zip", "streamed.zip"})
        for (const auto& source : fSources())
        {
            uint8_t* data = nullptr;
            uint32_t size = 0;
            // The check byte refuses a wrong password (-108) but for one header in 256, which zip
            // draws at random each run; the CRC then refuses what decrypts to garbage (-109).
            for (const std::string& wrong : {PASSWORD + "x", std::string()})
            {
                const int result = fZipReadMember(fPath(archive).c_str(), source.first, wrong, data, size);
                EXPECT_TRUE(result == -108 || result == -109) << archive << " " << source.first << ": " << result;
                EXPECT_EQ(nullptr, data);
            }
        }
    EXPECT_EQ(0, fTestPackagePassword(fPath("secret.zip").c_str(), PASSWORD.c_str()));
    EXPECT_NE(0, fTestPackagePassword(fPath("secret.zip").c_str(), "nope"));
}

TEST_F(ZipPackages, MissingArchivesAndMembersAnswerTheirCodes)
{
    EXPECT_EQ(-1, fRead("none.zip", "small.txt", ""));
    EXPECT_EQ(-108, fRead("plain.zip", "absent.txt", ""));
    EXPECT_EQ(-108, fRead("plain.zip", "SMALL.TXT", ""));  // names are case-sensitive
    EXPECT_EQ(-108, fRead("plain.zip", "inner.txt", ""));  // the folder part belongs to the name
}

TEST_F(ZipPackages, OnlyArchivesStartingWithTheZipMagicArePackages)
{
    fPutFile(fPath("empty.zip"), std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    fPutFile(fPath("short.zip"), "PK");
    fPutFile(fPath("text.zip"), "not a zip");
    const std::pair<const char*, int> cases[] = {
        {"plain.zip", ZIP_MAGIC}, {"empty.zip", 0}, {"short.zip", 0}, {"text.zip", 0}, {"none.zip", -1}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.second, fGetFileMagic(fPath(c.first).c_str())) << c.first;
        std::vector<std::string> names;
        fListPackage(fPath(c.first).c_str(), names);
        EXPECT_EQ(c.second == ZIP_MAGIC, !names.empty()) << c.first;
    }
}

TEST_F(ZipPackages, NamesMustFitTheNameBuffer)
{
    // 259 bytes fit the 260-byte buffer with its terminator; 260 do not.
    const std::string fits = std::string(200, 'd') + "/" + std::string(58, 'f');
    const std::string tooLong = std::string(200, 'd') + "/" + std::string(59, 'g');
    ASSERT_EQ(259u, fits.size());
    fPutFile(fDir() + "/" + fits, "fits");
    fPutFile(fDir() + "/" + tooLong, "too long");
    ASSERT_EQ(0, fZip(fDir(), "", "long.zip", "'" + fits + "' '" + tooLong + "' small.txt"));

    std::vector<std::string> names;
    fListPackage(fPath("long.zip").c_str(), names);
    EXPECT_EQ((std::vector<std::string>{fits, "small.txt"}), names);
    std::string bytes;
    EXPECT_EQ(1, fRead("long.zip", fits, "", &bytes));
    EXPECT_EQ("fits", bytes);
    EXPECT_EQ(-108, fRead("long.zip", tooLong, ""));
    EXPECT_EQ(-108, fRead("long.zip", tooLong.substr(0, 259), ""));
    EXPECT_EQ(1, fRead("long.zip", "small.txt", ""));
}

namespace
{
// Field offsets of a member's CRC, compressed and uncompressed size in its local and central records.
enum Field
{
    CRC,
    PACKED,
    UNPACKED
};

// Rewrites a field of one member in both of its records, as a damaged or hostile writer would.
std::string fPatched(const std::string& archive, const std::string& member, Field field,
                     const std::function<uint32_t(uint32_t)>& change)
{
    std::string bytes = fGetFile(archive);
    const struct
    {
        const char* signature;
        size_t nameAt;
        size_t fieldAt;
    } records[] = {{"PK\x03\x04", 30, 14}, {"PK\x01\x02", 46, 16}};
    for (const auto& record : records)
        for (size_t at : fFindRecords(bytes, record.signature))
            if (bytes.compare(at + record.nameAt, member.size(), member) == 0)
            {
                const size_t offset = at + record.fieldAt + 4 * field;
                // Streamed members keep zeros in the local record; leave those as they are.
                if (record.nameAt == 30 && fGetLe32(bytes, at + 6) & 8)
                    continue;
                fSetLe32(bytes, offset, change(fGetLe32(bytes, offset)));
            }
    return bytes;
}
}

TEST_F(ZipPackages, DamagedSizesFailWithoutHugeAllocations)
{
    struct Case
    {
        const char* archive;
        const char* member;
        Field field;
        std::function<uint32_t(uint32_t)> change;
        const char* why;
    };
    const auto absurd = [](uint32_t) { return 0xFFFFFF00u; };
    const auto shorter = [](uint32_t v) { return v - 1; };
    const auto longer = [](uint32_t v) { return v + 1; };
    const auto flipped = [](uint32_t v) { return v ^ 1u; };
    const Case cases[] = {
        {"plain.zip", "big.txt", UNPACKED, absurd, "absurd size of a deflated member"},
        {"plain.zip", "small.txt", UNPACKED, absurd, "absurd size of a stored member"},
        {"plain.zip", "big.txt", PACKED, absurd, "compressed size beyond the archive"},
        {"plain.zip", "big.txt", UNPACKED, shorter, "inflating gives more than the directory says"},
        {"plain.zip", "big.txt", UNPACKED, longer, "inflating gives less than the directory says"},
        {"plain.zip", "small.txt", UNPACKED, longer, "stored member shorter than its size"},
        {"plain.zip", "big.txt", CRC, flipped, "bytes that do not match their CRC"},
        {"secret.zip", "big.txt", UNPACKED, absurd, "absurd size of an encrypted member"},
        {"secret.zip", "big.txt", UNPACKED, shorter, "encrypted: inflating gives more"},
        {"secret.zip", "big.txt", UNPACKED, longer, "encrypted: inflating gives less"},
        {"secret.zip", "big.txt", CRC, flipped, "encrypted: bytes that do not match their CRC"},
        {"secret_stored.zip", "small.txt", UNPACKED, longer, "encrypted stored member shorter than its size"},
    };
    for (const Case& c : cases)
    {
        fPutFile(fPath("damaged.zip"), fPatched(fPath(c.archive), c.member, c.field, c.change));
        uint8_t* data = nullptr;
        uint32_t size = 0;
        EXPECT_EQ(-109, fZipReadMember(fPath("damaged.zip").c_str(), c.member,
                                       std::string(c.archive) == "plain.zip" ? "" : PASSWORD, data, size))
            << c.why;
        EXPECT_EQ(nullptr, data) << c.why;
    }
}

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/ZT_SAVE_BYTES.h"

using namespace game;
using namespace ZT_TEST;

namespace
{
std::map<int32_t, std::unique_ptr<GG_PACK_DESC>> gDescs;

const GG_PACK_DESC* fFindDesc(int32_t id)
{
    const auto found = gDescs.find(id);
    return found == gDescs.end() ? nullptr : found->second.get();
}

void fAddDesc(int32_t id, int32_t stars2pass)
{
    pugi::xml_document document;
    pugi::xml_node entry = document.append_child("pack");
    entry.append_attribute("id") = id;
    entry.append_attribute("key") = "k";
    entry.append_attribute("stars2pass") = stars2pass;
    entry.append_attribute("price") = 0;
    entry.append_attribute("path") = "p";
    auto desc = std::make_unique<GG_PACK_DESC>();
    ASSERT_TRUE(desc->fLoadXml(entry));
    gDescs[id] = std::move(desc);
}

// A pack read from its XML form; null when it fails.
std::unique_ptr<GG_PACK> fPack(const std::string& xml)
{
    pugi::xml_document document;
    if (!document.load_string(xml.c_str()))
        return nullptr;
    auto pack = std::make_unique<GG_PACK>();
    if (!pack->fLoadXml(document.first_child()))
        return nullptr;
    return pack;
}

struct PackTest : ::testing::Test
{
    void SetUp() override
    {
        fGetPlayerShell() = GG_PLAYER_SHELL{};
        fGetPlayerShell().findPackDesc = fFindDesc;
        gDescs.clear();
    }
    void TearDown() override
    {
        fGetPlayerShell() = GG_PLAYER_SHELL{};
        gDescs.clear();
    }
};
}

TEST_F(PackTest, StarsAndBestTimesOnlyImprove)
{
    GG_LEVEL level(0);
    EXPECT_EQ(-1, level.fGetId());
    EXPECT_FALSE(level.fIsOpen());
    const struct
    {
        int stars;
        float time;
        int keptStars;
        float keptTime;
    } steps[] = {
        {2, 12.5f, 2, 12.5f}, // the first time is taken whatever it is
        {1, 20.0f, 2, 12.5f}, // worse on both counts changes nothing
        {3, 10.0f, 3, 10.0f},
        {0, 0.0f, 3, 0.0f},   // a time of 0 is smaller, and means "none" again
        {2, 30.0f, 3, 30.0f},
    };
    for (const auto& step : steps)
    {
        level.fSetStars(step.stars);
        level.fSetBestTime(step.time);
        EXPECT_EQ(step.keptStars, level.fGetStars());
        EXPECT_EQ(step.keptTime, level.fGetBestTime());
    }
}

namespace
{
// Packs 0, 1, 2 and 4 of two levels each (ids pack * 10 + 0 and + 1); only the very first
// level is open. Packs 1, 2 and 4 need 3, 6 and 0 stars.
std::unique_ptr<GG_PLAYER> fProgressPlayer()
{
    auto player = std::make_unique<GG_PLAYER>();
    for (int id : {0, 1, 2, 4})
    {
        const std::string lock = id == 0 ? "false" : "true";
        player->fAddPack(fPack("<pack id='" + std::to_string(id) + "'><level id='" + std::to_string(id * 10) +
                               "' lock='" + lock + "'/><level id='" + std::to_string(id * 10 + 1) + "'/></pack>"));
    }
    return player;
}

// One character per level, packs separated by a blank: "10 00 00 00".
template <typename SHOW> std::string fPerLevel(const GG_PLAYER& player, SHOW show)
{
    std::string text;
    for (int p = 0; p < player.fGetPackCount(); ++p)
    {
        if (p)
            text += ' ';
        for (int l = 0; l < player.fGetPackAt(p)->fGetLevelCount(); ++l)
            text += show(*player.fGetPackAt(p)->fGetLevelAt(l));
    }
    return text;
}

std::string fLocks(const GG_PLAYER& player)
{
    return fPerLevel(player, [](const GG_LEVEL& level) { return level.fIsOpen() ? '1' : '0'; });
}

std::string fStars(const GG_PLAYER& player)
{
    return fPerLevel(player, [](const GG_LEVEL& level) { return char('0' + level.fGetStars()); });
}

struct ZS_WIN
{
    int pack;
    int index; // the level's position in its pack
    int errors;
};
}

TEST_F(PackTest, WinsGiveStarsAndOpenTheNextLevelsAndPacks)
{
    fAddDesc(1, 3);
    fAddDesc(2, 6);
    fAddDesc(4, 0);
    const struct
    {
        const char* why;
        bool byStars;
        std::vector<ZS_WIN> wins;
        const char* locks;
        const char* stars;
    } cases[] = {
        {"next level of the pack", false, {{0, 0, 0}}, "11 00 00 00", "30 00 00 00"},
        {"last level opens the next pack", false, {{0, 0, 0}, {0, 1, 1}}, "11 10 00 00", "32 00 00 00"},
        {"more mistakes, fewer stars", false, {{0, 0, 2}, {0, 0, 7}}, "11 00 00 00", "10 00 00 00"},
        {"a replay keeps the best stars", false, {{0, 0, 0}, {0, 0, 1}}, "11 00 00 00", "30 00 00 00"},
        {"no pack after the last", false, {{4, 1, 0}}, "10 00 00 00", "00 00 00 03"},
        {"by stars: 3 open pack 1", true, {{0, 0, 0}}, "11 10 00 00", "30 00 00 00"},
        {"by stars: 1 is too few", true, {{0, 0, 2}}, "11 00 00 00", "10 00 00 00"},
        {"by stars: 6 open packs 1 and 2", true, {{0, 0, 0}, {0, 1, 0}}, "11 10 10 00", "33 00 00 00"},
        {"by stars: the walk stops at the missing pack 3", true, {{2, 0, 0}, {2, 1, 0}}, "10 00 01 00",
         "00 00 33 00"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        fGetPlayerShell().packLogicStars = c.byStars;
        auto player = fProgressPlayer();
        for (const ZS_WIN& win : c.wins)
            EXPECT_TRUE(player->fRecordWin(win.pack, win.pack * 10 + win.index, win.errors, 30.0f));
        EXPECT_EQ(c.locks, fLocks(*player));
        EXPECT_EQ(c.stars, fStars(*player));
    }
    auto player = fProgressPlayer();
    EXPECT_FALSE(player->fRecordWin(3, 30, 0, 1.0f));
    EXPECT_FALSE(player->fRecordWin(0, 5, 0, 1.0f));
    ASSERT_TRUE(player->fRecordWin(0, 0, 0, 12.5f));
    ASSERT_TRUE(player->fRecordWin(0, 0, 0, 20.0f));
    EXPECT_EQ(12.5f, player->fGetLevel(0, 0)->fGetBestTime());
}

TEST_F(PackTest, TheFirstLevelOpensWithTheTotalAndStaysOpen)
{
    fAddDesc(1, 5);
    auto pack = fPack("<pack id='1'><level id='10' lock='true'/><level id='11' lock='true'/></pack>");
    pack->fUpdateFirstLevelLock(4);
    EXPECT_FALSE(pack->fGetLevelAt(0)->fIsOpen());
    pack->fUpdateFirstLevelLock(5);
    EXPECT_TRUE(pack->fGetLevelAt(0)->fIsOpen());
    EXPECT_FALSE(pack->fGetLevelAt(1)->fIsOpen()) << "only the first level";
    // A first level opened below the total (a pack bought with sunime) is never taken back.
    auto bought = fPack("<pack id='1'><level id='10' lock='false'/><level id='11' lock='true'/></pack>");
    bought->fUpdateFirstLevelLock(0);
    EXPECT_TRUE(bought->fGetLevelAt(0)->fIsOpen());

    // No description of the pack, or no levels: nothing to change.
    auto unknown = fPack("<pack id='9'><level id='90' lock='false'/></pack>");
    unknown->fUpdateFirstLevelLock(0);
    EXPECT_TRUE(unknown->fGetLevelAt(0)->fIsOpen());
    fPack("<pack id='1'/>")->fUpdateFirstLevelLock(0);
}

TEST_F(PackTest, CountsAndLookUps)
{
    std::string xml = "<pack id='0'>";
    for (int i = 0; i < 90; ++i)
        xml += "<level id='" + std::to_string(i) + "' stars='3'/>";
    auto big = fPack(xml + "</pack>");
    // 270 stars: a total cut to a byte (14) would lock packs the player has earned.
    EXPECT_EQ(270u, big->fCountStars());
    EXPECT_EQ(270u, big->fGetStarTotal());

    auto pack = fPack("<pack id='3'><level id='30' stars='3'/><level id='31' stars='1'/><level id='32'/>"
                      "<level id='33' stars='2' lock='false'/></pack>");
    EXPECT_FLOAT_EQ(0.75f, pack->fGetCompletion());
    EXPECT_TRUE(pack->fHasOpenLevel());
    EXPECT_EQ(31, pack->fGetLevel(31)->fGetId());
    EXPECT_EQ(nullptr, pack->fGetLevel(34));
    EXPECT_EQ(nullptr, pack->fGetLevelAt(4));
    EXPECT_EQ(nullptr, pack->fGetLevelAt(-1));
    EXPECT_TRUE(pack->fIsLastLevel(pack->fGetLevelAt(3)));
    EXPECT_FALSE(pack->fIsLastLevel(pack->fGetLevelAt(2)));

    GG_PACK empty;
    EXPECT_EQ(0.0f, empty.fGetCompletion());
    EXPECT_FALSE(empty.fHasOpenLevel());
    EXPECT_EQ(nullptr, empty.fGetLevelAt(0));
    EXPECT_FALSE(empty.fIsLastLevel(nullptr));

    // Three-star levels are counted over all packs; packs without levels count nothing.
    GG_PLAYER player;
    player.fAddPack(std::make_unique<GG_PACK>());
    EXPECT_EQ(0, player.fCountThreeStarLevels());
    player.fAddPack(std::move(pack));
    player.fAddPack(std::move(big));
    EXPECT_EQ(91, player.fCountThreeStarLevels());
    EXPECT_EQ(276u, player.fGetTotalStars());
    EXPECT_TRUE(player.fIsPackOpen(3));
    EXPECT_FALSE(player.fIsPackOpen(0));
    EXPECT_FALSE(player.fIsPackOpen(7));
}

TEST_F(PackTest, XmlFormOfPacksAndLevels)
{
    // A level without "id" spoils its whole pack.
    EXPECT_EQ(nullptr, fPack("<pack id='1'><level id='10'/><level id='11'/><level file='x'/></pack>"));
    EXPECT_EQ(nullptr, fPack("<pack><level id='10'/></pack>"));

    const std::string source = "<pack id='2' lock='true' InAppKey='pack_2'>"
                               "<level id='20' stars='2' lock='false' best_time='12.5' file='a.xml'/>"
                               "<any id='21'/></pack>";
    auto plain = fPack(source);
    ASSERT_NE(nullptr, plain);
    EXPECT_FALSE(plain->fIsLocked());
    EXPECT_FALSE(plain->fHasLock());
    EXPECT_EQ("", plain->fGetInAppKey());
    // Levels are numbered by position; a missing lock leaves the level locked.
    EXPECT_EQ(1, plain->fGetLevelAt(1)->fGetNumber());
    EXPECT_FALSE(plain->fGetLevelAt(1)->fIsOpen());
    EXPECT_EQ("a.xml", plain->fGetLevelAt(0)->fGetFile());
    EXPECT_EQ("<pack id=\"2\"><level id=\"20\" stars=\"2\" lock=\"false\" best_time=\"12.5\" file=\"a.xml\"/>"
              "<level id=\"21\" stars=\"0\" lock=\"true\" best_time=\"0\" file=\"\"/></pack>",
              fXmlOf(*plain, "pack"));

    fGetPlayerShell().inApp = true;
    auto bought = fPack(source);
    EXPECT_TRUE(bought->fIsLocked());
    EXPECT_TRUE(bought->fHasLock());
    EXPECT_EQ("pack_2", bought->fGetInAppKey());
    EXPECT_EQ(0u, fXmlOf(*bought, "pack").find("<pack id=\"2\" lock=\"true\" InAppKey=\"pack_2\"><level id=\"20\""));
    bought->fUnlock();
    EXPECT_FALSE(bought->fIsLocked());
}

namespace
{
std::string fPackBytes(const GG_PACK& pack)
{
    return fWriteStream("pack.bin", [&](ZOR::ZC_BINARY_STREAM& s) { EXPECT_TRUE(pack.fSaveBinary(&s)); });
}
}

TEST_F(PackTest, BinaryRecordLayoutByEdition)
{
    const std::string xml = "<pack id='5' lock='true' InAppKey='p5'>"
                            "<level id='50' stars='2' lock='false' best_time='1.5' file='f'/></pack>";
    const ZT_SAVE_BYTES level = ZT_SAVE_BYTES().fI32(0).fByte(0).fI32(50).fI32(2).fF32(1.5f).fStr("f");

    auto plain = fPack(xml);
    EXPECT_EQ(ZT_SAVE_BYTES().fI32(5).fU32(1).bytes + level.bytes, fPackBytes(*plain));

    fGetPlayerShell().inApp = true;
    auto bought = fPack(xml);
    const std::string image = ZT_SAVE_BYTES().fI32(5).fByte(1).fByte(1).fStr("p5").fU32(1).bytes + level.bytes;
    EXPECT_EQ(image, fPackBytes(*bought));

    // Read back whole; cut anywhere, the read fails and the pack stays as it was.
    GG_PACK read;
    ASSERT_TRUE(fReadStream("pack_in.bin", image, [&](ZOR::ZC_BINARY_STREAM& s) { return read.fLoadBinary(&s); }));
    EXPECT_EQ(image, fPackBytes(read));
    for (size_t cut = 0; cut < image.size(); ++cut)
    {
        GG_PACK kept(*plain);
        EXPECT_FALSE(fReadStream("pack_in.bin", image.substr(0, cut),
                                 [&](ZOR::ZC_BINARY_STREAM& s) { return kept.fLoadBinary(&s); }))
            << cut;
        EXPECT_EQ(fPackBytes(*plain), fPackBytes(kept)) << cut;
    }
}

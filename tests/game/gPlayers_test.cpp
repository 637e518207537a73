#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/puzzle/gPlayers.h"
#include "game/ZT_SAVE_BYTES.h"

using namespace game;
using namespace ZT_TEST;

namespace
{
const std::wstring ZOE = L"Zo\u00EB";
const std::string ZOE_UTF8 = "Zo\xC3\xAB";

// Ann: items, a pack of one won level and statistics; Zoë: a heart refilling, nothing else.
std::unique_ptr<GG_PLAYER> fAnn()
{
    auto player = std::make_unique<GG_PLAYER>();
    player->fSetName(L"Ann");
    player->fSetItemCount(ITEM_HEALTH, 3);
    player->fGetHealth().count = 3;
    player->fGetHealth().refillPeriod = 600;
    player->statistic.score = 5;
    player->statistic.maxScore = 9;
    player->statistic.minLevelTime = 12.5f;
    pugi::xml_document document;
    document.load_string("<pack id='0'><level id='0' stars='3' lock='false' best_time='12.5' file='a.xml'/></pack>");
    auto pack = std::make_unique<GG_PACK>();
    pack->fLoadXml(document.first_child());
    player->fAddPack(std::move(pack));
    return player;
}

std::unique_ptr<GG_PLAYER> fZoe()
{
    auto player = std::make_unique<GG_PLAYER>();
    player->fSetName(ZOE);
    GG_HEALTH& health = player->fGetHealth();
    health.refilling = true;
    health.count = 1;
    health.countdown = 30.5;
    health.refillPeriod = 100;
    health.stamps = {1000};
    return player;
}

// The record of each, field by field.
std::string fAnnBytes()
{
    ZT_SAVE_BYTES b;
    b.fStr("Ann").fF32(50).fF32(50).fByte(0).fByte(1).fU32(1).fStr("health").fI32(3);
    b.fByte(0).fI32(3).fF64(0).fI32(600).fU32(0);
    b.fI32(0).fU32(5);
    for (int i = 0; i < 7; ++i)
        b.fU32(0);
    b.fF32(12.5f).fU32(9);
    b.fU32(1).fI32(0).fU32(1);
    b.fI32(0).fByte(0).fI32(0).fI32(3).fF32(12.5f).fStr("a.xml");
    return b.bytes;
}

std::string fZoeBytes()
{
    ZT_SAVE_BYTES b;
    b.fStr(ZOE_UTF8).fF32(50).fF32(50).fByte(0).fByte(1).fU32(0);
    b.fByte(1).fI32(1).fF64(30.5).fI32(100).fU32(1).fI32(1000);
    b.fI32(0);
    for (int i = 0; i < 8; ++i)
        b.fU32(0);
    b.fF32(0).fU32(0);
    b.fU32(0);
    return b.bytes;
}

std::string fHeader(const std::string& currentUtf8, uint32_t count)
{
    ZT_SAVE_BYTES b;
    if (currentUtf8.empty())
        b.fByte(0);
    else
        b.fByte(1).fStr(currentUtf8);
    return b.fU32(count).bytes;
}

std::string fRecordOf(const GG_PLAYER& player)
{
    return fWriteStream("record.bin", [&](ZOR::ZC_BINARY_STREAM& s) { player.fSaveBinary(&s); });
}

struct PlayersTest : ::testing::Test
{
    void SetUp() override
    {
        fGetPlayerShell() = GG_PLAYER_SHELL{};
        fGetPlayerShell().saveVersion = SAVE_VERSION_CURRENT;
        folder = std::string("saves/") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { fGetPlayerShell() = GG_PLAYER_SHELL{}; }

    std::string fSaveFile() const { return fGetFile(folder + "players.save"); }
    void fPutSave(const std::string& bytes) const { fPutFile(folder + "players.save", bytes); }

    std::string folder;
};
}

TEST_F(PlayersTest, TheListKeepsNamesUniqueAndTheCurrentPlayerListed)
{
    gPlayers list;
    EXPECT_EQ(nullptr, list.fGetCurrentPlayer());
    GG_PLAYER* ann = fAnn().release();
    ASSERT_TRUE(list.fAddPlayer(ann));
    EXPECT_EQ(ann, list.fGetCurrentPlayer()); // the only player becomes current

    auto again = fAnn();
    EXPECT_FALSE(list.fAddPlayer(again.get())); // refused: the caller keeps it
    EXPECT_FALSE(list.fAddPlayer(nullptr));
    auto lower = std::make_unique<GG_PLAYER>();
    lower->fSetName(L"ann"); // names differ by case: two players
    ASSERT_TRUE(list.fAddPlayer(lower.release()));
    ASSERT_TRUE(list.fAddPlayer(fZoe().release()));
    EXPECT_EQ((std::vector<std::wstring>{L"Ann", L"ann", ZOE}), list.fGetNames());
    EXPECT_EQ(ann, list.fGetCurrentPlayer());

    EXPECT_FALSE(list.fSelectPlayerByName(L"ANN"));
    EXPECT_EQ(ann, list.fGetCurrentPlayer());
    EXPECT_FALSE(list.fSelectPlayer(nullptr));
    EXPECT_TRUE(list.fSelectPlayer(again.get())); // by name: the listed one
    EXPECT_EQ(ann, list.fGetCurrentPlayer());
    EXPECT_TRUE(list.fSelectPlayerByName(ZOE));
    EXPECT_EQ(ZOE, list.fGetCurrentPlayer()->fGetName());

    EXPECT_TRUE(list.fRemovePlayer(ZOE));
    EXPECT_EQ(nullptr, list.fGetCurrentPlayer());
    EXPECT_FALSE(list.fRemovePlayer(ZOE));
    EXPECT_EQ(2, list.fGetCount());
    EXPECT_EQ(nullptr, list.fFindPlayer(ZOE));
}

TEST_F(PlayersTest, TwoPlayersAreWrittenInTheFileLayoutAndReadBackWithTheCurrentOne)
{
    gPlayers list;
    list.fAddPlayer(fAnn().release());
    list.fAddPlayer(fZoe().release());
    list.fSelectPlayerByName(ZOE);
    ASSERT_TRUE(list.fSave(folder));
    const std::string expected = fHeader(ZOE_UTF8, 2) + fAnnBytes() + fZoeBytes() + "\n";
    ASSERT_EQ(expected, fSaveFile());

    gPlayers read;
    ASSERT_TRUE(read.fLoad(folder));
    EXPECT_EQ((std::vector<std::wstring>{L"Ann", ZOE}), read.fGetNames());
    ASSERT_NE(nullptr, read.fGetCurrentPlayer());
    EXPECT_EQ(ZOE, read.fGetCurrentPlayer()->fGetName());
    EXPECT_EQ(3, read.fFindPlayer(L"Ann")->fGetLevel(0, 0)->fGetStars());
    EXPECT_FALSE(std::filesystem::exists(folder + "players.save.damaged"));

    // Written again, the file is the same to the byte.
    ASSERT_TRUE(read.fSave(folder));
    EXPECT_EQ(expected, fSaveFile());
}

TEST_F(PlayersTest, WhoIsCurrentAfterLoading)
{
    const struct
    {
        const char* why;
        std::string file;
        std::vector<std::wstring> names;
        std::wstring current;
    } cases[] = {
        {"none saved: the first player", fHeader("", 2) + fAnnBytes() + fZoeBytes() + "\n", {L"Ann", ZOE}, L"Ann"},
        {"an unknown name: the first player", fHeader("Bob", 2) + fAnnBytes() + fZoeBytes() + "\n", {L"Ann", ZOE},
         L"Ann"},
        {"the second of two equal names is dropped", fHeader("Ann", 3) + fAnnBytes() + fAnnBytes() + fZoeBytes() + "\n",
         {L"Ann", ZOE}, L"Ann"},
        {"bytes after the end byte are ignored", fHeader(ZOE_UTF8, 1) + fZoeBytes() + "\n" + fAnnBytes(), {ZOE}, ZOE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        fPutSave(c.file);
        gPlayers list;
        EXPECT_TRUE(list.fLoad(folder));
        EXPECT_EQ(c.names, list.fGetNames());
        ASSERT_NE(nullptr, list.fGetCurrentPlayer());
        EXPECT_EQ(c.current, list.fGetCurrentPlayer()->fGetName());
    }

    // Saved with no current player: a single 0 byte before the count.
    gPlayers list;
    list.fAddPlayer(fAnn().release());
    list.fAddPlayer(fZoe().release());
    list.fRemovePlayer(L"Ann");
    ASSERT_EQ(nullptr, list.fGetCurrentPlayer());
    ASSERT_TRUE(list.fSave(folder));
    EXPECT_EQ(fHeader("", 1) + fZoeBytes() + "\n", fSaveFile());
}

TEST_F(PlayersTest, ASmallerSaveReplacesTheWholeFile)
{
    gPlayers list;
    list.fAddPlayer(fAnn().release());
    list.fAddPlayer(fZoe().release());
    ASSERT_TRUE(list.fSave(folder));
    list.fRemovePlayer(L"Ann");
    ASSERT_TRUE(list.fSave(folder));
    EXPECT_EQ(fHeader("", 1) + fZoeBytes() + "\n", fSaveFile());
    EXPECT_FALSE(std::filesystem::exists(folder + "players.save.new"));

    // A folder that does not exist yet is made, parents and all.
    ASSERT_TRUE(list.fSave(folder + "deeper/still/"));
    EXPECT_EQ(fSaveFile(), fGetFile(folder + "deeper/still/players.save"));
}

TEST_F(PlayersTest, AFileCutAnywhereFailsAndKeepsTheWholePlayersBeforeTheCut)
{
    const std::string header = fHeader(ZOE_UTF8, 2);
    const std::string whole = header + fAnnBytes() + fZoeBytes() + "\n";
    const size_t annEnd = header.size() + fAnnBytes().size();
    const size_t zoeEnd = annEnd + fZoeBytes().size();
    for (size_t cut = 0; cut < whole.size(); ++cut)
    {
        SCOPED_TRACE(cut);
        const std::string bytes = whole.substr(0, cut);
        fPutSave(bytes);
        gPlayers list;
        EXPECT_FALSE(list.fLoad(folder));
        const int complete = cut >= zoeEnd ? 2 : cut >= annEnd ? 1 : 0;
        ASSERT_EQ(complete, list.fGetCount());
        if (complete >= 1)
        {
            EXPECT_EQ(fAnnBytes(), fRecordOf(*list.fFindPlayer(L"Ann")));
        }
        if (complete == 2)
        {
            EXPECT_EQ(fZoeBytes(), fRecordOf(*list.fFindPlayer(ZOE)));
            EXPECT_EQ(ZOE, list.fGetCurrentPlayer()->fGetName());
        }
        // What could not be read is kept aside, and the file itself is not touched.
        EXPECT_EQ(bytes, fGetFile(folder + "players.save.damaged"));
        EXPECT_EQ(bytes, fSaveFile());
    }
}

TEST_F(PlayersTest, ImpossibleCountsAndLengthsFailWithoutReadingPastTheData)
{
    const std::string header = fHeader("", 2);
    const std::string whole = header + fAnnBytes() + fZoeBytes() + "\n";
    const size_t ann = header.size();
    const size_t annHearts = ann + 4 + 3 + 4 + 4 + 1 + 1 + 4 + 4 + 6 + 4;
    const size_t annPacks = annHearts + 1 + 4 + 8 + 4 + 4 + 4 + 8 * 4 + 4 + 4;
    const size_t annFile = annPacks + 4 + 4 + 4 + 4 + 1 + 4 + 4 + 4;
    ASSERT_EQ(std::string("a.xml"), whole.substr(annFile + 4, 5));
    const struct
    {
        const char* why;
        size_t at;
        int players;
    } cases[] = {
        {"player count", ann - 4, 2},
        {"name length", ann, 0},
        {"item count", ann + 4 + 3 + 4 + 4 + 1 + 1, 0},
        {"stamp count", annHearts + 1 + 4 + 8 + 4, 0},
        {"pack count", annPacks, 0},
        {"level count", annPacks + 8, 0},
        {"level file length", annFile, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        std::string bytes = whole;
        fSetLe32(bytes, c.at, 0xFFFFFFF0u);
        fPutSave(bytes);
        gPlayers list;
        EXPECT_FALSE(list.fLoad(folder));
        EXPECT_EQ(c.players, list.fGetCount());
    }
}

TEST_F(PlayersTest, NothingToReadGivesAnEmptyList)
{
    gPlayers list;
    EXPECT_FALSE(list.fLoad(folder));
    EXPECT_EQ(0, list.fGetCount());
    EXPECT_FALSE(list.fLoad("no/such/folder/"));

    // A folder in the file's place can be neither read nor replaced.
    std::filesystem::create_directories(folder + "players.save");
    EXPECT_FALSE(list.fLoad(folder));
    EXPECT_EQ(0, list.fGetCount());
    list.fAddPlayer(fAnn().release());
    EXPECT_FALSE(list.fSave(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "players.save"));
    EXPECT_FALSE(std::filesystem::exists(folder + "players.save.new"));

    // A save folder that cannot be made: a file lies in its way.
    fPutFile(folder + "blocked", "x");
    EXPECT_FALSE(list.fSave(folder + "blocked/saves/"));
}

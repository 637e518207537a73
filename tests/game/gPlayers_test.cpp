#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>

#include "engine/platform/ZC_PLATFORM_FILES.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/puzzle/gPlayers.h"
#include "game/ZT_SAVE_BYTES.h"
#include "platform/ZT_FILE_CONDITIONS.h"

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
    void TearDown() override
    {
        fGetPlayerShell() = GG_PLAYER_SHELL{};
        ZOR::fPlatformFailDurableWriteForTests(ZOR::DURABLE_STEP_NONE);
        ZOR::fPlatformFailMovesForTests(false);
    }

    std::string fSaveFile() const { return fGetFile(folder + "players.save"); }
    void fPutSave(const std::string& bytes) const { fPutFile(folder + "players.save", bytes); }
    // The bytes of every file in the folder whose name begins with the prefix, by name.
    std::map<std::string, std::string> fFiles(const std::string& prefix = "") const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
        {
            const std::string name = entry.path().filename().string();
            if (name.compare(0, prefix.size(), prefix) == 0 && entry.is_regular_file())
                files[name] = fGetFile(entry.path().string());
        }
        return files;
    }

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
    EXPECT_EQ(1u, fFiles().size()); // nothing was set aside or left beside it

    // Written again, the file is the same to the byte.
    ASSERT_TRUE(read.fSave(folder));
    EXPECT_EQ(expected, fSaveFile());
}

TEST_F(PlayersTest, EveryLayoutLoadsWhateverTheSaveVersionAndTheEditionSay)
{
    // Ann has a pack with a purchase lock and a product, and a best score above her score, so
    // that the four layouts differ.
    fGetPlayerShell().inApp = true;
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<pack id='1' lock='true' InAppKey='sea.pack'><level id='10' file='s.xml'/></pack>"));
    auto pack = std::make_unique<GG_PACK>();
    ASSERT_TRUE(pack->fLoadXml(document.first_child()));
    auto ann = fAnn();
    ann->fAddPack(std::move(pack));
    gPlayers saved;
    saved.fAddPlayer(ann.release());
    saved.fAddPlayer(fZoe().release());
    saved.fSelectPlayerByName(ZOE);

    const GG_SAVE_LAYOUT layouts[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const int32_t version : {SAVE_VERSION_OLD, SAVE_VERSION_CURRENT})
        for (const bool inApp : {false, true})
            for (const GG_SAVE_LAYOUT& written : layouts)
            {
                SCOPED_TRACE(testing::Message() << "version " << std::hex << version << ", in-app " << inApp
                                                << "; file with best score " << written.maxScore << ", in-app "
                                                << written.inApp);
                fPutSave(saved.fGetSaveBytes(written));
                fGetPlayerShell().saveVersion = version;
                fGetPlayerShell().inApp = inApp;
                gPlayers read;
                ASSERT_TRUE(read.fLoad(folder));
                // Field for field: written again in its own layout, the same bytes.
                EXPECT_EQ(saved.fGetSaveBytes(written), read.fGetSaveBytes(written));
                EXPECT_EQ(ZOE, read.fGetCurrentPlayer()->fGetName());
                // The old layout holds no best score: it takes the score.
                EXPECT_EQ(written.maxScore ? 9u : 5u, read.fFindPlayer(L"Ann")->statistic.maxScore);
                EXPECT_EQ(1u, fFiles().size());
            }
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
        // Compared once converted, as every name is: the nameless record of a damaged file is
        // not chosen by bytes that convert to nothing, so a save of the list reads back the same.
        {"a name that converts to nothing: the first player",
         fHeader("\xa6\x8f\x83\xab", 2) + fAnnBytes() + ZT_SAVE_BYTES().fStr("").bytes +
             fZoeBytes().substr(4 + ZOE_UTF8.size()) + "\n",
         {L"Ann", L""}, L"Ann"},
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
    EXPECT_EQ(1u, fFiles().size());

    // A folder that does not exist yet is made, parents and all.
    ASSERT_TRUE(list.fSave(folder + "deeper/still/"));
    EXPECT_EQ(fSaveFile(), fGetFile(folder + "deeper/still/players.save"));
}

TEST_F(PlayersTest, EveryPrefixAndEveryByteChangeLoadsWholeOrNotAtAllAndNoDamagedFileIsLost)
{
    gPlayers saved;
    saved.fAddPlayer(fAnn().release());
    saved.fAddPlayer(fZoe().release());
    saved.fSelectPlayerByName(ZOE);
    ASSERT_TRUE(saved.fSave(folder));
    const std::string whole = fSaveFile();

    std::vector<std::pair<std::string, bool>> variants; // bytes, a prefix
    for (size_t cut = 0; cut < whole.size(); ++cut)
        variants.emplace_back(whole.substr(0, cut), true);
    for (size_t at = 0; at < whole.size(); ++at)
        for (const uint8_t value : {uint8_t(0x00), uint8_t(0xFF), uint8_t(uint8_t(whole[at]) ^ 0x55)})
        {
            std::string changed = whole;
            changed[at] = char(value);
            if (changed != whole)
                variants.emplace_back(changed, false);
        }

    std::map<std::string, std::string> kept; // every damaged file set aside so far
    for (const auto& variant : variants)
    {
        const std::string& bytes = variant.first;
        SCOPED_TRACE(testing::Message() << (variant.second ? "prefix of " : "changed byte, size ") << bytes.size());
        fPutSave(bytes);
        gPlayers list;
        auto before = std::make_unique<GG_PLAYER>();
        before->fSetName(L"Kept");
        list.fAddPlayer(before.release());

        testing::internal::CaptureStderr();
        const bool loaded = list.fLoad(folder);
        const std::string log = testing::internal::GetCapturedStderr();
        const auto damaged = fFiles("players.save.damaged-");
        if (loaded)
        {
            // A change the format cannot see (a volume, a score): the saved players, read whole.
            EXPECT_FALSE(variant.second);
            EXPECT_EQ(3, list.fGetCount());
            EXPECT_EQ(bytes, fSaveFile());
            EXPECT_EQ(kept, damaged);
            EXPECT_EQ("", log);
            continue;
        }
        // Not read: the list is the one from before, and the file is kept aside as it was.
        EXPECT_EQ(std::vector<std::wstring>{L"Kept"}, list.fGetNames());
        EXPECT_EQ(L"Kept", list.fGetCurrentPlayer()->fGetName());
        EXPECT_FALSE(std::filesystem::exists(folder + "players.save"));
        ASSERT_EQ(kept.size() + 1, damaged.size());
        for (const auto& file : damaged)
        {
            const auto earlier = kept.find(file.first);
            if (earlier == kept.end())
            {
                EXPECT_EQ(bytes, file.second);
                EXPECT_EQ("players.save could not be read; it is kept as " + folder + file.first + "\n", log);
                kept.insert(file);
            }
            else
                ASSERT_EQ(earlier->second, file.second) << file.first;
        }
    }
    EXPECT_LT(kept.size(), variants.size());
    EXPECT_EQ(kept, fFiles("players.save.damaged-"));
}

TEST_F(PlayersTest, ADamagedFileThatCannotBeMovedAsideIsNeverSavedOver)
{
    const std::string damaged = fHeader("", 2) + fAnnBytes();
    fPutSave(damaged);
    gPlayers list;
    list.fAddPlayer(fZoe().release());
    ZOR::fPlatformFailMovesForTests(true);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(list.fLoad(folder));
    EXPECT_FALSE(list.fSave(folder));
    EXPECT_FALSE(list.fSave(folder));
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(damaged, fSaveFile());
    EXPECT_EQ(1u, fFiles().size());
    // Said once, with the place.
    EXPECT_EQ("players.save could not be read nor moved aside; it is kept where it is, " + folder +
                  "players.save, and the players are not saved over it\n",
              log);

    // Once it can be moved, the next save moves it and writes the list.
    ZOR::fPlatformFailMovesForTests(false);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(list.fSave(folder));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(fHeader(ZOE_UTF8, 1) + fZoeBytes() + "\n", fSaveFile());
    const auto aside = fFiles("players.save.damaged-");
    ASSERT_EQ(1u, aside.size());
    EXPECT_EQ(damaged, aside.begin()->second);
}

TEST_F(PlayersTest, AFailedSaveLeavesTheFileByteForByte)
{
    gPlayers list;
    list.fAddPlayer(fAnn().release());
    ASSERT_TRUE(list.fSave(folder));
    const std::string before = fSaveFile();
    list.fAddPlayer(fZoe().release());

    // The rename fails, and the disk is full (a file-size limit below the new size).
    ZOR::fPlatformFailDurableWriteForTests(ZOR::DURABLE_STEP_RENAME);
    EXPECT_FALSE(list.fSave(folder));
    ZOR::fPlatformFailDurableWriteForTests(ZOR::DURABLE_STEP_NONE);
    {
        ZT_FILE_SIZE_LIMIT limit(before.size() + 10);
        ASSERT_TRUE(limit.set);
        EXPECT_FALSE(list.fSave(folder));
    }
    EXPECT_EQ(before, fSaveFile());
    EXPECT_EQ(1u, fFiles().size());
    EXPECT_TRUE(list.fSave(folder));
    EXPECT_EQ(fHeader("Ann", 2) + fAnnBytes() + fZoeBytes() + "\n", fSaveFile());
}

TEST_F(PlayersTest, AFileTheUserCannotWriteLoadsAndIsReplacedThroughTheFolder)
{
    gPlayers list;
    list.fAddPlayer(fAnn().release());
    ASSERT_TRUE(list.fSave(folder));
    ASSERT_EQ(0, chmod((folder + "players.save").c_str(), 0444));
    ZT_OBEY_PERMISSIONS obey;
    ASSERT_TRUE(obey.set);

    gPlayers read;
    ASSERT_TRUE(read.fLoad(folder));
    EXPECT_EQ(std::vector<std::wstring>{L"Ann"}, read.fGetNames());
    read.fAddPlayer(fZoe().release());
    ASSERT_TRUE(read.fSave(folder));
    EXPECT_EQ(fHeader("Ann", 2) + fAnnBytes() + fZoeBytes() + "\n", fSaveFile());
}

TEST_F(PlayersTest, NamesInAnyUtf8RoundTrip)
{
    const std::wstring names[] = {L"Zo\u00EB", L"\u5C0F\u660E", L"\U0001F642 Ann", L"e\u0301", L"\u0410\u043D\u044F",
                                  std::wstring(L"a\0b", 3)};
    gPlayers list;
    for (const std::wstring& name : names)
    {
        auto player = std::make_unique<GG_PLAYER>();
        player->fSetName(name);
        ASSERT_TRUE(list.fAddPlayer(player.release()));
    }
    ASSERT_TRUE(list.fSelectPlayerByName(names[2]));
    ASSERT_TRUE(list.fSave(folder));
    gPlayers read;
    ASSERT_TRUE(read.fLoad(folder));
    EXPECT_EQ(std::vector<std::wstring>(std::begin(names), std::end(names)), read.fGetNames());
    EXPECT_EQ(names[2], read.fGetCurrentPlayer()->fGetName());
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
    } cases[] = {
        {"player count", ann - 4},
        {"name length", ann},
        {"item count", ann + 4 + 3 + 4 + 4 + 1 + 1},
        {"stamp count", annHearts + 1 + 4 + 8 + 4},
        {"pack count", annPacks},
        {"level count", annPacks + 8},
        {"level file length", annFile},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        std::string bytes = whole;
        fSetLe32(bytes, c.at, 0xFFFFFFF0u);
        fPutSave(bytes);
        gPlayers list;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(list.fLoad(folder));
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(0, list.fGetCount());
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
    EXPECT_EQ(1u, std::distance(std::filesystem::directory_iterator(folder), {}));

    // A save folder that cannot be made: a file lies in its way.
    fPutFile(folder + "blocked", "x");
    EXPECT_FALSE(list.fSave(folder + "blocked/saves/"));
}

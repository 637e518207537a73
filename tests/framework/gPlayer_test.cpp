#include <gtest/gtest.h>

#include "engine/files/ZC_BINARY_STREAM.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "framework/gPlayer.h"
#include "support/ZT_TEST_ENV.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

using namespace ZOR;
using namespace ZT_TEST;
using namespace std::string_literals;

namespace
{
// Everything a profile holds, for comparing two of them in one expectation.
struct ZS_PROFILE
{
    std::wstring name;
    float sound;
    float music;
    bool tutorial;
    bool cursor;
    std::map<std::string, int> items;

    bool operator==(const ZS_PROFILE& o) const
    {
        return name == o.name && sound == o.sound && music == o.music && tutorial == o.tutorial &&
               cursor == o.cursor && items == o.items;
    }
};

// The item names the game uses, plus one the fixture does not hold.
const char* const ITEM_NAMES[] = {"start_hint", "refill_hint", "health", "refill_health", "errors",
                                  "second_chance", "skipped"};

ZS_PROFILE fSnapshot(const gPlayer& player)
{
    ZS_PROFILE profile{player.fGetName(), player.fGetSoundVolume(), player.fGetMusicVolume(),
                       player.fGetPassedTutorial(), player.fGetGameCursor(), {}};
    for (const char* item : ITEM_NAMES)
        if (int count = player.fGetItemCount(item))
            profile.items[item] = count;
    return profile;
}

std::string fSaveRecords(const std::vector<const gPlayer*>& players)
{
    const std::string path = "records.bin";
    std::remove(path.c_str());
    {
        ZC_BINARY_STREAM stream;
        EXPECT_TRUE(stream.fOpen(path.c_str()));
        for (const gPlayer* player : players)
            EXPECT_TRUE(player->fSaveBinary(&stream));
    }
    return fGetFile(path);
}

// Loads a record from the bytes into the player; the answer of fLoadBinary.
bool fLoadRecord(const std::string& bytes, gPlayer& player)
{
    const std::string path = "record_in.bin";
    fPutFile(path, bytes);
    ZC_BINARY_STREAM stream;
    EXPECT_TRUE(stream.fOpen(path.c_str()));
    return player.fLoadBinary(&stream);
}

struct PlayerFixture : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(document.load_file((fDataDir() + "/framework/players.xml").c_str()));
        for (pugi::xml_node element : document.child("players").children("player"))
            players.push_back(std::make_unique<gPlayer>(element));
        ASSERT_EQ(2u, players.size());
    }

    pugi::xml_document document;
    std::vector<std::unique_ptr<gPlayer>> players;
};

std::string fLe32(uint32_t value)
{
    std::string bytes(4, '\0');
    fSetLe32(bytes, 0, value);
    return bytes;
}
}

TEST_F(PlayerFixture, XmlFormReadsEveryFieldAndAbsentAttributesAsZero)
{
    const ZS_PROFILE full{L"Zo\u00EB \u00D8rsted", 12.5f, 80.0f, true, false,
                          {{"refill_hint", 2}, {"health", 3}, {"second_chance", 1}}};
    EXPECT_TRUE(full == fSnapshot(*players[0]));
    EXPECT_EQ("Zo\xC3\xAB \xC3\x98rsted", players[0]->fGetNameUtf8());

    const ZS_PROFILE bare{L"Bo", 0.0f, 0.0f, false, false, {}};
    EXPECT_TRUE(bare == fSnapshot(*players[1]));
}

TEST_F(PlayerFixture, BothFormsRoundTripTwoPlayers)
{
    // Binary: two records one after the other, read back in order.
    const std::string bytes = fSaveRecords({players[0].get(), players[1].get()});
    fPutFile("both.bin", bytes);
    ZC_BINARY_STREAM stream;
    ASSERT_TRUE(stream.fOpen("both.bin"));
    for (const auto& original : players)
    {
        gPlayer copy;
        ASSERT_TRUE(copy.fLoadBinary(&stream));
        EXPECT_TRUE(fSnapshot(*original) == fSnapshot(copy));
    }
    gPlayer beyond(L"untouched");
    EXPECT_FALSE(beyond.fLoadBinary(&stream));
    EXPECT_EQ(L"untouched", beyond.fGetName());

    // XML: written into a fresh document, printed, parsed again.
    pugi::xml_document written;
    pugi::xml_node root = written.append_child("players");
    for (const auto& player : players)
        player->fSaveXml(root.append_child("player"));
    std::ostringstream text;
    written.save(text);
    pugi::xml_document reread;
    ASSERT_TRUE(reread.load_string(text.str().c_str()));
    size_t index = 0;
    for (pugi::xml_node element : reread.child("players").children("player"))
        EXPECT_TRUE(fSnapshot(*players[index++]) == fSnapshot(gPlayer(element)));
    EXPECT_EQ(2u, index);
}

TEST(Player, XmlFormWritesAttributesInOrderAndItemsByName)
{
    gPlayer player(L"Anna");
    player.fSetMusicVolume(12.25f);
    player.fSetItemCount("refill_hint", 2);
    player.fSetItemCount("health", 5);
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("player");
    player.fSaveXml(element);

    std::vector<std::pair<std::string, std::string>> attributes;
    for (pugi::xml_attribute attribute : element.attributes())
        attributes.emplace_back(attribute.name(), attribute.value());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"name", "Anna"}, {"sound_volume", "50"}, {"music_volume", "12.25"},
        {"passed_tutorial", "false"}, {"game_cursor", "true"}};
    EXPECT_EQ(expected, attributes);

    std::vector<std::string> items;
    for (pugi::xml_node item : element.child("playeritems").children())
        items.push_back(std::string(item.attribute("name").value()) + "=" + item.attribute("count").value());
    EXPECT_EQ((std::vector<std::string>{"health=5", "refill_hint=2"}), items);
}

TEST(Player, BinaryRecordHasTheExactByteImage)
{
    const std::string fifty = "\x00\x00\x48\x42"s;
    const std::string twelveAndHalf = "\x00\x00\x48\x41"s;

    gPlayer fresh(L"Anna");
    const std::string freshImage = fLe32(4) + "Anna" + fifty + fifty + '\x00' + '\x01' + fLe32(0);
    EXPECT_EQ(22u, freshImage.size());
    EXPECT_EQ(freshImage, fSaveRecords({&fresh}));

    // The name's length counts UTF-8 bytes; items go in byte order, "health" first.
    gPlayer known(L"Zo\u00EB");
    known.fSetSoundVolume(12.5f);
    known.fSetPassedTutorial(true);
    known.fSetGameCursor(false);
    known.fSetItemCount("refill_hint", 2);
    known.fSetItemCount("health", 5);
    const std::string knownImage = fLe32(4) + "Zo\xC3\xAB" + twelveAndHalf + fifty + '\x01' + '\x00' + fLe32(2) +
                                   fLe32(6) + "health" + fLe32(5) + fLe32(11) + "refill_hint" + fLe32(2);
    EXPECT_EQ(knownImage, fSaveRecords({&known}));
}

TEST(Player, LoadingARecordKeepsItemsItDoesNotName)
{
    gPlayer saved(L"Anna");
    saved.fSetItemCount("health", 5);
    const std::string bytes = fSaveRecords({&saved});

    gPlayer player(L"Old");
    player.fSetItemCount("health", 1);
    player.fSetItemCount("errors", 2);
    ASSERT_TRUE(fLoadRecord(bytes, player));
    EXPECT_EQ(L"Anna", player.fGetName());
    EXPECT_EQ(5, player.fGetItemCount("health"));
    EXPECT_EQ(2, player.fGetItemCount("errors"));
}

TEST_F(PlayerFixture, ARecordCutAnywhereFailsAndChangesNothing)
{
    const std::string bytes = fSaveRecords({players[0].get()});
    for (size_t cut = 0; cut < bytes.size(); ++cut)
    {
        gPlayer player(L"Keep");
        player.fSetItemCount("errors", 1);
        const ZS_PROFILE before = fSnapshot(player);
        EXPECT_FALSE(fLoadRecord(bytes.substr(0, cut), player)) << "cut at " << cut;
        EXPECT_TRUE(before == fSnapshot(player)) << "cut at " << cut;
    }
}

TEST(Player, ADamagedItemCountFailsAtOnce)
{
    gPlayer saved(L"Anna");
    std::string bytes = fSaveRecords({&saved});
    fSetLe32(bytes, bytes.size() - 4, 0xFFFFFFFFu);

    gPlayer player;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(fLoadRecord(bytes, player));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(L"", player.fGetName());
}

TEST(Player, ItemCountsByName)
{
    gPlayer player;
    player.fSetItemCount("health", 5);
    player.fSetItemCount("health", -1); // ignored
    player.fSetItemCount("start_hint", 3);
    player.fSetItemCount("start_hint", 0);
    const std::pair<const char*, int> cases[] = {
        {"health", 5}, {"start_hint", 0}, {"errors", 0}, {"Health", 0}, {"", 0}};
    for (const auto& [item, count] : cases)
        EXPECT_EQ(count, player.fGetItemCount(item)) << item;
}

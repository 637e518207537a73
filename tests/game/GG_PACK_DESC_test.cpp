#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/files/ZC_LOCALIZATION.h"
#include "framework/G_SPRITE.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "support/ZT_TEST_ENV.h"

using namespace game;

namespace
{
// Reads every child of the root and keeps those that load, as the game object does.
std::vector<std::unique_ptr<GG_PACK_DESC>> fLoadDescriptions(const pugi::xml_document& document)
{
    std::vector<std::unique_ptr<GG_PACK_DESC>> kept;
    for (pugi::xml_node entry : document.document_element().children())
    {
        auto desc = std::make_unique<GG_PACK_DESC>();
        if (desc->fLoadXml(entry))
            kept.push_back(std::move(desc));
    }
    return kept;
}
}

TEST(PackDescriptions, EntriesWithEveryRequiredValueAreKeptWithTheirTitles)
{
    pugi::xml_document strings;
    ASSERT_TRUE(strings.load_file((ZT_TEST::fDataDir() + "/game/strings.xml").c_str()));
    ZOR::ZC_LOCALIZATION table;
    ASSERT_EQ(2, table.fLoad(&strings, 0, 0));
    fGetPlayerShell().strings = &table;

    pugi::xml_document document;
    ASSERT_TRUE(document.load_file((ZT_TEST::fDataDir() + "/game/packs_description.xml").c_str()));
    const auto descs = fLoadDescriptions(document);
    fGetPlayerShell().strings = nullptr;

    ASSERT_EQ(3u, descs.size());
    const struct
    {
        int32_t id;
        const char* key;
        const wchar_t* title;
        const char* path;
        int32_t stars2pass;
        int32_t price;
        const char* backgroundFile;
        unsigned hotSpot;
    } expected[] = {
        {0, "pack_garden", L"Garden", "data/packs/garden", 0, 0, "garden_back.png", 0},
        {1, "pack_sea", L"Meer & K\u00FCste", "data/packs/sea", 10, 300, "", 4},
        {4, "pack_unknown", L"etwas", "data/packs/desert", -1, 50, "", 4},
    };
    for (size_t i = 0; i < descs.size(); ++i)
    {
        SCOPED_TRACE(i);
        const GG_PACK_DESC& desc = *descs[i];
        EXPECT_EQ(expected[i].id, desc.fGetId());
        EXPECT_EQ(expected[i].key, desc.fGetKey());
        EXPECT_EQ(expected[i].title, desc.fGetTitle());
        EXPECT_EQ(expected[i].path, desc.fGetPath());
        EXPECT_EQ(expected[i].stars2pass, desc.fGetStarsToPass());
        EXPECT_EQ(expected[i].price, desc.fGetPrice());
        // Every kept description owns a sprite, with or without a picture.
        ASSERT_NE(nullptr, desc.fGetBackground());
        EXPECT_EQ(expected[i].backgroundFile, desc.fGetBackground()->fGetFile());
        EXPECT_EQ(expected[i].hotSpot, desc.fGetBackground()->fGetHotSpot());
        EXPECT_FALSE(desc.fGetBackground()->fIsLoaded());
    }
}

TEST(PackDescriptions, WithoutStringsTheTitleIsTheMissingKeyText)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<pack id='7' key='pack_sea' stars2pass='0' price='0' path='p'/>"));
    GG_PACK_DESC desc;
    EXPECT_EQ(nullptr, desc.fGetBackground());
    ASSERT_TRUE(desc.fLoadXml(document.first_child()));
    EXPECT_EQ(L"etwas", desc.fGetTitle());
    EXPECT_FALSE(desc.fLoadXml(pugi::xml_node()));

    // Loaded again, the description replaces its sprite with one from the new entry.
    ASSERT_TRUE(document.load_string(
        "<pack id='7' key='k' stars2pass='0' price='0' path='p'><background><FILE>b.png</FILE></background></pack>"));
    ASSERT_TRUE(desc.fLoadXml(document.first_child()));
    EXPECT_EQ("b.png", desc.fGetBackground()->fGetFile());
}

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include <pugixml.hpp>

#include "framework/G_SPRITE.h"
#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "support/ZT_TEXT_FILES.h"
#include "tools/levelcheck/GG_LEVEL_DATA_CHECK.h"
#include "tools/levelcheck/GG_PICTURE.h"

using namespace game;
namespace fs = std::filesystem;
using namespace ZT_TEST;

namespace
{
const std::string RESOURCES = std::string(ZOR_SOURCE_DIR) + "/Resources";
const std::string OTHER = "data/share/main/other";
const std::string LEVELS = "data/share/levels";

// The level data of Resources, copied so that a case can spoil it.
fs::path fCopyLevelData(const std::string& name)
{
    const fs::path root = fs::current_path() / "broken" / name;
    fs::remove_all(root);
    fs::create_directories(root / OTHER);
    fs::create_directories(root / "data/share/main");
    fs::copy(RESOURCES + "/" + LEVELS, root / LEVELS, fs::copy_options::recursive);
    for (const char* file : {"player.xml", "packs_description.xml"})
        fs::copy_file(RESOURCES + "/" + OTHER + "/" + file, root / OTHER / file);
    return root;
}

// The cells of a level file from a text picture of the same size.
void fRedraw(const fs::path& path, const std::vector<std::string>& rows)
{
    std::string text = fReadText(path);
    const size_t from = text.find("<gElements>");
    const size_t to = text.find("</gElements>");
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << path;
    std::string cells = "<gElements>\n";
    for (const std::string& row : rows)
        for (const char c : row)
            cells += c == '#' ? "<cell type=\"100\"/>" : "<cell type=\"101\"/>";
    text.replace(from, to - from, cells + "\n");
    fWriteText(path, text);
}
}

TEST(LevelData, ShippedLevelsAreWholeFitTheScreenAndSolveByLineLogic)
{
    GG_LEVEL_DATA_CHECK check(RESOURCES);
    EXPECT_TRUE(check.fRun());
    for (const std::string& problem : check.fGetProblems())
        ADD_FAILURE() << problem;
    EXPECT_GE(check.fGetPackCount(), 4);
    EXPECT_GE(check.fGetLevelCount(), 60);
}

TEST(LevelData, LevelsGrowFromFiveByFiveToTwentyByTwentyWithOblongGridsAmongThem)
{
    int smallest = 1 << 30;
    int largest = 0;
    int oblong = 0;
    for (int pack = 0; pack < 4; ++pack)
    {
        for (const auto& entry : fs::directory_iterator(RESOURCES + "/" + LEVELS + "/pack" + std::to_string(pack)))
        {
            GG_PICTURE picture;
            std::string error;
            ASSERT_TRUE(picture.fReadFile(entry.path().string(), &error)) << error;
            const int cells = picture.fGetColumns() * picture.fGetRows();
            smallest = std::min(smallest, cells);
            largest = std::max(largest, cells);
            oblong += picture.fGetColumns() != picture.fGetRows();
        }
    }
    EXPECT_EQ(25, smallest);
    EXPECT_EQ(400, largest);
    EXPECT_GE(oblong, 10);

    GG_PICTURE first;
    ASSERT_TRUE(first.fReadFile(RESOURCES + "/" + LEVELS + "/pack0/level00.xml", nullptr));
    EXPECT_EQ(5, first.fGetColumns()) << "the game opens on a 5 x 5";
}

TEST(LevelData, TemplatePlayerAndPacksReadWithTheGamesOwnReaders)
{
    fGetPlayerShell() = GG_PLAYER_SHELL{};
    pugi::xml_document descriptions;
    ASSERT_TRUE(descriptions.load_file((RESOURCES + "/" + OTHER + "/packs_description.xml").c_str()));
    std::vector<int> starsToPass;
    for (pugi::xml_node entry : descriptions.document_element().children())
    {
        GG_PACK_DESC desc;
        ASSERT_TRUE(desc.fLoadXml(entry));
        EXPECT_EQ(int(starsToPass.size()), desc.fGetId());
        EXPECT_EQ("pack_title_" + std::to_string(desc.fGetId()), desc.fGetKey());
        EXPECT_EQ(LEVELS + "/pack" + std::to_string(desc.fGetId()), desc.fGetPath());
        ASSERT_NE(nullptr, desc.fGetBackground());
        EXPECT_EQ("data/share/image/packs pack" + std::to_string(desc.fGetId()) + "_bg.png",
                  desc.fGetBackground()->fGetFile());
        EXPECT_EQ(1024.0f, desc.fGetBackground()->fGetWidth()) << "the background covers the screen";
        EXPECT_EQ(768.0f, desc.fGetBackground()->fGetHeight());
        starsToPass.push_back(desc.fGetStarsToPass());
    }
    ASSERT_EQ(4u, starsToPass.size());
    for (size_t i = 1; i < starsToPass.size(); ++i)
        EXPECT_GT(starsToPass[i], starsToPass[i - 1]) << "later packs ask for more stars";

    pugi::xml_document document;
    ASSERT_TRUE(document.load_file((RESOURCES + "/" + OTHER + "/player.xml").c_str()));
    GG_PLAYER player;
    player.fLoadXml(document.document_element());
    ASSERT_EQ(4, player.fGetPackCount());
    EXPECT_TRUE(player.fIsPackOpen(0));
    for (int pack = 1; pack < 4; ++pack)
        EXPECT_FALSE(player.fIsPackOpen(pack)) << "pack " << pack << " opens by stars or price";
    ASSERT_NE(nullptr, player.fGetLevel(0, 0));
    EXPECT_TRUE(player.fGetLevel(0, 0)->fIsOpen());
    EXPECT_EQ("level00.xml", player.fGetLevel(0, 0)->fGetFile());
    EXPECT_GE(player.fGetItemCount(ITEM_ERRORS), 1);
    EXPECT_GE(player.fGetItemCount(ITEM_START_HINT), 1);
    EXPECT_GE(player.fGetItemCount(ITEM_HEALTH), 1);
    EXPECT_EQ(player.fGetItemCount(ITEM_HEALTH), player.fGetHealth().count) << "a new player has every heart";
    EXPECT_GT(player.fGetHealth().refillPeriod, 0);
    EXPECT_FALSE(player.fGetHealth().refilling);
    EXPECT_EQ(0u, player.fGetTotalStars());

    // Written back by the game, the template reads the same: the file is in the game's own form.
    pugi::xml_document written;
    player.fSaveXml(written.append_child("player"));
    std::ostringstream ours;
    std::ostringstream theirs;
    written.save(ours, "  ");
    document.save(theirs, "  ");
    EXPECT_EQ(theirs.str(), ours.str());
}

TEST(LevelData, BrokenCopiesAreRefusedWithTheFileNamed)
{
    const std::string pack0 = LEVELS + "/pack0/";
    struct CASE
    {
        const char* name;
        std::function<void(const fs::path&)> spoil;
        const char* problem;
    };
    const CASE cases[] = {
        {"two solutions",
         [&](const fs::path& root) { fRedraw(root / pack0 / "level00.xml", {"#....", ".#...", ".....", ".....", "....."}); },
         "data/share/levels/pack0 level00.xml: needs guessing: two or more solutions"},
        {"needs guessing",
         [&](const fs::path& root) { fRedraw(root / pack0 / "level01.xml", {"#...#", "#..#.", ".#.#.", "##..#", "....."}); },
         "level01.xml: needs guessing (one solution"},
        {"no picture cell",
         [&](const fs::path& root) { fRedraw(root / pack0 / "level02.xml", {".....", ".....", ".....", ".....", "....."}); },
         "level02.xml: no picture cell"},
        {"a cell short",
         [&](const fs::path& root) { fReplaceText(root / pack0 / "level03.xml", "<cell type=\"101\"/>", ""); },
         "level03.xml: 24 cells for a grid of 5 x 5"},
        {"truncated level",
         [&](const fs::path& root) { fWriteText(root / pack0 / "level04.xml", "<?xml version=\"1.0\"?>\n<level><settings"); },
         "level04.xml: not XML"},
        {"missing level",
         [&](const fs::path& root) { fs::remove(root / pack0 / "level05.xml"); },
         "data/share/levels/pack0 level05.xml: missing"},
        {"level no one names",
         [&](const fs::path& root) { fs::copy_file(root / pack0 / "level00.xml", root / pack0 / "level99.xml"); },
         "level99.xml: a level file that player.xml does not name"},
        {"lacks a sprite",
         [&](const fs::path& root) {
             fReplaceText(root / pack0 / "level06.xml", "<FILE>data/share/image/level selection_no_48.png</FILE>", "");
         },
         "level06.xml: the \"selection_no\" sprite names no file"},
        {"too large for the screen",
         [&](const fs::path& root) { fReplaceText(root / LEVELS / "pack3/level15.xml", "elSize=\"27 27\"", "elSize=\"40 40\""); },
         "pack3 level15.xml: the grid"},
        {"part blocks",
         [&](const fs::path& root) { fReplaceText(root / pack0 / "level07.xml", "block=\"4 6\"", "block=\"5 5\""); },
         "level07.xml: the grid is not made of whole blocks"},
        {"clues wider than their panel",
         [&](const fs::path& root) {
             fWriteText(root / "data/share/main/GameProcess numbers.xml",
                    "<numbers><numbersLeft interval=\"30\" shift_first=\"10 0\"/>"
                    "<numbersUp interval=\"18\" shift_first=\"0 10\"/></numbers>");
         },
         "pack3 level02.xml: a row of 7 clues reaches past the clue panel"},
        {"clue panels deeper than the room left",
         [&](const fs::path& root) {
             fWriteText(root / "data/share/main/GameProcess ambient.xml",
                    "<ambient><left_ear size=\"240\"/><up_ear size=\"160\"/></ambient>");
         },
         "pack3 level15.xml: the grid"},
        {"level id skipped",
         [&](const fs::path& root) { fReplaceText(root / OTHER / "player.xml", "<level id=\"3\"", "<level id=\"4\""); },
         "player.xml: pack 0 level 3 has id 4"},
        {"pack id skipped",
         [&](const fs::path& root) { fReplaceText(root / OTHER / "packs_description.xml", "<pack id=\"2\"", "<pack id=\"3\""); },
         "packs_description.xml: pack 2 has id 3"},
        {"first level locked",
         [&](const fs::path& root) {
             fReplaceText(root / OTHER / "player.xml", "<level id=\"0\" stars=\"0\" lock=\"false\"",
                      "<level id=\"0\" stars=\"0\" lock=\"true\"");
         },
         "player.xml: pack 0 level 0 is locked"},
        {"no mistakes allowed",
         [&](const fs::path& root) {
             fReplaceText(root / OTHER / "player.xml", "name=\"errors\" count=\"5\"", "name=\"errors\" count=\"0\"");
         },
         "player.xml: the \"errors\" item must allow at least one mistake"},
    };
    for (const CASE& c : cases)
    {
        const fs::path root = fCopyLevelData(c.name);
        c.spoil(root);
        GG_LEVEL_DATA_CHECK check(root.string());
        EXPECT_FALSE(check.fRun()) << c.name;
        const std::string problems = fJoinLines(check.fGetProblems());
        EXPECT_NE(std::string::npos, problems.find(c.problem)) << c.name << ":\n" << problems;
    }

    // The copy itself, unspoilt, passes: each case fails for its own reason only.
    GG_LEVEL_DATA_CHECK clean(fCopyLevelData("unspoilt").string());
    EXPECT_TRUE(clean.fRun()) << fJoinLines(clean.fGetProblems());
}

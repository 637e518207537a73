#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "support/ZT_TEXT_FILES.h"
#include "tools/levelcheck/GG_DATA_CHECK.h"

using namespace game;
namespace fs = std::filesystem;
using namespace ZT_TEST;

namespace
{
const std::string RESOURCES = std::string(ZOR_SOURCE_DIR) + "/Resources";
const std::string OTHER = "data/share/main/other";
const std::string WINDOWS = "data/share/windows";

// The problems of a run, one per line.
std::string fProblems(const GG_DATA_CHECK& check)
{
    return fJoinLines(check.fGetProblems());
}

// A whole copy of Resources, for a case to spoil.
fs::path fCopyResources(const std::string& name)
{
    const fs::path root = fs::current_path() / "spoilt" / name / "Resources";
    fs::remove_all(root);
    fs::create_directories(root.parent_path());
    fs::copy(RESOURCES, root, fs::copy_options::recursive);
    return root;
}
}

TEST(DataCheck, ShippedDataReadsAndEveryNameResolves)
{
    GG_DATA_CHECK check(RESOURCES);
    EXPECT_TRUE(check.fRun()) << fProblems(check);
    for (const std::string& note : check.fGetNotes())
        std::printf("note: %s\n", note.c_str());
    // The check reached what the game reads: the windows, their texts, every level.
    EXPECT_GE(check.fGetWindowCount(), 5);
    EXPECT_TRUE(check.fHasWindow("Fade_Transition"));
    EXPECT_TRUE(check.fHasSound("click"));
    EXPECT_TRUE(check.fHasText("window_title"));
    EXPECT_GE(check.fGetKeyCount(), 10);
    EXPECT_GE(check.fGetPackCount(), 4);
    EXPECT_GE(check.fGetLevelCount(), 60);
    EXPECT_GE(check.fGetFileCount(), 100);
}

TEST(DataCheck, CommandLineChecksTheFolderAndAnswersByItsVerdict)
{
    const std::string tool = std::string(ZOR_BINARY_DIR) + "/tools/levelcheck/level_check";
    const fs::path broken = fCopyResources("command line");
    fs::remove(broken / WINDOWS / "Title.xml");
    const std::string log = (fs::current_path() / "level_check.log").string();
    const int good = std::system((tool + " --data '" + RESOURCES + "' > '" + log + "' 2>&1").c_str());
    const std::string goodLog = fReadText(log);
    const int bad = std::system((tool + " --data '" + broken.string() + "' > '" + log + "' 2>&1").c_str());
    const std::string badLog = fReadText(log);
    // The shipped data holds only notes and the summary.
    std::istringstream lines(goodLog);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_TRUE(line.compare(0, 6, "note: ") == 0 || line.find(" levels: every file reads") != std::string::npos) << line;
    EXPECT_EQ(0, WEXITSTATUS(good)) << goodLog;
    EXPECT_EQ(1, WEXITSTATUS(bad)) << badLog;
    EXPECT_NE(std::string::npos, badLog.find("\"data/share/windows Title.xml\", which is not in the data")) << badLog;
}

TEST(DataCheck, PlayersCommandReadsASaveAsTheGameDoesAndLeavesAnUnreadableOneInPlace)
{
    const std::string tool = std::string(ZOR_BINARY_DIR) + "/tools/levelcheck/level_check";
    const fs::path saved = fs::path(ZOR_SOURCE_DIR) / "tests/data/game/saved_player";
    const std::string whole = fReadText(saved / "players.save");
    ASSERT_GT(whole.size(), 100u);
    struct CASE
    {
        const char* name;
        std::string bytes;  // none: no players.save at all
        bool present;
        int status;
        const char* said;
    };
    const CASE cases[] = {
        {"saved by the game", whole, true, 0, "1 players (Walker), current Walker: reads"},
        {"cut short", whole.substr(0, whole.size() / 2), true, 1, "unreadable"},
        {"empty", "", true, 1, "unreadable"},
        {"missing", "", false, 2, "missing"},
    };
    for (const CASE& c : cases)
    {
        const fs::path folder = fs::current_path() / "players" / c.name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        if (c.present)
            std::ofstream(folder / "players.save", std::ios::binary) << c.bytes;
        const std::string log = (fs::current_path() / "players.log").string();
        const int status = std::system((tool + " --players '" + folder.string() + "' > '" + log + "' 2>/dev/null").c_str());
        EXPECT_EQ(c.status, WEXITSTATUS(status)) << c.name;
        EXPECT_NE(std::string::npos, fReadText(log).find(c.said)) << c.name << ": " << fReadText(log);
        // The check reads a copy: the file stays as it was, none is moved aside.
        int files = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            files += entry.path().filename() == "players.save" ? 1 : 100;
        EXPECT_EQ(c.present ? 1 : 0, files) << c.name;
        if (c.present)
        {
            EXPECT_EQ(c.bytes, fReadText(folder / "players.save")) << c.name;
        }
    }
}

TEST(DataCheck, BrokenCopiesAreRefusedWithTheFileAndPlaceNamed)
{
    struct CASE
    {
        const char* name;
        std::function<void(const fs::path&)> spoil;
        const char* problem;
    };
    const CASE cases[] = {
        // What the files name must be there and read as what it is.
        {"missing sprite file", [](const fs::path& r) { fs::remove(r / "data/share/image/screens/win_title_logo.png"); },
         "Title.xml: <IMAGE ID=\"10\"> TEXTURE: \"data/share/image/screens win_title_logo.png\" is not in the data"},
        {"missing level sprite", [](const fs::path& r) { fs::remove(r / "data/share/image/level/selection_no_48.png"); },
         "level00.xml: <FILE>: \"data/share/image/level selection_no_48.png\" is not in the data"},
        {"missing picture of the level screen", [](const fs::path& r) { fs::remove(r / "data/share/image/level/clue_cross.png"); },
         "GameProcess numbers.xml: <FILE>: \"data/share/image/level clue_cross.png\" is not in the data"},
        {"truncated file of the level screen",
         [](const fs::path& r) { fWriteText(r / "data/share/main/GameProcess ambient.xml", "<ambient><left_ear"); },
         "GameProcess ambient.xml: not XML"},
        {"picture that is no picture", [](const fs::path& r) { fWriteText(r / "data/share/image/screens/win_dialog_ul.png", "PNG?"); },
         "data/share/image/screens win_dialog_ul.png: no picture the game can read"},
        {"sound that is no Ogg", [](const fs::path& r) { fWriteText(r / "data/share/sound/click.ogg", "OggS"); },
         "data/share/sound click.ogg: no Ogg Vorbis sound"},
        {"name with two blanks",
         [](const fs::path& r) {
             fReplaceText(r / WINDOWS / "Title.xml", "data/share/image/screens win_title_logo.png",
                      "data/share/image/screens win title_logo.png");
         },
         "more than one blank"},
        {"splash that is not there", [](const fs::path& r) { fs::remove(r / "data/splash/studio.png"); },
         "screen_loading.xml: the splash picture \"data/splash/studio.png\" is no file"},
        {"truncated window", [](const fs::path& r) { fWriteText(r / WINDOWS / "Title.xml", "<window _name=\"Title\""); },
         "data/share/windows Title.xml: not XML"},
        {"window file missing", [](const fs::path& r) { fs::remove(r / WINDOWS / "Confirm_Exit.xml"); },
         "scenes.xml names \"data/share/windows Confirm_Exit.xml\", which is not in the data"},
        {"window type the game cannot make",
         [](const fs::path& r) { fReplaceText(r / WINDOWS / "Title.xml", "_type=\"GG_WINDOW_TITLE\"", "_type=\"GG_WINDOW_TITEL\""); },
         "the window \"Title\" has the type \"GG_WINDOW_TITEL\", which the game cannot make"},
        {"two windows of one name",
         [](const fs::path& r) { fReplaceText(r / WINDOWS / "Confirm_Exit.xml", "_name=\"Confirm_Exit\"", "_name=\"Title\""); },
         "a second window named \"Title\""},
        {"widget the loader cannot build",
         [](const fs::path& r) { fReplaceText(r / WINDOWS / "Confirm_Exit.xml", "<WLABEL ID=\"2\" FONT=", "<WLABEL ID=\"2\" FONTS="); },
         "Confirm_Exit.xml: <WLABEL ID=\"2\"> builds no widget: a required attribute is missing"},
        // Every text shown has an English text its font can draw.
        {"missing string key",
         [](const fs::path& r) {
             fReplaceText(r / "data/en/strings.xml", "<Data ss:Type=\"String\">button_play</Data>",
                      "<Data ss:Type=\"String\">button_plays</Data>");
         },
         "Title.xml: <WLABEL ID=\"101\"> TEXT: the text key \"button_play\" has no English text"},
        {"pack title without text",
         [](const fs::path& r) { fReplaceText(r / OTHER / "packs_description.xml", "key=\"pack_title_2\"", "key=\"pack_title_9\""); },
         "packs_description.xml: <pack id=\"2\"> key: the text key \"pack_title_9\" has no English text"},
        {"label without a key", [](const fs::path& r) { fReplaceText(r / WINDOWS / "Title.xml", "TEXT=\"button_exit\"", "TEXT=\"\""); },
         "Title.xml: <WLABEL ID=\"103\"> TEXT: no text key: the game shows \"etwas\""},
        {"key twice in the strings",
         [](const fs::path& r) {
             fReplaceText(r / "data/en/strings.xml", "<Data ss:Type=\"String\">button_no</Data>",
                      "<Data ss:Type=\"String\">button_yes</Data>");
         },
         "strings.xml: the key \"button_yes\" is there twice"},
        {"a character the font lacks",
         [](const fs::path& r) {
             fReplaceText(r / "data/en/strings.xml", "<Data ss:Type=\"String\">Play</Data>",
                      "<Data ss:Type=\"String\">Play \xe2\x98\x83</Data>");
         },
         "the text of \"button_play\" holds U+2603, which the font \"data/share/font button.xml\" lacks"},
        {"strings outside the language folder", [](const fs::path& r) { fs::copy_file(r / "data/en/strings.xml", r / "strings.xml"); },
         "strings.xml is found outside the language folder"},
        // Sound and font names are those of the sound bank and the font list.
        {"sound name not in the bank",
         [](const fs::path& r) { fReplaceText(r / WINDOWS / "Title.xml", "<item id=\"1\" sound=\"click\"/>", "<item id=\"1\" sound=\"clack\"/>"); },
         "Title.xml: <item id=\"1\">: the sound \"clack\" is not in the group \"sounds\""},
        {"no music group",
         [](const fs::path& r) { fReplaceText(r / OTHER / "sound.xml", "<group name=\"music\">", "<group name=\"musik\">"); },
         "sound.xml: no group \"music\", which the game loads"},
        {"font name not in the list",
         [](const fs::path& r) { fReplaceText(r / WINDOWS / "Title_Top.xml", "fntName=\"header\"", "fntName=\"headline\""); },
         "Title_Top.xml: <font_big> fntName: the font \"headline\" is not in fonts.xml"},
        {"font texture too small for its glyphs",
         [](const fs::path& r) { fs::copy_file(r / "data/share/font/small.png", r / "data/share/font/header.png", fs::copy_options::overwrite_existing); },
         "data/share/font header.xml: the glyph of"},
        // The configuration the game starts from.
        {"no language", [](const fs::path& r) { fReplaceText(r / "game.xml", "<lang value=\"en\"/>", ""); },
         "game.xml: no <lang value=...>"},
        {"edition lacks a child", [](const fs::path& r) { fReplaceText(r / OTHER / "editions.xml", "<ad file=\"\"/>", ""); },
         "editions.xml: the edition \"pc\" lacks one of its required children"},
        {"location not there",
         [](const fs::path& r) { fReplaceText(r / OTHER / "resource_list.xml", "<location value=\"data/share/font\"/>", "<location value=\"data/share/fonts\"/>"); },
         "resource_list.xml: the location \"data/share/fonts\" is missing or empty"},
        {"pack folder not mounted",
         [](const fs::path& r) { fReplaceText(r / OTHER / "resource_list.xml", "<location value=\"data/share/levels/pack2\"/>", ""); },
         "the pack path \"data/share/levels/pack2\" is no mounted group"},
        {"store sells what no player holds",
         [](const fs::path& r) { fReplaceText(r / OTHER / "store.xml", "<item name=\"refill_hint\"", "<item name=\"refill_hints\""); },
         "sells \"refill_hints\", which is no item a player holds"},
        // The level data, as the level check sees it.
        {"level with two solutions",
         [](const fs::path& r) {
             std::string text = fReadText(r / "data/share/levels/pack0/level00.xml");
             const size_t from = text.find("<gElements>") + 11;
             const size_t to = text.find("</gElements>");
             std::string cells = "\n";
             for (int i = 0; i < 25; ++i)
                 cells += i == 0 || i == 6 ? "<cell type=\"100\"/>" : "<cell type=\"101\"/>";
             fWriteText(r / "data/share/levels/pack0/level00.xml", text.replace(from, to - from, cells + "\n"));
         },
         "data/share/levels/pack0 level00.xml: needs guessing: two or more solutions"},
        {"level id skipped", [](const fs::path& r) { fReplaceText(r / OTHER / "player.xml", "<level id=\"3\"", "<level id=\"4\""); },
         "player.xml: pack 0 level 3 has id 4"},
        {"pack that could never open",
         [](const fs::path& r) { fReplaceText(r / OTHER / "packs_description.xml", "stars2pass=\"72\"", "stars2pass=\"145\""); },
         "packs_description.xml: pack 3 asks for 145 stars, but the packs before it give at most 144: it could never open"},
        {"pack id skipped",
         [](const fs::path& r) { fReplaceText(r / OTHER / "packs_description.xml", "<pack id=\"1\"", "<pack id=\"2\""); },
         "packs_description.xml: pack 1 has id 2"},
    };
    for (const CASE& c : cases)
    {
        const fs::path root = fCopyResources(c.name);
        c.spoil(root);
        GG_DATA_CHECK check(root.string());
        EXPECT_FALSE(check.fRun()) << c.name;
        std::string problems;
        for (const std::string& problem : check.fGetProblems())
            problems += problem + "\n";
        EXPECT_NE(std::string::npos, problems.find(c.problem)) << c.name << ":\n" << problems;
        fs::remove_all(root.parent_path());
    }

    // The copy itself, unspoilt, passes: each case fails for its own reason.
    const fs::path clean = fCopyResources("unspoilt");
    GG_DATA_CHECK check(clean.string());
    EXPECT_TRUE(check.fRun()) << fProblems(check);
}

TEST(DataCheck, NamesTheCodeUsesAndTheDataLacksAreNoted)
{
    const fs::path sources = fs::current_path() / "sources";
    fs::remove_all(sources);
    fs::create_directories(sources / "game/shell");
    fs::create_directories(sources / "framework");
    fWriteText(sources / "game/shell/gScreen.cpp",
           "void f() {\n"
           "    windows->fShowWindow(\"Title\", false);\n"
           "    windows->fShowWindow(\"Shop_Window\", false);\n"
           "    game->fPlaySound(\"click\");\n"
           "    const char* sound = picture ? \"fulltileclick\" : \"errorclick\";\n"
           "    sounds->fPlaySound(\"sounds\", \"fanfare\");\n"
           "    strings->fGetText(\"window_title\");\n"
           "    strings->fGetWideText(\"label_missing\");\n"
           "}\n");
    GG_DATA_CHECK check(RESOURCES);
    check.fRun();
    const size_t before = check.fGetNotes().size();
    check.fCheckCodeNames(sources.string());
    std::string notes;
    for (size_t i = before; i < check.fGetNotes().size(); ++i)
        notes += check.fGetNotes()[i] + "\n";
    const std::string lacks = "game/shell/gScreen.cpp names the window \"Shop_Window\", which the data lacks\n"
                              "game/shell/gScreen.cpp names the sound \"fanfare\", which the data lacks\n"
                              "game/shell/gScreen.cpp names the text key \"label_missing\", which the data lacks\n";
    EXPECT_EQ(lacks, notes.substr(0, lacks.size()));
    // The bank's sounds that these sources and the data never play are told; those played not.
    EXPECT_NE(std::string::npos, notes.find("sound.xml: the sound \"levelwin\" is played by no code and no file")) << notes;
    for (const char* played : {"\"click\"", "\"fulltileclick\"", "\"errorclick\""})
        EXPECT_EQ(std::string::npos, notes.find(std::string("sound ") + played)) << played << "\n" << notes;
}

// The soak's guards (tools/soak.py), each shown to fire: a stand-in for the game, a shell
// script in a build folder of its own, ends the way a broken game ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/ZT_TEXT_FILES.h"

namespace fs = std::filesystem;
using ZT_TEST::fReadText;

namespace
{
// A build folder whose "nonogram" does what the case says and whose level_check is the real one.
fs::path fFakeBuild(const std::string& name, const std::string& body)
{
    const fs::path build = fs::current_path() / "fake" / name;
    fs::remove_all(build);
    fs::create_directories(build / "tools/levelcheck");
    fs::create_symlink(fs::path(ZOR_BINARY_DIR) / "tools/levelcheck/level_check", build / "tools/levelcheck/level_check");
    std::ofstream(build / "nonogram") << "#!/bin/sh\nsaves=\"$XDG_DATA_HOME/QuietInk/Nonogram\"\n" << body << "\n";
    fs::permissions(build / "nonogram", fs::perms::owner_all, fs::perm_options::add);
    return build;
}

int fSoak(const fs::path& build, std::string* output, const std::string& settings = "", int seconds = 3)
{
    const fs::path log = build / "soak.log";
    const std::string command = settings + " python3 '" + std::string(ZOR_SOURCE_DIR) + "/tools/soak.py' --seconds " +
                                std::to_string(seconds) + " --seed 5 --build '" + build.string() + "' > '" +
                                log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    *output = fReadText(log);
    return WEXITSTATUS(status);
}
}

TEST(Soak, AGameThatLeavesAndClosesCleanlyPassesAndIsStartedAgain)
{
    // Leaves at once through its own Exit, time after time; the last run is asked to close.
    const fs::path build = fFakeBuild("clean", "trap 'exit 0' TERM; sleep 0.5 & wait $!");
    std::string output;
    EXPECT_EQ(0, fSoak(build, &output)) << output;
    EXPECT_NE(std::string::npos, output.find("run 2: ")) << output;
    EXPECT_EQ(std::string::npos, output.find(" 0 restarts")) << output;
    EXPECT_NE(std::string::npos, output.find("seed 5: PASS")) << output;
    EXPECT_NE(std::string::npos, output.find("1 players (Walker)")) << output;
}

TEST(Soak, EachGuardFailsTheRunAndSaysWhich)
{
    struct CASE
    {
        const char* name;
        const char* body;
        const char* said;
    };
    const CASE cases[] = {
        {"status", "sleep 0.3; exit 3", "FAIL (exit status): the game ended with status 3"},
        {"crash", "sleep 0.3; kill -SEGV $$", "FAIL (crash): the game died of signal 11"},
        {"sanitizer", "echo 'GG_PROCESS.cpp:10:5: runtime error: signed integer overflow' >&2; sleep 0.3",
         "FAIL (sanitizer)"},
        {"save", "sleep 0.3; printf 'not a save' > \"$saves/players.save\"", "FAIL (save): players.save after run 1"},
        {"moved aside", "sleep 0.3; mv \"$saves/players.save\" \"$saves/players.save.damaged-1\"", "moved it aside"},
    };
    for (const CASE& c : cases)
    {
        std::string output;
        EXPECT_EQ(1, fSoak(fFakeBuild(c.name, c.body), &output)) << c.name << "\n" << output;
        EXPECT_NE(std::string::npos, output.find(c.said)) << c.name << "\n" << output;
    }
}

TEST(Soak, MemoryThatStaysFailsTheRunAndMemoryGivenBackDoesNot)
{
    // Stand-ins that take memory with python: one keeps taking it (a leak), one holds 40 MiB for
    // a while and gives it back (a large level left again). Settling takes 1 s here, not 30.
    const std::string game = "exec python3 -c \"import signal, sys, time\n"
                             "signal.signal(signal.SIGTERM, lambda *a: sys.exit(0))\n"
                             "kept = []\n"
                             "start = time.monotonic()\n"
                             "while True:\n"
                             "    t = time.monotonic() - start\n";
    const struct
    {
        const char* name;
        const char* taking;
        int status;
        const char* said;
    } cases[] = {
        {"leak", "    kept.append(bytearray(b'x') * (2 << 20))\n", 1, "FAIL (memory): run 1 kept"},
        {"given back", "    kept = [bytearray(b'x') * (40 << 20)] if 1.5 < t < 3 else []\n", 0, "PASS"},
    };
    for (const auto& c : cases)
    {
        std::string output;
        const fs::path build = fFakeBuild(c.name, game + c.taking + "    time.sleep(0.2)\n\"");
        EXPECT_EQ(c.status, fSoak(build, &output, "ZOR_SOAK_SETTLE_SECONDS=1", 6)) << c.name << "\n" << output;
        EXPECT_NE(std::string::npos, output.find(c.said)) << c.name << "\n" << output;
    }
}

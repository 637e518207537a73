// Any bytes as players.save: read by the player list from a folder of its own (a file that
// no layout reads is moved aside, so the folder is emptied after every input). A list that
// was read is saved and read again, and must come back the same to the byte.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ZT_FUZZ_FILES.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/puzzle/gPlayers.h"

using namespace game;
namespace fs = std::filesystem;

namespace
{
// Where the input is read from, and where a list read is saved to; removed when the program ends.
struct ZT_FOLDERS
{
    const std::string read = ZT_FUZZ::fScratchPath("players_read") + "/";
    const std::string again = ZT_FUZZ::fScratchPath("players_again") + "/";
    ~ZT_FOLDERS()
    {
        std::error_code failure;
        fs::remove_all(read, failure);
        fs::remove_all(again, failure);
    }
};

const ZT_FOLDERS& fFolders()
{
    static const ZT_FOLDERS folders;
    return folders;
}

void fEmpty(const std::string& folder)
{
    std::error_code failure;
    fs::remove_all(folder, failure);
    fs::create_directories(folder, failure);
}

std::string fRead(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& read = fFolders().read;
    const std::string& again = fFolders().again;
    fEmpty(read);
    fEmpty(again);
    if (!ZT_FUZZ::fPutScratch(read + "players.save", data, size))
        return 0;

    // The shell's settings pick the layout tried first; every layout is tried after it.
    const uint8_t pick = size ? data[size / 2] : 0;
    GG_PLAYER_SHELL& shell = fGetPlayerShell();
    shell.saveVersion = pick & 1 ? SAVE_VERSION_CURRENT : SAVE_VERSION_OLD;
    shell.inApp = (pick & 2) != 0;

    gPlayers players;
    if (players.fLoad(read))
    {
        const std::string bytes = players.fGetSaveBytes(fGetWriteLayout());
        if (!players.fSave(again) || fRead(again + "players.save") != bytes)
            __builtin_trap();
        gPlayers reread;
        shell.saveVersion = SAVE_VERSION_CURRENT;
        if (!reread.fLoad(again) || reread.fGetCount() != players.fGetCount() ||
            reread.fGetSaveBytes(fGetWriteLayout()) != bytes)
            __builtin_trap();
        const GG_PLAYER* current = players.fGetCurrentPlayer();
        const GG_PLAYER* currentAgain = reread.fGetCurrentPlayer();
        if ((current == nullptr) != (currentAgain == nullptr) ||
            (current && current->fGetName() != currentAgain->fGetName()))
            __builtin_trap();
    }
    else if (fs::exists(read + "players.save"))
    {
        // Unread, it is moved aside, never left in the way of the next save.
        __builtin_trap();
    }
    return 0;
}

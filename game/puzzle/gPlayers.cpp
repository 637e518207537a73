#include "game/puzzle/gPlayers.h"

#include <cstdio>

#include "engine/files/ZC_BINARY_STREAM.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/platform/ZC_PLATFORM_FILES.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

using ZOR::ZC_BINARY_STREAM;

namespace game
{
namespace
{
const char* const SAVE_FILE = "players.save";
const char* const DAMAGED_SUFFIX = ".damaged-";
const char END_BYTE = '\n';
// Far beyond any real list; a larger file is not read into memory.
const uint64_t MAX_SAVE_SIZE = 64u << 20;

// How a layout read the file: not at all, up to an end byte that more bytes follow (what a
// writer that did not cut the file leaves), or exactly up to the end byte that ends the file.
enum ZE_READ
{
    READ_FAILED,
    READ_WITH_TAIL,
    READ_EXACT,
};

struct ZS_READ_LIST
{
    std::string currentName;
    std::vector<std::unique_ptr<GG_PLAYER>> players;
};

ZE_READ fReadList(const std::string& bytes, const GG_SAVE_LAYOUT& layout, ZS_READ_LIST& list)
{
    ZC_BINARY_STREAM stream;
    stream.fOpenBytes(bytes);
    uint8_t hasCurrent = 0;
    stream.fReadRaw(&hasCurrent, 1);
    if (hasCurrent == 1)
        stream.fReadString(list.currentName);
    uint32_t count = 0;
    stream.fReadUInt(&count);
    // A damaged count ends at the end of the bytes, one record at a time.
    for (uint32_t i = 0; i < count && !stream.fHasFailed(); ++i)
    {
        auto player = std::make_unique<GG_PLAYER>();
        if (!player->fLoadBinary(&stream, layout))
            return READ_FAILED;
        list.players.push_back(std::move(player));
    }
    char end = 0;
    stream.fReadRaw(&end, 1);
    if (stream.fHasFailed() || end != END_BYTE)
        return READ_FAILED;
    return stream.fCountBytesLeft() == 0 ? READ_EXACT : READ_WITH_TAIL;
}
}

bool gPlayers::fAddPlayer(GG_PLAYER* player)
{
    if (!player || fFindPlayer(player->fGetName()))
        return false;
    players.emplace_back(player);
    if (players.size() == 1)
        current = player;
    return true;
}

bool gPlayers::fRemovePlayer(const std::wstring& name)
{
    for (auto it = players.begin(); it != players.end(); ++it)
    {
        if ((*it)->fGetName() != name)
            continue;
        if (current == it->get())
            current = nullptr;
        players.erase(it);
        return true;
    }
    return false;
}

bool gPlayers::fSelectPlayer(const GG_PLAYER* player)
{
    return player && fSelectPlayerByName(player->fGetName());
}

bool gPlayers::fSelectPlayerByName(const std::wstring& name)
{
    GG_PLAYER* found = fFindPlayer(name);
    if (!found)
        return false;
    current = found;
    return true;
}

GG_PLAYER* gPlayers::fFindPlayer(const std::wstring& name) const
{
    for (const auto& player : players)
        if (player->fGetName() == name)
            return player.get();
    return nullptr;
}

std::vector<std::wstring> gPlayers::fGetNames() const
{
    std::vector<std::wstring> names;
    names.reserve(players.size());
    for (const auto& player : players)
        names.push_back(player->fGetName());
    return names;
}

bool gPlayers::fLoad(const std::string& folder)
{
    const std::string path = folder + SAVE_FILE;
    // No file: nothing to read. A folder of that name can be neither read nor replaced.
    if (ZOR::fGetPathKind(path.c_str()) != 1)
        return false;

    std::string bytes;
    if (ZOR::fPlatformReadFile(path.c_str(), bytes, MAX_SAVE_SIZE))
    {
        // The expected layout first; then the other version, as after a lost or unreadable
        // user game.xml; then the other edition's pack records.
        const GG_SAVE_LAYOUT expected = fGetExpectedLayout();
        const GG_SAVE_LAYOUT layouts[4] = {expected,
                                           {!expected.maxScore, expected.inApp},
                                           {expected.maxScore, !expected.inApp},
                                           {!expected.maxScore, !expected.inApp}};
        ZS_READ_LIST lists[4];
        ZE_READ results[4];
        for (int i = 0; i < 4; ++i)
            results[i] = fReadList(bytes, layouts[i], lists[i]);
        // A wrong layout that happens to meet a 10 where an end byte belongs rarely ends on
        // the file's last byte as well, so a layout that does is taken first.
        int found = -1;
        for (const ZE_READ wanted : {READ_EXACT, READ_WITH_TAIL})
            for (int i = 0; i < 4 && found < 0; ++i)
                if (results[i] == wanted)
                    found = i;
        if (found >= 0)
        {
            ZS_READ_LIST& chosen = lists[found];
            // The first of two equal names wins; the refused one is dropped.
            for (auto& player : chosen.players)
                if (fAddPlayer(player.get()))
                    player.release();
            // The saved name as a wide string: bytes that convert to nothing name nobody.
            const std::wstring currentName = pugi::as_wide(chosen.currentName);
            if (!currentName.empty())
                fSelectPlayerByName(currentName);
            if (blockedPath == path)
                blockedPath.clear();
            return true;
        }
    }
    fMoveAside(path, true);
    return false;
}

bool gPlayers::fMoveAside(const std::string& path, bool report)
{
    // A rename, not a copy: nothing can come out short, and a name already taken (an
    // earlier damaged file) is never replaced.
    const std::string stem = path + DAMAGED_SUFFIX + std::to_string(static_cast<long long>(ZOR::fGetUnixTime()));
    for (int n = 1; n <= 1000; ++n)
    {
        const std::string aside = n == 1 ? stem : stem + "-" + std::to_string(n);
        const int moved = ZOR::fPlatformMoveFileNoReplace(path.c_str(), aside.c_str());
        if (moved == 0)
            continue;
        if (moved < 0)
            break;
        blockedPath.clear();
        std::fprintf(stderr, "players.save could not be read; it is kept as %s\n", aside.c_str());
        return true;
    }
    if (report)
        std::fprintf(stderr,
                     "players.save could not be read nor moved aside; it is kept where it is, %s, "
                     "and the players are not saved over it\n",
                     path.c_str());
    blockedPath = path;
    return false;
}

std::string gPlayers::fGetSaveBytes(const GG_SAVE_LAYOUT& layout) const
{
    ZC_BINARY_STREAM stream;
    stream.fOpenBuffer();
    const bool hasCurrent = current != nullptr;
    stream.fWriteBool(&hasCurrent);
    if (hasCurrent)
        stream.fWriteString(current->fGetNameUtf8());
    const uint32_t count = uint32_t(players.size());
    stream.fWriteUInt(&count);
    for (const auto& player : players)
        player->fSaveBinary(&stream, layout);
    stream.fWriteEndLine();
    return stream.fGetBytes();
}

bool gPlayers::fSave(const std::string& folder)
{
    if (ZOR::fGetPathKind(folder.c_str()) == 0)
        ZOR::fCreateFolders(folder.c_str());
    const std::string path = folder + SAVE_FILE;
    // A file that could not be read is never saved over: out of the way first, or no save.
    if (path == blockedPath)
    {
        if (ZOR::fGetPathKind(path.c_str()) == 0)
            blockedPath.clear();
        else if (!fMoveAside(path, false))
            return false;
    }
    return ZOR::fPlatformWriteFileDurably(path, fGetSaveBytes(fGetWriteLayout()));
}
}

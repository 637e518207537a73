#include "game/puzzle/gPlayers.h"

#include <cstdio>

#include "engine/files/ZC_BINARY_STREAM.h"
#include "engine/files/ZC_FILE_SYSTEM.h"

using ZOR::ZC_BINARY_STREAM;

namespace game
{
namespace
{
const char* const SAVE_FILE = "players.save";
const char* const DAMAGED_SUFFIX = ".damaged";
const char* const TEMPORARY_SUFFIX = ".new";
const char END_BYTE = '\n';
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
    // No file, or a folder of that name: nothing to read, and nothing to keep aside.
    if (ZOR::fGetPathKind(path.c_str()) != 1)
        return false;
    if (fReadFile(path))
        return true;
    const std::string aside = path + DAMAGED_SUFFIX;
    std::remove(aside.c_str());
    ZOR::fCopyPath(aside.c_str(), path.c_str());
    return false;
}

bool gPlayers::fReadFile(const std::string& path)
{
    ZC_BINARY_STREAM stream;
    if (!stream.fOpen(path.c_str()))
        return false;

    bool hasCurrent = false;
    std::string currentName;
    stream.fReadBool(&hasCurrent);
    if (hasCurrent)
        stream.fReadString(currentName);
    uint32_t count = 0;
    stream.fReadUInt(&count);

    // Players are taken whole or not at all; reading stops at the first one cut short, and a
    // damaged count ends at the end of the file.
    for (uint32_t i = 0; i < count && !stream.fHasFailed(); ++i)
    {
        auto player = std::make_unique<GG_PLAYER>();
        if (!player->fLoadBinary(&stream))
            break;
        // The first of two equal names wins; the refused one is dropped.
        if (fAddPlayer(player.get()))
            player.release();
    }
    // The end byte tells a whole file from one cut just after a record.
    char end = 0;
    stream.fReadRaw(&end, 1);
    const bool whole = !stream.fHasFailed() && end == END_BYTE;
    stream.fClose();

    if (!currentName.empty())
        fSelectPlayerByName(pugi::as_wide(currentName));
    return whole;
}

bool gPlayers::fSave(const std::string& folder) const
{
    if (ZOR::fGetPathKind(folder.c_str()) == 0)
        ZOR::fCreateFolders(folder.c_str());
    const std::string path = folder + SAVE_FILE;
    const std::string fresh = path + TEMPORARY_SUFFIX;
    // The stream writes over a file without cutting it; the new file must start empty.
    std::remove(fresh.c_str());

    bool written = false;
    {
        ZC_BINARY_STREAM stream;
        if (stream.fOpen(fresh.c_str()))
        {
            const bool hasCurrent = current != nullptr;
            stream.fWriteBool(&hasCurrent);
            if (hasCurrent)
                stream.fWriteString(current->fGetNameUtf8());
            const uint32_t count = uint32_t(players.size());
            stream.fWriteUInt(&count);
            for (const auto& player : players)
                player->fSaveBinary(&stream);
            stream.fWriteEndLine();
            written = !stream.fHasFailed();
        }
    }
    // rename replaces the old file in one step: a reader sees the old save or the new one.
    if (!written || std::rename(fresh.c_str(), path.c_str()) != 0)
    {
        std::remove(fresh.c_str());
        return false;
    }
    return true;
}
}

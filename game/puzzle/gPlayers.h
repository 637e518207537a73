#pragma once
#include <memory>
#include <string>
#include <vector>

#include "game/puzzle/GG_PLAYER.h"

namespace game
{
// The players' profiles in the order they were added, no two with the same name (exact,
// case-sensitive), and the current one; read and written as one file, players.save.
class gPlayers
{
public:
    gPlayers() = default;
    gPlayers(const gPlayers&) = delete;
    gPlayers& operator=(const gPlayers&) = delete;

    // Takes the player, unless one of that name is listed (false: the caller keeps it).
    // The only player becomes current.
    bool fAddPlayer(GG_PLAYER* player);
    bool fRemovePlayer(const std::wstring& name);
    GG_PLAYER* fGetCurrentPlayer() const { return current; }
    bool fSelectPlayer(const GG_PLAYER* player);
    // False, and the current player kept, when no player has that name.
    bool fSelectPlayerByName(const std::wstring& name);
    GG_PLAYER* fFindPlayer(const std::wstring& name) const;
    int fGetCount() const { return int(players.size()); }
    std::vector<std::wstring> fGetNames() const;

    // The folder ends with "/". False when there is no file, or when it is damaged: the
    // players read completely before the damage are kept, and the file is kept aside as
    // "players.save.damaged" so that the next save cannot destroy what could not be read.
    bool fLoad(const std::string& folder);
    // Writes a new file beside the old one and puts it in its place, so that a failed save
    // leaves the previous file whole. False when the file could not be written.
    bool fSave(const std::string& folder) const;

private:
    bool fReadFile(const std::string& path);

    GG_PLAYER* current = nullptr;
    std::vector<std::unique_ptr<GG_PLAYER>> players;
};
}

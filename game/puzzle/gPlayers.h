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

    // The folder ends with "/". Reads players.save, opened for reading only, in the layout the
    // shell's settings expect or, when that one does not read the file exactly up to its end
    // byte, in any other layout that does (the save version or the edition may have changed
    // since it was written). False when there is no file or no layout reads it; the list is
    // then left as it was. A file that cannot be read is moved aside under a name of its own,
    // "players.save.damaged-<unix time>", and stderr says where; when even that fails it stays
    // where it is, and fSave will not replace it.
    bool fLoad(const std::string& folder);
    // Writes the whole list durably in the current layout: a new file beside the old one,
    // flushed to the disk, renamed over it, and the folder flushed. Needs write access to the
    // folder only. False when the file could not be written (the old one is then left byte
    // for byte) or when an unreadable players.save is still in the way.
    bool fSave(const std::string& folder);
    // The bytes of players.save for this list in that layout.
    std::string fGetSaveBytes(const GG_SAVE_LAYOUT& layout) const;

private:
    bool fMoveAside(const std::string& path, bool report);

    GG_PLAYER* current = nullptr;
    std::vector<std::unique_ptr<GG_PLAYER>> players;
    // A players.save that could be neither read nor moved aside.
    std::string blockedPath;
};
}

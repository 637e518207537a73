#pragma once
#include <map>
#include <string>

namespace ZOR_GF
{
// The game's leaderboard names and the ids an outside leaderboard service would use.
class G_LEADERBOARDS
{
public:
    // Adds every child of the document element that has "name" and "leaderboard_id"; a
    // name already present keeps its id. False when the repository has no such document.
    bool fLoad(const std::string& resource);
    // Empty for a name without an entry.
    std::string fGetLeaderboardId(const std::string& name) const;

private:
    std::map<std::string, std::string> ids;
};
}

#pragma once
#include <cstdint>

namespace ZOR
{
class ZC_LOCALIZATION;
}

namespace game
{
class GG_PACK_DESC;

// The save-format version of files that hold no best score in the statistics.
const int32_t SAVE_VERSION_OLD = 0x10000;
// The version every save is written in (the shell stores it in the user's game.xml).
const int32_t SAVE_VERSION_CURRENT = 0x10100;

// What the player model needs from the game shell. The shell fills it once it has read the
// edition and the user's game.xml, and sets the two look-ups when its singletons exist; the
// defaults are an edition without in-app purchases or pack logic by stars, an old save and no
// pack descriptions or strings.
struct GG_PLAYER_SHELL
{
    // The edition names an in-app products file: pack records carry their lock and InAppKey.
    bool inApp = false;
    // The edition's "pack_logic_stars": a win opens later packs by the player's total stars.
    bool packLogicStars = false;
    // Layout of the players.save being read (the user's game.xml "version").
    int32_t saveVersion = SAVE_VERSION_OLD;
    // The game object's pack description of that id, or null.
    const GG_PACK_DESC* (*findPackDesc)(int32_t packId) = nullptr;
    // Pack titles; without a table every title is "etwas", as for a missing key.
    const ZOR::ZC_LOCALIZATION* strings = nullptr;
};

inline GG_PLAYER_SHELL& fGetPlayerShell()
{
    static GG_PLAYER_SHELL shell;
    return shell;
}

// The shape of the player records in a players.save: whether the statistics end with the best
// score (every version but the old one) and whether pack records carry lock and InAppKey.
struct GG_SAVE_LAYOUT
{
    bool maxScore = true;
    bool inApp = false;
};

// The layout the shell's settings say a players.save is in.
inline GG_SAVE_LAYOUT fGetExpectedLayout()
{
    const GG_PLAYER_SHELL& shell = fGetPlayerShell();
    return {shell.saveVersion != SAVE_VERSION_OLD, shell.inApp};
}

// Every save is written in the current version, for the edition in use.
inline GG_SAVE_LAYOUT fGetWriteLayout()
{
    return {true, fGetPlayerShell().inApp};
}
}

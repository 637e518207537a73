#pragma once

namespace ZOR
{
class ZC_FONT_MANAGER;
class ZC_LOCALIZATION;
}

namespace game
{
// What the puzzle play needs from the game shell: the game object's sound call and its font
// and string singletons. The shell sets them once they exist; unset, no sound plays, no font
// is found and every text is "etwas", as for a missing key.
struct GG_PUZZLE_SHELL
{
    // Plays the sound of that name in the group "sounds" at once.
    void (*playSound)(const char* name) = nullptr;
    ZOR::ZC_FONT_MANAGER* fonts = nullptr;
    const ZOR::ZC_LOCALIZATION* strings = nullptr;
};

inline GG_PUZZLE_SHELL& fGetPuzzleShell()
{
    static GG_PUZZLE_SHELL shell;
    return shell;
}

inline void fPlayPuzzleSound(const char* name)
{
    if (fGetPuzzleShell().playSound)
        fGetPuzzleShell().playSound(name);
}
}

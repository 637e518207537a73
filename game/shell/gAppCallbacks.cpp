// The game's side of the engine's event slots: its main, start-up, the per-frame work, input,
// focus and shut-down. The loading phase shows the splash and loading screen; the game phase
// drives the game object.
#include "game/shell/gAppCallbacks.h"

#include <cstdint>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/G_LOADER_SCREEN.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const int kStartFailed = -112;
// Both groups' volume when the focus comes back with no player: quiet, not silent.
const float kNoPlayerVolume = 30.0f;

struct ZS_SHELL
{
    int phase = 0; // 0 loading, 1 game
    G_LOADER_SCREEN* loader = nullptr;
    GG_GAMEPLAY* levelScreen = nullptr;
    int loadingResult = 0;
};

ZS_SHELL gShell;

int fOnUpdateStep(void*);
int fOnFrame(void*);
int fOnStart(void*);
int fForwardKeyDown(void* key);
int fForwardKeyUp(void* key);
int fForwardMouseMove(void*);
int fOnShutdown(void*);
int fOnCloseRequest(void*);
int fOnFocusLost(void*);
int fOnFocusBack(void*);

ZS_CALLBACK** const kSlots[] = {&zcON_UPDATE, &zcON_DRAW, &zcON_INIT, &zcON_KEY_DOWN, &zcON_KEY_UP,
                                &zcON_MOUSE_MOVE, &zcON_END, &zcON_CLOSE, &zcON_DEACTIVATE, &zcON_ACTIVATE};
const ZF_CALLBACK kHandlers[] = {fOnUpdateStep,     fOnFrame,     fOnStart,        fForwardKeyDown, fForwardKeyUp,
                                 fForwardMouseMove, fOnShutdown, fOnCloseRequest, fOnFocusLost,    fOnFocusBack};
static_assert(sizeof(kHandlers) / sizeof(kHandlers[0]) == sizeof(kSlots) / sizeof(kSlots[0]), "one handler per slot");
ZS_CALLBACK* gRecords[sizeof(kSlots) / sizeof(kSlots[0])] = {};

const char* const kUnmountOrder[] = {"data/share/main/other", "data/share/image/gui", "data", ""};

void fFreeRecords()
{
    for (size_t i = 0; i < sizeof(kSlots) / sizeof(kSlots[0]); ++i)
    {
        if (*kSlots[i] == gRecords[i])
            *kSlots[i] = nullptr;
        delete gRecords[i];
        gRecords[i] = nullptr;
    }
}

int fLoadGame(ZC_LOADER* loader)
{
    loader->fSetProgress(10);
    gGame* game = fGetGameInstance();
    if (!game || !game->fLoad())
    {
        loader->fSetProgress(100);
        return kStartFailed;
    }
    loader->fSetProgress(40);
    // The level screen, once for the whole run, now that fonts, strings, players and packs
    // are read.
    gShell.levelScreen = new GG_GAMEPLAY;
    game->fSetGameplay(gShell.levelScreen);
    if (!game->fLoadMainWindows())
    {
        loader->fSetProgress(100);
        return kStartFailed;
    }
    loader->fSetProgress(70);
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fRefreshAll();
    // What the windows read to build themselves (font descriptors above all) is not kept once
    // nothing holds it.
    if (zcREPOSITORY)
        zcREPOSITORY->fCollect();
    if (fIsMobilePlatform())
        game->fShowPacksScene();
    else
        game->fShowTitleScene();
    loader->fSetProgress(100);
    return 1;
}

void fOnLoadingFinished()
{
    gGame* game = fGetGameInstance();
    const gPlayers* players = fGetPlayers();
    if (game)
    {
        game->fSetPlayer(players ? players->fGetCurrentPlayer() : nullptr);
        game->fPlayMusicList();
    }
    const ZC_LOCALIZATION* strings = fGetStrings();
    if (zcGAME_WINDOW && strings)
        zcGAME_WINDOW->fSetTitle(strings->fGetText("window_title"));
}

// Everything fOnStart set up, taken down again; shared by the end of a run and a failed start.
void fReleaseGame(bool save)
{
    if (save)
        fDestroyGameSingletons();
    else
        fDeleteGameSingletons();
    delete gShell.loader;
    gShell.loader = nullptr;
    delete gShell.levelScreen;
    gShell.levelScreen = nullptr;
    if (zcREPOSITORY)
        zcREPOSITORY->fCollect();
    fUnmountResourceList();
    if (zcREPOSITORY)
        for (const char* group : kUnmountOrder)
            zcREPOSITORY->fUnregister(group);
}

int fOnUpdateStep(void*)
{
    return 1;
}

int fOnStart(void*)
{
    fClearStartFailure();
    gShell = ZS_SHELL();
    zcGAME->fSetUpdateRate(60);
    zcGAME->fSetRenderRate(60);
    // One slow frame must not throw every animation forward.
    if (zcGAME_TIMER)
        zcGAME_TIMER->cap = 1.0f / 30.0f;

    zcREPOSITORY->fRegister("", "");
    zcREPOSITORY->fRegister("data", "");
    zcREPOSITORY->fRegister("data/share/main/other", ARCHIVE_PASSWORD);
    zcREPOSITORY->fRegister("data/share/image/gui", ARCHIVE_PASSWORD);
    if (!fReadGameConfig("game.xml") || !fMountResourceList("data/share/main/other resource_list.xml"))
        return kStartFailed;

    gShell.loader = new G_LOADER_SCREEN(fLoadGame);
    gShell.loader->fLoadResources();
    gShell.loadingResult = fLoadGame(gShell.loader);
    // A start whose data is incomplete ends here, before any splash: the player learns at once
    // which file is missing, and the process reports the failure.
    return gShell.loadingResult < 0 ? kStartFailed : 1;
}

int fOnFrame(void*)
{
    gGame* game = fGetGameInstance();
    if (gShell.phase == 0)
    {
        if (gShell.loader)
            gShell.loader->fUpdate();
    }
    else if (game)
    {
        game->fUpdate();
        if (ZC_SOUND_MANAGER* sounds = fGetSoundManager())
            sounds->fUpdatePlayLists();
    }

    if (gShell.phase == 0)
    {
        if (gShell.loader)
        {
            gShell.loader->fDraw();
            if (gShell.loader->fIsFinished())
            {
                if (gShell.loadingResult < 0 && zcGAME)
                    zcGAME->running = false;
                fOnLoadingFinished();
                gShell.phase = 1;
                gShell.loader->fUnloadResources();
                delete gShell.loader;
                gShell.loader = nullptr;
            }
        }
    }
    else if (game)
    {
        game->fDraw();
    }
    fDrawEars();
    return 1;
}

int fForwardKeyDown(void* key)
{
    const int code = int(reinterpret_cast<intptr_t>(key));
    if (gShell.phase == 0)
    {
        if (gShell.loader)
            gShell.loader->fSkipSplash();
    }
    else if (gGame* game = fGetGameInstance())
    {
        game->fOnKeyDown(code);
    }
    return 1;
}

int fForwardKeyUp(void* key)
{
    if (gShell.phase == 1)
        if (gGame* game = fGetGameInstance())
            game->fOnKeyUp(int(reinterpret_cast<intptr_t>(key)));
    return 1;
}

int fForwardMouseMove(void*)
{
    if (gShell.phase == 1)
        if (gGame* game = fGetGameInstance())
            game->fOnMouseMove();
    return 1;
}

int fOnCloseRequest(void*)
{
    if (zcGAME)
        zcGAME->running = false;
    return 1;
}

int fOnFocusLost(void*)
{
    if (gShell.phase == 0)
        return 1;
    if (ZC_SOUND_MANAGER* sounds = fGetSoundManager())
    {
        sounds->fSetGroupVolume("music", 0.0f);
        sounds->fSetGroupVolume("sounds", 0.0f);
    }
    gGame* game = fGetGameInstance();
    if (!game)
        return 0;
    GG_GAMEPLAY* screen = game->fGetLevelScreen();
    // A solved level (its win sweep running) is not paused.
    if (screen && screen->started && !screen->paused && screen->fGetProgress() < 1.0f)
    {
        game->fPauseGameplay();
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fShowWindow("GP_Menu", false);
    }
    game->fSave();
    return 0;
}

int fOnFocusBack(void*)
{
    if (gShell.phase == 0)
        return 1;
    const gPlayers* players = fGetPlayers();
    GG_PLAYER* player = players ? players->fGetCurrentPlayer() : nullptr;
    ZC_SOUND_MANAGER* sounds = fGetSoundManager();
    if (player)
    {
        if (sounds)
        {
            sounds->fSetGroupVolume("music", player->fGetMusicVolume());
            sounds->fSetGroupVolume("sounds", player->fGetSoundVolume());
        }
        player->fGetHealth().fUpdateRefill();
    }
    else if (sounds)
    {
        sounds->fSetGroupVolume("music", kNoPlayerVolume);
        sounds->fSetGroupVolume("sounds", kNoPlayerVolume);
    }
    return 0;
}

int fOnShutdown(void*)
{
    fReleaseGame(true);
    // Freeing the end record while it fires is safe: firing touches it no more.
    fFreeRecords();
    zcGAME->fShutdown();
    return 1;
}
}

int fGetShellPhase()
{
    return gShell.phase;
}

G_LOADER_SCREEN* fGetLoaderScreen()
{
    return gShell.loader;
}

int fGameMain(void*)
{
    zcGAME = ZC_GAME::fGetGame();
    for (size_t i = 0; i < sizeof(kSlots) / sizeof(kSlots[0]); ++i)
    {
        // The default close record of the registration is replaced, and freed with it.
        delete *kSlots[i];
        gRecords[i] = fCreateCallback(kHandlers[i]);
        *kSlots[i] = gRecords[i];
    }
    if (zcGAME->fStart("") < 0)
    {
        const std::string reason = fGetStartFailure();
        if (!reason.empty())
        {
            fLogLine("The game could not start: " + reason);
            fShowMessageBox(zcGAME_WINDOW ? zcGAME_WINDOW->fGetHandle() : nullptr, "Error",
                            ("The game could not start.\n" + reason).c_str());
        }
        // Nothing of a half-read start is saved over the player's files.
        fReleaseGame(false);
        fFreeRecords();
        zcGAME->fShutdown();
        return -100500;
    }
    zcGAME_RENDER->clearColor = ZS_COLOR(0xFF444444u);
    zcGAME->fRun();
    return 100500;
}

namespace
{
const bool kRegistered = (fRegisterGameMain(fGameMain, "Nonogram", "QuietInk"), true);
}
}

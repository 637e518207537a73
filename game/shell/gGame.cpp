// The game object: ownership, the loading work, profiles and the orderly release.
#include "game/shell/gGame.h"

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "engine/store/ZC_INAPP.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/G_LEADERBOARDS.h"
#include "framework/G_STORE_ITEMS.h"
#include "framework/G_TROPHIES.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
// Only a store provider would ever see it, and this platform has none.
const char* const kApplicationKey = "5f0c3a9e71d24b86a0e4c2d9b7f13e6a8c5d0b42";
const char* const kSoundFile = "data/share/main/other sound.xml";
const char* const kFontsFile = "data/share/font fonts.xml";
const char* const kStringsFile = "strings.xml";
const char* const kPacksFile = "data/share/main/other packs_description.xml";
const char* const kCursorFile = "data/share/main/other gCursor.xml";

const GG_PACK_DESC* fFindPackDescForPlayers(int32_t packId)
{
    gGame* game = fGetGameInstance();
    return game ? game->fFindPackDesc(packId) : nullptr;
}

// A document the loading cannot do without; null (and the reason recorded) when it is
// missing or not readable.
pugi::xml_document* fRequireXml(const char* what, const std::string& resource)
{
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(resource.c_str()) : nullptr;
    if (!document)
        fSetStartFailure(fDescribeMissingXml(what, resource.c_str()));
    return document;
}
}

gGame::gGame()
    : windows(fGetWindowManager()),
      players(fGetPlayers()),
      fonts(fGetFonts()),
      strings(fGetStrings()),
      storeItems(fGetStoreItems())
{
    fGetPlayerShell().findPackDesc = fFindPackDescForPlayers;
    GG_PUZZLE_SHELL& puzzle = fGetPuzzleShell();
    puzzle.playSound = fPlayGameSound;
    puzzle.fonts = fonts;
    puzzle.strings = strings;
}

gGame::~gGame()
{
    for (GG_PACK_DESC* desc : packDescriptions)
        delete desc;
    packDescriptions.clear();
    if (fGetPlayerShell().findPackDesc == fFindPackDescForPlayers)
        fGetPlayerShell().findPackDesc = nullptr;
    if (fGetPuzzleShell().playSound == fPlayGameSound)
        fGetPuzzleShell() = GG_PUZZLE_SHELL();
}

bool gGame::fLoad()
{
    const GG_EDITION& edition = fGetEdition();

    // Players: a missing players.save is no error; without a save folder nothing is read.
    const std::string folder = fGetSaveFolder();
    if (players && !folder.empty())
        players->fLoad(folder);

    if (!fonts || !fonts->fLoad(kFontsFile))
    {
        fSetStartFailure(fDescribeMissingXml("The fonts list", kFontsFile));
        return false;
    }

    pugi::xml_document* document = fRequireXml("The strings", kStringsFile);
    if (!document)
        return false;
    if (strings)
        strings->fLoad(document, 0, 0);
    zcREPOSITORY->fReleaseXml(document);

    document = fRequireXml("The template player", edition.player);
    if (!document)
        return false;
    templatePlayer.fLoadXml(document->document_element());
    zcREPOSITORY->fReleaseXml(document);

    if (edition.defaultPlayer && players && players->fGetCount() == 0)
        fSetPlayer(fCreatePlayer(L"player"));

    if (fIsInAppEnabled())
    {
        // Products are optional: a missing file leaves the store without them.
        if (pugi::xml_document* products = zcREPOSITORY->fGetXml(edition.inapp.c_str()))
        {
            fGetInApp()->fLoad(products->document_element(), kApplicationKey,
                               zcGAME_WINDOW ? zcGAME_WINDOW->fGetHandle() : nullptr);
            fGetInApp()->fSetOwner(this);
            zcREPOSITORY->fReleaseXml(products);
        }
    }

    if (fIsMobilePlatform() && edition.free)
    {
        document = fRequireXml("The advertising placements", edition.ad);
        if (!document)
            return false;
        const bool loaded = adManager.fLoad(document->document_element());
        zcREPOSITORY->fReleaseXml(document);
        if (!loaded)
        {
            fSetStartFailure("The advertising placements \"" + edition.ad + "\" hold none.");
            return false;
        }
        adManager.fSetDelegate(&adDelegate);
        adManager.fShowPlacement("apple_top");
    }

    document = fRequireXml("The tutorial", edition.tutorial);
    if (!document)
        return false;
    tutorial.fLoadXml(document->child("tutorial"));
    zcREPOSITORY->fReleaseXml(document);

    document = fRequireXml("The sounds list", kSoundFile);
    if (!document)
        return false;
    if (ZC_SOUND_MANAGER* sounds = fGetSoundManager())
    {
        sounds->fLoad(document->child("sound"));
        zcREPOSITORY->fReleaseXml(document);
        sounds->fLoadGroup("music");
        sounds->fLoadGroup("sounds");
    }
    else
    {
        zcREPOSITORY->fReleaseXml(document);
    }

    document = fRequireXml("The store", edition.store);
    if (!document)
        return false;
    if (storeItems)
        storeItems->fLoad(document->document_element());
    zcREPOSITORY->fReleaseXml(document);

    G_TROPHIES* trophies = fGetTrophies();
    if (!trophies || !trophies->fLoad(edition.trophies))
    {
        fSetStartFailure(fDescribeMissingXml("The trophies", edition.trophies.c_str()));
        return false;
    }

    if (!edition.leaderboard.empty() && fGetLeaderboards())
        fGetLeaderboards()->fLoad(edition.leaderboard);

    if (!fLoadPackDescriptions())
    {
        fSetStartFailure(fDescribeMissingXml("The pack descriptions", kPacksFile));
        return false;
    }

    if (!fIsMobilePlatform() && !cursor.fLoad(kCursorFile))
    {
        fSetStartFailure(fDescribeMissingXml("The cursor", kCursorFile));
        return false;
    }

    if (!windows || !windows->fLoadScenes(edition.scenes.c_str()))
    {
        fSetStartFailure(fDescribeMissingXml("The scenes file", edition.scenes.c_str()));
        return false;
    }

    if (!fLoadPurchaseAnimation())
    {
        fSetStartFailure("data.xml lacks the purchase overlay that in-app purchases need.");
        return false;
    }
    return true;
}

bool gGame::fLoadPackDescriptions()
{
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(kPacksFile) : nullptr;
    if (!document)
        return false;
    for (pugi::xml_node child : document->document_element().children())
    {
        if (child.type() != pugi::node_element)
            continue;
        GG_PACK_DESC* desc = new GG_PACK_DESC;
        if (desc->fLoadXml(child))
            packDescriptions.push_back(desc);
        else
            delete desc;
    }
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

GG_PLAYER* gGame::fCreatePlayer(const std::wstring& name)
{
    if (!players)
        return nullptr;
    GG_PLAYER* player = new GG_PLAYER(templatePlayer);
    player->fSetName(name);
    if (!players->fAddPlayer(player))
    {
        delete player;
        return nullptr;
    }
    return player;
}

void gGame::fSetPlayer(GG_PLAYER* player)
{
    currentPlayer = player;
    if (!fIsMobilePlatform())
    {
        const bool gameCursor = !player || player->fGetGameCursor();
        if (zcGAME_WINDOW)
            zcGAME_WINDOW->fShowCursor(!gameCursor);
        cursor.fSetEnabled(gameCursor);
    }
    fApplyDisplayMode();
    const GG_PLAYER& volumes = player ? *player : templatePlayer;
    if (ZC_SOUND_MANAGER* sounds = fGetSoundManager())
    {
        sounds->fSetGroupVolume("music", volumes.fGetMusicVolume());
        sounds->fSetGroupVolume("sounds", volumes.fGetSoundVolume());
    }
    fRecomputeTrophies(player);
    if (players && player)
        players->fSelectPlayer(player);
    if (windows)
        windows->fRefreshAll();
}

void gGame::fShutdown()
{
    if (!fIsMobilePlatform())
        cursor.fUnloadTexture();
    fEndLevel();
    fUnloadGameplay();
    fUnloadMainWindows();
    if (windows)
        windows->fReleaseAllResources(true);
    if (fonts)
        fonts->fReleaseTextures();
    if (fIsInAppEnabled())
    {
        purchaseBackground.fUnloadTexture();
        purchaseAnimation.fUnloadTexture();
    }
    if (ZC_SOUND_MANAGER* sounds = fGetSoundManager())
    {
        sounds->fReleaseGroup("music");
        sounds->fReleaseGroup("sounds");
        sounds->fClearGroup("music");
        sounds->fClearGroup("sounds");
    }
    fSave();
}

void gGame::fSetGameplay(G_GAMEPLAY* screen)
{
    gameplay = screen;
}

GG_GAMEPLAY* gGame::fGetLevelScreen() const
{
    return dynamic_cast<GG_GAMEPLAY*>(gameplay);
}

int gGame::fPlaySound(const std::string& name)
{
    ZC_SOUND_MANAGER* sounds = fGetSoundManager();
    return sounds ? sounds->fPlaySound("sounds", name) : -1;
}

int gGame::fPlayMusicList()
{
    ZC_SOUND_MANAGER* sounds = fGetSoundManager();
    return sounds ? sounds->fStartPlayList("music", 2.5f) : -1;
}
}

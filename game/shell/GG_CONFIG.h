#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_SOUND_MANAGER;
class ZC_LOCALIZATION;
class ZC_FONT_MANAGER;
}

namespace ZOR_GF
{
class G_STORE_ITEMS;
class G_TROPHIES;
class G_LEADERBOARDS;
class G_WINDOW_MANAGER;
}

namespace game
{
class gPlayers;
class gGame;

// The archive password of the product's zip packages; "" and "data" are mounted without it.
extern const char* const ARCHIVE_PASSWORD;

// The edition chosen by game.xml from editions.xml: which files the game reads and which
// features exist. File names are resource names.
struct GG_EDITION
{
    int32_t platform = 0; // stored only: the platform in use comes from the engine
    std::string scenes;
    std::string store;
    std::string tutorial;
    std::string trophies;
    std::string inapp;
    std::string ad;
    std::string player;
    std::string leaderboard; // optional
    bool heart = false;
    bool packLogicStars = false;
    bool storeButton = false;
    bool free = false;
    bool defaultPlayer = false;

    // The element must be an "edition" holding every required child; else false and the
    // record is left as it was.
    bool fRead(pugi::xml_node edition);
};

GG_EDITION& fGetEdition();

// Start-up: creates the game singletons, reads game.xml, the edition, the side decorations
// and the user's game.xml, then applies the display mode. False (with the reason recorded
// by fSetStartFailure) when a required file or value is missing.
bool fReadGameConfig(const char* resourceName);
bool fReadEditions();
bool fLoadEars();
// Mounts resource_list.xml's locations, then the language folder; false when the list or
// the language folder is missing.
bool fMountResourceList(const char* resourceName);
void fUnmountResourceList();
// gGame::fShutdown (which saves), then deletes the singletons in creation order.
void fDestroyGameSingletons();
// The same without the game object's shut-down: nothing is saved. For a start that failed,
// whose half-read state must not overwrite the player's files.
void fDeleteGameSingletons();

// The game always runs at 1024 x 768; full screen letterboxes it on the desktop.
void fApplyDisplayMode();
// The decorations on the letterbox margins, every frame after everything else.
void fDrawEars();

// The application-data folder + "/" + company + "/" + product + "/"; empty when the user has
// no application-data folder (then nothing is saved, and the log says so once).
std::string fGetSaveFolder();
// Writes the user's game.xml durably; false when it could not be written.
bool fWriteUserConfig();
// Reads the user's game.xml from the save folder; false when there is none.
bool fReadUserConfig(const char* fileName);

std::string fGetCompanyName();
std::string fGetProductName();
std::string fGetLanguage();
int32_t fGetSaveVersion();
bool fIsFullScreen();
void fSetFullScreen(bool on);
bool fIsInAppEnabled();
int fGetPlatformId();
bool fIsMobilePlatform();
// Which letterbox margins get decorations, as the last display mode set them.
bool fHasSideEars();
bool fHasTopBottomEars();

ZOR::ZC_SOUND_MANAGER* fGetSoundManager();
ZOR_GF::G_STORE_ITEMS* fGetStoreItems();
ZOR::ZC_LOCALIZATION* fGetStrings();
gPlayers* fGetPlayers();
ZOR::ZC_FONT_MANAGER* fGetFonts();
ZOR_GF::G_WINDOW_MANAGER* fGetWindowManager();
ZOR_GF::G_TROPHIES* fGetTrophies();
ZOR_GF::G_LEADERBOARDS* fGetLeaderboards();
gGame* fGetGameInstance();

// Why the start failed, for the message the player sees: the first reason recorded wins
// until it is cleared.
void fSetStartFailure(const std::string& reason);
const std::string& fGetStartFailure();
void fClearStartFailure();
// "<what> \"<name>\" is missing" or "... is not readable XML", whichever holds for a
// resource that could not be had as an XML document.
std::string fDescribeMissingXml(const char* what, const char* resourceName);
}

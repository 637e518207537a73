#include "game/shell/GG_CONFIG.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/platform/ZC_PLATFORM_FILES.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/render/ZS_RENDER_STATE.h"
#include "engine/render/ZS_TEXTURE.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/G_LEADERBOARDS.h"
#include "framework/G_SPRITE.h"
#include "framework/G_STORE_ITEMS.h"
#include "framework/G_TROPHIES.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/ZS_TRANSFORM3_AUTO.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"
#include "game/shell/gWindowFactory.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
const char* const ARCHIVE_PASSWORD = "QuietInkPaperCross";

namespace
{
const int kGameWidth = 1024;
const int kGameHeight = 768;
const char* const kUserConfig = "game.xml";

struct ZS_CONFIG
{
    std::string company;
    std::string product;
    std::string edition;
    std::string configLanguage;
    std::string language;
    bool fullScreen = false;
    int32_t saveVersion = SAVE_VERSION_OLD;
    std::vector<std::string> mounted;
    bool sideEars = false;
    bool topBottomEars = false;
    G_SPRITE* earTile = nullptr;
    G_SPRITE* earLine = nullptr;
    bool noSaveFolderLogged = false;
    std::string startFailure;
};

ZS_CONFIG& fConfig()
{
    static ZS_CONFIG config;
    return config;
}

// The singletons, in creation order.
ZC_SOUND_MANAGER* gSoundManager = nullptr;
G_STORE_ITEMS* gStoreItems = nullptr;
ZC_LOCALIZATION* gStrings = nullptr;
gPlayers* gPlayerList = nullptr;
ZC_FONT_MANAGER* gFonts = nullptr;
G_WINDOW_MANAGER* gWindows = nullptr;
G_TROPHIES* gTrophies = nullptr;
G_LEADERBOARDS* gLeaderboards = nullptr;
gGame* gTheGame = nullptr;

// A child that must be there; records what is missing otherwise.
bool fRequireChildren(pugi::xml_node root, std::initializer_list<const char*> names, const std::string& file)
{
    for (const char* name : names)
    {
        if (!root.child(name))
        {
            fSetStartFailure(file + " lacks its \"" + name + "\" element.");
            return false;
        }
    }
    return true;
}

void fCreateGameSingletons()
{
    gSoundManager = new ZC_SOUND_MANAGER;
    gStoreItems = new G_STORE_ITEMS;
    gStrings = new ZC_LOCALIZATION;
    gPlayerList = new gPlayers;
    gFonts = new ZC_FONT_MANAGER;
    gWindows = new G_WINDOW_MANAGER(fCreateWindowFromXml);
    gTrophies = new G_TROPHIES;
    gLeaderboards = new G_LEADERBOARDS;
    gTheGame = new gGame;
}

// What the player model needs of the configuration, given once it is known.
void fFillPlayerShell()
{
    GG_PLAYER_SHELL& shell = fGetPlayerShell();
    shell.inApp = fIsInAppEnabled();
    shell.packLogicStars = fGetEdition().packLogicStars;
    shell.saveVersion = fConfig().saveVersion;
    shell.strings = gStrings;
}

template <class T>
void fDelete(T*& object)
{
    delete object;
    object = nullptr;
}
}

bool GG_EDITION::fRead(pugi::xml_node edition)
{
    if (std::string(edition.name()) != "edition")
        return false;
    for (const char* name : {"scenes", "store", "tutorial", "trophies", "inapp", "ad", "platform", "heart",
                             "pack_logic_stars", "store_button", "player", "free", "default_player"})
    {
        if (!edition.child(name))
        {
            fSetStartFailure(std::string("The edition lacks its \"") + name + "\" element in editions.xml.");
            return false;
        }
    }
    auto file = [&](const char* name) { return std::string(edition.child(name).attribute("file").value()); };
    auto param = [&](const char* name) { return edition.child(name).attribute("param").as_bool(); };
    platform = fParsePlatform(edition.child("platform").attribute("type").value());
    scenes = file("scenes");
    store = file("store");
    tutorial = file("tutorial");
    trophies = file("trophies");
    inapp = file("inapp");
    ad = file("ad");
    player = file("player");
    leaderboard = file("leaderboard");
    heart = param("heart");
    packLogicStars = param("pack_logic_stars");
    storeButton = param("store_button");
    free = param("free");
    defaultPlayer = param("default_player");
    return true;
}

GG_EDITION& fGetEdition()
{
    static GG_EDITION edition;
    return edition;
}

bool fReadGameConfig(const char* resourceName)
{
    ZS_CONFIG& config = fConfig();
    config.saveVersion = SAVE_VERSION_OLD;
    fCreateGameSingletons();
    if (zcGAME)
        zcGAME->useDesktopSize = true;

    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(resourceName) : nullptr;
    if (!document)
    {
        fSetStartFailure(fDescribeMissingXml("The product configuration", resourceName));
        return false;
    }
    pugi::xml_node root = document->first_child();
    while (root && root.type() != pugi::node_element)
        root = root.next_sibling();
    if (!fRequireChildren(root, {"company", "product", "edition", "lang"}, resourceName))
    {
        zcREPOSITORY->fReleaseXml(document);
        return false;
    }
    config.company = root.child("company").attribute("value").value();
    config.product = root.child("product").attribute("value").value();
    config.edition = root.child("edition").attribute("value").value();
    config.configLanguage = root.child("lang").attribute("value").value();
    config.language = config.configLanguage;
    config.fullScreen = root.child("fullscreen").attribute("value").as_bool();
    zcREPOSITORY->fReleaseXml(document);

    if (!fReadEditions() || !fLoadEars())
        return false;
    fReadUserConfig(kUserConfig);
    fFillPlayerShell();
    fApplyDisplayMode();
    return true;
}

bool fReadEditions()
{
    const char* name = "data/share/main/other editions.xml";
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(name) : nullptr;
    if (!document)
    {
        fSetStartFailure(fDescribeMissingXml("The editions list", name));
        return false;
    }
    bool found = false;
    bool read = false;
    pugi::xml_node root = document->document_element();
    for (pugi::xml_node child : root.children())
    {
        if (child.type() != pugi::node_element || fConfig().edition != child.attribute("type").value())
            continue;
        found = true;
        read = fGetEdition().fRead(child);
        break;
    }
    zcREPOSITORY->fReleaseXml(document);
    if (!found)
        fSetStartFailure("editions.xml has no edition of type \"" + fConfig().edition + "\".");
    return read;
}

bool fLoadEars()
{
    const char* name = "data data.xml";
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(name) : nullptr;
    if (!document)
    {
        fSetStartFailure(fDescribeMissingXml("The screen decorations", name));
        return false;
    }
    ZS_CONFIG& config = fConfig();
    delete config.earTile;
    delete config.earLine;
    pugi::xml_node ear = document->document_element().child("ear");
    config.earTile = new G_SPRITE(ear.child("ear_tile"));
    config.earLine = new G_SPRITE(ear.child("ear_line"));
    config.earTile->state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP);
    config.earLine->state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP_V);
    config.earTile->fLoadTexture();
    config.earLine->fLoadTexture();
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

bool fMountResourceList(const char* resourceName)
{
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(resourceName) : nullptr;
    if (!document)
    {
        fSetStartFailure(fDescribeMissingXml("The resource list", resourceName));
        return false;
    }
    ZS_CONFIG& config = fConfig();
    if (!config.mounted.empty())
        fUnmountResourceList();
    for (pugi::xml_node child : document->document_element().children())
    {
        pugi::xml_attribute value = child.attribute("value");
        if (child.type() != pugi::node_element || !value)
            continue;
        if (zcREPOSITORY->fRegister(value.value(), ARCHIVE_PASSWORD) != -1)
            config.mounted.push_back(value.value());
    }
    zcREPOSITORY->fReleaseXml(document);

    std::string folder = "data/" + config.language;
    if (fGetPathKind(folder.c_str()) == 0 && fGetPlatformId() != 0)
    {
        config.language = config.configLanguage;
        folder = "data/" + config.language;
    }
    if (fGetPathKind(folder.c_str()) == 0)
    {
        fSetStartFailure("The language folder \"" + folder + "\" is missing.");
        return false;
    }
    zcREPOSITORY->fRegister(folder.c_str(), ARCHIVE_PASSWORD);
    return true;
}

void fUnmountResourceList()
{
    ZS_CONFIG& config = fConfig();
    if (!fIsMobilePlatform())
    {
        if (config.earTile)
            config.earTile->fUnloadTexture();
        if (config.earLine)
            config.earLine->fUnloadTexture();
        if (zcREPOSITORY)
            zcREPOSITORY->fCollect();
        fDelete(config.earTile);
        fDelete(config.earLine);
    }
    if (zcREPOSITORY)
    {
        for (const std::string& location : config.mounted)
            zcREPOSITORY->fUnregister(location.c_str());
        zcREPOSITORY->fUnregister(("data/" + config.language).c_str());
    }
    config.mounted.clear();
}

void fDeleteGameSingletons()
{
    fDelete(gSoundManager);
    fDelete(gStoreItems);
    fDelete(gStrings);
    fDelete(gPlayerList);
    fDelete(gFonts);
    fDelete(gWindows);
    fDelete(gTrophies);
    fDelete(gLeaderboards);
    fDelete(gTheGame);
    fGetPlayerShell().strings = nullptr;
}

void fDestroyGameSingletons()
{
    if (gTheGame)
        gTheGame->fShutdown();
    fDeleteGameSingletons();
}

void fApplyDisplayMode()
{
    ZS_CONFIG& config = fConfig();
    const int W = zcGAME ? zcGAME->desktopSize.x : 0;
    const int H = zcGAME ? zcGAME->desktopSize.y : 0;
    if (W < kGameWidth || H < kGameHeight)
        config.fullScreen = true;
    if (zcGAME)
        zcGAME->fSetDisplayMode(kGameWidth, kGameHeight, config.fullScreen, true);
    if (W > 0 && H > 0)
    {
        config.sideEars = false;
        config.topBottomEars = false;
        if (float(H) / float(kGameHeight) > float(W) / float(kGameWidth))
            config.topBottomEars = true;
        else
            config.sideEars = true;
    }
    ZS_TRANSFORM3_AUTO::fSetScreenSize(kGameWidth, kGameHeight);
}

void fDrawEars()
{
    ZS_CONFIG& config = fConfig();
    if ((!config.fullScreen && !fIsMobilePlatform()) || !zcGAME || !config.earTile || !config.earLine)
        return;
    const int w = kGameWidth, h = kGameHeight;
    const int W = zcGAME->desktopSize.x, H = zcGAME->desktopSize.y;
    if (W <= 0 || H <= 0)
        return;
    G_SPRITE& tile = *config.earTile;
    G_SPRITE& line = *config.earLine;
    if (config.sideEars)
    {
        // Three margins' width: the tile reaches past the screen's edge whatever the scaling.
        const int margin = (int(float(h) * float(W) / float(H)) - w) / 2;
        tile.fSetSize(float(margin * 3), float(h));
        line.fSetSize(float(line.fGetTexture() ? line.fGetTexture()->size.x : 0), float(h));
        tile.fSetUVToSize();
        line.fSetUVToSize();
        tile.fSetHotSpot(HS_UL, 0, 0);
        tile.fDrawAt(float(w), 0, 0, 1, 1);
        tile.fSetHotSpot(HS_UR, 0, 0);
        tile.fDrawAt(0, 0, 0, 1, 1);
        line.fSetHotSpot(HS_UL, 0, 0);
        line.fDrawAt(float(w), 0, 0, 1, 1);
        line.fSetHotSpot(HS_UR, 0, 0);
        line.fDrawAt(0, 0, 0, 1, 1);
    }
    else if (config.topBottomEars)
    {
        tile.fSetSize(float(w), float((H - h) / 2));
        line.fSetSize(float(W), float(line.fGetTexture() ? line.fGetTexture()->size.y : 0));
        tile.fSetUVToSize();
        line.fSetUVToSize();
        tile.fSetHotSpot(HS_UL, 0, 0);
        tile.fDrawAt(0, float(h), 0, 1, 1);
        tile.fSetHotSpot(HS_DL, 0, 0);
        tile.fDrawAt(0, 0, 0, 1, 1);
        line.fSetHotSpot(HS_UL, 0, 0);
        line.fDrawAt(0, float(h), 0, 1, 1);
        line.fSetHotSpot(HS_DL, 0, 0);
        line.fDrawAt(0, 0, 0, 1, 1);
    }
}

std::string fGetSaveFolder()
{
    ZS_CONFIG& config = fConfig();
    const char* appData = fGetAppDataFolder();
    if (!appData || !*appData)
    {
        if (!config.noSaveFolderLogged)
        {
            fLogLine("No application-data folder ($XDG_DATA_HOME or $HOME): the game runs without saving.");
            config.noSaveFolderLogged = true;
        }
        return std::string();
    }
    return std::string(appData) + "/" + config.company + "/" + config.product + "/";
}

bool fWriteUserConfig()
{
    const std::string folder = fGetSaveFolder();
    if (folder.empty())
        return false;
    if (fGetPathKind(folder.c_str()) == 0)
        fCreateFolders(folder.c_str());

    pugi::xml_document document;
    pugi::xml_node root = document.append_child("game");
    root.append_child("fullscreen").append_attribute("value").set_value(fConfig().fullScreen ? "true" : "false");
    root.append_child("version").append_attribute("value").set_value(std::to_string(SAVE_VERSION_CURRENT).c_str());
    std::ostringstream text;
    document.save(text, "\t", pugi::format_default | pugi::format_write_bom, pugi::encoding_utf8);
    const std::string bytes = text.str();

    // Durably: a cut-off write never leaves a half file in place of the old one.
    return fPlatformWriteFileDurably(folder + kUserConfig, bytes);
}

bool fReadUserConfig(const char* fileName)
{
    const std::string folder = fGetSaveFolder();
    if (folder.empty())
        return false;
    const std::string path = folder + fileName;
    if (fGetPathKind(path.c_str()) != 1)
        return false;
    ZS_CONFIG& config = fConfig();
    pugi::xml_document document;
    // A file that cannot be parsed reads as one without values: windowed, version unchanged.
    document.load_file(path.c_str());
    pugi::xml_node root = document.document_element();
    config.fullScreen = root.child("fullscreen").attribute("value").as_bool();
    if (pugi::xml_node version = root.child("version"))
        config.saveVersion = int32_t(std::strtol(version.attribute("value").value(), nullptr, 10));
    return true;
}

std::string fGetCompanyName()
{
    return fConfig().company;
}

std::string fGetProductName()
{
    return fConfig().product;
}

std::string fGetLanguage()
{
    return fConfig().language;
}

int32_t fGetSaveVersion()
{
    return fConfig().saveVersion;
}

bool fIsFullScreen()
{
    return fConfig().fullScreen;
}

void fSetFullScreen(bool on)
{
    fConfig().fullScreen = on;
}

bool fIsInAppEnabled()
{
    return !fGetEdition().inapp.empty();
}

int fGetPlatformId()
{
    return fGetDeviceKind();
}

bool fIsMobilePlatform()
{
    const int kind = fGetPlatformId();
    return kind != 0 && kind != 1;
}

bool fHasSideEars()
{
    return fConfig().sideEars;
}

bool fHasTopBottomEars()
{
    return fConfig().topBottomEars;
}

ZC_SOUND_MANAGER* fGetSoundManager()
{
    return gSoundManager;
}

G_STORE_ITEMS* fGetStoreItems()
{
    return gStoreItems;
}

ZC_LOCALIZATION* fGetStrings()
{
    return gStrings;
}

gPlayers* fGetPlayers()
{
    return gPlayerList;
}

ZC_FONT_MANAGER* fGetFonts()
{
    return gFonts;
}

G_WINDOW_MANAGER* fGetWindowManager()
{
    return gWindows;
}

G_TROPHIES* fGetTrophies()
{
    return gTrophies;
}

G_LEADERBOARDS* fGetLeaderboards()
{
    return gLeaderboards;
}

gGame* fGetGameInstance()
{
    return gTheGame;
}

void fSetStartFailure(const std::string& reason)
{
    std::string& failure = fConfig().startFailure;
    if (failure.empty())
        failure = reason;
}

const std::string& fGetStartFailure()
{
    return fConfig().startFailure;
}

void fClearStartFailure()
{
    fConfig().startFailure.clear();
}

std::string fDescribeMissingXml(const char* what, const char* resourceName)
{
    const bool listed = zcREPOSITORY && zcREPOSITORY->fFind(resourceName);
    return std::string(what) + " \"" + resourceName + "\" " + (listed ? "is not readable XML." : "is missing.");
}
}

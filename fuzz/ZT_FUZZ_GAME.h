#pragma once
// The game brought up once per fuzz program, headless: the renderer on the null device, the
// input state, and the shipped data loaded as the game loads it (configuration, resource list,
// fonts, strings, players, sounds, store, trophies, packs, every window of the scenes file).
// The data root is a scratch folder that links to the shipped "data" and game.xml, so that a
// program can put the input beside them as a loose file ("fuzz.xml") without touching the
// source tree; the save folder is a scratch folder too. Both go when the program ends.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ZT_FUZZ_FILES.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"

namespace ZT_FUZZ
{
// The loose file of the scratch data root that a program fills with its input.
const char* const INPUT_NAME = "fuzz.xml";

struct ZT_GAME
{
    std::string root;    // the scratch data root, ending with "/"
    std::string appData; // the scratch application-data folder
    ZOR::ZC_RENDER* render = nullptr;
    ZOR::ZC_INPUT* input = nullptr;
    ZOR::ZC_REPOSITORY* repository = nullptr;
    bool loaded = false;

    ZT_GAME()
    {
        namespace fs = std::filesystem;
        std::error_code failure;
        root = fScratchPath("root") + "/";
        appData = fScratchPath("appdata");
        fs::remove_all(root, failure);
        fs::create_directories(root, failure);
        const fs::path shipped = fs::path(ZOR_SOURCE_DIR) / "Resources";
        fs::create_directory_symlink(shipped / "data", fs::path(root) / "data", failure);
        fs::create_symlink(shipped / "game.xml", fs::path(root) / "game.xml", failure);
        fPutText(root + INPUT_NAME, "<empty/>");
        setenv("XDG_DATA_HOME", appData.c_str(), 1);

        ZOR::ZC_PLATFORM_DEVICE::fSetNullMode(true);
        render = new ZOR::ZC_RENDER;
        render->fInit(nullptr, 0.1f, 0.0f);
        input = new ZOR::ZC_INPUT;
        // The file system moves into "<working folder>/Resources" when it is made, and the
        // game starts inside its data root (it looks for the language folder from there):
        // start there, then come back, so that libFuzzer's relative paths keep their meaning.
        const fs::path working = fs::current_path(failure);
        fs::current_path(ZOR_SOURCE_DIR, failure);
        ZOR::fGetFileSystem()->fSetDataRoot(root.c_str());
        fs::current_path(root, failure);
        repository = new ZOR::ZC_REPOSITORY;
        ZOR::zcREPOSITORY = repository;
        ZOR::zcFRAME_DELTA = 1.0f / 8.0f;

        // As the game's start does it.
        repository->fRegister("", "");
        repository->fRegister("data", "");
        repository->fRegister("data/share/main/other", game::ARCHIVE_PASSWORD);
        repository->fRegister("data/share/image/gui", game::ARCHIVE_PASSWORD);
        loaded = game::fReadGameConfig("game.xml") &&
                 game::fMountResourceList("data/share/main/other resource_list.xml") &&
                 game::fGetGameInstance() && game::fGetGameInstance()->fLoad();
        if (!loaded)
            std::fprintf(stderr, "The shipped data did not load: %s\n", game::fGetStartFailure().c_str());
        fs::current_path(working, failure);
    }

    ~ZT_GAME()
    {
        namespace fs = std::filesystem;
        game::fDeleteGameSingletons();
        repository->fCollect();
        game::fUnmountResourceList();
        ZOR::zcREPOSITORY = nullptr;
        delete repository;
        delete input;
        delete render;
        std::error_code failure;
        fs::remove_all(root, failure);
        fs::remove_all(appData, failure);
    }

    // Every picture of the data held once, so that windows made and dropped input after input
    // find their textures loaded instead of decoding them again each time.
    void fHoldPictures()
    {
        namespace fs = std::filesystem;
        std::error_code failure;
        for (auto it = fs::recursive_directory_iterator(fs::path(ZOR_SOURCE_DIR) / "Resources/data", failure);
             !failure && it != fs::recursive_directory_iterator(); it.increment(failure))
        {
            if (it->path().extension() != ".png")
                continue;
            const fs::path relative = fs::relative(it->path(), fs::path(ZOR_SOURCE_DIR) / "Resources", failure);
            const std::string name = relative.parent_path().generic_string() + " " + relative.filename().string();
            repository->fGetTexture(name.c_str());
        }
    }

    // Whatever an input opened in the game (a question, another scene) is hidden and given back.
    static void fCloseGameWindows()
    {
        ZOR_GF::G_WINDOW_MANAGER* windows = game::fGetWindowManager();
        if (!windows)
            return;
        windows->fHideAll();
        for (int i = 0; i < 64 && !windows->fGetOpenWindows().empty(); ++i)
            windows->fUpdate();
        for (ZOR_GF::G_WINDOW* open : std::vector<ZOR_GF::G_WINDOW*>(windows->fGetOpenWindows()))
            open->fHide(true);
        windows->fUpdate();
    }

    static void fPutText(const std::string& path, const std::string& text)
    {
        fPutScratch(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }

    // The input as the loose file INPUT_NAME, read anew at its next use.
    void fPutInput(const uint8_t* data, size_t size)
    {
        repository->fCollect();
        fPutScratch(root + INPUT_NAME, data, size);
    }
};

inline ZT_GAME& fGame()
{
    static ZT_GAME game;
    return game;
}
}

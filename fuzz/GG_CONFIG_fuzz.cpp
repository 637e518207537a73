// Any bytes as the user's game.xml in the save folder (a scratch folder stands in for the
// application-data folder): read, written back durably and read again, which must give the
// same full-screen flag and the current save version. The same document's children are also
// offered to the edition reader, as editions.xml's are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <pugixml.hpp>

#include "ZT_FUZZ_FILES.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/shell/GG_CONFIG.h"

using namespace game;
namespace fs = std::filesystem;

namespace
{
// The scratch application-data folder, removed when the program ends.
struct ZT_APP_DATA
{
    const std::string folder = ZT_FUZZ::fScratchPath("appdata");
    ~ZT_APP_DATA()
    {
        std::error_code failure;
        fs::remove_all(folder, failure);
    }
};

const std::string& fAppData()
{
    static const ZT_APP_DATA appData;
    return appData.folder;
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("XDG_DATA_HOME", fAppData().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string folder = fGetSaveFolder();
    if (folder.empty())
        __builtin_trap();
    std::error_code failure;
    fs::remove_all(fAppData(), failure);
    fs::create_directories(folder, failure);
    if (!ZT_FUZZ::fPutScratch(folder + "game.xml", data, size))
        return 0;

    fSetFullScreen(size % 2 == 0);
    if (!fReadUserConfig("game.xml"))
        __builtin_trap();
    const bool fullScreen = fIsFullScreen();
    if (!fWriteUserConfig())
        __builtin_trap();
    fSetFullScreen(!fullScreen);
    if (!fReadUserConfig("game.xml") || fIsFullScreen() != fullScreen || fGetSaveVersion() != SAVE_VERSION_CURRENT)
        __builtin_trap();

    pugi::xml_document document;
    if (document.load_buffer(data, size))
        for (pugi::xml_node edition : document.document_element().children())
        {
            GG_EDITION record;
            record.fRead(edition);
        }
    fClearStartFailure();
    return 0;
}

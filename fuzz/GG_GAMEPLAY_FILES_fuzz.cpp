// Any bytes as one of the level screen's own files ("GameProcess <name>.xml": its settings,
// effects, decor, clue numbers, hint, pause, store and reset controls), chosen by the input's
// root element: a new level screen is made on it (which reads the settings, effects and
// controls), the first level of the first pack is started (the decor and numbers are read and
// laid out), played with the mouse for a few lines and a hint, drawn, and ended. The data
// root's "data/share/main" is a folder of links to the shipped files, one of which the input
// stands in for while it runs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "ZT_FUZZ_GAME.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace game;
namespace fs = std::filesystem;

namespace
{
// Winning saves the player and leads to the result window: not these files' readers.
class ZT_LEVEL_SCREEN : public GG_GAMEPLAY
{
public:
    void fCheckWin() override {}
};

fs::path gMain; // the scratch data root's "data/share/main"
const fs::path kShipped = fs::path(ZOR_SOURCE_DIR) / "Resources";

// A real folder whose entries link to the shipped ones, except the one on the way down.
void fMirror(const fs::path& shipped, const fs::path& into, const std::vector<std::string>& down, size_t depth)
{
    std::error_code failure;
    fs::create_directory(into, failure);
    for (const auto& entry : fs::directory_iterator(shipped, failure))
    {
        const std::string name = entry.path().filename().string();
        if (depth < down.size() && name == down[depth])
            fMirror(entry.path(), into / name, down, depth + 1);
        else if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), into / name, failure);
        else
            fs::create_symlink(entry.path(), into / name, failure);
    }
}

// The file that the input's root element names; the two store button files share a root.
std::string fTargetFile(const pugi::xml_node root, size_t size)
{
    const std::string name = root.name();
    if (name == "store_button")
        return size % 2 ? "GameProcess store_button_empty.xml" : "GameProcess store_button.xml";
    for (const char* known : {"settings", "effects", "ambient", "numbers", "hint_button", "pause", "reset_selection"})
        if (name == known)
            return "GameProcess " + name + ".xml";
    return "";
}

void fFrames(GG_GAMEPLAY& screen, int count)
{
    for (int i = 0; i < count; ++i)
    {
        ZT_FUZZ::fGame().input->fAdvanceFrame();
        screen.fUpdate();
        if (zcRENDER->fBeginFrame() == 1)
        {
            screen.fDraw();
            zcRENDER->fEndFrame();
        }
    }
}

void fDrag(GG_GAMEPLAY& screen, int fromRow, int fromColumn, int toRow, int toColumn, int button)
{
    const GG_LEVEL_SETTINGS& s = screen.fGetSettings();
    ZC_INPUT* input = ZT_FUZZ::fGame().input;
    auto at = [&](int row, int column) {
        input->fAdvanceFrame();
        input->fOnMouseMove(int(s.topLeft.x + (float(column) + 0.5f) * s.cellSize.x),
                            int(s.topLeft.y + (float(row) + 0.5f) * s.cellSize.y));
        screen.fOnMouseMove();
    };
    at(fromRow, fromColumn);
    input->fOnKeyDown(button);
    screen.fOnKeyDown(button);
    at(toRow, toColumn);
    fFrames(screen, 1);
    input->fAdvanceFrame();
    input->fOnKeyUp(button);
    screen.fOnKeyUp(button);
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    shell.fHoldPictures();
    std::error_code failure;
    const fs::path data = fs::path(shell.root) / "data";
    fs::remove(data, failure); // the link to the shipped data, not the data
    fMirror(kShipped / "data", data, {"share", "main"}, 0);
    gMain = data / "share" / "main";
    if (gGame* game = fGetGameInstance())
        game->fSetPlayer(game->fCreatePlayer(L"Fuzz"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    gGame* game = fGetGameInstance();
    pugi::xml_document document;
    if (!game || !document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;
    const std::string file = fTargetFile(document.document_element(), size);
    if (file.empty())
        return 0;

    // The link goes first: writing through it would change the shipped file.
    std::error_code failure;
    shell.repository->fCollect();
    fs::remove(gMain / file, failure);
    if (!ZT_FUZZ::fPutScratch((gMain / file).string(), data, size))
        __builtin_trap();
    {
        auto screen = std::make_unique<ZT_LEVEL_SCREEN>();
        game->fSetGameplay(screen.get());
        if (game->fStartLevel(0, 0))
        {
            screen->fSetMistakeLimit(1 << 30);
            const int rows = screen->fGetSettings().gridSize.y;
            const int columns = screen->fGetSettings().gridSize.x;
            fFrames(*screen, 2);
            fDrag(*screen, 0, 0, 0, columns - 1, 1);
            fDrag(*screen, rows - 1, 0, 0, 0, 4);
            fDrag(*screen, 1, 1, rows - 1, 1, 1);
            screen->fUseHint();
            fFrames(*screen, 12);
            screen->fUnloadResources();
            screen->fEndLevel();
        }
        game->fSetGameplay(nullptr);
    }
    shell.repository->fCollect();
    fs::remove(gMain / file, failure);
    fs::create_symlink(kShipped / "data/share/main" / file, gMain / file, failure);
    return 0;
}

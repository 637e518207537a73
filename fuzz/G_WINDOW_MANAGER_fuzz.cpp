// Any bytes as the scenes file: a window manager with the game's factory reads it from the
// repository (as a loose file beside the shipped data, whose window files it names), then
// every window it made is shown, given a click, updated and drawn on the null device, hidden
// and released, and the manager is deleted with them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ZT_FUZZ_GAME.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/gWindowFactory.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
void fFrames(G_WINDOW_MANAGER& manager, int count)
{
    for (int i = 0; i < count; ++i)
    {
        ZT_FUZZ::fGame().input->fAdvanceFrame();
        manager.fUpdate();
        if (zcRENDER->fBeginFrame() == 1)
        {
            manager.fDraw();
            zcRENDER->fEndFrame();
        }
    }
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZT_FUZZ::fGame().fHoldPictures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    shell.fPutInput(data, size);
    {
        G_WINDOW_MANAGER manager(game::fCreateWindowFromXml);
        if (!manager.fLoadScenes(ZT_FUZZ::INPUT_NAME))
        {
            shell.repository->fCollect();
            return 0;
        }
        manager.fRefreshAll();
        // A scenes file may name one window many times: the first few show what there is.
        const std::vector<G_WINDOW*> all = manager.fGetAllWindows();
        for (size_t i = 0; i < all.size() && i < 8; ++i)
        {
            const std::string name = all[i]->fGetName();
            manager.fShowWindow(name, i % 2 == 0);
            fFrames(manager, 2);
            shell.input->fAdvanceFrame();
            shell.input->fOnMouseMove(512, 384);
            manager.fOnMouseMove();
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyDown(1);
            manager.fOnKeyDown(1);
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyUp(1);
            manager.fOnKeyUp(1);
            manager.fHideWindow(name, i % 3 == 0);
            fFrames(manager, 2);
        }
        manager.fHideAll();
        fFrames(manager, 8);
        manager.fReleaseAllResources(true);
    }
    // What a click opened among the game's own windows is closed again.
    if (G_WINDOW_MANAGER* windows = game::fGetWindowManager())
    {
        windows->fHideAll();
        for (int i = 0; i < 64 && !windows->fGetOpenWindows().empty(); ++i)
            windows->fUpdate();
    }
    shell.repository->fCollect();
    return 0;
}

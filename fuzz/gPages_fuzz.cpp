// Any bytes as a paged list's file, read by each list of the game (level tiles, pack entries,
// shop entries, trophy entries, help pages) hung under a transform as a window hangs it: laid
// out, drawn on the null device, pressed and released on a few places, its pages turned both
// ways and updated until a slide ends, and unloaded. Page dots follow the list, and the root's
// first child element makes dots of its own. What a click opens in the game (a question, a
// fade to a level) is closed again, and the list is gone, before the next input.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "ZT_FUZZ_GAME.h"
#include "framework/G_PAGE_INDICATOR.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/gPages.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/shell/GG_WINDOW_HELP.h"
#include "game/shell/GG_WINDOW_LEVEL.h"
#include "game/shell/GG_WINDOW_PACK.h"
#include "game/shell/GG_WINDOW_SHOP.h"
#include "game/shell/GG_WINDOW_TROPHY.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
void fFrame(gPages& list, G_PAGE_INDICATOR& dots)
{
    ZT_FUZZ::fGame().input->fAdvanceFrame();
    list.fUpdate();
    if (G_WINDOW_MANAGER* windows = game::fGetWindowManager())
        windows->fUpdate();
    if (zcRENDER->fBeginFrame() == 1)
    {
        list.fDraw();
        dots.fDraw();
        zcRENDER->fEndFrame();
    }
}

// A turn, then frames until it has ended (a slide that would take longer is left running).
void fTurn(gPages& list, G_PAGE_INDICATOR& dots, bool next)
{
    if (next ? list.fHasNextPage() : list.fHasPrevPage())
    {
        next ? list.fNextPage() : list.fPrevPage();
        next ? dots.fNext() : dots.fPrev();
    }
    for (int i = 0; i < 32 && list.fIsTurning(); ++i)
        fFrame(list, dots);
}


void fRun(gPages& list, pugi::xml_node root, const std::function<void()>& loaded = nullptr)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    ZS_TRANSFORM3 window;
    window.fSetPosition(512.0f, 384.0f, 0.0f);
    list.fSetParent(&window);
    list.fLoad(ZT_FUZZ::INPUT_NAME);
    if (loaded)
        loaded();
    list.fSetPosition(0.0f, -20.0f);
    G_PAGE_INDICATOR dots(std::string("data/share/image/gui page_dots.png"));
    dots.fSetParent(&window);
    dots.fSetPosition(0.0f, 196.0f);
    dots.fSetCount(unsigned(list.fGetPageCount()));
    list.fLoadResources();
    dots.fLoadTexture();
    list.fRefresh();
    fFrame(list, dots);
    // The middle and a few places about it, where the first page's items lie.
    for (const auto& place : {std::make_pair(512, 364), std::make_pair(412, 284), std::make_pair(612, 444),
                              std::make_pair(0, 0)})
    {
        shell.input->fAdvanceFrame();
        shell.input->fOnMouseMove(place.first, place.second);
        list.fOnMouseMove();
        for (int key : {1, 2})
        {
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyDown(key);
            list.fOnPointerPress(key);
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyUp(key);
            list.fOnPointerRelease(key);
        }
        fFrame(list, dots);
    }
    fTurn(list, dots, true);
    fTurn(list, dots, true);
    fTurn(list, dots, false);
    if (pugi::xml_node first = root.first_child(); first.type() == pugi::node_element)
    {
        G_PAGE_INDICATOR own(first);
        own.fSetCount(unsigned(list.fGetPageCount()));
        own.fLoadTexture();
        own.fNext();
        fFrame(list, own);
        own.fUnloadTexture();
    }
    list.fUnloadResources();
    dots.fUnloadTexture();
    ZT_FUZZ::ZT_GAME::fCloseGameWindows();
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
    pugi::xml_document document;
    if (!document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;
    shell.fPutInput(data, size);
    const pugi::xml_node root = document.document_element();
    {
        game::gPages_Level levels;
        // The tiles' looks from the first pack of the game's template player.
        fRun(levels, root, [&levels] {
            if (game::gGame* g = game::fGetGameInstance())
                levels.fSetPack(g->fGetTemplatePlayer()->fGetPack(0));
        });
    }
    {
        game::gPages_Pack packs;
        fRun(packs, root);
    }
    {
        game::gPagesShop shop;
        fRun(shop, root);
    }
    {
        game::gPages_Trophy trophies;
        fRun(trophies, root);
    }
    {
        game::gPages_Help help;
        fRun(help, root);
    }
    shell.repository->fCollect();
    return 0;
}

// Any bytes as a window file: made by the game's window factory (the class by "_type", its
// labels localised from the shipped strings), its resources acquired from the shipped data,
// shown, clicked on every widget's place and on the corners, updated and drawn on the null
// device, hidden, released and deleted. The same element is also built as a bare widget
// layout by the GUI loader, whole and by a layout name. What a click opens in the game (a
// question, another scene) is closed again before the next input.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <vector>

#include <pugixml.hpp>

#include "ZT_FUZZ_GAME.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/gWindowFactory.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
// Pointer places: the centre of every top-level widget ("POSITION" is relative to the window's
// centre), then the screen's corners and centre. A few only: each costs frames.
std::vector<std::pair<int, int>> fPlaces(pugi::xml_node window)
{
    std::vector<std::pair<int, int>> places;
    for (pugi::xml_node widget : window.child("GUI").children())
    {
        std::istringstream position(widget.child_value("POSITION"));
        int x = 0, y = 0;
        if (position >> x >> y)
            places.emplace_back(512 + x, 384 + y);
        if (places.size() >= 6)
            break;
    }
    for (const auto& corner : {std::make_pair(0, 0), std::make_pair(1023, 767), std::make_pair(512, 384)})
        places.push_back(corner);
    return places;
}

void fFrame(G_WINDOW* window)
{
    ZT_FUZZ::fGame().input->fAdvanceFrame();
    window->fUpdate();
    if (G_WINDOW_MANAGER* windows = game::fGetWindowManager())
        windows->fUpdate();
    if (zcRENDER->fBeginFrame() == 1)
    {
        if (G_WINDOW_MANAGER* windows = game::fGetWindowManager())
            windows->fDraw();
        window->fDraw();
        zcRENDER->fEndFrame();
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
    pugi::xml_document document;
    if (!document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;

    {
        ZC_GUI gui;
        fLoadGuiFromXml(&gui, document.document_element());
        fLoadGuiFromXml(&gui, document.document_element(), "GUI");
    }

    std::unique_ptr<G_WINDOW> window(game::fCreateWindowFromXml(&document));
    if (window)
    {
        window->fAcquireResources();
        window->fInvokeRefresh();
        window->fShow(false);
        window->fActivate();
        for (int i = 0; i < 4; ++i)
            fFrame(window.get());
        for (const auto& place : fPlaces(document.document_element()))
        {
            shell.input->fAdvanceFrame();
            shell.input->fOnMouseMove(place.first, place.second);
            window->fOnMouseMove();
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyDown(1);
            window->fOnKeyDown(1);
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyUp(1);
            window->fOnKeyUp(1);
            fFrame(window.get());
        }
        // Typing, for the line boxes: letters, a character from beyond Latin-1, a format,
        // then Backspace, Enter and Escape.
        const struct
        {
            int key;
            const wchar_t* text;
        } keys[] = {{'A', L"A"}, {'Z', L"\u00eb"}, {'5', L"%s"}, {0xE7, L"\u20ac"}, {8, nullptr}, {13, nullptr}, {27, nullptr}};
        for (const auto& key : keys)
        {
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyDown(key.key, key.text);
            window->fOnKeyDown(key.key);
            shell.input->fAdvanceFrame();
            shell.input->fOnKeyUp(key.key);
            window->fOnKeyUp(key.key);
        }
        fFrame(window.get());
        window->fOnMessage(1, 2);
        window->fDeactivate();
        window->fHide(false);
        for (int i = 0; i < 8 && window->fUpdate() != 0; ++i)
            fFrame(window.get());
        window->fReleaseResources(true);
        window.reset();
    }
    ZT_FUZZ::ZT_GAME::fCloseGameWindows();
    shell.repository->fCollect();
    return 0;
}

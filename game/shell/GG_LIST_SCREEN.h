#pragma once
#include <memory>

#include <pugixml.hpp>

#include "engine/gui/ZC_GUI_OBJECT.h"
#include "framework/G_PAGE_INDICATOR.h"
#include "framework/G_WINDOW.h"
#include "framework/gPages.h"

namespace game
{
// What the level, pack and trophy windows share: their paged list, the page dots under it and
// the two arrow buttons of their layout (1 previous page, 2 next page). The window owns one and
// forwards its drawing, ticks, resources and the input its own widgets did not take.
class GG_LIST_SCREEN
{
public:
    enum
    {
        ID_PREVIOUS = 1,
        ID_NEXT = 2
    };

    // The list (owned from here on) is loaded from "gPages" "file" and hangs under the window;
    // the dots come from "settings" "page_number" at "pos", one per page. Without "gPages" the
    // list is deleted and the screen has none. What the layout lacks is logged and left out.
    void fBuild(ZOR_GF::G_WINDOW* window, pugi::xml_node element, ZOR_GF::gPages* made);

    ZOR_GF::gPages* fGetList() const { return list.get(); }
    ZOR_GF::G_PAGE_INDICATOR* fGetDots() const { return dots.get(); }

    void fDraw();
    void fUpdate();
    void fLoadResources();
    void fUnloadResources();

    // The press and release that the window's widgets left go to the list; the Left and Right
    // keys turn the pages. A press or click the list took answers kTaken, else null.
    const ZOR::ZS_GUI_EVENT* fOnKeyDown(int key);
    const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key);

    // One page on (+1) or back (-1) when that page exists and no turn is running; the dots
    // follow only a turn that happens. True when the list turned.
    bool fTurn(int direction);
    // Button 2 enabled when a next page exists, button 1 when a previous one does; with
    // hideWhenSingle both are hidden (and disabled) when the list has one page or none.
    void fUpdateArrows(bool hideWhenSingle);

    // What the window answers the manager for input the list took.
    static const ZOR::ZS_GUI_EVENT kTaken;

private:
    ZOR_GF::G_WINDOW* window = nullptr;
    std::unique_ptr<ZOR_GF::gPages> list;
    std::unique_ptr<ZOR_GF::G_PAGE_INDICATOR> dots;
    bool hideWhenSingle = false;
};

// A window that is one list screen: the screen gets what the window's own widgets leave, the
// two arrows turn its pages, and a title panel, when the window names one, shows and hides
// with it.
class GG_LIST_WINDOW : public ZOR_GF::G_WINDOW
{
public:
    ~GG_LIST_WINDOW() override;

    const ZOR::ZS_GUI_EVENT* fOnKeyDown(int key) override;
    const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key) override;
    void fOnShowBegin() override;
    void fOnHideBegin() override;
    void fLoadResources() override;
    void fUnloadResources() override;
    void fDrawContent() override;
    void fUpdateContent() override;
    // An arrow turns the page its way; the arrows then follow, after any click.
    void fOnGuiEvent(int widgetId) override;

    void fUpdateArrows() { screen.fUpdateArrows(hideArrowsWhenSingle); }
    ZOR_GF::G_PAGE_INDICATOR* fGetDots() const { return screen.fGetDots(); }

protected:
    // made: the list, as for GG_LIST_SCREEN::fBuild; title: the panel window shown and hidden
    // with this one, or null for none.
    GG_LIST_WINDOW(pugi::xml_node element, ZOR_GF::gPages* made, const char* title, bool hideArrowsWhenSingle);

    GG_LIST_SCREEN screen;

private:
    const char* title;
    bool hideArrowsWhenSingle;
};
}

#pragma once
#include <memory>

#include <pugixml.hpp>

#include "framework/G_PAGE_INDICATOR.h"
#include "framework/G_WINDOW.h"
#include "framework/gPages.h"
#include "game/shell/GG_LAYOUT_ITEM.h"

namespace game
{
// One help page: a still layout ("GUI", its wide labels translated once) of the size "size".
class gHelpItem : public GG_LAYOUT_ITEM
{
public:
    gHelpItem(pugi::xml_node element, int index) : GG_LAYOUT_ITEM(element, index, true) {}
};

class gPages_Help : public ZOR_GF::gPages
{
public:
    ZOR::ZC_BASE* fCreateItem(pugi::xml_node element, int index) override;
    void fOnItemClick(ZOR::ZC_BASE*) override {}
};

// The help window: pages turned by the previous (3) and next (4) buttons, with page dots
// ("IOS_PAGE_NUMBER") and a close button (2). The pages take no input.
class GG_WINDOW_HELP : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_HELP(pugi::xml_node element);
    ~GG_WINDOW_HELP() override;

    void fDraw() override;
    void fOnShowBegin() override;
    void fLoadResources() override;
    void fUnloadResources() override;
    void fOnGuiEvent(int widgetId) override;

    // Each arrow enabled exactly when there is a page that way.
    void fUpdateArrows();
    gPages_Help* fGetList() const { return list.get(); }
    ZOR_GF::G_PAGE_INDICATOR* fGetDots() const { return dots.get(); }

private:
    std::unique_ptr<gPages_Help> list;
    std::unique_ptr<ZOR_GF::G_PAGE_INDICATOR> dots;
};
}

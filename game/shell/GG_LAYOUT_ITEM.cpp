#include "game/shell/GG_LAYOUT_ITEM.h"

#include <string>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "game/shell/gLog.h"
#include "game/shell/gWindowFactory.h"

using namespace ZOR;

namespace game
{
GG_LAYOUT_ITEM::GG_LAYOUT_ITEM(pugi::xml_node element, int index, bool translate)
    : G_PAGES_ITEM(element, index)
{
    if (pugi::xml_node layout = element.child("GUI"))
    {
        gui = std::make_unique<ZC_GUI>();
        gui->fGetRoot()->fGetTransform()->parent = &transform;
        fLoadGuiFromXml(gui.get(), layout);
        if (translate)
            fLocalizeWidgetTree(gui->fGetRoot());
    }
    ZS_POINT read;
    read.fParse(element.attribute("size").value());
    // The list lays its pages out by this size and the entries are hit by it in whole pixels:
    // a size beyond any screen is refused rather than let overflow them.
    if (fIsPixel(read.x) && fIsPixel(read.y))
        size = read;
    else
        fLogLine("A list entry has the \"size\" \"" + std::string(element.attribute("size").value()) +
                 "\", far beyond any screen: it takes no room.");
}

GG_LAYOUT_ITEM::~GG_LAYOUT_ITEM() = default;

void GG_LAYOUT_ITEM::fLoadResources()
{
    if (gui)
        gui->fRestoreResources();
}

void GG_LAYOUT_ITEM::fUnloadResources()
{
    if (gui)
        gui->fReleaseResources();
}

void GG_LAYOUT_ITEM::fDraw()
{
    if (gui)
        gui->fDraw();
}
}

#include "game/shell/GG_LAYOUT_ITEM.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
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
    size.fParse(element.attribute("size").value());
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

#pragma once
#include <memory>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "framework/gPages.h"

namespace ZOR
{
class ZC_GUI;
}

namespace game
{
// A list entry drawn as a small layout of its own: the child "GUI", which moves with the
// entry, and the place "size" ("w h") it takes in the list. The layout's textures come and go
// with the entry's resources.
class GG_LAYOUT_ITEM : public ZOR_GF::G_PAGES_ITEM
{
public:
    // translate: the layout's wide labels hold keys of the strings table, shown translated.
    GG_LAYOUT_ITEM(pugi::xml_node element, int index, bool translate);
    ~GG_LAYOUT_ITEM() override;

    int fGetWidth() override { return size.x; }
    int fGetHeight() override { return size.y; }
    void fLoadResources() override;
    void fUnloadResources() override;
    void fDraw() override;

    ZOR::ZC_GUI* fGetGui() const { return gui.get(); }

protected:
    ZOR::ZS_POINT size;
    std::unique_ptr<ZOR::ZC_GUI> gui;
};
}

#include "game/shell/GG_WINDOW_HELP.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
enum
{
    HELP_CLOSE = 2,
    HELP_PREV = 3,
    HELP_NEXT = 4
};
}

ZC_BASE* gPages_Help::fCreateItem(pugi::xml_node element, int index)
{
    return new gHelpItem(element, index);
}

GG_WINDOW_HELP::GG_WINDOW_HELP(pugi::xml_node element) : G_WINDOW(element)
{
    if (pugi::xml_node pages = element.child("gPages"))
    {
        list = std::make_unique<gPages_Help>();
        list->fSetParent(fGetTransform());
        if (!list->fLoad(pages.attribute("file").value()))
            fLogLine(std::string("The help pages \"") + pages.attribute("file").value() + "\" are missing.");
        pugi::xml_attribute x = pages.attribute("pos_x"), y = pages.attribute("pos_y");
        if (x && y)
            list->fSetPosition(x.as_float(), y.as_float());
        if (pugi::xml_node number = element.child("IOS_PAGE_NUMBER"))
        {
            dots = std::make_unique<G_PAGE_INDICATOR>(number);
            dots->fSetParent(fGetTransform());
            dots->fSetCount(unsigned(list->fGetPageCount()));
        }
    }
    for (int id : {HELP_PREV, HELP_NEXT})
        if (!fFindWidget<ZC_GUI_BUTTON5>(fGetGui(), id))
            fLogMissingPart(fGetName(), id, id == HELP_PREV ? "previous-page button" : "next-page button");
}

GG_WINDOW_HELP::~GG_WINDOW_HELP() = default;

void GG_WINDOW_HELP::fDraw()
{
    G_WINDOW::fDraw();
    if (list)
        list->fDraw();
    if (dots)
        dots->fDraw();
}

void GG_WINDOW_HELP::fOnShowBegin()
{
    fUpdateArrows();
}

void GG_WINDOW_HELP::fLoadResources()
{
    if (list)
        list->fLoadResources();
    if (dots)
        dots->fLoadTexture();
}

void GG_WINDOW_HELP::fUnloadResources()
{
    if (list)
        list->fUnloadResources();
    if (dots)
        dots->fUnloadTexture();
}

void GG_WINDOW_HELP::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case HELP_CLOSE:
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fHideWindow(fGetName(), false);
        break;
    case HELP_PREV:
        if (list)
            list->fPrevPage();
        if (dots)
            dots->fPrev();
        fUpdateArrows();
        break;
    case HELP_NEXT:
        if (list)
            list->fNextPage();
        if (dots)
            dots->fNext();
        fUpdateArrows();
        break;
    default:
        break;
    }
}

void GG_WINDOW_HELP::fUpdateArrows()
{
    if (!list)
        return;
    const struct
    {
        int id;
        bool enabled;
    } arrows[] = {{HELP_NEXT, list->fHasNextPage()}, {HELP_PREV, list->fHasPrevPage()}};
    for (const auto& arrow : arrows)
        if (ZC_GUI_BUTTON5* button = fFindWidget<ZC_GUI_BUTTON5>(fGetGui(), arrow.id))
        {
            if (arrow.enabled)
                button->fEnableButton();
            else
                button->fDisableButton();
            button->fMouseMoveTree();
        }
}
}

#include "game/shell/GG_LIST_SCREEN.h"

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/gGame.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const int kKeyLeft = 0x25;
const int kKeyRight = 0x27;

ZC_GUI_BUTTON5* fArrow(const G_WINDOW* window, int widgetId)
{
    ZC_GUI* gui = window ? window->fGetGui() : nullptr;
    return gui ? dynamic_cast<ZC_GUI_BUTTON5*>(gui->fFindById(widgetId)) : nullptr;
}
}

const ZS_GUI_EVENT GG_LIST_SCREEN::kTaken = {0, 1};

void GG_LIST_SCREEN::fBuild(G_WINDOW* holder, pugi::xml_node element, gPages* made)
{
    window = holder;
    list.reset(made);
    const std::string name = holder ? holder->fGetName() : std::string();
    const pugi::xml_node pages = element.child("gPages");
    if (!pages)
    {
        fLogLine("The window \"" + name + "\" declares no list (\"gPages\"): it shows none.");
        list.reset();
    }
    else
    {
        const char* file = pages.attribute("file").value();
        if (!list->fLoad(file))
            fLogLine("The window \"" + name + "\" lists nothing: its list file \"" + file + "\" is missing.");
        if (holder)
            list->fSetParent(holder->fGetTransform());
    }
    const pugi::xml_node settings = element.child("settings");
    if (list && settings.attribute("page_number"))
    {
        dots = std::make_unique<G_PAGE_INDICATOR>(std::string(settings.attribute("page_number").value()));
        if (pugi::xml_attribute pos = settings.attribute("pos"))
        {
            ZS_VECTOR2 p;
            p.fParse(pos.value());
            dots->fSetPosition(p.x, p.y);
        }
        if (holder)
            dots->fSetParent(holder->fGetTransform());
        dots->fSetCount(unsigned(list->fGetPageCount()));
    }
    for (int id : {int(ID_PREVIOUS), int(ID_NEXT)})
        if (!fArrow(holder, id))
            fLogLine("The window \"" + name + "\" has no " + (id == ID_PREVIOUS ? "previous" : "next") +
                     "-page button (a BUTTON5 with id " + std::to_string(id) + "): its pages turn without it.");
}

void GG_LIST_SCREEN::fDraw()
{
    if (list)
        list->fDraw();
    if (dots)
        dots->fDraw();
}

void GG_LIST_SCREEN::fUpdate()
{
    if (list)
        list->fUpdate();
}

void GG_LIST_SCREEN::fLoadResources()
{
    if (list)
        list->fLoadResources();
    if (dots)
        dots->fLoadTexture();
}

void GG_LIST_SCREEN::fUnloadResources()
{
    if (list)
        list->fUnloadResources();
    if (dots)
        dots->fUnloadTexture();
}

const ZS_GUI_EVENT* GG_LIST_SCREEN::fOnKeyDown(int key)
{
    if (!list)
        return nullptr;
    if (key == kKeyLeft || key == kKeyRight)
    {
        if (!fTurn(key == kKeyRight ? 1 : -1))
            return nullptr;
        fUpdateArrows(hideWhenSingle);
        if (gGame* game = fGetGameInstance())
            game->fPlaySound("page");
        return &kTaken;
    }
    return list->fOnPointerPress(key) == zcANSWER_TAKEN ? &kTaken : nullptr;
}

const ZS_GUI_EVENT* GG_LIST_SCREEN::fOnKeyUp(int key)
{
    if (!list)
        return nullptr;
    return list->fOnPointerRelease(key) != 0 ? &kTaken : nullptr;
}

bool GG_LIST_SCREEN::fTurn(int direction)
{
    // A turn asked for while a slide runs would be refused by the list; the dots must not move
    // for it, or they would point at a page that is not shown.
    if (!list || list->fIsTurning())
        return false;
    const int before = list->fGetTargetPage();
    if (direction > 0 && list->fHasNextPage())
        list->fNextPage();
    else if (direction < 0 && list->fHasPrevPage())
        list->fPrevPage();
    if (list->fGetTargetPage() == before)
        return false;
    if (dots)
    {
        if (direction > 0)
            dots->fNext();
        else
            dots->fPrev();
    }
    return true;
}

void GG_LIST_SCREEN::fUpdateArrows(bool hide)
{
    hideWhenSingle = hide;
    if (!list)
        return;
    const bool next = list->fHasNextPage();
    const bool previous = list->fHasPrevPage();
    for (int id : {int(ID_PREVIOUS), int(ID_NEXT)})
    {
        ZC_GUI_BUTTON5* button = fArrow(window, id);
        if (!button)
            continue;
        if (hide && !next && !previous)
        {
            button->fSetVisible(false);
            button->fDisableButton();
            continue;
        }
        button->fSetVisible(true);
        if (id == ID_NEXT ? next : previous)
            button->fEnableButton();
        else
            button->fDisableButton();
        // The look follows the pointer at once, not at its next move.
        button->fMouseMoveTree();
    }
}

// ---------------------------------------------------------------- window

GG_LIST_WINDOW::GG_LIST_WINDOW(pugi::xml_node element, gPages* made, const char* titleWindow, bool hideWhenSingle)
    : G_WINDOW(element), title(titleWindow), hideArrowsWhenSingle(hideWhenSingle)
{
    screen.fBuild(this, element, made);
}

GG_LIST_WINDOW::~GG_LIST_WINDOW() = default;

const ZS_GUI_EVENT* GG_LIST_WINDOW::fOnKeyDown(int key)
{
    const ZS_GUI_EVENT* e = G_WINDOW::fOnKeyDown(key);
    return e ? e : screen.fOnKeyDown(key);
}

const ZS_GUI_EVENT* GG_LIST_WINDOW::fOnKeyUp(int key)
{
    const ZS_GUI_EVENT* e = G_WINDOW::fOnKeyUp(key);
    return e ? e : screen.fOnKeyUp(key);
}

void GG_LIST_WINDOW::fOnShowBegin()
{
    if (title)
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fShowWindow(title, false);
    fUpdateArrows();
}

void GG_LIST_WINDOW::fOnHideBegin()
{
    if (title)
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fHideWindow(title, false);
}

void GG_LIST_WINDOW::fLoadResources()
{
    screen.fLoadResources();
}

void GG_LIST_WINDOW::fUnloadResources()
{
    screen.fUnloadResources();
}

void GG_LIST_WINDOW::fDrawContent()
{
    screen.fDraw();
}

void GG_LIST_WINDOW::fUpdateContent()
{
    screen.fUpdate();
}

void GG_LIST_WINDOW::fOnGuiEvent(int widgetId)
{
    if (widgetId == GG_LIST_SCREEN::ID_PREVIOUS)
        screen.fTurn(-1);
    else if (widgetId == GG_LIST_SCREEN::ID_NEXT)
        screen.fTurn(1);
    fUpdateArrows();
}
}

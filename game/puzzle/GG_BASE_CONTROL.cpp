#include "game/puzzle/GG_BASE_CONTROL.h"

#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PROCESS.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
const char* const CONTROL_AMBIENT_FILE = "data/share/main/GameProcess ambient.xml";
const char* const CONTROL_HINT_FILE = "data/share/main/GameProcess hint_button.xml";
const char* const CONTROL_PAUSE_FILE = "data/share/main/GameProcess pause.xml";
const char* const CONTROL_STORE_FILE = "data/share/main/GameProcess store_button.xml";
const char* const CONTROL_STORE_EMPTY_FILE = "data/share/main/GameProcess store_button_empty.xml";
const char* const CONTROL_RESET_FILE = "data/share/main/GameProcess reset_selection.xml";

namespace
{
void fPauseTheGame()
{
    if (gGame* theGame = fGetGameInstance())
        theGame->fPauseGameplay();
}

bool fEditionHasStoreButton()
{
    return fGetEdition().storeButton;
}

GG_CONTROL_SHELL fShellDefaults()
{
    return {&fGetWindowManager, &fPauseTheGame, &fEditionHasStoreButton};
}
}

GG_CONTROL_SHELL& fGetControlShell()
{
    static GG_CONTROL_SHELL shell = fShellDefaults();
    return shell;
}

void fResetControlShell()
{
    fGetControlShell() = fShellDefaults();
}

bool fPauseIntoWindow(const char* window)
{
    G_WINDOW_MANAGER* windows = fGetControlShell().windows();
    if (!windows || !windows->fFindWindow(window))
    {
        fLogLine(std::string("level controls: no window \"") + window + "\" to show; the level goes on");
        return false;
    }
    fGetControlShell().pauseGameplay();
    windows->fShowWindow(window, false);
    return true;
}

pugi::xml_document* fGetControlXml(const char* name)
{
    pugi::xml_document* document = fGetGameProcessXml(name);
    if (!document)
        fLogControl(name, "is missing");
    return document;
}

void fLogControl(const char* file, const std::string& what)
{
    fLogLine(std::string("level controls: \"") + file + "\" " + what);
}

ZC_GUI_BUTTON5* fMakeControlButton(pugi::xml_node node, ZS_TRANSFORM3_AUTO* placement, const char* file,
                                   const char* name)
{
    ZC_GUI_OBJECT* widget = fCreateWidgetFromXml(node);
    ZC_GUI_BUTTON5* button = dynamic_cast<ZC_GUI_BUTTON5*>(widget);
    if (!button)
    {
        delete widget;
        fLogControl(file, std::string("has a \"BUTTON5\" that makes no button: the ") + name + " button is left out");
        return nullptr;
    }
    button->fGetTransform()->parent = placement;
    return button;
}

void fDeleteControlButton(ZC_GUI_BUTTON5*& button)
{
    if (!button)
        return;
    button->fReleaseResourcesTree();
    delete button;
    button = nullptr;
}

GG_BASE_CONTROL::~GG_BASE_CONTROL()
{
    delete background;
}

void GG_BASE_CONTROL::fDraw()
{
    if (background)
        background->fDraw();
}

int GG_BASE_CONTROL::fOnKeyUp(int)
{
    return blocked ? -109 : 0;
}

int GG_BASE_CONTROL::fOnKeyDown(int)
{
    return blocked ? -109 : 0;
}

void GG_BASE_CONTROL::fUpdateLayout()
{
    placement.fSetAuto(placement.autoX, placement.autoY);
}

void GG_BASE_CONTROL::fLoadResources()
{
    if (loaded)
        return;
    if (background)
        background->fLoadTexture();
    loaded = true;
}

void GG_BASE_CONTROL::fUnloadResources()
{
    if (background)
        background->fUnloadTexture();
    loaded = false;
}

void GG_BASE_CONTROL::fLoadXml(pugi::xml_node element)
{
    // A background held from an earlier read goes, with its texture.
    delete background;
    background = nullptr;
    if (pugi::xml_node node = element.child("background"))
    {
        background = new G_SPRITE(node);
        background->transform->parent = &placement;
        if (loaded)
            background->fLoadTexture();
    }
    if (pugi::xml_node node = element.child("TRANSFORM"))
        placement.fLoadXml(node);
}
}

#include "game/puzzle/GG_PAUSE.h"

#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LOADER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_PAUSE::~GG_PAUSE()
{
    fDeleteButton();
}

void GG_PAUSE::fDeleteButton()
{
    if (!button)
        return;
    button->fReleaseResourcesTree();
    delete button;
    button = nullptr;
}

bool GG_PAUSE::fLoadXml()
{
    fDeleteButton();
    pugi::xml_document* document = fGetControlXml(CONTROL_PAUSE_FILE);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    GG_BASE_CONTROL::fLoadXml(root);
    bool made = false;
    if (pugi::xml_node node = root.child("BUTTON5"))
    {
        ZC_GUI_OBJECT* widget = fCreateWidgetFromXml(node);
        button = dynamic_cast<ZC_GUI_BUTTON5*>(widget);
        if (button)
        {
            button->fGetTransform()->parent = &placement;
            made = true;
        }
        else
        {
            delete widget;
            fLogControl(CONTROL_PAUSE_FILE, "has a \"BUTTON5\" that makes no button: the pause button is left out");
        }
    }
    else
        fLogControl(CONTROL_PAUSE_FILE, "has no \"BUTTON5\": the pause button is left out");
    zcREPOSITORY->fReleaseXml(document);
    return made;
}

int GG_PAUSE::fOnKeyDown(int)
{
    return button && button->fKeyDownTree() ? -109 : 0;
}

int GG_PAUSE::fOnKeyUp(int)
{
    if (button && button->fKeyUpTree())
        fPauseIntoWindow("GP_Menu");
    return 0;
}

int GG_PAUSE::fOnMouseMove()
{
    if (button)
        button->fMouseMoveTree();
    return 0;
}

int GG_PAUSE::fUpdate()
{
    if (button)
        button->fUpdateTree();
    return 0;
}

void GG_PAUSE::fDraw()
{
    if (button)
        button->fDrawTree();
}

void GG_PAUSE::fLoadResources()
{
    if (loaded)
        return;
    GG_BASE_CONTROL::fLoadResources();
    if (button)
        button->fRestoreResourcesTree();
}

void GG_PAUSE::fUnloadResources()
{
    GG_BASE_CONTROL::fUnloadResources();
    if (button)
        button->fReleaseResourcesTree();
}
}

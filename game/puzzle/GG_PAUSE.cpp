#include "game/puzzle/GG_PAUSE.h"

#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_BUTTON.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_PAUSE::~GG_PAUSE()
{
    fDeleteControlButton(button);
}

bool GG_PAUSE::fLoadXml()
{
    fDeleteControlButton(button);
    pugi::xml_document* document = fGetControlXml(CONTROL_PAUSE_FILE);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    GG_BASE_CONTROL::fLoadXml(root);
    if (pugi::xml_node node = root.child("BUTTON5"))
        button = fMakeControlButton(node, &placement, CONTROL_PAUSE_FILE, "pause");
    else
        fLogControl(CONTROL_PAUSE_FILE, "has no \"BUTTON5\": the pause button is left out");
    zcREPOSITORY->fReleaseXml(document);
    return button != nullptr;
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

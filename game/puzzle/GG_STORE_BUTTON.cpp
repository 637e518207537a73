#include "game/puzzle/GG_STORE_BUTTON.h"

#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LOADER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_STORE_BUTTON::~GG_STORE_BUTTON()
{
    bots.fDeleteAll();
    fDeleteButton();
}

void GG_STORE_BUTTON::fDeleteButton()
{
    if (!button)
        return;
    bots.fDeleteAll(); // the slides move the button's transform
    button->fReleaseResourcesTree();
    delete button;
    button = nullptr;
}

bool GG_STORE_BUTTON::fLoadXml()
{
    const char* file = fGetControlShell().storeButton() ? CONTROL_STORE_FILE : CONTROL_STORE_EMPTY_FILE;
    pugi::xml_document* document = fGetControlXml(file);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    GG_BASE_CONTROL::fLoadXml(root);
    if (pugi::xml_attribute a = root.attribute("speed"))
        speed = a.as_float();
    fDeleteButton();
    if (pugi::xml_node node = root.child("BUTTON5"))
    {
        ZC_GUI_OBJECT* widget = fCreateWidgetFromXml(node);
        button = dynamic_cast<ZC_GUI_BUTTON5*>(widget);
        if (!button)
        {
            delete widget;
            fLogControl(file, "has a \"BUTTON5\" that makes no button: the store button is left out");
        }
        else
        {
            button->fGetTransform()->parent = &placement;
            shownPlace = hiddenPlace = button->fGetTransform()->fGetPositionXY();
        }
    }
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

void GG_STORE_BUTTON::fSetHidden(int value)
{
    hidden = value;
    if (value != 0)
        fSlideOut();
    else
        fSlideIn();
}

void GG_STORE_BUTTON::fSlideIn()
{
    if (button)
        bots.fAdd(fCreateBotMove(button->fGetTransform(), speed, 0.0f, shownPlace.x, shownPlace.y, 0.0f, 0.0f));
}

void GG_STORE_BUTTON::fSlideOut()
{
    if (button)
        bots.fAdd(fCreateBotMove(button->fGetTransform(), speed, 0.0f, hiddenPlace.x, hiddenPlace.y, 0.0f, 0.0f));
}

int GG_STORE_BUTTON::fOnKeyDown(int key)
{
    if (GG_BASE_CONTROL::fOnKeyDown(key) == -109 || hidden != 0 || !button)
        return 0;
    if (!button->fKeyDownTree())
        return 0;
    fPauseIntoWindow("Shop");
    return -109;
}

int GG_STORE_BUTTON::fOnKeyUp(int)
{
    if (hidden == 0 && button)
        button->fKeyUpTree();
    return 0;
}

int GG_STORE_BUTTON::fOnMouseMove()
{
    if (hidden == 0 && button)
        button->fMouseMoveTree();
    return 0;
}

void GG_STORE_BUTTON::fDraw()
{
    if (hidden != 0)
        return;
    GG_BASE_CONTROL::fDraw();
    if (button)
        button->fDrawTree();
}

int GG_STORE_BUTTON::fUpdate()
{
    bots.fUpdate();
    return 0;
}

void GG_STORE_BUTTON::fLoadResources()
{
    if (loaded)
        return;
    GG_BASE_CONTROL::fLoadResources();
    hiddenPlace.y = shownPlace.y;
    if (button)
    {
        button->fRestoreResourcesTree();
        hiddenPlace.y += button->fGetHeight();
    }
    if (hidden != 0)
        fSlideOut();
    else
        fSlideIn();
}

void GG_STORE_BUTTON::fUnloadResources()
{
    GG_BASE_CONTROL::fUnloadResources();
    if (button)
        button->fReleaseResourcesTree();
}
}

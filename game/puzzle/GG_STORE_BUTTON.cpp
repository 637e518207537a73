#include "game/puzzle/GG_STORE_BUTTON.h"

#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_BUTTON.h"

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
    fDeleteControlButton(button);
}

bool GG_STORE_BUTTON::fLoadXml()
{
    const char* file = fGetControlShell().storeButton() ? CONTROL_STORE_FILE : CONTROL_STORE_EMPTY_FILE;
    pugi::xml_document* document = fGetControlXml(file);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    fLoadSlideXml(root);
    fDeleteButton();
    if (pugi::xml_node node = root.child("BUTTON5"))
    {
        button = fMakeControlButton(node, &placement, file, "store");
        if (button)
            shownPlace = hiddenPlace = button->fGetTransform()->fGetPositionXY();
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
        fSlideTo(button->fGetTransform(), shownPlace);
}

void GG_STORE_BUTTON::fSlideOut()
{
    if (button)
        fSlideTo(button->fGetTransform(), hiddenPlace);
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

float GG_STORE_BUTTON::fLoadPictures()
{
    if (!button)
        return 0.0f;
    button->fRestoreResourcesTree();
    return button->fGetHeight();
}

void GG_STORE_BUTTON::fSlideToState()
{
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

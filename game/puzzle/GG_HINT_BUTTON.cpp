#include "game/puzzle/GG_HINT_BUTTON.h"

#include <algorithm>

#include "engine/bots/ZC_BOT_FADE.h"
#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/files/ZC_REPOSITORY.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_HINT_BUTTON::GG_HINT_BUTTON(void* aowner, ZF_CONTROL_ACTION ahintOperation)
    : owner(aowner), hintOperation(ahintOperation), completion(&GG_HINT_BUTTON::fOnSlideOutFinished, "", this)
{
    buttonSprite.transform->parent = &placement;
    hint.transform->parent = &placement;
}

GG_HINT_BUTTON::~GG_HINT_BUTTON()
{
    // The slides point at this button's pictures and completion record.
    bots.fDeleteAll();
}

bool GG_HINT_BUTTON::fLoadXml()
{
    pugi::xml_document* document = fGetControlXml(CONTROL_HINT_FILE);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    fLoadSlideXml(root);
    if (pugi::xml_node node = root.child("hint"))
    {
        hint.fLoadXml(node);
        hint.transform->parent = &placement;
    }
    const pugi::xml_node sprite = root.child("button_sprite");
    if (sprite)
    {
        buttonSprite.fLoadXml(sprite);
        // A TRANSFORM in the element sets the whole record, parent included.
        buttonSprite.transform->parent = &placement;
        shownPlace = hiddenPlace = buttonSprite.transform->fGetPositionXY();
    }
    else
        fLogControl(CONTROL_HINT_FILE, "has no \"button_sprite\": the hint button is left out");
    zcREPOSITORY->fReleaseXml(document);
    return bool(sprite);
}

void GG_HINT_BUTTON::fSetCount(int n)
{
    count = n;
    // The strip has a picture for 0 to 4 hints; more show the last one instead of reading
    // past the strip.
    buttonSprite.fSetFrameCell(kFrames, 1, std::clamp(n, 0, kFrames - 1));
    if (n <= 0)
        fSlideOut(false);
    else
        fSlideIn();
}

void GG_HINT_BUTTON::fSlideIn()
{
    // Back in play, unless a press is still on its way out: its hint comes first.
    if (!pressPending)
        outOfPlay = false;
    bots.fAdd(fCreateBotColor(&hint, speed, 0xFFFFFFFFu, 0.0f));
    fSlideTo(buttonSprite.transform, shownPlace);
}

void GG_HINT_BUTTON::fSlideOut(bool pressed)
{
    outOfPlay = true;
    if (pressed)
        pressPending = true;
    ZC_BOT_MOVE* move = fSlideTo(buttonSprite.transform, hiddenPlace);
    bots.fAdd(fCreateBotColor(&hint, speed, 0x00FFFFFFu, 0.0f));
    if (pressed && move)
        move->fMessage(zcMESSAGE_SET_CALLBACK, 0.0f, 0.0f, 0.0f, &completion);
}

int GG_HINT_BUTTON::fOnSlideOutFinished(void* target)
{
    GG_HINT_BUTTON* button = static_cast<GG_HINT_BUTTON*>(target);
    if (!button)
        return 0;
    button->pressPending = false;
    button->outOfPlay = false;
    // The hint usually sets the count, which slides the button back in or keeps it out.
    if (button->owner && button->hintOperation)
        button->hintOperation(button->owner);
    return 0;
}

int GG_HINT_BUTTON::fOnKeyDown(int key)
{
    if (GG_BASE_CONTROL::fOnKeyDown(key) == -109 || !fIsInPlay() || key != 1 || !buttonSprite.fIsMouseOver())
        return 0;
    fSlideOut(true);
    return -109;
}

void GG_HINT_BUTTON::fDraw()
{
    if (count <= 0)
        return;
    GG_BASE_CONTROL::fDraw();
    hint.fDraw();
    buttonSprite.fDraw();
}

float GG_HINT_BUTTON::fLoadPictures()
{
    hint.fLoadTexture();
    buttonSprite.fLoadTexture();
    if (buttonSprite.texture && buttonSprite.fIsLoaded())
        buttonSprite.fSetWidth(float(buttonSprite.texture->size.x / kFrames));
    buttonSprite.fSetHotSpot(4, 0.0f, 0.0f);
    // The frame of the count set before the picture was there.
    buttonSprite.fSetFrameCell(kFrames, 1, std::clamp(count, 0, kFrames - 1));
    return buttonSprite.fGetHeight();
}

void GG_HINT_BUTTON::fSlideToState()
{
    if (count == 0)
        fSlideOut(false);
    else
        fSlideIn();
}

void GG_HINT_BUTTON::fUnloadResources()
{
    GG_BASE_CONTROL::fUnloadResources();
    buttonSprite.fUnloadTexture();
    hint.fUnloadTexture();
}
}

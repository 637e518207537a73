#include "game/puzzle/GG_RESET_SELECTION.h"

#include "engine/bots/ZC_BOT_FADE.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const FEEDBACK_WINDOW = "GP_FeedBack_Reset";

void fReadColor(pugi::xml_node root, const char* name, ZS_COLOR* color)
{
    if (pugi::xml_attribute a = root.attribute(name))
        color->fParse(a.value());
}
}

void fHideResetFeedback()
{
    G_WINDOW_MANAGER* windows = fGetControlShell().windows();
    if (!windows)
        return;
    windows->fHideWindow(FEEDBACK_WINDOW, false);
    if (G_WINDOW* window = windows->fFindWindow(FEEDBACK_WINDOW))
        window->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
}

void fCallHideResetFeedback(void*)
{
    fHideResetFeedback();
}

GG_RESET_SELECTION::GG_RESET_SELECTION(void* aowner, ZF_CONTROL_ACTION acancelOperation)
    : owner(aowner), cancelOperation(acancelOperation)
{
    area.transform->parent = &placement;
}

GG_RESET_SELECTION::~GG_RESET_SELECTION()
{
    // The colour changes point at the area's picture.
    bots.fDeleteAll();
}

bool GG_RESET_SELECTION::fLoadXml()
{
    pugi::xml_document* document = fGetControlXml(CONTROL_RESET_FILE);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    GG_BASE_CONTROL::fLoadXml(root);
    if (pugi::xml_attribute a = root.attribute("time"))
        time = a.as_float();
    fReadColor(root, "begin_color", &beginColor);
    fReadColor(root, "mid_color", &midColor);
    fReadColor(root, "end_color", &endColor);
    if (pugi::xml_node node = root.child("sprite"))
    {
        area.fLoadXml(node);
        area.transform->parent = &placement;
    }
    else
        fLogControl(CONTROL_RESET_FILE, "has no \"sprite\": the reset area has no picture");
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

void GG_RESET_SELECTION::fChangeColor(const ZS_COLOR& color)
{
    bots.fAdd(fCreateBotColor(&area, time, color.fToPacked(), 0.0f));
}

void GG_RESET_SELECTION::fStartHighlight()
{
    fChangeColor(midColor);
    dragging = true;
}

void GG_RESET_SELECTION::fEndHighlight()
{
    fChangeColor(beginColor);
    hovered = false;
    dragging = false;
}

bool GG_RESET_SELECTION::fIsPointerOver() const
{
    return area.fIsMouseOver();
}

int GG_RESET_SELECTION::fOnMouseMove()
{
    if (!dragging)
        return 0;
    const bool over = fIsPointerOver();
    if (over && !hovered)
    {
        fChangeColor(endColor);
        area.fStart(0.0f);
        hovered = true;
    }
    else if (!over && hovered)
    {
        fChangeColor(midColor);
        hovered = false;
    }
    return 0;
}

int GG_RESET_SELECTION::fOnKeyUp(int key)
{
    if (GG_BASE_CONTROL::fOnKeyUp(key) == -109)
        return 0;
    if (dragging)
    {
        if (!hovered)
            return 0;
        if (owner && cancelOperation)
            cancelOperation(owner);
        return -109;
    }
    if (fIsPointerOver())
    {
        G_WINDOW_MANAGER* windows = fGetControlShell().windows();
        if (windows && windows->fShowWindow(FEEDBACK_WINDOW, false))
            if (G_WINDOW* window = windows->fFindWindow(FEEDBACK_WINDOW))
                window->fSetEventCallback(WE_SHOWN, this, &fCallHideResetFeedback);
    }
    return 0;
}

int GG_RESET_SELECTION::fOnKeyDown(int)
{
    return 0;
}

void GG_RESET_SELECTION::fDraw()
{
    if (blocked)
        return;
    GG_BASE_CONTROL::fDraw();
    area.fDraw();
}

int GG_RESET_SELECTION::fUpdate()
{
    bots.fUpdate();
    // The glow started when the dragged pointer entered plays its frames.
    area.fUpdate();
    return 0;
}

void GG_RESET_SELECTION::fLoadResources()
{
    GG_BASE_CONTROL::fLoadResources();
    area.fLoadTexture();
    area.fSetColor(beginColor);
}

void GG_RESET_SELECTION::fUnloadResources()
{
    GG_BASE_CONTROL::fUnloadResources();
    area.fUnloadTexture();
}
}

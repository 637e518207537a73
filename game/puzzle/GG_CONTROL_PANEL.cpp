#include "game/puzzle/GG_CONTROL_PANEL.h"

#include <algorithm>

#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/gui/ZC_GUI_LOADER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_CHECK_MODE_TOGGLE::~GG_CHECK_MODE_TOGGLE()
{
    if (widget)
        widget->fReleaseResourcesTree();
    delete widget;
}

bool GG_CHECK_MODE_TOGGLE::fLoadXml(pugi::xml_node element)
{
    if (!element || !element.first_child())
        return false;
    if (widget)
    {
        widget->fReleaseResourcesTree();
        delete widget;
        widget = nullptr;
        loaded = false;
    }
    pugi::xml_node child = element.first_child();
    while (child && child.type() != pugi::node_element)
        child = child.next_sibling();
    ZC_GUI_OBJECT* made = child ? fCreateWidgetFromXml(child) : nullptr;
    widget = dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(made);
    if (!widget)
    {
        delete made;
        fLogControl(CONTROL_AMBIENT_FILE, "has a \"check_mode\" that makes no check box: the tool stays on fill");
    }
    return true;
}

bool GG_CHECK_MODE_TOGGLE::fIsChecked() const
{
    return widget ? widget->fIsChecked() : true;
}

void GG_CHECK_MODE_TOGGLE::fSetChecked(bool checked)
{
    if (widget)
        widget->fSetChecked(checked, false);
}

int GG_CHECK_MODE_TOGGLE::fOnKeyDown(int)
{
    if (blocked || !widget)
        return 0;
    return widget->fKeyDownTree() ? -109 : 0;
}

int GG_CHECK_MODE_TOGGLE::fUpdate()
{
    if (widget)
        widget->fUpdateTree();
    return 0;
}

void GG_CHECK_MODE_TOGGLE::fDraw()
{
    if (widget)
        widget->fDrawTree();
}

void GG_CHECK_MODE_TOGGLE::fLoadResources()
{
    if (loaded)
        return;
    if (widget)
        widget->fRestoreResourcesTree();
    loaded = true;
}

void GG_CHECK_MODE_TOGGLE::fUnloadResources()
{
    if (widget)
        widget->fReleaseResourcesTree();
    loaded = false;
}

GG_CONTROL_PANEL::GG_CONTROL_PANEL(void* hintTarget, ZF_CONTROL_ACTION hintOperation, void* cancelTarget,
                                   ZF_CONTROL_ACTION cancelOperation)
    : hint(hintTarget, hintOperation), reset(cancelTarget, cancelOperation)
{
}

bool GG_CONTROL_PANEL::fLoadXml()
{
    pugi::xml_document* document = fGetControlXml(CONTROL_AMBIENT_FILE);
    if (!document)
        return false;
    // Each control stands on its own file: a broken hint file must not take the pause button
    // with it. The ones that failed are logged and left out.
    bool loadedAll = hint.fLoadXml();
    loadedAll = pause.fLoadXml() && loadedAll;
    loadedAll = store.fLoadXml() && loadedAll;
    loadedAll = reset.fLoadXml() && loadedAll;
    if (!toggle.fLoadXml(document->document_element().child("check_mode")))
    {
        fLogControl(CONTROL_AMBIENT_FILE, "has no \"check_mode\": the tool switch is left out");
        loadedAll = false;
    }
    zcREPOSITORY->fReleaseXml(document);
    return loadedAll;
}

void GG_CONTROL_PANEL::fSetFillMode()
{
    toggle.fSetChecked(true);
}

bool GG_CONTROL_PANEL::fIsFillMode() const
{
    return toggle.fIsChecked();
}

int GG_CONTROL_PANEL::fOnKeyDown(int key)
{
    void (cControlDelegate::*tell)() = nullptr;
    int answer = 0;
    if ((answer = toggle.fOnKeyDown(key)) != 0)
        tell = &cControlDelegate::fOnCheckModeToggle;
    else if ((answer = hint.fOnKeyDown(key)) != 0)
        tell = &cControlDelegate::fOnHintButton;
    else if ((answer = pause.fOnKeyDown(key)) != 0)
        tell = &cControlDelegate::fOnPauseButton;
    else if ((answer = store.fOnKeyDown(key)) != 0)
        tell = &cControlDelegate::fOnStoreButton;
    if (tell)
        for (size_t i = 0; i < listeners.size(); ++i)
            (listeners[i]->*tell)();
    return answer;
}

int GG_CONTROL_PANEL::fOnKeyUp(int key)
{
    pause.fOnKeyUp(key);
    store.fOnKeyUp(key);
    if (reset.fOnKeyUp(key) != 0)
        for (size_t i = 0; i < listeners.size(); ++i)
            listeners[i]->fOnResetSelection();
    return 0;
}

int GG_CONTROL_PANEL::fOnMouseMove()
{
    pause.fOnMouseMove();
    store.fOnMouseMove();
    reset.fOnMouseMove();
    return 0;
}

int GG_CONTROL_PANEL::fUpdate()
{
    int answer = toggle.fUpdate();
    if (answer == 0)
        answer = hint.fUpdate();
    if (answer == 0)
        answer = reset.fUpdate();
    if (answer == 0)
        answer = pause.fUpdate();
    if (answer == 0)
        answer = store.fUpdate();
    return answer;
}

void GG_CONTROL_PANEL::fStartSelectionHighlight()
{
    reset.fStartHighlight();
}

void GG_CONTROL_PANEL::fEndSelectionHighlight()
{
    reset.fEndHighlight();
}

void GG_CONTROL_PANEL::fSetBlocked(bool hintBlocked, bool toggleBlocked, bool storeBlocked, bool resetBlocked)
{
    hint.fSetBlocked(hintBlocked);
    toggle.fSetBlocked(toggleBlocked);
    store.fSetBlocked(storeBlocked);
    reset.fSetBlocked(resetBlocked);
}

void GG_CONTROL_PANEL::fAddListener(cControlDelegate* delegate)
{
    if (delegate && std::find(listeners.begin(), listeners.end(), delegate) == listeners.end())
        listeners.push_back(delegate);
}

void GG_CONTROL_PANEL::fSetHints(int hintsLeft)
{
    hint.fSetCount(hintsLeft);
    store.fSetHidden(hintsLeft);
}

void GG_CONTROL_PANEL::fLoadResources()
{
    toggle.fLoadResources();
    hint.fLoadResources();
    pause.fLoadResources();
    store.fLoadResources();
    reset.fLoadResources();
}

void GG_CONTROL_PANEL::fUnloadResources()
{
    toggle.fUnloadResources();
    hint.fUnloadResources();
    pause.fUnloadResources();
    store.fUnloadResources();
    reset.fUnloadResources();
}
}

#pragma once
#include <vector>

#include <pugixml.hpp>

#include "game/puzzle/GG_BASE_CONTROL.h"
#include "game/puzzle/GG_HINT_BUTTON.h"
#include "game/puzzle/GG_PAUSE.h"
#include "game/puzzle/GG_RESET_SELECTION.h"
#include "game/puzzle/GG_STORE_BUTTON.h"
#include "game/puzzle/cControlDelegate.h"

namespace ZOR
{
class ZC_GUI_CHECKBOX_INTERFACE;
}

namespace game
{
// The fill/cross tool switch: a check box, checked for fill. It hears presses only, so the
// box must switch on the press (a sliding switch does).
class GG_CHECK_MODE_TOGGLE
{
public:
    GG_CHECK_MODE_TOGGLE() = default;
    ~GG_CHECK_MODE_TOGGLE();
    GG_CHECK_MODE_TOGGLE(const GG_CHECK_MODE_TOGGLE&) = delete;
    GG_CHECK_MODE_TOGGLE& operator=(const GG_CHECK_MODE_TOGGLE&) = delete;

    // The element's first child as the box; false for a missing or empty element. A child
    // that is not a check box is logged and leaves the toggle without one (always fill).
    bool fLoadXml(pugi::xml_node element);
    // True without a box.
    bool fIsChecked() const;
    void fSetChecked(bool checked);
    // 0 while blocked or without a box; -109 when the box took the press.
    int fOnKeyDown(int key);
    int fUpdate();
    // Drawn also while blocked.
    void fDraw();
    void fLoadResources();
    void fUnloadResources();
    void fSetBlocked(bool value) { blocked = value; }
    bool fIsBlocked() const { return blocked; }
    ZOR::ZC_GUI_CHECKBOX_INTERFACE* fGetWidget() const { return widget; }

private:
    bool blocked = false;
    bool loaded = false;
    ZOR::ZC_GUI_CHECKBOX_INTERFACE* widget = nullptr;
};

// The five controls beside the grid: the tool switch, the hint, pause and store buttons and
// the reset-selection area. It loads them, hands them input, updates and resources, tells its
// listeners which control was used, and lets the game object block controls for tutorial
// steps. The level screen owns one for the whole run.
class GG_CONTROL_PANEL
{
public:
    // The hint button starts hints on hintTarget, the reset area cancels selections on
    // cancelTarget.
    GG_CONTROL_PANEL(void* hintTarget, ZF_CONTROL_ACTION hintOperation, void* cancelTarget,
                     ZF_CONTROL_ACTION cancelOperation);
    GG_CONTROL_PANEL(const GG_CONTROL_PANEL&) = delete;
    GG_CONTROL_PANEL& operator=(const GG_CONTROL_PANEL&) = delete;

    // The hint button, pause button, store button and reset area from their files, then the
    // tool switch from "check_mode" of the ambient file. Each loads on its own; one that fails
    // is logged and left out. True only when all loaded.
    bool fLoadXml();
    // At every level start: the fill tool.
    void fSetFillMode();
    bool fIsFillMode() const;
    // Toggle, hint, pause, store in turn until one takes the press (-109); the listeners hear
    // of that one. 0 when none took it.
    int fOnKeyDown(int key);
    // Pause, store and reset area; a selection cancelled over the reset area is told to the
    // listeners. 0.
    int fOnKeyUp(int key);
    // Pause, store and reset area. 0.
    int fOnMouseMove();
    // Toggle, hint, reset area, pause, store; the first non-zero answer ends the pass.
    int fUpdate();
    void fStartSelectionHighlight();
    void fEndSelectionHighlight();
    // The pause button cannot be blocked.
    void fSetBlocked(bool hint, bool toggle, bool store, bool reset);
    // Null and a listener already added are ignored.
    void fAddListener(cControlDelegate* delegate);
    // The hint count on the hint button and, hidden while there are hints, the store button.
    void fSetHints(int hintsLeft);

    void fDrawHintButton() { hint.fDraw(); }
    void fDrawStoreButton() { store.fDraw(); }
    void fDrawResetSelection() { reset.fDraw(); }
    void fDrawToggle() { toggle.fDraw(); }
    void fDrawPause() { pause.fDraw(); }
    void fLoadResources();
    void fUnloadResources();

    GG_CHECK_MODE_TOGGLE& fGetToggle() { return toggle; }
    GG_HINT_BUTTON& fGetHintButton() { return hint; }
    GG_PAUSE& fGetPause() { return pause; }
    GG_STORE_BUTTON& fGetStoreButton() { return store; }
    GG_RESET_SELECTION& fGetResetSelection() { return reset; }
    const std::vector<cControlDelegate*>& fGetListeners() const { return listeners; }

private:
    std::vector<cControlDelegate*> listeners;
    GG_CHECK_MODE_TOGGLE toggle;
    GG_HINT_BUTTON hint;
    GG_PAUSE pause;
    GG_STORE_BUTTON store;
    GG_RESET_SELECTION reset;
};
}

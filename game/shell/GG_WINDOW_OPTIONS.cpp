#include "game/shell/GG_WINDOW_OPTIONS.h"

#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_SIMPLE_SLIDER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kSelf = "Options";
const char* const kCredits = "Credits";

ZC_GUI_OBJECT* fFind(const G_WINDOW& window, int id)
{
    return window.fGetGui() ? window.fGetGui()->fFindById(id) : nullptr;
}
}

void fCallOnCreditsEvent(void* window, int widgetId)
{
    if (window)
        static_cast<GG_WINDOW_OPTIONS*>(window)->fOnCreditsEvent(widgetId);
}

GG_WINDOW_OPTIONS::GG_WINDOW_OPTIONS(pugi::xml_node element) : G_WINDOW(element)
{
    const struct
    {
        int id;
        bool present;
        const char* what;
    } controls[] = {
        {ID_FULL_SCREEN, dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(fFind(*this, ID_FULL_SCREEN)) != nullptr, "full-screen box"},
        {ID_CURSOR, dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(fFind(*this, ID_CURSOR)) != nullptr, "cursor box"},
        {ID_SOUND, fHasSlider(ID_SOUND), "sound slider"},
        {ID_MUSIC, fHasSlider(ID_MUSIC), "music slider"},
    };
    for (const auto& c : controls)
        if (!c.present)
            fLogLine("The window \"" + fGetName() + "\" has no " + c.what + " (widget " + std::to_string(c.id) +
                     "): that setting cannot be changed there.");
    fSetSliderValue(0.5f, ID_SOUND);
    fSetSliderValue(0.5f, ID_MUSIC);
    fSetFullScreenBox(false, true);
    fSetCursorBox(true, true);
}

GG_WINDOW_OPTIONS::~GG_WINDOW_OPTIONS() = default;

// ------------------------------------------------------------------ controls

void GG_WINDOW_OPTIONS::fSetBox(int widgetId, bool checked, bool immediately)
{
    if (ZC_GUI_CHECKBOX_INTERFACE* box = dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(fFind(*this, widgetId)))
        box->fSetChecked(checked, immediately);
}

bool GG_WINDOW_OPTIONS::fIsBoxChecked(int widgetId) const
{
    const ZC_GUI_CHECKBOX_INTERFACE* box = dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(fFind(*this, widgetId));
    return box && box->fIsChecked();
}

void GG_WINDOW_OPTIONS::fSetFullScreenBox(bool checked, bool immediately)
{
    fSetBox(ID_FULL_SCREEN, checked, immediately);
}

void GG_WINDOW_OPTIONS::fSetCursorBox(bool checked, bool immediately)
{
    fSetBox(ID_CURSOR, checked, immediately);
}

bool GG_WINDOW_OPTIONS::fIsFullScreenBoxChecked() const
{
    return fIsBoxChecked(ID_FULL_SCREEN);
}

bool GG_WINDOW_OPTIONS::fIsCursorBoxChecked() const
{
    return fIsBoxChecked(ID_CURSOR);
}

bool GG_WINDOW_OPTIONS::fHasSlider(int widgetId) const
{
    return dynamic_cast<ZC_GUI_SIMPLE_SLIDER*>(fFind(*this, widgetId)) != nullptr;
}

void GG_WINDOW_OPTIONS::fSetSliderValue(float value, int widgetId)
{
    if (ZC_GUI_SIMPLE_SLIDER* slider = dynamic_cast<ZC_GUI_SIMPLE_SLIDER*>(fFind(*this, widgetId)))
        slider->fSetValue(value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value));
}

float GG_WINDOW_OPTIONS::fGetSliderVolume(int widgetId) const
{
    const ZC_GUI_SIMPLE_SLIDER* slider = dynamic_cast<ZC_GUI_SIMPLE_SLIDER*>(fFind(*this, widgetId));
    return slider ? slider->value * 100.0f : 0.0f;
}

// ------------------------------------------------------------------ editing

void GG_WINDOW_OPTIONS::fBeginEdit()
{
    const gPlayers* players = fGetPlayers();
    player = players ? players->fGetCurrentPlayer() : nullptr;
    if (!player)
        return;
    savedPlayer = std::make_unique<GG_PLAYER>(*player);
    savedFullScreen = fIsFullScreen();
    fSetSliderValue(player->fGetMusicVolume() / 100.0f, ID_MUSIC);
    fSetSliderValue(player->fGetSoundVolume() / 100.0f, ID_SOUND);
    if (fIsMobilePlatform())
        return;
    fSetCursorBox(player->fGetGameCursor(), true);
    const ZS_POINT desktop = fGetDesktopSize();
    if (desktop.x > 1023 && desktop.y > 767)
    {
        fSetFullScreenBox(fIsFullScreen(), true);
        return;
    }
    ZC_GUI_OBJECT* box = fFind(*this, ID_FULL_SCREEN);
    ZC_GUI_OBJECT* label = fFind(*this, ID_FULL_SCREEN_LABEL);
    if (dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(box) && label && label->fGetType() == GUI_TYPE_WLABEL)
    {
        // Full screen is not offered on a desktop smaller than the game.
        box->fSetEnabled(false);
        box->fSetVisible(false);
        label->fSetVisible(false);
    }
}

void GG_WINDOW_OPTIONS::fApplyControls()
{
    if (!player)
        return;
    if (!fIsMobilePlatform())
    {
        player->fSetGameCursor(fIsCursorBoxChecked());
        fSetFullScreen(fIsFullScreenBoxChecked());
    }
    // A volume whose slider the layout lacks stays as it is.
    if (fHasSlider(ID_MUSIC))
        player->fSetMusicVolume(fGetSliderVolume(ID_MUSIC));
    if (fHasSlider(ID_SOUND))
        player->fSetSoundVolume(fGetSliderVolume(ID_SOUND));
    if (gGame* game = fGetGameInstance())
        game->fSetPlayer(player);
}

void GG_WINDOW_OPTIONS::fCancelChanges()
{
    if (!player || !savedPlayer)
        return;
    if (!fIsMobilePlatform())
    {
        player->fSetGameCursor(savedPlayer->fGetGameCursor());
        fSetFullScreen(savedFullScreen);
    }
    player->fSetMusicVolume(savedPlayer->fGetMusicVolume());
    player->fSetSoundVolume(savedPlayer->fGetSoundVolume());
    if (gGame* game = fGetGameInstance())
        game->fSetPlayer(player);
}

// ------------------------------------------------------------------ input

const ZS_GUI_EVENT* GG_WINDOW_OPTIONS::fOnKeyDown(int key)
{
    G_WINDOW::fOnKeyDown(key);
    return nullptr;
}

const ZS_GUI_EVENT* GG_WINDOW_OPTIONS::fOnKeyUp(int key)
{
    G_WINDOW::fOnKeyUp(key);
    return nullptr;
}

const ZS_GUI_EVENT* GG_WINDOW_OPTIONS::fOnMouseMove()
{
    const ZS_GUI_EVENT* e = G_WINDOW::fOnMouseMove();
    if (e && e->code != 0 && (e->id == ID_SOUND || e->id == ID_MUSIC))
        fApplyControls();
    return nullptr;
}

void GG_WINDOW_OPTIONS::fOnGuiEvent(int widgetId)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    switch (widgetId)
    {
    case ID_OK:
        if (gGame* game = fGetGameInstance())
            game->fSave();
        if (windows)
            windows->fHideWindow(kSelf, false);
        break;
    case ID_CANCEL:
        fCancelChanges();
        if (windows)
            windows->fHideWindow(kSelf, false);
        break;
    case ID_HELP:
        if (windows)
            windows->fShowWindow("Help", false);
        break;
    case ID_CREDITS: fShowCredits(); break;
    case ID_FULL_SCREEN:
    case ID_CURSOR:
    case ID_SOUND:
    case ID_MUSIC: fApplyControls(); break;
    default: break;
    }
}

void GG_WINDOW_OPTIONS::fShowCredits()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (G_WINDOW* credits = windows ? windows->fShowWindow(kCredits, false) : nullptr)
        credits->fSetGuiClickCallback(WE_GUI_CLICK, this, fCallOnCreditsEvent);
}

void GG_WINDOW_OPTIONS::fOnCreditsEvent(int widgetId)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (widgetId == 1 && windows)
        windows->fHideWindow(kCredits, false);
}
}

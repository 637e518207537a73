#include "game/shell/GG_WINDOW_TITLE.h"

#include <cmath>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"
#include "game/shell/gTextTemplate.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kNameBox = "Players_EditBox";
const char* const kFadeWindow = "Fade_Transition";

std::wstring fText(const char* key)
{
    const ZC_LOCALIZATION* strings = fGetStrings();
    return strings ? strings->fGetWideText(key) : std::wstring(L"etwas");
}

// Shows the name box with the given callbacks; nothing more when it is not an edit box.
void fAskForName(G_WINDOW_EDITBOX::ZF_RESULT result, G_WINDOW_EDITBOX::ZF_VALIDATOR validator, void* data)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    G_WINDOW* window = windows ? windows->fShowWindow(kNameBox, false) : nullptr;
    if (G_WINDOW_EDITBOX* box = dynamic_cast<G_WINDOW_EDITBOX*>(window))
    {
        box->fSetResultCallback(result, data);
        box->fSetValidator(validator, data);
    }
}

bool fNameIsFree(const std::wstring& name)
{
    const gPlayers* players = fGetPlayers();
    return !players || !players->fFindPlayer(name);
}

// A new current player from the name box, saved at once; null when the name is taken.
GG_PLAYER* fMakePlayer(const std::wstring& name)
{
    gGame* game = fGetGameInstance();
    GG_PLAYER* player = game ? game->fCreatePlayer(name) : nullptr;
    if (!player)
        return nullptr;
    game->fSetPlayer(player);
    game->fSave();
    return player;
}

bool fHasCurrentPlayer()
{
    const gPlayers* players = fGetPlayers();
    return players && players->fGetCurrentPlayer();
}
}

void fCallTitleGoToPacks(void* window)
{
    if (window)
        static_cast<GG_WINDOW_TITLE*>(window)->fGoToPacks();
}

void fCallExitAnswer(void* window, bool yes)
{
    if (window)
        static_cast<GG_WINDOW_TITLE*>(window)->fOnExitAnswer(yes);
}

// ------------------------------------------------------------------ title

void GG_WINDOW_TITLE::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case 1: fOnPlay(); break;
    case 2: fOnOptions(); break;
    case 3: fOnExit(); break;
    default: break;
    }
}

void GG_WINDOW_TITLE::fOnPlay()
{
    if (fHasCurrentPlayer())
        fStartFadeToPacks();
    else
        fAskForName(fOnNameForPlay, fIsNameFree, this);
}

void GG_WINDOW_TITLE::fOnOptions()
{
    if (fHasCurrentPlayer())
    {
        if (gGame* game = fGetGameInstance())
            game->fShowOptions();
    }
    else
    {
        fAskForName(fOnNameForOptions, fIsNameFree, this);
    }
}

void GG_WINDOW_TITLE::fOnExit()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    G_WINDOW* window = windows ? windows->fShowWindow("Confirm_Exit", false) : nullptr;
    if (G_WINDOW_CONFIRM* confirm = dynamic_cast<G_WINDOW_CONFIRM*>(window))
        confirm->fSetAnswerCallback(this, fCallExitAnswer);
}

void GG_WINDOW_TITLE::fOnExitAnswer(bool yes)
{
    if (yes && zcGAME)
        zcGAME->running = false;
}

void GG_WINDOW_TITLE::fStartFadeToPacks()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (G_WINDOW* fade = windows ? windows->fShowWindow(kFadeWindow, false) : nullptr)
        fade->fSetEventCallback(WE_SHOWN, this, fCallTitleGoToPacks);
}

void GG_WINDOW_TITLE::fGoToPacks()
{
    if (gGame* game = fGetGameInstance())
    {
        game->fHideTitleScene();
        game->fShowPacksScene();
    }
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (G_WINDOW* fade = windows ? windows->fHideWindow(kFadeWindow, false) : nullptr)
        fade->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
}

void GG_WINDOW_TITLE::fOnNameForPlay(void* data, bool ok, const std::wstring& name)
{
    if (data && ok && fMakePlayer(name))
        static_cast<GG_WINDOW_TITLE*>(data)->fStartFadeToPacks();
}

void GG_WINDOW_TITLE::fOnNameForOptions(void* data, bool ok, const std::wstring& name)
{
    if (!data || !ok || !fMakePlayer(name))
        return;
    if (gGame* game = fGetGameInstance())
        game->fShowOptions();
}

bool GG_WINDOW_TITLE::fIsNameFree(void*, const std::wstring& name)
{
    return fNameIsFree(name);
}

// ------------------------------------------------------------------ greeting

namespace
{
// Room kept free at each end of the greeting panel (its shadow and rounded end).
const float kGreetingMargin = 32.0f;
}

GG_WINDOW_TITLE_TOP::GG_WINDOW_TITLE_TOP(pugi::xml_node element) : G_WINDOW(element)
{
    // The layout must hold widget 1; without it the texts stay where the window is.
    ZC_GUI_OBJECT* widget = fGetGui() ? fGetGui()->fFindById(1) : nullptr;
    anchor = widget ? widget->fGetTransform() : fGetTransform();
    panel = widget;
    if (!widget)
        fLogLine("The window \"" + fGetName() + "\" has no widget 1: its greeting is placed by the window itself.");
    fReadSettings(element.child("SETTINGS"));
    linkColor = normalColor;
    for (const auto& [style, what] : {std::make_pair(&greetingFont, "greeting (\"font_big\")"),
                                      std::make_pair(&linkFont, "change-player link (\"font_med\")")})
        if (!style->font)
            fLogLine("The window \"" + fGetName() + "\" has no font for its " + what + ": it is not drawn.");
}

void GG_WINDOW_TITLE_TOP::fReadSettings(pugi::xml_node settings)
{
    if (!settings)
        return;
    if (pugi::xml_attribute a = settings.attribute("text_color_highlight"))
        highlightColor = fParseHexColor(a.value());
    if (pugi::xml_attribute a = settings.attribute("shift"))
        shift.fParse(a.value());
    linkFont.fLoad(settings.child("font_med"), fGetFonts());
    greetingFont.fLoad(settings.child("font_big"), fGetFonts());
    normalColor = linkFont.color;
}

void GG_WINDOW_TITLE_TOP::fRefresh()
{
    const gPlayers* players = fGetPlayers();
    const GG_PLAYER* player = players ? players->fGetCurrentPlayer() : nullptr;
    if (player)
    {
        greeting = fText("label_hello_player_with_name");
        playerName = player->fGetName();
    }
    else
    {
        greeting = fText("label_hello_player");
        playerName.clear();
    }
}

void GG_WINDOW_TITLE_TOP::fLoadResources()
{
    linkText = fText("label_change_player");
    if (ZC_FONT* font = linkFont.font)
    {
        font->fSetColor(linkFont.color.fToPacked());
        font->alignment = linkFont.hotSpot;
        linkHalfWidth = float(font->fMeasureLine(linkText.c_str()) / 2);
        linkHalfHeight = float(font->fGetLineHeight() / 2);
    }
}

std::wstring GG_WINDOW_TITLE_TOP::fGetGreetingText() const
{
    return fFillTextTemplate(greeting, playerName);
}

ZS_VECTOR2 GG_WINDOW_TITLE_TOP::fGetTextPosition() const
{
    ZS_VECTOR2 at = shift;
    if (anchor)
    {
        const ZS_TRANSFORM3 world = anchor->fCompose();
        at.x += world.position.x;
        at.y += world.position.y;
    }
    return at;
}

void GG_WINDOW_TITLE_TOP::fDraw()
{
    G_WINDOW::fDraw();
    const ZS_VECTOR2 at = fGetTextPosition();
    // Text placed beyond any screen is not drawn.
    int x, y;
    if (!fToPixel(at.x, &x) || !fToPixel(at.y, &y))
        return;
    // Greeting and name are drawn as text: neither is ever read as a format.
    if (ZC_FONT* font = greetingFont.font)
    {
        font->fSetColor(greetingFont.color.fToPacked());
        font->alignment = greetingFont.hotSpot;
        const std::wstring text = fGetGreetingText();
        // A long name is drawn smaller rather than past the panel's rounded ends.
        float scale = 1.0f;
        if (panel && font->sprite)
        {
            font->sprite->fSetScale(1.0f, 1.0f, 1.0f);
            const float room = panel->fGetWidth() - 2.0f * kGreetingMargin;
            const int width = font->fMeasureLine(text.c_str());
            if (room > 0.0f && float(width) > room)
                scale = room / float(width);
        }
        // The font centres by its unscaled line height: the smaller line keeps the same middle.
        const int lower = int(std::lround(0.5f * (1.0f - scale) * float(font->fGetLineHeight())));
        if (scale < 1.0f)
            font->sprite->fSetScale(scale, scale, scale);
        font->fDrawText(x, y + lower, text.c_str());
        if (scale < 1.0f)
            font->sprite->fSetScale(1.0f, 1.0f, 1.0f);
    }
    if (ZC_FONT* font = linkFont.font)
    {
        const int lineHeight = greetingFont.font ? greetingFont.font->fGetLineHeight() : 0;
        font->fSetColor(linkColor.fToPacked());
        font->alignment = linkFont.hotSpot;
        font->fDrawText(x, y + lineHeight, linkText.c_str());
    }
}

const ZS_GUI_EVENT* GG_WINDOW_TITLE_TOP::fOnMouseMove()
{
    G_WINDOW::fOnMouseMove();
    const ZS_VECTOR2 at = fGetTextPosition();
    const float lineHeight = greetingFont.font ? float(greetingFont.font->fGetLineHeight()) : 0.0f;
    const float middle = at.y + 0.7f * linkHalfHeight;
    int left, right, top, bottom;
    // A link placed beyond any screen is never under the pointer.
    const bool placed = fToPixel(at.x - linkHalfWidth, &left) && fToPixel(at.x + linkHalfWidth, &right) &&
                        fToPixel(middle - linkHalfHeight, &top) &&
                        fToPixel(middle + linkHalfHeight + lineHeight, &bottom);
    linkColor = placed && fIsPointInRect(zcMOUSE_POSITION, left, top, right, bottom) ? highlightColor : normalColor;
    return nullptr;
}

const ZS_GUI_EVENT* GG_WINDOW_TITLE_TOP::fOnKeyUp(int key)
{
    G_WINDOW::fOnKeyUp(key);
    if (key == 1 && fIsLinkHighlighted())
    {
        fOnGuiEvent(2);
        static const ZS_GUI_EVENT kTaken{2, 8};
        return &kTaken;
    }
    return nullptr;
}

void GG_WINDOW_TITLE_TOP::fOnDeactivated()
{
    linkColor = normalColor;
}

void GG_WINDOW_TITLE_TOP::fOnGuiEvent(int widgetId)
{
    if (widgetId == 2 && fIsLinkHighlighted())
        fOnPlayers();
}

void GG_WINDOW_TITLE_TOP::fOnPlayers()
{
    if (fHasCurrentPlayer())
    {
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fShowWindow("Players", false);
    }
    else
    {
        fAskForName(fOnNameForPlayers, fIsNameFree, this);
    }
}

void GG_WINDOW_TITLE_TOP::fOnNameForPlayers(void* data, bool ok, const std::wstring& name)
{
    if (!data || !ok || !fMakePlayer(name))
        return;
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fShowWindow("Players", false);
}

bool GG_WINDOW_TITLE_TOP::fIsNameFree(void*, const std::wstring& name)
{
    return fNameIsFree(name);
}
}

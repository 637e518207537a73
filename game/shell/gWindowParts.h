#pragma once
// Small helpers of the game's windows: widgets looked up by id and class, texts from the
// strings table shown exactly as written, one log line for a part a layout lacks, the current
// player and the game's sounds.
#include <string>

#include <pugixml.hpp>

#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/gui/ZC_GUI.h"
#include "framework/G_WINDOW.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gLog.h"

namespace game
{
class GG_PLAYER;

// The current player of the players list; null without the list or a player.
GG_PLAYER* fCurrentPlayer();
// A sound of the game by name; nothing before the game exists.
void fPlayGameSound(const char* name);

// The widget with that id when it is of that class; null otherwise.
template <class WIDGET>
WIDGET* fFindWidget(ZOR::ZC_GUI* gui, int id)
{
    return gui ? dynamic_cast<WIDGET*>(gui->fFindById(id)) : nullptr;
}

// The localised text of a key ("etwas" for a key the table lacks).
inline std::wstring fLocalText(const std::string& key)
{
    const ZOR::ZC_LOCALIZATION* strings = fGetStrings();
    return strings ? strings->fGetWideText(key.c_str()) : std::wstring(L"etwas");
}

// A label's text that shows exactly as the table has it: labels draw their text as a format.
inline std::wstring fLocalLabelText(const std::string& key)
{
    return ZOR_GF::fLiteralLabelText(fLocalText(key));
}

// A window that opens without a part of its layout says so once, when it is made.
inline void fLogMissingPart(const std::string& window, int id, const char* what)
{
    fLogLine("The window \"" + window + "\" has no " + what + " (widget " + std::to_string(id) +
             ") in its layout: that part stays empty.");
}
}

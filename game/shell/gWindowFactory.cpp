#include "game/shell/gWindowFactory.h"

#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/GG_WINDOW_FINISH.h"
#include "game/shell/GG_WINDOW_GAME_MENU.h"
#include "game/shell/GG_WINDOW_CONFIRM_EX.h"
#include "game/shell/GG_WINDOW_HEALTH.h"
#include "game/shell/GG_WINDOW_HELP.h"
#include "game/shell/GG_WINDOW_LEVEL.h"
#include "game/shell/GG_WINDOW_OPTIONS.h"
#include "game/shell/GG_WINDOW_PACK.h"
#include "game/shell/GG_WINDOW_PACK_MENU.h"
#include "game/shell/GG_WINDOW_PLAYERS.h"
#include "game/shell/GG_WINDOW_SHOP.h"
#include "game/shell/GG_WINDOW_SUNIME.h"
#include "game/shell/GG_WINDOW_TITLE.h"
#include "game/shell/GG_WINDOW_TROPHY.h"
#include "game/shell/GG_WINDOW_TROPHY_GET.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
typedef G_WINDOW* (*ZF_MAKE_WINDOW)(pugi::xml_node element);

template <class WINDOW>
G_WINDOW* fMake(pugi::xml_node element)
{
    return new WINDOW(element);
}

struct ZS_WINDOW_TYPE
{
    const char* type;
    ZF_MAKE_WINDOW make; // null: the class is not built yet
};

// In the order the names are compared; the first whole, case-sensitive match wins. A class
// that is not built yet keeps its place with no maker, so the order never changes as the
// screens arrive.
const ZS_WINDOW_TYPE kWindowTypes[] = {
    {"GG_WINDOW_TITLE_TOP", fMake<GG_WINDOW_TITLE_TOP>},
    {"GG_WINDOW_TITLE", fMake<GG_WINDOW_TITLE>},
    {"GG_WINDOW_OPTIONS", fMake<GG_WINDOW_OPTIONS>},
    {"GG_WINDOW_PACK", fMake<GG_WINDOW_PACK>},
    {"GG_WINDOW_PACK_MENU", fMake<GG_WINDOW_PACK_MENU>},
    {"GG_WINDOW_PLAYERS", fMake<GG_WINDOW_PLAYERS>},
    {"G_WINDOW_CONFIRM", fMake<G_WINDOW_CONFIRM>},
    {"G_WINDOW_EDITBOX", fMake<G_WINDOW_EDITBOX>},
    {"GG_WINDOW_LEVEL", fMake<GG_WINDOW_LEVEL>},
    {"GG_WINDOW_GAME_MENU", fMake<GG_WINDOW_GAME_MENU>},
    {"GG_WINDOW_CONFIRM_EX", fMake<GG_WINDOW_CONFIRM_EX>},
    {"GG_WINDOW_HELP", fMake<GG_WINDOW_HELP>},
    {"GG_WINDOW_TROPHY", fMake<GG_WINDOW_TROPHY>},
    {"G_WINDOW_SIMPLE", fMake<G_WINDOW_SIMPLE>},
    {"GG_WINDOW_FINISH", fMake<GG_WINDOW_FINISH>},
    {"GG_WINDOW_TROPHY_GET", fMake<GG_WINDOW_TROPHY_GET>},
    {"GG_WINDOW_SUNIME", fMake<GG_WINDOW_SUNIME>},
    {"GG_WINDOW_SHOP", fMake<GG_WINDOW_SHOP>},
    {"GG_WINDOW_HEALTH", fMake<GG_WINDOW_HEALTH>},
};

const ZS_WINDOW_TYPE* fFindType(const std::string& type)
{
    for (const ZS_WINDOW_TYPE& row : kWindowTypes)
        if (type == row.type)
            return &row;
    return nullptr;
}
}

bool fIsWindowTypeBuilt(const std::string& type)
{
    const ZS_WINDOW_TYPE* row = fFindType(type);
    return row && row->make;
}

G_WINDOW* fCreateWindowFromXml(pugi::xml_document* document)
{
    if (!document)
        return nullptr;
    pugi::xml_node element = document->document_element();
    pugi::xml_attribute type = element.attribute("_type");
    pugi::xml_attribute name = element.attribute("_name");
    if (!type || !name)
    {
        fLogLine(std::string("A window declaration <") + element.name() + "> lacks its " +
                 (type ? "\"_name\"" : "\"_type\"") + ": no window is made.");
        return nullptr;
    }
    const ZS_WINDOW_TYPE* row = fFindType(type.value());
    if (!row || !row->make)
    {
        fLogLine(std::string("The window \"") + name.value() + "\" has the type \"" + type.value() + "\", which " +
                 (row ? "is not built yet" : "no window class has") + ": no window is made.");
        return nullptr;
    }
    G_WINDOW* window = row->make(element);
    fLocalizeWidgetTree(window->fGetGui() ? window->fGetGui()->fGetRoot() : nullptr);
    window->fSetClickSoundHook(fPlayWindowSound);
    return window;
}

void fLocalizeWidgetTree(ZC_GUI_OBJECT* widget)
{
    if (!widget)
        return;
    if (widget->fGetType() == GUI_TYPE_WLABEL)
    {
        ZC_GUI_WLABEL* label = static_cast<ZC_GUI_WLABEL*>(widget);
        const ZC_LOCALIZATION* strings = fGetStrings();
        const std::string key = pugi::as_utf8(label->fGetText());
        label->fSetText(pugi::as_wide(strings ? strings->fGetText(key.c_str()) : "etwas"));
    }
    for (ZC_GUI_OBJECT* child : widget->fGetChildren())
        fLocalizeWidgetTree(child);
}

int fPlayWindowSound(const std::string& sound)
{
    if (sound.empty())
        return 0;
    ZC_SOUND_MANAGER* sounds = fGetSoundManager();
    return sounds ? sounds->fPlaySound("sounds", sound) : -1;
}
}

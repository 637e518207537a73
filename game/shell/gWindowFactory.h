#pragma once
#include <string>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_GUI_OBJECT;
}

namespace ZOR_GF
{
class G_WINDOW;
}

namespace game
{
// The window manager's factory: the window class named by the root element's "_type" (the
// class's own name, whole text, case included), made from that element, its wide labels
// translated and its click sound hooked. Null, with a log line naming the type or what is
// missing, for a declaration it cannot make.
ZOR_GF::G_WINDOW* fCreateWindowFromXml(pugi::xml_document* document);

// Every wide label in the subtree takes the text its key names in the game's strings
// ("etwas" for a key the strings lack); nothing for a null widget.
void fLocalizeWidgetTree(ZOR::ZC_GUI_OBJECT* widget);

// The click-sound hook of every window: plays the sound from the group "sounds"; 0 for an
// empty name, -1 when the group or the sound does not exist.
int fPlayWindowSound(const std::string& sound);

// Whether the factory can make windows of that "_type" now (the window classes come with the
// screens that use them).
bool fIsWindowTypeBuilt(const std::string& type);
}

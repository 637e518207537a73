#pragma once
#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "engine/text/ZS_FONT_STYLE.h"

namespace game
{
// The currency earned in the running level, printed at its place in its font style.
class GG_SUNIME_COUNTER
{
public:
    // The ambient file's "sunime": the font style ("fntName" naming a known font) and "pos";
    // false when either is missing. Nothing is drawn until a read succeeded.
    bool fLoadXml(pugi::xml_node element);
    void fSetValue(int n) { value = n; }
    void fAddValue(int n) { value += n; }
    int fGetValue() const { return value; }
    void fDraw();

    bool fIsLoaded() const { return loaded; }
    const ZOR::ZS_FONT_STYLE& fGetStyle() const { return style; }
    ZOR::ZS_POINT fGetPosition() const { return position; }

private:
    bool loaded = false;
    int value = 0;
    ZOR::ZS_FONT_STYLE style;
    ZOR::ZS_POINT position;
};
}

#pragma once
#include <pugixml.hpp>

#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR_GF
{
// A transform whose position may be given as fractions of the screen, so that windows and
// controls laid out for one resolution land at the same relative place at another. The
// fractions are applied when the transform is placed; a later change of the screen size does
// not move it. A plain record: a delayed store copies it whole.
struct ZS_TRANSFORM3_AUTO : ZOR::ZS_TRANSFORM3
{
    float autoX = 0.0f;
    float autoY = 0.0f;

    // The screen size every such transform places itself in (the configuration sets it
    // from the game's resolution with each display mode).
    static int screenWidth;
    static int screenHeight;
    static void fSetScreenSize(int width, int height);

    // Position x, y from the fractions; everything else stays.
    void fSetAuto(float x, float y);
    // The element's text is the 12-number transform text; the attributes "auto_x" and
    // "auto_y", where present, then place that axis by its fraction.
    void fLoadXml(pugi::xml_node element);
};
}

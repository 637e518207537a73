#include "framework/G_PAGE_INDICATOR.h"

#include "engine/core/ZC_TEXT_UTILS.h"

using namespace ZOR;

namespace ZOR_GF
{
G_PAGE_INDICATOR::G_PAGE_INDICATOR(pugi::xml_node element)
{
    if (pugi::xml_attribute file = element.attribute("file"))
        dot.fSetFile(file.value());
    if (pugi::xml_node placement = element.child("TRANSFORM"))
        transform.fParse(placement.child_value()); // resets first, parent included
}

G_PAGE_INDICATOR::G_PAGE_INDICATOR(const std::string& dotTexture)
{
    dot.fSetFile(dotTexture);
}

int G_PAGE_INDICATOR::fNext()
{
    // Unsigned: with no dots there is no next one.
    if (count > 0 && unsigned(current) < count - 1)
        ++current;
    return current;
}

int G_PAGE_INDICATOR::fPrev()
{
    if (current > 0)
        --current;
    return current;
}

void G_PAGE_INDICATOR::fLoadTexture()
{
    dot.fLoadTexture();
    if (!dot.texture)
        return;
    dot.fSetSize(float(dot.texture->size.x / 2), float(dot.texture->size.y));
    dot.fSetHotSpot(HS_ML, 0.0f, 0.0f);
}

void G_PAGE_INDICATOR::fUnloadTexture()
{
    dot.fUnloadTexture();
}

void G_PAGE_INDICATOR::fDraw()
{
    if (count < 2)
        return;
    const ZS_TRANSFORM3 world = transform.fCompose();
    const float w = dot.fGetWidth();
    const float x0 = world.position.x - w * float(count / 2);
    for (unsigned i = 0; i < count; ++i)
    {
        dot.fSetFrameCell(2, 1, int(i) == current ? 0 : 1);
        dot.fDrawAt(x0 + w * float(i), world.position.y, 0.0f, 1.0f, 1.0f);
    }
}
}

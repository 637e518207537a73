#include "engine/gui/ZC_STAR_RATING.h"

#include <algorithm>

namespace ZOR
{
ZC_STAR_RATING::ZC_STAR_RATING(pugi::xml_node node)
{
    fLoadSettings(node);
}

ZC_STAR_RATING::ZC_STAR_RATING(const ZS_STAR_RATING_SETTINGS& asettings) : settings(asettings) {}

ZC_STAR_RATING::~ZC_STAR_RATING()
{
    fClearStars();
    bots.fDeleteAll();
}

bool ZC_STAR_RATING::fLoadSettings(pugi::xml_node node)
{
    float* floats[] = {&settings.time,     &settings.amplitude, &settings.frequency,
                       &settings.decay,    &settings.startSize, &settings.endSize};
    const char* floatNames[] = {"time", "amplitude", "frequency", "decay", "start_size", "end_size"};
    for (int i = 0; i < 6; ++i)
    {
        pugi::xml_attribute a = node.attribute(floatNames[i]);
        if (!a)
            return false;
        *floats[i] = a.as_float();
    }
    pugi::xml_attribute drawEmpty = node.attribute("draw_empty");
    if (!drawEmpty)
        return false;
    settings.drawEmpty = drawEmpty.as_bool();
    pugi::xml_attribute starsMax = node.attribute("stars_max");
    if (!starsMax)
        return false;
    settings.starsMax = starsMax.as_int();
    pugi::xml_node transform = node.child("TRANSFORM");
    if (!transform)
        return false;
    settings.transform.fParse(transform.child_value());
    return true;
}

void ZC_STAR_RATING::fSetTexture(ZS_TEXTURE* texture)
{
    if (!texture)
        return;
    ZC_QUAD* halves[2] = {&emptyStar, &fullStar};
    for (int i = 0; i < 2; ++i)
    {
        halves[i]->fInitFromTexture(texture, &settings.transform);
        halves[i]->fSetWidth(float(texture->size.x / 2));
        halves[i]->fSetUVRect(0.5f * float(i), 0.0f, 0.5f * float(i) + 0.5f, 1.0f);
    }
    fBuildStars();
}

void ZC_STAR_RATING::fSetPosition(float x, float y)
{
    settings.transform.fSetPosition(x, y, 0.0f);
}

void ZC_STAR_RATING::fSetValue(int32_t avalue)
{
    if (value != avalue)
        value = avalue;
}

void ZC_STAR_RATING::fUpdate()
{
    bots.fUpdate();
}

void ZC_STAR_RATING::fDraw()
{
    for (ZC_QUAD* star : stars)
        star->fDrawInWorld();
}

void ZC_STAR_RATING::fClearStars()
{
    for (ZC_QUAD* star : stars)
        delete star;
    stars.clear();
}

void ZC_STAR_RATING::fBuildStars()
{
    fClearStars();
    const int32_t count = std::min(settings.starsMax, kMaxStars);
    const float width = emptyStar.fGetWidth();
    for (int32_t i = 0; i < count; ++i)
    {
        // Each copy shares the row's transform; its corners move along the row.
        ZC_QUAD* star = new ZC_QUAD(emptyStar);
        star->fMove(float(i) * width, 0.0f, 0.0f);
        stars.push_back(star);
    }
}
}

#pragma once
#include <cstdint>
#include <vector>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZC_QUAD.h"

namespace ZOR
{
// What a star rating's settings element holds, as one block.
struct ZS_STAR_RATING_SETTINGS
{
    float time = 0.0f;
    float amplitude = 0.0f;
    float frequency = 0.0f;
    float decay = 0.0f;
    float startSize = 0.0f;
    float endSize = 0.0f;
    bool drawEmpty = false;
    int32_t starsMax = 0;
    ZS_TRANSFORM3 transform;
};

// A row of star pictures outside any widget tree. One texture holds an empty star (left
// half) and a full star (right half); the row shows stars max empty stars side by side from
// the row's position. The pulse settings, the value and the full star are kept for the
// animations that the bot container is there to run.
class ZC_STAR_RATING
{
public:
    // More stars than this are not built: a settings element cannot make the row exhaust memory.
    static constexpr int32_t kMaxStars = 1000;

    // Reads the settings; a failed read keeps what was read before the missing item.
    explicit ZC_STAR_RATING(pugi::xml_node settings);
    explicit ZC_STAR_RATING(const ZS_STAR_RATING_SETTINGS& settings);
    ~ZC_STAR_RATING();
    ZC_STAR_RATING(const ZC_STAR_RATING&) = delete;
    ZC_STAR_RATING& operator=(const ZC_STAR_RATING&) = delete;

    // The attributes time, amplitude, frequency, decay, start_size, end_size, draw_empty and
    // stars_max, then the child TRANSFORM (twelve numbers). The first one missing ends the
    // reading with false.
    bool fLoadSettings(pugi::xml_node settings);
    // Cuts the two stars from the texture and builds the row again; null changes nothing.
    void fSetTexture(ZS_TEXTURE* texture);
    void fSetPosition(float x, float y);
    void fSetValue(int32_t avalue);
    void fUpdate();
    void fDraw();
    void fClearStars();
    void fBuildStars();

    const ZS_STAR_RATING_SETTINGS& fGetSettings() const { return settings; }
    int32_t fGetValue() const { return value; }
    const std::vector<ZC_QUAD*>& fGetStars() const { return stars; }
    ZC_QUAD& fGetEmptyStar() { return emptyStar; }
    ZC_QUAD& fGetFullStar() { return fullStar; }
    ZC_BOT_CONTAINER& fGetBots() { return bots; }
    ZS_TRANSFORM3& fGetTransform() { return settings.transform; }

private:
    ZC_BOT_CONTAINER bots;
    ZS_STAR_RATING_SETTINGS settings;
    ZC_QUAD emptyStar;
    ZC_QUAD fullStar;
    int32_t value = 4;
    std::vector<ZC_QUAD*> stars;
};
}

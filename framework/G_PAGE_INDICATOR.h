#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_TRANSFORM3.h"
#include "framework/G_SPRITE.h"

namespace ZOR_GF
{
// A row of touching dots under a paged list, one per page, the current page's dot in the
// other look. The dot texture holds the two looks side by side: frame 0 the current page's,
// frame 1 the others'. The row is anchored at the transform's world position: its dots' middles
// are on its y, and it starts half the dots (count div 2) to the left of its x.
class G_PAGE_INDICATOR
{
public:
    // Attribute "file": the dot texture (fetched by fLoadTexture); child "TRANSFORM": the
    // 12-number placement.
    explicit G_PAGE_INDICATOR(pugi::xml_node element);
    explicit G_PAGE_INDICATOR(const std::string& dotTexture);
    G_PAGE_INDICATOR(const G_PAGE_INDICATOR&) = delete;
    G_PAGE_INDICATOR& operator=(const G_PAGE_INDICATOR&) = delete;

    void fSetPosition(float x, float y) { transform.fSetPosition(x, y, 0.0f); }
    void fSetParent(ZOR::ZS_TRANSFORM3* parent) { transform.parent = parent; }
    // The current dot stays as it is.
    void fSetCount(unsigned value) { count = value; }
    unsigned fGetCount() const { return count; }
    int fGetCurrent() const { return current; }
    // One dot on, not past the last; answers the current dot.
    int fNext();
    // One dot back, not before the first.
    int fPrev();

    // The dot is half the texture wide, as high as it, placed by its middle-left point.
    void fLoadTexture();
    void fUnloadTexture();
    // Nothing for fewer than two dots.
    void fDraw();

    G_SPRITE& fGetDot() { return dot; }
    ZOR::ZS_TRANSFORM3& fGetTransform() { return transform; }

private:
    ZOR::ZS_TRANSFORM3 transform;
    unsigned count = 0;
    int current = 0;
    G_SPRITE dot;
};
}

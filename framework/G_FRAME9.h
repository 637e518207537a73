#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_TRANSFORM3.h"
#include "framework/G_SPRITE.h"

namespace ZOR_GF
{
// A resizable frame of nine sprites: four corners that keep their size, four edges stretched
// along the sides and a middle stretched both ways, centred on the frame's position. A piece
// whose texture is not loaded is neither counted nor drawn.
class G_FRAME9
{
public:
    G_FRAME9();
    // The pieces are placed under this frame's own transform, so a frame is not copied.
    G_FRAME9(const G_FRAME9&) = delete;
    G_FRAME9& operator=(const G_FRAME9&) = delete;

    // Attributes "ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr", each optional.
    void fLoadXml(pugi::xml_node element);
    // An empty name leaves that piece as it is.
    void fSetFiles(const std::string& ul, const std::string& up, const std::string& ur, const std::string& lt,
                   const std::string& mid, const std::string& rt, const std::string& dl, const std::string& dn,
                   const std::string& dr);
    // Loads the pieces, measures the corners and lays the frame out at its size, or at the
    // minimum when the size is unset or smaller.
    void fLoadTextures();
    void fUnloadTextures();
    // At least the minimum size.
    void fSetSize(int w, int h);
    void fSetPosition(float x, float y) { transform.fSetPosition(x, y, 0.0f); }
    float fGetWidth() const { return width; }
    float fGetHeight() const { return height; }
    float fGetMinWidth() const { return minWidth; }
    float fGetMinHeight() const { return minHeight; }
    void fDraw();

    ZOR::ZS_TRANSFORM3 transform;
    // In drawing order.
    G_SPRITE ul, up, ur, rt, dr, dn, dl, lt, mid;

private:
    // Width or height of a loaded piece, else of the fallback when that is loaded, else 0.
    static float fWidthOf(const G_SPRITE& piece, const G_SPRITE& fallback);
    static float fHeightOf(const G_SPRITE& piece, const G_SPRITE& fallback);
    void fLayout();

    float width = G_SPRITE::kUnset;
    float height = G_SPRITE::kUnset;
    float minWidth = G_SPRITE::kUnset;
    float minHeight = G_SPRITE::kUnset;
};
}

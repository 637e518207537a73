#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/render/ZC_MESH.h"

namespace ZOR_GF
{
// The framework's basic picture: one textured rectangle with four vertices and a transform of
// its own, a texture named by file and fetched lazily, a size and a hot spot that decides which
// point of the rectangle sits at the transform's position. Holders fetch the texture with
// fLoadTexture when their screen loads and hand it back with fUnloadTexture.
//
// The mesh part's ownsTransform says whether the transform was made by this sprite (deleted
// with it) or is shared with the sprite it was copied from.
class G_SPRITE : public ZOR::ZC_MESH
{
public:
    // Width and height before any size is known.
    static constexpr float kUnset = -1.0f;

    G_SPRITE();
    // Stores the name; nothing is fetched.
    explicit G_SPRITE(const std::string& file);
    explicit G_SPRITE(pugi::xml_node element);
    // A copy of a loaded sprite fetches its own reference; colour and texture rectangle are not copied.
    G_SPRITE(const G_SPRITE& source);
    G_SPRITE& operator=(const G_SPRITE& source);
    virtual ~G_SPRITE();

    virtual void fLoadTexture();
    // Size and vertices stay.
    virtual void fUnloadTexture();
    // Children "FILE", "HOT_SPOT", "POS", "TRANSFORM", "COLOR", "SIZE", each optional.
    virtual void fLoadXml(pugi::xml_node element);

    bool fIsLoaded() const;
    // A loaded sprite hands its texture back and fetches the new one.
    void fSetFile(const std::string& file);
    const std::string& fGetFile() const { return fileName; }
    // Builds the quad on first use, adopts the texture's size while a size is unset and
    // re-applies the hot spot.
    void fSetTexture(ZOR::ZS_TEXTURE* t);

    // The arguments are not used; callers pass 0.
    void fDraw(float = 0.0f, float = 0.0f, float = 0.0f);

    // 0-8 set the pivot to that anchor plus (dx, dy); larger numbers are stored and change nothing else.
    void fSetHotSpot(unsigned hotSpot, float dx, float dy);
    unsigned fGetHotSpot() const { return hotSpot; }
    void fSetSize(float w, float h);
    void fSetWidth(float w);
    void fSetHeight(float h);
    float fGetWidth() const { return width; }
    float fGetHeight() const { return height; }

    using ZC_MESH::fSetColor;
    void fSetColor(const ZOR::ZS_COLOR& color) { ZC_MESH::fSetColor(color.fToPacked()); }
    void fSetUV(float leftU, float topV, float rightU, float bottomV);
    // The rectangle's whole-pixel extent over the texture's size: a wrapping texture repeats at its own scale.
    void fSetUVToSize();
    // Cell index of a cols x rows grid, row by row; a grid without cells changes nothing.
    void fSetFrameCell(int cols, int rows, int index);
    // The pointer inside the unrotated, unscaled box, both bounds inclusive.
    bool fIsMouseOver() const;

    // Six indices, two triangles, shared by every sprite.
    static const uint16_t kIndices[6];

protected:
    std::string fileName;
    float width = kUnset;
    float height = kUnset;
    unsigned hotSpot = 4;

private:
    void fCopyFrom(const G_SPRITE& source);
    void fApplyHotSpot();
    // The extent of the quad: x of the top-right vertex, y of the bottom-left one.
    float fExtentX() const { return vertices ? vertices[1].x : 0.0f; }
    float fExtentY() const { return vertices ? vertices[3].y : 0.0f; }
};

// The renderer's default texture, which stands for "not loaded"; null without a renderer.
ZOR::ZS_TEXTURE* fGetDefaultTexture();
}

#include "framework/G_SPRITE.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/render/ZC_RENDER.h"

using namespace ZOR;

namespace ZOR_GF
{
const uint16_t G_SPRITE::kIndices[6] = {0, 1, 2, 0, 2, 3};

namespace
{
// Alpha blending, anisotropic filtering, textured, triangle list.
ZS_RENDER_STATE fSpriteState()
{
    ZS_RENDER_STATE s(ZS_RENDER_STATE::ALPHA_BLEND | ZS_RENDER_STATE::TEXTURED);
    s.fSetFilter(ZS_RENDER_STATE::FILTER_ANISOTROPIC);
    s.fSetPrimitive(ZS_RENDER_STATE::PRIM_TRIANGLES);
    return s;
}
}

ZS_TEXTURE* fGetDefaultTexture()
{
    return zcRENDER ? zcRENDER->fGetDefaultTexture() : nullptr;
}

G_SPRITE::G_SPRITE()
{
    transform = new ZS_TRANSFORM3;
    ownsTransform = true;
    state = fSpriteState();
    fSetTexture(fGetDefaultTexture());
}

G_SPRITE::G_SPRITE(const std::string& file) : G_SPRITE()
{
    fileName = file;
}

G_SPRITE::G_SPRITE(pugi::xml_node element) : G_SPRITE()
{
    // Virtual calls from a constructor stay in this class, as they should here.
    fLoadXml(element);
}

G_SPRITE::G_SPRITE(const G_SPRITE& source) : ZC_MESH()
{
    fCopyFrom(source);
    // Dispatched to this class's version while constructing: a derived copy adds its own work.
    if (source.fIsLoaded())
        G_SPRITE::fLoadTexture();
}

G_SPRITE& G_SPRITE::operator=(const G_SPRITE& source)
{
    if (this == &source)
        return *this;
    if (fIsLoaded())
        fUnloadTexture();
    if (ownsTransform)
        delete transform;
    transform = nullptr;
    fFreeVertices();
    fCopyFrom(source);
    if (source.fIsLoaded())
        fLoadTexture();
    return *this;
}

void G_SPRITE::fCopyFrom(const G_SPRITE& source)
{
    ownsTransform = source.ownsTransform;
    if (ownsTransform)
        transform = new ZS_TRANSFORM3(*source.transform);
    else
        transform = source.transform;
    state = source.state;
    fileName = source.fileName;
    width = source.width;
    height = source.height;
    hotSpot = source.hotSpot;
    // Fresh white vertices over the whole texture at the copied size.
    fSetTexture(fGetDefaultTexture());
}

G_SPRITE::~G_SPRITE()
{
    if (fIsLoaded())
        G_SPRITE::fUnloadTexture();
    // The mesh part frees the vertices and an owned transform.
}

bool G_SPRITE::fIsLoaded() const
{
    return texture && texture != fGetDefaultTexture();
}

void G_SPRITE::fLoadTexture()
{
    if (fIsLoaded() || fileName.empty() || !zcREPOSITORY)
        return;
    fSetTexture(zcREPOSITORY->fGetTexture(fileName.c_str()));
}

void G_SPRITE::fUnloadTexture()
{
    if (!fIsLoaded())
        return;
    if (zcREPOSITORY)
        zcREPOSITORY->fReleaseTexture(texture);
    fSetTexture(fGetDefaultTexture());
}

void G_SPRITE::fSetFile(const std::string& file)
{
    if (!fIsLoaded())
    {
        fileName = file;
        return;
    }
    fUnloadTexture();
    fileName = file;
    fLoadTexture();
}

void G_SPRITE::fSetTexture(ZS_TEXTURE* t)
{
    texture = t;
    if (!vertices)
    {
        fAllocVertices(4);
        if (!vertices)
            return;
        const float corners[4][4] = {{0, 0, 0, 0}, {width, 0, 1, 0}, {width, height, 1, 1}, {0, height, 0, 1}};
        for (int i = 0; i < 4; ++i)
        {
            vertices[i] = ZS_VERTEX();
            vertices[i].fSetPosition(corners[i][0], corners[i][1], 0.0f);
            vertices[i].fSetUV(corners[i][2], corners[i][3]);
            vertices[i].fSetColor(0xFFFFFFFFu);
        }
        fSetIndices(kIndices, 6);
    }
    // Both axes together, so a sprite given one dimension still takes both from the texture.
    if (fIsLoaded() && (width == kUnset || height == kUnset))
        fSetSize(float(t->size.x), float(t->size.y));
    fApplyHotSpot();
}

void G_SPRITE::fApplyHotSpot()
{
    fSetHotSpot(hotSpot, 0.0f, 0.0f);
}

void G_SPRITE::fSetHotSpot(unsigned n, float dx, float dy)
{
    hotSpot = n;
    if (n > 8 || !transform)
        return;
    const float w = fExtentX(), h = fExtentY();
    transform->pivot.x = dx + w * 0.5f * float(n % 3);
    transform->pivot.y = dy + h * 0.5f * float(n / 3);
}

void G_SPRITE::fSetSize(float w, float h)
{
    width = w;
    height = h;
    if (vertices)
    {
        vertices[1].x = vertices[2].x = w;
        vertices[2].y = vertices[3].y = h;
    }
    fApplyHotSpot();
}

void G_SPRITE::fSetWidth(float w)
{
    width = w;
    if (vertices)
        vertices[1].x = vertices[2].x = w;
    fApplyHotSpot();
}

void G_SPRITE::fSetHeight(float h)
{
    height = h;
    if (vertices)
        vertices[2].y = vertices[3].y = h;
    fApplyHotSpot();
}

void G_SPRITE::fSetUV(float leftU, float topV, float rightU, float bottomV)
{
    if (!vertices)
        return;
    vertices[0].fSetUV(leftU, topV);
    vertices[1].fSetUV(rightU, topV);
    vertices[2].fSetUV(rightU, bottomV);
    vertices[3].fSetUV(leftU, bottomV);
}

void G_SPRITE::fSetUVToSize()
{
    if (!texture || texture->size.x <= 0 || texture->size.y <= 0)
        return;
    // Whole pixels of the picture; a size beyond any screen leaves the rectangle as it was.
    int w, h;
    if (!fToPixel(fExtentX(), &w) || !fToPixel(fExtentY(), &h))
        return;
    fSetUV(0.0f, 0.0f, float(w) / float(texture->size.x), float(h) / float(texture->size.y));
}

void G_SPRITE::fSetFrameCell(int cols, int rows, int index)
{
    if (cols <= 0 || rows <= 0)
        return;
    const float cellU = 1.0f / float(cols), cellV = 1.0f / float(rows);
    const float leftU = float(index % cols) / float(cols);
    const float topV = float(index / cols) / float(rows);
    fSetUV(leftU, topV, leftU + cellU, topV + cellV);
}

void G_SPRITE::fDraw(float, float, float)
{
    if (transform && zcRENDER)
        zcRENDER->fSetWorldTransform(transform->fCompose());
    fDrawRaw();
}

bool G_SPRITE::fIsMouseOver() const
{
    if (!zcMOUSE_POSITION || !transform)
        return false;
    const ZS_TRANSFORM3 world = transform->fCompose();
    const float left = world.position.x - world.pivot.x;
    const float top = world.position.y - world.pivot.y;
    const float x = float(zcMOUSE_POSITION->x), y = float(zcMOUSE_POSITION->y);
    return left <= x && x <= left + width && top <= y && y <= top + height;
}

void G_SPRITE::fLoadXml(pugi::xml_node element)
{
    if (!element)
        return;
    if (pugi::xml_node file = element.child("FILE"))
        fileName = file.child_value();
    if (pugi::xml_node spot = element.child("HOT_SPOT"))
        fSetHotSpot(unsigned(fParseHotSpot(spot.child_value())), 0.0f, 0.0f);
    if (pugi::xml_node pos = element.child("POS"))
    {
        ZS_VECTOR2 p;
        p.fParse(pos.child_value());
        fSetPosition(p.x, p.y, 0.0f);
    }
    if (pugi::xml_node placement = element.child("TRANSFORM"))
    {
        if (transform)
            transform->fParse(placement.child_value());
    }
    if (pugi::xml_node color = element.child("COLOR"))
    {
        ZS_COLOR c;
        c.fParse(color.child_value());
        fSetColor(c);
    }
    if (pugi::xml_node size = element.child("SIZE"))
    {
        ZS_VECTOR2 s;
        s.fParse(size.child_value());
        fSetSize(s.x, s.y);
    }
}
}

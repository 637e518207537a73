#include "framework/G_FRAME9.h"

#include "engine/core/ZC_TEXT_UTILS.h"

using namespace ZOR;

namespace ZOR_GF
{
G_FRAME9::G_FRAME9()
{
    for (G_SPRITE* piece : {&ul, &up, &ur, &rt, &dr, &dn, &dl, &lt, &mid})
        piece->transform->parent = &transform;
    up.state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP_U);
    dn.state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP_U);
    lt.state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP_V);
    rt.state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP_V);
    mid.state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP);
}

void G_FRAME9::fLoadXml(pugi::xml_node element)
{
    auto name = [&element](const char* attribute) { return std::string(element.attribute(attribute).value()); };
    fSetFiles(name("ul"), name("up"), name("ur"), name("lt"), name("mid"), name("rt"), name("dl"), name("dn"),
              name("dr"));
}

void G_FRAME9::fSetFiles(const std::string& ulName, const std::string& upName, const std::string& urName,
                         const std::string& ltName, const std::string& midName, const std::string& rtName,
                         const std::string& dlName, const std::string& dnName, const std::string& drName)
{
    const std::pair<G_SPRITE*, const std::string*> pieces[9] = {
        {&ul, &ulName}, {&up, &upName}, {&ur, &urName}, {&lt, &ltName}, {&mid, &midName},
        {&rt, &rtName}, {&dl, &dlName}, {&dn, &dnName}, {&dr, &drName}};
    for (const auto& piece : pieces)
        if (!piece.second->empty())
            piece.first->fSetFile(*piece.second);
}

float G_FRAME9::fWidthOf(const G_SPRITE& piece, const G_SPRITE& fallback)
{
    if (piece.fIsLoaded())
        return piece.fGetWidth();
    return fallback.fIsLoaded() ? fallback.fGetWidth() : 0.0f;
}

float G_FRAME9::fHeightOf(const G_SPRITE& piece, const G_SPRITE& fallback)
{
    if (piece.fIsLoaded())
        return piece.fGetHeight();
    return fallback.fIsLoaded() ? fallback.fGetHeight() : 0.0f;
}

void G_FRAME9::fLoadTextures()
{
    for (G_SPRITE* piece : {&ul, &up, &ur, &rt, &dr, &dn, &dl, &lt, &mid})
        piece->fLoadTexture();
    minWidth = fWidthOf(ul, dl) + fWidthOf(ur, dr);
    minHeight = fHeightOf(ul, ur) + fHeightOf(dl, dr);
    // A size asked for before the corners were known may be smaller than they are; the
    // inner pieces would get a negative size and be drawn mirrored over the corners.
    if (width < minWidth)
        width = minWidth;
    if (height < minHeight)
        height = minHeight;
    fLayout();
}

void G_FRAME9::fUnloadTextures()
{
    for (G_SPRITE* piece : {&ul, &up, &ur, &rt, &dr, &dn, &dl, &lt, &mid})
        piece->fUnloadTexture();
}

void G_FRAME9::fSetSize(int w, int h)
{
    width = float(w) > minWidth ? float(w) : minWidth;
    height = float(h) > minHeight ? float(h) : minHeight;
    fLayout();
}

void G_FRAME9::fLayout()
{
    const float innerWidth = width - fWidthOf(ul, dl) - fWidthOf(ur, dr);
    const float innerHeight = height - fHeightOf(ul, ur) - fHeightOf(dl, dr);
    mid.fSetSize(innerWidth, innerHeight);
    up.fSetWidth(innerWidth);
    dn.fSetWidth(innerWidth);
    lt.fSetHeight(innerHeight);
    rt.fSetHeight(innerHeight);

    const float middleWidth = mid.fIsLoaded() ? mid.fGetWidth() : fWidthOf(up, dn);
    const float middleHeight = mid.fIsLoaded() ? mid.fGetHeight() : fHeightOf(lt, rt);
    const float c = middleWidth / 2.0f, d = middleHeight / 2.0f;

    // Every piece against the middle rectangle, which is centred on the frame's position.
    mid.fSetHotSpot(HS_MID, 0.0f, 0.0f);
    ul.fSetHotSpot(HS_DR, c, d);
    up.fSetHotSpot(HS_MD, 0.0f, d);
    ur.fSetHotSpot(HS_DL, -c, d);
    lt.fSetHotSpot(HS_MR, c, 0.0f);
    rt.fSetHotSpot(HS_ML, -c, 0.0f);
    dl.fSetHotSpot(HS_UR, c, -d);
    dn.fSetHotSpot(HS_MU, 0.0f, -d);
    dr.fSetHotSpot(HS_UL, -c, -d);
}

void G_FRAME9::fDraw()
{
    for (G_SPRITE* piece : {&ul, &up, &ur, &rt, &dr, &dn, &dl, &lt, &mid})
        if (piece->fIsLoaded())
            piece->fDraw(0.0f, 0.0f, 0.0f);
}
}

#include "engine/gui/ZC_GUI_PANEL.h"

#include <algorithm>
#include <cmath>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZS_RENDER_STATE.h"

namespace ZOR
{
namespace
{
const int kLeftButton = 1;
}

// ---------------------------------------------------------------- ZC_GUI_PANEL_BASE

ZC_GUI_PANEL_BASE::ZC_GUI_PANEL_BASE(int32_t id, bool amovable) : ZC_GUI_OBJECT(id), movable(amovable)
{
}

ZC_GUI_PANEL_BASE::~ZC_GUI_PANEL_BASE()
{
    delete hitZone;
    delete grab;
}

void ZC_GUI_PANEL_BASE::fSetGrabCallback(ZS_CALLBACK* record)
{
    if (grab != record)
        delete grab;
    grab = record;
}

ZS_GUI_EVENT* ZC_GUI_PANEL_BASE::fOnMouseMove()
{
    int32_t code = GUI_EVENT_NONE;
    const float x = fPointerX(), y = fPointerY();
    const bool inside = hitZone && hitZone->fContains(x, y);
    if (inside && !hover)
    {
        fFireCallback(CB_ENTER);
        code = GUI_EVENT_ENTER;
        hover = true;
    }
    else if (!inside && hover)
    {
        fFireCallback(CB_LEAVE);
        code = GUI_EVENT_LEAVE;
        hover = false;
    }
    if (dragging && movable)
    {
        fSetPosition(x - float(grabX), y - float(grabY), 0.0f);
        if (grab)
            fInvoke(grab, this);
        code = GUI_EVENT_DRAG;
    }
    return fReport(code);
}

ZS_GUI_EVENT* ZC_GUI_PANEL_BASE::fOnKeyDown()
{
    if (!fIsKeyPressed(kLeftButton))
        return fReport(GUI_EVENT_NONE);
    if (!hover)
    {
        active = false;
        return fReport(GUI_EVENT_NONE);
    }
    // Set on non-movable panels too: it only decides whether moves drag.
    dragging = true;
    active = true;
    const ZS_VECTOR2 at = transform->fGetPositionXY();
    // A panel placed beyond any screen is grabbed at its centre.
    grabX = grabY = 0;
    fToPixel(fPointerX() - at.x, &grabX);
    fToPixel(fPointerY() - at.y, &grabY);
    fFireCallback(CB_DOWN);
    return fReport(GUI_EVENT_DOWN);
}

ZS_GUI_EVENT* ZC_GUI_PANEL_BASE::fOnKeyUp()
{
    if (!fIsKeyReleased(kLeftButton))
        return fReport(GUI_EVENT_NONE);
    // A release anywhere ends the drag: a panel that slipped from under a fast pointer must not
    // go on following it with the button up. Only a release over the panel is a click.
    dragging = false;
    if (!hover || !active)
        return fReport(GUI_EVENT_NONE);
    fFireCallback(CB_UP);
    return fReport(GUI_EVENT_CLICK);
}

// ---------------------------------------------------------------- ZC_GUI_PANEL

ZC_GUI_PANEL::ZC_GUI_PANEL(int32_t id, const char* atextureName)
    : ZC_GUI_PANEL_BASE(id, true), textureName(atextureName ? atextureName : "")
{
    type = GUI_TYPE_PANEL;
}

ZC_GUI_PANEL::ZC_GUI_PANEL(int32_t id) : ZC_GUI_PANEL(id, "")
{
}

ZC_GUI_PANEL::ZC_GUI_PANEL(int32_t id, ZS_TEXTURE* texture) : ZC_GUI_PANEL(id, "")
{
    fCreateSprite(texture);
}

ZC_GUI_PANEL::~ZC_GUI_PANEL()
{
    delete sprite;
}

void ZC_GUI_PANEL::fCreateSprite(ZS_TEXTURE* texture)
{
    if (loaded)
        return;
    loaded = true;
    sprite = new ZC_QUAD(texture, transform);
    sprite->fSetHotSpot(4, 0.0f, 0.0f);
    width = int32_t(sprite->fGetWidth());
    height = int32_t(sprite->fGetHeight());
    hitZone = new ZS_HIT_ZONE;
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, float(width), float(height), 0.0f, 0);
}

void ZC_GUI_PANEL::fDraw()
{
    if (sprite)
        sprite->fDrawInWorld();
}

void ZC_GUI_PANEL::fSetSize(int32_t w, int32_t h)
{
    width = w;
    height = h;
    if (sprite)
    {
        sprite->fSetSize(w, h);
        sprite->fSetHotSpot(4, 0.0f, 0.0f);
    }
    if (hitZone)
    {
        hitZone->fSetWidth(float(w));
        hitZone->fSetHeight(float(h));
    }
}

float ZC_GUI_PANEL::fGetWidth()
{
    return sprite ? sprite->fGetWidth() : 0.0f;
}

float ZC_GUI_PANEL::fGetHeight()
{
    return sprite ? sprite->fGetHeight() : 0.0f;
}

void ZC_GUI_PANEL::fRestoreResources()
{
    ZS_TEXTURE* texture = fFetchTexture(textureName);
    if (!sprite)
        fCreateSprite(texture);
    else
        fPutTexture(sprite, texture);
}

void ZC_GUI_PANEL::fReleaseResources()
{
    fTakeBackTexture(sprite);
}

void ZC_GUI_PANEL::fSetTexture(ZS_TEXTURE* texture)
{
    if (!sprite || !texture)
        return;
    sprite->fSetTexture(texture);
    fSetSize(texture->size.x, texture->size.y);
}

// ---------------------------------------------------------------- ZC_GUI_PANEL9

ZC_GUI_PANEL9::ZC_GUI_PANEL9(int32_t id, const char* const anames[PIECES]) : ZC_GUI_PANEL_BASE(id, false)
{
    type = GUI_TYPE_PANEL9;
    for (int i = 0; i < PIECES; ++i)
        names[i] = anames && anames[i] ? anames[i] : "";
}

ZC_GUI_PANEL9::ZC_GUI_PANEL9(int32_t id) : ZC_GUI_PANEL9(id, static_cast<const char* const*>(nullptr))
{
    ZS_TEXTURE* textures[PIECES];
    std::fill(textures, textures + PIECES, fDefaultTexture());
    fCreatePieces(textures);
}

ZC_GUI_PANEL9::ZC_GUI_PANEL9(int32_t id, ZS_TEXTURE* const textures[PIECES])
    : ZC_GUI_PANEL9(id, static_cast<const char* const*>(nullptr))
{
    fCreatePieces(textures);
}

ZC_GUI_PANEL9::~ZC_GUI_PANEL9()
{
    for (ZC_QUAD*& piece : pieces)
    {
        delete piece;
        piece = nullptr;
    }
}

void ZC_GUI_PANEL9::fCreatePieces(ZS_TEXTURE* const textures[PIECES])
{
    if (loaded)
        return;
    loaded = true;
    // Corners clamp; the top and bottom edges repeat across, the side edges down, the centre both.
    static const uint32_t kAddress[PIECES] = {
        ZS_RENDER_STATE::ADDRESS_CLAMP,  ZS_RENDER_STATE::ADDRESS_WRAP_U, ZS_RENDER_STATE::ADDRESS_CLAMP,
        ZS_RENDER_STATE::ADDRESS_WRAP_V, ZS_RENDER_STATE::ADDRESS_WRAP,   ZS_RENDER_STATE::ADDRESS_WRAP_V,
        ZS_RENDER_STATE::ADDRESS_CLAMP,  ZS_RENDER_STATE::ADDRESS_WRAP_U, ZS_RENDER_STATE::ADDRESS_CLAMP};
    for (int i = 0; i < PIECES; ++i)
    {
        pieces[i] = new ZC_QUAD(textures[i]);
        pieces[i]->fSetAddressMode(kAddress[i]);
    }
    minWidth = int32_t(pieces[0]->fGetWidth() + pieces[2]->fGetWidth());
    minHeight = int32_t(pieces[0]->fGetHeight() + pieces[6]->fGetHeight());
    if (width == 0)
        width = minWidth;
    if (height == 0)
        height = minHeight;
    // A size given before the corners were known is held to them like any later size.
    width = std::max(width, minWidth);
    height = std::max(height, minHeight);
    hitZone = new ZS_HIT_ZONE;
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, float(width), float(height), 0.0f, 0);
    fParentPieces();
    fLayoutPieces();
}

void ZC_GUI_PANEL9::fParentPieces()
{
    for (ZC_QUAD* piece : pieces)
        piece->fGetTransform()->parent = transform;
}

void ZC_GUI_PANEL9::fLayoutPieces()
{
    if (!loaded)
        return;
    const int32_t innerWidth = int32_t(float(width) - pieces[0]->fGetWidth() - pieces[2]->fGetWidth());
    const int32_t innerHeight = int32_t(float(height) - pieces[0]->fGetHeight() - pieces[6]->fGetHeight());
    pieces[4]->fSetSize(innerWidth, innerHeight);
    for (int i : {1, 7})
        pieces[i]->fSetSizeF(float(innerWidth), pieces[i]->fGetHeight());
    for (int i : {3, 5})
        pieces[i]->fSetSizeF(pieces[i]->fGetWidth(), float(innerHeight));
    for (int i : {1, 3, 4, 5, 7})
        pieces[i]->fFitUVToSize();
    fPlacePieces();
}

void ZC_GUI_PANEL9::fPlacePieces()
{
    const float cw = pieces[4]->fGetWidth(), ch = pieces[4]->fGetHeight();
    // Each piece touches the centre with the point facing it: the top-left corner with its
    // bottom-right corner at the centre's top-left corner, and so on.
    for (int i = 0; i < PIECES; ++i)
    {
        const float column = float(i % 3 - 1), row = float(i / 3 - 1);
        pieces[i]->fSetHotSpot(8 - i, -column * cw / 2, -row * ch / 2);
    }
    // The hit zone is tested about the widget's pivot, which nothing else here uses (the pieces
    // hang from the transform's position): put it at the panel's top-left corner, so that the
    // zone covers the panel where it is drawn rather than a box beside it.
    transform->fSetPivot(cw / 2 + pieces[0]->fGetWidth(), ch / 2 + pieces[0]->fGetHeight(), transform->pivot.z);
}

void ZC_GUI_PANEL9::fDraw()
{
    for (ZC_QUAD* piece : pieces)
        if (piece)
            piece->fDrawInWorld();
}

void ZC_GUI_PANEL9::fSetSize(int32_t w, int32_t h)
{
    width = std::max(w, minWidth);
    height = std::max(h, minHeight);
    fLayoutPieces();
    if (hitZone)
    {
        hitZone->fSetWidth(float(width));
        hitZone->fSetHeight(float(height));
    }
}

void ZC_GUI_PANEL9::fRestoreResources()
{
    ZS_TEXTURE* textures[PIECES];
    for (int i = 0; i < PIECES; ++i)
        textures[i] = fFetchTexture(names[i]);
    if (!loaded)
    {
        fCreatePieces(textures);
        return;
    }
    for (int i = 0; i < PIECES; ++i)
        fPutTexture(pieces[i], textures[i]);
}

void ZC_GUI_PANEL9::fReleaseResources()
{
    if (!loaded)
        return;
    for (ZC_QUAD* piece : pieces)
        fTakeBackTexture(piece);
}

// ---------------------------------------------------------------- builders

namespace
{
void fReadGrabScript(ZC_GUI_PANEL_BASE* panel, pugi::xml_node element)
{
    std::string name;
    if (fFindScript(element, "GRAB", false, &name))
        panel->fSetGrabCallback(fCreateCallback(nullptr, name.c_str(), panel));
}
}

ZC_GUI_OBJECT* fCreateGuiPanelFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE"}))
        return nullptr;
    ZC_GUI_PANEL* panel = new ZC_GUI_PANEL(element.attribute("ID").as_int(), element.attribute("TEXTURE").value());
    panel->fSetMovable(element.attribute("MOVABLE").as_bool(true));
    fReadWidgetCommonAttributes(panel, element);
    fReadGrabScript(panel, element);
    return panel;
}

ZC_GUI_OBJECT* fCreateGuiPanel9FromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID"}))
        return nullptr;
    static const char* const kNames[ZC_GUI_PANEL9::PIECES] = {"TX_1_1", "TX_1_2", "TX_1_3", "TX_2_1", "TX_2_2",
                                                               "TX_2_3", "TX_3_1", "TX_3_2", "TX_3_3"};
    const char* names[ZC_GUI_PANEL9::PIECES];
    for (int i = 0; i < ZC_GUI_PANEL9::PIECES; ++i)
        names[i] = element.attribute(kNames[i]).value();
    ZC_GUI_PANEL9* panel = new ZC_GUI_PANEL9(element.attribute("ID").as_int(), names);
    panel->fSetMovable(element.attribute("MOVABLE").as_bool(false));
    fReadWidgetCommonAttributes(panel, element);
    // DOWN, UP, ENTER and LEAVE are read a second time here with the common part's result.
    fReadGrabScript(panel, element);
    return panel;
}
}

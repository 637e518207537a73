#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/gui/ZC_GUI_OBJECT.h"
#include "engine/gui/ZS_HIT_ZONE.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_TEXTURE;

// What the two panels share: enter and leave, press and click with the left button, and
// dragging a movable panel with the pointer. Every drag step fires the grab record.
class ZC_GUI_PANEL_BASE : public ZC_GUI_OBJECT
{
public:
    ZC_GUI_PANEL_BASE(int32_t id, bool movable);
    // Deletes the hit zone and the grab record.
    ~ZC_GUI_PANEL_BASE() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;

    void fSetMovable(bool m) { movable = m; }
    bool fIsMovable() const { return movable; }
    // Takes ownership; an earlier record is deleted.
    void fSetGrabCallback(ZS_CALLBACK* record);
    ZS_CALLBACK* fGetGrabCallback() const { return grab; }
    bool fIsDragging() const { return dragging; }
    bool fIsHover() const { return hover; }
    const ZS_HIT_ZONE* fGetHitZone() const { return hitZone; }

protected:
    bool movable;
    ZS_CALLBACK* grab = nullptr;
    bool hover = false;
    bool dragging = false;
    int32_t grabX = 0, grabY = 0; // pointer minus the panel's position at the press
    ZS_HIT_ZONE* hitZone = nullptr;
};

// One picture at its texture's size, centred on the widget's position.
class ZC_GUI_PANEL : public ZC_GUI_PANEL_BASE
{
public:
    // The loader's and the list box's: movable, the sprite made by the first restore.
    ZC_GUI_PANEL(int32_t id, const char* textureName);
    explicit ZC_GUI_PANEL(int32_t id);
    // The sprite at once.
    ZC_GUI_PANEL(int32_t id, ZS_TEXTURE* texture);
    ~ZC_GUI_PANEL() override;

    void fDraw() override;
    // Before the sprite exists the size is only stored: the texture's size replaces it.
    void fSetSize(int32_t width, int32_t height) override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    // A new picture at its own size.
    void fSetTexture(ZS_TEXTURE* texture);
    ZC_QUAD* fGetSprite() const { return sprite; }

private:
    void fCreateSprite(ZS_TEXTURE* texture);

    std::string textureName;
    int32_t width = 0, height = 0;
    ZC_QUAD* sprite = nullptr;
    bool loaded = false;
};

// A nine-piece panel: four fixed corners, four edges and a centre, each from its own texture,
// laid out around the widget's position to any size not below the corners; edges and centre
// repeat their textures instead of stretching them. Piece index = 3 x row + column. It takes
// the pointer over the whole panel as drawn.
class ZC_GUI_PANEL9 : public ZC_GUI_PANEL_BASE
{
public:
    enum { PIECES = 9 };

    // The loader's: not movable, the pieces made by the first restore.
    ZC_GUI_PANEL9(int32_t id, const char* const names[PIECES]);
    explicit ZC_GUI_PANEL9(int32_t id);
    // The pieces at once.
    ZC_GUI_PANEL9(int32_t id, ZS_TEXTURE* const textures[PIECES]);
    ~ZC_GUI_PANEL9() override;

    void fDraw() override;
    // Never below the corners once the pieces exist.
    void fSetSize(int32_t width, int32_t height) override;
    float fGetWidth() override { return float(width); }
    float fGetHeight() override { return float(height); }
    void fRestoreResources() override;
    void fReleaseResources() override;

    ZC_QUAD* fGetPiece(int index) const { return index >= 0 && index < PIECES ? pieces[index] : nullptr; }
    int32_t fGetMinimumWidth() const { return minWidth; }
    int32_t fGetMinimumHeight() const { return minHeight; }

private:
    void fCreatePieces(ZS_TEXTURE* const textures[PIECES]);
    void fParentPieces();
    void fLayoutPieces();
    void fPlacePieces();

    int32_t width = 0, height = 0;
    int32_t minWidth = 0, minHeight = 0;
    ZC_QUAD* pieces[PIECES] = {};
    std::string names[PIECES];
    bool loaded = false;
};

// Layout builders: "PANEL" (ID, TEXTURE, MOVABLE) and "PANEL9" (ID, TX_1_1 ... TX_3_3, MOVABLE),
// each with a SCRIPTS entry "GRAB" for the grab record.
ZC_GUI_OBJECT* fCreateGuiPanelFromXml(pugi::xml_node element);
ZC_GUI_OBJECT* fCreateGuiPanel9FromXml(pugi::xml_node element);
}

#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_TRANSFORM3.h"
#include "framework/G_FRAME9.h"
#include "framework/G_SPRITE.h"
#include "game/puzzle/GG_ERROR_PANEL.h"
#include "game/puzzle/GG_HIGHLIGHT.h"
#include "game/puzzle/GG_SUNIME_COUNTER.h"

namespace game
{
struct GG_LEVEL_SETTINGS;

// The resource name of the ambient file (the decor, the HUD and the tool switch).
extern const char* const AMBIENT_FILE; // "data/share/main/GameProcess ambient.xml"

// The grid's background, one picture per block, and the nine-piece frame around the grid.
class GG_BORDER
{
public:
    GG_BORDER() = default;
    GG_BORDER(const GG_BORDER&) = delete;
    GG_BORDER& operator=(const GG_BORDER&) = delete;

    // The "border" element's nine frame files; the frame is centred on the grid area. False
    // and nothing changes without the element.
    bool fLoadXml(pugi::xml_node element, const GG_LEVEL_SETTINGS* settings);
    // The grid the blocks and the frame are placed by; the frame is centred on its area.
    void fSetLayout(const GG_LEVEL_SETTINGS* settings);
    // A copy of the level's block picture, hot spot top left.
    void fSetBlockSprite(const ZOR_GF::G_SPRITE& sprite);
    // The block picture and the frame; the frame grows to the grid area plus half its own
    // minimum size.
    void fLoadResources();
    void fUnloadResources();
    // One block picture per block, column by column; nothing without a layout.
    void fDrawBlocks();
    void fDrawFrame();

    ZOR_GF::G_SPRITE& fGetBlockSprite() { return blockSprite; }
    ZOR_GF::G_FRAME9& fGetFrame() { return frame; }
    bool fHasLayout() const { return settings != nullptr; }

private:
    const GG_LEVEL_SETTINGS* settings = nullptr;
    ZOR_GF::G_SPRITE blockSprite;
    ZOR_GF::G_FRAME9 frame;
};

// A clue panel: a background standing on one edge of the grid with a line at every cell
// boundary and a stronger line at every block boundary. The up ear stands on the top edge;
// the left ear is the same design turned by -pi/2 about the grid's bottom-left corner.
class GG_EAR
{
public:
    GG_EAR();
    GG_EAR(const GG_EAR&) = delete;
    GG_EAR& operator=(const GG_EAR&) = delete;

    // "background", "stick" and "stickBlock" (each optional) under this ear's transform;
    // false without the element.
    bool fLoadXml(pugi::xml_node element, int blockShift, int cellSize, int cellCount, int blockSize);
    void fSetBackgroundSize(float w, float h);
    void fSetPosition(const ZOR::ZS_VECTOR2& position);
    void fSetRotation(float radians);
    void fLoadResources();
    void fUnloadResources();
    void fDraw();

    // Where boundary i (0 .. cell count) is drawn along the panel, and whether it is a block
    // boundary.
    float fBoundaryX(int i) const;
    bool fIsBlockBoundary(int i) const;
    int fGetCellCount() const { return cellCount; }
    ZOR::ZS_TRANSFORM3& fGetTransform() { return transform; }
    ZOR_GF::G_SPRITE& fGetBackground() { return background; }
    ZOR_GF::G_SPRITE& fGetStick() { return stick; }
    ZOR_GF::G_SPRITE& fGetStickBlock() { return stickBlock; }

private:
    ZOR::ZS_TRANSFORM3 transform;
    float halfGap = 0.0f;
    int cellSize = 0;
    int cellCount = 0;
    int blockSize = 0;
    ZOR_GF::G_SPRITE background;
    ZOR_GF::G_SPRITE stick;
    ZOR_GF::G_SPRITE stickBlock;
};

// The level screen's decor and HUD, laid out anew at every level start from the ambient file
// and the level's layout: border, the two clue panels, the row and column highlight, the
// error panel and the currency counter.
class GG_AMBIENT
{
public:
    GG_AMBIENT() = default;
    GG_AMBIENT(const GG_AMBIENT&) = delete;
    GG_AMBIENT& operator=(const GG_AMBIENT&) = delete;

    // Reads the ambient file for the level laid out in the settings. False (the level does
    // not start) when the file, an ear, "highlight", "error_panel" or "sunime" is missing or
    // fails; fGetLoadError says which.
    bool fLoadXml(GG_LEVEL_SETTINGS* settings);
    const std::string& fGetLoadError() const { return loadError; }
    bool fLoadBorder(pugi::xml_node element);
    bool fLoadEars(pugi::xml_node root);
    bool fLoadHighlight(pugi::xml_node element);
    bool fLoadErrorPanel(pugi::xml_node element);
    bool fLoadCounter(pugi::xml_node element);

    // Border, left ear, up ear, highlight, error panel.
    void fLoadResources();
    void fUnloadResources();
    // The error panel's step. 1.
    int fUpdate();
    void fDrawBlocks() { border.fDrawBlocks(); }
    // The up ear, then the left ear.
    void fDrawEars();
    void fDrawHighlight() { highlight.fDraw(); }
    void fDrawFrame() { border.fDrawFrame(); }
    void fDrawErrorPanel() { errorPanel.fDraw(); }
    void fDrawCounter() { counter.fDraw(); }

    // Error icons removed and the counter at 0.
    void fEndLevel();
    void fResetErrors() { errorPanel.fReset(); }
    void fAddError() { errorPanel.fAddError(); }
    void fSetErrorLimit(int limit) { errorPanel.fSetLimit(limit); }
    void fShowHighlight() { highlight.fSetVisible(true); }
    void fHideHighlight() { highlight.fSetVisible(false); }
    void fSetHighlightCell(const ZOR::ZS_VECTOR2& centre) { highlight.fSetCell(centre); }
    void fAddCurrency(int amount) { counter.fAddValue(amount); }

    GG_BORDER& fGetBorder() { return border; }
    GG_EAR& fGetLeftEar() { return leftEar; }
    GG_EAR& fGetUpEar() { return upEar; }
    GG_HIGHLIGHT& fGetHighlight() { return highlight; }
    GG_ERROR_PANEL& fGetErrorPanel() { return errorPanel; }
    GG_SUNIME_COUNTER& fGetCounter() { return counter; }
    GG_LEVEL_SETTINGS* fGetSettings() const { return settings; }

private:
    GG_LEVEL_SETTINGS* settings = nullptr;
    GG_BORDER border;
    GG_EAR leftEar;
    GG_EAR upEar;
    GG_HIGHLIGHT highlight;
    GG_ERROR_PANEL errorPanel;
    GG_SUNIME_COUNTER counter;
    std::string loadError;
};
}

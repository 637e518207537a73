#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/gui/ZC_GUI_OBJECT.h"
#include "engine/gui/ZS_HIT_ZONE.h"

namespace ZOR
{
class ZC_FONT;
class ZC_QUAD;
class ZC_GUI_PANEL;
class ZC_GUI_SLIDER13;
struct ZS_TEXTURE;

// Rows of wide text over a background panel, an optional picture behind each shown row and a
// highlight behind the selected one. A left click on a row selects it (code 7); the Up and Down
// arrows move the selection on release while the pointer is over the list. The list does not
// scroll: it shows its first rows, as many as the visible count allows.
class ZC_GUI_LISTBOX : public ZC_GUI_OBJECT
{
public:
    enum
    {
        KEY_UP = 38,
        KEY_DOWN = 40
    };

    // The loader's: the panel is made here (id 1, not movable, not a child in the tree); font,
    // pictures and list area are made by the first restore.
    ZC_GUI_LISTBOX(int32_t id, const char* highlightName, const char* panelName, const char* scrollBarName,
                   const char* fontTextureName, const char* fontName, float buttonDistance);
    // No names, and a scroll bar (id 2) that nothing draws or drives; it goes with the list.
    explicit ZC_GUI_LISTBOX(int32_t id);
    ~ZC_GUI_LISTBOX() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;
    void fDraw() override;
    // Only once loaded; a size given before is not kept.
    void fSetSize(int32_t width, int32_t height) override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    // Rows stop at the maximum row count.
    void fAddItem(const std::wstring& text);
    void fAddItemUtf8(const char* text);
    // Selection -1.
    void fClearItems();
    // The selection is left as it is.
    void fRemoveItem(int32_t index);
    void fRemoveLastItem();
    // Null when the selection is no row.
    const wchar_t* fGetSelectedItem() const;
    // Empty beyond the rows.
    std::wstring fGetItem(int32_t index) const;
    // The last row equal to the text; the selection stays when none is.
    void fSelectItem(const std::wstring& text);
    int32_t fGetSelectedIndex() const { return selected; }
    size_t fGetItemCount() const { return rows.size(); }

    void fSetVisibleCount(int32_t count);
    int32_t fGetVisibleCount() const { return visibleCount; }
    // A picture behind every shown row; the draw count becomes the visible count (0: 99999).
    void fSetRowTexture(const char* name, int32_t drawCount);
    void fSetTextColor(uint32_t packed);
    void fSetLeftMargin(int32_t margin) { leftMargin = margin; }
    void fSetUpperMargin(int32_t margin) { upperMargin = margin; }
    void fSetTextIndentDivisor(int32_t divisor) { indentDivisor = divisor; }
    // Kept for the layouts' SLIDER_DISTANCE; it has no effect.
    void fSetSliderDistance(int32_t) {}
    void fSetMaxRows(uint32_t count) { maxRows = count; }
    uint32_t fGetMaxRows() const { return maxRows; }

    int32_t fGetRowHeight() const { return rowHeight; }
    ZC_GUI_PANEL* fGetPanel() const { return panel; }
    ZC_GUI_SLIDER13* fGetScrollBar() const { return scrollBar; }
    ZC_FONT* fGetFont() const { return font; }
    ZC_QUAD* fGetHighlightSprite() const { return highlight; }
    ZC_QUAD* fGetRowSprite() const { return rowSprite; }
    const ZS_HIT_ZONE* fGetListArea() const { return listArea; }

private:
    void fCreateSprites(ZS_TEXTURE* highlightTexture, ZS_TEXTURE* rowTexture, pugi::xml_node fontElement,
                        ZS_TEXTURE* fontTexture);
    ZC_QUAD* fMakeRowPicture(ZS_TEXTURE* texture);
    int32_t fRowHeightFor(float height) const;

    std::string rowTextureName;
    std::string highlightName;
    std::string fontTextureName, scrollBarName, panelName, fontName;
    ZS_HIT_ZONE* listArea = nullptr;
    bool loaded = false;
    uint32_t maxRows = 0xffffffffu;
    int32_t visibleCount = 3;
    int32_t selected = 0;
    int32_t indentDivisor = 20;
    int32_t rowHeight = 0;
    ZC_GUI_PANEL* panel = nullptr;
    ZC_GUI_SLIDER13* scrollBar = nullptr;
    ZC_FONT* font = nullptr;
    ZS_COLOR textColor{0xFF000000u};
    ZC_QUAD* highlight = nullptr;
    ZC_QUAD* rowSprite = nullptr;
    float buttonDistance = 0.0f;
    std::vector<std::wstring> rows;
    int32_t leftMargin = 0, upperMargin = 0;
};

// Layout builder: "LISTBOX" (ID, LIST_TEXTURE, PANEL_TEXTURE, SLIDER12_TEXTURE, FONT, FONT_TEXTURE;
// SLIDER_BTN_DIST, ITEMS, VISIBLE_COUNT, LEFT_MARGIN, UPPER_MARGIN, FONT_COLOR, SLIDER_DISTANCE,
// ROW_TEXTURE with DRAW_COUNT, MAX_ROW).
ZC_GUI_OBJECT* fCreateGuiListBoxFromXml(pugi::xml_node element);
}

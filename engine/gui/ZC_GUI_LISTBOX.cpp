#include "engine/gui/ZC_GUI_LISTBOX.h"

#include <algorithm>
#include <cmath>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZC_GUI_PANEL.h"
#include "engine/gui/ZC_GUI_SLIDER13.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"

namespace ZOR
{
namespace
{
const int kLeftButton = 1;
const int kFontBuffer = 600;
const int32_t kPanelId = 1;
const int32_t kScrollBarId = 2;
const int32_t kAllRows = 99999;
}

ZC_GUI_LISTBOX::ZC_GUI_LISTBOX(int32_t id, const char* ahighlightName, const char* apanelName,
                               const char* ascrollBarName, const char* afontTextureName, const char* afontName,
                               float abuttonDistance)
    : ZC_GUI_OBJECT(id),
      highlightName(ahighlightName ? ahighlightName : ""),
      fontTextureName(afontTextureName ? afontTextureName : ""),
      scrollBarName(ascrollBarName ? ascrollBarName : ""),
      panelName(apanelName ? apanelName : ""),
      fontName(afontName ? afontName : ""),
      buttonDistance(abuttonDistance)
{
    type = GUI_TYPE_LISTBOX;
    panel = new ZC_GUI_PANEL(kPanelId, panelName.c_str());
    panel->fGetTransform()->parent = transform;
    panel->fSetMovable(false);
}

ZC_GUI_LISTBOX::ZC_GUI_LISTBOX(int32_t id) : ZC_GUI_LISTBOX(id, "", "", "", "", "", 0.0f)
{
    // The layouts' slider defaults for what the list does not say.
    scrollBar = new ZC_GUI_SLIDER13(kScrollBarId, scrollBarName, ZS_VECTOR2(0.0f, 0.0f), ZS_VECTOR2(0.0f, 0.0f), 20.0f,
                                    buttonDistance, 0.0f, 100.0f, 5.0f, 0.0f);
}

ZC_GUI_LISTBOX::~ZC_GUI_LISTBOX()
{
    delete scrollBar;
    delete listArea;
    delete highlight;
    delete rowSprite;
    delete panel;
    delete font;
}

int32_t ZC_GUI_LISTBOX::fRowHeightFor(float height) const
{
    // A visible count of 0 would divide by zero: no row has a height then.
    return visibleCount > 0 ? int32_t(height / float(visibleCount)) : 0;
}

ZC_QUAD* ZC_GUI_LISTBOX::fMakeRowPicture(ZS_TEXTURE* texture)
{
    ZC_QUAD* quad = new ZC_QUAD(texture);
    quad->fGetTransform()->parent = transform;
    quad->fSetHotSpot(4, 0.0f, 0.0f);
    return quad;
}

void ZC_GUI_LISTBOX::fCreateSprites(ZS_TEXTURE* highlightTexture, ZS_TEXTURE* rowTexture,
                                    pugi::xml_node fontElement, ZS_TEXTURE* fontTexture)
{
    if (loaded)
        return;
    loaded = true;
    rowHeight = fRowHeightFor(panel->fGetHeight());
    if (fontElement)
    {
        font = new ZC_FONT(fontElement, fontTexture, kFontBuffer);
        font->fSetColor(textColor.fToPacked());
    }
    if (!rowSprite && !rowTextureName.empty())
    {
        rowSprite = fMakeRowPicture(rowTexture);
        rowHeight = int32_t(rowSprite->fGetHeight());
    }
    highlight = fMakeRowPicture(highlightTexture);
    listArea = new ZS_HIT_ZONE;
    listArea->fSet(ZS_HIT_ZONE::KIND_RECT, panel->fGetTransform(), panel->fGetWidth(), panel->fGetHeight(), 0.0f, 0);
}

void ZC_GUI_LISTBOX::fRestoreResources()
{
    ZS_TEXTURE* highlightTexture = fFetchTexture(highlightName);
    ZS_TEXTURE* rowTexture = rowTextureName.empty() ? fDefaultTexture() : fFetchTexture(rowTextureName);
    ZS_TEXTURE* fontTexture = fFetchTexture(fontTextureName);
    panel->fRestoreResourcesTree();
    if (loaded)
    {
        fPutTexture(highlight, highlightTexture);
        if (rowSprite)
            fPutTexture(rowSprite, rowTexture);
        else
            fHandBackTexture(rowTexture);
        fPutFontTexture(font, fontTexture);
        return;
    }
    const ZS_FONT_DESCRIPTOR descriptor(fontName);
    // Without a descriptor the list still shows its panel and pictures and takes clicks, but
    // draws no text.
    if (!descriptor.element)
        fontTexture = fHandBackTexture(fontTexture);
    const bool makesRowSprite = !rowSprite && !rowTextureName.empty();
    fCreateSprites(highlightTexture, rowTexture, descriptor.element, fontTexture);
    if (!makesRowSprite)
        fHandBackTexture(rowTexture);
}

void ZC_GUI_LISTBOX::fReleaseResources()
{
    fTakeBackTexture(highlight);
    fTakeBackTexture(rowSprite);
    if (font)
        fTakeBackTexture(font->fGetSprite());
    panel->fReleaseResourcesTree();
}

void ZC_GUI_LISTBOX::fSetSize(int32_t width, int32_t height)
{
    if (!loaded)
        return;
    listArea->fSetWidth(float(width));
    listArea->fSetHeight(float(height));
    rowHeight = visibleCount > 0 ? height / visibleCount : 0;
    panel->fSetSize(width, height);
    if (!font)
        return;
    for (ZC_QUAD* picture : {highlight, rowSprite})
    {
        if (!picture)
            continue;
        picture->fSetSize(width, font->fGetLineHeight());
        picture->fSetHotSpot(4, 0.0f, 0.0f);
    }
}

void ZC_GUI_LISTBOX::fAddItem(const std::wstring& text)
{
    if (rows.size() < size_t(maxRows))
        rows.push_back(text);
}

void ZC_GUI_LISTBOX::fAddItemUtf8(const char* text)
{
    fAddItem(pugi::as_wide(text ? text : ""));
}

void ZC_GUI_LISTBOX::fClearItems()
{
    rows.clear();
    selected = -1;
}

void ZC_GUI_LISTBOX::fRemoveItem(int32_t index)
{
    if (index >= 0 && size_t(index) < rows.size())
        rows.erase(rows.begin() + index);
}

void ZC_GUI_LISTBOX::fRemoveLastItem()
{
    if (!rows.empty())
        rows.pop_back();
}

const wchar_t* ZC_GUI_LISTBOX::fGetSelectedItem() const
{
    // A new list selects row 0 before it has one, and removals leave the selection alone.
    if (selected < 0 || size_t(selected) >= rows.size())
        return nullptr;
    return rows[size_t(selected)].c_str();
}

std::wstring ZC_GUI_LISTBOX::fGetItem(int32_t index) const
{
    if (index < 0 || size_t(index) >= rows.size())
        return std::wstring();
    return rows[size_t(index)];
}

void ZC_GUI_LISTBOX::fSelectItem(const std::wstring& text)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == text)
            selected = int32_t(i);
}

void ZC_GUI_LISTBOX::fSetVisibleCount(int32_t count)
{
    visibleCount = count;
    rowHeight = fRowHeightFor(panel->fGetHeight());
}

void ZC_GUI_LISTBOX::fSetRowTexture(const char* name, int32_t drawCount)
{
    rowTextureName = name ? name : "";
    visibleCount = drawCount == 0 ? kAllRows : drawCount;
}

void ZC_GUI_LISTBOX::fSetTextColor(uint32_t packed)
{
    textColor = ZS_COLOR(packed);
    if (font)
        font->fSetColor(packed);
}

ZS_GUI_EVENT* ZC_GUI_LISTBOX::fOnMouseMove()
{
    active = listArea && listArea->fContains(fPointerX(), fPointerY());
    return nullptr;
}

ZS_GUI_EVENT* ZC_GUI_LISTBOX::fOnKeyDown()
{
    fReport(GUI_EVENT_NONE);
    if (!active || !fIsKeyPressed(kLeftButton) || !listArea || rowHeight <= 0)
        return nullptr;
    const float x = fPointerX(), y = fPointerY();
    if (!listArea->fContains(x, y))
        return nullptr;
    const ZS_TRANSFORM3 world = transform->fCompose();
    int32_t row = -1;
    fToPixel((y - world.position.y + panel->fGetHeight() * 0.5f) / float(rowHeight), &row);
    // Below the last row (or on an empty list, -1) the last row is taken.
    selected = uint32_t(row) >= rows.size() ? int32_t(rows.size()) - 1 : row;
    return fReport(GUI_EVENT_DOWN);
}

ZS_GUI_EVENT* ZC_GUI_LISTBOX::fOnKeyUp()
{
    if (!active)
        return nullptr;
    const int32_t last = int32_t(rows.size()) - 1;
    if (fIsKeyReleased(KEY_DOWN))
        selected = selected < last ? selected + 1 : last;
    else if (fIsKeyReleased(KEY_UP))
        selected = selected > 0 ? selected - 1 : 0;
    return nullptr;
}

void ZC_GUI_LISTBOX::fDraw()
{
    if (!loaded)
        return;
    panel->fDraw();
    const ZS_TRANSFORM3 world = transform->fCompose();
    const float W = panel->fGetWidth(), H = panel->fGetHeight();
    const int32_t h = rowHeight;
    float x0 = 0.0f, y0 = 0.0f;
    if (font)
    {
        const float indent = indentDivisor != 0 ? W / float(indentDivisor) : 0.0f;
        x0 = world.position.x - W * 0.5f + indent;
        y0 = world.position.y - H * 0.5f + float(h / 2) - float(font->fGetLineHeight() / 2);
    }
    const size_t shown = visibleCount > 0 ? std::min(rows.size(), size_t(visibleCount)) : 0;
    for (size_t i = 0; i < shown; ++i)
    {
        const float y = float(int32_t(i) * h) - H * 0.5f + float(h / 2);
        if (rowSprite)
        {
            rowSprite->fSetPosition(0.0f, y, 0.0f);
            rowSprite->fDrawInWorld();
        }
        if (int32_t(i) == selected)
        {
            highlight->fSetPosition(0.0f, y, 0.0f);
            highlight->fDrawInWorld();
        }
        // Rows placed beyond any screen show no text.
        int x = 0, top = 0;
        if (font && fToPixel(x0, &x) && fToPixel(y0 + float(int32_t(i) * h), &top))
            font->fDrawText(x + leftMargin, top + upperMargin, rows[i].c_str());
    }
}

// ---------------------------------------------------------------- builder

ZC_GUI_OBJECT* fCreateGuiListBoxFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "LIST_TEXTURE", "PANEL_TEXTURE", "SLIDER12_TEXTURE", "FONT", "FONT_TEXTURE"}))
        return nullptr;
    ZC_GUI_LISTBOX* list = new ZC_GUI_LISTBOX(
        element.attribute("ID").as_int(), element.attribute("LIST_TEXTURE").value(),
        element.attribute("PANEL_TEXTURE").value(), element.attribute("SLIDER12_TEXTURE").value(),
        element.attribute("FONT_TEXTURE").value(), element.attribute("FONT").value(),
        element.attribute("SLIDER_BTN_DIST").as_float(1.5f));
    fReadWidgetCommonAttributes(list, element);
    for (pugi::xml_node item : element.child("ITEMS").children())
        if (item.type() == pugi::node_element)
            list->fAddItemUtf8(item.child_value());
    if (pugi::xml_attribute count = element.attribute("VISIBLE_COUNT"))
        list->fSetVisibleCount(int32_t(count.as_uint()));
    // Margins are added to whole pixels: one beyond any screen is left out.
    if (pugi::xml_attribute margin = element.attribute("LEFT_MARGIN"); margin && fIsPixel(margin.as_int()))
        list->fSetLeftMargin(margin.as_int());
    if (pugi::xml_attribute margin = element.attribute("UPPER_MARGIN"); margin && fIsPixel(margin.as_int()))
        list->fSetUpperMargin(margin.as_int());
    if (pugi::xml_attribute color = element.attribute("FONT_COLOR"))
        list->fSetTextColor(fReadDecimalColor(color.value()).fToPacked());
    if (pugi::xml_attribute distance = element.attribute("SLIDER_DISTANCE"))
        list->fSetSliderDistance(distance.as_int());
    pugi::xml_attribute rowTexture = element.attribute("ROW_TEXTURE");
    pugi::xml_attribute drawCount = element.attribute("DRAW_COUNT");
    if (rowTexture && drawCount)
        list->fSetRowTexture(rowTexture.value(), drawCount.as_int());
    if (pugi::xml_attribute maxRow = element.attribute("MAX_ROW"))
        list->fSetMaxRows(maxRow.as_uint());
    return list;
}
}

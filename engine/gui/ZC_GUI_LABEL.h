#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_FONT;
struct ZS_TEXTURE;

// Narrow text in a font made when the layout is loaded and kept until the label goes.
// Reacts to nothing.
class ZC_GUI_LABEL : public ZC_GUI_OBJECT
{
public:
    // The loader's: a font of its own on the descriptor's "font" element and the texture,
    // centred on the widget's position.
    ZC_GUI_LABEL(int32_t id, pugi::xml_node fontElement, ZS_TEXTURE* texture, const std::string& text);
    // A font shared with others; the label neither deletes it nor hands its texture back.
    ZC_GUI_LABEL(int32_t id, ZC_FONT* font, const std::string& text);
    // Hands the font texture back through the engine's release slot.
    ~ZC_GUI_LABEL() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    // At the widget's world position; "%%" shows one '%', other conversions show as written.
    void fDraw() override;

    ZC_FONT* fGetFont() const { return font; }
    const std::string& fGetText() const { return text; }
    int fLoadFont(pugi::xml_node fontElement, ZS_TEXTURE* texture);
    void fSetFont(ZC_FONT* font);
    void fSetScale(float scale);
    void fSetAlignment(int32_t alignment);

private:
    void fDropFont();

    std::string text;
    std::string shown; // the text as drawn
    ZC_FONT* font = nullptr;
    bool ownsFont = false;
};

// Wide display text whose font is made at the first restore from the repository, drawn about
// the widget's transform with an alignment (hot-spot number).
class ZC_GUI_WLABEL : public ZC_GUI_OBJECT
{
public:
    // The loader's: names only; the first restore makes the font.
    ZC_GUI_WLABEL(int32_t id, const std::string& fontName, const std::string& fontTextureName, const std::wstring& text);
    // A font shared with others: the label neither deletes it nor restores or releases its texture.
    ZC_GUI_WLABEL(int32_t id, ZC_FONT* font, const std::wstring& text);
    explicit ZC_GUI_WLABEL(int32_t id);
    ~ZC_GUI_WLABEL() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    void fDraw() override;
    // The first line's width and the line height; 0 without a font.
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    // The font's text buffer keeps the size it was made with: a longer text is drawn cut.
    void fSetText(const std::wstring& value) { text = value; }
    const std::wstring& fGetText() const { return text; }
    void fSetColor(ZS_COLOR value);
    ZS_COLOR fGetColor() const { return color; }
    void fSetLetterSpace(int32_t value);
    void fSetLineSpace(int32_t value);
    void fSetAlignment(int32_t value) { alignment = value; }
    int32_t fGetAlignment() const { return alignment; }
    void fSetTextId(int32_t value) { textId = value; }
    int32_t fGetTextId() const { return textId; }
    // Applied to the font's sprite at every restore.
    void fSetFontScale(float value) { scale = value; }
    float fGetFontScale() const { return scale; }
    ZC_FONT* fGetFont() const { return font; }
    void fCreateFont(pugi::xml_node fontElement, ZS_TEXTURE* texture);

private:
    std::wstring text;
    std::string fontName;
    std::string fontTextureName;
    ZS_COLOR color;
    int32_t alignment = 4;
    int32_t textId = 0;
    ZC_FONT* font = nullptr;
    float scale = 1.0f;
    bool loaded = false;
    int32_t letterSpacing = 0;
    int32_t reserved = 4;
    int32_t lineSpacing = 0;
    bool letterSpacingGiven = false;
    bool ownsFont = true;
};

// Builders of the layout elements LABEL and WLABEL.
ZC_GUI_OBJECT* fCreateGuiLabelFromXml(pugi::xml_node element);
ZC_GUI_OBJECT* fCreateGuiWLabelFromXml(pugi::xml_node element);
}

#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/gui/ZC_GUI_OBJECT.h"
#include "engine/gui/ZS_HIT_ZONE.h"

namespace ZOR
{
class ZC_FONT;
class ZC_QUAD;
struct ZS_TEXTURE;

// The one-line text entry: a background picture, an input area inset into it, a text drawn
// with a font of its own and a blinking caret. A left click inside the input area gives it the
// focus (its active flag); with the focus, typed characters go in at the caret, Backspace and
// Delete remove, Left and Right move the caret. Only insertions report code 10.
class ZC_GUI_LINEBOX : public ZC_GUI_OBJECT
{
public:
    enum
    {
        KEY_BACKSPACE = 8,
        KEY_TAB = 9,
        KEY_LEFT = 37,
        KEY_RIGHT = 39,
        KEY_DELETE = 46
    };
    static constexpr int32_t kUnlimited = 0x7fffffff;

    // The loader's: background, font and input area are made by the first restore.
    ZC_GUI_LINEBOX(int32_t id, const char* backgroundName, const char* fontTextureName, const char* fontName);
    // The background at once and a font that stays the caller's.
    ZC_GUI_LINEBOX(int32_t id, ZS_TEXTURE* background, ZC_FONT* font);
    ~ZC_GUI_LINEBOX() override;

    ZS_GUI_EVENT* fUpdate() override;
    ZS_GUI_EVENT* fOnKeyUp() override { return nullptr; }
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;
    void fDraw() override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    // Taken only when it is not longer than the maximum length and fits the input area; the
    // caret goes to 0. Before the first restore the text waits for it (and meets the same test).
    void fSetText(const std::wstring& text);
    std::wstring fGetText() const { return text; }
    void fClear();
    bool fIsEmpty() const { return text.empty(); }
    // 0 (or less) is unlimited; a lower limit does not shorten the present text.
    void fSetMaxLength(int32_t length);
    int32_t fGetMaxLength() const { return maxLength; }
    void fSetForbiddenCharacters(const std::wstring& characters) { forbidden = characters; }
    std::wstring fGetForbiddenCharacters() const { return forbidden; }
    bool fIsAllowedCharacter(wchar_t ch) const;
    void fSetBlinkTime(float seconds);
    void fSetCaretVisible(bool v) { caretVisible = v; }
    bool fIsCaretVisible() const { return caretVisible; }
    // Held to 0 ... text length.
    void fSetCaretPosition(int32_t position);
    int32_t fGetCaretPosition() const { return caret; }
    // A font set here stays the caller's; a font the line box made is deleted.
    void fSetFont(ZC_FONT* font);
    ZC_FONT* fGetFont() const { return font; }
    // Hot-spot number 0-8, by its column: left (3), centre (4) or right (5). Before the first
    // restore it waits for it.
    void fSetAlignment(int32_t n);
    int32_t fGetAlignment() const { return alignment; }
    // Insets of the input area from the background's edges.
    void fSetInputArea(float left, float top, float right, float bottom);
    void fSetInputAreaAll(float inset) { fSetInputArea(inset, inset, inset, inset); }
    void fSetPointerNotice(bool on) { pointerNotice = on; }
    void fSetTextColor(const ZS_COLOR& color) { textColor = color; }
    ZS_COLOR fGetTextColor() const { return textColor; }

    const ZS_HIT_ZONE* fGetInputArea() const { return inputArea; }
    ZS_TRANSFORM3* fGetTextTransform() const { return textTransform; }
    ZC_QUAD* fGetBackground() const { return background; }

private:
    void fInit();
    void fCreateSprites(ZS_TEXTURE* backgroundTexture, pugi::xml_node fontElement, ZS_TEXTURE* fontTexture);
    // The background and the input area over it.
    void fCreateBox(ZS_TEXTURE* backgroundTexture);
    void fRestartBlink();
    // Advance and line width as drawn: a character the font lacks shows, and takes room, as '?'.
    int fShownAdvance(wchar_t ch) const;
    int fShownWidth(const std::wstring& line) const;
    void fTypeCharacter(int key);
    void fDrawText();
    void fDrawTextLine();

    float insets[4] = {4.0f, 4.0f, 4.0f, 4.0f}; // left, top, right, bottom
    int32_t letterSpacing = 0;
    std::wstring text;
    std::wstring forbidden;
    ZS_HIT_ZONE* inputArea = nullptr;
    ZS_TRANSFORM3* inputAreaTransform = nullptr;
    ZC_FONT* font = nullptr;
    ZC_QUAD* background = nullptr;
    std::string backgroundName, fontTextureName, fontName;
    ZS_COLOR textColor{0xFFFFFFFFu};
    ZS_TRANSFORM3* textTransform = nullptr;
    int32_t alignment = 3;
    int32_t caret = 0;
    int32_t maxLength = kUnlimited;
    bool caretVisible = true;
    bool pointerNotice = false;
    float blinkTime = 0.5f;
    float blinkCountdown = 0.5f;
    bool ownsFont = true;
    bool loaded = false;
    // What a layout asked for before there was a font to apply it with.
    bool textWaiting = false;
    std::wstring waitingText;
    int32_t waitingAlignment = 3;
};

// A font descriptor fetched by repository name for as long as the holder lives (the text
// widgets that make their own font at their first restore): its "font" element, none when the
// document is missing.
struct ZS_FONT_DESCRIPTOR
{
    explicit ZS_FONT_DESCRIPTOR(const std::string& name);
    ~ZS_FONT_DESCRIPTOR();
    ZS_FONT_DESCRIPTOR(const ZS_FONT_DESCRIPTOR&) = delete;
    ZS_FONT_DESCRIPTOR& operator=(const ZS_FONT_DESCRIPTOR&) = delete;

    pugi::xml_document* document = nullptr;
    pugi::xml_node element;
};

// A fetched font texture onto the font's sprite; back to the repository when there is no font
// to take it.
void fPutFontTexture(ZC_FONT* font, ZS_TEXTURE* texture);

// Layout builder: "LINEBOX" (ID, TEXTURE, FONT, FONT_TEXTURE; MAXLEN, TEXT, CARRY_BLINK_TIME,
// FONT_COLOR, ALIGNMENT, INPUT_AREA).
ZC_GUI_OBJECT* fCreateGuiLineBoxFromXml(pugi::xml_node element);
}

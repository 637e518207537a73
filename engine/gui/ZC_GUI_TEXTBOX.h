#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/gui/ZC_GUI_OBJECT.h"
#include "engine/gui/ZS_HIT_ZONE.h"

namespace ZOR
{
class ZC_FONT;
class ZC_QUAD;
struct ZS_TEXTURE;

// A simple text entry laid out as if every character were one fixed pitch wide, with a caret
// that blinks on a one-second cycle. It polls all its input in its update; its capacity follows
// from its width. It holds the textures it was given for its whole life.
class ZC_GUI_TEXTBOX : public ZC_GUI_OBJECT
{
public:
    enum
    {
        KEY_BACKSPACE = 8,
        KEY_LEFT = 37,
        KEY_RIGHT = 39,
        KEY_DELETE = 46
    };

    // Makes its own font (deleted with the box).
    ZC_GUI_TEXTBOX(int32_t id, pugi::xml_node fontElement, ZS_TEXTURE* fontTexture, ZS_TEXTURE* background);
    // The font stays the caller's.
    ZC_GUI_TEXTBOX(int32_t id, ZC_FONT* font, ZS_TEXTURE* background);
    ~ZC_GUI_TEXTBOX() override;

    ZS_GUI_EVENT* fUpdate() override;
    void fDraw() override;
    // A 0 keeps the present value; the hit zone keeps its size.
    void fSetSize(int32_t width, int32_t height) override;
    float fGetWidth() override;
    float fGetHeight() override;

    void fSetLetterSpacing(int32_t spacing);
    // The capacity is not worked out again here.
    void fSetMarginDivisor(int32_t divisor) { marginDivisor = divisor; }
    // A font set here stays the caller's.
    void fSetFont(ZC_FONT* font);
    ZC_FONT* fGetFont() const { return font; }
    void fSetFontScale(float scale);
    void fSetFontOption(int32_t option);

    // Each byte, taken as a signed 8-bit value, becomes one character; the capacity does not
    // limit it.
    void fSetTextNarrow(const char* text);
    // UTF-8 in one buffer shared by all text boxes and replaced at every call; null when empty.
    const char* fGetTextNarrow() const;
    // A copy in one string shared by all text boxes and replaced at every call; null when empty.
    const wchar_t* fGetTextCopy() const;
    const std::wstring& fGetText() const { return text; }
    void fTrimTrailingBlanks();
    // 1 when the text is full (nothing added), else 0.
    int32_t fAppendCharacter(wchar_t ch);
    // At the index, held to 0 ... text length; 1 when full, else 0.
    int32_t fInsertCharacter(wchar_t ch, int32_t index);
    // Backspace removes before the caret, Delete at it; 1 when nothing was removed, else 0.
    int32_t fDeleteCharacter(bool backspace);
    void fClear();

    int32_t fGetCapacity() const { return capacity; }
    int32_t fGetCaret() const { return caret; }
    bool fIsCaretVisible() const { return caretVisible; }
    ZC_QUAD* fGetBackground() const { return background; }
    const ZS_HIT_ZONE* fGetHitZone() const { return hitZone; }

private:
    void fMakeBox(ZS_TEXTURE* backgroundTexture);
    void fComputeCapacity();
    int32_t fCellWidth() const { return pitch + letterSpacing; }
    void fDrawCaret(float x, int y);

    std::wstring text;
    ZC_FONT* font = nullptr;
    bool ownsFont = false;
    ZC_QUAD* background = nullptr;
    ZS_HIT_ZONE* hitZone = nullptr;
    int32_t width = 0, height = 0;
    int32_t pitch = 0;
    int32_t letterSpacing = 0;
    int32_t capacity = 0;
    int32_t marginDivisor = 20;
    bool caretVisible = true;
    int32_t caret = 0;
    float blinkTimer = 0.0f;
};
}

#include "engine/gui/ZC_GUI_TEXTBOX.h"

#include <cmath>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"

namespace ZOR
{
namespace
{
const int kLeftButton = 1;
const int kRightButton = 2;
const int kFontBuffer = 600;

bool fWentDown(int key)
{
    return zcINPUT && zcINPUT->fGetKeyState(key) == 1;
}
}

ZC_GUI_TEXTBOX::ZC_GUI_TEXTBOX(int32_t id, pugi::xml_node fontElement, ZS_TEXTURE* fontTexture,
                               ZS_TEXTURE* backgroundTexture)
    : ZC_GUI_OBJECT(id)
{
    type = GUI_TYPE_TEXTBOX;
    fMakeBox(backgroundTexture);
    fSetFont(new ZC_FONT(fontElement, fontTexture, kFontBuffer));
    ownsFont = true;
}

ZC_GUI_TEXTBOX::ZC_GUI_TEXTBOX(int32_t id, ZC_FONT* afont, ZS_TEXTURE* backgroundTexture) : ZC_GUI_OBJECT(id)
{
    type = GUI_TYPE_TEXTBOX;
    fMakeBox(backgroundTexture);
    fSetFont(afont);
}

ZC_GUI_TEXTBOX::~ZC_GUI_TEXTBOX()
{
    if (ownsFont)
        delete font;
    delete background;
    delete hitZone;
}

void ZC_GUI_TEXTBOX::fMakeBox(ZS_TEXTURE* backgroundTexture)
{
    background = new ZC_QUAD(backgroundTexture, transform);
    background->fSetHotSpot(4, 0.0f, 0.0f);
    hitZone = new ZS_HIT_ZONE;
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, background->fGetWidth(), background->fGetHeight(), 0.0f, 0);
    width = int32_t(background->fGetWidth());
    height = int32_t(background->fGetHeight());
}

void ZC_GUI_TEXTBOX::fComputeCapacity()
{
    const int32_t margin = marginDivisor != 0 ? width / marginDivisor : 0;
    capacity = fCellWidth() > 0 ? (width - 2 * margin) / fCellWidth() : 0;
    if (capacity < 0)
        capacity = 0;
}

void ZC_GUI_TEXTBOX::fSetSize(int32_t w, int32_t h)
{
    if (w != 0)
        width = w;
    if (h != 0)
        height = h;
    fComputeCapacity();
    background->fSetSize(width, height);
    background->fSetHotSpot(4, 0.0f, 0.0f);
}

float ZC_GUI_TEXTBOX::fGetWidth()
{
    return background->fGetWidth();
}

float ZC_GUI_TEXTBOX::fGetHeight()
{
    return background->fGetHeight();
}

void ZC_GUI_TEXTBOX::fSetLetterSpacing(int32_t spacing)
{
    letterSpacing = spacing;
    fComputeCapacity();
}

void ZC_GUI_TEXTBOX::fSetFont(ZC_FONT* afont)
{
    if (ownsFont && font != afont)
        delete font;
    ownsFont = false;
    font = afont;
    pitch = font ? font->fGetLineHeight() : 0;
    fComputeCapacity();
}

void ZC_GUI_TEXTBOX::fSetFontScale(float scale)
{
    if (font && font->fGetSprite())
        font->fGetSprite()->fSetScale(scale, scale, scale);
}

void ZC_GUI_TEXTBOX::fSetFontOption(int32_t option)
{
    if (font)
        font->fSetOption(option);
}

void ZC_GUI_TEXTBOX::fSetTextNarrow(const char* narrow)
{
    text = fStringToWString(narrow ? narrow : "");
    if (caret > int32_t(text.size()))
        caret = int32_t(text.size());
}

const char* ZC_GUI_TEXTBOX::fGetTextNarrow() const
{
    static std::string shared;
    if (text.empty())
        return nullptr;
    shared = pugi::as_utf8(text);
    return shared.c_str();
}

const wchar_t* ZC_GUI_TEXTBOX::fGetTextCopy() const
{
    static std::wstring shared;
    if (text.empty())
        return nullptr;
    shared = text;
    return shared.c_str();
}

void ZC_GUI_TEXTBOX::fTrimTrailingBlanks()
{
    while (!text.empty() && text.back() == L' ')
        text.pop_back();
    if (caret > int32_t(text.size()))
        caret = int32_t(text.size());
}

int32_t ZC_GUI_TEXTBOX::fAppendCharacter(wchar_t ch)
{
    return fInsertCharacter(ch, int32_t(text.size()));
}

int32_t ZC_GUI_TEXTBOX::fInsertCharacter(wchar_t ch, int32_t index)
{
    if (int32_t(text.size()) >= capacity)
        return 1;
    if (index < 0)
        index = 0;
    if (index > int32_t(text.size()))
        index = int32_t(text.size());
    text.insert(size_t(index), 1, ch);
    return 0;
}

int32_t ZC_GUI_TEXTBOX::fDeleteCharacter(bool backspace)
{
    if (backspace)
    {
        if (caret <= 0)
            return 1;
        --caret;
    }
    if (caret >= int32_t(text.size()))
        return 1;
    text.erase(size_t(caret), 1);
    return 0;
}

void ZC_GUI_TEXTBOX::fClear()
{
    text.clear();
    caret = 0;
}

ZS_GUI_EVENT* ZC_GUI_TEXTBOX::fUpdate()
{
    fReport(GUI_EVENT_NONE);
    blinkTimer += zcFRAME_DELTA;
    if (blinkTimer < 0.5f)
        caretVisible = true;
    else if (blinkTimer < 1.0f)
        caretVisible = false;
    else
        blinkTimer = 0.0f;

    const float px = fPointerX(), py = fPointerY();
    const bool inside = hitZone->fContains(px, py);
    const bool leftDown = fIsKeyPressed(kLeftButton);
    if (inside && leftDown)
    {
        active = true;
        const ZS_TRANSFORM3 world = transform->fCompose();
        const int32_t cell = fCellWidth();
        int32_t centre = 0;
        const bool placed = fToPixel(world.position.x, &centre);
        int32_t at = cell > 0 && placed ? (int32_t(px) - centre + width / 2) / cell : 0;
        caret = at < 0 ? 0 : (at > int32_t(text.size()) ? int32_t(text.size()) : at);
        return fReport(GUI_EVENT_DOWN);
    }
    if (inside && fIsKeyReleased(kLeftButton))
        return fReport(active ? GUI_EVENT_CLICK : GUI_EVENT_NONE);
    if (!inside && leftDown)
    {
        active = false;
        return nullptr;
    }
    if (!active)
        return nullptr;

    // Every editing key that went down this frame acts, in this order.
    if (fWentDown(KEY_RIGHT) && caret < int32_t(text.size()) && caret < capacity)
        ++caret;
    if (fWentDown(KEY_LEFT) && caret > 0)
        --caret;
    if (fWentDown(KEY_BACKSPACE))
        fDeleteCharacter(true);
    if (fWentDown(KEY_DELETE))
        fDeleteCharacter(false);

    // Polled once a step, so it takes everything typed in the step, not only the last press's
    // character: fast typing (or an input method's whole word) brings several.
    if (!zcINPUT || fWentDown(kLeftButton) || fWentDown(kRightButton))
        return nullptr;
    for (wchar_t ch : zcINPUT->typedInStep)
        if (fInsertCharacter(ch, caret) == 0)
            ++caret;
    return nullptr;
}

void ZC_GUI_TEXTBOX::fDrawCaret(float x, int y)
{
    if (active && caretVisible)
        font->fPrintNarrow(int(std::trunc(x - 5.0f)), y, "|");
}

void ZC_GUI_TEXTBOX::fDraw()
{
    background->fDrawInWorld();
    if (!font)
        return;
    const ZS_TRANSFORM3 world = transform->fCompose();
    const int32_t margin = marginDivisor != 0 ? width / marginDivisor : 0;
    const float x0 = world.position.x - float(width / 2 - margin);
    // Text placed beyond any screen is not drawn.
    int y, left;
    if (!fToPixel(world.position.y, &y) || !fToPixel(x0, &left))
        return;
    const int savedAlignment = font->alignment;
    font->alignment = 0;
    float sum = 0.0f;
    for (size_t i = 0; i < text.size(); ++i)
    {
        // A character the font lacks is drawn as '?', with that glyph's advance.
        const int advance = font->fDrawGlyph(text[i], int(std::trunc(x0 + sum)), y);
        if (int32_t(i) == caret)
            fDrawCaret(x0 + sum, y);
        sum += float(advance + letterSpacing);
    }
    if (caret == int32_t(text.size()))
        fDrawCaret(x0 + sum, y);
    font->alignment = savedAlignment;
}
}

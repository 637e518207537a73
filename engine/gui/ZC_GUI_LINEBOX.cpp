#include "engine/gui/ZC_GUI_LINEBOX.h"

#include <cmath>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"

namespace ZOR
{
namespace
{
const int kLeftButton = 1;
const int kFontBuffer = 600;
const wchar_t kCaretGlyph = L'|';

enum
{
    INSET_LEFT = 0,
    INSET_TOP,
    INSET_RIGHT,
    INSET_BOTTOM
};
}

ZC_GUI_LINEBOX::ZC_GUI_LINEBOX(int32_t id, const char* abackgroundName, const char* afontTextureName,
                               const char* afontName)
    : ZC_GUI_OBJECT(id),
      backgroundName(abackgroundName ? abackgroundName : ""),
      fontTextureName(afontTextureName ? afontTextureName : ""),
      fontName(afontName ? afontName : "")
{
    fInit();
}

ZC_GUI_LINEBOX::ZC_GUI_LINEBOX(int32_t id, ZS_TEXTURE* backgroundTexture, ZC_FONT* afont) : ZC_GUI_OBJECT(id)
{
    fInit();
    font = afont;
    ownsFont = false;
    loaded = true;
    fCreateBox(backgroundTexture);
    fSetAlignment(3);
    fSetInputArea(insets[INSET_LEFT], insets[INSET_TOP], insets[INSET_RIGHT], insets[INSET_BOTTOM]);
}

ZC_GUI_LINEBOX::~ZC_GUI_LINEBOX()
{
    if (ownsFont)
        delete font;
    delete background;
    delete inputArea;
    // The text transform hangs under the input area's: both go together.
    delete textTransform;
    delete inputAreaTransform;
}

void ZC_GUI_LINEBOX::fInit()
{
    type = GUI_TYPE_LINEBOX;
    if (!textTransform)
        textTransform = new ZS_TRANSFORM3;
    fSetBlinkTime(0.5f);
    for (float& inset : insets)
        inset = 4.0f;
    maxLength = kUnlimited;
    alignment = 3;
    fSetPointerNotice(false);
    text.clear();
    caret = 0;
}

void ZC_GUI_LINEBOX::fCreateBox(ZS_TEXTURE* backgroundTexture)
{
    background = new ZC_QUAD(backgroundTexture, transform);
    background->fSetHotSpot(4, 0.0f, 0.0f);
    // The input area's transform hangs under the widget's with no placement of its own but the
    // insets' shift (fSetInputArea): a copy of the widget's transform would count its
    // rotation and scale twice once parented to it.
    inputAreaTransform = new ZS_TRANSFORM3;
    inputAreaTransform->parent = transform;
    inputAreaTransform->fSetPivot(background->fGetWidth() * 0.5f, background->fGetHeight() * 0.5f, 0.0f);
    inputArea = new ZS_HIT_ZONE;
    inputArea->fSet(ZS_HIT_ZONE::KIND_RECT, inputAreaTransform, background->fGetWidth(), background->fGetHeight(),
                    0.0f, 0);
    textTransform->parent = inputAreaTransform;
}

void ZC_GUI_LINEBOX::fCreateSprites(ZS_TEXTURE* backgroundTexture, pugi::xml_node fontElement,
                                    ZS_TEXTURE* fontTexture)
{
    loaded = true;
    if (fontElement)
    {
        font = new ZC_FONT(fontElement, fontTexture, kFontBuffer);
        font->fSetColor(textColor.fToPacked());
        font->letterSpacing = letterSpacing;
        ownsFont = true;
    }
    fCreateBox(backgroundTexture);
    fSetAlignment(waitingAlignment);
    fSetInputArea(insets[INSET_LEFT], insets[INSET_TOP], insets[INSET_RIGHT], insets[INSET_BOTTOM]);
    if (textWaiting)
    {
        textWaiting = false;
        fSetText(waitingText);
        waitingText.clear();
    }
}

ZS_FONT_DESCRIPTOR::ZS_FONT_DESCRIPTOR(const std::string& name)
{
    document = zcREPOSITORY ? zcREPOSITORY->fGetXml(name.c_str()) : nullptr;
    if (document)
        element = document->child("font");
}

ZS_FONT_DESCRIPTOR::~ZS_FONT_DESCRIPTOR()
{
    if (document && zcREPOSITORY)
        zcREPOSITORY->fReleaseXml(document);
}

void fPutFontTexture(ZC_FONT* font, ZS_TEXTURE* texture)
{
    if (font && font->fGetSprite())
        ZC_GUI_OBJECT::fPutTexture(font->fGetSprite(), texture);
    else
        ZC_GUI_OBJECT::fHandBackTexture(texture);
}

void ZC_GUI_LINEBOX::fRestoreResources()
{
    ZS_TEXTURE* backgroundTexture = fFetchTexture(backgroundName);
    ZS_TEXTURE* fontTexture = fFetchTexture(fontTextureName);
    if (loaded)
    {
        fPutTexture(background, backgroundTexture);
        fPutFontTexture(font, fontTexture);
        return;
    }
    const ZS_FONT_DESCRIPTOR descriptor(fontName);
    // Without a descriptor the box still shows and takes the focus, but holds no text.
    if (!descriptor.element)
        fontTexture = fHandBackTexture(fontTexture);
    fCreateSprites(backgroundTexture, descriptor.element, fontTexture);
}

void ZC_GUI_LINEBOX::fReleaseResources()
{
    if (font)
        fTakeBackTexture(font->fGetSprite());
    fTakeBackTexture(background);
}

float ZC_GUI_LINEBOX::fGetWidth()
{
    return background ? background->fGetWidth() : 0.0f;
}

float ZC_GUI_LINEBOX::fGetHeight()
{
    return background ? background->fGetHeight() : 0.0f;
}

int ZC_GUI_LINEBOX::fShownAdvance(wchar_t ch) const
{
    // The font's advance counts a character it has no glyph for as nothing, but draws it as '?'.
    const ZS_GLYPH* glyph = font->fFindGlyph(int(ch));
    return glyph ? glyph->xadvance : 0;
}

int ZC_GUI_LINEBOX::fShownWidth(const std::wstring& line) const
{
    // As the font measures a line, with '?' standing in where it stands in when drawn.
    const float scale = font->sprite && font->sprite->transform ? font->sprite->transform->scale.x : 1.0f;
    int width = 0;
    for (wchar_t ch : line)
    {
        const int advance = fShownAdvance(ch);
        if (advance > 0)
            width = int(float(width) + float(advance + font->letterSpacing) * scale);
    }
    return width;
}

void ZC_GUI_LINEBOX::fSetText(const std::wstring& atext)
{
    if (!font || !inputArea)
    {
        if (!loaded)
        {
            textWaiting = true;
            waitingText = atext;
        }
        return;
    }
    if (int64_t(atext.size()) > maxLength || float(fShownWidth(atext)) > inputArea->sizeX)
        return;
    text = atext;
    caret = 0;
}

void ZC_GUI_LINEBOX::fClear()
{
    text.clear();
    caret = 0;
}

void ZC_GUI_LINEBOX::fSetMaxLength(int32_t length)
{
    maxLength = length <= 0 ? kUnlimited : length;
}

bool ZC_GUI_LINEBOX::fIsAllowedCharacter(wchar_t ch) const
{
    return forbidden.find(ch) == std::wstring::npos;
}

void ZC_GUI_LINEBOX::fSetBlinkTime(float seconds)
{
    blinkTime = seconds;
    blinkCountdown = seconds;
    caretVisible = true;
}

void ZC_GUI_LINEBOX::fRestartBlink()
{
    blinkCountdown = blinkTime;
    caretVisible = true;
}

void ZC_GUI_LINEBOX::fSetCaretPosition(int32_t position)
{
    caret = position < 0 ? 0 : (position > int32_t(text.size()) ? int32_t(text.size()) : position);
}

void ZC_GUI_LINEBOX::fSetFont(ZC_FONT* afont)
{
    if (ownsFont && font != afont)
        delete font;
    font = afont;
    ownsFont = false;
}

void ZC_GUI_LINEBOX::fSetAlignment(int32_t n)
{
    if (n < 0 || n > 8)
        return;
    if (!font)
    {
        if (!loaded)
            waitingAlignment = n;
        return;
    }
    const float areaWidth = inputArea ? inputArea->sizeX : 0.0f;
    const int halfCell = font->cellWidth / 2;
    float x = 0.0f;
    switch (n % 3)
    {
    case 0:
        alignment = 3;
        x = -areaWidth * 0.5f + float(halfCell);
        break;
    case 2:
        // Mirrors the left margin, so that right-aligned text ends inside the area.
        alignment = 5;
        x = areaWidth * 0.5f - float(halfCell);
        break;
    default:
        alignment = 4;
        break;
    }
    textTransform->fSetPosition(x, 0.0f, 0.0f);
}

void ZC_GUI_LINEBOX::fSetInputArea(float left, float top, float right, float bottom)
{
    insets[INSET_LEFT] = left;
    insets[INSET_TOP] = top;
    insets[INSET_RIGHT] = right;
    insets[INSET_BOTTOM] = bottom;
    if (!inputArea || !background)
        return;
    const float width = background->fGetWidth() - left - right;
    const float height = background->fGetHeight() - top - bottom;
    inputArea->fSetHeight(height);
    inputArea->fSetWidth(width);
    inputAreaTransform->position.y = (top - bottom) * 0.5f;
    inputAreaTransform->position.x = (left - right) * 0.5f;
    // The zone is tested about its pivot: the middle of the area, which the shift above puts
    // where the insets say.
    inputAreaTransform->pivot.x = width * 0.5f;
    inputAreaTransform->pivot.y = height * 0.5f;
    fSetAlignment(alignment);
}

ZS_GUI_EVENT* ZC_GUI_LINEBOX::fOnMouseMove()
{
    if (!pointerNotice)
        return nullptr;
    active = true;
    return fReport(GUI_EVENT_LINEBOX);
}

ZS_GUI_EVENT* ZC_GUI_LINEBOX::fOnKeyDown()
{
    fReport(GUI_EVENT_NONE);
    if (fIsKeyPressed(kLeftButton))
    {
        // A left press is only ever a press, whatever else went down with it.
        active = inputArea && inputArea->fContains(fPointerX(), fPointerY());
        return fReport(active ? GUI_EVENT_DOWN : GUI_EVENT_NONE);
    }
    if (!active)
        return nullptr;
    const int key = zcINPUT ? zcINPUT->lastKey : 0;
    if (key != 0)
    {
        fRestartBlink();
        switch (key)
        {
        case KEY_LEFT:
            if (caret > 0)
                --caret;
            return nullptr;
        case KEY_RIGHT:
            if (caret < int32_t(text.size()))
                ++caret;
            return nullptr;
        case KEY_BACKSPACE:
            if (caret > 0)
            {
                text.erase(size_t(caret - 1), 1);
                --caret;
            }
            return nullptr;
        case KEY_DELETE:
            if (caret < int32_t(text.size()))
                text.erase(size_t(caret), 1);
            return nullptr;
        default:
            break;
        }
    }
    fTypeCharacter(key);
    return event.code ? &event : nullptr;
}

void ZC_GUI_LINEBOX::fTypeCharacter(int key)
{
    const wchar_t ch = zcINPUT ? zcINPUT->typed[0] : 0;
    if (ch == 0 || ch == KEY_TAB)
        return;
    if (int64_t(text.size()) >= maxLength || ZC_INPUT::fIsControlKey(key) || !fIsAllowedCharacter(ch))
        return;
    if (!font || !inputArea)
        return;
    // Room for twice the character's advance is asked, not once.
    const int needed = fShownWidth(text) + 2 * (fShownAdvance(ch) + font->letterSpacing);
    if (!(inputArea->sizeX > float(needed)) || caret > int32_t(text.size()))
        return;
    text.insert(size_t(caret), 1, ch);
    ++caret;
    fReport(GUI_EVENT_VALUE_CHANGED);
}

ZS_GUI_EVENT* ZC_GUI_LINEBOX::fUpdate()
{
    if (!active)
    {
        caretVisible = false;
        return nullptr;
    }
    if (blinkCountdown > 0.0f)
        blinkCountdown -= zcFRAME_DELTA;
    else
    {
        blinkCountdown = blinkTime;
        caretVisible = !caretVisible;
    }
    return nullptr;
}

void ZC_GUI_LINEBOX::fDraw()
{
    if (background)
        background->fDrawInWorld();
    if (font)
        fDrawText();
}

void ZC_GUI_LINEBOX::fDrawText()
{
    ZC_QUAD* sprite = font->fGetSprite();
    if (!sprite)
        return;
    if (!sprite->transform)
        sprite->fSetTransform(nullptr);
    ZS_TRANSFORM3 world = textTransform->fCompose();
    // The composed record already holds its parents folded in.
    world.parent = nullptr;
    ZS_TRANSFORM3* savedParent = sprite->transform->parent;
    const int savedAlignment = font->alignment;
    sprite->transform->parent = &world;
    // Every draw, so that a colour written after the font was made shows.
    font->fSetColor(textColor.fToPacked());
    font->alignment = alignment;
    fDrawTextLine();
    font->alignment = savedAlignment;
    sprite->transform->parent = savedParent;
}

void ZC_GUI_LINEBOX::fDrawTextLine()
{
    const int width = fShownWidth(text);
    const int x0 = alignment == 4 ? -width / 2 : (alignment == 5 ? -width : 0);
    const int y = int(-insets[INSET_BOTTOM]);
    int sum = 0;
    for (size_t i = 0; i <= text.size(); ++i)
    {
        if (int32_t(i) == caret && caretVisible)
            font->fDrawGlyph(kCaretGlyph, x0 + sum - 2, y);
        if (i == text.size())
            break;
        font->fDrawGlyph(text[i], x0 + sum, y);
        sum += fShownAdvance(text[i]) + font->letterSpacing;
    }
}

// ---------------------------------------------------------------- builder

ZC_GUI_OBJECT* fCreateGuiLineBoxFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE", "FONT", "FONT_TEXTURE"}))
        return nullptr;
    ZC_GUI_LINEBOX* box = new ZC_GUI_LINEBOX(element.attribute("ID").as_int(), element.attribute("TEXTURE").value(),
                                             element.attribute("FONT_TEXTURE").value(),
                                             element.attribute("FONT").value());
    fReadWidgetCommonAttributes(box, element);
    if (pugi::xml_attribute maxLength = element.attribute("MAXLEN"))
        box->fSetMaxLength(int32_t(maxLength.as_uint()));
    if (pugi::xml_attribute textAttribute = element.attribute("TEXT"))
    {
        // Byte by byte, without UTF-8 decoding: layouts give plain ASCII here.
        const std::wstring text = fStringToWString(textAttribute.value());
        box->fSetText(text);
    }
    if (pugi::xml_attribute blink = element.attribute("CARRY_BLINK_TIME"))
        box->fSetBlinkTime(blink.as_float());
    if (pugi::xml_attribute color = element.attribute("FONT_COLOR"))
        box->fSetTextColor(fReadDecimalColor(color.value()));
    if (pugi::xml_attribute align = element.attribute("ALIGNMENT"))
    {
        const std::string value = align.value();
        box->fSetAlignment(value == "RIGHT" ? 5 : (value == "CENTER" ? 4 : 3));
    }
    if (pugi::xml_node area = element.child("INPUT_AREA"))
    {
        std::vector<float> n = fReadFloatList(area.child_value());
        n.resize(4, 0.0f);
        // The text is placed by the insets in whole pixels: an area beyond any screen is left out.
        if (fIsPixel(n[0]) && fIsPixel(n[1]) && fIsPixel(n[2]) && fIsPixel(n[3]))
            box->fSetInputArea(n[0], n[1], n[2], n[3]);
    }
    return box;
}
}

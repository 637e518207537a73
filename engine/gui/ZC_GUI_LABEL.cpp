#include "engine/gui/ZC_GUI_LABEL.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"

namespace ZOR
{
namespace
{
const int kLabelBuffer = 600;

// What printf would show for a text used as a format without arguments, without ever
// reading an argument: "%%" is one '%', any other '%' stays as written.
std::string fWithoutConversions(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
    {
        out += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%')
            ++i;
    }
    return out;
}
}

ZC_GUI_LABEL::ZC_GUI_LABEL(int32_t id, pugi::xml_node fontElement, ZS_TEXTURE* texture, const std::string& atext)
    : ZC_GUI_OBJECT(id), text(atext), shown(fWithoutConversions(atext)), font(new ZC_FONT(fontElement, texture, kLabelBuffer)),
      ownsFont(true)
{
    type = GUI_TYPE_LABEL;
    font->alignment = HS_MID;
}

ZC_GUI_LABEL::ZC_GUI_LABEL(int32_t id, ZC_FONT* afont, const std::string& atext)
    : ZC_GUI_OBJECT(id), text(atext), shown(fWithoutConversions(atext)), font(afont)
{
    type = GUI_TYPE_LABEL;
}

ZC_GUI_LABEL::~ZC_GUI_LABEL()
{
    fDropFont();
}

void ZC_GUI_LABEL::fDropFont()
{
    if (!ownsFont || !font)
        return;
    // The texture was fetched for this label; a null argument would fire the slot's own target.
    ZS_TEXTURE* texture = font->fGetTexture();
    if (texture && texture != fDefaultTexture())
        fInvoke(zcON_RELEASE_RESOURCE, texture);
    delete font;
    font = nullptr;
}

void ZC_GUI_LABEL::fDraw()
{
    if (!font)
        return;
    ZS_TRANSFORM3 world = transform->fCompose();
    // A label placed beyond any screen is not drawn.
    int x, y;
    if (fToPixel(world.position.x, &x) && fToPixel(world.position.y, &y))
        font->fPrintNarrow(x, y, "%s", shown.c_str());
}

int ZC_GUI_LABEL::fLoadFont(pugi::xml_node fontElement, ZS_TEXTURE* texture)
{
    if (!font)
        return -1;
    int result = font->fLoad(fontElement, texture);
    if (result == 1 && font->sprite && font->sprite->transform)
        font->sprite->transform->parent = transform;
    return result;
}

void ZC_GUI_LABEL::fSetFont(ZC_FONT* afont)
{
    if (afont == font)
        return;
    fDropFont();
    font = afont;
    ownsFont = false;
    if (!font)
        return;
    if (font->sprite && font->sprite->transform)
        font->sprite->transform->parent = transform;
    font->alignment = HS_MID;
}

void ZC_GUI_LABEL::fSetScale(float s)
{
    if (font && font->sprite)
        font->sprite->fSetScale(s, s, s);
}

void ZC_GUI_LABEL::fSetAlignment(int32_t value)
{
    if (font)
        font->alignment = value;
}

ZC_GUI_WLABEL::ZC_GUI_WLABEL(int32_t id, const std::string& afontName, const std::string& afontTextureName,
                             const std::wstring& atext)
    : ZC_GUI_OBJECT(id), text(atext), fontName(afontName), fontTextureName(afontTextureName)
{
    type = GUI_TYPE_WLABEL;
    (void)reserved;
}

ZC_GUI_WLABEL::ZC_GUI_WLABEL(int32_t id, ZC_FONT* afont, const std::wstring& atext) : ZC_GUI_WLABEL(id, "", "", atext)
{
    font = afont;
    loaded = afont != nullptr;
    ownsFont = false;
}

ZC_GUI_WLABEL::ZC_GUI_WLABEL(int32_t id) : ZC_GUI_WLABEL(id, "", "", L"") {}

ZC_GUI_WLABEL::~ZC_GUI_WLABEL()
{
    if (ownsFont)
        delete font;
}

void ZC_GUI_WLABEL::fCreateFont(pugi::xml_node fontElement, ZS_TEXTURE* texture)
{
    if (loaded)
        return;
    loaded = true;
    font = new ZC_FONT(fontElement, texture, int(text.size()) + 1);
    font->fSetColor(color.fToPacked());
    if (letterSpacingGiven)
        font->letterSpacing = letterSpacing;
    font->lineSpacing = lineSpacing;
}

void ZC_GUI_WLABEL::fRestoreResources()
{
    // A shared font's texture is its owner's business.
    if (!ownsFont)
        return;
    ZS_TEXTURE* texture = fFetchTexture(fontTextureName);
    if (loaded)
    {
        if (font)
            fPutTexture(font->sprite, texture);
    }
    else
    {
        pugi::xml_document* descriptor = zcREPOSITORY ? zcREPOSITORY->fGetXml(fontName.c_str()) : nullptr;
        if (descriptor)
        {
            fCreateFont(descriptor->child("font"), texture);
            zcREPOSITORY->fReleaseXml(descriptor);
        }
        else
        {
            // No font holds the texture: it goes straight back rather than stay counted.
            fHandBackTexture(texture);
        }
    }
    if (font && font->sprite)
        font->sprite->fSetScale(scale, scale, scale);
}

void ZC_GUI_WLABEL::fReleaseResources()
{
    if (!ownsFont)
        return;
    if (font && font->sprite && font->sprite->texture != fDefaultTexture())
        fTakeBackTexture(font->sprite);
}

void ZC_GUI_WLABEL::fDraw()
{
    if (font)
        font->fPrintAt(transform, alignment, text.c_str());
}

float ZC_GUI_WLABEL::fGetWidth()
{
    return font ? float(font->fMeasureLine(text.c_str())) : 0.0f;
}

float ZC_GUI_WLABEL::fGetHeight()
{
    return font ? float(font->fGetLineHeight()) : 0.0f;
}

void ZC_GUI_WLABEL::fSetColor(ZS_COLOR value)
{
    color = value;
    if (font)
        font->fSetColor(color.fToPacked());
}

void ZC_GUI_WLABEL::fSetLetterSpace(int32_t value)
{
    letterSpacing = value;
    letterSpacingGiven = true;
    if (font)
        font->letterSpacing = value;
}

void ZC_GUI_WLABEL::fSetLineSpace(int32_t value)
{
    lineSpacing = value;
    if (font)
        font->lineSpacing = value;
}

ZC_GUI_OBJECT* fCreateGuiLabelFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE", "FONT"}))
        return nullptr;
    pugi::xml_document* descriptor = zcREPOSITORY ? zcREPOSITORY->fGetXml(element.attribute("FONT").value()) : nullptr;
    pugi::xml_node fontElement = descriptor ? descriptor->child("font") : pugi::xml_node();
    ZS_TEXTURE* texture = ZC_GUI_OBJECT::fFetchTexture(element.attribute("TEXTURE").value());
    ZC_GUI_LABEL* label =
        new ZC_GUI_LABEL(element.attribute("ID").as_int(), fontElement, texture, element.attribute("TEXT").value());
    // The font has read what it needs from the descriptor.
    if (descriptor)
        zcREPOSITORY->fReleaseXml(descriptor);
    if (pugi::xml_attribute color = element.attribute("FONT_COLOR"))
        label->fGetFont()->fSetColor(fReadDecimalColor(color.value()).fToPacked());
    fReadWidgetCommonAttributes(label, element);
    return label;
}

ZC_GUI_OBJECT* fCreateGuiWLabelFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "FONT_TEXTURE", "FONT"}))
        return nullptr;
    ZC_GUI_WLABEL* label =
        new ZC_GUI_WLABEL(element.attribute("ID").as_int(), element.attribute("FONT").value(),
                          element.attribute("FONT_TEXTURE").value(), pugi::as_wide(element.attribute("TEXT").value()));
    if (pugi::xml_attribute a = element.attribute("TEXT_ID"))
        label->fSetTextId(a.as_int());
    // Spacings are added to whole pixels: one beyond any screen is left out.
    if (pugi::xml_attribute a = element.attribute("LETTER_SPACE"); a && fIsPixel(a.as_int()))
        label->fSetLetterSpace(a.as_int());
    if (pugi::xml_attribute a = element.attribute("LINE_SPACE"); a && fIsPixel(a.as_int()))
        label->fSetLineSpace(a.as_int());
    if (pugi::xml_attribute a = element.attribute("HOT_SPOT"))
        label->fSetAlignment(a.as_int());
    if (pugi::xml_attribute a = element.attribute("FONT_COLOR"))
        label->fSetColor(fParseHexColor(a.value()));
    fReadWidgetCommonAttributes(label, element);
    if (pugi::xml_attribute a = element.attribute("FONT_SCALE"))
        label->fSetFontScale(a.as_float());
    return label;
}
}

#include "game/puzzle/GG_EFFECT_BONUS.h"

#include <cwctype>

#include "engine/bots/ZC_BOT_FADE.h"
#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZC_WIDE_STRING.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/text/ZC_FONT.h"
#include "framework/G_WINDOW.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
float GG_EFFECT_BONUS::speed = 1.0f;
int GG_EFFECT_BONUS::deflection = 0;
ZS_VECTOR2 GG_EFFECT_BONUS::endPosition;
float GG_EFFECT_BONUS::motionTime = 1.0f;
ZS_VECTOR2 GG_EFFECT_BONUS::endOffset;

namespace
{
const int kTextCapacity = 500;

// The format with at most one conversion taking an argument, an integer one: the amount is
// the only argument, so a translated text asking for a string, a float or a second number
// must not make the formatter read what was never passed. Those conversions get their '%'
// doubled and show as written.
std::wstring fOneIntegerFormat(const std::wstring& format)
{
    std::wstring out;
    bool amountUsed = false;
    const size_t n = format.size();
    for (size_t i = 0; i < n; ++i)
    {
        if (format[i] != L'%')
        {
            out += format[i];
            continue;
        }
        if (i + 1 < n && format[i + 1] == L'%')
        {
            out += L"%%";
            ++i;
            continue;
        }
        // The conversion as the formatter reads it: '0', width, precision, 'l', letter.
        size_t j = i + 1;
        if (j < n && format[j] == L'0')
            ++j;
        while (j < n && std::iswdigit(format[j]))
            ++j;
        if (j < n && format[j] == L'.')
            for (++j; j < n && std::iswdigit(format[j]);)
                ++j;
        if (j < n && format[j] == L'l')
            ++j;
        if (j >= n)
        {
            // A '%' the text ends on: shown as written.
            out += L"%%";
            out.append(format, i + 1, std::wstring::npos);
            break;
        }
        const wchar_t letter = format[j];
        const bool integer = letter == L'd' || letter == L'i' || letter == L'u';
        const bool takesArgument = integer || letter == L's' || letter == L'f';
        if (takesArgument && !(integer && !amountUsed))
            out += L'%';
        amountUsed = amountUsed || integer;
        out.append(format, i, j - i + 1);
        i = j;
    }
    return out;
}
}

GG_EFFECT_BONUS::GG_EFFECT_BONUS(const GG_EFFECT_BONUS& source)
    : style(source.style), sprite(source.sprite), trail(source.trail), textShown(source.textShown),
      text(source.text), textTransform(source.textTransform)
{
}

void GG_EFFECT_BONUS::fLoadXml(pugi::xml_node element)
{
    if (pugi::xml_attribute a = element.attribute("speed"))
        speed = a.as_float();
    if (pugi::xml_attribute a = element.attribute("deflection"))
    {
        // A pixel offset: one beyond any screen is refused rather than truncated out of range.
        if (!fToPixel(a.as_float(), &deflection))
            fLogLine(std::string("The \"bonus_effect\" has the \"deflection\" ") + a.value() +
                     ", far beyond any screen: it is left at " + std::to_string(deflection) + ".");
    }
    if (pugi::xml_attribute a = element.attribute("endpos"))
        endPosition.fParse(a.value());
    if (pugi::xml_node node = element.child("sprite_sunime"))
        sprite.fLoadXml(node);
    if (pugi::xml_node font = element.child("font"))
    {
        style.fLoad(font, fGetPuzzleShell().fonts);
        if (pugi::xml_node motion = font.child("motion"))
        {
            motionTime = motion.attribute("time").as_float(0.0f);
            // One vector read in turn: an end offset that is missing or not two numbers keeps
            // the start's value.
            ZS_VECTOR2 read = textTransform.fGetPositionXY();
            if (pugi::xml_attribute start = motion.attribute("start"))
            {
                read.fParse(start.value());
                textTransform.fSetPositionXY(read);
            }
            read.fParse(motion.attribute("endoffset").value());
            endOffset = read;
        }
        if (pugi::xml_node key = font.child("text"))
        {
            const ZC_LOCALIZATION* strings = fGetPuzzleShell().strings;
            text = strings ? strings->fGetWideText(key.attribute("value").value()) : std::wstring(L"etwas");
        }
    }
    // Read in any case; a missing element leaves the trail without a texture name.
    trail.fLoadXml(element.child("particles_follow"));
    trail.emitter.fMoveAreaTo(-500.0f, -500.0f);
}

void GG_EFFECT_BONUS::fLoadResources()
{
    trail.fLoadTexture();
    sprite.fLoadTexture();
}

void GG_EFFECT_BONUS::fUnloadResources()
{
    trail.fUnloadTexture();
    sprite.fUnloadTexture();
}

void GG_EFFECT_BONUS::fUpdate()
{
    trail.fUpdate();
    sprite.fUpdate();
}

void GG_EFFECT_BONUS::fDraw()
{
    if (textShown)
    {
        if (!style.font)
            return;
        style.font->fSetColor(style.color.fToPacked());
        style.font->alignment = style.hotSpot;
        // The font reads what it draws as a format: the value text, already formatted, must
        // keep its per cent signs.
        if (text.find(L'%') == std::wstring::npos)
            style.font->fPrintAt(&textTransform, HS_MID, text.c_str());
        else
            style.font->fPrintAt(&textTransform, HS_MID, fLiteralLabelText(text).c_str());
        return;
    }
    const ZS_VECTOR3& at = sprite.transform->position;
    trail.emitter.fMoveAreaTo(at.x, at.y);
    trail.fDraw();
    static_cast<ZC_MESH&>(sprite).fDraw();
}

void GG_EFFECT_BONUS::fStartTrail()
{
    const ZS_VECTOR3& at = sprite.transform->position;
    trail.emitter.fMoveAreaTo(at.x, at.y);
    trail.emitter.fEmitParticle();
}

void GG_EFFECT_BONUS::fSetValueText(int amount)
{
    wchar_t buffer[kTextCapacity];
    fWideFormat(buffer, kTextCapacity, fOneIntegerFormat(text).c_str(), amount);
    text = buffer;
    textShown = true;
}

void GG_EFFECT_BONUS::fPlaceOn(ZS_VECTOR2 centre)
{
    sprite.fSetPosition(centre.x, centre.y, 0.0f);
    sprite.fStart(0.0f);
}

GG_EFFECT_BONUS::EFFECT* GG_EFFECT_BONUS::fMakeEffect(void* owner, HANDLER_FUNCTION appeared,
                                                      HANDLER_FUNCTION arrived, HANDLER_FUNCTION finished)
{
    auto* effect = new EFFECT;
    EFFECT::HANDLER handler;
    handler.object = owner;

    handler.function = appeared;
    effect->fAddStepWithHandler(handler, this);
    // An animation without frames per second never plays: it appears for no time at all.
    const float fps = sprite.fGetFps();
    const float appearTime = fps > 0.0f ? float(sprite.fGetFrameCount()) / fps : 0.0f;
    effect->fGetLastStep()->fAdd(fCreateBotSleep(nullptr, nullptr, appearTime, 0.0f));

    handler.function = arrived;
    effect->fAddStepWithHandler(handler, this);
    const ZS_VECTOR3 start = sprite.transform->position;
    // Half the way from the cell to the counter, taken as a point of its own (not the
    // midpoint), lifted by the deflection: the curve's bend.
    const ZS_VECTOR3 control((endPosition.x - start.x) / 2.0f, (endPosition.y - start.y) / 2.0f + float(deflection),
                             0.0f);
    const ZS_VECTOR3 end(endPosition.x, endPosition.y, 0.0f);
    effect->fGetLastStep()->fAdd(fCreateBotMoveQuadBezier(sprite.transform, &control, &end, 0.0f, speed, 0.0f));

    handler.function = finished;
    effect->fAddStepWithHandler(handler, this);
    effect->fGetLastStep()->fAdd(
        fCreateBotMoveOn(&textTransform, motionTime, 0.0f, endOffset.x, endOffset.y, 0.0f, 0.0f));
    effect->fGetLastStep()->fAdd(fCreateBotColorJs(&style.color, motionTime, 0x00FFFFFFu, 0.0f));
    return effect;
}
}

#include "engine/gui/ZC_BASEPROGRESS.h"

#include <algorithm>

#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZS_TEXTURE.h"

namespace ZOR
{
namespace
{
const int kCentre = 4;
const int kMiddleLeft = 3;

// The FILLED script of a bar's layout element: a named record without target.
void fReadFilledScript(ZC_BASEPROGRESS* bar, pugi::xml_node element)
{
    std::string name;
    if (fFindScript(element, "FILLED", false, &name))
        bar->fSetFilledCallback(fCreateCallback(nullptr, name.c_str(), nullptr));
}
}

ZC_BASEPROGRESS::ZC_BASEPROGRESS(int32_t id) : ZC_GUI_OBJECT(id) {}

ZC_BASEPROGRESS::ZC_BASEPROGRESS(int32_t id, float amin, float amax)
    : ZC_GUI_OBJECT(id), min(amin), max(amax), value(amin)
{
}

ZC_BASEPROGRESS::~ZC_BASEPROGRESS()
{
    delete filled;
}

void ZC_BASEPROGRESS::fSetRange(float amin, float amax)
{
    min = amin;
    max = amax;
}

void ZC_BASEPROGRESS::fSetValue(float v)
{
    value = v;
    if (value < min)
        value = min;
    // The upper bound last: with min above max the value ends at max.
    if (value > max)
        value = max;
    // An empty range has nowhere to go but its one value, which is also its end.
    fraction = max != min ? (value - min) / (max - min) : 1.0f;
    finished = fraction >= 1.0f;
    fOnProgressChanged();
}

void ZC_BASEPROGRESS::fSetPercent(float p)
{
    fraction = std::max(0.0f, std::min(1.0f, p / 100.0f));
    value = min + fraction * (max - min);
    finished = fraction >= 1.0f;
    fOnProgressChanged();
}

void ZC_BASEPROGRESS::fSetFilledCallback(ZS_CALLBACK* record)
{
    if (filled != record)
        delete filled;
    filled = record;
}

void ZC_BASEPROGRESS::fNotifyFilled()
{
    if (!finished)
    {
        armed = true;
        return;
    }
    if (!armed)
        return;
    if (filled)
        fInvoke(filled, this);
    armed = false;
}

ZC_GUI_PROGRESS_BAR::ZC_GUI_PROGRESS_BAR(int32_t id, const std::string& atextureName)
    : ZC_BASEPROGRESS(id), textureName(atextureName)
{
    type = GUI_TYPE_PROGRESS_BAR;
}

ZC_GUI_PROGRESS_BAR::ZC_GUI_PROGRESS_BAR(int32_t id, ZS_TEXTURE* texture) : ZC_GUI_PROGRESS_BAR(id, std::string())
{
    fCreateQuads(texture);
}

ZC_GUI_PROGRESS_BAR::~ZC_GUI_PROGRESS_BAR()
{
    delete background;
    delete bar;
}

void ZC_GUI_PROGRESS_BAR::fCreateQuads(ZS_TEXTURE* texture)
{
    if (made)
        return;
    made = true;
    const int32_t textureWidth = texture ? texture->size.x : 0;
    const int32_t textureHeight = texture ? texture->size.y : 0;
    // On the widget's own transform: the widget's pivot becomes the centre of the bar.
    background = new ZC_QUAD(texture, transform);
    background->fSetSize(textureWidth / 2, textureHeight);
    background->fSetHotSpot(kCentre, 0.0f, 0.0f);
    background->fSetFrame(2, 1, 0, false);
    halfWidth = textureWidth / 2;
    barHeight = textureHeight;
    bar = new ZC_QUAD(texture, nullptr);
    bar->fGetTransform()->parent = transform;
    bar->fSetSize(0, barHeight);
    bar->fSetUVRect(0.5f, 0.0f, 0.5f, 1.0f);
    bar->fSetFrame(2, 1, 1, false);
}

void ZC_GUI_PROGRESS_BAR::fOnProgressChanged()
{
    if (!made)
        return;
    bar->fSetSize(int(float(halfWidth) * fraction), barHeight);
    // Cropped at the fraction, not stretched: the filled part keeps its pixel scale.
    bar->fSetUVRect(0.5f, 0.0f, 0.5f + 0.5f * fraction, 1.0f);
    // Its left edge on the background's, half of the half width left of the position.
    bar->fSetHotSpot(kMiddleLeft, float(halfWidth) * 0.5f, 0.0f);
    fNotifyFilled();
}

void ZC_GUI_PROGRESS_BAR::fSetSize(int32_t width, int32_t height)
{
    halfWidth = width;
    barHeight = height;
    if (background)
    {
        background->fSetSize(width, height);
        background->fSetHotSpot(kCentre, 0.0f, 0.0f);
    }
    fOnProgressChanged();
}

void ZC_GUI_PROGRESS_BAR::fDraw()
{
    if (background)
        background->fDrawInWorld();
    if (bar)
        bar->fDrawInWorld();
}

void ZC_GUI_PROGRESS_BAR::fRestoreResources()
{
    ZS_TEXTURE* texture = fFetchTexture(textureName);
    if (!made)
    {
        fCreateQuads(texture);
        return;
    }
    // Both pictures hold one fetch: a restore without a release in between gives the
    // earlier one back.
    fHandBackTexture(background->texture);
    background->fSetTexture(texture);
    bar->fSetTexture(texture);
}

void ZC_GUI_PROGRESS_BAR::fReleaseResources()
{
    if (!background || !bar)
        return;
    ZS_TEXTURE* fallback = fHandBackTexture(background->texture);
    background->fSetTexture(fallback);
    bar->fSetTexture(fallback);
}

void ZC_GUI_PROGRESS_BAR::fSetRotation(float radians)
{
    transform->fSetRotationZ(radians);
}

ZC_GUI_ANIMATION_BAR::ZC_GUI_ANIMATION_BAR(int32_t id, ZS_TEXTURE* texture, int32_t acolumns, int32_t arows,
                                           int32_t frames)
    : ZC_BASEPROGRESS(id), columns(std::max(1, acolumns)), rows(std::max(1, arows)), lastFrame(std::max(1, frames) - 1)
{
    sheet = new ZC_QUAD(texture, transform);
    cellWidth = int32_t(sheet->fGetWidth()) / columns;
    cellHeight = int32_t(sheet->fGetHeight()) / rows;
    sheet->fSetSize(cellWidth, cellHeight);
    sheet->fSetHotSpot(kCentre, 0.0f, 0.0f);
    sheet->fSetFrame(columns, rows, 0, false);
}

ZC_GUI_ANIMATION_BAR::~ZC_GUI_ANIMATION_BAR()
{
    // The loader fetched the texture for this bar: it goes back with it.
    fInvoke(zcON_RELEASE_RESOURCE, sheet->texture);
    delete sheet;
}

void ZC_GUI_ANIMATION_BAR::fOnProgressChanged()
{
    // Cells row by row from the top left: the first at 0, the last at full.
    frame = int32_t(float(lastFrame) * fraction);
    sheet->fSetFrame(columns, rows, frame, false);
    fNotifyFilled();
}

void ZC_GUI_ANIMATION_BAR::fSetSize(int32_t width, int32_t height)
{
    cellWidth = width;
    cellHeight = height;
    sheet->fSetSize(width, height);
    sheet->fSetHotSpot(kCentre, 0.0f, 0.0f);
}

float ZC_GUI_ANIMATION_BAR::fGetWidth()
{
    return sheet->fGetWidth();
}

float ZC_GUI_ANIMATION_BAR::fGetHeight()
{
    return sheet->fGetHeight();
}

void ZC_GUI_ANIMATION_BAR::fDraw()
{
    sheet->fDrawInWorld();
}

ZS_VECTOR2 ZC_GUI_ANIMATION_BAR::fGetCellSize() const
{
    return ZS_VECTOR2(float(cellWidth), float(cellHeight));
}

void ZC_GUI_ANIMATION_BAR::fSetRotation(float radians)
{
    transform->fSetRotationZ(radians);
}

ZC_GUI_OBJECT* fCreateGuiProgressBarFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE"}))
        return nullptr;
    ZC_GUI_PROGRESS_BAR* bar =
        new ZC_GUI_PROGRESS_BAR(element.attribute("ID").as_int(), element.attribute("TEXTURE").value());
    fReadWidgetCommonAttributes(bar, element);
    fReadFilledScript(bar, element);
    return bar;
}

ZC_GUI_OBJECT* fCreateGuiAnimationBarFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE", "COLUMNS", "ROWS", "FRAMES"}))
        return nullptr;
    ZS_TEXTURE* texture = ZC_GUI_OBJECT::fFetchTexture(element.attribute("TEXTURE").value());
    ZC_GUI_ANIMATION_BAR* bar =
        new ZC_GUI_ANIMATION_BAR(element.attribute("ID").as_int(), texture, element.attribute("COLUMNS").as_int(),
                                 element.attribute("ROWS").as_int(), element.attribute("FRAMES").as_int());
    fReadWidgetCommonAttributes(bar, element);
    fReadFilledScript(bar, element);
    return bar;
}
}

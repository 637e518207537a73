#include "game/shell/GG_WINDOW_TROPHY.h"

#include <algorithm>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/text/ZC_FONT.h"
#include "framework/G_TROPHIES.h"
#include "game/shell/GG_CONFIG.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
void fReadStyle(pugi::xml_node element, ZS_FONT_STYLE* style, ZS_VECTOR2* shift)
{
    if (!element)
        return;
    style->fLoad(element, fGetFonts());
    if (pugi::xml_attribute a = element.attribute("shift"))
        shift->fParse(a.value());
}

void fDrawLoaded(G_SPRITE& sprite)
{
    if (sprite.fIsLoaded())
        sprite.fDraw();
}

// The style's font in its colour and alignment; null without a font.
ZC_FONT* fPrepare(const ZS_FONT_STYLE& style)
{
    if (!style.font)
        return nullptr;
    style.font->fSetColor(style.color.fToPacked());
    style.font->alignment = style.hotSpot;
    return style.font;
}

std::wstring fLocalised(const std::string& key)
{
    const ZC_LOCALIZATION* strings = fGetStrings();
    return strings ? strings->fGetWideText(key.c_str()) : std::wstring(L"etwas");
}
}

// ---------------------------------------------------------------- entry

gItem_Trophy::gItem_Trophy(pugi::xml_node element, int index) : G_PAGES_ITEM(element, index)
{
    if (pugi::xml_attribute name = element.attribute("name_tr"))
    {
        trophyName = name.value();
        if (pugi::xml_node icon = element.child("sunime"))
            rewardIcon.fLoadXml(icon);
        fReadStyle(element.child("fontTitle"), &titleStyle, &titleShift);
        fReadStyle(element.child("fontDescr"), &descriptionStyle, &descriptionShift);
        fReadStyle(element.child("fontSunime"), &rewardStyle, &rewardShift);
    }
    for (G_SPRITE* sprite : {&closedImage, &openImage, &rewardIcon})
        sprite->transform->parent = &transform;
}

gItem_Trophy::~gItem_Trophy() = default;

int gItem_Trophy::fMessage(int message, float x, float y, float z, void* data)
{
    const int answer = G_PAGES_ITEM::fMessage(message, x, y, z, data);
    if (answer != 0)
        return answer;
    switch (message)
    {
    case MSG_DRAW_IMAGE: fDrawLoaded(achieved ? openImage : closedImage); break;
    case MSG_DRAW_ICON:
        if (!achieved)
            fDrawLoaded(rewardIcon);
        break;
    case MSG_DRAW_TEXTS: fDrawTexts(); break;
    default: break;
    }
    return 0;
}

int gItem_Trophy::fGetWidth()
{
    // A picture not loaded yet has no size (-1): it takes no room.
    return std::max({0, int(openImage.fGetWidth()), int(closedImage.fGetWidth())});
}

int gItem_Trophy::fGetHeight()
{
    return std::max({0, int(openImage.fGetHeight()), int(closedImage.fGetHeight())});
}

G_TROPHY* gItem_Trophy::fFindTrophy() const
{
    const G_TROPHIES* trophies = fGetTrophies();
    return trophies && !trophyName.empty() ? trophies->fFindTrophy(trophyName) : nullptr;
}

void gItem_Trophy::fLoadResources()
{
    if (const G_TROPHY* trophy = fFindTrophy())
    {
        title = fLocalised(trophy->fGetName());
        description = fLocalised(trophy->fGetDesc());
        reward = trophy->fGetBonus();
        closedImage.fSetFile(trophy->fGetImageClose());
        openImage.fSetFile(trophy->fGetImageOpen());
    }
    closedImage.fLoadTexture();
    openImage.fLoadTexture();
    rewardIcon.fLoadTexture();
}

void gItem_Trophy::fUnloadResources()
{
    closedImage.fUnloadTexture();
    openImage.fUnloadTexture();
    rewardIcon.fUnloadTexture();
}

void gItem_Trophy::fRefresh()
{
    if (const G_TROPHY* trophy = fFindTrophy())
        achieved = trophy->fIsAchieved() ? 1 : 0;
}

void gItem_Trophy::fDrawTexts()
{
    const ZS_TRANSFORM3 world = transform.fCompose();
    // Each text at the entry plus its shift, in whole pixels; a shift beyond any screen draws none.
    int x = 0, y = 0;
    const auto place = [&world, &x, &y](const ZS_VECTOR2& shift) {
        return fToPixel(world.position.x + shift.x, &x) && fToPixel(world.position.y + shift.y, &y);
    };
    if (!achieved)
        if (ZC_FONT* f = fPrepare(rewardStyle))
            if (place(rewardShift))
                f->fPrint(x, y, L"%i", int(reward));
    // Texts from data are drawn as written, never read as formats.
    if (ZC_FONT* f = fPrepare(titleStyle))
        if (place(titleShift))
            f->fDrawText(x, y, title.c_str());
    if (ZC_FONT* f = fPrepare(descriptionStyle))
        if (place(descriptionShift))
            f->fDrawText(x, y, description.c_str());
}

// ---------------------------------------------------------------- list

ZC_BASE* gPages_Trophy::fCreateItem(pugi::xml_node element, int index)
{
    return new gItem_Trophy(element, index);
}

void gPages_Trophy::fDrawPage(int page)
{
    size_t first = 0, last = 0;
    fPageRange(page, &first, &last);
    for (int message : {int(gItem_Trophy::MSG_DRAW_IMAGE), int(gItem_Trophy::MSG_DRAW_ICON),
                        int(gItem_Trophy::MSG_DRAW_TEXTS)})
        for (size_t i = first; i < last; ++i)
            if (ZC_BASE* item = fGetItem(i))
                item->fMessage(message, 0.0f, 0.0f, 0.0f, nullptr);
}

// ---------------------------------------------------------------- window

GG_WINDOW_TROPHY::GG_WINDOW_TROPHY(pugi::xml_node element)
    : GG_LIST_WINDOW(element, new gPages_Trophy, nullptr, false)
{
}

GG_WINDOW_TROPHY::~GG_WINDOW_TROPHY() = default;

void GG_WINDOW_TROPHY::fRefresh()
{
    if (gPages_Trophy* list = fGetList())
        list->fRefresh();
}

void GG_WINDOW_TROPHY::fOnGuiEvent(int widgetId)
{
    // A click while a turn runs changes neither the page nor the dots.
    if (widgetId == GG_LIST_SCREEN::ID_PREVIOUS || widgetId == GG_LIST_SCREEN::ID_NEXT)
        if (screen.fTurn(widgetId == GG_LIST_SCREEN::ID_NEXT ? 1 : -1))
            fUpdateArrows();
}
}

#include "game/puzzle/GG_PACK_DESC.h"

#include "engine/files/ZC_LOCALIZATION.h"
#include "framework/G_SPRITE.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"

namespace game
{
GG_PACK_DESC::GG_PACK_DESC() = default;

GG_PACK_DESC::~GG_PACK_DESC() = default;

bool GG_PACK_DESC::fLoadXml(pugi::xml_node element)
{
    const pugi::xml_attribute idText = element.attribute("id");
    if (!idText)
        return false;
    id = int32_t(idText.as_uint());

    const pugi::xml_attribute keyText = element.attribute("key");
    if (!keyText)
        return false;
    key = keyText.value();
    const ZOR::ZC_LOCALIZATION* strings = fGetPlayerShell().strings;
    title = strings ? strings->fGetWideText(key.c_str()) : L"etwas";

    const pugi::xml_attribute starsText = element.attribute("stars2pass");
    if (!starsText)
        return false;
    stars2pass = starsText.as_int();

    const pugi::xml_attribute priceText = element.attribute("price");
    if (!priceText)
        return false;
    price = priceText.as_int();

    const pugi::xml_attribute pathText = element.attribute("path");
    if (!pathText)
        return false;
    path = pathText.value();

    background = std::make_unique<ZOR_GF::G_SPRITE>(element.child("background"));
    return true;
}
}

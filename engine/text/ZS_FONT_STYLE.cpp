#include "engine/text/ZS_FONT_STYLE.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/text/ZC_FONT_MANAGER.h"

namespace ZOR
{
ZS_FONT_STYLE::ZS_FONT_STYLE(pugi::xml_node element, ZC_FONT_MANAGER* manager)
{
    fLoad(element, manager);
}

bool ZS_FONT_STYLE::fLoad(pugi::xml_node element, ZC_FONT_MANAGER* manager)
{
    if (!element || !manager)
        return false;
    pugi::xml_attribute name = element.attribute("fntName");
    if (!name)
        return false;
    fontName = name.value();
    if (pugi::xml_attribute colorText = element.attribute("fntColor"))
        color = fParseHexColor(colorText.value());
    if (pugi::xml_attribute hotSpotText = element.attribute("fntHotSpot"))
        hotSpot = fParseHotSpot(hotSpotText.value());
    font = manager->fGetFont(fontName);
    return font != nullptr;
}
}

#include "framework/ZS_TRANSFORM3_AUTO.h"

namespace ZOR_GF
{
int ZS_TRANSFORM3_AUTO::screenWidth = 1024;
int ZS_TRANSFORM3_AUTO::screenHeight = 768;

void ZS_TRANSFORM3_AUTO::fSetScreenSize(int width, int height)
{
    screenWidth = width;
    screenHeight = height;
}

void ZS_TRANSFORM3_AUTO::fSetAuto(float x, float y)
{
    autoX = x;
    autoY = y;
    position.x = x * float(screenWidth);
    position.y = y * float(screenHeight);
}

void ZS_TRANSFORM3_AUTO::fLoadXml(pugi::xml_node element)
{
    fParse(element.child_value());
    if (pugi::xml_attribute a = element.attribute("auto_x"))
    {
        autoX = a.as_float();
        position.x = autoX * float(screenWidth);
    }
    if (pugi::xml_attribute a = element.attribute("auto_y"))
    {
        autoY = a.as_float();
        position.y = autoY * float(screenHeight);
    }
}
}

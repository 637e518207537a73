#include "engine/text/ZC_FONT_MANAGER.h"

#include <pugixml.hpp>

#include "engine/files/ZC_REPOSITORY.h"
#include "engine/text/ZC_FONT.h"

namespace ZOR
{
namespace
{
const int kFontBufferSize = 600;
}

ZC_FONT_MANAGER::~ZC_FONT_MANAGER()
{
    for (auto& entry : fonts)
        delete entry.second;
}

bool ZC_FONT_MANAGER::fLoad(const char* resourceName)
{
    if (!zcREPOSITORY || !resourceName)
        return false;
    pugi::xml_document* list = zcREPOSITORY->fGetXml(resourceName);
    if (!list)
        return false;
    pugi::xml_node root = list->child("fonts");
    if (!root)
    {
        zcREPOSITORY->fReleaseXml(list);
        return false;
    }
    for (pugi::xml_node entry : root.children())
    {
        pugi::xml_attribute name = entry.attribute("name");
        pugi::xml_attribute textureName = entry.attribute("texture");
        pugi::xml_attribute xmlName = entry.attribute("xml");
        if (!name || !textureName || !xmlName)
            continue;
        // The first entry of a name wins.
        if (fonts.count(name.value()))
            continue;
        pugi::xml_document* descriptor = zcREPOSITORY->fGetXml(xmlName.value());
        if (!descriptor)
            continue;
        ZS_TEXTURE* texture = zcREPOSITORY->fGetTexture(textureName.value());
        fonts[name.value()] = new ZC_FONT(descriptor->child("font"), texture, kFontBufferSize);
        zcREPOSITORY->fReleaseXml(descriptor);
    }
    zcREPOSITORY->fReleaseXml(list);
    return true;
}

ZC_FONT* ZC_FONT_MANAGER::fGetFont(const std::string& name) const
{
    auto it = fonts.find(name);
    return it == fonts.end() ? nullptr : it->second;
}

bool ZC_FONT_MANAGER::fHasFont(const std::string& name) const
{
    return fonts.count(name) != 0;
}

int ZC_FONT_MANAGER::fReleaseTextures()
{
    if (!zcREPOSITORY)
        return 0;
    for (auto& entry : fonts)
    {
        ZS_TEXTURE* texture = entry.second->fGetTexture();
        if (!texture)
            continue;
        zcREPOSITORY->fReleaseTexture(texture);
        // Once collected the texture is gone: a font that drew with it would read freed
        // memory, and a second release would take a user from someone else.
        entry.second->fSetTexture(nullptr);
    }
    return zcREPOSITORY->fCollect();
}
}

#include "engine/soundbanks/ZC_SOUND_SET.h"

#include <pugixml.hpp>

#include "engine/files/ZC_REPOSITORY.h"

namespace ZOR
{
ZC_SOUND_SET::~ZC_SOUND_SET()
{
    fReleaseSounds();
    if (document && zcREPOSITORY)
        zcREPOSITORY->fReleaseXml(document);
}

bool ZC_SOUND_SET::fLoad(const char* resourceName)
{
    if (!zcREPOSITORY || !resourceName)
        return false;
    if (document)
    {
        zcREPOSITORY->fReleaseXml(document);
        document = nullptr;
    }
    pugi::xml_document* loaded = zcREPOSITORY->fGetXml(resourceName);
    if (!loaded)
        return false;
    if (!loaded->child("sounds"))
    {
        zcREPOSITORY->fReleaseXml(loaded);
        return false;
    }
    document = loaded;
    name = resourceName;
    return true;
}

void ZC_SOUND_SET::fLoadSounds()
{
    if (!document || !zcREPOSITORY)
        return;
    for (pugi::xml_node entry : document->child("sounds").children())
    {
        pugi::xml_attribute soundName = entry.attribute("name");
        pugi::xml_attribute path = entry.attribute("path");
        pugi::xml_attribute count = entry.attribute("buffcount");
        pugi::xml_attribute streamed = entry.attribute("streamed");
        if (!soundName || !path || !count || !streamed || sounds.count(soundName.value()))
            continue;
        sounds[soundName.value()] = zcREPOSITORY->fGetSound(path.value(), count.as_int(), streamed.as_bool());
    }
}

void ZC_SOUND_SET::fReleaseSounds()
{
    if (zcREPOSITORY)
        for (auto& entry : sounds)
            if (entry.second)
                zcREPOSITORY->fReleaseSound(entry.second);
    sounds.clear();
}

ZC_SOUND* ZC_SOUND_SET::fGetSound(const std::string& soundName) const
{
    auto found = sounds.find(soundName);
    return found == sounds.end() ? nullptr : found->second;
}

bool ZC_SOUND_SET::fHasSound(const std::string& soundName) const
{
    return sounds.count(soundName) != 0;
}
}

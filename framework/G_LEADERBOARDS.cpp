#include "framework/G_LEADERBOARDS.h"

#include <pugixml.hpp>

#include "engine/files/ZC_REPOSITORY.h"

namespace ZOR_GF
{
bool G_LEADERBOARDS::fLoad(const std::string& resource)
{
    if (!ZOR::zcREPOSITORY)
        return false;
    pugi::xml_document* document = ZOR::zcREPOSITORY->fGetXml(resource.c_str());
    if (!document)
        return false;
    for (pugi::xml_node child : document->document_element().children())
    {
        const pugi::xml_attribute name = child.attribute("name");
        const pugi::xml_attribute id = child.attribute("leaderboard_id");
        if (child.type() == pugi::node_element && name && id)
            ids.emplace(name.value(), id.value());
    }
    // Handed back so that a later collect can free it; the ids are copies.
    ZOR::zcREPOSITORY->fReleaseXml(document);
    return true;
}

std::string G_LEADERBOARDS::fGetLeaderboardId(const std::string& name) const
{
    const auto found = ids.find(name);
    return found == ids.end() ? std::string() : found->second;
}
}

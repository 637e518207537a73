#include "framework/G_CURSOR.h"

#include <pugixml.hpp>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_REPOSITORY.h"

using namespace ZOR;

namespace ZOR_GF
{
G_CURSOR::~G_CURSOR()
{
    delete sprite;
}

bool G_CURSOR::fLoad(const char* resourceName)
{
    pugi::xml_document* document = zcREPOSITORY && resourceName ? zcREPOSITORY->fGetXml(resourceName) : nullptr;
    if (!document)
        return false;
    const std::string file = document->document_element().child("file").child_value();
    if (sprite)
        sprite->fSetFile(file);
    else
        sprite = new G_SPRITE(file);
    sprite->fSetHotSpot(HS_UL, 0.0f, 0.0f);
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

void G_CURSOR::fDraw()
{
    if (!enabled || !sprite || !zcMOUSE_POSITION)
        return;
    sprite->fDrawAt(float(zcMOUSE_POSITION->x), float(zcMOUSE_POSITION->y), 0.0f, 1.0f, 1.0f);
}

void G_CURSOR::fLoadTexture()
{
    if (sprite)
        sprite->fLoadTexture();
}

void G_CURSOR::fUnloadTexture()
{
    if (sprite)
        sprite->fUnloadTexture();
}
}

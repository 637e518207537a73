#include "game/puzzle/GG_AMBIENT.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
const char* const AMBIENT_FILE = "data/share/main/GameProcess ambient.xml";

namespace
{
const int kDefaultEarSize = 160;
}

// ---- border

bool GG_BORDER::fLoadXml(pugi::xml_node element, const GG_LEVEL_SETTINGS* asettings)
{
    if (!element)
        return false;
    frame.fLoadXml(element);
    fSetLayout(asettings);
    return true;
}

void GG_BORDER::fSetLayout(const GG_LEVEL_SETTINGS* asettings)
{
    settings = asettings;
    if (!settings)
        return;
    frame.fSetPosition(settings->topLeft.x + float(settings->pixelSize.x / 2),
                       settings->topLeft.y + float(settings->pixelSize.y / 2));
    // A frame already loaded takes the new grid's size at once.
    if (frame.fGetMinWidth() != G_SPRITE::kUnset)
        frame.fSetSize(int(frame.fGetMinWidth() * 0.5f) + settings->pixelSize.x,
                       int(frame.fGetMinHeight() * 0.5f) + settings->pixelSize.y);
}

void GG_BORDER::fSetBlockSprite(const G_SPRITE& sprite)
{
    blockSprite = sprite;
    blockSprite.fSetHotSpot(0, 0.0f, 0.0f);
}

void GG_BORDER::fLoadResources()
{
    blockSprite.fLoadTexture();
    frame.fLoadTextures();
    if (settings)
        frame.fSetSize(int(frame.fGetMinWidth() * 0.5f) + settings->pixelSize.x,
                       int(frame.fGetMinHeight() * 0.5f) + settings->pixelSize.y);
}

void GG_BORDER::fUnloadResources()
{
    blockSprite.fUnloadTexture();
    frame.fUnloadTextures();
}

void GG_BORDER::fDrawBlocks()
{
    if (!settings)
        return;
    const float x0 = settings->topLeft.x, y0 = settings->topLeft.y;
    const float stepX = blockSprite.fGetWidth() + float(settings->blockShift.x);
    const float stepY = blockSprite.fGetHeight() + float(settings->blockShift.y);
    for (int i = 0; i < settings->blockCount.x; ++i)
        for (int j = 0; j < settings->blockCount.y; ++j)
            blockSprite.fDrawAt(x0 + float(i) * stepX, y0 + float(j) * stepY, 0.0f, 1.0f, 1.0f);
}

void GG_BORDER::fDrawFrame()
{
    frame.fDraw();
}

// ---- ears

GG_EAR::GG_EAR()
{
    background.transform->parent = &transform;
    stick.transform->parent = &transform;
    stickBlock.transform->parent = &transform;
}

bool GG_EAR::fLoadXml(pugi::xml_node element, int blockShift, int acellSize, int acellCount, int ablockSize)
{
    if (!element)
        return false;
    halfGap = float(blockShift) * 0.5f;
    cellSize = acellSize;
    cellCount = acellCount;
    blockSize = ablockSize;
    background.fLoadXml(element.child("background"));
    stick.fLoadXml(element.child("stick"));
    stickBlock.fLoadXml(element.child("stickBlock"));
    background.fSetHotSpot(6, 0.0f, 0.0f);
    stick.fSetHotSpot(7, 0.0f, 0.0f);
    stickBlock.fSetHotSpot(7, 0.0f, 0.0f);
    // A TRANSFORM in a sprite element sets the whole record, parent included.
    background.transform->parent = &transform;
    stick.transform->parent = &transform;
    stickBlock.transform->parent = &transform;
    return true;
}

void GG_EAR::fSetBackgroundSize(float w, float h)
{
    background.fSetSize(w, h);
    background.fSetUVToSize();
}

void GG_EAR::fSetPosition(const ZS_VECTOR2& position)
{
    transform.fSetPosition(position.x, position.y, 0.0f);
}

void GG_EAR::fSetRotation(float radians)
{
    transform.fSetRotationZ(radians);
}

void GG_EAR::fLoadResources()
{
    background.fLoadTexture();
    stick.fLoadTexture();
    stickBlock.fLoadTexture();
    // The repeat needs the texture's own size.
    background.fSetUVToSize();
}

void GG_EAR::fUnloadResources()
{
    background.fUnloadTexture();
    stick.fUnloadTexture();
    stickBlock.fUnloadTexture();
}

bool GG_EAR::fIsBlockBoundary(int i) const
{
    return i == 0 || (blockSize != 0 && i % blockSize == 0);
}

float GG_EAR::fBoundaryX(int i) const
{
    float x = 0.0f;
    for (int k = 0; k <= i; ++k)
    {
        if (fIsBlockBoundary(k))
        {
            x -= halfGap;
            if (k == i)
                return x;
            x -= halfGap;
        }
        else if (k == i)
            return x;
        x += float(cellSize);
    }
    return x;
}

void GG_EAR::fDraw()
{
    background.fDraw();
    float x = 0.0f;
    for (int i = 0; i <= cellCount; ++i)
    {
        if (fIsBlockBoundary(i))
        {
            x -= halfGap;
            stickBlock.transform->fSetPosition(x, 0.0f, 0.0f);
            stickBlock.fDraw();
            x -= halfGap;
        }
        else
        {
            stick.transform->fSetPosition(x, 0.0f, 0.0f);
            stick.fDraw();
        }
        x += float(cellSize);
    }
}

// ---- ambient

bool GG_AMBIENT::fLoadXml(GG_LEVEL_SETTINGS* asettings)
{
    settings = asettings;
    loadError.clear();
    pugi::xml_document* document = fGetGameProcessXml(AMBIENT_FILE);
    if (!document)
    {
        loadError = std::string("\"") + AMBIENT_FILE + "\" is missing";
        return false;
    }
    const pugi::xml_node root = document->document_element();
    bool loaded = settings != nullptr;
    if (!loaded)
        loadError = "no level settings";
    else if (!fLoadBorder(root.child("border")))
        loadError = "the border";
    else if (!fLoadEars(root))
        loadError = "\"left_ear\" or \"up_ear\", or has a \"size\" of them far beyond any screen";
    else if (!fLoadHighlight(root.child("highlight")))
        loadError = "\"highlight\" or one of its attributes, or has a \"shift\" far beyond any screen";
    else if (!fLoadErrorPanel(root.child("error_panel")))
        loadError = "\"error_panel\" or one of its attributes or sprites, or has one far beyond any screen";
    else if (!fLoadCounter(root.child("sunime")))
        loadError = "\"sunime\", its font or its \"pos\" (within any screen)";
    loaded = loadError.empty();
    if (!loaded && settings)
        loadError = std::string("\"") + AMBIENT_FILE + "\" lacks " + loadError;
    zcREPOSITORY->fReleaseXml(document);
    return loaded;
}

bool GG_AMBIENT::fLoadBorder(pugi::xml_node element)
{
    if (!border.fLoadXml(element, settings))
    {
        // Without its frame files the grid still gets its block backgrounds.
        fLogLine(std::string("level decor: \"") + AMBIENT_FILE + "\" has no \"border\": the grid has no frame");
        border.fSetLayout(settings);
    }
    border.fSetBlockSprite(settings->blockSprite);
    return true;
}

bool GG_AMBIENT::fLoadEars(pugi::xml_node root)
{
    const pugi::xml_node left = root.child("left_ear"), up = root.child("up_ear");
    const int leftSize = left.attribute("size").as_int(kDefaultEarSize);
    const int upSize = up.attribute("size").as_int(kDefaultEarSize);
    // The panels' depth in pixels: one beyond any screen is refused.
    if (!fIsPixel(leftSize) || !fIsPixel(upSize))
        return false;
    const GG_LEVEL_SETTINGS& s = *settings;
    if (!leftEar.fLoadXml(left, s.blockShift.y, int(s.cellSize.y), s.gridSize.y, s.blockSize.y))
        return false;
    if (!upEar.fLoadXml(up, s.blockShift.x, int(s.cellSize.x), s.gridSize.x, s.blockSize.x))
        return false;
    upEar.fSetBackgroundSize(float(s.pixelSize.x), float(upSize));
    upEar.fSetPosition(s.topLeft);
    leftEar.fSetBackgroundSize(float(s.pixelSize.y), float(leftSize));
    leftEar.fSetPosition(ZS_VECTOR2(s.topLeft.x, s.topLeft.y + float(s.pixelSize.y)));
    leftEar.fSetRotation(-1.5707964f);
    return true;
}

bool GG_AMBIENT::fLoadHighlight(pugi::xml_node element)
{
    if (!highlight.fLoadXml(element))
        return false;
    highlight.fSetCellSize(settings->cellSize);
    highlight.fSetGridSize(settings->pixelSize);
    highlight.fSetOrigin(settings->topLeft);
    return true;
}

bool GG_AMBIENT::fLoadErrorPanel(pugi::xml_node element)
{
    return errorPanel.fLoadXml(element);
}

bool GG_AMBIENT::fLoadCounter(pugi::xml_node element)
{
    return counter.fLoadXml(element);
}

void GG_AMBIENT::fLoadResources()
{
    border.fLoadResources();
    leftEar.fLoadResources();
    upEar.fLoadResources();
    highlight.fLoadResources();
    errorPanel.fLoadResources();
}

void GG_AMBIENT::fUnloadResources()
{
    border.fUnloadResources();
    leftEar.fUnloadResources();
    upEar.fUnloadResources();
    highlight.fUnloadResources();
    errorPanel.fUnloadResources();
}

int GG_AMBIENT::fUpdate()
{
    errorPanel.fUpdate();
    return 1;
}

void GG_AMBIENT::fDrawEars()
{
    upEar.fDraw();
    leftEar.fDraw();
}

void GG_AMBIENT::fEndLevel()
{
    errorPanel.fReset();
    counter.fSetValue(0);
    // The bars of the cell last hovered would otherwise cross the next level's grid until
    // the pointer comes back over it.
    highlight.fSetVisible(false);
}
}

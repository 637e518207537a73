#include "game/puzzle/GG_PACK.h"

#include <cstdio>

#include "engine/files/ZC_BINARY_STREAM.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"

using ZOR::ZC_BINARY_STREAM;

namespace game
{
std::string fFormatReal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

namespace
{
// The lock bytes are kept as they are, not folded to 0 or 1.
void fWriteByte(ZC_BINARY_STREAM* stream, uint8_t value)
{
    stream->fWriteRaw(&value, 1);
}

void fReadByte(ZC_BINARY_STREAM* stream, uint8_t* value)
{
    stream->fReadRaw(value, 1);
}
}

void GG_LEVEL::fSetStars(int32_t value)
{
    if (value > stars)
        stars = value;
}

void GG_LEVEL::fSetBestTime(float value)
{
    if (bestTime == 0.0f || value < bestTime)
        bestTime = value;
}

bool GG_LEVEL::fLoadXml(pugi::xml_node element)
{
    const pugi::xml_attribute idText = element.attribute("id");
    if (!idText)
        return false;
    id = int32_t(idText.as_uint());
    fSetStars(int32_t(element.attribute("stars").as_uint()));
    if (const pugi::xml_attribute lockText = element.attribute("lock"))
        fSetLock(lockText.as_bool() ? 1 : 0);
    if (const pugi::xml_attribute timeText = element.attribute("best_time"))
        fSetBestTime(timeText.as_float());
    if (const pugi::xml_attribute fileText = element.attribute("file"))
        file = fileText.value();
    return true;
}

void GG_LEVEL::fSaveXml(pugi::xml_node element) const
{
    element.append_attribute("id") = id;
    element.append_attribute("stars") = stars;
    element.append_attribute("lock") = lock ? "true" : "false";
    element.append_attribute("best_time") = fFormatReal(bestTime).c_str();
    element.append_attribute("file") = file.c_str();
}

bool GG_LEVEL::fLoadBinary(ZC_BINARY_STREAM* stream)
{
    if (!stream || stream->fHasFailed())
        return false;
    GG_LEVEL read(*this);
    stream->fReadInt(&read.number);
    fReadByte(stream, &read.lock);
    stream->fReadInt(&read.id);
    stream->fReadInt(&read.stars);
    stream->fReadFloat(&read.bestTime);
    stream->fReadString(read.file);
    if (stream->fHasFailed())
        return false;
    *this = read;
    return true;
}

bool GG_LEVEL::fSaveBinary(ZC_BINARY_STREAM* stream) const
{
    if (!stream || !stream->fIsOpen())
        return false;
    stream->fWriteInt(&number);
    fWriteByte(stream, lock);
    stream->fWriteInt(&id);
    stream->fWriteInt(&stars);
    stream->fWriteFloat(&bestTime);
    stream->fWriteString(file);
    return !stream->fHasFailed();
}

GG_PACK::GG_PACK(const GG_PACK& other)
    : id(other.id), lock(other.lock), hasLock(other.hasLock), inAppKey(other.inAppKey), starTotal(other.starTotal)
{
    levels.reserve(other.levels.size());
    for (const auto& level : other.levels)
        levels.push_back(std::make_unique<GG_LEVEL>(*level));
}

GG_PACK& GG_PACK::operator=(const GG_PACK& other)
{
    if (this != &other)
    {
        GG_PACK copy(other);
        *this = std::move(copy);
    }
    return *this;
}

uint32_t GG_PACK::fCountStars()
{
    // Summed in full: a total wrapped to a byte would lock packs the player has earned.
    uint32_t total = 0;
    for (const auto& level : levels)
        total += uint32_t(level->fGetStars());
    starTotal = total;
    return total;
}

bool GG_PACK::fHasOpenLevel() const
{
    for (const auto& level : levels)
        if (level->fIsOpen())
            return true;
    return false;
}

float GG_PACK::fGetCompletion() const
{
    if (levels.empty())
        return 0.0f;
    int done = 0;
    for (const auto& level : levels)
        if (level->fGetStars() > 0)
            ++done;
    return float(done) / float(levels.size());
}

GG_LEVEL* GG_PACK::fGetLevel(int32_t levelId) const
{
    for (const auto& level : levels)
        if (level->fGetId() == levelId)
            return level.get();
    return nullptr;
}

GG_LEVEL* GG_PACK::fGetLevelAt(int index) const
{
    if (index < 0 || size_t(index) >= levels.size())
        return nullptr;
    return levels[size_t(index)].get();
}

bool GG_PACK::fIsLastLevel(const GG_LEVEL* level) const
{
    return level && !levels.empty() && levels.back().get() == level;
}

void GG_PACK::fUpdateFirstLevelLock(int32_t totalStars)
{
    const GG_PLAYER_SHELL& shell = fGetPlayerShell();
    const GG_PACK_DESC* desc = shell.findPackDesc ? shell.findPackDesc(id) : nullptr;
    if (!desc || levels.empty())
        return;
    if (totalStars >= desc->fGetStarsToPass())
        levels.front()->fSetLock(0);
}

bool GG_PACK::fLoadXml(pugi::xml_node element)
{
    const pugi::xml_attribute idText = element.attribute("id");
    if (!idText)
        return false;
    GG_PACK read;
    read.id = int32_t(idText.as_uint());
    if (fGetPlayerShell().inApp)
    {
        if (const pugi::xml_attribute lockText = element.attribute("lock"))
        {
            read.hasLock = 1;
            read.lock = lockText.as_bool() ? 1 : 0;
        }
        if (const pugi::xml_attribute keyText = element.attribute("InAppKey"))
            read.inAppKey = keyText.value();
    }
    // Every child is a level, numbered by its position; one bad level spoils the pack.
    int32_t number = 0;
    for (pugi::xml_node child : element.children())
    {
        if (child.type() != pugi::node_element)
            continue;
        auto level = std::make_unique<GG_LEVEL>(number++);
        if (!level->fLoadXml(child))
            return false;
        read.levels.push_back(std::move(level));
    }
    *this = std::move(read);
    return true;
}

void GG_PACK::fSaveXml(pugi::xml_node element) const
{
    element.append_attribute("id") = id;
    if (fGetPlayerShell().inApp)
    {
        if (hasLock)
            element.append_attribute("lock") = lock ? "true" : "false";
        if (!inAppKey.empty())
            element.append_attribute("InAppKey") = inAppKey.c_str();
    }
    for (const auto& level : levels)
        level->fSaveXml(element.append_child("level"));
}

bool GG_PACK::fLoadBinary(ZC_BINARY_STREAM* stream)
{
    return fLoadBinary(stream, fGetPlayerShell().inApp);
}

bool GG_PACK::fLoadBinary(ZC_BINARY_STREAM* stream, bool inApp)
{
    if (!stream || stream->fHasFailed())
        return false;
    GG_PACK read;
    stream->fReadInt(&read.id);
    if (inApp)
    {
        fReadByte(stream, &read.hasLock);
        if (read.hasLock)
            fReadByte(stream, &read.lock);
        stream->fReadString(read.inAppKey);
    }
    uint32_t count = 0;
    stream->fReadUInt(&count);
    // A damaged count runs into the end of the file instead of into memory.
    for (uint32_t i = 0; i < count && !stream->fHasFailed(); ++i)
    {
        auto level = std::make_unique<GG_LEVEL>(int32_t(i));
        if (!level->fLoadBinary(stream))
            break;
        read.levels.push_back(std::move(level));
    }
    if (stream->fHasFailed())
        return false;
    *this = std::move(read);
    return true;
}

bool GG_PACK::fSaveBinary(ZC_BINARY_STREAM* stream) const
{
    return fSaveBinary(stream, fGetPlayerShell().inApp);
}

bool GG_PACK::fSaveBinary(ZC_BINARY_STREAM* stream, bool inApp) const
{
    if (!stream || !stream->fIsOpen())
        return false;
    stream->fWriteInt(&id);
    if (inApp)
    {
        fWriteByte(stream, hasLock);
        if (hasLock)
            fWriteByte(stream, lock);
        stream->fWriteString(inAppKey);
    }
    const uint32_t count = uint32_t(levels.size());
    stream->fWriteUInt(&count);
    for (const auto& level : levels)
        level->fSaveBinary(stream);
    stream->fEndRecord();
    return !stream->fHasFailed();
}
}

#include "framework/gPlayer.h"

#include <cstdio>

#include "engine/files/ZC_BINARY_STREAM.h"

namespace ZOR
{
gPlayer::gPlayer(const std::wstring& playerName) : name(playerName)
{
}

gPlayer::gPlayer(pugi::xml_node element)
{
    fLoadXml(element);
}

std::string gPlayer::fGetNameUtf8() const
{
    return pugi::as_utf8(name);
}

int gPlayer::fGetItemCount(const std::string& item) const
{
    const auto found = items.find(item);
    return found == items.end() ? 0 : found->second;
}

void gPlayer::fSetItemCount(const std::string& item, int count)
{
    if (count < 0)
        return;
    items[item] = count;
}

void gPlayer::fLoadXml(pugi::xml_node element)
{
    name = pugi::as_wide(element.attribute("name").value());
    soundVolume = element.attribute("sound_volume").as_float(0.0f);
    musicVolume = element.attribute("music_volume").as_float(0.0f);
    passedTutorial = element.attribute("passed_tutorial").as_bool(false);
    gameCursor = element.attribute("game_cursor").as_bool(false);

    // The list starts at the first "item" and takes every element after it, whatever its name.
    for (pugi::xml_node item = element.child("playeritems").child("item"); item;
         item = item.next_sibling())
    {
        if (item.type() != pugi::node_element)
            continue;
        items[item.attribute("name").value()] = item.attribute("count").as_int(0);
    }
}

namespace
{
std::string fFormatG(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(value));
    return text;
}
}

void gPlayer::fSaveXml(pugi::xml_node element) const
{
    element.append_attribute("name") = fGetNameUtf8().c_str();
    element.append_attribute("sound_volume") = fFormatG(soundVolume).c_str();
    element.append_attribute("music_volume") = fFormatG(musicVolume).c_str();
    element.append_attribute("passed_tutorial") = passedTutorial ? "true" : "false";
    element.append_attribute("game_cursor") = gameCursor ? "true" : "false";

    pugi::xml_node list = element.append_child("playeritems");
    for (const auto& entry : items)
    {
        pugi::xml_node item = list.append_child("item");
        item.append_attribute("name") = entry.first.c_str();
        char count[16];
        std::snprintf(count, sizeof count, "%d", entry.second);
        item.append_attribute("count") = count;
    }
}

bool gPlayer::fSaveBinary(ZC_BINARY_STREAM* stream) const
{
    if (!stream || !stream->fIsOpen())
        return false;
    stream->fWriteString(fGetNameUtf8());
    stream->fWriteFloat(&soundVolume);
    stream->fWriteFloat(&musicVolume);
    stream->fWriteBool(&passedTutorial);
    stream->fWriteBool(&gameCursor);
    const uint32_t count = uint32_t(items.size());
    stream->fWriteUInt(&count);
    for (const auto& entry : items)
    {
        stream->fWriteString(entry.first);
        const int32_t value = entry.second;
        stream->fWriteInt(&value);
    }
    return !stream->fHasFailed();
}

bool gPlayer::fLoadBinary(ZC_BINARY_STREAM* stream)
{
    if (!stream || stream->fHasFailed())
        return false;
    // Read into locals so that a record cut short changes nothing.
    std::string nameUtf8;
    float sound = 0.0f;
    float music = 0.0f;
    bool tutorial = false;
    bool cursor = false;
    uint32_t count = 0;
    stream->fReadString(nameUtf8);
    stream->fReadFloat(&sound);
    stream->fReadFloat(&music);
    stream->fReadBool(&tutorial);
    stream->fReadBool(&cursor);
    stream->fReadUInt(&count);

    std::map<std::string, int> read;
    // A damaged count fails at the end of the file instead of looping on a dead stream.
    for (uint32_t i = 0; i < count && !stream->fHasFailed(); ++i)
    {
        std::string item;
        int32_t value = 0;
        stream->fReadString(item);
        stream->fReadInt(&value);
        read[item] = value;
    }
    if (stream->fHasFailed())
        return false;

    name = pugi::as_wide(nameUtf8);
    soundVolume = sound;
    musicVolume = music;
    passedTutorial = tutorial;
    gameCursor = cursor;
    for (const auto& entry : read)
        items[entry.first] = entry.second;
    return true;
}
}

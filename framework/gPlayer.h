#pragma once
#include <map>
#include <string>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_BINARY_STREAM;

// The framework's part of a player profile: name, volumes, tutorial and cursor flags and
// the item counts by item name. The game's player derives from it and appends its own
// fields after this record, in both the XML and the binary form.
class gPlayer
{
public:
    explicit gPlayer(const std::wstring& name = std::wstring());
    // Empty name and no items, then the element's attributes; absent ones read as 0 or false.
    explicit gPlayer(pugi::xml_node element);
    gPlayer(const gPlayer& other) = default;
    gPlayer& operator=(const gPlayer& other) = default;
    virtual ~gPlayer() = default;

    // Sets every field from the element's attributes and adds its "playeritems" to the
    // items already held.
    virtual void fLoadXml(pugi::xml_node element);
    // Appends the attributes and a "playeritems" child to the element.
    virtual void fSaveXml(pugi::xml_node element) const;
    // False when the record runs short or the stream is unusable; the profile is then
    // left exactly as it was, and the stream stays failed for whatever reads after it.
    virtual bool fLoadBinary(ZC_BINARY_STREAM* stream);
    // False when the stream is missing, closed or failed.
    virtual bool fSaveBinary(ZC_BINARY_STREAM* stream) const;

    std::wstring fGetName() const { return name; }
    std::string fGetNameUtf8() const;
    void fSetName(const std::wstring& value) { name = value; }

    float fGetSoundVolume() const { return soundVolume; }
    void fSetSoundVolume(float value) { soundVolume = value; }
    float fGetMusicVolume() const { return musicVolume; }
    void fSetMusicVolume(float value) { musicVolume = value; }
    bool fGetGameCursor() const { return gameCursor; }
    void fSetGameCursor(bool value) { gameCursor = value; }
    bool fGetPassedTutorial() const { return passedTutorial; }
    // The tutorial sets it when the player finishes it.
    void fSetPassedTutorial(bool value) { passedTutorial = value; }

    // 0 for an item the player has no entry for.
    int fGetItemCount(const std::string& item) const;
    // A negative count is ignored.
    void fSetItemCount(const std::string& item, int count);

protected:
    // Ordered by the names' bytes, which is the order both forms are written in.
    std::map<std::string, int> items;
    bool passedTutorial = false;
    float soundVolume = 50.0f;
    float musicVolume = 50.0f;
    bool gameCursor = true;
    std::wstring name;
};
}

namespace ZOR_GF
{
using ZOR::gPlayer;
}

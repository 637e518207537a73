#pragma once
#include <map>
#include <string>

namespace pugi
{
class xml_document;
}

namespace ZOR
{
class ZC_SOUND;

// Sounds by name from an XML list of its own (element "sounds", one child per sound with
// "name", "path", "buffcount" and "streamed"), fetched from the repository.
class ZC_SOUND_SET
{
public:
    ZC_SOUND_SET() = default;
    // Hands back the sounds still held and the document.
    ~ZC_SOUND_SET();
    ZC_SOUND_SET(const ZC_SOUND_SET&) = delete;
    ZC_SOUND_SET& operator=(const ZC_SOUND_SET&) = delete;

    // Fetches the list; true when it has a "sounds" element (else the document goes back).
    bool fLoad(const char* resourceName);
    // Fetches every complete entry whose name is not yet held (a failed fetch is held as null).
    void fLoadSounds();
    // Hands every sound back and forgets the names, so a later fLoadSounds fetches them again.
    void fReleaseSounds();
    ZC_SOUND* fGetSound(const std::string& soundName) const;
    bool fHasSound(const std::string& soundName) const;

    std::map<std::string, ZC_SOUND*> sounds;
    std::string name;
    pugi::xml_document* document = nullptr;
};
}

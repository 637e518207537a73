#pragma once
#include <cstdint>
#include <map>
#include <string>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_SOUND;

// One named sound of a group, as sound.xml describes it.
struct ZS_SOUND_DESC
{
    std::string name;
    std::string path;      // resource name of the Ogg Vorbis file
    uint8_t looped = 0;    // kept only: no bank sound loops, music repeats through play lists
    uint8_t streamed = 0;  // handed to the repository as the static flag: 1 decodes the sound whole
    int bufferCount = 0;
    ZC_SOUND* sound = nullptr; // the repository's, while the group is loaded
};

// Sounds that share one volume and may run a play list over them in name order.
struct ZS_SOUND_GROUP
{
    typedef std::map<std::string, ZS_SOUND_DESC*> ZT_DESCRIPTIONS;

    ZS_SOUND_GROUP() : current(descriptions.end()) {}
    // Deletes the descriptions; their sounds must have been released before.
    ~ZS_SOUND_GROUP();
    ZS_SOUND_GROUP(const ZS_SOUND_GROUP&) = delete;
    ZS_SOUND_GROUP& operator=(const ZS_SOUND_GROUP&) = delete;

    // Reads every child element as a description; a repeated name replaces the earlier one.
    void fLoad(pugi::xml_node group);
    // Fetches every sound not yet held; a failed fetch stays null for a later try.
    void fLoadAll();
    void fLoadSound(ZS_SOUND_DESC* desc);
    // Hands every sound back and forgets it, so that no released handle is played again.
    void fReleaseAll();
    void fReleaseSound(ZS_SOUND_DESC* desc);
    // Deletes the descriptions and ends the play list; the volume stays.
    void fClear();
    void fSetVolume(float percent);
    ZS_SOUND_DESC* fFind(const std::string& name) const;
    int fPlayNamed(const std::string& name);
    // From the beginning: 1 (also when the volume silences it), -1 without a description or sound.
    int fRestart(ZS_SOUND_DESC* desc);
    int fPlayNamedAfter(const std::string& name, float seconds);
    int fPlayAfter(ZS_SOUND_DESC* desc, float seconds);
    float fGetLength(const std::string& name) const;
    // -1 for an empty group; else plays the first description and answers 1.
    int fStartPlayList();
    // Moves on to the next description (after the last, the first) once the current one stopped.
    void fStepPlayList();
    int fGetCount() const { return int(descriptions.size()); }

    ZT_DESCRIPTIONS descriptions;
    float volume = 1.0f;
    uint8_t playListOn = 0;
    ZT_DESCRIPTIONS::iterator current; // the play list's entry; end() for none

private:
    void fDelete(ZS_SOUND_DESC* desc);
};

// The game's named sound groups ("music", "sounds") read from sound.xml, their volumes and
// their play lists. Main thread only.
class ZC_SOUND_MANAGER
{
public:
    ZC_SOUND_MANAGER() = default;
    ~ZC_SOUND_MANAGER();
    ZC_SOUND_MANAGER(const ZC_SOUND_MANAGER&) = delete;
    ZC_SOUND_MANAGER& operator=(const ZC_SOUND_MANAGER&) = delete;

    // Every child element is a group named by "name"; a repeated name replaces the earlier
    // group. Fetches no sound. 1.
    int fLoad(pugi::xml_node element);
    // 1, or 0 for a missing group.
    int fLoadGroup(const std::string& group);
    int fReleaseGroup(const std::string& group);
    int fClearGroup(const std::string& group);
    // 1, or -1 for a missing group.
    int fSetGroupVolume(const std::string& group, float percent);
    int fPlaySound(const std::string& group, const std::string& name);
    int fPlaySoundDelayed(const std::string& group, const std::string& name, float seconds);
    // Seconds; 0 when the group, the name or its sound is missing.
    float fGetSoundLength(const std::string& group, const std::string& name);
    // Switches play lists on (also for a missing group, which answers -1).
    int fStartPlayList(const std::string& group, float period);
    // Once per drawn frame: every period, each group's play list takes a step.
    void fUpdatePlayLists();
    ZS_SOUND_GROUP* fFindGroup(const std::string& group) const;
    int fGetGroupCount() const { return int(groups.size()); }
    int fCountSounds() const;

    std::map<std::string, ZS_SOUND_GROUP*> groups;
    uint8_t playListsOn = 0;
    float playListPeriod = 1.0f;
    float playListTimer = 0.0f;
};
}

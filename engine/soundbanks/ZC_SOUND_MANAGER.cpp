#include "engine/soundbanks/ZC_SOUND_MANAGER.h"

#include <vector>

#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/sound/ZC_SOUND.h"

namespace ZOR
{
ZS_SOUND_GROUP::~ZS_SOUND_GROUP()
{
    for (auto& entry : descriptions)
        delete entry.second;
}

void ZS_SOUND_GROUP::fLoad(pugi::xml_node group)
{
    for (pugi::xml_node child : group.children())
    {
        if (child.type() != pugi::node_element)
            continue;
        ZS_SOUND_DESC* desc = new ZS_SOUND_DESC;
        desc->name = child.attribute("name").value();
        desc->path = child.attribute("path").value();
        desc->looped = child.attribute("looped").as_bool() ? 1 : 0;
        desc->streamed = child.attribute("streamed").as_bool() ? 1 : 0;
        desc->bufferCount = child.attribute("cnt_buffers").as_int();
        ZS_SOUND_DESC*& slot = descriptions[desc->name];
        if (slot)
            fDelete(slot);
        slot = desc;
    }
}

void ZS_SOUND_GROUP::fDelete(ZS_SOUND_DESC* desc)
{
    // A replaced description may hold a fetched sound: hand it back rather than lose the count.
    fReleaseSound(desc);
    delete desc;
}

void ZS_SOUND_GROUP::fLoadAll()
{
    for (auto& entry : descriptions)
        fLoadSound(entry.second);
}

void ZS_SOUND_GROUP::fLoadSound(ZS_SOUND_DESC* desc)
{
    if (!desc || desc->sound || !zcREPOSITORY)
        return;
    desc->sound = zcREPOSITORY->fGetSound(desc->path.c_str(), desc->bufferCount, desc->streamed != 0);
}

void ZS_SOUND_GROUP::fReleaseAll()
{
    for (auto& entry : descriptions)
        fReleaseSound(entry.second);
}

void ZS_SOUND_GROUP::fReleaseSound(ZS_SOUND_DESC* desc)
{
    if (!desc || !desc->sound)
        return;
    if (zcREPOSITORY)
        zcREPOSITORY->fReleaseSound(desc->sound);
    // The repository may unload it at its next collect: a kept handle would dangle.
    desc->sound = nullptr;
}

void ZS_SOUND_GROUP::fClear()
{
    for (auto& entry : descriptions)
        delete entry.second;
    descriptions.clear();
    current = descriptions.end();
    playListOn = 0;
}

void ZS_SOUND_GROUP::fSetVolume(float percent)
{
    volume = percent / 100.0f;
    ZS_SOUND_LOCK_GUARD guard;
    for (auto& entry : descriptions)
        if (entry.second->sound)
            entry.second->sound->fSetGain(volume);
}

ZS_SOUND_DESC* ZS_SOUND_GROUP::fFind(const std::string& name) const
{
    auto found = descriptions.find(name);
    return found == descriptions.end() ? nullptr : found->second;
}

int ZS_SOUND_GROUP::fPlayNamed(const std::string& name)
{
    return fRestart(fFind(name));
}

int ZS_SOUND_GROUP::fRestart(ZS_SOUND_DESC* desc)
{
    if (!desc || !desc->sound)
        return -1;
    if (!(volume > 0.0f))
        return 1;
    // The sound keeps the gain and applies it when it takes its source.
    desc->sound->fSetGain(volume);
    desc->sound->fRestart();
    return 1;
}

int ZS_SOUND_GROUP::fPlayNamedAfter(const std::string& name, float seconds)
{
    return fPlayAfter(fFind(name), seconds);
}

int ZS_SOUND_GROUP::fPlayAfter(ZS_SOUND_DESC* desc, float seconds)
{
    if (!desc || !desc->sound)
        return -1;
    if (!(volume > 0.0f))
        return 1;
    // The sound keeps the gain, so it starts at the group volume when its delay runs out.
    desc->sound->fSetGain(volume);
    desc->sound->fPlayAfter(seconds);
    return 1;
}

float ZS_SOUND_GROUP::fGetLength(const std::string& name) const
{
    ZS_SOUND_DESC* desc = fFind(name);
    return desc && desc->sound ? float(desc->sound->fGetDuration()) : 0.0f;
}

int ZS_SOUND_GROUP::fStartPlayList()
{
    if (descriptions.empty())
        return -1;
    current = descriptions.begin();
    fRestart(current->second);
    playListOn = 1;
    return 1;
}

void ZS_SOUND_GROUP::fStepPlayList()
{
    if (descriptions.empty())
        return;
    if (current != descriptions.end())
    {
        ZC_SOUND* sound = current->second->sound;
        if (sound && sound->fIsActive())
            return;
        ++current;
    }
    if (current == descriptions.end())
        current = descriptions.begin();
    // At volume 0 this restarts nothing and the list moves on silently.
    fRestart(current->second);
}

ZC_SOUND_MANAGER::~ZC_SOUND_MANAGER()
{
    for (auto& entry : groups)
        delete entry.second;
    groups.clear();
}

int ZC_SOUND_MANAGER::fLoad(pugi::xml_node element)
{
    for (pugi::xml_node child : element.children())
    {
        if (child.type() != pugi::node_element)
            continue;
        ZS_SOUND_GROUP* group = new ZS_SOUND_GROUP;
        group->fLoad(child);
        ZS_SOUND_GROUP*& slot = groups[child.attribute("name").value()];
        if (slot)
        {
            slot->fReleaseAll();
            delete slot;
        }
        slot = group;
    }
    return 1;
}

ZS_SOUND_GROUP* ZC_SOUND_MANAGER::fFindGroup(const std::string& group) const
{
    auto found = groups.find(group);
    return found == groups.end() ? nullptr : found->second;
}

int ZC_SOUND_MANAGER::fLoadGroup(const std::string& group)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    if (!g)
        return 0;
    g->fLoadAll();
    return 1;
}

int ZC_SOUND_MANAGER::fReleaseGroup(const std::string& group)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    if (!g)
        return 0;
    g->fReleaseAll();
    return 1;
}

int ZC_SOUND_MANAGER::fClearGroup(const std::string& group)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    if (!g)
        return 0;
    g->fClear();
    return 1;
}

int ZC_SOUND_MANAGER::fSetGroupVolume(const std::string& group, float percent)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    if (!g)
        return -1;
    g->fSetVolume(percent);
    return 1;
}

int ZC_SOUND_MANAGER::fPlaySound(const std::string& group, const std::string& name)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    return g ? g->fPlayNamed(name) : -1;
}

int ZC_SOUND_MANAGER::fPlaySoundDelayed(const std::string& group, const std::string& name, float seconds)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    return g ? g->fPlayNamedAfter(name, seconds) : -1;
}

float ZC_SOUND_MANAGER::fGetSoundLength(const std::string& group, const std::string& name)
{
    ZS_SOUND_GROUP* g = fFindGroup(group);
    return g ? g->fGetLength(name) : 0.0f;
}

int ZC_SOUND_MANAGER::fStartPlayList(const std::string& group, float period)
{
    playListsOn = 1;
    ZS_SOUND_GROUP* g = fFindGroup(group);
    if (!g)
        return -1;
    playListPeriod = period;
    playListTimer = 0.0f;
    return g->fStartPlayList();
}

void ZC_SOUND_MANAGER::fUpdatePlayLists()
{
    if (!playListsOn)
        return;
    playListTimer += zcFRAME_DELTA;
    if (playListTimer < playListPeriod)
        return;
    playListTimer = 0.0f;
    for (auto& entry : groups)
        if (entry.second->playListOn)
            entry.second->fStepPlayList();
}

int ZC_SOUND_MANAGER::fCountSounds() const
{
    int total = 0;
    for (const auto& entry : groups)
        total += entry.second->fGetCount();
    return total;
}
}

#include "engine/files/ZC_REPOSITORY.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"

#include <algorithm>
#include <pugixml.hpp>

namespace ZOR
{
ZC_REPOSITORY* zcREPOSITORY = nullptr;

namespace
{
void fReportFileError(const char* text)
{
    zcLAST_ERROR = text;
    fInvoke(zcON_FILE_ERROR);
}

ZS_TEXTURE* fDefaultTexture()
{
    return zcRENDER ? zcRENDER->fGetDefaultTexture() : nullptr;
}

// Frees what an entry holds, by kind. Textures go back to the renderer (which refuses its
// default texture) while there is one; a renderer that is gone has freed them itself.
void fFreeHeld(ZS_RESOURCE* entry)
{
    switch (entry->kind)
    {
    case RESOURCE_TEXTURE:
        if (zcRENDER)
            zcRENDER->fReleaseTexture(static_cast<ZS_TEXTURE*>(entry->data));
        break;
    case RESOURCE_SOUND:
        // Off the sound list (under the sound lock) first: the sound thread reads the bytes.
        if (zcSOUND_SYSTEM)
            zcSOUND_SYSTEM->fRemoveSound(static_cast<ZC_SOUND*>(entry->data));
        delete[] entry->soundBytes;
        entry->soundBytes = nullptr;
        break;
    case RESOURCE_XML:
        delete static_cast<pugi::xml_document*>(entry->data);
        break;
    case RESOURCE_BYTES_READ:
    case RESOURCE_BYTES:
        delete[] static_cast<uint8_t*>(entry->data);
        break;
    default:
        break;
    }
}

// What the entry holds as that kind, or null.
void* fHeldAs(const ZS_RESOURCE* entry, int kind)
{
    return entry->loaded && entry->kind == kind ? entry->data : nullptr;
}

// A request hands the resource out to one more user.
template <class T>
T* fCounted(ZS_RESOURCE* entry, T* resource)
{
    if (resource)
        ++entry->count;
    return resource;
}

// The default texture is the renderer's; an entry holding it holds nothing of its own.
bool fHoldsSomething(const ZS_RESOURCE* entry)
{
    if (entry->kind == RESOURCE_TEXTURE && entry->data == fDefaultTexture())
        return false;
    return entry->loaded || entry->data;
}
}

ZS_RESOURCE* fCreateResource(const std::string& fileName)
{
    return new ZS_RESOURCE(fileName);
}

bool ZS_RESOURCE::fRelease()
{
    --count;
    return count <= 0;
}

bool ZS_RESOURCE::fRequestRelease()
{
    releaseRequested = 1;
    return !loaded;
}

bool ZS_RESOURCE::fUnload()
{
    if (count > 0)
        return false;
    if (!loaded)
        return true;
    fFreeHeld(this);
    kind = RESOURCE_NONE;
    size = 0;
    count = 0;
    data = nullptr;
    loaded = 0;
    return true;
}

ZS_RESOURCE* ZS_RESOURCE_GROUP::fFind(const std::string& fileName) const
{
    const auto found = entries.find(fileName);
    return found == entries.end() ? nullptr : found->second;
}

ZS_RESOURCE* ZS_RESOURCE_GROUP::fFindByData(const void* data) const
{
    for (const auto& item : entries)
        if (item.second->data == data)
            return item.second;
    return nullptr;
}

ZS_RESOURCE* ZS_RESOURCE_GROUP::fInsert(ZS_RESOURCE* entry)
{
    ZS_RESOURCE*& slot = entries[entry->fileName];
    ZS_RESOURCE* replaced = slot;
    slot = entry;
    return replaced == entry ? nullptr : replaced;
}

int ZS_RESOURCE_GROUP::fUnloadUnreferenced()
{
    int unreferenced = 0;
    for (const auto& item : entries)
        if (item.second->fUnload())
            ++unreferenced;
    return unreferenced;
}

bool ZS_RESOURCE_GROUP::fRequestRemoval()
{
    removeRequested = 1;
    for (const auto& item : entries)
        if (!item.second->fRequestRelease())
            return true;
    return false;
}

void ZS_RESOURCE_GROUP::fDeleteEntries()
{
    for (const auto& item : entries)
        delete item.second;
    entries.clear();
}

bool ZS_RESOURCE_GROUP::fHasLoadedEntry() const
{
    return std::any_of(entries.begin(), entries.end(), [](const auto& item) { return item.second->loaded != 0; });
}

ZC_REPOSITORY::~ZC_REPOSITORY()
{
    // Documents and bytes are ours to free; nothing else can reach them after this.
    auto release = [](ZS_RESOURCE* entry) {
        fFreeHeld(entry);
        delete entry;
    };
    for (const auto& item : mainMap)
        release(item.second);
    for (ZS_RESOURCE_GROUP* group : groups)
    {
        for (const auto& item : group->entries)
            release(item.second);
        delete group;
    }
    for (ZS_RESOURCE* entry : detached)
        release(entry);
    if (zcREPOSITORY == this)
        zcREPOSITORY = nullptr;
}

int ZC_REPOSITORY::fRegister(const char* name, const char* password)
{
    if (!name)
        return -1;
    if (!*name)
        return fScanDataRoot() ? 1 : 0;
    return fRegisterGroup(name, password);
}

int ZC_REPOSITORY::fRegisterGroup(const char* name, const char* password)
{
    if (!name)
        return -1;
    const std::string path = std::string(fGetFileSystem()->fGetDataRoot()) + name;
    std::vector<std::string> names;
    switch (fGetPathKind(path.c_str()))
    {
    case 1:
        fListPackage(path.c_str(), names);
        break;
    case 2:
        fListFolder(path.c_str(), names, false, "*");
        break;
    default:
        return -1;
    }
    if (names.empty())
        return -1;

    ZS_RESOURCE_GROUP* group = fFindGroup(name);
    if (group)
    {
        // Mounting again cancels an unmount that waited for its resources.
        group->removeRequested = 0;
        if (group->entries.size() == names.size())
            return -110;
    }
    else
    {
        group = new ZS_RESOURCE_GROUP(name, password ? password : "");
        groups.push_back(group);
    }
    for (auto it = names.rbegin(); it != names.rend(); ++it)
    {
        ZS_RESOURCE* entry = fCreateResource(*it);
        entry->group = name;
        entry->password = password ? password : "";
        fDispose(group->fInsert(entry));
    }
    return 1;
}

bool ZC_REPOSITORY::fScanDataRoot()
{
    std::vector<std::string> names;
    fListFolder(fGetFileSystem()->fGetDataRoot(), names, false, "*");
    if (names.empty())
    {
        if (mainMap.empty())
            fReportFileError("Main repository is empty");
        return false;
    }
    for (auto it = names.rbegin(); it != names.rend(); ++it)
    {
        ZS_RESOURCE*& slot = mainMap[*it];
        ZS_RESOURCE* replaced = slot;
        slot = fCreateResource(*it);
        fDispose(replaced);
    }
    return true;
}

bool ZC_REPOSITORY::fUnregister(const char* name)
{
    if (!name)
        return true;
    if (!*name)
        return fUnregisterAll();
    return fUnregisterGroup(name);
}

bool ZC_REPOSITORY::fUnregisterAll()
{
    for (const auto& item : mainMap)
        item.second->releaseRequested = 1;
    return mainMap.empty();
}

bool ZC_REPOSITORY::fUnregisterGroup(const char* name)
{
    ZS_RESOURCE_GROUP* group = name ? fFindGroup(name) : nullptr;
    if (!group)
        return true;
    if (!group->fRequestRemoval())
    {
        group->fDeleteEntries();
        groups.erase(std::find(groups.begin(), groups.end(), group));
        delete group;
    }
    return true;
}

int ZC_REPOSITORY::fCollect()
{
    int unreferenced = 0;
    for (auto it = groups.begin(); it != groups.end();)
    {
        ZS_RESOURCE_GROUP* group = *it;
        unreferenced += group->fUnloadUnreferenced();
        // An unmount that had to wait for a resource in use finishes once nothing is loaded.
        if (group->removeRequested && !group->fHasLoadedEntry())
        {
            group->fDeleteEntries();
            delete group;
            it = groups.erase(it);
        }
        else
            ++it;
    }
    unreferenced += fCollectMain();
    unreferenced += fCollectDetached();
    return unreferenced;
}

int ZC_REPOSITORY::fCollectMain()
{
    int unreferenced = 0;
    for (auto it = mainMap.begin(); it != mainMap.end();)
    {
        ZS_RESOURCE* entry = it->second;
        if (entry->fUnload())
        {
            ++unreferenced;
            if (entry->releaseRequested)
            {
                delete entry;
                it = mainMap.erase(it);
                continue;
            }
        }
        ++it;
    }
    return unreferenced;
}

int ZC_REPOSITORY::fCollectDetached()
{
    int unreferenced = 0;
    for (auto it = detached.begin(); it != detached.end();)
    {
        if ((*it)->fUnload())
        {
            ++unreferenced;
            delete *it;
            it = detached.erase(it);
        }
        else
            ++it;
    }
    return unreferenced;
}

ZS_RESOURCE* ZC_REPOSITORY::fFind(const char* name) const
{
    if (!name)
        return nullptr;
    const std::string text = name;
    const int blanks = fCountSpaces(text);
    if (blanks == 0)
        return fFindAnywhere(text);
    if (blanks > 1)
        return nullptr;
    const std::vector<std::string> pieces = fSplitString(text, ' ', true);
    const ZS_RESOURCE_GROUP* group = fFindGroup(pieces[0]);
    if (!group)
        return fFindAnywhere(text);
    return pieces.size() < 2 ? nullptr : group->fFind(pieces[1]);
}

ZS_RESOURCE* ZC_REPOSITORY::fFindAnywhere(const std::string& fileName) const
{
    const auto found = mainMap.find(fileName);
    if (found != mainMap.end())
        return found->second;
    for (const ZS_RESOURCE_GROUP* group : groups)
        if (ZS_RESOURCE* entry = group->fFind(fileName))
            return entry;
    return nullptr;
}

ZS_RESOURCE_GROUP* ZC_REPOSITORY::fFindGroup(const std::string& name) const
{
    for (ZS_RESOURCE_GROUP* group : groups)
        if (group->name == name)
            return group;
    return nullptr;
}

ZS_RESOURCE* ZC_REPOSITORY::fFindByData(const void* data) const
{
    if (!data)
        return nullptr;
    for (const auto& item : mainMap)
        if (item.second->data == data)
            return item.second;
    for (const ZS_RESOURCE_GROUP* group : groups)
        if (ZS_RESOURCE* entry = group->fFindByData(data))
            return entry;
    for (ZS_RESOURCE* entry : detached)
        if (entry->data == data)
            return entry;
    return nullptr;
}

void ZC_REPOSITORY::fDetach(ZS_RESOURCE* entry)
{
    // Still used under its old kind: its users release it by pointer later.
    if (fHoldsSomething(entry) && !entry->fUnload())
        detached.push_back(new ZS_RESOURCE(*entry));
    entry->data = nullptr;
    entry->soundBytes = nullptr;
    entry->size = 0;
    entry->count = 0;
    entry->kind = RESOURCE_NONE;
    entry->loaded = 0;
}

bool ZC_REPOSITORY::fReadAgain(ZS_RESOURCE* entry)
{
    fDetach(entry);
    return fGetFileSystem()->fLoadResource(entry) == 1;
}

void ZC_REPOSITORY::fDispose(ZS_RESOURCE* entry)
{
    if (!entry)
        return;
    if (fHoldsSomething(entry) && !entry->fUnload())
    {
        detached.push_back(entry);
        return;
    }
    delete entry;
}

ZS_TEXTURE* ZC_REPOSITORY::fGetTexture(const char* name)
{
    ZS_RESOURCE* entry = fFind(name);
    return entry ? fCounted(entry, fLoadTexture(entry)) : fDefaultTexture();
}

ZS_TEXTURE* ZC_REPOSITORY::fLoadTexture(ZS_RESOURCE* entry)
{
    if (void* held = fHeldAs(entry, RESOURCE_TEXTURE))
        return static_cast<ZS_TEXTURE*>(held);
    if (!fReadAgain(entry))
        return fDefaultTexture();
    ZC_FILE_SYSTEM* fileSystem = fGetFileSystem();
    ZS_TEXTURE* texture = zcRENDER ? zcRENDER->fLoadTextureMemory(entry->data, entry->size, "unnamed") : nullptr;
    fileSystem->fUnloadBytes(entry);
    if (!texture)
        return nullptr;
    // Bytes that are no image leave the default texture here, which releasing never frees.
    entry->data = texture;
    entry->kind = RESOURCE_TEXTURE;
    entry->loaded = 1;
    return texture;
}

ZC_SOUND* ZC_REPOSITORY::fGetSound(const char* name, int bufferCount, bool flag)
{
    ZS_RESOURCE* entry = fFind(name);
    return entry ? fCounted(entry, fLoadSound(entry, bufferCount, flag)) : nullptr;
}

ZC_SOUND* ZC_REPOSITORY::fLoadSound(ZS_RESOURCE* entry, int bufferCount, bool flag)
{
    if (void* held = fHeldAs(entry, RESOURCE_SOUND))
        return static_cast<ZC_SOUND*>(held);
    if (!fReadAgain(entry))
        return nullptr;
    ZC_FILE_SYSTEM* fileSystem = fGetFileSystem();
    ZC_SOUND* sound =
        zcSOUND_SYSTEM ? zcSOUND_SYSTEM->fCreateSound(entry->data, entry->size, bufferCount, flag) : nullptr;
    if (!sound)
    {
        fileSystem->fUnloadBytes(entry);
        return nullptr;
    }
    entry->soundBytes = static_cast<uint8_t*>(entry->data);
    entry->data = sound;
    entry->kind = RESOURCE_SOUND;
    entry->loaded = 1;
    return sound;
}

pugi::xml_document* ZC_REPOSITORY::fGetXml(const char* name)
{
    ZS_RESOURCE* entry = fFind(name);
    return entry ? fCounted(entry, fLoadXml(entry)) : nullptr;
}

pugi::xml_document* ZC_REPOSITORY::fLoadXml(ZS_RESOURCE* entry)
{
    if (void* held = fHeldAs(entry, RESOURCE_XML))
        return static_cast<pugi::xml_document*>(held);
    if (!fReadAgain(entry))
        return nullptr;
    ZC_FILE_SYSTEM* fileSystem = fGetFileSystem();
    auto* document = new pugi::xml_document;
    const pugi::xml_parse_result parsed =
        document->load_buffer(entry->data, entry->size, pugi::parse_default, pugi::encoding_auto);
    fileSystem->fUnloadBytes(entry);
    if (!parsed)
    {
        delete document;
        return nullptr;
    }
    entry->data = document;
    entry->kind = RESOURCE_XML;
    entry->loaded = 1;
    entry->count = 0;
    return document;
}

void* ZC_REPOSITORY::fGetBytes(const char* name)
{
    ZS_RESOURCE* entry = fFind(name);
    return entry ? fCounted(entry, fLoadBytes(entry)) : nullptr;
}

void* ZC_REPOSITORY::fLoadBytes(ZS_RESOURCE* entry)
{
    if (void* held = fHeldAs(entry, RESOURCE_BYTES))
        return held;
    if (!fReadAgain(entry))
    {
        fReportFileError("Cant load res ");
        return nullptr;
    }
    entry->kind = RESOURCE_BYTES;
    entry->loaded = 1;
    return entry->data;
}

bool ZC_REPOSITORY::fReleaseTexture(const void* texture)
{
    if (texture && texture == fDefaultTexture())
        return false;
    ZS_RESOURCE* entry = fFindByData(texture);
    if (!entry)
        return false;
    entry->fRelease();
    return true;
}

bool ZC_REPOSITORY::fReleaseXml(const void* document)
{
    if (ZS_RESOURCE* entry = fFindByData(document))
        entry->fRelease();
    return false;
}

bool ZC_REPOSITORY::fReleaseSound(const ZC_SOUND* sound)
{
    ZS_RESOURCE* entry = fFindByData(sound);
    return entry && entry->fRelease();
}

int ZC_REPOSITORY::fReleaseBytes(const char* name)
{
    if (ZS_RESOURCE* entry = fFind(name))
        entry->fRelease();
    return 0;
}

bool ZC_REPOSITORY::fReleaseByName(const char* name)
{
    if (ZS_RESOURCE* entry = fFind(name))
        entry->fRelease();
    return false;
}

int ZC_REPOSITORY::fMoveGroup(const char* target, const char* source)
{
    ZS_RESOURCE_GROUP* from = source ? fFindGroup(source) : nullptr;
    if (!from || !target)
        return -1;
    ZS_RESOURCE_GROUP* to = *target ? fFindGroup(target) : nullptr;
    if (*target && !to)
        return -1;
    std::map<std::string, ZS_RESOURCE*>& into = to ? to->entries : mainMap;
    for (auto it = from->entries.begin(); it != from->entries.end();)
    {
        if (into.count(it->first))
        {
            ++it;
            continue;
        }
        into[it->first] = it->second;
        it = from->entries.erase(it);
    }
    return -1;
}

int ZC_REPOSITORY::fMoveGroupToMain(const char* source)
{
    return fMoveGroup("", source);
}
}

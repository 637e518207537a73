#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pugi
{
class xml_document;
}

namespace ZOR
{
struct ZS_TEXTURE;
class ZC_SOUND;

// What an entry holds.
enum
{
    RESOURCE_NONE = 0,
    RESOURCE_BYTES_READ = 1, // bytes just read, about to be converted
    RESOURCE_TEXTURE = 2,
    RESOURCE_SOUND = 3,
    RESOURCE_XML = 4,
    RESOURCE_BYTES = 5,      // raw bytes handed out
    RESOURCE_OPEN_FILE = 6   // a FILE* kept open by ZC_FILE_SYSTEM::fOpenResourceFile
};

// One listed file of a package or of the data root; holds nothing until first requested.
struct ZS_RESOURCE
{
    explicit ZS_RESOURCE(const std::string& name) : fileName(name) {}

    // One user less; true when nobody uses it any more.
    bool fRelease();
    // Marks it for deletion; true when it holds nothing.
    bool fRequestRelease();
    // Frees what it holds unless it is still used; true when it is unreferenced.
    bool fUnload();

    std::string fileName;
    std::string group;
    std::string password;
    uint32_t size = 0;
    void* data = nullptr;
    int32_t count = 0;
    int32_t kind = RESOURCE_NONE;
    uint8_t loaded = 0;
    uint8_t releaseRequested = 0;
    // A sound reads its Ogg bytes for as long as it lives; they are freed after it.
    uint8_t* soundBytes = nullptr;
};

ZS_RESOURCE* fCreateResource(const std::string& fileName);

// One mounted package.
struct ZS_RESOURCE_GROUP
{
    ZS_RESOURCE_GROUP(const std::string& groupName, const std::string& groupPassword)
        : name(groupName), password(groupPassword) {}

    ZS_RESOURCE* fFind(const std::string& fileName) const;
    ZS_RESOURCE* fFindByData(const void* data) const;
    // Stores the entry under its name; answers the entry it replaced (the caller disposes of it), or null.
    ZS_RESOURCE* fInsert(ZS_RESOURCE* entry);
    // Unloads every entry nobody uses; answers how many were unreferenced.
    int fUnloadUnreferenced();
    // Flags the group and its entries up to the first loaded one; true when one was loaded.
    bool fRequestRemoval();
    void fDeleteEntries();
    bool fHasLoadedEntry() const;

    std::string name;
    std::string password;
    std::map<std::string, ZS_RESOURCE*> entries;
    uint8_t removeRequested = 0;
};

// The one owner of every loaded resource. Names: "file" looks in the data root's own
// files, then in every group in mounting order; "group file" looks only in that group
// (or, when no group has that name, for the whole text as one file name); a name with
// two or more blanks finds nothing.
class ZC_REPOSITORY
{
public:
    ZC_REPOSITORY() = default;
    ~ZC_REPOSITORY();
    ZC_REPOSITORY(const ZC_REPOSITORY&) = delete;
    ZC_REPOSITORY& operator=(const ZC_REPOSITORY&) = delete;

    // "" scans the data root (1 files found, 0 none); else mounts a group; null -1.
    int fRegister(const char* name, const char* password);
    // 1 mounted, -1 missing or empty package, -110 already mounted unchanged.
    int fRegisterGroup(const char* name, const char* password);
    bool fScanDataRoot();
    bool fUnregister(const char* name);
    bool fUnregisterAll();
    bool fUnregisterGroup(const char* name);
    // Unloads every unreferenced entry; answers how many it met.
    int fCollect();

    ZS_RESOURCE* fFind(const char* name) const;
    ZS_RESOURCE* fFindAnywhere(const std::string& fileName) const;
    ZS_RESOURCE_GROUP* fFindGroup(const std::string& name) const;
    ZS_RESOURCE* fFindByData(const void* data) const;

    // The renderer's default texture when there is no such entry or its bytes are no image.
    ZS_TEXTURE* fGetTexture(const char* name);
    pugi::xml_document* fGetXml(const char* name);
    // The buffer count and the flag go to ZC_SOUND_SYSTEM::fCreateSound unchanged.
    ZC_SOUND* fGetSound(const char* name, int bufferCount, bool flag);
    // The bytes as read (a folder file's bytes end with a counted zero); the entry's size tells how many.
    void* fGetBytes(const char* name);

    bool fReleaseTexture(const void* texture);
    // Always false, as its callers expect.
    bool fReleaseXml(const void* document);
    // True when nobody uses the sound any more.
    bool fReleaseSound(const ZC_SOUND* sound);
    int fReleaseBytes(const char* name);
    bool fReleaseByName(const char* name);

    // Moves the source group's entries whose names the target lacks; "" is the main map. -1.
    int fMoveGroup(const char* target, const char* source);
    int fMoveGroupToMain(const char* source);

private:
    ZS_TEXTURE* fLoadTexture(ZS_RESOURCE* entry);
    pugi::xml_document* fLoadXml(ZS_RESOURCE* entry);
    ZC_SOUND* fLoadSound(ZS_RESOURCE* entry, int bufferCount, bool flag);
    void* fLoadBytes(ZS_RESOURCE* entry);
    // Before an entry is read as another kind, what it holds moves out of the way.
    void fDetach(ZS_RESOURCE* entry);
    // Detaches, then reads the entry's bytes anew (kind 1); false when they cannot be read.
    bool fReadAgain(ZS_RESOURCE* entry);
    // An entry that lost its place in a map.
    void fDispose(ZS_RESOURCE* entry);
    int fCollectMain();
    int fCollectDetached();

    std::map<std::string, ZS_RESOURCE*> mainMap;
    std::vector<ZS_RESOURCE_GROUP*> groups;
    // Entries replaced (remount, rescan, another kind) while their resource was still
    // used: still found by pointer for releases, and freed by the first collect after.
    std::vector<ZS_RESOURCE*> detached;
};

extern ZC_REPOSITORY* zcREPOSITORY;
}

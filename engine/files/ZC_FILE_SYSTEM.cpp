#include "engine/files/ZC_FILE_SYSTEM.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/files/ZC_ZIP_PACKAGE.h"
#include "engine/platform/ZC_PLATFORM_FILES.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace ZOR
{
ZC_FILE_SYSTEM* zcFILE_SYSTEM = nullptr;

namespace
{
bool fMatchesExtension(const std::string& name, const char* extension)
{
    if (!extension || std::strcmp(extension, "*") == 0)
        return true;
    const std::string suffix = std::string(".") + extension;
    return name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}
}

ZC_FILE_SYSTEM* fGetFileSystem()
{
    static ZC_FILE_SYSTEM fileSystem;
    zcFILE_SYSTEM = &fileSystem;
    return &fileSystem;
}

ZC_FILE_SYSTEM::ZC_FILE_SYSTEM()
{
    // The working directory comes from the system with '/' only; on this platform a
    // backslash is an ordinary name character, so it is not turned here.
    const std::string working = fGetCurrentFolder();
    startFolder = working + "/";
    dataRoot = working + "/Resources/";
    if (fGetPathKind(dataRoot.c_str()) == 0)
    {
        if (!fCreateFolders(dataRoot.c_str()))
            zcLAST_ERROR = "Cant create \"Resources\"directory";
        fInvoke(zcON_FILE_ERROR);
    }
    currentFolder = startFolder;
    fSetCurrentFolder(dataRoot.c_str());
    zcFILE_SYSTEM = this;
}

ZC_FILE_SYSTEM::~ZC_FILE_SYSTEM()
{
    if (zcFILE_SYSTEM == this)
        zcFILE_SYSTEM = nullptr;
}

void ZC_FILE_SYSTEM::fSetDataRoot(const char* path)
{
    if (!path)
        return;
    dataRoot = path;
    fToForwardSlashes(dataRoot);
}

const char* ZC_FILE_SYSTEM::fGetCurrentFolder()
{
    std::string working;
    if (fPlatformGetCurrentFolder(working))
        currentFolder = working;
    return currentFolder.c_str();
}

bool ZC_FILE_SYSTEM::fSetCurrentFolder(const char* path)
{
    if (!fPlatformSetCurrentFolder(path))
        return false;
    currentFolder = path;
    return true;
}

int ZC_FILE_SYSTEM::fLoadResource(ZS_RESOURCE* entry)
{
    if (!entry)
        return -1;
    const std::string package = dataRoot + entry->group;
    const int kind = fGetPathKind(package.c_str());
    if (kind == 0)
        return -1;
    if (kind == 2)
        return fLoadFromFolder(entry, package);

    if (entry->fileName.empty())
        return 1;
    uint8_t* data = nullptr;
    uint32_t size = 0;
    const int result = fZipReadMember(package.c_str(), entry->fileName, entry->password, data, size);
    if (result != 1)
        return result;
    entry->data = data;
    entry->size = size;
    entry->kind = RESOURCE_BYTES_READ;
    return 1;
}

int ZC_FILE_SYSTEM::fLoadFromFolder(ZS_RESOURCE* entry, const std::string& folder)
{
    const std::string path = folder + "/" + entry->fileName;
    uint64_t length = 0;
    if (!fPlatformGetFileSize(path.c_str(), length))
        return -108;
    // The size field is 32 bits and counts the terminating zero as well.
    if (length >= UINT32_MAX)
        return -109;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return -108;
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[size_t(length) + 1]);
    const size_t got = buffer ? std::fread(buffer.get(), 1, size_t(length), file) : 0;
    std::fclose(file);
    if (!buffer || got != length)
        return -109;
    // Folder files carry a terminating zero, counted in the size, so text readers can use them as they are.
    buffer[length] = 0;
    entry->size = uint32_t(length + 1);
    entry->data = buffer.release();
    entry->kind = RESOURCE_BYTES_READ;
    return 1;
}

void ZC_FILE_SYSTEM::fUnloadBytes(ZS_RESOURCE* entry)
{
    if (!entry || (entry->kind != RESOURCE_BYTES_READ && entry->kind != RESOURCE_BYTES))
        return;
    delete[] static_cast<uint8_t*>(entry->data);
    entry->data = nullptr;
    entry->kind = RESOURCE_NONE;
}

int ZC_FILE_SYSTEM::fOpenResourceFile(ZS_RESOURCE* entry)
{
    if (!entry)
        return -1;
    const std::string package = dataRoot + entry->group;
    const int kind = fGetPathKind(package.c_str());
    if (kind == 0)
        return -1;
    if (kind == 1)
        return 1;
    const std::string path = package + "/" + entry->fileName;
    uint64_t length = 0;
    FILE* file = fPlatformGetFileSize(path.c_str(), length) ? std::fopen(path.c_str(), "rb") : nullptr;
    if (!file)
        return -108;
    entry->data = file;
    entry->size = uint32_t(std::min<uint64_t>(length, UINT32_MAX));
    // A kind of its own, so that nothing frees the handle as bytes.
    entry->kind = RESOURCE_OPEN_FILE;
    return 1;
}

void ZC_FILE_SYSTEM::fCloseResourceFile(ZS_RESOURCE* entry)
{
    if (!entry || entry->kind != RESOURCE_OPEN_FILE)
        return;
    if (entry->data)
        std::fclose(static_cast<FILE*>(entry->data));
    entry->data = nullptr;
    entry->kind = RESOURCE_NONE;
    entry->loaded = 0;
    entry->size = 0;
    entry->count = 0;
}

const char* fGetAppDataFolder()
{
    static std::string folder;
    if (!fPlatformGetAppDataFolder(folder))
        return nullptr;
    return folder.c_str();
}

int fGetPathKind(const char* path)
{
    return fPlatformGetPathKind(path);
}

bool fCreateFolders(const char* path)
{
    if (!path || !*path)
        return false;
    if (fGetPathKind(path) != 0)
        return true;
    std::string text = path;
    fToForwardSlashes(text);
    bool ok = true;
    std::string prefix;
    for (const std::string& piece : fSplitString(text, '/', false))
    {
        prefix += piece;
        if (fGetPathKind(prefix.c_str()) == 0 && !fPlatformMakeFolder(prefix.c_str()))
            ok = false;
    }
    return ok;
}

int fGetFileMagic(const char* path)
{
    FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file)
        return -1;
    unsigned char head[3] = {0, 0, 0};
    const size_t got = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    return got == 3 && head[0] == 'P' && head[1] == 'K' && head[2] == 0x03 ? ZIP_MAGIC : 0;
}

void fListPackage(const char* archivePath, std::vector<std::string>& names)
{
    if (fGetFileMagic(archivePath) != ZIP_MAGIC)
        return;
    fZipListMembers(archivePath, names);
}

void fListFolder(const char* folderPath, std::vector<std::string>& names, bool folders, const char* extension)
{
    std::vector<std::string> found;
    fPlatformListFolder(folderPath, folders, found);
    for (const std::string& name : found)
        if (fMatchesExtension(name, extension))
            names.push_back(name);
}

int fTestPackagePassword(const char* archivePath, const char* password)
{
    return fZipTestPassword(archivePath, password ? password : "");
}

int fReadFile(const char* path, void* buffer, size_t length)
{
    if (!buffer || !path)
        return -1;
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return -1;
    const size_t got = std::fread(buffer, 1, length, file);
    std::fclose(file);
    return got == length ? 1 : -1;
}

int fWriteFile(const char* path, const void* data, size_t length)
{
    if (!data || !path)
        return -1;
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return -1;
    // A short write or a failing close (a full disk) is a failure, not a saved file.
    const bool written = std::fwrite(data, 1, length, file) == length;
    const bool closed = std::fclose(file) == 0;
    return written && closed ? 1 : -1;
}

bool fMoveFile(const char* newPath, const char* existingPath)
{
    // Like the move it stands for, it never replaces an existing file.
    if (!newPath || !existingPath || fGetPathKind(newPath) != 0)
        return false;
    return fPlatformMoveFile(existingPath, newPath);
}

bool fClearFile(const char* path)
{
    if (!path)
        return false;
    std::string text = path;
    fToForwardSlashes(text);
    const size_t slash = text.rfind('/');
    if (slash == std::string::npos)
        return false;
    fCreateFolders(text.substr(0, slash).c_str());
    return fPlatformTruncateFile(text.c_str());
}

namespace
{
// Sub-folders first, then files, as the tree operations walk them.
std::vector<std::string> fListTree(const char* folder)
{
    std::vector<std::string> names;
    fListFolder(folder, names, true, "*");
    fListFolder(folder, names, false, "*");
    return names;
}
}

bool fCopyPath(const char* destination, const char* source)
{
    if (!destination || !source)
        return false;
    const int kind = fGetPathKind(source);
    if (kind == 0)
        return false;
    if (kind == 1)
        return fPlatformCopyFile(source, destination);
    if (fGetPathKind(destination) == 0 && !fCreateFolders(destination))
        return false;
    for (const std::string& name : fListTree(source))
    {
        const std::string from = std::string(source) + "/" + name;
        const std::string to = std::string(destination) + "/" + name;
        if (!fCopyPath(to.c_str(), from.c_str()))
            return false;
    }
    return true;
}

bool fDeletePath(const char* path)
{
    if (!path)
        return false;
    // A link is removed itself; following it would empty a folder outside the tree.
    if (fPlatformIsLink(path))
        return fPlatformDeleteFile(path);
    const int kind = fGetPathKind(path);
    if (kind == 0)
        return false;
    if (kind == 1)
        return fPlatformDeleteFile(path);
    for (const std::string& name : fListTree(path))
    {
        const std::string child = std::string(path) + "/" + name;
        if (!fDeletePath(child.c_str()))
            return false;
    }
    return fPlatformRemoveFolder(path);
}
}

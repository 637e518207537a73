#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace ZOR
{
struct ZS_RESOURCE;

// fGetFileMagic's answer for a zip archive: 'P', 'K', 0x03 read as a little-endian number.
const int ZIP_MAGIC = 0x00034B50;

// The engine's single door to the disk. Made once (fGetFileSystem): it makes the data
// root "Resources" under the working directory when missing and moves into it.
class ZC_FILE_SYSTEM
{
public:
    ZC_FILE_SYSTEM();
    ~ZC_FILE_SYSTEM();

    const char* fGetStartFolder() const { return startFolder.c_str(); }
    const char* fGetDataRoot() const { return dataRoot.c_str(); }
    void fSetDataRoot(const char* path);
    // Reads the working directory anew.
    const char* fGetCurrentFolder();
    bool fSetCurrentFolder(const char* path);

    // Reads the whole member or file of the entry into new[] bytes (kind 1).
    // 1 read; -1 package missing or unusable; -108 member or file missing or unopenable;
    // -109 its bytes are damaged, shorter than promised, or too large to hold.
    int fLoadResource(ZS_RESOURCE* entry);
    // Frees the bytes of a kind 1 or 5 entry.
    void fUnloadBytes(ZS_RESOURCE* entry);
    // Keeps an open FILE* of a folder package's file in the entry (kind RESOURCE_OPEN_FILE).
    int fOpenResourceFile(ZS_RESOURCE* entry);
    void fCloseResourceFile(ZS_RESOURCE* entry);

private:
    int fLoadFromFolder(ZS_RESOURCE* entry, const std::string& folder);

    std::string startFolder;
    std::string dataRoot;
    std::string currentFolder;
};

ZC_FILE_SYSTEM* fGetFileSystem();
extern ZC_FILE_SYSTEM* zcFILE_SYSTEM;

// The user's application-data folder in a static text (overwritten by the next call), or null.
const char* fGetAppDataFolder();
// 0 missing, 1 file, 2 folder.
int fGetPathKind(const char* path);
// Makes every missing folder along the path, outermost first.
bool fCreateFolders(const char* path);
// -1 unreadable, ZIP_MAGIC for a zip archive, else 0.
int fGetFileMagic(const char* path);
// Member names of a zip archive, in its own order.
void fListPackage(const char* archivePath, std::vector<std::string>& names);
// Plain files (folders false) or sub-folders (true) whose name matches "*." + extension
// ("*" takes every name), sorted.
void fListFolder(const char* folderPath, std::vector<std::string>& names, bool folders, const char* extension);
int fTestPackagePassword(const char* archivePath, const char* password);
int fReadFile(const char* path, void* buffer, size_t length);
int fWriteFile(const char* path, const void* data, size_t length);
bool fMoveFile(const char* newPath, const char* existingPath);
bool fClearFile(const char* path);
bool fCopyPath(const char* destination, const char* source);
bool fDeletePath(const char* path);
}

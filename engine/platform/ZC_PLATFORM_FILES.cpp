#include "engine/platform/ZC_PLATFORM_FILES.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ZOR
{
int fPlatformGetPathKind(const char* path)
{
    struct stat info;
    if (!path || stat(path, &info) != 0)
        return 0;
    return S_ISDIR(info.st_mode) ? 2 : 1;
}

bool fPlatformGetCurrentFolder(std::string& path)
{
    // getcwd fails with ERANGE when the buffer is short; grow until it fits.
    std::vector<char> buffer(1024);
    while (!getcwd(buffer.data(), buffer.size()))
    {
        if (errno != ERANGE || buffer.size() >= (1u << 20))
            return false;
        buffer.resize(buffer.size() * 2);
    }
    path = buffer.data();
    return true;
}

bool fPlatformSetCurrentFolder(const char* path)
{
    return path && chdir(path) == 0;
}

bool fPlatformMakeFolder(const char* path)
{
    return path && mkdir(path, 0755) == 0;
}

bool fPlatformRemoveFolder(const char* path)
{
    return path && rmdir(path) == 0;
}

void fPlatformListFolder(const char* path, bool folders, std::vector<std::string>& names)
{
    if (!path)
        return;
    DIR* dir = opendir(path);
    if (!dir)
        return;
    std::vector<std::string> found;
    const std::string prefix = std::string(path) + "/";
    while (dirent* item = readdir(dir))
    {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        // d_type is not filled on every file system; stat settles the unknown ones
        // and follows links the way the file readers will.
        bool isFolder = item->d_type == DT_DIR;
        if (item->d_type == DT_UNKNOWN || item->d_type == DT_LNK)
            isFolder = fPlatformGetPathKind((prefix + name).c_str()) == 2;
        if (isFolder == folders)
            found.push_back(name);
    }
    closedir(dir);
    std::sort(found.begin(), found.end());
    names.insert(names.end(), found.begin(), found.end());
}

bool fPlatformGetFileSize(const char* path, uint64_t& size)
{
    struct stat info;
    if (!path || stat(path, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    size = uint64_t(info.st_size);
    return true;
}

bool fPlatformGetAppDataFolder(std::string& path)
{
    // A relative XDG_DATA_HOME is ignored, as the XDG base-directory rules say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
    {
        path = xdg;
        return true;
    }
    const char* home = std::getenv("HOME");
    if (home && home[0])
    {
        path = std::string(home) + "/.local/share";
        return true;
    }
    return false;
}

bool fPlatformIsLink(const char* path)
{
    struct stat info;
    return path && lstat(path, &info) == 0 && S_ISLNK(info.st_mode);
}

bool fPlatformMoveFile(const char* from, const char* to)
{
    return from && to && std::rename(from, to) == 0;
}

bool fPlatformCopyFile(const char* from, const char* to)
{
    if (!from || !to || fPlatformGetPathKind(from) != 1)
        return false;
    FILE* in = std::fopen(from, "rb");
    if (!in)
        return false;
    FILE* out = std::fopen(to, "wb");
    if (!out)
    {
        std::fclose(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0)
    {
        if (std::fwrite(buffer, 1, count, out) != count)
        {
            ok = false;
            break;
        }
    }
    if (std::ferror(in))
        ok = false;
    std::fclose(in);
    if (std::fclose(out) != 0)
        ok = false;
    return ok;
}

bool fPlatformDeleteFile(const char* path)
{
    return path && unlink(path) == 0;
}

bool fPlatformTruncateFile(const char* path)
{
    if (!path)
        return false;
    const int fd = open(path, O_WRONLY | O_TRUNC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}
}

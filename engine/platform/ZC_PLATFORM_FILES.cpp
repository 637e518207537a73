#include "engine/platform/ZC_PLATFORM_FILES.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

namespace
{
ZE_DURABLE_STEP zcFAILING_STEP = DURABLE_STEP_NONE;
bool zcMOVES_FAIL = false;

// The folder part of a path, for flushing the folder after a rename.
std::string fFolderOf(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    if (!slash)
        return ".";
    if (slash == path)
        return "/";
    return std::string(path, size_t(slash - path));
}

bool fWriteAll(int fd, const char* data, size_t size)
{
    while (size > 0)
    {
        const ssize_t written = write(fd, data, size);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

void fSyncFolder(const char* path)
{
    const int fd = open(fFolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}
}

int fPlatformMoveFileNoReplace(const char* from, const char* to)
{
    if (!from || !to || zcMOVES_FAIL)
        return -1;
    bool moved = renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0;
    if (!moved)
    {
        if (errno == EEXIST)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return -1;
        // File systems without the flag: a hard link cannot replace anything either.
        if (link(from, to) == 0)
            moved = unlink(from) == 0;
        else if (errno == EEXIST)
            return 0;
        // Neither (FAT, some network shares): look first, then rename.
        else if (fPlatformGetPathKind(to) != 0 || fPlatformIsLink(to))
            return 0;
        else
            moved = std::rename(from, to) == 0;
    }
    if (!moved)
        return -1;
    fSyncFolder(to);
    return 1;
}

bool fPlatformReadFile(const char* path, std::string& bytes, uint64_t maxSize)
{
    if (!path)
        return false;
    // Non-blocking, so that a pipe in the file's place cannot hang the open; it changes
    // nothing for a regular file.
    const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || uint64_t(info.st_size) > maxSize)
    {
        close(fd);
        return false;
    }
    std::string read;
    read.reserve(size_t(info.st_size));
    char buffer[65536];
    bool ok = true;
    for (;;)
    {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
        {
            ok = got == 0;
            break;
        }
        // The file may grow while it is read.
        if (read.size() + size_t(got) > maxSize)
        {
            ok = false;
            break;
        }
        read.append(buffer, size_t(got));
    }
    close(fd);
    if (ok)
        bytes.swap(read);
    return ok;
}

bool fPlatformWriteFileDurably(const char* path, const void* data, size_t size)
{
    if (!path || (!data && size > 0))
        return false;
    // A name of its own for each write, so that two writers never share a temporary file.
    static std::atomic<unsigned> serial{0};
    if (zcFAILING_STEP == DURABLE_STEP_CREATE)
        return false;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt)
    {
        temporary = std::string(path) + ".new-" + std::to_string(getpid()) + "-" + std::to_string(serial++);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    // The new file keeps the old one's permissions: a save the user keeps private stays so.
    struct stat old;
    if (stat(path, &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);

    const char* bytes = static_cast<const char*>(data);
    bool ok;
    if (zcFAILING_STEP == DURABLE_STEP_WRITE)
    {
        fWriteAll(fd, bytes, size / 2);
        ok = false;
    }
    else
        ok = fWriteAll(fd, bytes, size);
    // The bytes must be on the disk before the name points at them; otherwise a power cut
    // after the rename can leave an empty or partial file under the old name.
    if (ok)
        ok = zcFAILING_STEP != DURABLE_STEP_SYNC && fsync(fd) == 0;
    if (close(fd) != 0)
        ok = false;
    if (ok)
        ok = zcFAILING_STEP != DURABLE_STEP_RENAME && std::rename(temporary.c_str(), path) == 0;
    if (!ok)
    {
        unlink(temporary.c_str());
        return false;
    }
    // The new file is in place whatever this answers (some file systems cannot flush a
    // folder); flushing makes the rename itself survive a power cut.
    fSyncFolder(path);
    return true;
}

void fPlatformFailDurableWriteForTests(ZE_DURABLE_STEP step)
{
    zcFAILING_STEP = step;
}

void fPlatformFailMovesForTests(bool fail)
{
    zcMOVES_FAIL = fail;
}
}

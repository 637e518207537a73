#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The engine's door to the folders and files of the operating system (POSIX).
// Everything above this layer sees '/'-separated narrow paths and these answers only.
namespace ZOR
{
// Path kinds: 0 missing, 1 a file (anything that is not a folder), 2 a folder.
int fPlatformGetPathKind(const char* path);

// The process's working directory, without a trailing '/'.
bool fPlatformGetCurrentFolder(std::string& path);
bool fPlatformSetCurrentFolder(const char* path);

// One folder level; the parent must exist.
bool fPlatformMakeFolder(const char* path);
bool fPlatformRemoveFolder(const char* path);

// Bare names of the plain files (folders false) or of the sub-folders (folders true),
// sorted by byte value so that every run mounts and finds things in the same order;
// never "." or "..".
void fPlatformListFolder(const char* path, bool folders, std::vector<std::string>& names);

// Size of a regular file; false for a folder or a missing path.
bool fPlatformGetFileSize(const char* path, uint64_t& size);

// The user's application-data folder: $XDG_DATA_HOME, else $HOME/.local/share.
// False when neither variable gives one.
bool fPlatformGetAppDataFolder(std::string& path);

// True for a symbolic link, whatever it points at.
bool fPlatformIsLink(const char* path);

bool fPlatformMoveFile(const char* from, const char* to);
// Overwrites an existing destination.
bool fPlatformCopyFile(const char* from, const char* to);
// Removes a file or a link, never a folder.
bool fPlatformDeleteFile(const char* path);
// Cuts an existing file to zero length; false when it does not exist.
bool fPlatformTruncateFile(const char* path);
}

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

// Moves a file to a name that nothing holds yet: 1 moved; 0 something exists at `to`, and
// both stay as they were; -1 the move failed.
int fPlatformMoveFileNoReplace(const char* from, const char* to);

// The whole of a regular file, opened for reading only; false when it cannot be read or
// holds more than maxSize bytes.
bool fPlatformReadFile(const char* path, std::string& bytes, uint64_t maxSize);

// Replaces (or creates) the file at `path` with exactly these bytes so that a crash or a
// power cut at any moment leaves either the old file or the new one, whole: the bytes go to
// a new file in the same folder, which is flushed to the disk and renamed over the path,
// and then the folder is flushed so that the rename lasts too. Needs write access to the
// folder only, not to the old file; the folder must exist. False on any failure: the old
// file is then left byte for byte and the temporary file is removed.
bool fPlatformWriteFileDurably(const char* path, const void* data, size_t size);
inline bool fPlatformWriteFileDurably(const std::string& path, const std::string& bytes)
{
    return fPlatformWriteFileDurably(path.c_str(), bytes.data(), bytes.size());
}

// Test seam: every durable write from now on fails at that step, as if the system had
// refused it; DURABLE_STEP_NONE puts the real behaviour back.
enum ZE_DURABLE_STEP
{
    DURABLE_STEP_NONE,
    DURABLE_STEP_CREATE, // the temporary file cannot be made
    DURABLE_STEP_WRITE,  // the disk fills up halfway through the bytes
    DURABLE_STEP_SYNC,   // the flush to the disk reports an error
    DURABLE_STEP_RENAME, // the new file cannot take the old one's place
};
void fPlatformFailDurableWriteForTests(ZE_DURABLE_STEP step);
// Test seam: fPlatformMoveFileNoReplace answers -1 and moves nothing while set.
void fPlatformFailMovesForTests(bool fail);
}

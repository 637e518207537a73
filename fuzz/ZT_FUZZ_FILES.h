#pragma once
// Scratch files for the fuzz programs whose code under test reads paths. Memory-backed
// /dev/shm when there is one: a disk costs milliseconds per file and starves the search.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace ZT_FUZZ
{
inline std::string fScratchPath(const std::string& tag)
{
    std::error_code error;
    const std::filesystem::path shm("/dev/shm");
    const std::filesystem::path folder =
        std::filesystem::is_directory(shm, error) && access("/dev/shm", W_OK) == 0
            ? shm
            : std::filesystem::temp_directory_path();
    return (folder / ("zor_fuzz_" + std::to_string(getpid()) + "_" + tag)).string();
}

inline bool fPutScratch(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
}

#pragma once
// Small helpers for the file tests: whole files in and out, folders, and zip packages
// made with Info-ZIP at test time.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ZT_TEST
{
inline void fPutFile(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target(path);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string fGetFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string fBytes(const void* data, size_t size)
{
    return std::string(static_cast<const char*>(data), size);
}

// Runs Info-ZIP's zip in a folder: zip -q -X <options> <archive> <members...>.
inline int fZip(const std::string& folder, const std::string& options, const std::string& archive,
                const std::string& members)
{
    const std::string command = "cd '" + folder + "' && rm -f '" + archive + "' && zip -q -X " + options + " '" +
                                archive + "' " + members + " >/dev/null";
    return std::system(command.c_str());
}

inline uint32_t fGetLe32(const std::string& bytes, size_t at)
{
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

inline void fSetLe32(std::string& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// Offsets of every record with the signature in a zip archive's bytes.
inline std::vector<size_t> fFindRecords(const std::string& bytes, const std::string& signature)
{
    std::vector<size_t> found;
    for (size_t at = bytes.find(signature); at != std::string::npos; at = bytes.find(signature, at + 1))
        found.push_back(at);
    return found;
}
}

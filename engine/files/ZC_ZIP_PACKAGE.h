#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ZOR
{
// Zip packages, read through minizip and zlib. Member names are taken as stored
// (folder part included, case-sensitive) and must fit the 260-byte name buffer
// (259 bytes); longer names are left out of listings and never match.
const size_t ZIP_NAME_BUFFER = 260;

// Largest member the engine will hold in memory; a directory that claims more is damaged.
const uint64_t ZIP_MAX_MEMBER_BYTES = 512ull << 20;

// Appends every member name in the archive's own order; nothing when it cannot be opened.
void fZipListMembers(const char* archivePath, std::vector<std::string>& names);

// Reads one member whole into a new[] buffer of size + 1 bytes (the spare byte is not set).
// A non-empty password decrypts the members that are stored encrypted.
// 1 read; -1 archive missing or without members; -108 no such member, or it cannot be
// opened (unknown method, encrypted without a password, wrong password);
// -109 its sizes are damaged or disagree with its data, or memory ran out.
int fZipReadMember(const char* archivePath, const std::string& memberName, const std::string& password,
                   uint8_t*& data, uint32_t& size);

// The same over an archive held in memory (the bytes must outlive the call).
void fZipListMembersInMemory(const uint8_t* archive, size_t archiveSize, std::vector<std::string>& names);
int fZipReadMemberInMemory(const uint8_t* archive, size_t archiveSize, const std::string& memberName,
                           const std::string& password, uint8_t*& data, uint32_t& size);

// Opens the second member (the first when there is only one) with the password.
// -1000 archive cannot be opened; -49 no member; 0 opened; UNZ_PARAMERROR refused.
int fZipTestPassword(const char* archivePath, const std::string& password);
}

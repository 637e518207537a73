#include "engine/files/ZC_ZIP_PACKAGE.h"

#include "engine/files/ZC_ZIP_CIPHER.h"
#include "engine/platform/ZC_PLATFORM_FILES.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <unzip.h>
#include <zlib.h>

namespace ZOR
{
namespace
{
// Deflate cannot expand data by more than about 1032 to 1; a directory entry that
// claims more for its compressed bytes is lying.
const uint64_t DEFLATE_MAX_RATIO = 1032;

struct ZS_UNZIP_CLOSER
{
    void operator()(void* zip) const { unzClose(zip); }
};
using tUnzip = std::unique_ptr<void, ZS_UNZIP_CLOSER>;

// Where an archive's bytes come from: a file, or a buffer in memory.
struct ZS_ZIP_SOURCE
{
    const char* path = nullptr;
    const uint8_t* bytes = nullptr;
    uint64_t size = 0;
};

// minizip's file functions over a memory buffer; each open gets its own read position.
struct ZS_MEMORY_CURSOR
{
    const ZS_ZIP_SOURCE* source;
    uint64_t position;
};

voidpf ZCALLBACK fMemoryOpen(voidpf opaque, const void*, int)
{
    return new ZS_MEMORY_CURSOR{static_cast<const ZS_ZIP_SOURCE*>(opaque), 0};
}

uLong ZCALLBACK fMemoryRead(voidpf, voidpf stream, void* buffer, uLong size)
{
    auto* cursor = static_cast<ZS_MEMORY_CURSOR*>(stream);
    const uint64_t total = cursor->source->size;
    const uint64_t count = cursor->position >= total ? 0 : std::min<uint64_t>(size, total - cursor->position);
    if (count)
        std::memcpy(buffer, cursor->source->bytes + cursor->position, size_t(count));
    cursor->position += count;
    return uLong(count);
}

uLong ZCALLBACK fMemoryWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK fMemoryTell(voidpf, voidpf stream)
{
    return static_cast<ZS_MEMORY_CURSOR*>(stream)->position;
}

long ZCALLBACK fMemorySeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* cursor = static_cast<ZS_MEMORY_CURSOR*>(stream);
    uint64_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = cursor->position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = cursor->source->size;
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    cursor->position = base + offset;
    return 0;
}

int ZCALLBACK fMemoryClose(voidpf, voidpf stream)
{
    delete static_cast<ZS_MEMORY_CURSOR*>(stream);
    return 0;
}

int ZCALLBACK fMemoryError(voidpf, voidpf)
{
    return 0;
}

unzFile fOpenSource(const ZS_ZIP_SOURCE& source)
{
    if (source.path)
        return unzOpen64(source.path);
    zlib_filefunc64_def functions = {fMemoryOpen, fMemoryRead,  fMemoryWrite, fMemoryTell,
                                     fMemorySeek, fMemoryClose, fMemoryError, const_cast<ZS_ZIP_SOURCE*>(&source)};
    // minizip wants a name to hand to the open function; the memory needs none.
    return unzOpen2_64("memory", &functions);
}

// The archive's size, which no member's compressed bytes can exceed.
bool fSourceSize(const ZS_ZIP_SOURCE& source, uint64_t& size)
{
    if (!source.path)
    {
        size = source.size;
        return source.bytes != nullptr;
    }
    return fPlatformGetFileSize(source.path, size);
}

// The current member's directory record; false when it cannot be read.
bool fCurrentInfo(unzFile zip, unz_file_info64& info, std::string* name)
{
    char buffer[ZIP_NAME_BUFFER];
    if (unzGetCurrentFileInfo64(zip, &info, buffer, sizeof buffer, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    if (name)
    {
        // minizip copies at most the buffer and writes no terminator when the name fills it.
        if (info.size_filename >= sizeof buffer)
            name->clear();
        else
            name->assign(buffer, info.size_filename);
    }
    return true;
}

bool fNameFits(const unz_file_info64& info)
{
    return info.size_filename > 0 && info.size_filename < ZIP_NAME_BUFFER;
}

uint8_t* fAllocate(uint64_t count)
{
    return new (std::nothrow) uint8_t[size_t(count)];
}

// Sizes a damaged or hostile directory may claim; checked before anything is allocated.
bool fSizesPlausible(const unz_file_info64& info, uint64_t archiveSize)
{
    if (info.uncompressed_size > ZIP_MAX_MEMBER_BYTES || info.compressed_size > archiveSize)
        return false;
    if (info.compression_method == Z_DEFLATED)
        return info.uncompressed_size <= info.compressed_size * DEFLATE_MAX_RATIO + 64;
    return true;
}

// Plain member: minizip inflates and checks the CRC when the whole member was read.
int fReadPlain(unzFile zip, uint8_t* buffer, uint32_t size)
{
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return -108;
    const int got = unzReadCurrentFile(zip, buffer, size + 1);
    const int closed = unzCloseCurrentFile(zip);
    if (got < 0 || uint32_t(got) != size || closed == UNZ_CRCERROR)
        return -109;
    return 1;
}

// Encrypted member: read its raw bytes, decrypt them, then inflate them ourselves.
int fReadEncrypted(unzFile zip, const unz_file_info64& info, const std::string& password,
                   uint8_t* buffer, uint32_t size)
{
    const uint64_t rawSize = info.compressed_size;
    if (rawSize < ZC_ZIP_CIPHER::HEADER_SIZE || rawSize > ZIP_MAX_MEMBER_BYTES + ZC_ZIP_CIPHER::HEADER_SIZE)
        return -109;
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile2(zip, &method, &level, 1) != UNZ_OK)
        return -108;
    std::unique_ptr<uint8_t[]> raw(fAllocate(rawSize));
    if (!raw)
    {
        unzCloseCurrentFile(zip);
        return -109;
    }
    const int got = unzReadCurrentFile(zip, raw.get(), unsigned(rawSize));
    unzCloseCurrentFile(zip);
    if (got < 0 || uint64_t(got) != rawSize)
        return -109;

    ZC_ZIP_CIPHER cipher(password);
    cipher.fDecrypt(raw.get(), rawSize);
    // The check byte is the CRC's high byte, or the DOS time's high byte when the
    // sizes and CRC follow the data (flag bit 3, as Info-ZIP writes when streaming).
    const uint8_t expected = (info.flag & 8) ? uint8_t(info.dosDate >> 8) : uint8_t(info.crc >> 24);
    if (raw[ZC_ZIP_CIPHER::HEADER_SIZE - 1] != expected)
        return -108;

    const uint8_t* body = raw.get() + ZC_ZIP_CIPHER::HEADER_SIZE;
    const uint64_t bodySize = rawSize - ZC_ZIP_CIPHER::HEADER_SIZE;
    if (info.compression_method == 0)
    {
        if (bodySize != size)
            return -109;
        if (size)
            std::memcpy(buffer, body, size);
    }
    else
    {
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return -109;
        stream.next_in = const_cast<Bytef*>(body);
        stream.avail_in = uInt(bodySize);
        stream.next_out = buffer;
        stream.avail_out = uInt(size) + 1;
        const int result = inflate(&stream, Z_FINISH);
        const uint64_t produced = stream.total_out;
        inflateEnd(&stream);
        if (result != Z_STREAM_END || produced != size)
            return -109;
    }
    if (uint32_t(crc32(0L, buffer, uInt(size))) != uint32_t(info.crc))
        return -109;
    return 1;
}

void fListSource(const ZS_ZIP_SOURCE& source, std::vector<std::string>& names)
{
    tUnzip zip(fOpenSource(source));
    if (!zip || unzGoToFirstFile(zip.get()) != UNZ_OK)
        return;
    do
    {
        unz_file_info64 info;
        std::string name;
        if (!fCurrentInfo(zip.get(), info, &name))
            break;
        if (fNameFits(info))
            names.push_back(name);
    } while (unzGoToNextFile(zip.get()) == UNZ_OK);
}

int fReadSource(const ZS_ZIP_SOURCE& source, const std::string& memberName, const std::string& password,
                uint8_t*& data, uint32_t& size)
{
    uint64_t archiveSize = 0;
    if (!fSourceSize(source, archiveSize))
        return -1;
    tUnzip zip(fOpenSource(source));
    if (!zip || unzGoToFirstFile(zip.get()) != UNZ_OK)
        return -1;

    unz_file_info64 info;
    bool found = false;
    do
    {
        std::string name;
        if (!fCurrentInfo(zip.get(), info, &name))
            break;
        found = fNameFits(info) && name == memberName;
    } while (!found && unzGoToNextFile(zip.get()) == UNZ_OK);
    if (!found)
        return -108;

    const bool encrypted = (info.flag & 1) != 0;
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED)
        return -108;
    if (encrypted && password.empty())
        return -108;
    if (!fSizesPlausible(info, archiveSize))
        return -109;

    const uint32_t memberSize = uint32_t(info.uncompressed_size);
    std::unique_ptr<uint8_t[]> buffer(fAllocate(uint64_t(memberSize) + 1));
    if (!buffer)
        return -109;
    const int result = encrypted ? fReadEncrypted(zip.get(), info, password, buffer.get(), memberSize)
                                 : fReadPlain(zip.get(), buffer.get(), memberSize);
    if (result != 1)
        return result;
    data = buffer.release();
    size = memberSize;
    return 1;
}
}

void fZipListMembers(const char* archivePath, std::vector<std::string>& names)
{
    if (archivePath)
        fListSource(ZS_ZIP_SOURCE{archivePath, nullptr, 0}, names);
}

void fZipListMembersInMemory(const uint8_t* archive, size_t archiveSize, std::vector<std::string>& names)
{
    if (archive)
        fListSource(ZS_ZIP_SOURCE{nullptr, archive, archiveSize}, names);
}

int fZipReadMember(const char* archivePath, const std::string& memberName, const std::string& password,
                   uint8_t*& data, uint32_t& size)
{
    if (!archivePath)
        return -1;
    return fReadSource(ZS_ZIP_SOURCE{archivePath, nullptr, 0}, memberName, password, data, size);
}

int fZipReadMemberInMemory(const uint8_t* archive, size_t archiveSize, const std::string& memberName,
                           const std::string& password, uint8_t*& data, uint32_t& size)
{
    return fReadSource(ZS_ZIP_SOURCE{nullptr, archive, archiveSize}, memberName, password, data, size);
}

int fZipTestPassword(const char* archivePath, const std::string& password)
{
    if (!archivePath)
        return -1000;
    tUnzip zip(unzOpen64(archivePath));
    if (!zip)
        return -1000;
    if (unzGoToFirstFile(zip.get()) != UNZ_OK)
        return -49;
    unz_file_info64 info;
    std::string name;
    if (!fCurrentInfo(zip.get(), info, &name))
        return UNZ_BADZIPFILE;
    // minizip forgets the current member when there is no next one, so read the second only when it exists.
    if (unzGoToNextFile(zip.get()) == UNZ_OK && !fCurrentInfo(zip.get(), info, &name))
        return UNZ_BADZIPFILE;
    uint8_t* data = nullptr;
    uint32_t size = 0;
    // Reading the member whole is the only way to know the password opens it.
    const int result = fZipReadMember(archivePath, name, password, data, size);
    delete[] data;
    return result == 1 ? 0 : UNZ_PARAMERROR;
}
}

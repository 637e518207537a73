#pragma once
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace ZOR
{
// Numbers and strings in a binary file, little-endian, no padding: bool 1 byte; int,
// unsigned, long and float 4; 8-byte values 8; strings a 32-bit byte count and the bytes.
// An existing file opened with fOpen is written over from its start without being cut.
// The stream can also read a file without write access (fOpenRead), read bytes held in
// memory, and write into memory, so that a save can be built whole before it reaches the disk.
// A read that runs short (end of file, or a string longer than what is left) puts the
// stream in its failed state, leaves the value as it was, and makes every later read do nothing.
class ZC_BINARY_STREAM
{
public:
    ZC_BINARY_STREAM() = default;
    ~ZC_BINARY_STREAM();
    ZC_BINARY_STREAM(const ZC_BINARY_STREAM&) = delete;
    ZC_BINARY_STREAM& operator=(const ZC_BINARY_STREAM&) = delete;

    // Opens an existing file as it is, or creates it empty.
    bool fOpen(const char* path);
    // Opens an existing file for reading only.
    bool fOpenRead(const char* path);
    // Reads a copy of these bytes.
    void fOpenBytes(const std::string& bytes);
    // Writes into memory; fGetBytes answers what was written.
    void fOpenBuffer();
    std::string fGetBytes() const;
    void fClose();

    void fWriteBool(const bool* value);
    void fWriteFloat(const float* value);
    void fWriteInt(const int32_t* value);
    void fWriteUInt(const uint32_t* value);
    // Four bytes: the low 32 bits.
    void fWriteLong(const long* value);
    void fWriteDouble(const double* value);
    void fWriteInt64(const int64_t* value);
    void fWriteInt64(const double* value) { fWriteDouble(value); }
    void fWriteString(const std::string& text);
    void fWriteRaw(const void* data, size_t count);
    // The byte 0x0A, then a flush.
    void fWriteEndLine();

    void fReadBool(bool* value);
    void fReadFloat(float* value);
    void fReadInt(int32_t* value);
    void fReadUInt(uint32_t* value);
    // Four bytes, sign-extended.
    void fReadLong(long* value);
    void fReadDouble(double* value);
    void fReadInt64(int64_t* value);
    void fReadInt64(double* value) { fReadDouble(value); }
    void fReadString(std::string& text);
    void fReadRaw(void* data, size_t count);

    bool fIsEof() const { return stream->eof(); }
    // True once a read ran short or a write failed.
    bool fHasFailed() const { return !open || stream->fail(); }
    bool fIsOpen() const { return open != 0; }
    void fEndRecord() {}
    // Bytes between the read position and the end; 0 when the stream is not readable.
    uint64_t fCountBytesLeft();

private:
    void fWriteLittle(uint64_t value, size_t bytes);
    // False, value untouched, when fewer bytes are left.
    bool fReadLittle(uint64_t& value, size_t bytes);
    bool fReadable();

    uint8_t open = 0;
    std::fstream file;
    std::stringstream memory;
    // The one of the two that is open.
    std::iostream* stream = &file;
};
}

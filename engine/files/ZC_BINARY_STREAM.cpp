#include "engine/files/ZC_BINARY_STREAM.h"

#include <cstring>

namespace ZOR
{
ZC_BINARY_STREAM::~ZC_BINARY_STREAM()
{
    fClose();
}

bool ZC_BINARY_STREAM::fOpen(const char* path)
{
    fClose();
    if (!path)
        return false;
    stream = &file;
    file.clear();
    file.open(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file.is_open())
    {
        file.clear();
        file.open(path, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
    }
    open = file.is_open() ? 1 : 0;
    return open != 0;
}

bool ZC_BINARY_STREAM::fOpenRead(const char* path)
{
    fClose();
    if (!path)
        return false;
    stream = &file;
    file.clear();
    file.open(path, std::ios::in | std::ios::binary);
    open = file.is_open() ? 1 : 0;
    return open != 0;
}

void ZC_BINARY_STREAM::fOpenBytes(const std::string& bytes)
{
    fClose();
    stream = &memory;
    memory.clear();
    memory.str(bytes);
    open = 1;
}

void ZC_BINARY_STREAM::fOpenBuffer()
{
    fOpenBytes(std::string());
}

std::string ZC_BINARY_STREAM::fGetBytes() const
{
    return open && stream == &memory ? memory.str() : std::string();
}

void ZC_BINARY_STREAM::fClose()
{
    if (!open)
        return;
    if (stream == &file)
        file.close();
    else
        memory.str(std::string());
    open = 0;
}

void ZC_BINARY_STREAM::fWriteLittle(uint64_t value, size_t bytes)
{
    if (!open)
        return;
    char buffer[8];
    for (size_t i = 0; i < bytes; ++i)
        buffer[i] = char(value >> (8 * i));
    stream->write(buffer, std::streamsize(bytes));
}

bool ZC_BINARY_STREAM::fReadable()
{
    return open && stream->good();
}

bool ZC_BINARY_STREAM::fReadLittle(uint64_t& value, size_t bytes)
{
    if (!fReadable())
        return false;
    unsigned char buffer[8];
    stream->read(reinterpret_cast<char*>(buffer), std::streamsize(bytes));
    if (size_t(stream->gcount()) != bytes)
        return false;
    value = 0;
    for (size_t i = 0; i < bytes; ++i)
        value |= uint64_t(buffer[i]) << (8 * i);
    return true;
}

uint64_t ZC_BINARY_STREAM::fCountBytesLeft()
{
    if (!fReadable())
        return 0;
    const std::streampos here = stream->tellg();
    stream->seekg(0, std::ios::end);
    const std::streampos end = stream->tellg();
    stream->seekg(here);
    if (here < 0 || end < here)
        return 0;
    return uint64_t(end - here);
}

void ZC_BINARY_STREAM::fWriteBool(const bool* value)
{
    if (value)
        fWriteLittle(*value ? 1 : 0, 1);
}

void ZC_BINARY_STREAM::fWriteFloat(const float* value)
{
    if (!value)
        return;
    uint32_t bits;
    std::memcpy(&bits, value, 4);
    fWriteLittle(bits, 4);
}

void ZC_BINARY_STREAM::fWriteInt(const int32_t* value)
{
    if (value)
        fWriteLittle(uint32_t(*value), 4);
}

void ZC_BINARY_STREAM::fWriteUInt(const uint32_t* value)
{
    if (value)
        fWriteLittle(*value, 4);
}

void ZC_BINARY_STREAM::fWriteLong(const long* value)
{
    if (value)
        fWriteLittle(uint32_t(*value), 4);
}

void ZC_BINARY_STREAM::fWriteDouble(const double* value)
{
    if (!value)
        return;
    uint64_t bits;
    std::memcpy(&bits, value, 8);
    fWriteLittle(bits, 8);
}

void ZC_BINARY_STREAM::fWriteInt64(const int64_t* value)
{
    if (value)
        fWriteLittle(uint64_t(*value), 8);
}

void ZC_BINARY_STREAM::fWriteString(const std::string& text)
{
    if (!open)
        return;
    fWriteLittle(uint32_t(text.size()), 4);
    stream->write(text.data(), std::streamsize(text.size()));
}

void ZC_BINARY_STREAM::fWriteRaw(const void* data, size_t count)
{
    if (open && data)
        stream->write(static_cast<const char*>(data), std::streamsize(count));
}

void ZC_BINARY_STREAM::fWriteEndLine()
{
    if (!open)
        return;
    stream->put('\n');
    stream->flush();
}

void ZC_BINARY_STREAM::fReadBool(bool* value)
{
    uint64_t bits;
    if (value && fReadLittle(bits, 1))
        *value = bits != 0;
}

void ZC_BINARY_STREAM::fReadFloat(float* value)
{
    uint64_t bits;
    if (!value || !fReadLittle(bits, 4))
        return;
    const uint32_t narrow = uint32_t(bits);
    std::memcpy(value, &narrow, 4);
}

void ZC_BINARY_STREAM::fReadInt(int32_t* value)
{
    uint64_t bits;
    if (value && fReadLittle(bits, 4))
        *value = int32_t(uint32_t(bits));
}

void ZC_BINARY_STREAM::fReadUInt(uint32_t* value)
{
    uint64_t bits;
    if (value && fReadLittle(bits, 4))
        *value = uint32_t(bits);
}

void ZC_BINARY_STREAM::fReadLong(long* value)
{
    uint64_t bits;
    if (value && fReadLittle(bits, 4))
        *value = long(int32_t(uint32_t(bits)));
}

void ZC_BINARY_STREAM::fReadDouble(double* value)
{
    uint64_t bits;
    if (value && fReadLittle(bits, 8))
        std::memcpy(value, &bits, 8);
}

void ZC_BINARY_STREAM::fReadInt64(int64_t* value)
{
    uint64_t bits;
    if (value && fReadLittle(bits, 8))
        *value = int64_t(bits);
}

void ZC_BINARY_STREAM::fReadString(std::string& text)
{
    uint64_t length;
    if (!fReadLittle(length, 4))
        return;
    // A damaged count must not make us take more memory than the file could hold.
    if (length > fCountBytesLeft())
    {
        stream->setstate(std::ios::failbit);
        return;
    }
    std::string read(size_t(length), '\0');
    stream->read(&read[0], std::streamsize(length));
    if (uint64_t(stream->gcount()) != length)
        return;
    text.swap(read);
}

void ZC_BINARY_STREAM::fReadRaw(void* data, size_t count)
{
    if (!data || !fReadable())
        return;
    // Checked first so that a short block leaves the caller's bytes untouched.
    if (count > fCountBytesLeft())
    {
        stream->setstate(std::ios::failbit);
        return;
    }
    stream->read(static_cast<char*>(data), std::streamsize(count));
}
}

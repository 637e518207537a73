#pragma once
// Builds the expected bytes of a players.save, field by field, little-endian; writes and
// reads records and XML forms for the comparisons.
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include <pugixml.hpp>

#include "engine/files/ZC_BINARY_STREAM.h"
#include "files/ZT_FILE_FIXTURES.h"

namespace ZT_TEST
{
struct ZT_SAVE_BYTES
{
    std::string bytes;

    ZT_SAVE_BYTES& fByte(uint8_t value)
    {
        bytes += char(value);
        return *this;
    }
    ZT_SAVE_BYTES& fU32(uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes += char(value >> (8 * i));
        return *this;
    }
    ZT_SAVE_BYTES& fI32(int32_t value) { return fU32(uint32_t(value)); }
    ZT_SAVE_BYTES& fF32(float value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        return fU32(bits);
    }
    ZT_SAVE_BYTES& fF64(double value)
    {
        uint64_t bits;
        std::memcpy(&bits, &value, 8);
        fU32(uint32_t(bits));
        return fU32(uint32_t(bits >> 32));
    }
    ZT_SAVE_BYTES& fStr(const std::string& text)
    {
        fU32(uint32_t(text.size()));
        bytes += text;
        return *this;
    }
};

// Writes through a fresh stream into the file and answers its bytes.
template <typename WRITE> std::string fWriteStream(const std::string& path, WRITE write)
{
    std::remove(path.c_str());
    {
        ZOR::ZC_BINARY_STREAM stream;
        if (!stream.fOpen(path.c_str()))
            return {};
        write(stream);
    }
    return fGetFile(path);
}

// The object's XML form written into an element of that name, as one unindented line.
template <typename T> std::string fXmlOf(const T& object, const char* name)
{
    pugi::xml_document document;
    object.fSaveXml(document.append_child(name));
    std::ostringstream text;
    document.save(text, "", pugi::format_raw | pugi::format_no_declaration);
    return text.str();
}

// Puts the bytes in the file and reads them back through a stream.
template <typename READ> auto fReadStream(const std::string& path, const std::string& bytes, READ read)
{
    fPutFile(path, bytes);
    ZOR::ZC_BINARY_STREAM stream;
    stream.fOpen(path.c_str());
    return read(stream);
}
}

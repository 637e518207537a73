#include "engine/files/ZC_ZIP_CIPHER.h"

#include <zlib.h>

namespace ZOR
{
namespace
{
// One step of the zip CRC-32 over one byte, with zlib's table.
uint32_t fCrcStep(uint32_t crc, uint8_t byte)
{
    static const z_crc_t* table = get_crc_table();
    return uint32_t(table[(crc ^ byte) & 0xFF]) ^ (crc >> 8);
}
}

ZC_ZIP_CIPHER::ZC_ZIP_CIPHER(const std::string& password)
    : keys{0x12345678u, 0x23456789u, 0x34567890u}
{
    for (unsigned char c : password)
        fUpdateKeys(c);
}

uint8_t ZC_ZIP_CIPHER::fKeyByte() const
{
    const uint32_t temp = (keys[2] | 2u) & 0xFFFFu;
    return uint8_t((temp * (temp ^ 1u)) >> 8);
}

void ZC_ZIP_CIPHER::fUpdateKeys(uint8_t plainByte)
{
    keys[0] = fCrcStep(keys[0], plainByte);
    keys[1] = (keys[1] + (keys[0] & 0xFFu)) * 134775813u + 1u;
    keys[2] = fCrcStep(keys[2], uint8_t(keys[1] >> 24));
}

uint8_t ZC_ZIP_CIPHER::fDecrypt(uint8_t cipherByte)
{
    const uint8_t plain = cipherByte ^ fKeyByte();
    fUpdateKeys(plain);
    return plain;
}

void ZC_ZIP_CIPHER::fDecrypt(uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        bytes[i] = fDecrypt(bytes[i]);
}
}

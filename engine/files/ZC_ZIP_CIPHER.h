#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace ZOR
{
// The traditional PKWARE stream cipher of zip archives (Debian's minizip is built
// without it). Three 32-bit keys are set up from the password and stepped once per
// plain byte; every encrypted member starts with a 12-byte header whose last byte
// checks the password.
class ZC_ZIP_CIPHER
{
public:
    explicit ZC_ZIP_CIPHER(const std::string& password);

    uint8_t fDecrypt(uint8_t cipherByte);
    void fDecrypt(uint8_t* bytes, size_t count);

    static const size_t HEADER_SIZE = 12;

private:
    uint8_t fKeyByte() const;
    void fUpdateKeys(uint8_t plainByte);

    uint32_t keys[3];
};
}

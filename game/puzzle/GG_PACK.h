#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_BINARY_STREAM;
}

namespace game
{
// A real number as printf's "%g" writes it (six significant digits), the form the player
// files use for times.
std::string fFormatReal(double value);

// A player's progress in one level: lock, best stars and best time. Stars and times only
// improve; the lock only opens, except for the first level of a pack opened by stars.
class GG_LEVEL
{
public:
    explicit GG_LEVEL(int32_t number = 0) : number(number) {}

    // Keeps the larger of the old and the new value.
    void fSetStars(int32_t value);
    void fSetLock(uint8_t value) { lock = value; }
    // Keeps the shortest winning time; 0 means none yet.
    void fSetBestTime(float value);

    int32_t fGetId() const { return id; }
    int32_t fGetNumber() const { return number; }
    int32_t fGetStars() const { return stars; }
    float fGetBestTime() const { return bestTime; }
    std::string fGetFile() const { return file; }
    uint8_t fGetLock() const { return lock; }
    bool fIsOpen() const { return lock == 0; }

    // False, and nothing read, without an "id".
    bool fLoadXml(pugi::xml_node element);
    void fSaveXml(pugi::xml_node element) const;
    // False when the record runs short; the level is then left as it was.
    bool fLoadBinary(ZOR::ZC_BINARY_STREAM* stream);
    bool fSaveBinary(ZOR::ZC_BINARY_STREAM* stream) const;

private:
    int32_t number = 0;
    uint8_t lock = 1;
    int32_t id = -1;
    int32_t stars = 0;
    float bestTime = 0.0f;
    std::string file;
};

// A player's progress in one pack: its levels in file order and, in editions with in-app
// purchases, the purchase lock and the product that lifts it.
class GG_PACK
{
public:
    GG_PACK() = default;
    GG_PACK(const GG_PACK& other);
    GG_PACK& operator=(const GG_PACK& other);
    GG_PACK(GG_PACK&&) = default;
    GG_PACK& operator=(GG_PACK&&) = default;

    int32_t fGetId() const { return id; }
    // Recounts and stores the sum of the levels' stars.
    uint32_t fCountStars();
    uint32_t fGetStarTotal() const { return starTotal; }
    bool fHasOpenLevel() const;
    // Share of the levels with at least one star; 0 for a pack without levels.
    float fGetCompletion() const;
    void fUnlock() { lock = 0; }
    // Locked until bought: only set when the record carries a lock.
    bool fIsLocked() const { return lock != 0; }
    bool fHasLock() const { return hasLock != 0; }
    const std::string& fGetInAppKey() const { return inAppKey; }

    GG_LEVEL* fGetLevel(int32_t levelId) const;
    GG_LEVEL* fGetLevelAt(int index) const;
    int fGetLevelCount() const { return int(levels.size()); }
    bool fIsLastLevel(const GG_LEVEL* level) const;
    // The first level opens when the total reaches the pack's stars2pass. It never closes
    // again: a first level open below the total was bought, and stays bought. Nothing changes
    // without a description of this pack or without levels.
    void fUpdateFirstLevelLock(int32_t totalStars);

    // False without an "id" or when one of the levels fails; the pack is then left as it was.
    bool fLoadXml(pugi::xml_node element);
    void fSaveXml(pugi::xml_node element) const;
    // False when the record runs short; the pack is then left as it was. Without a flag the
    // record has lock and InAppKey when the edition has in-app purchases.
    bool fLoadBinary(ZOR::ZC_BINARY_STREAM* stream);
    bool fLoadBinary(ZOR::ZC_BINARY_STREAM* stream, bool inApp);
    bool fSaveBinary(ZOR::ZC_BINARY_STREAM* stream) const;
    bool fSaveBinary(ZOR::ZC_BINARY_STREAM* stream, bool inApp) const;

private:
    int32_t id = -1;
    uint8_t lock = 0;
    uint8_t hasLock = 0;
    std::string inAppKey;
    std::vector<std::unique_ptr<GG_LEVEL>> levels;
    uint32_t starTotal = 0;
};
}

#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "framework/gPlayer.h"
#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"

namespace ZOR
{
class ZC_BINARY_STREAM;
}

namespace game
{
class GG_PLAYER;

// The keys of the player's item counts.
extern const char* const ITEM_START_HINT;    // "start_hint": hints brought into a level
extern const char* const ITEM_REFILL_HINT;   // "refill_hint": refills the running level's hints
extern const char* const ITEM_HEALTH;        // "health": the maximum number of hearts
extern const char* const ITEM_REFILL_HEALTH; // "refill_health": refills all hearts
extern const char* const ITEM_ERRORS;        // "errors": mistakes allowed in a level
extern const char* const ITEM_SECOND_CHANCE; // "second_chance": a lost level goes on

// Counters over every level the player has played.
struct GG_STATISTIC
{
    int32_t health = 0; // stored and restored only
    uint32_t score = 0; // the currency balance
    uint32_t maxScore = 0;
    uint32_t hintUse = 0;
    uint32_t withoutHintMax = 0;
    uint32_t withoutHint = 0;
    uint32_t withoutErrorMax = 0;
    uint32_t withoutError = 0;
    uint32_t badLevelMax = 0;
    uint32_t badLevel = 0;
    float minLevelTime = 0.0f; // 0: no level won yet

    // Wraps at 32 bits; the peak never goes down when a purchase lowers the score.
    void fAddScore(uint32_t value);
    // At most six characters, the room the result window has for it.
    std::wstring fFormatScore() const;
    // The runs and the fastest time after a won level, and its score.
    void fOnLevelWon(uint32_t hintsUsed, uint32_t errors, uint32_t levelScore, float levelTime);
    void fOnLevelLost();

    // A missing element leaves the record as it is.
    void fLoadXml(pugi::xml_node element);
    void fSaveXml(pugi::xml_node element) const;
};

// Hearts, and the wall-clock stamps at which each missing heart's refill timer started.
// The maximum is the owner's "health" item count, read afresh each time.
class GG_HEALTH
{
public:
    explicit GG_HEALTH(GG_PLAYER* owner) : owner(owner) {}
    // The copy belongs to another player.
    GG_HEALTH(const GG_HEALTH& other, GG_PLAYER* owner);
    // Copies everything but the owner.
    GG_HEALTH& operator=(const GG_HEALTH& other);

    // False with no heart left. Starts a refill timer now, or queues it behind the last one.
    bool fLoseHeart();
    // False at the maximum (the stamps are then kept).
    bool fRefillHeart();
    // Gives back one heart for every refill period that has passed on the wall clock, then
    // answers whether a timer is still running and sets the countdown to its end.
    bool fUpdateRefill();
    // The per-frame countdown by zcFRAME_DELTA.
    void fTick();
    int32_t fGetMaximum() const;

    // No stamps: the XML form has none.
    void fLoadXml(pugi::xml_node element);
    void fSaveXml(pugi::xml_node element) const;

    // Seconds since 1970, through the clock set for tests when there is one.
    static int32_t fNow();
    // Replaces the wall clock (null puts it back).
    static void fSetClock(int32_t (*clock)());

    bool refilling = false;
    int32_t count = 0;
    int32_t refillPeriod = 0;
    double countdown = 0.0; // seconds until the next heart
    std::deque<int32_t> stamps; // oldest first

private:
    GG_PLAYER* owner;
};

// The game's player: the profile with the progress through packs and levels, the statistics
// and the hearts.
class GG_PLAYER : public ZOR::gPlayer
{
public:
    GG_PLAYER() : health(this) {}
    // Deep: packs and levels are copied, the hearts belong to the copy.
    GG_PLAYER(const GG_PLAYER& other);
    GG_PLAYER& operator=(const GG_PLAYER& other);
    ~GG_PLAYER() override = default;

    // Appends the packs that load; a pack that fails is dropped.
    void fLoadXml(pugi::xml_node element) override;
    void fSaveXml(pugi::xml_node element) const override;
    // False when the record runs short or holds a bad count; the player is then left as it was.
    // Without a layout: read in the one the shell's settings expect, written in the current one.
    bool fLoadBinary(ZOR::ZC_BINARY_STREAM* stream) override;
    bool fSaveBinary(ZOR::ZC_BINARY_STREAM* stream) const override;
    bool fLoadBinary(ZOR::ZC_BINARY_STREAM* stream, const GG_SAVE_LAYOUT& layout);
    bool fSaveBinary(ZOR::ZC_BINARY_STREAM* stream, const GG_SAVE_LAYOUT& layout) const;

    GG_PACK* fGetPack(int32_t packId) const;
    bool fIsPackOpen(int32_t packId) const;
    GG_LEVEL* fGetLevel(int32_t packId, int32_t levelId) const;
    int fGetPackCount() const { return int(packs.size()); }
    GG_PACK* fGetPackAt(int index) const;
    uint32_t fGetTotalStars() const;
    int fCountThreeStarLevels() const;
    // The packs whose InAppKey is that product id; the caller owns the list, not the packs.
    std::vector<GG_PACK*> fGetPacksByInAppKey(const std::string& productId) const;
    // A new pack record appended to the player's progress.
    void fAddPack(std::unique_ptr<GG_PACK> pack);

    // The level's stars and best time after a win, then the levels and packs it opens: the
    // pack's next level and, by the edition, later packs by total stars or the next pack's
    // first level after the last one. False when the player has no such pack or level.
    bool fRecordWin(int32_t packId, int32_t levelId, int errors, float levelTime);

    GG_HEALTH& fGetHealth() { return health; }
    const GG_HEALTH& fGetHealth() const { return health; }
    void fUpdateHealth() { health.fTick(); }

    GG_STATISTIC statistic;

private:
    bool fReadRecord(ZOR::ZC_BINARY_STREAM* stream, const GG_SAVE_LAYOUT& layout);

    std::vector<std::unique_ptr<GG_PACK>> packs;
    GG_HEALTH health;
};
}

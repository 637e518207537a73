#include "game/puzzle/GG_PLAYER.h"

#include <algorithm>
#include <cmath>

#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZC_WIDE_STRING.h"
#include "engine/files/ZC_BINARY_STREAM.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"

using ZOR::ZC_BINARY_STREAM;

namespace game
{
const char* const ITEM_START_HINT = "start_hint";
const char* const ITEM_REFILL_HINT = "refill_hint";
const char* const ITEM_HEALTH = "health";
const char* const ITEM_REFILL_HEALTH = "refill_health";
const char* const ITEM_ERRORS = "errors";
const char* const ITEM_SECOND_CHANCE = "second_chance";

// ---- statistics ----

void GG_STATISTIC::fAddScore(uint32_t value)
{
    score += value;
    maxScore = std::max(maxScore, score);
}

std::wstring GG_STATISTIC::fFormatScore() const
{
    wchar_t text[7];
    ZOR::fWideFormat(text, 7, L"%i", int(score));
    return text;
}

void GG_STATISTIC::fOnLevelWon(uint32_t hintsUsed, uint32_t errors, uint32_t levelScore, float levelTime)
{
    if (hintsUsed != 0)
        withoutHint = 0;
    else
        withoutHintMax = std::max(withoutHintMax, ++withoutHint);
    if (errors != 0)
        withoutError = 0;
    else
        withoutErrorMax = std::max(withoutErrorMax, ++withoutError);
    badLevel = 0;
    fAddScore(levelScore);
    if (minLevelTime == 0.0f || levelTime < minLevelTime)
        minLevelTime = levelTime;
}

void GG_STATISTIC::fOnLevelLost()
{
    badLevelMax = std::max(badLevelMax, ++badLevel);
    withoutError = 0;
    withoutHint = 0;
}

void GG_STATISTIC::fLoadXml(pugi::xml_node element)
{
    if (!element)
        return;
    health = element.attribute("health").as_int();
    score = element.attribute("score").as_uint();
    maxScore = element.attribute("max_score").as_uint(score);
    hintUse = element.attribute("hint_use").as_uint();
    withoutHintMax = element.attribute("without_hint_max").as_uint();
    withoutHint = element.attribute("without_hint").as_uint();
    withoutErrorMax = element.attribute("without_error_max").as_uint();
    withoutError = element.attribute("without_error").as_uint();
    badLevelMax = element.attribute("bad_level_max").as_uint();
    badLevel = element.attribute("bad_level").as_uint();
    minLevelTime = element.attribute("min_level_time").as_float();
}

void GG_STATISTIC::fSaveXml(pugi::xml_node element) const
{
    element.append_attribute("health") = health;
    element.append_attribute("score") = score;
    element.append_attribute("max_score") = maxScore;
    element.append_attribute("hint_use") = hintUse;
    element.append_attribute("without_hint_max") = withoutHintMax;
    element.append_attribute("without_hint") = withoutHint;
    element.append_attribute("without_error_max") = withoutErrorMax;
    element.append_attribute("without_error") = withoutError;
    element.append_attribute("bad_level_max") = badLevelMax;
    element.append_attribute("bad_level") = badLevel;
    element.append_attribute("min_level_time") = fFormatReal(minLevelTime).c_str();
}

// ---- hearts ----

namespace
{
int32_t (*zcHEART_CLOCK)() = nullptr;
}

int32_t GG_HEALTH::fNow()
{
    // The stamps are 32-bit in the save file.
    return zcHEART_CLOCK ? zcHEART_CLOCK() : int32_t(ZOR::fGetUnixTime());
}

void GG_HEALTH::fSetClock(int32_t (*clock)())
{
    zcHEART_CLOCK = clock;
}

GG_HEALTH::GG_HEALTH(const GG_HEALTH& other, GG_PLAYER* owner)
    : refilling(other.refilling), count(other.count), refillPeriod(other.refillPeriod), countdown(other.countdown),
      stamps(other.stamps), owner(owner)
{
}

GG_HEALTH& GG_HEALTH::operator=(const GG_HEALTH& other)
{
    refilling = other.refilling;
    count = other.count;
    refillPeriod = other.refillPeriod;
    countdown = other.countdown;
    stamps = other.stamps;
    return *this;
}

int32_t GG_HEALTH::fGetMaximum() const
{
    return owner ? owner->fGetItemCount(ITEM_HEALTH) : 0;
}

bool GG_HEALTH::fLoseHeart()
{
    if (count <= 0)
        return false;
    // A full block has no timer to queue behind: stamps left from earlier (a block that was
    // refilled past them, or a file written so) would date this heart in the past and give
    // it back at once.
    if (count >= fGetMaximum())
        stamps.clear();
    --count;
    // Timers run one after another: a heart lost while another refills waits for it.
    const int64_t stamp = stamps.empty() ? int64_t(fNow()) : int64_t(stamps.back()) + refillPeriod;
    stamps.push_back(int32_t(stamp));
    fUpdateRefill();
    return true;
}

bool GG_HEALTH::fRefillHeart()
{
    if (count >= fGetMaximum())
        return false;
    ++count;
    if (!stamps.empty())
        stamps.pop_front();
    fUpdateRefill();
    return true;
}

bool GG_HEALTH::fUpdateRefill()
{
    const int64_t now = fNow();
    const int32_t maximum = fGetMaximum();
    // A loop, not the refill's recursion: a long absence or a damaged file may hold many stamps.
    for (;;)
    {
        if (count >= maximum)
        {
            refilling = false;
            countdown = 0.0;
            return false;
        }
        if (stamps.empty())
            return refilling;
        // 64-bit, so that a stamp far in the past or future cannot overflow.
        const int64_t oldest = stamps.front();
        if (now - oldest < refillPeriod)
        {
            refilling = true;
            countdown = double(oldest + refillPeriod - now);
            return true;
        }
        ++count;
        stamps.pop_front();
    }
}

void GG_HEALTH::fTick()
{
    if (!refilling)
        return;
    countdown -= ZOR::zcFRAME_DELTA;
    if (countdown > 0.0)
        return;
    // A block read from XML may say it refills with every heart there: it just stops, and
    // gains no stamp that a later loss would queue behind.
    if (!fRefillHeart())
    {
        fUpdateRefill();
        return;
    }
    // Without a stamp (a block read from XML) nothing would reset the countdown, and every
    // frame would then give a heart; the next heart's timer starts now instead.
    if (refilling && stamps.empty() && count < fGetMaximum() && countdown <= 0.0)
    {
        stamps.push_back(fNow());
        fUpdateRefill();
    }
}

void GG_HEALTH::fLoadXml(pugi::xml_node element)
{
    refilling = element.attribute("increment").as_bool();
    count = element.attribute("count").as_int();
    countdown = double(element.attribute("countdown").as_float());
    // Read as a real number and cut toward zero, within what 32 bits hold.
    const double period = element.attribute("time_refill_heart").as_double();
    refillPeriod = std::isnan(period) ? 0 : int32_t(std::clamp(period, double(INT32_MIN), double(INT32_MAX)));
    stamps.clear();
}

void GG_HEALTH::fSaveXml(pugi::xml_node element) const
{
    element.append_attribute("increment") = refilling ? "true" : "false";
    element.append_attribute("count") = count;
    element.append_attribute("countdown") = fFormatReal(countdown).c_str();
    element.append_attribute("time_refill_heart") = refillPeriod;
}

// ---- player ----

GG_PLAYER::GG_PLAYER(const GG_PLAYER& other)
    : gPlayer(other), statistic(other.statistic), health(other.health, this)
{
    packs.reserve(other.packs.size());
    for (const auto& pack : other.packs)
        packs.push_back(std::make_unique<GG_PACK>(*pack));
}

GG_PLAYER& GG_PLAYER::operator=(const GG_PLAYER& other)
{
    if (this == &other)
        return *this;
    std::vector<std::unique_ptr<GG_PACK>> copied;
    copied.reserve(other.packs.size());
    for (const auto& pack : other.packs)
        copied.push_back(std::make_unique<GG_PACK>(*pack));
    gPlayer::operator=(other);
    statistic = other.statistic;
    health = other.health;
    packs.swap(copied);
    return *this;
}

GG_PACK* GG_PLAYER::fGetPack(int32_t packId) const
{
    for (const auto& pack : packs)
        if (pack->fGetId() == packId)
            return pack.get();
    return nullptr;
}

GG_PACK* GG_PLAYER::fGetPackAt(int index) const
{
    if (index < 0 || size_t(index) >= packs.size())
        return nullptr;
    return packs[size_t(index)].get();
}

bool GG_PLAYER::fIsPackOpen(int32_t packId) const
{
    const GG_PACK* pack = fGetPack(packId);
    return pack && pack->fHasOpenLevel();
}

GG_LEVEL* GG_PLAYER::fGetLevel(int32_t packId, int32_t levelId) const
{
    const GG_PACK* pack = fGetPack(packId);
    return pack ? pack->fGetLevel(levelId) : nullptr;
}

uint32_t GG_PLAYER::fGetTotalStars() const
{
    uint32_t total = 0;
    for (const auto& pack : packs)
        total += pack->fCountStars();
    return total;
}

int GG_PLAYER::fCountThreeStarLevels() const
{
    int found = 0;
    for (const auto& pack : packs)
        for (int i = 0; i < pack->fGetLevelCount(); ++i)
            if (pack->fGetLevelAt(i)->fGetStars() == 3)
                ++found;
    return found;
}

std::vector<GG_PACK*> GG_PLAYER::fGetPacksByInAppKey(const std::string& productId) const
{
    std::vector<GG_PACK*> found;
    for (const auto& pack : packs)
        if (pack->fGetInAppKey() == productId)
            found.push_back(pack.get());
    return found;
}

void GG_PLAYER::fAddPack(std::unique_ptr<GG_PACK> pack)
{
    if (pack)
        packs.push_back(std::move(pack));
}

bool GG_PLAYER::fRecordWin(int32_t packId, int32_t levelId, int errors, float levelTime)
{
    GG_PACK* pack = fGetPack(packId);
    GG_LEVEL* level = pack ? pack->fGetLevel(levelId) : nullptr;
    if (!level)
        return false;
    level->fSetStars(errors == 0 ? 3 : errors == 1 ? 2 : 1);
    level->fSetBestTime(levelTime);

    const bool last = pack->fIsLastLevel(level);
    if (!last)
        if (GG_LEVEL* next = pack->fGetLevel(levelId + 1))
            next->fSetLock(0);

    if (fGetPlayerShell().packLogicStars)
    {
        const int32_t total = int32_t(fGetTotalStars());
        for (int32_t id = packId + 1; GG_PACK* later = fGetPack(id); ++id)
            later->fUpdateFirstLevelLock(total);
    }
    else if (last)
    {
        if (GG_PACK* following = fGetPack(packId + 1))
            if (GG_LEVEL* first = following->fGetLevelAt(0))
                first->fSetLock(0);
    }
    return true;
}

void GG_PLAYER::fLoadXml(pugi::xml_node element)
{
    gPlayer::fLoadXml(element);
    for (pugi::xml_node child : element.child("packs").children())
    {
        auto pack = std::make_unique<GG_PACK>();
        if (pack->fLoadXml(child))
            packs.push_back(std::move(pack));
    }
    health.fLoadXml(element.child("health"));
    statistic.fLoadXml(element.child("statisctic"));
}

void GG_PLAYER::fSaveXml(pugi::xml_node element) const
{
    gPlayer::fSaveXml(element);
    pugi::xml_node list = element.append_child("packs");
    for (const auto& pack : packs)
        pack->fSaveXml(list.append_child("pack"));
    statistic.fSaveXml(element.append_child("statisctic"));
    health.fSaveXml(element.append_child("health"));
}

bool GG_PLAYER::fSaveBinary(ZC_BINARY_STREAM* stream) const
{
    return fSaveBinary(stream, fGetWriteLayout());
}

bool GG_PLAYER::fSaveBinary(ZC_BINARY_STREAM* stream, const GG_SAVE_LAYOUT& layout) const
{
    if (!gPlayer::fSaveBinary(stream))
        return false;
    stream->fWriteBool(&health.refilling);
    stream->fWriteInt(&health.count);
    stream->fWriteInt64(&health.countdown);
    stream->fWriteInt(&health.refillPeriod);
    const uint32_t stampCount = uint32_t(health.stamps.size());
    stream->fWriteUInt(&stampCount);
    for (const int32_t stamp : health.stamps)
        stream->fWriteInt(&stamp);

    stream->fWriteInt(&statistic.health);
    for (const uint32_t* value : {&statistic.score, &statistic.hintUse, &statistic.withoutHintMax,
                                  &statistic.withoutHint, &statistic.withoutErrorMax, &statistic.withoutError,
                                  &statistic.badLevelMax, &statistic.badLevel})
        stream->fWriteUInt(value);
    stream->fWriteFloat(&statistic.minLevelTime);
    if (layout.maxScore)
        stream->fWriteUInt(&statistic.maxScore);

    const uint32_t packCount = uint32_t(packs.size());
    stream->fWriteUInt(&packCount);
    for (const auto& pack : packs)
        pack->fSaveBinary(stream, layout.inApp);
    return !stream->fHasFailed();
}

bool GG_PLAYER::fLoadBinary(ZC_BINARY_STREAM* stream)
{
    return fLoadBinary(stream, fGetExpectedLayout());
}

bool GG_PLAYER::fLoadBinary(ZC_BINARY_STREAM* stream, const GG_SAVE_LAYOUT& layout)
{
    if (!stream || stream->fHasFailed())
        return false;
    // Read into a copy so that a record cut short leaves this player as it was.
    GG_PLAYER read(*this);
    if (!read.fReadRecord(stream, layout))
        return false;
    *this = read;
    return true;
}

bool GG_PLAYER::fReadRecord(ZC_BINARY_STREAM* stream, const GG_SAVE_LAYOUT& layout)
{
    if (!gPlayer::fLoadBinary(stream))
        return false;
    stream->fReadBool(&health.refilling);
    stream->fReadInt(&health.count);
    stream->fReadInt64(&health.countdown);
    stream->fReadInt(&health.refillPeriod);
    uint32_t stampCount = 0;
    stream->fReadUInt(&stampCount);
    // A damaged count runs into the end of the file, one stamp at a time.
    for (uint32_t i = 0; i < stampCount && !stream->fHasFailed(); ++i)
    {
        int32_t stamp = 0;
        stream->fReadInt(&stamp);
        health.stamps.push_back(stamp);
    }

    stream->fReadInt(&statistic.health);
    for (uint32_t* value : {&statistic.score, &statistic.hintUse, &statistic.withoutHintMax, &statistic.withoutHint,
                            &statistic.withoutErrorMax, &statistic.withoutError, &statistic.badLevelMax,
                            &statistic.badLevel})
        stream->fReadUInt(value);
    stream->fReadFloat(&statistic.minLevelTime);
    if (layout.maxScore)
        stream->fReadUInt(&statistic.maxScore);
    else
        statistic.maxScore = statistic.score;

    uint32_t packCount = 0;
    stream->fReadUInt(&packCount);
    for (uint32_t i = 0; i < packCount && !stream->fHasFailed(); ++i)
    {
        auto pack = std::make_unique<GG_PACK>();
        if (!pack->fLoadBinary(stream, layout.inApp))
            break;
        packs.push_back(std::move(pack));
    }
    return !stream->fHasFailed();
}
}

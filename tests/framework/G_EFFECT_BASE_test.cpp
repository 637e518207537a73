// Effect queues: steps strictly one after another, each handler in the frame its step ends.
#include "framework/G_EFFECT_BASE.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/core/ZC_TIMER.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
// What happened, in order: "t<name>" for a tick, "h<element>" for a handler, "~<name>" for a deletion.
std::vector<std::string> gLog;

// Finishes on its n-th tick.
class ZT_COUNTDOWN : public ZC_BASE
{
public:
    ZT_COUNTDOWN(const char* aname, int ticks) : left(ticks) { name = aname; }
    ~ZT_COUNTDOWN() override { gLog.push_back("~" + name); }
    int fMessage(int message, float, float, float, void*) override
    {
        if (message != zcMESSAGE_TICK)
            return 0;
        gLog.push_back("t" + name);
        return --left <= 0 ? zcANSWER_DELETE_ME : 0;
    }
    int left;
};

using EFFECT = G_EFFECT_T<const char*>;

void fRecord(void* calls, const char* element)
{
    ++*static_cast<int*>(calls);
    gLog.push_back(std::string("h") + element);
}

EFFECT::HANDLER fHandler(int* calls)
{
    EFFECT::HANDLER h;
    h.object = calls;
    h.function = fRecord;
    return h;
}

struct Effects : ::testing::Test
{
    void SetUp() override { gLog.clear(); }
};
}

TEST_F(Effects, StepsRunOneAfterAnotherWithTheirHandlers)
{
    int handled = 0;
    auto* effect = new EFFECT;
    const char* names[3] = {"A", "B", "C"};
    const int ticks[3] = {2, 1, 3};
    for (int i = 0; i < 3; ++i)
    {
        effect->fAddStepWithHandler(fHandler(&handled), names[i]);
        effect->fGetLastStep()->fAdd(new ZT_COUNTDOWN(names[i], ticks[i]));
    }
    gEffects effects;
    effects.fAdd(effect);

    std::vector<std::vector<std::string>> perCall;
    for (int call = 1; call <= 7; ++call)
    {
        gLog.clear();
        effects.fUpdate();
        perCall.push_back(gLog);
    }
    const std::vector<std::vector<std::string>> expected = {
        {"tA"},
        {"tA", "~A", "hA"},      // step 1 ends in call 2
        {"tB", "~B", "hB"},      // step 2 gets its first tick only now, and ends
        {"tC"},
        {"tC"},
        {"tC", "~C", "hC"},      // the last step ends and the effect is deleted
        {},
    };
    EXPECT_EQ(perCall, expected);
    EXPECT_EQ(handled, 3);
    EXPECT_EQ(effects.fGetCount(), 0u);
}

TEST_F(Effects, EmptyStepsAndStepsWithoutHandler)
{
    int handled = 0;
    EFFECT effect;
    effect.fAddStepWithHandler(fHandler(&handled), "empty");
    effect.fAddStep(); // no handler
    effect.fAddStepWithHandler(EFFECT::HANDLER(), "null function");
    effect.fGetLastStep()->fAdd(new ZT_COUNTDOWN("X", 1));

    EXPECT_FALSE(effect.fUpdate()) << "an empty step costs one call";
    EXPECT_EQ(gLog, (std::vector<std::string>{"hempty"}));
    EXPECT_FALSE(effect.fUpdate()) << "a step without a handler ends silently";
    EXPECT_TRUE(effect.fUpdate());
    EXPECT_EQ(gLog, (std::vector<std::string>{"hempty", "tX", "~X"}));
    EXPECT_EQ(handled, 1);

    // An effect without steps never ends.
    EXPECT_FALSE(effect.fUpdate());
}

TEST_F(Effects, EveryRunningEffectIsUpdatedOncePerCall)
{
    gEffects effects;
    effects.fAdd(nullptr);
    EXPECT_EQ(effects.fGetCount(), 0u);

    auto* a = new EFFECT;
    a->fAddStep();
    a->fGetLastStep()->fAdd(new ZT_COUNTDOWN("A", 1));
    auto* b = new EFFECT;
    b->fAddStep();
    b->fGetLastStep()->fAdd(new ZT_COUNTDOWN("B", 2));
    auto* idle = new EFFECT; // no steps: stays until the list goes
    effects.fAdd(a);
    effects.fAdd(idle);
    effects.fAdd(b);

    effects.fUpdate();
    EXPECT_EQ(gLog, (std::vector<std::string>{"tA", "~A", "tB"})) << "B is updated in the call that ends A";
    EXPECT_EQ(effects.fGetCount(), 2u);
    effects.fUpdate();
    EXPECT_EQ(effects.fGetCount(), 1u);
}

TEST_F(Effects, DestroyingTheListDropsRemainingStepsWithoutHandlers)
{
    int handled = 0;
    {
        gEffects effects;
        auto* effect = new EFFECT;
        effect->fAddStepWithHandler(fHandler(&handled), "first");
        effect->fGetLastStep()->fAdd(new ZT_COUNTDOWN("A", 5));
        effect->fAddStepWithHandler(fHandler(&handled), "second");
        effect->fGetLastStep()->fAdd(new ZT_COUNTDOWN("B", 1));
        effects.fAdd(effect);
        effects.fUpdate();
    }
    EXPECT_EQ(handled, 0);
    // The behaviour objects of unfinished steps go with the effect, ticked or not.
    EXPECT_EQ(gLog, (std::vector<std::string>{"tA", "~A", "~B"}));
}

namespace
{
struct ZT_CHAIN
{
    EFFECT* effect;
    int added = 0;
};

// A handler that appends a further step to its own effect.
void fAppendStep(void* data, const char*)
{
    auto* chain = static_cast<ZT_CHAIN*>(data);
    if (chain->added++ == 0)
    {
        chain->effect->fAddStep();
        chain->effect->fGetLastStep()->fAdd(new ZT_COUNTDOWN("late", 1));
    }
}
}

TEST_F(Effects, AHandlerMayAppendAStepAndTimedBotsDriveTheSteps)
{
    const float saved = zcFRAME_DELTA;
    zcFRAME_DELTA = 0.25f;
    auto* effect = new EFFECT;
    ZT_CHAIN chain{effect};
    EFFECT::HANDLER handler;
    handler.object = &chain;
    handler.function = fAppendStep;
    // A half-second wait as the level screen builds one: two frames of 0.25 s.
    effect->fAddStepWithHandler(handler, "wait");
    effect->fGetLastStep()->fAdd(fCreateBotSleep(nullptr, nullptr, 0.5f, 0.0f));
    gEffects effects;
    effects.fAdd(effect);

    effects.fUpdate();
    EXPECT_TRUE(gLog.empty());
    effects.fUpdate();
    EXPECT_EQ(chain.added, 1) << "the wait ends in the second frame";
    EXPECT_EQ(effects.fGetCount(), 1u) << "the appended step keeps the effect running";
    effects.fUpdate();
    EXPECT_EQ(gLog, (std::vector<std::string>{"tlate", "~late"}));
    EXPECT_EQ(effects.fGetCount(), 0u);
    zcFRAME_DELTA = saved;
}

namespace
{
struct ZT_WATCH
{
    EFFECT* effect = nullptr;
    gEffects* effects = nullptr;
    size_t stepsSeen = 0;
};

// Notes how many steps its effect still holds, and starts a second effect.
void fStartAnother(void* data, const char*)
{
    auto* watch = static_cast<ZT_WATCH*>(data);
    watch->stepsSeen = watch->effect->fGetStepCount();
    auto* other = new EFFECT;
    other->fAddStep();
    other->fGetLastStep()->fAdd(new ZT_COUNTDOWN("other", 2));
    watch->effects->fAdd(other);
}
}

TEST_F(Effects, AHandlerRunsBeforeItsStepGoesAndAnEffectItStartsRunsInTheSameCall)
{
    gEffects effects;
    auto* effect = new EFFECT;
    ZT_WATCH watch{effect, &effects};
    EFFECT::HANDLER handler;
    handler.object = &watch;
    handler.function = fStartAnother;
    effect->fAddStepWithHandler(handler, "landed");
    effect->fGetLastStep()->fAdd(new ZT_COUNTDOWN("A", 1));
    effect->fAddStep();
    effect->fGetLastStep()->fAdd(new ZT_COUNTDOWN("B", 1));
    effects.fAdd(effect);

    effects.fUpdate();
    EXPECT_EQ(watch.stepsSeen, 2u) << "the handler sees its own step still queued";
    EXPECT_EQ(gLog, (std::vector<std::string>{"tA", "~A", "tother"})) << "the new effect ticks in the same call";
    EXPECT_EQ(effects.fGetCount(), 2u);
    effects.fUpdate();
    EXPECT_EQ(effects.fGetCount(), 0u) << "both end in the next call";
}

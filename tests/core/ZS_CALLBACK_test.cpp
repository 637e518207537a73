#include <gtest/gtest.h>

#include <cstdint>

#include "engine/core/ZS_CALLBACK.h"

using namespace ZOR;

namespace
{
void* gSeen = nullptr;
int fRemember(void* argument)
{
    gSeen = argument;
    return 42;
}
}

TEST(Callback, FiringAnswersByWhatTheRecordHolds)
{
    int target = 0, other = 0;
    ZS_CALLBACK withTarget(fRemember, "onClick", &target);
    ZS_CALLBACK noFunction(nullptr, nullptr, &target);

    EXPECT_EQ(-108, fInvoke(nullptr, &other)) << "a missing record";
    EXPECT_EQ(0, fInvoke(&noFunction, &other)) << "a record without function";

    gSeen = nullptr;
    EXPECT_EQ(42, fInvoke(&withTarget, nullptr));
    EXPECT_EQ(&target, gSeen) << "no argument: the target stands in";
    EXPECT_EQ(42, fInvoke(&withTarget, &other));
    EXPECT_EQ(&other, gSeen) << "a given argument wins";

    // Key code 0 is a null argument too, so the target replaces it.
    EXPECT_EQ(42, fInvoke(&withTarget, reinterpret_cast<void*>(intptr_t(0))));
    EXPECT_EQ(&target, gSeen);

    EXPECT_EQ("onClick", withTarget.name);
    EXPECT_EQ("", noFunction.name) << "a null name is empty";
}

TEST(Callback, EmptySlotsAnswerMissingRecordAndTheBannerStands)
{
    for (ZS_CALLBACK* slot : {zcON_START, zcON_FILE_ERROR, zcON_LOOP_STEP, zcON_MAIN})
        EXPECT_EQ(-108, fInvoke(slot));
    EXPECT_EQ("Created with Zorvane2 30.07.12", zcLAST_ERROR);
}

TEST(Callback, CreatedRecordsCarryTheirFields)
{
    int target = 0;
    ZS_CALLBACK* record = fCreateCallback(fRemember, "name", &target);
    EXPECT_EQ(&target, record->target);
    EXPECT_EQ(fRemember, record->function);
    delete record;
}

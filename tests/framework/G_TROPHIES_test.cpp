#include <gtest/gtest.h>

#include "framework/G_TROPHIES.h"
#include "ZT_FIXTURE_REPOSITORY.h"

#include <climits>
#include <cmath>
#include <string>

using namespace ZOR_GF;

namespace
{
// A trophy of one condition, read from its XML text.
struct ZS_ONE_CONDITION
{
    ZS_ONE_CONDITION(const std::string& name, const std::string& type, const std::string& op, const std::string& target)
    {
        const std::string text = "<trophy name=\"t\"><condition name=\"" + name + "\" value_type=\"" + type +
                                 "\" value=\"" + target + "\" operator=\"" + op + "\"/></trophy>";
        EXPECT_TRUE(document.load_string(text.c_str()));
        trophy = std::make_unique<G_TROPHY>(document.first_child());
    }

    pugi::xml_document document;
    std::unique_ptr<G_TROPHY> trophy;
};

const float NaN = std::nanf("");
const float INF = INFINITY;
}

TEST(Trophy, ConditionsGiveComparisonsOrProgress)
{
    using V = G_TROPHY_VALUE;
    struct
    {
        const char* type;
        const char* op;
        const char* target;
        G_TROPHY_VALUE fed;
        float result;
        bool achieved;
        const char* why;
    } const cases[] = {
        {"int", ">=", "5", V::fFromInt("", 4), 0.0f, false, "progress truncated"},
        {"int", ">=", "5", V::fFromInt("", 12), 2.0f, true, "progress 12/5"},
        {"int", "==", "3", V::fFromInt("", 7), 2.0f, true, "== is progress too"},
        {"int", ">=", "-5", V::fFromInt("", -10), 2.0f, true, "signed division"},
        {"int", "<", "0", V::fFromInt("", -1), 1.0f, true, "comparison"},
        {"int", "!=", "3", V::fFromInt("", 3), 0.0f, false, "comparison"},
        {"int", "<=", "3", V::fFromInt("", 3), 1.0f, true, "comparison"},
        {"int", ">=", "0", V::fFromInt("", 5), INF, true, "zero target: as a float division, no trap"},
        {"int", ">=", "0", V::fFromInt("", 0), NaN, false, "zero by zero"},
        {"int", ">=", "-1", V::fFromInt("", INT_MIN), 2147483648.0f, true, "no overflow trap"},
        {"uint", ">=", "4000000000", V::fFromUInt("", 4000000000u), 1.0f, true, "unsigned target"},
        {"uint", ">", "1", V::fFromUInt("", 0xFFFFFFFFu), 1.0f, true, "unsigned comparison"},
        {"uint", "==", "0", V::fFromUInt("", 0), NaN, false, "zero by zero"},
        {"float", ">=", "0", V::fFromFloat("", 0.0f), NaN, false, "NaN never achieves"},
        {"float", ">=", "0", V::fFromFloat("", 1.0f), INF, true, "infinity achieves"},
        {"float", ">=", "4", V::fFromFloat("", 3.0f), 0.75f, false, "fractional progress"},
        {"float", ">", "1.5", V::fFromFloat("", 2.0f), 1.0f, true, "comparison"},
        {"bool", ">", "false", V::fFromBool("", true), 1.0f, true, "flags compare"},
        {"bool", ">=", "true", V::fFromBool("", true), 1.0f, true, ">= on flags is equality"},
        {"bool", ">=", "true", V::fFromBool("", false), 0.0f, false, ">= on flags is equality"},
        {"bool", "==", "no", V::fFromUInt("", 0x100), 1.0f, true, "only the first byte counts"},
        {"double", "==", "yes", V::fFromBool("", true), 1.0f, true, "unknown type reads as bool"},
        {"int", "=>", "2", V::fFromInt("", 4), 2.0f, true, "unknown operator reads as >="},
    };
    for (const auto& c : cases)
    {
        ZS_ONE_CONDITION one("", c.type, c.op, c.target);
        ASSERT_EQ(1u, one.trophy->fGetConditions().size()) << c.why;
        const float result = fEvaluateTrophyCondition(one.trophy->fGetConditions().front(), c.fed);
        if (std::isnan(c.result))
        {
            EXPECT_TRUE(std::isnan(result)) << c.type << " " << c.op << " " << c.target << ": " << c.why;
        }
        else
        {
            EXPECT_EQ(c.result, result) << c.type << " " << c.op << " " << c.target << ": " << c.why;
        }
        EXPECT_EQ(c.achieved, one.trophy->fUpdate(c.fed)) << c.type << " " << c.op << " " << c.target << ": " << c.why;
    }
}

TEST(Trophy, AValueOfAnotherNameLeavesItUnchanged)
{
    ZS_ONE_CONDITION one("stars", "int", ">=", "1");
    EXPECT_EQ(0.0f, fEvaluateTrophyCondition(one.trophy->fGetConditions().front(), G_TROPHY_VALUE::fFromInt("", 9)));
    EXPECT_FALSE(one.trophy->fUpdate(G_TROPHY_VALUE::fFromInt("", 9)));
    EXPECT_TRUE(one.trophy->fUpdate(G_TROPHY_VALUE::fFromInt("stars", 9)));
}

TEST(Trophy, IsAchievedOnceAndStaysSo)
{
    ZS_ONE_CONDITION one("", "int", ">=", "5");
    EXPECT_FALSE(one.trophy->fUpdate(G_TROPHY_VALUE::fFromInt("", 4)));
    EXPECT_TRUE(one.trophy->fUpdate(G_TROPHY_VALUE::fFromInt("", 12)));
    EXPECT_FALSE(one.trophy->fUpdate(G_TROPHY_VALUE::fFromInt("", 12)));
    EXPECT_FALSE(one.trophy->fUpdate(G_TROPHY_VALUE::fFromInt("", 0)));
    EXPECT_TRUE(one.trophy->fIsAchieved());
}

using Trophies = ZT_TEST::FixtureRepository;

TEST_F(Trophies, LoadsEveryChildOfTrophiesAndHandsTheDocumentBack)
{
    G_TROPHIES trophies;
    ASSERT_TRUE(trophies.fLoad("trophies.xml"));
    EXPECT_EQ(0, fUsers("trophies.xml"));
    EXPECT_EQ(6, trophies.fGetCount());

    const G_TROPHY* stars = trophies.fFindTrophy("tr_stars_1");
    ASSERT_NE(nullptr, stars);
    EXPECT_EQ("gc.stars1", stars->fGetGcId());
    EXPECT_EQ("tr_stars_1_desc", stars->fGetDesc());
    EXPECT_EQ("open.png", stars->fGetImageOpen());
    EXPECT_EQ("closed.png", stars->fGetImageClose());
    EXPECT_EQ(50, stars->fGetBonus());

    // Loading again appends; look-ups find the first.
    ASSERT_TRUE(trophies.fLoad("trophies.xml"));
    EXPECT_EQ(12, trophies.fGetCount());
    EXPECT_EQ(trophies.fGetTrophy(0), trophies.fFindTrophy("tr_stars_1"));
}

TEST_F(Trophies, MissingFileOrRootLoadsNothing)
{
    G_TROPHIES trophies;
    EXPECT_FALSE(trophies.fLoad("missing.xml"));
    EXPECT_FALSE(trophies.fLoad("no_trophies.xml"));
    EXPECT_EQ(0, fUsers("no_trophies.xml"));
    EXPECT_EQ(0, trophies.fGetCount());
}

TEST_F(Trophies, UpdatesByNameNeedExactlyOneCondition)
{
    G_TROPHIES trophies;
    ASSERT_TRUE(trophies.fLoad("trophies.xml"));
    const G_TROPHY_VALUE one = G_TROPHY_VALUE::fFromInt("", 1);
    const std::pair<const char*, bool> cases[] = {
        {"two_conditions", false}, // two conditions: never
        {"with_sibling", false},   // the element after "condition" is a second one
        {"incomplete", false},     // every condition skipped
        {"after_first", true},     // the element before "condition" is not one
        {"nobody", false},
    };
    for (const auto& [name, achieved] : cases)
    {
        EXPECT_EQ(achieved, trophies.fUpdateTrophy(name, one)) << name;
        EXPECT_EQ(achieved, trophies.fIsAchieved(name)) << name;
    }
    EXPECT_TRUE(trophies.fUpdateTrophy("pc_tr_hint_use", G_TROPHY_VALUE::fFromUInt("", 3)));

    trophies.fResetAll();
    for (int i = 0; i < trophies.fGetCount(); ++i)
        EXPECT_FALSE(trophies.fGetTrophy(i)->fIsAchieved());
    EXPECT_TRUE(trophies.fUpdateTrophy("after_first", one));
}

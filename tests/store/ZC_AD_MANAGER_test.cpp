#include <gtest/gtest.h>

#include "engine/store/ZC_AD_DELEGATE.h"
#include "engine/store/ZC_AD_MANAGER.h"

using namespace ZOR;

namespace
{
const char* const kPlacements = R"(<ads>
  <placement name="apple_top" provider="apple" location="top"/>
  <placement name="flurry_top" provider="flurry" location="bottom"/>
  <placement name="quellmoor_fs" provider="quellmoor" location="fullscreen"/>
  <placement provider="apple" location="t"/>
  <placement name="capital_provider" provider="Apple" location="top"/>
  <placement name="capital_location" provider="apple" location="Top"/>
  <placement name="no_location" provider="apple"/>
  <placement name="no_provider" location="top"/>
  <placement name="unknown_provider" provider="admob" location="top"/>
  <placement name="unknown_location" provider="flurry" location="middle"/>
  <placement name="padded" provider="apple " location="top"/>
</ads>)";

struct ZT_DELEGATE : ZC_AD_DELEGATE
{
    void fOnPlacementEventA(ZC_AD_MANAGER*, ZS_AD_PLACEMENT*) override {}
    void fOnPlacementEventB(ZC_AD_MANAGER*, ZS_AD_PLACEMENT*) override {}
    void fOnPlacementEventC(ZC_AD_MANAGER*, ZS_AD_PLACEMENT*) override {}
};
}

TEST(AdManager, PlacementsNeedAnExactProviderAndALowerCaseLocation)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kPlacements));
    ZC_AD_MANAGER ads;
    EXPECT_FALSE(ads.fIsEnabled("anything"));
    EXPECT_TRUE(ads.fLoad(doc.document_element()));

    struct
    {
        const char* name;
        int provider;
        int location;
    } kept[] = {{"apple_top", 0, 1}, {"flurry_top", 1, 2}, {"quellmoor_fs", 2, 3}, {"", 0, 1}};
    ASSERT_EQ(ads.fGetPlacementCount(), std::size(kept));
    for (const auto& k : kept)
    {
        ZS_AD_PLACEMENT* placement = ads.fFindPlacement(k.name);
        ASSERT_NE(placement, nullptr) << k.name;
        EXPECT_EQ(placement->provider, k.provider) << k.name;
        EXPECT_EQ(placement->location, k.location) << k.name;
        EXPECT_TRUE(ads.fHasPlacement(k.name));
    }
    for (const char* skipped : {"capital_provider", "capital_location", "no_location", "no_provider", "unknown_provider",
                                "unknown_location", "padded", "APPLE_TOP"})
        EXPECT_FALSE(ads.fHasPlacement(skipped)) << skipped;

    // A second load is refused and keeps the first placements.
    EXPECT_FALSE(ads.fLoad(doc.document_element()));
    EXPECT_EQ(ads.fGetPlacementCount(), std::size(kept));
}

TEST(AdManager, NoPlacementIsEverShown)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kPlacements));
    ZC_AD_MANAGER ads;
    EXPECT_FALSE(ads.fShowPlacement("apple_top"));
    EXPECT_FALSE(ads.fHasPlacement("apple_top"));
    EXPECT_FALSE(ads.fLoad(pugi::xml_node()));
    EXPECT_FALSE(ads.fIsEnabled(""));

    ASSERT_TRUE(ads.fLoad(doc.document_element()));
    ZT_DELEGATE game;
    ads.fSetDelegate(&game);
    EXPECT_EQ(ads.fGetDelegate(), &game);
    EXPECT_TRUE(ads.fIsEnabled("not a placement"));
    for (const char* name : {"apple_top", "flurry_top", "quellmoor_fs", "missing"})
        EXPECT_FALSE(ads.fShowPlacement(name)) << name;
}

TEST(AdManager, ProviderAndLocationTexts)
{
    struct
    {
        const char* text;
        int provider;
        int location;
    } cases[] = {{"apple", 0, 4}, {"flurry", 1, 3}, {"quellmoor", 2, 4}, {"top", 3, 1}, {"b", 3, 2},
                 {"Flurry", 3, 4}, {"", 3, 4}, {nullptr, 3, 4}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(fParseAdProvider(c.text), c.provider) << (c.text ? c.text : "(null)");
        EXPECT_EQ(fParseAdLocation(c.text), c.location) << (c.text ? c.text : "(null)");
    }
}

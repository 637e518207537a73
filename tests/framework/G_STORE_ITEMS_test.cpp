#include <gtest/gtest.h>

#include "framework/G_STORE_ITEMS.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZOR_GF;

namespace
{
struct StoreFixture : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(document.load_file((ZT_TEST::fDataDir() + "/framework/store.xml").c_str()));
        ASSERT_TRUE(store.fLoad(document.document_element()));
    }

    pugi::xml_document document;
    G_STORE_ITEMS store;
};
}

TEST_F(StoreFixture, TheFirstOfferStillValidForTheOwnedCountWins)
{
    struct
    {
        const char* item;
        int owned;
        int price; // -1: no offer
    } const cases[] = {
        {"health", 0, 100},   {"health", 2, 100},      {"health", 3, 150}, // the skipped element would win here
        {"health", 4, 150},
        {"health", 5, 200},   {"health", 100000, 200}, {"health", -1, 100}, // signed comparison
        {"refill_hint", 1, 10}, {"refill_hint", 2, 20}, {"refill_hint", 4, -1}, // all values reached
        {"errors", 0, 7},     {"errors", 1, 7},        {"errors", 2, -1},  // nested offer first
        {"bundle", 0, 5},     {"broken", 0, -1},       {"Health", 0, -1},  {"unknown", 0, -1},
    };
    for (const auto& c : cases)
    {
        const G_STORE_ITEM* offer = store.fFindItem(c.item, c.owned);
        EXPECT_EQ(c.price, offer ? offer->price : -1) << c.item << " owned " << c.owned;
        if (offer)
        {
            EXPECT_EQ(c.item, offer->name);
        }
    }

    const G_STORE_ITEM* first = store.fFindItem("health", 0);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ("store_health", first->annotation);
    EXPECT_EQ("health.png", first->image);
    EXPECT_EQ("buy_health", first->InAppKey);
    EXPECT_FALSE(first->endless);
}

TEST_F(StoreFixture, CountsOffersByNameAndAnEndlessOneMakesItUnbounded)
{
    const std::pair<const char*, int> cases[] = {
        {"health", -1}, {"refill_hint", 2}, {"errors", 2}, {"bundle", 1}, {"unknown", 0}};
    for (const auto& [item, count] : cases)
        EXPECT_EQ(count, store.fCountItems(item)) << item;

    // A second load appends the same offers again.
    EXPECT_TRUE(store.fLoad(document.document_element()));
    EXPECT_EQ(4, store.fCountItems("refill_hint"));
}

TEST(Store, AMissingElementLoadsNothing)
{
    G_STORE_ITEMS store;
    EXPECT_FALSE(store.fLoad(pugi::xml_node()));
    EXPECT_EQ(nullptr, store.fFindItem("health", 0));
    EXPECT_EQ(0, store.fCountItems("health"));
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/store/ZC_IGP_DELEGATE.h"
#include "engine/store/ZC_INAPP.h"
#include "engine/store/ZC_STORE_PROVIDER.h"
#include "engine/store/ZS_NOTIFICATION.h"

using namespace ZOR;

namespace
{
const char* const kProducts = R"(<inapp>
  <product name="hints5" product_id="com.example.hints5" type="Consumable"/>
  <product name="unlock" product_id="com.example.unlock" type="nonconsumable"/>
  <product name="club" product_id="com.example.club" type="subscription"/>
  <product name="" product_id="" type=""/>
  <product name="no_type" product_id="com.example.none"/>
  <product name="no_id" type="C"/>
  <product product_id="com.example.noname" type="C"/>
  <!-- a comment is not a product -->
  <other name="hearts" product_id="com.example.hearts" type="c">text</other>
</inapp>)";

// A provider that records what the service asks of it.
struct ZT_FAKE_PROVIDER : ZC_STORE_PROVIDER
{
    explicit ZT_FAKE_PROVIDER(std::vector<std::string>& calls, bool initAnswer) : calls(calls), initAnswer(initAnswer) {}
    ~ZT_FAKE_PROVIDER() override { calls.push_back("deleted"); }
    bool fInit(const std::string& key, void* window, ZC_INAPP*) override
    {
        calls.push_back("init " + key + (window ? " window" : ""));
        return initAnswer;
    }
    void fStart() override { calls.push_back("start"); }
    bool fRequest() override { calls.push_back("request"); return true; }
    bool fPurchase(std::string productId) override { calls.push_back("purchase " + productId); return false; }
    bool fDraw() override { calls.push_back("draw"); return true; }
    bool fUpdate() override { calls.push_back("update"); return true; }
    std::vector<std::string>& calls;
    bool initAnswer;
};

const std::string kKey = "0123456789abcdef0123456789abcdef01234567";
}

TEST(InApp, ProductsAreReadFromElementsWithAllThreeAttributes)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kProducts));
    ZC_INAPP inapp;
    int window = 0;
    EXPECT_TRUE(inapp.fLoad(doc.document_element(), kKey, &window));

    struct
    {
        const char* name;
        const char* productId;
        int type;
    } expected[] = {
        {"hints5", "com.example.hints5", 0},
        {"unlock", "com.example.unlock", 1},
        {"club", "com.example.club", 2},
        {"", "", 2},
        {"hearts", "com.example.hearts", 0},
    };
    ASSERT_EQ(inapp.fGetProducts().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
    {
        const ZS_PRODUCT& product = inapp.fGetProducts()[i];
        EXPECT_EQ(product.name, expected[i].name);
        EXPECT_EQ(product.productId, expected[i].productId);
        EXPECT_EQ(product.type, expected[i].type) << product.name;
        EXPECT_EQ(product.available, 0);
    }
    EXPECT_EQ(inapp.fFindProductByName("unlock"), &inapp.fGetProducts()[1]);
    EXPECT_EQ(inapp.fFindProductById("com.example.club"), &inapp.fGetProducts()[2]);
    EXPECT_EQ(inapp.fFindProductByName("no_type"), nullptr);

    // A second load appends; an empty node answers false and adds nothing.
    EXPECT_TRUE(inapp.fLoad(doc.document_element(), kKey, nullptr));
    EXPECT_EQ(inapp.fGetProducts().size(), 2 * std::size(expected));
    EXPECT_FALSE(inapp.fLoad(pugi::xml_node(), kKey, nullptr));
    EXPECT_EQ(inapp.fGetProducts().size(), 2 * std::size(expected));
}

TEST(InApp, WithoutAProviderEveryRequestFails)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kProducts));
    ZC_INAPP* inapp = fGetInApp();
    EXPECT_EQ(inapp, fGetInApp());
    EXPECT_FALSE(inapp->fHasProvider());
    EXPECT_TRUE(inapp->fLoad(doc.document_element(), kKey, nullptr));
    // Even a product marked available cannot be bought without a store.
    inapp->fFindProductByName("hints5")->available = 1;
    for (const char* name : {"hints5", "unlock", "missing", ""})
        EXPECT_FALSE(inapp->fPurchase(name)) << name;
    EXPECT_FALSE(inapp->fProviderRequest());
    EXPECT_FALSE(inapp->fDrawProvider());
    EXPECT_FALSE(inapp->fUpdateProvider());
}

TEST(InApp, AnAttachedProviderIsStartedAskedAndDeleted)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kProducts));
    std::vector<std::string> calls;
    {
        ZC_INAPP inapp;
        inapp.fSetProvider(new ZT_FAKE_PROVIDER(calls, false));
        EXPECT_FALSE(inapp.fLoad(doc.document_element(), kKey, nullptr));
        EXPECT_EQ(calls, std::vector<std::string>({"init " + kKey}));

        calls.clear();
        inapp.fSetProvider(new ZT_FAKE_PROVIDER(calls, true));
        int window = 0;
        EXPECT_TRUE(inapp.fLoad(doc.document_element(), kKey, &window));
        inapp.fFindProductByName("unlock")->available = 0x100;  // only the low byte counts
        inapp.fFindProductByName("club")->available = 1;
        EXPECT_FALSE(inapp.fPurchase("unlock"));
        EXPECT_FALSE(inapp.fPurchase("hints5"));
        EXPECT_TRUE(inapp.fPurchase("club"));
        EXPECT_TRUE(inapp.fProviderRequest());
        EXPECT_TRUE(inapp.fDrawProvider());
        EXPECT_TRUE(inapp.fUpdateProvider());
    }
    EXPECT_EQ(calls, std::vector<std::string>({"deleted", "init " + kKey + " window", "start", "purchase com.example.club",
                                               "request", "draw", "update", "deleted"}));
}

TEST(InApp, ProductTypesReadAndNameByTheirFirstLetter)
{
    struct
    {
        const char* text;
        int type;
    } cases[] = {{"Consumable", 0}, {"consumable", 0}, {"C", 0}, {"nonconsumable", 1}, {"NON_CONSUMABLE", 1},
                 {"subscription", 2}, {"", 2}, {nullptr, 2}, {" consumable", 2}};
    for (const auto& c : cases)
        EXPECT_EQ(fParseProductType(c.text), c.type) << (c.text ? c.text : "(null)");
    EXPECT_STREQ(fProductTypeName(0), "CONSUMABLE");
    EXPECT_STREQ(fProductTypeName(1), "NON_CONSUMABLE");
    EXPECT_STREQ(fProductTypeName(2), "UNDEFINED");
    EXPECT_STREQ(fProductTypeName(-1), "UNDEFINED");

    ZS_NOTIFICATION notification;
    EXPECT_EQ(notification.fireTime, 0.0);
    EXPECT_EQ(notification.number, 0);
    EXPECT_STREQ(notification.fGetMessage(), L"");
}

#include <gtest/gtest.h>

#include "engine/files/ZC_LOCALIZATION.h"
#include "support/ZT_TEST_ENV.h"

#include <pugixml.hpp>

using namespace ZOR;

namespace
{
struct Localization : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(document.load_file((ZT_TEST::fDataDir() + "/files/strings.xml").c_str()));
    }
    pugi::xml_document document;
    ZC_LOCALIZATION table;
};
}

TEST_F(Localization, TextsAreFoundByKey)
{
    EXPECT_EQ(9, table.fLoad(&document, 0, 0));
    const std::pair<const char*, const char*> cases[] = {
        {"play", "Play"},                       // the first of two rows with that key
        {"localization_key", "en"},             // the header row is a row like any other
        {"window_title", "Picture Cross"},
        {"close", "Close & leave"},
        {"", "empty key"},
        {"lonely", "Value not loaded"},         // a row without its value cell
        {"shifted", "by index"},                // ss:Index is not honoured: cells count by position
        {"stars", "3 < 4 stars"},
        {"Play", "etwas"},                      // keys are case-sensitive
        {"missing", "etwas"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.second, table.fGetText(c.first)) << c.first;
    EXPECT_STREQ("etwas", table.fGetText(nullptr));
    EXPECT_STREQ("Play", table.fGetTextByIndex(2));
    EXPECT_STREQ("etwas", table.fGetTextByIndex(99));
}

TEST_F(Localization, WideTextsAreDecodedFromUtf8)
{
    table.fLoad(&document, 1, 3);
    EXPECT_EQ(L"Schlie\u00DFen", table.fGetWideText("close"));
    EXPECT_EQ(L"etwas", table.fGetWideText("missing"));
}

TEST_F(Localization, ASecondLoadAddsBehindTheFirst)
{
    table.fLoad(&document, 0, 0);
    EXPECT_EQ(18, table.fLoad(&document, 1, 3));
    EXPECT_STREQ("Play", table.fGetText("play"));
    table.fClear();
    EXPECT_STREQ("etwas", table.fGetText("play"));
}

TEST_F(Localization, ADocumentWithoutTheSheetPathGivesAnEmptyTable)
{
    const char* sheets[] = {"<Workbook><Worksheet><Table/></Worksheet></Workbook>",
                            "<Workbook><Table><Row><Cell><Data>k</Data></Cell></Row></Table></Workbook>",
                            "<other/>"};
    for (const char* sheet : sheets)
    {
        pugi::xml_document other;
        other.load_string(sheet);
        ZC_LOCALIZATION empty;
        EXPECT_EQ(0, empty.fLoad(&other, 0, 0)) << sheet;
        EXPECT_STREQ("etwas", empty.fGetText("k"));
    }
    EXPECT_EQ(0, table.fLoad(nullptr, 0, 0));
}

TEST_F(Localization, TheHeaderNamesTheValueColumn)
{
    EXPECT_EQ(8, table.fLoadByHeader(&document, 0, "fr", "de"));
    EXPECT_STREQ("Spielen", table.fGetText("play"));
    EXPECT_STREQ("etwas", table.fGetText("localization_key"));

    ZC_LOCALIZATION none;
    EXPECT_EQ(0, none.fLoadByHeader(&document, 0, "fr", "es"));
    EXPECT_EQ(0, none.fLoadByHeader(&document, 2, "en", "de"));  // the key column's header is not localization_key
}

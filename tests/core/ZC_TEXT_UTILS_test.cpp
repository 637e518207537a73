#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/ZC_TEXT_UTILS.h"

using namespace ZOR;
using Pieces = std::vector<std::string>;

TEST(Split, PiecesFollowTheSeparatorRules)
{
    struct Case { const char* text; bool drop; Pieces pieces; };
    const Case cases[] = {
        {"a b", true, {"a", "b"}},
        {"a b", false, {"a ", "b"}},
        {"a  b", true, {"a", "", "b"}},   // doubled separator: empty piece
        {"a  b", false, {"a ", " ", "b"}},
        {" a", true, {"", "a"}},          // leading separator: empty piece
        {"a ", true, {"a"}},              // trailing separator: no empty last piece
        {"a ", false, {"a "}},
        {"", true, {}},
        {" ", true, {""}},
        {"abc", true, {"abc"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pieces, fSplitString(c.text, ' ', c.drop)) << '"' << c.text << "\" drop " << c.drop;
}

TEST(Split, IntoAppendsToWhatIsThere)
{
    Pieces pieces{"x"};
    fSplitStringInto("data/gui;main", ';', pieces, true);
    EXPECT_EQ((Pieces{"x", "data/gui", "main"}), pieces);
}

TEST(TextEdit, ReplaceCountAndSlashes)
{
    std::string s = "a.b.c";
    fReplaceAll(s, ".", "..");
    EXPECT_EQ("a..b..c", s); // the scan goes on after the inserted text
    fReplaceAll(s, "", "x");  // an empty pattern would never end
    EXPECT_EQ("a..b..c", s);
    fReplaceAll(s, "..", "");
    EXPECT_EQ("abc", s);

    std::string path = "data\\share\\main/x.png";
    fToForwardSlashes(path);
    EXPECT_EQ("data/share/main/x.png", path);

    EXPECT_EQ(1, fCountSpaces("gui button.png"));
    EXPECT_EQ(3, fCountSpaces(" a  "));
    EXPECT_EQ(0, fCountSpaces("a\tb"));
}

TEST(HexNumbers, ColourAndUnsignedReaders)
{
    struct Case { const char* text; uint32_t colour; };
    const Case colours[] = {
        {"FF00FF00", 0xFF00FF00},   // opaque green
        {"", 0},                    // transparent black
        {"0xff336699", 0xFF336699},
        {"  80ffffff", 0x80FFFFFF},
        {"12G4", 0x12},             // stops at the first non-hex character
        {"zz", 0},
        {"100000000", 0xFFFFFFFF},  // beyond 32 bits
        {"-1", 0xFFFFFFFF},         // a sign wraps as on a 32-bit strtoul
        {"-2", 0xFFFFFFFE},
        {"-100000000", 0xFFFFFFFF},
    };
    for (const Case& c : colours)
        EXPECT_EQ(c.colour, fParseHexColor(c.text).fToPacked()) << '"' << c.text << '"';

    EXPECT_EQ(0xFF00FF00u, fParseHexUInt("FF00FF00"));
    EXPECT_EQ(0xABu, fParseHexUInt("  ab"));
    EXPECT_EQ(0u, fParseHexUInt("xyz"));
    EXPECT_EQ(0u, fParseHexUInt(""));
    EXPECT_EQ(0x3F800000u, fFloatToDword(1.0f));
}

TEST(WideText, StreamFormatsAndByteConversions)
{
    struct Case { float value; const wchar_t* text; };
    const Case floats[] = {
        {2.5f, L"2.5"}, {100.0f, L"100"}, {1000000.0f, L"1e+06"}, {0.1f, L"0.1"}, {-3.25f, L"-3.25"},
        {123456.7f, L"123457"},
    };
    for (const Case& c : floats)
        EXPECT_EQ(c.text, fFloatToWString(c.value));
    EXPECT_EQ(L"-42", fIntToWString(-42));

    // Byte by byte: 0xE9 is sign-extended, and the low byte comes back.
    std::wstring wide = fStringToWString("a\xE9");
    ASSERT_EQ(2u, wide.size());
    EXPECT_EQ(L'a', wide[0]);
    EXPECT_EQ(wchar_t(-23), wide[1]);
    EXPECT_EQ("a\xE9", fWStringToString(wide));
    EXPECT_EQ("A", fWStringToString(std::wstring(1, wchar_t(0x141))));
}

TEST(Time, FormatsMinutesAndSecondsWithHoursWhenThereAreAny)
{
    struct Case { float seconds; const wchar_t* text; };
    const Case cases[] = {
        {59.9f, L"00:59"},     // truncated, not rounded
        {3725.0f, L"01:02:05"},
        {0.0f, L"00:00"},
        {3599.0f, L"59:59"},
        {3600.0f, L"01:00:00"},
        {360000.0f, L"100:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, fFormatTime(c.seconds)) << c.seconds;

    int h, m, s;
    fSplitSeconds(7384.6f, &h, &m, &s);
    EXPECT_EQ(2, h);
    EXPECT_EQ(3, m);
    EXPECT_EQ(4, s);
}

TEST(Names, HotSpotsAndPlatforms)
{
    const char* names[] = {"HS_UL", "HS_MU", "HS_UR", "HS_ML", "HS_MID", "HS_MR", "HS_DL", "HS_MD", "HS_DR"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(i, fParseHotSpot(names[i])) << names[i];
    for (const char* other : {"hs_mid", "HS_UL ", "", "HS_DR2", "HS"})
        EXPECT_EQ(4, fParseHotSpot(other)) << '"' << other << '"';

    struct Case { const char* text; int platform; };
    const Case platforms[] = {
        {"osx", 1}, {"OSX", 1}, {"ios", 2}, {"Iphone", 2}, {"android", 3}, {"And", 3},
        {"win", 0}, {"", 0}, {" ios", 0},
    };
    for (const Case& c : platforms)
        EXPECT_EQ(c.platform, fParsePlatform(c.text)) << '"' << c.text << '"';
    EXPECT_STREQ("win", fPlatformName(0));
    EXPECT_STREQ("and", fPlatformName(3));
    EXPECT_STREQ("", fPlatformName(4));
    EXPECT_STREQ("", fPlatformName(-1));
}

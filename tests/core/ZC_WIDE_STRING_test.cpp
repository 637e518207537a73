#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <sstream>
#include <string>

#include "engine/core/ZC_WIDE_STRING.h"

using namespace ZOR;

namespace
{
// A buffer with a guard zone after the capacity, so writes past it show up.
struct Output
{
    wchar_t buffer[64];
    Output() { std::wmemset(buffer, L'#', 64); }
    std::wstring fText() const { return buffer; }
    bool fGuardIntact(int capacity) const
    {
        for (int i = capacity; i < 64; ++i)
            if (buffer[i] != L'#')
                return false;
        return true;
    }
};
}

TEST(WideFormat, IntegersWithWidthFillAndSign)
{
    struct Case { const wchar_t* format; int value; const wchar_t* text; };
    const Case cases[] = {
        {L"%i", 42, L"42"},
        {L"%d", 42, L"42"},
        {L"%05i", 42, L"00042"},
        {L"%5i", 42, L"   42"},
        {L"%.3i", 42, L"42"},        // precision ignored
        {L"%i", -7, L"-7"},
        {L"%05i", -42, L"-0042"},    // sign before the zeros
        {L"%5i", -42, L"  -42"},     // and after the blanks
        {L"%1i", 12345, L"12345"},   // width below the digit count
        {L"%li", 0, L"0"},
        {L"%i", INT_MIN, L"-2147483648"},
        {L"score: %03d!", 7, L"score: 007!"},
        {L"%06u", 42, L"000042"},
    };
    for (const Case& c : cases)
    {
        Output o;
        int n = fWideFormat(o.buffer, 16, c.format, c.value);
        EXPECT_EQ(c.text, o.fText()) << c.format;
        EXPECT_EQ(int(std::wcslen(c.text)), n) << c.format;
    }
    Output o;
    fWideFormat(o.buffer, 16, L"%u", 3000000000u);
    EXPECT_EQ(L"3000000000", o.fText());
}

TEST(WideFormat, CapacityCutsEveryConversionAndAlwaysTerminates)
{
    struct Case { int capacity; const wchar_t* format; const wchar_t* text; };
    const Case cases[] = {
        {2, L"%i", L"1"},
        {1, L"%i", L""},
        {5, L"%i", L"1234"},
        {4, L"%08i", L"000"},      // cut in the fill
        {4, L"%8s", L"   "},
        {4, L"abc%s", L"abc"},     // full before the %s: its argument is never read
        {6, L"x%.2fy", L"x3.14"},
        {8, L"%f", L"3.14159"},    // a long %f result cut at the capacity
    };
    for (const Case& c : cases)
    {
        Output o;
        int n = 0;
        if (std::wstring(c.format).find(L'f') != std::wstring::npos)
            n = fWideFormat(o.buffer, c.capacity, c.format, 3.14159265);
        else if (std::wstring(c.format).find(L's') != std::wstring::npos)
            n = fWideFormat(o.buffer, c.capacity, c.format, L"12345");
        else
            n = fWideFormat(o.buffer, c.capacity, c.format, 12345);
        EXPECT_EQ(c.text, o.fText()) << c.capacity << ' ' << c.format;
        EXPECT_EQ(int(std::wcslen(c.text)), n);
        EXPECT_TRUE(o.fGuardIntact(c.capacity)) << c.capacity << ' ' << c.format;
    }

    Output o;
    EXPECT_EQ(0, fWideFormat(o.buffer, 0, L"%i", 5));
    EXPECT_EQ(L'#', o.buffer[0]); // untouched
    EXPECT_EQ(0, fWideFormat(o.buffer, 16, nullptr));
    EXPECT_EQ(L'#', o.buffer[0]);
}

TEST(WideFormat, PercentTextsFloatsAndUnknownConversions)
{
    Output o;
    EXPECT_EQ(4, fWideFormat(o.buffer, 16, L"100%%"));
    EXPECT_EQ(L"100%", o.fText());

    // %x is dropped without taking an argument, so the 5 goes to the %i.
    fWideFormat(o.buffer, 16, L"%x%i", 5);
    EXPECT_EQ(L"x5", o.fText());
    fWideFormat(o.buffer, 16, L"%-5d|%i", 9);
    EXPECT_EQ(L"-5d|9", o.fText());

    fWideFormat(o.buffer, 16, L"%6s|", L"ab");
    EXPECT_EQ(L"    ab|", o.fText());
    fWideFormat(o.buffer, 16, L"%06s", L"ab"); // no zero fill for texts
    EXPECT_EQ(L"    ab", o.fText());
    fWideFormat(o.buffer, 16, L"%1s", L"abc");
    EXPECT_EQ(L"abc", o.fText());

    EXPECT_EQ(4, fWideFormat(o.buffer, 16, L"%.2f", 3.14159));
    EXPECT_EQ(L"3.14", o.fText());
    fWideFormat(o.buffer, 16, L"%07.1lf", -2.25);
    EXPECT_EQ(L"-0002.2", o.fText());

    // The format ending inside a conversion ends the formatting there.
    EXPECT_EQ(2, fWideFormat(o.buffer, 16, L"ab%0"));
    EXPECT_EQ(L"ab", o.fText());
    EXPECT_EQ(2, fWideFormat(o.buffer, 16, L"ab%5."));
    EXPECT_EQ(L"ab", o.fText());
}

TEST(WideFormat, NullTextArgumentKeepsEarlierOutputAndAnswersZero)
{
    Output o;
    EXPECT_EQ(0, fWideFormat(o.buffer, 16, L"lives %s left", static_cast<const wchar_t*>(nullptr)));
    EXPECT_EQ(L"lives ", o.fText());
}

TEST(WideFormat, OverlongFloatConversionWritesNothingForIt)
{
    Output o;
    EXPECT_EQ(2, fWideFormat(o.buffer, 64, L"a%0000000000000000000000000000000005fb", 1.0));
    EXPECT_EQ(L"ab", o.fText());
    // Wider than the formatting room: the number is left out, the rest goes on.
    EXPECT_EQ(2, fWideFormat(o.buffer, 64, L"a%9999fb", 1.0));
    EXPECT_EQ(L"ab", o.fText());
}

TEST(WideString, GrowsByAQuarterAndKeepsItsText)
{
    ZC_WIDE_STRING s(10);
    EXPECT_EQ(43, s.fCapacity());
    s += std::wstring(42, L'a').c_str();
    EXPECT_EQ(43, s.fCapacity()); // 42 and the terminator still fit
    ZC_WIDE_STRING t(L"xy");
    t += std::wstring(50, L'b').c_str();
    EXPECT_EQ(52, t.fLength());
    EXPECT_EQ(L"xy" + std::wstring(50, L'b'), t.fData());

    ZC_WIDE_STRING u(10);
    u += std::wstring(50, L'c').c_str(); // room for 60 gives 106
    EXPECT_EQ(106, u.fCapacity());
    EXPECT_EQ(std::wstring(50, L'c'), u.fData());

    // Appending and assigning a string to itself, across a reallocation.
    ZC_WIDE_STRING self(std::wstring(40, L'z').c_str());
    self += self;
    EXPECT_EQ(std::wstring(80, L'z'), self.fData());
    self = self;
    EXPECT_EQ(80, self.fLength());
}

TEST(WideString, CopiesSubstringsFindsAndComparesWithoutCase)
{
    ZC_WIDE_STRING s(L"Hello World");
    EXPECT_EQ(std::wstring(L"World"), ZC_WIDE_STRING(s, 6, 100).fData());
    EXPECT_EQ(std::wstring(L"lo"), ZC_WIDE_STRING(s, 3, 2).fData());
    EXPECT_EQ(0, ZC_WIDE_STRING(s, 11, 2).fLength());
    EXPECT_EQ(0, ZC_WIDE_STRING(s, -1, 2).fLength());

    EXPECT_EQ(4, s.fFind(L'o'));
    EXPECT_EQ(7, s.fFind(L'o', 5));
    EXPECT_EQ(-1, s.fFind(L'q'));
    EXPECT_EQ(6, s.fFind(L"Wor"));
    EXPECT_EQ(-1, s.fFind(L"Wor", 7));
    EXPECT_EQ(2, s.fFind(ZC_WIDE_STRING(L"ll")));

    EXPECT_TRUE(s == L"hello world");
    EXPECT_TRUE(s != L"hello");
    EXPECT_TRUE(s == ZC_WIDE_STRING(L"HELLO WORLD"));

    ZC_WIDE_STRING copy(s);
    copy += L"!";
    EXPECT_EQ(std::wstring(L"Hello World"), s.fData()); // a deep copy
    EXPECT_EQ(std::wstring(L"Hello World!"), (s + L"!").fData());
    EXPECT_EQ(std::wstring(L"Hello WorldHello World!"), (s + copy).fData());

    EXPECT_EQ(L'W', *s.fCharAt(6));
    EXPECT_EQ(nullptr, s.fCharAt(11));
    EXPECT_EQ(nullptr, s.fCharAt(-1));

    std::ostringstream narrow;
    narrow << s;
    EXPECT_EQ("Hello World", narrow.str());
}

TEST(WideString, ClearEmptiesTextAndLength)
{
    ZC_WIDE_STRING s(L"abcdef");
    s.fClear();
    EXPECT_EQ(0, s.fLength());
    s += L"x";
    EXPECT_EQ(std::wstring(L"x"), s.fData());
    EXPECT_EQ(nullptr, s.fCharAt(3));
}

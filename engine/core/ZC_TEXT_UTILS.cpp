#include "engine/core/ZC_TEXT_UTILS.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace ZOR
{
void fSplitStringInto(std::string text, char separator, std::vector<std::string>& pieces, bool dropSeparator)
{
    while (!text.empty())
    {
        size_t p = text.find(separator);
        if (p == std::string::npos)
        {
            pieces.push_back(text);
            return;
        }
        pieces.push_back(text.substr(0, dropSeparator ? p : p + 1));
        text.erase(0, p + 1);
    }
}

std::vector<std::string> fSplitString(std::string text, char separator, bool dropSeparator)
{
    std::vector<std::string> pieces;
    fSplitStringInto(std::move(text), separator, pieces, dropSeparator);
    return pieces;
}

int fCountSpaces(const std::string& text)
{
    int count = 0;
    for (char c : text)
        count += c == ' ';
    return count;
}

void fReplaceAll(std::string& text, const std::string& pattern, const std::string& replacement)
{
    // An empty pattern would match forever at the same place.
    if (pattern.empty())
        return;
    size_t at = 0;
    while ((at = text.find(pattern, at)) != std::string::npos)
    {
        text.replace(at, pattern.size(), replacement);
        at += replacement.size();
    }
}

void fToForwardSlashes(std::string& path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
}

uint32_t fParseHexUInt(const std::string& text)
{
    std::istringstream in(text);
    uint32_t value = 0;
    in >> std::hex >> value;
    return value;
}

ZS_COLOR fParseHexColor(const std::string& text)
{
    // strtoul is 64-bit here; the colours were written for a 32-bit one, so the range
    // and the wrap of a negative number are worked out on the magnitude.
    const char* s = text.c_str();
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    bool negative = *s == '-';
    errno = 0;
    unsigned long long v = std::strtoull(s, nullptr, 16);
    unsigned long long magnitude = negative ? 0ull - v : v;
    if (errno == ERANGE || magnitude > 0xFFFFFFFFull)
        return ZS_COLOR(0xFFFFFFFFu);
    uint32_t packed = uint32_t(magnitude);
    return ZS_COLOR(negative ? 0u - packed : packed);
}

uint32_t fFloatToDword(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::wstring fFloatToWString(float value)
{
    std::wostringstream out;
    out << value;
    return out.str();
}

std::wstring fIntToWString(int value)
{
    std::wostringstream out;
    out << value;
    return out.str();
}

std::wstring fStringToWString(const std::string& text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text)
        wide.push_back(wchar_t(static_cast<signed char>(c)));
    return wide;
}

std::string fWStringToString(const std::wstring& text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text)
        narrow.push_back(char(c & 0xFF));
    return narrow;
}

void fSplitSeconds(float seconds, int* hours, int* minutes, int* secs)
{
    int rest = int(std::trunc(seconds)) % 3600;
    *hours = int(std::trunc(seconds / 3600.0f));
    *minutes = rest / 60;
    *secs = rest % 60;
}

std::wstring fFormatTime(float seconds)
{
    int h, m, s;
    fSplitSeconds(seconds, &h, &m, &s);
    char text[64];
    if (h > 0)
        std::snprintf(text, sizeof text, "%0*i:%0*i:%0*i", 2, h, 2, m, 2, s);
    else
        std::snprintf(text, sizeof text, "%0*i:%0*i", 2, m, 2, s);
    return fStringToWString(text);
}

int fParseHotSpot(const std::string& name)
{
    static const char* const names[] = {"HS_UL", "HS_MU", "HS_UR", "HS_ML", "HS_MID",
                                        "HS_MR", "HS_DL", "HS_MD", "HS_DR"};
    for (int i = 0; i < 9; ++i)
        if (name == names[i])
            return i;
    return HS_MID;
}

int fParsePlatform(const std::string& text)
{
    switch (text.empty() ? '\0' : text[0])
    {
    case 'O': case 'o': return 1;
    case 'I': case 'i': return 2;
    case 'A': case 'a': return 3;
    default: return 0;
    }
}

const char* fPlatformName(int platform)
{
    static const char* const names[] = {"win", "osx", "ios", "and"};
    return platform >= 0 && platform < 4 ? names[platform] : "";
}
}

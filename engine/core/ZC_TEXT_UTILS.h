#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/ZS_COLOR.h"

namespace ZOR
{
// Splits text at every separator, appending the pieces to `pieces`. A leading or doubled
// separator gives an empty piece; a trailing one gives no empty last piece. With
// dropSeparator clear every piece but the last keeps its separator at the end.
void fSplitStringInto(std::string text, char separator, std::vector<std::string>& pieces, bool dropSeparator);
std::vector<std::string> fSplitString(std::string text, char separator, bool dropSeparator);

// Number of ' ' characters (the repository's "group file" names hold exactly one).
int fCountSpaces(const std::string& text);
// Replaces every occurrence, scanning on after each inserted replacement. An empty
// pattern changes nothing.
void fReplaceAll(std::string& text, const std::string& pattern, const std::string& replacement);
void fToForwardSlashes(std::string& path);

// Hexadecimal number read by stream extraction; no number gives 0.
uint32_t fParseHexUInt(const std::string& text);
// 0xAARRGGBB read as strtoul does on a 32-bit platform: white space, sign and "0x"
// accepted; nothing readable gives 0; anything beyond 32 bits gives 0xFFFFFFFF.
ZS_COLOR fParseHexColor(const std::string& text);
// The float's bit pattern unchanged.
uint32_t fFloatToDword(float value);

// Default wide-stream format: six significant digits, no trailing zeros (1000000 gives 1e+06).
std::wstring fFloatToWString(float value);
std::wstring fIntToWString(int value);
// One wide character per byte; bytes above 127 are sign-extended, so only ASCII is faithful.
std::wstring fStringToWString(const std::string& text);
// The low byte of each wide character.
std::string fWStringToString(const std::wstring& text);

void fSplitSeconds(float seconds, int* hours, int* minutes, int* secs);
// "mm:ss", or "hh:mm:ss" when there are hours.
std::wstring fFormatTime(float seconds);

// The nine anchor points of a rectangle, numbered row by row from the upper left.
enum
{
    HS_UL = 0, HS_MU, HS_UR,
    HS_ML, HS_MID, HS_MR,
    HS_DL, HS_MD, HS_DR
};
// "HS_UL" ... "HS_DR" (case-sensitive); anything else is the centre, 4.
int fParseHotSpot(const std::string& name);

// Edition platform from its first letter: O 1, I 2, A 3, anything else 0.
int fParsePlatform(const std::string& text);
// 0 "win", 1 "osx", 2 "ios", 3 "and", anything else "".
const char* fPlatformName(int platform);
}

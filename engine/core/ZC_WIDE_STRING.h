#pragma once
#include <cstdarg>
#include <cwchar>
#include <ostream>
#include <string>

namespace ZOR
{
// printf-style formatting into a wide buffer of `capacity` characters, terminator
// included: at most capacity - 1 characters are written, then a 0. Knows %d and %i
// (int, with '0' fill and width; precision ignored), %u (unsigned, likewise), %s (wide
// text, blank-filled to the width), %f (double, through swprintf) and %%; any other
// conversion is dropped and its character copied without taking an argument.
// Answers the number of characters written; capacity 0 or a null format write nothing
// and answer 0; a null %s argument ends the formatting and answers 0.
int fWideFormatV(wchar_t* out, int capacity, const wchar_t* format, va_list args);
int fWideFormat(wchar_t* out, int capacity, const wchar_t* format, ...);

// Growable wide-character string. Growing reserves n + 30 + n/4 characters (plus the
// terminator) for a request of n.
class ZC_WIDE_STRING
{
public:
    explicit ZC_WIDE_STRING(int room = 10);
    ZC_WIDE_STRING(const wchar_t* text);
    // Characters from start, at most count; empty when start is outside the source.
    ZC_WIDE_STRING(const ZC_WIDE_STRING& source, int start, int count);
    ZC_WIDE_STRING(const ZC_WIDE_STRING& other);
    ~ZC_WIDE_STRING();

    ZC_WIDE_STRING& operator=(const ZC_WIDE_STRING& other);
    ZC_WIDE_STRING& operator=(const wchar_t* text);
    ZC_WIDE_STRING& operator+=(const ZC_WIDE_STRING& other);
    ZC_WIDE_STRING& operator+=(const wchar_t* text);
    ZC_WIDE_STRING operator+(const ZC_WIDE_STRING& other) const;
    ZC_WIDE_STRING operator+(const wchar_t* text) const;

    int fLength() const { return length; }
    int fCapacity() const { return capacity; }
    const wchar_t* fData() const { return data; }
    // Null when the index is outside the text.
    wchar_t* fCharAt(int index);

    // Index of the first occurrence at or after `from`, or -1.
    int fFind(const wchar_t* text, int from = 0) const;
    int fFind(wchar_t c, int from = 0) const;
    int fFind(const ZC_WIDE_STRING& other, int from = 0) const { return fFind(other.data, from); }

    // Case-insensitive.
    bool operator==(const wchar_t* text) const;
    bool operator==(const ZC_WIDE_STRING& other) const { return *this == other.data; }
    bool operator!=(const wchar_t* text) const { return !(*this == text); }
    bool operator!=(const ZC_WIDE_STRING& other) const { return !(*this == other.data); }

    // Multibyte copy in the current locale (wcstombs); empty when a character does not convert.
    std::string fToNarrow() const;
    // Empties the text.
    void fClear();

private:
    // Makes room for n characters, keeping the first `keep` characters of the old text.
    void fReserve(int n, int keep);
    void fAppend(const wchar_t* text, int count);
    void fAssign(const wchar_t* text, int count);

    wchar_t* data = nullptr;
    int length = 0;
    int capacity = 0;
};

std::wostream& operator<<(std::wostream& out, const ZC_WIDE_STRING& s);
std::ostream& operator<<(std::ostream& out, const ZC_WIDE_STRING& s);
}

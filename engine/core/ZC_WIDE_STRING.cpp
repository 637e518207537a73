#include "engine/core/ZC_WIDE_STRING.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <vector>

namespace ZOR
{
namespace
{
// The output side of the formatter: stops for good once capacity - 1 characters are in.
struct WideOut
{
    wchar_t* out;
    int limit;
    int count = 0;

    bool fFull() const { return count >= limit; }
    // Answers false when the buffer was full, or became full with this character.
    bool fPut(wchar_t c)
    {
        if (fFull())
            return false;
        out[count++] = c;
        return !fFull();
    }
    bool fPutRepeat(wchar_t c, long long n)
    {
        for (; n > 0; --n)
            if (!fPut(c))
                return false;
        return true;
    }
    int fEnd()
    {
        out[count] = 0;
        return count;
    }
};

// Decimal digits of a magnitude, written right to left into a 20-place buffer.
int fDigits(unsigned long long v, wchar_t* digits)
{
    int n = 0;
    do
    {
        digits[19 - n++] = wchar_t(L'0' + v % 10);
        v /= 10;
    } while (v);
    return n;
}

bool fPutNumber(WideOut& o, bool negative, unsigned long long magnitude, unsigned long long width, bool zeroFill)
{
    wchar_t digits[20];
    int n = fDigits(magnitude, digits);
    unsigned long long used = n + (negative ? 1 : 0);
    unsigned long long fill = width > used ? width - used : 0;
    if (!zeroFill && !o.fPutRepeat(L' ', fill))
        return false;
    if (negative && !o.fPut(L'-'))
        return false;
    if (zeroFill && !o.fPutRepeat(L'0', fill))
        return false;
    for (int i = 20 - n; i < 20; ++i)
        if (!o.fPut(digits[i]))
            return false;
    return true;
}
}

int fWideFormatV(wchar_t* out, int capacity, const wchar_t* format, va_list args)
{
    if (capacity <= 0 || !format || !out)
        return 0;
    WideOut o{out, capacity - 1};
    out[0] = 0;
    const wchar_t* p = format;
    while (*p && !o.fFull())
    {
        if (*p != L'%')
        {
            o.fPut(*p++);
            continue;
        }
        if (p[1] == L'%')
        {
            o.fPut(L'%');
            p += 2;
            continue;
        }
        const wchar_t* start = p++;
        out[o.count] = 0;
        bool zeroFill = *p == L'0';
        if (zeroFill)
            ++p;
        unsigned long long width = 0;
        for (; *p >= L'0' && *p <= L'9'; ++p)
            width = std::min(width * 10 + unsigned(*p - L'0'), 0xFFFFFFFFull);
        if (*p == L'.')
            for (++p; *p >= L'0' && *p <= L'9'; ++p)
            {
            }
        if (*p == L'l')
            ++p;
        if (!*p)
            break;

        bool going = true;
        switch (*p)
        {
        case L'd':
        case L'i':
        {
            long long v = va_arg(args, int);
            going = fPutNumber(o, v < 0, (unsigned long long)(v < 0 ? -v : v), width, zeroFill);
            break;
        }
        case L'u':
            going = fPutNumber(o, false, va_arg(args, unsigned), width, zeroFill);
            break;
        case L's':
        {
            const wchar_t* s = va_arg(args, const wchar_t*);
            if (!s)
                return 0;
            size_t n = std::wcslen(s);
            going = o.fPutRepeat(L' ', width > n ? (long long)(width - n) : 0);
            for (; going && *s; ++s)
                going = o.fPut(*s);
            break;
        }
        case L'f':
        {
            double v = va_arg(args, double);
            // The conversion text goes to swprintf as it stands; one too long to be a
            // sensible conversion, or a number that does not fit, writes nothing.
            size_t conversionLength = size_t(p - start) + 1;
            wchar_t conversion[32];
            wchar_t text[512];
            if (conversionLength < 32)
            {
                std::wmemcpy(conversion, start, conversionLength);
                conversion[conversionLength] = 0;
                int n = std::swprintf(text, 512, conversion, v);
                for (int i = 0; going && i < n; ++i)
                    going = o.fPut(text[i]);
            }
            break;
        }
        default:
            going = o.fPut(*p);
            break;
        }
        if (!going)
            break;
        ++p;
    }
    return o.fEnd();
}

int fWideFormat(wchar_t* out, int capacity, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    int n = fWideFormatV(out, capacity, format, args);
    va_end(args);
    return n;
}

ZC_WIDE_STRING::ZC_WIDE_STRING(int room)
{
    fReserve(std::max(room, 10), 0);
}

ZC_WIDE_STRING::ZC_WIDE_STRING(const wchar_t* text)
{
    int n = text ? int(std::wcslen(text)) : 0;
    fReserve(n + 10, 0);
    fAppend(text, n);
}

ZC_WIDE_STRING::ZC_WIDE_STRING(const ZC_WIDE_STRING& source, int start, int count)
{
    bool inside = start >= 0 && start < source.length;
    int n = inside ? std::max(0, std::min(count, source.length - start)) : 0;
    fReserve(n + 10, 0);
    fAppend(source.data + (inside ? start : 0), n);
}

ZC_WIDE_STRING::ZC_WIDE_STRING(const ZC_WIDE_STRING& other)
{
    fReserve(other.length + 10, 0);
    fAppend(other.data, other.length);
}

ZC_WIDE_STRING::~ZC_WIDE_STRING()
{
    delete[] data;
}

void ZC_WIDE_STRING::fReserve(int n, int keep)
{
    int c = int(n + 30 + n * 0.25);
    wchar_t* room = new wchar_t[size_t(c) + 1];
    // The old text may be what is being appended or assigned, so it is copied before
    // the old buffer goes.
    if (data)
        std::wmemcpy(room, data, size_t(keep));
    room[keep] = 0;
    delete[] data;
    data = room;
    capacity = c + 1;
}

void ZC_WIDE_STRING::fAppend(const wchar_t* text, int count)
{
    if (count <= 0)
        return;
    if (length + count + 1 > capacity)
    {
        std::vector<wchar_t> copy(text, text + count); // text may lie in the old buffer
        fReserve(length + count + 10, length);
        std::wmemcpy(data + length, copy.data(), size_t(count));
    }
    else
        std::wmemmove(data + length, text, size_t(count));
    length += count;
    data[length] = 0;
}

void ZC_WIDE_STRING::fAssign(const wchar_t* text, int count)
{
    std::vector<wchar_t> copy(text, text + count);
    if (count + 1 > capacity)
        fReserve(count + 10, 0);
    length = 0;
    data[0] = 0;
    fAppend(copy.data(), count);
}

ZC_WIDE_STRING& ZC_WIDE_STRING::operator=(const ZC_WIDE_STRING& other)
{
    fAssign(other.data, other.length);
    return *this;
}

ZC_WIDE_STRING& ZC_WIDE_STRING::operator=(const wchar_t* text)
{
    fAssign(text, text ? int(std::wcslen(text)) : 0);
    return *this;
}

ZC_WIDE_STRING& ZC_WIDE_STRING::operator+=(const ZC_WIDE_STRING& other)
{
    fAppend(other.data, other.length);
    return *this;
}

ZC_WIDE_STRING& ZC_WIDE_STRING::operator+=(const wchar_t* text)
{
    fAppend(text, text ? int(std::wcslen(text)) : 0);
    return *this;
}

ZC_WIDE_STRING ZC_WIDE_STRING::operator+(const ZC_WIDE_STRING& other) const
{
    return *this + other.data;
}

ZC_WIDE_STRING ZC_WIDE_STRING::operator+(const wchar_t* text) const
{
    int n = text ? int(std::wcslen(text)) : 0;
    ZC_WIDE_STRING sum(length + n);
    sum.fAppend(data, length);
    sum.fAppend(text, n);
    return sum;
}

wchar_t* ZC_WIDE_STRING::fCharAt(int index)
{
    return index >= 0 && index < length ? data + index : nullptr;
}

int ZC_WIDE_STRING::fFind(const wchar_t* text, int from) const
{
    if (!text || from < 0 || from > length)
        return -1;
    const wchar_t* at = std::wcsstr(data + from, text);
    return at ? int(at - data) : -1;
}

int ZC_WIDE_STRING::fFind(wchar_t c, int from) const
{
    if (from < 0 || from >= length)
        return -1;
    const wchar_t* at = std::wmemchr(data + from, c, size_t(length - from));
    return at ? int(at - data) : -1;
}

bool ZC_WIDE_STRING::operator==(const wchar_t* text) const
{
    if (!text)
        return false;
    const wchar_t* a = data;
    for (; *a && *text; ++a, ++text)
        if (std::towlower(wint_t(*a)) != std::towlower(wint_t(*text)))
            return false;
    return *a == *text;
}

std::string ZC_WIDE_STRING::fToNarrow() const
{
    size_t n = std::wcstombs(nullptr, data, 0);
    if (n == size_t(-1))
        return std::string();
    std::string narrow(n, '\0');
    std::wcstombs(&narrow[0], data, n);
    return narrow;
}

void ZC_WIDE_STRING::fClear()
{
    // The length goes with the text: a stale length would make the next append
    // write after the old characters.
    data[0] = 0;
    length = 0;
}

std::wostream& operator<<(std::wostream& out, const ZC_WIDE_STRING& s)
{
    return out << s.fData();
}

std::ostream& operator<<(std::ostream& out, const ZC_WIDE_STRING& s)
{
    return out << s.fToNarrow();
}
}

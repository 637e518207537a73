#include "engine/core/ZS_POINT.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/core/ZC_TEXT_UTILS.h"

namespace ZOR
{
namespace
{
const float kPi = 3.1415927f;
const float kTwoPi = 6.2831855f;

// Splits at blanks (doubled blanks give an empty piece, which reads 0) and answers
// nothing when there are fewer pieces than the record needs.
bool fNumberPieces(const std::string& text, size_t needed, std::vector<std::string>& pieces)
{
    fSplitStringInto(text, ' ', pieces, true);
    return pieces.size() >= needed;
}

float fExactLength(double x, double y, double z)
{
    return float(std::sqrt(x * x + y * y + z * z));
}
}

ZS_POINT ZS_POINT::operator/(const ZS_POINT& o) const
{
    return {o.x ? x / o.x : 0, o.y ? y / o.y : 0};
}

const char* ZS_POINT::fToText() const
{
    static char text[128];
    std::snprintf(text, sizeof text, "%.*i %.*i", 3, x, 3, y);
    return text;
}

void ZS_POINT::fParse(const std::string& text)
{
    std::vector<std::string> p;
    if (fNumberPieces(text, 2, p))
        *this = ZS_POINT(std::atoi(p[0].c_str()), std::atoi(p[1].c_str()));
}

float ZS_POINT::fDistanceTo(int px, int py) const
{
    return float(std::sqrt(double(px - x) * (px - x) + double(py - y) * (py - y)));
}

const char* ZS_VECTOR2::fToText() const
{
    static char text[128];
    std::snprintf(text, sizeof text, "%.*f %.*f", 3, x, 3, y);
    return text;
}

void ZS_VECTOR2::fParse(const std::string& text)
{
    std::vector<std::string> p;
    if (fNumberPieces(text, 2, p))
        *this = ZS_VECTOR2(float(std::atof(p[0].c_str())), float(std::atof(p[1].c_str())));
}

float ZS_VECTOR2::fLength() const
{
    return fExactLength(x, y, 0.0);
}

float ZS_VECTOR2::fNormalize()
{
    float length = fLength();
    if (length == 0.0f)
        return 0.0f;
    x /= length;
    y /= length;
    return length;
}

float ZS_VECTOR2::fAngle() const
{
    if (x > 0.0f)
        return y >= 0.0f ? std::atan(y / x) : std::atan(y / x) + kTwoPi;
    if (x < 0.0f)
        return std::atan(y / x) + kPi;
    return y > 0.0f ? kPi / 2.0f : y < 0.0f ? 3.0f * kPi / 2.0f : 0.0f;
}

const char* ZS_VECTOR3::fToText() const
{
    static char text[128];
    std::snprintf(text, sizeof text, "%.*f %.*f %.*f", 3, x, 3, y, 3, z);
    return text;
}

void ZS_VECTOR3::fParse(const std::string& text)
{
    std::vector<std::string> p;
    if (fNumberPieces(text, 3, p))
        *this = ZS_VECTOR3(float(std::atof(p[0].c_str())), float(std::atof(p[1].c_str())),
                           float(std::atof(p[2].c_str())));
}

float ZS_VECTOR3::fLength() const
{
    return fExactLength(x, y, z);
}

float ZS_VECTOR3::fNormalize()
{
    float length = fLength();
    if (length == 0.0f)
        return 0.0f;
    x /= length;
    y /= length;
    z /= length;
    return length;
}

float ZS_VECTOR3::fMin() const
{
    return std::fmin(x, std::fmin(y, z));
}

float ZS_VECTOR3::fMax() const
{
    return std::fmax(x, std::fmax(y, z));
}

float fDistanceVector2(const ZS_VECTOR2& a, const ZS_VECTOR2& b)
{
    return (a - b).fLength();
}

float fSignedAngleBetween(const ZS_VECTOR2& a, const ZS_VECTOR2& b)
{
    float l = a.fLength() * b.fLength();
    if (l == 0.0f)
        return kTwoPi;
    float cross = a.x * b.y - a.y * b.x;
    // Rounding can push the cosine of parallel vectors just past 1, where acos is NaN.
    float cosine = std::fmax(-1.0f, std::fmin(1.0f, (a.x * b.x + a.y * b.y) / l));
    float angle = float(std::acos(cosine));
    if (cross > 0.0f)
        return angle;
    return (kPi - angle) + kPi;
}

float fDotVector3(const ZS_VECTOR3& a, const ZS_VECTOR3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

void fCrossVector3(ZS_VECTOR3* out, const ZS_VECTOR3& a, const ZS_VECTOR3& b)
{
    *out = ZS_VECTOR3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
}

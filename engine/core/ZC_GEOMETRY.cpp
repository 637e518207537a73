#include "engine/core/ZC_GEOMETRY.h"

#include <cmath>

#include "engine/core/ZC_RANDOM.h"

namespace ZOR
{
namespace
{
const float kTwoPi = 6.2831855f;

template <class T>
T fQuadratic(const T& p0, const T& c, const T& p1, float t)
{
    if (t == 0.0f)
        return p0;
    if (t == 1.0f)
        return p1;
    float u = 1.0f - t;
    return p0 * (u * u) + c * (2.0f * t * u) + p1 * (t * t);
}

template <class T>
T fCubic(const T& p0, const T& c0, const T& c1, const T& p1, float t)
{
    if (t == 0.0f)
        return p0;
    if (t == 1.0f)
        return p1;
    float u = 1.0f - t;
    return p0 * (u * u * u) + c0 * (3.0f * t * u * u) + c1 * (3.0f * t * t * u) + p1 * (t * t * t);
}

// Bernstein sum with the weights built up term by term: s = t^i, w = u^(n-1-i) and
// c = C(n-1, i), each kept in R (float for the records, double for plain numbers).
template <class T, class R>
T fCurve(const T* points, int count, float t)
{
    if (count <= 0)
        return T();
    if (t == 0.0f)
        return points[0];
    if (t == 1.0f)
        return points[count - 1];
    R u = R(1) - R(t);
    R w = R(std::pow(double(u), count - 1));
    R s = 1;
    R c = 1;
    T sum = T();
    for (int i = 0; i < count; ++i)
    {
        sum += points[i] * s * w * c;
        s = s * R(t);
        w = w / u;
        c = c * R(count - 1 - i) / R(i + 1);
    }
    return sum;
}

template <class T>
T fLerpClamped(const T& a, const T& b, float t)
{
    if (t <= 0.0f)
        return a;
    if (t >= 1.0f)
        return b;
    return a + (b - a) * t;
}

void fCopyNumbers(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& from)
{
    for (int i = 0; i < 12; ++i)
        out->fNumber(i) = from.fNumber(i);
}

template <class V>
bool fEvenOdd(const std::vector<V>& v, decltype(V::x) x, decltype(V::x) y)
{
    bool inside = false;
    size_t n = v.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++)
    {
        // The y test keeps the divisor from being 0.
        if (((v[i].y < y && y <= v[j].y) || (v[j].y < y && y <= v[i].y)) &&
            x > v[i].x + (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y))
            inside = !inside;
    }
    return inside;
}

template <class V>
ZS_VECTOR2 fWeightedVertex(const std::vector<V>& v)
{
    if (v.empty())
        return {};
    ZS_VECTOR2 sum;
    float total = 0.0f;
    for (const V& p : v)
    {
        float r = zcRANDOM ? zcRANDOM->fRangeFloat(0.0f, 1.0f) : 1.0f;
        float w = r * r * r;
        sum += ZS_VECTOR2(float(p.x), float(p.y)) * w;
        total += w;
    }
    if (total == 0.0f)
    {
        sum = ZS_VECTOR2();
        for (const V& p : v)
            sum += ZS_VECTOR2(float(p.x), float(p.y));
        total = float(v.size());
    }
    return sum / total;
}
}

float fLerp(float a, float b, float t)
{
    if (t == 0.0f)
        return a;
    if (t == 1.0f)
        return b;
    return a + t * (b - a);
}

void fLerpVector3(ZS_VECTOR3* out, const ZS_VECTOR3& a, const ZS_VECTOR3& b, float t)
{
    *out = fLerpClamped(a, b, t);
}

ZS_VECTOR2 fLerpVector2(const ZS_VECTOR2& a, const ZS_VECTOR2& b, float t)
{
    return fLerpClamped(a, b, t);
}

void fLerpTransform(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& a, const ZS_TRANSFORM3& b, float t)
{
    if (t <= 0.0f)
        return fCopyNumbers(out, a);
    if (t >= 1.0f)
        return fCopyNumbers(out, b);
    for (int i = 0; i < 12; ++i)
        if (a.fNumber(i) != b.fNumber(i))
            out->fNumber(i) = fLerp(a.fNumber(i), b.fNumber(i), t);
}

void fBezierQuadratic(ZS_VECTOR3* out, const ZS_VECTOR3& p0, const ZS_VECTOR3& c, const ZS_VECTOR3& p1, float t)
{
    *out = fQuadratic(p0, c, p1, t);
}

void fBezierCubic(ZS_VECTOR3* out, const ZS_VECTOR3& p0, const ZS_VECTOR3& c0, const ZS_VECTOR3& c1,
                  const ZS_VECTOR3& p1, float t)
{
    *out = fCubic(p0, c0, c1, p1, t);
}

float fBezierQuadraticFloat(float p0, float c, float p1, float t)
{
    return fQuadratic(p0, c, p1, t);
}

ZS_VECTOR2 fBezierQuadraticVector2(const ZS_VECTOR2& p0, const ZS_VECTOR2& c, const ZS_VECTOR2& p1, float t)
{
    return fQuadratic(p0, c, p1, t);
}

float fBezierCubicFloat(float p0, float c0, float c1, float p1, float t)
{
    return fCubic(p0, c0, c1, p1, t);
}

ZS_VECTOR2 fBezierCubicVector2(const ZS_VECTOR2& p0, const ZS_VECTOR2& c0, const ZS_VECTOR2& c1,
                               const ZS_VECTOR2& p1, float t)
{
    return fCubic(p0, c0, c1, p1, t);
}

void fBezierQuadraticTransform(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& p0, const ZS_TRANSFORM3& c,
                               const ZS_TRANSFORM3& p1, float t)
{
    if (t <= 0.0f)
        return fCopyNumbers(out, p0);
    if (t >= 1.0f)
        return fCopyNumbers(out, p1);
    for (int i = 0; i < 12; ++i)
        out->fNumber(i) = fBezierQuadraticFloat(p0.fNumber(i), c.fNumber(i), p1.fNumber(i), t);
}

void fBezierCubicTransform(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& p0, const ZS_TRANSFORM3& c0,
                           const ZS_TRANSFORM3& c1, const ZS_TRANSFORM3& p1, float t)
{
    if (t <= 0.0f)
        return fCopyNumbers(out, p0);
    if (t >= 1.0f)
        return fCopyNumbers(out, p1);
    for (int i = 0; i < 12; ++i)
        out->fNumber(i) = fBezierCubicFloat(p0.fNumber(i), c0.fNumber(i), c1.fNumber(i), p1.fNumber(i), t);
}

void fBezierCurve(ZS_VECTOR3* out, const std::vector<ZS_VECTOR3>& points, float t)
{
    *out = fCurve<ZS_VECTOR3, float>(points.data(), int(points.size()), t);
}

void fBezierCurveArray(ZS_VECTOR3* out, const ZS_VECTOR3* points, int count, float t)
{
    *out = fCurve<ZS_VECTOR3, float>(points, count, t);
}

ZS_VECTOR2 fBezierCurveVector2(const std::vector<ZS_VECTOR2>& points, float t)
{
    return fCurve<ZS_VECTOR2, float>(points.data(), int(points.size()), t);
}

ZS_VECTOR2 fBezierCurveVector2Array(const ZS_VECTOR2* points, int count, float t)
{
    return fCurve<ZS_VECTOR2, float>(points, count, t);
}

float fBezierCurveFloat(const float* points, int count, float t)
{
    if (count <= 0)
        return 0.0f;
    std::vector<double> wide(points, points + count);
    return float(fCurve<double, double>(wide.data(), count, t));
}

float fDampedSine(float t, float frequency, float amplitude, float damping)
{
    float divisor = std::exp(kTwoPi * damping * t);
    if (divisor == 0.0f)
        return 0.0f;
    return amplitude * std::sin(kTwoPi * frequency * t) / divisor;
}

float fDistanceInt(int x1, int y1, int x2, int y2)
{
    // In 64 bits: the squares of far-apart points overflow 32.
    long long dx = (long long)x1 - x2;
    long long dy = (long long)y1 - y2;
    return float(std::sqrt(double(dx * dx + dy * dy)));
}

float fDistance(float x1, float y1, float x2, float y2)
{
    return float(std::sqrt(double(x1 - x2) * (x1 - x2) + double(y1 - y2) * (y1 - y2)));
}

float fClamp(float value, float low, float high)
{
    if (value <= low)
        return low;
    if (value >= high)
        return high;
    return value;
}

bool fToPixel(float value, int* out)
{
    if (!fIsPixel(value))
        return false;
    *out = int(value);
    return true;
}

ZS_VECTOR3* fVector3Zero(ZS_VECTOR3* v)
{
    *v = ZS_VECTOR3();
    return v;
}

ZS_VECTOR2 fRotatePointAbout(float cx, float cy, float x, float y, float angle)
{
    if (angle == 0.0f)
        return {x, y};
    float c = std::cos(angle);
    float s = std::sin(angle);
    return {cx + c * (x - cx) - s * (y - cy), cy + c * (y - cy) + s * (x - cx)};
}

void fRotatePointInPlace(float cx, float cy, float* x, float* y, float angle)
{
    if (angle == 0.0f)
        return;
    ZS_VECTOR2 p = fRotatePointAbout(cx, cy, *x, *y, angle);
    *x = p.x;
    *y = p.y;
}

void fRotatePointInPlaceInt(float cx, float cy, ZS_POINT* p, float angle)
{
    if (angle == 0.0f)
        return;
    ZS_VECTOR2 r = fRotatePointAbout(cx, cy, float(p->x), float(p->y), angle);
    p->x = int(r.x);
    p->y = int(r.y);
}

void fPointToTransformSpace(float* x, float* y, const ZS_TRANSFORM3& world)
{
    fRotatePointInPlace(world.position.x, world.position.y, x, y, -world.rotation.z);
    *x = (world.position.x - *x + world.pivot.x) * world.scale.x;
    *y = (world.position.y - *y + world.pivot.y) * world.scale.y;
}

ZS_POINT fPointToTransformSpaceInt(ZS_POINT p, const ZS_TRANSFORM3& transform)
{
    fRotatePointInPlaceInt(transform.position.x, transform.position.y, &p, -transform.rotation.z);
    return {int(p.x - transform.position.x + transform.pivot.x), int(p.y - transform.position.y + transform.pivot.y)};
}

bool fIsPointInRect(const ZS_POINT* p, int left, int top, int right, int bottom)
{
    return p && left < p->x && p->x < right && top < p->y && p->y < bottom;
}

bool fIsPointInPolygon(const std::vector<ZS_VECTOR2>& vertices, float x, float y)
{
    return fEvenOdd(vertices, x, y);
}

bool fIsPointInPolygonInt(const std::vector<ZS_POINT>& vertices, int x, int y)
{
    return fEvenOdd(vertices, x, y);
}

bool fIsPointInPolygonAt(const std::vector<ZS_VECTOR2>& vertices, float x, float y, const ZS_TRANSFORM3& transform)
{
    ZS_VECTOR3 at = transform.fCompose().position;
    return fEvenOdd(vertices, x - at.x, y - at.y);
}

bool fIsPointInPolygonAtInt(const std::vector<ZS_POINT>& vertices, int x, int y, const ZS_TRANSFORM3& transform)
{
    ZS_VECTOR3 at = transform.fCompose().position;
    return fEvenOdd(vertices, int(x - at.x), int(y - at.y));
}

ZS_VECTOR2 fRandomPointInPolygon(const std::vector<ZS_VECTOR2>& vertices)
{
    return fWeightedVertex(vertices);
}

ZS_POINT fRandomPointInPolygonInt(const std::vector<ZS_POINT>& vertices)
{
    ZS_VECTOR2 p = fWeightedVertex(vertices);
    return {int(p.x), int(p.y)};
}
}

#pragma once
#include <cmath>
#include <vector>

#include "engine/core/ZS_POINT.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
// Interpolation. fLerp does not clamp t; the vector and transform forms hold at the ends.
float fLerp(float a, float b, float t);
void fLerpVector3(ZS_VECTOR3* out, const ZS_VECTOR3& a, const ZS_VECTOR3& b, float t);
ZS_VECTOR2 fLerpVector2(const ZS_VECTOR2& a, const ZS_VECTOR2& b, float t);
// Interpolates the twelve numbers of two transforms. Between the ends only the numbers
// that differ between a and b are written, so out keeps its own value for the others;
// out's reserved word and parent are never touched.
void fLerpTransform(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& a, const ZS_TRANSFORM3& b, float t);

// Bezier curves; t exactly 0 or 1 answers the end point itself.
void fBezierQuadratic(ZS_VECTOR3* out, const ZS_VECTOR3& p0, const ZS_VECTOR3& c, const ZS_VECTOR3& p1, float t);
void fBezierCubic(ZS_VECTOR3* out, const ZS_VECTOR3& p0, const ZS_VECTOR3& c0, const ZS_VECTOR3& c1,
                  const ZS_VECTOR3& p1, float t);
float fBezierQuadraticFloat(float p0, float c, float p1, float t);
ZS_VECTOR2 fBezierQuadraticVector2(const ZS_VECTOR2& p0, const ZS_VECTOR2& c, const ZS_VECTOR2& p1, float t);
float fBezierCubicFloat(float p0, float c0, float c1, float p1, float t);
ZS_VECTOR2 fBezierCubicVector2(const ZS_VECTOR2& p0, const ZS_VECTOR2& c0, const ZS_VECTOR2& c1,
                               const ZS_VECTOR2& p1, float t);
// Each of the twelve numbers on its own curve; t <= 0 and t >= 1 copy an end's numbers.
void fBezierQuadraticTransform(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& p0, const ZS_TRANSFORM3& c,
                               const ZS_TRANSFORM3& p1, float t);
void fBezierCubicTransform(ZS_TRANSFORM3* out, const ZS_TRANSFORM3& p0, const ZS_TRANSFORM3& c0,
                           const ZS_TRANSFORM3& c1, const ZS_TRANSFORM3& p1, float t);
// The Bezier curve through all points in Bernstein form. One point answers itself for
// every t; no points answer zero.
void fBezierCurve(ZS_VECTOR3* out, const std::vector<ZS_VECTOR3>& points, float t);
void fBezierCurveArray(ZS_VECTOR3* out, const ZS_VECTOR3* points, int count, float t);
ZS_VECTOR2 fBezierCurveVector2(const std::vector<ZS_VECTOR2>& points, float t);
ZS_VECTOR2 fBezierCurveVector2Array(const ZS_VECTOR2* points, int count, float t);
// Sums in double precision.
float fBezierCurveFloat(const float* points, int count, float t);

// amplitude * sin(2pi f t) / exp(2pi damping t); 0 where the divisor underflows to 0.
float fDampedSine(float t, float frequency, float amplitude, float damping);

float fDistanceInt(int x1, int y1, int x2, int y2);
float fDistance(float x1, float y1, float x2, float y2);
float fClamp(float value, float low, float high);

// Places and sizes more than this many pixels from 0 lie off any screen. Data gives them as
// floats and they are worked in whole pixels: a float far beyond this (or not a number) does
// not fit an int, and a few sums of values within it stay far from the int range's ends.
const float kPixelLimit = 1.0e6f;
// The value truncated toward zero into *out when it is a number within +-kPixelLimit; otherwise
// false, and *out keeps what it held.
bool fToPixel(float value, int* out);
// Whether a number of pixels lies within +-kPixelLimit (not a number does not).
inline bool fIsPixel(int value) { return value >= -int(kPixelLimit) && value <= int(kPixelLimit); }
inline bool fIsPixel(float value) { return std::fabs(value) <= kPixelLimit; }
ZS_VECTOR3* fVector3Zero(ZS_VECTOR3* v);

// Turns (x, y) about (cx, cy) by angle radians; angle exactly 0 leaves the point as is.
ZS_VECTOR2 fRotatePointAbout(float cx, float cy, float x, float y, float angle);
void fRotatePointInPlace(float cx, float cy, float* x, float* y, float angle);
// The same on an integer point, each result truncated toward zero.
void fRotatePointInPlaceInt(float cx, float cy, ZS_POINT* p, float angle);

// Hit-zone mapping against a world transform: the point turned about the position by
// minus rotation z, then x = (position x - x + pivot x) * scale x, likewise y. It is
// position minus point: the local frame runs back from the pivot.
void fPointToTransformSpace(float* x, float* y, const ZS_TRANSFORM3& world);
// Turned about the transform's own position, then x - position x + pivot x (no scale).
ZS_POINT fPointToTransformSpaceInt(ZS_POINT p, const ZS_TRANSFORM3& transform);

// left < x < right and top < y < bottom: points on an edge are outside.
bool fIsPointInRect(const ZS_POINT* p, int left, int top, int right, int bottom);
// Even-odd rule; an empty polygon contains nothing.
bool fIsPointInPolygon(const std::vector<ZS_VECTOR2>& vertices, float x, float y);
bool fIsPointInPolygonInt(const std::vector<ZS_POINT>& vertices, int x, int y);
// The point is first moved by minus the transform's world position.
bool fIsPointInPolygonAt(const std::vector<ZS_VECTOR2>& vertices, float x, float y, const ZS_TRANSFORM3& transform);
bool fIsPointInPolygonAtInt(const std::vector<ZS_POINT>& vertices, int x, int y, const ZS_TRANSFORM3& transform);

// A point inside the polygon's convex hull: the vertices weighted by r^3 with one r in
// [0, 1] drawn from zcRANDOM per vertex, so it leans towards the vertices that drew high.
// Without a generator, or when every weight is 0, the plain mean of the vertices; no
// vertices give (0, 0).
ZS_VECTOR2 fRandomPointInPolygon(const std::vector<ZS_VECTOR2>& vertices);
// The same, each coordinate truncated.
ZS_POINT fRandomPointInPolygonInt(const std::vector<ZS_POINT>& vertices);
}

#pragma once
#include <string>

namespace ZOR
{
// Integer point or size (pixel positions, window and texture sizes).
struct ZS_POINT
{
    int x = 0;
    int y = 0;

    ZS_POINT() = default;
    ZS_POINT(int ax, int ay) : x(ax), y(ay) {}
    explicit ZS_POINT(int both) : x(both), y(both) {}
    static ZS_POINT fFromXY(int ax, int ay) { return ZS_POINT(ax, ay); }

    void fSetBoth(int v) { x = y = v; }

    // "%.*i %.*i" at precision 3 (at least three digits: 5 gives 005) into one static
    // 128-character buffer that the next call overwrites.
    const char* fToText() const;
    // Blank-separated numbers read with atoi; fewer than two leave the point unchanged.
    void fParse(const std::string& text);

    ZS_POINT operator+(const ZS_POINT& o) const { return {x + o.x, y + o.y}; }
    ZS_POINT operator-(const ZS_POINT& o) const { return {x - o.x, y - o.y}; }
    ZS_POINT operator+(int v) const { return {x + v, y + v}; }
    ZS_POINT operator-(int v) const { return {x - v, y - v}; }
    ZS_POINT operator*(const ZS_POINT& o) const { return {x * o.x, y * o.y}; }
    ZS_POINT operator*(int v) const { return {x * v, y * v}; }
    // Integer division toward zero; a zero divisor gives 0 in that component.
    ZS_POINT operator/(const ZS_POINT& o) const;
    ZS_POINT operator/(int v) const { return *this / ZS_POINT(v); }
    ZS_POINT operator-() const { return {-x, -y}; }
    ZS_POINT& operator+=(const ZS_POINT& o) { return *this = *this + o; }
    ZS_POINT& operator-=(const ZS_POINT& o) { return *this = *this - o; }
    ZS_POINT& operator*=(const ZS_POINT& o) { return *this = *this * o; }
    ZS_POINT& operator/=(const ZS_POINT& o) { return *this = *this / o; }
    ZS_POINT& operator+=(int v) { return *this = *this + v; }
    ZS_POINT& operator-=(int v) { return *this = *this - v; }
    ZS_POINT& operator*=(int v) { return *this = *this * v; }
    ZS_POINT& operator/=(int v) { return *this = *this / v; }
    bool operator==(const ZS_POINT& o) const { return x == o.x && y == o.y; }
    bool operator!=(const ZS_POINT& o) const { return !(*this == o); }
    // Component 0 or 1; any other index gives 0.
    int operator[](int i) const { return i == 0 ? x : i == 1 ? y : 0; }
    bool fIsZero() const { return x == 0 && y == 0; }
    float fDistanceTo(int px, int py) const;
};

// Float 2D vector (positions, sizes and directions of widgets, sprites, sliders).
struct ZS_VECTOR2
{
    float x = 0.0f;
    float y = 0.0f;

    ZS_VECTOR2() = default;
    ZS_VECTOR2(float ax, float ay) : x(ax), y(ay) {}
    explicit ZS_VECTOR2(float both) : x(both), y(both) {}
    static ZS_VECTOR2 fFromXY(float ax, float ay) { return ZS_VECTOR2(ax, ay); }
    static ZS_VECTOR2 fFromScalar(float v) { return ZS_VECTOR2(v); }

    void fSet(float ax, float ay) { x = ax; y = ay; }
    void fSetBoth(float v) { x = y = v; }

    // "%.*f %.*f" at precision 3 into one static 128-character buffer.
    const char* fToText() const;
    // Blank-separated numbers read with atof; fewer than two leave the vector unchanged.
    void fParse(const std::string& text);

    ZS_VECTOR2 operator+(const ZS_VECTOR2& o) const { return {x + o.x, y + o.y}; }
    ZS_VECTOR2 operator-(const ZS_VECTOR2& o) const { return {x - o.x, y - o.y}; }
    ZS_VECTOR2 operator+(float v) const { return {x + v, y + v}; }
    ZS_VECTOR2 operator-(float v) const { return {x - v, y - v}; }
    ZS_VECTOR2 operator*(const ZS_VECTOR2& o) const { return {x * o.x, y * o.y}; }
    ZS_VECTOR2 operator/(const ZS_VECTOR2& o) const { return {x / o.x, y / o.y}; }
    ZS_VECTOR2 operator*(float v) const { return {x * v, y * v}; }
    ZS_VECTOR2 operator/(float v) const { return {x / v, y / v}; }
    ZS_VECTOR2 operator-() const { return {-x, -y}; }
    ZS_VECTOR2& operator+=(const ZS_VECTOR2& o) { return *this = *this + o; }
    ZS_VECTOR2& operator-=(const ZS_VECTOR2& o) { return *this = *this - o; }
    ZS_VECTOR2& operator*=(const ZS_VECTOR2& o) { return *this = *this * o; }
    ZS_VECTOR2& operator/=(const ZS_VECTOR2& o) { return *this = *this / o; }
    ZS_VECTOR2& operator+=(float v) { return *this = *this + v; }
    ZS_VECTOR2& operator-=(float v) { return *this = *this - v; }
    ZS_VECTOR2& operator*=(float v) { return *this = *this * v; }
    ZS_VECTOR2& operator/=(float v) { return *this = *this / v; }
    bool operator==(const ZS_VECTOR2& o) const { return x == o.x && y == o.y; }
    bool operator!=(const ZS_VECTOR2& o) const { return !(*this == o); }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : 0.0f; }
    bool fIsZero() const { return x == 0.0f && y == 0.0f; }

    float fLength() const;
    float fLengthSquared() const { return x * x + y * y; }
    // Divides by the length and answers it; a zero vector stays and answers 0.
    float fNormalize();
    float fMin() const { return x < y ? x : y; }
    float fMax() const { return x > y ? x : y; }
    float fDot(const ZS_VECTOR2& o) const { return x * o.x + y * o.y; }
    ZS_VECTOR2 fPerpendicular() const { return {-y, x}; }
    // Direction in [0, 2pi).
    float fAngle() const;
};

// Float 3D vector (positions of bots and particles, camera vectors).
struct ZS_VECTOR3
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    ZS_VECTOR3() = default;
    ZS_VECTOR3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
    explicit ZS_VECTOR3(float all) : x(all), y(all), z(all) {}
    static ZS_VECTOR3 fFromXYZ(float ax, float ay, float az) { return ZS_VECTOR3(ax, ay, az); }
    static ZS_VECTOR3 fFromScalar(float v) { return ZS_VECTOR3(v); }

    void fSet(float ax, float ay, float az) { x = ax; y = ay; z = az; }
    void fSetAll(float v) { x = y = z = v; }

    // "%.*f %.*f %.*f" at precision 3 into one static 128-character buffer; a text too
    // long for it (components near the float limit) is cut.
    const char* fToText() const;
    // Blank-separated numbers read with atof; fewer than three leave the vector unchanged.
    void fParse(const std::string& text);

    ZS_VECTOR3 operator+(const ZS_VECTOR3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    ZS_VECTOR3 operator-(const ZS_VECTOR3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    ZS_VECTOR3 operator+(float v) const { return {x + v, y + v, z + v}; }
    ZS_VECTOR3 operator-(float v) const { return {x - v, y - v, z - v}; }
    ZS_VECTOR3 operator*(const ZS_VECTOR3& o) const { return {x * o.x, y * o.y, z * o.z}; }
    ZS_VECTOR3 operator/(const ZS_VECTOR3& o) const { return {x / o.x, y / o.y, z / o.z}; }
    ZS_VECTOR3 operator*(float v) const { return {x * v, y * v, z * v}; }
    ZS_VECTOR3 operator/(float v) const { return {x / v, y / v, z / v}; }
    ZS_VECTOR3 operator-() const { return {-x, -y, -z}; }
    ZS_VECTOR3& operator+=(const ZS_VECTOR3& o) { return *this = *this + o; }
    ZS_VECTOR3& operator-=(const ZS_VECTOR3& o) { return *this = *this - o; }
    ZS_VECTOR3& operator*=(const ZS_VECTOR3& o) { return *this = *this * o; }
    ZS_VECTOR3& operator/=(const ZS_VECTOR3& o) { return *this = *this / o; }
    ZS_VECTOR3& operator+=(float v) { return *this = *this + v; }
    ZS_VECTOR3& operator-=(float v) { return *this = *this - v; }
    ZS_VECTOR3& operator*=(float v) { return *this = *this * v; }
    ZS_VECTOR3& operator/=(float v) { return *this = *this / v; }
    bool operator==(const ZS_VECTOR3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const ZS_VECTOR3& o) const { return !(*this == o); }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : i == 2 ? z : 0.0f; }
    bool fIsZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }

    float fLength() const;
    float fLengthSquared() const { return x * x + y * y + z * z; }
    float fNormalize();
    float fMin() const;
    float fMax() const;
    ZS_VECTOR3 fPerpendicularXY() const { return {-y, x, z}; }
};

float fDistanceVector2(const ZS_VECTOR2& a, const ZS_VECTOR2& b);
// Angle from a to b in (0, 2pi]: same direction and a zero vector give 2pi, opposite pi.
float fSignedAngleBetween(const ZS_VECTOR2& a, const ZS_VECTOR2& b);
float fDotVector3(const ZS_VECTOR3& a, const ZS_VECTOR3& b);
void fCrossVector3(ZS_VECTOR3* out, const ZS_VECTOR3& a, const ZS_VECTOR3& b);
}

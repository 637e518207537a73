#include "engine/render/ZS_MATRIX.h"

#include <cmath>
#include <cstring>

namespace ZOR
{
namespace
{
void fNormalise(float v[3])
{
    float len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    // A zero vector stays zero rather than turning into NaNs.
    if (len == 0.0f)
        return;
    v[0] /= len;
    v[1] /= len;
    v[2] /= len;
}

void fCross(float out[3], const float a[3], const float b[3])
{
    float x = a[1] * b[2] - a[2] * b[1];
    float y = a[2] * b[0] - a[0] * b[2];
    float z = a[0] * b[1] - a[1] * b[0];
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

float fDot(const float a[3], const float b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
}

ZS_MATRIX::ZS_MATRIX()
{
    fSetIdentity();
}

ZS_MATRIX::ZS_MATRIX(float a0, float a4, float a8, float a12,
                     float a1, float a5, float a9, float a13,
                     float a2, float a6, float a10, float a14,
                     float a3, float a7, float a11, float a15)
    : m{a0, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15}
{
}

void ZS_MATRIX::fSetIdentity()
{
    std::memset(m, 0, sizeof(m));
    m[0] = m[5] = m[10] = m[15] = 1.0f;
}

void ZS_MATRIX::fMakeTranslation(float x, float y, float z)
{
    fSetIdentity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

void ZS_MATRIX::fMakeTranslationX(float v)
{
    fSetIdentity();
    m[12] = v;
}

void ZS_MATRIX::fMakeTranslationY(float v)
{
    fSetIdentity();
    m[13] = v;
}

void ZS_MATRIX::fMakeTranslationZ(float v)
{
    fSetIdentity();
    m[14] = v;
}

void ZS_MATRIX::fMakeScaling(float x, float y, float z)
{
    fSetIdentity();
    m[0] = x;
    m[5] = y;
    m[10] = z;
}

void ZS_MATRIX::fMakeRotationX(float a)
{
    float c = std::cos(a), s = std::sin(a);
    fSetIdentity();
    m[5] = c;
    m[6] = s;
    m[9] = -s;
    m[10] = c;
}

void ZS_MATRIX::fMakeRotationY(float a)
{
    float c = std::cos(a), s = std::sin(a);
    fSetIdentity();
    m[0] = c;
    m[2] = -s;
    m[8] = s;
    m[10] = c;
}

void ZS_MATRIX::fMakeRotationZ(float a)
{
    float c = std::cos(a), s = std::sin(a);
    fSetIdentity();
    m[0] = c;
    m[1] = s;
    m[4] = -s;
    m[5] = c;
}

void ZS_MATRIX::fMakeAxisRotation(float angle, float axis[3])
{
    fNormalise(axis);
    float x = axis[0], y = axis[1], z = axis[2];
    float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
    std::memset(m, 0, sizeof(m));
    m[0] = c + t * x * x;
    m[1] = t * x * y + s * z;
    m[2] = t * x * z - s * y;
    m[4] = t * x * y - s * z;
    m[5] = c + t * y * y;
    m[6] = t * y * z + s * x;
    m[8] = t * x * z + s * y;
    m[9] = t * y * z - s * x;
    m[10] = c + t * z * z;
    m[15] = 1.0f;
}

void ZS_MATRIX::fSetProduct(const ZS_MATRIX& a, const ZS_MATRIX& b)
{
    float r[16];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r[4 * i + j] = a.m[j] * b.m[4 * i] + a.m[4 + j] * b.m[4 * i + 1] + a.m[8 + j] * b.m[4 * i + 2] +
                           a.m[12 + j] * b.m[4 * i + 3];
    std::memcpy(m, r, sizeof(m));
}

void ZS_MATRIX::fTransformPoint(float v[3]) const
{
    float x = v[0], y = v[1], z = v[2];
    v[0] = m[0] * x + m[4] * y + m[8] * z + m[12];
    v[1] = m[1] * x + m[5] * y + m[9] * z + m[13];
    v[2] = m[2] * x + m[6] * y + m[10] * z + m[14];
}

void ZS_MATRIX::fRotateVector(float v[3]) const
{
    float x = v[0], y = v[1], z = v[2];
    v[0] = m[0] * x + m[4] * y + m[8] * z;
    v[1] = m[1] * x + m[5] * y + m[9] * z;
    v[2] = m[2] * x + m[6] * y + m[10] * z;
}

void fMatrixIdentity(ZS_MATRIX& m)
{
    m.fSetIdentity();
}

void fMatrixLoadIdentity(ZS_MATRIX& m)
{
    m.fSetIdentity();
}

void fMatrixMultiplyBy(ZS_MATRIX& m, const ZS_MATRIX& n)
{
    m.fSetProduct(m, n);
}

void fMatrixAdd(ZS_MATRIX& out, const ZS_MATRIX& a, const ZS_MATRIX& b)
{
    for (int i = 0; i < 16; ++i)
        out.m[i] = a.m[i] + b.m[i];
}

void fMatrixSubtract(ZS_MATRIX& out, const ZS_MATRIX& a, const ZS_MATRIX& b)
{
    for (int i = 0; i < 16; ++i)
        out.m[i] = a.m[i] - b.m[i];
}

void fMatrixScale(ZS_MATRIX& out, const ZS_MATRIX& m, float f)
{
    for (int i = 0; i < 16; ++i)
        out.m[i] = m.m[i] * f;
}

void fMatrixTranspose(ZS_MATRIX& out, const ZS_MATRIX& in)
{
    float r[16];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r[4 * i + j] = in.m[4 * j + i];
    std::memcpy(out.m, r, sizeof(r));
}

void fMatrixApplyRows(float out[3], const ZS_MATRIX& m, const float v[3])
{
    float x = v[0], y = v[1], z = v[2];
    out[0] = m.m[0] * x + m.m[1] * y + m.m[2] * z + m.m[3];
    out[1] = m.m[4] * x + m.m[5] * y + m.m[6] * z + m.m[7];
    out[2] = m.m[8] * x + m.m[9] * y + m.m[10] * z + m.m[11];
}

void fMatrixTranslate(ZS_MATRIX& m, float x, float y, float z)
{
    ZS_MATRIX t;
    t.fMakeTranslation(x, y, z);
    m.fSetProduct(m, t);
}

void fMatrixTranslateX(ZS_MATRIX& m, float v)
{
    fMatrixTranslate(m, v, 0, 0);
}

void fMatrixTranslateY(ZS_MATRIX& m, float v)
{
    fMatrixTranslate(m, 0, v, 0);
}

void fMatrixTranslateZ(ZS_MATRIX& m, float v)
{
    fMatrixTranslate(m, 0, 0, v);
}

void fMatrixRotateX(ZS_MATRIX& m, float a)
{
    ZS_MATRIX r;
    r.fMakeRotationX(a);
    m.fSetProduct(m, r);
}

void fMatrixRotateY(ZS_MATRIX& m, float a)
{
    ZS_MATRIX r;
    r.fMakeRotationY(a);
    m.fSetProduct(m, r);
}

void fMatrixRotateZ(ZS_MATRIX& m, float a)
{
    ZS_MATRIX r;
    r.fMakeRotationZ(a);
    m.fSetProduct(m, r);
}

void fMatrixRotate(ZS_MATRIX& m, float ax, float ay, float az)
{
    if (ax != 0.0f)
        fMatrixRotateX(m, ax);
    if (ay != 0.0f)
        fMatrixRotateY(m, ay);
    if (az != 0.0f)
        fMatrixRotateZ(m, az);
}

void fMatrixScaleXYZ(ZS_MATRIX& m, float sx, float sy, float sz)
{
    ZS_MATRIX s;
    s.fMakeScaling(sx, sy, sz);
    m.fSetProduct(m, s);
}

void fMatrixScaleX(ZS_MATRIX& m, float v)
{
    fMatrixScaleXYZ(m, v, 1, 1);
}

void fMatrixScaleY(ZS_MATRIX& m, float v)
{
    fMatrixScaleXYZ(m, 1, v, 1);
}

void fMatrixScaleZ(ZS_MATRIX& m, float v)
{
    fMatrixScaleXYZ(m, 1, 1, v);
}

void fMatrixLookAt(ZS_MATRIX& m, float ex, float ey, float ez, float cx, float cy, float cz,
                   float ux, float uy, float uz)
{
    float f[3] = {ex - cx, ey - cy, ez - cz};
    float up[3] = {ux, uy, uz};
    float side[3], u[3];
    fNormalise(f);
    fCross(side, up, f);
    fNormalise(side);
    fCross(u, f, side);
    fNormalise(u);
    ZS_MATRIX l;
    l.m[0] = side[0];
    l.m[1] = side[1];
    l.m[2] = side[2];
    l.m[4] = u[0];
    l.m[5] = u[1];
    l.m[6] = u[2];
    l.m[8] = f[0];
    l.m[9] = f[1];
    l.m[10] = f[2];
    m.fSetProduct(m, l);
    fMatrixTranslate(m, -ex, -ey, -ez);
}

void fMatrixTranslation(ZS_MATRIX& out, float x, float y, float z)
{
    out.fMakeTranslation(x, y, z);
}

void fMatrixScaling(ZS_MATRIX& out, float x, float y, float z)
{
    out.fMakeScaling(x, y, z);
}

void fMatrixYawPitchRoll(ZS_MATRIX& out, float yaw, float pitch, float roll)
{
    // Row-vector rotations composed roll * pitch * yaw, written out.
    float cy = std::cos(yaw), sy = std::sin(yaw);
    float cp = std::cos(pitch), sp = std::sin(pitch);
    float cr = std::cos(roll), sr = std::sin(roll);
    float* m = out.m;
    m[0] = cr * cy + sr * sp * sy;
    m[1] = sr * cp;
    m[2] = -cr * sy + sr * sp * cy;
    m[3] = 0;
    m[4] = -sr * cy + cr * sp * sy;
    m[5] = cr * cp;
    m[6] = sr * sy + cr * sp * cy;
    m[7] = 0;
    m[8] = cp * sy;
    m[9] = -sp;
    m[10] = cp * cy;
    m[11] = 0;
    m[12] = m[13] = m[14] = 0;
    m[15] = 1;
}

void fMatrixLookAtLH(ZS_MATRIX& out, float ex, float ey, float ez, float ax, float ay, float az,
                     float ux, float uy, float uz)
{
    float eye[3] = {ex, ey, ez};
    float z[3] = {ax - ex, ay - ey, az - ez};
    float up[3] = {ux, uy, uz};
    float x[3], y[3];
    fNormalise(z);
    fCross(x, up, z);
    fNormalise(x);
    fCross(y, z, x);
    float* m = out.m;
    m[0] = x[0];
    m[1] = y[0];
    m[2] = z[0];
    m[3] = 0;
    m[4] = x[1];
    m[5] = y[1];
    m[6] = z[1];
    m[7] = 0;
    m[8] = x[2];
    m[9] = y[2];
    m[10] = z[2];
    m[11] = 0;
    m[12] = -fDot(x, eye);
    m[13] = -fDot(y, eye);
    m[14] = -fDot(z, eye);
    m[15] = 1;
}

void fMatrixPerspectiveFovLH(ZS_MATRIX& out, float fovY, float aspect, float zn, float zf)
{
    float ys = 1.0f / std::tan(fovY * 0.5f);
    float xs = ys / aspect;
    std::memset(out.m, 0, sizeof(out.m));
    out.m[0] = xs;
    out.m[5] = ys;
    out.m[10] = zf / (zf - zn);
    out.m[11] = 1.0f;
    out.m[14] = -zn * zf / (zf - zn);
}

void fMatrixMultiply(ZS_MATRIX& out, const ZS_MATRIX& a, const ZS_MATRIX& b)
{
    float r[16];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r[4 * i + j] = a.m[4 * i] * b.m[j] + a.m[4 * i + 1] * b.m[4 + j] + a.m[4 * i + 2] * b.m[8 + j] +
                           a.m[4 * i + 3] * b.m[12 + j];
    std::memcpy(out.m, r, sizeof(r));
}

bool fMatrixInverse(ZS_MATRIX& out, const ZS_MATRIX& in)
{
    // Gauss-Jordan elimination with partial pivoting, in double precision.
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
        {
            a[r][c] = in.m[4 * r + c];
            a[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    for (int col = 0; col < 4; ++col)
    {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-12)
            return false;
        if (pivot != col)
            for (int c = 0; c < 8; ++c)
                std::swap(a[pivot][c], a[col][c]);
        double inv = 1.0 / a[col][col];
        for (int c = 0; c < 8; ++c)
            a[col][c] *= inv;
        for (int r = 0; r < 4; ++r)
        {
            if (r == col || a[r][col] == 0.0)
                continue;
            double f = a[r][col];
            for (int c = 0; c < 8; ++c)
                a[r][c] -= f * a[col][c];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out.m[4 * r + c] = float(a[r][c + 4]);
    return true;
}

void fTransformCoord(float out[3], const ZS_MATRIX& m, float x, float y, float z)
{
    float rx = x * m.m[0] + y * m.m[4] + z * m.m[8] + m.m[12];
    float ry = x * m.m[1] + y * m.m[5] + z * m.m[9] + m.m[13];
    float rz = x * m.m[2] + y * m.m[6] + z * m.m[10] + m.m[14];
    float w = x * m.m[3] + y * m.m[7] + z * m.m[11] + m.m[15];
    if (w != 0.0f && w != 1.0f)
    {
        rx /= w;
        ry /= w;
        rz /= w;
    }
    out[0] = rx;
    out[1] = ry;
    out[2] = rz;
}
}

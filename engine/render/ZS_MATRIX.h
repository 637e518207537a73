#pragma once

namespace ZOR
{
// 4x4 float matrix, element i at position i. The toolkit functions below read it column-major
// with column vectors (translation in 12, 13, 14); the row-vector helpers further down read the
// same 16 floats as a row-major matrix with row vectors, which is the same layout. The device
// takes it as it is.
struct ZS_MATRIX
{
    float m[16];

    ZS_MATRIX();
    // Arguments 1-4 go to elements 0, 4, 8, 12; arguments 5-8 to 1, 5, 9, 13; and so on.
    ZS_MATRIX(float a0, float a4, float a8, float a12,
              float a1, float a5, float a9, float a13,
              float a2, float a6, float a10, float a14,
              float a3, float a7, float a11, float a15);

    void fSetIdentity();
    void fMakeTranslation(float x, float y, float z);
    void fMakeTranslationX(float v);
    void fMakeTranslationY(float v);
    void fMakeTranslationZ(float v);
    void fMakeScaling(float x, float y, float z);
    void fMakeRotationX(float a);
    void fMakeRotationY(float a);
    void fMakeRotationZ(float a);
    // The axis is normalised in place.
    void fMakeAxisRotation(float angle, float axis[3]);
    // this := a * b, column-major; this may be a or b.
    void fSetProduct(const ZS_MATRIX& a, const ZS_MATRIX& b);
    float* fElement(int row, int column) { return &m[4 * row + column]; }
    float* fData() { return m; }
    const float* fData() const { return m; }
    // In place, with translation.
    void fTransformPoint(float v[3]) const;
    // In place, without translation.
    void fRotateVector(float v[3]) const;
};

void fMatrixIdentity(ZS_MATRIX& m);
void fMatrixLoadIdentity(ZS_MATRIX& m);
void fMatrixMultiplyBy(ZS_MATRIX& m, const ZS_MATRIX& n);
void fMatrixAdd(ZS_MATRIX& out, const ZS_MATRIX& a, const ZS_MATRIX& b);
void fMatrixSubtract(ZS_MATRIX& out, const ZS_MATRIX& a, const ZS_MATRIX& b);
void fMatrixScale(ZS_MATRIX& out, const ZS_MATRIX& m, float f);
void fMatrixTranspose(ZS_MATRIX& out, const ZS_MATRIX& in);
void fMatrixApplyRows(float out[3], const ZS_MATRIX& m, const float v[3]);
void fMatrixTranslate(ZS_MATRIX& m, float x, float y, float z);
void fMatrixTranslateX(ZS_MATRIX& m, float v);
void fMatrixTranslateY(ZS_MATRIX& m, float v);
void fMatrixTranslateZ(ZS_MATRIX& m, float v);
void fMatrixRotateX(ZS_MATRIX& m, float a);
void fMatrixRotateY(ZS_MATRIX& m, float a);
void fMatrixRotateZ(ZS_MATRIX& m, float a);
void fMatrixRotate(ZS_MATRIX& m, float ax, float ay, float az);
void fMatrixScaleXYZ(ZS_MATRIX& m, float sx, float sy, float sz);
void fMatrixScaleX(ZS_MATRIX& m, float v);
void fMatrixScaleY(ZS_MATRIX& m, float v);
void fMatrixScaleZ(ZS_MATRIX& m, float v);
void fMatrixLookAt(ZS_MATRIX& m, float ex, float ey, float ez, float cx, float cy, float cz,
                   float ux, float uy, float uz);

// Row-vector helpers with the Direct3D conventions the screen and batch matrices are written in
// (a point is multiplied from the left; translation in elements 12, 13, 14).
void fMatrixTranslation(ZS_MATRIX& out, float x, float y, float z);
void fMatrixScaling(ZS_MATRIX& out, float x, float y, float z);
// Roll about z first, then pitch about x, then yaw about y.
void fMatrixYawPitchRoll(ZS_MATRIX& out, float yaw, float pitch, float roll);
// Left-handed view looking from the eye at the target.
void fMatrixLookAtLH(ZS_MATRIX& out, float ex, float ey, float ez, float ax, float ay, float az,
                       float ux, float uy, float uz);
// Left-handed perspective with depth 0 at the near plane and 1 at the far plane.
void fMatrixPerspectiveFovLH(ZS_MATRIX& out, float fovY, float aspect, float zn, float zf);
// out := a * b with row vectors (a acts first); out may be a or b.
void fMatrixMultiply(ZS_MATRIX& out, const ZS_MATRIX& a, const ZS_MATRIX& b);
// false (out unchanged) when the matrix is singular.
bool fMatrixInverse(ZS_MATRIX& out, const ZS_MATRIX& in);
// (x, y, z, 1) * m, divided by w when w is neither 0 nor 1.
void fTransformCoord(float out[3], const ZS_MATRIX& m, float x, float y, float z);
}

#include "engine/render/ZC_CAMERA.h"

#include <cmath>

#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
namespace
{
using DEV = ZC_PLATFORM_DEVICE;

ZS_VECTOR3 fCross(const ZS_VECTOR3& a, const ZS_VECTOR3& b)
{
    return ZS_VECTOR3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

ZS_VECTOR3 fNormalised(ZS_VECTOR3 v)
{
    float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return len == 0.0f ? v : ZS_VECTOR3(v.x / len, v.y / len, v.z / len);
}

// Turns v about the axis by the angle.
void fTurn(ZS_VECTOR3& v, ZS_VECTOR3 axis, float angle)
{
    float a[3] = {axis.x, axis.y, axis.z};
    float p[3] = {v.x, v.y, v.z};
    ZS_MATRIX r;
    r.fMakeAxisRotation(angle, a);
    r.fRotateVector(p);
    v.fSet(p[0], p[1], p[2]);
}

void fSet4(float out[4], float r, float g, float b, float a)
{
    out[0] = r;
    out[1] = g;
    out[2] = b;
    out[3] = a;
}
}

ZC_CAMERA::ZC_CAMERA(ZC_PLATFORM_DEVICE* adevice, int width, int height) : device(adevice)
{
    float h = float(height + 1) * 0.5f;
    eye.fSet(float(width + 1) * 0.5f, -h, -h / std::tan(3.14159265f / 8.0f));
    forward.fSet(0, 0, 1);
    up.fSet(0, 1, 0);
    right.fSet(1, 0, 0);
    position = eye;
    fUpdateView();
}

void ZC_CAMERA::fUpdateView()
{
    forward = fNormalised(forward);
    right = fNormalised(fCross(up, forward));
    up = fNormalised(fCross(forward, right));
    float* m = view.m;
    m[0] = right.x;
    m[1] = up.x;
    m[2] = forward.x;
    m[4] = right.y;
    m[5] = up.y;
    m[6] = forward.y;
    m[8] = right.z;
    m[9] = up.z;
    m[10] = forward.z;
    m[3] = m[7] = m[11] = 0.0f;
    m[12] = -fDotVector3(eye, right);
    m[13] = -fDotVector3(eye, up);
    m[14] = -fDotVector3(eye, forward);
    m[15] = 1.0f;
    if (device)
        device->fSetTransform(DEV::TS_VIEW, view.m);
}

void ZC_CAMERA::fRotate(const ZS_VECTOR3& v)
{
    yaw += v.x;
    pitch += v.y;
    roll += v.z;
    ZS_VECTOR3 axis = up;
    fTurn(forward, axis, v.x);
    fTurn(up, axis, v.x);
    axis = right;
    fTurn(forward, axis, v.y);
    fTurn(up, axis, v.y);
    axis = forward;
    fTurn(right, axis, v.z);
    fTurn(up, axis, v.z);
    fUpdateView();
}

void ZC_CAMERA::fSetYaw(float a)
{
    yaw = a;
    ZS_VECTOR3 axis = up;
    fTurn(forward, axis, a);
    fTurn(up, axis, a);
    fUpdateView();
}

void ZC_CAMERA::fSetPitch(float a)
{
    pitch = a;
    ZS_VECTOR3 axis = right;
    fTurn(forward, axis, a);
    fTurn(up, axis, a);
    fUpdateView();
}

void ZC_CAMERA::fSetRoll(float a)
{
    roll = a;
    ZS_VECTOR3 axis = forward;
    fTurn(right, axis, a);
    fTurn(up, axis, a);
    fUpdateView();
}

void ZC_CAMERA::fSetAngles(float ayaw, float apitch, float aroll)
{
    yaw = ayaw;
    pitch = apitch;
    roll = aroll;
    forward.fSet(0, 0, 1);
    up.fSet(0, 1, 0);
    right.fSet(1, 0, 0);
    fUpdateView();
}

void ZC_CAMERA::fMove(float f, float r, float u)
{
    eye = eye + forward * f;
    eye = eye + right * r;
    eye = eye + up * u;
    position = eye;
    fUpdateView();
}

void ZC_CAMERA::fSetX(float v)
{
    eye.x = position.x = v;
    fUpdateView();
}

void ZC_CAMERA::fSetY(float v)
{
    eye.y = position.y = v;
    fUpdateView();
}

void ZC_CAMERA::fSetZ(float v)
{
    eye.z = position.z = v;
    fUpdateView();
}

void ZC_CAMERA::fSetPosition(float x, float y, float z)
{
    eye.fSet(x, y, z);
    position = eye;
    fUpdateView();
}

void ZS_LIGHT::fInit(int aindex)
{
    *this = ZS_LIGHT();
    index = aindex;
}

void ZS_LIGHT::fSetDiffuse(float r, float g, float b, float a)
{
    fSet4(diffuse, r, g, b, a);
}

void ZS_LIGHT::fSetAmbient(float r, float g, float b, float a)
{
    fSet4(ambient, r, g, b, a);
}

void ZS_LIGHT::fSetSpecular(float r, float g, float b, float a)
{
    fSet4(specular, r, g, b, a);
}

void ZS_LIGHT::fSetSpareColor(float r, float g, float b, float a)
{
    fSet4(spareColor, r, g, b, a);
}

void ZS_LIGHT::fSetPosition(float x, float y, float z)
{
    position[0] = x;
    position[1] = y;
    position[2] = z;
}

void ZS_LIGHT::fSetDirection(float x, float y, float z)
{
    direction[0] = x;
    direction[1] = y;
    direction[2] = z;
}

void ZS_LIGHT::fSetCone(float arange, float afalloff, float atheta, float aphi)
{
    range = arange;
    falloff = afalloff;
    theta = atheta;
    phi = aphi;
}

void ZS_LIGHT::fSetAttenuation(float c, float l, float q)
{
    attenuation[0] = c;
    attenuation[1] = l;
    attenuation[2] = q;
}

int ZS_LIGHT::fApply() const
{
    return zcRENDER ? zcRENDER->fSetLight(index, *this) : -1;
}

void ZS_LIGHT::fEnable(bool on) const
{
    if (zcRENDER)
        zcRENDER->fEnableLight(index, on);
}

void ZS_MATERIAL::fSetDiffuse(float r, float g, float b, float a)
{
    fSet4(diffuse, r, g, b, a);
}

void ZS_MATERIAL::fSetAmbient(float r, float g, float b, float a)
{
    fSet4(ambient, r, g, b, a);
}

void ZS_MATERIAL::fSetSpecular(float r, float g, float b, float a)
{
    fSet4(specular, r, g, b, a);
}

void ZS_MATERIAL::fSetEmissive(float r, float g, float b, float a)
{
    fSet4(emissive, r, g, b, a);
}

void ZS_MATERIAL::fSetDefaults()
{
    fSetDiffuseGrey(1.0f);
    fSetAmbientGrey(0.6f);
    fSetSpecularGrey(0.3f);
    fSetEmissiveGrey(0.0f);
    power = 5.0f;
}

void ZS_MATERIAL::fApply() const
{
    if (zcRENDER)
        zcRENDER->fSetMaterial(*this);
}

ZC_CAMERA* ZC_RENDER::fCreateCamera(int width, int height)
{
    return new ZC_CAMERA(device, width ? width : backBufferWidth, height ? height : backBufferHeight);
}

void ZC_RENDER::fSetCamera(ZC_CAMERA* camera)
{
    currentCamera = camera;
    if (camera && device)
        device->fSetTransform(DEV::TS_VIEW, camera->view.m);
}

void ZC_RENDER::fSetSceneTransform(const ZS_TRANSFORM3& t)
{
    sceneWorld.fSetIdentity();
    fMulSceneTransform(t);
}

void ZC_RENDER::fMulSceneTransform(const ZS_TRANSFORM3& t)
{
    // y is mirrored against the batch world: the scene world starts as the screen world.
    ZS_MATRIX pivot, rotation, position, scaling;
    fMatrixTranslation(pivot, -t.pivot.x, t.pivot.y, t.pivot.z);
    fMatrixYawPitchRoll(rotation, t.rotation.y, t.rotation.x, t.rotation.z);
    fMatrixTranslation(position, t.position.x, -t.position.y, t.position.z);
    fMatrixScaling(scaling, t.scale.x, t.scale.y, t.scale.z);
    fMatrixMultiply(sceneWorld, sceneWorld, pivot);
    fMatrixMultiply(sceneWorld, sceneWorld, rotation);
    fMatrixMultiply(sceneWorld, sceneWorld, position);
    fMatrixMultiply(sceneWorld, sceneWorld, scaling);
    if (device)
        device->fSetTransform(DEV::TS_WORLD, sceneWorld.m);
}

int ZC_RENDER::fSetLight(int index, const ZS_LIGHT& l)
{
    if (!device)
        return -1;
    DEV::ZS_LIGHT_DATA d;
    d.type = l.type;
    for (int i = 0; i < 4; ++i)
    {
        d.diffuse[i] = l.diffuse[i];
        d.specular[i] = l.specular[i];
        d.ambient[i] = l.ambient[i];
    }
    for (int i = 0; i < 3; ++i)
    {
        d.position[i] = l.position[i];
        d.direction[i] = l.direction[i];
        d.attenuation[i] = l.attenuation[i];
    }
    d.range = l.range;
    d.falloff = l.falloff;
    d.theta = l.theta;
    d.phi = l.phi;
    device->fSetLight(index, d);
    return 1;
}

void ZC_RENDER::fEnableLight(int index, bool on)
{
    if (device)
        device->fEnableLight(index, on);
}

void ZC_RENDER::fSetLighting(bool on)
{
    if (device)
        device->fSetRenderState(DEV::RS_LIGHTING, on);
}

void ZC_RENDER::fSetMaterial(const ZS_MATERIAL& m)
{
    if (!device)
        return;
    DEV::ZS_MATERIAL_DATA d;
    for (int i = 0; i < 4; ++i)
    {
        d.diffuse[i] = m.diffuse[i];
        d.ambient[i] = m.ambient[i];
        d.specular[i] = m.specular[i];
        d.emissive[i] = m.emissive[i];
    }
    d.power = m.power;
    device->fSetMaterial(d);
}
}

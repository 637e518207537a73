#pragma once
#include "engine/core/ZS_POINT.h"
#include "engine/render/ZS_MATRIX.h"

namespace ZOR
{
class ZC_PLATFORM_DEVICE;

// A free-flying camera that writes its view matrix to the device. Nothing in the game makes one.
class ZC_CAMERA
{
public:
    float pitch = 0, yaw = 0, roll = 0;
    ZS_VECTOR3 position;
    ZC_PLATFORM_DEVICE* device = nullptr; // receives the view; may be null
    ZS_MATRIX view;
    ZS_VECTOR3 eye;
    ZS_VECTOR3 forward, up, right;

    // Looks at a width x height picture like the renderer's screen camera does.
    ZC_CAMERA(ZC_PLATFORM_DEVICE* device, int width, int height);

    void fUpdateView();
    // Yaw, pitch and roll by v.x, v.y, v.z.
    void fRotate(const ZS_VECTOR3& v);
    // Each stores the angle and turns by it (not by the difference).
    void fSetYaw(float a);
    void fSetPitch(float a);
    void fSetRoll(float a);
    void fSetAngles(float ayaw, float apitch, float aroll);
    void fMove(float f, float r, float u);
    void fSetX(float v);
    void fSetY(float v);
    void fSetZ(float v);
    void fSetPosition(float x, float y, float z);
    ZS_VECTOR3 fGetForward() const { return forward; }
    ZS_VECTOR3 fGetUp() const { return up; }
    ZS_VECTOR3 fGetRight() const { return right; }
};

// A light (type 1 point, 2 spot, 3 directional). The spare colour and value do not reach the device.
struct ZS_LIGHT
{
    int type = 3;
    float diffuse[4] = {1, 1, 1, 1};
    float ambient[4] = {1, 1, 1, 1};
    float specular[4] = {1, 1, 1, 1};
    float spareColor[4] = {1, 1, 1, 1};
    float spareValue = 10;
    float position[3] = {0, 0, 0};
    float direction[3] = {1, 0, 0};
    float range = 0, falloff = 0, theta = 0, phi = 0;
    float attenuation[3] = {0.1f, 0, 0};
    int index = 0;

    void fInit(int aindex);
    void fSetDiffuse(float r, float g, float b, float a);
    void fSetAmbient(float r, float g, float b, float a);
    void fSetSpecular(float r, float g, float b, float a);
    void fSetSpareColor(float r, float g, float b, float a);
    void fSetDiffuseGrey(float v) { fSetDiffuse(v, v, v, v); }
    void fSetAmbientGrey(float v) { fSetAmbient(v, v, v, v); }
    void fSetSpecularGrey(float v) { fSetSpecular(v, v, v, v); }
    void fSetSpareGrey(float v) { fSetSpareColor(v, v, v, v); }
    void fSetSpareValue(float v) { spareValue = v; }
    void fSetPosition(float x, float y, float z);
    void fSetDirection(float x, float y, float z);
    void fSetCone(float arange, float afalloff, float atheta, float aphi);
    void fSetAttenuation(float c, float l, float q);
    void fSetType(int t) { type = t; }
    void fSetIndex(int i) { index = i; }
    int fApply() const;
    void fEnable(bool on) const;
};

// A material: diffuse, ambient, specular, emissive (r, g, b, a) and power.
struct ZS_MATERIAL
{
    float diffuse[4] = {0, 0, 0, 0};
    float ambient[4] = {0, 0, 0, 0};
    float specular[4] = {0, 0, 0, 0};
    float emissive[4] = {0, 0, 0, 0};
    float power = 0;

    void fSetDiffuse(float r, float g, float b, float a);
    void fSetAmbient(float r, float g, float b, float a);
    void fSetSpecular(float r, float g, float b, float a);
    void fSetEmissive(float r, float g, float b, float a);
    void fSetDiffuseGrey(float v) { fSetDiffuse(v, v, v, v); }
    void fSetAmbientGrey(float v) { fSetAmbient(v, v, v, v); }
    void fSetSpecularGrey(float v) { fSetSpecular(v, v, v, v); }
    void fSetEmissiveGrey(float v) { fSetEmissive(v, v, v, v); }
    void fSetPower(float p) { power = p; }
    // Diffuse 1, ambient 0.6, specular 0.3, emissive 0, power 5.
    void fSetDefaults();
    void fApply() const;
};
}

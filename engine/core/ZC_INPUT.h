#pragma once
#include <cstdint>
#include <vector>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
// A pointer record of a touch host; nothing on this platform makes one.
struct ZS_POINTER_RECORD
{
    int reserved = 0;
    int id = 0;
};

// Keyboard and mouse state of the current loop step. Mouse buttons are keys 1, 2 and 4.
// Key states: 0 up, 1 went down in this step, 2 to 125 held (counting steps, wrapping back
// to 2), 255 went up in this step.
class ZC_INPUT
{
public:
    ZC_INPUT();
    ~ZC_INPUT();
    ZC_INPUT(const ZC_INPUT&) = delete;
    ZC_INPUT& operator=(const ZC_INPUT&) = delete;

    // Codes outside 0..255 are ignored.
    void fOnKeyDown(int key);
    void fOnKeyUp(int key);
    void fOnMouseMove(int x, int y);
    // Ages the key states; once per due update step, before the message pump.
    void fAdvanceFrame();

    uint8_t fGetKeyState(int key) const;
    bool fIsKeyPressed(int key) const { return fGetKeyState(key) == 1; }
    bool fIsKeyReleased(int key) const { return fGetKeyState(key) == 255; }
    // Keys that make no typed character (Backspace, Enter, Shift, Ctrl, Escape, End, Home,
    // the arrows, Insert, Delete).
    static bool fIsControlKey(int key);
    int fGetPointerPosition(float* x, float* y, int index) const;
    ZS_POINTER_RECORD* fFindPointerRecord(int id) const;

    uint8_t keys[256] = {};
    wchar_t typed[6] = {};
    int lastKey = 0;
    ZS_POINT position;
    ZS_POINT previousPosition;
    std::vector<ZS_POINTER_RECORD*> pointerRecords;
};

extern ZC_INPUT* zcINPUT;
extern ZS_POINT* zcMOUSE_POSITION;
}

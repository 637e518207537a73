#include "engine/core/ZC_INPUT.h"

#include <cstdint>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/platform/ZC_PLATFORM_WINDOW.h"

namespace ZOR
{
ZC_INPUT* zcINPUT = nullptr;
ZS_POINT* zcMOUSE_POSITION = nullptr;

namespace
{
const int kShift = 16;
const int kCapsLock = 20;

void* fKeyArgument(int key)
{
    return reinterpret_cast<void*>(intptr_t(key));
}
}

ZC_INPUT::ZC_INPUT()
{
    zcINPUT = this;
    zcMOUSE_POSITION = &position;
}

ZC_INPUT::~ZC_INPUT()
{
    if (zcINPUT == this)
        zcINPUT = nullptr;
    // zcMOUSE_POSITION is not cleared by the engine; leaving it pointing here would be a
    // dangling pointer for the next reader.
    if (zcMOUSE_POSITION == &position)
        zcMOUSE_POSITION = nullptr;
}

void ZC_INPUT::fOnKeyDown(int key)
{
    if (key < 0 || key > 255)
        return;
    fCountPress(key);
    if (!fIsControlKey(key) && fKeyToUnicode(key, keys, typed, 6) > 0)
        typedInStep += typed;
    fInvoke(zcON_KEY_DOWN, fKeyArgument(key));
}

void ZC_INPUT::fOnKeyDown(int key, const wchar_t* text)
{
    if (key < 0 || key > 255)
        return;
    if (fIsControlKey(key) || !text)
        text = L"";
    fCountPress(key);
    fSetTyped(text[0]);
    fInvoke(zcON_KEY_DOWN, fKeyArgument(key));
    if (text[0] != 0)
        fOnText(text + 1);
}

void ZC_INPUT::fOnText(const wchar_t* text)
{
    for (const wchar_t* p = text; p && *p; ++p)
    {
        fCountPress(kTextKey);
        fSetTyped(*p);
        fInvoke(zcON_KEY_DOWN, fKeyArgument(kTextKey));
        fOnKeyUp(kTextKey);
    }
}

void ZC_INPUT::fSetTyped(wchar_t ch)
{
    typed[0] = ch;
    typed[1] = 0;
    if (ch != 0)
        typedInStep += ch;
}

void ZC_INPUT::fCountPress(int key)
{
    lastKey = key;
    if (key == kShift)
    {
        // Caps Lock mirrors Shift, so that letters typed while it is held come out capital.
        if (keys[kShift] == 0 || keys[kShift] == 255)
            unseenChange = true;
        keys[kShift] = 1;
        keys[kCapsLock] = 1;
    }
    else
    {
        uint8_t& state = keys[key];
        if (state == 0 || state == 255)
        {
            state = 1;
            unseenChange = true;
        }
        else if (state <= 120)
            ++state;
        else
            state = 2;
    }
}

void ZC_INPUT::fOnKeyUp(int key)
{
    if (key < 0 || key > 255)
        return;
    unseenChange = true;
    if (key == kShift)
    {
        keys[kShift] = 255;
        keys[kCapsLock] = 255;
    }
    else
        keys[key] = 255;
    fInvoke(zcON_KEY_UP, fKeyArgument(key));
}

void ZC_INPUT::fOnMouseMove(int x, int y)
{
    previousPosition = position;
    position = ZS_POINT(x, y);
    fInvoke(zcON_MOUSE_MOVE);
}

void ZC_INPUT::fAdvanceFrame()
{
    unseenChange = false;
    lastKey = 0;
    typed[0] = 0;
    typedInStep.clear();
    for (int key = 0; key < 256; ++key)
    {
        uint8_t& state = keys[key];
        if (state == 255)
            state = 0;
        else if (state != 0 && key != kCapsLock)
            state = state + 1 > 125 ? 2 : uint8_t(state + 1);
    }
}

uint8_t ZC_INPUT::fGetKeyState(int key) const
{
    return key >= 0 && key < 256 ? keys[key] : 0;
}

bool ZC_INPUT::fIsControlKey(int key)
{
    switch (key)
    {
    case 8: case 13: case 16: case 17: case 27: case 35: case 36:
    case 37: case 38: case 39: case 40: case 45: case 46:
        return true;
    default:
        return false;
    }
}

int ZC_INPUT::fGetPointerPosition(float* x, float* y, int index) const
{
    if (index != 0)
        return -1;
    *x = float(position.x);
    *y = float(position.y);
    return 1;
}

ZS_POINTER_RECORD* ZC_INPUT::fFindPointerRecord(int id) const
{
    for (ZS_POINTER_RECORD* record : pointerRecords)
        if (record && record->id == id)
            return record;
    return nullptr;
}
}

#pragma once
#include <cstdint>
#include <string>
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

    // Code of characters typed without a key press of their own (an input method's result):
    // Win32's VK_PACKET, which Windows sends for such characters too.
    static constexpr int kTextKey = 0xE7;

    // Codes outside 0..255 are ignored. A key alone types what fKeyToUnicode makes of it.
    void fOnKeyDown(int key);
    // A key press with what the system's text input typed for it (keyboard layout, dead keys,
    // compose, input methods); null or empty when it typed nothing (control keys type nothing
    // whatever the text). Widgets read one typed character per key-down: a second and further
    // character each come as a press and release of kTextKey after the key's own press.
    void fOnKeyDown(int key, const wchar_t* text);
    // Text typed without a key press: each character is a press and release of kTextKey.
    void fOnText(const wchar_t* text);
    void fOnKeyUp(int key);
    void fOnMouseMove(int x, int y);
    // Ages the key states; once per due update step, before the message pump.
    void fAdvanceFrame();

    uint8_t fGetKeyState(int key) const;
    bool fIsKeyPressed(int key) const { return fGetKeyState(key) == 1; }
    bool fIsKeyReleased(int key) const { return fGetKeyState(key) == 255; }
    // A key went down or up since the states last aged (a held key's repeats do not count):
    // the message pump takes no more until a frame has seen it.
    bool fHasUnseenChange() const { return unseenChange; }
    // Keys that make no typed character (Backspace, Enter, Shift, Ctrl, Escape, End, Home,
    // the arrows, Insert, Delete).
    static bool fIsControlKey(int key);
    int fGetPointerPosition(float* x, float* y, int index) const;
    ZS_POINTER_RECORD* fFindPointerRecord(int id) const;

    uint8_t keys[256] = {};
    // The characters of the last key press that typed (its first one cleared at every step);
    // a press with the system's text sets it even to nothing, so that a press that typed
    // nothing never shows an earlier press's character.
    wchar_t typed[6] = {};
    // Every character typed in this step, in order, for readers that poll once a step.
    std::wstring typedInStep;
    int lastKey = 0;
    ZS_POINT position;
    ZS_POINT previousPosition;
    std::vector<ZS_POINTER_RECORD*> pointerRecords;

private:
    bool unseenChange = false;
    // Last key and the key's state for a press.
    void fCountPress(int key);
    void fSetTyped(wchar_t ch);
};

extern ZC_INPUT* zcINPUT;
extern ZS_POINT* zcMOUSE_POSITION;
}

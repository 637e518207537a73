#pragma once
#include <cstdint>

// The one window of the program, its events, the cursor and the desktop, over SDL2.
// Windows are passed around as opaque handles (an SDL_Window*); the renderer makes its
// OpenGL context on that handle.
namespace ZOR
{
// Starts the video layer once for the whole process; later calls only answer whether it runs.
// It is never stopped: stopping unloads the OpenGL driver, which costs the next window its
// start-up again and loses what the driver allocated.
bool fPlatformVideoInit();
// The last failure of the video layer, for messages.
const char* fPlatformError();

// The desktop size of the first display; false when it cannot be read.
bool fPlatformDesktopSize(int* width, int* height);

// A hidden window whose client area is width x height, ready for an OpenGL compatibility-
// profile context (double buffered, 24-bit depth, 8-bit stencil); null on failure.
void* fPlatformCreateWindow(const char* utf8Title, int width, int height);
// Test seam: the next count window creations fail as they would without OpenGL.
void fPlatformFailWindowCreations(int count);
void fPlatformDestroyWindow(void* window);
void fPlatformShowWindow(void* window);
void fPlatformHideWindow(void* window);
void fPlatformSetTitle(void* window, const char* utf8Title);
// Full screen is a borderless window over the whole desktop; leaving it restores the frame.
void fPlatformSetFullScreen(void* window, bool fullScreen);
void fPlatformSetFrame(void* window, bool bordered, bool resizable);
void fPlatformSetClientSize(void* window, int width, int height);
void fPlatformSetClientPosition(void* window, int x, int y);
void fPlatformGetClientPosition(void* window, int* x, int* y);
// Frame thicknesses around the client area (0 when the system does not tell).
void fPlatformGetBorders(void* window, int* left, int* top, int* right, int* bottom);
// Confines the pointer to a rectangle in client pixels (right and bottom exclusive);
// a null window or clear = true gives the pointer its freedom back. Answers true on success.
bool fPlatformClipCursor(void* window, int left, int top, int right, int bottom, bool clear);
void fPlatformShowCursor(bool show);

// One input or window event, already in the engine's terms.
enum ZE_PLATFORM_EVENT
{
    zeEVENT_NONE,       // handled by the platform, nothing for the engine
    zeEVENT_KEY_DOWN,   // code: Win32 virtual-key code (repeats arrive as further downs)
    zeEVENT_KEY_UP,
    zeEVENT_BUTTON_DOWN, // code: 1 left, 2 right, 4 middle
    zeEVENT_BUTTON_UP,
    zeEVENT_MOUSE_MOVE,
    zeEVENT_ACTIVATE,   // the window gained the keyboard focus
    zeEVENT_DEACTIVATE, // the window lost it
    zeEVENT_CLOSE,      // the player asked to close the window
    zeEVENT_TEXT,       // text typed without a key press of its own (an input method's result)
};

// Longest text one event carries, terminator included.
const int kPlatformTextSize = 32;

struct ZS_PLATFORM_EVENT
{
    ZE_PLATFORM_EVENT kind = zeEVENT_NONE;
    int code = 0;
    // zeEVENT_KEY_DOWN and zeEVENT_TEXT: what the system's text input typed (it follows the
    // keyboard layout, dead keys, compose and input methods), 0-terminated; empty for a key
    // that typed nothing (control keys, a dead key waiting for its letter).
    wchar_t text[kPlatformTextSize] = {};
    // zeEVENT_BUTTON_DOWN, zeEVENT_BUTTON_UP and zeEVENT_MOUSE_MOVE: where the pointer was when
    // the event happened, in pixels of the window's client area (later events of the queue may
    // have moved it on since).
    int x = 0, y = 0;
};

// Takes the next queued event; false when the queue is empty. System keys (Alt and its
// combinations, F10), the wheel and unknown keys come out as zeEVENT_NONE. Text input is on
// while the window has the keyboard focus; a key press and the text it typed come out as one
// key-down, since they are queued one after the other.
bool fPlatformPollEvent(ZS_PLATFORM_EVENT* event);

// The character a key gives on the player's keyboard layout, read like ToUnicode: the low
// bit of keyStates[20] is Caps Lock, a high bit means held (keyStates[16]: Shift); shifted
// digits and punctuation follow the US layout. Only keys fed to the input state without the
// system's text (fOnKeyDown with a key alone) use it; the message pump hands over the text
// the system typed instead. Writes the character and a terminating 0 into out; answers 1 when
// a character came out, else -1.
int fKeyToUnicode(int key, const uint8_t* keyStates, wchar_t* out, int size);
}

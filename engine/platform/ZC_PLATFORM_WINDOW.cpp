#include "engine/platform/ZC_PLATFORM_WINDOW.h"

#include <SDL.h>

#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/platform/ZC_PLATFORM_X11.h"


namespace ZOR
{
namespace
{
int gFailWindowCreations = 0;

SDL_Window* fWin(void* window)
{
    return static_cast<SDL_Window*>(window);
}

// Win32 virtual-key codes by key position. Letters are taken from the layout instead (as
// Windows does); everything else keeps the code of its position, as Windows does for digits.
struct ZS_KEY_PAIR
{
    SDL_Scancode scancode;
    uint8_t vk;
};

const ZS_KEY_PAIR kKeyTable[] = {
    {SDL_SCANCODE_A, 'A'}, {SDL_SCANCODE_B, 'B'}, {SDL_SCANCODE_C, 'C'}, {SDL_SCANCODE_D, 'D'},
    {SDL_SCANCODE_E, 'E'}, {SDL_SCANCODE_F, 'F'}, {SDL_SCANCODE_G, 'G'}, {SDL_SCANCODE_H, 'H'},
    {SDL_SCANCODE_I, 'I'}, {SDL_SCANCODE_J, 'J'}, {SDL_SCANCODE_K, 'K'}, {SDL_SCANCODE_L, 'L'},
    {SDL_SCANCODE_M, 'M'}, {SDL_SCANCODE_N, 'N'}, {SDL_SCANCODE_O, 'O'}, {SDL_SCANCODE_P, 'P'},
    {SDL_SCANCODE_Q, 'Q'}, {SDL_SCANCODE_R, 'R'}, {SDL_SCANCODE_S, 'S'}, {SDL_SCANCODE_T, 'T'},
    {SDL_SCANCODE_U, 'U'}, {SDL_SCANCODE_V, 'V'}, {SDL_SCANCODE_W, 'W'}, {SDL_SCANCODE_X, 'X'},
    {SDL_SCANCODE_Y, 'Y'}, {SDL_SCANCODE_Z, 'Z'},
    {SDL_SCANCODE_1, '1'}, {SDL_SCANCODE_2, '2'}, {SDL_SCANCODE_3, '3'}, {SDL_SCANCODE_4, '4'},
    {SDL_SCANCODE_5, '5'}, {SDL_SCANCODE_6, '6'}, {SDL_SCANCODE_7, '7'}, {SDL_SCANCODE_8, '8'},
    {SDL_SCANCODE_9, '9'}, {SDL_SCANCODE_0, '0'},
    {SDL_SCANCODE_BACKSPACE, 0x08}, {SDL_SCANCODE_TAB, 0x09}, {SDL_SCANCODE_RETURN, 0x0D},
    {SDL_SCANCODE_KP_ENTER, 0x0D}, {SDL_SCANCODE_LSHIFT, 0x10}, {SDL_SCANCODE_RSHIFT, 0x10},
    {SDL_SCANCODE_LCTRL, 0x11}, {SDL_SCANCODE_RCTRL, 0x11}, {SDL_SCANCODE_LALT, 0x12},
    {SDL_SCANCODE_RALT, 0x12}, {SDL_SCANCODE_PAUSE, 0x13}, {SDL_SCANCODE_CAPSLOCK, 0x14},
    {SDL_SCANCODE_ESCAPE, 0x1B}, {SDL_SCANCODE_SPACE, 0x20}, {SDL_SCANCODE_PAGEUP, 0x21},
    {SDL_SCANCODE_PAGEDOWN, 0x22}, {SDL_SCANCODE_END, 0x23}, {SDL_SCANCODE_HOME, 0x24},
    {SDL_SCANCODE_LEFT, 0x25}, {SDL_SCANCODE_UP, 0x26}, {SDL_SCANCODE_RIGHT, 0x27},
    {SDL_SCANCODE_DOWN, 0x28}, {SDL_SCANCODE_PRINTSCREEN, 0x2C}, {SDL_SCANCODE_INSERT, 0x2D},
    {SDL_SCANCODE_DELETE, 0x2E}, {SDL_SCANCODE_LGUI, 0x5B}, {SDL_SCANCODE_RGUI, 0x5C},
    {SDL_SCANCODE_APPLICATION, 0x5D},
    {SDL_SCANCODE_KP_0, 0x60}, {SDL_SCANCODE_KP_1, 0x61}, {SDL_SCANCODE_KP_2, 0x62},
    {SDL_SCANCODE_KP_3, 0x63}, {SDL_SCANCODE_KP_4, 0x64}, {SDL_SCANCODE_KP_5, 0x65},
    {SDL_SCANCODE_KP_6, 0x66}, {SDL_SCANCODE_KP_7, 0x67}, {SDL_SCANCODE_KP_8, 0x68},
    {SDL_SCANCODE_KP_9, 0x69}, {SDL_SCANCODE_KP_MULTIPLY, 0x6A}, {SDL_SCANCODE_KP_PLUS, 0x6B},
    {SDL_SCANCODE_KP_MINUS, 0x6D}, {SDL_SCANCODE_KP_PERIOD, 0x6E}, {SDL_SCANCODE_KP_DIVIDE, 0x6F},
    {SDL_SCANCODE_F1, 0x70}, {SDL_SCANCODE_F2, 0x71}, {SDL_SCANCODE_F3, 0x72}, {SDL_SCANCODE_F4, 0x73},
    {SDL_SCANCODE_F5, 0x74}, {SDL_SCANCODE_F6, 0x75}, {SDL_SCANCODE_F7, 0x76}, {SDL_SCANCODE_F8, 0x77},
    {SDL_SCANCODE_F9, 0x78}, {SDL_SCANCODE_F10, 0x79}, {SDL_SCANCODE_F11, 0x7A}, {SDL_SCANCODE_F12, 0x7B},
    {SDL_SCANCODE_F13, 0x7C}, {SDL_SCANCODE_F14, 0x7D}, {SDL_SCANCODE_F15, 0x7E}, {SDL_SCANCODE_F16, 0x7F},
    {SDL_SCANCODE_F17, 0x80}, {SDL_SCANCODE_F18, 0x81}, {SDL_SCANCODE_F19, 0x82}, {SDL_SCANCODE_F20, 0x83},
    {SDL_SCANCODE_F21, 0x84}, {SDL_SCANCODE_F22, 0x85}, {SDL_SCANCODE_F23, 0x86}, {SDL_SCANCODE_F24, 0x87},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90}, {SDL_SCANCODE_SCROLLLOCK, 0x91},
    {SDL_SCANCODE_SEMICOLON, 0xBA}, {SDL_SCANCODE_EQUALS, 0xBB}, {SDL_SCANCODE_COMMA, 0xBC},
    {SDL_SCANCODE_MINUS, 0xBD}, {SDL_SCANCODE_PERIOD, 0xBE}, {SDL_SCANCODE_SLASH, 0xBF},
    {SDL_SCANCODE_GRAVE, 0xC0}, {SDL_SCANCODE_LEFTBRACKET, 0xDB}, {SDL_SCANCODE_BACKSLASH, 0xDC},
    {SDL_SCANCODE_NONUSHASH, 0xDC}, {SDL_SCANCODE_RIGHTBRACKET, 0xDD}, {SDL_SCANCODE_APOSTROPHE, 0xDE},
    {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},
};

// Virtual-key code of a key event, 0 when the key has none.
int fVirtualKey(const SDL_Keysym& key)
{
    if (key.sym >= 'a' && key.sym <= 'z')
        return int(key.sym - 'a' + 'A');
    for (const ZS_KEY_PAIR& pair : kKeyTable)
        if (pair.scancode == key.scancode)
            return pair.vk;
    return 0;
}

// Keys that Windows sends as system keys and so never reach the input state: Alt itself,
// F10, and any key while Alt (without Ctrl, which makes AltGr) is held.
bool fIsSystemKey(const SDL_Keysym& key)
{
    if (key.scancode == SDL_SCANCODE_F10 || key.scancode == SDL_SCANCODE_LALT || key.scancode == SDL_SCANCODE_RALT)
        return true;
    return (key.mod & KMOD_ALT) && !(key.mod & KMOD_CTRL);
}

// UTF-8 into wide characters (one per code point), 0-terminated; a malformed sequence
// becomes U+FFFD. Answers the characters written.
int fUtf8ToWide(const char* utf8, wchar_t* out, int size)
{
    int n = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p && n < size - 1)
    {
        uint32_t c = *p++;
        int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        const uint32_t least[4] = {0, 0x80, 0x800, 0x10000};
        if (more < 0)
            c = 0xFFFD;
        else if (more > 0)
        {
            c &= 0x3Fu >> more;
            int i = 0;
            for (; i < more && (*p & 0xC0) == 0x80; ++i)
                c = (c << 6) | (*p++ & 0x3Fu);
            if (i < more || c < least[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
                c = 0xFFFD;
        }
        out[n++] = wchar_t(c);
    }
    out[n] = 0;
    return n;
}

// The text a key press typed: SDL queues it right after the key-down, in the same handling of
// the system's key event. Taken out of the queue with the key, so that whoever reads the key
// press also sees its characters.
void fTakeFollowingText(wchar_t* out, int size)
{
    out[0] = 0;
    SDL_Event next;
    if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && next.type == SDL_TEXTINPUT &&
        SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT) == 1)
        fUtf8ToWide(next.text.text, out, size);
}

// Whether the text of a key held with Alt is AltGr's. Alt combinations are commands, as on
// Windows, and type nothing; but X11 reports AltGr (the third level of most European layouts:
// "@" on German AltGr+Q, Polish "ą") as right Alt. Right Alt giving the key's own letter again
// is Alt on a layout without AltGr.
bool fIsAltGrText(const SDL_Keysym& key, const wchar_t* text)
{
    if ((key.mod & KMOD_LALT) || !(key.mod & KMOD_RALT) || text[0] == 0)
        return false;
    if (text[1] != 0)
        return true;
    wchar_t c = text[0];
    if (c >= L'A' && c <= L'Z')
        c = wchar_t(c - L'A' + L'a');
    return SDL_Keycode(c) != key.sym;
}

int fButtonCode(uint8_t button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 4;
    default: return 0;
    }
}

// The unshifted character of a key on the current layout, 0 when it makes none.
wchar_t fBaseCharacter(int key)
{
    if (key >= 0x60 && key <= 0x69)
        return wchar_t('0' + key - 0x60);
    switch (key)
    {
    case 0x6A: return L'*';
    case 0x6B: return L'+';
    case 0x6D: return L'-';
    case 0x6E: return L'.';
    case 0x6F: return L'/';
    default: break;
    }
    SDL_Keycode code = SDLK_UNKNOWN;
    if (key >= 'A' && key <= 'Z')
        code = SDL_Keycode(key - 'A' + 'a'); // letter codes follow the layout already
    else
    {
        for (const ZS_KEY_PAIR& pair : kKeyTable)
            if (pair.vk == key)
            {
                code = SDL_GetKeyFromScancode(pair.scancode);
                break;
            }
        // Before the video layer is up there is no keymap; digits and space need none.
        if (code == SDLK_UNKNOWN && ((key >= '0' && key <= '9') || key == ' '))
            code = SDL_Keycode(key);
    }
    if (code <= 0 || code == SDLK_DELETE || (code & SDLK_SCANCODE_MASK) || code >= 0x110000)
        return 0;
    return wchar_t(code);
}

// Shifted characters of the US layout; other layouts keep the unshifted character.
wchar_t fShifted(wchar_t c)
{
    static const char kFrom[] = "1234567890-=[]\\;',./`";
    static const char kTo[] = "!@#$%^&*()_+{}|:\"<>?~";
    for (int i = 0; kFrom[i]; ++i)
        if (c == wchar_t(kFrom[i]))
            return wchar_t(kTo[i]);
    return c;
}

bool fIsLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7);
}

wchar_t fUpper(wchar_t c)
{
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return wchar_t(c - 0x20);
    return c;
}

wchar_t fLower(wchar_t c)
{
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return wchar_t(c + 0x20);
    return c;
}
}

bool fPlatformVideoInit()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    ZC_PLATFORM_DEVICE::fChooseRasterThreads();
    // Closing the window is the game's decision (its close handler), not SDL's.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

void fPlatformFailWindowCreations(int count)
{
    gFailWindowCreations = count;
}

const char* fPlatformError()
{
    return SDL_GetError();
}

bool fPlatformDesktopSize(int* width, int* height)
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return false;
    *width = mode.w;
    *height = mode.h;
    return true;
}

void* fPlatformCreateWindow(const char* utf8Title, int width, int height)
{
    if (gFailWindowCreations > 0)
    {
        --gFailWindowCreations;
        SDL_SetError("No OpenGL support in video driver (simulated)");
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_Window* window = SDL_CreateWindow(utf8Title ? utf8Title : "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    fPlatformX11WatchWindow(window);
    return window;
}

void fPlatformDestroyWindow(void* window)
{
    if (!window)
        return;
    fPlatformX11ForgetWindow(window);
    // The server has already taken the window with the lost connection.
    if (!fPlatformX11ConnectionLost())
        SDL_DestroyWindow(fWin(window));
}

void fPlatformShowWindow(void* window)
{
    if (window)
        SDL_ShowWindow(fWin(window));
}

void fPlatformHideWindow(void* window)
{
    if (window)
        SDL_HideWindow(fWin(window));
}

void fPlatformSetTitle(void* window, const char* utf8Title)
{
    if (window)
        SDL_SetWindowTitle(fWin(window), utf8Title ? utf8Title : "");
}

void fPlatformSetFullScreen(void* window, bool fullScreen)
{
    if (!window)
        return;
    if (fullScreen && !(SDL_GetWindowFlags(fWin(window)) & SDL_WINDOW_FULLSCREEN))
    {
        // Without a window manager nobody honours the full-screen request: the window must
        // already cover the desktop itself, or the picture and the pointer sit at the old place.
        SDL_Rect bounds{0, 0, 0, 0};
        if (SDL_GetDisplayBounds(0, &bounds) == 0)
        {
            SDL_SetWindowBordered(fWin(window), SDL_FALSE);
            SDL_SetWindowPosition(fWin(window), bounds.x, bounds.y);
            SDL_SetWindowSize(fWin(window), bounds.w, bounds.h);
        }
    }
    SDL_SetWindowFullscreen(fWin(window), fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void fPlatformSetFrame(void* window, bool bordered, bool resizable)
{
    if (!window)
        return;
    SDL_SetWindowBordered(fWin(window), bordered ? SDL_TRUE : SDL_FALSE);
    SDL_SetWindowResizable(fWin(window), resizable ? SDL_TRUE : SDL_FALSE);
}

void fPlatformSetClientSize(void* window, int width, int height)
{
    if (window)
        SDL_SetWindowSize(fWin(window), width, height);
}

void fPlatformSetClientPosition(void* window, int x, int y)
{
    if (window)
        SDL_SetWindowPosition(fWin(window), x, y);
}

void fPlatformGetClientPosition(void* window, int* x, int* y)
{
    *x = 0;
    *y = 0;
    if (window)
        SDL_GetWindowPosition(fWin(window), x, y);
}

void fPlatformGetBorders(void* window, int* left, int* top, int* right, int* bottom)
{
    *left = *top = *right = *bottom = 0;
    if (window && SDL_GetWindowBordersSize(fWin(window), top, left, bottom, right) != 0)
        *left = *top = *right = *bottom = 0;
}

bool fPlatformClipCursor(void* window, int left, int top, int right, int bottom, bool clear)
{
    if (!window)
        return false;
    if (clear)
        return SDL_SetWindowMouseRect(fWin(window), nullptr) == 0;
    SDL_Rect rect{left, top, right - left, bottom - top};
    return SDL_SetWindowMouseRect(fWin(window), &rect) == 0;
}

void fPlatformShowCursor(bool show)
{
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool fPlatformPollEvent(ZS_PLATFORM_EVENT* event)
{
    *event = ZS_PLATFORM_EVENT{};
    // Destroyed by another client: as if the player had closed it.
    if (fPlatformX11TakeCloseRequest())
    {
        event->kind = zeEVENT_CLOSE;
        return true;
    }
    // Not SDL_PollEvent: it ends each round of the queue with a marker of its own, and a reader
    // that stops before the marker (the message pump stops after a key change) would find the
    // marker first next time and read nothing in that step. The system's events are fetched
    // only when the queue has run dry.
    SDL_Event e;
    if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1)
    {
        SDL_PumpEvents();
        if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1)
            return false;
    }
    switch (e.type)
    {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    {
        if (e.type == SDL_KEYDOWN)
            fTakeFollowingText(event->text, kPlatformTextSize);
        const bool systemKey = fIsSystemKey(e.key.keysym);
        if (!systemKey)
            event->code = fVirtualKey(e.key.keysym);
        if (event->code > 0 && event->code < 256)
            event->kind = e.type == SDL_KEYDOWN ? zeEVENT_KEY_DOWN : zeEVENT_KEY_UP;
        else if (event->text[0] != 0 && (!systemKey || fIsAltGrText(e.key.keysym, event->text)))
        {
            // The key is not the engine's, but what it typed is the player's.
            event->code = 0;
            event->kind = zeEVENT_TEXT;
        }
        else
            event->text[0] = 0;
        break;
    }
    case SDL_TEXTINPUT:
        if (fUtf8ToWide(e.text.text, event->text, kPlatformTextSize) > 0)
            event->kind = zeEVENT_TEXT;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event->code = fButtonCode(e.button.button);
        if (event->code)
            event->kind = e.type == SDL_MOUSEBUTTONDOWN ? zeEVENT_BUTTON_DOWN : zeEVENT_BUTTON_UP;
        event->x = e.button.x;
        event->y = e.button.y;
        break;
    case SDL_MOUSEMOTION:
        event->kind = zeEVENT_MOUSE_MOVE;
        event->x = e.motion.x;
        event->y = e.motion.y;
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
        {
            SDL_StartTextInput();
            event->kind = zeEVENT_ACTIVATE;
        }
        else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
        {
            // A half-composed character (a dead key, an input method's draft) is dropped.
            SDL_StopTextInput();
            event->kind = zeEVENT_DEACTIVATE;
        }
        else if (e.window.event == SDL_WINDOWEVENT_CLOSE)
            event->kind = zeEVENT_CLOSE;
        break;
    case SDL_QUIT:
        // Only a signal (Ctrl+C in the terminal) sends this, since closing the last window
        // does not: treat it as the player's close request.
        event->kind = zeEVENT_CLOSE;
        break;
    default:
        break;
    }
    return true;
}

int fKeyToUnicode(int key, const uint8_t* keyStates, wchar_t* out, int size)
{
    if (key < 0 || key > 255 || !keyStates || !out || size < 1)
        return -1;
    wchar_t c = fBaseCharacter(key);
    if (c == 0)
        return -1;
    bool shift = (keyStates[0x10] & 0x80) != 0;
    bool capsLock = (keyStates[0x14] & 0x01) != 0;
    if (fIsLetter(c))
        c = shift != capsLock ? fUpper(c) : fLower(c);
    else if (shift)
        c = fShifted(c);
    out[0] = c;
    if (size > 1)
        out[1] = 0;
    return 1;
}
}

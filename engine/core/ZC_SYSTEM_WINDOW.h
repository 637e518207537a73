#pragma once
#include <cstdint>
#include <string>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
class ZC_INPUT;

// The one window of the program. Windowed it has the game's resolution as client size,
// centred on the desktop; full screen it is a borderless window over the whole desktop, and
// the picture is letterboxed into it when its size differs from the desktop's.
class ZC_SYSTEM_WINDOW
{
public:
    // Window styles, kept in the Win32 values the rest of the system knows.
    static constexpr uint32_t kVisible = 0x10000000;
    static constexpr uint32_t kOverlappedWindow = 0x00CF0000;
    static constexpr uint32_t kCaption = 0x00C00000;
    static constexpr uint32_t kSysMenu = 0x00080000;
    static constexpr uint32_t kThickFrame = 0x00040000;
    static constexpr uint32_t kMinimiseBox = 0x00020000;
    static constexpr uint32_t kMaximiseBox = 0x00010000;
    static constexpr uint32_t kPopup = 0x80000000;
    static constexpr uint32_t kExTopmost = 0x00000008;

    // Starts the video layer (once per process) and reads the desktop size.
    ZC_SYSTEM_WINDOW();
    // Destroys the window, so that nothing outlives the object that owns it.
    ~ZC_SYSTEM_WINDOW();
    ZC_SYSTEM_WINDOW(const ZC_SYSTEM_WINDOW&) = delete;
    ZC_SYSTEM_WINDOW& operator=(const ZC_SYSTEM_WINDOW&) = delete;

    // Creates and shows the window at width x height; 1, or -1 when no window could be made.
    int fCreate(const std::string& title);
    int fSetMode(int awidth, int aheight, bool afullScreen, bool auseDesktopSize);
    // The SDL window, for the renderer's OpenGL context; null before creation.
    void* fGetHandle() const { return handle; }
    int fMessageBox(const char* caption, const char* text);
    void fSetTitle(const std::string& utf8Title);
    void fShowCursor(bool show);
    bool fIsCursorShown() const { return cursorShown; }
    void fScreenToGame(ZS_POINT screen, ZS_POINT* out) const;
    // Like fScreenToGame, but letterboxed whenever full screen.
    ZS_POINT fScreenToGamePoint(ZS_POINT screen) const;
    void fGetOuterSize(int clientWidth, int clientHeight, int* outWidth, int* outHeight) const;
    void fApplyStyle();
    int fUpdateLetterbox();
    void fSetCaption(bool on);
    void fSetResizable(bool on);
    void fSetMinimiseBox(bool on);
    void fSetMaximiseBox(bool on);
    void fHideWindow();
    void fRestoreCursorClip();
    void fClipCursorToPicture();

    void* handle = nullptr;
    int width = 1024;
    int height = 768;
    bool fullScreen = false;
    uint32_t style = 0;
    uint32_t extendedStyle = 0;
    bool caption = true;
    bool resizable = false;
    bool minimiseBox = true;
    bool maximiseBox = false;
    bool cursorShown = true;
    float letterboxScale = 1.0f;
    ZS_VECTOR2 letterboxOffset; // top-left corner of the picture on the desktop
    bool useDesktopSize = false;

private:
    int fClipToPicture();
    ZS_POINT fMapScreen(ZS_POINT screen, bool letterboxed) const;
    void fSetStyleOption(bool* option, bool on);
    bool videoStarted = false;
};

// The desktop size, read once (by the first window, or the first query) and kept.
extern int zcDESKTOP_WIDTH;
extern int zcDESKTOP_HEIGHT;
void fGetDesktopSizeInto(ZS_POINT* out);
ZS_POINT fGetDesktopSize();
void fGetDesktopSizeWH(int* width, int* height);

// Handles every queued window event now: keys (with the text the system typed for them, in
// place of the key's own character) and mouse buttons go to the input state,
// pointer moves are read at handling time and mapped to game pixels, focus and close
// requests fire zcON_ACTIVATE, zcON_DEACTIVATE and zcON_CLOSE. Answers 0.
int fPumpWindowMessages(ZC_INPUT* input, ZC_SYSTEM_WINDOW* window);
}

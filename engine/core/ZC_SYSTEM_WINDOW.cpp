#include "engine/core/ZC_SYSTEM_WINDOW.h"

#include <algorithm>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/platform/ZC_PLATFORM_WINDOW.h"

namespace ZOR
{
int zcDESKTOP_WIDTH = 0;
int zcDESKTOP_HEIGHT = 0;

namespace
{
void fReadDesktopSize()
{
    int w = 0, h = 0;
    if (fPlatformDesktopSize(&w, &h))
    {
        zcDESKTOP_WIDTH = w;
        zcDESKTOP_HEIGHT = h;
    }
}
}

void fGetDesktopSizeWH(int* width, int* height)
{
    if (zcDESKTOP_WIDTH == 0 || zcDESKTOP_HEIGHT == 0)
        fReadDesktopSize();
    *width = zcDESKTOP_WIDTH;
    *height = zcDESKTOP_HEIGHT;
}

void fGetDesktopSizeInto(ZS_POINT* out)
{
    fGetDesktopSizeWH(&out->x, &out->y);
}

ZS_POINT fGetDesktopSize()
{
    ZS_POINT size;
    fGetDesktopSizeInto(&size);
    return size;
}

ZC_SYSTEM_WINDOW::ZC_SYSTEM_WINDOW()
{
    videoStarted = fPlatformVideoInit();
    if (videoStarted)
        fReadDesktopSize();
}

ZC_SYSTEM_WINDOW::~ZC_SYSTEM_WINDOW()
{
    fPlatformDestroyWindow(handle);
    handle = nullptr;
}

int ZC_SYSTEM_WINDOW::fCreate(const std::string& title)
{
    // Without a window nothing could ever close the game: this is a failure, not success.
    if (!videoStarted || handle)
        return -1;
    handle = fPlatformCreateWindow(title.c_str(), width, height);
    if (!handle)
        return -1;
    style = kOverlappedWindow;
    fApplyStyle();
    fSetMode(width, height, fullScreen, useDesktopSize);
    fPlatformShowWindow(handle);
    return 1;
}

void ZC_SYSTEM_WINDOW::fApplyStyle()
{
    if (fullScreen)
        return;
    style = kVisible | kOverlappedWindow;
    extendedStyle = 0;
    if (caption)
    {
        if (!minimiseBox)
            style &= ~kMinimiseBox;
        if (!maximiseBox)
            style &= ~kMaximiseBox;
        if (!resizable)
            style &= ~kThickFrame;
    }
    else
        style = kVisible | kSysMenu | kMinimiseBox | kMaximiseBox;
    fPlatformSetFrame(handle, (style & kCaption) != 0, (style & kThickFrame) != 0);
}

void ZC_SYSTEM_WINDOW::fGetOuterSize(int clientWidth, int clientHeight, int* outWidth, int* outHeight) const
{
    int left, top, right, bottom;
    fPlatformGetBorders(handle, &left, &top, &right, &bottom);
    *outWidth = clientWidth + left + right;
    *outHeight = clientHeight + top + bottom;
}

int ZC_SYSTEM_WINDOW::fSetMode(int awidth, int aheight, bool afullScreen, bool auseDesktopSize)
{
    width = awidth;
    height = aheight;
    fullScreen = afullScreen;
    useDesktopSize = auseDesktopSize;
    int clipped = 1;
    if (fullScreen)
    {
        style = kPopup;
        extendedStyle = kExTopmost;
        fPlatformSetFullScreen(handle, true);
    }
    else
    {
        fPlatformSetFullScreen(handle, false);
        fApplyStyle();
        fPlatformSetClientSize(handle, width, height);
        int outerWidth, outerHeight, left, top, right, bottom;
        fGetOuterSize(width, height, &outerWidth, &outerHeight);
        fPlatformGetBorders(handle, &left, &top, &right, &bottom);
        int desktopWidth, desktopHeight;
        fGetDesktopSizeWH(&desktopWidth, &desktopHeight);
        fPlatformSetClientPosition(handle, desktopWidth / 2 - outerWidth / 2 + left, desktopHeight / 2 - outerHeight / 2 + top);
        clipped = fPlatformClipCursor(handle, 0, 0, 0, 0, true) ? 1 : 0;
    }
    int letterboxed = fUpdateLetterbox();
    return fullScreen ? letterboxed : clipped;
}

int ZC_SYSTEM_WINDOW::fUpdateLetterbox()
{
    if (!fullScreen)
        return 1;
    int desktopWidth, desktopHeight;
    fGetDesktopSizeWH(&desktopWidth, &desktopHeight);
    if ((width == desktopWidth && height == desktopHeight) || width <= 0 || height <= 0)
    {
        letterboxScale = 1.0f;
        letterboxOffset = ZS_VECTOR2();
        return fPlatformClipCursor(handle, 0, 0, 0, 0, true) ? 1 : 0;
    }
    letterboxScale = std::min(float(desktopWidth) / float(width), float(desktopHeight) / float(height));
    letterboxOffset.x = (float(desktopWidth) - float(width) * letterboxScale) / 2.0f;
    letterboxOffset.y = (float(desktopHeight) - float(height) * letterboxScale) / 2.0f;
    return fClipToPicture();
}

int ZC_SYSTEM_WINDOW::fClipToPicture()
{
    int desktopWidth, desktopHeight;
    fGetDesktopSizeWH(&desktopWidth, &desktopHeight);
    return fPlatformClipCursor(handle, int(letterboxOffset.x), int(letterboxOffset.y), int(float(desktopWidth) - letterboxOffset.x),
                               int(float(desktopHeight) - letterboxOffset.y), false)
               ? 1
               : 0;
}

ZS_POINT ZC_SYSTEM_WINDOW::fMapScreen(ZS_POINT screen, bool letterboxed) const
{
    int x, y;
    fPlatformGetClientPosition(handle, &x, &y);
    ZS_POINT client(screen.x - x, screen.y - y);
    if (!letterboxed)
        return client;
    // Truncated toward zero, like every pixel position computed from floats.
    return ZS_POINT(int((float(client.x) - letterboxOffset.x) / letterboxScale),
                    int((float(client.y) - letterboxOffset.y) / letterboxScale));
}

void ZC_SYSTEM_WINDOW::fScreenToGame(ZS_POINT screen, ZS_POINT* out) const
{
    *out = fMapScreen(screen, fullScreen && useDesktopSize);
}

ZS_POINT ZC_SYSTEM_WINDOW::fScreenToGamePoint(ZS_POINT screen) const
{
    return fMapScreen(screen, fullScreen);
}

int ZC_SYSTEM_WINDOW::fMessageBox(const char* acaption, const char* text)
{
    return fShowMessageBox(handle, acaption, text);
}

void ZC_SYSTEM_WINDOW::fSetTitle(const std::string& utf8Title)
{
    fPlatformSetTitle(handle, utf8Title.c_str());
}

void ZC_SYSTEM_WINDOW::fShowCursor(bool show)
{
    cursorShown = show;
    fPlatformShowCursor(show);
}

void ZC_SYSTEM_WINDOW::fSetStyleOption(bool* option, bool on)
{
    // Windowed only: a full-screen window has no frame to change.
    if (fullScreen)
        return;
    *option = on;
    fApplyStyle();
    fSetMode(width, height, fullScreen, useDesktopSize);
}

void ZC_SYSTEM_WINDOW::fSetCaption(bool on)
{
    fSetStyleOption(&caption, on);
}

void ZC_SYSTEM_WINDOW::fSetResizable(bool on)
{
    fSetStyleOption(&resizable, on);
}

void ZC_SYSTEM_WINDOW::fSetMinimiseBox(bool on)
{
    fSetStyleOption(&minimiseBox, on);
}

void ZC_SYSTEM_WINDOW::fSetMaximiseBox(bool on)
{
    fSetStyleOption(&maximiseBox, on);
}

void ZC_SYSTEM_WINDOW::fHideWindow()
{
    fPlatformHideWindow(handle);
}

void ZC_SYSTEM_WINDOW::fRestoreCursorClip()
{
    fPlatformClipCursor(handle, 0, 0, 0, 0, true);
}

void ZC_SYSTEM_WINDOW::fClipCursorToPicture()
{
    int desktopWidth, desktopHeight;
    fGetDesktopSizeWH(&desktopWidth, &desktopHeight);
    if (fullScreen && (width != desktopWidth || height != desktopHeight))
        fClipToPicture();
}

namespace
{
// Where the event says the pointer was, in game pixels.
ZS_POINT fEventToGame(const ZS_PLATFORM_EVENT& event, ZC_SYSTEM_WINDOW* window)
{
    ZS_POINT screen(event.x, event.y);
    if (!window)
        return screen;
    int left = 0, top = 0;
    fPlatformGetClientPosition(window->handle, &left, &top);
    screen.x += left;
    screen.y += top;
    ZS_POINT game = screen;
    window->fScreenToGame(screen, &game);
    return game;
}
}

int fPumpWindowMessages(ZC_INPUT* input, ZC_SYSTEM_WINDOW* window)
{
    // A key or button that went down or up ends the step's share of the queue, and the queue
    // waits until the states have aged, that is until a frame has seen the change with the
    // pointer where it was: a press and its release in one step would otherwise read as a
    // release alone to whatever polls once a frame, and a move queued behind a press would
    // carry it off its target.
    if (input && input->fHasUnseenChange())
        return 0;
    ZS_PLATFORM_EVENT event;
    while (fPlatformPollEvent(&event))
    {
        switch (event.kind)
        {
        case zeEVENT_KEY_DOWN:
            if (input)
                input->fOnKeyDown(event.code, event.text);
            break;
        case zeEVENT_TEXT:
            if (input)
                input->fOnText(event.text);
            break;
        case zeEVENT_BUTTON_DOWN:
        case zeEVENT_BUTTON_UP:
            if (input)
            {
                // Everything under the pointer learns where it is as the button goes: the event
                // may be older than the moves queued after it, and a window may have slid under
                // a pointer that has not moved since.
                const ZS_POINT at = fEventToGame(event, window);
                input->fOnMouseMove(at.x, at.y);
                if (event.kind == zeEVENT_BUTTON_DOWN)
                    input->fOnKeyDown(event.code);
                else
                    input->fOnKeyUp(event.code);
            }
            break;
        case zeEVENT_KEY_UP:
            if (input)
                input->fOnKeyUp(event.code);
            break;
        case zeEVENT_MOUSE_MOVE:
            if (input)
            {
                const ZS_POINT at = fEventToGame(event, window);
                input->fOnMouseMove(at.x, at.y);
            }
            break;
        case zeEVENT_ACTIVATE:
            fInvoke(zcON_ACTIVATE);
            break;
        case zeEVENT_DEACTIVATE:
            fInvoke(zcON_DEACTIVATE);
            break;
        case zeEVENT_CLOSE:
            // The window stays; closing is the game's decision.
            fInvoke(zcON_CLOSE);
            break;
        case zeEVENT_NONE:
            break;
        }
        if (input && input->fHasUnseenChange())
            break;
    }
    return 0;
}
}

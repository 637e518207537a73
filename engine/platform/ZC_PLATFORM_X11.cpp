#include "engine/platform/ZC_PLATFORM_X11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <vector>

namespace ZOR
{
namespace
{
struct ZS_WATCHED
{
    Window id;
    bool forgotten; // destroyed by us
    bool lost;      // an error said it is gone
    bool pending;   // its close request is not taken yet
};

// Every window ever watched: errors about a window arrive after it is destroyed, too.
std::vector<ZS_WATCHED> gWindows;
int (*gPreviousHandler)(Display*, XErrorEvent*) = nullptr;
bool gInstalled = false;
bool gConnectionLost = false;

// The whole connection is gone (xkill closes the client's connection, with every window):
// every open window asks to close.
int fOnConnectionLost(Display*)
{
    gConnectionLost = true;
    for (ZS_WATCHED& w : gWindows)
    {
        if (!w.lost && !w.forgotten)
            w.pending = true;
        w.lost = true;
    }
    return 0;
}

// Xlib ends the process here unless told otherwise; returning lets the game end as on a close.
// Xlib's calls on the lost connection fail from now on without touching it.
void fOnConnectionLostExit(Display*, void*)
{
}

// Called by Xlib, on the thread whose request failed, inside an Xlib call: no X requests here.
int fOnXError(Display* display, XErrorEvent* error)
{
    for (ZS_WATCHED& w : gWindows)
    {
        if (w.id != error->resourceid)
            continue;
        if (!w.lost && !w.forgotten)
            w.pending = true;
        w.lost = true;
        return 0;
    }
    // Not about our windows: as before (SDL's handler, then Xlib's).
    return gPreviousHandler ? gPreviousHandler(display, error) : 0;
}

bool fX11Window(void* window, Window* id)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(static_cast<SDL_Window*>(window), &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    *id = info.info.x11.window;
    return true;
}
}

void fPlatformX11WatchWindow(void* window)
{
    Window id = 0;
    if (!fX11Window(window, &id))
        return;
    // Installed after SDL's own handler, which it passes everything else on to. Xlib's handler
    // is one for the whole process; SDL and Mesa set theirs only around single calls and put
    // the one they found back.
    if (!gInstalled)
    {
        gPreviousHandler = XSetErrorHandler(fOnXError);
        XSetIOErrorHandler(fOnConnectionLost);
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(static_cast<SDL_Window*>(window), &info))
            XSetIOErrorExitHandler(info.info.x11.display, fOnConnectionLostExit, nullptr);
        gInstalled = true;
    }
    gWindows.push_back({id, false, false, false});
}

void fPlatformX11ForgetWindow(void* window)
{
    Window id = 0;
    if (!fX11Window(window, &id))
        return;
    for (ZS_WATCHED& w : gWindows)
        if (w.id == id)
        {
            w.forgotten = true;
            w.pending = false;
        }
}

bool fPlatformX11ConnectionLost()
{
    return gConnectionLost;
}

bool fPlatformX11TakeCloseRequest()
{
    for (ZS_WATCHED& w : gWindows)
        if (w.pending)
        {
            w.pending = false;
            return true;
        }
    return false;
}
}

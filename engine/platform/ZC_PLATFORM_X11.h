#pragma once

// What only an X11 display needs: another client may destroy our window (xdotool windowclose,
// a window manager's "force close"), and every later request on it then fails with an X error
// that Xlib's default handler answers by ending the process with status 1, before the game
// could save. Errors about our own windows are taken here instead, and a window that is gone
// becomes a close request, so the game ends as on any close.
// Each call does nothing on other video drivers.
namespace ZOR
{
// Takes note of a window just made (an SDL_Window*).
void fPlatformX11WatchWindow(void* window);
// Before the window is destroyed by us: late errors about it are still taken, but it asks
// for no close.
void fPlatformX11ForgetWindow(void* window);
// True once for every watched window that another client destroyed.
bool fPlatformX11TakeCloseRequest();
// The connection to the X server is gone (xkill ends it): nothing can be shown any more, and
// SDL would wait forever for the server to confirm that a window went away.
bool fPlatformX11ConnectionLost();
}

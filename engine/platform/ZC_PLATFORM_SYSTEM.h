#pragma once
#include <cstdint>
#include <ctime>
#include <string>

// What the engine asks of the operating system besides the window: the clock, sleeping,
// thread priority, message boxes, opening documents and a few fixed answers.
namespace ZOR
{
// Milliseconds since an arbitrary start, 32 bits: differences taken in unsigned 32-bit
// arithmetic stay right across a wrap.
uint32_t fGetTickMs();
uint32_t fGetTickMsInto(int* out);
// 0 still gives the processor away (for a tenth of a millisecond).
void fSleepMs(uint32_t ms);
// Seconds since 1970.
std::time_t fGetUnixTime();

// Test seam: replaces the clock and the sleep beneath fGetTickMs and fSleepMs (null puts the
// real ones back). A fake sleep usually moves the fake clock on. Only the main thread's pacing
// goes through these; the sound thread waits on its own stop flag in real time.
void fSetClockForTests(uint32_t (*tick)(), void (*sleep)(uint32_t ms));

// Raises the calling thread's priority as far as the system allows; failure is not an error.
void fRaiseThreadPriority();

// A modal box with one OK button, owned by the given window (null: no owner); answers 1 when
// it was shown and dismissed, 0 when it could not be shown. With the environment variable
// ZOR_MESSAGE_BOX=log the box is written to stderr and answered at once, so that automated
// runs never wait on one.
int fShowMessageBox(void* window, const char* caption, const char* text);

// Opens a path or an address with the desktop's default handler (xdg-open); true when the
// handler could be started. The text goes to the handler as one argument, never through a shell.
bool fShellOpen(const char* pathOrAddress);
bool fShellOpenDocument(const char* text);

// Fixed answers of this platform.
const char* fGetSystemLocale(); // "no locale"
int fGetDeviceKind();           // 0: a desktop computer
bool fIsHostDrivenLoop();       // false: the engine runs its own loop

// Physical memory that is still available, in MiB.
int fGetAvailableMemoryMb();

// Blocks of 128 KiB and more (decoded pictures, the driver's textures) get pages of their own,
// which go back to the system when the block is freed. Called once, before the window opens.
void fSetAllocatorPolicy();
}

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_RANDOM.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/platform/ZC_PLATFORM_WINDOW.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"

namespace ZOR
{
ZC_GAME* zcGAME = nullptr;
ZC_INPUT* zcGAME_INPUT = nullptr;
ZC_SYSTEM_WINDOW* zcGAME_WINDOW = nullptr;
ZC_RENDER* zcGAME_RENDER = nullptr;
ZC_TIMER* zcGAME_TIMER = nullptr;
ZC_RANDOM* zcGAME_RANDOM = nullptr;
ZC_SOUND_SYSTEM* zcGAME_SOUND_SYSTEM = nullptr;
ZC_FILE_SYSTEM* zcGAME_FILE_SYSTEM = nullptr;
void (*zcSERVICE_TRACE)(const char* what, const char* service) = nullptr;

namespace
{
void fTrace(const char* what, const char* service)
{
    if (zcSERVICE_TRACE)
        zcSERVICE_TRACE(what, service);
}

template <class T>
void fDeleteService(T*& service, const char* name)
{
    if (!service)
        return;
    fTrace("stop", name);
    delete service;
    service = nullptr;
}

// The two texts the game's main was registered with (kept, never read). Plain pointers:
// registration runs in another file's static initialiser, possibly before this file's.
const char* gMainTexts[2] = {nullptr, nullptr};
}

ZC_GAME::ZC_GAME()
{
    zcGAME_FILE_SYSTEM = fGetFileSystem();
}

ZC_GAME* ZC_GAME::fGetGame()
{
    static ZC_GAME game;
    return &game;
}

int ZC_GAME::fStart(const std::string& title)
{
    if (!zcGAME)
    {
        fShowMessageBox(nullptr, __FILE__, "ZC_GAME not exist. Need do some zcGAME = ZC_GAME::fGetGame();");
        return -112;
    }
    game_name = title;
    fSetAllocatorPolicy();

    fTrace("start", "input");
    zcGAME_INPUT = new ZC_INPUT;

    fTrace("start", "window");
    zcGAME_WINDOW = new ZC_SYSTEM_WINDOW;
    zcGAME_WINDOW->width = resolution.x;
    zcGAME_WINDOW->height = resolution.y;
    if (zcGAME_WINDOW->fCreate(game_name) != 1)
    {
        // A loop without a window could never be closed by the player.
        std::string text = std::string("The game window could not be created: ") + fPlatformError();
        fShowMessageBox(nullptr, "Error", text.c_str());
        fShutdown();
        return -112;
    }

    fGetDesktopSizeInto(&desktopSize);

    fTrace("start", "render");
    zcGAME_RENDER = new ZC_RENDER;
    if (zcGAME_RENDER->fInit(zcGAME_WINDOW->fGetHandle(), 0.1f, 0.0f) == 1)
        zcGAME_RENDER->fSetMode(resolution.x, resolution.y, fullScreen, useDesktopSize);

    fTrace("start", "timer");
    zcGAME_TIMER = new ZC_TIMER;
    zcGAME_TIMER->output = &zcFRAME_DELTA;

    fTrace("start", "random");
    zcGAME_RANDOM = new ZC_RANDOM(0);

    fTrace("start", "sound");
    zcGAME_SOUND_SYSTEM = new ZC_SOUND_SYSTEM;
    if (zcGAME_SOUND_SYSTEM->fOpen() != 1)
        zcGAME_WINDOW->fMessageBox("Warning", "No sound device has been detected. The game will continue without audio.");

    fTrace("start", "repository");
    zcREPOSITORY = new ZC_REPOSITORY;

    releaseRecord = fCreateCallback(fReleaseResourceByPointer);
    loopStepRecord = fCreateCallback([](void*) { return fStep(); });
    zcON_RELEASE_RESOURCE = releaseRecord;
    zcON_LOOP_STEP = loopStepRecord;

    return fInvoke(zcON_INIT);
}

int ZC_GAME::fRun()
{
    if (!zcGAME_INPUT || !zcGAME_RENDER || !zcGAME_RANDOM)
        return -1;
    soundThread = fStartThread(fSoundThreadMain, nullptr);
    if (zcGAME_SOUND_SYSTEM)
        zcGAME_SOUND_SYSTEM->fSetThread(soundThread);
    running = true;
    fInvoke(zcON_START);
    if (fIsHostDrivenLoop() || fGetDeviceKind() == 1)
        return 1;
    // Both schedules start with the loop: the first step updates and draws at once, and the
    // time start-up took is not made up for with a burst of updates.
    pacingTimer.fTick();
    firstUpdateDue = firstFrameDue = true;
    while (fStep() == 1)
    {
    }
    firstUpdateDue = firstFrameDue = false;
    return fInvoke(zcON_END);
}

int fStep()
{
    if (!zcGAME || !zcGAME->running)
        return -109;
    zcGAME->fUpdate();
    // The pump may have delivered a close request.
    if (!zcGAME->running)
        return -109;
    zcGAME->fRender();
    return 1;
}

void ZC_GAME::fUpdate()
{
    updatedThisStep = fUpdateRateDue();
    if (!updatedThisStep)
        return;
    ++updatesThisSecond;
    if (updateAccumulator >= 1.0f)
    {
        updatesPerSecond = updatesThisSecond;
        updateAccumulator = 0;
        updatesThisSecond = 0;
    }
    if (zcGAME_TIMER)
        zcGAME_TIMER->fTick();
    fInvoke(zcON_UPDATE);
    if (zcGAME_INPUT && drawnSinceAgeing)
    {
        zcGAME_INPUT->fAdvanceFrame();
        drawnSinceAgeing = false;
    }
    fPumpWindowMessages(zcGAME_INPUT, zcGAME_WINDOW);
}

bool ZC_GAME::fUpdateRateDue()
{
    updateAccumulator += pacingTimer.fTick();
    if (updateRate == 0)
        return true;
    float threshold = float(updatesThisSecond + 1) / float(updateRate);
    if (firstUpdateDue)
    {
        // Due now, and the schedule goes on from here.
        firstUpdateDue = false;
        updateAccumulator = std::max(updateAccumulator, threshold);
        return true;
    }
    if (updateAccumulator < threshold)
    {
        // Sleeping here, and only here, is what keeps an idle game off the processor. The
        // whole wait in one sleep, rounded up: every wake-up costs, and an update at most a
        // millisecond late is still on its schedule, which counts from the second's start.
        fSleepMs(uint32_t(std::ceil((threshold - updateAccumulator) * 1000.0f)));
        return false;
    }
    return true;
}

void ZC_GAME::fRender()
{
    if (!fRenderRateDue() || !zcGAME_RENDER)
        return;
    if (zcGAME_RENDER->fBeginFrame() != 1)
    {
        // No frame reads the states while the device is lost; input must not wait for one.
        drawnSinceAgeing = true;
        return;
    }
    if (firstFrameDue)
    {
        // The schedule goes on from this frame: the next one is due a frame's time later.
        firstFrameDue = false;
        if (renderRate > 0)
            renderAccumulator = std::max(renderAccumulator, float(framesThisSecond + 1) / float(renderRate));
    }
    ++framesThisSecond;
    if (renderAccumulator >= 1.0f)
    {
        framesPerSecond = framesThisSecond;
        renderAccumulator = 0;
        framesThisSecond = 0;
    }
    fInvoke(zcON_DRAW);
    drawnSinceAgeing = true;
    zcGAME_RENDER->fEndFrame();
}

bool ZC_GAME::fRenderRateDue()
{
    // Only a step that measured time adds it. Adding the last delta again in every step
    // whose update was not due (one or more per update while the limiter sleeps) would let
    // the draws outrun the cap many times over, and with them the game, which advances by
    // zcFRAME_DELTA in every drawn frame.
    if (updatedThisStep)
        renderAccumulator += zcFRAME_DELTA;
    // The first frame is drawn as soon as the loop starts, not once a frame's time has gathered.
    if (renderRate == 0 || firstFrameDue)
        return true;
    return renderAccumulator >= float(framesThisSecond + 1) / float(renderRate);
}

int ZC_GAME::fSetDisplayMode(int width, int height, bool afullScreen, bool auseDesktopSize)
{
    if (width == resolution.x && height == resolution.y && afullScreen == fullScreen && auseDesktopSize == useDesktopSize)
        return 0;
    resolution = ZS_POINT(width, height);
    fullScreen = afullScreen;
    useDesktopSize = auseDesktopSize;
    if (zcGAME_WINDOW)
        zcGAME_WINDOW->fSetMode(width, height, afullScreen, auseDesktopSize);
    return zcGAME_RENDER ? zcGAME_RENDER->fSetMode(width, height, afullScreen, auseDesktopSize) : -1;
}

void ZC_GAME::fSetUpdateRate(int perSecond)
{
    updateRate = fIsHostDrivenLoop() ? 0 : perSecond;
    updateAccumulator = 0;
    updatesThisSecond = 0;
}

void ZC_GAME::fSetRenderRate(int perSecond)
{
    renderRate = fIsHostDrivenLoop() ? 0 : perSecond;
    renderAccumulator = 0;
    framesThisSecond = 0;
}

int ZC_GAME::fShutdown()
{
    // First, so that nothing it touches is deleted under it.
    if (soundThread)
    {
        fTrace("stop", "sound thread");
        if (zcGAME_SOUND_SYSTEM)
            zcGAME_SOUND_SYSTEM->fSetThread(nullptr);
        fReleaseThread(soundThread);
        soundThread = nullptr;
    }
    fDeleteService(zcGAME_INPUT, "input");
    fDeleteService(zcGAME_RENDER, "render");
    fDeleteService(zcGAME_WINDOW, "window");
    fDeleteService(zcGAME_TIMER, "timer");
    fDeleteService(zcGAME_RANDOM, "random");
    fDeleteService(zcGAME_SOUND_SYSTEM, "sound");
    fDeleteService(zcREPOSITORY, "repository");
    if (zcON_RELEASE_RESOURCE == releaseRecord)
        zcON_RELEASE_RESOURCE = nullptr;
    if (zcON_LOOP_STEP == loopStepRecord)
        zcON_LOOP_STEP = nullptr;
    delete releaseRecord;
    delete loopStepRecord;
    releaseRecord = nullptr;
    loopStepRecord = nullptr;
    return 1;
}

int fProgramMain()
{
    return fInvoke(zcON_MAIN);
}

void fRegisterGameMain(ZF_CALLBACK gameMain, const char* text1, const char* text2)
{
    delete zcON_MAIN;
    zcON_MAIN = fCreateCallback(gameMain);
    delete zcON_CLOSE;
    zcON_CLOSE = fCreateCallback(fExitProcess);
    gMainTexts[0] = text1;
    gMainTexts[1] = text2;
}

int fExitProcess(void*)
{
    // At once: no end event, no shut-down, no static destructors under a running sound thread.
    std::fflush(nullptr);
    std::_Exit(-100500);
}

int fReleaseResourceByPointer(void* data)
{
    if (!zcREPOSITORY)
        return 0;
    ZS_RESOURCE* entry = zcREPOSITORY->fFindByData(data);
    if (!entry)
        return 0;
    switch (entry->kind)
    {
    case RESOURCE_TEXTURE:
        zcREPOSITORY->fReleaseTexture(data);
        break;
    case RESOURCE_XML:
        zcREPOSITORY->fReleaseXml(data);
        break;
    case RESOURCE_BYTES:
        entry->fRelease();
        break;
    default:
        break;
    }
    return 0;
}

int fSoundThreadMain(void*)
{
    // Wakes every 10 ms while a sound needs it and every 100 ms otherwise (fUpdateStreams
    // says which), at once when a sound asks (fWake) or when asked to stop, never inside the
    // sound lock.
    while (!fIsThreadStopRequested())
    {
        const uint32_t wait = zcGAME_SOUND_SYSTEM ? zcGAME_SOUND_SYSTEM->fUpdateStreams() : 10;
        if (fWaitThreadStop(wait))
            break;
    }
    return 0;
}

void fGetMousePosition(int* x, int* y)
{
    if (!zcINPUT)
        return;
    *x = zcINPUT->position.x;
    *y = zcINPUT->position.y;
}
}

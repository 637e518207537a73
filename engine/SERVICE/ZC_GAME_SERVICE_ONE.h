#pragma once
#include <string>

#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_POINT.h"

namespace ZOR
{
class ZC_INPUT;
class ZC_SYSTEM_WINDOW;
class ZC_RENDER;
class ZC_RANDOM;
class ZC_SOUND_SYSTEM;
class ZC_REPOSITORY;
class ZC_FILE_SYSTEM;
struct ZS_THREAD;

// The settings the game reads and writes directly.
struct ZS_GAME_SETTINGS
{
    bool fullScreen = false;
    bool useDesktopSize = false; // full screen at the desktop's size, the picture letterboxed
    bool running = false;        // set by fRun; clearing it ends the loop at the next test
    std::string game_name = "Zorvane Game";
    std::string company_name = "Zorvane";
    ZS_POINT desktopSize;
    ZS_POINT resolution{1024, 768};
    int framesPerSecond = 0;  // measured over the last full second; nothing reads it
    int renderRate = 60;      // drawn frames per second; 0 = no limit
    int updatesPerSecond = 0; // measured over the last full second; nothing reads it
    int updateRate = 0;       // update steps per second; 0 = no limit
};

// The application object: owns the engine services, starts them in a fixed order, runs the
// loop (updates paced by sleeping, draws by skipping) and deletes the services at shut-down.
class ZC_GAME : public ZS_GAME_SETTINGS
{
public:
    static ZC_GAME* fGetGame();

    // Makes the services and fires zcON_INIT, answering its result; -112 when zcGAME is not
    // set or no window could be made (then nothing is left running).
    int fStart(const std::string& title);
    // The loop until the running flag is cleared; answers zcON_END's result.
    int fRun();
    void fUpdate();
    void fRender();
    bool fUpdateRateDue();
    bool fRenderRateDue();
    int fSetDisplayMode(int width, int height, bool afullScreen, bool auseDesktopSize);
    // Stops the sound thread, then deletes the services; answers 1.
    int fShutdown();

    void fSetGameName(const std::string& name) { game_name = name; }
    void fSetCompanyName(const std::string& name) { company_name = name; }
    void fSetUpdateRate(int perSecond);
    void fSetRenderRate(int perSecond);

    float renderAccumulator = 0;
    float updateAccumulator = 0;
    ZC_TIMER pacingTimer; // real time for the update limiter only, no cap
    int framesThisSecond = 0;
    int updatesThisSecond = 0;
    ZS_THREAD* soundThread = nullptr;

private:
    ZC_GAME();
    ZC_GAME(const ZC_GAME&) = delete;
    ZC_GAME& operator=(const ZC_GAME&) = delete;

    bool updatedThisStep = false; // the update step of the current loop step ran
    // A frame has been drawn since the key states last aged: the states age only once the
    // game, which reads them when it draws, has seen them.
    bool drawnSinceAgeing = true;
    bool firstUpdateDue = false;  // set by fRun: the first update and the first draw are due at once
    bool firstFrameDue = false;
    ZS_CALLBACK* releaseRecord = nullptr;
    ZS_CALLBACK* loopStepRecord = nullptr;
};

// One loop step on zcGAME: 1 after a full step, -109 when the running flag is (or becomes) clear.
int fStep();
// The program's main: fires zcON_MAIN and answers its result, -108 with no main registered.
int fProgramMain();
// Called once from a static initialiser of the game.
void fRegisterGameMain(ZF_CALLBACK gameMain, const char* text1 = nullptr, const char* text2 = nullptr);
// The default close handler: ends the process with -100500.
int fExitProcess(void*);
int fReleaseResourceByPointer(void* data);
int fSoundThreadMain(void*);
void fGetMousePosition(int* x, int* y);

// Test seam: called with ("start" or "stop", service name) as each service is made or deleted.
extern void (*zcSERVICE_TRACE)(const char* what, const char* service);

extern ZC_GAME* zcGAME;
extern ZC_INPUT* zcGAME_INPUT;
extern ZC_SYSTEM_WINDOW* zcGAME_WINDOW;
extern ZC_RENDER* zcGAME_RENDER;
extern ZC_TIMER* zcGAME_TIMER;
extern ZC_RANDOM* zcGAME_RANDOM;
extern ZC_SOUND_SYSTEM* zcGAME_SOUND_SYSTEM;
extern ZC_FILE_SYSTEM* zcGAME_FILE_SYSTEM;
}

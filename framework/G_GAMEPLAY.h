#pragma once
#include <string>

namespace ZOR_GF
{
// What the game object drives a level screen through without knowing its class. The game
// object calls fDraw only while started, fUpdate every drawn frame, and hands every input
// event here before the windows see it (whatever this answers).
class G_GAMEPLAY
{
public:
    G_GAMEPLAY() = default;
    virtual ~G_GAMEPLAY();

    // The pack's path, one blank and the level's file. True: the level is set up and started
    // (started set), and the caller goes on with fLoadResources.
    virtual bool fStartLevel(const std::string& levelFile) = 0;
    // Ends the running level and clears started; false when no level was started.
    virtual bool fEndLevel() = 0;
    virtual void fUpdate() = 0;
    virtual void fDraw() = 0;
    // Key codes 1, 2, 4 are the left, right and middle mouse buttons.
    virtual void fOnKeyUp(int key) = 0;
    // -109: taken (the windows still get the event).
    virtual int fOnKeyDown(int key) = 0;
    // The pointer position is in the input state.
    virtual void fOnMouseMove() = 0;
    // The only event is "buy", with the bought item's key.
    virtual void fOnStoreEvent(const std::string& event, const std::string& item) = 0;
    // Nothing calls it.
    virtual void fSpareHook() = 0;
    // Sets paused.
    virtual void fPause() = 0;
    // Clears paused, but only while a level is started.
    virtual void fResume() = 0;
    virtual void fRestart() = 0;
    virtual void fLoadResources() = 0;
    virtual void fUnloadResources() = 0;

    bool started = false;
    bool paused = false;
};
}

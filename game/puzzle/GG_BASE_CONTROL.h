#pragma once
#include <string>

#include <pugixml.hpp>

#include "framework/G_SPRITE.h"
#include "framework/ZS_TRANSFORM3_AUTO.h"

namespace ZOR
{
class ZC_GUI_BUTTON5;
}

namespace ZOR_GF
{
class G_WINDOW_MANAGER;
}

namespace game
{
// A control's action on its owner: the level screen's hint start or selection cancel.
typedef void (*ZF_CONTROL_ACTION)(void* owner);

// What the level controls need from the game shell: the window manager (pause menu, shop,
// reset feedback), the game object's pause and the edition's store-button flag. The defaults
// reach the shell's singletons; a test puts its own in their place.
struct GG_CONTROL_SHELL
{
    ZOR_GF::G_WINDOW_MANAGER* (*windows)();
    void (*pauseGameplay)();
    bool (*storeButton)();
};
GG_CONTROL_SHELL& fGetControlShell();
// The shell's own entries back in place.
void fResetControlShell();

// "data/share/main/GameProcess <what>.xml" as the controls name their files.
extern const char* const CONTROL_AMBIENT_FILE;
extern const char* const CONTROL_HINT_FILE;
extern const char* const CONTROL_PAUSE_FILE;
extern const char* const CONTROL_STORE_FILE;
extern const char* const CONTROL_STORE_EMPTY_FILE;
extern const char* const CONTROL_RESET_FILE;

// One of the level screen's controls beside the grid: a placement that parents its pictures,
// an optional background, and a blocked flag that the tutorial sets through the control
// panel. The base reports nothing; the buttons override what they answer.
class GG_BASE_CONTROL
{
public:
    GG_BASE_CONTROL() = default;
    virtual ~GG_BASE_CONTROL();
    GG_BASE_CONTROL(const GG_BASE_CONTROL&) = delete;
    GG_BASE_CONTROL& operator=(const GG_BASE_CONTROL&) = delete;

    virtual void fSetBlocked(bool value) { blocked = value; }
    // The background when there is one.
    virtual void fDraw();
    virtual int fUpdate() { return 0; }
    virtual int fOnMouseMove() { return 0; }
    // -109 while blocked, else 0.
    virtual int fOnKeyUp(int key);
    virtual int fOnKeyDown(int key);
    // Re-places the control by its screen fractions.
    virtual void fUpdateLayout();
    // Once: the background's texture.
    virtual void fLoadResources();
    virtual void fUnloadResources();

    // The control file's root: "background" (a sprite under the placement, replacing any
    // earlier one; none when absent) and "TRANSFORM" (the placement).
    void fLoadXml(pugi::xml_node element);

    bool fIsBlocked() const { return blocked; }
    bool fIsLoaded() const { return loaded; }
    ZOR_GF::ZS_TRANSFORM3_AUTO& fGetPlacement() { return placement; }
    ZOR_GF::G_SPRITE* fGetBackground() const { return background; }

protected:
    bool blocked = false;
    ZOR_GF::ZS_TRANSFORM3_AUTO placement;
    ZOR_GF::G_SPRITE* background = nullptr;
    bool loaded = false;
};

// Pauses the level and shows the window (not at once); a window that is not there is logged
// and the level keeps running, since nothing could resume it. False then.
bool fPauseIntoWindow(const char* window);
// Fetches a control file by its resource name; logs and answers null when it is missing.
pugi::xml_document* fGetControlXml(const char* name);
// One line in the game's log about a control file.
void fLogControl(const char* file, const std::string& what);
// The push button a control file's "BUTTON5" makes, under the placement; null when the
// element makes another widget or none, logged as leaving out the named button.
ZOR::ZC_GUI_BUTTON5* fMakeControlButton(pugi::xml_node node, ZOR_GF::ZS_TRANSFORM3_AUTO* placement,
                                        const char* file, const char* name);
// Releases the button's resources and deletes it; null after.
void fDeleteControlButton(ZOR::ZC_GUI_BUTTON5*& button);
}

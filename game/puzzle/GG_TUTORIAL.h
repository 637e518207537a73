#pragma once
#include <cstdint>
#include <vector>

#include <pugixml.hpp>

#include "game/puzzle/GG_TUTORIAL_STEP.h"
#include "game/puzzle/cControlDelegate.h"

namespace game
{
// The scripted tutorial of the first levels: the tutorial file's steps per level id, run one
// after another while their level plays. The game object owns it, starts it at every level
// start of a player who has not passed it, and hands it input, updates and drawing while a
// level runs; the level's control panel tells it which control was pressed. After the last
// step of the file (or a yes to the skip question) the player has passed it and is saved.
class GG_TUTORIAL : public cControlDelegate
{
public:
    GG_TUTORIAL() = default;
    ~GG_TUTORIAL();
    GG_TUTORIAL(const GG_TUTORIAL&) = delete;
    GG_TUTORIAL& operator=(const GG_TUTORIAL&) = delete;

    // The document's "tutorial" element; what was read before goes. A "level" without an id
    // or whose id names no level of the game is left out with a log line; a step of an
    // unknown kind is a CELL step, with a log line.
    void fLoadXml(pugi::xml_node element);
    // True when the level has steps: its first step is current.
    bool fStartForLevel(int32_t levelId);
    void fLoadResources();
    void fUnloadResources();
    void fOnKeyDown(int key);
    void fOnKeyUp(int key);
    void fOnMouseMove();
    void fUpdate();
    void fDraw();
    void fNextStep();
    void fFinish();
    // The skip question's answer: the level resumes; yes ends the tutorial as passed.
    void fOnSkipAnswer(bool yes);

    void fOnStoreButton() override;
    void fOnHintButton() override;
    void fOnCheckModeToggle() override;
    void fOnPauseButton() override;
    void fOnResetSelection() override;

    bool fIsRunning() const { return running; }
    int fGetCurrentIndex() const { return current; }
    GG_TUTORIAL_STEP* fGetCurrentStep() const;
    int32_t fGetCurrentLevelId() const { return levelId; }
    const std::vector<GG_TUTORIAL_STEP*>& fGetSteps() const { return steps; }

private:
    void fClear();
    // Running, with a step, and the level neither paused (a window over it takes the input)
    // nor decided.
    bool fTakesInput() const;
    void fAdvanceIf(int kind);

    bool resourcesLoaded = false;
    bool running = false;
    int current = -1;
    std::vector<GG_TUTORIAL_STEP*> steps; // owned
    int32_t levelId = -1;
    // The current step was made current by a control during the click still going on.
    bool stepFromControl = false;
};
}

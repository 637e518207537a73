#include "game/puzzle/GG_TUTORIAL.h"

#include <string>

#include "framework/G_GAMEPLAY.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"

namespace game
{
namespace
{
// Whether some pack of the game has a level of that id; true when there is no game whose
// packs could tell (the tutorial read on its own).
bool fIsKnownLevel(int32_t id)
{
    gGame* game = fGetGameInstance();
    GG_PLAYER* levels = game ? game->fGetTemplatePlayer() : nullptr;
    if (!levels || levels->fGetPackCount() == 0)
        return true;
    for (int i = 0; i < levels->fGetPackCount(); ++i)
        if (GG_PACK* pack = levels->fGetPackAt(i))
            if (pack->fGetLevel(id))
                return true;
    return false;
}

// The element and every later sibling element, from the first child of that name.
template <class VISIT>
void fForEachFrom(pugi::xml_node parent, const char* first, VISIT visit)
{
    for (pugi::xml_node node = parent.child(first); node; node = node.next_sibling())
        if (node.type() == pugi::node_element)
            visit(node);
}
}

GG_TUTORIAL::~GG_TUTORIAL()
{
    fClear();
}

void GG_TUTORIAL::fClear()
{
    for (GG_TUTORIAL_STEP* step : steps)
        delete step;
    steps.clear();
    running = false;
    current = -1;
    levelId = -1;
    resourcesLoaded = false;
}

void GG_TUTORIAL::fLoadXml(pugi::xml_node element)
{
    fClear();
    fForEachFrom(element, "level", [this](pugi::xml_node level) {
        pugi::xml_attribute id = level.attribute("id");
        if (!id)
        {
            fLogLine("A tutorial level has no \"id\": its steps are left out.");
            return;
        }
        const int32_t levelId = id.as_int();
        if (!fIsKnownLevel(levelId))
        {
            fLogLine("The tutorial has steps for level " + std::to_string(levelId) +
                     ", which no pack has: they are left out.");
            return;
        }
        int index = 0;
        fForEachFrom(level, "step", [&](pugi::xml_node step) {
            const char* type = step.attribute("type").value();
            if (!fIsTutorialStepKind(type))
                fLogLine("Tutorial step " + std::to_string(index) + " of level " + std::to_string(levelId) +
                         " has the unknown type \"" + type + "\": it is taken as a CELL step.");
            steps.push_back(new GG_TUTORIAL_STEP(step, levelId));
            ++index;
        });
    });
}

bool GG_TUTORIAL::fStartForLevel(int32_t id)
{
    running = false;
    stepFromControl = false;
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i]->fGetLevelId() == id)
        {
            current = int(i);
            levelId = id;
            steps[i]->fActivate();
            running = true;
            return true;
        }
    return false;
}

void GG_TUTORIAL::fLoadResources()
{
    if (resourcesLoaded)
        return;
    for (GG_TUTORIAL_STEP* step : steps)
        step->fLoadResources();
    resourcesLoaded = true;
}

void GG_TUTORIAL::fUnloadResources()
{
    if (!resourcesLoaded)
        return;
    for (GG_TUTORIAL_STEP* step : steps)
        step->fUnloadResources();
    resourcesLoaded = false;
}

GG_TUTORIAL_STEP* GG_TUTORIAL::fGetCurrentStep() const
{
    return current >= 0 && size_t(current) < steps.size() ? steps[size_t(current)] : nullptr;
}

bool GG_TUTORIAL::fTakesInput() const
{
    if (!running || !fGetCurrentStep())
        return false;
    gGame* game = fGetGameInstance();
    const ZOR_GF::G_GAMEPLAY* gameplay = game ? game->fGetGameplay() : nullptr;
    if (gameplay && gameplay->paused)
        return false;
    const GG_GAMEPLAY* screen = game ? game->fGetLevelScreen() : nullptr;
    return !screen || !screen->fIsLevelEnded();
}

void GG_TUTORIAL::fOnKeyDown(int key)
{
    if (fTakesInput())
        fGetCurrentStep()->fOnKeyDown(key);
}

void GG_TUTORIAL::fOnKeyUp(int key)
{
    // A step that a control made current (the switch pressed, a line dropped on the reset
    // area) is not also done by the release of that same click: it would be gone unseen.
    const bool fromControl = stepFromControl;
    stepFromControl = false;
    if (fromControl)
        return;
    if (fTakesInput() && fGetCurrentStep()->fCheckDone(key) == -113)
        fNextStep();
}

void GG_TUTORIAL::fOnMouseMove()
{
    if (fTakesInput())
        fGetCurrentStep()->fOnMouseMove();
}

void GG_TUTORIAL::fUpdate()
{
    if (running)
        if (GG_TUTORIAL_STEP* step = fGetCurrentStep())
            step->fUpdate();
}

void GG_TUTORIAL::fDraw()
{
    if (running)
        if (GG_TUTORIAL_STEP* step = fGetCurrentStep())
            step->fDraw();
}

void GG_TUTORIAL::fNextStep()
{
    ++current;
    if (size_t(current) >= steps.size())
    {
        fFinish();
        return;
    }
    if (steps[size_t(current)]->fGetLevelId() == levelId)
    {
        steps[size_t(current)]->fActivate();
        return;
    }
    // The script goes on in another level: everything is free until that level starts.
    running = false;
    if (gGame* game = fGetGameInstance())
        game->fSetControlsBlocked(false, false, false, false, false);
}

void GG_TUTORIAL::fFinish()
{
    running = false;
    gGame* game = fGetGameInstance();
    if (!game)
        return;
    game->fSetControlsBlocked(false, false, false, false, false);
    if (GG_PLAYER* player = game->fGetCurrentPlayer())
    {
        player->fSetPassedTutorial(true);
        if (!game->fSave())
            fLogLine("The tutorial is passed, but the players file could not be saved.");
    }
}

void GG_TUTORIAL::fOnSkipAnswer(bool yes)
{
    gGame* game = fGetGameInstance();
    if (game)
        game->fResumeGameplay();
    if (yes)
        fFinish();
}

void GG_TUTORIAL::fAdvanceIf(int kind)
{
    if (running && fGetCurrentStep() && fGetCurrentStep()->fGetKind() == kind)
    {
        fNextStep();
        stepFromControl = true;
    }
}

void GG_TUTORIAL::fOnStoreButton()
{
    fAdvanceIf(STEP_CLICK_STORE);
}

void GG_TUTORIAL::fOnHintButton()
{
    fAdvanceIf(STEP_HINT);
}

void GG_TUTORIAL::fOnCheckModeToggle()
{
    fAdvanceIf(STEP_TOOL);
}

void GG_TUTORIAL::fOnPauseButton() {}

void GG_TUTORIAL::fOnResetSelection()
{
    fAdvanceIf(STEP_USE_RESET_SELECTION);
}
}

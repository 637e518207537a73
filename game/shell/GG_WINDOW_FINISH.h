#pragma once
#include <deque>
#include <memory>
#include <string>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_POINT.h"
#include "framework/G_SPRITE.h"
#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_WLABEL;
}

namespace game
{
struct GG_LEVEL_RESULT;

// "GP_Finish", the result of a won level: time, best time, mistakes, hints, the currency
// earned and the player's total, and the level's stars shown one after another once the
// window is in place. Its buttons lead to the next level, play the level again (after a
// question, free of charge) or go back to the level list.
class GG_WINDOW_FINISH : public ZOR_GF::G_WINDOW
{
public:
    enum
    {
        ID_NEXT = 1,
        ID_RESTART = 2,
        ID_LEVEL_LIST = 3,
        ID_TIME = 4,
        ID_HINTS = 5,
        ID_ERRORS = 6,
        ID_SCORE = 7,
        ID_BEST_TIME = 8,
        ID_TITLE = 9,
        ID_TOTAL = 10
    };

    explicit GG_WINDOW_FINISH(pugi::xml_node element);
    ~GG_WINDOW_FINISH() override;

    void fOnShowBegin() override;
    // Starts the star sequence from the beginning.
    void fOnShown() override;
    void fOnHideStarted() override {}
    void fLoadResources() override;
    void fUnloadResources() override;
    // Runs the star effects, then draws the stars on screen.
    void fDrawContent() override;
    void fOnGuiEvent(int widgetId) override;

    // Keeps the record (owned by the level screen) and fills the labels from it and from the
    // current player. Called before the window is shown.
    void fShowResult(GG_LEVEL_RESULT* result);
    // The next star's step: 1 a star was started, 0 none was left.
    int fShowNextStar();

    void fOnNextLevel();
    void fOnRestart();
    void fOnBackToList();
    void fOnRestartAnswer(bool yes);
    void fGoToLevelList();
    void fGoToPacks();

    // 3 stars for no mistake, 2 for one, else 1.
    static int fStarsFor(int errors);

    // What tests and the level screen read.
    GG_LEVEL_RESULT* fGetResult() const { return result; }
    size_t fGetWaitingStars() const { return waitingStars.size(); }
    size_t fGetShownStars() const { return shownStars.size(); }
    const ZOR_GF::G_SPRITE* fGetShownStar(size_t index) const;
    size_t fGetRunningStarEffects() const { return starBots.fGetCount(); }
    const ZOR::ZS_VECTOR2& fGetStarShift() const { return starShift; }
    float fGetEffectTime() const { return effectTime; }
    float fGetEffectAmplitude() const { return effectAmplitude; }
    float fGetEffectFrequency() const { return effectFrequency; }
    float fGetEffectDecay() const { return effectDecay; }

private:
    // Empties the star effects: the running bots are deleted.
    void fStopStars();
    // The label of that id when it is a wide label, else null.
    ZOR::ZC_GUI_WLABEL* fLabel(int id) const;
    void fSetLabel(int id, const std::wstring& text) const;

    ZOR::ZC_BOT_CONTAINER starBots;
    std::wstring titleFormat;
    ZOR_GF::G_SPRITE starTemplate;
    ZOR::ZS_VECTOR2 starShift;
    GG_LEVEL_RESULT* result = nullptr;
    bool hasStars = false;
    std::deque<std::unique_ptr<ZOR_GF::G_SPRITE>> waitingStars;
    std::deque<std::unique_ptr<ZOR_GF::G_SPRITE>> shownStars;
    ZOR::ZS_CALLBACK nextStar;
    float effectTime = 1.0f;
    float effectAmplitude = 2.0f;
    float effectFrequency = 4.0f;
    float effectDecay = 1.0f;
};

void fCallFinishOnRestartAnswer(void* window, bool yes);
void fCallFinishGoToLevelList(void* window);
void fCallFinishGoToPacks(void* window);
}

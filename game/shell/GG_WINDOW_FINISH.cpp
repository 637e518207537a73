#include "game/shell/GG_WINDOW_FINISH.h"

#include <string>

#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/bots/ZC_BOT_TRANSFORM.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLevelExit.h"
#include "game/shell/gLog.h"
#include "game/shell/gWindowParts.h"
#include "game/shell/gTextTemplate.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kSelf = "GP_Finish";
const char* const kRestartHere = "Confirm_Restart_In_Finish";
const char* const kRestartInLevel = "Confirm_Restart_Level";
const int kStarCount = 3;
const float kPauseAfterEarned = 1.0f;

int fShowNextStarOf(void* window)
{
    return window ? static_cast<GG_WINDOW_FINISH*>(window)->fShowNextStar() : 0;
}

}

void fCallFinishOnRestartAnswer(void* window, bool yes)
{
    if (window)
        static_cast<GG_WINDOW_FINISH*>(window)->fOnRestartAnswer(yes);
}

void fCallFinishGoToLevelList(void* window)
{
    if (window)
        static_cast<GG_WINDOW_FINISH*>(window)->fGoToLevelList();
}

void fCallFinishGoToPacks(void* window)
{
    if (window)
        static_cast<GG_WINDOW_FINISH*>(window)->fGoToPacks();
}

GG_WINDOW_FINISH::GG_WINDOW_FINISH(pugi::xml_node element)
    : G_WINDOW(element), nextStar(fShowNextStarOf, nullptr, this)
{
    const pugi::xml_node settings = element.child("settings");
    if (const pugi::xml_node sprite = settings.child("star_sprite"))
    {
        if (const pugi::xml_attribute shift = sprite.attribute("shift"))
            starShift.fParse(shift.value());
        starTemplate.fLoadXml(sprite);
        for (int i = 0; i < kStarCount; ++i)
            waitingStars.push_back(std::make_unique<G_SPRITE>(starTemplate));
        hasStars = true;
    }
    if (const pugi::xml_node effect = settings.child("star_effect"))
    {
        effectTime = effect.attribute("time").as_float(0.0f);
        effectAmplitude = effect.attribute("amplitude").as_float(0.0f);
        effectFrequency = effect.attribute("frequency").as_float(0.0f);
        effectDecay = effect.attribute("decay").as_float(0.0f);
    }
}

GG_WINDOW_FINISH::~GG_WINDOW_FINISH()
{
    // The bots point at the stars' transforms: they go first.
    starBots.fDeleteAll();
}

int GG_WINDOW_FINISH::fStarsFor(int errors)
{
    return errors == 0 ? 3 : errors == 1 ? 2 : 1;
}

const G_SPRITE* GG_WINDOW_FINISH::fGetShownStar(size_t index) const
{
    return index < shownStars.size() ? shownStars[index].get() : nullptr;
}

ZC_GUI_WLABEL* GG_WINDOW_FINISH::fLabel(int id) const
{
    return fGetGui() ? dynamic_cast<ZC_GUI_WLABEL*>(fGetGui()->fFindById(id)) : nullptr;
}

void GG_WINDOW_FINISH::fSetLabel(int id, const std::wstring& text) const
{
    // Labels draw their text as a format: what is shown here is never read as one.
    if (ZC_GUI_WLABEL* label = fLabel(id))
        label->fSetText(fLiteralLabelText(text));
}

void GG_WINDOW_FINISH::fShowResult(GG_LEVEL_RESULT* record)
{
    result = record;
    if (!result)
        return;
    // Whole numbers: a count is never cut to the room a label used to have.
    fSetLabel(ID_TIME, fFormatTime(result->time));
    fSetLabel(ID_HINTS, std::to_wstring(result->hintsUsed));
    fSetLabel(ID_ERRORS, std::to_wstring(result->errors));
    fSetLabel(ID_SCORE, std::to_wstring(result->score));
    if (const GG_PLAYER* player = fCurrentPlayer())
    {
        fSetLabel(ID_TOTAL, std::to_wstring(player->statistic.score));
        if (const GG_LEVEL* level = player->fGetLevel(result->packId, result->levelId))
            fSetLabel(ID_BEST_TIME, fFormatTime(level->fGetBestTime()));
    }
    ZC_GUI_WLABEL* title = fLabel(ID_TITLE);
    if (!title)
        return;
    // The factory has translated the label by now; its text is taken once as the format.
    if (titleFormat.empty())
        titleFormat = title->fGetText();
    gGame* game = fGetGameInstance();
    const GG_LEVEL* level = game ? game->fGetTemplatePlayer()->fGetLevel(result->packId, result->levelId) : nullptr;
    // The level's number takes the format's first "%i" (or "%d").
    if (level)
        title->fSetText(fLiteralLabelText(fFillTemplate(titleFormat, L"id", std::to_wstring(level->fGetNumber() + 1))));
}

void GG_WINDOW_FINISH::fOnShowBegin()
{
    // The win that filled the labels may also have earned trophies, whose bonuses came after:
    // the total is the one the player has when the window appears.
    if (const GG_PLAYER* player = result ? fCurrentPlayer() : nullptr)
        fSetLabel(ID_TOTAL, std::to_wstring(player->statistic.score));
}

void GG_WINDOW_FINISH::fOnShown()
{
    // A sequence still running from an earlier showing would go on beside the new one.
    fStopStars();
    while (!shownStars.empty())
    {
        waitingStars.push_back(std::move(shownStars.front()));
        shownStars.pop_front();
    }
    if (!result)
        return;
    // Where the window rests, not where its live transform is: the shown event comes with the
    // show move's last step still to run, which would leave the stars that far off their tray.
    const ZS_TRANSFORM3 world = fGetTargetTransform().fCompose();
    float x = world.position.x + starShift.x;
    const float y = world.position.y + starShift.y;
    const int due = fStarsFor(result->errors);
    int i = 0;
    for (const std::unique_ptr<G_SPRITE>& star : waitingStars)
    {
        star->fSetFrameCell(2, 1, i < due ? 1 : 0);
        star->fSetPosition(x, y, 0.0f);
        star->fSetScale(1.0f, 1.0f, 1.0f);
        x += starTemplate.fGetWidth();
        ++i;
    }
    fShowNextStar();
}

int GG_WINDOW_FINISH::fShowNextStar()
{
    if (waitingStars.empty())
        return 0;
    const size_t due = size_t(fStarsFor(result ? result->errors : 0));
    ZC_BASE* bot;
    if (shownStars.size() == due)
        bot = fCreateBotSleep(nullptr, &nextStar, kPauseAfterEarned, 0.0f);
    else
    {
        bot = fCreateBotBlob(waitingStars.front()->transform, effectTime, effectAmplitude, effectFrequency,
                             effectDecay, 1.0f, 1.0f, 0.0f, false);
        bot->fMessage(zcMESSAGE_SET_CALLBACK, 0.0f, 0.0f, 0.0f, &nextStar);
    }
    starBots.fAdd(bot);
    shownStars.push_back(std::move(waitingStars.front()));
    waitingStars.pop_front();
    return 1;
}

void GG_WINDOW_FINISH::fDrawContent()
{
    starBots.fUpdate();
    for (const std::unique_ptr<G_SPRITE>& star : shownStars)
        if (star->fIsLoaded())
            star->fDraw();
}

void GG_WINDOW_FINISH::fLoadResources()
{
    if (!hasStars)
        return;
    starTemplate.fLoadTexture();
    if (!starTemplate.fIsLoaded())
        return;
    // One cell of the two-cell strip.
    const float width = float(starTemplate.fGetTexture()->size.x / 2);
    const float height = starTemplate.fGetHeight();
    starTemplate.fSetSize(width, height);
    for (std::deque<std::unique_ptr<G_SPRITE>>* stars : {&waitingStars, &shownStars})
        for (const std::unique_ptr<G_SPRITE>& star : *stars)
        {
            star->fLoadTexture();
            star->fSetSize(width, height);
        }
}

void GG_WINDOW_FINISH::fUnloadResources()
{
    starTemplate.fUnloadTexture();
    for (std::deque<std::unique_ptr<G_SPRITE>>* stars : {&waitingStars, &shownStars})
        for (const std::unique_ptr<G_SPRITE>& star : *stars)
            star->fUnloadTexture();
}

void GG_WINDOW_FINISH::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case ID_NEXT: fOnNextLevel(); break;
    case ID_RESTART: fOnRestart(); break;
    case ID_LEVEL_LIST: fOnBackToList(); break;
    default: break;
    }
}

void GG_WINDOW_FINISH::fStopStars()
{
    starBots.fDeleteAll();
}

void GG_WINDOW_FINISH::fOnNextLevel()
{
    fStopStars();
    gGame* game = fGetGameInstance();
    const GG_PLAYER* player = fCurrentPlayer();
    const GG_PACK_DESC* desc = game ? game->fGetCurrentPack() : nullptr;
    const GG_LEVEL* current = game ? game->fGetCurrentLevel() : nullptr;
    GG_PACK* pack = player && desc ? player->fGetPack(desc->fGetId()) : nullptr;
    const GG_LEVEL* level = pack && current ? pack->fGetLevel(current->fGetId()) : nullptr;
    if (!level)
    {
        fLogLine("The result window cannot tell which level was won: \"next\" leads to the level list.");
        fRunBehindFade(this, fCallFinishGoToLevelList);
        return;
    }
    if (pack->fIsLastLevel(level))
    {
        fRunBehindFade(this, fCallFinishGoToPacks);
        return;
    }
    // Level ids of a pack are consecutive; data that breaks that leads back to the list.
    const GG_LEVEL* next = pack->fGetLevel(level->fGetId() + 1);
    if (!next)
    {
        fLogLine("The pack " + std::to_string(pack->fGetId()) + " has no level " + std::to_string(level->fGetId() + 1) +
                 " after level " + std::to_string(level->fGetId()) + ": \"next\" leads to the level list.");
        fRunBehindFade(this, fCallFinishGoToLevelList);
        return;
    }
    game->fEndLevel();
    // A level that cannot be played has said why by now; the level list comes back instead of
    // an empty level screen.
    if (!game->fStartLevel(next->fGetId(), pack->fGetId()))
    {
        fGoToLevelList();
        return;
    }
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fHideWindow(kSelf, false);
}

void GG_WINDOW_FINISH::fOnRestart()
{
    fAskRestart(kRestartHere, kRestartInLevel, this, fCallFinishOnRestartAnswer);
}

void GG_WINDOW_FINISH::fOnRestartAnswer(bool yes)
{
    if (!yes)
        return;
    fStopStars();
    if (gGame* game = fGetGameInstance())
        game->fRestartLevel();
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fHideWindow(kSelf, false);
}

void GG_WINDOW_FINISH::fOnBackToList()
{
    fStopStars();
    fRunBehindFade(this, fCallFinishGoToLevelList);
}

void GG_WINDOW_FINISH::fGoToLevelList()
{
    fLeaveLevel(kSelf, false);
}

void GG_WINDOW_FINISH::fGoToPacks()
{
    fLeaveLevel(kSelf, true);
}
}

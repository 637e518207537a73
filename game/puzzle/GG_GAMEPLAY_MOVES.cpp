// The level screen's play: presses, pointer moves and releases become a selection line that
// the solving process judges; the judging hooks count currency and errors and decide the
// level; bonus coins and hints fly; the store's purchases reach the running level.
#include <cmath>

#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/text/ZC_FONT.h"
#include "framework/G_TROPHIES.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const int kTaken = -109;

void fCallOnHintArrived(void* screen, GG_ELEMENT* cell)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnHintArrived(cell);
}

void fCallBonusStartTrail(void* screen, GG_EFFECT_BONUS* effect)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnBonusAppeared(effect);
}

void fCallOnBonusArrived(void* screen, GG_EFFECT_BONUS* effect)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnBonusArrived(effect);
}

void fCallOnBonusFinished(void* screen, GG_EFFECT_BONUS* effect)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnBonusFinished(effect);
}
}

// ---------------------------------------------------------------- input

int GG_GAMEPLAY::fOnKeyDown(int key)
{
    if (!started || paused || busy)
        return 0;
    controls->fOnKeyDown(key);
    if (!hoverValid)
        return 0;
    GG_ELEMENT* cell = process.fGetCell(hoverRow, hoverColumn);
    if (!cell)
        return -1;
    if (cell->fHitTest(key) != kTaken)
        return 0;
    const bool fill = controls->fIsFillMode();
    mode = key == 1 ? (fill ? 1 : 0) : (fill ? 0 : 1);
    dragging = true;
    startRow = hoverRow;
    startColumn = hoverColumn;
    controls->fStartSelectionHighlight();
    // The pressed cell shows the tool and its count at once, before the pointer moves.
    fUpdateSelectionLine();
    return kTaken;
}

void GG_GAMEPLAY::fOnMouseMove()
{
    if (!started || paused)
        return;
    controls->fOnMouseMove();
    if (!zcMOUSE_POSITION)
        return;
    const float x = float(zcMOUSE_POSITION->x), y = float(zcMOUSE_POSITION->y);
    const ZS_VECTOR2& corner = settings.innerCorner;
    const bool inside = corner.x <= x && x <= corner.x + float(settings.pixelSize.x) && corner.y <= y &&
                        y <= corner.y + float(settings.pixelSize.y);
    if (inside)
    {
        hoverValid = true;
        fUpdateHoverCell();
        return;
    }
    hoverValid = false;
    // While dragging, the last cell hovered stays the line's end.
    if (!dragging)
    {
        hoverRow = hoverColumn = -1;
        ambient->fHideHighlight();
    }
}

void GG_GAMEPLAY::fUpdateHoverCell()
{
    if (!zcMOUSE_POSITION)
        return;
    // Cells counted as packed at the cell size from the inner corner (gaps not taken off).
    const int dy = int(float(zcMOUSE_POSITION->y) - settings.innerCorner.y);
    const int dx = int(float(zcMOUSE_POSITION->x) - settings.innerCorner.x);
    int row = int(float(dy) / settings.cellSize.y);
    int column = int(float(dx) / settings.cellSize.x);
    if (dragging)
    {
        if (row >= settings.gridSize.y)
            row = settings.gridSize.y - 1;
        if (column >= settings.gridSize.x)
            column = settings.gridSize.x - 1;
        // Snapped to a straight line through the start; a tie runs along the row.
        if (std::abs(row - startRow) > std::abs(column - startColumn))
            column = startColumn;
        else
            row = startRow;
    }
    if (row != hoverRow || column != hoverColumn)
    {
        hoverRow = row;
        hoverColumn = column;
        fOnHoverChanged();
    }
}

void GG_GAMEPLAY::fOnHoverChanged()
{
    if (!hoverValid)
        return;
    fUpdateSelectionLine();
    GG_ELEMENT* cell = process.fGetCell(hoverRow, hoverColumn);
    if (!cell)
        return;
    ambient->fShowHighlight();
    ambient->fSetHighlightCell(cell->fGetPosition());
}

void GG_GAMEPLAY::fUpdateSelectionLine()
{
    selectionLine.clear();
    if (dragging)
        process.fGetLine(startRow, startColumn, hoverRow, hoverColumn, selectionLine);
}

void GG_GAMEPLAY::fOnKeyUp(int key)
{
    if (!started || paused || busy)
        return;
    controls->fOnKeyUp(key);
    if (startRow == -1 || startColumn == -1)
        return;
    const bool fill = mode != 0;
    // The hooks run inside: currency, errors, a win or a loss.
    process.fApplyLine(startRow, startColumn, hoverRow, hoverColumn, fill);
    dragging = false;
    startRow = startColumn = -1;
    fUpdateSelectionLine();
    controls->fEndSelectionHighlight();
}

void GG_GAMEPLAY::fCancelSelection()
{
    selectionLine.clear();
    dragging = false;
    hoverRow = hoverColumn = startRow = startColumn = -1;
    controls->fEndSelectionHighlight();
}

void GG_GAMEPLAY::fDrawSelection()
{
    ZC_FONT* font = selectionFont;
    ZS_POINT shift;
    if (font)
    {
        font->alignment = HS_MID;
        font->fSetColor(ambient->fGetHighlight().fGetFontColor().fToPacked());
        shift = ambient->fGetHighlight().fGetShift();
    }
    G_SPRITE& sign = mode == 1 ? settings.selectionYes : settings.selectionNo;
    const bool drawSign = sign.fIsLoaded();
    const size_t n = selectionLine.size();
    for (size_t i = 0; i + 1 < n; ++i)
    {
        const ZS_VECTOR2 centre = selectionLine[i]->fGetPosition();
        if (drawSign)
            sign.fDrawAt(centre.x, centre.y, 0.0f, 1.0f, 1.0f);
        if (font)
            font->fPrint(int(centre.x + float(shift.x)), int(centre.y + float(shift.y)), L"%i", int(i + 1));
    }
    GG_ELEMENT* hovered = process.fGetCell(hoverRow, hoverColumn);
    if (!hovered)
        return;
    // Outside a drag the sign tells what a left press would do.
    const bool fillSign = n == 0 ? controls->fIsFillMode() : mode == 1;
    G_SPRITE& hoverSign = fillSign ? settings.selectionYes : settings.selectionNo;
    const ZS_VECTOR2 centre = hovered->fGetPosition();
    if (hoverSign.fIsLoaded())
        hoverSign.fDrawAt(centre.x, centre.y, 0.0f, 1.0f, 1.0f);
    if (font && n > 0)
        font->fPrint(int(centre.x + float(shift.x)), int(centre.y + float(shift.y)), L"%i", int(n));
}

// ---------------------------------------------------------------- judging hooks

void GG_GAMEPLAY::fOnCorrectCell(GG_ELEMENT* cell)
{
    if (!cell || !cell->fIsPicture())
        return;
    result.score += oneCellAmount;
    ambient->fAddCurrency(oneCellAmount);
    if (cell->fIsBonus())
        fSpawnBonusEffect(cell);
    // A free hint each time the progress passes the next of max hints + 1 equal steps.
    const float progress = process.fGetProgress();
    if (maxHints > unsigned(result.hintsLeft) &&
        progress > float(result.freeHintsGranted + 1) * (1.0f / float(maxHints + 1)))
    {
        if (!result.inApp)
        {
            ++result.freeHintsGranted;
            ++result.hintsLeft;
        }
        fShowHints();
    }
}

void GG_GAMEPLAY::fOnMistake(GG_ELEMENT* cell)
{
    // A closed picture cell crossed opens all the same and pays as one filled.
    if (cell && cell->fIsPicture())
    {
        result.score += oneCellAmount;
        ambient->fAddCurrency(oneCellAmount);
    }
    ++result.errors;
    ambient->fAddError();
    if (result.errors >= errorLimit)
        fEndOnce(false);
}

void GG_GAMEPLAY::fCheckWin()
{
    if (process.fGetProgress() >= 1.0f)
        fEndOnce(true);
}

void GG_GAMEPLAY::fEndOnce(bool won)
{
    if (levelEnded)
        return;
    levelEnded = true;
    if (won)
        fOnLevelWon();
    else
        fOnLevelLost();
}

// ---------------------------------------------------------------- bonus coins

void GG_GAMEPLAY::fSpawnBonusEffect(GG_ELEMENT* cell)
{
    if (!cell)
        return;
    auto* bonus = new GG_EFFECT_BONUS(bonusTemplate);
    bonusEffects.push_back(bonus);
    bonus->fLoadResources();
    bonus->fPlaceOn(cell->fGetPosition());
    effects.fAdd(bonus->fMakeEffect(this, fCallBonusStartTrail, fCallOnBonusArrived, fCallOnBonusFinished));
}

void GG_GAMEPLAY::fOnBonusAppeared(GG_EFFECT_BONUS* effect)
{
    effect->fStartTrail();
}

void GG_GAMEPLAY::fOnBonusArrived(GG_EFFECT_BONUS* effect)
{
    effect->fSetValueText(bonusAmount);
    ambient->fAddCurrency(bonusAmount);
}

void GG_GAMEPLAY::fOnBonusFinished(GG_EFFECT_BONUS* effect)
{
    for (size_t i = 0; i < bonusEffects.size(); ++i)
        if (bonusEffects[i] == effect)
        {
            bonusEffects.erase(bonusEffects.begin() + long(i));
            delete effect;
            return;
        }
}

// ---------------------------------------------------------------- hints

void GG_GAMEPLAY::fUseHint()
{
    // A hint pressed as the level was decided, or with no cell left to open, is not spent; the
    // button is told the count again so that it comes back.
    GG_ELEMENT* cell = started && !levelEnded ? process.fPickHintCell() : nullptr;
    if (!cell)
    {
        fShowHints();
        return;
    }
    busy = true;
    if (!hintStartTaken)
    {
        hintStart = hintSprite.transform->fGetPositionXY();
        hintStartTaken = true;
    }
    hintSprite.fSetColor(0xFFFFFFFFu);
    hintSprite.fSetPosition(hintStart.x, hintStart.y, 0.0f);

    auto* flight = new G_EFFECT_T<GG_ELEMENT*>;
    G_EFFECT_T<GG_ELEMENT*>::HANDLER handler;
    handler.object = this;
    handler.function = fCallOnHintArrived;
    flight->fAddStepWithHandler(handler, cell);
    const ZS_VECTOR3 s(hintStart.x, hintStart.y, 0.0f);
    const ZS_VECTOR2 target = cell->fGetPosition();
    const ZS_VECTOR3 e(target.x, target.y, 0.0f);
    const ZS_VECTOR3 d(e.x - s.x, e.y - s.y, 0.0f);
    const ZS_VECTOR3 c1(s.x + 0.33f * d.x, s.y + 0.33f * d.y + float(hintDeflection1), 0.0f);
    const ZS_VECTOR3 c2(s.x + 0.66f * d.x, s.y + 0.66f * d.y + float(hintDeflection2), 0.0f);
    flight->fGetLastStep()->fAdd(fCreateBotMoveCubeBezier(hintSprite.transform, &c1, &c2, &e, 0.0f, hintSpeed, 0.0f));
    hintTrail.emitter.fMoveAreaTo(-500.0f, -500.0f);
    hintTrail.emitter.fEmitParticle();
    effects.fAdd(flight);
    hintSprite.fStart(0.0f);
    if (!result.inApp && result.hintsLeft > 0)
    {
        --result.hintsLeft;
        ++result.hintsUsed;
    }
    fShowHints();
}

void GG_GAMEPLAY::fDrawEffects()
{
    if (hintSprite.fIsPlaying())
    {
        static_cast<ZC_MESH&>(hintSprite).fDraw();
        hintBurst.fDraw();
        const ZS_VECTOR3& at = hintSprite.transform->position;
        hintTrail.emitter.fMoveAreaTo(at.x, at.y);
        hintTrail.fDraw();
    }
    for (GG_EFFECT_BONUS* effect : bonusEffects)
        effect->fDraw();
}

void GG_GAMEPLAY::fOnHintArrived(GG_ELEMENT* cell)
{
    if (!cell)
        return;
    busy = false;
    const ZS_VECTOR3& at = hintSprite.transform->position;
    hintBurst.emitter.fMoveAreaTo(at.x, at.y);
    hintBurst.emitter.fStartFor(0.5f);
    hintTrail.emitter.fStop();
    hintSprite.fSetColor(0x00FFFFFFu);
    process.fApplyLine(cell->row, cell->column, cell->row, cell->column, true);
    if (!player)
        return;
    ++player->statistic.hintUse;
    fFeedTrophy("pc_tr_hint_use", G_TROPHY_VALUE::fFromUInt("", player->statistic.hintUse));
}

bool GG_GAMEPLAY::fCanRefillHints() const
{
    return result.hintsLeft == 0 && player && player->fGetItemCount(ITEM_START_HINT) > 0;
}

void GG_GAMEPLAY::fOnStoreEvent(const std::string& event, const std::string& item)
{
    if (!started || event != "buy")
        return;
    if (item == ITEM_REFILL_HINT)
    {
        const int n = player ? player->fGetItemCount(ITEM_START_HINT) : 0;
        if (!result.inApp)
            result.hintsLeft += n;
        fShowHints();
    }
    else if (item == ITEM_ERRORS)
    {
        if (player)
            fSetMistakeLimit(player->fGetItemCount(ITEM_ERRORS));
    }
}

void GG_GAMEPLAY::fFeedTrophy(const std::string& trophy, const G_TROPHY_VALUE& value)
{
    G_TROPHIES* trophies = fGetTrophies();
    gGame* game = fGetGameInstance();
    if (trophies && trophies->fUpdateTrophy(trophy, value) && game)
        game->fAwardTrophy(trophies->fFindTrophy(trophy));
}
}

// The level screen: construction, its files (settings, effects, the level file), starting,
// ending and restarting a level, pausing, resources, the frame's update and drawing.
#include "game/puzzle/GG_GAMEPLAY.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
const char* const GAMEPLAY_SETTINGS_FILE = "data/share/main/GameProcess settings.xml";
const char* const GAMEPLAY_EFFECTS_FILE = "data/share/main/GameProcess effects.xml";

namespace
{
void fCallUseHint(void* screen)
{
    static_cast<GG_GAMEPLAY*>(screen)->fUseHint();
}

void fCallCancelSelection(void* screen)
{
    static_cast<GG_GAMEPLAY*>(screen)->fCancelSelection();
}

int fCallShowFinishWhenIdle(void* screen)
{
    return static_cast<GG_GAMEPLAY*>(screen)->fShowFinishWhenIdle();
}

int fCallRestoreMusicVolume(void* screen)
{
    return static_cast<GG_GAMEPLAY*>(screen)->fRestoreMusicVolume();
}

// "a b" read into a point or vector; false when the attribute is missing.
template <class T>
bool fReadPair(pugi::xml_node element, const char* name, T& value)
{
    pugi::xml_attribute a = element.attribute(name);
    if (!a)
        return false;
    value.fParse(a.value());
    return true;
}

// A cell skin picture sized to the cell; a picture whose texture never came keeps its size.
void fSizeTo(G_SPRITE& sprite, const ZS_VECTOR2& cell)
{
    if (sprite.fIsLoaded())
        sprite.fSetSize(cell.x, cell.y);
}
}

void GG_LEVEL_RESULT::fClear()
{
    const bool keep = inApp;
    *this = GG_LEVEL_RESULT();
    inApp = keep;
}

GG_GAMEPLAY::GG_GAMEPLAY() : process(this)
{
    result.inApp = fIsInAppEnabled();
    ambient.reset(new GG_AMBIENT);
    controls.reset(new GG_CONTROL_PANEL(this, fCallUseHint, this, fCallCancelSelection));
    fLoadSettings();
    controls->fLoadXml();
    fLoadEffects();
    finishCheck = fCreateCallback(fCallShowFinishWhenIdle, nullptr, this);
    musicRestore = fCreateCallback(fCallRestoreMusicVolume, nullptr, this);
}

GG_GAMEPLAY::~GG_GAMEPLAY()
{
    // Effects first: their steps point at the cells and bonus copies deleted after them.
    fDropEffects();
    timers.fDeleteAll();
    delete finishCheck;
    delete musicRestore;
}

// ---------------------------------------------------------------- files

bool GG_GAMEPLAY::fLoadSettings()
{
    pugi::xml_document* document = fGetGameProcessXml(GAMEPLAY_SETTINGS_FILE);
    if (!document)
        return false;
    const pugi::xml_node root = document->document_element();
    const pugi::xml_attribute one = root.attribute("sunime_one");
    const pugi::xml_attribute bonus = root.attribute("sunime_bonus");
    const pugi::xml_attribute hints = root.attribute("max_hints");
    const bool complete = one && bonus && hints;
    if (complete)
    {
        oneCellAmount = one.as_int();
        bonusAmount = bonus.as_int();
        maxHints = hints.as_uint();
    }
    else
        fLogLine(std::string("\"") + GAMEPLAY_SETTINGS_FILE +
                 "\" lacks \"sunime_one\", \"sunime_bonus\" or \"max_hints\": the defaults stay");
    zcREPOSITORY->fReleaseXml(document);
    return complete;
}

void GG_GAMEPLAY::fReadSkin(pugi::xml_node element, ZS_SKIN& skin, bool base)
{
    // The base skin goes straight into the settings, as a level without sized skins uses it.
    G_ANIMATION& yes = base ? settings.yes : skin.yes;
    G_ANIMATION& no = base ? settings.no : skin.no;
    G_SPRITE& locked = base ? settings.locked : skin.locked;
    if (pugi::xml_node node = element.child("yes"))
        yes.fLoadXml(node);
    if (pugi::xml_node node = element.child("no"))
        no.fLoadXml(node);
    if (pugi::xml_node node = element.child("locked"))
        locked.fLoadXml(node);
    if (base)
    {
        skin.yes = settings.yes;
        skin.no = settings.no;
        skin.locked = settings.locked;
    }
}

bool GG_GAMEPLAY::fLoadEffects()
{
    pugi::xml_document* document = fGetGameProcessXml(GAMEPLAY_EFFECTS_FILE);
    if (!document)
    {
        hintSprite.fSetColor(0x00FFFFFFu);
        return false;
    }
    const pugi::xml_node root = document->document_element();
    skins.clear();
    if (pugi::xml_node open = root.child("effect_open_cell"))
    {
        if (pugi::xml_attribute a = open.attribute("anim_delay"))
            process.revealStep = a.as_float();
        fReadSkin(open, *skins.emplace_back(new ZS_SKIN), true);
        // Further skins drawn for other cell sizes ("skin" with "size"): each level takes the
        // one that fits its cells best, so that cells look crisp at every size.
        for (pugi::xml_node child : open.children("skin"))
        {
            const int size = child.attribute("size").as_int();
            if (size <= 0)
                continue;
            std::unique_ptr<ZS_SKIN> skin(new ZS_SKIN);
            skin->size = size;
            // A sized skin lacking a picture takes the base skin's.
            skin->yes = settings.yes;
            skin->no = settings.no;
            skin->locked = settings.locked;
            fReadSkin(child, *skin, false);
            skins.push_back(std::move(skin));
        }
        std::sort(skins.begin() + 1, skins.end(),
                  [](const std::unique_ptr<ZS_SKIN>& a, const std::unique_ptr<ZS_SKIN>& b) { return a->size < b->size; });
    }
    if (pugi::xml_node fly = root.child("hint_fly"))
    {
        hintDeflection1 = fly.attribute("deflection1").as_int();
        hintDeflection2 = fly.attribute("deflection2").as_int();
        hintSpeed = fly.attribute("speed").as_float();
        if (pugi::xml_node node = fly.child("sprite_fly"))
            hintSprite.fLoadXml(node);
        if (pugi::xml_node node = fly.child("particles_finish"))
            hintBurst.fLoadXml(node);
        if (pugi::xml_node node = fly.child("particles_follow"))
            hintTrail.fLoadXml(node);
    }
    // Invisible until a hint flies.
    hintSprite.fSetColor(0x00FFFFFFu);
    if (pugi::xml_node end = root.child("end_level_effect"))
    {
        if (pugi::xml_node node = end.child("sprite_anim"))
            winAnimation.fLoadXml(node);
        if (pugi::xml_attribute a = end.attribute("speed"))
        {
            sweepSpeed = a.as_float();
            // The process sweeps in one second at a speed that would never arrive.
            if (!(sweepSpeed > 0.0f) || !std::isfinite(sweepSpeed))
                fLogLine(std::string("\"") + GAMEPLAY_EFFECTS_FILE + "\": the sweep speed \"" + a.value() +
                         "\" is not above 0; the win sweep takes one second");
        }
    }
    if (pugi::xml_node bonus = root.child("bonus_effect"))
        bonusTemplate.fLoadXml(bonus);
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

// ---------------------------------------------------------------- level start and end

bool GG_GAMEPLAY::fRefuse(const std::string& file, const std::string& reason, pugi::xml_document* document)
{
    startError = "\"" + file + "\": " + reason;
    if (document && zcREPOSITORY)
        zcREPOSITORY->fReleaseXml(document);
    // Nothing of a half-built level stays behind to be drawn or judged.
    process.fClear();
    levelFile.clear();
    player = nullptr;
    pack = nullptr;
    level = nullptr;
    return false;
}

bool GG_GAMEPLAY::fReadLevelSettings(pugi::xml_node element)
{
    if (!element)
    {
        startError = "it has no \"settings\"";
        return false;
    }
    GG_LEVEL_SETTINGS& s = settings;
    static const char* const kAttributes[] = {"elSize", "grid", "block", "shiftBlock", "position", "bonuses"};
    for (const char* name : kAttributes)
        if (!element.attribute(name))
        {
            startError = std::string("its \"settings\" lack \"") + name + "\"";
            return false;
        }
    fReadPair(element, "elSize", s.cellSize);
    fReadPair(element, "grid", s.gridSize);
    fReadPair(element, "block", s.blockSize);
    fReadPair(element, "shiftBlock", s.blockShift);
    fReadPair(element, "position", s.position);
    s.bonuses = element.attribute("bonuses").as_uint();
    static const char* const kChildren[] = {"block", "selection", "selection_yes", "selection_no"};
    G_SPRITE* const sprites[] = {&s.blockSprite, &s.selection, &s.selectionYes, &s.selectionNo};
    for (size_t i = 0; i < 4; ++i)
    {
        pugi::xml_node child = element.child(kChildren[i]);
        if (!child)
        {
            startError = std::string("its \"settings\" lack the sprite \"") + kChildren[i] + "\"";
            return false;
        }
        // A sprite read anew starts from nothing, so no value of the last level shows through.
        *sprites[i] = G_SPRITE();
        sprites[i]->fLoadXml(child);
    }
    // A grid without room has nothing to play; the derived layout would divide by nothing.
    if (!(s.cellSize.x > 0.0f) || !(s.cellSize.y > 0.0f) || s.gridSize.x <= 0 || s.gridSize.y <= 0 ||
        s.blockSize.x <= 0 || s.blockSize.y <= 0)
    {
        startError = "its cell, grid or block size is not above 0";
        return false;
    }
    // The layout is worked out in whole pixels: a hand-edited value far beyond any screen
    // would overflow them.
    const auto within = [](float v, float limit) { return std::isfinite(v) && std::fabs(v) <= limit; };
    if (!within(s.cellSize.x, 1024.0f) || !within(s.cellSize.y, 1024.0f) || s.gridSize.x > 1000 ||
        s.gridSize.y > 1000 || s.blockSize.x > 1000 || s.blockSize.y > 1000 || std::abs(s.blockShift.x) > 1024 ||
        std::abs(s.blockShift.y) > 1024 || !within(s.position.x, 100000.0f) || !within(s.position.y, 100000.0f))
    {
        startError = "its cell size, grid, blocks or position lie far outside any screen";
        return false;
    }
    s.fUpdateDerived();
    return true;
}

void GG_GAMEPLAY::fChooseSkin()
{
    if (skins.size() < 2)
        return;
    // The smallest drawing at least as large as the cell, else the largest: shrinking a
    // little keeps lines crisp, stretching would blur them.
    const int cell = int(std::ceil(std::max(settings.cellSize.x, settings.cellSize.y)));
    const ZS_SKIN* chosen = skins.back().get();
    for (size_t i = 1; i < skins.size(); ++i)
        if (skins[i]->size >= cell)
        {
            chosen = skins[i].get();
            break;
        }
    settings.yes = chosen->yes;
    settings.no = chosen->no;
    settings.locked = chosen->locked;
}

void GG_GAMEPLAY::fSizeSkinsToCell()
{
    // Each level has its own cell size; the one effects file serves them all.
    fSizeTo(settings.yes, settings.cellSize);
    fSizeTo(settings.no, settings.cellSize);
    fSizeTo(settings.locked, settings.cellSize);
}

bool GG_GAMEPLAY::fStartLevel(const std::string& file)
{
    if (!levelFile.empty())
        fEndLevel();
    busy = false;
    levelEnded = false;
    startError.clear();
    fResetDrag();

    gGame* game = fGetGameInstance();
    const gPlayers* players = fGetPlayers();
    player = players ? players->fGetCurrentPlayer() : nullptr;
    if (!player)
        return fRefuse(file, "there is no current player", nullptr);
    const GG_PACK_DESC* desc = game ? game->fGetCurrentPack() : nullptr;
    pack = desc ? player->fGetPack(desc->fGetId()) : nullptr;
    if (!pack)
        return fRefuse(file, "the player has no record of its pack", nullptr);
    const GG_LEVEL* current = game ? game->fGetCurrentLevel() : nullptr;
    level = current ? pack->fGetLevel(current->fGetId()) : nullptr;
    if (!level)
        return fRefuse(file, "the player's pack has no record of the level", nullptr);

    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(file.c_str()) : nullptr;
    if (!document)
        return fRefuse(file, "the file is missing or is not XML", nullptr);
    levelFile = file;
    const pugi::xml_node root = document->document_element();
    if (!fReadLevelSettings(root.child("settings")))
        return fRefuse(file, startError, document);
    if (!process.fStart(root.child("gElements"), &settings))
        return fRefuse(file, process.fGetStartError(), document);
    // One numbers file serves every cell size: each clue is centred on its row or column,
    // whatever the file's first offset along the line says; its offset away from the grid
    // stays.
    process.fGetRowStrip().firstOffset.y = settings.cellSize.y * 0.5f;
    process.fGetColumnStrip().firstOffset.x = settings.cellSize.x * 0.5f;
    if (!ambient->fLoadXml(&settings))
        return fRefuse(file, ambient->fGetLoadError(), document);
    fChooseSkin();

    if (G_SPRITE* picture = desc->fGetBackground())
        background = *picture;
    selectionFont = ambient->fGetHighlight().fGetFont();
    result.packId = pack->fGetId();
    result.levelId = level->fGetId();
    fSetMistakeLimit(player->fGetItemCount(ITEM_ERRORS));
    const int startHints = player->fGetItemCount(ITEM_START_HINT);
    if (!result.inApp)
        result.hintsLeft += startHints;
    controls->fSetFillMode();
    fShowHints();
    started = true;
    paused = false;
    process.fSetOpenAnimation(winAnimation);
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

void GG_GAMEPLAY::fReportRefusal(const std::string& reason)
{
    const std::string text = "This level cannot be played.\n" + reason;
    fLogLine(text);
    fShowMessageBox(zcGAME_WINDOW ? zcGAME_WINDOW->fGetHandle() : nullptr, "Nonogram", text.c_str());
}

void GG_GAMEPLAY::fSetMistakeLimit(int limit)
{
    errorLimit = limit;
    ambient->fSetErrorLimit(limit);
}

void GG_GAMEPLAY::fShowHints()
{
    controls->fSetHints(result.hintsLeft);
}

void GG_GAMEPLAY::fResetDrag()
{
    selectionLine.clear();
    hoverValid = false;
    dragging = false;
    startRow = startColumn = hoverRow = hoverColumn = -1;
}

void GG_GAMEPLAY::fDropEffects()
{
    // Every flight of the ended level goes with it: a hint or a coin must not land on the
    // cells of a level that is gone.
    effects.fClear();
    for (GG_EFFECT_BONUS* effect : bonusEffects)
        delete effect;
    bonusEffects.clear();
    hintSprite.fStop();
    hintSprite.fSetColor(0x00FFFFFFu);
    hintTrail.emitter.fStop();
    hintTrail.emitter.fClear();
    hintBurst.emitter.fStop();
    hintBurst.emitter.fClear();
}

bool GG_GAMEPLAY::fEndLevel()
{
    if (!started)
        return false;
    started = false;
    levelFile.clear();
    result.fClear();
    // The finish re-check and the music restore belong to the level: the music comes back
    // now, and no result window appears over whatever follows.
    timers.fDeleteAll();
    if (musicLowered)
        fRestoreMusicVolume();
    fDropEffects();
    fResetDrag();
    process.fClear();
    ambient->fEndLevel();
    player = nullptr;
    level = nullptr;
    pack = nullptr;
    selectionFont = nullptr;
    return true;
}

void GG_GAMEPLAY::fRestart()
{
    const std::string file = levelFile;
    const int32_t packId = result.packId;
    fEndLevel();
    fUnloadResources();
    if (fStartLevel(file))
    {
        fLoadResources();
        return;
    }
    // The file went bad since the level began: say so and go back to the level list rather
    // than leave an empty screen under the window that asked for the restart.
    fReportRefusal(startError);
    if (gGame* game = fGetGameInstance())
        game->fShowLevelsScene(packId, true);
}

void GG_GAMEPLAY::fPause()
{
    paused = true;
}

void GG_GAMEPLAY::fResume()
{
    if (started)
        paused = false;
}

int32_t GG_GAMEPLAY::fGetLevelId() const
{
    return started && level ? level->fGetId() : -1;
}

void GG_GAMEPLAY::fSetControlsBlocked(bool cells, bool hint, bool tool, bool store, bool reset)
{
    process.fSetCellsBlocked(cells);
    controls->fSetBlocked(hint, tool, store, reset);
}

void GG_GAMEPLAY::fAddControlDelegate(cControlDelegate* delegate)
{
    controls->fAddListener(delegate);
}

// ---------------------------------------------------------------- resources

void GG_GAMEPLAY::fLoadResources()
{
    background.fLoadTexture();
    background.fSetPosition(0.0f, 0.0f, 0.0f);
    background.fSetHotSpot(0, 0.0f, 0.0f);
    ambient->fLoadResources();
    controls->fLoadResources();
    settings.blockSprite.fLoadTexture();
    settings.yes.fLoadTexture();
    settings.no.fLoadTexture();
    settings.locked.fLoadTexture();
    settings.selection.fLoadTexture();
    settings.selectionYes.fLoadTexture();
    settings.selectionNo.fLoadTexture();
    fSizeSkinsToCell();
    process.fLoadResources();
    fLoadEffectResources();
}

void GG_GAMEPLAY::fUnloadResources()
{
    background.fUnloadTexture();
    ambient->fUnloadResources();
    controls->fUnloadResources();
    settings.blockSprite.fUnloadTexture();
    settings.yes.fUnloadTexture();
    settings.no.fUnloadTexture();
    settings.locked.fUnloadTexture();
    settings.selection.fUnloadTexture();
    settings.selectionYes.fUnloadTexture();
    settings.selectionNo.fUnloadTexture();
    process.fUnloadResources();
    fUnloadEffectResources();
}

void GG_GAMEPLAY::fLoadEffectResources()
{
    hintSprite.fLoadTexture();
    hintBurst.fLoadTexture();
    hintTrail.fLoadTexture();
    for (GG_EFFECT_BONUS* effect : bonusEffects)
        effect->fLoadResources();
}

void GG_GAMEPLAY::fUnloadEffectResources()
{
    hintSprite.fUnloadTexture();
    hintBurst.fUnloadTexture();
    hintTrail.fUnloadTexture();
    for (GG_EFFECT_BONUS* effect : bonusEffects)
        effect->fUnloadResources();
}

// ---------------------------------------------------------------- frame

void GG_GAMEPLAY::fUpdate()
{
    timers.fUpdate();
    if (!started || paused)
        return;
    // The clock stops when the level is decided: the time a win records as the best is the
    // time the result window shows, not that plus the sweep and the coins still flying.
    if (!levelEnded)
        result.time += zcFRAME_DELTA;
    ambient->fUpdate();
    controls->fUpdate();
    process.fUpdate();
    effects.fUpdate();
    hintBurst.fUpdate();
    hintTrail.fUpdate();
    hintSprite.fUpdate();
    for (GG_EFFECT_BONUS* effect : bonusEffects)
        effect->fUpdate();
}

void GG_GAMEPLAY::fDraw()
{
    if (!started)
        return;
    // A picture that is not there would be drawn as the renderer's white stand-in.
    if (background.fIsLoaded())
        background.fDraw();
    ambient->fDrawBlocks();
    ambient->fDrawEars();
    ambient->fDrawHighlight();
    process.fDraw();
    fDrawSelection();
    controls->fDrawHintButton();
    controls->fDrawStoreButton();
    ambient->fDrawFrame();
    ambient->fDrawErrorPanel();
    ambient->fDrawCounter();
    controls->fDrawResetSelection();
    controls->fDrawToggle();
    controls->fDrawPause();
    fDrawEffects();
}
}

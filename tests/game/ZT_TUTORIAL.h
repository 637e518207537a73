#pragma once
// The real game with the tutorial, run in this process on a copy of the default data set and
// driven by real input events (ZT_SCRIPTED_GAME.h): levels of pack 0 started for a new player,
// cells and controls found where the level screen put them, the tutorial's state read back.
#include "ZT_SCRIPTED_GAME.h"

#include <string>

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI.h"
#include "framework/G_GAMEPLAY.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/GG_TUTORIAL.h"
#include "game/puzzle/gPlayers.h"

namespace ZT_TUTORIAL
{
using namespace ZT_SCRIPTED;
using ZOR::ZS_POINT;
using ZOR::ZS_VECTOR2;

// Where the level controls stand (the shipped control files).
const ZS_POINT kToggle(916, 336);
const ZS_POINT kHint(916, 704);
const ZS_POINT kReset(916, 492);
const ZS_POINT kPause(972, 52);
const ZS_POINT kStore(916, 730);
// A spot of the level screen that is neither the grid, a clue nor a control.
const ZS_POINT kNowhere(120, 640);

inline game::gGame* fGame()
{
    return game::fGetGameInstance();
}
inline game::GG_GAMEPLAY* fScreen()
{
    return fGame() ? fGame()->fGetLevelScreen() : nullptr;
}
inline game::GG_TUTORIAL& fTutorial()
{
    return fGame()->fGetTutorial();
}
inline game::GG_ELEMENT* fCell(int row, int column)
{
    return fScreen() ? fScreen()->fGetProcess().fGetCell(row, column) : nullptr;
}
inline ZS_POINT fCellPixel(int row, int column)
{
    game::GG_ELEMENT* cell = fCell(row, column);
    return cell ? ZS_POINT(int(cell->fGetPositionX()), int(cell->fGetPositionY())) : ZS_POINT(-1, -1);
}
inline bool fSolved(int row, int column)
{
    game::GG_ELEMENT* cell = fCell(row, column);
    return cell && cell->fIsSolved();
}
inline game::GG_PLAYER* fPlayer()
{
    return fGame() ? fGame()->fGetCurrentPlayer() : nullptr;
}

// A widget's centre on the screen, of an open window.
inline ZS_POINT fWidgetPixel(const std::string& window, int id)
{
    ZOR_GF::G_WINDOW* w = game::fGetWindowManager()->fFindWindow(window);
    ZOR::ZC_GUI_OBJECT* widget = w && w->fGetGui() ? w->fGetGui()->fFindById(id) : nullptr;
    if (!widget)
        return ZS_POINT(-1, -1);
    const ZOR::ZS_TRANSFORM3 world = widget->fGetTransform()->fCompose();
    return ZS_POINT(int(world.position.x), int(world.position.y));
}

// Input the player gives, where a function finds the spot when the step runs.
typedef std::function<ZS_POINT()> ZF_WHERE;

inline ZF_WHERE fAt(ZS_POINT p)
{
    return [p]() { return p; };
}
inline ZF_WHERE fAtCell(int row, int column)
{
    return [=]() { return fCellPixel(row, column); };
}

inline void fClick(ZT_SCRIPT& s, ZF_WHERE where, int button = SDL_BUTTON_LEFT)
{
    auto at = std::make_shared<ZS_POINT>();
    s.fDo("move", [=]() {
        *at = where();
        ZT_SCRIPT::fPushMove(at->x - 1, at->y);
    });
    s.fDo("move on", [at]() { ZT_SCRIPT::fPushMove(at->x, at->y); });
    s.fDo("press", [at, button]() { ZT_SCRIPT::fPushButton(at->x, at->y, button, true); });
    s.fDo("release", [at, button]() { ZT_SCRIPT::fPushButton(at->x, at->y, button, false); });
    s.fWait(2);
}

// Press, moves in steps, release.
inline void fDrag(ZT_SCRIPT& s, ZF_WHERE from, ZF_WHERE to, int button = SDL_BUTTON_LEFT)
{
    auto a = std::make_shared<ZS_POINT>();
    auto b = std::make_shared<ZS_POINT>();
    s.fDo("move", [=]() {
        *a = from();
        *b = to();
        ZT_SCRIPT::fPushMove(a->x - 1, a->y);
    });
    s.fDo("move on", [a]() { ZT_SCRIPT::fPushMove(a->x, a->y); });
    s.fDo("press", [a, button]() { ZT_SCRIPT::fPushButton(a->x, a->y, button, true); });
    for (int i = 1; i <= 4; ++i)
        s.fDo("drag", [=]() { ZT_SCRIPT::fPushMove(a->x + (b->x - a->x) * i / 4, a->y + (b->y - a->y) * i / 4); });
    s.fDo("release", [b, button]() { ZT_SCRIPT::fPushButton(b->x, b->y, button, false); });
    s.fWait(2);
}

inline void fDragCells(ZT_SCRIPT& s, int r0, int c0, int r1, int c1, int button = SDL_BUTTON_LEFT)
{
    fDrag(s, fAtCell(r0, c0), fAtCell(r1, c1), button);
}

// A new player "Ada" on the level screen of pack 0's level, with the title gone.
inline void fStartAsNewPlayer(ZT_SCRIPT& s, int level)
{
    s.fDo("a new player starts a level", [level]() {
        game::GG_PLAYER* player = fGame()->fCreatePlayer(L"Ada");
        ASSERT_NE(nullptr, player);
        fGame()->fSetPlayer(player);
        fGame()->fHideTitleScene();
        ASSERT_TRUE(fGame()->fStartLevel(level, 0));
    });
    s.fUntil("the title gone", []() {
        return !game::fGetWindowManager()->fIsWindowOpen("Title") &&
               !game::fGetWindowManager()->fIsWindowOpen("Fade_Transition");
    });
    s.fWait(6);
}

// players.save as a fresh list reads it: whether that player has passed the tutorial
// (-1: no such player or no file).
inline int fSavedPassedTutorial(const std::wstring& name)
{
    game::gPlayers fresh;
    if (!fresh.fLoad(game::fGetSaveFolder()))
        return -1;
    game::GG_PLAYER* player = fresh.fFindPlayer(name);
    return player ? (player->fGetPassedTutorial() ? 1 : 0) : -1;
}

// Whether the cells and each control are blocked now: cells (all of them), hint, tool, store,
// reset, as "c h t s r" letters for the blocked ones.
inline std::string fBlocked()
{
    game::GG_GAMEPLAY* screen = fScreen();
    if (!screen)
        return "?";
    std::string text;
    bool all = true, any = false;
    for (game::GG_ELEMENT* cell : screen->fGetProcess().fGetCells())
    {
        all = all && cell->blocked;
        any = any || cell->blocked;
    }
    text += all ? "c" : any ? "(c)" : "";
    game::GG_CONTROL_PANEL* c = screen->fGetControlPanel();
    text += c->fGetHintButton().fIsBlocked() ? "h" : "";
    text += c->fGetToggle().fIsBlocked() ? "t" : "";
    text += c->fGetStoreButton().fIsBlocked() ? "s" : "";
    text += c->fGetResetSelection().fIsBlocked() ? "r" : "";
    return text;
}
}

#include "game/puzzle/GG_TUTORIAL_STEP.h"

#include <cstdlib>
#include <cstring>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "framework/G_GAMEPLAY.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"
#include "game/shell/gWindowFactory.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kKindNames[] = {"CELL",      "TOOL",        "HINT",        "MAKERROR",           "ENDLESS",
                                  "CELL_EMPTY", "CLICK_BONUS", "CLICK_STORE", "USE_RESET_SELECTION"};
const int kKindValues[] = {STEP_CELL,       STEP_TOOL,        STEP_HINT,        STEP_MAKERROR,           STEP_ENDLESS,
                           STEP_CELL_EMPTY, STEP_CLICK_BONUS, STEP_CLICK_STORE, STEP_USE_RESET_SELECTION};
const char* const kBlockNames[5] = {"blockelements", "blockhint", "blocktool", "blockstore", "blockreset"};

// Reads "row column"; with fewer than two numbers the cell is (0, 0).
ZS_POINT fReadCell(const char* text)
{
    char* end = nullptr;
    const long row = std::strtol(text, &end, 10);
    if (end == text)
        return ZS_POINT(0, 0);
    const char* rest = end;
    const long column = std::strtol(rest, &end, 10);
    if (end == rest)
        return ZS_POINT(0, 0);
    return ZS_POINT(int(row), int(column));
}

GG_GAMEPLAY* fLevelScreen()
{
    gGame* game = fGetGameInstance();
    return game ? game->fGetLevelScreen() : nullptr;
}

// The block flag of the control a kind waits for; -1 for kinds that wait for no control.
int fAwaitedControl(int kind)
{
    switch (kind)
    {
    case STEP_HINT:
        return 1;
    case STEP_TOOL:
        return 2;
    case STEP_CLICK_STORE:
        return 3;
    case STEP_USE_RESET_SELECTION:
        return 4;
    default:
        return -1;
    }
}
}

int fParseTutorialStepKind(const char* name)
{
    for (size_t i = 0; name && i < sizeof kKindValues / sizeof kKindValues[0]; ++i)
        if (std::strcmp(name, kKindNames[i]) == 0)
            return kKindValues[i];
    return STEP_CELL;
}

bool fIsTutorialStepKind(const char* name)
{
    if (!name || !*name)
        return true;
    for (const char* known : kKindNames)
        if (std::strcmp(name, known) == 0)
            return true;
    return false;
}

namespace
{
void fDoublePercents(ZC_GUI_OBJECT* widget)
{
    if (!widget)
        return;
    if (widget->fGetType() == GUI_TYPE_WLABEL)
    {
        ZC_GUI_WLABEL* label = static_cast<ZC_GUI_WLABEL*>(widget);
        const std::wstring text = label->fGetText();
        std::wstring shown;
        shown.reserve(text.size() + 8);
        for (wchar_t ch : text)
        {
            shown += ch;
            if (ch == L'%')
                shown += L'%';
        }
        label->fSetText(shown);
    }
    for (ZC_GUI_OBJECT* child : widget->fGetChildren())
        fDoublePercents(child);
}
}

void fLocalizeTutorialPanel(ZC_GUI_OBJECT* widget)
{
    // The windows' own localising first; only the doubling is the tutorial's.
    fLocalizeWidgetTree(widget);
    fDoublePercents(widget);
}

GG_TUTORIAL_STEP::GG_TUTORIAL_STEP(pugi::xml_node element, int32_t level) : levelId(level)
{
    kind = fParseTutorialStepKind(element.attribute("type").value());
    for (int i = 0; i < 5; ++i)
        block[i] = element.attribute(kBlockNames[i]).as_bool(true);
    for (pugi::xml_node cell : element.child("cells").children())
        if (cell.type() == pugi::node_element)
            cells.push_back(fReadCell(cell.child_value()));
    if (pugi::xml_node sprite = element.child("sprite_cells"))
        cellHighlight.fLoadXml(sprite);
    if (pugi::xml_node sprite = element.child("sprite_arrow"))
        arrow.fLoadXml(sprite);
    else
        arrow.fSetPosition(-100.0f, -100.0f, 0.0f);
    if (pugi::xml_node gui = element.child("GUI"))
    {
        panel.reset(new ZC_GUI);
        fLoadGuiFromXml(panel.get(), gui);
        fLocalizeTutorialPanel(panel->fGetRoot());
    }
    found.reserve(cells.size());
}

GG_TUTORIAL_STEP::~GG_TUTORIAL_STEP()
{
    fUnloadResources();
}

void GG_TUTORIAL_STEP::fCollectCells(std::vector<GG_ELEMENT*>& into, bool log) const
{
    into.clear();
    GG_GAMEPLAY* screen = fLevelScreen();
    if (!screen)
        return;
    for (const ZS_POINT& p : cells)
    {
        if (GG_ELEMENT* cell = screen->fGetProcess().fGetCell(p.x, p.y))
            into.push_back(cell);
        else if (log)
            fLogLine("A tutorial step of level " + std::to_string(levelId) + " names the cell (" + std::to_string(p.x) +
                     ", " + std::to_string(p.y) + "), which is outside the grid: the step goes on without it.");
    }
}

void GG_TUTORIAL_STEP::fActivate()
{
    bool flags[5] = {block[0], block[1], block[2], block[3], block[4]};
    // A step never blocks the control it waits for: it could not be completed.
    const int awaited = fAwaitedControl(kind);
    if (awaited >= 0 && flags[awaited])
    {
        fLogLine("A tutorial step of level " + std::to_string(levelId) +
                 " blocks the control it waits for: that control is left free.");
        flags[awaited] = false;
    }
    gGame* game = fGetGameInstance();
    if (game)
        game->fSetControlsBlocked(flags[0], flags[1], flags[2], flags[3], flags[4]);
    if (kind == STEP_CELL || kind == STEP_CELL_EMPTY || kind == STEP_HINT)
    {
        highlights.clear();
        fCollectCells(found, true);
        for (GG_ELEMENT* cell : found)
        {
            highlights.push_back(cell->fGetPosition());
            cell->blocked = false;
        }
        cellHighlight.fStart();
    }
    arrow.fStart();
    if (kind == STEP_CLICK_BONUS)
    {
        kind = STEP_CELL;
        GG_GAMEPLAY* screen = fLevelScreen();
        const ZS_POINT bonus = screen ? screen->fGetProcess().fMakeFirstOpenCellBonus() : ZS_POINT(-1, -1);
        if (bonus.x >= 0)
        {
            cells.assign(1, bonus);
            fActivate();
        }
    }
}

bool GG_TUTORIAL_STEP::fAreCellsSolved() const
{
    if (!fLevelScreen())
        return false;
    fCollectCells(found, false);
    for (const GG_ELEMENT* cell : found)
        if (!cell->fIsSolved())
            return false;
    return true;
}

bool GG_TUTORIAL_STEP::fCanControlAnswer() const
{
    GG_GAMEPLAY* screen = fLevelScreen();
    GG_CONTROL_PANEL* controls = screen ? screen->fGetControlPanel() : nullptr;
    if (!controls)
        return false;
    switch (kind)
    {
    case STEP_HINT:
        return controls->fGetHintButton().fIsLoaded() && controls->fGetHintButton().fGetCount() > 0;
    case STEP_TOOL:
        return controls->fGetToggle().fGetWidget() != nullptr;
    case STEP_CLICK_STORE:
        return controls->fGetStoreButton().fIsLoaded() && !controls->fGetStoreButton().fIsHidden();
    case STEP_USE_RESET_SELECTION:
        return controls->fGetResetSelection().fIsLoaded();
    default:
        return true;
    }
}

int GG_TUTORIAL_STEP::fCheckDone(int)
{
    // A release on the skip button asks, and only asks: the step the player was reading stays
    // for a "no".
    if (fCheckSkipButton())
        return 0;
    // A step waiting for a control the level cannot offer now (no hints left, the store
    // button hidden, a control file missing) ends at the release instead of holding for good.
    if (fAwaitedControl(kind) >= 0 && !fCanControlAnswer())
    {
        fLogLine("A tutorial step of level " + std::to_string(levelId) +
                 " waits for a control that cannot be used now: it ends at this release.");
        return -113;
    }
    switch (kind)
    {
    case STEP_CELL:
    case STEP_CELL_EMPTY:
        return fAreCellsSolved() ? -113 : 0;
    case STEP_HINT:
        // The press on a listed cell blocked it; the release gives it back to the hint.
        fCollectCells(found, false);
        for (GG_ELEMENT* cell : found)
            cell->blocked = false;
        return 0;
    case STEP_MAKERROR:
    case STEP_ENDLESS:
        return -113;
    default:
        return 0;
    }
}

bool GG_TUTORIAL_STEP::fCheckSkipButton()
{
    if (!panel)
        return false;
    const ZS_GUI_EVENT* event = panel->fOnKeyUp();
    if (!event || event->id != SKIP_BUTTON)
        return false;
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    G_WINDOW* window = windows ? windows->fShowWindow("Confirm_Skip_Tutorial", false) : nullptr;
    G_WINDOW_CONFIRM* question = dynamic_cast<G_WINDOW_CONFIRM*>(window);
    if (!question)
    {
        fLogLine(window ? "The window \"Confirm_Skip_Tutorial\" is not a question: the tutorial goes on."
                        : "There is no window \"Confirm_Skip_Tutorial\": the tutorial goes on.");
        return false;
    }
    question->fSetAnswerCallback(this, fCallTutorialOnSkipAnswer);
    if (gGame* game = fGetGameInstance())
        game->fPauseGameplay();
    return true;
}

void GG_TUTORIAL_STEP::fOnKeyDown(int button)
{
    if (panel)
        panel->fOnKeyDown();
    if (kind != STEP_HINT)
        return;
    // The tutorial hears a press before the level screen: a listed cell under it is blocked
    // now, so no selection starts there and only the hint can open it.
    fCollectCells(found, false);
    for (GG_ELEMENT* cell : found)
        if (cell->fHitTest(button) == -109)
            cell->blocked = true;
}

void GG_TUTORIAL_STEP::fOnMouseMove()
{
    if (panel)
        panel->fOnMouseMove();
}

void GG_TUTORIAL_STEP::fUpdate()
{
    arrow.fUpdate();
    cellHighlight.fUpdate();
    if (panel)
        panel->fUpdate();
}

void GG_TUTORIAL_STEP::fDraw()
{
    if ((kind == STEP_CELL || kind == STEP_CELL_EMPTY) && cellHighlight.fIsLoaded())
        for (const ZS_VECTOR2& at : highlights)
            cellHighlight.fDrawAt(at.x, at.y, 0.0f, 1.0f, 1.0f);
    if (arrow.fIsLoaded())
        arrow.fDraw();
    if (panel)
        panel->fDraw();
}

void GG_TUTORIAL_STEP::fLoadResources()
{
    if (loaded)
        return;
    if (!arrow.fGetFile().empty())
        arrow.fLoadTexture();
    if (!cellHighlight.fGetFile().empty())
        cellHighlight.fLoadTexture();
    if (panel)
        panel->fRestoreResources();
    loaded = true;
}

void GG_TUTORIAL_STEP::fUnloadResources()
{
    if (!loaded)
        return;
    if (arrow.fIsLoaded())
        arrow.fUnloadTexture();
    if (cellHighlight.fIsLoaded())
        cellHighlight.fUnloadTexture();
    if (panel)
        panel->fReleaseResources();
    loaded = false;
}

void fCallTutorialOnSkipAnswer(void*, bool yes)
{
    if (gGame* game = fGetGameInstance())
        game->fGetTutorial().fOnSkipAnswer(yes);
}
}

#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "framework/G_ANIMATION.h"

namespace ZOR
{
class ZC_GUI;
class ZC_GUI_OBJECT;
}

namespace game
{
class GG_ELEMENT;

// What a tutorial step waits for (the "type" attribute).
enum
{
    STEP_CELL = 0,                // its cells solved, tested after every release
    STEP_CELL_EMPTY = 1,          // as CELL
    STEP_TOOL = 2,                // the fill/cross switch pressed
    STEP_HINT = 3,                // the hint button pressed; its cells are left to the hint
    STEP_MAKERROR = 4,            // the next release
    STEP_ENDLESS = 5,             // the next release
    STEP_CLICK_BONUS = 6,         // a CELL step on the first open picture cell, made a bonus cell
    STEP_CLICK_STORE = 7,         // the store button pressed
    STEP_USE_RESET_SELECTION = 8, // a drag dropped on the reset area
};

// The kind's value; 0 (CELL) for any other text.
int fParseTutorialStepKind(const char* name);
// Whether the text names a kind (an absent or empty "type" counts as CELL, and is known).
bool fIsTutorialStepKind(const char* name);

// Localised wide label texts for a panel: the strings' text of the key each label holds,
// with every '%' doubled, because labels draw through a formatter that reads "%%" as one '%':
// the player sees the text exactly as written and nothing in it is ever taken as a format.
void fLocalizeTutorialPanel(ZOR::ZC_GUI_OBJECT* widget);

// One step of the scripted tutorial: which controls and cells it leaves usable, the cells it
// highlights, its arrow and panel, and what completes it. Owned by the tutorial.
class GG_TUTORIAL_STEP
{
public:
    static const int32_t SKIP_BUTTON = 200;

    GG_TUTORIAL_STEP(pugi::xml_node element, int32_t levelId);
    ~GG_TUTORIAL_STEP();
    GG_TUTORIAL_STEP(const GG_TUTORIAL_STEP&) = delete;
    GG_TUTORIAL_STEP& operator=(const GG_TUTORIAL_STEP&) = delete;

    // Applies the blocking, frees and highlights the cells, starts the arrow.
    void fActivate();
    // After a release the level screen has handled: the skip question first, then -113 when
    // the step is done, else 0.
    int fCheckDone(int button);
    // Opens the skip question when the release was on the skip button; true when it asked.
    bool fCheckSkipButton();
    // Every listed cell that is in the grid is solved (cells outside it are left out, see
    // fActivate); false without a level screen.
    bool fAreCellsSolved() const;
    // Whether the control the step waits for is there and can be used now (true for kinds
    // that wait for none).
    bool fCanControlAnswer() const;
    void fOnKeyDown(int button);
    void fOnMouseMove();
    void fUpdate();
    void fDraw();
    void fLoadResources();
    void fUnloadResources();

    int32_t fGetLevelId() const { return levelId; }
    int fGetKind() const { return kind; }
    const std::vector<ZOR::ZS_POINT>& fGetCells() const { return cells; }
    const std::vector<ZOR::ZS_VECTOR2>& fGetHighlights() const { return highlights; }
    ZOR::ZC_GUI* fGetPanel() const { return panel.get(); }
    ZOR_GF::G_ANIMATION& fGetArrow() { return arrow; }
    ZOR_GF::G_ANIMATION& fGetCellHighlight() { return cellHighlight; }
    // cells, hint, tool, store, reset
    const bool* fGetBlockFlags() const { return block; }

private:
    // The listed cells the running level has, each (row, column) outside its grid logged once
    // per activation; none without a level screen.
    void fCollectCells(std::vector<GG_ELEMENT*>& found, bool log) const;

    int32_t levelId;
    int kind = STEP_CELL;
    std::vector<ZOR::ZS_POINT> cells; // x row, y column
    std::vector<ZOR::ZS_VECTOR2> highlights;
    ZOR_GF::G_ANIMATION cellHighlight;
    ZOR_GF::G_ANIMATION arrow;
    std::unique_ptr<ZOR::ZC_GUI> panel;
    bool block[5] = {true, true, true, true, true};
    bool loaded = false;
    // Reused by the cell walks so that a step allocates nothing per event.
    mutable std::vector<GG_ELEMENT*> found;
};

// The answer of "Confirm_Skip_Tutorial", with the step that asked as its data.
void fCallTutorialOnSkipAnswer(void* step, bool yes);
}

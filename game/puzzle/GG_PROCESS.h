#pragma once
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_POINT.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "framework/G_ANIMATION.h"
#include "game/puzzle/GG_NUMBERCROSS.h"
#include "game/puzzle/GG_NUMBER_STRIP.h"

namespace game
{
class GG_ELEMENT;
class GG_GAMEPLAY;
struct GG_LEVEL_SETTINGS;

// The resource holding both number strips' descriptions.
extern const char* const PROCESS_NUMBERS_FILE; // "data/share/main/GameProcess numbers.xml"

// One of the level screen's files named "data/share/main/GameProcess <what>.xml": the entry of
// that whole name (a package member), else, for a data set of folders whose group holds its
// files by their own names, the entry "GameProcess <what>.xml" of any group. Null when neither
// is there; the caller hands the document back with ZC_REPOSITORY::fReleaseXml.
pugi::xml_document* fGetGameProcessXml(const char* name);

// The puzzle being played inside the level screen: the grid of cells built from the level
// file's cell list, the hidden bonus cells, the clues and their two number strips. It turns a
// press and the cell under the pointer into a straight line, judges a released line cell by
// cell with growing reveal delays while telling the level screen of every right and wrong
// cell, crosses the clues the player has evidently satisfied, picks hint cells and sweeps the
// finished picture. The level screen owns one for the whole run and reuses it for every level.
class GG_PROCESS
{
public:
    explicit GG_PROCESS(GG_GAMEPLAY* owner);
    virtual ~GG_PROCESS();
    GG_PROCESS(const GG_PROCESS&) = delete;
    GG_PROCESS& operator=(const GG_PROCESS&) = delete;

    // Strips, grid, bonuses, clues. False stops the level start: the numbers file or one of
    // its elements or attributes is missing, the cell list is missing, the grid has no room
    // (a size of 0 or below, negative blocks), the cell list does not hold exactly
    // columns x rows cells, or no cell belongs to the picture.
    bool fStart(pugi::xml_node cellList, const GG_LEVEL_SETTINGS* settings);
    // Why the last start failed, for the level screen to report; empty after a success.
    const std::string& fGetStartError() const { return startError; }
    // The level's win animation into every picture cell.
    void fSetOpenAnimation(const ZOR_GF::G_ANIMATION& animation);
    // Deletes the cells, the clues and the sweep's moves; the settings stay.
    void fClear();
    void fLoadResources();
    void fUnloadResources();
    // The strips, the sweep, then every cell. 0.
    int fUpdate();
    void fDraw();

    // None before a start, outside the grid, or past the cells there are.
    GG_ELEMENT* fGetCell(int row, int column) const;
    // The straight line from the start toward the current cell: along the start column when
    // it runs more rows than columns, else along the start row; cells only, start first.
    void fGetLine(int startRow, int startColumn, int row, int column, std::vector<GG_ELEMENT*>& line) const;
    std::vector<GG_ELEMENT*> fGetLine(int startRow, int startColumn, int row, int column) const;
    // Judges every unsolved cell of the line with the fill or the cross tool, each a reveal
    // step later than the one before; tells the level screen of each and asks it to test for
    // a win once at the end. True.
    bool fApplyLine(int startRow, int startColumn, int row, int column, bool fill);
    // A random picture cell neither solved nor blocked; none when there is none.
    GG_ELEMENT* fPickHintCell();
    // Opened picture cells over picture cells; 0 without picture cells.
    float fGetProgress() const;
    // Sweeps a segment across the grid at the speed (pixels per second), starting each
    // picture cell's open animation as it passes; the record fires at the end. The answer
    // is the sweep's duration in seconds. A speed that is not above 0 sweeps in one second.
    float fStartWinSweep(float speed, const ZOR::ZS_CALLBACK* onEnd);
    void fSetCellsBlocked(bool blocked);
    // The first unsolved picture cell becomes a bonus cell: (row, column), or (-1, -1).
    ZOR::ZS_POINT fMakeFirstOpenCellBonus();

    bool fLoadNumbers();
    bool fBuildGrid(pugi::xml_node cellList);
    void fPlaceBonuses();
    bool fIsOnSweepLine(const GG_ELEMENT& cell) const;
    void fDrawCells();

    const std::vector<GG_ELEMENT*>& fGetCells() const { return cells; }
    const std::vector<GG_ELEMENT*>& fGetPictureCells() const { return pictureCells; }
    const std::vector<GG_ELEMENT*>& fGetOpenedPictureCells() const { return openedPictureCells; }
    GG_NUMBERCROSS& fGetClues() { return clues; }
    GG_NUMBER_STRIP& fGetRowStrip() { return rowStrip; }
    GG_NUMBER_STRIP& fGetColumnStrip() { return columnStrip; }
    bool fIsSweepRunning() const { return sweepRunning; }

    // The delay added for each further judged cell of a line (the effects file's "anim_delay").
    float revealStep = 0.0f;

private:
    bool sweepRunning = false;
    GG_GAMEPLAY* owner;
    std::vector<GG_ELEMENT*> cells;              // owned, row by row
    std::vector<GG_ELEMENT*> pictureCells;       // kind 100, grid order
    std::vector<GG_ELEMENT*> openedPictureCells; // in the order they were judged
    GG_NUMBERCROSS clues;
    GG_NUMBER_STRIP rowStrip{GG_NUMBER_STRIP::ROWS};
    GG_NUMBER_STRIP columnStrip{GG_NUMBER_STRIP::COLUMNS};
    const GG_LEVEL_SETTINGS* settings = nullptr;
    ZOR::ZS_TRANSFORM3 sweepA;
    ZOR::ZS_TRANSFORM3 sweepB;
    ZOR::ZC_BOT_CONTAINER sweepBots;

    // Reused so that judging a line and picking a hint allocate nothing.
    std::vector<GG_ELEMENT*> line;
    std::vector<GG_ELEMENT*> candidates;
    // Counts clears: a hook that ended the level and cleared the grid stops the line there.
    unsigned clears = 0;
    std::string startError;
};
}

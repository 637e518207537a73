#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace game
{
// A level's solution: columns × rows cells, row by row, 1 for a picture cell and 0 for any
// other. Read from the text pictures the levels are drawn in, or from a level file.
class GG_PICTURE
{
public:
    // Text picture: '#' a picture cell, '.' an empty one, one row per line; lines starting
    // with ';' are comments (the first may hold the title) and blank lines are skipped.
    // Rows of unequal length, other characters or no rows at all are refused.
    bool fReadText(const std::string& text, std::string* error);
    // Level file: "settings" "grid" gives columns and rows, "gElements" one "type" per cell
    // (100 picture, 101 empty, 103 fixed: only 100 counts). A cell count other than
    // columns × rows, a size of 0 or an unknown type is refused.
    bool fReadLevelXml(const std::string& xml, std::string* error);
    // Either form, told apart by the first character that is not blank ('<' is XML).
    bool fReadFile(const std::string& path, std::string* error);

    int fGetColumns() const { return columns; }
    int fGetRows() const { return rows; }
    const std::string& fGetTitle() const { return title; }
    const std::vector<uint8_t>& fGetCells() const { return cells; }
    bool fIsFilled(int row, int column) const { return cells[size_t(column + row * columns)] != 0; }
    int fCountFilled() const;

    // The clue of one line: the lengths of its runs of picture cells, in order; empty for a
    // line without picture cells (the game shows it as a single 0).
    std::vector<int> fRowClue(int row) const;
    std::vector<int> fColumnClue(int column) const;

private:
    int columns = 0;
    int rows = 0;
    std::vector<uint8_t> cells;
    std::string title;
};
}

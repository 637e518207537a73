#pragma once
// Puzzle fixtures: grids written as rows of characters, a level-screen stand-in that records
// what the solving process tells it, the sounds played, and a data root holding the numbers
// file (inside a zip package under its full resource name), a digit font and small pictures,
// all generated here.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>
#include <stb_image_write.h>

#include "engine/core/ZC_RANDOM.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "game/ZT_QUIET_LEVEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

namespace ZT_PUZZLE
{
using namespace ZOR;
using namespace game;

// 'X' picture cell, '.' empty cell, '#' fixed cell, '?' a kind no level should hold.
inline int fKind(char c)
{
    switch (c)
    {
    case 'X': return CELL_PICTURE;
    case '#': return CELL_FIXED;
    case '?': return 107;
    }
    return CELL_EMPTY;
}

// The level file's cell list, one child per character, row by row.
inline std::string fCellList(const std::vector<std::string>& rows)
{
    std::string xml = "<gElements>";
    for (const std::string& row : rows)
        for (char c : row)
            xml += "<e type=\"" + std::to_string(fKind(c)) + "\"/>";
    return xml + "</gElements>";
}

// Cells made straight from the rows, as the process makes them.
struct ZT_GRID
{
    std::vector<GG_ELEMENT*> cells;
    ZS_POINT size;

    explicit ZT_GRID(const std::vector<std::string>& rows)
    {
        size = ZS_POINT(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
        for (int r = 0; r < size.y; ++r)
            for (int c = 0; c < size.x; ++c)
                cells.push_back(new GG_ELEMENT(fKind(rows[size_t(r)][size_t(c)]), r, c));
    }
    ~ZT_GRID()
    {
        for (GG_ELEMENT* cell : cells)
            delete cell;
    }
    GG_ELEMENT* fAt(int row, int column) const { return cells[size_t(column + row * size.x)]; }
};

// The level screen as far as the process sees it: every hook in order ("right r c",
// "wrong r c", "win"), the errors counted, and the level decided once when the errors reach
// the limit, as the level screen does.
class ZT_LEVEL_SCREEN : public ZT_QUIET::ZT_QUIET_LEVEL<GG_GAMEPLAY>
{
public:
    std::vector<std::string> calls;
    int errors = 0;
    int errorLimit = 1000;
    std::string outcome; // "" undecided, "lost" or "won": the first decision stands
    GG_PROCESS* process = nullptr;
    // Runs in each right-cell hook, after the record.
    std::function<void(GG_ELEMENT*)> onRight;

    void fOnCorrectCell(GG_ELEMENT* cell) override
    {
        calls.push_back("right " + fPlace(cell));
        if (onRight)
            onRight(cell);
    }
    void fOnMistake(GG_ELEMENT* cell) override
    {
        calls.push_back("wrong " + fPlace(cell));
        if (++errors >= errorLimit && outcome.empty())
            outcome = "lost";
    }
    void fCheckWin() override
    {
        calls.push_back("win?");
        if (process && process->fGetProgress() >= 1.0f && outcome.empty())
            outcome = "won";
    }

    static std::string fPlace(const GG_ELEMENT* cell)
    {
        return std::to_string(cell->row) + " " + std::to_string(cell->column);
    }

    void fOnStoreEvent(const std::string&, const std::string&) override {}
};

// Every sound played through the shell while it lives, in order.
struct ZT_SOUNDS
{
    ZT_SOUNDS()
    {
        fPlayed().clear();
        fGetPuzzleShell().playSound = [](const char* name) { fPlayed().push_back(name); };
    }
    ~ZT_SOUNDS() { fGetPuzzleShell().playSound = nullptr; }
    static std::vector<std::string>& fPlayed()
    {
        static std::vector<std::string> played;
        return played;
    }
};

// A grid's layout: cells of the size, blocks, shift and centre, with the derived values.
inline GG_LEVEL_SETTINGS* fLayout(GG_LEVEL_SETTINGS* s, ZS_POINT grid, ZS_VECTOR2 cellSize, ZS_POINT block,
                                  ZS_POINT shift, ZS_VECTOR2 position, unsigned bonuses = 0)
{
    s->gridSize = grid;
    s->cellSize = cellSize;
    s->blockSize = block;
    s->blockShift = shift;
    s->position = position;
    s->bonuses = bonuses;
    s->fUpdateDerived();
    return s;
}

// PNG bytes of a picture; pixel(x, y) gives 0xAARRGGBB.
inline std::string fPng(int width, int height, const std::function<uint32_t(int, int)>& pixel)
{
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const uint32_t c = pixel(x, y);
            uint8_t* p = &rgba[size_t(y * width + x) * 4];
            p[0] = uint8_t(c >> 16);
            p[1] = uint8_t(c >> 8);
            p[2] = uint8_t(c);
            p[3] = uint8_t(c >> 24);
        }
    std::string png;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
        },
        &png, width, height, 4, rgba.data(), width * 4);
    return png;
}

inline std::string fSolidPng(int width, int height, uint32_t color)
{
    return fPng(width, height, [color](int, int) { return color; });
}

// The digit font: each digit d a solid white box 3 + d wide and 8 high, 2 pixels apart in
// the picture, advancing its width plus 2; so a lit box's width tells its digit.
const int kDigitHeight = 8;
inline int fDigitWidth(int d) { return 3 + d; }

inline std::string fDigitFontPng()
{
    return fPng(128, 8, [](int x, int) {
        int left = 0;
        for (int d = 0; d < 10; ++d)
        {
            if (x >= left && x < left + fDigitWidth(d))
                return 0xFFFFFFFFu;
            left += fDigitWidth(d) + 2;
        }
        return 0x00000000u;
    });
}

inline std::string fDigitFontDescriptor()
{
    std::string chars;
    int left = 0;
    for (int d = 0; d < 10; ++d)
    {
        chars += "<char id=\"" + std::to_string('0' + d) + "\" x=\"" + std::to_string(left) + "\" y=\"0\" width=\"" +
                 std::to_string(fDigitWidth(d)) + "\" height=\"8\" xoffset=\"0\" yoffset=\"0\" xadvance=\"" +
                 std::to_string(fDigitWidth(d) + 2) + "\" page=\"0\" chnl=\"15\"/>";
        left += fDigitWidth(d) + 2;
    }
    return "<?xml version=\"1.0\"?><font><info face=\"Digits\" size=\"8\"/>"
           "<common lineHeight=\"8\" base=\"8\" scaleW=\"128\" scaleH=\"8\" pages=\"1\"/>"
           "<pages><page id=\"0\" file=\"digits.png\"/></pages><chars count=\"10\">" +
           chars + "</chars></font>";
}

// One strip element of the numbers file: yellow numbers turning green, a two-frame cross
// animation of 6 x 6 magenta-then-red frames centred on the number.
inline std::string fStripElement(const char* name, const char* shiftFirst, const char* extra = "")
{
    return std::string("<") + name + " font=\"digits\" font_color=\"0xFFFFCC00\" font_cross=\"0xFF00FF00\" "
           "interval=\"12\" shift_first=\"" + shiftFirst + "\" " + extra +
           "><FILE>cross.png</FILE><HOT_SPOT>HS_MID</HOT_SPOT>"
           "<ANIMATION grid=\"2 1\" frames=\"2\" fps=\"8\" loop=\"0\"/></" + name + ">";
}

inline std::string fNumbersXml()
{
    return "<numbers>" + fStripElement("numbersLeft", "10 0") + fStripElement("numbersUp", "0 10") + "</numbers>";
}

// A data root for the puzzle: the numbers file in "puzzle.zip" under its full resource name,
// and loose pictures ("yes.png" blue, "no.png" red, "locked.png" grey, "cross.png" the
// animation sheet, "open.png" white, "coin.png" gold, "spark.png" white) and the digit font
// ("fonts.xml"). The repository becomes zcREPOSITORY.
class ZT_DATA_ROOT
{
public:
    explicit ZT_DATA_ROOT(const std::string& numbersXml = fNumbersXml())
    {
        root = fGetFileSystem()->fGetDataRoot();
        fWrite("yes.png", fSolidPng(20, 20, 0xFF0000FFu));
        fWrite("no.png", fSolidPng(20, 20, 0xFFFF0000u));
        fWrite("locked.png", fSolidPng(20, 20, 0xFF808080u));
        fWrite("open.png", fSolidPng(20, 20, 0xFFFFFFFFu));
        fWrite("cross.png", fPng(12, 6, [](int x, int) { return x < 6 ? 0xFFFF00FFu : 0xFFFF0000u; }));
        fWrite("coin.png", fSolidPng(16, 16, 0xFFFFC000u));
        fWrite("spark.png", fSolidPng(8, 8, 0xFFFFFFFFu));
        fWrite("digits.png", fDigitFontPng());
        fWrite("digits.xml", fDigitFontDescriptor());
        fWrite("fonts.xml", "<fonts><font name=\"digits\" texture=\"digits.png\" xml=\"digits.xml\"/></fonts>");
        fSetNumbers(numbersXml);
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        EXPECT_EQ(1, repository->fRegister("", ""));
        EXPECT_EQ(1, repository->fRegister("puzzle.zip", ""));
    }
    ~ZT_DATA_ROOT()
    {
        repository.reset();
        zcREPOSITORY = nullptr;
    }

    void fWrite(const std::string& name, const std::string& bytes) { ZT_TEST::fPutFile(root + name, bytes); }

    // The package anew; a mounted repository mounts it again.
    void fSetNumbers(const std::string& numbersXml)
    {
        ZT_TEST::fPutFile(root + "zipsrc/data/share/main/GameProcess numbers.xml", numbersXml);
        ASSERT_EQ(0, ZT_TEST::fZip(root + "zipsrc", "-r", "../puzzle.zip", "data"));
        if (repository)
        {
            repository->fUnregister("puzzle.zip");
            repository->fCollect();
            EXPECT_EQ(1, repository->fRegister("puzzle.zip", ""));
        }
    }

    int fUsers(const char* name) const
    {
        const ZS_RESOURCE* entry = repository->fFind(name);
        return entry ? entry->count : -1;
    }

    std::string root;
    std::unique_ptr<ZC_REPOSITORY> repository;
};
}

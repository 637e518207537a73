// level_check: tells whether level pictures have one solution that line logic reaches.
//
//   level_check [-v] [--suggest] [--bench N] FILE...
//   level_check --data RESOURCES [--code SOURCES]
//   level_check --players FOLDER
//
// FILE is a text picture (tools/levels) or a level file (Resources/data/share/levels).
// -v prints the grid line logic reaches ('#' filled, '.' empty, '?' open).
// --suggest lists the single cells whose change would make a stuck picture line-solvable.
// --bench N solves each file N times and prints the time of one solve.
// --data checks a whole resource folder as the game meets it: configuration, every file and
//   name the data holds, strings, windows, sounds, fonts, the template player and every level.
//   --code adds notes on the windows, sounds and text keys the game's code names that the
//   data lacks.
// --players reads FOLDER/players.save as the game reads it at start and lists its players. It
//   reads a copy, so that an unreadable file is not moved aside by the check.
// Exit status: 0 when every file is line-solvable, 1 when one is not, 2 when one is unreadable.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <pugixml.hpp>
#include <unistd.h>

#include "game/puzzle/gPlayers.h"
#include "tools/levelcheck/GG_DATA_CHECK.h"
#include "tools/levelcheck/GG_LEVEL_DATA_CHECK.h"
#include "tools/levelcheck/GG_LINE_SOLVER.h"
#include "tools/levelcheck/GG_PICTURE.h"

using game::GG_LINE_SOLVER;
using game::GG_PICTURE;

namespace
{
const char* const kUsage = "usage: level_check [-v] [--suggest] [--bench N] FILE... | level_check --data RESOURCES "
                           "[--code SOURCES] | level_check --players FOLDER\n";

void fPrintGrid(const GG_LINE_SOLVER& solver)
{
    const std::vector<uint8_t>& cells = solver.fGetCells();
    for (int row = 0; row < solver.fGetRows(); ++row)
    {
        std::string line;
        for (int column = 0; column < solver.fGetColumns(); ++column)
        {
            const uint8_t cell = cells[size_t(column + row * solver.fGetColumns())];
            line += cell == GG_LINE_SOLVER::FILLED ? '#' : cell == GG_LINE_SOLVER::EMPTY ? '.' : '?';
        }
        std::printf("    %s\n", line.c_str());
    }
}

// Flipping one cell changes two lines' clues; try every cell and list those that leave a
// picture line logic solves, or else those that leave the fewest cells open (the designer
// then picks the change that spoils the picture least, and looks again).
void fSuggest(const GG_PICTURE& picture)
{
    const int columns = picture.fGetColumns();
    std::string text;
    for (int row = 0; row < picture.fGetRows(); ++row)
    {
        for (int column = 0; column < columns; ++column)
            text += picture.fIsFilled(row, column) ? '#' : '.';
        text += '\n';
    }
    struct FLIP
    {
        int open, row, column;
    };
    std::vector<FLIP> flips;
    for (int row = 0; row < picture.fGetRows(); ++row)
    {
        for (int column = 0; column < columns; ++column)
        {
            std::string changed = text;
            char& cell = changed[size_t(row) * size_t(columns + 1) + size_t(column)];
            cell = cell == '#' ? '.' : '#';
            GG_PICTURE variant;
            if (!variant.fReadText(changed, nullptr))
                continue;
            GG_LINE_SOLVER solver;
            solver.fSetPicture(variant);
            solver.fSolve();
            flips.push_back({solver.fCountUnknown(), row, column});
        }
    }
    std::stable_sort(flips.begin(), flips.end(), [](const FLIP& a, const FLIP& b) { return a.open < b.open; });
    const bool solving = !flips.empty() && flips.front().open == 0;
    int shown = 0;
    for (const FLIP& flip : flips)
    {
        if (solving ? flip.open > 0 : shown >= 8)
            break;
        const bool fill = !picture.fIsFilled(flip.row, flip.column);
        std::printf("    flip row %d column %d (%s)", flip.row, flip.column, fill ? "fill" : "clear");
        if (flip.open > 0)
            std::printf(": %d cells left open", flip.open);
        std::printf("\n");
        ++shown;
    }
}

// 0 when players.save in the folder reads as the game reads it, 1 when it does not, 2 when
// there is none or no copy of it could be made.
int fCheckPlayers(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    const fs::path file = folder / "players.save";
    std::error_code failure;
    if (!fs::is_regular_file(file, failure))
    {
        std::printf("%s: missing\n", file.string().c_str());
        return 2;
    }
    const fs::path copy = fs::temp_directory_path(failure) / ("level_check-players-" + std::to_string(getpid()));
    fs::remove_all(copy, failure);
    if (!fs::create_directories(copy, failure) || !fs::copy_file(file, copy / "players.save", failure))
    {
        std::printf("%s: no copy could be made in %s: %s\n", file.string().c_str(), copy.string().c_str(),
                    failure.message().c_str());
        fs::remove_all(copy, failure);
        return 2;
    }
    game::gPlayers players;
    const bool read = players.fLoad(copy.string() + "/");
    fs::remove_all(copy, failure);
    if (!read)
    {
        std::printf("%s: unreadable\n", file.string().c_str());
        return 1;
    }
    std::string names;
    for (const std::wstring& name : players.fGetNames())
        names += (names.empty() ? "" : ", ") + pugi::as_utf8(name);
    const game::GG_PLAYER* current = players.fGetCurrentPlayer();
    std::printf("%s: %d players (%s), current %s: reads\n", file.string().c_str(), players.fGetCount(), names.c_str(),
                current ? current->fGetNameUtf8().c_str() : "(none)");
    return 0;
}
}

int main(int argc, char** argv)
{
    bool verbose = false;
    bool suggest = false;
    long bench = 0;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else if (std::strcmp(argv[i], "--suggest") == 0)
            suggest = true;
        else if (std::strcmp(argv[i], "--bench") == 0 && i + 1 < argc)
            bench = std::strtol(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
        {
            // The engine's file system moves into "<working folder>/Resources" (making it when
            // missing) the first time it is used: start beside the folder checked.
            std::error_code failure;
            const std::filesystem::path root = std::filesystem::absolute(argv[++i], failure).lexically_normal();
            const std::filesystem::path folder = root.filename().empty() ? root.parent_path() : root;
            const bool withCode = i + 2 < argc && std::strcmp(argv[i + 1], "--code") == 0;
            const std::string sources = withCode ? std::filesystem::absolute(argv[i + 2], failure).string() : "";
            if (folder.filename() == "Resources")
                std::filesystem::current_path(folder.parent_path(), failure);
            game::GG_DATA_CHECK check(folder.string());
            const bool good = check.fRun();
            if (withCode)
                check.fCheckCodeNames(sources);
            for (const std::string& problem : check.fGetProblems())
                std::printf("%s\n", problem.c_str());
            for (const std::string& note : check.fGetNotes())
                std::printf("note: %s\n", note.c_str());
            std::printf("%d files, %d windows, %d text keys, %d packs, %d levels: %s\n", check.fGetFileCount(),
                        check.fGetWindowCount(), check.fGetKeyCount(), check.fGetPackCount(), check.fGetLevelCount(),
                        good ? "every file reads, every name resolves, every level is line-solvable"
                             : (std::to_string(check.fGetProblems().size()) + " problems").c_str());
            return good ? 0 : 1;
        }
        else if (std::strcmp(argv[i], "--players") == 0 && i + 1 < argc)
            return fCheckPlayers(argv[i + 1]);
        else if (argv[i][0] == '-')
        {
            std::fprintf(stderr, "%s", kUsage);
            return 2;
        }
        else
            files.push_back(argv[i]);
    }
    if (files.empty())
    {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }

    int status = 0;
    for (const std::string& file : files)
    {
        GG_PICTURE picture;
        std::string error;
        if (!picture.fReadFile(file, &error))
        {
            std::printf("%s: unreadable: %s\n", file.c_str(), error.c_str());
            status = 2;
            continue;
        }
        GG_LINE_SOLVER solver;
        solver.fSetPicture(picture);
        GG_LINE_SOLVER::VERDICT verdict = solver.fJudge();
        // A line-logic solution is the solution, but it must also be the picture drawn.
        const bool samePicture = [&] {
            for (size_t i = 0; i < picture.fGetCells().size(); ++i)
                if ((solver.fGetCells()[i] == GG_LINE_SOLVER::FILLED) != (picture.fGetCells()[i] != 0))
                    return false;
            return true;
        }();
        std::printf("%s: %d x %d, %d picture cells: %s", file.c_str(), picture.fGetColumns(), picture.fGetRows(),
                    picture.fCountFilled(), GG_LINE_SOLVER::fDescribe(verdict));
        if (verdict != GG_LINE_SOLVER::LINE_SOLVABLE)
            std::printf(", %d cells left open by line logic", solver.fCountUnknown());
        if (picture.fCountFilled() == 0)
            std::printf(", and no picture cell");
        if (bench > 0)
        {
            const auto start = std::chrono::steady_clock::now();
            for (long i = 0; i < bench; ++i)
                solver.fSolve();
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::printf(" [%.1f us per solve]", seconds * 1e6 / double(bench));
        }
        std::printf("\n");
        if (verdict == GG_LINE_SOLVER::LINE_SOLVABLE && !samePicture)
            std::printf("    the solution differs from the picture drawn\n");
        if (verdict != GG_LINE_SOLVER::LINE_SOLVABLE || !samePicture || picture.fCountFilled() == 0)
        {
            if (status == 0)
                status = 1;
            if (verbose)
                fPrintGrid(solver);
            if (suggest)
                fSuggest(picture);
        }
        else if (verbose)
            fPrintGrid(solver);
    }
    return status;
}

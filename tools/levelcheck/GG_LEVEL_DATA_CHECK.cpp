#include "tools/levelcheck/GG_LEVEL_DATA_CHECK.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <pugixml.hpp>

#include "tools/levelcheck/GG_LINE_SOLVER.h"
#include "tools/levelcheck/GG_PICTURE.h"

namespace game
{
namespace
{
const int SCREEN_WIDTH = 1024;
const int SCREEN_HEIGHT = 768;
const char* const DESCRIPTIONS = "data/share/main/other/packs_description.xml";
const char* const PLAYER = "data/share/main/other/player.xml";
const char* const AMBIENT = "data/share/main/GameProcess ambient.xml";
const char* const NUMBERS = "data/share/main/GameProcess numbers.xml";

bool fReadText(const std::string& path, std::string* text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    *text = content.str();
    return true;
}

// Two numbers of an attribute ("48 48"); false when it is missing or holds fewer.
bool fReadPair(pugi::xml_node element, const char* name, double* first, double* second)
{
    std::istringstream text(element.attribute(name).value());
    return bool(text >> *first >> *second);
}
}

GG_LEVEL_DATA_CHECK::GG_LEVEL_DATA_CHECK(std::string resourceRoot) : root(std::move(resourceRoot)) {}

bool GG_LEVEL_DATA_CHECK::fRun()
{
    problems.clear();
    packPaths.clear();
    levelFiles.clear();
    packCount = 0;
    levelCount = 0;

    pugi::xml_document ambient;
    if (ambient.load_file((root + "/" + AMBIENT).c_str()))
    {
        earLeft = ambient.document_element().child("left_ear").attribute("size").as_int(160);
        earUp = ambient.document_element().child("up_ear").attribute("size").as_int(160);
    }

    pugi::xml_document numbers;
    hasNumbers = false;
    if (numbers.load_file((root + "/" + NUMBERS).c_str()))
    {
        const pugi::xml_node left = numbers.document_element().child("numbersLeft");
        const pugi::xml_node up = numbers.document_element().child("numbersUp");
        double unused = 0;
        rowInterval = left.attribute("interval").as_double();
        columnInterval = up.attribute("interval").as_double();
        hasNumbers = fReadPair(left, "shift_first", &rowOffset, &unused) &&
                     fReadPair(up, "shift_first", &unused, &columnOffset);
    }

    pugi::xml_document descriptions;
    if (!descriptions.load_file((root + "/" + DESCRIPTIONS).c_str()))
    {
        fProblem(std::string(DESCRIPTIONS) + ": missing or not XML");
        return false;
    }
    std::vector<std::string> paths;
    std::vector<int> starsToPass;
    for (pugi::xml_node pack : descriptions.document_element().children())
    {
        if (pack.type() != pugi::node_element)
            continue;
        const std::string where = "packs_description.xml: pack " + std::to_string(paths.size());
        for (const char* name : {"id", "key", "stars2pass", "price", "path"})
            if (!pack.attribute(name))
                fProblem(where + " lacks \"" + name + "\"");
        const int id = pack.attribute("id").as_int(-1);
        if (id != int(paths.size()))
            fProblem(where + " has id " + std::to_string(id) + ": ids must count from 0 in file order");
        if (paths.empty() && pack.attribute("stars2pass").as_int() != 0)
            fProblem(where + " asks for stars: the first pack must be open from the start");
        const std::string path = pack.attribute("path").value();
        if (!std::filesystem::is_directory(root + "/" + path))
            fProblem(where + ": its path \"" + path + "\" is no folder");
        paths.push_back(path);
        starsToPass.push_back(pack.attribute("stars2pass").as_int());
    }
    packCount = int(paths.size());
    packPaths = paths;
    if (paths.empty())
        fProblem("packs_description.xml: no packs");

    pugi::xml_document player;
    if (!player.load_file((root + "/" + PLAYER).c_str()))
    {
        fProblem(std::string(PLAYER) + ": missing or not XML");
        return false;
    }
    const pugi::xml_node templatePlayer = player.document_element();
    int errors = 0;
    for (pugi::xml_node item : templatePlayer.child("playeritems").children())
        if (std::string(item.attribute("name").value()) == "errors")
            errors = item.attribute("count").as_int();
    if (errors < 1)
        fProblem("player.xml: the \"errors\" item must allow at least one mistake");

    int packIndex = 0;
    int levelsBefore = 0;
    for (pugi::xml_node pack : templatePlayer.child("packs").children())
    {
        if (pack.type() != pugi::node_element)
            continue;
        const std::string where = "player.xml: pack " + std::to_string(packIndex);
        const int id = pack.attribute("id").as_int(-1);
        if (id != packIndex)
            fProblem(where + " has id " + std::to_string(id) + ": ids must count from 0");
        if (packIndex >= packCount)
        {
            fProblem(where + " has no pack description");
            ++packIndex;
            continue;
        }
        // Packs open by stars: three a level at best, earned in the packs before.
        if (starsToPass[size_t(packIndex)] > 3 * levelsBefore)
            fProblem("packs_description.xml: pack " + std::to_string(packIndex) + " asks for " +
                     std::to_string(starsToPass[size_t(packIndex)]) + " stars, but the packs before it give at most " +
                     std::to_string(3 * levelsBefore) + ": it could never open");
        const std::string& path = paths[size_t(packIndex)];
        std::set<std::string> named;
        int levelIndex = 0;
        for (pugi::xml_node level : pack.children())
        {
            if (level.type() != pugi::node_element)
                continue;
            const std::string at = where + " level " + std::to_string(levelIndex);
            const int levelId = level.attribute("id").as_int(-1);
            if (levelId != levelIndex)
                fProblem(at + " has id " + std::to_string(levelId) + ": ids must count from 0");
            // A missing lock reads as locked.
            const bool locked = !level.attribute("lock") || level.attribute("lock").as_bool();
            const bool first = packIndex == 0 && levelIndex == 0;
            if (first && locked)
                fProblem(at + " is locked: nothing could be played");
            else if (!first && !locked)
                fProblem(at + " is open from the start");
            const std::string file = level.attribute("file").value();
            if (file.empty())
                fProblem(at + " names no file");
            else
            {
                named.insert(file);
                levelFiles.push_back(path + " " + file);
                fCheckLevel(path + " " + file, root + "/" + path + "/" + file);
            }
            ++levelIndex;
            ++levelCount;
        }
        if (levelIndex == 0)
            fProblem(where + " has no levels");
        levelsBefore += levelIndex;
        std::error_code failure;
        for (const auto& entry : std::filesystem::directory_iterator(root + "/" + path, failure))
        {
            const std::string file = entry.path().filename().string();
            if (entry.path().extension() == ".xml" && !named.count(file))
                fProblem(path + " " + file + ": a level file that player.xml does not name");
        }
        ++packIndex;
    }
    if (packIndex != packCount)
        fProblem("player.xml has " + std::to_string(packIndex) + " packs, packs_description.xml " +
                 std::to_string(packCount));
    return problems.empty();
}

void GG_LEVEL_DATA_CHECK::fCheckLevel(const std::string& name, const std::string& path)
{
    std::string text;
    if (!fReadText(path, &text))
    {
        fProblem(name + ": missing");
        return;
    }
    GG_PICTURE picture;
    std::string error;
    if (!picture.fReadLevelXml(text, &error))
    {
        fProblem(name + ": " + error);
        return;
    }
    if (picture.fCountFilled() == 0)
    {
        fProblem(name + ": no picture cell");
        return;
    }

    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    const pugi::xml_node settings = document.document_element().child("settings");
    double cellWidth = 0, cellHeight = 0, blockColumns = 0, blockRows = 0, shiftX = 0, shiftY = 0, x = 0, y = 0;
    if (!fReadPair(settings, "elSize", &cellWidth, &cellHeight) || cellWidth <= 0 || cellHeight <= 0)
        fProblem(name + ": \"elSize\" is not two sizes above 0");
    if (!fReadPair(settings, "block", &blockColumns, &blockRows) || blockColumns < 1 || blockRows < 1)
        fProblem(name + ": \"block\" is not two sizes above 0");
    if (!fReadPair(settings, "shiftBlock", &shiftX, &shiftY))
        fProblem(name + ": \"shiftBlock\" is not two numbers");
    if (!fReadPair(settings, "position", &x, &y))
        fProblem(name + ": \"position\" is not two numbers");
    if (!settings.attribute("bonuses"))
        fProblem(name + ": no \"bonuses\"");
    else if (settings.attribute("bonuses").as_int() > picture.fCountFilled())
        fProblem(name + ": more bonuses than picture cells");
    for (const char* sprite : {"block", "selection", "selection_yes", "selection_no"})
        if (std::string(settings.child(sprite).child_value("FILE")).empty())
            fProblem(name + ": the \"" + sprite + "\" sprite names no file");

    if (blockColumns >= 1 && blockRows >= 1 && cellWidth > 0 && cellHeight > 0)
    {
        const int columns = picture.fGetColumns();
        const int rows = picture.fGetRows();
        const int bx = int(blockColumns);
        const int by = int(blockRows);
        // A part block would still be laid out whole: the frame and the block pictures
        // would reach past the last cells.
        if (columns % bx != 0 || rows % by != 0)
            fProblem(name + ": the grid is not made of whole blocks");
        // The grid area as the level screen lays it out.
        const int nx = (columns + bx - 1) / bx;
        const int ny = (rows + by - 1) / by;
        const double width = std::trunc(bx * cellWidth * nx - (nx + 1) * shiftX);
        const double height = std::trunc(by * cellHeight * ny - (ny + 1) * shiftY);
        const double left = x - width * 0.5;
        const double top = y - height * 0.5;
        if (left - earLeft < 0 || top - earUp < 0 || left + width > SCREEN_WIDTH || top + height > SCREEN_HEIGHT)
        {
            std::ostringstream where;
            where << name << ": the grid (" << left << ", " << top << ")-(" << left + width << ", " << top + height
                  << ") with its clue panels does not fit the screen";
            fProblem(where.str());
        }
    }

    if (hasNumbers)
    {
        // Row clues run leftwards from the grid, column clues upwards; the farthest number,
        // half a step wide, must stay on its panel. An empty line shows one "0".
        size_t rowClues = 1;
        size_t columnClues = 1;
        for (int row = 0; row < picture.fGetRows(); ++row)
            rowClues = std::max(rowClues, picture.fRowClue(row).size());
        for (int column = 0; column < picture.fGetColumns(); ++column)
            columnClues = std::max(columnClues, picture.fColumnClue(column).size());
        if (rowOffset + (double(rowClues) - 0.5) * rowInterval > earLeft)
            fProblem(name + ": a row of " + std::to_string(rowClues) + " clues reaches past the clue panel");
        if (columnOffset + (double(columnClues) - 0.5) * columnInterval > earUp)
            fProblem(name + ": a column of " + std::to_string(columnClues) + " clues reaches past the clue panel");
    }

    GG_LINE_SOLVER solver;
    solver.fSetPicture(picture);
    const GG_LINE_SOLVER::VERDICT verdict = solver.fJudge();
    if (verdict != GG_LINE_SOLVER::LINE_SOLVABLE)
        fProblem(name + ": " + GG_LINE_SOLVER::fDescribe(verdict));
}
}

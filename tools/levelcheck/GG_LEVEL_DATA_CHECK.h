#pragma once
#include <string>
#include <vector>

namespace game
{
// Checks the level data of a resource folder (the game's Resources): the pack descriptions,
// the template player and every level file it names. A level must be whole (columns × rows
// cells of known types, every "settings" value and sprite), hold a picture cell, fit the
// 1024 × 768 screen with its clue panels (and its clues in them), and have one solution
// that line logic reaches.
class GG_LEVEL_DATA_CHECK
{
public:
    explicit GG_LEVEL_DATA_CHECK(std::string resourceRoot);

    // Runs every check; true when no problem was found.
    bool fRun();
    // One line per problem, naming the file it is in.
    const std::vector<std::string>& fGetProblems() const { return problems; }
    int fGetPackCount() const { return packCount; }
    int fGetLevelCount() const { return levelCount; }
    // The packs' "path"s in description order, and every level the template player names,
    // as resource names ("path file").
    const std::vector<std::string>& fGetPackPaths() const { return packPaths; }
    const std::vector<std::string>& fGetLevelFiles() const { return levelFiles; }

private:
    void fCheckLevel(const std::string& name, const std::string& path);
    void fProblem(const std::string& text) { problems.push_back(text); }

    std::string root;
    std::vector<std::string> problems;
    std::vector<std::string> packPaths;
    std::vector<std::string> levelFiles;
    int packCount = 0;
    int levelCount = 0;
    // Depth of the clue panels left of and above the grid: the ambient file's "size", else
    // the level screen's default.
    int earLeft = 160;
    int earUp = 160;
    // The clue numbers' spacing and the offset of the number nearest the grid, from the
    // numbers file when there is one: the most clues of a line must fit the clue panel.
    bool hasNumbers = false;
    double rowInterval = 0;
    double rowOffset = 0;
    double columnInterval = 0;
    double columnOffset = 0;
};
}

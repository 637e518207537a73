#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR
{
class ZC_FONT;
class ZC_LOCALIZATION;
class ZC_REPOSITORY;
struct ZS_RESOURCE;
}

namespace game
{
// Checks a whole data set (the game's Resources) the way the game meets it at start: the
// groups it mounts, game.xml and the edition, the resource list, the files the game reads by
// fixed names and every file those name in turn. Each resource name must be found by the
// repository's own rules and read as what it is (XML, picture, Ogg sound, bitmap font);
// every window must be one the factory makes, with widgets the loader builds; every text key
// shown must have an English text that the label's font can draw; every sound and font name
// must be in the sound bank and the font list. The level data is checked by
// GG_LEVEL_DATA_CHECK. The check is driven by what the files name, so new windows and data
// are covered as they arrive.
class GG_DATA_CHECK
{
public:
    explicit GG_DATA_CHECK(std::string resourceRoot);
    ~GG_DATA_CHECK();
    GG_DATA_CHECK(const GG_DATA_CHECK&) = delete;
    GG_DATA_CHECK& operator=(const GG_DATA_CHECK&) = delete;

    // Runs every check; true when no problem was found. It uses the engine's file system
    // (its data root is set to the folder for the run and put back after) and a repository
    // of its own.
    bool fRun();
    // After a run: every window, sound and text key that the game's code names as a literal
    // (fShowWindow("Options"), fPlaySound("coin"), fGetText("window_title") and their kin,
    // below game/ and framework/ of the source folder) and the data lacks, as notes: the code
    // may name what a screen in the making brings.
    void fCheckCodeNames(const std::string& sourceRoot);

    // One line per problem, naming the file and the place in it.
    const std::vector<std::string>& fGetProblems() const { return problems; }
    // What is not wrong yet but worth a look: files nothing names, files the game will need
    // once a screen that reads them exists.
    const std::vector<std::string>& fGetNotes() const { return notes; }

    int fGetFileCount() const { return int(checked.size()); }
    int fGetWindowCount() const { return int(windowNames.size()); }
    int fGetKeyCount() const { return int(keysUsed.size()); }
    int fGetPackCount() const { return packCount; }
    int fGetLevelCount() const { return levelCount; }
    // What the data holds, for checks of what the code names.
    bool fHasWindow(const std::string& name) const { return windowNames.count(name) != 0; }
    bool fHasSound(const std::string& name) const { return soundNames.count(name) != 0; }
    bool fHasText(const std::string& key) const;

    // An attribute that holds a text key in a file of a kind.
    struct KEY_RULE
    {
        const char* element; // element name, or "*" for any
        const char* attribute;
    };

private:
    void fCheckAll();
    bool fMount(const std::string& group, bool required);
    void fReadConfiguration();
    void fReadStrings();
    void fReadSoundBank();
    void fReadFonts();
    void fCheckScenes(const std::string& name);
    void fCheckWindow(const std::string& name, pugi::xml_node window);
    void fCheckWidgets(pugi::xml_node holder, const std::string& where);
    void fCheckLevels();
    void fCheckGameProcessFiles();
    void fNoteUnnamedFiles();

    // The document of a resource name, read by the repository; null (with the problem told,
    // "who" naming the file that names it) when it is missing or no XML.
    pugi::xml_document* fXml(const std::string& name, const std::string& who);
    // A name found in a file: resolved and its target checked once, whatever it is.
    void fCheckReference(const std::string& name, const std::string& where);
    void fCheckPicture(const std::string& name, const std::string& where);
    void fCheckSound(const std::string& name, const std::string& where);
    // Walks every element: resource names, keys, sound and font names, wide labels.
    void fScan(pugi::xml_node node, const std::string& file, const std::vector<KEY_RULE>& keys);
    void fScanValue(pugi::xml_node element, const char* attribute, const std::string& value, const std::string& where,
                    const std::vector<KEY_RULE>& keys);
    void fUseKey(const std::string& key, const std::string& where);
    void fCheckLabel(pugi::xml_node label, const std::string& where);
    // A bitmap font from its descriptor and texture names; null (problem told) when unusable.
    ZOR::ZC_FONT* fGetFont(const std::string& descriptor, const std::string& texture, const std::string& where);

    // A name met twice (nested offers, one picture in many places) is told once.
    void fProblem(const std::string& text)
    {
        if (told.insert(text).second)
            problems.push_back(text);
    }
    void fNote(const std::string& text) { notes.push_back(text); }

    std::string root;
    std::vector<std::string> problems;
    std::vector<std::string> notes;
    std::set<std::string> told;
    ZOR::ZC_REPOSITORY* repository = nullptr; // lives for one run

    std::string language;
    std::vector<std::string> groups; // mounted, in mounting order
    std::map<const ZOR::ZS_RESOURCE*, bool> checked; // every resource reached: read well?
    std::map<const ZOR::ZS_RESOURCE*, std::pair<int, int>> pictureSizes;
    std::unique_ptr<ZOR::ZC_LOCALIZATION> strings;
    std::set<std::string> keysUsed;
    std::set<std::string> soundNames; // of the group "sounds", which windows play from
    std::set<std::string> playedSounds; // named by a file (and, with the code check, by the code)
    std::set<std::string> fontNames;  // of the font list
    std::map<std::string, std::unique_ptr<ZOR::ZC_FONT>> fonts; // by descriptor and texture
    std::set<std::string> windowNames;
    int packCount = 0;
    int levelCount = 0;
};
}

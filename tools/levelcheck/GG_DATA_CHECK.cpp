#include "tools/levelcheck/GG_DATA_CHECK.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <vorbis/vorbisfile.h>

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZC_GUI_OBJECT.h"
#include "engine/platform/ZC_PLATFORM_IMAGE.h"
#include "engine/render/ZS_TEXTURE.h"
#include "engine/sound/ZS_OGG_MEMORY.h"
#include "engine/text/ZC_FONT.h"
#include "game/puzzle/GG_PROCESS.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gWindowFactory.h"
#include "tools/levelcheck/GG_LEVEL_DATA_CHECK.h"

using namespace ZOR;

namespace game
{
namespace
{
const std::string OTHER = "data/share/main/other";
const std::string PROCESS_GROUP = "data/share/main";
// The largest picture side the renderer takes.
const int MAX_PICTURE_SIDE = 4096;
// The level screen's files by their fixed names; the control files come with its controls.
const char* const PROCESS_FILES[] = {"settings", "effects", "ambient", "numbers"};
// The player's item names: what the store can sell.
const char* const ITEM_NAMES[] = {"start_hint", "refill_hint", "health", "refill_health", "errors", "second_chance"};

// The elements the GUI loader builds widgets from (its table in ZC_GUI_LOADER.cpp).
const char* const WIDGET_ELEMENTS[] = {"LABEL",        "WLABEL",        "IMAGE",    "BUTTON5",  "BUTTON2",     "PANEL",
                                       "PANEL9",       "CHECKBOX",      "CHECKBOX_IOS", "LINEBOX", "LISTBOX",
                                       "PROGRESS_BAR", "ANIMATION_BAR", "SLIDER12", "SLIDER13", "SIMPLESLIDER"};

enum KIND
{
    KIND_OTHER,
    KIND_PICTURE,
    KIND_XML,
    KIND_SOUND
};

std::string fLower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool fEndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// What a value names, by its extension; values without one are no file names.
KIND fKindOf(const std::string& value)
{
    const std::string name = fLower(value);
    for (const char* tail : {".png", ".jpg", ".jpeg", ".bmp", ".tga", ".gif"})
        if (fEndsWith(name, tail))
            return KIND_PICTURE;
    if (fEndsWith(name, ".xml"))
        return KIND_XML;
    if (fEndsWith(name, ".ogg") || fEndsWith(name, ".wav"))
        return KIND_SOUND;
    return KIND_OTHER;
}

bool fNamesFile(const std::string& value)
{
    if (value.empty() || value.find('\n') != std::string::npos)
        return false;
    const std::string name = fLower(value);
    for (const char* tail : {".png", ".jpg", ".jpeg", ".bmp", ".tga", ".gif", ".xml", ".ogg", ".wav", ".fnt", ".zip"})
        if (fEndsWith(name, tail))
            return true;
    return false;
}

std::string fTrim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// "<BUTTON5 ID=3>" for the messages.
std::string fDescribe(pugi::xml_node element)
{
    std::string text = std::string("<") + element.name();
    for (const char* id : {"ID", "id", "_name", "name"})
        if (pugi::xml_attribute a = element.attribute(id))
        {
            text += std::string(" ") + id + "=\"" + a.value() + "\"";
            break;
        }
    return text + ">";
}

// Font names stand in attributes called "font", "fntName" or "font_<what>"; "FONT" itself
// names a descriptor file, and colours (the clue strip's "font_cross" too), textures, scales
// and sizes ("font_small_below") are no names.
bool fIsFontNameAttribute(const std::string& attribute)
{
    const std::string name = fLower(attribute);
    if (name == "font" || name == "fntname")
        return true;
    if (name.compare(0, 5, "font_") != 0)
        return false;
    for (const char* other : {"color", "colour", "cross", "texture", "scale", "size", "below", "shift", "space", "hot"})
        if (name.find(other) != std::string::npos)
            return false;
    return true;
}

std::string fCodePoint(wchar_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", unsigned(c));
    return text;
}

std::string fParseError(const void* bytes, size_t size)
{
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_buffer(bytes, size, pugi::parse_default, pugi::encoding_auto);
    return std::string(result.description()) + " at byte " + std::to_string(result.offset);
}

const std::vector<GG_DATA_CHECK::KEY_RULE> NO_KEYS;
}

GG_DATA_CHECK::GG_DATA_CHECK(std::string resourceRoot)
{
    std::error_code failure;
    const std::filesystem::path absolute = std::filesystem::absolute(resourceRoot, failure);
    root = (failure ? std::filesystem::path(resourceRoot) : absolute).lexically_normal().string();
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
}

GG_DATA_CHECK::~GG_DATA_CHECK() = default;

bool GG_DATA_CHECK::fHasText(const std::string& key) const
{
    return strings && std::strcmp(strings->fGetText(key.c_str()), "etwas") != 0;
}

bool GG_DATA_CHECK::fRun()
{
    problems.clear();
    told.clear();
    notes.clear();
    groups.clear();
    checked.clear();
    pictureSizes.clear();
    keysUsed.clear();
    soundNames.clear();
    playedSounds.clear();
    fontNames.clear();
    fonts.clear();
    windowNames.clear();
    strings.reset();
    language.clear();
    packCount = levelCount = 0;

    if (ZOR::fGetPathKind(root.c_str()) != 2)
    {
        fProblem(root + ": no such folder");
        return false;
    }
    ZC_FILE_SYSTEM* files = fGetFileSystem();
    const std::string dataRoot = files->fGetDataRoot();
    files->fSetDataRoot((root + "/").c_str());
    ZC_REPOSITORY own;
    ZC_REPOSITORY* const previous = zcREPOSITORY;
    zcREPOSITORY = repository = &own;
    fCheckAll();
    // The fonts hold no texture of the repository's; the strings are copies.
    zcREPOSITORY = previous;
    repository = nullptr;
    files->fSetDataRoot(dataRoot.c_str());
    return problems.empty();
}

void GG_DATA_CHECK::fCheckCodeNames(const std::string& sourceRoot)
{
    // The call, then its literal; the sound bank's two-name form names the group first.
    const std::regex windows(
        "f(?:ShowWindow|HideWindow|FindWindow|FindOpenWindow|IsWindowOpen|AcquireWindowResources|"
        "ReleaseWindowResources|SendMessage)\\(\\s*\"([^\"]+)\"");
    const std::regex sounds("f(?:PlaySound|PlayPuzzleSound|PlaySoundForPuzzle|Play)\\(\\s*(?:\"sounds\"\\s*,\\s*)?\"([^\"]+)\"\\s*\\)");
    // A sound chosen before it is played: "sound = ..." or the name alone in a list.
    const std::regex soundLiterals("\"([a-z_0-9]+)\"");
    const std::regex keys("f(?:GetText|GetWideText)\\(\\s*\"([^\"]+)\"");
    std::error_code failure;
    std::vector<std::filesystem::path> sources;
    for (const char* folder : {"game", "framework"})
        for (auto it = std::filesystem::recursive_directory_iterator(sourceRoot + "/" + folder, failure);
             !failure && it != std::filesystem::recursive_directory_iterator(); it.increment(failure))
            if (it->path().extension() == ".cpp" || it->path().extension() == ".h")
                sources.push_back(it->path());
    std::sort(sources.begin(), sources.end());
    std::set<std::string> told;
    for (const std::filesystem::path& source : sources)
    {
        std::ifstream file(source);
        std::ostringstream text;
        text << file.rdbuf();
        const std::string code = text.str();
        const std::string where = std::filesystem::relative(source, sourceRoot, failure).generic_string();
        auto each = [&](const std::regex& pattern, const char* what, auto has) {
            for (std::sregex_iterator m(code.begin(), code.end(), pattern), end; m != end; ++m)
            {
                const std::string name = (*m)[1];
                if (!has(name) && told.insert(std::string(what) + name).second)
                    fNote(where + " names the " + what + " \"" + name + "\", which the data lacks");
            }
        };
        each(windows, "window", [&](const std::string& n) { return fHasWindow(n); });
        each(sounds, "sound", [&](const std::string& n) { return fHasSound(n); });
        each(keys, "text key", [&](const std::string& n) { return fHasText(n); });
        for (std::sregex_iterator m(code.begin(), code.end(), soundLiterals), end; m != end; ++m)
            if (soundNames.count((*m)[1]))
                playedSounds.insert((*m)[1]);
    }
    // The other way round: a sound of the bank that neither the code nor a file plays.
    for (const std::string& name : soundNames)
        if (!playedSounds.count(name))
            fNote("sound.xml: the sound \"" + name + "\" is played by no code and no file");
}

void GG_DATA_CHECK::fCheckAll()
{
    // What the game mounts itself before it reads anything.
    if (repository->fRegister("", "") != 1)
        fProblem("the data root holds no files of its own: game.xml belongs there");
    for (const char* group : {"data", "data/share/main/other", "data/share/image/gui"})
        fMount(group, true);

    fReadConfiguration();
    fReadStrings();
    fReadSoundBank();
    fReadFonts();

    // The files the game reads by their fixed names.
    if (pugi::xml_document* data = fXml("data data.xml", "the game"))
    {
        const pugi::xml_node ear = data->document_element().child("ear");
        for (const char* sprite : {"ear_tile", "ear_line"})
            if (!ear.child(sprite).child("FILE"))
                fProblem(std::string("data data.xml: <ear> has no <") + sprite + "> sprite with a FILE");
        fScan(data->document_element(), "data data.xml", NO_KEYS);
    }
    if (pugi::xml_document* loading = fXml(OTHER + " screen_loading.xml", "the loading screen"))
    {
        // Splash pictures are plain files below the data root, not resource names.
        pugi::xml_node splashes = loading->document_element().child("splashes");
        for (pugi::xml_node splash : splashes.children())
        {
            const std::string file = fTrim(splash.child_value("FILE"));
            if (file.empty() || ZOR::fGetPathKind((root + "/" + file).c_str()) != 1)
                fProblem(OTHER + " screen_loading.xml: the splash picture \"" + file + "\" is no file below the data root");
            else
            {
                int width = 0, height = 0;
                unsigned char* pixels = fDecodeImageFile((root + "/" + file).c_str(), MAX_PICTURE_SIDE, &width, &height);
                if (!pixels)
                    fProblem(OTHER + " screen_loading.xml: the splash picture \"" + file + "\" is no picture");
                fFreeImage(pixels);
            }
        }
        loading->document_element().remove_child(splashes);
        fScan(loading->document_element(), OTHER + " screen_loading.xml", NO_KEYS);
    }
    if (pugi::xml_document* cursor = fXml(OTHER + " gCursor.xml", "the game"))
        fScan(cursor->document_element(), OTHER + " gCursor.xml", NO_KEYS);

    const GG_EDITION& edition = fGetEdition();
    if (!edition.store.empty())
        if (pugi::xml_document* store = fXml(edition.store, "the edition's \"store\""))
        {
            for (pugi::xpath_node found : store->select_nodes("//item[@name]"))
            {
                const pugi::xml_node item = found.node();
                const std::string name = item.attribute("name").value();
                if (std::none_of(std::begin(ITEM_NAMES), std::end(ITEM_NAMES), [&](const char* n) { return name == n; }))
                    fProblem(edition.store + ": " + fDescribe(item) + " sells \"" + name + "\", which is no item a player holds");
            }
            fScan(store->document_element(), edition.store, {{"item", "annotation"}});
        }
    if (!edition.trophies.empty())
        if (pugi::xml_document* trophies = fXml(edition.trophies, "the edition's \"trophies\""))
            fScan(trophies->document_element(), edition.trophies, {{"trophy", "name"}, {"trophy", "desc"}});
    if (!edition.tutorial.empty())
        if (pugi::xml_document* tutorial = fXml(edition.tutorial, "the edition's \"tutorial\""))
        {
            const pugi::xml_node element = tutorial->child("tutorial");
            if (!element)
                fProblem(edition.tutorial + ": no <tutorial> element");
            for (pugi::xpath_node step : tutorial->select_nodes("//step/GUI"))
                fCheckWidgets(step.node(), edition.tutorial + ": a tutorial step's GUI");
            fScan(tutorial->document_element(), edition.tutorial, NO_KEYS);
        }
    for (const std::string* optional : {&edition.inapp, &edition.ad, &edition.leaderboard})
        if (!optional->empty())
            fCheckReference(*optional, "editions.xml");
    if (pugi::xml_document* packs = fXml(OTHER + " packs_description.xml", "the game"))
        fScan(packs->document_element(), OTHER + " packs_description.xml", {{"*", "key"}});
    if (!edition.scenes.empty())
        fCheckScenes(edition.scenes);
    fCheckGameProcessFiles();
    fCheckLevels();
    fNoteUnnamedFiles();
}

bool GG_DATA_CHECK::fMount(const std::string& group, bool required)
{
    if (repository->fRegister(group.c_str(), "") == -1)
    {
        if (required)
            fProblem("\"" + group + "\" is missing or empty: the game mounts it at start");
        return false;
    }
    groups.push_back(group);
    return true;
}

void GG_DATA_CHECK::fReadConfiguration()
{
    pugi::xml_document* game = fXml("game.xml", "the game");
    if (game)
    {
        const pugi::xml_node config = game->document_element();
        for (const char* name : {"company", "product", "edition", "lang"})
            if (!config.child(name).attribute("value"))
                fProblem(std::string("game.xml: no <") + name + " value=...>: the game does not start without it");
        language = config.child("lang").attribute("value").value();
    }

    const std::string editionName = game ? game->document_element().child("edition").attribute("value").value() : "";
    fGetEdition() = GG_EDITION{};
    if (pugi::xml_document* editions = fXml(OTHER + " editions.xml", "the game"))
    {
        pugi::xml_node chosen;
        for (pugi::xml_node edition : editions->document_element().children())
            if (editionName == edition.attribute("type").value())
            {
                chosen = edition;
                break;
            }
        if (!chosen)
            fProblem(OTHER + " editions.xml: no edition of the type \"" + editionName + "\" that game.xml names");
        else if (!fGetEdition().fRead(chosen))
            fProblem(OTHER + " editions.xml: the edition \"" + editionName +
                     "\" lacks one of its required children: the game does not start");
        else
            for (const std::string* required : {&fGetEdition().scenes, &fGetEdition().store, &fGetEdition().tutorial,
                                                &fGetEdition().trophies, &fGetEdition().player})
                if (required->empty())
                    fProblem(OTHER + " editions.xml: the edition \"" + editionName + "\" names no file where the game needs one");
    }
    if (!fGetEdition().player.empty() && fXml(fGetEdition().player, "the edition's \"player\""))
    {
        // Its contents are the level check's.
    }

    if (pugi::xml_document* list = fXml(OTHER + " resource_list.xml", "the game"))
        for (pugi::xml_node location : list->document_element().children())
            if (pugi::xml_attribute value = location.attribute("value"))
                if (!fMount(value.value(), false))
                    fProblem(OTHER + " resource_list.xml: the location \"" + value.value() + "\" is missing or empty");
    const std::string folder = "data/" + language;
    if (language.empty() || ZOR::fGetPathKind((root + "/" + folder).c_str()) == 0)
        fProblem("the language folder \"" + folder + "\" is missing: the game does not start");
    else
        fMount(folder, true);
}

void GG_DATA_CHECK::fReadStrings()
{
    pugi::xml_document* document = fXml("strings.xml", "the game");
    if (!document)
        return;
    const ZS_RESOURCE* entry = repository->fFind("strings.xml");
    const ZS_RESOURCE_GROUP* own = repository->fFindGroup("data/" + language);
    if (entry && own && own->fFind("strings.xml") != entry)
        fProblem("strings.xml is found outside the language folder \"data/" + language +
                 "\" first: the game would read that one");
    strings.reset(new ZC_LOCALIZATION);
    strings->fLoad(document, 0, 0);

    // The table answers the first row of a key: a repeated key hides its later text.
    std::set<std::string> seen;
    for (pugi::xpath_node row : document->select_nodes("//*[local-name()='Row']"))
    {
        const pugi::xml_node first = row.node().first_child();
        const std::string key = first.first_child().child_value();
        const std::string text = first.next_sibling().first_child().child_value();
        if (!seen.insert(key).second)
            fProblem("strings.xml: the key \"" + key + "\" is there twice; the game shows the first text only");
        if (text == "etwas")
            fProblem("strings.xml: the key \"" + key + "\" has the text \"etwas\"");
    }
}

void GG_DATA_CHECK::fReadSoundBank()
{
    const std::string name = OTHER + " sound.xml";
    pugi::xml_document* document = fXml(name, "the game");
    if (!document)
        return;
    const pugi::xml_node bank = document->child("sound");
    if (!bank)
        fProblem(name + ": no <sound> element");
    for (const char* group : {"music", "sounds"})
        if (!bank.find_child_by_attribute("name", group))
            fProblem(name + ": no group \"" + group + "\", which the game loads");
    for (pugi::xml_node group : bank.children())
    {
        std::set<std::string> names;
        for (pugi::xml_node sound : group.children())
        {
            const std::string sound_name = sound.attribute("name").value();
            if (sound_name.empty())
                fProblem(name + ": " + fDescribe(sound) + " in the group \"" + group.attribute("name").value() + "\" has no name");
            else if (!names.insert(sound_name).second)
                fProblem(name + ": the sound \"" + sound_name + "\" is in the group \"" + group.attribute("name").value() + "\" twice");
            if (std::string(group.attribute("name").value()) == "sounds")
                soundNames.insert(sound_name);
            const std::string path = sound.attribute("path").value();
            if (path.empty())
                fProblem(name + ": the sound \"" + sound_name + "\" names no file");
        }
    }
    fScan(bank, name, NO_KEYS);
}

void GG_DATA_CHECK::fReadFonts()
{
    const std::string name = "data/share/font fonts.xml";
    pugi::xml_document* document = fXml(name, "the game");
    if (!document)
        return;
    for (pugi::xml_node font : document->document_element().children())
    {
        const std::string fontName = font.attribute("name").value();
        const std::string where = name + ": the font \"" + fontName + "\"";
        if (fontName.empty() || !font.attribute("texture") || !font.attribute("xml"))
        {
            fProblem(name + ": " + fDescribe(font) + " lacks its name, texture or xml: the game leaves it out");
            continue;
        }
        if (!fontNames.insert(fontName).second)
            fProblem(where + " is listed twice; the game keeps the first");
        fGetFont(font.attribute("xml").value(), font.attribute("texture").value(), where);
    }
}

ZC_FONT* GG_DATA_CHECK::fGetFont(const std::string& descriptor, const std::string& texture, const std::string& where)
{
    const std::string key = descriptor + "\n" + texture;
    const auto known = fonts.find(key);
    if (known != fonts.end())
        return known->second.get();
    std::unique_ptr<ZC_FONT>& font = fonts[key];

    fCheckReference(texture, where);
    const ZS_RESOURCE* picture = repository->fFind(texture.c_str());
    const auto size = pictureSizes.find(picture);
    pugi::xml_document* document = fXml(descriptor, where);
    if (!document || size == pictureSizes.end())
        return nullptr;
    checked[repository->fFind(descriptor.c_str())] = true;
    ZS_TEXTURE stand_in;
    stand_in.size = ZS_POINT(size->second.first, size->second.second);
    std::unique_ptr<ZC_FONT> made(new ZC_FONT);
    if (made->fLoad(document->child("font"), &stand_in) != 1)
    {
        fProblem(descriptor + ": no glyph can be read from it (" + where + ")");
        return nullptr;
    }
    for (const ZS_GLYPH& glyph : made->fGetGlyphs())
        if (glyph.u1 > 1.0f || glyph.v1 > 1.0f || glyph.u0 < 0.0f || glyph.v0 < 0.0f)
        {
            fProblem(descriptor + ": the glyph of " + fCodePoint(wchar_t(glyph.code)) + " lies outside its texture \"" +
                     texture + "\"");
            break;
        }
    font = std::move(made);
    return font.get();
}

void GG_DATA_CHECK::fCheckScenes(const std::string& name)
{
    pugi::xml_document* scenes = fXml(name, "the edition's \"scenes\"");
    if (!scenes)
        return;
    for (pugi::xml_node entry : scenes->document_element().children())
    {
        const pugi::xml_attribute file = entry.attribute("file");
        if (!file)
            continue;
        pugi::xml_document* window = fXml(file.value(), name);
        if (window)
            fCheckWindow(file.value(), window->document_element());
    }
    if (!windowNames.count("Fade_Transition"))
        fProblem(name + ": no window \"Fade_Transition\": the loading screen and every scene change need it");
}

void GG_DATA_CHECK::fCheckWindow(const std::string& name, pugi::xml_node window)
{
    const std::string windowName = window.attribute("_name").value();
    const std::string type = window.attribute("_type").value();
    if (windowName.empty() || type.empty())
        fProblem(name + ": the window lacks its \"_name\" or \"_type\": the game makes no window of it");
    else if (!fIsWindowTypeBuilt(type))
        fProblem(name + ": the window \"" + windowName + "\" has the type \"" + type +
                 "\", which the game cannot make: it would be left out");
    if (!windowName.empty() && !windowNames.insert(windowName).second)
        fProblem(name + ": a second window named \"" + windowName + "\": the game only ever finds the first");
    fCheckWidgets(window.child("GUI"), name);
    fScan(window, name, NO_KEYS);
}

void GG_DATA_CHECK::fCheckWidgets(pugi::xml_node holder, const std::string& where)
{
    for (pugi::xml_node element : holder.children())
    {
        if (element.type() != pugi::node_element)
            continue;
        // The engine's own loader: a widget it turns down is silently missing on screen. An
        // element it does not know may be one the window reads itself.
        std::unique_ptr<ZC_GUI_OBJECT> widget(fCreateWidgetFromXml(element));
        const bool known = std::any_of(std::begin(WIDGET_ELEMENTS), std::end(WIDGET_ELEMENTS),
                                       [&](const char* name) { return fSameTextAnyCase(name, element.name()); });
        if (!widget && known)
            fProblem(where + ": " + fDescribe(element) + " builds no widget: a required attribute is missing");
        else if (!widget)
            fNote(where + ": the GUI loader builds nothing from " + fDescribe(element));
        if (pugi::xml_node context = element.child("CONTEXT"))
            fCheckWidgets(context, where);
    }
}

void GG_DATA_CHECK::fCheckGameProcessFiles()
{
    for (const char* what : PROCESS_FILES)
    {
        const std::string name = "data/share/main/GameProcess " + std::string(what) + ".xml";
        if (pugi::xml_document* document = fGetGameProcessXml(name.c_str()))
            repository->fReleaseXml(document);
        else if (!repository->fFind(("GameProcess " + std::string(what) + ".xml").c_str()))
            fNote("\"GameProcess " + std::string(what) + ".xml\" is not in the data yet: the level screen needs it");
    }
    // Every file of the level screen's group, read by name or not. Their own names hold a
    // blank, so the game fetches them by their whole name or by their own name alone.
    const ZS_RESOURCE_GROUP* group = repository->fFindGroup(PROCESS_GROUP);
    if (!group)
        return;
    for (const auto& entry : group->entries)
    {
        if (entry.first.compare(0, 12, "GameProcess ") != 0)
        {
            fCheckReference(PROCESS_GROUP + " " + entry.first, "the level screen's group");
            continue;
        }
        const std::string name = PROCESS_GROUP + "/" + entry.first;
        pugi::xml_document* document = fGetGameProcessXml(name.c_str());
        if (!document || repository->fFindByData(document) != entry.second)
        {
            // Told why by the repository's own reading of it.
            if (fXml(entry.first, "the level screen") && document)
                fProblem(name + ": another file of that name is found first");
            continue;
        }
        checked[entry.second] = true;
        fScan(document->document_element(), name, NO_KEYS);
    }
}

void GG_DATA_CHECK::fCheckLevels()
{
    GG_LEVEL_DATA_CHECK levels(root);
    levels.fRun();
    for (const std::string& problem : levels.fGetProblems())
        fProblem(problem);
    packCount = levels.fGetPackCount();
    levelCount = levels.fGetLevelCount();
    for (const std::string& path : levels.fGetPackPaths())
        if (!repository->fFindGroup(path))
            fProblem(OTHER + " packs_description.xml: the pack path \"" + path +
                     "\" is no mounted group (resource_list.xml): its levels cannot be found");
    for (const std::string& level : levels.fGetLevelFiles())
    {
        const ZS_RESOURCE* entry = repository->fFind(level.c_str());
        if (!entry || checked.count(entry))
            continue;
        // Whether it reads is the level check's to say; here only what it names.
        checked[entry] = true;
        if (pugi::xml_document* document = repository->fGetXml(level.c_str()))
            fScan(document->document_element(), level, NO_KEYS);
    }
}

void GG_DATA_CHECK::fNoteUnnamedFiles()
{
    for (const std::string& name : groups)
    {
        const ZS_RESOURCE_GROUP* group = repository->fFindGroup(name);
        if (!group)
            continue;
        for (const auto& entry : group->entries)
            if (!checked.count(entry.second) && fKindOf(entry.first) == KIND_XML)
                fNote(name + " " + entry.first + ": no file of the data names it");
    }
}

pugi::xml_document* GG_DATA_CHECK::fXml(const std::string& name, const std::string& who)
{
    ZS_RESOURCE* entry = repository->fFind(name.c_str());
    if (!entry)
    {
        fProblem(who + " names \"" + name + "\", which is not in the data");
        return nullptr;
    }
    const bool first = !checked.count(entry);
    pugi::xml_document* document = repository->fGetXml(name.c_str());
    if (!document)
    {
        if (first)
        {
            checked[entry] = false;
            std::string reason = "unreadable";
            if (void* bytes = repository->fGetBytes(name.c_str()))
            {
                reason = fParseError(bytes, entry->size);
                repository->fReleaseBytes(name.c_str());
            }
            fProblem(name + ": not XML: " + reason);
        }
        return nullptr;
    }
    // The repository keeps it until the run ends; every use is read from memory.
    checked.emplace(entry, true);
    return document;
}

void GG_DATA_CHECK::fCheckReference(const std::string& name, const std::string& where)
{
    if (fCountSpaces(name) > 1)
    {
        fProblem(where + ": \"" + name + "\" has more than one blank: the repository finds nothing by such a name");
        return;
    }
    ZS_RESOURCE* entry = repository->fFind(name.c_str());
    if (!entry)
    {
        fProblem(where + ": \"" + name + "\" is not in the data");
        return;
    }
    if (checked.count(entry))
        return;
    switch (fKindOf(name))
    {
    case KIND_PICTURE:
        fCheckPicture(name, where);
        break;
    case KIND_SOUND:
        fCheckSound(name, where);
        break;
    case KIND_XML:
        if (pugi::xml_document* document = fXml(name, where))
        {
            // A bitmap font descriptor is read as a font where it is used; strings are text.
            const std::string root_name = document->document_element().name();
            if (root_name != "font" && root_name != "Workbook")
                fScan(document->document_element(), name, NO_KEYS);
        }
        break;
    default:
        checked[entry] = true;
        break;
    }
}

void GG_DATA_CHECK::fCheckPicture(const std::string& name, const std::string& where)
{
    ZS_RESOURCE* entry = repository->fFind(name.c_str());
    void* bytes = repository->fGetBytes(name.c_str());
    int width = 0, height = 0;
    unsigned char* pixels = bytes ? fDecodeImageMemory(bytes, entry->size, MAX_PICTURE_SIDE, &width, &height) : nullptr;
    checked[entry] = pixels != nullptr;
    if (pixels)
        pictureSizes[entry] = {width, height};
    else
        fProblem(name + ": no picture the game can read (named by " + where + ")");
    fFreeImage(pixels);
    if (bytes)
        repository->fReleaseBytes(name.c_str());
    repository->fCollect();
}

void GG_DATA_CHECK::fCheckSound(const std::string& name, const std::string& where)
{
    ZS_RESOURCE* entry = repository->fFind(name.c_str());
    void* bytes = repository->fGetBytes(name.c_str());
    bool good = false;
    if (bytes)
    {
        ZS_OGG_MEMORY memory;
        memory.data = static_cast<const unsigned char*>(bytes);
        memory.size = entry->size;
        OggVorbis_File decoder;
        ov_callbacks callbacks = {fOggMemoryRead, fOggMemorySeek, fOggMemoryClose, fOggMemoryTell};
        if (ov_open_callbacks(&memory, &decoder, nullptr, 0, callbacks) == 0)
        {
            const vorbis_info* info = ov_info(&decoder, -1);
            good = info && (info->channels == 1 || info->channels == 2) && ov_pcm_total(&decoder, -1) > 0;
            ov_clear(&decoder);
        }
        repository->fReleaseBytes(name.c_str());
        repository->fCollect();
    }
    checked[entry] = good;
    if (!good)
        fProblem(name + ": no Ogg Vorbis sound of one or two channels the game can play (named by " + where + ")");
}

void GG_DATA_CHECK::fScan(pugi::xml_node element, const std::string& file, const std::vector<KEY_RULE>& keys)
{
    const std::string where = file + ": " + fDescribe(element);
    if (fSameTextAnyCase(element.name(), "WLABEL"))
        fCheckLabel(element, where);
    for (pugi::xml_attribute attribute : element.attributes())
        fScanValue(element, attribute.name(), attribute.value(), where, keys);
    for (pugi::xml_node child : element.children())
    {
        if (child.type() == pugi::node_element)
            fScan(child, file, keys);
        else if ((child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata))
            fScanValue(element, nullptr, fTrim(child.value()), where, keys);
    }
}

void GG_DATA_CHECK::fScanValue(pugi::xml_node element, const char* attribute, const std::string& value,
                               const std::string& where, const std::vector<KEY_RULE>& keys)
{
    const std::string name = attribute ? attribute : "";
    if (fNamesFile(value))
    {
        fCheckReference(value, attribute ? where + " " + name : where);
        return;
    }
    for (const KEY_RULE& rule : keys)
        if (name == rule.attribute &&
            (std::strcmp(rule.element, "*") == 0 || std::strcmp(rule.element, element.name()) == 0))
        {
            fUseKey(value, where + " " + name);
            return;
        }
    if (name == "value" && std::strcmp(element.name(), "text") == 0 &&
        std::strcmp(element.parent().name(), "font") == 0)
    {
        // A localised format of an effect's text (the bonus value).
        fUseKey(value, where + " value");
        return;
    }
    if (name == "sound" && !value.empty())
        playedSounds.insert(value);
    if (name == "sound" && !value.empty() && !soundNames.count(value))
        fProblem(where + ": the sound \"" + value + "\" is not in the group \"sounds\" of sound.xml");
    if (!name.empty() && fIsFontNameAttribute(name) && !value.empty() && !fontNames.count(value))
        fProblem(where + " " + name + ": the font \"" + value + "\" is not in fonts.xml");
}

void GG_DATA_CHECK::fUseKey(const std::string& key, const std::string& where)
{
    keysUsed.insert(key);
    if (key.empty())
        fProblem(where + ": no text key: the game shows \"etwas\"");
    else if (strings && !fHasText(key))
        fProblem(where + ": the text key \"" + key + "\" has no English text in strings.xml: the game shows \"etwas\"");
}

void GG_DATA_CHECK::fCheckLabel(pugi::xml_node label, const std::string& where)
{
    // The factory replaces every wide label's text by the text of its key.
    const std::string key = label.attribute("TEXT").value();
    fUseKey(key, where + " TEXT");
    if (!strings || !fHasText(key) || !label.attribute("FONT") || !label.attribute("FONT_TEXTURE"))
        return;
    ZC_FONT* font = fGetFont(label.attribute("FONT").value(), label.attribute("FONT_TEXTURE").value(), where);
    if (!font)
        return;
    for (wchar_t c : pugi::as_wide(strings->fGetText(key.c_str())))
        if (c >= 32 && !font->fLookUpGlyph(int(c)))
        {
            fProblem(where + ": the text of \"" + key + "\" holds " + fCodePoint(c) + ", which the font \"" +
                     label.attribute("FONT").value() + "\" lacks: it shows as '?'");
            break;
        }
}
}

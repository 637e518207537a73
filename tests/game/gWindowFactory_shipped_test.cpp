// Every window of the shipped scenes is made by the game's factory, and no text the player can
// be shown is missing from the strings ("etwas" stands for a missing key): every wide label of
// every window, list entry and layout, every trophy's name and description, every pack's title.
#include "ZT_SCRIPTED_GAME.h"

#include <set>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "game/shell/GG_WINDOW_PACK.h"
#include "game/shell/GG_WINDOW_TROPHY.h"

using namespace ZT_SCRIPTED;
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

namespace
{
fs::path fRepoData()
{
    return fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources";
}

// The keys of the English strings table (the first cell of every row after the header).
std::set<std::string> fStringKeys()
{
    pugi::xml_document document;
    EXPECT_TRUE(document.load_file((fRepoData() / "data/en/strings.xml").c_str()));
    std::set<std::string> keys;
    bool header = true;
    for (pugi::xml_node row : document.document_element().child("Worksheet").child("Table").children("Row"))
    {
        if (!header)
            keys.insert(row.child("Cell").child("Data").text().get());
        header = false;
    }
    return keys;
}

// Every wide label's text in a widget tree (depth first).
void fCollectTexts(const ZC_GUI_OBJECT* widget, std::vector<std::wstring>* texts)
{
    if (!widget)
        return;
    if (widget->fGetType() == GUI_TYPE_WLABEL)
        texts->push_back(static_cast<const ZC_GUI_WLABEL*>(widget)->fGetText());
    for (const ZC_GUI_OBJECT* child : widget->fGetChildren())
        fCollectTexts(child, texts);
}
}

// The data files themselves: every key a layout, a trophy or a pack names has a text.
TEST(ShippedTexts, EveryKeyOfTheDataHasAText)
{
    const std::set<std::string> keys = fStringKeys();
    ASSERT_FALSE(keys.empty());
    std::vector<std::string> missing;
    auto need = [&](const std::string& key, const std::string& where) {
        if (!keys.count(key))
            missing.push_back(where + ": " + key);
    };
    // Wide labels anywhere in the window files and the list files beside them.
    for (const fs::directory_entry& file : fs::directory_iterator(fRepoData() / "data/share/windows"))
    {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_file(file.path().c_str())) << file.path();
        for (pugi::xpath_node label : document.select_nodes("//*[translate(name(), 'wlabe', 'WLABE') = 'WLABEL']"))
            need(label.node().attribute("TEXT").value(), file.path().filename().string());
    }
    pugi::xml_document trophies;
    ASSERT_TRUE(trophies.load_file((fRepoData() / "data/share/main/other/trophies.xml").c_str()));
    for (pugi::xml_node trophy : trophies.document_element().children("trophy"))
    {
        need(trophy.attribute("name").value(), "trophies.xml");
        need(trophy.attribute("desc").value(), "trophies.xml");
    }
    pugi::xml_document packs;
    ASSERT_TRUE(packs.load_file((fRepoData() / "data/share/main/other/packs_description.xml").c_str()));
    for (pugi::xml_node pack : packs.document_element().children("pack"))
        need(pack.attribute("key").value(), "packs_description.xml");
    for (const std::string& m : missing)
        ADD_FAILURE() << "no text for " << m;
}

// In the running game: the factory made a window of every scenes entry, and nothing shown by
// a window or a list entry reads "etwas".
TEST(ShippedTexts, EveryWindowIsMadeAndShowsNoMissingText)
{
    fCopyDefaultData();
    testing::internal::CaptureStderr();
    pugi::xml_document scenes;
    ASSERT_TRUE(scenes.load_file((fDataRoot() / "data/share/main/other/scenes.xml").c_str()));
    const size_t declared = size_t(std::distance(scenes.document_element().children("window").begin(),
                                                 scenes.document_element().children("window").end()));
    ZT_SCRIPT script;
    script.fDo("every window", [declared]() {
        // The list entries take their texts when their window's resources load.
        for (const G_WINDOW* window : fGetWindowManager()->fGetAllWindows())
            const_cast<G_WINDOW*>(window)->fAcquireResources();
        const std::vector<G_WINDOW*>& windows = fGetWindowManager()->fGetAllWindows();
        EXPECT_EQ(declared, windows.size()) << "a window of the scenes was not made";
        for (const G_WINDOW* window : windows)
        {
            std::vector<std::wstring> texts;
            fCollectTexts(window->fGetGui() ? window->fGetGui()->fGetRoot() : nullptr, &texts);
            if (const auto* packs = dynamic_cast<const GG_WINDOW_PACK*>(window))
                for (size_t i = 0; i < packs->fGetList()->fGetItemCount(); ++i)
                    fCollectTexts(packs->fGetList()->fGetEntry(i)->fGetGui()->fGetRoot(), &texts);
            if (const auto* trophies = dynamic_cast<const GG_WINDOW_TROPHY*>(window))
                for (size_t i = 0; i < trophies->fGetList()->fGetItemCount(); ++i)
                {
                    texts.push_back(trophies->fGetList()->fGetEntry(i)->fGetTitle());
                    texts.push_back(trophies->fGetList()->fGetEntry(i)->fGetDescription());
                }
            for (const std::wstring& text : texts)
                EXPECT_EQ(std::wstring::npos, text.find(L"etwas")) << window->fGetName();
        }
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::string::npos, log.find("no window is made")) << log;
}

#pragma once
// Windows on the offscreen device: the widget tests' pictures and font, the window files of
// tests/data/framework/windows in the same package, a window manager over a test factory,
// input driven through the input state as the message pump drives it, and frames of 1/8 s.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ZC_TIMER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

namespace ZT_WIN
{
using namespace ZOR;
using namespace ZOR_GF;

const float kFrame = 0.125f; // exact in binary, so delays end in a known frame

// A simple window that counts what reaches it ("_type" "PROBE").
class ZT_PROBE : public G_WINDOW_SIMPLE
{
public:
    using G_WINDOW_SIMPLE::G_WINDOW_SIMPLE;

    const ZS_GUI_EVENT* fOnKeyDown(int key) override
    {
        ++keyDowns;
        return G_WINDOW::fOnKeyDown(key);
    }
    const ZS_GUI_EVENT* fOnKeyUp(int key) override
    {
        ++keyUps;
        return G_WINDOW::fOnKeyUp(key);
    }
    int fUpdate() override
    {
        ++updates;
        return G_WINDOW::fUpdate();
    }
    void fOnShowBegin() override { ++showBegins; }
    void fOnShown() override { ++showns; }
    void fOnHidden() override { ++hiddens; }
    void fRefresh() override { ++refreshes; }
    void fOnGuiEvent(int id) override { clicks.push_back(id); }

    int keyDowns = 0, keyUps = 0, updates = 0, showBegins = 0, showns = 0, hiddens = 0, refreshes = 0;
    std::vector<int> clicks;
};

// The game's factory stands in here: the class by "_type".
inline G_WINDOW* fTestFactory(pugi::xml_document* document)
{
    const pugi::xml_node element = document->document_element();
    const std::string type = element.attribute("_type").value();
    if (type == "PROBE")
        return new ZT_PROBE(element);
    if (type == "G_WINDOW_SIMPLE")
        return new G_WINDOW_SIMPLE(element);
    if (type == "G_WINDOW_CONFIRM")
        return new G_WINDOW_CONFIRM(element);
    if (type == "G_WINDOW_EDITBOX")
        return new G_WINDOW_EDITBOX(element);
    return nullptr;
}

class ZT_WINDOWS : public ZT_GUI::ZT_WIDGETS
{
protected:
    std::unique_ptr<G_WINDOW_MANAGER> manager;

    void SetUp() override
    {
        namespace fs = std::filesystem;
        fs::create_directories(fFolder());
        for (const fs::directory_entry& file : fs::directory_iterator(ZT_TEST::fDataDir() + "/framework/windows"))
            fs::copy_file(file.path(), fs::path(fFolder()) / file.path().filename(),
                          fs::copy_options::overwrite_existing);
        ZT_WIDGETS::SetUp();
        zcFRAME_DELTA = kFrame;
        manager = std::make_unique<G_WINDOW_MANAGER>(fTestFactory);
    }
    void TearDown() override
    {
        if (manager)
            manager->fReleaseAllResources(true);
        manager.reset();
        ZT_WIDGETS::TearDown();
    }

    void fLoadScenes(const char* name = "scenes.xml") { ASSERT_TRUE(manager->fLoadScenes(name)); }

    template <class W = ZT_PROBE>
    W* fWindow(const std::string& name)
    {
        return dynamic_cast<W*>(manager->fFindWindow(name));
    }
    std::vector<std::string> fOpenNames() const
    {
        std::vector<std::string> names;
        for (const G_WINDOW* w : manager->fGetOpenWindows())
            names.push_back(w->fGetName());
        return names;
    }
    void fFrames(int n)
    {
        for (int i = 0; i < n; ++i)
            manager->fUpdate();
    }

    // One input event per update step, through the manager as the game hands it over.
    void fPointer(int x, int y)
    {
        fStep();
        input->fOnMouseMove(x, y);
        manager->fOnMouseMove();
    }
    void fPress(int key = 1)
    {
        fStep();
        input->fOnKeyDown(key);
        manager->fOnKeyDown(key);
    }
    void fRelease(int key = 1)
    {
        fStep();
        input->fOnKeyUp(key);
        manager->fOnKeyUp(key);
    }
    void fClickAt(int x, int y)
    {
        fPointer(x, y);
        fPress();
        fRelease();
    }
    // A key that types a character.
    void fTypeKey(wchar_t ch, int key)
    {
        fStep();
        input->fOnKeyDown(key);
        input->typed[0] = ch;
        input->typed[1] = 0;
        manager->fOnKeyDown(key);
        fRelease(key);
    }

    // A window made from a declaration in the test.
    template <class W = ZT_PROBE>
    std::unique_ptr<W> fMake(const std::string& xml)
    {
        pugi::xml_document document;
        EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
        return std::make_unique<W>(document.document_element());
    }
};
}

#include "framework/G_WINDOW_MANAGER.h"

#include <algorithm>
#include <cstdio>

#include "engine/files/ZC_REPOSITORY.h"
#include "framework/G_WINDOW.h"

using namespace ZOR;

namespace ZOR_GF
{
namespace
{
// The program keeps no log file: what the data got wrong goes to stderr, where a maintainer
// running the game sees it.
void fReport(const std::string& text)
{
    std::fprintf(stderr, "window manager: %s\n", text.c_str());
}
}

G_WINDOW_MANAGER::G_WINDOW_MANAGER(ZF_WINDOW_FACTORY afactory) : factory(afactory) {}

G_WINDOW_MANAGER::~G_WINDOW_MANAGER()
{
    openWindows.clear();
    for (G_WINDOW* window : allWindows)
        delete window;
    allWindows.clear();
}

std::string G_WINDOW_MANAGER::fWhyUnreadable(const char* file)
{
    if (!zcREPOSITORY || !zcREPOSITORY->fFind(file))
        return "no such file";
    void* bytes = zcREPOSITORY->fGetBytes(file);
    ZS_RESOURCE* entry = zcREPOSITORY->fFind(file);
    if (!bytes || !entry)
        return "the file cannot be read";
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes, entry->size);
    zcREPOSITORY->fReleaseBytes(file);
    if (parsed)
        return "the file cannot be read as XML";
    return std::string("not well-formed XML (") + parsed.description() + " at byte " +
           std::to_string(parsed.offset) + ")";
}

bool G_WINDOW_MANAGER::fLoadScenes(const char* resourceName)
{
    const std::string scenesName = resourceName ? resourceName : "";
    pugi::xml_document* scenes = zcREPOSITORY ? zcREPOSITORY->fGetXml(scenesName.c_str()) : nullptr;
    if (!scenes)
    {
        fReport("scenes file \"" + scenesName + "\": " + fWhyUnreadable(scenesName.c_str()));
        return false;
    }
    for (pugi::xml_node child : scenes->document_element().children())
    {
        pugi::xml_attribute fileAttribute = child.attribute("file");
        if (child.type() != pugi::node_element || !fileAttribute)
            continue;
        const std::string file = fileAttribute.value();
        pugi::xml_document* document = zcREPOSITORY->fGetXml(file.c_str());
        if (!document)
        {
            fReport("window file \"" + file + "\": " + fWhyUnreadable(file.c_str()) + "; no window made");
            continue;
        }
        const std::string type = document->document_element().attribute("_type").value();
        G_WINDOW* window = factory ? factory(document) : nullptr;
        zcREPOSITORY->fReleaseXml(document);
        if (!window)
        {
            fReport("window file \"" + file + "\": the window factory made no window of type \"" + type + "\"");
            continue;
        }
        if (!window->fGetLoadProblem().empty())
        {
            fReport("window file \"" + file + "\": " + window->fGetLoadProblem() + "; no window made");
            delete window;
            continue;
        }
        allWindows.push_back(window);
    }
    zcREPOSITORY->fReleaseXml(scenes);
    return true;
}

G_WINDOW* G_WINDOW_MANAGER::fFindWindow(const std::string& name) const
{
    for (G_WINDOW* window : allWindows)
        if (window->fGetName() == name)
            return window;
    return nullptr;
}

G_WINDOW* G_WINDOW_MANAGER::fFindOpenWindow(const std::string& name) const
{
    for (G_WINDOW* window : openWindows)
        if (window->fGetName() == name)
            return window;
    return nullptr;
}

bool G_WINDOW_MANAGER::fIsWindowOpen(const std::string& name) const
{
    return fFindOpenWindow(name) != nullptr;
}

G_WINDOW* G_WINDOW_MANAGER::fShowWindow(const std::string& name, bool immediately)
{
    G_WINDOW* window = fFindWindow(name);
    if (!window || window->fIsOpen())
        return window;
    if (!window->fIsLoaded())
        window->fAcquireResources();
    // A window shown again from its own hidden callback is still listed until the update pass
    // drops it: it moves to the top instead of being listed twice.
    openWindows.erase(std::remove(openWindows.begin(), openWindows.end(), window), openWindows.end());
    openWindows.insert(openWindows.begin(), window);
    // Before the sort: the new modal window counts as the topmost one in this pass.
    if (window->fIsModal())
        fUpdateActivation();
    window->fShow(immediately);
    fSortByLayer();
    return window;
}

G_WINDOW* G_WINDOW_MANAGER::fHideWindow(const std::string& name, bool immediately)
{
    G_WINDOW* window = fFindOpenWindow(name);
    if (window)
        window->fHide(immediately);
    return window;
}

G_WINDOW* G_WINDOW_MANAGER::fAcquireWindowResources(const std::string& name)
{
    G_WINDOW* window = fFindWindow(name);
    if (window)
        window->fAcquireResources();
    return window;
}

G_WINDOW* G_WINDOW_MANAGER::fReleaseWindowResources(const std::string& name)
{
    G_WINDOW* window = fFindWindow(name);
    if (window)
        window->fReleaseResources(false);
    return window;
}

void G_WINDOW_MANAGER::fReleaseAllResources(bool force)
{
    for (G_WINDOW* window : allWindows)
        if (window->fIsLoaded())
            window->fReleaseResources(force);
    if (zcREPOSITORY)
        zcREPOSITORY->fCollect();
}

void G_WINDOW_MANAGER::fReleaseClosedResources()
{
    for (G_WINDOW* window : allWindows)
        if (window->fIsLoaded() && !window->fIsOpen())
            window->fReleaseResources(false);
    if (zcREPOSITORY)
        zcREPOSITORY->fCollect();
}

void G_WINDOW_MANAGER::fRefreshAll()
{
    for (G_WINDOW* window : allWindows)
        window->fInvokeRefresh();
}

void G_WINDOW_MANAGER::fSendMessage(const std::string& name, int a, int b)
{
    if (G_WINDOW* window = fFindWindow(name))
        window->fOnMessage(a, b);
}

void G_WINDOW_MANAGER::fHideAll()
{
    // A copy: hide callbacks may show windows.
    const std::vector<G_WINDOW*> open = openWindows;
    for (G_WINDOW* window : open)
        window->fHide(false);
}

bool G_WINDOW_MANAGER::fWindowLayerGreater(const G_WINDOW* a, const G_WINDOW* b)
{
    return a->fGetLayer() > b->fGetLayer();
}

void G_WINDOW_MANAGER::fSortByLayer()
{
    std::stable_sort(openWindows.begin(), openWindows.end(), fWindowLayerGreater);
}

void G_WINDOW_MANAGER::fUpdateActivation()
{
    bool belowModal = false;
    for (size_t i = 0; i < openWindows.size(); ++i)
    {
        G_WINDOW* window = openWindows[i];
        if (belowModal)
        {
            window->fDeactivate();
            continue;
        }
        window->fActivate();
        belowModal = window->fIsModal();
    }
}

size_t G_WINDOW_MANAGER::fNextIndex(size_t index, const G_WINDOW* handled) const
{
    if (index < openWindows.size() && openWindows[index] == handled)
        return index + 1;
    auto it = std::find(openWindows.begin(), openWindows.end(), handled);
    return it == openWindows.end() ? index : size_t(it - openWindows.begin()) + 1;
}

void G_WINDOW_MANAGER::fDispatch(INPUT_KIND kind, int key)
{
    for (size_t i = 0; i < openWindows.size();)
    {
        G_WINDOW* window = openWindows[i];
        // As it was when the input came: a click that makes the window hide is still its own.
        const bool leaving = window->fIsHiding();
        const ZS_GUI_EVENT* result = kind == INPUT_KEY_DOWN ? window->fOnKeyDown(key)
                                     : kind == INPUT_KEY_UP ? window->fOnKeyUp(key)
                                                            : window->fOnMouseMove();
        // A window on its way out takes nothing and keeps nothing from the windows below: a
        // click on what its hide has uncovered is the player's. One on its way in (kBusy)
        // still holds every key, as a modal window holds them all.
        if (!leaving)
        {
            if (window->fIsModal())
                return;
            // A pointer move reaches every window down to the modal one, so that each knows
            // what lies under the pointer when a button goes down.
            if (result && kind != INPUT_MOUSE_MOVE)
                return;
        }
        i = fNextIndex(i, window);
    }
}

void G_WINDOW_MANAGER::fOnKeyDown(int key)
{
    fDispatch(INPUT_KEY_DOWN, key);
}

void G_WINDOW_MANAGER::fOnKeyUp(int key)
{
    fDispatch(INPUT_KEY_UP, key);
}

void G_WINDOW_MANAGER::fOnMouseMove()
{
    fDispatch(INPUT_MOUSE_MOVE, 0);
}

void G_WINDOW_MANAGER::fUpdate()
{
    for (size_t i = 0; i < openWindows.size();)
    {
        G_WINDOW* window = openWindows[i];
        const int result = window->fUpdate();
        if (result == 0)
        {
            // Hidden: it leaves the stack, and the windows below wait for the next frame.
            openWindows.erase(std::remove(openWindows.begin(), openWindows.end(), window), openWindows.end());
            if (window->fIsModal())
                fUpdateActivation();
            return;
        }
        if (result == 1)
            return;
        i = fNextIndex(i, window);
    }
}

void G_WINDOW_MANAGER::fDraw()
{
    for (size_t i = openWindows.size(); i-- > 0;)
        if (i < openWindows.size())
            openWindows[i]->fDraw();
}
}

#pragma once
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR_GF
{
class G_WINDOW;

// The game's window factory: a new window of the class that the document's root element names,
// made from that element, or null when it makes none. The manager owns what it returns.
typedef G_WINDOW* (*ZF_WINDOW_FACTORY)(pugi::xml_document* document);

// Owns every window of the scenes file and keeps the open ones on a stack ordered by layer
// (index 0 on top; among equal layers the latest shown on top). Input goes from the top down
// and stops at the first window that takes it or at a modal window; drawing goes from the
// bottom up. Windows are found by name, byte for byte; the first one of a name wins.
class G_WINDOW_MANAGER
{
public:
    explicit G_WINDOW_MANAGER(ZF_WINDOW_FACTORY factory);
    // Deletes every window; their resources are released before, by fReleaseAllResources.
    ~G_WINDOW_MANAGER();
    G_WINDOW_MANAGER(const G_WINDOW_MANAGER&) = delete;
    G_WINDOW_MANAGER& operator=(const G_WINDOW_MANAGER&) = delete;

    // Makes one window per child of the scenes document's root that has a "file" attribute.
    // A window file that is missing or not well-formed, that the factory turns down or whose
    // declaration cannot be built (a GUI element that makes no widget) makes no window and is
    // reported on stderr with the file's name and the reason. False, with a report, when the
    // scenes document itself cannot be read.
    bool fLoadScenes(const char* resourceName);

    // The window (shown unless it was open already), or null for an unknown name.
    G_WINDOW* fShowWindow(const std::string& name, bool immediately);
    // The open window after fHide, or null when no open window has the name.
    G_WINDOW* fHideWindow(const std::string& name, bool immediately);
    G_WINDOW* fFindWindow(const std::string& name) const;
    G_WINDOW* fFindOpenWindow(const std::string& name) const;
    // Also while it is hiding.
    bool fIsWindowOpen(const std::string& name) const;
    G_WINDOW* fAcquireWindowResources(const std::string& name);
    // Deferred while the window animates.
    G_WINDOW* fReleaseWindowResources(const std::string& name);
    // Every loaded window, then the repository's collect pass.
    void fReleaseAllResources(bool force);
    // The same for the windows that are not open, so that what comes next loads after they
    // have handed their pictures back, not beside them.
    void fReleaseClosedResources();
    // Every window, open or not.
    void fRefreshAll();
    void fSendMessage(const std::string& name, int a, int b);
    void fHideAll();

    void fOnKeyDown(int key);
    void fOnKeyUp(int key);
    void fOnMouseMove();
    // Once per frame; a window whose hide has finished leaves the open list here.
    void fUpdate();
    void fDraw();

    // Activates the windows down to the topmost modal one and deactivates the rest.
    void fUpdateActivation();
    void fSortByLayer();
    static bool fWindowLayerGreater(const G_WINDOW* a, const G_WINDOW* b);

    const std::vector<G_WINDOW*>& fGetOpenWindows() const { return openWindows; }
    const std::vector<G_WINDOW*>& fGetAllWindows() const { return allWindows; }

private:
    enum INPUT_KIND
    {
        INPUT_KEY_DOWN,
        INPUT_KEY_UP,
        INPUT_MOUSE_MOVE
    };
    void fDispatch(INPUT_KIND kind, int key);
    // Where the walk goes on after the window at `index` was handled, which a callback may
    // have moved by showing another window.
    size_t fNextIndex(size_t index, const G_WINDOW* handled) const;
    // Why a window file made no window, for the report.
    static std::string fWhyUnreadable(const char* file);

    std::vector<G_WINDOW*> openWindows;
    std::vector<G_WINDOW*> allWindows;
    ZF_WINDOW_FACTORY factory;
};
}

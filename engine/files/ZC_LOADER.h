#pragma once
#include <string>
#include <vector>

#include "engine/core/ZS_THREAD.h"

namespace pugi
{
class xml_node;
}

namespace ZOR
{
// One thing to load: "PATH" and the first letter of "TYPE" (I 0, S 1, M 2, V 3, X 4,
// anything else 5). A subclass's loading function gives the types their meaning and may
// extend the record.
struct ZS_LOADER_ITEM
{
    virtual ~ZS_LOADER_ITEM() = default;

    std::string path;
    int type = 5;
};

class ZC_LOADER;
typedef int (*ZF_LOADER)(ZC_LOADER* loader);

// Base of a loading screen: a progress percentage guarded by a lock, a list of items, a
// loading function and an optional thread to run it on; a subclass draws and updates the
// screen while the work goes on.
class ZC_LOADER
{
public:
    explicit ZC_LOADER(ZF_LOADER function);
    // Loads the item list from the node's children and walks it with fLoadItemsDefault.
    explicit ZC_LOADER(const pugi::xml_node& node);
    // Stops and waits for the loading thread, then frees the items left.
    virtual ~ZC_LOADER();
    ZC_LOADER(const ZC_LOADER&) = delete;
    ZC_LOADER& operator=(const ZC_LOADER&) = delete;

    // Runs the loading function on a thread of its own (once).
    virtual void fStart();
    virtual void fDraw() = 0;
    virtual void fUpdate() = 0;

    int fGetProgress();
    void fSetProgress(int percent);
    // 0 without a thread; 259 while it runs; else its exit code.
    int fGetThreadExitCode() const;
    void fLoadItemList(const pugi::xml_node& node);
    int fGetTotal() const { return total; }
    size_t fGetItemCount() const { return items.size(); }

protected:
    // Asks the loading thread to stop and waits until it has. A subclass whose loading
    // function reaches the subclass's own fields calls this first in its destructor.
    void fStopThread();

    friend int fLoadItemsDefault(ZC_LOADER* loader);
    static int fThreadMain(void* loader);

    ZC_LOCK lock;
    int progress = 0;
    int total = 0;
    std::vector<ZS_LOADER_ITEM*> items;
    ZF_LOADER loadingFunction = nullptr;
    ZS_THREAD* thread = nullptr;
};

int fParseLoaderItemType(const char* text);
// Walks the items, reporting trunc(done / total * 100) after each and deleting it; answers 1,
// or -1 without a loader. On a loader's thread it stops between items when asked to.
int fLoadItemsDefault(ZC_LOADER* loader);
}

#include "engine/files/ZC_LOADER.h"

#include <pugixml.hpp>

namespace ZOR
{
ZC_LOADER::ZC_LOADER(ZF_LOADER function)
    : loadingFunction(function)
{
    lock.fInit();
}

ZC_LOADER::ZC_LOADER(const pugi::xml_node& node)
    : ZC_LOADER(fLoadItemsDefault)
{
    fLoadItemList(node);
}

ZC_LOADER::~ZC_LOADER()
{
    fStopThread();
    for (ZS_LOADER_ITEM* item : items)
        delete item;
    lock.fDestroy();
}

void ZC_LOADER::fStopThread()
{
    // Asks a running thread to stop, waits for it, then frees the record.
    fReleaseThread(thread);
    thread = nullptr;
}

int ZC_LOADER::fThreadMain(void* data)
{
    ZC_LOADER* loader = static_cast<ZC_LOADER*>(data);
    return loader->loadingFunction ? loader->loadingFunction(loader) : -1;
}

void ZC_LOADER::fStart()
{
    if (!thread)
        thread = fStartThread(fThreadMain, this);
}

int ZC_LOADER::fGetProgress()
{
    lock.fEnter();
    const int percent = progress;
    lock.fLeave();
    return percent;
}

void ZC_LOADER::fSetProgress(int percent)
{
    // Under the lock as well: a subclass may set it from its loading thread.
    lock.fEnter();
    progress = percent;
    lock.fLeave();
}

int ZC_LOADER::fGetThreadExitCode() const
{
    return thread ? thread->fGetExitCode() : 0;
}

void ZC_LOADER::fLoadItemList(const pugi::xml_node& node)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    {
        if (child.type() != pugi::node_element)
            continue;
        auto* item = new ZS_LOADER_ITEM;
        item->path = child.attribute("PATH").value();
        item->type = fParseLoaderItemType(child.attribute("TYPE").value());
        items.push_back(item);
        ++total;
    }
}

int fParseLoaderItemType(const char* text)
{
    switch (text ? text[0] : 0)
    {
    case 'I': return 0;
    case 'S': return 1;
    case 'M': return 2;
    case 'V': return 3;
    case 'X': return 4;
    default: return 5;
    }
}

int fLoadItemsDefault(ZC_LOADER* loader)
{
    if (!loader)
        return -1;
    int done = 0;
    while (!loader->items.empty() && !fIsThreadStopRequested())
    {
        ++done;
        loader->fSetProgress(loader->total > 0 ? done * 100 / loader->total : 100);
        delete loader->items.front();
        loader->items.erase(loader->items.begin());
    }
    return 1;
}
}

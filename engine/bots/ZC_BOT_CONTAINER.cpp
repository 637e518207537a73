#include "engine/bots/ZC_BOT_CONTAINER.h"

#include <algorithm>

namespace ZOR
{
void ZC_BOT_CONTAINER::fAdd(ZC_BASE* object)
{
    if (object)
        objects.push_back(object);
}

bool ZC_BOT_CONTAINER::fPasses(uint8_t group, uint8_t threshold) const
{
    switch (filterMode)
    {
    case 2: return group <= threshold;
    case 3: return group == threshold;
    case 5: return group >= threshold;
    case 6: return group != threshold;
    default: return true;
    }
}

bool ZC_BOT_CONTAINER::fMatches(const ZC_BASE* o, const char* nameFilter, const char* lastNameFilter, int idFilter,
                                uint8_t flag1, uint8_t flag2) const
{
    if (flag1 || flag2)
        return false;
    if (nameFilter && o->name != nameFilter)
        return false;
    if (lastNameFilter && o->lastName != lastNameFilter)
        return false;
    return idFilter == 0 || o->id == idFilter;
}

bool ZC_BOT_CONTAINER::fIsBusy(const ZC_BASE* o) const
{
    return std::find(busy.begin(), busy.end(), o) != busy.end();
}

int ZC_BOT_CONTAINER::fSend(ZC_BASE* o, int message, float x, float y, float z, void* data, bool* gone)
{
    busy.push_back(o);
    int answer = o->fMessage(message, x, y, z, data);
    busy.pop_back();
    *gone = false;
    auto it = std::find(doomed.begin(), doomed.end(), o);
    if (it != doomed.end() && !fIsBusy(o))
    {
        doomed.erase(it);
        delete o;
        *gone = true;
    }
    return answer;
}

void ZC_BOT_CONTAINER::fDestroy(size_t i)
{
    ZC_BASE* o = objects[i];
    objects.erase(objects.begin() + std::ptrdiff_t(i));
    ++removals;
    if (fIsBusy(o))
        doomed.push_back(o);
    else
        delete o;
}

void ZC_BOT_CONTAINER::fDestroyIfListed(ZC_BASE* o)
{
    auto it = std::find(objects.begin(), objects.end(), o);
    if (it != objects.end())
        fDestroy(size_t(it - objects.begin()));
}

void ZC_BOT_CONTAINER::fUpdate()
{
    if (objects.empty())
        return;
    current = nullptr;
    for (size_t i = 0; i < objects.size();)
    {
        previous = current ? current : objects[i];
        current = objects[i];
        // Counted before the filter, so skipped objects still take part in the order test.
        if (current->key > previous->key && inversions < 255)
            ++inversions;
        if (!fPasses(current->updateGroup, updateThreshold))
        {
            ++i;
            continue;
        }
        ZC_BASE* o = current;
        unsigned before = removals;
        bool gone = false;
        int answer = fSend(o, zcMESSAGE_TICK, 0.0f, 0.0f, 0.0f, nullptr, &gone);
        if (removals != before)
        {
            // The list was emptied or trimmed under this object: its index means nothing now.
            if (!gone && answer == zcANSWER_DELETE_ME)
                fDestroyIfListed(o);
            current = previous = nullptr;
            return;
        }
        if (answer == zcANSWER_DELETE_ME)
        {
            fDestroy(i);
            current = nullptr;
            continue;
        }
        if (answer == zcANSWER_TAKEN)
            return;
        ++i;
    }
    if (inversions)
        fSortByKey();
    inversions = 0;
}

void ZC_BOT_CONTAINER::fDraw()
{
    for (size_t n = objects.size(); n > 0; --n)
    {
        if (n > objects.size())
            return;
        current = objects[n - 1];
        if (!fPasses(current->drawGroup, drawThreshold))
            continue;
        unsigned before = removals;
        bool gone = false;
        int answer = fSend(current, zcMESSAGE_DRAW, 0.0f, 0.0f, 0.0f, nullptr, &gone);
        if (removals != before || answer == zcANSWER_TAKEN)
            return;
    }
}

bool ZC_BOT_CONTAINER::fKeyGreater(const ZC_BASE* a, const ZC_BASE* b)
{
    return a && b && a->key > b->key;
}

void ZC_BOT_CONTAINER::fSortByKey()
{
    std::stable_sort(objects.begin(), objects.end(), fKeyGreater);
}

int ZC_BOT_CONTAINER::fBroadcast(int message, float x, float y, float z, void* data, const char* nameFilter,
                                 const char* lastNameFilter, int idFilter, uint8_t flag1, uint8_t flag2)
{
    int last = 0;
    for (size_t i = 0; i < objects.size(); ++i)
    {
        current = objects[i];
        if (!fMatches(current, nameFilter, lastNameFilter, idFilter, flag1, flag2))
            continue;
        bool gone = false;
        last = fSend(current, message, x, y, z, data, &gone);
    }
    return last;
}

int ZC_BOT_CONTAINER::fBroadcastAndReap(int message, float x, float y, float z, void* data, const char* nameFilter,
                                        const char* lastNameFilter, int idFilter, uint8_t flag1, uint8_t flag2)
{
    int reached = 0;
    for (size_t i = 0; i < objects.size();)
    {
        ZC_BASE* o = objects[i];
        current = o;
        if (!fMatches(o, nameFilter, lastNameFilter, idFilter, flag1, flag2))
        {
            ++i;
            continue;
        }
        ++reached;
        unsigned before = removals;
        bool gone = false;
        int answer = fSend(o, message, x, y, z, data, &gone);
        if (removals != before)
        {
            if (!gone && answer == zcANSWER_DELETE_ME)
                fDestroyIfListed(o);
            current = nullptr;
            return reached;
        }
        if (answer == zcANSWER_DELETE_ME)
        {
            fDestroy(i);
            current = nullptr;
            continue;
        }
        if (answer == zcANSWER_TAKEN)
            return reached;
        ++i;
    }
    return reached;
}

ZC_BASE* ZC_BOT_CONTAINER::fFindByName(const char* aname) const
{
    if (!aname)
        return nullptr;
    for (ZC_BASE* o : objects)
        if (o->name == aname)
            return o;
    return nullptr;
}

ZC_BASE* ZC_BOT_CONTAINER::fFindById(int aid) const
{
    for (ZC_BASE* o : objects)
        if (o->id == aid)
            return o;
    return nullptr;
}

ZC_BASE* ZC_BOT_CONTAINER::fTake(const char* aname, const std::string& alastName, int aid)
{
    if (!aname)
        return nullptr;
    for (size_t i = 0; i < objects.size(); ++i)
    {
        ZC_BASE* o = objects[i];
        if (o->name == aname && (alastName.empty() || o->lastName == alastName) && (aid == 0 || o->id == aid))
        {
            objects.erase(objects.begin() + std::ptrdiff_t(i));
            ++removals;
            return o;
        }
    }
    return nullptr;
}

void ZC_BOT_CONTAINER::fDeleteByNameAndId(const char* aname, int aid)
{
    if (!aname)
        return;
    for (size_t i = 0; i < objects.size(); ++i)
        if (objects[i]->name == aname && objects[i]->id == aid)
            return fDestroy(i);
}

void ZC_BOT_CONTAINER::fClear()
{
    objects.clear();
    ++removals;
}

void ZC_BOT_CONTAINER::fDeleteAll()
{
    std::deque<ZC_BASE*> old;
    old.swap(objects);
    ++removals;
    // A destructor could touch the container; the list is already empty by then.
    for (ZC_BASE* o : old)
    {
        if (fIsBusy(o))
            doomed.push_back(o);
        else
            delete o;
    }
    current = previous = nullptr;
}

void fSendMessageToAll(std::vector<ZC_BASE*>* list, int message)
{
    if (!list)
        return;
    for (size_t i = 0; i < list->size(); ++i)
        if ((*list)[i])
            (*list)[i]->fMessage(message, 0.0f, 0.0f, 0.0f, nullptr);
}

void fTickAll(std::vector<ZC_BASE*>* list)
{
    if (!list)
        return;
    for (size_t i = 0; i < list->size();)
    {
        ZC_BASE* o = (*list)[i];
        if (o && o->fMessage(zcMESSAGE_TICK, 0.0f, 0.0f, 0.0f, nullptr) == zcANSWER_DELETE_ME)
        {
            delete o;
            list->erase(list->begin() + std::ptrdiff_t(i));
            continue;
        }
        ++i;
    }
}
}

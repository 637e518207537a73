#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/bots/ZC_BASE.h"

namespace ZOR
{
// Owns and runs ZC_BASE objects: the owner calls fUpdate once per drawn frame, every object
// gets the tick, those that answer -113 are deleted at once, -109 ends the pass, and a
// complete pass that met a key larger than its predecessor's sorts the list, largest first.
//
// Callbacks fired from inside a pass may add objects (they are ticked in the same pass) and
// may also empty or trim this very container (a window shown again from its own finish
// callback does fDeleteAll): an object that is running its message is then deleted only
// after it returns, and the pass ends there.
class ZC_BOT_CONTAINER
{
public:
    ZC_BOT_CONTAINER() = default;
    // The objects still in the list are not deleted: owners call fDeleteAll first.
    ~ZC_BOT_CONTAINER() = default;
    ZC_BOT_CONTAINER(const ZC_BOT_CONTAINER&) = delete;
    ZC_BOT_CONTAINER& operator=(const ZC_BOT_CONTAINER&) = delete;
    ZC_BOT_CONTAINER(ZC_BOT_CONTAINER&&) = default;
    ZC_BOT_CONTAINER& operator=(ZC_BOT_CONTAINER&&) = default;

    // Appends at the back and takes ownership; null is ignored.
    void fAdd(ZC_BASE* object);
    void fUpdate();
    // From the back to the front, so the largest key is drawn last; nothing in the game calls it.
    void fDraw();
    // Stable, so equal keys keep the order in which the objects were added.
    void fSortByKey();
    static bool fKeyGreater(const ZC_BASE* a, const ZC_BASE* b);

    // Sends to every object that passes the filters (null names, id 0 and flags 0 pass
    // everything; a set flag excludes every object), front to back; deletes nothing.
    // Answers the last answer, 0 when no object was reached.
    int fBroadcast(int message, float x, float y, float z, void* data, const char* nameFilter = nullptr,
                   const char* lastNameFilter = nullptr, int idFilter = 0, uint8_t flag1 = 0, uint8_t flag2 = 0);
    // The same, but -113 deletes the object and -109 ends the broadcast; answers the
    // number of objects reached.
    int fBroadcastAndReap(int message, float x, float y, float z, void* data, const char* nameFilter = nullptr,
                          const char* lastNameFilter = nullptr, int idFilter = 0, uint8_t flag1 = 0,
                          uint8_t flag2 = 0);

    ZC_BASE* fFindByName(const char* aname) const;
    ZC_BASE* fFindById(int aid) const;
    // Removes the first match from the list without deleting it and hands it over;
    // an empty last name and id 0 match any.
    ZC_BASE* fTake(const char* aname, const std::string& alastName = std::string(), int aid = 0);
    // Deletes the first object with this name and exactly this id.
    void fDeleteByNameAndId(const char* aname, int aid);
    // Drops every pointer without deleting the objects.
    void fClear();
    void fDeleteAll();
    void fResetThresholds() { updateThreshold = drawThreshold = 1; }

    size_t fGetCount() const { return objects.size(); }
    bool fIsEmpty() const { return objects.empty(); }

    ZC_BASE* current = nullptr;
    uint8_t inversions = 0; // saturates at 255 so that a long unsorted list still sorts
    ZC_BASE* previous = nullptr;
    uint8_t updateThreshold = 1;
    int filterMode = 5; // 2: group <= threshold, 3: =, 5: >=, 6: !=, else every object
    uint8_t drawThreshold = 1;
    std::deque<ZC_BASE*> objects;

private:
    bool fPasses(uint8_t group, uint8_t threshold) const;
    bool fMatches(const ZC_BASE* o, const char* nameFilter, const char* lastNameFilter, int idFilter,
                  uint8_t flag1, uint8_t flag2) const;
    // Sends one message; *gone tells whether the object was deleted while it ran.
    int fSend(ZC_BASE* o, int message, float x, float y, float z, void* data, bool* gone);
    // Removes the object at index i and deletes it, or defers that while it runs a message.
    void fDestroy(size_t i);
    void fDestroyIfListed(ZC_BASE* o);
    bool fIsBusy(const ZC_BASE* o) const;

    std::vector<ZC_BASE*> busy;   // objects inside fMessage sent by this container
    std::vector<ZC_BASE*> doomed; // removed while busy; deleted when their message returns
    unsigned removals = 0;        // counts every removal, so a pass can tell its list changed
};

// Over a plain vector (a null vector does nothing): the message with no arguments to every
// object, the size read again after each.
void fSendMessageToAll(std::vector<ZC_BASE*>* list, int message);
// Ticks every object; one that answers -113 is deleted and erased and its index visited again.
void fTickAll(std::vector<ZC_BASE*>* list);
}

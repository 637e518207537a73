#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_POINT.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR_GF
{
// The messages a paged list sends its items (ZC_BASE::fMessage), besides tick (1) and draw (2).
enum
{
    PAGES_MSG_POSITION = 12,      // x, y: the item's centre relative to the list
    PAGES_MSG_WIDTH = 23,         // answer: the width
    PAGES_MSG_HEIGHT = 24,        // answer: the height
    PAGES_MSG_HOT_SPOT = 25,      // data: 4, the middle
    PAGES_MSG_OWNER = 32,         // data: the list transform, the parent of the item's
    PAGES_MSG_POINTER_PRESS = 47, // data: key code 1 or 2
    PAGES_MSG_POINTER_RELEASE = 48, // data: key code 1 or 2; -109 from the item under the pointer
    PAGES_MSG_MOUSE_MOVE = 49,
    PAGES_MSG_LOAD = 50,
    PAGES_MSG_UNLOAD = 51,
    PAGES_MSG_REFRESH = 56
};

// How pages turn ("turn_type").
enum
{
    PAGES_MOMENTAL = 0,
    PAGES_SLIDE_HORIZONTAL = 1,
    PAGES_SLIDE_VERTICAL = 2,
    PAGES_SLIDE_TO_POINT = 3,
    PAGES_OTHER = 5 // any other text: at once
};

int fParseTurnType(const char* text);

// The key code that travels in the data of messages 47 and 48.
inline void* fKeyAsData(int key) { return reinterpret_cast<void*>(intptr_t(key)); }
inline int fDataAsKey(const void* data) { return int(reinterpret_cast<intptr_t>(data)); }

// The usual item of a paged list: it answers the list's messages through the virtual
// operations below. Its id is its index in the list.
class G_PAGES_ITEM : public ZOR::ZC_BASE
{
public:
    // The element is not kept; subclasses read it.
    G_PAGES_ITEM(pugi::xml_node element, int index);
    ~G_PAGES_ITEM() override = default;

    int fMessage(int message, float x, float y, float z, void* data) override;

    virtual int fGetWidth() = 0;
    virtual int fGetHeight() = 0;
    virtual void fLoadResources() = 0;
    virtual void fUnloadResources() = 0;
    // At the transform, whose parent is the list transform.
    virtual void fDraw() = 0;
    virtual void fUpdate() {}
    // -109 when the pointer is over the item: it is the one clicked.
    virtual int fOnPointerRelease(int) { return 0; }
    virtual int fOnPointerPress(int) { return 0; }
    virtual int fOnMouseMove() { return 0; }
    virtual void fRefresh() {}

    ZOR::ZS_TRANSFORM3 transform;
};

// Items in a grid of cols x rows per page, one page shown at a time, turned at once or by
// sliding the whole list. A game list derives from it, makes its items from the list's XML
// and reacts to a click on one; the holding window feeds it input, updates and draws it.
// The items are any ZC_BASE objects that answer the messages above.
class gPages
{
public:
    gPages();
    // Deletes the items and the bots of a slide still running.
    virtual ~gPages();
    gPages(const gPages&) = delete;
    gPages& operator=(const gPages&) = delete;

    // The current page and, during a slide, the target page beside it.
    virtual void fDraw();
    // Every item of every page, then the slide; 1.
    virtual int fUpdate();
    // Left or right button: the item of the current page that answers -109 goes to
    // fOnItemClick; 1 then, else 0.
    virtual int fOnPointerRelease(int key);
    // Left or right button: -109 when an item of the current page took it, else 0.
    virtual int fOnPointerPress(int key);
    virtual int fOnMouseMove();
    // Reads the list XML and creates the items; false (nothing changed) when it is missing.
    virtual bool fLoad(const char* resourceName);
    virtual void fRefresh();
    // The items' textures, then the layout.
    virtual void fLoadResources();
    virtual void fUnloadResources();
    virtual void fNextPage();
    virtual void fPrevPage();
    virtual void fSetPosition(float x, float y);
    // The "gEXAMPLE" child of the list XML.
    virtual void fLoadExample(pugi::xml_node) {}
    // Null skips the element without using up an index.
    virtual ZOR::ZC_BASE* fCreateItem(pugi::xml_node element, int index) = 0;
    virtual void fOnItemClick(ZOR::ZC_BASE* item) = 0;
    virtual void fDrawPage(int page);

    void fSetParent(ZOR::ZS_TRANSFORM3* parent) { listTransform.parent = parent; }
    void fSetCols(int value);
    void fSetRows(int value);
    // Both answer for the target page: during a slide, for the page being turned to.
    bool fHasNextPage() const { return targetPage + 1 < pageCount; }
    bool fHasPrevPage() const { return targetPage > 0; }
    // The page grid centred on the list transform's origin; nothing without cols or rows.
    void fLayoutItems();

    // Columns or rows a page may have at most.
    static const int kMaxSide = 1000;

    int fGetTurnType() const { return turnType; }
    float fGetTurnSpeed() const { return turnSpeed; }
    float fGetTurnTime() const { return turnTime; }
    ZOR::ZS_VECTOR2 fGetTurnOffset() const { return turnOffset; }
    const ZOR::ZS_TRANSFORM3& fGetListTransform() const { return listTransform; }
    int fGetCurrentPage() const { return currentPage; }
    int fGetTargetPage() const { return targetPage; }
    int fGetPageCount() const { return pageCount; }
    int fGetPerPage() const { return perPage; }
    int fGetPageWidth() const { return pageWidth; }
    int fGetPageHeight() const { return pageHeight; }
    size_t fGetItemCount() const { return items.fGetCount(); }
    ZOR::ZC_BASE* fGetItem(size_t index) const { return index < items.fGetCount() ? items.objects[index] : nullptr; }
    bool fIsTurning() const { return targetPage != currentPage || !turnBots.fIsEmpty(); }

protected:
    // Index range of a page's items, [first, last); empty for no such page.
    void fPageRange(int page, size_t* first, size_t* last) const;
    void fTurnTo(int page, int direction);
    // One line on stderr about the list file.
    void fReport(const std::string& text) const;

    int turnType = PAGES_MOMENTAL;
    float turnSpeed = 0.0f;
    float turnTime = 0.0f;
    ZOR::ZS_VECTOR2 turnOffset;
    ZOR::ZS_TRANSFORM3 listTransform;
    ZOR::ZC_BOT_CONTAINER items;
    ZOR::ZC_BOT_CONTAINER turnBots;
    int currentPage = 0;
    int targetPage = 0;
    int cols = 0;
    int rows = 0;
    int intervalX = 0;
    int intervalY = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int perPage = 0;
    int pageCount = 0;
    std::string fileName; // the list file, for the log
};
}

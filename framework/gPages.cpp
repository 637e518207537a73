#include "framework/gPages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/bots/ZT_BOT_SLEEP.h"
#include "engine/core/ZC_GEOMETRY.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "framework/G_WINDOW.h"

using namespace ZOR;

namespace ZOR_GF
{
int fParseTurnType(const char* text)
{
    static const char* const kNames[] = {"MOMENTAL", "SLIDE_HORIZONTAL", "SLIDE_VERTICAL", "SLIDE_TO_POINT"};
    for (int i = 0; i < 4; ++i)
        if (text && std::strcmp(text, kNames[i]) == 0)
            return i;
    return PAGES_OTHER;
}

// ---------------------------------------------------------------- G_PAGES_ITEM

G_PAGES_ITEM::G_PAGES_ITEM(pugi::xml_node, int index)
{
    id = index;
}

int G_PAGES_ITEM::fMessage(int message, float x, float y, float, void* data)
{
    switch (message)
    {
    case zcMESSAGE_TICK: fUpdate(); return 0; // never finished: the list keeps its items
    case zcMESSAGE_DRAW: fDraw(); return 0;
    case PAGES_MSG_POSITION: transform.fSetPosition(x, y, 0.0f); return 1;
    case PAGES_MSG_WIDTH: return fGetWidth();
    case PAGES_MSG_HEIGHT: return fGetHeight();
    case PAGES_MSG_OWNER: transform.parent = static_cast<ZS_TRANSFORM3*>(data); return 0;
    case PAGES_MSG_POINTER_PRESS: return fOnPointerPress(fDataAsKey(data));
    case PAGES_MSG_POINTER_RELEASE: return fOnPointerRelease(fDataAsKey(data));
    case PAGES_MSG_MOUSE_MOVE: return fOnMouseMove();
    case PAGES_MSG_LOAD: fLoadResources(); return 1;
    case PAGES_MSG_UNLOAD: fUnloadResources(); return 1;
    case PAGES_MSG_REFRESH: fRefresh(); return 1;
    }
    return 0; // 25 (hot spot) included
}

// ---------------------------------------------------------------- gPages

void gPages::fReport(const std::string& text) const
{
    // The program keeps no log file: what the data got wrong goes to stderr.
    std::fprintf(stderr, "paged list \"%s\": %s\n", fileName.c_str(), text.c_str());
}

gPages::gPages() = default;

gPages::~gPages()
{
    // Game lists hand themselves to window callbacks (a fade that starts a level).
    fForgetCallbackData(this);
    items.fDeleteAll();
    turnBots.fDeleteAll();
}

void gPages::fSetCols(int value)
{
    cols = value;
    perPage = cols > 0 && rows > 0 ? cols * rows : 0;
}

void gPages::fSetRows(int value)
{
    rows = value;
    perPage = cols > 0 && rows > 0 ? cols * rows : 0;
}

void gPages::fSetPosition(float x, float y)
{
    listTransform.fSetPosition(x, y, 0.0f);
}

bool gPages::fLoad(const char* resourceName)
{
    pugi::xml_document* document = zcREPOSITORY && resourceName ? zcREPOSITORY->fGetXml(resourceName) : nullptr;
    if (!document)
        return false;
    fileName = resourceName;
    const pugi::xml_node root = document->document_element();
    // A page of more than kMaxSide columns or rows gives each item less than a pixel or two of
    // any screen: no screen shows it. Held to that, cols x rows and the page arithmetic stay
    // far inside an int. A larger value is refused and the list has no pages.
    const auto side = [this](pugi::xml_attribute a, void (gPages::*set)(int)) {
        const bool shown = a.as_int() <= kMaxSide;
        (this->*set)(shown ? a.as_int() : 0);
        if (!shown)
            fReport(std::string("\"") + a.name() + "\" " + a.value() + " is more than any screen shows (" +
                    std::to_string(kMaxSide) + " at most): it is taken as 0, and the list has no pages");
    };
    if (pugi::xml_attribute a = root.attribute("cols"))
        side(a, &gPages::fSetCols);
    if (pugi::xml_attribute a = root.attribute("rows"))
        side(a, &gPages::fSetRows);
    // A gap beyond any screen would put the next item off it, and overflow the whole pixels
    // the items are placed in.
    const auto gap = [this](pugi::xml_attribute a, int* into) {
        if (fIsPixel(a.as_int()))
            *into = a.as_int();
        else
            fReport(std::string("\"") + a.name() + "\" " + a.value() + " lies beyond any screen: it is left at " +
                    std::to_string(*into));
    };
    if (pugi::xml_attribute a = root.attribute("interval_x"))
        gap(a, &intervalX);
    if (pugi::xml_attribute a = root.attribute("interval_y"))
        gap(a, &intervalY);
    if (pugi::xml_attribute a = root.attribute("turn_type"))
        turnType = fParseTurnType(a.value());
    if (pugi::xml_attribute a = root.attribute("turn_speed"))
        turnSpeed = a.as_float();
    if (pugi::xml_attribute a = root.attribute("turn_time"))
    {
        turnTime = a.as_float();
        turnSpeed = 0.0f;
    }
    if (pugi::xml_attribute a = root.attribute("turn_offset"))
        turnOffset.fParse(a.value());
    else
    {
        // One screen apart.
        const ZS_POINT resolution = ZC_GAME::fGetGame()->resolution;
        turnOffset = ZS_VECTOR2(float(resolution.x), float(resolution.y));
    }

    int index = 0;
    pugi::xml_node example;
    for (pugi::xml_node child : root.children())
    {
        if (child.type() != pugi::node_element)
            continue;
        if (std::strcmp(child.name(), "gEXAMPLE") == 0)
        {
            if (!example)
                example = child;
            continue;
        }
        ZC_BASE* item = fCreateItem(child, index);
        if (!item)
            continue;
        item->key = -float(index);
        item->fMessage(PAGES_MSG_OWNER, 0.0f, 0.0f, 0.0f, &listTransform);
        items.fAdd(item);
        ++index;
    }
    if (example)
        fLoadExample(example);
    if (perPage > 0)
        pageCount = int((items.fGetCount() + size_t(perPage) - 1) / size_t(perPage));
    zcREPOSITORY->fReleaseXml(document);
    fRefresh();
    return true;
}

void gPages::fRefresh()
{
    items.fBroadcast(PAGES_MSG_REFRESH, 0.0f, 0.0f, 0.0f, nullptr);
}

void gPages::fLoadResources()
{
    items.fBroadcast(PAGES_MSG_LOAD, 0.0f, 0.0f, 0.0f, nullptr);
    fLayoutItems();
}

void gPages::fUnloadResources()
{
    items.fBroadcast(PAGES_MSG_UNLOAD, 0.0f, 0.0f, 0.0f, nullptr);
}

int gPages::fOnMouseMove()
{
    items.fBroadcast(PAGES_MSG_MOUSE_MOVE, 0.0f, 0.0f, 0.0f, nullptr);
    return 0;
}

void gPages::fLayoutItems()
{
    // Without columns or rows there is no grid (and nothing to divide by).
    if (items.fIsEmpty() || cols <= 0 || rows <= 0)
        return;
    ZC_BASE* first = items.objects[0];
    // The items' size is theirs to tell: the page is worked out wide enough for any of it.
    const int64_t w = first->fMessage(PAGES_MSG_WIDTH, 0.0f, 0.0f, 0.0f, nullptr);
    const int64_t h = first->fMessage(PAGES_MSG_HEIGHT, 0.0f, 0.0f, 0.0f, nullptr);
    const int64_t width = w * cols + int64_t(cols - 1) * intervalX;
    const int64_t height = h * rows + int64_t(rows - 1) * intervalY;
    if (width < -int64_t(kPixelLimit) || width > int64_t(kPixelLimit) || height < -int64_t(kPixelLimit) ||
        height > int64_t(kPixelLimit))
    {
        fReport("a page of " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels is larger than any screen: its items are not laid out");
        return;
    }
    pageWidth = int(width);
    pageHeight = int(height);
    const int64_t x0 = w / 2 - pageWidth / 2;
    const int64_t y0 = h / 2 - pageHeight / 2;
    for (size_t j = 0; j < items.fGetCount(); ++j)
    {
        const int64_t col = int64_t(j % size_t(cols));
        const int64_t row = int64_t((j / size_t(cols)) % size_t(rows));
        ZC_BASE* item = items.objects[j];
        item->fMessage(PAGES_MSG_POSITION, float(x0 + col * (w + intervalX)), float(y0 + row * (h + intervalY)),
                       0.0f, nullptr);
        item->fMessage(PAGES_MSG_HOT_SPOT, 0.0f, 0.0f, 0.0f, fKeyAsData(4));
    }
}

void gPages::fPageRange(int page, size_t* first, size_t* last) const
{
    *first = *last = 0;
    if (perPage <= 0 || page < 0)
        return;
    const size_t start = size_t(page) * size_t(perPage);
    if (start >= items.fGetCount())
        return;
    *first = start;
    *last = std::min(items.fGetCount(), start + size_t(perPage));
}

void gPages::fDrawPage(int page)
{
    size_t first, last;
    fPageRange(page, &first, &last);
    for (size_t i = first; i < last && i < items.fGetCount(); ++i)
        items.objects[i]->fMessage(zcMESSAGE_DRAW, 0.0f, 0.0f, 0.0f, nullptr);
}

void gPages::fDraw()
{
    fDrawPage(currentPage);
    if (targetPage == currentPage)
        return;
    const float s = targetPage < currentPage ? -1.0f : 1.0f;
    float dx = 0.0f, dy = 0.0f;
    switch (turnType)
    {
    case PAGES_SLIDE_HORIZONTAL: dx = s * turnOffset.x; break;
    case PAGES_SLIDE_VERTICAL: dy = s * turnOffset.y; break;
    case PAGES_SLIDE_TO_POINT: dx = s * turnOffset.x; dy = s * turnOffset.y; break;
    default: return;
    }
    listTransform.fMoveXY(dx, dy);
    fDrawPage(targetPage);
    listTransform.fMoveXY(-dx, -dy);
}

int gPages::fUpdate()
{
    items.fUpdate();
    turnBots.fUpdate();
    return 1;
}

int gPages::fOnPointerPress(int key)
{
    if (key != 1 && key != 2)
        return 0;
    size_t first, last;
    fPageRange(currentPage, &first, &last);
    for (size_t i = first; i < last && i < items.fGetCount(); ++i)
        if (items.objects[i]->fMessage(PAGES_MSG_POINTER_PRESS, 0.0f, 0.0f, 0.0f, fKeyAsData(key)) == zcANSWER_TAKEN)
            return zcANSWER_TAKEN;
    return 0;
}

int gPages::fOnPointerRelease(int key)
{
    if (key != 1 && key != 2)
        return 0;
    size_t first, last;
    fPageRange(currentPage, &first, &last);
    for (size_t i = first; i < last && i < items.fGetCount(); ++i)
    {
        ZC_BASE* item = items.objects[i];
        if (item->fMessage(PAGES_MSG_POINTER_RELEASE, 0.0f, 0.0f, 0.0f, fKeyAsData(key)) == zcANSWER_TAKEN)
        {
            fOnItemClick(item);
            return 1;
        }
    }
    return 0;
}

void gPages::fNextPage()
{
    fTurnTo(currentPage + 1, 1);
}

void gPages::fPrevPage()
{
    fTurnTo(currentPage - 1, -1);
}

void gPages::fTurnTo(int n, int direction)
{
    if (targetPage != currentPage || !turnBots.fIsEmpty() || turnType > PAGES_OTHER)
        return;
    const bool slides =
        turnType == PAGES_SLIDE_HORIZONTAL || turnType == PAGES_SLIDE_VERTICAL || turnType == PAGES_SLIDE_TO_POINT;
    if (!slides)
    {
        // At once, held to the pages there are (and to page 0 when there are none).
        if (direction > 0)
            currentPage = std::max(0, std::min(n, pageCount - 1));
        else
            currentPage = std::max(n, 0);
        targetPage = currentPage;
        return;
    }
    if (n < 0 || n >= pageCount)
        return;
    // The list moves away from the page it leaves: left (up) for the next page.
    const float sign = direction > 0 ? -1.0f : 1.0f;
    float dx = 0.0f, dy = 0.0f;
    if (turnType != PAGES_SLIDE_VERTICAL)
        dx = sign * turnOffset.x;
    if (turnType != PAGES_SLIDE_HORIZONTAL)
        dy = sign * turnOffset.y;
    const float distance = std::sqrt(dx * dx + dy * dy);
    float duration = 0.0f;
    if (turnTime > 0.0f)
        duration = turnTime;
    else if (turnSpeed > 0.0f)
        duration = distance / turnSpeed;
    if (!(duration > 0.0f))
    {
        // No time and no speed (or no distance): a slide would never end, so turn at once.
        currentPage = targetPage = n;
        return;
    }
    targetPage = n;
    ZC_BOT_MOVE_ON* move = fCreateBotMoveOn(&listTransform, duration, 0.0f, dx, dy, 0.0f, 0.0f);
    // Kept in front of the two delayed stores (same key, so no re-sort): in the frame in which
    // they snap the list back, the move has made its last step already.
    move->key = zcBOT_KEY;
    turnBots.fAdd(move);
    turnBots.fAdd(new ZT_BOT_SLEEP<int>(&currentPage, n, duration));
    turnBots.fAdd(new ZT_BOT_SLEEP<ZS_TRANSFORM3>(&listTransform, listTransform, duration));
}
}

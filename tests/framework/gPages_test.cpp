// Paged lists and the page indicator: items laid out over pages, turns at once and by sliding,
// clicks on the current page's items, a list screen turned by its arrows and by keys, and the
// dots under a list as drawn.
#include "ZT_WINDOWS.h"

#include <cmath>
#include <functional>

#include "framework/G_PAGE_INDICATOR.h"
#include "framework/gPages.h"

using namespace ZT_WIN;

namespace
{
// A tile of "w" x "h" (100 x 80 unless given) that records what the list asks of it.
struct ZT_TILE : G_PAGES_ITEM
{
    ZT_TILE(pugi::xml_node e, int index)
        : G_PAGES_ITEM(e, index), w(e.attribute("w").as_int(100)), h(e.attribute("h").as_int(80))
    {
    }
    int fGetWidth() override { return w; }
    int fGetHeight() override { return h; }
    void fLoadResources() override { ++loads; }
    void fUnloadResources() override { --loads; }
    void fDraw() override { drawnAt.push_back(fWorld()); }
    void fUpdate() override { ++ticks; }
    int fOnPointerPress(int key) override
    {
        presses.push_back(key);
        return fUnderPointer() ? zcANSWER_TAKEN : 0;
    }
    int fOnPointerRelease(int) override { return fUnderPointer() ? zcANSWER_TAKEN : 0; }

    ZS_VECTOR2 fWorld() const
    {
        const ZS_TRANSFORM3 t = transform.fCompose();
        return {t.position.x, t.position.y};
    }
    bool fUnderPointer() const
    {
        const ZS_VECTOR2 c = fWorld();
        return zcMOUSE_POSITION && std::abs(zcMOUSE_POSITION->x - c.x) <= w / 2 &&
               std::abs(zcMOUSE_POSITION->y - c.y) <= h / 2;
    }

    int w, h, loads = 0, ticks = 0;
    std::vector<ZS_VECTOR2> drawnAt;
    std::vector<int> presses;
};

// Tiles from every element but "skip"; clicks and the example are recorded.
struct ZT_LIST : gPages
{
    ZC_BASE* fCreateItem(pugi::xml_node element, int index) override
    {
        return std::string(element.name()) == "skip" ? nullptr : new ZT_TILE(element, index);
    }
    void fOnItemClick(ZC_BASE* item) override { clicked.push_back(item->id); }
    void fLoadExample(pugi::xml_node e) override { example = e.attribute("note").value(); }

    void fSetTurn(int type, float speed, float time)
    {
        turnType = type;
        turnSpeed = speed;
        turnTime = time;
    }
    ZT_TILE* fTile(size_t i) const { return static_cast<ZT_TILE*>(fGetItem(i)); }
    // Every drawn position, in order, and forgets them.
    std::vector<std::pair<int, ZS_VECTOR2>> fTakeDraws()
    {
        std::vector<std::pair<int, ZS_VECTOR2>> draws;
        for (size_t i = 0; i < fGetItemCount(); ++i)
        {
            for (const ZS_VECTOR2& p : fTile(i)->drawnAt)
                draws.emplace_back(int(i), p);
            fTile(i)->drawnAt.clear();
        }
        return draws;
    }

    std::vector<int> clicked;
    std::string example;
};

// A list screen as the game's windows hold one: arrows 10 and 11, Left and Right keys, presses
// and releases that its widgets do not take go to the list, the dots follow the page.
class ZT_LIST_WINDOW : public G_WINDOW
{
public:
    explicit ZT_LIST_WINDOW(pugi::xml_node e) : G_WINDOW(e), dots(e.child("DOTS"))
    {
        list.fSetParent(fGetTransform());
        list.fLoad(e.child("LIST").attribute("file").value());
        dots.fSetParent(fGetTransform());
        dots.fSetCount(unsigned(list.fGetPageCount()));
    }
    void fOnGuiEvent(int id) override { fTurn(id == 11 ? 1 : id == 10 ? -1 : 0); }
    const ZS_GUI_EVENT* fOnKeyDown(int key) override
    {
        const ZS_GUI_EVENT* e = G_WINDOW::fOnKeyDown(key);
        if (!e && key == 37)
            fTurn(-1);
        else if (!e && key == 39)
            fTurn(1);
        else if (!e)
            list.fOnPointerPress(key);
        return e;
    }
    const ZS_GUI_EVENT* fOnKeyUp(int key) override
    {
        const ZS_GUI_EVENT* e = G_WINDOW::fOnKeyUp(key);
        if (!e)
            list.fOnPointerRelease(key);
        return e;
    }
    void fUpdateContent() override { list.fUpdate(); }
    void fDrawContent() override
    {
        list.fDraw();
        dots.fDraw();
    }
    void fLoadResources() override
    {
        list.fLoadResources();
        dots.fLoadTexture();
    }
    void fUnloadResources() override
    {
        list.fUnloadResources();
        dots.fUnloadTexture();
    }

    ZT_LIST list;
    G_PAGE_INDICATOR dots;

private:
    void fTurn(int direction)
    {
        if (direction > 0 && list.fHasNextPage())
        {
            list.fNextPage();
            dots.fNext();
        }
        else if (direction < 0 && list.fHasPrevPage())
        {
            list.fPrevPage();
            dots.fPrev();
        }
    }
};

G_WINDOW* fListFactory(pugi::xml_document* document)
{
    if (std::string(document->document_element().attribute("_type").value()) == "LIST")
        return new ZT_LIST_WINDOW(document->document_element());
    return fTestFactory(document);
}

struct Pages : ZT_WINDOWS
{
    void SetUp() override
    {
        // The dots: the current page's look red, the others' green, 16 x 16 each.
        std::filesystem::create_directories(fFolder());
        ZT_GUI::fWritePng(fFolder() + "dots.png", 32, 16, [](int x, int) { return x < 16 ? ZT_GUI::kRed : ZT_GUI::kGreen; });
        ZT_WINDOWS::SetUp();
    }
    void fDrawFrame(const std::function<void()>& draw)
    {
        ASSERT_EQ(1, render->fBeginFrame());
        draw();
        ASSERT_EQ(0, render->fEndFrame());
    }
};
}

TEST_F(Pages, ItemsAreLaidOutOverPagesCentredOnTheList)
{
    ZT_LIST list;
    ASSERT_TRUE(list.fLoad("pages_seven.xml"));
    EXPECT_EQ(list.fGetItemCount(), 7u) << "ten children: two skipped, one example";
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(list.fTile(i)->id, int(i)) << "a skipped element uses no index";
    EXPECT_EQ(list.example, "shown to fLoadExample");
    EXPECT_EQ(list.fGetPerPage(), 6);
    EXPECT_EQ(list.fGetPageCount(), 2);
    EXPECT_EQ(list.fGetTurnType(), PAGES_SLIDE_HORIZONTAL);
    EXPECT_EQ(list.fGetTurnSpeed(), 1000.0f);
    EXPECT_EQ(list.fGetTurnOffset().x, 800.0f);

    list.fSetPosition(512, 384);
    list.fLoadResources();
    EXPECT_EQ(list.fTile(6)->loads, 1) << "every page loads";
    EXPECT_EQ(list.fGetPageWidth(), 320);
    EXPECT_EQ(list.fGetPageHeight(), 180);
    const ZS_VECTOR2 centres[7] = {{-110, -50}, {0, -50}, {110, -50}, {-110, 50}, {0, 50}, {110, 50}, {-110, -50}};
    for (size_t i = 0; i < 7; ++i)
    {
        EXPECT_EQ(list.fTile(i)->transform.position.x, centres[i].x) << i;
        EXPECT_EQ(list.fTile(i)->transform.position.y, centres[i].y) << i;
    }

    list.fDraw();
    EXPECT_EQ(list.fTakeDraws().size(), 6u);
    list.fUpdate();
    EXPECT_EQ(list.fTile(6)->ticks, 1) << "items of every page tick";

    // Page 1 by a slide: only the seventh item, where the first of page 0 is.
    list.fNextPage();
    for (int i = 0; i < 7; ++i)
        list.fUpdate();
    ASSERT_EQ(list.fGetCurrentPage(), 1);
    list.fDraw();
    const auto draws = list.fTakeDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].first, 6);
    EXPECT_EQ(draws[0].second.x, 402.0f);
    EXPECT_EQ(draws[0].second.y, 334.0f);
    list.fUnloadResources();
    EXPECT_EQ(list.fTile(0)->loads, 0);
}

TEST_F(Pages, SlidesMoveTheListOnePageAndSwitchWhenTheirTimeIsUp)
{
    const struct
    {
        const char* name;
        int type;
        float speed, time;
        float frame;
        int probeFrame;      // where the list is checked during the slide
        ZS_VECTOR2 shifted;  // and how far it has moved by then
        int lastFrameBefore; // the last frame still on page 0
    } cases[] = {
        // 800 x 600 between pages at 1000 pixels a second: 0.8 s, 0.6 s, and 1 s for the
        // diagonal of 1000.
        {"horizontal", PAGES_SLIDE_HORIZONTAL, 1000, 0, 0.05f, 8, {-400, 0}, 15},
        {"vertical", PAGES_SLIDE_VERTICAL, 1000, 0, 0.05f, 6, {0, -300}, 11},
        {"to point", PAGES_SLIDE_TO_POINT, 1000, 0, 0.05f, 10, {-400, -300}, 19},
        {"timed", PAGES_SLIDE_HORIZONTAL, 0, 0.5f, 0.05f, 5, {-400, 0}, 9},
        // The time runs out exactly in the fourth frame, in which the move takes its last
        // step and the list snaps back.
        {"timed, whole frames", PAGES_SLIDE_HORIZONTAL, 0, 0.5f, 0.125f, 2, {-400, 0}, 3},
    };
    for (const auto& c : cases)
    {
        zcFRAME_DELTA = c.frame;
        ZT_LIST list;
        ASSERT_TRUE(list.fLoad("pages_seven.xml"));
        list.fSetTurn(c.type, c.speed, c.time);
        list.fSetPosition(512, 384);
        list.fLoadResources();
        list.fNextPage();
        EXPECT_EQ(list.fGetTargetPage(), 1) << c.name;
        EXPECT_FALSE(list.fHasNextPage()) << c.name << ": answers for the page being turned to";
        EXPECT_TRUE(list.fHasPrevPage()) << c.name;
        for (int frame = 1; frame <= c.probeFrame; ++frame)
            list.fUpdate();
        const ZS_VECTOR2 at = list.fGetListTransform().fGetPositionXY();
        EXPECT_NEAR(at.x - 512, c.shifted.x, 1.0) << c.name;
        EXPECT_NEAR(at.y - 384, c.shifted.y, 1.0) << c.name;

        // Both pages are drawn: the target one page away, sliding into the current one's place.
        list.fDraw();
        for (const auto& d : list.fTakeDraws())
        {
            const float pageShift = d.first == 6 ? 1.0f : 0.0f;
            const ZS_VECTOR2 expected = {
                at.x + list.fTile(d.first)->transform.position.x +
                    (c.type == PAGES_SLIDE_VERTICAL ? 0.0f : pageShift * 800),
                at.y + list.fTile(d.first)->transform.position.y +
                    (c.type == PAGES_SLIDE_HORIZONTAL ? 0.0f : pageShift * 600)};
            EXPECT_NEAR(d.second.x, expected.x, 0.01) << c.name << " item " << d.first;
            EXPECT_NEAR(d.second.y, expected.y, 0.01) << c.name << " item " << d.first;
        }

        list.fNextPage(); // ignored while the slide runs
        list.fPrevPage();
        EXPECT_EQ(list.fGetTargetPage(), 1) << c.name;
        for (int frame = c.probeFrame + 1; frame <= c.lastFrameBefore; ++frame)
            list.fUpdate();
        EXPECT_EQ(list.fGetCurrentPage(), 0) << c.name;
        list.fUpdate();
        list.fUpdate();
        EXPECT_EQ(list.fGetCurrentPage(), 1) << c.name;
        EXPECT_EQ(list.fGetListTransform().fGetPositionXY().x, 512.0f) << c.name << ": back in place";
        EXPECT_EQ(list.fGetListTransform().fGetPositionXY().y, 384.0f) << c.name;
        list.fUpdate();
        EXPECT_FALSE(list.fIsTurning()) << c.name;
        EXPECT_EQ(list.fGetListTransform().fGetPositionXY().x, 512.0f) << c.name << ": no step after the snap";

        list.fNextPage(); // the last page: a slide has nowhere to go
        EXPECT_EQ(list.fGetTargetPage(), 1) << c.name;
    }
}

TEST_F(Pages, TurnsAtOnce)
{
    const struct
    {
        const char* name;
        int type;
        float speed, time;
    } cases[] = {
        {"momental", PAGES_MOMENTAL, 1000, 0},
        {"any other type", PAGES_OTHER, 1000, 0},
        // A slide with neither time nor speed would never arrive.
        {"slide without speed or time", PAGES_SLIDE_HORIZONTAL, 0, 0},
        {"slide with a negative time", PAGES_SLIDE_VERTICAL, 0, -1},
    };
    for (const auto& c : cases)
    {
        ZT_LIST list;
        ASSERT_TRUE(list.fLoad("pages_seven.xml"));
        list.fSetTurn(c.type, c.speed, c.time);
        list.fNextPage();
        EXPECT_EQ(list.fGetCurrentPage(), 1) << c.name;
        EXPECT_FALSE(list.fIsTurning()) << c.name;
        list.fNextPage();
        EXPECT_EQ(list.fGetCurrentPage(), 1) << c.name << ": the last page stays";
        list.fPrevPage();
        list.fPrevPage();
        EXPECT_EQ(list.fGetCurrentPage(), 0) << c.name;
    }

    ZT_LIST timed;
    ASSERT_TRUE(timed.fLoad("pages_timed.xml"));
    EXPECT_EQ(timed.fGetTurnTime(), 0.5f);
    EXPECT_EQ(timed.fGetTurnSpeed(), 0.0f) << "a turn time clears the speed";
    EXPECT_EQ(timed.fGetTurnOffset().x, 0.0f) << "one number leaves the offset";
    ZT_LIST flat;
    ASSERT_TRUE(flat.fLoad("pages_flat.xml"));
    EXPECT_EQ(flat.fGetTurnOffset().x, 1024.0f) << "one screen apart by default";
    EXPECT_EQ(flat.fGetTurnOffset().y, 768.0f);
}

TEST_F(Pages, WithoutColumnsOrRowsThereIsNoPage)
{
    ZT_LIST flat;
    ASSERT_TRUE(flat.fLoad("pages_flat.xml"));
    EXPECT_EQ(flat.fGetItemCount(), 3u);
    EXPECT_EQ(flat.fGetPageCount(), 0);
    flat.fLoadResources(); // no grid to divide
    EXPECT_EQ(flat.fTile(1)->transform.position.x, 0.0f);
    flat.fDraw();
    EXPECT_TRUE(flat.fTakeDraws().empty());
    EXPECT_EQ(flat.fOnPointerPress(1), 0);
    EXPECT_TRUE(flat.fTile(0)->presses.empty());
    flat.fNextPage();
    EXPECT_EQ(flat.fGetCurrentPage(), 0) << "no page to turn to, and never page -1";
    EXPECT_FALSE(flat.fHasNextPage());

    ZT_LIST list;
    ASSERT_TRUE(list.fLoad("pages_seven.xml"));
    list.fSetRows(0);
    EXPECT_EQ(list.fGetPerPage(), 0);
    list.fLoadResources();
    EXPECT_FALSE(list.fLoad("no_list.xml"));
}

TEST_F(Pages, OnlyTheCurrentPagesItemsHearTheLeftAndRightButtons)
{
    ZT_LIST list;
    ASSERT_TRUE(list.fLoad("pages_seven.xml"));
    list.fSetPosition(512, 384);
    list.fLoadResources();
    input->fOnMouseMove(512, 334); // over item 1
    EXPECT_EQ(list.fOnPointerPress(4), 0);
    EXPECT_TRUE(list.fTile(0)->presses.empty()) << "the middle button never reaches the items";
    EXPECT_EQ(list.fOnPointerPress(2), zcANSWER_TAKEN);
    EXPECT_EQ(list.fTile(0)->presses, std::vector<int>{2});
    EXPECT_TRUE(list.fTile(2)->presses.empty()) << "the pass ends at the item that took it";
    EXPECT_EQ(list.fOnPointerRelease(1), 1);
    EXPECT_EQ(list.clicked, std::vector<int>{1});
    input->fOnMouseMove(0, 0);
    EXPECT_EQ(list.fOnPointerRelease(1), 0);
    EXPECT_TRUE(list.fTile(6)->presses.empty()) << "page 1 is not asked";
}

TEST_F(Pages, AListScreenTurnsByItsArrowsAndKeysAndItsDotsFollow)
{
    manager = std::make_unique<G_WINDOW_MANAGER>(fListFactory);
    fLoadScenes("scenes_list.xml");
    auto* screen = fWindow<ZT_LIST_WINDOW>("Tiles");
    ASSERT_NE(screen, nullptr);
    manager->fShowWindow("Tiles", false);
    fFrames(1);
    EXPECT_EQ(screen->dots.fGetCount(), 2u);
    // The dots about (512, 584): [496, 512) and [512, 528).
    auto dotColours = [&] {
        fDrawFrame([&] { manager->fDraw(); });
        return std::make_pair(fPixel(504, 584) | 0xFF000000u, fPixel(520, 584) | 0xFF000000u);
    };
    EXPECT_EQ(dotColours(), std::make_pair(ZT_GUI::kRed, ZT_GUI::kGreen));

    const struct
    {
        const char* how;
        int key;             // 0: click the arrow
        int arrowX;
        int page;
    } steps[] = {
        {"next arrow", 0, 812, 1},
        {"next arrow on the last page", 0, 812, 1},
        {"Left key", 37, 0, 0},
        {"Right key", 39, 0, 1},
    };
    for (const auto& s : steps)
    {
        fPointer(0, 0);
        if (s.key)
        {
            fPress(s.key);
            fRelease(s.key);
        }
        else
            fClickAt(s.arrowX, 384);
        fFrames(7); // 0.8 s
        EXPECT_EQ(screen->list.fGetCurrentPage(), s.page) << s.how;
        EXPECT_EQ(dotColours(), s.page == 0 ? std::make_pair(ZT_GUI::kRed, ZT_GUI::kGreen)
                                            : std::make_pair(ZT_GUI::kGreen, ZT_GUI::kRed))
            << s.how;
    }
    fSaveFrame("list_screen_page_1");

    // On page 1 the seventh tile sits where the first one was; the second's place is empty.
    fClickAt(512, 334);
    EXPECT_TRUE(screen->list.clicked.empty());
    fClickAt(402, 334);
    EXPECT_EQ(screen->list.clicked, std::vector<int>{6});
}

TEST_F(Pages, TheIndicatorDrawsOneDotAPage)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(R"(<dots file="dots.png"><TRANSFORM>400 700 0 0 0 0 0 0 0 1 1 1</TRANSFORM></dots>)"));
    G_PAGE_INDICATOR dots(document.document_element());
    dots.fLoadTexture();
    EXPECT_EQ(dots.fGetDot().fGetWidth(), 16.0f);
    EXPECT_EQ(dots.fGetDot().fGetHeight(), 16.0f);

    const struct
    {
        unsigned count;
        int current;
        std::vector<int> lefts; // left edge of each dot
    } cases[] = {
        {4, 2, {368, 384, 400, 416}},
        {3, 0, {384, 400, 416}},
        {1, 0, {}},
    };
    for (const auto& c : cases)
    {
        dots.fSetCount(c.count);
        while (dots.fGetCurrent() < c.current)
            dots.fNext();
        while (dots.fGetCurrent() > c.current)
            dots.fPrev();
        fDrawFrame([&] { dots.fDraw(); });
        for (size_t i = 0; i < c.lefts.size(); ++i)
        {
            const uint32_t look = int(i) == c.current ? ZT_GUI::kRed : ZT_GUI::kGreen;
            EXPECT_TRUE(fShows(c.lefts[i] + 2, 700, look)) << c.count << " dots, dot " << i;
            EXPECT_TRUE(fShows(c.lefts[i] + 13, 693, look)) << c.count << " dots, dot " << i;
        }
        const int before = c.lefts.empty() ? 392 : c.lefts.front() - 2;
        const int after = c.lefts.empty() ? 408 : c.lefts.back() + 18;
        EXPECT_TRUE(fShows(before, 700, ZT_GUI::kBlack)) << c.count;
        EXPECT_TRUE(fShows(after, 700, ZT_GUI::kBlack)) << c.count;
        EXPECT_TRUE(fShows(c.lefts.empty() ? 400 : c.lefts.front() + 2, 690, ZT_GUI::kBlack)) << "16 high about y 700";
    }

    dots.fSetCount(3);
    EXPECT_EQ(dots.fNext(), 1);
    EXPECT_EQ(dots.fNext(), 2);
    EXPECT_EQ(dots.fNext(), 2) << "the last dot stays";
    dots.fSetCount(0);
    EXPECT_EQ(dots.fPrev(), 1);
    EXPECT_EQ(dots.fPrev(), 0);
    EXPECT_EQ(dots.fPrev(), 0) << "the first dot stays";
    EXPECT_EQ(dots.fNext(), 0) << "no dots, no next one";
    dots.fUnloadTexture();
}

// A game list hands itself to window callbacks (the fade that starts a level); a list that goes
// leaves none of them behind.
TEST_F(Pages, AListThatGoesLeavesNoCallbackCarryingIt)
{
    static int calls = 0;
    calls = 0;
    fLoadScenes();
    auto list = std::make_unique<ZT_LIST>();
    manager->fShowWindow("Five_A", false)->fSetEventCallback(WE_SHOWN, list.get(), [](void*) { ++calls; });
    list.reset();
    fFrames(1);
    EXPECT_TRUE(manager->fIsWindowOpen("Five_A"));
    EXPECT_EQ(calls, 0);
}

// What no screen can show is refused with a line naming the list file and the value, and
// nothing overflows: a grid too large has no pages, far gaps stay 0, a page of tiles wider
// than any screen is not laid out.
TEST_F(Pages, ValuesNoScreenShowsAreRefusedWithALogLine)
{
    const struct
    {
        const char* file;
        int perPage, pageCount, pageWidth;
        const char* logged;
    } cases[] = {
        {"pages_far_grid.xml", 0, 0, 0, "\"cols\" 70000 is more than any screen shows (1000 at most)"},
        {"pages_far_gaps.xml", 6, 1, 300, "\"interval_x\" 2000000000 lies beyond any screen: it is left at 0"},
        {"pages_far_tiles.xml", 2, 1, 0, "a page of 4000000000 x 80 pixels is larger than any screen"},
    };
    for (const auto& c : cases)
    {
        ZT_LIST list;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(list.fLoad(c.file)) << c.file;
        list.fLoadResources();
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(list.fGetPerPage(), c.perPage) << c.file;
        EXPECT_EQ(list.fGetPageCount(), c.pageCount) << c.file;
        EXPECT_EQ(list.fGetPageWidth(), c.pageWidth) << c.file;
        EXPECT_NE(log.find(std::string("paged list \"") + c.file + "\": " + c.logged), std::string::npos)
            << c.file << ": " << log;
        list.fDraw();
        EXPECT_EQ(list.fTakeDraws().size(), size_t(c.perPage > 0 ? list.fGetItemCount() : 0)) << c.file;
    }
}

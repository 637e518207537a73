#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

using namespace ZOR;

namespace
{
// A widget that answers each walk with a code set by the test and logs who was asked.
struct ZT_PROBE : ZC_GUI_OBJECT
{
    std::vector<std::string>* log;
    int* deletions;
    int updateCode = 0, downCode = 0, upCode = 0, moveCode = 0;

    ZT_PROBE(int id, std::vector<std::string>* alog, int* adeletions)
        : ZC_GUI_OBJECT(id), log(alog), deletions(adeletions) {}
    ~ZT_PROBE() override { ++*deletions; }

    ZS_GUI_EVENT* fAnswer(const char* what, int code)
    {
        log->push_back(what + std::to_string(fGetId()));
        return fReport(code);
    }
    ZS_GUI_EVENT* fUpdate() override { return fAnswer("u", updateCode); }
    ZS_GUI_EVENT* fOnKeyDown() override { return fAnswer("d", downCode); }
    ZS_GUI_EVENT* fOnKeyUp() override { return fAnswer("k", upCode); }
    ZS_GUI_EVENT* fOnMouseMove() override { return fAnswer("m", moveCode); }
    void fDraw() override { log->push_back("draw" + std::to_string(fGetId())); }
    void fFire(CALLBACK_KIND kind) { fFireCallback(kind); }
};

class GuiTree : public ::testing::Test
{
protected:
    std::vector<std::string> log;
    int deletions = 0;
    ZC_GUI* gui = new ZC_GUI;

    void TearDown() override { delete gui; }

    ZT_PROBE* fMake(int id, ZC_GUI_OBJECT* parent = nullptr)
    {
        ZT_PROBE* p = new ZT_PROBE(id, &log, &deletions);
        if (parent)
            parent->fAddChild(p);
        else
            gui->fAdd(p);
        return p;
    }
};
}

TEST_F(GuiTree, KeyWalksStopAtTheFirstReportAndPointerWalksReachEveryWidget)
{
    ZT_PROBE* a = fMake(1);
    ZT_PROBE* a1 = fMake(11, a);
    ZT_PROBE* a2 = fMake(12, a);
    ZT_PROBE* b = fMake(2);
    // A parent is asked only when none of its children reports.
    a->downCode = a->moveCode = GUI_EVENT_ENTER;
    a2->downCode = a2->moveCode = GUI_EVENT_ENTER;
    b->downCode = b->moveCode = GUI_EVENT_ENTER;

    ZS_GUI_EVENT* e = gui->fOnKeyDown();
    ASSERT_EQ(e, a2->fGetEvent());
    EXPECT_EQ(gui->fGetEventId(), 12);
    EXPECT_EQ(log, (std::vector<std::string>{"d11", "d12"}));

    // A pointer move goes on past a report that activates nothing, so that one move can leave
    // one widget and enter the next; the first report is the walk's.
    log.clear();
    e = gui->fOnMouseMove();
    ASSERT_EQ(e, a2->fGetEvent());
    EXPECT_EQ(gui->fGetEventCode(), GUI_EVENT_ENTER);
    EXPECT_EQ(log, (std::vector<std::string>{"m11", "m12", "m2"}));

    log.clear();
    a2->moveCode = 0;
    EXPECT_EQ(gui->fOnMouseMove(), a->fGetEvent());
    EXPECT_EQ(log, (std::vector<std::string>{"m11", "m12", "m1", "m2"}));

    // An activating report still ends a pointer walk.
    log.clear();
    a->moveCode = GUI_EVENT_DOWN;
    EXPECT_EQ(gui->fOnMouseMove(), a->fGetEvent());
    EXPECT_EQ(log, (std::vector<std::string>{"m11", "m12", "m1"}));

    log.clear();
    a->moveCode = 0;
    b->moveCode = 0;
    EXPECT_EQ(gui->fOnMouseMove(), nullptr);
    EXPECT_EQ(gui->fGetEventId(), 0);
    EXPECT_EQ(gui->fGetEventCode(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"m11", "m12", "m1", "m2"}));
    (void)a1;
}

TEST_F(GuiTree, ActivatingCodesMarkTheAncestorsAndClearTheOtherSubtrees)
{
    // group > {first (with a child), second, third}; a sibling subtree beside the group.
    ZT_PROBE* other = fMake(9);
    ZT_PROBE* group = fMake(1);
    ZT_PROBE* first = fMake(10, group);
    ZT_PROBE* firstChild = fMake(100, first);
    ZT_PROBE* second = fMake(20, group);
    ZT_PROBE* third = fMake(30, group);
    auto fAllActive = [&] {
        for (ZT_PROBE* p : {other, group, first, firstChild, second, third})
            p->fSetActive(true);
        gui->fGetRoot()->fSetActive(false);
        group->fSetActive(false);
    };

    // Key walks: every sibling of the reporter on every level loses its flag.
    fAllActive();
    second->downCode = GUI_EVENT_DOWN;
    ASSERT_EQ(gui->fOnKeyDown(), second->fGetEvent());
    EXPECT_TRUE(group->fIsActive());
    EXPECT_TRUE(gui->fGetRoot()->fIsActive());
    EXPECT_FALSE(first->fIsActive());
    EXPECT_FALSE(firstChild->fIsActive());
    EXPECT_FALSE(third->fIsActive());
    EXPECT_FALSE(other->fIsActive());
    EXPECT_TRUE(second->fIsActive()); // the reporter's own flag is its own business

    // The update walk clears only the siblings before the reporter.
    fAllActive();
    second->updateCode = GUI_EVENT_CLICK;
    ASSERT_EQ(gui->fUpdate(), second->fGetEvent());
    EXPECT_TRUE(group->fIsActive());
    EXPECT_FALSE(first->fIsActive());
    EXPECT_FALSE(firstChild->fIsActive());
    EXPECT_TRUE(third->fIsActive());
    EXPECT_FALSE(other->fIsActive());

    // Codes 2 and 11 activate as well; 3, 4, 9 and 10 leave every flag alone.
    for (int code : {2, 11, 3, 4, 9, 10})
    {
        fAllActive();
        second->upCode = code;
        ASSERT_EQ(gui->fOnKeyUp(), second->fGetEvent()) << code;
        const bool activating = code == 2 || code == 11;
        EXPECT_EQ(group->fIsActive(), activating) << code;
        EXPECT_EQ(third->fIsActive(), !activating) << code;
    }
}

TEST_F(GuiTree, DisabledSubtreesSeeNoWalkButAreDrawnAndHiddenOnesTakeInput)
{
    ZT_PROBE* disabled = fMake(1);
    ZT_PROBE* disabledChild = fMake(11, disabled);
    ZT_PROBE* hidden = fMake(2);
    ZT_PROBE* hiddenChild = fMake(21, hidden);
    disabled->fSetEnabled(false);
    hidden->fSetVisible(false);
    disabledChild->downCode = GUI_EVENT_DOWN;
    hiddenChild->downCode = GUI_EVENT_DOWN;

    EXPECT_EQ(gui->fOnKeyDown(), hiddenChild->fGetEvent());
    EXPECT_EQ(gui->fUpdate(), nullptr);
    gui->fOnKeyUp();
    gui->fOnMouseMove();
    for (const std::string& s : log)
    {
        const std::string id = s.substr(1);
        EXPECT_TRUE(id != "1" && id != "11") << s;
    }

    log.clear();
    gui->fDraw();
    EXPECT_EQ(log, (std::vector<std::string>{"draw1", "draw11"}));

    // The whole GUI can be switched off through its root.
    gui->fSetEnabled(false);
    EXPECT_FALSE(gui->fIsEnabled());
    EXPECT_EQ(gui->fOnKeyDown(), nullptr);
}

TEST_F(GuiTree, FindByIdIsPreOrderAndNeverAnswersTheRoot)
{
    ZT_PROBE* a = fMake(1);
    ZT_PROBE* nested = fMake(5, a);
    ZT_PROBE* deeper = fMake(7, nested);
    fMake(7); // same id, later in pre-order
    ZT_PROBE* zero = fMake(0, a);

    EXPECT_EQ(gui->fFindById(5), nested);
    EXPECT_EQ(gui->fFindById(7), deeper);
    EXPECT_EQ(gui->fFindById(0), zero);
    EXPECT_EQ(gui->fFindById(42), nullptr);

    deeper->upCode = GUI_EVENT_CLICK;
    gui->fOnKeyUp();
    EXPECT_EQ(gui->fGetEventCodeOf(7), GUI_EVENT_CLICK);
    EXPECT_EQ(gui->fGetEventCodeOf(42), 0);

    ZC_GUI empty;
    EXPECT_EQ(empty.fFindById(0), nullptr);
}

TEST_F(GuiTree, ChildrenHangUnderTheirParentsTransformAndInsertKeepsOrder)
{
    ZT_PROBE* a = fMake(1);
    ZT_PROBE* b = fMake(2, a);
    ZT_PROBE* c = new ZT_PROBE(3, &log, &deletions);
    a->fInsertChild(c, 0);
    ZT_PROBE* d = new ZT_PROBE(4, &log, &deletions);
    a->fInsertChild(d, 99);
    EXPECT_EQ(a->fGetChildren(), (std::vector<ZC_GUI_OBJECT*>{c, b, d}));
    EXPECT_EQ(c->fGetParent(), a);
    EXPECT_EQ(c->fGetTransform()->parent, a->fGetTransform());
    EXPECT_EQ(a->fGetTransform()->parent, gui->fGetRoot()->fGetTransform());
    EXPECT_EQ(a->fGetGuiRoot(), gui);

    gui->fSetPosition(100, 50, 0);
    gui->fMoveBy(5, -5);
    b->fSetPosition(10, 20, 3);
    a->fSetPosition(1, 2, 0);
    ZS_TRANSFORM3 world = b->fGetTransform()->fCompose();
    EXPECT_FLOAT_EQ(world.position.x, 116);
    EXPECT_FLOAT_EQ(world.position.y, 67);
    EXPECT_FLOAT_EQ(gui->fGetPosition().x, 105);
}

TEST_F(GuiTree, EveryWidgetIsDeletedExactlyOnce)
{
    ZT_PROBE* a = fMake(1);
    ZT_PROBE* b = fMake(2, a);
    fMake(3, b);
    ZT_PROBE* c = fMake(4);
    fMake(5, c);
    ZT_PROBE* twin = fMake(6, c);
    fMake(6, twin);

    gui->fRemove(b); // nested: deleted with its child
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(gui->fFindById(3), nullptr);
    ZT_PROBE stranger(77, &log, &deletions);
    gui->fRemove(&stranger); // not in the tree: nothing changes
    gui->fRemoveById(77);
    EXPECT_EQ(deletions, 2);

    gui->fRemoveById(6); // the first 6 goes with the nested 6 inside it
    EXPECT_EQ(deletions, 4);
    EXPECT_EQ(gui->fFindById(5)->fGetId(), 5);

    delete gui;
    gui = nullptr;
    EXPECT_EQ(deletions, 7);
}

TEST_F(GuiTree, LastEventIsForgottenWhenItsWidgetGoes)
{
    ZT_PROBE* a = fMake(3);
    a->downCode = GUI_EVENT_DOWN;
    ASSERT_NE(gui->fOnKeyDown(), nullptr);
    gui->fRemoveById(3);
    EXPECT_EQ(gui->fGetLastEvent(), nullptr);
    EXPECT_EQ(gui->fGetEventId(), 0);

    ZT_PROBE* b = fMake(4);
    b->downCode = GUI_EVENT_DOWN;
    ASSERT_NE(gui->fOnKeyDown(), nullptr);
    gui->fDeleteAll();
    EXPECT_EQ(gui->fGetEventCode(), 0);
    EXPECT_TRUE(gui->fGetRoot()->fGetChildren().empty());
}

namespace
{
int fCountCalls(void* argument)
{
    static_cast<ZT_PROBE*>(argument)->updateCode += 1;
    return 1;
}
}

TEST_F(GuiTree, CallbacksFireWithTheWidgetAndAreOwnedByIt)
{
    ZT_PROBE* a = fMake(1);
    a->fFire(ZC_GUI_OBJECT::CB_DOWN); // never set: nothing happens
    a->fSetCallback(ZC_GUI_OBJECT::CB_DOWN, fCreateCallback(nullptr, "first", nullptr));
    // A later record replaces the earlier one, which is freed (the sanitizer build sees a leak otherwise).
    a->fSetCallback(ZC_GUI_OBJECT::CB_DOWN, fCreateCallback(fCountCalls, "second", nullptr));
    EXPECT_EQ(a->fGetCallback(ZC_GUI_OBJECT::CB_DOWN)->name, "second");
    a->fFire(ZC_GUI_OBJECT::CB_DOWN);
    EXPECT_EQ(a->updateCode, 1);
    a->fSetCallback(ZC_GUI_OBJECT::CB_UP, fCreateCallback(nullptr, "named only", nullptr));
    a->fFire(ZC_GUI_OBJECT::CB_UP);
}

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_CONTAINER.h"

using namespace ZOR;

namespace
{
// An object that logs what it receives and answers from a script.
struct FAKE : ZC_BASE
{
    FAKE(std::vector<std::string>* alog, std::string atag, float akey = zcBOT_KEY, int aanswer = 0)
        : log(alog), tag(std::move(atag)), answer(aanswer)
    {
        key = akey;
    }
    ~FAKE() override { log->push_back(tag + " deleted"); }
    int fMessage(int message, float, float, float, void*) override
    {
        log->push_back(tag + " got " + std::to_string(message));
        if (onMessage)
            onMessage();
        return answer;
    }

    std::vector<std::string>* log;
    std::string tag;
    int answer;
    std::function<void()> onMessage;
};

std::vector<std::string> fTags(const ZC_BOT_CONTAINER& c)
{
    std::vector<std::string> tags;
    for (ZC_BASE* o : c.objects)
        tags.push_back(static_cast<FAKE*>(o)->tag);
    return tags;
}

using LOG = std::vector<std::string>;
}

TEST(BotContainer, AFinishedObjectIsDeletedAndTheNextIsTickedInTheSamePass)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    c.fUpdate(); // an empty list does nothing
    EXPECT_EQ(0, c.inversions);

    c.fAdd(new FAKE(&log, "a"));
    c.fAdd(new FAKE(&log, "b", zcBOT_KEY, zcANSWER_DELETE_ME));
    c.fAdd(new FAKE(&log, "c"));
    c.fAdd(nullptr); // refused
    c.fUpdate();
    EXPECT_EQ((LOG{"a got 1", "b got 1", "b deleted", "c got 1"}), log);
    EXPECT_EQ((std::vector<std::string>{"a", "c"}), fTags(c));
    c.fDeleteAll();
    EXPECT_TRUE(c.fIsEmpty());
}

TEST(BotContainer, TakenStopsThePassAndTheNextPassStartsFromTheFront)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    c.fAdd(new FAKE(&log, "a"));
    c.fAdd(new FAKE(&log, "b", 5.0f, zcANSWER_TAKEN)); // a larger key behind a smaller one
    c.fAdd(new FAKE(&log, "c", 1.0f));
    c.objects[0]->key = 1.0f;
    c.fUpdate();
    EXPECT_EQ((LOG{"a got 1", "b got 1"}), log);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), fTags(c)) << "a stopped pass does not sort";
    EXPECT_EQ(1, c.inversions) << "kept for the next pass";

    log.clear();
    static_cast<FAKE*>(c.objects[1])->answer = 0;
    c.fUpdate();
    EXPECT_EQ((LOG{"a got 1", "b got 1", "c got 1"}), log);
    EXPECT_EQ((std::vector<std::string>{"b", "a", "c"}), fTags(c));
    EXPECT_EQ(0, c.inversions);
    c.fDeleteAll();
}

TEST(BotContainer, APassThatMeetsALargerKeySortsLargestFirstKeepingEqualKeysInOrder)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    c.fAdd(new FAKE(&log, "bot1"));
    c.fAdd(new FAKE(&log, "plain", 0.0f));
    c.fAdd(new FAKE(&log, "bot2"));
    c.fAdd(new FAKE(&log, "bot3"));
    c.fUpdate();
    EXPECT_EQ((std::vector<std::string>{"bot1", "bot2", "bot3", "plain"}), fTags(c));

    // Bots alone carry equal keys and are never reordered.
    log.clear();
    ZC_BOT_CONTAINER bots;
    for (const char* tag : {"x", "y", "z"})
        bots.fAdd(new FAKE(&log, tag));
    bots.fUpdate();
    EXPECT_EQ((std::vector<std::string>{"x", "y", "z"}), fTags(bots));
    EXPECT_EQ(0, bots.inversions);
    c.fDeleteAll();
    bots.fDeleteAll();
}

TEST(BotContainer, MoreThan255InversionsStillSort)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    for (int i = 0; i < 300; ++i)
        c.fAdd(new FAKE(&log, std::to_string(i), float(i)));
    c.fUpdate();
    EXPECT_EQ("299", static_cast<FAKE*>(c.objects.front())->tag);
    EXPECT_EQ("0", static_cast<FAKE*>(c.objects.back())->tag);
    c.fDeleteAll();
}

TEST(BotContainer, UpdateGroupZeroStaysAndIsNeverTicked)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    FAKE* idle = new FAKE(&log, "idle", zcBOT_KEY, zcANSWER_DELETE_ME);
    idle->updateGroup = 0;
    c.fAdd(idle);
    c.fAdd(new FAKE(&log, "run"));
    c.fUpdate();
    c.fUpdate();
    EXPECT_EQ((LOG{"run got 1", "run got 1"}), log);
    EXPECT_EQ(2u, c.fGetCount());
    c.fDeleteAll();
}

TEST(BotContainer, ObjectsAddedDuringAPassAreTickedInThatPass)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    FAKE* first = new FAKE(&log, "first", zcBOT_KEY, zcANSWER_DELETE_ME);
    first->onMessage = [&] { c.fAdd(new FAKE(&log, "added")); };
    c.fAdd(first);
    c.fUpdate();
    EXPECT_EQ((LOG{"first got 1", "first deleted", "added got 1"}), log);
    c.fDeleteAll();
}

// A finishing bot's callback may show its window again, and a show empties the window's
// container first: the running bot must be deleted once, after it returns, and bots added
// by that callback must survive for the next pass.
TEST(BotContainer, EmptyingTheContainerFromInsideAPassDeletesEachObjectOnce)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    FAKE* finishing = new FAKE(&log, "finishing", zcBOT_KEY, zcANSWER_DELETE_ME);
    finishing->onMessage = [&] {
        c.fDeleteAll();
        c.fAdd(new FAKE(&log, "fresh"));
        log.push_back("callback done");
    };
    c.fAdd(new FAKE(&log, "before"));
    c.fAdd(finishing);
    c.fAdd(new FAKE(&log, "after"));
    c.fUpdate();
    EXPECT_EQ((LOG{"before got 1", "finishing got 1", "before deleted", "after deleted", "callback done",
                   "finishing deleted"}),
              log);
    EXPECT_EQ((std::vector<std::string>{"fresh"}), fTags(c));

    // The same when the running object does not finish: it is still deleted with the rest.
    log.clear();
    FAKE* running = static_cast<FAKE*>(c.objects[0]);
    running->onMessage = [&] { c.fDeleteAll(); };
    c.fUpdate();
    EXPECT_EQ((LOG{"fresh got 1", "fresh deleted"}), log);
    EXPECT_TRUE(c.fIsEmpty());

    // Clearing (no deletion) under a finishing object hands it to whoever cleared: not deleted.
    log.clear();
    FAKE* kept = new FAKE(&log, "kept", zcBOT_KEY, zcANSWER_DELETE_ME);
    kept->onMessage = [&] { c.fClear(); };
    c.fAdd(kept);
    c.fUpdate();
    EXPECT_EQ((LOG{"kept got 1"}), log);
    delete kept;
}

TEST(BotContainer, BroadcastsFilterAndAnswer)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    EXPECT_EQ(0, c.fBroadcast(56, 0, 0, 0, nullptr)) << "no object reached";

    FAKE* a = new FAKE(&log, "a", 0.0f, 7);
    FAKE* b = new FAKE(&log, "b", 0.0f, zcANSWER_DELETE_ME);
    FAKE* d = new FAKE(&log, "d", 0.0f, 9);
    a->name = "item";
    b->name = "item";
    b->lastName = "second";
    b->id = 2;
    c.fAdd(a);
    c.fAdd(b);
    c.fAdd(d);

    EXPECT_EQ(0, c.fBroadcast(56, 0, 0, 0, nullptr, nullptr, nullptr, 0, 1, 0)) << "a set flag excludes all";
    EXPECT_EQ(0, c.fBroadcast(56, 0, 0, 0, nullptr, nullptr, nullptr, 0, 0, 1));
    EXPECT_TRUE(log.empty());

    EXPECT_EQ(9, c.fBroadcast(50, 0, 0, 0, nullptr)) << "the last answer; nothing is deleted";
    EXPECT_EQ((LOG{"a got 50", "b got 50", "d got 50"}), log);
    log.clear();
    EXPECT_EQ(zcANSWER_DELETE_ME, c.fBroadcast(49, 0, 0, 0, nullptr, "item"));
    EXPECT_EQ(7, c.fBroadcast(49, 0, 0, 0, nullptr, "item", "nolastname", 0)) << "only a has both names";
    EXPECT_EQ(zcANSWER_DELETE_ME, c.fBroadcast(49, 0, 0, 0, nullptr, nullptr, nullptr, 2));
    EXPECT_EQ(3u, c.fGetCount());

    // The reaping form deletes on -113 and stops on -109.
    log.clear();
    d->answer = zcANSWER_TAKEN;
    FAKE* e = new FAKE(&log, "e");
    c.fAdd(e);
    EXPECT_EQ(3, c.fBroadcastAndReap(4, 0, 0, 0, nullptr));
    EXPECT_EQ((LOG{"a got 4", "b got 4", "b deleted", "d got 4"}), log);
    EXPECT_EQ((std::vector<std::string>{"a", "d", "e"}), fTags(c));
    c.fDeleteAll();
}

TEST(BotContainer, FindTakeAndDeleteByNameAndId)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    FAKE* a = new FAKE(&log, "a");
    FAKE* b = new FAKE(&log, "b");
    FAKE* z = new FAKE(&log, "z");
    a->name = b->name = "bot_move";
    b->lastName = "second";
    b->id = 7;
    z->name = "zero";
    z->id = 0;
    for (FAKE* f : {a, b, z})
        c.fAdd(f);

    EXPECT_EQ(a, c.fFindByName("bot_move"));
    EXPECT_EQ(nullptr, c.fFindByName(nullptr));
    EXPECT_EQ(b, c.fFindById(7));
    EXPECT_EQ(nullptr, c.fFindById(8));

    EXPECT_EQ(b, c.fTake("bot_move", "second"));
    EXPECT_EQ(nullptr, c.fTake("bot_move", "", 7)) << "b is gone and a has another id";
    EXPECT_EQ((std::vector<std::string>{"a", "z"}), fTags(c));
    delete b;

    log.clear();
    c.fDeleteByNameAndId("bot_move", 0); // id 0 matches only 0
    EXPECT_TRUE(log.empty());
    c.fDeleteByNameAndId("zero", 0);
    EXPECT_EQ((LOG{"z deleted"}), log);
    c.fDeleteAll();
}

TEST(BotContainer, DrawPassRunsFromTheBackAndSkipsDrawGroupZero)
{
    LOG log;
    ZC_BOT_CONTAINER c;
    FAKE* bot = new FAKE(&log, "bot");
    bot->drawGroup = 0;
    c.fAdd(new FAKE(&log, "front"));
    c.fAdd(new FAKE(&log, "stop", 0.0f, zcANSWER_TAKEN));
    c.fAdd(bot);
    c.fAdd(new FAKE(&log, "back"));
    c.fDraw();
    EXPECT_EQ((LOG{"back got 2", "stop got 2"}), log);
    c.fDeleteAll();
}

TEST(BotContainer, ClearAndDestructionLeaveTheObjectsToTheirOwner)
{
    LOG log;
    FAKE* a = new FAKE(&log, "a");
    {
        ZC_BOT_CONTAINER c;
        c.fAdd(a);
        c.fClear();
        EXPECT_TRUE(c.fIsEmpty());
        c.fAdd(a);
    }
    EXPECT_TRUE(log.empty());
    delete a;
}

TEST(BotContainer, VectorHelpersTickAndReap)
{
    LOG log;
    fSendMessageToAll(nullptr, 4);
    fTickAll(nullptr);
    std::vector<ZC_BASE*> list{new FAKE(&log, "a", 0.0f, zcANSWER_DELETE_ME),
                               new FAKE(&log, "b", 0.0f, zcANSWER_DELETE_ME), new FAKE(&log, "c")};
    fSendMessageToAll(&list, 4);
    EXPECT_EQ((LOG{"a got 4", "b got 4", "c got 4"}), log);
    log.clear();
    fTickAll(&list);
    EXPECT_EQ((LOG{"a got 1", "a deleted", "b got 1", "b deleted", "c got 1"}), log);
    ASSERT_EQ(1u, list.size());
    delete list[0];
}

#include <gtest/gtest.h>

#include "engine/files/ZC_LOADER.h"

#include <atomic>
#include <chrono>
#include <pugixml.hpp>
#include <thread>

using namespace ZOR;

namespace
{
struct ZC_TEST_LOADER : ZC_LOADER
{
    using ZC_LOADER::ZC_LOADER;
    void fDraw() override {}
    void fUpdate() override {}

    // Items that note the progress when the loading work is done with them.
    struct ZS_NOTING_ITEM : ZS_LOADER_ITEM
    {
        ZS_NOTING_ITEM(ZC_TEST_LOADER* aloader) : loader(aloader) {}
        ~ZS_NOTING_ITEM() override { loader->seen.push_back(loader->fGetProgress()); }
        ZC_TEST_LOADER* loader;
    };

    void fAddNotingItems(int count)
    {
        for (int i = 0; i < count; ++i)
            items.push_back(new ZS_NOTING_ITEM(this));
        total += count;
    }

    bool fWaitDone()
    {
        for (int i = 0; i < 5000 && fGetThreadExitCode() == ZS_THREAD::kStillActive; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return fGetThreadExitCode() != ZS_THREAD::kStillActive;
    }

    std::vector<int> seen;
};
}

TEST(Loader, ProgressStepsWhenItsOwnerRunsTheWork)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {4, {25, 50, 75, 100}}, {3, {33, 66, 100}}, {1, {100}}, {0, {}}};
    for (const auto& c : cases)
    {
        ZC_TEST_LOADER loader(fLoadItemsDefault);
        loader.fAddNotingItems(c.first);
        EXPECT_EQ(1, fLoadItemsDefault(&loader));
        EXPECT_EQ(c.second, loader.seen) << c.first << " items";
        EXPECT_EQ(0u, loader.fGetItemCount());
        EXPECT_EQ(0, loader.fGetThreadExitCode());
    }
    EXPECT_EQ(-1, fLoadItemsDefault(nullptr));
}

TEST(Loader, ProgressStepsOnItsOwnThread)
{
    ZC_TEST_LOADER loader(fLoadItemsDefault);
    loader.fAddNotingItems(4);
    EXPECT_EQ(0, loader.fGetThreadExitCode());
    loader.fStart();
    ASSERT_TRUE(loader.fWaitDone());
    EXPECT_EQ(1, loader.fGetThreadExitCode());
    EXPECT_EQ((std::vector<int>{25, 50, 75, 100}), loader.seen);
    EXPECT_EQ(100, loader.fGetProgress());
    EXPECT_EQ(0u, loader.fGetItemCount());
}

TEST(Loader, ItemsComeFromTheNodesChildren)
{
    pugi::xml_document document;
    document.load_string("<LIST><ITEM PATH='a.png' TYPE='Image'/><ITEM PATH='b.ogg' TYPE='S'/>"
                         "<ITEM PATH='c' TYPE='M'/><ITEM TYPE='V'/><ITEM TYPE='X'/><ITEM PATH='d'/>"
                         "<!-- a comment is no item --><ITEM TYPE='image'/></LIST>");
    ZC_TEST_LOADER loader(document.child("LIST"));
    EXPECT_EQ(7, loader.fGetTotal());
    ASSERT_EQ(7u, loader.fGetItemCount());

    const std::pair<const char*, int> types[] = {
        {"I", 0}, {"Image", 0}, {"S", 1}, {"M", 2}, {"V", 3}, {"X", 4}, {"image", 5}, {"", 5}, {nullptr, 5}};
    for (const auto& t : types)
        EXPECT_EQ(t.second, fParseLoaderItemType(t.first)) << (t.first ? t.first : "null");

    // The XML constructor walks its list with the default function on the thread.
    loader.fStart();
    ASSERT_TRUE(loader.fWaitDone());
    EXPECT_EQ(100, loader.fGetProgress());
}

namespace
{
std::atomic<bool> gWorking{false};

// Work that runs until it is told to stop, touching its loader all the while.
int fEndlessWork(ZC_LOADER* loader)
{
    gWorking = true;
    while (!fIsThreadStopRequested())
    {
        loader->fSetProgress((loader->fGetProgress() + 1) % 100);
        fWaitThreadStop(1);
    }
    gWorking = false;
    return 1;
}
}

TEST(Loader, DestroyingItStopsAndJoinsItsThread)
{
    pugi::xml_document document;
    document.load_string("<LIST><ITEM PATH='left'/><ITEM PATH='over'/></LIST>");
    auto* loader = new ZC_TEST_LOADER(fEndlessWork);
    loader->fLoadItemList(document.child("LIST"));
    loader->fStart();
    while (!gWorking)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(ZS_THREAD::kStillActive, loader->fGetThreadExitCode());
    delete loader;
    // Joined: the work has ended before the loader's memory went away.
    EXPECT_FALSE(gWorking);
}

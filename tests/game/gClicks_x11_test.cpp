// Every click counts: the real program on a real X server, clicked by each kind of hand on each
// kind of target (the title's buttons, a question's buttons, the hub's buttons, the page arrows
// of a list). Each click must take effect exactly once: a click that does nothing fails at once
// (with a picture in the test output folder), and none is ever given twice.
#include "game/ZT_X11_CLICKS.h"

using namespace ZT_X11;

TEST(Clicks, EachKindOfClickTakesEffectOnceOnTheTitleAQuestionTheHubAndAList)
{
    ZT_CLICKS t("clicks");
    ZT_PROGRAM& game = t.game;
    ASSERT_TRUE(t.fStartWithNewPlayer("Clicker"));
    t.fGlide(kHubBack);

    for (int k = 0; k < kKinds; ++k)
    {
        const ZE_KIND kind = ZE_KIND(k);
        SCOPED_TRACE(kKindNames[k]);
        t.fPlace(kind, kTitleOptions);
        ASSERT_TRUE(t.fTitle());
        if (kind == kAfterHide)
        {
            // The exit question comes and goes; the click follows the end of its hide.
            ASSERT_TRUE(t.fComeAndGo(kTitleExit, &ZT_CLICKS::fQuestion, kQuestionNo, &ZT_CLICKS::fQuestionGone));
        }

        // The title's buttons and the exit question's.
        t.fClick(kind, kTitleOptions);
        ASSERT_TRUE(t.fOptions()) << "options";
        t.fGlide(kOptionsOk);
        t.fPlace(kind, kTitleExit);
        ASSERT_TRUE(t.fOptionsGone());
        t.fClick(kind, kTitleExit);
        t.fPlace(kind, kQuestionNo);
        ASSERT_TRUE(t.fQuestion()) << "the exit question";
        t.fClick(kind, kQuestionNo);
        t.fPlace(kind, kTitlePlay);
        ASSERT_TRUE(t.fQuestionGone()) << "no";
        ASSERT_TRUE(t.fTitle());
        t.fClick(kind, kTitlePlay);
        t.fPlace(kind, kHubTrophies);

        // The hub's buttons: each click changes the content.
        ASSERT_TRUE(t.fPacks()) << "play";
        if (kind == kAfterHide)
        {
            ASSERT_TRUE(t.fComeAndGo(kHubOptions, &ZT_CLICKS::fOptions, kOptionsOk, &ZT_CLICKS::fOptionsGone));
        }
        t.fClick(kind, kHubTrophies);
        t.fPlace(kind, kHubHelp);
        ASSERT_TRUE(t.fTrophies()) << "trophies";
        t.fClick(kind, kHubHelp);
        t.fPlace(kind, kHubPacks);
        ASSERT_TRUE(t.fHelp()) << "how to play";
        t.fClick(kind, kHubPacks);
        ASSERT_TRUE(t.fPacks()) << "packs";

        // A list's arrows: each click turns one page, the second at the same spot as the first.
        t.fGlide(kHubTrophies);
        t.fPlace(kind, kTrophyNext);
        ASSERT_TRUE(t.fTrophyPage(0));
        t.fClick(kind, kTrophyNext);
        ASSERT_TRUE(t.fTrophyPage(1)) << "next";
        t.fClick(kSameSpot, kTrophyNext);
        ASSERT_TRUE(t.fTrophyPage(2)) << "next again";
        t.fClick(kind == kSameSpot ? kGlide : kind, kTrophyPrev);
        ASSERT_TRUE(t.fTrophyPage(1)) << "back";
        t.fClick(kSameSpot, kTrophyPrev);
        ASSERT_TRUE(t.fTrophyPage(0)) << "back again";

        t.fGlide(kHubBack);
    }
    // The exit question's other button ends the game.
    ASSERT_TRUE(t.fTitle());
    t.fGlide(kTitleExit);
    ASSERT_TRUE(t.fQuestion());
    t.fClick(kTap, kQuestionYes);
    const int status = game.fStatusWithin(5);
    if (status < 0)
        game.fShot("failed_exit");
    EXPECT_EQ(0, status) << fReadText(t.root / "log.txt");
}

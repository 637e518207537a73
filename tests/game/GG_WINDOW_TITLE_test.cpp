// The greeting window in the real game on the default data set: a long name stays on its panel,
// and a layout lacking what it expects still opens, says what is missing, and its link leads on.
#include "game/ZT_GAME_RUN.h"

#include "game/shell/GG_WINDOW_TITLE.h"

using namespace ZT_GAME;
using namespace game;

TEST(GreetingWindow, WithoutItsAnchorAndGreetingFontItOpensSaysSoAndTheLinkStillWorks)
{
    fCopyDefaultData();
    const fs::path layout = fWindowsFolder() / "Title_Top.xml";
    fReplaceOnce(layout, "<IMAGE ID=\"1\"", "<IMAGE ID=\"7\"");
    fReplaceOnce(layout, "fntName=\"header\"", "fntName=\"no such font\"");
    testing::internal::CaptureStderr();
    ZT_SCRIPT script;
    script.fWaitForTitle().fDo([] {
        fGetGameInstance()->fSetPlayer(fGetGameInstance()->fCreatePlayer(L"Ada"));
    });
    // Without the anchor the texts sit at the window's own place (512, 58) plus the shift, and
    // without the greeting's font the link takes the greeting's line.
    script.fClick(512, 58 - 22 + 4).fWaitForWindow("Players");
    bool finished = false;
    EXPECT_EQ(100500, fRunGame(script, &finished));
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(finished) << "the link opened the players window";
    EXPECT_NE(std::string::npos, log.find("\"Title_Top\" has no widget 1")) << log;
    EXPECT_NE(std::string::npos, log.find("\"Title_Top\" has no font for its greeting")) << log;
    EXPECT_EQ(std::string::npos, log.find("no font for its change-player link")) << log;
}

// The longest name the name box takes, in the widest letter: the greeting is drawn smaller so
// that it stays on its paper panel (x 290-732) instead of running over the dark screen.
TEST(GreetingWindow, ALongNameStaysOnThePanel)
{
    fCopyDefaultData();
    testing::internal::CaptureStderr();
    ZT_SCRIPT script;
    script.fWaitForTitle().fDo([] {
        fGetGameInstance()->fSetPlayer(fGetGameInstance()->fCreatePlayer(L"WWWWWWWWWWWWWWW"));
    });
    std::wstring greeting;
    ZS_FRAME frame;
    script.fWaitFrames(10).fDo([&] {
        if (auto* top = dynamic_cast<GG_WINDOW_TITLE_TOP*>(fGetWindowManager()->fFindWindow("Title_Top")))
            greeting = top->fGetGreetingText();
    });
    script.fCapture(&frame, "greeting_long_name");
    bool finished = false;
    EXPECT_EQ(100500, fRunGame(script, &finished));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(finished);
    EXPECT_EQ(L"Hello, WWWWWWWWWWWWWWW!", greeting);

    // Ink of the greeting's line (rows 26-48) against the panel's paper.
    const uint32_t kInk = 0xFF2B2D42;
    auto ink = [&](int x0, int x1) {
        int n = 0;
        for (int y = 26; y < 48; ++y)
            for (int x = x0; x < x1; ++x)
                n += fNear(frame.fAt(x, y), kInk, 40) ? 1 : 0;
        return n;
    };
    ASSERT_EQ(1024, frame.width);
    EXPECT_GT(ink(400, 620), 400) << "the greeting is drawn";
    EXPECT_EQ(0, ink(294, 305)) << "clear of the panel's left end";
    EXPECT_EQ(0, ink(720, 728)) << "clear of the panel's right end";
    EXPECT_TRUE(fNear(frame.fMean(160, 30, 200, 44), frame.fMean(160, 60, 200, 74), 12)) << "nothing drawn left of the panel";
}

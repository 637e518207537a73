// The greeting window in the real game on the default data set: on a layout that lacks what it
// expects it still opens, says what is missing, and its link still leads on; names are greeted
// as they are written, and a long one stays on its panel.
#include "game/ZT_GAME_RUN.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/shell/GG_WINDOW_TITLE.h"

using namespace ZT_GAME;
using namespace game;

TEST(GreetingWindow, WithoutItsAnchorAndGreetingFontItOpensSaysSoAndTheLinkStillWorks)
{
    fCopyDefaultData();
    const fs::path layout = fWindowsFolder() / "Title_Top.xml";
    fReplaceText(layout, "<PANEL9 ID=\"1\"", "<PANEL9 ID=\"7\"");
    fReplaceText(layout, "fntName=\"header\"", "fntName=\"no such font\"");
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

// A player's name is shown as written in the greeting, whatever '%' it holds: each name takes
// the width its own text measures (as a plain name does), so nothing of it was read as a format.
TEST(GreetingWindow, NamesHoldingPercentSignsAreGreetedAsWritten)
{
    fCopyDefaultData();
    const std::wstring names[] = {L"%s", L"%n%n%n", L"%d%x%%", L"100%", L"Ada"};
    ZT_SCRIPT script;
    script.fWaitForTitle();
    std::vector<std::wstring> greeted;
    std::vector<int> measured, drawn;
    for (const std::wstring& name : names)
    {
        auto frame = std::make_shared<ZS_FRAME>();
        script.fDo([name] { fGetGameInstance()->fSetPlayer(fGetGameInstance()->fCreatePlayer(name)); })
            .fWaitFrames(2)
            .fCapture(frame.get(), name == names[0] ? "greeting_percent" : "");
        script.fDo([&greeted, &measured, &drawn, frame, name] {
            greeted.push_back(fWindow<GG_WINDOW_TITLE_TOP>("Title_Top")->fGetGreetingText());
            ZC_FONT* font = fGetFonts()->fGetFont("header");
            measured.push_back(font ? font->fMeasureLine((L"Hello, " + name + L"!").c_str()) : -1);
            // The greeting's dark ink inside the plate's rim, above the teal link.
            int left = 1 << 20, right = -1;
            for (int y = 28; y < 50; ++y)
                for (int x = 300; x < 724; ++x)
                {
                    const uint32_t c = frame->fAt(x, y);
                    if (((c >> 16) & 0xFF) < 110 && ((c >> 8) & 0xFF) < 110 && (c & 0xFF) < 130)
                    {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            drawn.push_back(right - left + 1);
        });
    }
    bool finished = false;
    EXPECT_EQ(100500, fRunGame(script, &finished));
    ASSERT_TRUE(finished);
    ASSERT_EQ(std::size(names), greeted.size());
    for (size_t i = 0; i < std::size(names); ++i)
    {
        SCOPED_TRACE(std::string(names[i].begin(), names[i].end()));
        EXPECT_EQ(L"Hello, " + names[i] + L"!", greeted[i]);
        ASSERT_GT(measured[i], 60);
        // The ink falls short of the advance by the same few pixels for every text.
        EXPECT_NEAR(measured[i] - drawn[i], measured.back() - drawn.back(), 2);
    }
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

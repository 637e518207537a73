// The greeting window on a layout that lacks what it expects, in the real game on the default
// data set otherwise: it still opens, says what is missing, and its link still leads on.
#include "game/ZT_GAME_RUN.h"

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

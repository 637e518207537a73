// The trophy pop-up "Trophy_Get" as the game makes it from the shipped data and shows it for each
// trophy the game object queues: its texts, picture and reward, one pop-up after another, the
// level paused meanwhile, a layout without a title font, and the reward template.
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "framework/G_TROPHIES.h"
#include "game/ZT_SHIPPED_GAME.h"
#include "game/shell/GG_WINDOW_TROPHY_GET.h"

using namespace ZT_GAME;

namespace
{
// The shipped layout (screen pixels; the pop-up rests at the screen's middle).
const int kMedalX = 512, kMedalY = 292, kTitleY = 390, kDescriptionY = 436, kButtonX = 512, kButtonY = 554;

class TrophyPopup : public ZT_SHIPPED_GAME
{
protected:
    G_TROPHY* fTrophy(const char* name) { return fGetTrophies()->fFindTrophy(name); }
    GG_WINDOW_TROPHY_GET* fPopup() { return fWindow<GG_WINDOW_TROPHY_GET>("Trophy_Get"); }
    std::wstring fReward()
    {
        return dynamic_cast<ZC_GUI_WLABEL*>(fPopup()->fGetGui()->fFindById(3))->fGetText();
    }
    std::string fPicture()
    {
        return dynamic_cast<ZC_GUI_IMAGE*>(fPopup()->fGetGui()->fFindById(2))->fGetTextureName();
    }
};
}

TEST_F(TrophyPopup, ANewTrophyIsAnnouncedWithItsTitleDescriptionPictureAndReward)
{
    GG_PLAYER* player = fNewPlayer(L"Wen");
    game->fAwardTrophy(fTrophy("pc_tr_without_hint"));
    EXPECT_EQ(50u, player->statistic.score) << "the reward is paid with the award";
    fFrames(1);
    ASSERT_TRUE(windows->fIsWindowOpen("Trophy_Get"));
    fFrames(6);
    fSaveFrame("trophy_popup");
    EXPECT_EQ(L"On my own", fPopup()->fGetTitle());
    EXPECT_EQ(L"A win without hints.", fPopup()->fGetDescription());
    EXPECT_EQ(L"+50", fReward());
    EXPECT_EQ("data/share/image/gui trophy_no_hints_open.png", fPicture());

    EXPECT_GT(fCountNear(kMedalX - 40, kMedalY - 40, kMedalX + 40, kMedalY + 40, 0xFF26B0A3, 50), 1500)
        << "the teal medal of the trophy, not the layout's gold one";
    EXPECT_GT(fCountNear(kMedalX - 150, kTitleY - 20, kMedalX + 150, kTitleY + 20, 0xFF2B2D42, 50), 600) << "the title";
    EXPECT_GT(fCountNear(kMedalX - 200, kDescriptionY - 14, kMedalX + 200, kDescriptionY + 14, 0xFF5C5F7D, 50), 300)
        << "the description";
    EXPECT_GT(fCountNear(kMedalX - 20, 470, kMedalX + 60, 500, 0xFFFFF6E5, 40), 80) << "the reward's number";

    fClickAt(kButtonX, kButtonY);
    EXPECT_TRUE(fPopup()->fIsAnimating()) << "it slides away";
    fFrames(8);
    EXPECT_FALSE(windows->fIsWindowOpen("Trophy_Get"));
}

TEST_F(TrophyPopup, TrophiesEarnedTogetherShowOneAfterAnotherEachWithItsReward)
{
    fNewPlayer(L"Xia");
    game->fAwardTrophy(fTrophy("pc_tr_without_hint"));
    game->fAwardTrophy(fTrophy("tr_without_error"));
    fFrames(7);
    EXPECT_EQ(L"On my own", fPopup()->fGetTitle()) << "the first earned comes first";
    EXPECT_EQ(L"+50", fReward());
    EXPECT_EQ(1u, game->fGetTrophyQueueSize()) << "the second waits";
    fFrames(20);
    EXPECT_EQ(L"On my own", fPopup()->fGetTitle()) << "one at a time, until it is closed";

    fClickAt(kButtonX, kButtonY);
    fFrames(12);
    ASSERT_TRUE(windows->fIsWindowOpen("Trophy_Get"));
    EXPECT_EQ(L"Steady hand", fPopup()->fGetTitle());
    EXPECT_EQ(L"3 wins in a row without errors.", fPopup()->fGetDescription());
    EXPECT_EQ(L"+100", fReward()) << "the layout's template, used again";
    EXPECT_EQ("data/share/image/gui trophy_no_errors_open.png", fPicture());
    EXPECT_EQ(0u, game->fGetTrophyQueueSize());
}

TEST_F(TrophyPopup, ARunningLevelIsPausedWhileThePopupShows)
{
    fNewPlayer(L"Yul");
    level->started = true;
    level->paused = false;
    game->fAwardTrophy(fTrophy("tr_bronze_coin"));
    fFrames(1);
    EXPECT_TRUE(level->paused);
    fFrames(6);
    fClickAt(kButtonX, kButtonY);
    fFrames(2);
    EXPECT_TRUE(level->paused) << "until the pop-up has gone";
    fFrames(8);
    EXPECT_FALSE(windows->fIsWindowOpen("Trophy_Get"));
    EXPECT_FALSE(level->paused);
}

TEST_F(TrophyPopup, TheTitleFollowsTheWindowAndAMissingFontLeavesItsTextUndrawn)
{
    fNewPlayer(L"Zed");
    game->fAwardTrophy(fTrophy("tr_gold_coin"));
    fFrames(1);
    const ZS_VECTOR2 moving = fPopup()->fGetTitlePosition();
    fFrames(6);
    const ZS_VECTOR2 resting = fPopup()->fGetTitlePosition();
    EXPECT_EQ(512.0f, resting.x);
    EXPECT_EQ(384.0f + 6.0f, resting.y) << "the window's place plus the shift";
    EXPECT_LT(moving.y, resting.y - 50.0f) << "drawn where the window is while it slides in";

    // A pop-up whose settings name no title font: the description is drawn, the title not.
    std::string log;
    std::unique_ptr<G_WINDOW> window = fMakeFromText(
        "<window _name=\"Plain_Trophy\" _type=\"GG_WINDOW_TROPHY_GET\" layer=\"150\"><GUI/><settings>"
        "<fontDescription fntName=\"text\" fntColor=\"0xFFFFFFFF\" fntHotSpot=\"HS_MID\" shift=\"0 60\"/>"
        "</settings></window>", &log);
    EXPECT_NE(std::string::npos, log.find("\"Plain_Trophy\" has no trophy picture (widget 2)")) << log;
    GG_WINDOW_TROPHY_GET* plain = dynamic_cast<GG_WINDOW_TROPHY_GET*>(window.get());
    ASSERT_NE(nullptr, plain);
    plain->fShow(true);
    plain->fUpdate();
    plain->fSetTrophy(fTrophy("tr_stars_1"));
    plain->fSetTrophy(nullptr);
    EXPECT_EQ(L"Rising star", plain->fGetTitle()) << "none changes nothing";
    windows->fHideWindow("Trophy_Get", true);
    fFrames(2);
    ASSERT_EQ(1, render->fBeginFrame());
    plain->fDraw();
    ASSERT_EQ(0, render->fEndFrame());
    EXPECT_EQ(0, fCountNear(300, 364, 724, 416, 0xFFFFFFFF, 60)) << "no title";
    EXPECT_GT(fCountNear(300, 424, 724, 464, 0xFFFFFFFF, 60), 200) << "the description";
}

TEST_F(TrophyPopup, TextsFromTheTableAreDrawnAsWrittenNeverReadAsFormats)
{
    fAddText("test_trophy_percent", "100% %s%d%n");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<trophy name=\"test_trophy_percent\" desc=\"test_trophy_percent\" bonus=\"7\" "
                                     "image_open=\"data/share/image/gui trophy_no_hints_open.png\"/>"));
    G_TROPHY trophy(document.document_element());
    fNewPlayer(L"Ann");
    windows->fShowWindow("Trophy_Get", true);
    fPopup()->fSetTrophy(&trophy);
    fFrames(2);
    EXPECT_EQ(L"100% %s%d%n", fPopup()->fGetTitle());
    EXPECT_EQ(L"+7", fReward());
    // The title as drawn is as wide as the text itself (a format would have eaten "%s%d%n").
    int left = 1024, right = 0;
    for (int x = 300; x < 724; ++x)
        for (int y = kTitleY - 16; y < kTitleY + 16; ++y)
            if (ZT_RENDER::fColorDistance(fPixel(x, y), 0xFF2B2D42) < 40)
            {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ZS_FONT_STYLE style;
    pugi::xml_document font;
    font.load_string("<f fntName=\"header\"/>");
    ASSERT_TRUE(style.fLoad(font.document_element(), fGetFonts()));
    EXPECT_NEAR(style.font->fMeasureLine(L"100% %s%d%n"), right - left, 16);
}

TEST(TrophyRewardText, OneNumberGoesIntoTheTemplateAndNothingElseIsReadAsAFormat)
{
    const struct
    {
        const wchar_t* text;
        int number;
        const wchar_t* shown;
    } rows[] = {
        {L"+%i", 50, L"+50"},
        {L"Reward: %i sunime", 1000, L"Reward: 1000 sunime"},
        {L"%i%% more, %i twice", 7, L"7% more, %i twice"},
        {L"%s %d %n %", 3, L"%s %d %n %"},
        {L"no number", 9, L"no number"},
        {L"-%i", -5, L"--5"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.shown, game::fFillNumberTemplate(row.text, row.number)) << row.text;
}

// The currency and star panels "Sumie" and "Stars" as the game makes them from the shipped data,
// and the level screen's top panel.
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "game/ZT_SHIPPED_GAME.h"
#include "game/puzzle/GG_PACK.h"
#include "game/shell/GG_WINDOW_SUNIME.h"
#include "game/shell/GG_WINDOW_UP_PANEL.h"

using namespace ZT_GAME;

namespace
{
// The shipped layout: the pills rest at (924, 44) and (924, 104), 180 x 56.
const int kPillX = 924, kCoinY = 44, kStarY = 104;

class Counters : public ZT_SHIPPED_GAME
{
protected:
    std::wstring fLabel(const char* window, int id)
    {
        const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(fWindow<G_WINDOW>(window)->fGetGui()->fFindById(id));
        return label ? label->fGetText() : L"(none)";
    }
    void fShowBoth()
    {
        windows->fShowWindow("Sumie", true);
        windows->fShowWindow("Stars", true);
        fFrames(1);
    }
};
}

TEST_F(Counters, AtRestTheyShowTheCurrencyAndTheStars)
{
    GG_PLAYER* player = fNewPlayer(L"Uma");
    player->statistic.score = 1234;
    player->fGetLevel(0, 0)->fSetStars(3);
    player->fGetLevel(0, 1)->fSetStars(2);
    fShowBoth();
    fSaveFrame("counters_at_rest");
    EXPECT_EQ(L"1234", fLabel("Sumie", 2));
    EXPECT_EQ(L"5", fLabel("Stars", 1));
    EXPECT_GT(fCountNear(kPillX - 78, kCoinY - 16, kPillX - 46, kCoinY + 14, 0xFFFFC83A, 60), 200) << "the coin";
    EXPECT_GT(fCountNear(kPillX - 78, kStarY - 16, kPillX - 46, kStarY + 14, 0xFFFFC83A, 60), 150) << "the star";
    EXPECT_GT(fCountNear(kPillX - 40, kCoinY - 14, kPillX + 40, kCoinY + 12, 0xFFFFF6E5, 40), 150) << "the number";
    EXPECT_TRUE(fRegionNear(kPillX + 70, kCoinY, 8, 8, 0xFF16183C, 24)) << "the dark pill";
}

TEST_F(Counters, TheCurrencyFollowsEverySecondTheStarsAtEachShow)
{
    GG_PLAYER* player = fNewPlayer(L"Vic");
    player->statistic.score = 10;
    std::unique_ptr<G_WINDOW> sumie = fMakeFresh("Sumie.xml");
    auto score = [&]() { return dynamic_cast<ZC_GUI_WLABEL*>(sumie->fGetGui()->fFindById(2))->fGetText(); };
    EXPECT_EQ(L"10", score());
    player->statistic.score = 75;
    for (int frame = 1; frame <= 8; ++frame)
    {
        sumie->fUpdate();
        EXPECT_EQ(frame < 8 ? L"10" : L"75", score()) << "frame " << frame << ": once a second";
    }
    // Numbers are written as floats are: a million or more in exponent form.
    player->statistic.score = 1000000;
    for (int frame = 0; frame < 8; ++frame)
        sumie->fUpdate();
    EXPECT_EQ(L"1e+06", score());
    sumie->fReleaseResources(true);

    fShowBoth();
    player->fGetLevel(0, 0)->fSetStars(3);
    fFrames(16);
    EXPECT_EQ(L"0", fLabel("Stars", 1)) << "the stars are written when a show begins";
    windows->fHideWindow("Stars", true);
    fFrames(2);
    windows->fShowWindow("Stars", true);
    EXPECT_EQ(L"3", fLabel("Stars", 1));
}

TEST_F(Counters, WithoutAPlayerTheLayoutsShowWhatTheyHold)
{
    for (const char* file : {"Sumie.xml", "Stars.xml"})
    {
        SCOPED_TRACE(file);
        std::unique_ptr<G_WINDOW> panel = fMakeFresh(file);
        ASSERT_NE(nullptr, dynamic_cast<GG_WINDOW_SUNIME*>(panel.get()));
        for (int i = 0; i < 10; ++i)
            panel->fUpdate();
        for (int id : {1, 2})
            if (const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(panel->fGetGui()->fFindById(id)))
            {
                EXPECT_EQ(L"–", label->fGetText());
            }
        panel->fReleaseResources(true);
    }
}

TEST_F(Counters, TheTopPanelWritesTheTimeAndThePlayersNameAsWritten)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(
        "<window _name=\"Up\" _type=\"none\" layer=\"10\"><GUI/><settings font_time=\"hud\" font_name=\"text\" "
        "pos_time=\"100 30\" pos_name=\"600 30\" fnt_time_color=\"0xFFFFFFFF\" fnt_name_color=\"0xFFFFC83A\"/></window>"));
    GG_WINDOW_UP_PANEL panel(document.document_element());
    float seconds = 754.9f;
    panel.fSetTimeSource(&seconds);
    // A name with a conversion in it shows as typed.
    panel.fSetPlayerName(L"%s%n100%");
    panel.fShow(true);
    panel.fUpdate();
    EXPECT_EQ("12:34", panel.fGetTimeText());
    fDraw();
    ASSERT_EQ(1, render->fBeginFrame());
    panel.fDraw();
    ASSERT_EQ(0, render->fEndFrame());
    EXPECT_GT(fCountNear(100, 16, 180, 44, 0xFFFFFFFF, 40), 100) << "the time, from its left end";
    EXPECT_EQ(0, fCountNear(40, 16, 98, 44, 0xFFFFFFFF, 40));
    const int nameInk = fCountNear(520, 16, 680, 44, 0xFFFFC83A, 50);
    EXPECT_GT(nameInk, 150) << "the name around its middle, percent signs and all";

    // Without fonts (names the font list lacks) nothing is drawn and nothing breaks.
    pugi::xml_document bare;
    ASSERT_TRUE(bare.load_string("<window _name=\"Up2\"><GUI/><settings font_time=\"nope\"/></window>"));
    GG_WINDOW_UP_PANEL empty(bare.document_element());
    empty.fSetTimeSource(&seconds);
    empty.fDraw();
    EXPECT_EQ("12:34", empty.fGetTimeText());
}

// The shop "Shop" as the game makes it from the shipped data: its cards at rest, its buttons,
// buying for currency, the refills, the sold-out card, the shop during a level, in-app purchases
// without a store, and a layout that lacks parts.
#include <filesystem>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "game/ZT_SHIPPED_GAME.h"
#include "game/shell/GG_WINDOW_SHOP.h"
#include "game/shell/gWindowFactory.h"

using namespace ZT_GAME;
namespace fs = std::filesystem;

namespace
{
// Where the shipped layout puts things (screen pixels; the shop rests at the screen's middle).
struct ZS_CARD
{
    const char* type;
    int x, y;       // the card's middle
    int buyX, buyY; // its buy button
};
const ZS_CARD kCards[] = {
    {"start_hint", 282, 233, 414, 277},   {"health", 742, 233, 874, 277},
    {"errors", 282, 399, 414, 443},       {"refill_health", 742, 399, 874, 443},
    {"refill_hint", 282, 565, 414, 609},
};
const int kCloseX = 954, kCloseY = 126;

const ZS_CARD& fCard(const std::string& type)
{
    for (const ZS_CARD& card : kCards)
        if (type == card.type)
            return card;
    return kCards[0];
}

bool fIsCoral(uint32_t c)
{
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r > 200 && r - g > 60 && r - b > 80;
}

bool fIsGrey(uint32_t c)
{
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return std::abs(r - g) < 24 && std::abs(g - b) < 24 && r > 120;
}

class Shop : public ZT_SHIPPED_GAME
{
protected:
    void TearDown() override
    {
        fGetEdition().inapp.clear();
        ZT_SHIPPED_GAME::TearDown();
    }

    GG_WINDOW_SHOP* fOpenShop(GG_PLAYER* player, uint32_t score)
    {
        player->statistic.score = score;
        GG_WINDOW_SHOP* shop = fWindow<GG_WINDOW_SHOP>("Shop");
        EXPECT_NE(nullptr, shop);
        windows->fShowWindow("Shop", false);
        fFrames(6); // slid in and at rest
        return shop;
    }
    gPages_Shop_Item* fEntry(const std::string& type) { return fWindow<GG_WINDOW_SHOP>("Shop")->fFindEntry(type); }
    void fBuy(const std::string& type)
    {
        fClickAt(fCard(type).buyX, fCard(type).buyY);
        fFrames(1);
    }
    std::wstring fLabel(const std::string& type, int id)
    {
        const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(fEntry(type)->fGetGui()->fFindById(id));
        return label ? label->fGetText() : L"(none)";
    }
    bool fSoldOutShown(const std::string& type) { return fEntry(type)->fGetGui()->fFindById(6)->fIsVisible(); }
    static fs::path fSaves() { return fs::path(fGetSaveFolder()) / "players.save"; }
};
}

TEST_F(Shop, AtRestTheCardsShowTheirOffersAndTheButtonsWhatCanBeBought)
{
    GG_PLAYER* player = fNewPlayer(L"Ada");
    fOpenShop(player, 200);
    fSaveFrame("shop_at_rest");

    // The sheet, its ribbon and the player's currency.
    EXPECT_TRUE(fRegionNear(512, 655, 40, 8, 0xFFFBF1DD, 20)) << "paper below the cards";
    EXPECT_TRUE(fIsCoral(fRegion(360, 84, 30, 10))) << "the title ribbon";
    EXPECT_TRUE(fRegionNear(800, 575, 30, 12, 0xFF1C1E3F, 30)) << "the dark currency pill";
    EXPECT_EQ(L"200", dynamic_cast<ZC_GUI_WLABEL*>(fWindow<GG_WINDOW_SHOP>("Shop")->fGetGui()->fFindById(2))->fGetText());

    // Score 200: only the first hints are affordable; the hearts are full, so no refill; the
    // hint refill waits for a level.
    const struct
    {
        const char* type;
        const wchar_t* title;
        const wchar_t* price;
        bool buyable;
    } rows[] = {
        {"start_hint", L"Extra hint", L"150", true}, {"health", L"Extra heart", L"400", false},
        {"errors", L"Extra mistake", L"300", false}, {"refill_health", L"Heart refill", L"120", false},
        {"refill_hint", L"Hint refill", L"60", false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.type);
        const ZS_CARD& card = fCard(row.type);
        EXPECT_EQ(row.title, fLabel(row.type, 2));
        EXPECT_EQ(row.price, fLabel(row.type, 4));
        EXPECT_NE(std::wstring::npos, fLabel(row.type, 3).find(L'\n')) << "a two-line description";
        EXPECT_FALSE(fSoldOutShown(row.type));
        EXPECT_EQ(row.buyable, fEntry(row.type)->fIsBuyEnabled());
        const uint32_t button = fRegion(card.buyX - 30, card.buyY - 4, 12, 8);
        EXPECT_TRUE(row.buyable ? fIsCoral(button) : fIsGrey(button)) << std::hex << button;
        // The picture well is light teal and holds the item's picture.
        EXPECT_GT(fCountNear(card.x - 200, card.y - 50, card.x - 90, card.y + 50, 0xFFB4E8DF, 30), 600);
        EXPECT_GT(fCountNear(card.x - 40, card.y + 36, card.x + 40, card.y + 58, 0xFF2B2D42, 60), 40)
            << "the price is written";
    }
}

TEST_F(Shop, EachPlaceOfTheWindowAnswersAsItShould)
{
    const struct
    {
        const char* what;
        int x, y;
        uint32_t scoreAfter;
        int hintsAfter;
        bool openAfter;
    } rows[] = {
        {"close button (1)", kCloseX, kCloseY, 200, 2, false},
        {"buy of an affordable card", 414, 277, 50, 3, true},
        {"buy of a card too dear", 874, 277, 200, 2, true},
        {"the currency (2)", 742, 575, 200, 2, true},
        {"a card's picture", 138, 233, 200, 2, true},
        {"the ribbon", 512, 84, 200, 2, true},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        GG_PLAYER* player = fNewPlayer(L"Bo");
        fOpenShop(player, 200);
        fClickAt(row.x, row.y);
        fFrames(6);
        EXPECT_EQ(row.scoreAfter, player->statistic.score);
        EXPECT_EQ(row.hintsAfter, player->fGetItemCount("start_hint"));
        EXPECT_EQ(row.openAfter, windows->fIsWindowOpen("Shop"));
        windows->fHideWindow("Shop", true);
        fFrames(2);
    }
}

TEST_F(Shop, BuyingChargesOnlyWhatThePlayerHasSavesAndTellsTheLevel)
{
    GG_PLAYER* player = fNewPlayer(L"Cy");
    fs::remove(fSaves());
    fOpenShop(player, 149);
    EXPECT_FALSE(fEntry("start_hint")->fIsBuyEnabled());
    fBuy("start_hint");
    EXPECT_EQ(149u, player->statistic.score) << "one short: nothing is charged";
    EXPECT_EQ(2, player->fGetItemCount("start_hint"));
    EXPECT_FALSE(fs::exists(fSaves())) << "nothing to save";

    // Bought by the list directly, as a click past the button's look would: still refused.
    EXPECT_FALSE(fBuyStoreItem(game->fFindStoreItem("start_hint")));
    EXPECT_EQ(149u, player->statistic.score);

    // A score equal to the price buys and leaves 0; the next offer of the ladder shows.
    player->statistic.score = 150;
    windows->fRefreshAll();
    EXPECT_TRUE(fEntry("start_hint")->fIsBuyEnabled());
    fBuy("start_hint");
    EXPECT_EQ(0u, player->statistic.score);
    EXPECT_EQ(3, player->fGetItemCount("start_hint"));
    EXPECT_TRUE(fs::exists(fSaves())) << "a purchase is saved";
    EXPECT_EQ("buy:start_hint;", level->storeEvents) << "the level hears of it";
    EXPECT_EQ(L"300", fLabel("start_hint", 4)) << "the next offer's price";
    EXPECT_FALSE(fEntry("start_hint")->fIsBuyEnabled());
    EXPECT_EQ(L"0", dynamic_cast<ZC_GUI_WLABEL*>(fWindow<GG_WINDOW_SHOP>("Shop")->fGetGui()->fFindById(2))->fGetText());
}

TEST_F(Shop, TheLastOfferBoughtLeavesASoldOutCardWithoutAPrice)
{
    GG_PLAYER* player = fNewPlayer(L"Di");
    fOpenShop(player, 5000);
    fBuy("health");
    EXPECT_EQ(L"800", fLabel("health", 4));
    fBuy("health");
    EXPECT_EQ(7, player->fGetItemCount("health"));
    EXPECT_EQ(5000u - 400u - 800u, player->statistic.score);
    EXPECT_TRUE(fSoldOutShown("health"));
    EXPECT_FALSE(fEntry("health")->fIsBuyEnabled());
    EXPECT_EQ(L"–", fLabel("health", 4)) << "no price of an offer that is gone";
    EXPECT_NE(std::wstring::npos, fLabel("health", 3).find(L"all there is"));
    fFrames(1);
    fSaveFrame("shop_sold_out");
    const ZS_CARD& card = fCard("health");
    EXPECT_GT(fCountNear(card.x - 60, card.y + 36, card.x + 50, card.y + 56, 0xFF68C26E, 50), 300) << "the green badge";
    fBuy("health");
    EXPECT_EQ(3800u, player->statistic.score) << "a sold-out card buys nothing";
}

TEST_F(Shop, HeartsBoughtOrRefilledComeFilled)
{
    GG_PLAYER* player = fNewPlayer(L"Ed");
    GG_HEALTH& hearts = player->fGetHealth();
    ASSERT_EQ(5, hearts.count);
    hearts.fLoseHeart();
    hearts.fLoseHeart();
    fOpenShop(player, 100);
    // The refill wants only hearts below the maximum, not the money: a click then buys nothing.
    EXPECT_TRUE(fEntry("refill_health")->fIsBuyEnabled());
    fBuy("refill_health");
    EXPECT_EQ(3, hearts.count);
    EXPECT_EQ(100u, player->statistic.score);

    player->statistic.score = 1000;
    windows->fRefreshAll();
    fBuy("refill_health");
    EXPECT_EQ(5, hearts.count) << "every heart back";
    EXPECT_FALSE(hearts.refilling);
    EXPECT_TRUE(hearts.stamps.empty());
    EXPECT_EQ(880u, player->statistic.score);
    EXPECT_FALSE(fEntry("refill_health")->fIsBuyEnabled()) << "nothing left to refill";

    hearts.fLoseHeart();
    fBuy("health");
    EXPECT_EQ(6, player->fGetItemCount("health"));
    EXPECT_EQ(6, hearts.count) << "the new heart and the lost one are filled";
    EXPECT_EQ(480u, player->statistic.score);
}

TEST_F(Shop, DuringALevelTheRefillOfHintsFollowsTheLevelScreen)
{
    GG_PLAYER* player = fNewPlayer(L"Flo");
    fOpenShop(player, 1000);
    EXPECT_FALSE(fEntry("refill_hint")->fIsBuyEnabled()) << "only while a level runs";
    windows->fHideWindow("Shop", true);
    fFrames(2);

    level->started = true;
    level->paused = true; // the store button pauses before it opens the shop
    fOpenShop(player, 1000);
    EXPECT_FALSE(fEntry("refill_hint")->fIsBuyEnabled()) << "a screen that cannot tell whether hints are left";

    fClickAt(kCloseX, kCloseY);
    fFrames(8);
    EXPECT_FALSE(windows->fIsWindowOpen("Shop"));
    EXPECT_FALSE(level->paused) << "the shop resumes the level it paused";
}

TEST_F(Shop, ClosedOverTheLevelMenuTheLevelStaysPaused)
{
    // A stand-in for the in-level menu, added to the game's windows.
    fPutTestFile("GP_Menu.xml", "<window _name=\"GP_Menu\" _type=\"G_WINDOW_SIMPLE\" layer=\"60\"><GUI/></window>");
    fPutTestFile("menu_scenes.xml", "<scenes><window file=\"test GP_Menu.xml\"/></scenes>");
    if (!windows->fFindWindow("GP_Menu"))
    {
        ASSERT_TRUE(windows->fLoadScenes("test menu_scenes.xml"));
    }
    GG_PLAYER* player = fNewPlayer(L"Gus");
    level->started = true;
    level->paused = true;
    windows->fShowWindow("GP_Menu", true);
    fOpenShop(player, 0);
    fClickAt(kCloseX, kCloseY);
    fFrames(8);
    EXPECT_FALSE(windows->fIsWindowOpen("Shop"));
    EXPECT_TRUE(windows->fIsWindowOpen("GP_Menu"));
    EXPECT_TRUE(level->paused);
}

TEST_F(Shop, WithInAppPurchasesAndNoStoreAPurchaseFailsAndChangesNothing)
{
    GG_PLAYER* player = fNewPlayer(L"Hal");
    fGetEdition().inapp = "data/share/main/other inapp.xml";
    fs::remove(fSaves());
    testing::internal::CaptureStderr();
    fOpenShop(player, 0);
    EXPECT_TRUE(fEntry("start_hint")->fIsBuyEnabled()) << "the store decides, not the currency";
    fBuy("start_hint");
    fClickAt(100, 100); // nothing there
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(2, player->fGetItemCount("start_hint"));
    EXPECT_EQ(0u, player->statistic.score);
    EXPECT_FALSE(fs::exists(fSaves()));
    EXPECT_NE(std::string::npos, log.find("The purchase of \"start_hint\" could not start: no store is attached."))
        << log;
}

TEST_F(Shop, ALayoutWithoutItsPartsStillOpensAndSaysWhatIsMissing)
{
    // A card without labels, picture or buy button, and a window without its currency label.
    fPutTestFile("bare_list.xml", "<shop cols=\"1\" rows=\"1\"><item type=\"start_hint\" size=\"200 100\"><GUI/></item>"
                                  "<item type=\"health\" size=\"200 100\"/></shop>");
    std::string log;
    std::unique_ptr<G_WINDOW> window = fMakeFromText("<window _name=\"Bare_Shop\" _type=\"GG_WINDOW_SHOP\" layer=\"80\"><GUI/>"
                                                     "<gPages file=\"test bare_list.xml\"/></window>",
                                                     &log);
    GG_WINDOW_SHOP* shop = dynamic_cast<GG_WINDOW_SHOP*>(window.get());
    ASSERT_NE(nullptr, shop);
    EXPECT_NE(std::string::npos, log.find("\"Bare_Shop\" has no currency label (widget 2)")) << log;

    GG_PLAYER* player = fNewPlayer(L"Ivy");
    player->statistic.score = 1000;
    shop->fAcquireResources();
    shop->fShow(true);
    shop->fRefresh();
    EXPECT_EQ(2u, shop->fGetList()->fGetItemCount());
    EXPECT_FALSE(shop->fFindEntry("start_hint")->fIsBuyEnabled()) << "no button to enable";
    shop->fOnMouseMove();
    shop->fOnKeyDown(1);
    shop->fOnKeyUp(1);
    shop->fDraw();
    EXPECT_EQ(1000u, player->statistic.score);
    shop->fReleaseResources(true);
}

TEST_F(Shop, ACardsTextsFromTheTableShowAsWritten)
{
    // A card of an item the store does not sell: its key and its own text hold percent signs.
    fAddText("test_shop_percent", "50% off %s%d%n");
    fPutTestFile("percent_list.xml", "<shop cols=\"1\" rows=\"1\"><item type=\"test_shop_percent\" size=\"440 150\"><GUI>"
                                     "<WLABEL ID=\"2\" FONT=\"data/share/font text.xml\" FONT_TEXTURE=\"data/share/font text.png\" TEXT=\"hud_none\"/>"
                                     "<WLABEL ID=\"3\" FONT=\"data/share/font text.xml\" FONT_TEXTURE=\"data/share/font text.png\" TEXT=\"test_shop_percent\"/>"
                                     "</GUI></item></shop>");
    std::unique_ptr<G_WINDOW> window = fMakeFromText("<window _name=\"Percent_Shop\" _type=\"GG_WINDOW_SHOP\" layer=\"80\"><GUI/>"
                                                     "<gPages file=\"test percent_list.xml\"/></window>");
    GG_WINDOW_SHOP* shop = dynamic_cast<GG_WINDOW_SHOP*>(window.get());
    ASSERT_NE(nullptr, shop);
    fNewPlayer(L"Joy");
    shop->fAcquireResources();
    gPages_Shop_Item* card = shop->fFindEntry("test_shop_percent");
    ASSERT_NE(nullptr, card);
    EXPECT_FALSE(card->fIsAvailable()) << "the store has no such offer";
    for (int id : {2, 3})
    {
        const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(card->fGetGui()->fFindById(id));
        // Labels draw their text as a format: every percent sign doubled shows one.
        EXPECT_EQ(L"50%% off %%s%%d%%n", label->fGetText()) << id;
    }
    ASSERT_EQ(1, render->fBeginFrame());
    shop->fDraw();
    ASSERT_EQ(0, render->fEndFrame());
    shop->fReleaseResources(true);
}

// The data that the shop, the help pages and the trophy pop-up rest on, as the game loads it: every
// shipped window, help page and shop card shows texts from the strings table and pictures that
// exist, and so does every store offer and trophy.
#include <functional>
#include <string>

#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "framework/G_STORE_ITEMS.h"
#include "framework/G_TROPHIES.h"
#include "game/ZT_SHIPPED_GAME.h"
#include "game/shell/GG_WINDOW_HELP.h"
#include "game/shell/GG_WINDOW_SHOP.h"

using namespace ZT_GAME;

namespace
{
// Wide labels that show "etwas", as "window/id" names.
void fFindUnknownTexts(ZC_GUI_OBJECT* widget, const std::string& where, std::vector<std::string>* found)
{
    if (!widget)
        return;
    if (const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(widget))
        if (label->fGetText().find(L"etwas") != std::wstring::npos)
            found->push_back(where + "/" + std::to_string(widget->fGetId()));
    for (ZC_GUI_OBJECT* child : widget->fGetChildren())
        fFindUnknownTexts(child, where, found);
}

// Image widgets whose picture the repository does not hold.
void fFindMissingPictures(ZC_GUI_OBJECT* widget, const std::string& where, std::vector<std::string>* found)
{
    if (!widget)
        return;
    if (const ZC_GUI_IMAGE* image = dynamic_cast<ZC_GUI_IMAGE*>(widget))
        if (!zcREPOSITORY->fFind(image->fGetTextureName().c_str()))
            found->push_back(where + ": " + image->fGetTextureName());
    for (ZC_GUI_OBJECT* child : widget->fGetChildren())
        fFindMissingPictures(child, where, found);
}

bool fHasText(const std::string& key)
{
    return std::string(fGetStrings()->fGetText(key.c_str())) != "etwas";
}

class ShippedTexts : public ZT_SHIPPED_GAME
{
};
}

TEST_F(ShippedTexts, EveryWindowAndListShowsTextsFromTheTableAndPicturesThatExist)
{
    std::vector<std::string> unknown, missing;
    ASSERT_GT(windows->fGetAllWindows().size(), 10u);
    for (G_WINDOW* window : windows->fGetAllWindows())
    {
        fFindUnknownTexts(window->fGetGui()->fGetRoot(), window->fGetName(), &unknown);
        fFindMissingPictures(window->fGetGui()->fGetRoot(), window->fGetName(), &missing);
        if (GG_WINDOW_HELP* help = dynamic_cast<GG_WINDOW_HELP*>(window))
            for (size_t i = 0; i < help->fGetList()->fGetItemCount(); ++i)
            {
                gHelpItem* page = dynamic_cast<gHelpItem*>(help->fGetList()->fGetItem(i));
                const std::string where = window->fGetName() + " page " + std::to_string(i);
                fFindUnknownTexts(page->fGetGui()->fGetRoot(), where, &unknown);
                fFindMissingPictures(page->fGetGui()->fGetRoot(), where, &missing);
            }
        if (GG_WINDOW_SHOP* shop = dynamic_cast<GG_WINDOW_SHOP*>(window))
            for (size_t i = 0; i < shop->fGetList()->fGetItemCount(); ++i)
            {
                gPages_Shop_Item* card = dynamic_cast<gPages_Shop_Item*>(shop->fGetList()->fGetItem(i));
                const std::string where = window->fGetName() + " card " + card->fGetType();
                fFindMissingPictures(card->fGetGui()->fGetRoot(), where, &missing);
                // A card translates its texts itself: the item's key and its sold-out text.
                if (!fHasText(card->fGetType()))
                    unknown.push_back(where + " title");
                const ZC_GUI_WLABEL* soldOut = dynamic_cast<ZC_GUI_WLABEL*>(card->fGetGui()->fFindById(3));
                if (!soldOut || !fHasText(pugi::as_utf8(soldOut->fGetText())))
                    unknown.push_back(where + " sold-out text");
            }
    }
    EXPECT_TRUE(unknown.empty()) << ::testing::PrintToString(unknown);
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST_F(ShippedTexts, EveryStoreOfferAndTrophyHasItsTextsAndPictures)
{
    std::vector<std::string> problems;
    std::function<void(const G_STORE_ITEM*)> walk = [&](const G_STORE_ITEM* offer) {
        if (!fHasText(offer->name) || !fHasText(offer->annotation))
            problems.push_back("store " + offer->name + ": text");
        if (!zcREPOSITORY->fFind(offer->image.c_str()))
            problems.push_back("store " + offer->name + ": " + offer->image);
        for (const G_STORE_ITEM* child : offer->children)
            walk(child);
    };
    for (const G_STORE_ITEM* offer : fGetStoreItems()->fGetItems())
        walk(offer);
    EXPECT_EQ(5u, fGetStoreItems()->fGetItems().size());

    G_TROPHIES* trophies = fGetTrophies();
    ASSERT_EQ(14, trophies->fGetCount());
    for (const char* name : {"tr_pack_1", "tr_pack_2", "tr_pack_3", "tr_pack_4", "pc_tr_without_hint", "tr_without_error",
                             "pc_tr_hint_use", "tr_stars_1", "tr_stars_2", "tr_stars_3", "tr_bronze_coin",
                             "tr_silver_coin", "tr_gold_coin", "tr_all_trophy"})
    {
        const G_TROPHY* trophy = trophies->fFindTrophy(name);
        if (!trophy)
        {
            problems.push_back(std::string("no trophy ") + name);
            continue;
        }
        if (!fHasText(trophy->fGetName()) || !fHasText(trophy->fGetDesc()))
            problems.push_back(std::string(name) + ": text");
        for (const std::string& picture : {trophy->fGetImageOpen(), trophy->fGetImageClose()})
            if (!zcREPOSITORY->fFind(picture.c_str()))
                problems.push_back(std::string(name) + ": " + picture);
        if (trophy->fGetConditions().size() != 1)
            problems.push_back(std::string(name) + ": one condition");
    }
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
    // The pop-up's reward line holds its one number.
    const ZC_GUI_WLABEL* reward =
        dynamic_cast<ZC_GUI_WLABEL*>(windows->fFindWindow("Trophy_Get")->fGetGui()->fFindById(3));
    ASSERT_NE(nullptr, reward);
    EXPECT_NE(std::wstring::npos, reward->fGetText().find(L"%i"));
}

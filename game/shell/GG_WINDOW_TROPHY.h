#pragma once
#include <cstdint>
#include <string>

#include "engine/core/ZS_POINT.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "framework/G_SPRITE.h"
#include "framework/G_WINDOW.h"
#include "framework/gPages.h"
#include "game/shell/GG_LIST_SCREEN.h"

namespace ZOR_GF
{
class G_TROPHY;
}

namespace game
{
// One trophy of the trophy list as an entry: its open or closed picture, its title and
// description and, while it is not earned, its reward with the currency icon. For looking only.
class gItem_Trophy : public ZOR_GF::G_PAGES_ITEM
{
public:
    enum
    {
        MSG_DRAW_IMAGE = 57,
        MSG_DRAW_ICON = 58,
        MSG_DRAW_TEXTS = 59
    };

    // "name_tr" (without it nothing else is read), the child "sunime" (sprite XML of the reward
    // icon) and the font styles "fontTitle", "fontDescr", "fontSunime" with their "shift".
    gItem_Trophy(pugi::xml_node element, int index);
    ~gItem_Trophy() override;

    // The list's messages, then 57 (the picture), 58 (the reward icon), 59 (the texts).
    int fMessage(int message, float x, float y, float z, void* data) override;
    // The larger picture's size, so every entry takes the place of the largest.
    int fGetWidth() override;
    int fGetHeight() override;
    // Texts, reward and pictures from the trophy list, then the textures.
    void fLoadResources() override;
    void fUnloadResources() override;
    void fDraw() override {}
    // Earned or not, from the trophy list.
    void fRefresh() override;

    bool fIsAchieved() const { return achieved != 0; }
    const std::wstring& fGetTitle() const { return title; }
    const std::wstring& fGetDescription() const { return description; }
    int32_t fGetReward() const { return reward; }
    const std::string& fGetTrophyName() const { return trophyName; }
    ZOR_GF::G_SPRITE& fGetOpenImage() { return openImage; }
    ZOR_GF::G_SPRITE& fGetClosedImage() { return closedImage; }
    ZOR_GF::G_SPRITE& fGetRewardIcon() { return rewardIcon; }

private:
    ZOR_GF::G_TROPHY* fFindTrophy() const;
    void fDrawTexts();

    int32_t achieved = 0;
    std::string trophyName;
    std::wstring title;
    std::wstring description;
    int32_t reward = 0;
    ZOR::ZS_FONT_STYLE titleStyle, descriptionStyle, rewardStyle;
    ZOR::ZS_VECTOR2 titleShift, descriptionShift, rewardShift;
    ZOR_GF::G_SPRITE closedImage;
    ZOR_GF::G_SPRITE openImage;
    ZOR_GF::G_SPRITE rewardIcon;
};

// The trophies; a page draws every picture first, then every reward icon, then every text.
class gPages_Trophy : public ZOR_GF::gPages
{
public:
    ZOR::ZC_BASE* fCreateItem(pugi::xml_node element, int index) override;
    void fOnItemClick(ZOR::ZC_BASE*) override {}
    void fDrawPage(int page) override;

    gItem_Trophy* fGetEntry(size_t index) const { return dynamic_cast<gItem_Trophy*>(fGetItem(index)); }
};

// The trophy list "Trophy": the trophy entries with page dots and the two arrows, which are
// enabled or disabled by the pages there are, never hidden.
class GG_WINDOW_TROPHY : public GG_LIST_WINDOW
{
public:
    explicit GG_WINDOW_TROPHY(pugi::xml_node element);
    ~GG_WINDOW_TROPHY() override;

    void fRefresh() override;
    void fOnGuiEvent(int widgetId) override;

    gPages_Trophy* fGetList() const { return static_cast<gPages_Trophy*>(screen.fGetList()); }
};
}

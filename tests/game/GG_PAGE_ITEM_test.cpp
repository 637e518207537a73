// The list tile and the level tile on the offscreen device: the three looks as drawn, the
// picture moving with the tile, the number and stars of a level, the click rectangle with its
// borders, and what the messages of a paged list do to a tile.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include "framework/gPages.h"
#include "game/shell/GG_WINDOW_LEVEL.h"

using namespace ZT_GUI;
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

namespace
{
// A tile texture of three 40 x 30 frames: open red, next green, and the lock, a blue square in
// the middle of a clear frame. The picture is yellow, the star strip 2 frames of 10 x 10: not
// earned grey, earned white.
class PageItem : public ZT_WIDGETS
{
protected:
    void SetUp() override
    {
        // Before the package is mounted, which lists its files.
        std::filesystem::create_directories(fFolder());
        fWritePng(fFolder() + "tile.png", 120, 30, [](int x, int y) {
            const int cell = x / 40, cx = x % 40;
            if (cell == 0)
                return kRed;
            if (cell == 1)
                return kGreen;
            return cx >= 15 && cx < 25 && y >= 10 && y < 20 ? kBlue : 0u;
        });
        fWritePng(fFolder() + "wide.png", 301, 10, [](int, int) { return kWhite; });
        fWritePng(fFolder() + "picture.png", 8, 8, [](int, int) { return kYellow; });
        fWritePng(fFolder() + "star.png", 20, 10, [](int x, int) { return x < 10 ? kGrey : kWhite; });
        ZT_WIDGETS::SetUp();
    }
    void TearDown() override
    {
        item.reset();
        ZT_WIDGETS::TearDown();
    }

    // A tile as a list sets one up: owner, textures, then its centre and hot spot 4.
    template <class ITEM = gLevel_Item>
    ITEM* fMakeTile(const std::string& xml, float x, float y)
    {
        document.load_string(xml.c_str());
        item = std::make_unique<ITEM>(document.document_element(), 3);
        item->fMessage(PAGES_MSG_OWNER, 0, 0, 0, &owner);
        item->fMessage(PAGES_MSG_LOAD, 0, 0, 0, nullptr);
        item->fMessage(PAGES_MSG_POSITION, x, y, 0, nullptr);
        item->fMessage(PAGES_MSG_HOT_SPOT, 0, 0, 0, fKeyAsData(4));
        return static_cast<ITEM*>(item.get());
    }
    void fDrawTile()
    {
        ASSERT_EQ(1, render->fBeginFrame());
        item->fMessage(zcMESSAGE_DRAW, 0, 0, 0, nullptr);
        ASSERT_EQ(0, render->fEndFrame());
    }

    pugi::xml_document document;
    ZS_TRANSFORM3 owner;
    std::unique_ptr<GG_PAGE_ITEM> item;
};

const char* const kTile = "<tile background='widgets tile.png' picture='widgets picture.png' pic_shift_x='10' "
                          "pic_shift_y='-8'><star picture='widgets star.png' shift_x='-10' shift_y='10'/></tile>";
}

TEST_F(PageItem, TheThreeLooksAsDrawn)
{
    // Owner at (100, 100), tile at (50, 60) in it: the middle on screen is (150, 160).
    owner.fSetPosition(100, 100, 0);
    gLevel_Item* tile = fMakeTile(kTile, 50, 60);
    EXPECT_EQ(40, tile->fMessage(PAGES_MSG_WIDTH, 0, 0, 0, nullptr)) << "one frame of the three";
    EXPECT_EQ(30, tile->fMessage(PAGES_MSG_HEIGHT, 0, 0, 0, nullptr));
    EXPECT_EQ(0, tile->fGetState()) << "locked until told";
    tile->fSetStars(2);

    const struct
    {
        int state;
        uint32_t background, middle, picture;
    } kLooks[] = {
        {0, kRed, kBlue, kRed},       // the lock over the open look; no picture
        {1, kRed, kRed, kYellow},     // open: the picture at its shift
        {2, kGreen, kGreen, kYellow}, // next
    };
    for (const auto& look : kLooks)
    {
        SCOPED_TRACE("state " + std::to_string(look.state));
        tile->fMessage(52, 0, 0, 0, fKeyAsData(look.state));
        fDrawTile();
        EXPECT_TRUE(fShows(133, 150, look.background));
        EXPECT_TRUE(fShows(150, 160, look.middle));
        EXPECT_TRUE(fShows(160, 152, look.picture)) << "the picture 10 right of and 8 above the middle";
        // Stars 10 below the middle, the first 10 left of it, one star width apart: two earned.
        const bool shown = look.state != 0;
        EXPECT_TRUE(fShows(140, 170, shown ? kWhite : look.background));
        EXPECT_TRUE(fShows(150, 170, shown ? kWhite : look.background));
        EXPECT_TRUE(fShows(160, 170, shown ? kGrey : look.background));
    }
    tile->fMessage(52, 0, 0, 0, fKeyAsData(7));
    EXPECT_EQ(2, tile->fGetState()) << "a state other than 0, 1 and 2 is ignored";
}

TEST_F(PageItem, TheClickTakesTheLeftButtonWithinTheTileBordersIncluded)
{
    gLevel_Item* tile = fMakeTile(kTile, 200, 100); // 40 x 30 about (200, 100)
    const struct
    {
        int x, y, key;
        int answer;
    } kCases[] = {
        {200, 100, 1, zcANSWER_TAKEN}, {180, 100, 1, zcANSWER_TAKEN}, {220, 115, 1, zcANSWER_TAKEN},
        {179, 100, 1, -1},             {221, 100, 1, -1},             {200, 116, 1, -1},
        {200, 100, 2, -1}, // the right button never clicks a tile
    };
    for (const auto& c : kCases)
    {
        input->fOnMouseMove(c.x, c.y);
        EXPECT_EQ(c.answer, tile->fMessage(PAGES_MSG_POINTER_RELEASE, 0, 0, 0, fKeyAsData(c.key)))
            << c.x << "," << c.y << " key " << c.key;
    }
    EXPECT_EQ(-1, tile->fMessage(PAGES_MSG_POINTER_PRESS, 0, 0, 0, fKeyAsData(1)));
    EXPECT_EQ(-1, tile->fMessage(56, 0, 0, 0, nullptr)) << "a list's refresh does not change a tile";
}

TEST_F(PageItem, FramesAreAThirdOfTheTextureAndATileWithoutBackgroundIsNothing)
{
    EXPECT_EQ(100, fMakeTile("<tile background='widgets wide.png'/>", 0, 0)->fMessage(PAGES_MSG_WIDTH, 0, 0, 0, nullptr));
    GG_PAGE_ITEM* bare = fMakeTile("<tile picture='widgets picture.png'/>", 50, 50);
    EXPECT_EQ(0, bare->fMessage(PAGES_MSG_WIDTH, 0, 0, 0, nullptr));
    EXPECT_EQ(1, bare->fMessage(PAGES_MSG_POSITION, 1, 1, 0, nullptr));
    bare->fSetState(1);
    EXPECT_EQ(0, bare->fGetState()) << "without a background the state stays";
    input->fOnMouseMove(50, 50);
    EXPECT_EQ(-1, bare->fMessage(PAGES_MSG_POINTER_RELEASE, 0, 0, 0, fKeyAsData(1))) << "never hit";
    fDrawTile();
    EXPECT_TRUE(fShows(50, 50, kBlack)) << "nothing drawn";
}

namespace
{
// The text point is a tile's own business; this one tells it.
struct ZT_TEXT_TILE : gLevel_Item
{
    using gLevel_Item::gLevel_Item;
    bool fText(int* x, int* y) const { return fTextPoint(x, y); }
};
}

// The number stands at the centre plus the text shift in whole pixels; a shift or a place
// beyond any screen gives no point (and no number), as the click test gives no hit there.
TEST_F(PageItem, ATextPointBeyondAnyScreenIsNone)
{
    const struct
    {
        const char* shift;
        float x;
        bool placed;
    } cases[] = {
        {"text_shift_x='5' text_shift_y='-7'", 200.0f, true},
        {"text_shift_x='2147483647'", 200.0f, false},
        {"text_shift_y='-2147483648'", 200.0f, false},
        {"", 3.0e9f, false},
    };
    for (const auto& c : cases)
    {
        const std::string xml = std::string("<tile background='widgets tile.png' ") + c.shift + "/>";
        auto* tile = fMakeTile<ZT_TEXT_TILE>(xml, c.x, 100);
        int x = 0, y = 0;
        EXPECT_EQ(tile->fText(&x, &y), c.placed) << c.shift << " at " << c.x;
        if (c.placed)
        {
            EXPECT_EQ(std::make_pair(x, y), std::make_pair(205, 93));
        }
        input->fOnMouseMove(200, 100);
        const int hit = c.x < 1000.0f ? zcANSWER_TAKEN : -1;
        EXPECT_EQ(tile->fMessage(PAGES_MSG_POINTER_RELEASE, 0, 0, 0, fKeyAsData(1)), hit);
        fDrawTile();
    }
}

// The help window "Help" as the game makes it from the shipped data: its first page at rest,
// the arrows and dots turning every page, the close button, and lists of one page or of a page
// without a layout.
#include <set>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "game/ZT_SHIPPED_GAME.h"
#include "game/shell/GG_WINDOW_HELP.h"
#include "game/shell/gWindowFactory.h"

using namespace ZT_GAME;

namespace
{
// The shipped layout (screen pixels; the window rests at the screen's middle).
const int kPrevX = 342, kNextX = 682, kArrowY = 630, kCloseX = 884, kCloseY = 134;
const int kDotsY = 630, kFirstDotX = 428, kDotStep = 24;
const uint32_t kGoldDot = 0xFFFFC83A;

bool fIsTeal(uint32_t c)
{
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return g > 130 && g - r > 60 && b - r > 40;
}

bool fIsGrey(uint32_t c)
{
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return std::abs(r - g) < 24 && std::abs(g - b) < 24;
}

class Help : public ZT_SHIPPED_GAME
{
protected:
    GG_WINDOW_HELP* fOpen()
    {
        GG_WINDOW_HELP* help = fWindow<GG_WINDOW_HELP>("Help");
        EXPECT_NE(nullptr, help);
        windows->fShowWindow("Help", false);
        fFrames(6);
        return help;
    }
    static std::wstring fText(gHelpItem* page, int id)
    {
        const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(page->fGetGui()->fFindById(id));
        return label ? label->fGetText() : L"(none)";
    }
    static bool fEnabled(GG_WINDOW_HELP* help, int id)
    {
        const ZC_GUI_BUTTON5* b = dynamic_cast<ZC_GUI_BUTTON5*>(help->fGetGui()->fFindById(id));
        return b && b->fGetState() != ZC_GUI_BUTTON5::STATE_DISABLED;
    }
};
}

TEST_F(Help, AtRestTheFirstPageShowsWithItsDotAndOnlyTheNextArrow)
{
    fNewPlayer(L"Reader");
    GG_WINDOW_HELP* help = fOpen();
    fSaveFrame("help_at_rest");
    ASSERT_NE(nullptr, help->fGetList());
    EXPECT_EQ(9, help->fGetList()->fGetPageCount());
    EXPECT_EQ(0, help->fGetList()->fGetCurrentPage());

    EXPECT_TRUE(fRegionNear(512, 560, 60, 8, 0xFFF8EEDA, 20)) << "paper below the text";
    EXPECT_TRUE(fRegionNear(300, 300, 20, 20, 0xFFDDCCA9, 24)) << "the picture's well";
    EXPECT_GT(fCountNear(430, 240, 600, 370, 0xFF2B2D42, 40), 2000) << "the filled cells of the example";
    EXPECT_GT(fCountNear(190, 420, 830, 530, 0xFF2B2D42, 60), 1500) << "the text";
    EXPECT_TRUE(fIsGrey(fRegion(kPrevX, kArrowY, 10, 10))) << "no page before the first";
    EXPECT_TRUE(fIsTeal(fRegion(kNextX, kArrowY, 10, 10)));
    EXPECT_TRUE(fRegionNear(kFirstDotX, kDotsY, 6, 6, kGoldDot, 30)) << "the first dot is the current one";
    EXPECT_FALSE(fRegionNear(kFirstDotX + kDotStep, kDotsY, 6, 6, kGoldDot, 60));
}

TEST_F(Help, TheArrowsTurnEveryPageAndTheCloseButtonHidesTheWindow)
{
    fNewPlayer(L"Turner");
    GG_WINDOW_HELP* help = fOpen();
    gPages_Help* pages = help->fGetList();
    std::set<std::wstring> titles;
    for (int page = 0; page < 9; ++page)
    {
        SCOPED_TRACE(page);
        EXPECT_EQ(page, pages->fGetCurrentPage());
        EXPECT_EQ(page, help->fGetDots()->fGetCurrent());
        gHelpItem* item = dynamic_cast<gHelpItem*>(pages->fGetItem(size_t(page)));
        const std::wstring title = fText(item, 1), text = fText(item, 3);
        EXPECT_EQ(std::wstring::npos, (title + text).find(L"etwas")) << "every text is in the table";
        EXPECT_GT(text.size(), 100u);
        titles.insert(title);
        EXPECT_EQ(page > 0, fEnabled(help, 3));
        EXPECT_EQ(page < 8, fEnabled(help, 4));
        fDraw();
        EXPECT_TRUE(fRegionNear(kFirstDotX + page * kDotStep, kDotsY, 6, 6, kGoldDot, 30)) << "its dot";
        EXPECT_GT(fCountNear(240, 200, 790, 360, 0xFFDDCCA9, 24), 20000) << "its picture";
        fClickAt(kNextX, kArrowY);
        fFrames(1);
    }
    EXPECT_EQ(9u, titles.size()) << "every page says something of its own";
    EXPECT_EQ(8, pages->fGetCurrentPage()) << "the next arrow does nothing on the last page";
    fSaveFrame("help_last_page");

    fClickAt(kPrevX, kArrowY);
    fFrames(1);
    EXPECT_EQ(7, pages->fGetCurrentPage());
    EXPECT_EQ(7, help->fGetDots()->fGetCurrent());
    EXPECT_TRUE(fEnabled(help, 4));

    fClickAt(kCloseX, kCloseY);
    EXPECT_TRUE(windows->fIsWindowOpen("Help")) << "it hides with its effect, not at once";
    EXPECT_TRUE(help->fIsAnimating());
    fFrames(8);
    EXPECT_FALSE(windows->fIsWindowOpen("Help"));
}

TEST_F(Help, OnePageDisablesBothArrowsAndAPageWithoutLayoutStillTakesItsPlace)
{
    fPutTestFile("one_page.xml", "<help cols=\"1\" rows=\"1\"><page size=\"300 200\"><GUI/></page></help>");
    fPutTestFile("bare_pages.xml", "<help cols=\"2\" rows=\"1\" interval_x=\"10\"><page size=\"300 200\"/>"
                                   "<page size=\"300 200\"><GUI/></page></help>");
    const struct
    {
        const char* list;
        int pages;
        int pageWidth;
    } rows[] = {{"test one_page.xml", 1, 300}, {"test bare_pages.xml", 1, 610}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.list);
        const std::string xml = std::string("<window _name=\"Small_Help\" _type=\"GG_WINDOW_HELP\" layer=\"85\"><GUI>") +
                                "<BUTTON5 ID=\"3\" TEXTURE=\"data/share/image/gui btn_small_left.png\"/>"
                                "<BUTTON5 ID=\"4\" TEXTURE=\"data/share/image/gui btn_small_right.png\"/></GUI>"
                                "<gPages file=\"" + row.list + "\"/>"
                                "<IOS_PAGE_NUMBER file=\"data/share/image/gui page_dots.png\"/></window>";
        std::unique_ptr<G_WINDOW> window = fMakeFromText(xml);
        GG_WINDOW_HELP* help = dynamic_cast<GG_WINDOW_HELP*>(window.get());
        ASSERT_NE(nullptr, help);
        help->fAcquireResources();
        help->fShow(true);
        EXPECT_EQ(row.pages, help->fGetList()->fGetPageCount());
        EXPECT_EQ(row.pageWidth, help->fGetList()->fGetPageWidth());
        EXPECT_EQ(1u, help->fGetDots()->fGetCount());
        EXPECT_FALSE(fEnabled(help, 3));
        EXPECT_FALSE(fEnabled(help, 4));
        help->fOnGuiEvent(4);
        EXPECT_EQ(0, help->fGetList()->fGetCurrentPage());
        help->fDraw();
        help->fReleaseResources(true);
    }
}

TEST_F(Help, AWindowWithoutItsArrowsStillOpensAndSaysSo)
{
    std::string log;
    std::unique_ptr<G_WINDOW> window =
        fMakeFromText("<window _name=\"Arrowless_Help\" _type=\"GG_WINDOW_HELP\" layer=\"85\"><GUI/>"
                      "<gPages file=\"data/share/windows help_pages.xml\"/></window>",
                      &log);
    GG_WINDOW_HELP* help = dynamic_cast<GG_WINDOW_HELP*>(window.get());
    ASSERT_NE(nullptr, help);
    EXPECT_NE(std::string::npos, log.find("\"Arrowless_Help\" has no next-page button (widget 4)")) << log;
    help->fAcquireResources();
    help->fShow(true);
    help->fOnGuiEvent(4);
    EXPECT_EQ(1, help->fGetList()->fGetCurrentPage()) << "turned by its events all the same";
    EXPECT_EQ(nullptr, help->fGetDots());
    help->fDraw();
    help->fReleaseResources(true);
}

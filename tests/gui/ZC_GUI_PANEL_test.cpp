// Panels: enter, leave, press, click and drag with the left button, and the nine-piece panel's
// layout as the player sees it.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include "engine/gui/ZC_GUI_PANEL.h"
#include "engine/render/ZC_QUAD.h"

using namespace ZT_GUI;

namespace
{
int gGrabs = 0;
int fCountGrab(void*)
{
    return ++gGrabs;
}

// A 60x40 panel centred on (300, 200): 270..330 x 180..220.
std::string fPanel(const char* movable)
{
    return std::string(R"(<PANEL ID="7" TEXTURE="panel.png" )") + movable +
           R"(><POSITION>300 200</POSITION><SCRIPTS><S EVENT="grab">onGrab</S></SCRIPTS></PANEL>)";
}

const char* kPanel9 =
    R"(<PANEL9 ID="9" TX_1_1="corner.png" TX_1_2="edge_h.png" TX_1_3="corner.png" TX_2_1="edge_v.png"
        TX_2_2="centre.png" TX_2_3="edge_v.png" TX_3_1="corner.png" TX_3_2="edge_h.png" TX_3_3="corner.png">
        <TRANSFORM>0 0 0 7 7 0 0 0 0 1 1 1</TRANSFORM><SIZE>300 100</SIZE><POSITION>400 300</POSITION></PANEL9>)";

struct Panel : ZT_WIDGETS
{
    void SetUp() override
    {
        ZT_WIDGETS::SetUp();
        gGrabs = 0;
    }
    ZS_TRANSFORM3* fPlace(int id) { return gui->fFindById(id)->fGetTransform(); }
};
}

TEST_F(Panel, MovableByDefaultOnlyForThePlainPanel)
{
    fLoad(fPanel("") + R"(<panel ID="8" TEXTURE="panel.png" MOVABLE="0"/><PANEL9 ID="9"/><PANEL9 ID="10" MOVABLE="yes"/>)" +
          R"(<PANEL TEXTURE="panel.png"/>)");
    ASSERT_EQ(4u, gui->fGetRoot()->fGetChildren().size()); // a PANEL without ID builds nothing
    EXPECT_TRUE(fFind<ZC_GUI_PANEL>(7)->fIsMovable());
    EXPECT_FALSE(fFind<ZC_GUI_PANEL>(8)->fIsMovable());
    EXPECT_FALSE(fFind<ZC_GUI_PANEL9>(9)->fIsMovable());
    EXPECT_TRUE(fFind<ZC_GUI_PANEL9>(10)->fIsMovable());
    EXPECT_EQ(GUI_TYPE_PANEL, fFind<ZC_GUI_PANEL>(7)->fGetType());
    EXPECT_EQ(GUI_TYPE_PANEL9, fFind<ZC_GUI_PANEL9>(9)->fGetType());
    ZS_CALLBACK* grab = fFind<ZC_GUI_PANEL>(7)->fGetGrabCallback();
    ASSERT_NE(nullptr, grab);
    EXPECT_EQ("onGrab", grab->name);
    EXPECT_EQ(gui->fFindById(7), grab->target);
}

TEST_F(Panel, ADragKeepsTheGrabOffsetAndEndsWithAnyLeftRelease)
{
    fLoad(fPanel(""));
    ZC_GUI_PANEL* panel = fFind<ZC_GUI_PANEL>(7);
    panel->fGetGrabCallback()->function = fCountGrab;

    EXPECT_EQ(GUI_EVENT_ENTER, fCode(fMove(310, 205)));
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fDown()));
    fStep();
    EXPECT_EQ(GUI_EVENT_DRAG, fCode(fMove(320, 215)));
    EXPECT_FLOAT_EQ(310.0f, fPlace(7)->position.x);
    EXPECT_FLOAT_EQ(210.0f, fPlace(7)->position.y);
    // A jump that leaves the panel behind: the leave is replaced by the drag, the panel follows.
    EXPECT_EQ(GUI_EVENT_DRAG, fCode(fMove(420, 315)));
    EXPECT_FLOAT_EQ(410.0f, fPlace(7)->position.x);
    EXPECT_FLOAT_EQ(310.0f, fPlace(7)->position.y);
    EXPECT_EQ(2, gGrabs);
    fDrawFrame();
    EXPECT_TRUE(fShows(410, 310, kCyan));
    EXPECT_TRUE(fShows(300, 200, kBlack));

    // Released while the panel thinks the pointer is outside: no click, but the drag is over.
    EXPECT_EQ(nullptr, fUp());
    EXPECT_FALSE(panel->fIsDragging());
    fStep();
    EXPECT_NE(GUI_EVENT_DRAG, fCode(fMove(500, 400)));
    EXPECT_FLOAT_EQ(410.0f, fPlace(7)->position.x);
    EXPECT_EQ(2, gGrabs);

    // A press and a release over it: click, and moves no longer drag.
    fMove(410, 310);
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fDown()));
    fStep();
    EXPECT_EQ(GUI_EVENT_CLICK, fCode(fUp()));
    fStep();
    EXPECT_EQ(nullptr, fMove(412, 312));
    EXPECT_FLOAT_EQ(410.0f, fPlace(7)->position.x);
}

TEST_F(Panel, OnlyTheLeftButtonPressesAndReleases)
{
    fLoad(fPanel(R"(MOVABLE="false")"));
    ZC_GUI_PANEL* panel = fFind<ZC_GUI_PANEL>(7);

    fMove(300, 200);
    EXPECT_EQ(nullptr, fDown(2));
    EXPECT_EQ(nullptr, fDown('K'));
    fStep();
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fDown()));
    EXPECT_TRUE(panel->fIsActive());
    fStep();
    // Not movable: moves report only enter and leave, and the panel stays.
    EXPECT_EQ(GUI_EVENT_LEAVE, fCode(fMove(100, 100)));
    EXPECT_EQ(nullptr, fDown(2)); // another button outside leaves the active flag alone
    EXPECT_TRUE(panel->fIsActive());
    EXPECT_EQ(GUI_EVENT_ENTER, fCode(fMove(301, 201)));
    EXPECT_EQ(nullptr, fUp(2));
    EXPECT_EQ(GUI_EVENT_CLICK, fCode(fUp()));
    EXPECT_FLOAT_EQ(300.0f, fPlace(7)->position.x);
    fStep();
    fMove(100, 100);
    EXPECT_EQ(nullptr, fDown()); // a left press elsewhere takes the focus away
    EXPECT_FALSE(panel->fIsActive());
}

TEST_F(Panel, PlainPanelTakesItsTextureSizeFirstAndLaterSizes)
{
    fLoad(R"(<PANEL ID="7" TEXTURE="panel.png"><SIZE>200 100</SIZE><POSITION>300 200</POSITION></PANEL>)");
    ZC_GUI_PANEL* panel = fFind<ZC_GUI_PANEL>(7);
    EXPECT_FLOAT_EQ(60.0f, panel->fGetWidth());
    EXPECT_FLOAT_EQ(40.0f, panel->fGetHeight());
    EXPECT_EQ(nullptr, fMove(340, 200));

    panel->fSetSize(100, 40);
    EXPECT_EQ(GUI_EVENT_ENTER, fCode(fMove(340, 200)));
    fDrawFrame();
    EXPECT_TRUE(fShows(345, 200, kCyan));
    EXPECT_TRUE(fShows(255, 200, kCyan));
    EXPECT_TRUE(fShows(300, 225, kBlack));
}

TEST_F(Panel, NinePiecesAroundTheCentreTileTheirTextures)
{
    fLoad(kPanel9);
    ZC_GUI_PANEL9* panel = fFind<ZC_GUI_PANEL9>(9);
    EXPECT_EQ(40, panel->fGetMinimumWidth());
    EXPECT_EQ(40, panel->fGetMinimumHeight());
    EXPECT_FLOAT_EQ(300.0f, panel->fGetWidth());
    EXPECT_FLOAT_EQ(100.0f, panel->fGetHeight());

    // Inner 260 x 60, centred on (400, 300): the panel covers 250..550 x 250..350.
    fDrawFrame();
    struct
    {
        int x, y;
        uint32_t color;
    } seen[] = {
        {400, 300, kWhite}, {260, 260, kRed},  {400, 260, kGreen}, {540, 260, kRed},  {260, 300, kBlue},
        {540, 300, kBlue},  {260, 340, kRed},  {400, 340, kGreen}, {540, 340, kRed},  {245, 300, kBlack},
        {555, 300, kBlack}, {400, 245, kBlack}, {400, 355, kBlack},
    };
    for (auto& s : seen)
        EXPECT_TRUE(fShows(s.x, s.y, s.color));

    // The top edge is 8 pixels wide: across 260 pixels it repeats 32.5 times.
    ZC_QUAD* top = panel->fGetPiece(1);
    EXPECT_FLOAT_EQ(260.0f, top->fGetWidth());
    EXPECT_FLOAT_EQ(32.5f, top->fGetVertex(1)->u - top->fGetVertex(0)->u);
    EXPECT_EQ(ZS_RENDER_STATE::ADDRESS_WRAP_U, top->state.fGetAddress());
    EXPECT_EQ(ZS_RENDER_STATE::ADDRESS_CLAMP, panel->fGetPiece(0)->state.fGetAddress());

    // Smaller than its corners: held at the corners' sum, nothing between them.
    panel->fSetSize(10, 10);
    EXPECT_FLOAT_EQ(40.0f, panel->fGetWidth());
    EXPECT_FLOAT_EQ(0.0f, panel->fGetPiece(4)->fGetWidth());
    fDrawFrame();
    EXPECT_TRUE(fShows(390, 290, kRed));
    EXPECT_TRUE(fShows(410, 310, kRed));
}

TEST_F(Panel, NinePiecePanelTakesThePointerWhereItIsDrawn)
{
    fLoad(kPanel9);
    ZC_GUI_PANEL9* panel = fFind<ZC_GUI_PANEL9>(9);
    panel->fSetSize(200, 100);
    // Drawn over 300..500 x 250..350, whatever pivot the layout's TRANSFORM gave the widget.
    struct
    {
        int x, y;
        bool inside;
    } points[] = {{301, 251, true},  {499, 349, true},  {400, 300, true},  {299, 300, false},
                  {501, 300, false}, {400, 249, false}, {400, 351, false}, {350, 225, false}};
    for (auto& p : points)
    {
        SCOPED_TRACE(::testing::Message() << p.x << "," << p.y);
        fMove(p.x, p.y);
        EXPECT_EQ(p.inside, panel->fIsHover());
    }
    fDrawFrame();
    EXPECT_TRUE(fShows(301, 251, kRed));
    EXPECT_TRUE(fShows(499, 349, kRed));

    // Pressed and dragged, the zone goes along.
    panel->fSetMovable(true);
    fMove(400, 300);
    fDown();
    fStep();
    fMove(500, 350);
    EXPECT_FLOAT_EQ(500.0f, fPlace(9)->position.x);
    fMove(599, 399);
    EXPECT_TRUE(panel->fIsHover());
}

TEST_F(Panel, NinePiecePanelWithoutASizeShowsItsCornersOnly)
{
    fLoad(R"(<PANEL9 ID="9" TX_1_1="corner.png" TX_1_3="corner.png" TX_3_1="corner.png" TX_3_3="corner.png"
             TX_2_2="centre.png"><POSITION>400 300</POSITION></PANEL9>)");
    ZC_GUI_PANEL9* panel = fFind<ZC_GUI_PANEL9>(9);
    EXPECT_FLOAT_EQ(40.0f, panel->fGetWidth());
    EXPECT_FLOAT_EQ(0.0f, panel->fGetPiece(4)->fGetWidth());
    EXPECT_EQ(4, fUsers("corner.png"));
    gui->fReleaseResources();
    EXPECT_EQ(0, fUsers("corner.png"));
    EXPECT_EQ(0, fUsers("centre.png"));
}

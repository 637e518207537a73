// Windows: the declaration, the show and hide effects frame by frame, input while animating,
// click sounds and callbacks, resources, and a window at rest as drawn.
#include "ZT_WINDOWS.h"

#include <algorithm>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "framework/G_SPRITE.h"

using namespace ZT_WIN;
using ZT_GUI::fCode;

namespace
{
struct Windows : ZT_WINDOWS
{
    // The window's live position after each update.
    static ZS_VECTOR2 fAt(const G_WINDOW& w) { return w.fGetTransform()->fGetPositionXY(); }
    static int fAlpha(const G_WINDOW& w) { return int(w.fGetBackground()->fGetColor() >> 24); }
};

// Records the events of a window in order.
struct ZT_EVENT_LOG
{
    std::vector<int> events;
    static void fOn(void* log, int event) { static_cast<ZT_EVENT_LOG*>(log)->events.push_back(event); }
    template <int E>
    static void fRecord(void* log)
    {
        fOn(log, E);
    }
    void fListen(G_WINDOW& w)
    {
        w.fSetEventCallback(WE_SHOW_BEGIN, this, fRecord<WE_SHOW_BEGIN>);
        w.fSetEventCallback(WE_SHOW_STARTED, this, fRecord<WE_SHOW_STARTED>);
        w.fSetEventCallback(WE_SHOWN, this, fRecord<WE_SHOWN>);
        w.fSetEventCallback(WE_HIDE_BEGIN, this, fRecord<WE_HIDE_BEGIN>);
        w.fSetEventCallback(WE_HIDE_STARTED, this, fRecord<WE_HIDE_STARTED>);
        w.fSetEventCallback(WE_HIDDEN, this, fRecord<WE_HIDDEN>);
        w.fSetEventCallback(WE_DEACTIVATED, this, fRecord<WE_DEACTIVATED>);
        w.fSetEventCallback(WE_ACTIVATED, this, fRecord<WE_ACTIVATED>);
    }
    int fCount(int event) const { return int(std::count(events.begin(), events.end(), event)); }
};

std::string fWindowXml(const std::string& attributes, const std::string& children = "")
{
    return "<window _name=\"W\" " + attributes + ">" + children + "</window>";
}
}

TEST_F(Windows, DeclarationReadsEffectsTimesAndPlaces)
{
    const struct
    {
        const char* attributes;
        int open, close;
        float show, hide;
        int position;
        bool modal;
        unsigned layer;
    } cases[] = {
        {"", SH_MOVE_DOWN, SH_MOVE_DOWN, 0.5f, 0.5f, POS_MIDDLE_SCREEN, false, 0},
        // A jump has no duration: "_timeShow" is ignored with SH_MOMENTAL.
        {R"(_typeOpen="SH_MOMENTAL" _timeShow="2")", SH_MOMENTAL, SH_MOVE_DOWN, 0.5f, 0.5f, 0, false, 0},
        {R"(_timeShow="2")", SH_MOVE_DOWN, SH_MOVE_DOWN, 2, 2, 0, false, 0},
        {R"(_timeShow="2" _timeHide="1")", SH_MOVE_DOWN, SH_MOVE_DOWN, 2, 1, 0, false, 0},
        // "_timeHide" is ignored with a closing jump; "_timeShow" set both.
        {R"(_typeClose="SH_MOMENTAL" _timeShow="2" _timeHide="1")", SH_MOVE_DOWN, SH_MOMENTAL, 2, 2, 0, false, 0},
        {R"(_typeClose="SH_MOMENTAL" _timeHide="1")", SH_MOVE_DOWN, SH_MOMENTAL, 0.5f, 0.5f, 0, false, 0},
        {R"(_typeOpen="sh_fade" _typeClose="SH_FADE")", SH_OTHER, SH_FADE, 0.5f, 0.5f, 0, false, 0},
        {R"(_typeOpen="SH_MOVE_UP" _typeClose="SH_MOVE_RIGHT" _typePos="POS_IN_PIX")", SH_MOVE_UP, SH_MOVE_RIGHT,
         0.5f, 0.5f, POS_IN_PIX, false, 0},
        {R"(_typeOpen="SH_MOVE_LEFT" _typePos="anything" _modal="Yes" layer="7")", SH_MOVE_LEFT, SH_MOVE_DOWN, 0.5f,
         0.5f, POS_SCREEN_FRACTIONS, true, 7},
        {R"(_modal="no" _timeShow="fast" layer="x")", SH_MOVE_DOWN, SH_MOVE_DOWN, 0, 0, 0, false, 0},
    };
    for (const auto& c : cases)
    {
        auto w = fMake(fWindowXml(c.attributes));
        EXPECT_EQ(w->fGetOpenEffect(), c.open) << c.attributes;
        EXPECT_EQ(w->fGetCloseEffect(), c.close) << c.attributes;
        EXPECT_FLOAT_EQ(w->fGetShowTime(), c.show) << c.attributes;
        EXPECT_FLOAT_EQ(w->fGetHideTime(), c.hide) << c.attributes;
        EXPECT_EQ(w->fGetPositionType(), c.position) << c.attributes;
        EXPECT_EQ(w->fIsModal(), c.modal) << c.attributes;
        EXPECT_EQ(w->fGetLayer(), c.layer) << c.attributes;
    }
    auto unnamed = fMake("<window/>");
    EXPECT_EQ(unnamed->fGetName(), "gWidnow");
}

TEST_F(Windows, PlacesFollowThePositionTypeAndTheEffects)
{
    const struct
    {
        const char* attributes;
        ZS_VECTOR2 start, target, end;
    } cases[] = {
        // The centre ignores "_position".
        {R"(_position="100 100")", {512, -384}, {512, 384}, {512, 1152}},
        {R"(_typePos="POS_FRACTIONS" _position="0.25 0.5" _typeOpen="SH_MOVE_UP" _typeClose="SH_MOVE_LEFT")",
         {256, 1152}, {256, 384}, {-256, 384}},
        {R"(_typePos="x" _position="0.25 0.5" _typeOpen="SH_MOVE_RIGHT" _typeClose="SH_MOVE_RIGHT")",
         {-256, 384}, {256, 384}, {768, 384}},
        {R"(_typePos="x" _position="0.5 0.25" _typeOpen="SH_FADE" _typeClose="SH_MOMENTAL")", {512, 192}, {512, 192},
         {512, 192}},
        // A pixel place slides like a place given in fractions: from one screen height above.
        {R"(_typePos="POS_IN_PIX" _position="200 300")", {200, -300}, {200, 300}, {200, 900}},
    };
    for (const auto& c : cases)
    {
        auto w = fMake(fWindowXml(c.attributes));
        const ZS_VECTOR2 s = w->fGetStartTransform().fGetPositionXY(), t = w->fGetTargetTransform().fGetPositionXY(),
                         e = w->fGetEndTransform().fGetPositionXY();
        EXPECT_NEAR(s.x, c.start.x, 0.01) << c.attributes;
        EXPECT_NEAR(s.y, c.start.y, 0.01) << c.attributes;
        EXPECT_NEAR(t.x, c.target.x, 0.01) << c.attributes;
        EXPECT_NEAR(t.y, c.target.y, 0.01) << c.attributes;
        EXPECT_NEAR(e.x, c.end.x, 0.01) << c.attributes;
        EXPECT_NEAR(e.y, c.end.y, 0.01) << c.attributes;
        // Before a show the window waits at its start place.
        EXPECT_NEAR(fAt(*w).x, c.start.x, 0.01) << c.attributes;
        EXPECT_NEAR(fAt(*w).y, c.start.y, 0.01) << c.attributes;
    }
}

TEST_F(Windows, ShowEffectsFrameByFrame)
{
    // One second at 1/8 s a frame; the background fades from alpha 0 to 255. The move and the
    // fade take their first step in the second update; the show counts as finished after eight,
    // and the move and the fade land there.
    const struct
    {
        const char* effect;
        ZS_VECTOR2 first, fourth, ninth;
        int alphaFirst, alphaFourth, alphaNinth;
    } cases[] = {
        {"SH_MOMENTAL", {512, 384}, {512, 384}, {512, 384}, 255, 255, 255},
        {"SH_FADE", {512, 384}, {512, 384}, {512, 384}, 0, 95, 255},
        {"SH_MOVE_DOWN", {512, -384}, {512, -96}, {512, 384}, 0, 95, 255},
        {"SH_MOVE_UP", {512, 1152}, {512, 864}, {512, 384}, 0, 95, 255},
        {"SH_MOVE_LEFT", {1536, 384}, {1152, 384}, {512, 384}, 0, 95, 255},
        {"SH_MOVE_RIGHT", {-512, 384}, {-128, 384}, {512, 384}, 0, 95, 255},
        {"SH_SPIN", {512, 384}, {512, 384}, {512, 384}, 0, 95, 255},
    };
    for (const auto& c : cases)
    {
        auto w = fMake(fWindowXml(std::string("_typeOpen=\"") + c.effect + "\" _timeShow=\"1\"",
                                  R"(<background START_COLOR="0 255 255 255">panel.png</background>)"));
        ZT_EVENT_LOG log;
        log.fListen(*w);
        w->fShow(false);
        EXPECT_TRUE(w->fIsAnimating());
        if (std::string(c.effect) == "SH_MOMENTAL")
        {
            EXPECT_EQ(fAt(*w).x, -1000.0f) << "off the screen until the first update";
        }
        int shownAt = 0;
        for (int frame = 1; frame <= 9; ++frame)
        {
            EXPECT_EQ(w->fUpdate(), 2);
            if (!shownAt && log.fCount(WE_SHOWN))
            {
                // Shown means landed: the move and the fade, a step behind, end with it.
                shownAt = frame;
                EXPECT_NEAR(fAt(*w).y, c.ninth.y, 0.01) << c.effect << " when shown";
                EXPECT_NEAR(fAt(*w).x, c.ninth.x, 0.01) << c.effect << " when shown";
                EXPECT_EQ(fAlpha(*w), c.alphaNinth) << c.effect << " when shown";
            }
            const ZS_VECTOR2* expected = frame == 1 ? &c.first : frame == 4 ? &c.fourth : frame == 9 ? &c.ninth : nullptr;
            const int alpha = frame == 1 ? c.alphaFirst : frame == 4 ? c.alphaFourth : c.alphaNinth;
            if (!expected)
                continue;
            EXPECT_NEAR(fAt(*w).x, expected->x, 0.01) << c.effect << " frame " << frame;
            EXPECT_NEAR(fAt(*w).y, expected->y, 0.01) << c.effect << " frame " << frame;
            EXPECT_EQ(fAlpha(*w), alpha) << c.effect << " frame " << frame;
        }
        EXPECT_EQ(shownAt, std::string(c.effect) == "SH_MOMENTAL" ? 1 : 8) << c.effect;
        EXPECT_FALSE(w->fIsAnimating());
        EXPECT_EQ(log.events, (std::vector<int>{WE_SHOW_BEGIN, WE_SHOW_STARTED, WE_SHOWN})) << c.effect;
    }
}

TEST_F(Windows, HideEffectsFrameByFrame)
{
    const struct
    {
        const char* effect;
        ZS_VECTOR2 fourth;
        int alphaFourth;
        int hiddenAt;
    } cases[] = {
        {"SH_MOMENTAL", {512, 384}, 255, 1}, // gone at once; no fade for a jump
        {"SH_FADE", {512, 384}, 159, 8},
        {"SH_MOVE_DOWN", {512, 672}, 159, 8},
        {"SH_MOVE_UP", {512, 96}, 159, 8},
        {"SH_MOVE_LEFT", {128, 384}, 159, 8},
        {"SH_MOVE_RIGHT", {896, 384}, 159, 8},
        {"SH_SPIN", {512, 384}, 159, 8},
    };
    for (const auto& c : cases)
    {
        auto w = fMake(fWindowXml(std::string("_typeOpen=\"SH_MOMENTAL\" _typeClose=\"") + c.effect +
                                      "\" _timeHide=\"1\"",
                                  R"(<background START_COLOR="0 255 255 255">panel.png</background>)"));
        w->fShow(false);
        w->fUpdate();
        ZT_EVENT_LOG log;
        log.fListen(*w);
        w->fHide(false);
        int hiddenAt = 0;
        for (int frame = 1; frame <= 9 && !hiddenAt; ++frame)
        {
            const int r = w->fUpdate();
            if (log.fCount(WE_HIDDEN))
            {
                hiddenAt = frame;
                EXPECT_EQ(r, 0) << c.effect << ": the update in which the hide ends answers hidden";
            }
            if (frame == 4 && !hiddenAt)
            {
                EXPECT_NEAR(fAt(*w).x, c.fourth.x, 0.01) << c.effect;
                EXPECT_NEAR(fAt(*w).y, c.fourth.y, 0.01) << c.effect;
                EXPECT_EQ(fAlpha(*w), c.alphaFourth) << c.effect;
            }
        }
        EXPECT_EQ(hiddenAt, c.hiddenAt) << c.effect;
        EXPECT_TRUE(w->fIsHidden());
        EXPECT_FALSE(w->fIsOpen());
        // Back at the start place for the next show.
        EXPECT_NEAR(fAt(*w).y, w->fGetStartTransform().position.y, 0.01) << c.effect;
        EXPECT_EQ(w->fUpdate(), 0);
        EXPECT_EQ(log.events, (std::vector<int>{WE_HIDE_BEGIN, WE_HIDE_STARTED, WE_HIDDEN})) << c.effect;
    }
}

TEST_F(Windows, ShowAndHideEdgeCases)
{
    // A jump after a delay of 0.3 s: off the screen for three updates (0.375 s), in place and
    // shown in the same update.
    {
        auto w = fMake(fWindowXml(R"(_typeOpen="SH_MOMENTAL" _delayShow="0.3")"));
        ZT_EVENT_LOG log;
        log.fListen(*w);
        w->fShow(false);
        w->fUpdate();
        w->fUpdate();
        EXPECT_EQ(fAt(*w).x, -1000.0f);
        EXPECT_EQ(log.fCount(WE_SHOWN), 0);
        w->fUpdate();
        EXPECT_EQ(fAt(*w).x, 512.0f);
        EXPECT_EQ(log.fCount(WE_SHOWN), 1);
    }
    // t = 0, no delay: finished by the first update, not inside fShow.
    {
        auto w = fMake(fWindowXml(R"(_typeOpen="SH_MOMENTAL")"));
        w->fShow(false);
        EXPECT_EQ(w->showns, 0);
        w->fUpdate();
        EXPECT_EQ(w->showns, 1);
    }
    // Immediately: the jump path whatever the effect; hide immediately: to the end place with
    // no jump off the screen.
    {
        auto w = fMake(fWindowXml(R"(_typeOpen="SH_MOVE_UP" _typeClose="SH_MOVE_LEFT" _timeShow="2")"));
        w->fShow(true);
        EXPECT_EQ(fAt(*w).x, -1000.0f);
        w->fUpdate();
        EXPECT_EQ(fAt(*w).x, 512.0f);
        EXPECT_EQ(w->showns, 1);
        w->fHide(true);
        EXPECT_EQ(fAt(*w).x, 512.0f);
        EXPECT_EQ(w->fUpdate(), 0);
        EXPECT_EQ(w->hiddens, 1);
    }
    // A hide while the show runs: the show still finishes (WE_SHOWN), then the hide.
    {
        auto w = fMake(fWindowXml(R"(_typeOpen="SH_FADE" _typeClose="SH_FADE" _timeShow="0.25" _timeHide="1")"));
        w->fShow(false);
        w->fUpdate();
        w->fHide(false);
        w->fShow(false); // closing: does nothing
        EXPECT_EQ(w->showBegins, 1);
        w->fUpdate();
        EXPECT_EQ(w->showns, 1);
        EXPECT_FALSE(w->fIsAnimating()) << "the finished show clears it although the hide runs";
        int updatesSinceHide = 1;
        while (w->fUpdate() != 0 && updatesSinceHide < 20)
            ++updatesSinceHide;
        EXPECT_EQ(updatesSinceHide + 1, 8) << "the hide's second counted from its start";
        EXPECT_EQ(w->hiddens, 1);
        EXPECT_TRUE(w->fIsHidden());
    }
    // SH_FADE without a background: only the finish bot, in place at once.
    {
        auto w = fMake(fWindowXml(R"(_typeOpen="SH_FADE" _timeShow="0.25" _delayShow="0.25")"));
        w->fShow(false);
        EXPECT_EQ(w->fGetBotCount(), 1u);
        EXPECT_EQ(fAt(*w).x, 512.0f);
        for (int i = 0; i < 3; ++i)
            w->fUpdate();
        EXPECT_EQ(w->showns, 0);
        w->fUpdate();
        EXPECT_EQ(w->showns, 1) << "after show time + delay";
    }
    // A move with a show time of 0 (the move alone would take 1 s): shown after the delay
    // alone, and in place then, where its buttons take clicks.
    {
        auto w = fMake(fWindowXml(R"(_timeShow="0")"));
        w->fShow(false);
        w->fUpdate();
        EXPECT_EQ(w->showns, 1);
        EXPECT_EQ(fAt(*w).y, 384.0f);
        for (int i = 0; i < 9; ++i)
            w->fUpdate();
        EXPECT_EQ(fAt(*w).y, 384.0f);
    }
    // Equal colours: no colour bot, the background keeps its colour.
    {
        auto w = fMake(fWindowXml("", R"(<background START_COLOR="128 1 2 3" END_COLOR="128 1 2 3">panel.png</background>)"));
        w->fShow(false);
        EXPECT_EQ(w->fGetBotCount(), 2u) << "move and finish";
        EXPECT_EQ(w->fGetBackground()->fGetColor(), 0x80010203u);
    }
    // Hidden twice in one frame (a hide asked again while the first ran): one hidden event.
    {
        auto w = fMake(fWindowXml(R"(_typeOpen="SH_MOMENTAL" _typeClose="SH_MOMENTAL")"));
        w->fShow(false);
        w->fUpdate();
        w->fHide(false);
        w->fHide(true);
        EXPECT_EQ(w->fUpdate(), 0);
        EXPECT_EQ(w->hiddens, 1);
    }
}

TEST_F(Windows, ComingItsButtonsTakeWhatLandsOnThemGoingNothingAndClicksReachTheWindowOnce)
{
    auto w = fMake(fWindowXml(R"(_typeOpen="SH_FADE" _timeShow="0.25")",
                              R"(<GUI><BUTTON5 ID="6" TEXTURE="box5.png"/><IMAGE ID="7" TEXTURE="panel.png">)"
                              R"(<POSITION>0 100</POSITION></IMAGE></GUI>)"
                              R"(<sounds><item id="6" sound="first"/><item id="6" sound="click"/></sounds>)"));
    w->fAcquireResources();
    static std::vector<std::string> sounds;
    sounds.clear();
    w->fSetClickSoundHook([](const std::string& s) {
        sounds.push_back(s);
        return 1;
    });
    std::vector<int> clicked;
    w->fSetGuiClickCallback(WE_GUI_CLICK, &clicked, [](void* d, int id) { static_cast<std::vector<int>*>(d)->push_back(id); });
    w->fSetGuiClickCallback(7, &clicked, nullptr); // only event 8 stores
    w->fSetEventCallback(8, &clicked, [](void*) { FAIL() << "event 8 is no plain event"; });

    w->fShow(false);
    fStep();
    input->fOnMouseMove(512, 384);
    EXPECT_NE(w->fOnMouseMove(), nullptr) << "hover follows the pointer during the show";
    // On its way in, its button takes what lands on it, once.
    fStep();
    input->fOnKeyDown(1);
    EXPECT_EQ(fCode(w->fOnKeyDown(1)), GUI_EVENT_DOWN);
    fStep();
    input->fOnKeyUp(1);
    const ZS_GUI_EVENT* e = w->fOnKeyUp(1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->id, 6);
    EXPECT_EQ(e->code, GUI_EVENT_CLICK);
    EXPECT_EQ(w->clicks, std::vector<int>{6});
    EXPECT_EQ(clicked, std::vector<int>{6});
    EXPECT_EQ(sounds, std::vector<std::string>{"click"}) << "the second sound of a repeated id";
    // What lands beside its widgets is kept from the windows below while it comes.
    fStep();
    input->fOnMouseMove(900, 700);
    w->fOnMouseMove();
    fStep();
    input->fOnKeyDown(1);
    EXPECT_EQ(w->fOnKeyDown(1), &G_WINDOW::kBusy);
    EXPECT_EQ(G_WINDOW::kBusy.code, -109);
    fStep();
    input->fOnKeyUp(1);
    EXPECT_EQ(w->fOnKeyUp(1), &G_WINDOW::kBusy);
    w->fUpdate();
    w->fUpdate();
    ASSERT_FALSE(w->fIsAnimating());

    // The picture: any key going up over it is a click, reported once and then not again by
    // the update walk.
    fStep();
    input->fOnMouseMove(512, 484);
    w->fOnMouseMove();
    fStep();
    input->fOnKeyDown(2);
    w->fOnKeyDown(2);
    fStep();
    input->fOnKeyUp(2);
    w->fOnKeyUp(2);
    for (int i = 0; i < 3; ++i)
        w->fUpdate();
    EXPECT_EQ(w->clicks, (std::vector<int>{6, 7}));
    EXPECT_EQ(sounds, (std::vector<std::string>{"click", ""})) << "an id without a sound still calls the hook";

    // On its way out nothing of it acts.
    w->fHide(false);
    fStep();
    input->fOnMouseMove(512, 384);
    w->fOnMouseMove();
    fStep();
    input->fOnKeyDown(1);
    EXPECT_EQ(w->fOnKeyDown(1), &G_WINDOW::kBusy);
    EXPECT_FALSE(dynamic_cast<ZC_GUI_BUTTON5*>(w->fGetGui()->fFindById(6))->fIsPressed()) << "no widget walked";
    w->fReleaseResources(true);
}

TEST_F(Windows, ActivationWalksThePointerAndFiresItsEvents)
{
    auto w = fMake(fWindowXml(R"(_typeOpen="SH_MOMENTAL")", R"(<GUI><BUTTON5 ID="6" TEXTURE="box5.png"/></GUI>)"));
    w->fAcquireResources();
    ZT_EVENT_LOG log;
    log.fListen(*w);
    fStep();
    input->fOnMouseMove(512, 384);
    w->fShow(false);
    w->fUpdate();
    w->fActivate();
    EXPECT_TRUE(w->fIsActive());
    EXPECT_EQ(dynamic_cast<ZC_GUI_BUTTON5*>(w->fGetGui()->fFindById(6))->fGetState(), ZC_GUI_BUTTON5::STATE_HOVER);
    w->fDeactivate();
    w->fDeactivate(); // every pass calls it, changed or not
    EXPECT_FALSE(w->fIsActive());
    EXPECT_EQ(log.fCount(WE_ACTIVATED), 1);
    EXPECT_EQ(log.fCount(WE_DEACTIVATED), 2);
    w->fReleaseResources(true);
}

TEST_F(Windows, ReleaseDuringAnAnimationWaitsForTheHideToFinish)
{
    auto w = fMake(fWindowXml(R"(_typeOpen="SH_FADE" _typeClose="SH_FADE" _timeShow="0.25")",
                              R"(<background>centre.png</background><GUI><IMAGE ID="1" TEXTURE="knob.png"/></GUI>)"));
    w->fAcquireResources();
    w->fAcquireResources();
    EXPECT_EQ(fUsers("centre.png"), 1) << "the second acquire does nothing";
    EXPECT_EQ(fUsers("knob.png"), 1);

    w->fShow(false);
    w->fReleaseResources(false);
    EXPECT_TRUE(w->fIsLoaded());
    EXPECT_TRUE(w->fIsReleaseDeferred());
    for (int i = 0; i < 3; ++i)
        w->fUpdate();
    ASSERT_FALSE(w->fIsAnimating());
    EXPECT_TRUE(w->fIsLoaded()) << "not when the show finishes";

    w->fHide(false);
    while (w->fUpdate() != 0)
        ;
    EXPECT_FALSE(w->fIsLoaded()) << "when the hide has finished";
    EXPECT_EQ(fUsers("centre.png"), 0);
    EXPECT_EQ(fUsers("knob.png"), 0);

    w->fAcquireResources();
    w->fShow(false);
    w->fReleaseResources(true);
    EXPECT_FALSE(w->fIsLoaded()) << "forced at once";
}

TEST_F(Windows, AtRestTheBackgroundAndWidgetsAreDrawn)
{
    fLoadScenes();
    G_WINDOW* w = manager->fShowWindow("Picture", false);
    ASSERT_NE(w, nullptr);
    fFrames(2);
    ASSERT_EQ(1, render->fBeginFrame());
    manager->fDraw();
    ASSERT_EQ(0, render->fEndFrame());
    ASSERT_TRUE(w->fIsAnimating()) << "half way through the fade";
    EXPECT_TRUE(fShows(512, 450, 0xFF003F3F)) << "cyan at an eighth of its alpha";

    fFrames(3);
    ASSERT_FALSE(w->fIsAnimating());
    ASSERT_EQ(1, render->fBeginFrame());
    manager->fDraw();
    ASSERT_EQ(0, render->fEndFrame());
    fSaveFrame("window_at_rest");
    // Background 400 x 300 about (512, 384): (312, 234)-(712, 534); the picture 120 x 30
    // about (512, 284): (452, 269)-(572, 299).
    const struct
    {
        int x, y;
        uint32_t color;
    } samples[] = {
        {315, 237, ZT_GUI::kCyan}, {709, 531, ZT_GUI::kCyan},  {512, 450, ZT_GUI::kCyan},
        {455, 272, ZT_GUI::kNavy}, {569, 296, ZT_GUI::kNavy},  {512, 284, ZT_GUI::kNavy},
        {449, 284, ZT_GUI::kCyan}, {575, 284, ZT_GUI::kCyan},  {309, 384, ZT_GUI::kBlack},
        {715, 384, ZT_GUI::kBlack}, {512, 231, ZT_GUI::kBlack}, {512, 537, ZT_GUI::kBlack},
    };
    for (const auto& s : samples)
        EXPECT_TRUE(fShows(s.x, s.y, s.color));
}

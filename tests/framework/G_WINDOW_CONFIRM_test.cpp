// Confirm windows: answers through both callbacks before the window hides, and the question
// with its one argument, shown as written.
#include "ZT_WINDOWS.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LABEL.h"

using namespace ZT_WIN;

namespace
{
// The buttons of confirm.xml: yes, no and cancel under the window's centre.
const int kButtonX[3] = {412, 512, 612};
const int kButtonY = 434;

struct ZT_ANSWERS
{
    std::vector<std::string> calls;
    static void fAnswer(void* self, bool yes)
    {
        static_cast<ZT_ANSWERS*>(self)->calls.push_back(yes ? "answer yes" : "answer no");
    }
    static void fResult(void* self, int result)
    {
        static_cast<ZT_ANSWERS*>(self)->calls.push_back("result " + std::to_string(result));
    }
};

std::vector<std::string> soundsPlayed;
int fPlay(const std::string& sound)
{
    soundsPlayed.push_back(sound);
    return 1;
}

struct Confirm : ZT_WINDOWS
{
    G_WINDOW_CONFIRM* confirm = nullptr;

    void SetUp() override
    {
        ZT_WINDOWS::SetUp();
        fLoadScenes();
        confirm = fWindow<G_WINDOW_CONFIRM>("Confirm_Delete");
        ASSERT_NE(confirm, nullptr);
        confirm->fSetClickSoundHook(fPlay);
        soundsPlayed.clear();
    }
    void fShowConfirm()
    {
        manager->fShowWindow("Confirm_Delete", false);
        fFrames(1);
    }
    // Left and right edge of what the question label draws (white glyphs on black) in the
    // band of rows 300-349.
    std::pair<int, int> fLabelExtent()
    {
        const int x0 = 300, y0 = 300, w = 424, h = 50;
        std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
        if (!render->fGetDevice()->fReadPixels(x0, y0, w, h, rgba.data()))
            return {0, -1};
        int left = 1024, right = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const uint8_t* p = &rgba[(size_t(y) * size_t(w) + size_t(x)) * 4];
                if (p[0] > 0xF0 && p[1] > 0xF0 && p[2] > 0xF0)
                {
                    left = std::min(left, x0 + x);
                    right = std::max(right, x0 + x);
                }
            }
        return {left, right};
    }
};
}

TEST_F(Confirm, EachAnswerReachesBothCallbacksThenTheWindowHides)
{
    const struct
    {
        int button;
        std::vector<std::string> calls;
        const char* sound;
    } cases[] = {
        {0, {"answer yes", "result 1"}, "yes_click"},
        {1, {"answer no", "result -1"}, "no_click"},
        {2, {"answer no", "result 0"}, ""},
    };
    for (const auto& c : cases)
    {
        ZT_ANSWERS answers;
        confirm->fSetAnswerCallback(&answers, ZT_ANSWERS::fAnswer);
        confirm->fSetResultCallback(&answers, ZT_ANSWERS::fResult);
        soundsPlayed.clear();
        fShowConfirm();
        fPointer(0, 0); // one move reports one widget: leave the last button first
        fClickAt(kButtonX[c.button], kButtonY);
        EXPECT_EQ(answers.calls, c.calls) << c.button;
        EXPECT_EQ(soundsPlayed, std::vector<std::string>{c.sound});
        EXPECT_TRUE(confirm->fIsAnimating()) << "hiding after the callbacks";
        fFrames(1);
        EXPECT_FALSE(manager->fIsWindowOpen("Confirm_Delete"));
    }

    // A disabled answer gives no click.
    ZT_ANSWERS answers;
    confirm->fSetResultCallback(&answers, ZT_ANSWERS::fResult);
    confirm->fSetAnswerCallback(nullptr, nullptr);
    fShowConfirm();
    confirm->fSetButtonEnabled(3, false);
    confirm->fSetButtonEnabled(2, false); // the label: not a button, nothing happens
    EXPECT_EQ(dynamic_cast<ZC_GUI_BUTTON5*>(confirm->fGetGui()->fFindById(3))->fGetState(),
              ZC_GUI_BUTTON5::STATE_DISABLED);
    fClickAt(kButtonX[0], kButtonY);
    EXPECT_TRUE(answers.calls.empty());
    confirm->fSetButtonEnabled(3, true);
    fPointer(0, 0);
    fClickAt(kButtonX[0], kButtonY);
    EXPECT_EQ(answers.calls, std::vector<std::string>{"result 1"});
}

TEST_F(Confirm, TheQuestionKeepsItsFirstTemplate)
{
    const struct
    {
        const char* question;
        std::wstring argument, shown;
    } cases[] = {
        {"A%s?", L"B", L"AB?"},
        // Label texts are formats: '%' from the argument or the template is doubled, so the
        // label draws it as written.
        {"A%s?", L"50%", L"A50%%?"},
        {"A%s?", L"%s%d%%", L"A%%s%%d%%%%?"},
        {"100%% %s", L"B", L"100%% B"},
        // The translations give the template: other conversions show as written and read
        // no argument.
        {"%d %s", L"B", L"%%d B"},
        {"%s and %s", L"B", L"B and %%s"},
    };
    for (const auto& c : cases)
    {
        auto w = fMake<G_WINDOW_CONFIRM>(std::string(R"(<window _type="G_WINDOW_CONFIRM"><GUI><WLABEL ID="2" )") +
                                         R"(FONT="font_pct.xml" FONT_TEXTURE="font.png" TEXT=")" + c.question +
                                         "\"/></GUI></window>");
        ASSERT_NE(w->fGetTextLabel(), nullptr);
        w->fSetTextArgument(c.argument);
        EXPECT_EQ(w->fGetTextLabel()->fGetText(), c.shown) << c.question;
        w->fSetTextArgument(L"B");
        w->fSetTextArgument(c.argument);
        EXPECT_EQ(w->fGetTextLabel()->fGetText(), c.shown) << c.question << ": formatted from the template again";
    }

    // The question is cut to its 511 characters.
    auto w = fMake<G_WINDOW_CONFIRM>(R"(<window><GUI><WLABEL ID="2" FONT="font_pct.xml" FONT_TEXTURE="font.png" )"
                                     R"(TEXT="A%s"/></GUI></window>)");
    w->fSetTextArgument(std::wstring(600, L'B'));
    EXPECT_EQ(w->fGetTextLabel()->fGetText(), L"A" + std::wstring(510, L'B'));

    // Without a label (or with another widget as 2) there is nothing to put it in.
    auto bare = fMake<G_WINDOW_CONFIRM>(R"(<window><GUI><IMAGE ID="2" TEXTURE="panel.png"/></GUI></window>)");
    EXPECT_EQ(bare->fGetTextLabel(), nullptr);
    bare->fSetTextArgument(L"B");
}

TEST_F(Confirm, ANameWithPercentSignsIsDrawnAsWritten)
{
    fShowConfirm();
    confirm->fSetTextArgument(L"B%%B");
    ASSERT_EQ(1, render->fBeginFrame());
    manager->fDraw();
    ASSERT_EQ(0, render->fEndFrame());
    // "AB%%B?": six glyphs 6 wide, 8 apart (give or take the pixel a centred row may lose to
    // rounding); the five of "AB%B?" would be 38 wide.
    const std::pair<int, int> extent = fLabelExtent();
    EXPECT_NEAR(extent.second - extent.first + 1, 5 * 8 + 6, 1);
}

// The questions the level screen and its menu ask, and the reset area's note, as the game's
// factory makes them from the shipped window files: their texts, how they look at rest and
// what each of their buttons answers.
#include "game/ZT_LEVEL_WINDOWS.h"

#include "engine/gui/ZC_GUI_BUTTON.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_SIMPLE.h"

using namespace ZT_LEVEL;

namespace
{
const uint32_t kInk = 0xFF2B2D42u;
const uint32_t kCream = 0xFFFDF6E3u;
const uint32_t kCoral = 0xFFFF8A68u;
const uint32_t kTeal = 0xFF2FB3A6u;
const int kAnswerY = 384 + 92;

struct ANSWERS
{
    std::vector<std::string> log;
};

void fOnAnswer(void* data, bool yes)
{
    static_cast<ANSWERS*>(data)->log.push_back(yes ? "true" : "false");
}

void fOnResult(void* data, int result)
{
    static_cast<ANSWERS*>(data)->log.push_back(std::to_string(result));
}

// Every wide label of the tree, for the texts the factory put in.
void fCollectLabels(ZC_GUI_OBJECT* widget, std::vector<ZC_GUI_WLABEL*>* labels)
{
    if (!widget)
        return;
    if (auto* label = dynamic_cast<ZC_GUI_WLABEL*>(widget))
        labels->push_back(label);
    for (ZC_GUI_OBJECT* child : widget->fGetChildren())
        fCollectLabels(child, labels);
}

class LevelQuestions : public ZT_LEVEL_WINDOWS
{
protected:
    // One window on its own, drawn and fed as the window manager would.
    void fFramesAlone(G_WINDOW* w, int n)
    {
        for (int i = 0; i < n; ++i)
        {
            input->fAdvanceFrame();
            w->fUpdate();
            ASSERT_EQ(1, render->fBeginFrame());
            if (w->fIsOpen())
                w->fDraw();
            ASSERT_EQ(0, render->fEndFrame());
        }
    }
    void fClickAlone(G_WINDOW* w, int x, int y)
    {
        // Two moves, as a real pointer makes many: one move reports only the first widget it
        // changes (the button it left), so the one it reached lights up at the next.
        for (int dx : {1, 0})
        {
            input->fAdvanceFrame();
            input->fOnMouseMove(x + dx, y);
            w->fOnMouseMove();
        }
        input->fAdvanceFrame();
        input->fOnKeyDown(1);
        w->fOnKeyDown(1);
        input->fAdvanceFrame();
        input->fOnKeyUp(1);
        w->fOnKeyUp(1);
    }
};
}

TEST_F(LevelQuestions, EachAsksInWordsAndAnswersByItsButtons)
{
    // Button faces: 'C' coral, 'T' teal, 'N' paper with ink lettering.
    struct BUTTON
    {
        int id;
        char face;
        const char* answers; // answer callback, then result callback
    };
    struct ROW
    {
        const char* name;
        bool inScenes; // the second chance needs in-app purchases, which this edition has not
        const wchar_t* question;
        std::vector<BUTTON> buttons; // from left to right
    };
    const ROW rows[] = {
        {"Confirm_Restart_Level", true, L"Start this puzzle again?", {{3, 'C', "true 1"}, {4, 'N', "false -1"}}},
        {"Confirm_Close_Lvl", true, L"Leave this puzzle?", {{3, 'C', "true 1"}, {4, 'N', "false -1"}}},
        {"Confirm_Restart_In_Finish", true, L"Play this puzzle again?", {{3, 'C', "true 1"}, {4, 'N', "false -1"}}},
        {"Confirm_Restart_Finish", true, L"Too many mistakes!", {{3, 'C', "true 1"}, {4, 'N', "false -1"}}},
        {"Confirm_Restart_NoHealth", true, L"You are out of hearts.", {{3, 'C', "true 1"}}},
        {"Confirm_SecondChance", false, L"Too many mistakes!",
         {{3, 'T', "true 1"}, {4, 'C', "false -1"}, {5, 'N', "false 0"}}},
        {"Confirm_SecondChanceBuy", false, L"Buy a second chance?", {{3, 'C', "true 1"}, {4, 'N', "false -1"}}},
    };
    for (const ROW& row : rows)
    {
        SCOPED_TRACE(row.name);
        G_WINDOW* declared = windows->fFindWindow(row.name);
        EXPECT_EQ(row.inScenes, declared != nullptr);
        if (declared)
        {
            EXPECT_TRUE(dynamic_cast<G_WINDOW_CONFIRM*>(declared));
            EXPECT_TRUE(declared->fIsModal());
        }
        std::unique_ptr<G_WINDOW> made = fMakeFresh(row.name);
        auto* question = dynamic_cast<G_WINDOW_CONFIRM*>(made.get());
        ASSERT_NE(nullptr, question);
        ASSERT_NE(nullptr, question->fGetTextLabel());
        EXPECT_EQ(row.question, question->fGetTextLabel()->fGetText());
        std::vector<ZC_GUI_WLABEL*> labels;
        fCollectLabels(question->fGetGui()->fGetRoot(), &labels);
        for (ZC_GUI_WLABEL* label : labels)
            EXPECT_NE(L"etwas", label->fGetText()) << "every text has a translation";
        // The answers the window has, and only those.
        for (int id : {3, 4, 5})
        {
            bool listed = false;
            for (const BUTTON& b : row.buttons)
                listed = listed || b.id == id;
            EXPECT_EQ(listed, dynamic_cast<ZC_GUI_BUTTON5*>(question->fGetGui()->fFindById(id)) != nullptr) << id;
        }

        ANSWERS answers;
        question->fSetAnswerCallback(&answers, fOnAnswer);
        question->fSetResultCallback(&answers, fOnResult);
        question->fAcquireResources();
        const int count = int(row.buttons.size());
        const int spacing = count == 3 ? 232 : 260;
        for (int i = 0; i < count; ++i)
        {
            const BUTTON& b = row.buttons[size_t(i)];
            SCOPED_TRACE(b.id);
            const int x = 512 - spacing * (count - 1) / 2 + i * spacing;
            question->fShow(true);
            fFramesAlone(question, 2);
            if (i == 0)
            {
                fSaveFrame(std::string("question_") + row.name);
                EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(200, 384, 20, 20), 0xFFF9F1DDu), 24) << "paper";
                EXPECT_GT(fCountNear(312, 384 - 100, 712, 384 - 64, kInk, 40), 600) << "the question in ink";
                EXPECT_GT(fCountNear(212, 384 - 40, 812, 384 + 40, 0xFF5C5F7Du, 40), 150) << "its detail line";
            }
            const int inFace = b.face == 'C' ? fCountNear(x - 90, kAnswerY - 20, x + 90, kAnswerY + 16, kCoral, 40)
                             : b.face == 'T' ? fCountNear(x - 90, kAnswerY - 20, x + 90, kAnswerY + 16, kTeal, 40)
                                             : fCountNear(x - 60, kAnswerY - 14, x + 60, kAnswerY + 10, kInk, 40);
            EXPECT_GT(inFace, b.face == 'N' ? 150 : 3000) << "face " << b.face;
            if (b.face != 'N')
            {
                EXPECT_GT(fCountNear(x - 60, kAnswerY - 14, x + 60, kAnswerY + 10, kCream, 30), 150) << "lettering";
            }
            answers.log.clear();
            fClickAlone(question, x, kAnswerY);
            EXPECT_EQ(b.answers, answers.log.size() == 2 ? answers.log[0] + " " + answers.log[1] : "(none)");
            fFramesAlone(question, 6);
            EXPECT_FALSE(question->fIsOpen()) << "the window hides after its answer";
        }
        question->fReleaseResources(true);
    }
}

TEST_F(LevelQuestions, TheResetNoteRisesFromTheBottomEdgeAndGoesBack)
{
    auto* note = dynamic_cast<G_WINDOW_SIMPLE*>(windows->fFindWindow("GP_FeedBack_Reset"));
    ASSERT_NE(nullptr, note) << "declared as a plain window";
    EXPECT_FALSE(note->fIsModal()) << "the level goes on under it";
    windows->fShowWindow("GP_FeedBack_Reset", false);
    fFrames(1);
    EXPECT_LT(fCountNear(200, 680, 824, 730, 0xFFF9F1DDu, 24), 1000) << "still below the edge";
    fFrames(4);
    fSaveFrame("gp_feedback_reset");
    EXPECT_FALSE(note->fIsAnimating());
    EXPECT_GT(fCountNear(200, 680, 824, 730, 0xFFF9F1DDu, 30), 8000) << "the paper note at the bottom";
    EXPECT_GT(fCountNear(512 - 300, 690, 512 + 340, 720, kInk, 40), 400) << "its line of text";
    EXPECT_GT(fCountNear(512 - 330 + 30, 690, 512 - 330 + 62, 720, 0xFF26B0A3u, 40), 200) << "the reset sign";
    // The reset control hides it as soon as it is shown; it waits a moment, then slides away.
    windows->fHideWindow("GP_FeedBack_Reset", false);
    fFrames(8);
    EXPECT_TRUE(fOpen("GP_FeedBack_Reset")) << "still readable 1 s later";
    fFrames(12);
    EXPECT_FALSE(fOpen("GP_FeedBack_Reset"));
}

// Edit-box windows: what typing may enter, the validator's colours, OK and hint, and answers
// that never confirm an empty or refused name.
#include "ZT_WINDOWS.h"

#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"

using namespace ZT_WIN;

namespace
{
// editbox.xml: the line box about the window's centre, OK and cancel below it.
const int kOk[2] = {452, 444};
const int kCancel[2] = {572, 444};
const uint32_t kTextColor = 0xFF102030, kErrorColor = 0xFFFF8000;

struct ZT_RESULTS
{
    std::vector<std::pair<bool, std::wstring>> results;
    static void fOn(void* self, bool ok, const std::wstring& text)
    {
        static_cast<ZT_RESULTS*>(self)->results.emplace_back(ok, text);
    }
};

// Taken names: "W" and every name that holds "BB".
bool fNotTaken(void*, const std::wstring& text)
{
    return text != L"W" && text.find(L"BB") == std::wstring::npos;
}

struct EditBox : ZT_WINDOWS
{
    G_WINDOW_EDITBOX* box = nullptr;
    ZT_RESULTS answers;

    void SetUp() override
    {
        ZT_WINDOWS::SetUp();
        fLoadScenes();
        box = fWindow<G_WINDOW_EDITBOX>("Enter_Name");
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->fGetLineBox(), nullptr);
        box->fSetResultCallback(ZT_RESULTS::fOn, &answers);
    }
    void fShowBox()
    {
        manager->fShowWindow("Enter_Name", false);
        fFrames(1);
    }
    void fType(const std::wstring& text)
    {
        for (wchar_t ch : text)
            fTypeKey(ch, 'A');
    }
    void fBackspace() { fTypeKey(0, ZC_GUI_LINEBOX::KEY_BACKSPACE); }
    void fClick(const int at[2])
    {
        fPointer(0, 0);
        fClickAt(at[0], at[1]);
    }
    bool fOkEnabled() const { return box->fGetOkButton()->fGetState() != ZC_GUI_BUTTON5::STATE_DISABLED; }
    bool fHintShown() const { return box->fGetHintLabel()->fIsVisible(); }
    uint32_t fColor() const { return box->fGetLineBox()->fGetTextColor().fToPacked(); }
};
}

TEST_F(EditBox, TypingIgnoresTheForbiddenCharactersAndStopsAtTheLimit)
{
    fShowBox();
    EXPECT_TRUE(box->fGetLineBox()->fIsActive()) << "the line box has the focus once shown";
    EXPECT_EQ(std::wstring(G_WINDOW_EDITBOX::kForbidden).size(), 31u);
    for (wchar_t ch : std::wstring(G_WINDOW_EDITBOX::kForbidden))
    {
        fTypeKey(ch, 'A');
        EXPECT_EQ(box->fGetText(), L"") << "character " << int(ch);
    }
    fType(L"AB7");
    EXPECT_EQ(box->fGetText(), L"AB7");

    box->fSetMaxLength(4);
    fType(L"ABA");
    EXPECT_EQ(box->fGetText(), L"AB7A");
    box->fSetMaxLength(0);
    fType(L"B");
    EXPECT_EQ(box->fGetText(), L"AB7AB") << "0 is unlimited";
}

TEST_F(EditBox, TheValidatorColoursTheTextAndDecidesOk)
{
    box->fSetValidator(fNotTaken, nullptr);
    fShowBox();
    EXPECT_FALSE(fOkEnabled());
    EXPECT_FALSE(fHintShown());
    EXPECT_EQ(fColor(), kTextColor);

    const struct
    {
        const wchar_t* typed; // nullptr: Backspace
        const wchar_t* text;
        bool ok, hint;
        uint32_t color;
    } steps[] = {
        {L"A", L"A", true, false, kTextColor},
        {L"B", L"AB", true, false, kTextColor},
        {L"B", L"ABB", false, true, kErrorColor}, // taken: refused
        {nullptr, L"AB", true, false, kTextColor},
        {L"B", L"ABB", false, true, kErrorColor},
        {nullptr, L"AB", true, false, kTextColor},
        {L"B", L"ABB", false, true, kErrorColor},
    };
    for (const auto& s : steps)
    {
        if (s.typed)
            fType(s.typed);
        else
            fBackspace();
        EXPECT_EQ(box->fGetText(), s.text);
        EXPECT_EQ(fOkEnabled(), s.ok) << box->fGetText();
        EXPECT_EQ(fHintShown(), s.hint) << box->fGetText();
        EXPECT_EQ(fColor(), s.color) << box->fGetText();
    }
    // A refused name emptied: OK stays off, the hint goes, the colour stays that of the
    // refusal until a name is accepted.
    for (int i = 0; i < 3; ++i)
        fBackspace();
    fType(L"W");
    EXPECT_EQ(fColor(), kErrorColor);
    fBackspace();
    EXPECT_EQ(box->fGetText(), L"");
    EXPECT_FALSE(fOkEnabled());
    EXPECT_FALSE(fHintShown());
    EXPECT_EQ(fColor(), kErrorColor);

    fClick(kOk);
    EXPECT_TRUE(answers.results.empty()) << "a disabled OK gives no click";
}

TEST_F(EditBox, OkAnswersTheNameAndTheNextShowStartsEmpty)
{
    fShowBox();
    fType(L"AB");
    EXPECT_TRUE(fOkEnabled()) << "without a validator any text";
    fClick(kOk);
    ASSERT_EQ(answers.results.size(), 1u);
    EXPECT_EQ(answers.results[0], std::make_pair(true, std::wstring(L"AB")));
    fFrames(1);
    EXPECT_FALSE(manager->fIsWindowOpen("Enter_Name"));

    fShowBox();
    EXPECT_EQ(box->fGetText(), L"");
    EXPECT_FALSE(fOkEnabled());
    EXPECT_EQ(fColor(), kTextColor);
    fType(L"A");
    fClick(kCancel);
    ASSERT_EQ(answers.results.size(), 2u);
    EXPECT_EQ(answers.results[1], std::make_pair(false, std::wstring(L"A")));
}

TEST_F(EditBox, ARefusedNameIsNeverConfirmed)
{
    // OK enabled for "AB"; "B" goes down (the text becomes the taken "ABB") and OK is clicked
    // before that key comes up and the text is checked again.
    box->fSetValidator(fNotTaken, nullptr);
    fShowBox();
    fType(L"AB");
    ASSERT_TRUE(fOkEnabled());
    fStep();
    input->fOnKeyDown('B');
    input->typed[0] = L'B';
    manager->fOnKeyDown('B');
    ASSERT_EQ(box->fGetText(), L"ABB");
    fClick(kOk);
    EXPECT_TRUE(answers.results.empty());
    EXPECT_TRUE(manager->fIsWindowOpen("Enter_Name"));
    EXPECT_FALSE(fOkEnabled()) << "checked on that key release";

    // A window whose widget 3 is no button: its click still means OK, but only for a name.
    auto bare = fMake<G_WINDOW_EDITBOX>(
        R"(<window _typeOpen="SH_MOMENTAL"><GUI><LINEBOX ID="2" TEXTURE="line.png" FONT="font.xml" )"
        R"(FONT_TEXTURE="font.png"/><IMAGE ID="3" TEXTURE="knob.png"><POSITION>0 100</POSITION></IMAGE></GUI></window>)");
    ZT_RESULTS bareAnswers;
    bare->fSetResultCallback(ZT_RESULTS::fOn, &bareAnswers);
    EXPECT_EQ(bare->fGetOkButton(), nullptr);
    bare->fAcquireResources();
    bare->fShow(false);
    bare->fUpdate();
    auto clickPicture = [&] {
        fStep();
        input->fOnMouseMove(512, 484);
        bare->fOnMouseMove();
        fStep();
        input->fOnKeyDown(1);
        bare->fOnKeyDown(1);
        fStep();
        input->fOnKeyUp(1);
        bare->fOnKeyUp(1);
    };
    clickPicture();
    EXPECT_TRUE(bareAnswers.results.empty()) << "no name yet";
    EXPECT_TRUE(bare->fIsOpen());
    bare->fGetLineBox()->fSetText(L"A");
    clickPicture();
    ASSERT_EQ(bareAnswers.results.size(), 1u);
    EXPECT_EQ(bareAnswers.results[0], std::make_pair(true, std::wstring(L"A")));
    bare->fReleaseResources(true);
}

TEST_F(EditBox, SettingsGiveTheColoursTheyName)
{
    auto onlyError = fMake<G_WINDOW_EDITBOX>(R"(<window><SETTINGS text_color_error="0xFF00FF00"/></window>)");
    EXPECT_EQ(onlyError->fGetTextColor().fToPacked(), 0xFFFFFFFFu);
    EXPECT_EQ(onlyError->fGetErrorColor().fToPacked(), 0xFF00FF00u);
    EXPECT_EQ(onlyError->fGetText(), L"") << "no line box, no text";
    onlyError->fSetMaxLength(3); // nothing to limit
    EXPECT_EQ(box->fGetTextColor().fToPacked(), kTextColor);
    EXPECT_EQ(box->fGetErrorColor().fToPacked(), kErrorColor);
}

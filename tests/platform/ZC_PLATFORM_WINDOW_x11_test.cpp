// Typing on real keyboard layouts: the X server's layout is switched with setxkbmap, keys are
// pressed and text typed with xdotool, and what arrives goes through the message pump to the
// input state and a line box, as in the game. Each case sets the layout it types on, while the
// test's window is open.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"
#include "game/puzzle/gPlayers.h"

using namespace ZT_GUI;

namespace
{
struct Keyboard : ZT_WIDGETS
{
    // Every key-down as "<code> <typed character>", and the walk it gives the GUI.
    static inline std::vector<std::string> downs;
    static inline ZC_GUI* walked = nullptr;

    static int fOnDown(void* key)
    {
        downs.push_back(std::to_string(intptr_t(key)) + " " + pugi::as_utf8(zcINPUT->typed));
        walked->fOnKeyDown();
        return 0;
    }

    void SetUp() override
    {
        ZT_WIDGETS::SetUp();
        walked = gui;
        zcON_KEY_DOWN = fCreateCallback(fOnDown);
        fPumpWindowMessages(input, window);
    }
    void TearDown() override
    {
        delete zcON_KEY_DOWN;
        zcON_KEY_DOWN = nullptr;
        ZT_WIDGETS::TearDown();
    }

    static void fRun(const std::string& command)
    {
        ASSERT_EQ(0, std::system(command.c_str())) << command;
    }
    void fLayout(const std::string& layout) { fRun("setxkbmap -display \"$DISPLAY\" " + layout); }

    // X is asynchronous: pump until the condition holds, for at most two seconds; each pump a
    // step of the game, whose frame has seen the one before.
    template <class F>
    bool fPumpUntil(F condition)
    {
        for (int i = 0; i < 200; ++i)
        {
            input->fAdvanceFrame();
            fPumpWindowMessages(input, window);
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // The key-downs that xdotool's keys gave, each step of 10 ms a step of the game; pumped a
    // little longer than needed, so that a stray extra one shows.
    std::vector<std::string> fKeyDowns(const std::string& keys, size_t expected)
    {
        downs.clear();
        fRun("xdotool key " + keys);
        fPumpUntil([&] { return downs.size() >= expected; });
        for (int i = 0; i < 5; ++i)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            input->fAdvanceFrame();
            fPumpWindowMessages(input, window);
        }
        return downs;
    }
};
}

TEST_F(Keyboard, AGermanKeyboardTypesItsOwnCharactersAndDeadKeysCompose)
{
    fLayout("de");
    struct
    {
        const char* keys;
        std::vector<std::string> downs;
    } cases[] = {
        {"odiaeresis", {u8"186 \u00f6"}},
        {"ssharp", {u8"189 \u00df"}},
        {"shift+7", {"16 ", "55 /"}},                           // not the US layout's "&"
        {"dead_acute e", {"187 ", u8"69 \u00e9"}},             // the dead key types nothing itself
        {"ISO_Level3_Shift+q", {"231 @"}},                      // AltGr: Alt keys stay system keys
        {"BackSpace Tab Return Escape Delete Left", {"8 ", "9 ", "13 ", "27 ", "46 ", "37 "}},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.downs, fKeyDowns(c.keys, c.downs.size())) << c.keys;
}

TEST_F(Keyboard, AGreekKeyboardsLetterKeysTypeGreekAndKeepTheirCodes)
{
    fLayout("gr");
    EXPECT_EQ(std::vector<std::string>{u8"65 \u03b1"}, fKeyDowns("Greek_alpha", 1));
    EXPECT_EQ((std::vector<std::string>{"16 ", u8"86 \u03a9"}), fKeyDowns("Greek_OMEGA", 2));
}

TEST_F(Keyboard, ANameTypedIntoALineBoxIsExactlyThatNameAndSurvivesPlayersSave)
{
    // French AZERTY ("oss") has ë and Ø on AltGr. (On a layout without them xdotool binds a spare
    // key for a moment and puts it back before any client has read the press, so nothing
    // arrives at all: that is xdotool's, not ours.)
    fLayout("fr oss");
    fLoad(R"(<LINEBOX ID="4" TEXTURE="line.png" FONT="font.xml" FONT_TEXTURE="font.png" MAXLEN="12">
             <POSITION>300 100</POSITION></LINEBOX>)");
    auto* box = fFind<ZC_GUI_LINEBOX>(4);
    ASSERT_NE(nullptr, box);

    // A real click into the box gives it the focus.
    int wx = 0, wy = 0;
    SDL_GetWindowPosition(static_cast<SDL_Window*>(window->fGetHandle()), &wx, &wy);
    fRun("xdotool mousemove " + std::to_string(wx + 300) + " " + std::to_string(wy + 100) + " click 1");
    ASSERT_TRUE(fPumpUntil([&] { return box->fIsActive(); }));

    const std::wstring typed = L"Zo\u00eb \u00d8";
    fRun("xdotool type 'Zo\u00eb \u00d8'");
    EXPECT_TRUE(fPumpUntil([&] {
        input->fAdvanceFrame();
        return box->fGetText() == typed;
    })) << pugi::as_utf8(box->fGetText());

    fRun("xdotool key BackSpace");
    EXPECT_TRUE(fPumpUntil([&] { return box->fGetText() == L"Zo\u00eb "; }))
        << "one character, not one byte: " << pugi::as_utf8(box->fGetText());

    const std::wstring name = L"Zo\u00eb \u00d8rsted";
    fRun("xdotool type '\u00d8rsted'");
    EXPECT_TRUE(fPumpUntil([&] {
        input->fAdvanceFrame();
        return box->fGetText() == name;
    })) << pugi::as_utf8(box->fGetText());

    // The name as a player, saved in players.save and read back.
    const std::string folder = "typed-name/";
    std::filesystem::remove_all(folder);
    {
        game::gPlayers players;
        auto* player = new game::GG_PLAYER;
        player->fSetName(box->fGetText());
        ASSERT_TRUE(players.fAddPlayer(player));
        ASSERT_TRUE(players.fSave(folder));
    }
    game::gPlayers read;
    ASSERT_TRUE(read.fLoad(folder));
    ASSERT_NE(nullptr, read.fGetCurrentPlayer());
    EXPECT_EQ(name, read.fGetCurrentPlayer()->fGetName());
}

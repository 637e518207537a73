#pragma once
// The kinds of click a player gives, where the default data set puts its buttons, and the real
// program started for clicking: what the click and line tests on a real X server share.
#include <cstdlib>
#include <string>
#include <vector>

#include "game/ZT_X11_PROGRAM.h"

namespace ZT_X11
{
// The kinds of click: four hands, and a click right after a window's hide effect has ended
// (a jump at once, without the rest a player would take).
enum ZE_KIND
{
    kJump,
    kGlide,
    kSameSpot, // the pointer was put on the spot before the target came to rest there
    kTap,
    kAfterHide,
    kKinds
};
const char* const kKindNames[] = {"jump", "glide", "same spot", "tap", "after a hide"};

// Where the targets are, in game pixels.
const int kTitlePlay[] = {512, 414}, kTitleOptions[] = {512, 502}, kTitleExit[] = {512, 590};
const int kOptionsOk[] = {392, 580};
const int kQuestionYes[] = {402, 444}, kQuestionNo[] = {620, 444};
const int kHubBack[] = {72, 699}, kHubPacks[] = {501, 699}, kHubTrophies[] = {616, 699}, kHubHelp[] = {732, 699},
          kHubOptions[] = {962, 699};
const int kTrophyPrev[] = {441, 626}, kTrophyNext[] = {580, 626};
const int kTrophyDotX[] = {499, 523, 547}, kTrophyDotY = 627;
const int kResultLevels[] = {314, 536}, kResultReplay[] = {490, 536}, kResultNext[] = {686, 536};
const int kReplayYes[] = {381, 474}, kReplayCancel[] = {640, 474};
const int kTrophyGreat[] = {512, 552};
const int kSkip[] = {613, 154}, kSkipYes[] = {381, 474};
const int kSwitch[] = {915, 330};

inline bool fNavy(const ZS_PIXEL& p) { return p.r < 70 && p.g < 70 && p.b > 40 && p.b < 130; }
inline bool fIsVeil(const ZS_PIXEL& p) { return p.r > 70 && p.r < 130 && p.b > 100 && p.b < 160 && p.b > p.g; }
// The grey of a trophy not yet won.
inline bool fIsMedal(const ZS_PIXEL& p)
{
    return p.r > 120 && p.r < 200 && std::abs(p.r - p.g) < 10 && p.b - p.r > 4 && p.b - p.r < 30;
}
// A filled cell is navy; a marked one paper with a dark cross through its middle.
inline bool fIsFilledCell(const ZS_PIXEL& p) { return p.r < 90 && p.g < 90 && p.b > 40 && p.b < 150 && p.b > p.r; }
inline bool fIsDark(const ZS_PIXEL& p) { return p.r + p.g + p.b < 500; }

// The looks of the screens: a few pixels each.
inline ZF_LOOK fNotLook(ZF_LOOK look)
{
    return [look](const ZS_PIXEL& p) { return !look(p); };
}

class ZT_CLICKS
{
public:
    explicit ZT_CLICKS(const std::string& name) : root(gStart / name), game(root, name)
    {
        fCopyDataSet(root);
        fSetSplashTime(root, "0.2");
    }

    ::testing::AssertionResult fTitle(double seconds = 10)
    {
        return game.fWaitFor({{422, 406, fIsCoral}, {422, 582, fIsTeal}, {712, 484, fNotLook(fIsCard)}}, seconds);
    }
    ::testing::AssertionResult fHub(ZF_LOOK contentLook, int x, int y)
    {
        return game.fWaitFor({{300, 745, fNavy}, {48, 698, fIsTeal}, {x, y, contentLook}});
    }
    ::testing::AssertionResult fPacks() { return fHub(fIsVeil, 388, 462); }
    ::testing::AssertionResult fTrophies() { return fHub(fIsMedal, 160, 250); }
    ::testing::AssertionResult fHelp() { return fHub(fIsCard, 880, 600); }
    ::testing::AssertionResult fOptions() { return game.fWaitFor({{365, 121, fIsCoral}, {302, 572, fIsCoral}}); }
    ::testing::AssertionResult fOptionsGone() { return game.fWaitFor({{302, 572, fNotLook(fIsCoral)}}); }
    ::testing::AssertionResult fQuestion() { return game.fWaitFor({{712, 484, fIsCard}}); }
    ::testing::AssertionResult fQuestionGone() { return game.fWaitFor({{712, 484, fNotLook(fIsCard)}}); }
    ::testing::AssertionResult fTrophyPage(int page)
    {
        return game.fWaitFor({{kTrophyDotX[page], kTrophyDotY, fIsGold},
                              {kTrophyDotX[(page + 1) % 3], kTrophyDotY, fNotLook(fIsGold)},
                              {kTrophyDotX[(page + 2) % 3], kTrophyDotY, fNotLook(fIsGold)}});
    }

    // The click of the kind; the pointer of a same-spot click was put there before (fPlace).
    void fClick(ZE_KIND kind, const int* at)
    {
        static const ZE_HAND kHands[] = {zeJUMP, zeGLIDE, zeSAME_SPOT, zeTAP, zeJUMP};
        // The target at rest first; then a player takes a moment, but a click after a hide
        // comes the moment it ended.
        game.fWaitStill(at[0], at[1]);
        if (kind != kAfterHide)
            fSleep(200);
        game.fClick(at[0], at[1], kHands[kind]);
    }
    // While the target is still on its way: the same-spot hand's pointer goes where it will be.
    void fPlace(ZE_KIND kind, const int* at)
    {
        if (kind == kSameSpot)
            game.fMove(at[0], at[1]);
    }
    // A glide that must take effect, for the steps between the ones under test.
    void fGlide(const int* at) { fClick(kGlide, at); }

    typedef ::testing::AssertionResult (ZT_CLICKS::*ZF_SCREEN)();
    // A window opened by one glide and sent away by another: its hide has just ended when this
    // answers success.
    ::testing::AssertionResult fComeAndGo(const int* opener, ZF_SCREEN shown, const int* closer, ZF_SCREEN gone)
    {
        fGlide(opener);
        if (::testing::AssertionResult came = (this->*shown)(); !came)
            return came;
        fGlide(closer);
        return (this->*gone)();
    }

    // Started, with a new player of that name made from the title: the hub's pack list shows.
    ::testing::AssertionResult fStartWithNewPlayer(const std::string& name)
    {
        if (!game.fStart())
            return ::testing::AssertionFailure() << "no window";
        if (::testing::AssertionResult title = fTitle(20); !title)
            return title << " " << fReadText(root / "log.txt");
        fGlide(kTitlePlay);
        if (::testing::AssertionResult box = game.fWaitFor({{700, 300, fIsCard}}); !box)
            return box << " (the name box)";
        // A player waits for the box to come to rest before typing.
        fSleep(500);
        game.fType(name);
        fGlide(kQuestionYes);
        return fPacks();
    }

    fs::path root;
    ZT_PROGRAM game;
};
}


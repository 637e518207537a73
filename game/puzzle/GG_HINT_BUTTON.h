#pragma once
#include "engine/core/ZS_CALLBACK.h"
#include "framework/G_ANIMATION.h"
#include "game/puzzle/GG_SLIDING_CONTROL.h"

namespace game
{
// The hint button: a picture showing how many hints the level has (frame n of a 5-frame
// strip shows n), with a glow that fades with it. It slides in while there are hints; a left
// press over it slides it out and, once out, asks the owner to start a hint. It takes no press
// from the start of any slide-out until it slides in again (or a pressed slide-out ends), nor
// while the tutorial blocks it; the two are kept apart, so that a slide never clears the
// tutorial's block and a button slid in is never left dead.
class GG_HINT_BUTTON : public GG_SLIDING_CONTROL
{
public:
    // Frames of the button's picture: counts from here on show the last one.
    static const int kFrames = 5;

    GG_HINT_BUTTON(void* owner, ZF_CONTROL_ACTION hintOperation);
    ~GG_HINT_BUTTON() override;

    // "GameProcess hint_button.xml": background, placement, "speed", "hint" and the required
    // "button_sprite". False (logged) when the file or "button_sprite" is missing.
    bool fLoadXml();
    // The level screen's only way to change the count: slides in for n > 0, out for 0.
    void fSetCount(int n);
    int fGetCount() const { return count; }
    void fSlideIn();
    void fSlideOut(bool pressed);
    // The end of a pressed slide-out: the hint starts, then the button takes presses again.
    static int fOnSlideOutFinished(void* button);

    void fDraw() override;
    int fOnKeyDown(int key) override;
    void fUnloadResources() override;

    // A left press over it would start a hint.
    bool fIsInPlay() const { return !blocked && !outOfPlay && !pressPending && count > 0; }
    ZOR_GF::G_SPRITE& fGetButtonSprite() { return buttonSprite; }
    ZOR_GF::G_ANIMATION& fGetHintAnimation() { return hint; }

protected:
    float fLoadPictures() override;
    void fSlideToState() override;

private:
    void* owner;
    ZF_CONTROL_ACTION hintOperation;
    ZOR::ZS_CALLBACK completion;
    int count = 0;
    bool outOfPlay = false;   // slid out (or sliding out)
    bool pressPending = false; // a pressed slide-out has not ended yet
    ZOR_GF::G_SPRITE buttonSprite;
    ZOR_GF::G_ANIMATION hint;
};
}

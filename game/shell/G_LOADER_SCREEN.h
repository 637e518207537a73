#pragma once
#include <cstdint>
#include <vector>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/files/ZC_LOADER.h"
#include "framework/G_ANIMATION.h"
#include "framework/G_SPRITE.h"

namespace ZOR
{
class ZC_QUAD;
}

namespace game
{
// What the player sees from the first frame to the first scene: background, logo and
// animation from screen_loading.xml under a stack of splashes, each shown for a while and then
// faded out to uncover the next; once every splash is gone and the loading work is done, the
// screen fades into the game through the ordinary window "Fade_Transition".
class G_LOADER_SCREEN : public ZOR::ZC_LOADER
{
public:
    explicit G_LOADER_SCREEN(ZOR::ZF_LOADER function);
    ~G_LOADER_SCREEN() override;

    // The loading function on a thread of its own; the game runs it directly instead.
    void fStart() override;
    void fDraw() override;
    void fUpdate() override;

    void fLoadResources();
    void fUnloadResources();
    // Asked once per frame after the draw: true once "Fade_Transition" has been fully shown
    // (or at once when there is no such window) after the work and every splash are done.
    bool fIsFinished();
    // A key press: the current splash starts to fade now.
    void fSkipSplash();
    void fNextSplash();
    bool fFadeOutSplash();
    // The pictures of the splashes that have faded out go back to the renderer.
    void fReleaseFadedSplashes();
    // The shown callback of "Fade_Transition".
    void fOnFadeShown();

    size_t fGetSplashCount() const { return splashes.size(); }
    uint32_t fGetSplashIndex() const { return splashIndex; }
    float fGetTimePerSplash() const { return timePerSplash; }
    float fGetFadeTime() const { return fadeTime; }
    ZOR::ZC_QUAD* fGetSplash(size_t i) const { return i < splashes.size() ? splashes[i] : nullptr; }

private:
    static void fReleaseSplashPicture(ZOR::ZC_QUAD* splash);

    ZOR_GF::G_SPRITE background;
    ZOR_GF::G_SPRITE logo;
    ZOR_GF::G_ANIMATION animation;
    float fadeTime = 0.2f;
    float timePerSplash = 2.0f;
    ZOR_GF::G_SPRITE plate;
    ZOR::ZS_TEXTURE* plateTexture = nullptr; // made here, released here
    std::vector<ZOR::ZC_QUAD*> splashes;
    bool finished = false;
    uint32_t splashIndex = 0;
    float splashTimer = 0.0f;
    ZOR::ZC_BOT_CONTAINER fadeBots;
};

// Binds the shown event of "Fade_Transition" to the loading screen given as data.
void fCallLoaderScreenOnFadeShown(void* screen);
}

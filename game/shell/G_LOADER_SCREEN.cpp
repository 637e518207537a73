#include "game/shell/G_LOADER_SCREEN.h"

#include <string>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/bots/ZC_BOT_FADE.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_COLOR.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZC_RENDER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kScreenFile = "data/share/main/other screen_loading.xml";
const char* const kFadeWindow = "Fade_Transition";

// What the plate's colour keeps of its own: everything but the alpha.
uint32_t fWithAlpha(uint32_t rgb, uint32_t alpha)
{
    return (alpha << 24) | (rgb & 0x00FFFFFFu);
}
}

void fCallLoaderScreenOnFadeShown(void* screen)
{
    if (screen)
        static_cast<G_LOADER_SCREEN*>(screen)->fOnFadeShown();
}

G_LOADER_SCREEN::G_LOADER_SCREEN(ZF_LOADER function) : ZC_LOADER(function)
{
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml(kScreenFile) : nullptr;
    if (!document)
        return;
    pugi::xml_node root = document->document_element();
    if (pugi::xml_node e = root.child("background"))
        background.fLoadXml(e);
    if (pugi::xml_node e = root.child("logo"))
        logo.fLoadXml(e);
    if (pugi::xml_node e = root.child("animation"))
        animation.fLoadXml(e);

    pugi::xml_node list = root.child("splashes");
    if (pugi::xml_attribute a = list.attribute("time_per_splash"))
        timePerSplash = a.as_float();
    if (pugi::xml_attribute a = list.attribute("time_fade"))
        fadeTime = a.as_float();
    const int w = zcGAME ? zcGAME->resolution.x : 1024;
    const int h = zcGAME ? zcGAME->resolution.y : 768;
    // The plate's texture holds "back_color"; its vertices stay white but for each splash's
    // alpha, so the colour is applied once.
    if (pugi::xml_attribute a = list.attribute("back_color"))
    {
        ZS_COLOR color;
        color.fParse(a.value());
        plateTexture = zcRENDER ? zcRENDER->fCreateTexture(2, 2) : nullptr;
        if (plateTexture)
        {
            const uint32_t pixels[4] = {color.fToPacked(), color.fToPacked(), color.fToPacked(), color.fToPacked()};
            plateTexture->fSetPixels(pixels);
            plate.fSetTexture(plateTexture);
            plate.fSetSize(float(w), float(h));
            plate.fSetHotSpot(HS_MID, 0, 0);
            plate.fSetPosition(float(w / 2), float(h / 2), 0);
        }
    }
    for (pugi::xml_node splash : list.children())
    {
        if (splash.type() != pugi::node_element)
            continue;
        const std::string file = splash.child("FILE").child_value();
        if (file.empty() || fGetPathKind(file.c_str()) == 0 || !zcRENDER)
            continue;
        ZC_QUAD* quad = new ZC_QUAD(zcRENDER->fLoadTextureFile(file.c_str()));
        if (pugi::xml_node pos = splash.child("POS"))
        {
            ZS_POINT p(0, 0);
            p.fParse(pos.child_value());
            quad->fSetPosition(float(p.x), float(p.y), 0);
        }
        if (pugi::xml_node hot = splash.child("HOT_SPOT"))
            quad->fSetHotSpot(fParseHotSpot(hot.child_value()), 0, 0);
        splashes.push_back(quad);
    }
    zcREPOSITORY->fReleaseXml(document);
}

G_LOADER_SCREEN::~G_LOADER_SCREEN()
{
    fStopThread();
    fadeBots.fDeleteAll();
    if (plateTexture)
    {
        plate.fSetTexture(fGetDefaultTexture());
        if (zcRENDER)
            zcRENDER->fReleaseTexture(plateTexture);
        plateTexture = nullptr;
    }
    for (ZC_QUAD* splash : splashes)
    {
        fReleaseSplashPicture(splash);
        delete splash;
    }
    splashes.clear();
}

void G_LOADER_SCREEN::fReleaseSplashPicture(ZC_QUAD* splash)
{
    if (!zcRENDER || splash->fGetTexture() == zcRENDER->fGetDefaultTexture())
        return;
    zcRENDER->fReleaseTexture(splash->fGetTexture());
    splash->fSetTexture(zcRENDER->fGetDefaultTexture());
}

void G_LOADER_SCREEN::fReleaseFadedSplashes()
{
    // A splash that has faded out is never seen again: its full-screen picture goes back at
    // once rather than stay beside everything the loading brings in.
    for (size_t i = 0; i < splashIndex && i < splashes.size(); ++i)
        if ((splashes[i]->fGetVertexColor(0) >> 24) == 0)
            fReleaseSplashPicture(splashes[i]);
}

void G_LOADER_SCREEN::fStart()
{
    ZC_LOADER::fStart();
    animation.fStart(0.0f);
}

void G_LOADER_SCREEN::fLoadResources()
{
    background.fLoadTexture();
    logo.fLoadTexture();
    animation.fLoadTexture();
}

void G_LOADER_SCREEN::fUnloadResources()
{
    background.fUnloadTexture();
    logo.fUnloadTexture();
    animation.fUnloadTexture();
}

void G_LOADER_SCREEN::fUpdate()
{
    animation.fUpdate();
    fadeBots.fUpdate();
    fReleaseFadedSplashes();
    if (splashIndex < splashes.size())
    {
        splashTimer += zcFRAME_DELTA;
        if (splashTimer >= timePerSplash)
            fNextSplash();
    }
    else if (G_WINDOW_MANAGER* windows = fGetWindowManager())
    {
        windows->fUpdate();
    }
}

void G_LOADER_SCREEN::fNextSplash()
{
    splashTimer = 0.0f;
    fFadeOutSplash();
    ++splashIndex;
}

void G_LOADER_SCREEN::fSkipSplash()
{
    // Once every splash is gone, further presses change nothing: the index only grows.
    if (splashIndex <= splashes.size())
        fNextSplash();
}

bool G_LOADER_SCREEN::fFadeOutSplash()
{
    if (splashIndex >= splashes.size())
        return false;
    fadeBots.fAdd(fCreateBotColor(splashes[splashIndex], fadeTime, 0x00FFFFFFu, 0.0f));
    return true;
}

void G_LOADER_SCREEN::fDraw()
{
    if (splashIndex >= splashes.size())
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fDraw();
    // A sprite the file does not describe holds no picture and is not drawn.
    if (background.fIsLoaded())
        background.fDraw();
    if (logo.fIsLoaded())
        logo.fDraw();
    if (animation.fIsLoaded())
        animation.fDraw();
    // The first splash lies on top; each carries its own plate away as it fades.
    const uint32_t plateColor = plate.fGetColor();
    for (size_t i = splashes.size(); i-- > 0;)
    {
        if (plateTexture)
        {
            plate.fSetColor(fWithAlpha(plateColor, splashes[i]->fGetVertexColor(0) >> 24));
            plate.fDraw();
        }
        splashes[i]->fDraw();
    }
    if (plateTexture)
        plate.fSetColor(plateColor);
}

bool G_LOADER_SCREEN::fIsFinished()
{
    if (fGetProgress() >= 100 && splashIndex >= splashes.size() && !finished)
    {
        G_WINDOW_MANAGER* windows = fGetWindowManager();
        G_WINDOW* fade = windows ? windows->fShowWindow(kFadeWindow, false) : nullptr;
        if (!fade)
            return true;
        fade->fSetEventCallback(WE_SHOWN, this, fCallLoaderScreenOnFadeShown);
    }
    return finished;
}

void G_LOADER_SCREEN::fOnFadeShown()
{
    finished = true;
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
    {
        windows->fHideWindow(kFadeWindow, false);
        if (G_WINDOW* fade = windows->fFindWindow(kFadeWindow))
            fade->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
    }
}
}

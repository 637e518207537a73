// Any bytes as each of the other files the game's loading reads, by the game's own readers:
// the store offers, the trophies, the pack descriptions, the template player (read, written
// and read again: the second writing must equal the first), the sound bank, the font list
// and a bitmap font descriptor, the cursor, and every child element as a sprite, an
// animation and a particle effect with its texture from the shipped data.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>

#include <pugixml.hpp>

#include "ZT_FUZZ_GAME.h"
#include "engine/render/ZS_TEXTURE.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/G_ANIMATION.h"
#include "framework/G_CURSOR.h"
#include "framework/G_PARTICLES.h"
#include "framework/G_SPRITE.h"
#include "framework/G_STORE_ITEMS.h"
#include "framework/G_TROPHIES.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER.h"

using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

namespace
{
std::string fWritten(const GG_PLAYER& player)
{
    pugi::xml_document document;
    player.fSaveXml(document.append_child("player"));
    std::ostringstream text;
    document.save(text, " ");
    return text.str();
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZT_FUZZ::fGame().fHoldPictures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZT_FUZZ::ZT_GAME& shell = ZT_FUZZ::fGame();
    pugi::xml_document document;
    if (!document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;
    const pugi::xml_node root = document.document_element();
    shell.fPutInput(data, size);

    {
        G_STORE_ITEMS store;
        store.fLoad(root);
        for (const char* item : {"start_hint", "health", "errors"})
            for (int owned : {0, 5, 100})
                store.fFindItem(item, owned);
        store.fCountItems("refill_hint");
    }
    {
        G_TROPHIES trophies;
        trophies.fLoad(ZT_FUZZ::INPUT_NAME);
        // The game feeds every value with an empty name.
        for (const G_TROPHY_VALUE& value : {G_TROPHY_VALUE::fFromInt("", 5), G_TROPHY_VALUE::fFromFloat("", 1.0f),
                                            G_TROPHY_VALUE::fFromBool("", true)})
            for (int i = 0; i < trophies.fGetCount(); ++i)
                trophies.fUpdateTrophy(trophies.fGetTrophy(i)->fGetName(), value);
    }
    for (pugi::xml_node pack : root.children())
    {
        GG_PACK_DESC desc;
        if (desc.fLoadXml(pack) && desc.fGetBackground())
        {
            desc.fGetBackground()->fLoadTexture();
            desc.fGetBackground()->fUnloadTexture();
        }
    }
    {
        GG_PLAYER player;
        player.fLoadXml(root);
        const std::string once = fWritten(player);
        pugi::xml_document written;
        written.load_string(once.c_str());
        GG_PLAYER again;
        again.fLoadXml(written.document_element());
        if (fWritten(again) != once)
            __builtin_trap();
        GG_PLAYER copy(player);
        if (fWritten(copy) != once)
            __builtin_trap();
    }
    {
        ZC_SOUND_MANAGER sounds;
        sounds.fLoad(root);
        sounds.fLoadGroup("sounds");
        sounds.fPlaySound("sounds", "click");
        sounds.fGetSoundLength("music", "music1");
        sounds.fReleaseGroup("sounds");
        sounds.fClearGroup("sounds");
    }
    {
        ZC_FONT_MANAGER fonts;
        fonts.fLoad(ZT_FUZZ::INPUT_NAME);
        fonts.fReleaseTextures();
        ZS_TEXTURE page;
        page.size = ZS_POINT(256, 128);
        ZC_FONT font;
        if (font.fLoad(root, &page) == 1)
        {
            font.fMeasureLine(L"Play 0123456789 \u00e9?");
            font.fGetVerticalOffset(L"a\nb");
        }
    }
    {
        G_CURSOR cursor;
        if (cursor.fLoad(ZT_FUZZ::INPUT_NAME))
        {
            cursor.fLoadTexture();
            cursor.fUnloadTexture();
        }
    }
    int elements = 0;
    for (pugi::xml_node element : root.children())
    {
        if (++elements > 8)
            break;
        G_SPRITE sprite;
        sprite.fLoadXml(element);
        sprite.fLoadTexture();
        sprite.fUnloadTexture();
        G_ANIMATION animation;
        animation.fLoadXml(element);
        animation.fLoadTexture();
        animation.fStart(0.0f);
        for (int i = 0; i < 4; ++i)
            animation.fUpdate();
        animation.fUnloadTexture();
        G_PARTICLES particles;
        particles.fLoadXml(element);
        particles.fLoadTexture();
        particles.emitter.fStart();
        particles.emitter.fBurst(16);
        for (int i = 0; i < 4; ++i)
            particles.fUpdate();
        if (zcRENDER->fBeginFrame() == 1)
        {
            sprite.fDraw();
            particles.fDraw();
            zcRENDER->fEndFrame();
        }
        particles.fUnloadTexture();
    }
    shell.repository->fCollect();
    return 0;
}

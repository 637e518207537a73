#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "framework/G_ANIMATION.h"
#include "framework/G_EFFECT_BASE.h"
#include "framework/G_PARTICLES.h"

namespace game
{
// The small show of an opened bonus cell: a currency sprite appears on the cell, flies with a
// trail of sparks to the HUD's currency counter, turns into a value text and drifts away while
// it fades. The level screen keeps one template read from "bonus_effect" and runs a copy of it
// as a three-step effect queue for every bonus cell judged right.
class GG_EFFECT_BONUS
{
public:
    typedef ZOR_GF::G_EFFECT_T<GG_EFFECT_BONUS*> EFFECT;
    typedef void (*HANDLER_FUNCTION)(void* owner, GG_EFFECT_BONUS* effect);

    GG_EFFECT_BONUS() = default;
    // Member by member from the template: every copy starts from the template's state.
    GG_EFFECT_BONUS(const GG_EFFECT_BONUS& source);
    GG_EFFECT_BONUS& operator=(const GG_EFFECT_BONUS&) = delete;
    ~GG_EFFECT_BONUS() = default;

    // The "bonus_effect" element: attributes "speed", "deflection", "endpos" (class-wide), the
    // children "sprite_sunime", "font" (with "motion" and "text") and "particles_follow".
    void fLoadXml(pugi::xml_node element);
    // The trail's texture, then the sprite's.
    void fLoadResources();
    void fUnloadResources();
    // The trail, then the sprite animation.
    void fUpdate();
    // The value text once shown; before that the trail at the sprite, then the sprite.
    void fDraw();
    // The trail starts at the sprite with one spark at once.
    void fStartTrail();
    // The text becomes the format filled with the amount (at most 500 characters) and is
    // shown from now on. Only one integer conversion of the format takes the amount; any
    // other conversion that would take an argument is shown as written.
    void fSetValueText(int amount);

    // What the level screen does with a spawned copy: the sprite on the cell centre, started.
    void fPlaceOn(ZOR::ZS_VECTOR2 centre);
    // The copy's three steps, each ending in its handler with the owner: appear (a wait of the
    // sprite animation's length), fly (the curve to the end position at the class-wide speed)
    // and drift and fade (over the motion time). Built after fPlaceOn; the caller hands the
    // queue to its effect list.
    EFFECT* fMakeEffect(void* owner, HANDLER_FUNCTION appeared, HANDLER_FUNCTION arrived, HANDLER_FUNCTION finished);

    ZOR::ZS_FONT_STYLE style;
    ZOR_GF::G_ANIMATION sprite; // "sprite_sunime"
    ZOR_GF::G_PARTICLES trail;  // "particles_follow"
    bool textShown = false;
    std::wstring text;
    ZOR::ZS_TRANSFORM3 textTransform;

    // Shared by every copy, set by every read of a "bonus_effect" element.
    static float speed;               // pixels per second of the flight
    static int deflection;            // added to the flight's control point in y
    static ZOR::ZS_VECTOR2 endPosition; // the HUD counter
    static float motionTime;          // seconds of the text's drift and fade
    static ZOR::ZS_VECTOR2 endOffset; // how far the text drifts
};
}

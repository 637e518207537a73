#pragma once
#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_POINT.h"
#include "game/puzzle/GG_BASE_CONTROL.h"

namespace ZOR
{
class ZC_BOT_MOVE;
struct ZS_TRANSFORM3;
}

namespace game
{
// A control that slides its picture between a shown place and a hidden place straight below
// it (lower by the picture's height); the hint and store buttons. The slides run in bots,
// which the owner empties before its pictures go.
class GG_SLIDING_CONTROL : public GG_BASE_CONTROL
{
public:
    GG_SLIDING_CONTROL() = default;
    ~GG_SLIDING_CONTROL() override;

    int fUpdate() override;
    // Once: the background, then the pictures (fLoadPictures), the hidden place below the
    // shown one, and a slide to where the control's state wants it (fSlideToState).
    void fLoadResources() override;

    ZOR::ZS_VECTOR2 fGetShownPlace() const { return shownPlace; }
    ZOR::ZS_VECTOR2 fGetHiddenPlace() const { return hiddenPlace; }
    float fGetSpeed() const { return speed; }

protected:
    // The control file's root: background, placement and "speed".
    void fLoadSlideXml(pugi::xml_node root);
    // Starts a slide of the transform to the place, over the control's speed; the slide is
    // kept in bots (none when it could not be made).
    ZOR::ZC_BOT_MOVE* fSlideTo(ZOR::ZS_TRANSFORM3* transform, ZOR::ZS_VECTOR2 place);
    // Loads the pictures and answers the height the hidden place lies below the shown one.
    virtual float fLoadPictures() = 0;
    virtual void fSlideToState() = 0;

    float speed = 1.0f;
    ZOR::ZS_VECTOR2 shownPlace;
    ZOR::ZS_VECTOR2 hiddenPlace;
    ZOR::ZC_BOT_CONTAINER bots;
};
}

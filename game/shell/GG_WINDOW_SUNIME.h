#pragma once
#include <pugixml.hpp>

#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_WLABEL;
}

namespace game
{
// The currency panel ("Sumie", and "Stars" with the same class): the player's total stars in
// wide label 1, written when a show begins, and the currency in wide label 2, written when a
// show begins and once a second while open. A layout may hold either label or both.
class GG_WINDOW_SUNIME : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_SUNIME(pugi::xml_node element) : G_WINDOW(element) {}
    ~GG_WINDOW_SUNIME() override = default;

    void fOnShowBegin() override;
    void fUpdateContent() override;
    void fOnGuiEvent(int) override {}

    void fUpdateScoreLabel();
    float fGetElapsed() const { return elapsed; }

private:
    float elapsed = 0.0f;
    ZOR::ZC_GUI_WLABEL* scoreLabel = nullptr;
};
}

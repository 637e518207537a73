#pragma once
#include <string>

#include <pugixml.hpp>

#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_WLABEL;
}

namespace game
{
// The hearts panel ("Heart"): the number of hearts (wide label 1) and the time until the next
// heart comes back (wide label 2), which shows that label's own text while no heart is
// refilling. Both refresh when a show begins and once a second while open. A click anywhere
// on it flashes "FeedBack_Heart".
class GG_WINDOW_HEALTH : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_HEALTH(pugi::xml_node element);
    ~GG_WINDOW_HEALTH() override;

    void fOnShowBegin() override;
    void fRefresh() override {}
    void fUpdateContent() override;
    void fOnGuiEvent(int widgetId) override;

    void fUpdateLabels();
    void fHideHeartFeedback();

    const std::wstring& fGetFullText() const { return fullText; }
    float fGetElapsed() const { return elapsed; }

private:
    float elapsed = 0.0f;
    std::wstring fullText;
    ZOR::ZC_GUI_WLABEL* countdownLabel = nullptr;
    ZOR::ZC_GUI_WLABEL* countLabel = nullptr;
};

void fCallHideHeartFeedback(void* panel);
}

#pragma once
#include "framework/G_WINDOW.h"

// A window that only shows its content: a click on one of its widgets does nothing beyond the
// click sound and the GUI-click callback of every window.
class G_WINDOW_SIMPLE : public ZOR_GF::G_WINDOW
{
public:
    explicit G_WINDOW_SIMPLE(pugi::xml_node element);
    ~G_WINDOW_SIMPLE() override;

    void fOnGuiEvent(int widgetId) override;
};

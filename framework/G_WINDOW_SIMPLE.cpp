#include "framework/G_WINDOW_SIMPLE.h"

G_WINDOW_SIMPLE::G_WINDOW_SIMPLE(pugi::xml_node element) : G_WINDOW(element) {}

G_WINDOW_SIMPLE::~G_WINDOW_SIMPLE() = default;

void G_WINDOW_SIMPLE::fOnGuiEvent(int) {}

#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_GUI;

// Builds widget trees from GUI layout XML. Widget element names match without regard to
// case; attribute and child-element names match exactly. Each widget element has a builder
// (element) -> widget or null, listed in the element table in ZC_GUI_LOADER.cpp; an element
// whose name is not in the table builds nothing.
typedef ZC_GUI_OBJECT* (*ZF_WIDGET_BUILDER)(pugi::xml_node element);

// Empties the GUI, then builds one widget per child element of the holder (or, with a layout
// name, of the holder's child whose NAME matches it without regard to case; of the first
// child when none does) and adds it to the GUI.
void fLoadGuiFromXml(ZC_GUI* gui, pugi::xml_node holder, const char* layoutName = nullptr);
// One widget from one element, by the element's name; null for an unknown element or one
// that lacks a required attribute. The caller owns the widget.
ZC_GUI_OBJECT* fCreateWidgetFromXml(pugi::xml_node element);
// ENABLE, VISIBLE, TRANSFORM, SIZE, POSITION, CONTEXT and SCRIPTS, in that order.
void fReadWidgetCommonAttributes(ZC_GUI_OBJECT* widget, pugi::xml_node element);

// Helpers for the builders.
// True when every named attribute is present (an empty value counts as present).
bool fHasAttributes(pugi::xml_node element, std::initializer_list<const char*> names);
// The text split at every single blank (a doubled blank gives an empty piece, read as 0).
std::vector<float> fReadFloatList(const char* text);
std::vector<int> fReadIntList(const char* text);
// FONT_COLOR in its decimal form "alpha red green blue"; missing numbers read as 0.
ZS_COLOR fReadDecimalColor(const char* text);
// The text of the first child element of SCRIPTS whose EVENT equals the event (without
// regard to case unless exactCase); false when there is none. Later entries replace earlier.
bool fFindScript(pugi::xml_node element, const char* event, bool exactCase, std::string* name);
// Case-insensitive ASCII comparison.
bool fSameTextAnyCase(const char* a, const char* b);
}

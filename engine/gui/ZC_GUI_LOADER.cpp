#include "engine/gui/ZC_GUI_LOADER.h"

#include <cctype>
#include <cstdlib>

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_BASEPROGRESS.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"
#include "engine/gui/ZC_GUI_LISTBOX.h"
#include "engine/gui/ZC_GUI_PANEL.h"
#include "engine/gui/ZC_GUI_SIMPLE_SLIDER.h"
#include "engine/gui/ZC_GUI_SLIDER12.h"
#include "engine/gui/ZC_GUI_SLIDER13.h"

namespace ZOR
{
namespace
{
struct ZS_WIDGET_ELEMENT
{
    const char* name;
    ZF_WIDGET_BUILDER builder;
};

// Widget element name -> builder, one row per element, compared without regard to case. An
// element not listed here builds nothing. A widget's builder is declared in its own header
// (included above) and reads its attributes before or after fReadWidgetCommonAttributes as
// its element requires.
const ZS_WIDGET_ELEMENT kWidgetElements[] = {
    {"LABEL", fCreateGuiLabelFromXml},
    {"WLABEL", fCreateGuiWLabelFromXml},
    {"IMAGE", fCreateGuiImageFromXml},
    {"BUTTON5", fCreateGuiButton5FromXml},
    {"BUTTON2", fCreateGuiButton2FromXml},
    {"PANEL", fCreateGuiPanelFromXml},
    {"PANEL9", fCreateGuiPanel9FromXml},
    {"CHECKBOX", fCreateGuiCheckboxFromXml},
    {"CHECKBOX_IOS", fCreateGuiCheckboxIosFromXml},
    {"LINEBOX", fCreateGuiLineBoxFromXml},
    {"LISTBOX", fCreateGuiListBoxFromXml},
    {"PROGRESS_BAR", fCreateGuiProgressBarFromXml},
    {"ANIMATION_BAR", fCreateGuiAnimationBarFromXml},
    {"SLIDER12", fCreateGuiSlider12FromXml},
    {"SLIDER13", fCreateGuiSlider13FromXml},
    {"SIMPLESLIDER", fCreateGuiSimpleSliderFromXml},
};

// Layouts are our own files, but a runaway nesting must not exhaust the stack.
const int kMaxNesting = 64;
thread_local int nesting = 0;

pugi::xml_node fFirstElement(pugi::xml_node node)
{
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element)
            return child;
    return pugi::xml_node();
}

void fReadTransform(ZC_GUI_OBJECT* widget, pugi::xml_node element)
{
    std::vector<float> n = fReadFloatList(element.child_value());
    if (n.size() < 12)
        return;
    ZS_TRANSFORM3* t = widget->fGetTransform();
    t->position.fSet(n[0], n[1], n[2]);
    t->pivot.x += n[3];
    t->pivot.y += n[4];
    t->pivot.z += n[5];
    t->rotation.fSet(n[6], n[7], n[8]);
    t->scale.fSet(n[9], n[10], n[11]);
}

void fReadScripts(ZC_GUI_OBJECT* widget, pugi::xml_node scripts)
{
    static const struct
    {
        const char* event;
        ZC_GUI_OBJECT::CALLBACK_KIND kind;
    } kEvents[] = {{"DOWN", ZC_GUI_OBJECT::CB_DOWN},
                   {"UP", ZC_GUI_OBJECT::CB_UP},
                   {"ENTER", ZC_GUI_OBJECT::CB_ENTER},
                   {"LEAVE", ZC_GUI_OBJECT::CB_LEAVE}};
    for (pugi::xml_node entry : scripts.children())
    {
        pugi::xml_attribute event = entry.attribute("EVENT");
        if (entry.type() != pugi::node_element || !event)
            continue;
        for (const auto& e : kEvents)
            if (fSameTextAnyCase(event.value(), e.event))
                widget->fSetCallback(e.kind, fCreateCallback(nullptr, entry.child_value(), widget));
    }
}
}

bool fSameTextAnyCase(const char* a, const char* b)
{
    if (!a || !b)
        return a == b;
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

bool fHasAttributes(pugi::xml_node element, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (!element.attribute(name))
            return false;
    return true;
}

std::vector<float> fReadFloatList(const char* text)
{
    std::vector<float> numbers;
    for (const std::string& piece : fSplitString(text ? text : "", ' ', true))
        numbers.push_back(float(std::atof(piece.c_str())));
    return numbers;
}

std::vector<int> fReadIntList(const char* text)
{
    std::vector<int> numbers;
    for (const std::string& piece : fSplitString(text ? text : "", ' ', true))
        numbers.push_back(std::atoi(piece.c_str()));
    return numbers;
}

ZS_COLOR fReadDecimalColor(const char* text)
{
    std::vector<int> n = fReadIntList(text);
    n.resize(4, 0);
    return ZS_COLOR::fFromARGB(n[0], n[1], n[2], n[3]);
}

bool fFindScript(pugi::xml_node element, const char* event, bool exactCase, std::string* name)
{
    bool found = false;
    for (pugi::xml_node entry : element.child("SCRIPTS").children())
    {
        pugi::xml_attribute e = entry.attribute("EVENT");
        if (entry.type() != pugi::node_element || !e)
            continue;
        const bool same = exactCase ? std::string(e.value()) == event : fSameTextAnyCase(e.value(), event);
        if (!same)
            continue;
        found = true;
        if (name)
            *name = entry.child_value();
    }
    return found;
}

void fReadWidgetCommonAttributes(ZC_GUI_OBJECT* widget, pugi::xml_node element)
{
    if (!widget)
        return;
    if (pugi::xml_attribute enable = element.attribute("ENABLE"))
        widget->fSetEnabled(enable.as_bool());
    if (pugi::xml_attribute visible = element.attribute("VISIBLE"))
        widget->fSetVisible(visible.as_bool());
    if (pugi::xml_node transform = element.child("TRANSFORM"))
        fReadTransform(widget, transform);
    if (pugi::xml_node size = element.child("SIZE"))
    {
        ZS_POINT p(0, 0);
        p.fParse(size.child_value());
        widget->fSetSize(p.x, p.y);
    }
    if (pugi::xml_node position = element.child("POSITION"))
    {
        ZS_POINT p(0, 0);
        p.fParse(position.child_value());
        widget->fSetPosition(float(p.x), float(p.y), 0.0f);
    }
    if (pugi::xml_node context = element.child("CONTEXT"))
        for (pugi::xml_node child : context.children())
            if (child.type() == pugi::node_element)
                widget->fAddChild(fCreateWidgetFromXml(child));
    if (pugi::xml_node scripts = element.child("SCRIPTS"))
        fReadScripts(widget, scripts);
}

ZC_GUI_OBJECT* fCreateWidgetFromXml(pugi::xml_node element)
{
    if (element.type() != pugi::node_element || nesting >= kMaxNesting)
        return nullptr;
    for (const ZS_WIDGET_ELEMENT& row : kWidgetElements)
    {
        if (!fSameTextAnyCase(element.name(), row.name))
            continue;
        ++nesting;
        ZC_GUI_OBJECT* widget = row.builder(element);
        --nesting;
        return widget;
    }
    return nullptr;
}

void fLoadGuiFromXml(ZC_GUI* gui, pugi::xml_node holder, const char* layoutName)
{
    if (!gui)
        return;
    gui->fDeleteAll();
    pugi::xml_node parent = holder;
    if (layoutName)
    {
        parent = pugi::xml_node();
        for (pugi::xml_node child : holder.children())
        {
            pugi::xml_attribute name = child.attribute("NAME");
            if (child.type() == pugi::node_element && name && fSameTextAnyCase(name.value(), layoutName))
            {
                parent = child;
                break;
            }
        }
        if (!parent)
            parent = fFirstElement(holder);
    }
    for (pugi::xml_node child : parent.children())
        if (ZC_GUI_OBJECT* widget = fCreateWidgetFromXml(child))
            gui->fAdd(widget);
}
}

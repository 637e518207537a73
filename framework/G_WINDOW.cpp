#include "framework/G_WINDOW.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/bots/ZC_BOT_FADE.h"
#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "framework/G_SPRITE.h"

using namespace ZOR;

namespace ZOR_GF
{
const ZS_GUI_EVENT G_WINDOW::kBusy = {0, zcANSWER_TAKEN};

namespace
{
// Every window made and not yet deleted, so that one that goes can be forgotten by the others.
// Never destroyed: windows owned by a static object go after the statics made with them.
std::vector<G_WINDOW*>& fLiveWindows()
{
    static std::vector<G_WINDOW*>* live = new std::vector<G_WINDOW*>;
    return *live;
}

// Durations and delays count down: a negative one would only end a step before it began.
float fReadSeconds(pugi::xml_attribute a)
{
    const float seconds = a.as_float();
    return seconds > 0.0f ? seconds : 0.0f;
}
}

int fParseWindowEffect(const char* text)
{
    static const char* const kNames[] = {"SH_MOMENTAL", "SH_FADE", "SH_MOVE_UP", "SH_MOVE_DOWN", "SH_MOVE_LEFT",
                                         "SH_MOVE_RIGHT"};
    for (int i = 0; i < 6; ++i)
        if (text && std::strcmp(text, kNames[i]) == 0)
            return i;
    return SH_OTHER;
}

int fParseWindowPositionType(const char* text)
{
    if (text && std::strcmp(text, "POS_MIDDLE_SCREEN") == 0)
        return POS_MIDDLE_SCREEN;
    if (text && std::strcmp(text, "POS_IN_PIX") == 0)
        return POS_IN_PIX;
    return POS_SCREEN_FRACTIONS;
}

void fForgetCallbackData(const void* data)
{
    if (!data)
        return;
    for (G_WINDOW* window : fLiveWindows())
        window->fForgetData(data);
}

std::wstring fLiteralLabelText(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text)
    {
        out += c;
        if (c == L'%')
            out += L'%';
    }
    return out;
}

// ---------------------------------------------------------------- declaration

G_WINDOW::G_WINDOW(pugi::xml_node element)
    : gui(new ZC_GUI), live(new ZS_TRANSFORM3_AUTO), hideFinished(fHiddenCallback, "", this),
      showFinished(fShownCallback, "", this)
{
    gui->fGetRoot()->fGetTransform()->parent = live;
    fReadDeclaration(element);
    fComputeEffectPositions();
    fLiveWindows().push_back(this);
}

G_WINDOW::~G_WINDOW()
{
    std::vector<G_WINDOW*>& windows = fLiveWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    fForgetCallbackData(this);
    // The bots point at the live transform and the background.
    bots.fDeleteAll();
    delete gui;
    delete background;
    delete live;
}

void G_WINDOW::fReadDeclaration(pugi::xml_node element)
{
    if (!element)
        return;
    if (pugi::xml_attribute a = element.attribute("_name"))
        name = a.value();
    if (pugi::xml_attribute a = element.attribute("_typeOpen"))
        openEffect = fParseWindowEffect(a.value());
    if (pugi::xml_attribute a = element.attribute("_typeClose"))
        closeEffect = fParseWindowEffect(a.value());
    if (pugi::xml_attribute a = element.attribute("_typePos"))
        positionType = fParseWindowPositionType(a.value());
    // A jump has no duration to set.
    if (pugi::xml_attribute a = element.attribute("_timeShow"); a && openEffect != SH_MOMENTAL)
        showTime = hideTime = fReadSeconds(a);
    if (pugi::xml_attribute a = element.attribute("_timeHide"); a && closeEffect != SH_MOMENTAL)
        hideTime = fReadSeconds(a);
    if (pugi::xml_attribute a = element.attribute("_delayHide"))
        hideDelay = fReadSeconds(a);
    if (pugi::xml_attribute a = element.attribute("_delayShow"))
        showDelay = fReadSeconds(a);
    if (pugi::xml_attribute a = element.attribute("_modal"))
        modal = a.as_bool(); // true for a text beginning with 1, t, T, y or Y
    if (pugi::xml_attribute a = element.attribute("layer"))
        layer = a.as_uint();
    if (pugi::xml_node b = element.child("background"))
        fLoadBackground(b);
    if (pugi::xml_node g = element.child("GUI"))
        fLoadGui(g);
    if (pugi::xml_attribute a = element.attribute("_position"))
    {
        ZS_VECTOR2 p;
        p.fParse(a.value());
        if (positionType == POS_IN_PIX)
            target.fSetPosition(p.x, p.y, 0.0f);
        else if (positionType == POS_SCREEN_FRACTIONS)
            target.fSetAuto(p.x, p.y);
    }
    // "bots" is accepted and has no effect.
    if (pugi::xml_node s = element.child("sounds"))
        fLoadSounds(s);
}

void G_WINDOW::fLoadBackground(pugi::xml_node element)
{
    delete background;
    background = new G_SPRITE(std::string(element.child_value()));
    if (pugi::xml_attribute a = element.attribute("START_COLOR"))
        startColor.fParse(a.value());
    if (pugi::xml_attribute a = element.attribute("END_COLOR"))
        endColor.fParse(a.value());
    if (pugi::xml_attribute a = element.attribute("SIZE"))
    {
        // Unreadable numbers leave the size unset: the texture's own size then.
        ZS_POINT size{int(G_SPRITE::kUnset), int(G_SPRITE::kUnset)};
        size.fParse(a.value());
        background->fSetSize(float(size.x), float(size.y));
    }
    background->fSetColor(startColor);
    const ZS_POINT resolution = ZC_GAME::fGetGame()->resolution;
    background->fSetPosition(float(resolution.x / 2), float(resolution.y / 2), 0.0f);
    background->fSetHotSpot(HS_MID, 0.0f, 0.0f);
}

void G_WINDOW::fLoadGui(pugi::xml_node element)
{
    // What fLoadGuiFromXml does, one element at a time, so that an element that makes no
    // widget is told rather than silently left out of the window.
    gui->fDeleteAll();
    for (pugi::xml_node child : element.children())
    {
        if (child.type() != pugi::node_element)
            continue;
        ZC_GUI_OBJECT* widget = fCreateWidgetFromXml(child);
        if (!widget)
        {
            fNoteLoadProblem(std::string("GUI element <") + child.name() +
                             "> makes no widget: no such widget type, or a required attribute is missing");
            continue;
        }
        fCheckContext(child, widget);
        gui->fAdd(widget);
    }
}

void G_WINDOW::fCheckContext(pugi::xml_node element, ZC_GUI_OBJECT* widget)
{
    pugi::xml_node context = element.child("CONTEXT");
    if (!context)
        return;
    std::vector<pugi::xml_node> declared;
    for (pugi::xml_node child : context.children())
        if (child.type() == pugi::node_element)
            declared.push_back(child);
    // The loader adds the widgets it could make, in order; fewer children than elements means
    // one made nothing. (A widget that made children of its own cannot be paired up.)
    const std::vector<ZC_GUI_OBJECT*>& made = widget->fGetChildren();
    if (made.size() < declared.size())
    {
        fNoteLoadProblem(std::string("an element in the CONTEXT of <") + element.name() +
                         "> makes no widget: no such widget type, or a required attribute is missing");
        return;
    }
    if (made.size() == declared.size())
        for (size_t i = 0; i < made.size(); ++i)
            fCheckContext(declared[i], made[i]);
}

void G_WINDOW::fLoadSounds(pugi::xml_node element)
{
    for (pugi::xml_node item = element.child("item"); item; item = item.next_sibling())
        if (item.type() == pugi::node_element)
            sounds[item.attribute("id").as_int()] = item.attribute("sound").value();
}

void G_WINDOW::fNoteLoadProblem(const std::string& problem)
{
    if (loadProblem.empty())
        loadProblem = problem;
}

// ---------------------------------------------------------------- callbacks

void G_WINDOW::fSetEventCallback(int event, void* data, ZF_EVENT function)
{
    if (event < WE_SHOW_BEGIN || event > WE_ACTIVATED)
        return;
    events[event].data = data;
    events[event].function = function;
}

void G_WINDOW::fSetGuiClickCallback(int event, void* data, ZF_GUI_CLICK function)
{
    if (event != WE_GUI_CLICK)
        return;
    guiClickData = data;
    guiClick = function;
}

void G_WINDOW::fForgetData(const void* data)
{
    for (EVENT_CALLBACK& callback : events)
        if (callback.data == data)
            callback = EVENT_CALLBACK();
    if (guiClickData == data)
    {
        guiClickData = nullptr;
        guiClick = nullptr;
    }
}

void G_WINDOW::fFireEvent(int event)
{
    // A copy: the callback may set another one.
    const EVENT_CALLBACK callback = events[event];
    if (callback.function)
        callback.function(callback.data);
}

void G_WINDOW::fSetDelay(bool show, float seconds)
{
    (show ? showDelay : hideDelay) = seconds > 0.0f ? seconds : 0.0f;
}

std::string G_WINDOW::fGetClickSound(int widgetId) const
{
    auto it = sounds.find(widgetId);
    return it == sounds.end() ? std::string() : it->second;
}

// ---------------------------------------------------------------- input, update, drawing

const ZS_GUI_EVENT* G_WINDOW::fOnKeyDown(int)
{
    // On its way out nothing of it acts; on its way in its buttons take what lands on them
    // where they are shown, and nothing else gets past it.
    if (hiding)
        return &kBusy;
    ZS_GUI_EVENT* e = gui->fOnKeyDown();
    if (animating && !e)
        return &kBusy;
    lastGuiEvent = e ? &(lastEvent = *e) : nullptr;
    if (e && lastEvent.code == GUI_EVENT_CLICK)
        fOnGuiEvent(lastEvent.id);
    return lastGuiEvent;
}

const ZS_GUI_EVENT* G_WINDOW::fOnKeyUp(int)
{
    if (hiding)
        return &kBusy;
    ZS_GUI_EVENT* e = gui->fOnKeyUp();
    if (animating && !e)
        return &kBusy;
    lastGuiEvent = e ? &(lastEvent = *e) : nullptr;
    if (e && lastEvent.code == GUI_EVENT_CLICK)
    {
        const int id = lastEvent.id;
        if (clickSound)
            clickSound(fGetClickSound(id));
        fOnGuiEvent(id);
        // Read again: the subclass may have replaced the callback.
        if (guiClick)
            guiClick(guiClickData, id);
    }
    return lastGuiEvent;
}

const ZS_GUI_EVENT* G_WINDOW::fOnMouseMove()
{
    ZS_GUI_EVENT* e = gui->fOnMouseMove();
    return lastGuiEvent = e ? &(lastEvent = *e) : nullptr;
}

int G_WINDOW::fUpdate()
{
    if (hidden)
        return 0;
    // A show or hide finishes here, in its finish callback.
    bots.fUpdate();
    gui->fUpdate();
    if (hidden)
        return 0;
    fUpdateContent();
    return 2;
}

void G_WINDOW::fDraw()
{
    if (background)
        background->ZC_MESH::fDraw();
    gui->fDraw();
    fDrawContent();
}

void G_WINDOW::fActivate()
{
    active = true;
    // Hover looks match the pointer at once.
    fOnMouseMove();
    fOnActivated();
    fFireEvent(WE_ACTIVATED);
}

void G_WINDOW::fDeactivate()
{
    active = false;
    fOnDeactivated();
    fFireEvent(WE_DEACTIVATED);
}

// ---------------------------------------------------------------- resources

void G_WINDOW::fAcquireResources()
{
    if (loaded)
        return;
    loaded = true;
    gui->fRestoreResources();
    if (background)
        background->fLoadTexture();
    fLoadResources();
}

void G_WINDOW::fReleaseResources(bool force)
{
    if (!loaded)
        return;
    if (animating && !force)
    {
        releaseDeferred = true;
        return;
    }
    releaseDeferred = false;
    loaded = false;
    gui->fReleaseResources();
    if (background)
        background->fUnloadTexture();
    fUnloadResources();
    if (zcREPOSITORY)
        zcREPOSITORY->fCollect();
}

// ---------------------------------------------------------------- show and hide

void G_WINDOW::fComputeEffectPositions()
{
    const float screenW = float(ZS_TRANSFORM3_AUTO::screenWidth), screenH = float(ZS_TRANSFORM3_AUTO::screenHeight);
    if (positionType == POS_MIDDLE_SCREEN)
        target.fSetAuto(0.5f, 0.5f);
    else if (positionType == POS_IN_PIX && screenW > 0.0f && screenH > 0.0f)
    {
        // The pixel place as fractions too, so that a pixel-placed window slides in from one
        // screen away and waits there like any other, instead of at the screen's corner.
        target.autoX = target.position.x / screenW;
        target.autoY = target.position.y / screenH;
    }
    const float tx = target.autoX, ty = target.autoY;
    auto place = [&](int effect, bool opening) {
        ZS_TRANSFORM3_AUTO t = target;
        switch (effect)
        {
        case SH_MOVE_UP: opening ? t.fSetAuto(tx, 3.0f * ty) : t.fSetAuto(tx, -ty); break;
        case SH_MOVE_DOWN: opening ? t.fSetAuto(tx, -ty) : t.fSetAuto(tx, 3.0f * ty); break;
        case SH_MOVE_LEFT: opening ? t.fSetAuto(3.0f * tx, ty) : t.fSetAuto(-tx, ty); break;
        case SH_MOVE_RIGHT: opening ? t.fSetAuto(-tx, ty) : t.fSetAuto(3.0f * tx, ty); break;
        default: break; // a copy of the target
        }
        return t;
    };
    start = place(openEffect, true);
    end = place(closeEffect, false);
    live->fSetAuto(start.autoX, start.autoY);
}

void G_WINDOW::fQueuePlace(const ZS_TRANSFORM3_AUTO& place, float delay)
{
    bots.fAdd(new ZT_BOT_SLEEP<ZS_TRANSFORM3_AUTO>(live, place, delay));
}

void G_WINDOW::fQueueMove(const ZS_TRANSFORM3_AUTO& place, float duration, float delay, int effect)
{
    ZC_BASE* move = fCreateBotMove(live, duration, 0.0f, place.position.x, place.position.y, 0.0f, delay);
    move->id = effect;
    bots.fAdd(move);
}

void G_WINDOW::fQueueColor(ZS_COLOR from, ZS_COLOR to, float duration, float delay, int effect)
{
    background->fSetColor(from);
    ZC_BASE* fade = fCreateBotColor(background, duration, to.fToPacked(), delay);
    fade->id = effect;
    bots.fAdd(fade);
}

void G_WINDOW::fLandEffect(int effect)
{
    bots.fBroadcast(zcMESSAGE_FINISH, 0.0f, 0.0f, 0.0f, nullptr, "bot_move", nullptr, effect);
    bots.fBroadcast(zcMESSAGE_FINISH, 0.0f, 0.0f, 0.0f, nullptr, "bot_color", nullptr, effect);
}

void G_WINDOW::fQueueFinish(const ZS_CALLBACK& record, float delay)
{
    bots.fAdd(fCreateBotSleep(nullptr, &record, delay, 0.0f));
}

void G_WINDOW::fShow(bool immediately)
{
    if (open)
        return;
    bots.fDeleteAll();
    fOnShowBegin();
    fFireEvent(WE_SHOW_BEGIN);
    hidden = false;
    open = true;
    animating = true;
    hiding = false;
    float t = 0.0f;
    if (openEffect == SH_MOMENTAL || immediately)
    {
        // Off the screen until the delay has passed.
        live->fSetPosition(-1000.0f, -1000.0f, 0.0f);
        fQueuePlace(target, showDelay);
    }
    else
    {
        t = showTime;
        if (openEffect != SH_FADE)
            fQueueMove(target, t, showDelay, kShowEffect);
    }
    fQueueFinish(showFinished, t + showDelay);
    if (background && startColor != endColor)
        fQueueColor(startColor, endColor, t, showDelay, kShowEffect);
    fOnShowStarted();
    fFireEvent(WE_SHOW_STARTED);
}

void G_WINDOW::fHide(bool immediately)
{
    if (!open)
        return;
    fOnHideBegin();
    fFireEvent(WE_HIDE_BEGIN);
    animating = true;
    hiding = true;
    // The bots of a show still running go on.
    float t = 0.0f;
    if (closeEffect == SH_MOMENTAL || immediately)
        fQueuePlace(end, hideDelay);
    else
    {
        t = hideTime;
        if (closeEffect != SH_FADE)
            fQueueMove(end, t, hideDelay, kHideEffect);
    }
    // Before the finish bot, so that a hide ending in one frame has its colour first.
    if (background && startColor != endColor)
        fQueueColor(endColor, startColor, t, hideDelay, kHideEffect);
    fQueueFinish(hideFinished, t + hideDelay);
    fOnHideStarted();
    fFireEvent(WE_HIDE_STARTED);
}

int G_WINDOW::fShownCallback(void* data)
{
    G_WINDOW* window = static_cast<G_WINDOW*>(data);
    window->fLandEffect(kShowEffect);
    window->animating = false;
    window->fOnShown();
    window->fFireEvent(WE_SHOWN);
    return 0;
}

int G_WINDOW::fHiddenCallback(void* data)
{
    G_WINDOW* window = static_cast<G_WINDOW*>(data);
    // A second hide asked for while the first ran ends in its own finish bot: the window is
    // hidden once, and its hidden event fires once.
    if (window->hidden)
        return 0;
    window->fLandEffect(kHideEffect);
    window->hidden = true;
    window->animating = false;
    window->hiding = false;
    window->open = false;
    window->live->fSetAuto(window->start.autoX, window->start.autoY);
    window->fOnHidden();
    window->fFireEvent(WE_HIDDEN);
    if (window->releaseDeferred)
        window->fReleaseResources(false);
    return 0;
}
}

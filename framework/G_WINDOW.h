#pragma once
#include <cstdint>
#include <map>
#include <string>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_COLOR.h"
#include "engine/gui/ZC_GUI_OBJECT.h"
#include "framework/ZS_TRANSFORM3_AUTO.h"

namespace ZOR
{
class ZC_GUI;
}

namespace ZOR_GF
{
class G_SPRITE;

// How a window opens and closes ("_typeOpen", "_typeClose").
enum
{
    SH_MOMENTAL = 0,
    SH_FADE = 1,
    SH_MOVE_UP = 2,
    SH_MOVE_DOWN = 3,
    SH_MOVE_LEFT = 4,
    SH_MOVE_RIGHT = 5,
    SH_OTHER = 6 // any other text: stays in place, timed like a move
};

// Where a window rests ("_typePos").
enum
{
    POS_MIDDLE_SCREEN = 0,
    POS_IN_PIX = 1,
    POS_SCREEN_FRACTIONS = 2 // any other text
};

// The window events; 0-7 through fSetEventCallback, 8 through fSetGuiClickCallback.
enum
{
    WE_SHOW_BEGIN = 0,
    WE_SHOW_STARTED = 1,
    WE_SHOWN = 2,
    WE_HIDE_BEGIN = 3,
    WE_HIDE_STARTED = 4,
    WE_HIDDEN = 5,
    WE_DEACTIVATED = 6,
    WE_ACTIVATED = 7,
    WE_GUI_CLICK = 8
};

// Exact text, case included.
int fParseWindowEffect(const char* text);
int fParseWindowPositionType(const char* text);

// Text that a label shows exactly as written: labels draw their text as a printf-style format,
// so every '%' is doubled. For names and other text that comes from the player or from data.
std::wstring fLiteralLabelText(const std::wstring& text);

// Every live window drops the callbacks that carry data (event, click, answer callbacks). An
// object that hands itself to a window's callback calls it as it goes, so that no window is left
// to call back into freed memory (a fade still running while the window that started it goes).
void fForgetCallbackData(const void* data);

// One screen, menu or dialog, declared by the XML element it is made from: a widget tree that
// moves with the window's live transform, an optional background that stays at the screen's
// centre and only changes colour, and the bots that show and hide it. Widget clicks reach the
// subclass through fOnGuiEvent and other code through the callbacks.
class G_WINDOW
{
public:
    typedef void (*ZF_EVENT)(void* data);
    typedef void (*ZF_GUI_CLICK)(void* data, int widgetId);
    // Plays a click sound by name; the answer is ignored.
    typedef int (*ZF_CLICK_SOUND)(const std::string& sound);

    // A null element keeps every default.
    explicit G_WINDOW(pugi::xml_node element);
    // Deletes the widgets, the background, the live transform and any queued bot; releases
    // no resources (the manager's holder does that first). No other window keeps a callback
    // carrying this one.
    virtual ~G_WINDOW();
    G_WINDOW(const G_WINDOW&) = delete;
    G_WINDOW& operator=(const G_WINDOW&) = delete;

    // Background, widget tree, fDrawContent.
    virtual void fDraw();
    // The event that the walk produced (null for none), or kBusy while the window hides (no
    // widget is walked) or shows (when none of its widgets took the key). The key code is not
    // passed on: widgets read the input state.
    virtual const ZOR::ZS_GUI_EVENT* fOnKeyDown(int key);
    virtual const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key);
    // Walked during animations too, so hover looks follow the pointer.
    virtual const ZOR::ZS_GUI_EVENT* fOnMouseMove();
    // 0 once hidden (the manager drops the window), else 2.
    virtual int fUpdate();

    // Hooks; empty here.
    virtual void fOnShowBegin() {}
    virtual void fOnShowStarted() {}
    virtual void fOnShown() {}
    virtual void fOnHideBegin() {}
    virtual void fOnHideStarted() {}
    virtual void fOnHidden() {}
    virtual void fOnDeactivated() {}
    virtual void fOnActivated() {}
    virtual void fRefresh() {}
    virtual void fLoadResources() {}
    virtual void fUnloadResources() {}
    virtual void fDrawContent() {}
    virtual void fUpdateContent() {}
    virtual void fOnMessage(int, int) {}
    // A widget of this window reported a click (code 8).
    virtual void fOnGuiEvent(int widgetId) = 0;
    // Drops every callback of this window that carries the data.
    virtual void fForgetData(const void* data);

    // Nothing while open (shown, showing or hiding). immediately: jump into place.
    void fShow(bool immediately);
    // Nothing unless open.
    void fHide(bool immediately);

    void fAcquireResources();
    // Deferred while animating unless forced; a deferred release runs when a hide finishes.
    void fReleaseResources(bool force);
    void fActivate();
    void fDeactivate();
    void fInvokeRefresh() { fRefresh(); }

    // Events 0-7; a null function removes the callback; other numbers store nothing.
    void fSetEventCallback(int event, void* data, ZF_EVENT function);
    // Only event 8.
    void fSetGuiClickCallback(int event, void* data, ZF_GUI_CLICK function);
    void fSetClickSoundHook(ZF_CLICK_SOUND hook) { clickSound = hook; }
    // true: the show delay, false: the hide delay.
    void fSetDelay(bool show, float seconds);
    // The sound bound to the widget id, or empty.
    std::string fGetClickSound(int widgetId) const;

    ZOR::ZC_GUI* fGetGui() const { return gui; }
    const std::string& fGetName() const { return name; }
    bool fIsOpen() const { return open; }
    bool fIsHidden() const { return hidden; }
    bool fIsModal() const { return modal; }
    bool fIsLoaded() const { return loaded; }
    bool fIsActive() const { return active; }
    bool fIsAnimating() const { return animating; }
    // A hide has begun and not yet ended.
    bool fIsHiding() const { return hiding; }
    bool fIsReleaseDeferred() const { return releaseDeferred; }
    uint32_t fGetLayer() const { return layer; }
    int fGetOpenEffect() const { return openEffect; }
    int fGetCloseEffect() const { return closeEffect; }
    int fGetPositionType() const { return positionType; }
    float fGetShowTime() const { return showTime; }
    float fGetHideTime() const { return hideTime; }
    float fGetShowDelay() const { return showDelay; }
    float fGetHideDelay() const { return hideDelay; }
    ZOR::ZS_COLOR fGetStartColor() const { return startColor; }
    ZOR::ZS_COLOR fGetEndColor() const { return endColor; }
    G_SPRITE* fGetBackground() const { return background; }
    const ZOR::ZS_GUI_EVENT* fGetLastGuiEvent() const { return lastGuiEvent; }
    ZS_TRANSFORM3_AUTO* fGetTransform() const { return live; }
    const ZS_TRANSFORM3_AUTO& fGetStartTransform() const { return start; }
    const ZS_TRANSFORM3_AUTO& fGetTargetTransform() const { return target; }
    const ZS_TRANSFORM3_AUTO& fGetEndTransform() const { return end; }
    size_t fGetBotCount() const { return bots.fGetCount(); }

    // Why the declaration could not be built as written (a GUI element that makes no widget);
    // empty when it was. The window manager refuses a window that reports a problem.
    const std::string& fGetLoadProblem() const { return loadProblem; }

    // What a key walk answers while the window shows or hides and takes nothing: code -109.
    static const ZOR::ZS_GUI_EVENT kBusy;

protected:
    // The first problem is kept.
    void fNoteLoadProblem(const std::string& problem);
    void fFireEvent(int event);

private:
    struct EVENT_CALLBACK
    {
        void* data = nullptr;
        ZF_EVENT function = nullptr;
    };

    void fReadDeclaration(pugi::xml_node element);
    void fLoadBackground(pugi::xml_node element);
    void fLoadGui(pugi::xml_node element);
    void fLoadSounds(pugi::xml_node element);
    // Widgets built from an element's CONTEXT children, checked the same way.
    void fCheckContext(pugi::xml_node element, ZOR::ZC_GUI_OBJECT* widget);
    void fComputeEffectPositions();
    void fQueuePlace(const ZS_TRANSFORM3_AUTO& place, float delay);
    // The move and the fade of a show or a hide carry its tag, so that its end can land them.
    enum
    {
        kShowEffect = 1,
        kHideEffect = 2,
    };
    void fQueueMove(const ZS_TRANSFORM3_AUTO& place, float duration, float delay, int effect);
    void fQueueColor(ZOR::ZS_COLOR from, ZOR::ZS_COLOR to, float duration, float delay, int effect);
    // The move and the fade step a frame or two behind the bot that ends the effect: they
    // land with it, so that a window shown stands where its buttons are drawn and take clicks.
    void fLandEffect(int effect);
    void fQueueFinish(const ZOR::ZS_CALLBACK& record, float delay);
    static int fShownCallback(void* window);
    static int fHiddenCallback(void* window);

    ZOR::ZC_GUI* gui;
    // A copy of the last walk's event, so that it stays readable when a click handler
    // replaces or removes the widget that reported it.
    ZOR::ZS_GUI_EVENT lastEvent;
    const ZOR::ZS_GUI_EVENT* lastGuiEvent = nullptr;
    G_SPRITE* background = nullptr;
    std::string name = "gWidnow";
    ZS_TRANSFORM3_AUTO* live;
    ZS_TRANSFORM3_AUTO start;
    ZS_TRANSFORM3_AUTO target;
    ZS_TRANSFORM3_AUTO end;
    ZOR::ZC_BOT_CONTAINER bots;
    int openEffect = SH_MOVE_DOWN;
    int closeEffect = SH_MOVE_DOWN;
    int positionType = POS_MIDDLE_SCREEN;
    bool hidden = false;
    bool modal = false;
    bool open = false;
    bool loaded = false;
    bool active = false;
    bool animating = false;
    bool hiding = false;
    bool releaseDeferred = false;
    uint32_t layer = 0;
    float showTime = 0.5f;
    float hideTime = 0.5f;
    float showDelay = 0.0f;
    float hideDelay = 0.0f;
    ZOR::ZS_COLOR startColor;
    ZOR::ZS_COLOR endColor;
    ZOR::ZS_CALLBACK hideFinished;
    ZOR::ZS_CALLBACK showFinished;
    std::map<int, std::string> sounds;
    void* guiClickData = nullptr;
    ZF_GUI_CLICK guiClick = nullptr;
    EVENT_CALLBACK events[8];
    ZF_CLICK_SOUND clickSound = nullptr;
    std::string loadProblem;
};
}

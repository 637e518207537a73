#include "engine/gui/ZC_GUI_CHECKBOX.h"

#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"

namespace ZOR
{
namespace
{
const int kStripFrames = 5;
const int kTickFrame = 3;
}

// ---------------------------------------------------------------- ZC_GUI_CHECKBOX5

ZC_GUI_CHECKBOX5::ZC_GUI_CHECKBOX5(int32_t id, const char* atextureName)
    : ZC_GUI_CHECKBOX_INTERFACE(id), textureName(atextureName ? atextureName : "")
{
    type = GUI_TYPE_CHECKBOX;
}

ZC_GUI_CHECKBOX5::ZC_GUI_CHECKBOX5(int32_t id) : ZC_GUI_CHECKBOX5(id, fDefaultTexture())
{
}

ZC_GUI_CHECKBOX5::ZC_GUI_CHECKBOX5(int32_t id, ZS_TEXTURE* texture) : ZC_GUI_CHECKBOX5(id, "")
{
    fCreateSprite(texture);
}

ZC_GUI_CHECKBOX5::~ZC_GUI_CHECKBOX5()
{
    delete sprite;
    delete hitZone;
}

void ZC_GUI_CHECKBOX5::fShowFrame(int frame)
{
    if (sprite)
        sprite->fSetFrame(kStripFrames, 1, frame, false);
}

void ZC_GUI_CHECKBOX5::fCreateSprite(ZS_TEXTURE* texture)
{
    if (loaded)
        return;
    loaded = true;
    sprite = new ZC_QUAD(texture, transform);
    const float frameWidth = sprite->fGetWidth() * 0.2f;
    const float height = sprite->fGetHeight();
    hitZone = new ZS_HIT_ZONE;
    // The zone keeps the untruncated frame width; the picture gets whole pixels.
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, frameWidth, height, 0.0f, 0);
    sprite->fSetSize(int(frameWidth), int(height));
    sprite->fSetHotSpot(4, 0.0f, 0.0f);
    fShowFrame(state);
    if (sizeGiven)
        fSetSize(givenWidth, givenHeight);
}

void ZC_GUI_CHECKBOX5::fSetSize(int32_t width, int32_t height)
{
    if (!sprite)
    {
        sizeGiven = true;
        givenWidth = width;
        givenHeight = height;
        return;
    }
    sprite->fSetSize(width, height);
    sprite->fSetHotSpot(4, 0.0f, 0.0f);
    if (hitZone)
    {
        hitZone->fSetWidth(float(width));
        hitZone->fSetHeight(float(height));
    }
}

float ZC_GUI_CHECKBOX5::fGetWidth()
{
    return sprite ? sprite->fGetWidth() : 0.0f;
}

float ZC_GUI_CHECKBOX5::fGetHeight()
{
    return sprite ? sprite->fGetHeight() : 0.0f;
}

void ZC_GUI_CHECKBOX5::fRestoreResources()
{
    ZS_TEXTURE* texture = fFetchTexture(textureName);
    if (!sprite)
        fCreateSprite(texture);
    else
        fPutTexture(sprite, texture);
}

void ZC_GUI_CHECKBOX5::fReleaseResources()
{
    fTakeBackTexture(sprite);
}

void ZC_GUI_CHECKBOX5::fSetChecked(bool checked, bool)
{
    state = checked ? STATE_CHECKED : STATE_NORMAL;
    fShowFrame(state);
}

ZS_GUI_EVENT* ZC_GUI_CHECKBOX5::fOnMouseMove()
{
    int32_t code = GUI_EVENT_NONE;
    if (hitZone && hitZone->fContains(fPointerX(), fPointerY()))
    {
        if (state == STATE_CHECKED)
        {
            // Reported on every move inside while checked.
            hover = true;
            active = true;
            fFireCallback(CB_ENTER);
            code = GUI_EVENT_ENTER;
        }
        else if (state == STATE_NORMAL)
        {
            state = STATE_HOVER;
            fFireCallback(CB_ENTER);
            code = GUI_EVENT_ENTER;
            active = true;
        }
    }
    else if (state == STATE_CHECKED)
    {
        hover = false;
        pressed = false;
    }
    else if (state == STATE_HOVER)
    {
        state = STATE_NORMAL;
        pressed = false;
        fFireCallback(CB_LEAVE);
        code = GUI_EVENT_LEAVE;
        active = false;
    }
    // State 2 outside: the press stays armed and checks the box on release.
    fShowFrame(state);
    return fReport(code);
}

ZS_GUI_EVENT* ZC_GUI_CHECKBOX5::fOnKeyDown()
{
    if ((state == STATE_HOVER && active) || (state == STATE_CHECKED && hover))
    {
        pressed = true;
        if (state == STATE_HOVER)
            state = STATE_PRESSED;
        fFireCallback(CB_DOWN);
        return fReport(GUI_EVENT_DOWN);
    }
    return fReport(GUI_EVENT_NONE);
}

ZS_GUI_EVENT* ZC_GUI_CHECKBOX5::fOnKeyUp()
{
    if (!pressed || (state != STATE_CHECKED && state != STATE_PRESSED))
        return fReport(GUI_EVENT_NONE);
    pressed = false;
    state = state == STATE_CHECKED ? STATE_HOVER : STATE_CHECKED;
    fShowFrame(state);
    fFireCallback(CB_UP);
    return fReport(GUI_EVENT_CLICK);
}

void ZC_GUI_CHECKBOX5::fDraw()
{
    if (!sprite)
        return;
    if (state != STATE_CHECKED)
    {
        sprite->fDrawInWorld();
        return;
    }
    // The box under the tick follows the pointer; the tick frame stays shown afterwards.
    int box = !hover ? STATE_NORMAL : (pressed ? STATE_PRESSED : STATE_HOVER);
    fShowFrame(box);
    sprite->fDrawInWorld();
    fShowFrame(kTickFrame);
    sprite->fDrawInWorld();
}

// ---------------------------------------------------------------- ZC_GUI_CHECKBOX_IOS

ZC_GUI_CHECKBOX_IOS::ZC_GUI_CHECKBOX_IOS(int32_t id, const char* panelName, const char* knobName)
    : ZC_GUI_CHECKBOX_INTERFACE(id),
      panelTextureName(panelName ? panelName : ""),
      knobTextureName(knobName ? knobName : ""),
      slideFinished(&ZC_GUI_CHECKBOX_IOS::fOnSlideFinished, nullptr, this)
{
    type = GUI_TYPE_CHECKBOX_IOS;
}

ZC_GUI_CHECKBOX_IOS::ZC_GUI_CHECKBOX_IOS(int32_t id) : ZC_GUI_CHECKBOX_IOS(id, "", "")
{
}

ZC_GUI_CHECKBOX_IOS::ZC_GUI_CHECKBOX_IOS(int32_t id, ZS_TEXTURE* panelTexture, ZS_TEXTURE* knobTexture)
    : ZC_GUI_CHECKBOX_IOS(id, "", "")
{
    fCreateSprites(panelTexture, knobTexture);
}

ZC_GUI_CHECKBOX_IOS::~ZC_GUI_CHECKBOX_IOS()
{
    // The move bots point at the knob's transform: they go first.
    bots.fDeleteAll();
    delete knob;
    delete panel;
    delete hitZone;
}

void ZC_GUI_CHECKBOX_IOS::fCreateSprites(ZS_TEXTURE* panelTexture, ZS_TEXTURE* knobTexture)
{
    if (loaded)
        return;
    panel = new ZC_QUAD(panelTexture, transform);
    knob = new ZC_QUAD(knobTexture);
    knob->fGetTransform()->parent = transform;
    hitZone = new ZS_HIT_ZONE;
    hitZone->fSet(ZS_HIT_ZONE::KIND_RECT, transform, panel->fGetWidth(), panel->fGetHeight(), 0.0f, 0);
    // Both pictures centred: the knob sits flush left when checked, flush right when not.
    const int32_t travel = int32_t(panel->fGetWidth() * 0.5f - knob->fGetWidth() * 0.5f);
    uncheckedKnobX = travel;
    checkedKnobX = -travel;
    knob->fSetPosition(float(checkedKnobX), 0.0f, 0.0f);
    panel->fSetHotSpot(4, 0.0f, 0.0f);
    knob->fSetHotSpot(4, 0.0f, 0.0f);
    loaded = true;
}

ZS_GUI_EVENT* ZC_GUI_CHECKBOX_IOS::fUpdate()
{
    bots.fUpdate();
    return nullptr;
}

ZS_GUI_EVENT* ZC_GUI_CHECKBOX_IOS::fOnKeyDown()
{
    if (!hitZone || !hitZone->fContains(fPointerX(), fPointerY()))
        return fReport(GUI_EVENT_NONE);
    // Reported also when a running slide refuses the toggle.
    fSetChecked(!fIsChecked(), false);
    return fReport(GUI_EVENT_CLICK);
}

void ZC_GUI_CHECKBOX_IOS::fDraw()
{
    if (panel)
        panel->fDrawInWorld();
    if (knob)
        knob->fDrawInWorld();
}

float ZC_GUI_CHECKBOX_IOS::fGetWidth()
{
    return panel ? panel->fGetWidth() : 0.0f;
}

float ZC_GUI_CHECKBOX_IOS::fGetHeight()
{
    return panel ? panel->fGetHeight() : 0.0f;
}

void ZC_GUI_CHECKBOX_IOS::fRestoreResources()
{
    ZS_TEXTURE* panelTexture = fFetchTexture(panelTextureName);
    ZS_TEXTURE* knobTexture = fFetchTexture(knobTextureName);
    if (!panel)
    {
        fCreateSprites(panelTexture, knobTexture);
        return;
    }
    fPutTexture(panel, panelTexture);
    fPutTexture(knob, knobTexture);
}

void ZC_GUI_CHECKBOX_IOS::fReleaseResources()
{
    fTakeBackTexture(panel);
    fTakeBackTexture(knob);
}

void ZC_GUI_CHECKBOX_IOS::fSetChecked(bool value, bool immediately)
{
    if (value == checked || !inputEnabled || !knob)
        return;
    checked = value;
    const float x = float(checked ? checkedKnobX : uncheckedKnobX);
    if (immediately)
    {
        inputEnabled = 1;
        knob->fSetPosition(x, 0.0f, 0.0f);
        return;
    }
    inputEnabled = 0;
    ZC_BOT_MOVE* slide = fCreateBotMove(knob->fGetTransform(), kSlideSeconds, 0.0f, x, 0.0f, 0.0f, 0.0f);
    slide->fMessage(zcMESSAGE_SET_CALLBACK, 0.0f, 0.0f, 0.0f, &slideFinished);
    bots.fAdd(slide);
}

int ZC_GUI_CHECKBOX_IOS::fOnSlideFinished(void* target)
{
    if (!target)
        return 0;
    static_cast<ZC_GUI_CHECKBOX_IOS*>(target)->inputEnabled = 1;
    return 1;
}

// ---------------------------------------------------------------- builders

ZC_GUI_OBJECT* fCreateGuiCheckboxFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TEXTURE"}))
        return nullptr;
    ZC_GUI_CHECKBOX5* box = new ZC_GUI_CHECKBOX5(element.attribute("ID").as_int(), element.attribute("TEXTURE").value());
    fReadWidgetCommonAttributes(box, element);
    return box;
}

ZC_GUI_OBJECT* fCreateGuiCheckboxIosFromXml(pugi::xml_node element)
{
    if (!fHasAttributes(element, {"ID", "TX_PANEL", "TX_BTN"}))
        return nullptr;
    ZC_GUI_CHECKBOX_IOS* box = new ZC_GUI_CHECKBOX_IOS(element.attribute("ID").as_int(),
                                                       element.attribute("TX_PANEL").value(),
                                                       element.attribute("TX_BTN").value());
    fReadWidgetCommonAttributes(box, element);
    return box;
}
}

#pragma once
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/gui/ZC_GUI_OBJECT.h"
#include "engine/gui/ZS_HIT_ZONE.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_TEXTURE;

// What windows see of a yes/no box, whichever kind the layout chose.
class ZC_GUI_CHECKBOX_INTERFACE : public ZC_GUI_OBJECT
{
public:
    explicit ZC_GUI_CHECKBOX_INTERFACE(int32_t id) : ZC_GUI_OBJECT(id) {}

    virtual bool fIsChecked() const = 0;
    // immediately: the switch jumps instead of sliding.
    virtual void fSetChecked(bool checked, bool immediately) = 0;

protected:
    bool hover = false;   // the pointer is over a checked box
    bool pressed = false; // a press was taken and its release is awaited
    ZS_HIT_ZONE* hitZone = nullptr; // owned by the concrete class
};

// A square box from a strip of five frames: box, box under the pointer, box pressed, the tick
// (drawn over one of the first three) and an unused frame. A press and a release toggle it;
// any key or button counts.
class ZC_GUI_CHECKBOX5 : public ZC_GUI_CHECKBOX_INTERFACE
{
public:
    enum
    {
        STATE_NORMAL = 0,
        STATE_HOVER = 1,
        STATE_PRESSED = 2,
        STATE_CHECKED = 3
    };

    // The loader's: the sprite is made by the first restore.
    ZC_GUI_CHECKBOX5(int32_t id, const char* textureName);
    // The sprite at once, from the renderer's default texture.
    explicit ZC_GUI_CHECKBOX5(int32_t id);
    // The sprite at once, from the texture.
    ZC_GUI_CHECKBOX5(int32_t id, ZS_TEXTURE* texture);
    ~ZC_GUI_CHECKBOX5() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    ZS_GUI_EVENT* fOnKeyUp() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnMouseMove() override;
    void fDraw() override;
    // Before the sprite exists the size is kept and applied once it is made, so that a
    // layout's SIZE is not lost to the first restore.
    void fSetSize(int32_t width, int32_t height) override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    bool fIsChecked() const override { return state == STATE_CHECKED; }
    void fSetChecked(bool checked, bool immediately) override;

    int32_t fGetState() const { return state; }
    ZC_QUAD* fGetSprite() const { return sprite; }

private:
    void fCreateSprite(ZS_TEXTURE* texture);
    void fShowFrame(int frame);

    std::string textureName;
    int32_t state = STATE_NORMAL;
    ZC_QUAD* sprite = nullptr;
    bool loaded = false;
    bool sizeGiven = false;
    int32_t givenWidth = 0, givenHeight = 0;
};

// A sliding on/off switch: a panel picture and a knob that slides from one end to the other in
// 0.3 s. A press of any key or button over the panel toggles it at once; while the knob slides,
// toggling is refused.
class ZC_GUI_CHECKBOX_IOS : public ZC_GUI_CHECKBOX_INTERFACE
{
public:
    static constexpr float kSlideSeconds = 0.3f;

    // The loader's: the sprites are made by the first restore.
    ZC_GUI_CHECKBOX_IOS(int32_t id, const char* panelTextureName, const char* knobTextureName);
    explicit ZC_GUI_CHECKBOX_IOS(int32_t id);
    // The sprites at once, from the textures.
    ZC_GUI_CHECKBOX_IOS(int32_t id, ZS_TEXTURE* panelTexture, ZS_TEXTURE* knobTexture);
    ~ZC_GUI_CHECKBOX_IOS() override;

    // Runs the knob's slide.
    ZS_GUI_EVENT* fUpdate() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    void fDraw() override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    bool fIsChecked() const override { return checked; }
    // Nothing happens while the knob slides, before the sprites exist, or when the value is
    // already the one asked for.
    void fSetChecked(bool checked, bool immediately) override;

    // The slide's completion: input is taken again. 0 without a switch, else 1.
    static int fOnSlideFinished(void* target);

    bool fIsInputEnabled() const { return inputEnabled != 0; }
    ZC_QUAD* fGetPanel() const { return panel; }
    ZC_QUAD* fGetKnob() const { return knob; }
    int32_t fGetCheckedKnobX() const { return checkedKnobX; }
    int32_t fGetUncheckedKnobX() const { return uncheckedKnobX; }

private:
    void fCreateSprites(ZS_TEXTURE* panelTexture, ZS_TEXTURE* knobTexture);

    int32_t inputEnabled = 1;
    bool checked = true;
    int32_t checkedKnobX = 0;
    int32_t uncheckedKnobX = 0;
    ZC_QUAD* panel = nullptr;
    ZC_QUAD* knob = nullptr;
    std::string panelTextureName, knobTextureName;
    ZC_BOT_CONTAINER bots;
    ZS_CALLBACK slideFinished;
    bool loaded = false;
};

// Layout builders: "CHECKBOX" (ID, TEXTURE) and "CHECKBOX_IOS" (ID, TX_PANEL, TX_BTN).
ZC_GUI_OBJECT* fCreateGuiCheckboxFromXml(pugi::xml_node element);
ZC_GUI_OBJECT* fCreateGuiCheckboxIosFromXml(pugi::xml_node element);
}

#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
class ZC_QUAD;
struct ZS_HIT_ZONE;
struct ZS_TEXTURE;

// The windows' push button: a strip of five frames (normal, under the pointer, pressed, extra
// look, disabled). The pointer walk reports enter (3) and leave (4), the key walks press (7)
// and click (8) of the left mouse button.
class ZC_GUI_BUTTON5 : public ZC_GUI_OBJECT
{
public:
    enum
    {
        STATE_NORMAL = 0,
        STATE_HOVER = 1,
        STATE_PRESSED = 2,
        STATE_EXTRA = 3,
        STATE_DISABLED = 4
    };

    // The loader's: the sprite and hit zone are made by the first restore.
    ZC_GUI_BUTTON5(int32_t id, const std::string& textureName);
    explicit ZC_GUI_BUTTON5(int32_t id);
    // Made at once over the texture.
    ZC_GUI_BUTTON5(int32_t id, ZS_TEXTURE* texture);
    ~ZC_GUI_BUTTON5() override;

    ZS_GUI_EVENT* fUpdate() override { return nullptr; }
    ZS_GUI_EVENT* fOnMouseMove() override;
    ZS_GUI_EVENT* fOnKeyDown() override;
    ZS_GUI_EVENT* fOnKeyUp() override;
    void fDraw() override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    void fEnableButton();
    void fDisableButton();
    void fSetExtraLook();
    int32_t fGetState() const { return state; }
    bool fIsPressed() const { return pressed; }
    ZC_QUAD* fGetSprite() const { return sprite; }
    ZS_HIT_ZONE* fGetHitZone() const { return hitZone; }
    void fCreateSprite(ZS_TEXTURE* texture);

private:
    void fShowFrame();
    bool fPointerInside() const;

    bool pressed = false;
    int32_t state = STATE_NORMAL;
    ZC_QUAD* sprite = nullptr;
    ZS_HIT_ZONE* hitZone = nullptr;
    std::string textureName;
    int32_t reserved = -1;
    bool loaded = false;
};

// A two-frame button (up, down) that polls the left mouse button in the update walk.
class ZC_GUI_BUTTON2 : public ZC_GUI_OBJECT
{
public:
    ZC_GUI_BUTTON2(int32_t id, const std::string& textureName);
    ZC_GUI_BUTTON2(int32_t id, ZS_TEXTURE* texture);
    ~ZC_GUI_BUTTON2() override;

    ZS_GUI_EVENT* fUpdate() override;
    void fDraw() override;
    float fGetWidth() override;
    float fGetHeight() override;
    void fRestoreResources() override;
    void fReleaseResources() override;

    int32_t fGetState() const { return state; }
    ZC_QUAD* fGetSprite() const { return sprite; }
    void fCreateSprite(ZS_TEXTURE* texture);

private:
    std::string textureName;
    ZC_QUAD* sprite = nullptr;
    ZS_HIT_ZONE* hitZone = nullptr;
    int32_t state = 0;
    bool loaded = false;
};

// Builders of the layout elements BUTTON5 and BUTTON2.
ZC_GUI_OBJECT* fCreateGuiButton5FromXml(pugi::xml_node element);
ZC_GUI_OBJECT* fCreateGuiButton2FromXml(pugi::xml_node element);
}

#pragma once
#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_COLOR.h"
#include "framework/G_ANIMATION.h"
#include "game/puzzle/GG_BASE_CONTROL.h"

namespace game
{
// The reset-selection area beside the grid: it lights up while the player drags a selection
// line, glows when the dragged pointer is over it, and a release there cancels the selection
// instead of judging it. A release over it without a drag briefly shows "GP_FeedBack_Reset".
class GG_RESET_SELECTION : public GG_BASE_CONTROL
{
public:
    GG_RESET_SELECTION(void* owner, ZF_CONTROL_ACTION cancelOperation);
    ~GG_RESET_SELECTION() override;

    // "GameProcess reset_selection.xml": background, placement, "time", the three colours and
    // the "sprite" animation. False (logged) when the file is missing.
    bool fLoadXml();
    // A drag started: toward the drag colour.
    void fStartHighlight();
    // The drag ended or was cancelled: back to rest.
    void fEndHighlight();
    // The pointer inside the area's picture, edges included.
    bool fIsPointerOver() const;

    void fDraw() override;
    int fUpdate() override;
    int fOnMouseMove() override;
    int fOnKeyUp(int key) override;
    int fOnKeyDown(int key) override;
    void fLoadResources() override;
    void fUnloadResources() override;

    bool fIsDragging() const { return dragging; }
    bool fIsHovered() const { return hovered; }
    ZOR_GF::G_ANIMATION& fGetArea() { return area; }
    float fGetTime() const { return time; }
    ZOR::ZS_COLOR fGetBeginColor() const { return beginColor; }
    ZOR::ZS_COLOR fGetMidColor() const { return midColor; }
    ZOR::ZS_COLOR fGetEndColor() const { return endColor; }

private:
    void fChangeColor(const ZOR::ZS_COLOR& color);

    void* owner;
    ZF_CONTROL_ACTION cancelOperation;
    bool dragging = false;
    bool hovered = false;
    ZOR_GF::G_ANIMATION area;
    float time = 0.0f;
    ZOR::ZS_COLOR beginColor;
    ZOR::ZS_COLOR midColor;
    ZOR::ZS_COLOR endColor;
    ZOR::ZC_BOT_CONTAINER bots;
};

// Hides "GP_FeedBack_Reset" (not at once) and clears its shown-event callback.
void fHideResetFeedback();
// The window's shown event: it hides itself again.
void fCallHideResetFeedback(void* control);
}

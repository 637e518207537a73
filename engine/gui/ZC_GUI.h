#pragma once
#include <cstdint>

#include "engine/core/ZS_POINT.h"
#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
// The root of one widget tree: an invisible root widget with id 0 whose children are the
// layout's widgets. Its holder restores it before the first draw or input, drives its walks,
// reads the last event and releases it on unloading.
class ZC_GUI
{
public:
    ZC_GUI();
    // Deletes the root and with it every widget.
    ~ZC_GUI();
    ZC_GUI(const ZC_GUI&) = delete;
    ZC_GUI& operator=(const ZC_GUI&) = delete;

    // The walks on the root; the result is kept as the last event.
    ZS_GUI_EVENT* fUpdate();
    ZS_GUI_EVENT* fOnKeyDown();
    ZS_GUI_EVENT* fOnKeyUp();
    ZS_GUI_EVENT* fOnMouseMove();
    void fDraw();

    // Appends under the root and records this GUI as the widget's GUI root.
    void fAdd(ZC_GUI_OBJECT* widget);
    void fDeleteAll();
    ZC_GUI_OBJECT* fFindById(int32_t id);
    void fRestoreResources();
    void fReleaseResources();
    void fRemove(ZC_GUI_OBJECT* widget);
    void fRemoveById(int32_t id);

    void fSetPosition(float x, float y, float z);
    ZS_VECTOR2 fGetPosition() const;
    void fMoveBy(float dx, float dy);
    void fSetSize(int32_t width, int32_t height);
    void fSetVisible(bool v);
    void fSetEnabled(bool e);
    bool fIsEnabled() const;

    // Of the last event; 0 when the last walk reported nothing.
    int32_t fGetEventId() const;
    int32_t fGetEventCode() const;
    int32_t fGetEventCodeOf(int32_t id);
    ZS_GUI_EVENT* fGetLastEvent() const { return lastEvent; }

    ZC_GUI_OBJECT* fGetRoot() const { return root; }

private:
    ZS_GUI_EVENT* lastEvent = nullptr;
    int32_t reserved = 0;
    ZC_GUI_OBJECT* root;
};
}

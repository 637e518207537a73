#include "engine/gui/ZC_GUI.h"

namespace ZOR
{
ZC_GUI::ZC_GUI() : root(new ZC_GUI_OBJECT(0))
{
    (void)reserved;
}

ZC_GUI::~ZC_GUI()
{
    delete root;
}

ZS_GUI_EVENT* ZC_GUI::fUpdate()
{
    return lastEvent = root->fUpdateTree();
}

ZS_GUI_EVENT* ZC_GUI::fOnKeyDown()
{
    return lastEvent = root->fKeyDownTree();
}

ZS_GUI_EVENT* ZC_GUI::fOnKeyUp()
{
    return lastEvent = root->fKeyUpTree();
}

ZS_GUI_EVENT* ZC_GUI::fOnMouseMove()
{
    return lastEvent = root->fMouseMoveTree();
}

void ZC_GUI::fDraw()
{
    root->fDrawTree();
}

void ZC_GUI::fAdd(ZC_GUI_OBJECT* widget)
{
    if (!widget)
        return;
    root->fAddChild(widget);
    widget->fSetGuiRoot(this);
}

void ZC_GUI::fDeleteAll()
{
    // The last event points into a widget that is about to go.
    lastEvent = nullptr;
    root->fDeleteChildren();
}

ZC_GUI_OBJECT* ZC_GUI::fFindById(int32_t id)
{
    return root->fFindById(id);
}

void ZC_GUI::fRestoreResources()
{
    root->fRestoreResourcesTree();
}

void ZC_GUI::fReleaseResources()
{
    root->fReleaseResourcesTree();
}

void ZC_GUI::fRemove(ZC_GUI_OBJECT* widget)
{
    lastEvent = nullptr;
    root->fRemoveChild(widget);
}

void ZC_GUI::fRemoveById(int32_t id)
{
    lastEvent = nullptr;
    root->fRemoveChildById(id);
}

void ZC_GUI::fSetPosition(float x, float y, float z)
{
    root->fSetPosition(x, y, z);
}

ZS_VECTOR2 ZC_GUI::fGetPosition() const
{
    return root->fGetTransform()->fGetPositionXY();
}

void ZC_GUI::fMoveBy(float dx, float dy)
{
    root->fGetTransform()->fMoveXY(dx, dy);
}

void ZC_GUI::fSetSize(int32_t width, int32_t height)
{
    root->fSetSize(width, height);
}

void ZC_GUI::fSetVisible(bool v)
{
    root->fSetVisible(v);
}

void ZC_GUI::fSetEnabled(bool e)
{
    root->fSetEnabled(e);
}

bool ZC_GUI::fIsEnabled() const
{
    return root->fIsEnabled();
}

int32_t ZC_GUI::fGetEventId() const
{
    return lastEvent ? lastEvent->id : 0;
}

int32_t ZC_GUI::fGetEventCode() const
{
    return lastEvent ? lastEvent->code : 0;
}

int32_t ZC_GUI::fGetEventCodeOf(int32_t id)
{
    return root->fGetEventCodeOf(id);
}
}

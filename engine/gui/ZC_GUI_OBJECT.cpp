#include "engine/gui/ZC_GUI_OBJECT.h"

#include "engine/core/ZC_INPUT.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/render/ZC_MESH.h"
#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
bool fIsActivatingCode(int code)
{
    return code == GUI_EVENT_ACTIVATE || code == GUI_EVENT_DOWN || code == GUI_EVENT_CLICK || code == GUI_EVENT_LINEBOX;
}

ZC_GUI_OBJECT::ZC_GUI_OBJECT(int32_t id) : transform(new ZS_TRANSFORM3)
{
    event.id = id;
}

ZC_GUI_OBJECT::~ZC_GUI_OBJECT()
{
    // Children first: their transforms hang under ours until they are gone.
    fDeleteChildren();
    delete transform;
    for (ZS_CALLBACK*& record : callbacks)
    {
        delete record;
        record = nullptr;
    }
}

float ZC_GUI_OBJECT::fPointerX()
{
    return zcMOUSE_POSITION ? float(zcMOUSE_POSITION->x) : 0.0f;
}

float ZC_GUI_OBJECT::fPointerY()
{
    return zcMOUSE_POSITION ? float(zcMOUSE_POSITION->y) : 0.0f;
}

ZS_TEXTURE* ZC_GUI_OBJECT::fDefaultTexture()
{
    return zcRENDER ? zcRENDER->fGetDefaultTexture() : nullptr;
}

ZS_TEXTURE* ZC_GUI_OBJECT::fFetchTexture(const std::string& name)
{
    return zcREPOSITORY ? zcREPOSITORY->fGetTexture(name.c_str()) : fDefaultTexture();
}

ZS_TEXTURE* ZC_GUI_OBJECT::fHandBackTexture(ZS_TEXTURE* texture)
{
    ZS_TEXTURE* fallback = fDefaultTexture();
    if (texture && texture != fallback && zcREPOSITORY)
        zcREPOSITORY->fReleaseTexture(texture);
    return fallback;
}

void ZC_GUI_OBJECT::fPutTexture(ZC_MESH* mesh, ZS_TEXTURE* texture)
{
    if (!mesh)
        return;
    // Also when it is the same texture: the new fetch counted it once more.
    fHandBackTexture(mesh->texture);
    mesh->fSetTexture(texture);
}

void ZC_GUI_OBJECT::fTakeBackTexture(ZC_MESH* mesh)
{
    if (mesh)
        mesh->fSetTexture(fHandBackTexture(mesh->texture));
}

bool ZC_GUI_OBJECT::fIsKeyPressed(int key)
{
    return zcINPUT && zcINPUT->fIsKeyPressed(key);
}

bool ZC_GUI_OBJECT::fIsKeyReleased(int key)
{
    return zcINPUT && zcINPUT->fIsKeyReleased(key);
}

void ZC_GUI_OBJECT::fSetPosition(float x, float y, float z)
{
    transform->fSetPosition(x, y, z);
}

void ZC_GUI_OBJECT::fLink(ZC_GUI_OBJECT* child)
{
    child->parent = this;
    child->transform->parent = transform;
    child->guiRoot = guiRoot;
}

void ZC_GUI_OBJECT::fAddChild(ZC_GUI_OBJECT* child)
{
    if (!child)
        return;
    fLink(child);
    children.push_back(child);
}

void ZC_GUI_OBJECT::fInsertChild(ZC_GUI_OBJECT* child, int32_t index)
{
    if (!child)
        return;
    fLink(child);
    if (index < 0)
        index = 0;
    if (size_t(index) > children.size())
        index = int32_t(children.size());
    children.insert(children.begin() + index, child);
}

void ZC_GUI_OBJECT::fRemoveChild(ZC_GUI_OBJECT* child)
{
    for (size_t i = 0; i < children.size(); ++i)
    {
        if (children[i] != child)
        {
            children[i]->fRemoveChild(child);
            continue;
        }
        delete child;
        children.erase(children.begin() + i);
        return;
    }
}

void ZC_GUI_OBJECT::fRemoveChildById(int32_t id)
{
    for (size_t i = 0; i < children.size(); ++i)
    {
        ZC_GUI_OBJECT* c = children[i];
        if (c->event.id != id)
        {
            c->fRemoveChildById(id);
            continue;
        }
        delete c;
        children.erase(children.begin() + i);
        return;
    }
}

void ZC_GUI_OBJECT::fDeleteChildren()
{
    // Taken out of the list first, so that nothing finds a child while it is being deleted.
    std::vector<ZC_GUI_OBJECT*> doomed;
    doomed.swap(children);
    for (ZC_GUI_OBJECT* c : doomed)
        delete c;
}

ZC_GUI_OBJECT* ZC_GUI_OBJECT::fFindById(int32_t id)
{
    for (ZC_GUI_OBJECT* c : children)
    {
        if (c->event.id == id)
            return c;
        if (ZC_GUI_OBJECT* found = c->fFindById(id))
            return found;
    }
    return nullptr;
}

int32_t ZC_GUI_OBJECT::fGetEventCodeOf(int32_t id)
{
    ZC_GUI_OBJECT* w = fFindById(id);
    return w ? w->event.code : 0;
}

void ZC_GUI_OBJECT::fSetActiveTree(bool a)
{
    active = a;
    for (ZC_GUI_OBJECT* c : children)
        c->fSetActiveTree(a);
}

ZS_GUI_EVENT* ZC_GUI_OBJECT::fWalk(ZS_GUI_EVENT* (ZC_GUI_OBJECT::*tree)(), ZS_GUI_EVENT* (ZC_GUI_OBJECT::*own)(),
                                   bool clearAfter, bool reachAll)
{
    if (!enabled)
        return nullptr;
    ZS_GUI_EVENT* first = nullptr;
    // Indexed and re-measured after every child: a widget may change the list it sits in.
    for (size_t i = 0; i < children.size(); ++i)
    {
        ZC_GUI_OBJECT* reporter = children[i];
        ZS_GUI_EVENT* e = (reporter->*tree)();
        if (!e)
            continue;
        if (reachAll && !fIsActivatingCode(e->code))
        {
            // Each widget is visited once, so the first record stays as it was reported.
            if (!first)
                first = e;
            continue;
        }
        if (fIsActivatingCode(e->code))
        {
            active = true;
            for (size_t j = 0; j < children.size(); ++j)
            {
                if (children[j] == reporter)
                {
                    if (!clearAfter)
                        break;
                    continue;
                }
                children[j]->fSetActiveTree(false);
            }
        }
        return e;
    }
    if (first)
        return first;
    return (this->*own)();
}

ZS_GUI_EVENT* ZC_GUI_OBJECT::fUpdateTree()
{
    return fWalk(&ZC_GUI_OBJECT::fUpdateTree, &ZC_GUI_OBJECT::fUpdate, false, false);
}

ZS_GUI_EVENT* ZC_GUI_OBJECT::fKeyDownTree()
{
    return fWalk(&ZC_GUI_OBJECT::fKeyDownTree, &ZC_GUI_OBJECT::fOnKeyDown, true, false);
}

ZS_GUI_EVENT* ZC_GUI_OBJECT::fKeyUpTree()
{
    return fWalk(&ZC_GUI_OBJECT::fKeyUpTree, &ZC_GUI_OBJECT::fOnKeyUp, true, false);
}

ZS_GUI_EVENT* ZC_GUI_OBJECT::fMouseMoveTree()
{
    // Every widget learns of the move, so that one move both leaves one button and enters the
    // next: a button that missed its enter would take no press.
    return fWalk(&ZC_GUI_OBJECT::fMouseMoveTree, &ZC_GUI_OBJECT::fOnMouseMove, true, true);
}

void ZC_GUI_OBJECT::fDrawTree()
{
    if (!visible)
        return;
    fDraw();
    for (size_t i = 0; i < children.size(); ++i)
        children[i]->fDrawTree();
}

void ZC_GUI_OBJECT::fRestoreResourcesTree()
{
    fRestoreResources();
    for (size_t i = 0; i < children.size(); ++i)
        children[i]->fRestoreResourcesTree();
}

void ZC_GUI_OBJECT::fReleaseResourcesTree()
{
    fReleaseResources();
    for (size_t i = 0; i < children.size(); ++i)
        children[i]->fReleaseResourcesTree();
}

void ZC_GUI_OBJECT::fSetCallback(CALLBACK_KIND kind, ZS_CALLBACK* record)
{
    if (kind < 0 || kind >= CB_COUNT)
    {
        delete record;
        return;
    }
    if (callbacks[kind] != record)
        delete callbacks[kind];
    callbacks[kind] = record;
}

ZS_CALLBACK* ZC_GUI_OBJECT::fGetCallback(CALLBACK_KIND kind) const
{
    return kind >= 0 && kind < CB_COUNT ? callbacks[kind] : nullptr;
}

void ZC_GUI_OBJECT::fFireCallback(CALLBACK_KIND kind)
{
    if (callbacks[kind])
        fInvoke(callbacks[kind], this);
}

ZS_GUI_EVENT* ZC_GUI_OBJECT::fReport(int32_t code)
{
    event.code = code;
    return code ? &event : nullptr;
}
}

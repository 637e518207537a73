#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
class ZC_GUI;
struct ZS_TEXTURE;
class ZC_MESH;

// What a widget reports: its id and what happened. The record lives inside the widget and
// its code is overwritten by the widget's next input or update operation.
struct ZS_GUI_EVENT
{
    int32_t id = 0;
    int32_t code = 0;
};

// Event codes.
enum
{
    GUI_EVENT_NONE = 0,
    GUI_EVENT_ACTIVATE = 2, // activating code that no widget reports
    GUI_EVENT_ENTER = 3,
    GUI_EVENT_LEAVE = 4,
    GUI_EVENT_DOWN = 7,
    GUI_EVENT_CLICK = 8,
    GUI_EVENT_DRAG = 9,
    GUI_EVENT_VALUE_CHANGED = 10,
    GUI_EVENT_LINEBOX = 11
};

// 2, 7, 8 and 11: the walks make the reporter's ancestors active and clear the others.
bool fIsActivatingCode(int code);

// Widget type ids, set by each widget class in its constructor.
enum
{
    GUI_TYPE_NONE = 0,
    GUI_TYPE_BUTTON = 1,
    GUI_TYPE_CHECKBOX = 2,
    GUI_TYPE_TEXTBOX = 3,
    GUI_TYPE_LINEBOX = 4,
    GUI_TYPE_PROGRESS_BAR = 5,
    GUI_TYPE_PANEL = 7,
    GUI_TYPE_LABEL = 8,
    GUI_TYPE_IMAGE = 9,
    GUI_TYPE_SLIDER13 = 11,
    GUI_TYPE_WLABEL = 13,
    GUI_TYPE_LISTBOX = 14,
    GUI_TYPE_PANEL9 = 15,
    GUI_TYPE_CHECKBOX_IOS = 16
};

// A node of a retained widget tree. It owns its transform and its children; a child's
// transform hangs under its parent's, so positions are relative to the parent. Input is
// polled: the walks only say that a key went down or up or that the pointer moved, and the
// widget reads the input state itself.
class ZC_GUI_OBJECT
{
public:
    // The four records the loader makes from a layout's SCRIPTS element.
    enum CALLBACK_KIND
    {
        CB_ENTER = 0,
        CB_LEAVE,
        CB_DOWN,
        CB_UP,
        CB_COUNT
    };

    explicit ZC_GUI_OBJECT(int32_t id);
    // Deletes the children, the transform and the callback records.
    virtual ~ZC_GUI_OBJECT();
    ZC_GUI_OBJECT(const ZC_GUI_OBJECT&) = delete;
    ZC_GUI_OBJECT& operator=(const ZC_GUI_OBJECT&) = delete;

    // The widget's own operations; the base reports nothing and draws nothing.
    virtual ZS_GUI_EVENT* fUpdate() { return nullptr; }
    virtual ZS_GUI_EVENT* fOnKeyUp() { return nullptr; }
    virtual ZS_GUI_EVENT* fOnKeyDown() { return nullptr; }
    virtual ZS_GUI_EVENT* fOnMouseMove() { return nullptr; }
    // Draws the widget itself, never its children.
    virtual void fDraw() {}
    virtual void fSetPosition(float x, float y, float z);
    virtual void fSetSize(int32_t, int32_t) {}
    virtual float fGetWidth() { return 0.0f; }
    virtual float fGetHeight() { return 0.0f; }
    // Fetch textures and fonts by name from the repository / hand them back.
    virtual void fRestoreResources() {}
    virtual void fReleaseResources() {}

    // Tree. Children are owned from here on; a null child is ignored.
    void fAddChild(ZC_GUI_OBJECT* child);
    // Before position index; past the end appends.
    void fInsertChild(ZC_GUI_OBJECT* child, int32_t index);
    // Deletes the child with its subtree wherever it sits below this widget.
    void fRemoveChild(ZC_GUI_OBJECT* child);
    void fRemoveChildById(int32_t id);
    void fDeleteChildren();
    // Depth first in child order, each child before its subtree; never this widget itself.
    ZC_GUI_OBJECT* fFindById(int32_t id);
    // 0 when no widget has the id.
    int32_t fGetEventCodeOf(int32_t id);

    // Walks: the first widget in depth-first child order that reports something wins.
    ZS_GUI_EVENT* fUpdateTree();
    ZS_GUI_EVENT* fKeyDownTree();
    ZS_GUI_EVENT* fKeyUpTree();
    ZS_GUI_EVENT* fMouseMoveTree();
    void fDrawTree();
    void fRestoreResourcesTree();
    void fReleaseResourcesTree();

    void fSetId(int32_t id) { event.id = id; }
    int32_t fGetId() const { return event.id; }
    int32_t fGetEventCode() const { return event.code; }
    ZS_GUI_EVENT* fGetEvent() { return &event; }
    int32_t fGetType() const { return type; }
    void fSetVisible(bool v) { visible = v; }
    bool fIsVisible() const { return visible; }
    void fSetEnabled(bool e) { enabled = e; }
    bool fIsEnabled() const { return enabled; }
    void fSetActive(bool a) { active = a; }
    bool fIsActive() const { return active; }
    // This widget and every descendant.
    void fSetActiveTree(bool a);
    ZS_TRANSFORM3* fGetTransform() const { return transform; }
    ZC_GUI_OBJECT* fGetParent() const { return parent; }
    ZC_GUI* fGetGuiRoot() const { return guiRoot; }
    void fSetGuiRoot(ZC_GUI* gui) { guiRoot = gui; }
    const std::vector<ZC_GUI_OBJECT*>& fGetChildren() const { return children; }

    // Textures by repository name: a missing one is the renderer's default texture.
    static ZS_TEXTURE* fFetchTexture(const std::string& name);
    // Hands a fetched texture back (the default texture and null are not counted) and answers
    // the default texture, which takes its place.
    static ZS_TEXTURE* fHandBackTexture(ZS_TEXTURE* texture);
    static ZS_TEXTURE* fDefaultTexture();
    // Restoring a mesh that already holds a fetched texture hands that one back first, so
    // that two restores in a row do not count the texture twice.
    static void fPutTexture(ZC_MESH* mesh, ZS_TEXTURE* texture);
    // Releasing: the mesh's texture goes back and the default texture takes its place.
    static void fTakeBackTexture(ZC_MESH* mesh);

    // Takes ownership of the record; an earlier record of the same kind is deleted.
    void fSetCallback(CALLBACK_KIND kind, ZS_CALLBACK* record);
    ZS_CALLBACK* fGetCallback(CALLBACK_KIND kind) const;

protected:
    // Fires the record with this widget as the argument; a record never set does nothing.
    void fFireCallback(CALLBACK_KIND kind);
    // Sets the event code and answers the event record, or null for code 0.
    ZS_GUI_EVENT* fReport(int32_t code);
    // Whether a key went down or up in this step; false without an input state.
    static bool fIsKeyPressed(int key);
    static bool fIsKeyReleased(int key);
    // The input state's integer pointer position in game pixels, read at each use so that a
    // widget never holds on to an input state that is gone; (0, 0) without one.
    static float fPointerX();
    static float fPointerY();

    int32_t type = GUI_TYPE_NONE;
    bool visible = true;
    bool enabled = true;
    bool active = false;
    ZS_TRANSFORM3* transform;
    ZS_GUI_EVENT event;
    ZC_GUI* guiRoot = nullptr;
    ZC_GUI_OBJECT* parent = nullptr;
    std::vector<ZC_GUI_OBJECT*> children;
    ZS_CALLBACK* callbacks[CB_COUNT] = {};

private:
    void fLink(ZC_GUI_OBJECT* child);
    // One input walk over the given own operation; clearAfter also clears the children after
    // the reporter (the key and pointer walks do, the update walk does not); reachAll goes on
    // past widgets that report a code that activates nothing (the pointer walk).
    ZS_GUI_EVENT* fWalk(ZS_GUI_EVENT* (ZC_GUI_OBJECT::*tree)(), ZS_GUI_EVENT* (ZC_GUI_OBJECT::*own)(),
                        bool clearAfter, bool reachAll);
};
}

#pragma once
#include <cstdint>
#include <vector>

#include "engine/gui/ZC_GUI_OBJECT.h"

namespace ZOR
{
// A container that places its children along one axis inside a fixed width and height,
// counting each child by its extent after its own turn. Positions are the children's centres
// in the layout's frame, whose origin is the middle of the area. Alignments are the hot-spot
// numbers 0-8 (0 top left ... 8 bottom right): the layout's own chooses the direction of the
// line, each child's its place across it. Spacing is the free space shared out evenly, or
// the offset given with each child.
class ZC_GUI_LAYOUT : public ZC_GUI_OBJECT
{
public:
    ZC_GUI_LAYOUT(int32_t id, float awidth, float aheight, bool evenSpacing, int32_t aalignment);

    float fGetWidth() override { return width; }
    float fGetHeight() override { return height; }
    virtual void fArrange(bool even, int32_t aalignment) = 0;

    // A child whose turned extent alone exceeds the area is refused (and stays the caller's).
    // An index outside the list inserts at its nearer end.
    void fInsertItem(ZC_GUI_OBJECT* child, int32_t index, int32_t childAlignment, float offset);
    void fAddItem(ZC_GUI_OBJECT* child, int32_t childAlignment, float offset);
    // Deletes the child with its subtree.
    void fRemoveItem(ZC_GUI_OBJECT* child);
    void fRemoveItemAt(int32_t index);
    // -1 when the child is not in the list.
    int32_t fIndexOfItem(const ZC_GUI_OBJECT* child) const;
    // Never below the space the children already use.
    void fSetWidth(float w);
    void fSetHeight(float h);

    float fGetUsedWidth() const { return usedWidth; }
    float fGetUsedHeight() const { return usedHeight; }

    // A child's extents after its turn about z: the box that holds the turned child.
    static float fTurnedWidth(ZC_GUI_OBJECT* child);
    static float fTurnedHeight(ZC_GUI_OBJECT* child);

protected:
    // The spacing and alignment of child i; children added other than through the layout
    // count with no offset and centred.
    float fOffsetOf(size_t i) const { return i < offsets.size() ? offsets[i] : 0.0f; }
    int32_t fAlignmentOf(size_t i) const { return i < alignments.size() ? alignments[i] : 4; }

    float width;
    float height;
    std::vector<float> offsets;
    std::vector<int32_t> alignments;
    float usedWidth = 0.0f;
    float usedHeight = 0.0f;
    int32_t alignment;
    bool even;
};

// Children in a row, left to right; a layout aligned to the right column fills from the right.
class ZC_GUI_HBOX_LAYOUT : public ZC_GUI_LAYOUT
{
public:
    using ZC_GUI_LAYOUT::ZC_GUI_LAYOUT;
    void fArrange(bool even, int32_t aalignment) override;
};

// Children in a column, top to bottom; a layout aligned to the bottom row fills from below.
class ZC_GUI_VBOX_LAYOUT : public ZC_GUI_LAYOUT
{
public:
    using ZC_GUI_LAYOUT::ZC_GUI_LAYOUT;
    void fArrange(bool even, int32_t aalignment) override;
};
}

#include "engine/gui/ZC_GUI_LAYOUT.h"

#include <algorithm>
#include <cmath>

namespace ZOR
{
ZC_GUI_LAYOUT::ZC_GUI_LAYOUT(int32_t id, float awidth, float aheight, bool evenSpacing, int32_t aalignment)
    : ZC_GUI_OBJECT(id), width(awidth), height(aheight), alignment(aalignment), even(evenSpacing)
{
}

// Absolute values: a child turned past a quarter turn still takes up room, never gives it back.
float ZC_GUI_LAYOUT::fTurnedWidth(ZC_GUI_OBJECT* child)
{
    const float rz = child->fGetTransform()->rotation.z;
    return std::fabs(child->fGetWidth() * std::cos(rz)) + std::fabs(child->fGetHeight() * std::sin(rz));
}

float ZC_GUI_LAYOUT::fTurnedHeight(ZC_GUI_OBJECT* child)
{
    const float rz = child->fGetTransform()->rotation.z;
    return std::fabs(child->fGetHeight() * std::cos(rz)) + std::fabs(child->fGetWidth() * std::sin(rz));
}

void ZC_GUI_LAYOUT::fInsertItem(ZC_GUI_OBJECT* child, int32_t index, int32_t childAlignment, float offset)
{
    if (!child)
        return;
    const float w = fTurnedWidth(child), h = fTurnedHeight(child);
    if (w > width || h > height)
        return;
    const size_t at = size_t(std::max(0, std::min(index, int32_t(children.size()))));
    offsets.insert(offsets.begin() + std::min(at, offsets.size()), offset);
    alignments.insert(alignments.begin() + std::min(at, alignments.size()), childAlignment);
    fInsertChild(child, int32_t(at));
    usedWidth += w;
    usedHeight += h;
    fArrange(even, alignment);
}

void ZC_GUI_LAYOUT::fAddItem(ZC_GUI_OBJECT* child, int32_t childAlignment, float offset)
{
    fInsertItem(child, int32_t(children.size()), childAlignment, offset);
}

int32_t ZC_GUI_LAYOUT::fIndexOfItem(const ZC_GUI_OBJECT* child) const
{
    for (size_t i = 0; i < children.size(); ++i)
        if (children[i] == child)
            return int32_t(i);
    return -1;
}

void ZC_GUI_LAYOUT::fRemoveItem(ZC_GUI_OBJECT* child)
{
    const int32_t i = fIndexOfItem(child);
    if (i < 0)
        return;
    if (size_t(i) < offsets.size())
        offsets.erase(offsets.begin() + i);
    if (size_t(i) < alignments.size())
        alignments.erase(alignments.begin() + i);
    usedWidth -= fTurnedWidth(child);
    usedHeight -= fTurnedHeight(child);
    fRemoveChild(child);
    fArrange(even, alignment);
}

void ZC_GUI_LAYOUT::fRemoveItemAt(int32_t index)
{
    if (index >= 0 && size_t(index) < children.size())
        fRemoveItem(children[size_t(index)]);
}

void ZC_GUI_LAYOUT::fSetWidth(float w)
{
    width = std::max(w, usedWidth);
    fArrange(even, alignment);
}

void ZC_GUI_LAYOUT::fSetHeight(float h)
{
    height = std::max(h, usedHeight);
    fArrange(even, alignment);
}

void ZC_GUI_HBOX_LAYOUT::fArrange(bool aeven, int32_t aalignment)
{
    const float direction = aalignment % 3 == 2 ? -1.0f : 1.0f;
    // Hidden children take no place but still count in the share of the free space.
    const float gap = std::max(0.0f, (width - usedWidth) / float(children.size() + 1));
    float cursor = -width / 2.0f;
    for (size_t i = 0; i < children.size(); ++i)
    {
        ZC_GUI_OBJECT* child = children[i];
        if (!child->fIsVisible())
            continue;
        const float w = fTurnedWidth(child), h = fTurnedHeight(child);
        cursor += (aeven ? gap : fOffsetOf(i)) + w / 2.0f;
        const int32_t row = fAlignmentOf(i) / 3;
        const float y = row == 0 ? h / 2.0f - height / 2.0f : row == 2 ? height / 2.0f - h / 2.0f : 0.0f;
        child->fSetPosition(direction * cursor, y, 0.0f);
        cursor += w / 2.0f;
    }
}

void ZC_GUI_VBOX_LAYOUT::fArrange(bool aeven, int32_t aalignment)
{
    const float direction = aalignment / 3 == 2 ? -1.0f : 1.0f;
    const float gap = std::max(0.0f, (height - usedHeight) / float(children.size() + 1));
    float cursor = -height / 2.0f;
    for (size_t i = 0; i < children.size(); ++i)
    {
        ZC_GUI_OBJECT* child = children[i];
        if (!child->fIsVisible())
            continue;
        const float w = fTurnedWidth(child), h = fTurnedHeight(child);
        cursor += (aeven ? gap : fOffsetOf(i)) + h / 2.0f;
        const int32_t column = fAlignmentOf(i) % 3;
        const float x = column == 0 ? w / 2.0f - width / 2.0f : column == 2 ? width / 2.0f - w / 2.0f : 0.0f;
        child->fSetPosition(x, direction * cursor, 0.0f);
        cursor += h / 2.0f;
    }
}
}

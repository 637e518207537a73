#include "framework/G_ANIMATION.h"

#include "engine/core/ZC_TIMER.h"
#include "engine/render/ZS_TEXTURE.h"

using namespace ZOR;

namespace ZOR_GF
{
G_ANIMATION::G_ANIMATION()
{
    fSetDefaults();
}

G_ANIMATION::G_ANIMATION(const G_ANIMATION& source) : G_SPRITE(source)
{
    fCopyAnimation(source);
}

G_ANIMATION& G_ANIMATION::operator=(const G_ANIMATION& source)
{
    if (this == &source)
        return *this;
    G_SPRITE::operator=(source);
    fCopyAnimation(source);
    return *this;
}

void G_ANIMATION::fCopyAnimation(const G_ANIMATION& source)
{
    forward = source.forward;
    pingPong = source.pingPong;
    loop = source.loop;
    flip = source.flip;
    playing = source.playing;
    grid = source.grid;
    current = source.current;
    frameCount = source.frameCount;
    step = source.step;
    fps = source.fps;
    accumulator = source.accumulator;
    cellWidth = source.cellWidth;
    cellHeight = source.cellHeight;
    // The sprite copy starts over the whole sheet; a copy drawn before it is started would
    // show every frame squeezed into one cell. It shows the source's frame instead.
    if (vertices && source.vertices)
        for (int i = 0; i < 4; ++i)
            vertices[i].fSetUV(source.vertices[i].u, source.vertices[i].v);
}

void G_ANIMATION::fSetDefaults()
{
    state.fSetAddress(ZS_RENDER_STATE::ADDRESS_WRAP);
    fSetGrid(ZS_POINT(1, 1));
    frameCount = 1;
    fps = 1.0f;
    step = 1;
    current = 0;
    loop = true;
    forward = true;
    flip = false;
    pingPong = false;
    accumulator = 0.0f;
    playing = false;
    fSetFrame(0);
    startDelay = 0.0f;
}

void G_ANIMATION::fSetGrid(ZS_POINT cells)
{
    grid.x = cells.x < 1 ? 1 : cells.x;
    grid.y = cells.y < 1 ? 1 : cells.y;
    cellWidth = 1.0f / float(grid.x);
    cellHeight = 1.0f / float(grid.y);
    if (texture)
        G_SPRITE::fSetSize(float(texture->size.x / grid.x), float(texture->size.y / grid.y));
}

void G_ANIMATION::fSetFrameCount(int count)
{
    frameCount = count < 1 ? 1 : count;
}

void G_ANIMATION::fSetFrame(int i)
{
    // A stopped animation may hold an index one past either end; it still names a frame.
    current = ((i % frameCount) + frameCount) % frameCount;
    accumulator = 0.0f;
    const int col = current % grid.x, row = current / grid.x;
    float leftU = float(col) * cellWidth, rightU = leftU + cellWidth;
    const float topV = float(row) * cellHeight;
    if (flip)
    {
        leftU = float(col + 1) * cellWidth;
        rightU = float(col) * cellWidth;
    }
    fSetUV(leftU, topV, rightU, topV + cellHeight);
}

void G_ANIMATION::fStart(float delay)
{
    playing = true;
    startDelay = delay;
    step = forward ? 1 : -1;
    current = forward ? 0 : frameCount - 1;
    fSetFrame(current);
}

int G_ANIMATION::fUpdate()
{
    const float dt = zcFRAME_DELTA;
    if (!playing || dt == 0.0f)
        return 0;
    if (startDelay > 0.0f)
    {
        startDelay -= dt;
        if (startDelay > 0.0f)
            return 0;
    }
    accumulator += dt * fps;
    if (!(accumulator > 1.0f))
        return 0;

    // Show the frame at the index, then move the index: at most one frame per call, the
    // excess time is dropped.
    fSetFrame(current);
    const int last = frameCount - 1;
    const int next = current + step;
    current = next;

    if (next * next > last * last)
    {
        if (loop && pingPong)
        {
            step = -step;
            current = next + 2 * step;
        }
        else if (loop)
        {
            if (forward)
            {
                current = 0;
                return 1;
            }
        }
        else if (pingPong)
        {
            if (forward)
            {
                step = -step;
                current = next + 2 * step;
            }
            else
                playing = false;
        }
        else if (forward)
            playing = false;
    }
    if (current >= 0)
        return 1;

    if (loop && pingPong)
    {
        step = -step;
        current = 1;
    }
    else if (loop)
    {
        if (!forward)
            current = last;
    }
    else if (pingPong)
    {
        if (forward)
        {
            if (step == -1)
                playing = false;
        }
        else
        {
            step = -step;
            current = current + 2 * step;
        }
    }
    else if (!forward)
        playing = false;
    return 1;
}

void G_ANIMATION::fLoadTexture()
{
    G_SPRITE::fLoadTexture();
    fSetGrid(grid);
}

void G_ANIMATION::fLoadXml(pugi::xml_node element)
{
    G_SPRITE::fLoadXml(element);
    pugi::xml_node animation = element.child("ANIMATION");
    if (!animation)
        return;
    if (pugi::xml_attribute a = animation.attribute("loop"))
        loop = a.as_bool();
    if (pugi::xml_attribute a = animation.attribute("flip"))
        flip = a.as_bool();
    if (pugi::xml_attribute a = animation.attribute("ping_pong"))
        pingPong = a.as_bool();
    // The files spell it so; true plays from the first frame upward.
    if (pugi::xml_attribute a = animation.attribute("reverese"))
        forward = a.as_bool();
    if (pugi::xml_attribute a = animation.attribute("grid"))
    {
        // Missing numbers keep the grid's own.
        ZS_POINT cells = grid;
        cells.fParse(a.value());
        fSetGrid(cells);
    }
    if (pugi::xml_attribute a = animation.attribute("frames"))
        fSetFrameCount(a.as_int());
    if (pugi::xml_attribute a = animation.attribute("fps"))
        fps = float(a.as_int());
    fSetFrame(current);
}
}

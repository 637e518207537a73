#pragma once
#include "engine/core/ZS_POINT.h"
#include "framework/G_SPRITE.h"

namespace ZOR_GF
{
// A sprite over a sheet of equally sized frames in a grid, filled row by row from the top left;
// it shows one frame at a time (by its texture rectangle) and steps through them by
// zcFRAME_DELTA. Its size is always one cell of its texture.
class G_ANIMATION : public G_SPRITE
{
public:
    G_ANIMATION();
    // The copy fetches its own texture when the source is loaded; the start delay is not taken over.
    G_ANIMATION(const G_ANIMATION& source);
    // The target keeps its own start delay, and its size follows the grid it had while reloading.
    G_ANIMATION& operator=(const G_ANIMATION& source);

    void fLoadTexture() override;
    // The sprite's children, then the attributes of the child "ANIMATION".
    void fLoadXml(pugi::xml_node element) override;

    void fSetDefaults();
    // Columns and rows below 1 count as 1; the size becomes one cell of the current texture.
    void fSetGrid(ZOR::ZS_POINT grid);
    ZOR::ZS_POINT fGetGrid() const { return grid; }
    // Counts below 1 count as 1.
    void fSetFrameCount(int count);
    int fGetFrameCount() const { return frameCount; }
    void fSetFps(float framesPerSecond) { fps = framesPerSecond; }
    float fGetFps() const { return fps; }
    // Shows frame i mod the frame count and clears the gathered time.
    void fSetFrame(int i);
    int fGetCurrent() const { return current; }

    // Plays from the first end after the delay, showing that end's frame at once.
    void fStart(float delay = 0.0f);
    // The frame on screen stays.
    void fStop() { playing = false; }
    bool fIsPlaying() const { return playing; }
    // 1 when a frame was stepped, 0 when nothing happened.
    int fUpdate();

    bool forward = true;
    bool pingPong = false;
    bool loop = true;
    bool flip = false;

private:
    void fCopyAnimation(const G_ANIMATION& source);

    bool playing = false;
    ZOR::ZS_POINT grid{1, 1};
    int current = 0;
    int frameCount = 1;
    int step = 1;
    float fps = 1.0f;
    float accumulator = 0.0f; // frames gathered since the last step
    float startDelay = 0.0f;
    float cellWidth = 1.0f;
    float cellHeight = 1.0f;
};
}

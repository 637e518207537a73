#pragma once
// Frames of puzzle parts that write with the digit font of the fixtures: the test data root and
// its font manager, lent to the puzzle shell while a test runs.
#include <memory>

#include "ZT_PUZZLE.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "text/ZT_FONT_FIXTURE.h"

namespace ZT_PUZZLE
{
class ZT_PUZZLE_FONTS : public ZT_FONT::ZT_FONT_FRAME
{
protected:
    // Derived fixtures stop when this fails (HasFatalFailure).
    void SetUp() override
    {
        ZT_FONT_FRAME::SetUp();
        if (HasFatalFailure())
            return;
        data = std::make_unique<ZT_DATA_ROOT>();
        ASSERT_TRUE(fonts.fLoad("fonts.xml"));
        game::fGetPuzzleShell().fonts = &fonts;
    }
    // Derived fixtures drop what draws with the fonts first.
    void TearDown() override
    {
        game::fGetPuzzleShell().fonts = nullptr;
        fonts.fReleaseTextures();
        data.reset();
        ZT_FONT_FRAME::TearDown();
    }

    std::unique_ptr<ZT_DATA_ROOT> data;
    ZOR::ZC_FONT_MANAGER fonts;
};
}

// The pictures of the default data set as the game fetches them: every picture of the image
// groups loads through the repository at the size its file declares, the frame strips hold
// whole frames for the widgets that cut them, and the cursor file names the shipped cursor.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ZC_INPUT.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "framework/G_CURSOR.h"
#include "framework/G_SPRITE.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZOR;
using namespace ZOR_GF;
namespace fs = std::filesystem;

namespace
{
const char* const kImageGroups[] = {"data/share/image/gui", "data/share/image/level", "data/share/image/screens",
                                    "data/share/image/packs"};

// Width and height from a PNG file's header; (0, 0) when it is no PNG.
ZS_POINT fPngSize(const fs::path& path)
{
    unsigned char head[24] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(head), sizeof head) || head[1] != 'P' || head[2] != 'N' || head[3] != 'G')
        return ZS_POINT(0, 0);
    auto be = [&](int at) { return int(head[at]) << 24 | int(head[at + 1]) << 16 | int(head[at + 2]) << 8 | int(head[at + 3]); };
    return ZS_POINT(be(16), be(20));
}

class ShippedPictures : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        if (HasFatalFailure())
            return;
        savedRoot = fGetFileSystem()->fGetDataRoot();
        resources = ZT_TEST::fDataDir() + "/../../Resources/";
        fGetFileSystem()->fSetDataRoot(resources.c_str());
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        for (const char* group : kImageGroups)
            ASSERT_EQ(repository->fRegister(group, ""), 1) << group;
        ASSERT_EQ(repository->fRegister("data/share/main/other", ""), 1);
    }
    void TearDown() override
    {
        repository.reset();
        zcREPOSITORY = nullptr;
        fGetFileSystem()->fSetDataRoot(savedRoot.c_str());
        ZT_GL_RENDER::TearDown();
    }

    std::string resources, savedRoot;
    std::unique_ptr<ZC_REPOSITORY> repository;
};
}

TEST_F(ShippedPictures, EveryPictureLoadsAtTheSizeItsFileDeclares)
{
    int pictures = 0;
    for (const char* group : kImageGroups)
        for (const fs::directory_entry& file : fs::directory_iterator(resources + group))
        {
            if (file.path().extension() != ".png")
                continue;
            SCOPED_TRACE(file.path().string());
            const ZS_POINT size = fPngSize(file.path());
            ASSERT_GT(size.x, 0);
            G_SPRITE sprite(std::string(group) + " " + file.path().filename().string());
            sprite.fLoadTexture();
            ASSERT_TRUE(sprite.fIsLoaded());
            EXPECT_EQ(sprite.fGetWidth(), float(size.x));
            EXPECT_EQ(sprite.fGetHeight(), float(size.y));
            ++pictures;
        }
    EXPECT_GT(pictures, 100) << "the image groups are empty";
}

TEST_F(ShippedPictures, FrameStripsHoldWholeFrames)
{
    // Files are matched by the start of their names; square frames are as high as wide.
    struct
    {
        const char* prefix;
        int frames;
        bool square;
    } strips[] = {
        {"gui/btn_", 5, false},          {"gui/checkbox", 5, true},       {"gui/tile_level", 3, true},
        {"gui/star_", 2, true},          {"gui/hearts", 2, true},         {"gui/page_dots", 2, true},
        {"gui/slider_track", 2, false},  {"gui/progress_bar", 2, false},  {"gui/slider12", 12, true},
        {"gui/slider13", 13, true},      {"level/cell_yes_", 6, true},    {"level/cell_no_", 6, true},
        {"level/error_icon", 6, true},   {"level/hint_button", 5, true},  {"level/hint_glow", 8, true},
        {"level/hint_fly", 8, true},     {"level/win_sweep", 8, true},    {"level/clue_cross", 6, true},
        {"level/bonus_coin", 8, true},   {"level/reset_area", 6, true},   {"screens/loading_bar", 2, false},
        {"screens/loading_anim", 8, true}, {"screens/purchase_anim", 8, true},
    };
    for (const auto& strip : strips)
    {
        const std::string prefix = strip.prefix;
        const std::string folder = resources + "data/share/image/" + prefix.substr(0, prefix.find('/'));
        const std::string start = prefix.substr(prefix.find('/') + 1);
        int matched = 0;
        for (const fs::directory_entry& file : fs::directory_iterator(folder))
        {
            const std::string name = file.path().filename().string();
            if (name.compare(0, start.size(), start) != 0)
                continue;
            ++matched;
            const ZS_POINT size = fPngSize(file.path());
            EXPECT_EQ(size.x % strip.frames, 0) << name;
            if (strip.square)
            {
                EXPECT_EQ(size.x / strip.frames, size.y) << name;
            }
        }
        EXPECT_GT(matched, 0) << strip.prefix;
    }
}

TEST_F(ShippedPictures, TheCursorFileNamesTheCursorWithItsTipOnThePointer)
{
    ZC_INPUT input;
    G_CURSOR cursor;
    ASSERT_TRUE(cursor.fLoad("data/share/main/other gCursor.xml"));
    cursor.fLoadTexture();
    ASSERT_TRUE(cursor.fGetSprite()->fIsLoaded());
    EXPECT_EQ(cursor.fGetSprite()->fGetWidth(), 32.0f);

    render->clearColor = ZS_COLOR(0xFF000000u);
    input.position = ZS_POINT(300, 200);
    ASSERT_EQ(render->fBeginFrame(), 1);
    cursor.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    // The arrow's light body lies just below and right of the pointer; nothing is drawn
    // above or left of it.
    EXPECT_GT((fPixel(304, 212) >> 16) & 0xFF, 200u);
    EXPECT_EQ(fPixel(296, 210), 0xFF000000u);
    EXPECT_EQ(fPixel(302, 196), 0xFF000000u);
    cursor.fUnloadTexture();
}

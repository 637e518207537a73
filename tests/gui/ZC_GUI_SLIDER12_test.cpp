// The twelve-cell slider: its pieces' layout, what the player sees and its texture's return.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZC_GUI_SLIDER12.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
const float kPi = 3.14159265f;


// Twelve cells, each its own colour.
const std::vector<uint32_t> kCells = {0xFF800000, 0xFF008000, 0xFF000080, 0xFF808000, 0xFF800080, 0xFF008080,
                                      0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFFFF00FF, 0xFF00FFFF};
}

TEST(Slider12, PiecesLieAlongTheTrack)
{
    ZS_TEXTURE sheet = ZT_GUI::fSizedTexture(240, 20);
    ZC_GUI_SLIDER12 slider(1, &sheet, ZS_VECTOR2(100, 200), ZS_VECTOR2(300, 200), 20, 1.5f, 0, 100, 5, 0);
    EXPECT_FLOAT_EQ(slider.fGetCellSize(), 20);
    EXPECT_EQ(slider.fGetTransform()->fGetPositionXY(), ZS_VECTOR2(200, 200));
    EXPECT_FLOAT_EQ(slider.fGetStartTransform()->position.x, -90);
    EXPECT_FLOAT_EQ(slider.fGetEndTransform()->position.x, 90);
    EXPECT_FLOAT_EQ(slider.fGetThumbTransform()->position.x, -60);
    slider.fSetValue(100);
    EXPECT_FLOAT_EQ(slider.fGetThumbTransform()->position.x, 60);
    // The caps and the middle are laid out along a track shortened by half of 240 / 13 = 18.
    EXPECT_FLOAT_EQ(slider.fGetPictures().startCap->fGetTransform()->position.x, -71);
    EXPECT_FLOAT_EQ(slider.fGetPictures().endCap->fGetTransform()->position.x, 71);
    EXPECT_FLOAT_EQ(slider.fGetMiddleLength(), 124);
    EXPECT_FLOAT_EQ(slider.fGetPictures().middle->fGetHeight(), 124);
    EXPECT_FLOAT_EQ(slider.fGetPictures().middle->fGetWidth(), 20);
    EXPECT_NEAR(slider.fGetStartTransform()->rotation.z, 2 * kPi, 1e-5) << "running right: unturned";
    EXPECT_NEAR(slider.fGetPictures().middle->fGetTransform()->rotation.z, 1.5f * kPi, 1e-5);
    EXPECT_FLOAT_EQ(slider.fGetPictures().middle->vertices[0].u, 10.0f / 12);
    EXPECT_NEAR(slider.fGetWidth(), 200, 1e-3);
    EXPECT_NEAR(slider.fGetHeight(), 20, 1e-3);

    ZC_GUI_SLIDER12 down(2, &sheet, ZS_VECTOR2(100, 100), ZS_VECTOR2(100, 300), 20, 1.5f, 0, 100, 5, 0);
    EXPECT_NEAR(down.fGetStartTransform()->rotation.z, kPi / 2, 1e-5) << "running down: a quarter turn";
    EXPECT_NEAR(down.fGetPictures().middle->fGetTransform()->rotation.z, 0, 1e-5);
    EXPECT_FLOAT_EQ(down.fGetPictures().endCap->fGetTransform()->position.y, 71);
    EXPECT_NEAR(down.fGetWidth(), 20, 1e-3);
    EXPECT_NEAR(down.fGetHeight(), 200, 1e-3);

    // A new track is laid out as the construction lays one out.
    slider.fSetTrack(0, 50, 200, 50);
    EXPECT_EQ(slider.fGetTransform()->fGetPositionXY(), ZS_VECTOR2(100, 50));
    EXPECT_FLOAT_EQ(slider.fGetPictures().startCap->fGetTransform()->position.x, -71);
    EXPECT_FLOAT_EQ(slider.fGetMiddleLength(), 124);
    EXPECT_FLOAT_EQ(slider.fGetThumbTransform()->position.x, 60);
}

class Slider12World : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    uint32_t fAt(float x, float y)
    {
        auto px = [](float game) { return int(game * 1024.0f / 1025.0f); };
        return fPixel(px(x), px(y));
    }
};

TEST_F(Slider12World, ThePlayerSeesEachCellInItsPlaceAndTheLookOfThePartUnderThePointer)
{
    ZS_TEXTURE* sheet = render->fCreateTexture(240, 20);
    ASSERT_TRUE(render->fSetTexturePixels(sheet, ZT_GUI::fCellPixels(20, 20, kCells).data()));
    ZC_GUI gui;
    auto* slider = new ZC_GUI_SLIDER12(1, sheet, ZS_VECTOR2(100, 200), ZS_VECTOR2(300, 200), 10, 1.5f, 0, 100, 5, 0);
    gui.fAdd(slider);

    auto fDrawn = [&] {
        EXPECT_EQ(render->fBeginFrame(), 1);
        gui.fDraw();
        EXPECT_EQ(render->fEndFrame(), 0);
    };
    fDrawn();
    fSaveFrame("slider12");
    struct
    {
        float x;
        int cell;
        const char* what;
    } samples[] = {{105, 0, "start button"}, {124, 9, "start cap"},  {145, 6, "thumb"},
                   {200, 10, "middle"},      {276, 11, "end cap"},   {295, 3, "end button"}};
    for (const auto& s : samples)
        EXPECT_EQ(fAt(s.x, 200), kCells[size_t(s.cell)]) << s.what;
    EXPECT_EQ(fAt(200, 185), 0xFF444444u) << "the track is one cell high";

    // The per-frame step shows the start button's look under the pointer.
    fMoveTo(110, 200);
    ZS_GUI_EVENT* e = gui.fUpdate();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->code, GUI_EVENT_ENTER);
    fDrawn();
    EXPECT_EQ(fAt(105, 200), kCells[1]);
    render->fReleaseTexture(sheet);
}

TEST_F(Slider12World, TheLayoutFetchesTheTextureAndDeletingTheSliderGivesItBackOnce)
{
    ZT_GUI::fWriteCellPng(fRoot() + "slider.png", 20, 20, kCells);
    fMount();
    ZS_CALLBACK* release = fCreateCallback(fReleaseResourceByPointer);
    zcON_RELEASE_RESOURCE = release;

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<GUI><slider12 ID='4' TEXTURE='slider.png' START='100' END='300 0' STEP='10'/>"
                                "<SLIDER12 ID='5' TEXTURE='slider.png' START='0 0'/></GUI>"));
    ZC_GUI* gui = new ZC_GUI;
    fLoadGuiFromXml(gui, doc.document_element());
    ASSERT_EQ(gui->fGetRoot()->fGetChildren().size(), 1u) << "END is required";
    auto* slider = dynamic_cast<ZC_GUI_SLIDER12*>(gui->fFindById(4));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->fGetTransform()->fGetPositionXY(), ZS_VECTOR2(200, 0)) << "a missing y reads 0";
    EXPECT_FLOAT_EQ(slider->fGetStep(), 10);
    EXPECT_FLOAT_EQ(slider->fGetMax(), 100);
    EXPECT_FLOAT_EQ(slider->fGetHitRadius(), 20);
    EXPECT_FLOAT_EQ(slider->fGetInset(), 30) << "default factor 1.5";
    ZS_TEXTURE* texture = slider->fGetPictures().startButton->texture;
    EXPECT_EQ(texture->size, ZS_POINT(240, 20));
    EXPECT_EQ(fUsers(texture), 1);

    // Restore and release leave the loaded texture to the slider.
    gui->fRestoreResources();
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 1);
    delete gui;
    EXPECT_EQ(fUsers(texture), 0);
    zcON_RELEASE_RESOURCE = nullptr;
    delete release;
}

#include <gtest/gtest.h>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/text/ZC_FONT.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
// Two 8 x 8 glyphs, 'A' and '%', on a white 16 x 8 texture: every glyph draws a solid block
// in the text colour.
const char* kFont = R"(<font><common lineHeight="8" base="8"/><chars count="2">
<char id="65" x="0" y="0" width="8" height="8" xoffset="0" yoffset="0" xadvance="8"/>
<char id="37" x="8" y="0" width="8" height="8" xoffset="0" yoffset="0" xadvance="8"/>
</chars></font>)";

const uint32_t kClear = 0xFF444444;

ZC_REPOSITORY* releasing = nullptr;
int releases = 0;

int fReleaseThroughRepository(void* texture)
{
    ++releases;
    return releasing && releasing->fReleaseTexture(texture) ? 1 : 0;
}

class Labels : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    ZS_CALLBACK* releaseSlot = nullptr;

    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        fPutPng("font.png", 16, 8);
        fPutFile("font.xml", kFont);
        fMount();
        // What the application object puts in the slot: hand the texture back by pointer.
        releasing = repository;
        releases = 0;
        releaseSlot = fCreateCallback(fReleaseThroughRepository);
        zcON_RELEASE_RESOURCE = releaseSlot;
    }
    void TearDown() override
    {
        // Labels hand their textures back through the slot while they go.
        delete gui;
        gui = nullptr;
        zcON_RELEASE_RESOURCE = nullptr;
        delete releaseSlot;
        releasing = nullptr;
        ZT_GUI_WORLD::TearDown();
    }

    void fLoad(const std::string& xml)
    {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(xml.c_str()));
        fLoadGuiFromXml(gui, doc.document_element());
    }

    // Game pixel to back-buffer pixel in the windowed 1024 x 768 picture.
    uint32_t fAt(float x, float y) { return fPixel(int(x * 1024.0f / 1025.0f), int(y * 768.0f / 769.0f)); }
};
}

TEST_F(Labels, TextsAreDrawnWithOnePercentForTwo)
{
    fLoad(R"(<GUI>
  <LABEL ID="1" TEXTURE="font.png" FONT="font.xml" TEXT="%%" FONT_COLOR="255 255 0 0"><POSITION>200 100</POSITION></LABEL>
  <LABEL ID="2" TEXTURE="font.png" FONT="font.xml" TEXT="%s%d" FONT_COLOR="255 0 0 255"><POSITION>200 300</POSITION></LABEL>
  <WLABEL ID="3" FONT="font.xml" FONT_TEXTURE="font.png" TEXT="A%%A" FONT_COLOR="FF00FF00"><POSITION>400 100</POSITION></WLABEL>
  <WLABEL ID="4" FONT="font.xml" FONT_TEXTURE="font.png" TEXT="A" VISIBLE="0"><POSITION>600 100</POSITION></WLABEL>
</GUI>)");
    ASSERT_EQ(gui->fGetRoot()->fGetChildren().size(), 4u);
    gui->fRestoreResources();

    ASSERT_EQ(render->fBeginFrame(), 1);
    gui->fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("gui_labels");

    // Narrow, centred: one '%' block left and right of x 200, on the line above y 100.
    EXPECT_EQ(fAt(200, 96), 0xFFFF0000u);
    EXPECT_EQ(fAt(197.5f, 96), 0xFFFF0000u);
    EXPECT_EQ(fAt(194, 96), kClear) << "two percent signs would reach here";
    EXPECT_EQ(fAt(206, 96), kClear);
    // A conversion that would take an argument is shown as written and never reads one:
    // '%' 's' '%' 'd' has glyphs for the two '%' only, so the line measures nothing and draws
    // from the position on.
    EXPECT_EQ(fAt(204, 296), 0xFF0000FFu);

    // Wide, centred on (400, 100): "A%A" is 24 pixels.
    EXPECT_EQ(fAt(390, 100), 0xFF00FF00u);
    EXPECT_EQ(fAt(410, 100), 0xFF00FF00u);
    EXPECT_EQ(fAt(386, 100), kClear);
    EXPECT_EQ(fAt(414, 100), kClear);
    EXPECT_EQ(fAt(600, 100), kClear) << "hidden";
    gui->fReleaseResources();
}

TEST_F(Labels, WLabelGetsItsFontAtTheFirstRestoreWithEarlierSettings)
{
    auto* label = new ZC_GUI_WLABEL(1, "font.xml", "font.png", L"AA%");
    gui->fAdd(label);
    label->fSetLetterSpace(2);
    label->fSetLineSpace(5);
    label->fSetColor(ZS_COLOR(0xFF102030));
    EXPECT_EQ(label->fGetWidth(), 0.0f);
    EXPECT_EQ(label->fGetHeight(), 0.0f);
    EXPECT_EQ(label->fGetFont(), nullptr);

    gui->fRestoreResources();
    ZC_FONT* font = label->fGetFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->letterSpacing, 2);
    EXPECT_EQ(font->lineSpacing, 5);
    EXPECT_EQ(font->sprite->fGetColor(), 0xFF102030u);
    EXPECT_EQ(label->fGetWidth(), 30.0f);
    EXPECT_EQ(label->fGetHeight(), 8.0f);
    // Set afterwards: straight into the font.
    label->fSetLetterSpace(0);
    EXPECT_EQ(label->fGetWidth(), 24.0f);

    ZS_TEXTURE* texture = font->sprite->texture;
    EXPECT_EQ(fUsers(texture), 1);
    gui->fRestoreResources();
    EXPECT_EQ(label->fGetFont(), font) << "one font for the label's life";
    EXPECT_EQ(fUsers(texture), 1);
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
    EXPECT_EQ(font->sprite->texture, render->fGetDefaultTexture());
    label->fSetFontScale(2.0f);
    gui->fRestoreResources();
    EXPECT_EQ(fUsers(font->sprite->texture), 1);
    EXPECT_FLOAT_EQ(font->sprite->transform->scale.x, 2.0f);
    gui->fReleaseResources();
}

TEST_F(Labels, WLabelWithoutDescriptorHasNoFontAndKeepsNoTexture)
{
    auto* label = new ZC_GUI_WLABEL(1, "missing.xml", "font.png", L"A");
    gui->fAdd(label);
    gui->fRestoreResources();
    EXPECT_EQ(label->fGetFont(), nullptr);
    EXPECT_EQ(label->fGetWidth(), 0.0f);
    ZS_TEXTURE* texture = repository->fGetTexture("font.png");
    EXPECT_EQ(fUsers(texture), 1) << "only this fetch holds it";
    repository->fReleaseTexture(texture);
    ASSERT_EQ(render->fBeginFrame(), 1);
    gui->fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
}

TEST_F(Labels, DeletingALabelHandsItsTextureBackOnce)
{
    fLoad(R"(<GUI><LABEL ID="1" TEXTURE="font.png" FONT="font.xml" TEXT="A"/><LABEL ID="2" TEXTURE="font.png" FONT="nofont.xml"/></GUI>)");
    auto* label = dynamic_cast<ZC_GUI_LABEL*>(gui->fFindById(1));
    ASSERT_NE(label, nullptr);
    ZS_TEXTURE* texture = label->fGetFont()->fGetTexture();
    EXPECT_EQ(fUsers(texture), 2);
    EXPECT_EQ(fUsers(repository->fGetXml("font.xml")), 1) << "the descriptor went back after loading";
    repository->fReleaseXml(repository->fGetXml("font.xml"));

    gui->fRemoveById(1);
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(fUsers(texture), 1);
    // The label without a descriptor has a font without glyphs and still gives its texture back.
    gui->fDeleteAll();
    EXPECT_EQ(releases, 2);
    EXPECT_EQ(fUsers(texture), 0);
}

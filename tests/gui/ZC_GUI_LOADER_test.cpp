#include <gtest/gtest.h>

#include <string>

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
pugi::xml_node fParse(pugi::xml_document& doc, const std::string& text)
{
    EXPECT_TRUE(doc.load_string(text.c_str())) << text;
    return doc.document_element();
}

// Records what the loader tells it through the size operation.
struct ZT_SIZED : ZC_GUI_OBJECT
{
    int width = -1, height = -1;
    ZT_SIZED() : ZC_GUI_OBJECT(1) {}
    void fSetSize(int32_t w, int32_t h) override
    {
        width = w;
        height = h;
    }
};

class GuiLoader : public ZT_GUI::ZT_GUI_WORLD
{
protected:

    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        fPutPng("button.png", 500, 60);
        fPutPng("pic.png", 64, 64);
        fMount();
    }
};
}

TEST_F(GuiLoader, ALayoutBecomesATreeWithCaseFreeElementNames)
{
    pugi::xml_document doc;
    pugi::xml_node holder = fParse(doc, R"(
<GUI>
  <button5 ID="1" TEXTURE="button.png">
    <TRANSFORM>10 20 0 5 5 0 0 0 0 1 1 1</TRANSFORM>
    <SCRIPTS>
      <S EVENT="down">onPlay</S>
      <S EVENT="UP">first</S>
      <S EVENT="Up">second</S>
      <S>no event</S>
      <S EVENT="GRAB">not a common event</S>
    </SCRIPTS>
    <CONTEXT>
      <Image ID="2" TEXTURE="pic.png" HOT_SPOT="HS_UL">
        <TRANSFORM>0 0 0 5 5 0 0 0 0 1 1 1</TRANSFORM><POSITION>30 40</POSITION>
      </Image>
      <UNKNOWN ID="9"/>
      <BUTTON5 id="3" TEXTURE="button.png"/>
    </CONTEXT>
  </button5>
  text between elements
  <!-- a comment -->
  <WLABEL ID="4" FONT="font.xml" FONT_TEXTURE="font.png" TEXT="h&#xE9;" VISIBLE="false" HOT_SPOT="0"
          FONT_COLOR="FF00FF00" LETTER_SPACE="2" LINE_SPACE="3" TEXT_ID="17" FONT_SCALE="2"/>
  <IMAGE ID="5"/>
  <CHECKBOX ID="6" TEXTURE="button.png"/>
  <BUTTON2 ID="7" TEXTURE="button.png" ENABLE="no"/>
</GUI>)");
    fLoadGuiFromXml(gui, holder);

    const auto& top = gui->fGetRoot()->fGetChildren();
    ASSERT_EQ(top.size(), 4u) << "IMAGE without TEXTURE and the rest are skipped";
    EXPECT_EQ(top[0]->fGetId(), 1);
    EXPECT_EQ(top[1]->fGetId(), 4);
    EXPECT_EQ(top[2]->fGetId(), 6);
    EXPECT_EQ(top[3]->fGetId(), 7);

    auto* button = dynamic_cast<ZC_GUI_BUTTON5*>(gui->fFindById(1));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->fGetType(), GUI_TYPE_BUTTON);
    EXPECT_EQ(button->fGetGuiRoot(), gui);
    const ZS_TRANSFORM3* t = button->fGetTransform();
    EXPECT_FLOAT_EQ(t->position.x, 10);
    EXPECT_FLOAT_EQ(t->position.y, 20);
    EXPECT_FLOAT_EQ(t->pivot.x, 5);
    ASSERT_NE(button->fGetCallback(ZC_GUI_OBJECT::CB_DOWN), nullptr);
    EXPECT_EQ(button->fGetCallback(ZC_GUI_OBJECT::CB_DOWN)->name, "onPlay");
    EXPECT_EQ(button->fGetCallback(ZC_GUI_OBJECT::CB_DOWN)->target, button);
    EXPECT_EQ(button->fGetCallback(ZC_GUI_OBJECT::CB_UP)->name, "second");
    EXPECT_EQ(button->fGetCallback(ZC_GUI_OBJECT::CB_ENTER), nullptr);
    // Firing a record with a name and no function does nothing.
    EXPECT_EQ(fInvoke(button->fGetCallback(ZC_GUI_OBJECT::CB_DOWN)), 0);

    // CONTEXT: the image hangs under the button; an unknown element and a lower-case id are skipped.
    ASSERT_EQ(button->fGetChildren().size(), 1u);
    auto* image = dynamic_cast<ZC_GUI_IMAGE*>(button->fGetChildren()[0]);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->fGetId(), 2);
    EXPECT_EQ(image->fGetHotSpot(), HS_UL);
    EXPECT_EQ(image->fGetTransform()->parent, t);
    EXPECT_FLOAT_EQ(image->fGetTransform()->pivot.x, 5);
    ZS_TRANSFORM3 world = image->fGetTransform()->fCompose();
    EXPECT_FLOAT_EQ(world.position.x, 40);
    EXPECT_FLOAT_EQ(world.position.y, 60);

    auto* label = dynamic_cast<ZC_GUI_WLABEL*>(gui->fFindById(4));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->fGetText(), L"h\u00e9");
    EXPECT_FALSE(label->fIsVisible());
    EXPECT_EQ(label->fGetAlignment(), 0);
    EXPECT_EQ(label->fGetColor().fToPacked(), 0xFF00FF00u);
    EXPECT_EQ(label->fGetTextId(), 17);
    EXPECT_FLOAT_EQ(label->fGetFontScale(), 2.0f);

    auto* button2 = dynamic_cast<ZC_GUI_BUTTON2*>(gui->fFindById(7));
    ASSERT_NE(button2, nullptr);
    EXPECT_FALSE(button2->fIsEnabled());

    // Nothing is fetched before the first restore; then the pictures are there.
    EXPECT_EQ(image->fGetWidth(), 0.0f);
    gui->fRestoreResources();
    EXPECT_EQ(image->fGetWidth(), 64.0f);
    EXPECT_EQ(button->fGetWidth(), 100.0f);
    // The image's hot spot replaced the pivot only the picture knows.
    EXPECT_FLOAT_EQ(image->fGetTransform()->pivot.x, 0);
    gui->fReleaseResources();
}

TEST_F(GuiLoader, CommonPartReadsTransformSizeAndPositionInOrder)
{
    struct
    {
        const char* xml;
        float px, py, pz, pivotX, pivotY, rotZ, scaleX;
        int width, height;
        const char* why;
    } cases[] = {
        {"<W><TRANSFORM>10 20 0 5 5 0 0 0 0 1 1 1</TRANSFORM></W>", 10, 20, 0, 7, 7, 0, 1, -1, -1,
         "pivot numbers add to the pivot already there"},
        {"<W><TRANSFORM>10  20 0 5 5 0 0 0 0 1 1 1</TRANSFORM></W>", 10, 0, 20, 2, 7, 0, 0, -1, -1,
         "a doubled blank reads an extra 0 and shifts the rest"},
        {"<W><TRANSFORM>10 20 0 5 5 0 0 0 0 1 1</TRANSFORM></W>", 1, 2, 3, 2, 2, 0, 1, -1, -1,
         "eleven numbers change nothing"},
        {"<W><TRANSFORM>10 20 9 5 5 0 0 0 0.5 2 2 2 99</TRANSFORM><POSITION>30 40</POSITION></W>", 30, 40, 0, 7, 7,
         0.5f, 2, -1, -1, "POSITION replaces x and y and zeroes z; a 13th number is ignored"},
        {"<W><SIZE>5</SIZE></W>", 1, 2, 3, 2, 2, 0, 1, 0, 0, "one number sizes (0, 0)"},
        {"<W><SIZE>120 48 7</SIZE><POSITION>8</POSITION></W>", 0, 0, 0, 2, 2, 0, 1, 120, 48,
         "a short POSITION puts the widget at the origin"},
    };
    for (const auto& c : cases)
    {
        pugi::xml_document doc;
        ZT_SIZED w;
        w.fGetTransform()->fSetPosition(1, 2, 3);
        w.fGetTransform()->fSetPivot(2, 2, 0);
        fReadWidgetCommonAttributes(&w, fParse(doc, c.xml));
        const ZS_TRANSFORM3* t = w.fGetTransform();
        EXPECT_FLOAT_EQ(t->position.x, c.px) << c.why;
        EXPECT_FLOAT_EQ(t->position.y, c.py) << c.why;
        EXPECT_FLOAT_EQ(t->position.z, c.pz) << c.why;
        EXPECT_FLOAT_EQ(t->pivot.x, c.pivotX) << c.why;
        EXPECT_FLOAT_EQ(t->pivot.y, c.pivotY) << c.why;
        EXPECT_FLOAT_EQ(t->rotation.z, c.rotZ) << c.why;
        EXPECT_FLOAT_EQ(t->scale.x, c.scaleX) << c.why;
        EXPECT_EQ(w.width, c.width) << c.why;
        EXPECT_EQ(w.height, c.height) << c.why;
    }

    // ENABLE and VISIBLE take pugixml's truth: a leading 1, t, T, y or Y.
    struct
    {
        const char* value;
        bool on;
    } flags[] = {{"1", true}, {"true", true}, {"Yes", true}, {"0", false}, {"false", false}, {"", false}, {"on", false}};
    for (const auto& f : flags)
    {
        pugi::xml_document doc;
        ZT_SIZED w;
        w.fSetVisible(!f.on);
        fReadWidgetCommonAttributes(&w, fParse(doc, std::string("<W ENABLE=\"") + f.value + "\" VISIBLE=\"" + f.value + "\"/>"));
        EXPECT_EQ(w.fIsEnabled(), f.on) << f.value;
        EXPECT_EQ(w.fIsVisible(), f.on) << f.value;
    }
}

TEST_F(GuiLoader, NamedLayoutsAreChosenWithoutRegardToCase)
{
    pugi::xml_document doc;
    pugi::xml_node holder = fParse(doc, R"(
<GUI>
  <!-- the first child element is the fallback, not this comment -->
  <L NAME="menu"><IMAGE ID="1" TEXTURE="pic.png"/></L>
  <L NAME="GAME"><IMAGE ID="2" TEXTURE="pic.png"/><IMAGE ID="3" TEXTURE="pic.png"/></L>
</GUI>)");
    struct
    {
        const char* name;
        std::vector<int> ids;
    } cases[] = {{"game", {2, 3}}, {"Menu", {1}}, {"missing", {1}}};
    for (const auto& c : cases)
    {
        fLoadGuiFromXml(gui, holder, c.name);
        std::vector<int> ids;
        for (ZC_GUI_OBJECT* w : gui->fGetRoot()->fGetChildren())
            ids.push_back(w->fGetId());
        EXPECT_EQ(ids, c.ids) << c.name << ": the GUI is emptied before each load";
    }

    // A holder without children still empties the GUI.
    pugi::xml_document empty;
    fLoadGuiFromXml(gui, fParse(empty, "<GUI/>"), "game");
    EXPECT_TRUE(gui->fGetRoot()->fGetChildren().empty());
    fLoadGuiFromXml(gui, pugi::xml_node());
    fLoadGuiFromXml(nullptr, holder);
}

TEST_F(GuiLoader, ADisabledButton5ShowsFrame4AndStaysOutOfTheWalks)
{
    pugi::xml_document doc;
    fLoadGuiFromXml(gui, fParse(doc, R"(<GUI><BUTTON5 ID="1" TEXTURE="button.png" ENABLE="false"><POSITION>200 100</POSITION></BUTTON5></GUI>)"));
    auto* button = dynamic_cast<ZC_GUI_BUTTON5*>(gui->fFindById(1));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->fGetState(), ZC_GUI_BUTTON5::STATE_DISABLED);
    gui->fRestoreResources();
    EXPECT_FLOAT_EQ(button->fGetSprite()->vertices[0].u, 0.8f);

    button->fEnableButton();
    fMoveTo(200, 100);
    EXPECT_EQ(gui->fOnMouseMove(), nullptr) << "the widget flag stays cleared";
    button->fSetEnabled(true);
    fMoveTo(201, 100);
    ASSERT_NE(gui->fOnMouseMove(), nullptr);
    EXPECT_EQ(gui->fGetEventCode(), GUI_EVENT_ENTER);
    gui->fReleaseResources();
}

TEST_F(GuiLoader, ListHelpersSplitAtEverySingleBlank)
{
    EXPECT_EQ(fReadIntList("1  2 3 "), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(fReadIntList(" 4"), (std::vector<int>{0, 4}));
    EXPECT_EQ(fReadFloatList("0.5 x 2").size(), 3u);
    EXPECT_TRUE(fReadIntList("").empty());
    // A short decimal colour reads its missing numbers as 0 rather than past the list.
    EXPECT_EQ(fReadDecimalColor("255 16").fToPacked(), 0xFF100000u);
    EXPECT_EQ(fReadDecimalColor("128 1 2 3").fToPacked(), 0x80010203u);

    pugi::xml_document doc;
    pugi::xml_node e = fParse(doc, R"(<P><SCRIPTS><A EVENT="grab">g1</A><A EVENT="VALUE_CHANGED">v</A><A EVENT="GRAB">g2</A></SCRIPTS></P>)");
    std::string name;
    EXPECT_TRUE(fFindScript(e, "GRAB", false, &name));
    EXPECT_EQ(name, "g2");
    EXPECT_FALSE(fFindScript(e, "value_changed", true, &name));
    EXPECT_TRUE(fFindScript(e, "VALUE_CHANGED", true, &name));
}

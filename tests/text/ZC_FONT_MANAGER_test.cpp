// The font registry read from a fonts list through the resource repository, the textures it
// holds and hands back, and the font styles that name its fonts.
#include "text/ZT_FONT_FIXTURE.h"

#include <memory>

#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "files/ZT_FILE_FIXTURES.h"

using namespace ZT_FONT;
namespace fs = std::filesystem;

namespace
{
// The same glyphs under a line height of 20, to tell the descriptors apart.
std::string fSecondDescriptor()
{
    std::string text = fDescriptor();
    text.replace(text.find("lineHeight=\"13\""), 15, "lineHeight=\"20\"");
    return text;
}

const char* const kFontsList = R"(<?xml version="1.0"?>
<fonts>
  <font name="main" texture="glyphs.png" xml="main.xml"/>
  <font name="main" texture="other.png" xml="second.xml"/>
  <font name="late" texture="other.png" xml="missing.xml"/>
  <font name="late" texture="glyphs.png" xml="second.xml"/>
  <font name="no_xml" texture="glyphs.png"/>
  <font name="no_texture" xml="main.xml"/>
  <font texture="glyphs.png" xml="main.xml"/>
  text between the entries
  <font name="blank" texture="missing.png" xml="main.xml"/>
</fonts>
)";

// A data root with the fonts list and its files in the folder group "font", a renderer for the
// textures and a repository over both.
class FontManager : public ZT_FONT_FRAME
{
protected:
    std::unique_ptr<ZC_REPOSITORY> repository;
    ZC_FONT_MANAGER manager;

    void SetUp() override
    {
        ZT_FONT_FRAME::SetUp();
        std::string root = fGetFileSystem()->fGetDataRoot();
        for (const fs::path& item : fs::directory_iterator(root))
            fs::remove_all(item);
        std::vector<unsigned char> png = fGlyphPng();
        std::string pngBytes(png.begin(), png.end());
        ZT_TEST::fPutFile(root + "font/glyphs.png", pngBytes);
        ZT_TEST::fPutFile(root + "font/other.png", pngBytes);
        ZT_TEST::fPutFile(root + "font/main.xml", fDescriptor());
        ZT_TEST::fPutFile(root + "font/second.xml", fSecondDescriptor());
        ZT_TEST::fPutFile(root + "font/fonts.xml", kFontsList);
        ZT_TEST::fPutFile(root + "font/more.xml", "<fonts><font name='main' texture='other.png' xml='second.xml'/>"
                                                  "<font name='extra' texture='other.png' xml='second.xml'/></fonts>");
        ZT_TEST::fPutFile(root + "font/rootless.xml", "<fontlist><font name='x' texture='glyphs.png' xml='main.xml'/></fontlist>");
        ZT_TEST::fPutFile(root + "font/broken.xml", "<fonts><font name='x'");
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        ASSERT_EQ(repository->fRegister("font", ""), 1);
    }
    void TearDown() override
    {
        manager.fReleaseTextures();
        zcREPOSITORY = nullptr;
        repository.reset();
        ZT_FONT_FRAME::TearDown();
    }

    int fUsers(const char* name)
    {
        ZS_RESOURCE* entry = repository->fFind(name);
        return entry ? entry->count : -1;
    }
};
}

TEST_F(FontManager, FontsListRegistersTheFirstCompleteEntryOfEachName)
{
    ASSERT_TRUE(manager.fLoad("font fonts.xml"));
    EXPECT_EQ(manager.fonts.size(), 3u);

    // The first "main" wins with its own descriptor and texture; "late" gets the second
    // entry of its name because the first one's descriptor is missing.
    ZC_FONT* main = manager.fGetFont("main");
    ZC_FONT* late = manager.fGetFont("late");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(late, nullptr);
    EXPECT_EQ(main->fGetLineHeight(), 13);
    EXPECT_EQ(late->fGetLineHeight(), 20);
    EXPECT_EQ(main->glyphCount, 5);
    EXPECT_EQ(main->bufferSize, 600);
    EXPECT_NE(main->fGetTexture(), render->fGetDefaultTexture());
    EXPECT_EQ(main->fGetTexture(), late->fGetTexture());
    ZS_RESOURCE* other = repository->fFind("other.png");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->loaded, 0);

    // A missing texture gives the renderer's default texture.
    ASSERT_TRUE(manager.fHasFont("blank"));
    EXPECT_EQ(manager.fGetFont("blank")->fGetTexture(), render->fGetDefaultTexture());

    for (const char* name : {"no_xml", "no_texture", "", "nobody"})
    {
        EXPECT_FALSE(manager.fHasFont(name)) << name;
        EXPECT_EQ(manager.fGetFont(name), nullptr) << name;
    }

    // Each font keeps one user of its texture; the documents are all handed back.
    EXPECT_EQ(fUsers("glyphs.png"), 2);
    EXPECT_EQ(fUsers("fonts.xml"), 0);
    EXPECT_EQ(fUsers("main.xml"), 0);
    EXPECT_EQ(fUsers("second.xml"), 0);

    // A second list adds only names still free.
    ASSERT_TRUE(manager.fLoad("font more.xml"));
    EXPECT_EQ(manager.fGetFont("main"), main);
    EXPECT_EQ(manager.fGetFont("extra")->fGetLineHeight(), 20);
}

TEST_F(FontManager, MissingOrRootlessListsRegisterNothing)
{
    for (const char* name : {"font nothing.xml", "font rootless.xml", "font broken.xml"})
    {
        EXPECT_FALSE(manager.fLoad(name)) << name;
        EXPECT_TRUE(manager.fonts.empty()) << name;
    }
    EXPECT_EQ(fUsers("rootless.xml"), 0);
    EXPECT_EQ(fUsers("glyphs.png"), 0);

    ZC_REPOSITORY* saved = zcREPOSITORY;
    zcREPOSITORY = nullptr;
    EXPECT_FALSE(manager.fLoad("font fonts.xml"));
    EXPECT_EQ(manager.fReleaseTextures(), 0);
    zcREPOSITORY = saved;
}

TEST_F(FontManager, RegisteredFontDrawsUntilItsTextureIsHandedBack)
{
    ASSERT_TRUE(manager.fLoad("font fonts.xml"));
    ZC_FONT* main = manager.fGetFont("main");
    fFrame([&] { main->fDrawText(100, 100, L"AB"); });
    EXPECT_EQ(fLitBoxes(60, 60, 120, 80), fSorted({{101, 102, 6, 8}, {109, 103, 4, 8}}));

    // Both users go, the texture is collected, and the fonts no longer hold it.
    size_t textures = render->fGetTextureCount();
    EXPECT_GE(manager.fReleaseTextures(), 1);
    EXPECT_EQ(render->fGetTextureCount(), textures - 1);
    ZS_RESOURCE* glyphs = repository->fFind("glyphs.png");
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(glyphs->count, 0);
    EXPECT_EQ(glyphs->loaded, 0);
    EXPECT_TRUE(manager.fHasFont("main"));
    EXPECT_EQ(main->fGetTexture(), nullptr);

    // A late draw shows nothing instead of using the freed texture, and a second release
    // takes no user from anyone.
    fFrame([&] { main->fDrawText(100, 100, L"AB"); });
    EXPECT_EQ(render->drawRequests, 0u);
    EXPECT_TRUE(fLitBoxes(60, 60, 120, 80).empty());
    ZS_TEXTURE* again = repository->fGetTexture("glyphs.png");
    EXPECT_EQ(fUsers("glyphs.png"), 1);
    manager.fReleaseTextures();
    EXPECT_EQ(fUsers("glyphs.png"), 1);
    repository->fReleaseTexture(again);
}

TEST_F(FontManager, StylesNameAFontWithColourAndHotSpot)
{
    ASSERT_TRUE(manager.fLoad("font fonts.xml"));
    ZC_FONT* main = manager.fGetFont("main");
    ZC_FONT* late = manager.fGetFont("late");

    ZS_FONT_STYLE fresh;
    EXPECT_EQ(fresh.font, nullptr);
    EXPECT_EQ(fresh.fontName, "");
    EXPECT_EQ(fresh.color.fToPacked(), 0xFFFFFFFFu);
    EXPECT_EQ(fresh.hotSpot, 0);

    // Every case starts from a style already on "late", colour 0xFF112233, hot spot 6.
    struct
    {
        const char* xml;
        bool manager, result;
        ZC_FONT* font;
        const char* name;
        uint32_t color;
        int hotSpot;
        const char* why;
    } cases[] = {
        {"<s fntName='main'/>", true, true, main, "main", 0xFF112233, 6, "name only keeps colour and hot spot"},
        {"<s fntName='main' fntColor='FF20C040' fntHotSpot='HS_DR'/>", true, true, main, "main", 0xFF20C040, 8,
         "all three"},
        {"<s fntName='main' fntColor='0x80FFFFFF' fntHotSpot='HS_UL'/>", true, true, main, "main", 0x80FFFFFF, 0,
         "0x prefix, upper left"},
        {"<s fntName='main' fntHotSpot='corner'/>", true, true, main, "main", 0xFF112233, 4, "unknown hot spot"},
        {"<s fntName='nobody' fntColor='FF000000'/>", true, false, nullptr, "nobody", 0xFF000000, 6,
         "unregistered font: read, but no font"},
        {"<s fntColor='FF000000' fntHotSpot='HS_MU'/>", true, false, late, "late", 0xFF112233, 6, "no name: unchanged"},
        {"<s fntName='main'/>", false, false, late, "late", 0xFF112233, 6, "no manager: unchanged"},
        {"", true, false, late, "late", 0xFF112233, 6, "no element: unchanged"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        pugi::xml_document doc;
        doc.load_string(c.xml);
        ZS_FONT_STYLE style;
        style.font = late;
        style.fontName = "late";
        style.color = ZS_COLOR(0xFF112233u);
        style.hotSpot = 6;
        EXPECT_EQ(style.fLoad(doc.first_child(), c.manager ? &manager : nullptr), c.result);
        EXPECT_EQ(style.font, c.font);
        EXPECT_EQ(style.fontName, c.name);
        EXPECT_EQ(style.color.fToPacked(), c.color);
        EXPECT_EQ(style.hotSpot, c.hotSpot);
    }

    pugi::xml_document doc;
    doc.load_string("<s fntName='late' fntColor='FF0000FF'/>");
    ZS_FONT_STYLE made(doc.first_child(), &manager);
    EXPECT_EQ(made.font, late);
    EXPECT_EQ(made.color.fToPacked(), 0xFF0000FFu);
    EXPECT_EQ(made.hotSpot, 0);
}

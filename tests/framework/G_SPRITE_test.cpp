// Sprites as a player sees them (drawn and read back) and their lazy textures as the repository counts them.
#include "framework/G_SPRITE.h"

#include "ZT_VISUALS.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
class Sprite : public ZT_TEST::ZT_VISUALS
{
};

pugi::xml_node fParse(pugi::xml_document& document, const char* text)
{
    EXPECT_TRUE(document.load_string(text));
    return document.first_child();
}
}

TEST_F(Sprite, EachHotSpotPutsItsAnchorOnThePosition)
{
    G_SPRITE sprite("red64x32.png");
    sprite.fLoadTexture();
    ASSERT_TRUE(sprite.fIsLoaded());
    EXPECT_FLOAT_EQ(sprite.fGetWidth(), 64);
    EXPECT_FLOAT_EQ(sprite.fGetHeight(), 32);
    // The default hot spot is the middle: drawn at (100, 100) it covers (68, 84)-(132, 116).
    EXPECT_FLOAT_EQ(sprite.transform->pivot.x, 32);
    EXPECT_FLOAT_EQ(sprite.transform->pivot.y, 16);

    for (unsigned spot = 0; spot <= 8; ++spot)
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        sprite.fSetHotSpot(spot, 0, 0);
        sprite.fSetPosition(300, 200, 0);
        sprite.fDraw(0, 0, 0);
        ASSERT_EQ(render->fEndFrame(), 0);
        if (spot == 4)
            fSaveFrame("sprite_hot_spot_mid");
        const float left = 300 - 32.0f * float(spot % 3), top = 200 - 16.0f * float(spot / 3);
        EXPECT_TRUE(fShowsBox(left, top, left + 64, top + 32, 0xFFFF0000)) << "hot spot " << spot;
    }
}

TEST_F(Sprite, DrawnUnderItsParentTransform)
{
    G_SPRITE sprite("red64x32.png");
    sprite.fLoadTexture();
    sprite.fSetHotSpot(0, 0, 0);
    ZS_TRANSFORM3 holder;
    holder.fSetPosition(500, 400, 0);
    sprite.transform->parent = &holder;
    sprite.fSetPosition(20, 10, 0);

    ASSERT_EQ(render->fBeginFrame(), 1);
    sprite.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_TRUE(fShowsBox(520, 410, 584, 442, 0xFFFF0000));
}

TEST_F(Sprite, TexturesAreFetchedOnLoadAndHandedBackOnUnload)
{
    G_SPRITE sprite("red64x32.png");
    EXPECT_FALSE(sprite.fIsLoaded());
    EXPECT_FLOAT_EQ(sprite.fGetWidth(), -1);
    EXPECT_EQ(fUsers("red64x32.png"), 0);

    sprite.fLoadTexture();
    sprite.fLoadTexture();
    EXPECT_EQ(fUsers("red64x32.png"), 1) << "a second load does nothing";
    {
        G_SPRITE copy(sprite);
        EXPECT_TRUE(copy.fIsLoaded());
        EXPECT_EQ(fUsers("red64x32.png"), 2) << "a copy of a loaded sprite holds its own reference";
        G_SPRITE assigned;
        assigned = sprite;
        EXPECT_EQ(fUsers("red64x32.png"), 3);
        assigned = assigned;
        EXPECT_EQ(fUsers("red64x32.png"), 3) << "self-assignment changes nothing";
    }
    EXPECT_EQ(fUsers("red64x32.png"), 1) << "copies hand theirs back when destroyed";

    sprite.fUnloadTexture();
    sprite.fUnloadTexture();
    EXPECT_FALSE(sprite.fIsLoaded());
    EXPECT_EQ(fUsers("red64x32.png"), 0) << "one release per load";
    EXPECT_FLOAT_EQ(sprite.fGetWidth(), 64) << "unloading keeps the size";

    // Renaming a loaded sprite moves its reference to the new picture.
    sprite.fLoadTexture();
    sprite.fSetFile("ul16.png");
    EXPECT_EQ(fUsers("red64x32.png"), 0);
    EXPECT_EQ(fUsers("ul16.png"), 1);
    EXPECT_TRUE(sprite.fIsLoaded());
    EXPECT_FLOAT_EQ(sprite.fGetWidth(), 64) << "a known size is not re-taken from a later texture";

    // A destroyed loaded sprite hands its texture back.
    {
        G_SPRITE other("ur16.png");
        other.fLoadTexture();
        EXPECT_EQ(fUsers("ur16.png"), 1);
    }
    EXPECT_EQ(fUsers("ur16.png"), 0);
}

TEST_F(Sprite, AMissingOrEmptyNameLeavesItUnloaded)
{
    G_SPRITE missing("no_such_picture.png");
    missing.fLoadTexture();
    EXPECT_FALSE(missing.fIsLoaded());
    EXPECT_FLOAT_EQ(missing.fGetWidth(), -1);
    EXPECT_EQ(missing.fGetTexture(), render->fGetDefaultTexture());

    G_SPRITE empty;
    empty.fLoadTexture();
    EXPECT_FALSE(empty.fIsLoaded());
    // Unloading what was never loaded touches no count.
    empty.fUnloadTexture();
    EXPECT_EQ(fUsers("red64x32.png"), 0);

    // Drawing an unloaded sprite is harmless (it shows the default texture).
    ASSERT_EQ(render->fBeginFrame(), 1);
    missing.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
}

TEST_F(Sprite, XmlChildrenApplyInTheirOrder)
{
    pugi::xml_document document;
    struct
    {
        const char* xml;
        float pivotX, pivotY, posX, posY, width, height;
        const char* why;
    } cases[] = {
        {"<s><HOT_SPOT>HS_DR</HOT_SPOT><SIZE>20 10</SIZE></s>", 20, 10, 0, 0, 20, 10, "HS_DR on 20 x 10"},
        {"<s><HOT_SPOT>bogus</HOT_SPOT><SIZE>20 10</SIZE></s>", 10, 5, 0, 0, 20, 10, "an unknown name is the middle"},
        {"<s><POS>7 9</POS><TRANSFORM>1 2 0 3 4 0 0 0 0 1 1 1</TRANSFORM></s>", 3, 4, 1, 2, -1, -1,
         "TRANSFORM after POS wins"},
        {"<s><TRANSFORM>1 2 0 3 4 0 0 0 0 1 1 1</TRANSFORM><SIZE>20 10</SIZE></s>", 10, 5, 1, 2, 20, 10,
         "SIZE after TRANSFORM replaces the parsed pivot"},
        {"<s><POS>7</POS></s>", -0.5f, -0.5f, 0, 0, -1, -1, "a POS short of a number is the origin"},
        {"<s><SIZE>5</SIZE></s>", 0, 0, 0, 0, 0, 0, "a SIZE short of a number is 0 x 0"},
    };
    for (const auto& c : cases)
    {
        G_SPRITE sprite(fParse(document, c.xml));
        EXPECT_FLOAT_EQ(sprite.transform->pivot.x, c.pivotX) << c.why;
        EXPECT_FLOAT_EQ(sprite.transform->pivot.y, c.pivotY) << c.why;
        EXPECT_FLOAT_EQ(sprite.transform->position.x, c.posX) << c.why;
        EXPECT_FLOAT_EQ(sprite.transform->position.y, c.posY) << c.why;
        EXPECT_FLOAT_EQ(sprite.fGetWidth(), c.width) << c.why;
        EXPECT_FLOAT_EQ(sprite.fGetHeight(), c.height) << c.why;
    }

    // A resize moves the anchor with the rectangle.
    G_SPRITE corner(fParse(document, "<s><HOT_SPOT>HS_DR</HOT_SPOT><SIZE>20 10</SIZE></s>"));
    corner.fSetSize(40, 10);
    EXPECT_FLOAT_EQ(corner.transform->pivot.x, 40);

    // Hot spot 9 is stored and moves nothing, neither now nor at the next resize.
    corner.fSetHotSpot(9, 5, 5);
    corner.fSetSize(60, 30);
    EXPECT_EQ(corner.fGetHotSpot(), 9u);
    EXPECT_FLOAT_EQ(corner.transform->pivot.x, 40);
    EXPECT_FLOAT_EQ(corner.transform->pivot.y, 10);

    // Offsets last until the next size change.
    corner.fSetHotSpot(0, 5, 6);
    EXPECT_FLOAT_EQ(corner.transform->pivot.x, 5);
    corner.fSetWidth(10);
    EXPECT_FLOAT_EQ(corner.transform->pivot.x, 0);
}

TEST_F(Sprite, SizeFromXmlAndTexture)
{
    pugi::xml_document document;
    // One unknown dimension: both come from the texture.
    G_SPRITE half(fParse(document, "<s><FILE>red64x32.png</FILE><SIZE>10 -1</SIZE></s>"));
    EXPECT_FALSE(half.fIsLoaded()) << "reading FILE fetches nothing";
    half.fLoadTexture();
    EXPECT_FLOAT_EQ(half.fGetWidth(), 64);
    EXPECT_FLOAT_EQ(half.fGetHeight(), 32);
    half.fUnloadTexture();

    // A SIZE outlives unloading and reloading.
    G_SPRITE sized(fParse(document, "<s><FILE>red64x32.png</FILE><SIZE>20 30</SIZE></s>"));
    sized.fLoadTexture();
    sized.fUnloadTexture();
    sized.fLoadTexture();
    EXPECT_FLOAT_EQ(sized.fGetWidth(), 20);
    EXPECT_FLOAT_EQ(sized.fGetHeight(), 30);

    // FILE on a loaded sprite keeps the old texture until the next unload and load.
    sized.fLoadXml(fParse(document, "<s><FILE>ul16.png</FILE></s>"));
    EXPECT_EQ(fUsers("red64x32.png"), 1);
    EXPECT_EQ(fUsers("ul16.png"), 0);
    sized.fUnloadTexture();
    sized.fLoadTexture();
    EXPECT_EQ(fUsers("red64x32.png"), 0);
    EXPECT_EQ(fUsers("ul16.png"), 1);
}

TEST_F(Sprite, ColourIsNotCopied)
{
    pugi::xml_document document;
    G_SPRITE tinted(fParse(document, "<s><COLOR>128 255 0 0</COLOR></s>"));
    EXPECT_EQ(tinted.fGetColor(), 0x80FF0000u);
    tinted.fSetUV(0.5f, 0.5f, 1, 1);
    G_SPRITE copy(tinted);
    EXPECT_EQ(copy.fGetColor(), 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(copy.vertices[0].u, 0);
    EXPECT_NE(copy.transform, tinted.transform) << "an owned transform is copied, not shared";

    G_SPRITE shortColour(fParse(document, "<s><COLOR>128 255</COLOR></s>"));
    EXPECT_EQ(shortColour.fGetColor(), 0xFFFFFFFFu) << "fewer than four numbers give white";
}

TEST_F(Sprite, TextureRectangles)
{
    G_SPRITE sprite("red64x32.png");
    sprite.fLoadTexture();
    struct
    {
        int cols, rows, index;
        float leftU, topV, rightU, bottomV;
    } cells[] = {
        {4, 2, 5, 0.25f, 0.5f, 0.5f, 1.0f},
        {4, 2, 0, 0.0f, 0.0f, 0.25f, 0.5f},
        {0, 2, 3, 0.0f, 0.0f, 0.25f, 0.5f}, // no cells: the previous rectangle stays
    };
    for (const auto& c : cells)
    {
        sprite.fSetFrameCell(c.cols, c.rows, c.index);
        EXPECT_FLOAT_EQ(sprite.vertices[0].u, c.leftU) << c.cols << "x" << c.rows << " #" << c.index;
        EXPECT_FLOAT_EQ(sprite.vertices[0].v, c.topV);
        EXPECT_FLOAT_EQ(sprite.vertices[2].u, c.rightU);
        EXPECT_FLOAT_EQ(sprite.vertices[2].v, c.bottomV);
    }

    // A 150.7 x 40 rectangle over the 64 x 32 picture repeats it at its own scale.
    sprite.fSetSize(150.7f, 40);
    sprite.fSetUVToSize();
    EXPECT_FLOAT_EQ(sprite.vertices[2].u, 150.0f / 64.0f);
    EXPECT_FLOAT_EQ(sprite.vertices[2].v, 40.0f / 32.0f);
    // A size beyond any screen repeats nothing new: the last rectangle stays.
    sprite.fSetSize(2147483647.0f, 40);
    sprite.fSetUVToSize();
    EXPECT_FLOAT_EQ(sprite.vertices[2].u, 150.0f / 64.0f);
    EXPECT_FLOAT_EQ(sprite.vertices[2].v, 40.0f / 32.0f);
}

TEST_F(Sprite, PointerOverTheBoxIncludesItsEdges)
{
    G_SPRITE sprite("red64x32.png");
    sprite.fLoadTexture();
    sprite.fSetPosition(100, 100, 0); // covers (68, 84)-(132, 116)
    sprite.fSetRotationZ(1.0f);       // rotation and scale play no part
    struct
    {
        int x, y;
        bool over;
    } cases[] = {
        {68, 84, true}, {132, 116, true}, {100, 100, true}, {67, 100, false}, {133, 100, false}, {100, 117, false},
    };
    for (const auto& c : cases)
    {
        input.position = ZS_POINT(c.x, c.y);
        EXPECT_EQ(sprite.fIsMouseOver(), c.over) << c.x << "," << c.y;
    }

    // A parent moves the box.
    ZS_TRANSFORM3 holder;
    holder.fSetPosition(10, 0, 0);
    sprite.transform->parent = &holder;
    input.position = ZS_POINT(142, 100);
    EXPECT_TRUE(sprite.fIsMouseOver());
}

// The game's own pointer: read from its file, drawn with its tip on the pointer.
#include "framework/G_CURSOR.h"

#include "ZT_VISUALS.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
class Cursor : public ZT_TEST::ZT_VISUALS
{
};
}

TEST_F(Cursor, DrawnWithItsTopLeftOnThePointerWhileEnabled)
{
    G_CURSOR cursor;
    ASSERT_TRUE(cursor.fLoad("gCursor.xml"));
    EXPECT_EQ(fUsers("gCursor.xml"), 0) << "the document is handed back";
    cursor.fLoadTexture();
    ASSERT_TRUE(cursor.fGetSprite()->fIsLoaded());

    input.position = ZS_POINT(300, 200);
    ASSERT_EQ(render->fBeginFrame(), 1);
    cursor.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("cursor");
    EXPECT_TRUE(fShowsBox(300, 200, 316, 216, 0xFFFF0000));
    EXPECT_FLOAT_EQ(cursor.fGetSprite()->transform->position.x, 0) << "the sprite's own place is restored";

    cursor.fSetEnabled(false);
    ASSERT_EQ(render->fBeginFrame(), 1);
    cursor.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(fGamePixel(308, 208), ZT_TEST::kClear);
    EXPECT_TRUE(cursor.fGetSprite()->fIsLoaded());

    cursor.fUnloadTexture();
    EXPECT_EQ(fUsers("ul16.png"), 0);
}

TEST_F(Cursor, ASecondFileRenamesTheOneSprite)
{
    G_CURSOR cursor;
    ASSERT_TRUE(cursor.fLoad("gCursor.xml"));
    cursor.fLoadTexture();
    G_SPRITE* sprite = cursor.fGetSprite();
    ASSERT_TRUE(cursor.fLoad("gCursorOther.xml"));
    EXPECT_EQ(cursor.fGetSprite(), sprite);
    EXPECT_EQ(sprite->fGetFile(), "dr16.png");
    EXPECT_EQ(fUsers("ul16.png"), 0);
    EXPECT_EQ(fUsers("dr16.png"), 1) << "a loaded cursor reloads under its new name";
    EXPECT_EQ(sprite->fGetHotSpot(), 0u);
}

TEST_F(Cursor, BadFilesLeaveNoCursorOrAnEmptyOne)
{
    G_CURSOR cursor;
    EXPECT_FALSE(cursor.fLoad("no_such_cursor.xml"));
    EXPECT_FALSE(cursor.fLoad("gCursorBroken.xml"));
    EXPECT_FALSE(cursor.fLoad(nullptr));
    EXPECT_EQ(cursor.fGetSprite(), nullptr);
    // Without a sprite every operation is harmless.
    cursor.fLoadTexture();
    cursor.fDraw();
    cursor.fUnloadTexture();

    ASSERT_TRUE(cursor.fLoad("gCursorNoFile.xml"));
    ASSERT_NE(cursor.fGetSprite(), nullptr);
    EXPECT_EQ(cursor.fGetSprite()->fGetFile(), "");
    cursor.fLoadTexture();
    EXPECT_FALSE(cursor.fGetSprite()->fIsLoaded());
}

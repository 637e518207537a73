// Mesh placement and editing, seen through the batch on the null device.
#include "render/ZT_RENDER_FIXTURE.h"

#include "engine/render/ZC_MESH.h"
#include "engine/render/ZC_QUAD.h"

using namespace ZT_RENDER;

namespace
{
class Mesh : public ZT_NULL_RENDER
{
};
}

TEST_F(Mesh, DrawAtPlacesOnceAndRestoresTheTransform)
{
    ZS_TEXTURE* t = render->fCreateTexture(10, 10);
    ZC_QUAD q(t);
    q.transform->fSetPosition(7, 8, 5);
    q.transform->fSetScale(2, 0, 3);
    q.fDrawAt(100, 200, 0, 3, 0);
    ZS_VERTEX corner = q.vertices[2];
    corner.fTransform(render->fGetBatchWorld());
    EXPECT_FLOAT_EQ(corner.x, 130);
    EXPECT_FLOAT_EQ(corner.y, 230);
    EXPECT_FLOAT_EQ(q.transform->position.x, 7);
    EXPECT_FLOAT_EQ(q.transform->position.y, 8);
    EXPECT_FLOAT_EQ(q.transform->position.z, 0);
    EXPECT_FLOAT_EQ(q.transform->scale.x, 2);
    EXPECT_FLOAT_EQ(q.transform->scale.y, 2);
    EXPECT_FLOAT_EQ(q.transform->scale.z, 1);
    EXPECT_EQ(render->fGetBatchedVertices(), 4u);

    ZC_MESH bare(4, t, nullptr, ZC_QUAD::kIndices, 6);
    bare.state = q.state;
    bare.fDrawAt(50, 60, 0, 1, 1);
    EXPECT_EQ(render->fGetBatchedVertices(), 8u);
}

TEST_F(Mesh, DrawInWorldFollowsTheParentChain)
{
    ZS_TEXTURE* t = render->fCreateTexture(10, 10);
    ZS_TRANSFORM3 parent, child;
    parent.fSetPosition(100, 50, 0);
    child.parent = &parent;
    child.fSetPosition(10, 20, 0);
    ZC_QUAD q(t, &child);
    q.fDrawInWorld();
    ZS_VERTEX corner = q.vertices[0];
    corner.fTransform(render->fGetBatchWorld());
    EXPECT_FLOAT_EQ(corner.x, 110);
    EXPECT_FLOAT_EQ(corner.y, 70);
    q.fDraw();
    corner = q.vertices[0];
    corner.fTransform(render->fGetBatchWorld());
    EXPECT_FLOAT_EQ(corner.x, 10);
}

TEST_F(Mesh, EditsAndOwnStorage)
{
    ZS_VERTEX borrowed[3];
    ZC_MESH m;
    m.fSetVertices(borrowed, 3);
    m.fAllocVertices(2); // the borrowed array is left alone, the mesh takes storage of its own
    ASSERT_NE(m.vertices, borrowed);
    EXPECT_EQ(m.fGetVertexCount(), 2);
    EXPECT_EQ(m.fGetColor(), 0xFFFFFFFFu);
    m.vertices[1].fSetPosition(10, 0, 0);
    m.fScaleAbout(5, 0, 0, 2, 1, 1);
    EXPECT_FLOAT_EQ(m.vertices[1].x, 15);
    m.fOffsetUV(0.25f, 0.5f);
    EXPECT_FLOAT_EQ(m.vertices[0].v, 0.5f);
    EXPECT_EQ(m.fGetVertex(2), nullptr);
    m.fFreeVertices();
    EXPECT_TRUE(m.fIsEmpty());
    m.fFreeVertices();

    ZS_TRANSFORM3 t;
    m.fSetScale(2, 0, 1);
    m.fCopyTransform(t);
    m.fSetScale(2, 0, 1);
    EXPECT_FLOAT_EQ(m.transform->scale.y, 2);
}

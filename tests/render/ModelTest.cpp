#include <gtest/gtest.h>

#include <memory>

#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "render/Animation.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/Sprite.h"
#include "render/Take.h"

namespace {
class ModelTest : public ::testing::Test {
protected:
    WorkDir dir;
    RenderEngine engine{std::make_unique<RecordingRenderer>()};
    RecordingRenderer* renderer = static_cast<RecordingRenderer*>(engine.renderer.get());

    ~ModelTest() override { engine.clean_up(); }

    std::unique_ptr<Model> load(const std::string& text)
    {
        WorkDir::write("m.obj", text);
        return std::make_unique<Model>(&engine, "m.obj");
    }
};

std::vector<int> indicesOf(const Object* o)
{
    return std::vector<int>(o->indices.get(), o->indices.get() + o->indexCount);
}
const std::string cube = WorkDir::dataDir() + "cube.obj";
}

TEST_F(ModelTest, EqualCornersShareOneVertexAndTheFirstOccurrenceNumbersIt)
{
    auto m = load("v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0 0\nvt 1 1\nvn 0 0 1\ng Quad\n"
                  "f 1/1/1 2/1/1 3/1/1\nf 3/1/1 2/1/1 4/1/1\n"
                  "f 1/2/1 2/1/1 3/1/1\n#\n");  // same position, other texture: a new vertex
    const Object* o = m->objects.at(0);
    EXPECT_EQ(indicesOf(o), (std::vector<int>{0, 1, 2, 2, 1, 3, 4, 1, 2}));
    ASSERT_EQ(o->vertexCount, 5);
    EXPECT_EQ(o->vertices[3 * 3 + 1], 1.0f);  // the fourth vertex is position 4 (1, 1, 0)
    EXPECT_EQ(o->vertices[3 * 4], 0.0f);      // the fifth is position 1 again
    EXPECT_EQ(o->texCoords[2 * 4], 1.0f);     // with texture coordinate 2
    // Corners may leave out their texture or normal index.
    auto mixed = load("v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1 1\nvn 0 0 1\ng A\nf 1//1 2/1/1 3/1/1\n#\n");
    EXPECT_EQ(mixed->objects[0]->texCoords[0], 0.0f);
    EXPECT_EQ(mixed->objects[0]->texCoords[2], 1.0f);
}

TEST_F(ModelTest, BadFacesAndLongLinesAreSkippedSafelyWithALogLine)
{
    auto m = load("v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0 0\nvn 0 0 1\n"
                  "f 1/1/1 2/1/1 3/1/1\n"  // before any group
                  "g A\n"
                  "f 0/1/1 2/1/1 3/1/1\nf -1/1/1 2/1/1 3/1/1\nf 1/1/1 2/1/1 5/1/1\n"
                  "f 1/3/1 2/1/1 3/1/1\nf 1/1/2 2/1/1 3/1/1\nf 1/x/1 2/1/1 3/1/1\n"
                  "f 1/1/1 2/1/1 3/1/1 4/1/1\nf 1/1/1 2/1/1\nf\n"
                  "f 1/1/1 2/1/1 4/1/1\n"  // the one good face
                  "#\n");
    ASSERT_EQ(m->objects.size(), 1u);
    EXPECT_EQ(indicesOf(m->objects[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(m->objects[0]->vertices[2 * 3], 1.0f);  // third corner is position 4
    EXPECT_EQ(dir.count("Face or material outside a group in model file: m.obj"), 1);
    EXPECT_EQ(dir.count("Face with a bad index skipped in model file: m.obj"), 1);
    EXPECT_EQ(dir.count("Face that is not a triangle skipped in model file: m.obj"), 1);

    auto cut = load("v 0 0 0\nv 1 0 0\nv 0 1 0\ng A\nf 1 2 3\n# " + std::string(300, 'x') + "\ng B\nf 1 2 3\n#\n");
    EXPECT_TRUE(dir.logged("Model file line too long, reading stopped: m.obj"));
    EXPECT_EQ(cut->objects.size(), 1u);
}

TEST_F(ModelTest, TheCacheLoadsEachPathOnceAndBindsMaterialsByName)
{
    Model* a = engine.loadModel(cube);
    EXPECT_EQ(engine.loadModel(cube), a);
    Model* missing = engine.loadModel("absent.obj");
    EXPECT_EQ(engine.loadModel("absent.obj"), missing);  // a failed load is cached all the same
    EXPECT_TRUE(missing->objects.empty());
    EXPECT_EQ(engine.models.size(), 2u);
    EXPECT_EQ(dir.count("Loaded Model: "), 1);
    EXPECT_EQ(dir.count("Missing model file absent.obj"), 1);
    ASSERT_EQ(a->objects.size(), 2u);
    EXPECT_EQ(a->objects[1]->material, engine.tileMaterial);
    ASSERT_EQ(a->takes.size(), 1u);

    WorkDir::write("a.mtl", "newmtl Same\nKd 1 0 0\n");
    WorkDir::write("b.mtl", "newmtl Same\nKd 0 1 0\n");
    auto m = load("mtllib a.mtl b.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n"
                  "g A\nusemtl Same\nf 1 2 3\ng B\nusemtl Unknown\nf 1 2 3\n#\n");
    EXPECT_EQ(m->objects[0]->material, engine.materials.back().get());  // the last of that name
    EXPECT_EQ(m->objects[1]->material, nullptr);
}

TEST_F(ModelTest, CopiesAndSpritesShareNothingWithTheirSource)
{
    Model* source = engine.loadModel(cube);
    auto copy = std::make_unique<Model>(*source);
    ASSERT_EQ(copy->objects.size(), source->objects.size());
    for (size_t i = 0; i < source->objects.size(); ++i) {
        EXPECT_NE(source->objects[i]->vertices.get(), copy->objects[i]->vertices.get());
        EXPECT_EQ(indicesOf(source->objects[i]), indicesOf(copy->objects[i]));
    }
    const Animation* anim = copy->takes.at(0)->animations.at(0).get();
    EXPECT_EQ(anim->object, copy->objects[0]);
    EXPECT_EQ(anim->model, copy.get());
    copy->objects[0]->vertices[0] = 42.0f;
    EXPECT_NE(source->objects[0]->vertices[0], 42.0f);
    // A copy of a copy outlives its source.
    auto second = std::make_unique<Model>(*copy);
    copy.reset();
    EXPECT_EQ(second->objects[0]->vertices[0], 42.0f);
    EXPECT_EQ(second->takes[0]->animations[0]->object, second->objects[0]);

    Sprite s(&engine, 1, 2, 3);
    s.makeDuplicate("nothing.obj");  // not cached: nothing happens
    EXPECT_TRUE(s.objects.empty());
    s.makeDuplicate(cube);
    Sprite t(s);
    ASSERT_EQ(t.objects.size(), 2u);
    EXPECT_NE(t.objects[0], s.objects[0]);
    EXPECT_EQ(t.takes.at(0)->animations[0]->object, t.objects[0]);
    t.draw();
    EXPECT_EQ(renderer->renderedModels, 1);
}

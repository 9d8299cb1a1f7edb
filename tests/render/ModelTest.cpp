#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "game/MtRng.h"
#include "render/Animation.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Sprite.h"
#include "render/Take.h"


namespace {
class ModelTest : public ::testing::Test {
protected:
    WorkDir dir;
    RecordingRenderer* renderer = new RecordingRenderer;
    RenderEngine engine{renderer};

    ~ModelTest() override { engine.clean_up(); }

    std::unique_ptr<Model> load(const std::string& text, const std::string& name = "m.obj")
    {
        WorkDir::write(name, text);
        return std::make_unique<Model>(&engine, name);
    }
};

const char* const square =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n"
    "vt 0 0\nvt 1 1\n"
    "vn 0 0 1\n";

std::vector<int> indicesOf(const Object* o)
{
    return std::vector<int>(o->indices, o->indices + o->indexCount);
}
}

TEST_F(ModelTest, EqualCornersShareOneVertexAndTheFirstOccurrenceNumbersIt)
{
    auto m = load(std::string(square) +
                  "o Quad\n"
                  "f 1/1/1 2/1/1 3/1/1\n"
                  "f 3/1/1 2/1/1 4/1/1\n"
                  "f 1/2/1 2/1/1 3/1/1\n"  // same position, other texture: a new vertex
                  "# done\n");
    ASSERT_EQ(m->objects.size(), 1u);
    const Object* o = m->objects[0];
    EXPECT_EQ(o->name, "Quad");
    EXPECT_EQ(indicesOf(o), (std::vector<int>{0, 1, 2, 2, 1, 3, 4, 1, 2}));
    ASSERT_EQ(o->vertexCount, 5);
    EXPECT_EQ(o->vertices[3 * 3], 1.0f);      // the fourth vertex is position 4 (1, 1, 0)
    EXPECT_EQ(o->vertices[3 * 3 + 1], 1.0f);
    EXPECT_EQ(o->vertices[3 * 4], 0.0f);      // the fifth is position 1 again
    EXPECT_EQ(o->texCoords[2 * 4], 1.0f);     // with texture coordinate 2
    EXPECT_EQ(o->texCoords[2 * 4 + 1], 1.0f);
    EXPECT_EQ(o->normals[3 * 4 + 2], 1.0f);
}

TEST_F(ModelTest, CornersMayOmitTextureOrNormalIndices)
{
    auto noTex = load("v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 1 0\ng A\nf 1//1 2//1 3//1\n#\n");
    ASSERT_EQ(noTex->objects[0]->vertexCount, 3);
    EXPECT_EQ(noTex->objects[0]->normals[1], 1.0f);
    EXPECT_EQ(noTex->objects[0]->texCoords[0], 0.0f);

    auto bare = load("v 0 0 0\nv 1 0 0\nv 0 1 0\ng A\nf 1 2 3\n#\n");
    EXPECT_EQ(indicesOf(bare->objects[0]), (std::vector<int>{0, 1, 2}));

    // The file has texture coordinates but a corner leaves its own out.
    auto mixed = load(std::string(square) + "g A\nf 1//1 2/2/1 3/2/1\n\n");
    EXPECT_EQ(mixed->objects[0]->vertexCount, 3);
    EXPECT_EQ(mixed->objects[0]->texCoords[0], 0.0f);
    EXPECT_EQ(mixed->objects[0]->texCoords[2], 1.0f);
}

TEST_F(ModelTest, GroupsNameObjectsAndTheLastFacesOfTheFileStayUnbuilt)
{
    auto m = load(std::string(square) +
                  "g default\nf 1/1/1 2/1/1 3/1/1\n"
                  "s off\n"                          // does not finish the faces
                  "f 3/1/1 2/1/1 4/1/1\n"
                  "o Tile\nf 1/1/1 2/1/1 3/1/1\n"
                  "# a comment builds Tile\n"
                  "f 3/1/1 2/1/1 4/1/1\n"            // more faces: Tile is built again with all
                  "\n"
                  "g Face\nf 1/1/1 2/1/1 3/1/1\n");  // last line: never built
    ASSERT_EQ(m->objects.size(), 3u);
    EXPECT_EQ(m->objects[0]->name, "");
    EXPECT_EQ(m->objects[0]->indexCount, 6);
    EXPECT_EQ(m->objects[1]->name, "Tile");
    EXPECT_EQ(m->objects[1]->indexCount, 6);
    EXPECT_EQ(m->objects[2]->name, "Face");
    EXPECT_EQ(m->objects[2]->indexCount, 0);
    EXPECT_EQ(m->objects[2]->indices, nullptr);
}

TEST_F(ModelTest, ObjectBoxesPlanesAndRadius)
{
    auto m = load("v 2 0 -1\nv 5 1 1\nv 5 0 1\nv 9 9 9\n"
                  "g Box\nf 1 2 3\n"
                  "g Flat\nf 1 2 3\n#\n");
    const Object* o = m->objects[0];
    EXPECT_EQ(o->boxMin, Vector3(2, 0, -1));
    EXPECT_EQ(o->boxMax, Vector3(5, 1, 1));
    EXPECT_EQ(o->centre, Vector3(3.5f, 0.5f, 0.0f));
    // Every corner of the box, each once, and each side plane through a
    // corner with an outward unit normal.
    for (const Vector3& c : o->corners)
        EXPECT_TRUE((c.x == 2 || c.x == 5) && (c.y == 0 || c.y == 1) && (c.z == -1 || c.z == 1));
    for (int i = 0; i < 6; ++i)
        EXPECT_GT((o->planePoints[i] - o->centre).dot(o->planeNormals[i]), 0.0f) << i;
    EXPECT_FLOAT_EQ(o->radius, Vector3(1.5f, 0.5f, 1.0f).length());

    // The model box covers every position of the file, used or not.
    EXPECT_EQ(m->corners[6], Vector3(2, 0, -1));
    EXPECT_EQ(m->corners[7], Vector3(9, 9, 9));
    EXPECT_FLOAT_EQ(m->radius, Vector3(9, 9, 9).length());

    m->calculateSize();
    EXPECT_FLOAT_EQ(m->width, 3.0f);
    EXPECT_FLOAT_EQ(m->height, 1.0f);
    EXPECT_FLOAT_EQ(m->depth, 2.0f);

    auto flat = load("v 0 0 0\nv 2 0 0\nv 0 3 0\ng F\nf 1 2 3\n#\n");
    const Object* f = flat->objects[0];
    EXPECT_EQ(f->planeNormals[0], Vector3(0, 0, -1));
    EXPECT_EQ(f->planeNormals[3], Vector3(0, 0, 1));
    for (int i : {1, 2, 4, 5})  // a flat box has no sides
        EXPECT_EQ(f->planeNormals[i], Vector3()) << i;

    Model empty(&engine, "");
    empty.calculateSize();
    EXPECT_EQ(empty.width, -1.0f);
    EXPECT_EQ(empty.height, -1.0f);
    EXPECT_EQ(empty.depth, -1.0f);
}

TEST_F(ModelTest, BadFacesAreSkippedWithALogLine)
{
    dir.clearLog();
    auto m = load(std::string(square) +
                  "f 1/1/1 2/1/1 3/1/1\n"         // before any group
                  "usemtl Nothing\n"
                  "g A\n"
                  "f 0/1/1 2/1/1 3/1/1\n"         // zero
                  "f -1/1/1 2/1/1 3/1/1\n"        // negative
                  "f 1/1/1 2/1/1 5/1/1\n"         // beyond the positions
                  "f 1/3/1 2/1/1 3/1/1\n"         // beyond the texture coordinates
                  "f 1/1/2 2/1/1 3/1/1\n"         // beyond the normals
                  "f 1/x/1 2/1/1 3/1/1\n"         // not a number
                  "f 1/1/1 2/1/1 3/1/1 4/1/1\n"   // a quad
                  "f 1/1/1 2/1/1\n"               // too few corners
                  "f\n"
                  "f 1/1/1 2/1/1 4/1/1\n"         // the one good face
                  "#\n");
    const std::string text = dir.log();
    ASSERT_EQ(m->objects.size(), 1u);
    EXPECT_EQ(indicesOf(m->objects[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(m->objects[0]->vertices[2 * 3], 1.0f);  // third corner is position 4
    EXPECT_EQ(WorkDir::countOf(text, "Face or material outside a group in model file: m.obj"), 1);
    EXPECT_EQ(WorkDir::countOf(text, "Face with a bad index skipped in model file: m.obj"), 1);
    EXPECT_EQ(WorkDir::countOf(text, "Face that is not a triangle skipped in model file: m.obj"), 1);
}

TEST_F(ModelTest, LongLinesEndTheReadingSafely)
{
    dir.clearLog();
    auto m = load("v 0 0 0\nv 1 0 0\nv 0 1 0\ng A\nf 1 2 3\n# " + std::string(300, 'x') +
                  "\ng B\nf 1 2 3\n#\n");
    EXPECT_NE(dir.log().find("Model file line too long, reading stopped: m.obj"), std::string::npos);
    ASSERT_EQ(m->objects.size(), 1u);  // reading ended at the long line, as at the end
    EXPECT_EQ(m->objects[0]->indexCount, 0);
}

TEST_F(ModelTest, TheCacheLoadsEachPathOnceFoundOrMissing)
{
    dir.clearLog();
    Model* a = engine.loadModel(WorkDir::dataDir() + "cube.obj");
    EXPECT_EQ(engine.loadModel(WorkDir::dataDir() + "cube.obj"), a);
    Model* first = engine.loadModel("absent.obj");
    EXPECT_EQ(engine.loadModel("absent.obj"), first);  // a failed load is cached all the same
    EXPECT_TRUE(first->objects.empty());
    EXPECT_EQ(engine.models.size(), 2u);
    const std::string text = dir.log();
    EXPECT_EQ(WorkDir::countOf(text, "Loaded Model: "), 1);
    EXPECT_EQ(WorkDir::countOf(text, "Loaded animation file: " + WorkDir::dataDir() + "cube.anim"), 1);
    EXPECT_EQ(WorkDir::countOf(text, "Missing model file absent.obj"), 1);
}

TEST_F(ModelTest, MaterialsOfTheModelFileAreBoundByName)
{
    WorkDir::write("a.mtl", "newmtl Same\nKd 1 0 0\n");
    WorkDir::write("b.mtl", "newmtl Same\nKd 0 1 0\n");
    auto m = load("mtllib a.mtl b.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n"
                  "g A\nusemtl Same\nf 1 2 3\n"
                  "g B\nusemtl Unknown\nf 1 2 3\n#\n");
    ASSERT_EQ(engine.materials.size(), 2u);
    EXPECT_EQ(m->objects[0]->material, engine.materials[1]);  // the last of that name
    EXPECT_EQ(m->objects[1]->materialName, "Unknown");
    EXPECT_EQ(m->objects[1]->material, nullptr);

    Model* cube = engine.loadModel(WorkDir::dataDir() + "cube.obj");
    ASSERT_EQ(cube->objects.size(), 2u);
    EXPECT_EQ(cube->objects[0]->name, "Box");
    EXPECT_EQ(cube->objects[0]->indexCount, 36);
    EXPECT_EQ(cube->objects[1]->material, engine.tileMaterial);
    ASSERT_EQ(cube->takes.size(), 1u);
    EXPECT_EQ(cube->currentTake, cube->takes[0]);
}

TEST_F(ModelTest, CopiesShareNothingWithTheirSource)
{
    Model* cube = engine.loadModel(WorkDir::dataDir() + "cube.obj");
    auto copy = std::make_unique<Model>(*cube);
    ASSERT_EQ(copy->objects.size(), cube->objects.size());
    for (size_t i = 0; i < cube->objects.size(); ++i) {
        const Object* a = cube->objects[i];
        const Object* b = copy->objects[i];
        EXPECT_NE(a, b);
        EXPECT_NE(a->vertices, b->vertices);
        EXPECT_NE(a->indices, b->indices);
        ASSERT_EQ(a->indexCount, b->indexCount);
        EXPECT_EQ(indicesOf(a), indicesOf(b));
        EXPECT_EQ(a->material, b->material);  // materials belong to the engine
    }
    ASSERT_EQ(copy->takes.size(), 1u);
    EXPECT_EQ(copy->currentTake, copy->takes[0]);
    const Animation* anim = copy->takes[0]->animations.at(0);
    EXPECT_EQ(anim->object, copy->objects[0]);
    EXPECT_EQ(anim->model, copy.get());
    EXPECT_NE(anim, cube->takes[0]->animations[0]);

    copy->objects[0]->vertices[0] = 42.0f;
    EXPECT_NE(cube->objects[0]->vertices[0], 42.0f);

    // A copy of a copy outlives its source.
    auto second = std::make_unique<Model>(*copy);
    copy.reset();
    EXPECT_EQ(second->objects[0]->vertices[0], 42.0f);
    EXPECT_EQ(second->takes[0]->animations[0]->object, second->objects[0]);
}

TEST_F(ModelTest, SpritesDuplicateCachedModelsAndDraw)
{
    Model* cube = engine.loadModel(WorkDir::dataDir() + "cube.obj");
    cube->rotation = Vector3(0, 45, 0);
    Sprite s(&engine, 1, 2, 3);
    s.makeDuplicate("nothing.obj");  // not cached: nothing happens
    EXPECT_TRUE(s.objects.empty());
    EXPECT_EQ(s.worldPosition, Vector3(1, 2, 3));

    s.makeDuplicate(WorkDir::dataDir() + "cube.obj");
    EXPECT_EQ(s.objects.size(), 2u);
    EXPECT_EQ(s.getPath(), WorkDir::dataDir() + "cube.obj");
    EXPECT_EQ(s.rotation, Vector3(0, 45, 0));
    EXPECT_EQ(s.corners[7], cube->corners[7]);
    ASSERT_EQ(s.takes.size(), 1u);
    EXPECT_EQ(s.takes[0]->animations[0]->object, s.objects[0]);

    Sprite t(s);
    EXPECT_EQ(t.objects.size(), 2u);
    EXPECT_NE(t.objects[0], s.objects[0]);

    t.draw();
    EXPECT_EQ(renderer->renderedModels, 1);
}

TEST_F(ModelTest, DeDuplicationMatchesAPlainSearchOnManyCorners)
{
    // Few distinct entries, many corners: most corners repeat an earlier one.
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += "v " + std::to_string(i) + " 0 0\nvt " + std::to_string(i) + " 1\n";
    text += "vn 0 0 1\nvn 0 1 0\ng Many\n";
    std::vector<std::array<int, 3>> corners;
    MtRng<Mt32Traits> rng(7);
    for (int face = 0; face < 3000; ++face) {
        text += "f";
        for (int c = 0; c < 3; ++c) {
            const std::array<int, 3> k = {static_cast<int>(rng() % 6), static_cast<int>(rng() % 6),
                                          static_cast<int>(rng() % 2)};
            corners.push_back(k);
            text += " " + std::to_string(k[0] + 1) + "/" + std::to_string(k[1] + 1) + "/" +
                    std::to_string(k[2] + 1);
        }
        text += "\n";
    }
    auto m = load(text + "# end\n");

    std::vector<std::array<int, 3>> unique;
    std::vector<int> expected;
    for (const auto& k : corners) {
        const auto at = std::find(unique.begin(), unique.end(), k);
        expected.push_back(static_cast<int>(at - unique.begin()));
        if (at == unique.end())
            unique.push_back(k);
    }
    const Object* o = m->objects.at(0);
    EXPECT_EQ(indicesOf(o), expected);
    ASSERT_EQ(o->vertexCount, static_cast<int>(unique.size()));
    for (size_t i = 0; i < unique.size(); ++i) {
        EXPECT_EQ(o->vertices[3 * i], static_cast<float>(unique[i][0]));
        EXPECT_EQ(o->texCoords[2 * i], static_cast<float>(unique[i][1]));
        EXPECT_EQ(o->normals[3 * i + 1], static_cast<float>(unique[i][2]));
    }
}

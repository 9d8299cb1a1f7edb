#include "render/Model.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <utility>

#include "base/Log.h"
#include "base/LineReader.h"
#include "base/WordReader.h"
#include "render/Material.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/Take.h"

namespace {
// A model file line longer than this ends the reading.
constexpr size_t maxLine = 255;

// A 1-based index into a list of count entries, as a 0-based one.
bool listIndex(const std::string& word, size_t count, size_t& index)
{
    int value = 0;
    if (!WordReader::toInt(word, value) || value < 1 || static_cast<size_t>(value) > count)
        return false;
    index = static_cast<size_t>(value) - 1;
    return true;
}

// One face corner written p/t/n, p//n, p/t or p. A texture or normal index
// is read only when the file has that list; an absent one leaves the entry
// null (it is drawn as zeros). False when a present index is not valid.
bool readCorner(const std::string& word, std::deque<Vector3>& positions,
                std::deque<Vector3>& texCoords, std::deque<Vector3>& normals,
                Vector3*& p, Vector3*& t, Vector3*& n)
{
    const size_t slash1 = word.find('/');
    const size_t slash2 = slash1 == std::string::npos ? std::string::npos : word.find('/', slash1 + 1);
    const std::string ps = word.substr(0, slash1);
    const std::string ts = slash1 == std::string::npos ? "" : word.substr(slash1 + 1, slash2 - slash1 - 1);
    const std::string ns = slash2 == std::string::npos ? "" : word.substr(slash2 + 1);

    size_t i = 0;
    if (!listIndex(ps, positions.size(), i))
        return false;
    p = &positions[i];
    t = nullptr;
    n = nullptr;
    if (!texCoords.empty() && !ts.empty()) {
        if (!listIndex(ts, texCoords.size(), i))
            return false;
        t = &texCoords[i];
    }
    if (!normals.empty() && !ns.empty()) {
        if (!listIndex(ns, normals.size(), i))
            return false;
        n = &normals[i];
    }
    return true;
}

uint64_t mixPointer(uint64_t h, const void* p)
{
    h ^= reinterpret_cast<uintptr_t>(p) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

uint64_t vertexHash(const Vector3* p, const Vector3* t, const Vector3* n)
{
    uint64_t h = mixPointer(mixPointer(mixPointer(0, p), t), n);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return h;
}
}

Model::Model(RenderEngine* e, const std::string& file) : path(file), engine(e)
{
    if (!file.empty())
        loadModelFile(file);
}

Model::Model(const Model& other)
    : radius(other.radius),
      depth(other.depth),
      path(other.path),
      height(other.height),
      worldPosition(other.worldPosition),
      rotation(other.rotation),
      engine(other.engine),
      visible(other.visible),
      width(other.width)
{
    std::copy(other.corners, other.corners + 8, corners);
    appendCopiesOf(other);
}

Model::~Model()
{
    // The takes go before the objects: each takes its animations off them.
    takes.clear();
}

Object* Model::addObject(std::unique_ptr<Object> object)
{
    objects.push_back(object.get());
    ownedObjects.push_back(std::move(object));
    return objects.back();
}

void Model::appendCopiesOf(const Model& other)
{
    for (const Object* o : other.objects)
        addObject(std::make_unique<Object>(*o));
    const size_t firstTake = takes.size();
    for (const auto& t : other.takes)
        takes.push_back(std::make_unique<Take>(*t, this));
    if (!currentTake && other.currentTake) {
        for (size_t i = 0; i < other.takes.size(); ++i)
            if (other.takes[i].get() == other.currentTake)
                currentTake = takes[firstTake + i].get();
    }
}

void Model::draw()
{
    if (engine && engine->renderer)
        engine->renderer->renderModel(this);
}

void Model::boxCorners(const Vector3& mn, const Vector3& mx, Vector3 out[8])
{
    out[0] = Vector3(mx.x, mn.y, mn.z);
    out[1] = Vector3(mn.x, mx.y, mn.z);
    out[2] = Vector3(mn.x, mn.y, mx.z);
    out[3] = Vector3(mn.x, mx.y, mx.z);
    out[4] = Vector3(mx.x, mx.y, mn.z);
    out[5] = Vector3(mx.x, mn.y, mx.z);
    out[6] = Vector3(mn.x, mn.y, mn.z);
    out[7] = Vector3(mx.x, mx.y, mx.z);
}

bool Model::loadModelFile(const std::string& file)
{
    path = file;
    LineReader lines(file, maxLine);
    if (!lines.ok()) {
        outputError("Missing model file " + file);
        return false;
    }
    const size_t slash = file.find_last_of("/\\");
    const std::string directory = slash == std::string::npos ? "" : file.substr(0, slash + 1);

    // Entries never move once appended, so faces may point at them.
    std::deque<Vector3> positions, texCoords, normals;
    std::vector<Vector3*> faceP, faceT, faceN;
    std::vector<std::string> animationFiles;
    Object* current = nullptr;
    bool facesPending = false;
    bool loggedBadFace = false, loggedNotTriangle = false, loggedNoGroup = false;

    WordReader& words = lines.words();
    while (lines.next()) {
        if (lines.tooLong()) {
            outputError("Model file line too long, reading stopped: " + file);
            break;
        }
        const std::string& key = lines.keyword();

        // Any line but another face finishes the faces read so far.
        if (facesPending && key != "f" && key != "s") {
            convertToIndexedArray(current, faceP, faceT, faceN);
            facesPending = false;
        }

        if (key == "v" || key == "vt" || key == "vn") {
            Vector3 v;
            words.readFloat(v.x);
            words.readFloat(v.y);
            words.readFloat(v.z);
            (key == "v" ? positions : key == "vt" ? texCoords : normals).push_back(v);
        } else if (key == "f") {
            if (!current) {
                if (!loggedNoGroup)
                    outputError("Face or material outside a group in model file: " + file);
                loggedNoGroup = true;
                continue;
            }
            Vector3* p[3];
            Vector3* t[3];
            Vector3* n[3];
            int count = 0;
            bool valid = true;
            std::string word;
            while (words.next(word)) {
                if (count == 3) {
                    ++count;
                    break;
                }
                if (!readCorner(word, positions, texCoords, normals, p[count], t[count], n[count]))
                    valid = false;
                ++count;
            }
            if (count != 3) {
                if (!loggedNotTriangle)
                    outputError("Face that is not a triangle skipped in model file: " + file);
                loggedNotTriangle = true;
            } else if (!valid) {
                if (!loggedBadFace)
                    outputError("Face with a bad index skipped in model file: " + file);
                loggedBadFace = true;
            } else {
                for (int i = 0; i < 3; ++i) {
                    faceP.push_back(p[i]);
                    faceT.push_back(t[i]);
                    faceN.push_back(n[i]);
                }
                facesPending = true;
            }
        } else if (key == "o" || key == "g") {
            faceP.clear();
            faceT.clear();
            faceN.clear();
            current = addObject(std::make_unique<Object>());
            std::string name;
            words.next(name);
            if (name != "default")
                current->name = name;
        } else if (key == "usemtl") {
            if (!current) {
                if (!loggedNoGroup)
                    outputError("Face or material outside a group in model file: " + file);
                loggedNoGroup = true;
                continue;
            }
            words.next(current->materialName);
            if (engine) {
                for (auto it = engine->materials.rbegin(); it != engine->materials.rend(); ++it) {
                    if ((*it)->name == current->materialName) {
                        current->material = it->get();
                        break;
                    }
                }
            }
        } else if (key == "mtllib") {
            std::string name;
            while (words.next(name))
                if (engine && engine->renderer)
                    engine->renderer->loadMaterials(directory + name);
        } else if (key == "animation") {
            std::string name;
            while (words.next(name))
                animationFiles.push_back(directory + name);
        }
    }

    // Animations name objects, which may come later in the file than the
    // "animation" line: they are read once every object exists.
    for (const std::string& animationFile : animationFiles)
        loadAnimationFile(animationFile);

    // The box of the whole file, all objects together.
    Vector3 mn, mx;
    if (!positions.empty()) {
        mn = mx = positions.front();
        for (const Vector3& v : positions) {
            mn = Vector3(std::min(mn.x, v.x), std::min(mn.y, v.y), std::min(mn.z, v.z));
            mx = Vector3(std::max(mx.x, v.x), std::max(mx.y, v.y), std::max(mx.z, v.z));
        }
    }
    boxCorners(mn, mx, corners);
    radius = 0.0f;
    for (const Vector3& c : corners)
        radius = std::max(radius, Vector3::Distance(worldPosition, c));

    outputError("Loaded Model: " + file);
    return true;
}

void Model::convertToIndexedArray(Object* object, std::vector<Vector3*>& facePositions,
                                  std::vector<Vector3*>& faceTexCoords,
                                  std::vector<Vector3*>& faceNormals)
{
    if (!object)
        return;
    const size_t count = std::min(facePositions.size(),
                                  std::min(faceTexCoords.size(), faceNormals.size()));
    // Open addressing over the unique vertices: the first occurrence of a
    // (position, texture, normal) triple gives its number, in linear time.
    size_t capacity = 16;
    while (capacity < count * 2)
        capacity *= 2;
    std::vector<int> table(capacity, -1);
    std::vector<Vector3*> uniqueP, uniqueT, uniqueN;
    std::vector<int> indexList;
    indexList.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Vector3* p = facePositions[i];
        Vector3* t = faceTexCoords[i];
        Vector3* n = faceNormals[i];
        size_t slot = vertexHash(p, t, n) & (capacity - 1);
        int found = -1;
        while (table[slot] != -1) {
            const int u = table[slot];
            if (uniqueP[u] == p && uniqueT[u] == t && uniqueN[u] == n) {
                found = u;
                break;
            }
            slot = (slot + 1) & (capacity - 1);
        }
        if (found < 0) {
            found = static_cast<int>(uniqueP.size());
            uniqueP.push_back(p);
            uniqueT.push_back(t);
            uniqueN.push_back(n);
            table[slot] = found;
        }
        indexList.push_back(found);
    }

    object->clearArrays();
    object->indexCount = static_cast<int>(count);
    object->indices = std::make_unique<int[]>(count);
    std::copy(indexList.begin(), indexList.end(), object->indices.get());
    convVectorToArray(object, uniqueP, uniqueT, uniqueN);
}

void Model::convVectorToArray(Object* object, std::vector<Vector3*>& positions,
                              std::vector<Vector3*>& texCoords, std::vector<Vector3*>& normals)
{
    if (!object)
        return;
    const size_t count = positions.size();
    object->vertexCount = static_cast<int>(count);
    object->vertices = std::make_unique<float[]>(count * 3);
    object->texCoords = std::make_unique<float[]>(count * 2);
    object->normals = std::make_unique<float[]>(count * 3);
    const Vector3 zero;
    for (size_t i = 0; i < count; ++i) {
        const Vector3& p = positions[i] ? *positions[i] : zero;
        const Vector3& t = i < texCoords.size() && texCoords[i] ? *texCoords[i] : zero;
        const Vector3& n = i < normals.size() && normals[i] ? *normals[i] : zero;
        object->vertices[3 * i] = p.x;
        object->vertices[3 * i + 1] = p.y;
        object->vertices[3 * i + 2] = p.z;
        object->texCoords[2 * i] = t.x;
        object->texCoords[2 * i + 1] = t.y;
        object->normals[3 * i] = n.x;
        object->normals[3 * i + 1] = n.y;
        object->normals[3 * i + 2] = n.z;
        if (i == 0) {
            object->boxMin = object->boxMax = p;
        } else {
            object->boxMin = Vector3(std::min(object->boxMin.x, p.x), std::min(object->boxMin.y, p.y),
                                     std::min(object->boxMin.z, p.z));
            object->boxMax = Vector3(std::max(object->boxMax.x, p.x), std::max(object->boxMax.y, p.y),
                                     std::max(object->boxMax.z, p.z));
        }
    }
    if (count == 0)
        object->boxMin = object->boxMax = zero;
    object->computeBounds();
}

void Model::calculateSize()
{
    bool any = false;
    Vector3 mn, mx;
    for (const Object* o : objects) {
        for (int i = 0; o->vertices && i < o->vertexCount; ++i) {
            const Vector3 v(o->vertices[3 * i], o->vertices[3 * i + 1], o->vertices[3 * i + 2]);
            if (!any) {
                mn = mx = v;
                any = true;
            }
            mn = Vector3(std::min(mn.x, v.x), std::min(mn.y, v.y), std::min(mn.z, v.z));
            mx = Vector3(std::max(mx.x, v.x), std::max(mx.y, v.y), std::max(mx.z, v.z));
        }
    }
    if (!any) {
        width = height = depth = -1.0f;
        return;
    }
    width = mx.x - mn.x;
    height = mx.y - mn.y;
    depth = mx.z - mn.z;
}

void Model::playAnimation(const std::string& takeName)
{
    for (const auto& t : takes) {
        if (t->name == takeName) {
            currentTake = t.get();
            t->start();
        }
    }
}

void Model::skipAnimationFrame()
{
    if (!currentTake)
        return;
    for (size_t i = 0; i < takes.size(); ++i)
        currentTake->skipToNextFrame();
}

void Model::update()
{
    if (currentTake)
        currentTake->update();
}

void Model::animate()
{
    if (currentTake)
        currentTake->update();
}

bool Model::loadAnimationFile(const std::string& file)
{
    return Take::loadFile(this, file);
}

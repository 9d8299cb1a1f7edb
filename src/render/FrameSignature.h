#pragma once
#include <cstdint>
#include <string>
#include <vector>

class MenuItem;
class MenuLabel;
class Model;
class RenderEngine;
class Tile;

// A digest of everything a frame draws, so that a frame equal to the last
// one need not be drawn again: the scene part (window, camera, lights,
// materials, the room and other sprites, the board's tiles and where the
// rewards stand), the rewards' turning parts, and the overlay part (the
// menus with their text and the parked tiles). Equal digests mean equal
// pictures; any change of what is drawn changes a digest (up to the odd
// collision of a 64-bit hash).
class FrameSignature {
public:
    // What one label's text draws, apart from everything else of the menus.
    struct LabelText {
        const MenuLabel* label;
        std::uint64_t digest;
    };

    static std::uint64_t scene(const RenderEngine& engine);
    static std::uint64_t rewards(const RenderEngine& engine);
    // With texts given, the shown labels' texts are left out of the digest
    // and listed there instead (in drawing order), so that a frame whose
    // menus differ only in some labels' texts can be told from others.
    static std::uint64_t overlay(const RenderEngine& engine, std::vector<LabelText>* texts = nullptr);

private:
    std::uint64_t h = 14695981039346656037ull;
    std::vector<LabelText>* texts = nullptr;

    // Mixes in a word at a time (the game hashes every frame it waits).
    void word(std::uint64_t w)
    {
        h = (h ^ w) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    void bytes(const void* p, std::size_t n);
    void add(float v);
    void add(double v);
    void add(int v) { word(static_cast<std::uint32_t>(v)); }
    void add(unsigned int v) { word(v); }
    void add(bool v) { add(v ? 1 : 0); }
    void add(const void* p);
    void add(const std::string& s);
    void add(const float* v, int n);
    void model(const Model* m);
    void tile(const Tile* t);
    void menuItem(const MenuItem* item);
    void labelText(const MenuLabel* label);
};

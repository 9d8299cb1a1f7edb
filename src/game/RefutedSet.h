#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The positions an analysis has proved lost, each kept as the bit set of the
// tiles still present (a fixed number of 64-bit words). Open addressing on a
// hash of the words; keys are compared whole, so a hash collision can never
// make a winnable position look refuted. Forgetting is always safe: a
// position not found is only searched again.
class RefutedSet {
public:
    explicit RefutedSet(int words);

    bool contains(const uint64_t* key) const;
    void insert(const uint64_t* key);
    size_t size() const { return count; }

private:
    static constexpr size_t initialSlots = 1024;  // a power of two
    // Past this many positions the set stops learning, so that a long
    // analysis cannot take memory without bound (at most some 100 MB).
    static constexpr size_t maxPositions = size_t(1) << 21;

    uint64_t hashOf(const uint64_t* key) const;
    // The slot holding key, or the empty slot where it would go.
    size_t find(const uint64_t* key, uint64_t hash) const;
    void grow();

    int words;
    std::vector<uint64_t> hashes;  // per slot; 0 marks an empty slot
    std::vector<uint64_t> keys;    // words per slot
    size_t count = 0;
};

#include "game/RefutedSet.h"

#include <cstring>

RefutedSet::RefutedSet(int w) : words(w < 1 ? 1 : w), hashes(initialSlots, 0), keys(initialSlots * words, 0) {}

uint64_t RefutedSet::hashOf(const uint64_t* key) const
{
    uint64_t h = 0x9e3779b97f4a7c15ull;
    for (int i = 0; i < words; ++i) {
        uint64_t x = key[i] + 0x9e3779b97f4a7c15ull * static_cast<uint64_t>(i + 1);
        x ^= x >> 30;
        x *= 0xbf58476d1ce4e5b9ull;
        x ^= x >> 27;
        x *= 0x94d049bb133111ebull;
        x ^= x >> 31;
        h = (h ^ x) * 0x100000001b3ull;
    }
    return h | 1;  // never the empty mark
}

size_t RefutedSet::find(const uint64_t* key, uint64_t hash) const
{
    const size_t mask = hashes.size() - 1;
    size_t slot = static_cast<size_t>(hash) & mask;
    while (hashes[slot] != 0) {
        if (hashes[slot] == hash && std::memcmp(&keys[slot * words], key, words * sizeof(uint64_t)) == 0)
            return slot;
        slot = (slot + 1) & mask;
    }
    return slot;
}

bool RefutedSet::contains(const uint64_t* key) const
{
    return hashes[find(key, hashOf(key))] != 0;
}

void RefutedSet::insert(const uint64_t* key)
{
    if (count >= maxPositions)
        return;
    // At most half full, so every probe ends at an empty slot quickly.
    if ((count + 1) * 2 > hashes.size())
        grow();
    const uint64_t hash = hashOf(key);
    const size_t slot = find(key, hash);
    if (hashes[slot] != 0)
        return;
    hashes[slot] = hash;
    std::memcpy(&keys[slot * words], key, words * sizeof(uint64_t));
    ++count;
}

void RefutedSet::grow()
{
    std::vector<uint64_t> oldHashes(hashes.size() * 2, 0);
    std::vector<uint64_t> oldKeys(oldHashes.size() * words, 0);
    oldHashes.swap(hashes);
    oldKeys.swap(keys);
    for (size_t s = 0; s < oldHashes.size(); ++s) {
        if (oldHashes[s] == 0)
            continue;
        const size_t slot = find(&oldKeys[s * words], oldHashes[s]);
        hashes[slot] = oldHashes[s];
        std::memcpy(&keys[slot * words], &oldKeys[s * words], words * sizeof(uint64_t));
    }
}

#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>

// Word size and twist constants of the 32-bit Mersenne Twister (MT19937).
struct Mt32Traits {
    using UIntType = uint32_t;
    static constexpr size_t stateSize = 624;
    static constexpr size_t shiftSize = 397;
    static constexpr UIntType matrixA = 0x9908B0DFu;
    static constexpr UIntType upperMask = 0x80000000u;
    static constexpr UIntType lowerMask = 0x7FFFFFFFu;
};

// The Mersenne Twister generator. The state is regenerated lazily: the whole
// array is twisted when no tempered word is left, then words are handed out
// one per draw. A random index into n entries is draw() % n.
template <class Traits>
class MtRng {
public:
    using UInt = typename Traits::UIntType;
    static constexpr size_t N = Traits::stateSize;
    static constexpr size_t M = Traits::shiftSize;

    // Seeded from the clock in seconds, as a generator that nobody seeds
    // explicitly must still give varied output.
    MtRng() { seed(static_cast<UInt>(std::time(nullptr))); }
    explicit MtRng(UInt s) { seed(s); }

    // Standard single-word initialisation (init_genrand).
    void seed(UInt s)
    {
        state[0] = s;
        for (size_t i = 1; i < N; ++i)
            state[i] = static_cast<UInt>(1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + i);
        left = 1;
        next = N;
    }

    // Standard array initialisation (init_by_array).
    void seed(const UInt* key, size_t keyLength)
    {
        seed(static_cast<UInt>(19650218u));
        if (keyLength == 0)
            return;
        size_t i = 1, j = 0;
        for (size_t k = (N > keyLength ? N : keyLength); k > 0; --k) {
            state[i] = static_cast<UInt>((state[i] ^ ((state[i - 1] ^ (state[i - 1] >> 30)) * 1664525u))
                                         + key[j] + j);
            ++i;
            ++j;
            if (i >= N) { state[0] = state[N - 1]; i = 1; }
            if (j >= keyLength) j = 0;
        }
        for (size_t k = N - 1; k > 0; --k) {
            state[i] = static_cast<UInt>((state[i] ^ ((state[i - 1] ^ (state[i - 1] >> 30)) * 1566083941u)) - i);
            ++i;
            if (i >= N) { state[0] = state[N - 1]; i = 1; }
        }
        state[0] = 0x80000000u;
        left = 1;
        next = N;
    }

    // genrand_int32: the next tempered 32-bit output.
    UInt operator()()
    {
        if (--left == 0)
            twist();
        UInt y = state[next++];
        y ^= (y >> 11);
        y ^= (y << 7) & 0x9D2C5680u;
        y ^= (y << 15) & 0xEFC60000u;
        y ^= (y >> 18);
        return y;
    }

private:
    void twist()
    {
        static constexpr UInt mag01[2] = {0u, Traits::matrixA};
        size_t kk = 0;
        UInt y;
        for (; kk < N - M; ++kk) {
            y = (state[kk] & Traits::upperMask) | (state[kk + 1] & Traits::lowerMask);
            state[kk] = state[kk + M] ^ (y >> 1) ^ mag01[y & 1u];
        }
        for (; kk < N - 1; ++kk) {
            y = (state[kk] & Traits::upperMask) | (state[kk + 1] & Traits::lowerMask);
            state[kk] = state[kk + M - N] ^ (y >> 1) ^ mag01[y & 1u];
        }
        y = (state[N - 1] & Traits::upperMask) | (state[0] & Traits::lowerMask);
        state[N - 1] = state[M - 1] ^ (y >> 1) ^ mag01[y & 1u];
        left = N;
        next = 0;
    }

    UInt state[N] = {};
    size_t left = 1;  // words left before the next twist, plus one
    size_t next = N;  // position of the next word to temper
};

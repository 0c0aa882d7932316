// Compiled with AVX2 enabled: nothing here may run before the caller has checked that the
// processor has it, and nothing but the run loop may be defined here.
#include "platform/video/RunCopyLoop.h"

#if defined(__AVX2__)
#include <immintrin.h>

namespace platform {

namespace {

struct Avx2Moves {
    static void copy(std::uint16_t* to, const std::uint16_t* from, std::size_t count) {
        // The last block may overlap the one before it rather than end in single pixels.
        if (count >= 16) {
            for (std::size_t i = 0; i + 16 < count; i += 16) {
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i),
                                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i)));
            }
            _mm256_storeu_si256(
                reinterpret_cast<__m256i*>(to + count - 16),
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + count - 16)));
        } else if (count >= 8) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + count - 8),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + count - 8)));
        } else {
            for (std::size_t i = 0; i < count; ++i) to[i] = from[i];
        }
    }
};

}  // namespace

void copyRunsAvx2(const RunWindow& window) {
    copyRuns<Avx2Moves>(window);
}

}  // namespace platform
#endif

#include "platform/video/RunCopyLoop.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

struct PlainMoves {
    static void copy(std::uint16_t* to, const std::uint16_t* from, std::size_t count) {
#if defined(__SSE2__)
        // The last block may overlap the one before it rather than end in single pixels.
        if (count >= 8) {
            for (std::size_t i = 0; i + 8 < count; i += 8) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i),
                                 _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + count - 8),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + count - 8)));
            return;
        }
#endif
        for (std::size_t i = 0; i < count; ++i) to[i] = from[i];
    }
};

}  // namespace

void copyRunsPlain(const RunWindow& window) {
    copyRuns<PlainMoves>(window);
}

}  // namespace platform

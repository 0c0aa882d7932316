// Compiled with AVX2 enabled: nothing here may run before the caller has checked that the
// processor has it.
#include "platform/video/WidenPixels.h"

#if defined(__AVX2__)
#include <immintrin.h>

namespace platform {

std::size_t widen565Avx2(const std::uint16_t* from, std::uint32_t* to, std::size_t count,
                         std::uint8_t alpha) {
    const __m256i five = _mm256_set1_epi16(0x1F);
    const __m256i six = _mm256_set1_epi16(0x3F);
    const __m256i high = _mm256_set1_epi16(static_cast<short>(alpha << 8));
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i));
        const __m256i r = _mm256_srli_epi16(p, 11);
        const __m256i g = _mm256_and_si256(_mm256_srli_epi16(p, 5), six);
        const __m256i b = _mm256_and_si256(p, five);
        const __m256i r8 = _mm256_or_si256(_mm256_slli_epi16(r, 3), _mm256_srli_epi16(r, 2));
        const __m256i g8 = _mm256_or_si256(_mm256_slli_epi16(g, 2), _mm256_srli_epi16(g, 4));
        const __m256i b8 = _mm256_or_si256(_mm256_slli_epi16(b, 3), _mm256_srli_epi16(b, 2));
        const __m256i greenBlue = _mm256_or_si256(_mm256_slli_epi16(g8, 8), b8);
        const __m256i alphaRed = _mm256_or_si256(high, r8);
        // The unpacks work within each 128-bit half: pixels 0-3 and 8-11 come out of the low
        // one, 4-7 and 12-15 out of the high one.
        const __m256i low = _mm256_unpacklo_epi16(greenBlue, alphaRed);
        const __m256i highHalf = _mm256_unpackhi_epi16(greenBlue, alphaRed);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i),
                            _mm256_permute2x128_si256(low, highHalf, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i + 8),
                            _mm256_permute2x128_si256(low, highHalf, 0x31));
    }
    return i;
}

}  // namespace platform
#endif

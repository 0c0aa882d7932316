#include "platform/video/WidenPixels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

#if defined(__x86_64__)
// The wide loop, in a file built for AVX2; answers how many pixels it did.
std::size_t widen565Avx2(const std::uint16_t* from, std::uint32_t* to, std::size_t count,
                         std::uint8_t alpha);
#endif

namespace {

std::uint32_t widenOne(std::uint16_t p, std::uint32_t top) {
    const std::uint32_t r = p >> 11;
    const std::uint32_t g = (p >> 5) & 0x3F;
    const std::uint32_t b = p & 0x1F;
    return top | (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

}  // namespace

void widen565(const std::uint16_t* from, std::uint32_t* to, std::size_t count, std::uint8_t alpha) {
    const std::uint32_t top = static_cast<std::uint32_t>(alpha) << 24;
    std::size_t i = 0;
#if defined(__x86_64__)
    static const bool avx2 = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    if (avx2) i = widen565Avx2(from, to, count, alpha);
#endif
#if defined(__SSE2__)
    // Eight pixels at a time: every frame goes through here on its way to the screen.
    const __m128i five = _mm_set1_epi16(0x1F);
    const __m128i six = _mm_set1_epi16(0x3F);
    const __m128i high = _mm_set1_epi16(static_cast<short>(alpha << 8));
    for (; i + 8 <= count; i += 8) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i r = _mm_srli_epi16(p, 11);
        const __m128i g = _mm_and_si128(_mm_srli_epi16(p, 5), six);
        const __m128i b = _mm_and_si128(p, five);
        const __m128i r8 = _mm_or_si128(_mm_slli_epi16(r, 3), _mm_srli_epi16(r, 2));
        const __m128i g8 = _mm_or_si128(_mm_slli_epi16(g, 2), _mm_srli_epi16(g, 4));
        const __m128i b8 = _mm_or_si128(_mm_slli_epi16(b, 3), _mm_srli_epi16(b, 2));
        const __m128i greenBlue = _mm_or_si128(_mm_slli_epi16(g8, 8), b8);
        const __m128i alphaRed = _mm_or_si128(high, r8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i),
                         _mm_unpacklo_epi16(greenBlue, alphaRed));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i + 4),
                         _mm_unpackhi_epi16(greenBlue, alphaRed));
    }
#endif
    for (; i < count; ++i) to[i] = widenOne(from[i], top);
}

}  // namespace platform

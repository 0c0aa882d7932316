#include "platform/video/PixelRows.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

#if defined(__SSE2__)
// All ones in the lanes whose pixel lies in the key range. SSE2 has no unsigned 16-bit
// compare: p is in [low, high] exactly when (p - low) mod 2^16 <= high - low, and the
// saturating subtraction of high - low leaves zero just then.
__m128i transparentLanes(__m128i pixels, KeyRange key) {
    const __m128i offset = _mm_sub_epi16(pixels, _mm_set1_epi16(static_cast<short>(key.low)));
    const __m128i span = _mm_set1_epi16(static_cast<short>(key.high - key.low));
    return _mm_cmpeq_epi16(_mm_subs_epu16(offset, span), _mm_setzero_si128());
}
#endif

}  // namespace

void fillRow(std::uint16_t* out, std::size_t count, std::uint16_t value) {
    // Black, the usual clear, and any value with equal bytes go to the C library's memset.
    if ((value & 0xFF) == (value >> 8)) {
        std::memset(out, value & 0xFF, count * sizeof(std::uint16_t));
        return;
    }
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i v = _mm_set1_epi16(static_cast<short>(value));
    for (; i + 32 <= count; i += 32) {
        auto* p = reinterpret_cast<__m128i*>(out + i);
        _mm_storeu_si128(p, v);
        _mm_storeu_si128(p + 1, v);
        _mm_storeu_si128(p + 2, v);
        _mm_storeu_si128(p + 3, v);
    }
    for (; i + 8 <= count; i += 8) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), v);
#endif
    for (; i < count; ++i) out[i] = value;
}

void copyKeyedRow(std::uint16_t* out, const std::uint16_t* in, std::size_t count, KeyRange key) {
    std::size_t i = 0;
#if defined(__SSE2__)
    for (; i + 8 <= count; i += 8) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i keep = transparentLanes(s, key);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, s)));
    }
#endif
    for (; i < count; ++i) {
        if (!key.transparent(in[i])) out[i] = in[i];
    }
}

void gatherRow(std::uint16_t* out, const std::uint16_t* in, const std::int32_t* columns,
               std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out[i] = in[columns[i]];
}

unsigned opaqueBits8(const std::uint16_t* in, KeyRange key) {
#if defined(__SSE2__)
    const __m128i lanes =
        transparentLanes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), key);
    return ~static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(lanes, lanes))) & 0xFFu;
#else
    unsigned bits = 0;
    for (unsigned i = 0; i < 8; ++i) bits |= key.transparent(in[i]) ? 0u : 1u << i;
    return bits;
#endif
}

}  // namespace platform

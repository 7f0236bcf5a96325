#include "platform/ddraw_blitters.h"

#include <climits>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/pixel_format.h"

namespace platform::ddraw {

namespace {

template <int B> uint32_t Load(const uint8_t* at) {
    if constexpr (B == 2) {
        uint16_t v;
        std::memcpy(&v, at, 2);
        return v;
    } else if constexpr (B == 4) {
        uint32_t v;
        std::memcpy(&v, at, 4);
        return v;
    } else {
        return LoadRaw(at, 3);
    }
}

template <int B> void Store(uint8_t* at, uint32_t v) {
    if constexpr (B == 2) {
        uint16_t narrow = static_cast<uint16_t>(v);
        std::memcpy(at, &narrow, 2);
    } else if constexpr (B == 4) {
        std::memcpy(at, &v, 4);
    } else {
        StoreRaw(at, 3, v);
    }
}

#if defined(__SSE2__)
// Keyed copies of 2- or 4-byte pixels, a 16-byte block at a time: a pixel is
// drawn when pixel - low, as unsigned, exceeds high - low (SSE2 compares
// signed, hence the bias). Answers how many pixels it did; the rest are left.
template <int B>
int KeyedBlocks(uint8_t* to, const uint8_t* from, int count, uint32_t low, uint32_t span) {
    constexpr int kPerBlock = 16 / B;
    const __m128i lowV = B == 2 ? _mm_set1_epi16(int16_t(low)) : _mm_set1_epi32(int32_t(low));
    const __m128i bias = B == 2 ? _mm_set1_epi16(int16_t(0x8000)) : _mm_set1_epi32(INT32_MIN);
    const __m128i spanV =
        _mm_xor_si128(B == 2 ? _mm_set1_epi16(int16_t(span)) : _mm_set1_epi32(int32_t(span)), bias);
    int i = 0;
    for (; i + kPerBlock <= count; i += kPerBlock) {
        __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i * B));
        __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i * B));
        __m128i offset =
            _mm_xor_si128(B == 2 ? _mm_sub_epi16(s, lowV) : _mm_sub_epi32(s, lowV), bias);
        __m128i drawn = B == 2 ? _mm_cmpgt_epi16(offset, spanV) : _mm_cmpgt_epi32(offset, spanV);
        __m128i out = _mm_or_si128(_mm_and_si128(drawn, s), _mm_andnot_si128(drawn, d));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i * B), out);
    }
    return i;
}
#endif

template <int B>
void KeyedRow(uint8_t* to, const uint8_t* from, int count, uint32_t low, uint32_t high) {
    const uint32_t span = high - low;
    int i = 0;
#if defined(__SSE2__)
    if constexpr (B != 3)
        i = KeyedBlocks<B>(to, from, count, low, span);
#endif
    for (; i < count; ++i) {
        uint32_t v = Load<B>(from + i * B);
        if (v - low > span)
            Store<B>(to + i * B, v);
    }
}

// Columns picked through a table: mirrored or stretched rows.
template <int B>
void MappedRow(uint8_t* to, const uint8_t* from, const int* columns, int count, bool keyed,
               uint32_t low, uint32_t high) {
    const uint32_t span = high - low;
    for (int i = 0; i < count; ++i) {
        uint32_t v = Load<B>(from + columns[i] * B);
        if (!keyed || v - low > span)
            Store<B>(to + i * B, v);
    }
}

template <int B> void Copy(const PixelPlane& source, const PixelPlane& dest, const CopyJob& job) {
    const RECT& d = job.dest;
    const RECT& s = job.source;
    const RECT& c = job.clip;
    const int64_t destW = d.right - d.left, destH = d.bottom - d.top;
    const int64_t sourceW = s.right - s.left, sourceH = s.bottom - s.top;
    const bool sameSize = destW == sourceW && destH == sourceH;
    const int count = c.right - c.left;
    const bool keyed = job.keyed && job.keyLow <= job.keyHigh;

    std::vector<int> columns;
    const bool straight = sameSize && !job.mirrorLeftRight;
    if (!straight) {
        columns.resize(count);
        for (int i = 0; i < count; ++i) {
            int64_t offset = c.left + i - d.left;
            if (job.mirrorLeftRight)
                offset = destW - 1 - offset;
            columns[i] = static_cast<int>(s.left + offset * sourceW / destW);
        }
    }
    for (int y = c.top; y < c.bottom; ++y) {
        int64_t offset = y - d.top;
        if (job.mirrorUpDown)
            offset = destH - 1 - offset;
        const int64_t sourceY = s.top + offset * sourceH / destH;
        const uint8_t* fromRow = source.pixels + sourceY * source.pitch;
        uint8_t* to = dest.pixels + int64_t(y) * dest.pitch + int64_t(c.left) * B;
        if (!straight) {
            MappedRow<B>(to, fromRow, columns.data(), count, keyed, job.keyLow, job.keyHigh);
            continue;
        }
        const uint8_t* from = fromRow + (s.left + int64_t(c.left - d.left)) * B;
        if (keyed)
            KeyedRow<B>(to, from, count, job.keyLow, job.keyHigh);
        else
            std::memcpy(to, from, size_t(count) * B);
    }
}

template <int B> void Fill(const PixelPlane& dest, const RECT& area, uint32_t raw) {
    const int count = area.right - area.left;
    if (count <= 0)
        return;
    uint8_t* first = dest.pixels + int64_t(area.top) * dest.pitch + int64_t(area.left) * B;
    for (int i = 0; i < count; ++i)
        Store<B>(first + i * B, raw);
    for (int y = area.top + 1; y < area.bottom; ++y)
        std::memcpy(dest.pixels + int64_t(y) * dest.pitch + int64_t(area.left) * B, first,
                    size_t(count) * B);
}

} // namespace

void CopyPixels(const PixelPlane& source, const PixelPlane& dest, const CopyJob& job) {
    if (job.clip.right <= job.clip.left || job.clip.bottom <= job.clip.top)
        return;
    switch (dest.bytesPerPixel) {
    case 2:
        return Copy<2>(source, dest, job);
    case 3:
        return Copy<3>(source, dest, job);
    default:
        return Copy<4>(source, dest, job);
    }
}

void FillPixels(const PixelPlane& dest, const RECT& area, uint32_t raw) {
    if (area.bottom <= area.top)
        return;
    switch (dest.bytesPerPixel) {
    case 2:
        return Fill<2>(dest, area, raw);
    case 3:
        return Fill<3>(dest, area, raw);
    default:
        return Fill<4>(dest, area, raw);
    }
}

} // namespace platform::ddraw

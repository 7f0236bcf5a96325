// The three page layouts and their conversion to and from 0x00RRGGBB colour:
// 16 bits 5-6-5 (uint16 little-endian), 24 bits B, G, R bytes, 32 bits
// 0x00RRGGBB (uint32 little-endian). Packing truncates as GDI does; unpacking
// replicates the high bits so that full intensity stays 255.
#pragma once

#include <cstdint>
#include <cstring>

namespace platform {

inline uint32_t PackRgb(int bitsPerPixel, uint32_t rgb) {
    if (bitsPerPixel == 16) {
        uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
    }
    return rgb & 0xFFFFFF;
}

inline uint32_t UnpackRgb(int bitsPerPixel, uint32_t raw) {
    if (bitsPerPixel == 16) {
        uint32_t r = (raw >> 11) & 0x1F, g = (raw >> 5) & 0x3F, b = raw & 0x1F;
        r = (r << 3) | (r >> 2);
        g = (g << 2) | (g >> 4);
        b = (b << 3) | (b >> 2);
        return (r << 16) | (g << 8) | b;
    }
    return raw & 0xFFFFFF;
}

// Raw pixel access at a byte address, for 2, 3 or 4 bytes per pixel.
inline uint32_t LoadRaw(const uint8_t* at, int bytesPerPixel) {
    switch (bytesPerPixel) {
    case 2: {
        uint16_t v;
        std::memcpy(&v, at, 2);
        return v;
    }
    case 3:
        return at[0] | (at[1] << 8) | (uint32_t(at[2]) << 16);
    default: {
        uint32_t v;
        std::memcpy(&v, at, 4);
        return v;
    }
    }
}

inline void StoreRaw(uint8_t* at, int bytesPerPixel, uint32_t raw) {
    switch (bytesPerPixel) {
    case 2: {
        uint16_t v = static_cast<uint16_t>(raw);
        std::memcpy(at, &v, 2);
        break;
    }
    case 3:
        at[0] = static_cast<uint8_t>(raw);
        at[1] = static_cast<uint8_t>(raw >> 8);
        at[2] = static_cast<uint8_t>(raw >> 16);
        break;
    default:
        std::memcpy(at, &raw, 4);
        break;
    }
}

// The bits of a raw value that a pixel of this depth holds.
inline uint32_t RawMask(int bitsPerPixel) {
    return bitsPerPixel >= 32 ? 0xFFFFFFFFu : (1u << bitsPerPixel) - 1;
}

} // namespace platform

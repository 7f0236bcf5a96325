// Bitmaps: LoadImageA from BMP files, their GetObjectA description, and
// BitBlt between device contexts, converting to the destination's layout.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/crt.h"
#include "platform/faults.h"
#include "platform/gdi.h"
#include "platform/gdi_objects.h"
#include "platform/host.h"
#include "platform/pixel_format.h"

namespace platform::gdi {

namespace {

uint64_t bitmapBytesRead = 0;

} // namespace

uint64_t BitmapBytesRead() {
    return bitmapBytesRead;
}

void CountBitmapBytes(size_t bytes) {
    bitmapBytesRead += bytes;
}

int BitmapObject::DescriptionSize() const {
    return static_cast<int>(sizeof(BITMAP));
}

int BitmapObject::Describe(int size, void* buffer) const {
    // Callers built for 32-bit Windows pass 24 bytes: everything but the bits pointer.
    if (size < static_cast<int>(offsetof(BITMAP, bmBits)))
        return 0;
    BITMAP description{};
    description.bmType = 0;
    description.bmWidth = image_.width;
    description.bmHeight = image_.height;
    description.bmWidthBytes = image_.width * 4;
    description.bmPlanes = 1;
    description.bmBitsPixel = 32;
    description.bmBits = const_cast<uint32_t*>(image_.pixels.data());
    size_t bytes = std::min(static_cast<size_t>(size), sizeof description);
    std::memcpy(buffer, &description, bytes);
    return static_cast<int>(bytes);
}

PixelTarget BitmapObject::Pixels() {
    return PixelTarget{reinterpret_cast<uint8_t*>(image_.pixels.data()), image_.width,
                       image_.height, image_.width * 4, 32};
}

} // namespace platform::gdi

namespace {

using platform::gdi::PixelTarget;

// Files larger than this cannot hold a picture the reader accepts.
constexpr long kMaxFileBytes = 256L << 20;

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    long size = std::ftell(file.get());
    if (size < 0 || size > kMaxFileBytes || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    bytes.resize(static_cast<size_t>(size));
    return std::fread(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

const char* LastComponent(const char* path) {
    const char* last = path;
    for (const char* p = path; *p; ++p)
        if (*p == '/' || *p == '\\')
            last = p + 1;
    return last;
}

// Clips a copy of width x height from (sx, sy) to (dx, dy) to both pixel areas.
bool ClipCopy(const PixelTarget& dest, const PixelTarget& source, int& dx, int& dy, int& sx,
              int& sy, int& width, int& height) {
    int64_t x = dx, y = dy, fromX = sx, fromY = sy, w = width, h = height;
    auto clipStart = [](int64_t& d, int64_t& s, int64_t& extent) {
        int64_t shift = std::max<int64_t>({0, -d, -s});
        d += shift;
        s += shift;
        extent -= shift;
    };
    clipStart(x, fromX, w);
    clipStart(y, fromY, h);
    w = std::min<int64_t>({w, dest.width - x, source.width - fromX});
    h = std::min<int64_t>({h, dest.height - y, source.height - fromY});
    if (w <= 0 || h <= 0)
        return false;
    dx = int(x), dy = int(y), sx = int(fromX), sy = int(fromY), width = int(w), height = int(h);
    return true;
}

// Rows convert through 0x00RRGGBB. The depths pictures and pages come in get
// loops of their own: a load converts every pixel of every picture.
void ReadRow(const PixelTarget& from, int x, int y, int count, uint32_t* rgb) {
    const int bytes = from.bitsPerPixel / 8;
    const uint8_t* at = from.pixels + size_t(y) * from.pitch + size_t(x) * bytes;
    if (from.bitsPerPixel == 32) {
        std::memcpy(rgb, at, size_t(count) * 4);
        for (int i = 0; i < count; ++i)
            rgb[i] &= 0xFFFFFF;
        return;
    }
    for (int i = 0; i < count; ++i, at += bytes)
        rgb[i] = platform::UnpackRgb(from.bitsPerPixel, platform::LoadRaw(at, bytes));
}

// 5-6-5 as PackRgb gives it, in a loop the compiler turns into vector code.
void PackRow16(const uint32_t* __restrict rgb, uint16_t* __restrict packed, int count) {
    for (int i = 0; i < count; ++i) {
        const uint32_t p = rgb[i];
        packed[i] =
            static_cast<uint16_t>(((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p >> 3) & 0x001F));
    }
}

// scratch holds count 16-bit pixels.
void WriteRow(const PixelTarget& to, int x, int y, int count, const uint32_t* rgb,
              uint16_t* scratch) {
    const int bytes = to.bitsPerPixel / 8;
    uint8_t* at = to.pixels + size_t(y) * to.pitch + size_t(x) * bytes;
    if (to.bitsPerPixel == 16) {
        PackRow16(rgb, scratch, count);
        std::memcpy(at, scratch, size_t(count) * 2);
        return;
    }
    if (to.bitsPerPixel == 32) {
        std::memcpy(at, rgb, size_t(count) * 4);
        return;
    }
    for (int i = 0; i < count; ++i, at += bytes)
        platform::StoreRaw(at, bytes, platform::PackRgb(to.bitsPerPixel, rgb[i]));
}

} // namespace

using namespace platform;

HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height,
                         UINT flags) {
    (void)instance; // no resources: pictures come from files only
    if (faults::Injected("LoadImageA"))
        return nullptr;
    // Only the file's own size is offered; nothing asks for a stretched load.
    if (!name || type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || width != 0 || height != 0)
        return nullptr;
    if (faults::FileUnreadable(name))
        return nullptr;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(MapWindowsPath(name), bytes))
        return nullptr;
    gdi::CountBitmapBytes(bytes.size());
    TraceLine("image %s", LastComponent(name));
    DecodedBitmap image;
    if (!DecodeBmp(bytes.data(), bytes.size(), image, nullptr))
        return nullptr;
    return gdi::AddObject(std::make_unique<gdi::BitmapObject>(std::move(image)));
}

BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rasterOperation) {
    if (faults::Injected("BitBlt") || rasterOperation != SRCCOPY)
        return FALSE;
    PixelTarget to, from;
    if (!gdi::DrawingTarget(destination, to) || !gdi::DrawingTarget(source, from))
        return FALSE;
    if (!ClipCopy(to, from, x, y, sourceX, sourceY, width, height))
        return TRUE;
    std::vector<uint32_t> row(static_cast<size_t>(width));
    std::vector<uint16_t> packed(to.bitsPerPixel == 16 ? static_cast<size_t>(width) : 0);
    // Rows go through a buffer, so a copy within one bitmap reads before it writes.
    const bool upward = to.pixels == from.pixels && y > sourceY;
    for (int i = 0; i < height; ++i) {
        int r = upward ? height - 1 - i : i;
        ReadRow(from, sourceX, sourceY + r, width, row.data());
        WriteRow(to, x, y + r, width, row.data(), packed.data());
    }
    return TRUE;
}

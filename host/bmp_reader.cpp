#include "host/bmp_reader.h"

#include <optional>
#include <string>

namespace drennomar::host {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

[[noreturn]] void Fail(std::uint16_t id, const std::string& why) {
    throw ResourceError("bitmap " + ResourceIdText(id) + ": " + why);
}

// Decodes header, palette and pixels; `pixels_at`, when given, is where the
// pixel rows start (a file header says so); otherwise they follow the
// palette.
IndexedBitmap Decode(std::span<const std::uint8_t> dib, std::uint16_t id,
                     std::optional<std::uint64_t> pixels_at) {
    if (dib.size() < kInfoHeaderBytes) Fail(id, "shorter than its header");
    if (U32(dib, 0) != kInfoHeaderBytes) {
        Fail(id, "header size " + std::to_string(U32(dib, 0)) + ", not 40");
    }
    const auto width  = std::int32_t(U32(dib, 4));
    const auto height = std::int32_t(U32(dib, 8));
    if (U16(dib, 12) != 1) Fail(id, "planes not 1");
    if (U16(dib, 14) != 8) Fail(id, std::to_string(U16(dib, 14)) + " bits per pixel, not 8");
    if (U32(dib, 16) != 0)
        Fail(id, "compressed (compression " + std::to_string(U32(dib, 16)) + ")");
    // A negative height would mean rows stored top-down; INT32_MIN has no
    // positive counterpart, so the side is checked before it is negated.
    if (width < 1 || width > kMaxBitmapSide) Fail(id, "width " + std::to_string(width));
    if (height == 0 || height < -kMaxBitmapSide || height > kMaxBitmapSide) {
        Fail(id, "height " + std::to_string(height));
    }
    IndexedBitmap bmp;
    bmp.width              = width;
    bmp.height             = height < 0 ? -height : height;
    bmp.bottom_up          = height > 0;
    bmp.x_pixels_per_metre = std::int32_t(U32(dib, 24));
    bmp.y_pixels_per_metre = std::int32_t(U32(dib, 28));
    bmp.colours_used       = U32(dib, 32);
    if (bmp.colours_used > 256) {
        Fail(id, "palette of " + std::to_string(bmp.colours_used) + " colours");
    }
    const std::uint32_t colours     = bmp.colours_used == 0 ? 256 : bmp.colours_used;
    const std::uint64_t palette_end = kInfoHeaderBytes + 4ull * colours;
    if (palette_end > dib.size()) Fail(id, "palette runs past the data");
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t at = kInfoHeaderBytes + 4 * i;
        bmp.palette.push_back({dib[at + 2], dib[at + 1], dib[at]});
    }
    const std::uint64_t start  = pixels_at.value_or(palette_end);
    const std::uint64_t stride = (std::uint64_t(bmp.width) + 3) & ~std::uint64_t(3);
    const std::uint64_t bytes  = stride * std::uint64_t(bmp.height);
    if (start < palette_end || start > dib.size() || bytes > dib.size() - start) {
        Fail(id, "pixel rows run past the data");
    }
    bmp.indices.resize(std::size_t(bmp.width) * std::size_t(bmp.height));
    for (int row = 0; row < bmp.height; ++row) {
        const int y            = bmp.bottom_up ? bmp.height - 1 - row : row;
        const std::size_t from = std::size_t(start + stride * std::uint64_t(row));
        for (int x = 0; x < bmp.width; ++x) {
            const std::uint8_t index = dib[from + std::size_t(x)];
            if (index >= colours) {
                Fail(id, "pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                             ") uses colour " + std::to_string(index) + " of " +
                             std::to_string(colours));
            }
            bmp.indices[std::size_t(y) * std::size_t(bmp.width) + std::size_t(x)] = index;
        }
    }
    return bmp;
}

}  // namespace

IndexedBitmap ReadDib(std::span<const std::uint8_t> dib, std::uint16_t id) {
    return Decode(dib, id, std::nullopt);
}

IndexedBitmap ReadBmpFile(std::span<const std::uint8_t> file, std::uint16_t id) {
    if (file.size() < kFileHeaderBytes) Fail(id, "shorter than a file header");
    if (file[0] != 'B' || file[1] != 'M') Fail(id, "no BM signature");
    const std::uint32_t declared = U32(file, 2);
    if (declared > file.size()) Fail(id, "file size field exceeds the data");
    const std::uint32_t offset = U32(file, 10);
    if (offset < kFileHeaderBytes + kInfoHeaderBytes) Fail(id, "pixel offset inside the headers");
    return Decode(file.subspan(kFileHeaderBytes), id, std::uint64_t(offset) - kFileHeaderBytes);
}

IndexedBitmap LoadBitmap(const ResourceFile& resources, std::uint16_t id) {
    return ReadDib(resources.Bitmap(id), id);
}

}  // namespace drennomar::host

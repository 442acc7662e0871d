// The bitmap and resource readers under any bytes: a .bmp file, the bitmap
// of a resource, a resource image (.res) whose bitmaps are then read, or a
// library file searched for its resource section. Each either reads a
// bitmap that keeps its promises or refuses with an error naming what it
// read; nothing may crash or read past the bytes.
//
// The first byte of the input says which; the rest is what is read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "host/bmp_reader.h"
#include "host/resource_file.h"

namespace {

using drennomar::host::IndexedBitmap;
using drennomar::host::ResourceError;
using drennomar::host::ResourceFile;

constexpr std::uint16_t kId = 0x1900;

[[noreturn]] void Broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "bitmap reader promise broken: %s (%.*s)\n", what,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

void CheckBitmap(const IndexedBitmap& bmp) {
    if (bmp.width < 1 || bmp.width > drennomar::host::kMaxBitmapSide || bmp.height < 1 ||
        bmp.height > drennomar::host::kMaxBitmapSide) {
        Broken("a bitmap side out of bounds",
               std::to_string(bmp.width) + " x " + std::to_string(bmp.height));
    }
    if (bmp.palette.empty() || bmp.palette.size() > 256) {
        Broken("a palette size", std::to_string(bmp.palette.size()));
    }
    if (bmp.indices.size() != static_cast<size_t>(bmp.width) * static_cast<size_t>(bmp.height)) {
        Broken("pixels not width x height", std::to_string(bmp.indices.size()));
    }
    for (std::uint8_t index : bmp.indices) {
        if (index >= bmp.palette.size())
            Broken("a pixel beyond the palette", std::to_string(index));
    }
}

void CheckNamed(const ResourceError& e, std::string_view name) {
    if (std::string_view(e.what()).substr(0, name.size()) != name) {
        Broken("an error that does not name what it read", e.what());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    switch (data[0] % 4) {
        case 0:
            try {
                CheckBitmap(drennomar::host::ReadBmpFile(bytes, kId));
            } catch (const ResourceError& e) {
                CheckNamed(e, "bitmap 0x1900: ");
            }
            break;
        case 1:
            try {
                CheckBitmap(drennomar::host::ReadDib(bytes, kId));
            } catch (const ResourceError& e) {
                CheckNamed(e, "bitmap 0x1900: ");
            }
            break;
        case 2:
            try {
                const ResourceFile resources = ResourceFile::FromResImage(bytes);
                for (const auto& r : resources.resources()) {
                    if (r.type != drennomar::host::kResourceTypeBitmap || !r.type_name.empty() ||
                        !r.id_name.empty()) {
                        continue;
                    }
                    const std::string name = "bitmap " + drennomar::host::ResourceIdText(r.id);
                    try {
                        CheckBitmap(drennomar::host::ReadDib(r.data, r.id));
                    } catch (const ResourceError& e) {
                        CheckNamed(e, name);
                    }
                }
            } catch (const ResourceError&) {
                // A malformed image; its message names the image, not a bitmap.
            }
            break;
        default:
            try {
                const auto section = drennomar::host::ElfSection(bytes, ".res");
                (void)ResourceFile::FromResImage(section);
            } catch (const ResourceError&) {
            }
            break;
    }
    return 0;
}

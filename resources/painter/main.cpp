// drennomar-painter: paints the module's twenty-two bitmaps.
//
//   drennomar-painter --out DIR [--png DIR]
//
// writes DIR/0x1300.bmp ... DIR/0x3400.bmp, and with --png a PNG of each
// reduced picture for looking at.
#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "resources/painter/art.h"
#include "resources/painter/bmp_writer.h"

namespace {

using namespace drennomar::painter;

std::string FileName(drennomar::BitmapId id, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "0x%04x.%s", unsigned(id), extension);
    return name;
}

bool WritePng(const IndexedPicture& p, const std::filesystem::path& path) {
    cairo_surface_t* s  = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.width, p.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride    = cairo_image_surface_get_stride(s);
    for (int y = 0; y < p.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < p.width; ++x) {
            const Rgb c = p.ColourAt(x, y);
            row[x]      = (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

int Usage() {
    std::fprintf(stderr, "usage: drennomar-painter --out DIR [--png DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path out, png;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
            png = argv[++i];
        } else {
            return Usage();
        }
    }
    if (out.empty()) return Usage();
    try {
        std::filesystem::create_directories(out);
        if (!png.empty()) std::filesystem::create_directories(png);
        for (const Art& art : PaintCatalogue()) {
            const std::vector<std::uint8_t> bytes = EncodeBmp(art.picture);
            std::ofstream file(out / FileName(art.id, "bmp"), std::ios::binary);
            file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            if (!file) {
                std::fprintf(stderr, "drennomar-painter: cannot write %s\n",
                             (out / FileName(art.id, "bmp")).c_str());
                return 1;
            }
            if (!png.empty() && !WritePng(art.picture, png / FileName(art.id, "png"))) {
                std::fprintf(stderr, "drennomar-painter: cannot write PNG for 0x%04x\n",
                             unsigned(art.id));
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drennomar-painter: %s\n", e.what());
        return 1;
    }
    return 0;
}

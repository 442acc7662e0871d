#include "resources/painter/bmp_writer.h"

#include <stdexcept>

namespace drennomar::painter {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetre   = 2834;  // 72 dots per inch

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const IndexedPicture& p) {
    const std::uint32_t colours = std::uint32_t(p.palette.size());
    if (colours == 0 || colours > 256 || p.width <= 0 || p.height <= 0) {
        throw std::invalid_argument("picture cannot be written as an 8-bit BMP");
    }
    const std::uint32_t stride     = (std::uint32_t(p.width) + 3) & ~3u;
    const std::uint32_t image      = stride * std::uint32_t(p.height);
    const std::uint32_t bits_start = kFileHeaderBytes + kInfoHeaderBytes + 4 * colours;

    std::vector<std::uint8_t> out;
    out.reserve(bits_start + image);
    out.push_back('B');
    out.push_back('M');
    Put32(out, bits_start + image);
    Put32(out, 0);  // two reserved words
    Put32(out, bits_start);

    Put32(out, kInfoHeaderBytes);
    Put32(out, std::uint32_t(p.width));
    Put32(out, std::uint32_t(p.height));  // positive: rows stored bottom-up
    Put16(out, 1);                        // planes
    Put16(out, 8);                        // bits per pixel
    Put32(out, 0);                        // BI_RGB, uncompressed
    Put32(out, image);
    Put32(out, std::uint32_t(kPixelsPerMetre));
    Put32(out, std::uint32_t(kPixelsPerMetre));
    Put32(out, colours == 256 ? 0 : colours);  // 0 stands for a full palette
    Put32(out, 0);                             // every colour counts

    for (const Rgb& c : p.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = p.height - 1; y >= 0; --y) {
        const std::uint8_t* row = &p.indices[size_t(y) * size_t(p.width)];
        out.insert(out.end(), row, row + p.width);
        out.resize(out.size() + (stride - std::uint32_t(p.width)), 0);
    }
    return out;
}

}  // namespace drennomar::painter

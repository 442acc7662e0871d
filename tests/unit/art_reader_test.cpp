// The host's readers refuse what they cannot trust: a BMP that is not the
// 8-bit uncompressed kind, or whose sizes run past its data, and a resource
// image or library file that is cut short or malformed. Every error names
// the bitmap's resource identifier.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "host/bmp_reader.h"
#include "host/resource_file.h"

namespace drennomar {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at]     = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

// The committed 6 x 10 monitor pointer: file header at 0, info header at
// 14, 11 palette entries, pixels at 98.
const std::string kPointerFile = std::string(DRENNOMAR_BITMAP_DIR) + "/0x1300.bmp";

TEST(BmpReader, ReadsTheCommittedFileLikeTheLibrarysResource) {
    const Bytes file             = ReadFile(kPointerFile);
    const host::IndexedBitmap a  = host::ReadBmpFile(file, 0x1300);
    const host::ResourceFile lib = host::ResourceFile::FromLibraryFile(DRENNOMAR_MODULE_FILE);
    const host::IndexedBitmap b  = host::LoadBitmap(lib, 0x1300);
    EXPECT_EQ(a.width, 6);
    EXPECT_EQ(a.height, 10);
    EXPECT_EQ(a.palette, b.palette);
    EXPECT_EQ(a.indices, b.indices);
}

TEST(BmpReader, RefusesMalformedFilesNamingTheBitmap) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"signature", [](Bytes& b) { b[0] = 'X'; }, "signature"},
        {"file cut inside the file header", [](Bytes& b) { b.resize(10); }, "file header"},
        {"file cut inside the info header", [](Bytes& b) { b.resize(30); }, "file size"},
        {"info header cut, file size to match",
         [](Bytes& b) {
             b.resize(30);
             Put32(b, 2, 30);
         },
         "shorter than its header"},
        {"header size 12", [](Bytes& b) { Put32(b, 14, 12); }, "header size 12"},
        {"header size 108", [](Bytes& b) { Put32(b, 14, 108); }, "header size 108"},
        {"two planes", [](Bytes& b) { Put16(b, 26, 2); }, "planes"},
        {"24 bits per pixel", [](Bytes& b) { Put16(b, 28, 24); }, "24 bits"},
        {"run-length compressed", [](Bytes& b) { Put32(b, 30, 1); }, "compressed"},
        {"width 0", [](Bytes& b) { Put32(b, 18, 0); }, "width"},
        {"width 4097", [](Bytes& b) { Put32(b, 18, 4097); }, "width"},
        {"negative width", [](Bytes& b) { Put32(b, 18, 0xFFFFFFFAu); }, "width"},
        {"height 0", [](Bytes& b) { Put32(b, 22, 0); }, "height"},
        {"height 4097", [](Bytes& b) { Put32(b, 22, 4097); }, "height"},
        {"top-down height -4097", [](Bytes& b) { Put32(b, 22, 0xFFFFEFFFu); }, "height"},
        {"most negative height", [](Bytes& b) { Put32(b, 22, 0x80000000u); }, "height"},
        {"4096 x 4096 on 80 bytes of pixels",
         [](Bytes& b) {
             Put32(b, 18, 4096);
             Put32(b, 22, 4096);
         },
         "past the data"},
        {"palette of 257", [](Bytes& b) { Put32(b, 46, 257); }, "palette"},
        {"palette past the data", [](Bytes& b) { Put32(b, 46, 0); }, "run"},
        {"pixels cut short",
         [](Bytes& b) {
             b.resize(b.size() - 1);
             Put32(b, 2, std::uint32_t(b.size()));
         },
         "past the data"},
        {"height larger than the rows", [](Bytes& b) { Put32(b, 22, 4000); }, "past the data"},
        {"pixel offset past the end", [](Bytes& b) { Put32(b, 10, 0xFFFFFFF0u); }, "past the data"},
        {"pixel offset inside the headers", [](Bytes& b) { Put32(b, 10, 20); }, "offset"},
        {"file size field too large", [](Bytes& b) { Put32(b, 2, 1u << 30); }, "file size"},
        {"pixel beyond the palette", [](Bytes& b) { b[98] = 11; }, "colour 11 of 11"},
    };
    const Bytes good = ReadFile(kPointerFile);
    ASSERT_EQ(good.size(), 98u + 8 * 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes b = good;
        c.spoil(b);
        try {
            host::ReadBmpFile(b, 0x1300);
            ADD_FAILURE() << "accepted";
        } catch (const host::ResourceError& e) {
            EXPECT_NE(std::string(e.what()).find("bitmap 0x1300: "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

// A .res image with the format's opening empty entry and one bitmap entry.
Bytes ResImage(std::uint16_t id, const Bytes& data, std::uint16_t language = 0x0409) {
    Bytes out(32, 0);
    Put32(out, 4, 32);
    Put16(out, 8, 0xFFFF);
    Put16(out, 12, 0xFFFF);
    const std::size_t at = out.size();
    out.resize(at + 32, 0);
    Put32(out, at, std::uint32_t(data.size()));
    Put32(out, at + 4, 32);
    Put16(out, at + 8, 0xFFFF);
    Put16(out, at + 10, 2);  // RT_BITMAP
    Put16(out, at + 12, 0xFFFF);
    Put16(out, at + 14, id);
    Put16(out, at + 22, language);
    out.insert(out.end(), data.begin(), data.end());
    out.resize((out.size() + 3) & ~std::size_t(3), 0);
    return out;
}

TEST(ResourceFile, FindsBitmapsByIdentifierAndLanguage) {
    const Bytes dib              = {1, 2, 3, 4, 5};
    const host::ResourceFile res = host::ResourceFile::FromResImage(ResImage(0x2700, dib));
    ASSERT_EQ(res.resources().size(), 1u);
    EXPECT_EQ(Bytes(res.Bitmap(0x2700).begin(), res.Bitmap(0x2700).end()), dib);
    EXPECT_EQ(res.Find(2, 0x2700, 0x0407), nullptr);
    try {
        res.Bitmap(0x2701);
        ADD_FAILURE() << "found a bitmap that is not there";
    } catch (const host::ResourceError& e) {
        EXPECT_STREQ(e.what(), "bitmap 0x2701: not among the library's resources");
    }
    const host::ResourceFile german =
        host::ResourceFile::FromResImage(ResImage(0x2700, dib, 0x0407));
    EXPECT_THROW(german.Bitmap(0x2700), host::ResourceError);
}

TEST(ResourceFile, RefusesMalformedImagesAndFiles) {
    const Bytes good = ResImage(0x2700, Bytes(8, 7));
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
    };
    const Case cases[] = {
        {"cut inside an entry header", [](Bytes& b) { b.resize(40); }},
        {"data size past the end", [](Bytes& b) { Put32(b, 32, 1000); }},
        {"header size below 32", [](Bytes& b) { Put32(b, 36, 16); }},
        {"header size not a multiple of 4", [](Bytes& b) { Put32(b, 36, 34); }},
        {"header size past the end", [](Bytes& b) { Put32(b, 36, 4096); }},
        {"unending type name",
         [](Bytes& b) {
             b.resize(64);
             for (std::size_t i = 40; i < 64; ++i) b[i] = 'A';
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes b = good;
        c.spoil(b);
        EXPECT_THROW(host::ResourceFile::FromResImage(b), host::ResourceError);
    }
    EXPECT_THROW(host::ResourceFile::FromLibraryFile("/nonexistent/Drennomar.gau"),
                 host::ResourceError);
    EXPECT_THROW(host::ResourceFile::FromLibraryFile(kPointerFile), host::ResourceError);
    const Bytes elf_header_only = {0x7F, 'E', 'L', 'F', 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_THROW(host::ElfSection(elf_header_only, ".res"), host::ResourceError);
    const Bytes library = ReadFile(DRENNOMAR_MODULE_FILE);
    EXPECT_THROW(host::ElfSection(library, ".no-such-section"), host::ResourceError);
    EXPECT_GT(host::ElfSection(library, ".res").size(), 500000u);
}

}  // namespace
}  // namespace drennomar

#include "host/resource_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace drennomar::host {
namespace {

// Every read is checked against the end of its buffer first, so that a
// truncated or hostile file gives an error, not a read past the end.
class Reader {
  public:
    Reader(std::span<const std::uint8_t> bytes, std::string what)
        : bytes_(bytes), what_(std::move(what)) {}

    std::uint64_t Unsigned(std::size_t offset, std::size_t size) const {
        Need(offset, size);
        std::uint64_t v = 0;
        for (std::size_t i = size; i-- > 0;) v = (v << 8) | bytes_[offset + i];
        return v;
    }
    std::span<const std::uint8_t> Bytes(std::uint64_t offset, std::uint64_t size) const {
        if (offset > bytes_.size() || size > bytes_.size() - offset) Fail("runs past the end");
        return bytes_.subspan(std::size_t(offset), std::size_t(size));
    }
    void Need(std::uint64_t offset, std::uint64_t size) const { Bytes(offset, size); }
    [[noreturn]] void Fail(const std::string& why) const {
        throw ResourceError(what_ + ": " + why);
    }
    std::size_t size() const { return bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::string what_;
};

std::size_t Align4(std::size_t n) { return (n + 3) & ~std::size_t(3); }

// A type or name field: 0xFFFF and a number, or a zero-ended UTF-16 string.
std::size_t ReadNameOrId(const Reader& r, std::size_t at, std::uint16_t& id, std::u16string& name) {
    if (r.Unsigned(at, 2) == 0xFFFF) {
        id = std::uint16_t(r.Unsigned(at + 2, 2));
        return at + 4;
    }
    for (;; at += 2) {
        const auto c = char16_t(r.Unsigned(at, 2));
        if (c == 0) return at + 2;
        name.push_back(c);
    }
}

}  // namespace

std::string ResourceIdText(std::uint16_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(id));
    return text;
}

ResourceFile ResourceFile::FromResImage(std::span<const std::uint8_t> image) {
    const Reader r(image, "resource image");
    ResourceFile out;
    std::size_t at = 0;
    while (at < r.size()) {
        // Entry header: data size, header size, type, name, then data
        // version, memory flags, language, version and characteristics.
        const std::uint64_t data_size   = r.Unsigned(at, 4);
        const std::uint64_t header_size = r.Unsigned(at + 4, 4);
        if (header_size < 32 || header_size % 4 != 0) r.Fail("bad entry header size");
        r.Need(at, header_size);
        Resource res;
        std::size_t p = ReadNameOrId(r, at + 8, res.type, res.type_name);
        p             = ReadNameOrId(r, p, res.id, res.id_name);
        p             = Align4(p);
        if (p + 16 > at + header_size) r.Fail("entry header too short for its names");
        res.language                    = std::uint16_t(r.Unsigned(p + 6, 2));
        std::span<const std::uint8_t> d = r.Bytes(at + header_size, data_size);
        res.data.assign(d.begin(), d.end());
        // The image opens with an empty entry of type 0 that marks the format.
        const bool marker = data_size == 0 && res.type == 0 && res.type_name.empty();
        if (!marker) out.resources_.push_back(std::move(res));
        at = Align4(std::size_t(at + header_size + data_size));
    }
    return out;
}

std::span<const std::uint8_t> ElfSection(std::span<const std::uint8_t> file,
                                         const std::string& name) {
    const Reader r(file, "library file");
    r.Need(0, 16);
    if (!(file[0] == 0x7F && file[1] == 'E' && file[2] == 'L' && file[3] == 'F')) {
        r.Fail("not an ELF file");
    }
    const bool is64 = file[4] == 2;
    if ((file[4] != 1 && file[4] != 2) || file[5] != 1) r.Fail("not a little-endian ELF file");
    const std::uint64_t shoff     = is64 ? r.Unsigned(0x28, 8) : r.Unsigned(0x20, 4);
    const std::uint64_t shentsize = r.Unsigned(is64 ? 0x3A : 0x2E, 2);
    const std::uint64_t shnum     = r.Unsigned(is64 ? 0x3C : 0x30, 2);
    const std::uint64_t shstrndx  = r.Unsigned(is64 ? 0x3E : 0x32, 2);
    if (shentsize < (is64 ? 64u : 40u) || shstrndx >= shnum) r.Fail("bad section table");
    r.Need(shoff, shentsize * shnum);
    struct Section {
        std::uint64_t name, type, offset, size;
    };
    auto section = [&](std::uint64_t i) {
        const std::uint64_t h = shoff + i * shentsize;
        if (is64) {
            return Section{r.Unsigned(h, 4), r.Unsigned(h + 4, 4), r.Unsigned(h + 0x18, 8),
                           r.Unsigned(h + 0x20, 8)};
        }
        return Section{r.Unsigned(h, 4), r.Unsigned(h + 4, 4), r.Unsigned(h + 0x10, 4),
                       r.Unsigned(h + 0x14, 4)};
    };
    const Section strings               = section(shstrndx);
    std::span<const std::uint8_t> names = r.Bytes(strings.offset, strings.size);
    constexpr std::uint64_t kNoBits     = 8;  // SHT_NOBITS: no bytes in the file
    for (std::uint64_t i = 0; i < shnum; ++i) {
        const Section s = section(i);
        if (s.name >= names.size()) continue;
        std::string section_name;
        for (std::size_t k = std::size_t(s.name); k < names.size() && names[k] != 0; ++k) {
            section_name.push_back(char(names[k]));
        }
        if (section_name != name) continue;
        if (s.type == kNoBits) r.Fail("section " + name + " holds no bytes");
        return r.Bytes(s.offset, s.size);
    }
    r.Fail("no section " + name);
}

ResourceFile ResourceFile::FromLibraryFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ResourceError(path + ": cannot open the library file");
    const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
    try {
        return FromResImage(ElfSection(file, ".res"));
    } catch (const ResourceError& e) {
        throw ResourceError(path + ": " + e.what());
    }
}

const Resource* ResourceFile::Find(std::uint16_t type, std::uint16_t id,
                                   std::uint16_t language) const {
    for (const Resource& r : resources_) {
        if (r.type == type && r.type_name.empty() && r.id == id && r.id_name.empty() &&
            r.language == language) {
            return &r;
        }
    }
    return nullptr;
}

std::span<const std::uint8_t> ResourceFile::Bitmap(std::uint16_t id) const {
    const Resource* r = Find(kResourceTypeBitmap, id);
    if (r == nullptr) {
        throw ResourceError("bitmap " + ResourceIdText(id) + ": not among the library's resources");
    }
    return r->data;
}

}  // namespace drennomar::host

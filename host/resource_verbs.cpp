#include "host/resource_verbs.h"

#include <cstdint>
#include <span>
#include <string>

#include "host/bmp_reader.h"
#include "host/loader.h"
#include "host/resource_file.h"
#include "host/script.h"

namespace drennomar::host {

namespace {

// The version block's fixed part (VS_FIXEDFILEINFO) opens with this
// signature; its fields follow as 32-bit words.
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoWords       = 13;

std::uint32_t Word32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
           std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

std::string FourPartVersion(std::uint32_t high, std::uint32_t low) {
    return Format("%u.%u.%u.%u", high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF);
}

/// The resource the verb names, looked up in the loaded library.
std::span<const std::uint8_t> Lookup(VerbCall& call, std::uint16_t type, std::uint16_t id,
                                     std::uint16_t language, const char* what) {
    const ModuleLibrary* library = call.Panel().Library();
    if (library == nullptr) call.Fail("no module library is loaded to take resources from");
    std::span<const std::uint8_t> bytes;
    try {
        bytes = library->ResourceBytes(type, id, language);
    } catch (const ResourceError& e) {
        call.Fail(e.what());
    }
    if (bytes.empty()) {
        call.Fail(Format("%s %s: not among the library's resources in language 0x%04X", what,
                         ResourceIdText(id).c_str(), unsigned(language)));
    }
    return bytes;
}

void BitmapLine(VerbCall& call) {
    call.AtMost(3);
    const auto id = std::uint16_t(call.Integer(1, "bitmap identifier", 0, 0xFFFF));
    const auto language =
        std::uint16_t(call.Has(2) ? call.Integer(2, "language", 0, 0xFFFF) : kLanguageEnglishUs);
    const std::span<const std::uint8_t> dib =
        Lookup(call, kResourceTypeBitmap, id, language, "bitmap");
    try {
        const IndexedBitmap bitmap = ReadDib(dib, id);
        call.Print(Format("bitmap %s: %d x %d, %zu colours, %s, %d x %d pixels per metre",
                          ResourceIdText(id).c_str(), bitmap.width, bitmap.height,
                          bitmap.palette.size(), bitmap.bottom_up ? "bottom-up" : "top-down",
                          int(bitmap.x_pixels_per_metre), int(bitmap.y_pixels_per_metre)));
    } catch (const ResourceError& e) {
        call.Fail(e.what());
    }
}

void VersionLine(VerbCall& call) {
    call.AtMost(3);
    const auto id =
        std::uint16_t(call.Has(1) ? call.Integer(1, "version identifier", 0, 0xFFFF) : 1);
    const auto language =
        std::uint16_t(call.Has(2) ? call.Integer(2, "language", 0, 0xFFFF) : kLanguageEnglishUs);
    const std::span<const std::uint8_t> block =
        Lookup(call, kResourceTypeVersion, id, language, "version");
    // The fixed part sits after the block's header and its key, aligned to
    // 32 bits; finding it by its signature needs no walk of the header.
    for (std::size_t at = 0; at + 4 * kFixedInfoWords <= block.size(); at += 4) {
        if (Word32(block, at) != kFixedInfoSignature) continue;
        auto field = [&](std::size_t i) { return Word32(block, at + 4 * i); };
        call.Print(Format("version %u: file %s, product %s, type %u, os 0x%08X", unsigned(id),
                          FourPartVersion(field(2), field(3)).c_str(),
                          FourPartVersion(field(4), field(5)).c_str(), unsigned(field(9)),
                          unsigned(field(8))));
        return;
    }
    call.Fail(Format("version %u: no fixed file information in its %zu bytes", unsigned(id),
                     block.size()));
}

}  // namespace

void AddResourceVerbs(ScriptInterpreter& interpreter) {
    interpreter.AddVerb("resource", [](VerbCall& call) {
        const std::string_view kind = call.Word(0, "resource kind (bitmap or version)");
        if (kind == "bitmap") {
            BitmapLine(call);
        } else if (kind == "version") {
            VersionLine(call);
        } else {
            call.Fail(Format("resource takes bitmap or version, not '%.*s'", int(kind.size()),
                             kind.data()));
        }
    });
}

}  // namespace drennomar::host

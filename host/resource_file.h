// The module's resources as the panel host finds them: a standard .res image
// (the compiled resource script) carried in the ".res" section of the
// library file. The host reads the file of the library it loaded, takes the
// section and looks resources up by type, identifier and language.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace drennomar::host {

inline constexpr std::uint16_t kResourceTypeBitmap  = 2;   // RT_BITMAP
inline constexpr std::uint16_t kResourceTypeVersion = 16;  // RT_VERSION
inline constexpr std::uint16_t kLanguageEnglishUs   = 0x0409;

/// A resource that is missing or cannot be read. The message names the
/// resource (for example "bitmap 0x1900: ...").
class ResourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// One resource of a .res image. Resources named by string rather than by
/// number keep type or id 0 and their name in the *_name fields.
struct Resource {
    std::uint16_t type = 0;
    std::uint16_t id   = 0;
    std::u16string type_name;
    std::u16string id_name;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

class ResourceFile {
  public:
    /// Parses a .res image. Throws ResourceError if it is malformed.
    static ResourceFile FromResImage(std::span<const std::uint8_t> image);
    /// Reads the ".res" section of an ELF library file and parses it.
    /// Throws ResourceError if the file cannot be read, is not ELF or has no
    /// such section.
    static ResourceFile FromLibraryFile(const std::string& path);

    /// The resource of that numeric type and identifier in that language,
    /// or null. The pointer lives as long as this object.
    const Resource* Find(std::uint16_t type, std::uint16_t id,
                         std::uint16_t language = kLanguageEnglishUs) const;
    /// The bytes of bitmap `id` (a DIB: header, palette, pixels). Throws
    /// ResourceError naming the identifier if there is none.
    std::span<const std::uint8_t> Bitmap(std::uint16_t id) const;

    const std::vector<Resource>& resources() const { return resources_; }

  private:
    std::vector<Resource> resources_;
};

/// The bytes of the section called `name` of an ELF file (32 or 64 bit,
/// little-endian) held in `file`. Throws ResourceError.
std::span<const std::uint8_t> ElfSection(std::span<const std::uint8_t> file,
                                         const std::string& name);

/// "0x1900", as resources are named in messages.
std::string ResourceIdText(std::uint16_t id);

}  // namespace drennomar::host

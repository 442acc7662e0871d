// Opening the module library, finding its exported tables by name and its
// resources by type and identifier.
//
// This is the host's only platform-specific part: dlopen on POSIX systems,
// LoadLibrary and the resource API on Windows. Everything else of the host
// works on the two tables the library exports, whether it came from a file
// or was linked in, and on the resource bytes found here.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace drennomar::host {

class ResourceFile;

/// An open module library. Closing it (the destructor) unloads the library;
/// every address found in it, resource bytes included, is invalid from then
/// on.
class ModuleLibrary {
  public:
    /// Opens the library at `path`. On failure returns null and puts in
    /// `error` what went wrong, in the platform loader's words.
    static std::unique_ptr<ModuleLibrary> Open(const std::string& path, std::string* error);

    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&)            = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    /// Address of the exported symbol `name`, or null if the library does
    /// not export it.
    void* Symbol(const char* name) const;

    /// The bytes of resource `id` of numeric type `type` (2 for bitmaps, 16
    /// for the version block) in `language`, or an empty span if the library
    /// has none. On Windows the resource API finds it in the loaded image;
    /// elsewhere it comes from the library file's ".res" section, read on
    /// the first call. Throws ResourceError (host/resource_file.h) when that
    /// file cannot be read. The bytes live as long as this object.
    std::span<const std::uint8_t> ResourceBytes(std::uint16_t type, std::uint16_t id,
                                                std::uint16_t language) const;

    /// The file the library was opened from, as given to Open.
    const std::string& Path() const { return path_; }

    /// The platform's handle of the open library. The host hands it to the
    /// gauges' install routines as the resource-file handle.
    void* Handle() const { return handle_; }

  private:
    ModuleLibrary(void* handle, std::string path);
    void* handle_;
    std::string path_;
    // The library file's resources where the platform loader does not map
    // them; filled on the first lookup.
    mutable std::unique_ptr<ResourceFile> file_resources_;
};

/// The folder of the running program, ending in a separator, or "" if it
/// cannot be found.
std::string ProgramFolder();

}  // namespace drennomar::host

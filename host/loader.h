// Opening the module library and finding its exported tables by name.
//
// This is the host's only platform-specific part: dlopen on POSIX systems,
// LoadLibrary on Windows. Everything else of the host works on the two
// tables the library exports, whether it came from a file or was linked in.
#pragma once

#include <memory>
#include <string>

namespace drennomar::host {

/// An open module library. Closing it (the destructor) unloads the library;
/// every address found in it is invalid from then on.
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

    /// The platform's handle of the open library. The host hands it to the
    /// gauges' install routines as the resource-file handle.
    void* Handle() const { return handle_; }

  private:
    explicit ModuleLibrary(void* handle) : handle_(handle) {}
    void* handle_;
};

/// The folder of the running program, ending in a separator, or "" if it
/// cannot be found.
std::string ProgramFolder();

}  // namespace drennomar::host

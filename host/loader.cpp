#include "host/loader.h"

#include "host/resource_file.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace drennomar::host {

ModuleLibrary::ModuleLibrary(void* handle, std::string path)
    : handle_(handle), path_(std::move(path)) {}

#if defined(_WIN32)

std::unique_ptr<ModuleLibrary> ModuleLibrary::Open(const std::string& path, std::string* error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        if (error != nullptr) {
            *error = "cannot load the library (error " + std::to_string(GetLastError()) + ")";
        }
        return nullptr;
    }
    return std::unique_ptr<ModuleLibrary>(new ModuleLibrary(module, path));
}

ModuleLibrary::~ModuleLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* ModuleLibrary::Symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

std::span<const std::uint8_t> ModuleLibrary::ResourceBytes(std::uint16_t type, std::uint16_t id,
                                                           std::uint16_t language) const {
    // A loaded resource stays mapped with the library; there is nothing to
    // free, and the bytes are the ones the resource script put there.
    auto module   = static_cast<HMODULE>(handle_);
    HRSRC found   = FindResourceExW(module, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
    HGLOBAL block = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = block != nullptr ? LockResource(block) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const std::uint8_t*>(bytes), std::size_t(SizeofResource(module, found))};
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return "";
    std::string s(path, n);
    auto cut = s.find_last_of("\\/");
    return cut == std::string::npos ? "" : s.substr(0, cut + 1);
}

#else

std::unique_ptr<ModuleLibrary> ModuleLibrary::Open(const std::string& path, std::string* error) {
    // A name without a slash would send dlopen searching the library path;
    // the panel means the file it was given.
    std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle     = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            const char* why = dlerror();
            *error          = why != nullptr ? why : "cannot load the library";
        }
        return nullptr;
    }
    return std::unique_ptr<ModuleLibrary>(new ModuleLibrary(handle, path));
}

ModuleLibrary::~ModuleLibrary() { dlclose(handle_); }

void* ModuleLibrary::Symbol(const char* name) const { return dlsym(handle_, name); }

std::span<const std::uint8_t> ModuleLibrary::ResourceBytes(std::uint16_t type, std::uint16_t id,
                                                           std::uint16_t language) const {
    // dlopen does not look at resources; the library file carries them as a
    // compiled resource image in a section of its own.
    if (file_resources_ == nullptr) {
        file_resources_ = std::make_unique<ResourceFile>(ResourceFile::FromLibraryFile(path_));
    }
    const Resource* found = file_resources_->Find(type, id, language);
    if (found == nullptr) return {};
    return found->data;
}

std::string ProgramFolder() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "";
    std::string s(path, static_cast<size_t>(n));
    auto cut = s.rfind('/');
    return cut == std::string::npos ? "" : s.substr(0, cut + 1);
}

#endif

}  // namespace drennomar::host

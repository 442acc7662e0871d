#include "host/loader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace drennomar::host {

#if defined(_WIN32)

std::unique_ptr<ModuleLibrary> ModuleLibrary::Open(const std::string& path, std::string* error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        if (error != nullptr) {
            *error = "cannot load the library (error " + std::to_string(GetLastError()) + ")";
        }
        return nullptr;
    }
    return std::unique_ptr<ModuleLibrary>(new ModuleLibrary(module));
}

ModuleLibrary::~ModuleLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* ModuleLibrary::Symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
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
    return std::unique_ptr<ModuleLibrary>(new ModuleLibrary(handle));
}

ModuleLibrary::~ModuleLibrary() { dlclose(handle_); }

void* ModuleLibrary::Symbol(const char* name) const { return dlsym(handle_, name); }

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

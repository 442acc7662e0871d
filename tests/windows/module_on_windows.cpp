// Loads Drennomar.gau the way the simulator does, with the Windows loader,
// and checks what the panel system relies on:
//   - LoadLibrary succeeds, so the entry point reported success;
//   - GetProcAddress finds Linkage and ImportTable under their plain names,
//     and nothing else of the module (the entry point, the routines);
//   - Linkage carries module identifier 0x13, version 0x0900 and thirteen
//     named gauges ended by a null; ImportTable is 0x0F/null, 0/null;
//   - with --bitmaps: LoadImage finds every bitmap of the catalogue in the
//     library, with the catalogue's size and 8 bits per pixel. (The palette
//     sizes are checked on the raw resources: a DIB section may report a
//     full 256-colour table whatever the bitmap carries.)
// Prints one line per check and exits 1 if any failed.
//
// module_on_windows LIBRARY [--bitmaps]
#include <cstdio>
#include <cstring>

#include "panel/services.h"
#include "resources/bitmap_ids.h"

// After the panel headers: they name the text-drawing constants that
// windows.h makes macros of.
#include <windows.h>

namespace {

int gFailures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (!ok) ++gFailures;
}

void CheckTables(HMODULE library) {
    auto* linkage = reinterpret_cast<const ModuleLinkage*>(
        reinterpret_cast<void*>(GetProcAddress(library, kLinkageSymbol)));
    auto* imports = reinterpret_cast<const ImportEntry*>(
        reinterpret_cast<void*>(GetProcAddress(library, kImportTableSymbol)));
    Check(linkage != nullptr, "GetProcAddress finds Linkage");
    Check(imports != nullptr, "GetProcAddress finds ImportTable");
    // Names the module has inside but must not let out.
    for (const char* hidden : {"DllMain", "_Linkage", "Linkage@0", "ModuleInit"}) {
        char what[64];
        std::snprintf(what, sizeof what, "%s is not exported", hidden);
        Check(GetProcAddress(library, hidden) == nullptr, what);
    }
    if (linkage == nullptr || imports == nullptr) return;

    Check(linkage->module_id == kLinkageModuleId, "Linkage module identifier 0x13");
    Check(linkage->module_version == kLinkageModuleVersion, "Linkage module version 0x0900");
    std::size_t gauges = 0;
    while (gauges < kGaugeTableSlots && linkage->gauge_table[gauges] != nullptr) ++gauges;
    Check(gauges == 13, "gauge table holds thirteen gauges before its null");
    if (gauges > 0) {
        const char* first = linkage->gauge_table[0]->gauge_name;
        const char* last  = linkage->gauge_table[gauges - 1]->gauge_name;
        Check(first != nullptr && std::strcmp(first, "SliderGauges") == 0,
              "first gauge is SliderGauges");
        Check(last != nullptr && std::strcmp(last, "Control") == 0, "last gauge is Control");
    }
    Check(imports[0].id == kImportPanelServices && imports[0].ptr == nullptr &&
              imports[1].id == 0 && imports[1].ptr == nullptr,
          "ImportTable as defined: 0x0F/null, 0/null");
}

void CheckBitmaps(HMODULE library) {
    for (const drennomar::CatalogueEntry& entry : drennomar::kBitmapCatalogue) {
        char what[128];
        HANDLE image = LoadImageW(library, MAKEINTRESOURCEW(entry.id), IMAGE_BITMAP, 0, 0,
                                  LR_CREATEDIBSECTION);
        if (image == nullptr) {
            std::snprintf(what, sizeof what, "LoadImage finds bitmap 0x%04X", entry.id);
            Check(false, what);
            continue;
        }
        DIBSECTION dib{};
        const bool described = GetObjectW(image, sizeof dib, &dib) == sizeof dib;
        DeleteObject(image);

        std::snprintf(what, sizeof what, "bitmap 0x%04X: %dx%d, 8 bits (seen %ldx%ld, %d bits)",
                      entry.id, entry.width, entry.height, described ? dib.dsBm.bmWidth : 0L,
                      described ? dib.dsBm.bmHeight : 0L, described ? dib.dsBm.bmBitsPixel : 0);
        Check(described && dib.dsBm.bmWidth == entry.width && dib.dsBm.bmHeight == entry.height &&
                  dib.dsBm.bmBitsPixel == 8,
              what);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: module_on_windows LIBRARY [--bitmaps]\n");
        return 2;
    }
    const bool bitmaps = argc > 2 && std::strcmp(argv[2], "--bitmaps") == 0;

    HMODULE library = LoadLibraryA(argv[1]);
    Check(library != nullptr, "LoadLibrary loads the module (its entry point returned TRUE)");
    if (library == nullptr) {
        std::printf("LoadLibrary error %lu\n", GetLastError());
        return 1;
    }
    CheckTables(library);
    if (bitmaps) CheckBitmaps(library);
    Check(FreeLibrary(library) != 0, "FreeLibrary unloads the module");
    return gFailures == 0 ? 0 : 1;
}

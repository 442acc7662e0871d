// The panel host: our stand-in for the simulator's panel system.
//
// It takes a module (a library loaded from a file, or the tables of a module
// linked into the program), hands it the panel services, places gauges,
// updates them element by element, answers the mouse, keeps the simulation
// variables, the named panel variables and the simulated failures, and can
// report every service call the module makes.
//
// [SECTION] Gauges and their placements
// [SECTION] Windows
// [SECTION] PanelHost
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "panel/services.h"

namespace drennomar::host {

class ModuleLibrary;

//-----------------------------------------------------------------------------
// [SECTION] Gauges and their placements
//-----------------------------------------------------------------------------

/// One element of a gauge's tree, in drawing order (pre-order: a parent
/// before its children, children in list order). Its place in the gauge's
/// list is its element index; the root is 0.
struct ElementNode {
    PELEMENT_HEADER element;  // module-owned, lives until the module unloads
    int parent;               // element index of the parent, -1 for the root
    int depth;                // 0 for the root
};

/// A gauge of the module's table as the host found it when the module was
/// taken on: its header and its tree in drawing order.
struct GaugeDef {
    GAUGEHDR* header;  // module-owned
    std::string name;
    int slot;  // 0-based place in the gauge table
    std::vector<ElementNode> elements;
};

/// What one element of one placement shows. Every placement has its own,
/// while the definition (and its image flags) is the module's one copy.
struct ElementState {
    bool updated      = false;  // false until the element's first update
    double value      = 0.0;    // its value at its last update; a slider's vertical value
    double value_x    = 0.0;    // a slider's horizontal value
    double needle_deg = 0.0;    // needle: turn of its bitmap, degrees clockwise
    int icon_index    = 0;      // icon: which of its images shows, from 0
    double offset_x   = 0.0;    // slider: image offset from its position, pixels
    double offset_y   = 0.0;
    /// String: the text buffer of exactly char_count + 1 bytes, allocated on
    /// its own so that a write past its end is caught by memory checkers.
    std::unique_ptr<char[]> text;
    std::size_t text_size = 0;
};

/// One placement of a gauge on the panel.
struct GaugeInstance {
    const GaugeDef* def;
    int ordinal;                         // 1 for the gauge's first placement, 2 for its second...
    int window;                          // index in PanelHost::Windows()
    PIXPOINT position;                   // pixels of its window
    SINT32 width;                        // pixels of its window
    SINT32 height;                       // pixels of its window; 0: follows from the width
    std::vector<ElementState> elements;  // by element index
};

//-----------------------------------------------------------------------------
// [SECTION] Windows
//-----------------------------------------------------------------------------

/// A 2D panel window is seen on the screen; a virtual-cockpit window is a
/// texture that the cockpit model wears.
enum class WindowKind { kPanel2D, kVirtualCockpit, Count };

struct RgbColour {
    std::uint8_t r                                             = 0;
    std::uint8_t g                                             = 0;
    std::uint8_t b                                             = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

/// One window of the panel: a canvas of its own on which its placements are
/// drawn in placement order, over its background colour (and the picture
/// `background_file` names, where a drawing side can find it).
struct PanelWindow {
    std::string title;    // "Main panel", as a panel configuration's [Window Titles] say
    std::string section;  // "Window00", "Vcockpit01": where a configuration defines it
    std::string ident;    // the configuration's ident, as written ("" for none)
    WindowKind kind = WindowKind::kPanel2D;
    /// Canvas size in pixels. 0 in either: that side is the extent of the
    /// window's placements as drawn (their right or bottom edge).
    SINT32 width  = 0;
    SINT32 height = 0;
    RgbColour background;         // what shows where no gauge draws
    std::string background_file;  // picture behind the gauges, "" for none
    bool visible = true;
};

//-----------------------------------------------------------------------------
// [SECTION] PanelHost
//-----------------------------------------------------------------------------

/// The panel. One panel at a time serves a module: the services the module
/// calls carry no panel argument, so they reach the panel that took the
/// module on last (`Current()`).
class PanelHost {
  public:
    using LineSink = std::function<void(std::string_view line)>;

    PanelHost();
    ~PanelHost();  // unloads the module if one is taken on
    PanelHost(const PanelHost&)            = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // -- The module ---------------------------------------------------------

    /// Loads the module library at `path`, reads its Linkage, hands it the
    /// panel services and calls its initialisation routine. On failure
    /// returns false with what is wrong in `error` (the file is not named;
    /// the caller knows it).
    bool LoadModule(const std::string& path, std::string* error);

    /// Takes on a module linked into this program, through its two tables;
    /// otherwise as LoadModule. `name` is the module's name in gauge
    /// references (`Drennomar!Speed`). Both tables must outlive the panel's
    /// hold on them (until UnloadModule or the destructor).
    bool AttachModule(ModuleLinkage* linkage, ImportEntry* import_table, std::string_view name,
                      std::string* error);

    /// Calls every placement's kill routine, the module's de-initialisation
    /// routine, takes the services back out of ImportTable, drops the
    /// placements and unloads the library. Does nothing without a module.
    void UnloadModule();

    /// A fresh panel for the module taken on: calls every placement's kill
    /// routine, drops the placements and windows, and forgets the simulation
    /// variables, named variables and failures. The module stays taken on
    /// (its own state is its own). Fuzzers start each input from here.
    void ClearPanel();

    bool HasModule() const { return linkage_ != nullptr; }
    const std::string& ModuleName() const { return module_name_; }
    const std::vector<GaugeDef>& Gauges() const { return gauges_; }
    const GaugeDef* FindGauge(std::string_view name) const;

    /// The panel whose services the module reaches now, or null.
    static PanelHost* Current() { return current_; }

    // -- Placements and updates ---------------------------------------------

    /// Places a new instance of `gauge` on window `window` (-1: the default
    /// window) at its pixel `at`, `width` wide (0: the gauge's default
    /// width), and calls its query, install (with the module's resource
    /// handle) and initialize routines.
    GaugeInstance& Place(const GaugeDef& gauge, PIXPOINT at, SINT32 width = 0, SINT32 height = 0,
                         int window = -1);

    // -- Windows --------------------------------------------------------------

    /// Adds a window and returns its index. Windows stay until unload.
    int AddWindow(PanelWindow window);
    const std::vector<PanelWindow>& Windows() const { return windows_; }
    /// The window that placements without one go to: the first window,
    /// created as a 2D "Main panel" sized by its placements if there is none.
    int DefaultWindow();

    /// Placements in placement order. The pointers stay valid until unload.
    const std::vector<std::unique_ptr<GaugeInstance>>& Instances() const { return instances_; }

    /// The `ordinal`-th placement (from 1) of `gauge`, or null.
    GaugeInstance* FindInstance(const GaugeDef& gauge, int ordinal) const;
    int PlacementCount(const GaugeDef& gauge) const;

    /// One update of one placement: its gauge callback (PRE_UPDATE), its
    /// update routine, then every element in drawing order.
    void Update(GaugeInstance& instance);
    /// One update of every placement, in placement order.
    void UpdateAll();
    /// `frames` frames: TICK18 goes up by 1, then every placement updates.
    /// One frame is one 18 Hz tick, so 18 frames make a simulated second.
    void RunFrames(std::uint64_t frames);

    using FrameHook = std::function<void(PanelHost& panel)>;
    /// Hooks of every frame of RunFrames: `before` runs after TICK18 has
    /// gone up and before the updates (to move the simulation on), `after`
    /// once every placement has updated (to look at the result). Empty
    /// functions turn them off.
    void SetFrameHooks(FrameHook before, FrameHook after) {
        before_frame_ = std::move(before);
        after_frame_  = std::move(after);
    }

    /// What a panel system does when it draws a placement: its generate
    /// routine with `phase`, then its draw routine.
    void Draw(GaugeInstance& instance, UINT32 phase);

    /// Calls the gauge's callback once. Returns false if it has none.
    bool CallGaugeCallback(const GaugeDef& gauge, SINT32 service_code, UINT32 extra = 0);

    // -- Mouse --------------------------------------------------------------

    /// A left single click at gauge pixel `point`: calls the handler of the
    /// first click entry that listens for it and whose box holds the point.
    /// Returns the handler's result, or nothing if no entry took the click.
    std::optional<BOOL32> Click(const GaugeDef& gauge, PIXPOINT point);

    /// The tooltip at gauge pixel `point`: the text of the innermost area
    /// with a tooltip whose box holds the point, or null. The text is
    /// module-owned.
    const char* Tooltip(const GaugeDef& gauge, PIXPOINT point) const;

    // -- Simulation variables, named variables, failures --------------------

    double Token(SIM_TOKEN token) const {
        return token < kDirectTokens ? direct_tokens_[token] : OtherToken(token);
    }
    void SetToken(SIM_TOKEN token, double value);

    /// Identifier of a named variable, created with 0.0 at its first lookup.
    NAMED_VAR_ID NamedId(std::string_view name);
    double Named(std::string_view name);
    void SetNamed(std::string_view name, double value);

    void SetFailure(FAILURE_KEY key, bool active);
    bool FailureActive(FAILURE_KEY key) const;

    // -- Trace --------------------------------------------------------------

    /// While set, every panel-service call the module makes is reported to
    /// `sink` as one line. An empty sink turns the report off. The panel
    /// keeps the sink until it is replaced; whatever the sink refers to must
    /// live as long (unloading, also by the destructor, reports the kills).
    void SetTrace(LineSink sink) { trace_ = std::move(sink); }
    bool Tracing() const { return static_cast<bool>(trace_); }

    /// The resource-file handle the panel passes to install routines.
    RESOURCE_HANDLE ResourceHandle() const { return resource_handle_; }
    /// The library the module was loaded from, or null (no module, or one
    /// linked into the program). It lives until UnloadModule.
    const ModuleLibrary* Library() const { return library_.get(); }

    // -- Where the module's service calls land (see host/panel_services.cpp)
    void ServiceElementList(const char* service, PELEMENT_HEADER root, const char* argument);
    void ServiceLookupVar(PMODULE_VAR record);
    NAMED_VAR_ID ServiceCheckNamed(const char* name);
    FLOAT64 ServiceGetNamed(NAMED_VAR_ID id);
    void ServiceSetNamed(NAMED_VAR_ID id, FLOAT64 value);

    /// "Gauge:index" of an element of the module, or "?" for an address
    /// that is no element of any gauge.
    std::string ElementLabel(const ElementHeader* element) const;

  private:
    bool TakeOn(ModuleLinkage* linkage, ImportEntry* import_table, std::string* error);
    void UpdateElement(GaugeInstance& instance, int index);
    void Trace(std::string_view line) const;
    void TraceLookupVar(const MODULE_VAR& record) const;
    double OtherToken(SIM_TOKEN token) const;
    void TraceNamed(const char* service, NAMED_VAR_ID id, const char* separator,
                    double value) const;

    static PanelHost* current_;

    std::unique_ptr<ModuleLibrary> library_;
    ModuleLinkage* linkage_          = nullptr;
    ImportEntry* services_entry_     = nullptr;
    RESOURCE_HANDLE resource_handle_ = nullptr;
    std::string module_name_;
    std::vector<GaugeDef> gauges_;
    std::unordered_map<const ElementHeader*, std::pair<int, int>> element_places_;

    std::vector<std::unique_ptr<GaugeInstance>> instances_;
    std::vector<PanelWindow> windows_;
    FrameHook before_frame_;
    FrameHook after_frame_;

    // The simulator's token numbers are small: those below kDirectTokens live
    // in a flat table, so a lookup_var costs an index; any other number a
    // script sets goes to the map.
    static constexpr SIM_TOKEN kDirectTokens = 0x400;
    std::vector<double> direct_tokens_       = std::vector<double>(kDirectTokens, 0.0);
    std::unordered_map<SIM_TOKEN, double> other_tokens_;
    std::vector<std::string> named_names_;  // identifier = index
    std::vector<double> named_values_;
    std::unordered_map<std::string, NAMED_VAR_ID> named_ids_;
    struct RecentName {
        const char* text = nullptr;
        NAMED_VAR_ID id  = 0;
    };
    std::array<RecentName, 16> recent_names_{};
    std::unordered_set<FAILURE_KEY> failures_;

    LineSink trace_;
};

/// Bounds within which the host looks for the ends of the module's lists. A
/// list without its end inside them is taken as malformed.
inline constexpr std::size_t kMaxElementsPerGauge = 4096;
inline constexpr std::size_t kMaxChildren         = 1024;
inline constexpr std::size_t kMaxMouseEntries     = 1024;
inline constexpr std::size_t kMaxFailureRecords   = 64;
inline constexpr std::size_t kMaxNonlinearity     = 1024;
inline constexpr std::size_t kMaxStringChars      = 65536;
inline constexpr std::size_t kMaxImportEntries    = 64;

/// A real as C's %.17g writes it, the same on every system: NaN is "nan"
/// whatever its sign bit, infinities "inf" and "-inf", exponents at least
/// two digits ("1e+20").
std::string Real17(double value);

/// Formats with printf rules into a std::string.
std::string Format(const char* fmt, ...)
#if defined(__MINGW32__)
    // MinGW's C++ library formats by the C standard (%zu and all), not by
    // msvcrt's rules that plain "printf" checks against there.
    __attribute__((format(gnu_printf, 1, 2)))
#elif defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace drennomar::host

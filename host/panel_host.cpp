// The panel host's module handling, placements and variable stores.
//
// [SECTION] Taking a module on: checking its tables
// [SECTION] Unloading
// [SECTION] Placements
// [SECTION] Tokens, named variables, failures
#include "host/panel_host.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "host/loader.h"

namespace drennomar::host {

PanelServices* HostServicesTable();  // host/panel_services.cpp

PanelHost* PanelHost::current_ = nullptr;

std::string Format(const char* fmt, ...) {
    char small[256];
    va_list args;
    va_start(args, fmt);
    int n = std::vsnprintf(small, sizeof small, fmt, args);
    va_end(args);
    if (n < 0) return "";
    if (static_cast<size_t>(n) < sizeof small) return std::string(small, static_cast<size_t>(n));
    std::string big(static_cast<size_t>(n) + 1, '\0');
    va_start(args, fmt);
    std::vsnprintf(big.data(), big.size(), fmt, args);
    va_end(args);
    big.resize(static_cast<size_t>(n));
    return big;
}

std::string Real17(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 17);
    return std::string(buf, result.ptr);
}

PanelHost::PanelHost() = default;

PanelHost::~PanelHost() { UnloadModule(); }

//-----------------------------------------------------------------------------
// [SECTION] Taking a module on: checking its tables
//-----------------------------------------------------------------------------

namespace {

// Every list of a definition ends with a marker; a list whose marker does
// not come within its bound is malformed, and the panel refuses the module
// rather than read past what the module defined.
bool CheckElement(const GaugeDef& gauge, int index, const ElementHeader& e, std::string* error) {
    auto fail = [&](const std::string& what) {
        *error = Format("gauge %s, element %d: %s", gauge.name.c_str(), index, what.c_str());
        return false;
    };
    if (e.element_type >= ELEMENT_KIND_COUNT) {
        return fail(Format("unknown element kind %u", static_cast<unsigned>(e.element_type)));
    }
    if (e.failure_systems != nullptr) {
        size_t n = 0;
        while (n < kMaxFailureRecords && e.failure_systems[n].key != FAIL_NONE) ++n;
        if (n == kMaxFailureRecords) {
            return fail(Format("failure list has no end within %zu records", kMaxFailureRecords));
        }
    }
    if (e.element_type == ELEMENT_NEEDLE) {
        const auto& needle = reinterpret_cast<const NeedleElement&>(e);
        if (needle.nonlinearity_count > kMaxNonlinearity) {
            return fail(Format("nonlinearity table of %u entries", needle.nonlinearity_count));
        }
        if (needle.nonlinearity_count > 0 && needle.nonlinearity == nullptr) {
            return fail("nonlinearity entries counted but no table");
        }
    }
    if (e.element_type == ELEMENT_STRING) {
        const auto& str = reinterpret_cast<const StringElement&>(e);
        if (str.char_count > kMaxStringChars) {
            return fail(Format("character count %u", str.char_count));
        }
    }
    return true;
}

bool WalkTree(GaugeDef& gauge, std::string* error) {
    PELEMENT_HEADER root = gauge.header->elements_list[0];
    if (root == nullptr) {
        *error = Format("gauge %s has no root element", gauge.name.c_str());
        return false;
    }
    std::unordered_set<const ElementHeader*> seen;
    // Pre-order walk with an explicit stack of (element, parent, depth).
    struct Pending {
        PELEMENT_HEADER element;
        int parent;
        int depth;
    };
    std::vector<Pending> stack{{root, -1, 0}};
    while (!stack.empty()) {
        Pending p = stack.back();
        stack.pop_back();
        if (gauge.elements.size() >= kMaxElementsPerGauge) {
            *error = Format("gauge %s has more than %zu elements", gauge.name.c_str(),
                            kMaxElementsPerGauge);
            return false;
        }
        if (!seen.insert(p.element).second) {
            *error = Format("gauge %s: an element appears twice in its tree", gauge.name.c_str());
            return false;
        }
        int index = static_cast<int>(gauge.elements.size());
        gauge.elements.push_back({p.element, p.parent, p.depth});
        if (!CheckElement(gauge, index, *p.element, error)) return false;
        PELEMENT_HEADER* children = p.element->next_element;
        if (children == nullptr) continue;
        size_t n = 0;
        while (n < kMaxChildren && children[n] != nullptr) ++n;
        if (n == kMaxChildren) {
            *error = Format("gauge %s, element %d: child list has no end within %zu entries",
                            gauge.name.c_str(), index, kMaxChildren);
            return false;
        }
        for (size_t i = n; i-- > 0;) stack.push_back({children[i], index, p.depth + 1});
    }
    return true;
}

bool CheckMouseTable(const GaugeDef& gauge, std::string* error) {
    const MouseRect* table = gauge.header->mouse_rect;
    if (table == nullptr) return true;
    for (size_t i = 0; i < kMaxMouseEntries; ++i) {
        if (table[i].rect_flags == MOUSE_RECT_EOL) return true;
        if (table[i].rect_flags > MOUSE_RECT_USER) {
            *error = Format("gauge %s, mouse entry %zu: unknown kind %u", gauge.name.c_str(), i,
                            static_cast<unsigned>(table[i].rect_flags));
            return false;
        }
    }
    *error = Format("gauge %s: mouse table has no end within %zu entries", gauge.name.c_str(),
                    kMaxMouseEntries);
    return false;
}

// A stand-in resource-file handle for a module linked into the program.
char gLinkedModuleResources;

}  // namespace

bool PanelHost::LoadModule(const std::string& path, std::string* error) {
    std::string why;
    if (HasModule()) {
        *error = "a module is already loaded";
        return false;
    }
    auto library = ModuleLibrary::Open(path, &why);
    if (library == nullptr) {
        *error = "cannot load: " + why;
        return false;
    }
    auto* linkage = static_cast<ModuleLinkage*>(library->Symbol(kLinkageSymbol));
    auto* imports = static_cast<ImportEntry*>(library->Symbol(kImportTableSymbol));
    if (linkage == nullptr || imports == nullptr) {
        *error =
            Format("does not export %s", linkage == nullptr ? kLinkageSymbol : kImportTableSymbol);
        return false;
    }
    // The name in gauge references is the file's name without folder and
    // extension.
    std::string name = path;
    if (auto cut = name.find_last_of("/\\"); cut != std::string::npos) name.erase(0, cut + 1);
    if (auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
    module_name_     = name;
    resource_handle_ = library->Handle();
    library_         = std::move(library);
    if (!TakeOn(linkage, imports, error)) {
        library_.reset();
        resource_handle_ = nullptr;
        module_name_.clear();
        return false;
    }
    return true;
}

bool PanelHost::AttachModule(ModuleLinkage* linkage, ImportEntry* import_table,
                             std::string_view name, std::string* error) {
    if (HasModule()) {
        *error = "a module is already loaded";
        return false;
    }
    if (linkage == nullptr || import_table == nullptr) {
        *error = linkage == nullptr ? "no Linkage" : "no ImportTable";
        return false;
    }
    module_name_     = std::string(name);
    resource_handle_ = &gLinkedModuleResources;
    if (!TakeOn(linkage, import_table, error)) {
        resource_handle_ = nullptr;
        module_name_.clear();
        return false;
    }
    return true;
}

bool PanelHost::TakeOn(ModuleLinkage* linkage, ImportEntry* import_table, std::string* error) {
    if (current_ != nullptr && current_ != this) {
        *error = "another panel is serving a module";
        return false;
    }
    ImportEntry* entry = nullptr;
    for (size_t i = 0; i < kMaxImportEntries; ++i) {
        if (import_table[i].id == kImportPanelServices) {
            entry = &import_table[i];
            break;
        }
        if (import_table[i].id == 0) break;
    }
    if (entry == nullptr) {
        *error = Format("ImportTable has no panel-services entry (0x%X)", kImportPanelServices);
        return false;
    }
    std::vector<GaugeDef> gauges;
    size_t n = 0;
    while (n < kGaugeTableSlots && linkage->gauge_table[n] != nullptr) ++n;
    if (n == kGaugeTableSlots) {
        *error = Format("the gauge table has no null end within %zu entries", kGaugeTableSlots);
        return false;
    }
    for (size_t i = 0; i < n; ++i) {
        GAUGEHDR* header = linkage->gauge_table[i];
        if (header->gauge_name == nullptr) {
            *error = Format("gauge %zu has no name", i + 1);
            return false;
        }
        GaugeDef def{header, header->gauge_name, static_cast<int>(i), {}};
        if (header->elements_list == nullptr) {
            *error = Format("gauge %s has no element list", def.name.c_str());
            return false;
        }
        if (!WalkTree(def, error) || !CheckMouseTable(def, error)) return false;
        gauges.push_back(std::move(def));
    }

    gauges_ = std::move(gauges);
    element_places_.clear();
    for (const GaugeDef& g : gauges_) {
        for (size_t i = 0; i < g.elements.size(); ++i) {
            element_places_.emplace(g.elements[i].element, std::pair{g.slot, static_cast<int>(i)});
        }
    }
    linkage_        = linkage;
    services_entry_ = entry;
    current_        = this;
    entry->ptr      = HostServicesTable();
    if (linkage->module_init != nullptr) linkage->module_init();
    return true;
}

const GaugeDef* PanelHost::FindGauge(std::string_view name) const {
    for (const GaugeDef& g : gauges_) {
        if (g.name == name) return &g;
    }
    return nullptr;
}

std::string PanelHost::ElementLabel(const ElementHeader* element) const {
    auto it = element_places_.find(element);
    if (it == element_places_.end()) return "?";
    return gauges_[static_cast<size_t>(it->second.first)].name + ":" +
           std::to_string(it->second.second);
}

//-----------------------------------------------------------------------------
// [SECTION] Unloading
//-----------------------------------------------------------------------------

void PanelHost::UnloadModule() {
    if (!HasModule()) return;
    for (auto& instance : instances_) {
        if (instance->def->header->kill_routine != nullptr) instance->def->header->kill_routine();
    }
    if (linkage_->module_deinit != nullptr) linkage_->module_deinit();
    // No string element may keep pointing at a buffer that goes away now.
    for (const GaugeDef& g : gauges_) {
        for (const ElementNode& node : g.elements) {
            if (node.element->element_type == ELEMENT_STRING) {
                reinterpret_cast<StringElement*>(node.element)->string = nullptr;
            }
        }
    }
    services_entry_->ptr = nullptr;
    instances_.clear();
    windows_.clear();
    gauges_.clear();
    element_places_.clear();
    linkage_         = nullptr;
    services_entry_  = nullptr;
    resource_handle_ = nullptr;
    if (current_ == this) current_ = nullptr;
    library_.reset();
}

void PanelHost::ClearPanel() {
    for (auto& instance : instances_) {
        if (instance->def->header->kill_routine != nullptr) instance->def->header->kill_routine();
    }
    instances_.clear();
    windows_.clear();
    std::fill(direct_tokens_.begin(), direct_tokens_.end(), 0.0);
    other_tokens_.clear();
    named_names_.clear();
    named_values_.clear();
    named_ids_.clear();
    recent_names_ = {};  // their identifiers are gone with the names
    failures_.clear();
}

//-----------------------------------------------------------------------------
// [SECTION] Placements
//-----------------------------------------------------------------------------

GaugeInstance& PanelHost::Place(const GaugeDef& gauge, PIXPOINT at, SINT32 width, SINT32 height,
                                int window) {
    if (window < 0 || static_cast<size_t>(window) >= windows_.size()) window = DefaultWindow();
    auto instance      = std::make_unique<GaugeInstance>();
    instance->def      = &gauge;
    instance->ordinal  = PlacementCount(gauge) + 1;
    instance->window   = window;
    instance->position = at;
    instance->width    = width > 0 ? width : static_cast<SINT32>(gauge.header->size_x_mm);
    instance->height   = height > 0 ? height : static_cast<SINT32>(gauge.header->size_y_mm);
    instance->elements.resize(gauge.elements.size());
    for (size_t i = 0; i < gauge.elements.size(); ++i) {
        const ElementHeader* e = gauge.elements[i].element;
        if (e->element_type == ELEMENT_STRING) {
            const auto* str = reinterpret_cast<const StringElement*>(e);
            ElementState& s = instance->elements[i];
            s.text_size     = static_cast<size_t>(str->char_count) + 1;
            s.text          = std::make_unique<char[]>(s.text_size);  // zero-filled
        }
    }
    instances_.push_back(std::move(instance));
    const GAUGEHDR& h = *gauge.header;
    if (h.query_routine != nullptr) h.query_routine();
    if (h.install_routine != nullptr) h.install_routine(resource_handle_);
    if (h.initialize_routine != nullptr) h.initialize_routine();
    return *instances_.back();
}

int PanelHost::AddWindow(PanelWindow window) {
    windows_.push_back(std::move(window));
    return static_cast<int>(windows_.size()) - 1;
}

int PanelHost::DefaultWindow() {
    if (windows_.empty()) {
        PanelWindow main;
        main.title = "Main panel";
        AddWindow(std::move(main));
    }
    return 0;
}

GaugeInstance* PanelHost::FindInstance(const GaugeDef& gauge, int ordinal) const {
    for (const auto& instance : instances_) {
        if (instance->def == &gauge && instance->ordinal == ordinal) return instance.get();
    }
    return nullptr;
}

int PanelHost::PlacementCount(const GaugeDef& gauge) const {
    int n = 0;
    for (const auto& instance : instances_) n += instance->def == &gauge ? 1 : 0;
    return n;
}

//-----------------------------------------------------------------------------
// [SECTION] Tokens, named variables, failures
//-----------------------------------------------------------------------------

double PanelHost::OtherToken(SIM_TOKEN token) const {
    auto it = other_tokens_.find(token);
    return it == other_tokens_.end() ? 0.0 : it->second;
}

void PanelHost::SetToken(SIM_TOKEN token, double value) {
    if (token < kDirectTokens)
        direct_tokens_[token] = value;
    else
        other_tokens_[token] = value;
}

NAMED_VAR_ID PanelHost::NamedId(std::string_view name) {
    std::string key(name);
    auto it = named_ids_.find(key);
    if (it != named_ids_.end()) return it->second;
    auto id = static_cast<NAMED_VAR_ID>(named_names_.size());
    named_names_.push_back(key);
    named_values_.push_back(0.0);
    named_ids_.emplace(std::move(key), id);
    return id;
}

double PanelHost::Named(std::string_view name) {
    return named_values_[static_cast<size_t>(NamedId(name))];
}

void PanelHost::SetNamed(std::string_view name, double value) {
    named_values_[static_cast<size_t>(NamedId(name))] = value;
}

void PanelHost::SetFailure(FAILURE_KEY key, bool active) {
    if (active) {
        failures_.insert(key);
    } else {
        failures_.erase(key);
    }
}

bool PanelHost::FailureActive(FAILURE_KEY key) const { return failures_.count(key) != 0; }

void PanelHost::Trace(std::string_view line) const {
    if (trace_) trace_(line);
}

}  // namespace drennomar::host

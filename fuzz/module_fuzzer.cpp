// The module under any sequence of host events: every gauge placed once on a
// panel of the real host core, then up to kMaxEvents events decoded from the
// input, each followed by a check of what the module promises whatever the
// host hands it.
//
// Events: set a simulation variable to any double, set a named variable to
// any double, update a placement, call a gauge callback with any service
// code, click any point of any gauge, advance the tick by any amount, place
// another instance of a gauge.
//
// Promises checked after each event:
// - every text a string callback writes ends with its zero inside the buffer
//   (buffers are exactly char_count + 1 bytes, so a write past the end is an
//   address-checker report);
// - the speed needle shows a value in [0, 20];
// - motor temperatures stay in [200, 500] and the monitor's motor pointers in
//   [0, 300];
// - the attitude marker and pointer stay in [-20, 20] (a value that is not a
//   number passes through as it came);
// - the module writes named variables only with 0.0 or 1.0, and only the
//   switch, flag and face variables.
//
// Every decoding step is one statement with one provider call, so that a
// corpus file means the same events whichever compiler built the harness
// (argument evaluation order differs between compilers).
//
// [SECTION] Doubles the host may hand over
// [SECTION] Observing the module's named-variable writes
// [SECTION] The panel for one input
// [SECTION] Invariants
// [SECTION] Events
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "attitude/attitude_callbacks.h"
#include "fuzz/module_at_load.h"
#include "host/panel_host.h"
#include "navigation/navigation.h"
#include "panel/module_imports.h"
#include "power/slider_gauges.h"
#include "state/module_state.h"

namespace {

using drennomar::gModuleState;
using drennomar::ModuleState;
using drennomar::host::GaugeDef;
using drennomar::host::GaugeInstance;
using drennomar::host::PanelHost;

constexpr int kMaxEvents     = 300;
constexpr size_t kMaxPlacing = 26;  // every gauge twice

//-----------------------------------------------------------------------------
// [SECTION] Doubles the host may hand over
//-----------------------------------------------------------------------------

const double kEdgeValues[] = {
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    DBL_MAX,
    -DBL_MAX,
    1e20,
    -1e20,
    2147483647.5,   // 2^31 - 0.5
    2147483648.5,   // 2^31 + 0.5
    2147483648.0,   // 2^31
    -2147483648.5,  // -2^31 - 0.5
    -2147483647.5,  // -2^31 + 0.5
    -2147483649.0,  // -2^31 - 1
    std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(),
    DBL_MIN,
    0.0,
    -0.0,
    0.05,
    0.5,
    0.7,
    1.0,
    1.9,
    2.0,
    2.5,
    -0.5,
    -1.0,
    20.0,
    20.5,
    180.0,
    180.5,
    350.0,
    400.0,
    500.0,
    1e6,
    281474976710656.0,  // 2^48, a full circle of longitude
    40007000.0,         // a full circle of latitude
};

double PickDouble(FuzzedDataProvider& in) {
    const int kind = in.ConsumeIntegralInRange<int>(0, 3);
    switch (kind) {
        case 0: {
            const size_t i = in.ConsumeIntegralInRange<size_t>(0, std::size(kEdgeValues) - 1);
            return kEdgeValues[i];
        }
        case 1: {
            const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case 2:
            return in.ConsumeIntegralInRange<int>(-1000, 1000);
        default:
            return in.ConsumeFloatingPointInRange<double>(-1000.0, 1000.0);
    }
}

const SIM_TOKEN kTokens[] = {
    TICK18,
    kTokenGroundSpeedFps,
    kTokenLongitude,
    kTokenLatitude,
    kTokenBatteryVoltage,
    kTokenBatteryCurrent,
    kTokenDriveEnable,
    kTokenDriveLoad,
    kTokenRateMultiplier,
    kTokenHeadingDeg,
    kTokenBattery1Charge,
    kTokenBattery2Charge,
    kTokenPitchDeg,
    kTokenBankDeg,
};

const char* const kNamedVariables[] = {
    kNamedWarningFlag, kNamedBattSw,  kNamedMotorTempSw,
    kNamedResetSw,     kNamedBattCov, kNamedRollPitchGauge,
};

//-----------------------------------------------------------------------------
// [SECTION] Observing the module's named-variable writes
//-----------------------------------------------------------------------------

// The module reaches the panel through the table in its ImportTable; the
// harness puts there a copy of the host's table whose write service notes
// each write before passing it on.
struct NamedWrite {
    NAMED_VAR_ID id;
    double value;
};
std::vector<NamedWrite> gNamedWrites;
PanelServices gObservedServices;
void(PANELAPI* gHostSetNamed)(NAMED_VAR_ID, FLOAT64) = nullptr;

void PANELAPI ObservedSetNamed(NAMED_VAR_ID id, FLOAT64 value) {
    gNamedWrites.push_back({id, value});
    gHostSetNamed(id, value);
}

//-----------------------------------------------------------------------------
// [SECTION] The panel for one input
//-----------------------------------------------------------------------------

[[noreturn]] void Broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "module promise broken: %s (%s)\n", what, detail.c_str());
    std::abort();
}

// One panel for the life of the program, with the module taken on once;
// each input clears it and places every gauge afresh.
struct Harness {
    PanelHost panel;
    std::vector<NAMED_VAR_ID> allowed_ids;  // the variables the module may write

    Harness() {
        std::string error;
        if (!panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) {
            Broken("the host refuses the module", error);
        }
        drennomar::fuzz::NoteLoadFlags(panel);
        auto* host_services = static_cast<PanelServices*>(ImportTable[0].ptr);
        gObservedServices   = *host_services;
        gHostSetNamed       = host_services->set_named_variable_value;
        gObservedServices.set_named_variable_value = &ObservedSetNamed;
        ImportTable[0].ptr                         = &gObservedServices;
    }

    void Start() {
        panel.ClearPanel();
        drennomar::fuzz::BackToLoad();
        allowed_ids.clear();
        for (const char* name : {kNamedWarningFlag, kNamedBattSw, kNamedMotorTempSw, kNamedResetSw,
                                 kNamedRollPitchGauge}) {
            allowed_ids.push_back(panel.NamedId(name));
        }
        gNamedWrites.clear();
        for (const GaugeDef& g : panel.Gauges()) panel.Place(g, {0, 0});
    }
};

//-----------------------------------------------------------------------------
// [SECTION] Invariants
//-----------------------------------------------------------------------------

std::string Text(double v) { return drennomar::host::Real17(v); }

void CheckInRange(const char* what, double v, double low, double high) {
    if (!(v >= low && v <= high)) Broken(what, Text(v));
}

void CheckNamedWrites(const Harness& h) {
    for (const NamedWrite& w : gNamedWrites) {
        bool allowed = false;
        for (NAMED_VAR_ID id : h.allowed_ids) allowed = allowed || id == w.id;
        if (!allowed) Broken("the module wrote a variable it must not", std::to_string(w.id));
        // Bit for bit: -0.0 is no switch position either.
        const bool zero = w.value == 0.0 && !std::signbit(w.value);
        if (!zero && w.value != 1.0) Broken("a named variable written with", Text(w.value));
    }
    gNamedWrites.clear();
}

void CheckModel() {
    const ModuleState& s = gModuleState;
    CheckInRange("left forward motor temperature", s.MotorTempLeftFwd, 200.0, 500.0);
    CheckInRange("left rear motor temperature", s.MotorTempLeftRear, 200.0, 500.0);
    CheckInRange("right forward motor temperature", s.MotorTempRightFwd, 200.0, 500.0);
    CheckInRange("right rear motor temperature", s.MotorTempRightRear, 200.0, 500.0);
    CheckInRange("left motor display", s.MotorTempDisplayL, 0.0, 300.0);
    CheckInRange("right motor display", s.MotorTempDisplayR, 0.0, 300.0);
}

void CheckAttitude(const char* what, double shown, double source) {
    if (std::isnan(shown) && std::isnan(source)) return;
    CheckInRange(what, shown, -20.0, 20.0);
}

// The elements whose shown value has a promised range, per gauge slot: found
// once, as the definitions never change.
enum class Watch { kSpeed, kRollPointer, kPitchMarker, kMotorPointer };
struct Watched {
    size_t index;
    Watch what;
};
std::vector<std::vector<Watched>> gWatched;              // by gauge slot
std::vector<std::vector<StringElement*>> gTextElements;  // by gauge slot
// One buffer of exactly its size per string element, kept for the life of
// the program.
std::vector<std::pair<StringElement*, std::unique_ptr<char[]>>> gTextBuffers;

void FindWatched(const PanelHost& panel) {
    using drennomar::MonitorPointerCallback;
    for (const GaugeDef& gauge : panel.Gauges()) {
        std::vector<Watched> watched;
        std::vector<StringElement*> texts;
        for (size_t i = 0; i < gauge.elements.size(); ++i) {
            ElementHeader* e = gauge.elements[i].element;
            if (e->element_type == ELEMENT_NEEDLE) {
                auto* needle = reinterpret_cast<NeedleElement*>(e);
                if (needle->update_cb == &drennomar::SpeedNeedleCallback) {
                    watched.push_back({i, Watch::kSpeed});
                } else if (needle->update_cb == &drennomar::RollPointerCallback) {
                    watched.push_back({i, Watch::kRollPointer});
                }
            } else if (e->element_type == ELEMENT_SLIDER) {
                auto* slider = reinterpret_cast<SliderElement*>(e);
                if (slider->y.update_cb == &drennomar::PitchMarkerCallback) {
                    watched.push_back({i, Watch::kPitchMarker});
                } else if (slider->y.update_cb ==
                               &MonitorPointerCallback<&ModuleState::MotorTempDisplayL> ||
                           slider->y.update_cb ==
                               &MonitorPointerCallback<&ModuleState::MotorTempDisplayR>) {
                    watched.push_back({i, Watch::kMotorPointer});
                }
            } else if (e->element_type == ELEMENT_STRING) {
                auto* str = reinterpret_cast<StringElement*>(e);
                if (str->update_cb == nullptr) continue;
                texts.push_back(str);
                const size_t size = static_cast<size_t>(str->char_count) + 1;
                gTextBuffers.emplace_back(str, std::make_unique<char[]>(size));
            }
        }
        gWatched.push_back(std::move(watched));
        gTextElements.push_back(std::move(texts));
    }
}

// What one placement shows after its last update.
void CheckShown(const GaugeInstance& instance) {
    const auto& elements = instance.def->elements;
    for (const Watched& w : gWatched[static_cast<size_t>(instance.def->slot)]) {
        const auto& shown = instance.elements[w.index];
        if (!shown.updated) continue;
        ElementHeader* e = elements[w.index].element;
        switch (w.what) {
            case Watch::kSpeed:
                CheckInRange("speed needle", shown.value, 0.0, 20.0);
                break;
            case Watch::kRollPointer:
                CheckAttitude("roll pointer", shown.value,
                              reinterpret_cast<NeedleElement*>(e)->source_var.var_value);
                break;
            case Watch::kPitchMarker:
                CheckAttitude("pitch marker", shown.value,
                              reinterpret_cast<SliderElement*>(e)->y.source_var.var_value);
                break;
            case Watch::kMotorPointer:
                CheckInRange("motor pointer", shown.value, 0.0, 300.0);
                break;
        }
    }
}

// The host ends every text at the last byte of its buffer whatever the
// callback wrote, so each string callback is also called here into a buffer
// of exactly its size, filled with non-zero bytes, to see that the text ends
// on its own.
void CheckTexts(const GaugeDef& gauge) {
    for (StringElement* str : gTextElements[static_cast<size_t>(gauge.slot)]) {
        char* buffer = nullptr;
        for (auto& [element, owned] : gTextBuffers) {
            if (element == str) buffer = owned.get();
        }
        const size_t size = static_cast<size_t>(str->char_count) + 1;
        std::memset(buffer, '#', size);
        str->string = buffer;
        str->update_cb(str);
        str->string = nullptr;
        if (std::memchr(buffer, '\0', size) == nullptr) {
            Broken("a text without its zero", gauge.name);
        }
    }
}

void CheckAll(Harness& h, const GaugeInstance* updated) {
    CheckNamedWrites(h);
    CheckModel();
    if (updated != nullptr) CheckShown(*updated);
}

//-----------------------------------------------------------------------------
// [SECTION] Events
//-----------------------------------------------------------------------------

enum class Event : int {
    kSetToken,
    kSetNamed,
    kUpdate,
    kGaugeCallback,
    kClick,
    kAdvanceTick,
    kPlaceAnother,
    Count
};

// How often each event comes: updates, the events that run most of the
// module, a little more often than the rest.
constexpr Event kEventMix[] = {
    Event::kSetToken, Event::kSetNamed,    Event::kUpdate,       Event::kGaugeCallback,
    Event::kClick,    Event::kAdvanceTick, Event::kPlaceAnother, Event::kUpdate,
};
static_assert(std::size(kEventMix) == 8, "a byte's low three bits pick the event");

const GaugeDef& PickGauge(FuzzedDataProvider& in, PanelHost& panel) {
    const size_t i = in.ConsumeIntegralInRange<size_t>(0, panel.Gauges().size() - 1);
    return panel.Gauges()[i];
}

// Click areas start near the gauge's top-left corner, so most points land
// there; the rest anywhere on a large panel or anywhere at all.
SINT32 PickCoordinate(FuzzedDataProvider& in) {
    const int reach = in.ConsumeIntegralInRange<int>(0, 3);
    switch (reach) {
        case 0:
        case 1:
            return in.ConsumeIntegralInRange<SINT32>(-1, 64);
        case 2:
            return in.ConsumeIntegralInRange<SINT32>(-2, 400);
        default:
            return in.ConsumeIntegral<SINT32>();
    }
}

void RunEvent(FuzzedDataProvider& in, Harness& h) {
    PanelHost& panel             = h.panel;
    const GaugeInstance* updated = nullptr;
    const size_t pick            = in.ConsumeIntegralInRange<size_t>(0, std::size(kEventMix) - 1);
    const Event event            = kEventMix[pick];
    switch (event) {
        case Event::kSetToken: {
            const size_t i     = in.ConsumeIntegralInRange<size_t>(0, std::size(kTokens) - 1);
            const double value = PickDouble(in);
            panel.SetToken(kTokens[i], value);
            break;
        }
        case Event::kSetNamed: {
            const size_t i = in.ConsumeIntegralInRange<size_t>(0, std::size(kNamedVariables) - 1);
            const double value = PickDouble(in);
            panel.SetNamed(kNamedVariables[i], value);
            break;
        }
        case Event::kUpdate: {
            const size_t i = in.ConsumeIntegralInRange<size_t>(0, panel.Instances().size() - 1);
            GaugeInstance& instance = *panel.Instances()[i];
            panel.Update(instance);
            CheckTexts(*instance.def);
            updated = &instance;
            break;
        }
        case Event::kGaugeCallback: {
            const GaugeDef& gauge = PickGauge(in, panel);
            const SINT32 code     = in.ConsumeIntegral<SINT32>();
            const UINT32 extra    = in.ConsumeIntegral<UINT32>();
            panel.CallGaugeCallback(gauge, code, extra);
            break;
        }
        case Event::kClick: {
            const GaugeDef& gauge = PickGauge(in, panel);
            const SINT32 x        = PickCoordinate(in);
            const SINT32 y        = PickCoordinate(in);
            const auto result     = panel.Click(gauge, {x, y});
            if (result.has_value() && *result != 1) {
                Broken("a click handler returned", std::to_string(*result));
            }
            break;
        }
        case Event::kAdvanceTick: {
            const double ticks = PickDouble(in);
            panel.SetToken(TICK18, panel.Token(TICK18) + ticks);
            break;
        }
        case Event::kPlaceAnother: {
            const GaugeDef& gauge = PickGauge(in, panel);
            if (panel.Instances().size() < kMaxPlacing) panel.Place(gauge, {0, 0});
            break;
        }
        case Event::Count:
            break;
    }
    CheckAll(h, updated);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static Harness& h = *new Harness;  // never destroyed: the module stays loaded
    FuzzedDataProvider in(data, size);
    h.Start();
    if (gWatched.empty()) FindWatched(h.panel);
    CheckAll(h, nullptr);
    for (int n = 0; n < kMaxEvents && in.remaining_bytes() > 0; ++n) RunEvent(in, h);
    // What the input placed goes with it, so that the engine's leak check
    // sees every allocation of the input freed.
    h.panel.ClearPanel();
    return 0;
}

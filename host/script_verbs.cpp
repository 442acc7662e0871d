// The standard verbs of the panel's script language.
//
//   place GAUGE [X Y [W [H]]]   place an instance at panel pixel X,Y, W wide
//   token ID VALUE              set a simulation variable
//   named NAME VALUE            write a named panel variable
//   print token ID | print named NAME     -> the value, %.17g
//   update [GAUGE]              update every placement, or that one
//   callback GAUGE [CODE]       call the gauge callback with CODE (default 0)
//   run N                       N frames: TICK18 += 1, then update
//   click GAUGE X Y             -> the handler's result, or none
//   tooltip GAUGE X Y           -> the tooltip text, or none
//   text GAUGE E                -> the element's text (empty if none)
//   value GAUGE E               -> its value at its last update; slider: H V
//   flags GAUGE E               -> its image flags, 0x%08X
//   fail KEY on|off             activate or clear a simulated failure
//   trace on|off                report every panel-service call
//   dump GAUGE                  -> the gauge's definition as JSON
//   echo TEXT                   -> TEXT
// The host adds:
//   angle GAUGE E               -> a needle's turn in degrees, %.17g
//   offset GAUGE E              -> a slider's image offset "X Y", %.17g
//   icon GAUGE E                -> the index of the image an icon shows
//   draw GAUGE [PHASE]          generate (with PHASE, default 0) and draw routines
//
// GAUGE is a gauge name (optionally `Drennomar!Name`) meaning its first
// placement, `Name#N` its N-th. dump and callback concern the definition
// and take a gauge that is not placed.
#include <climits>
#include <cstdio>

#include "host/definition_json.h"
#include "host/panel_verbs.h"
#include "host/resource_verbs.h"
#include "host/script.h"

namespace drennomar::host {

namespace {

constexpr long long kSint32Min = INT32_MIN;
constexpr long long kSint32Max = INT32_MAX;
constexpr long long kUint32Max = UINT32_MAX;

PIXPOINT Point(const VerbCall& call, size_t i) {
    return {static_cast<SINT32>(call.Integer(i, "x", kSint32Min, kSint32Max)),
            static_cast<SINT32>(call.Integer(i + 1, "y", kSint32Min, kSint32Max))};
}

void Place(VerbCall& call) {
    call.AtMost(5);
    std::string_view word = call.Word(0, "gauge name");
    if (word.find('#') != std::string_view::npos) {
        call.Fail(Format("place takes a gauge name, not a placement: '%.*s'",
                         static_cast<int>(word.size()), word.data()));
    }
    const GaugeDef& gauge = call.Gauge(0);
    PIXPOINT at{0, 0};
    if (call.Has(1)) at = Point(call, 1);
    SINT32 width  = call.Has(3) ? static_cast<SINT32>(call.Integer(3, "width", 1, kSint32Max)) : 0;
    SINT32 height = call.Has(4) ? static_cast<SINT32>(call.Integer(4, "height", 1, kSint32Max)) : 0;
    call.Panel().Place(gauge, at, width, height);
}

void Token(VerbCall& call) {
    call.AtMost(2);
    auto id = static_cast<SIM_TOKEN>(call.Integer(0, "token", 0, kUint32Max));
    call.Panel().SetToken(id, call.Real(1, "value"));
}

void Named(VerbCall& call) {
    call.AtMost(2);
    std::string_view name = call.Word(0, "variable name");
    double value          = call.Real(1, "value");
    call.Panel().SetNamed(name, value);
}

void Print(VerbCall& call) {
    call.AtMost(2);
    std::string_view what = call.Word(0, "what to print (token or named)");
    if (what == "token") {
        auto id = static_cast<SIM_TOKEN>(call.Integer(1, "token", 0, kUint32Max));
        call.Print(Real17(call.Panel().Token(id)));
    } else if (what == "named") {
        call.Print(Real17(call.Panel().Named(call.Word(1, "variable name"))));
    } else {
        call.Fail(Format("print takes token or named, not '%.*s'", static_cast<int>(what.size()),
                         what.data()));
    }
}

void Update(VerbCall& call) {
    call.AtMost(1);
    if (call.Has(0)) {
        call.Panel().Update(call.Instance(0));
    } else {
        call.Panel().UpdateAll();
    }
}

void Callback(VerbCall& call) {
    call.AtMost(2);
    const GaugeDef& gauge = call.Gauge(0);
    auto code             = call.Has(1)
                                ? static_cast<SINT32>(call.Integer(1, "service code", kSint32Min, kSint32Max))
                                : 0;
    if (!call.Panel().CallGaugeCallback(gauge, code, 0)) {
        call.Fail(Format("%s has no gauge callback", gauge.name.c_str()));
    }
}

void Run(VerbCall& call) {
    call.AtMost(1);
    auto frames = call.Integer(0, "frame count", 0, LLONG_MAX);
    call.Panel().RunFrames(static_cast<std::uint64_t>(frames));
}

void Click(VerbCall& call) {
    call.AtMost(3);
    GaugeInstance& instance      = call.Instance(0);
    PIXPOINT at                  = Point(call, 1);
    std::optional<BOOL32> result = call.Panel().Click(*instance.def, at);
    call.Print(result ? std::to_string(*result) : "none");
}

void Tooltip(VerbCall& call) {
    call.AtMost(3);
    GaugeInstance& instance = call.Instance(0);
    PIXPOINT at             = Point(call, 1);
    const char* text        = call.Panel().Tooltip(*instance.def, at);
    call.Print(text != nullptr ? text : "none");
}

/// The placement and element named by arguments 0 and 1.
std::pair<GaugeInstance*, int> ElementArgs(VerbCall& call) {
    call.AtMost(2);
    GaugeInstance& instance = call.Instance(0);
    int index               = call.Element(1, *instance.def);
    return {&instance, index};
}

ElementKind KindOf(const GaugeInstance& instance, int index) {
    return instance.def->elements[static_cast<size_t>(index)].element->element_type;
}

void Text(VerbCall& call) {
    auto [instance, index] = ElementArgs(call);
    const ElementState& s  = instance->elements[static_cast<size_t>(index)];
    call.Print(s.text != nullptr ? s.text.get() : "");
}

void Value(VerbCall& call) {
    auto [instance, index] = ElementArgs(call);
    const ElementState& s  = instance->elements[static_cast<size_t>(index)];
    if (KindOf(*instance, index) == ELEMENT_SLIDER) {
        call.Print(Real17(s.value_x) + " " + Real17(s.value));
    } else {
        call.Print(Real17(s.value));
    }
}

void Flags(VerbCall& call) {
    auto [instance, index] = ElementArgs(call);
    const ElementHeader* e = instance->def->elements[static_cast<size_t>(index)].element;
    call.Print(Format("0x%08X", e->image_flags));
}

void Angle(VerbCall& call) {
    auto [instance, index] = ElementArgs(call);
    if (KindOf(*instance, index) != ELEMENT_NEEDLE) call.Fail("angle takes a needle element");
    call.Print(Real17(instance->elements[static_cast<size_t>(index)].needle_deg));
}

void Offset(VerbCall& call) {
    auto [instance, index] = ElementArgs(call);
    if (KindOf(*instance, index) != ELEMENT_SLIDER) call.Fail("offset takes a slider element");
    const ElementState& s = instance->elements[static_cast<size_t>(index)];
    call.Print(Real17(s.offset_x) + " " + Real17(s.offset_y));
}

void Icon(VerbCall& call) {
    auto [instance, index] = ElementArgs(call);
    if (KindOf(*instance, index) != ELEMENT_ICON) call.Fail("icon takes an icon element");
    call.Print(std::to_string(instance->elements[static_cast<size_t>(index)].icon_index));
}

void Draw(VerbCall& call) {
    call.AtMost(2);
    GaugeInstance& instance = call.Instance(0);
    auto phase = call.Has(1) ? static_cast<UINT32>(call.Integer(1, "phase", 0, kUint32Max)) : 0u;
    call.Panel().Draw(instance, phase);
}

void Fail(VerbCall& call) {
    call.AtMost(2);
    auto key    = static_cast<FAILURE_KEY>(call.Integer(0, "failure key", 1, kUint32Max));
    bool active = call.OnOff(1, "failure state");
    call.Panel().SetFailure(key, active);
}

void Dump(VerbCall& call) {
    call.AtMost(1);
    call.Print(GaugeDefinitionJson(call.Gauge(0)));
}

void Echo(VerbCall& call) { call.Print(call.Rest()); }

}  // namespace

void AddPanelVerbs(ScriptInterpreter& interpreter) {
    struct Entry {
        const char* name;
        void (*handler)(VerbCall&);
    };
    static constexpr Entry kVerbs[] = {
        {"place", &Place},     {"token", &Token},       {"named", &Named}, {"print", &Print},
        {"update", &Update},   {"callback", &Callback}, {"run", &Run},     {"click", &Click},
        {"tooltip", &Tooltip}, {"text", &Text},         {"value", &Value}, {"flags", &Flags},
        {"fail", &Fail},       {"dump", &Dump},         {"echo", &Echo},   {"angle", &Angle},
        {"offset", &Offset},   {"icon", &Icon},         {"draw", &Draw},
    };
    for (const Entry& e : kVerbs) interpreter.AddVerb(e.name, e.handler);

    // trace reports through the interpreter's own output sink, in line with
    // the lines the commands print; the panel keeps a copy of the sink.
    ScriptInterpreter* self = &interpreter;
    interpreter.AddVerb("trace", [self](VerbCall& call) {
        call.AtMost(1);
        if (call.OnOff(0, "trace state")) {
            call.Panel().SetTrace(self->Out());
        } else {
            call.Panel().SetTrace(nullptr);
        }
    });
}

void AddAllVerbs(ScriptInterpreter& interpreter) {
    AddPanelVerbs(interpreter);
    AddPanelFileVerbs(interpreter);
    AddResourceVerbs(interpreter);
}

}  // namespace drennomar::host

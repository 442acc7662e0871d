// The script interpreter under any text: the input is a script, run line by
// line through the standard verbs on a panel with the module taken on, as
// drennomar-panel runs one. A bad line must stop the run with one message
// `fuzz.panel:LINE: what`, naming the line it stopped at; nothing may crash.
//
// `run` is held to a few frames per line, so that a script asking for
// billions of frames is still a quick input; everything else is as the
// program has it. Verbs that read or write files are not added.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/module_at_load.h"
#include "host/script.h"
#include "panel/module_imports.h"

namespace {

using drennomar::host::PanelHost;
using drennomar::host::ScriptInterpreter;
using drennomar::host::VerbCall;

constexpr long long kMaxFramesPerRun = 2;
constexpr char kFile[]               = "fuzz.panel";

[[noreturn]] void Broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "script promise broken: %s (%.*s)\n", what,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

struct Harness {
    PanelHost panel;
    std::string last_error;
    int errors = 0;
    ScriptInterpreter interpreter{panel, [](std::string_view) {},
                                  [this](std::string_view line) {
                                      last_error.assign(line);
                                      ++errors;
                                  }};

    Harness() {
        std::string error;
        if (!panel.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) {
            Broken("the host refuses the module", error);
        }
        drennomar::fuzz::NoteLoadFlags(panel);
        drennomar::host::AddPanelVerbs(interpreter);
        interpreter.AddVerb("run", [](VerbCall& call) {
            call.AtMost(1);
            const long long frames = call.Integer(0, "frame count", 0, LLONG_MAX);
            call.Panel().RunFrames(
                static_cast<std::uint64_t>(frames < kMaxFramesPerRun ? frames : kMaxFramesPerRun));
        });
    }
};

// The message of a bad line: "fuzz.panel:N: text", N a line of the script.
void CheckError(const std::string& message, int line_count) {
    const std::string prefix = std::string(kFile) + ":";
    if (message.compare(0, prefix.size(), prefix) != 0)
        Broken("an error without its FILE", message);
    size_t at   = prefix.size();
    long long n = 0;
    while (at < message.size() && message[at] >= '0' && message[at] <= '9' && n <= line_count) {
        n = n * 10 + (message[at] - '0');
        ++at;
    }
    if (n < 1 || n > line_count || message.compare(at, 2, ": ") != 0 || at + 2 == message.size()) {
        Broken("an error without its LINE", message);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static Harness& h = *new Harness;  // never destroyed: the module stays taken on
    h.panel.ClearPanel();
    drennomar::fuzz::BackToLoad();
    h.errors = 0;
    h.last_error.clear();

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    const bool ok = h.interpreter.RunStream(script, kFile);

    if (ok != (h.errors == 0) || h.errors > 1) {
        Broken("a run that stopped without one error, or went on after one", h.last_error);
    }
    if (!ok) {
        // getline's count: a last line without its newline still counts.
        const auto newlines = std::count(data, data + size, std::uint8_t{'\n'});
        const bool unended  = size > 0 && data[size - 1] != '\n';
        CheckError(h.last_error, static_cast<int>(newlines + (unended ? 1 : 0)));
    }
    h.panel.SetTrace(nullptr);
    h.panel.ClearPanel();
    return 0;
}

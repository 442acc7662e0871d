// drennomar-panel: loads the gauge module and runs panel scripts on it.
//
//   drennomar-panel [--module FILE] [SCRIPT...]
//
// Scripts run in turn on one panel; no script, or `-`, reads standard
// input. Without --module the program loads the Drennomar.gau that sits
// beside it. Exit status: 0 when every script ran, 2 when the module could
// not be taken on, the command line was wrong, or a script line was bad
// (after the lines before it ran).
#include <cstdio>
#include <string>
#include <vector>

#include "host/loader.h"
#include "host/script.h"
#if DRENNOMAR_HAS_DRAWING
#include "host/drawing/drawing_verbs.h"
#include "host/drawing/module_bitmaps.h"
#endif

namespace {

constexpr int kExitBad = 2;

void WriteLine(std::FILE* stream, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
}

void Usage(std::FILE* stream) {
    WriteLine(stream, "usage: drennomar-panel [--module FILE] [SCRIPT...]");
    WriteLine(stream, "Runs panel scripts (no SCRIPT or '-': standard input) on the gauge module,");
    WriteLine(stream, "by default the Drennomar.gau beside this program.");
}

}  // namespace

int main(int argc, char** argv) {
    using namespace drennomar::host;
    std::string module_path;
    std::vector<std::string> scripts;
    bool options_done = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!options_done && arg == "--") {
            options_done = true;
        } else if (!options_done && (arg == "--help" || arg == "-h")) {
            Usage(stdout);
            return 0;
        } else if (!options_done && arg == "--module") {
            if (i + 1 >= argc) {
                WriteLine(stderr, "drennomar-panel: --module needs a file");
                return kExitBad;
            }
            module_path = argv[++i];
        } else if (!options_done && arg.rfind("--module=", 0) == 0) {
            module_path = arg.substr(9);
        } else if (!options_done && arg.size() > 1 && arg[0] == '-' && arg != "-") {
            WriteLine(stderr, "drennomar-panel: unknown option " + arg);
            Usage(stderr);
            return kExitBad;
        } else {
            scripts.push_back(arg);
        }
    }
    if (module_path.empty()) module_path = ProgramFolder() + "Drennomar.gau";
    if (scripts.empty()) scripts.push_back("-");

    PanelHost panel;
    std::string error;
    if (!panel.LoadModule(module_path, &error)) {
        WriteLine(stderr, "drennomar-panel: " + module_path + ": " + error);
        return kExitBad;
    }

    auto out = [](std::string_view line) { WriteLine(stdout, line); };
    auto err = [](std::string_view line) {
        std::fflush(stdout);  // what ran before the error shows before it
        WriteLine(stderr, line);
    };
    ScriptInterpreter interpreter(panel, out, err);
    AddAllVerbs(interpreter);
#if DRENNOMAR_HAS_DRAWING
    AddDrawingVerbs(interpreter, OpenModuleBitmaps(module_path));
#endif

    bool ok = true;
    for (const std::string& script : scripts) {
        if (!interpreter.RunFile(script)) {
            ok = false;
            break;
        }
    }
    panel.UnloadModule();
    std::fflush(stdout);
    return ok ? 0 : kExitBad;
}

// The panel's script language: one command per line, driving a PanelHost.
//
// A line is a verb and its arguments separated by blanks; a word that
// begins with `#` starts a comment (so `Speed#2` is a word, `# note` a
// comment). Integers are decimal or 0x hex, reals in C syntax (nan, inf and
// -1e20 included); a number that does not read whole, or lies outside what
// its argument takes, is an error. A bad line writes `FILE:LINE: what is
// wrong` to the error sink and stops the run; the lines before it have run.
//
// Verbs live in a table, name -> handler. The standard verbs are added by
// AddPanelVerbs (host/script_verbs.cpp); other files add theirs the same
// way, with a function `AddXxxVerbs(ScriptInterpreter&)` called beside it
// in AddAllVerbs.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/panel_host.h"

namespace drennomar::host {

/// What is wrong with a script line; the interpreter adds FILE:LINE.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ScriptInterpreter;

/// One command being run: its arguments (the words after the verb) and the
/// means to read them, print, and reach the panel.
class VerbCall {
  public:
    VerbCall(ScriptInterpreter& interpreter, std::string_view verb,
             std::vector<std::string_view> args, std::string_view rest)
        : interpreter_(interpreter), verb_(verb), args_(std::move(args)), rest_(rest) {}

    PanelHost& Panel();
    std::string_view Verb() const { return verb_; }
    size_t ArgCount() const { return args_.size(); }
    bool Has(size_t i) const { return i < args_.size(); }
    /// Text after the verb, comment and outer blanks removed.
    std::string_view Rest() const { return rest_; }

    /// Argument i as a word; `what` names it in the error when it is missing.
    std::string_view Word(size_t i, const char* what) const;
    /// Argument i as an integer within [min, max].
    long long Integer(size_t i, const char* what, long long min, long long max) const;
    /// Argument i as a real.
    double Real(size_t i, const char* what) const;
    /// Argument i as `on` or `off`.
    bool OnOff(size_t i, const char* what) const;
    /// Argument i as a gauge of the module's table (`Name`, `Module!Name`;
    /// a `#N` suffix must name an existing placement).
    const GaugeDef& Gauge(size_t i) const;
    /// Argument i as a placement: `Name` its first, `Name#N` its N-th.
    GaugeInstance& Instance(size_t i) const;
    /// Argument i as an element index of `gauge`.
    int Element(size_t i, const GaugeDef& gauge) const;
    /// Fails if there are more than `n` arguments.
    void AtMost(size_t n) const;

    /// Writes one line of output.
    void Print(std::string_view line) const;
    [[noreturn]] void Fail(const std::string& what) const { throw ScriptError(what); }

  private:
    /// The gauge named by argument i and the placement ordinal it asks for
    /// (0 when it has no `#N`).
    const GaugeDef& ParseGaugeRef(size_t i, int* ordinal) const;

    ScriptInterpreter& interpreter_;
    std::string_view verb_;
    std::vector<std::string_view> args_;
    std::string_view rest_;
};

using VerbHandler = std::function<void(VerbCall&)>;

class ScriptInterpreter {
  public:
    using LineSink = PanelHost::LineSink;

    /// `out` takes every output line, `err` every error message. The panel
    /// must outlive the interpreter.
    ScriptInterpreter(PanelHost& panel, LineSink out, LineSink err);

    /// Adds (or replaces) the verb `name`.
    void AddVerb(const std::string& name, VerbHandler handler);
    bool HasVerb(const std::string& name) const { return verbs_.count(name) != 0; }

    /// Runs one line. Returns false, after writing `file:line_no: what` to
    /// the error sink, if the line is bad.
    bool RunLine(std::string_view line, std::string_view file, int line_no);
    /// Runs every line of `in` until the end or the first bad line.
    bool RunStream(std::istream& in, std::string_view file);
    /// Runs the script at `path` ("-": standard input).
    bool RunFile(const std::string& path);

    PanelHost& Panel() { return panel_; }
    void Print(std::string_view line) { out_(line); }
    /// The sink of output lines, for verbs that report on their own (trace).
    const LineSink& Out() const { return out_; }
    /// The sink of error messages, for verbs that report warnings.
    const LineSink& Err() const { return err_; }

  private:
    PanelHost& panel_;
    LineSink out_;
    LineSink err_;
    std::map<std::string, VerbHandler, std::less<>> verbs_;
};

/// Reads a whole integer in decimal or 0x hex, with an optional sign.
/// Returns false for anything else or a value outside long long.
bool ParseInteger(std::string_view text, long long* value);
/// Reads a whole real in C syntax. Returns false for anything else or a
/// value too large (or too small) for a double.
bool ParseReal(std::string_view text, double* value);

/// The standard verbs: place, token, named, print, update, callback, run,
/// click, tooltip, text, value, flags, fail, trace, dump, echo, and the
/// host's additions angle, offset, icon, draw.
void AddPanelVerbs(ScriptInterpreter& interpreter);

/// Every verb the panel knows; drennomar-panel uses this.
void AddAllVerbs(ScriptInterpreter& interpreter);

}  // namespace drennomar::host

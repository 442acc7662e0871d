// The script interpreter: splitting lines, reading arguments, the verb
// table and running files.
#include "host/script.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace drennomar::host {

//-----------------------------------------------------------------------------
// Numbers
//-----------------------------------------------------------------------------

bool ParseInteger(std::string_view text, long long* value) {
    size_t i      = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (text.size() - i > 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    // Accumulate as a magnitude in unsigned 64 bits and check the bound at
    // every digit, so that no digit string overflows.
    unsigned long long magnitude   = 0;
    const unsigned long long limit = negative ? 9223372036854775808ull : 9223372036854775807ull;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        if (magnitude > (limit - static_cast<unsigned>(digit)) / static_cast<unsigned>(base)) {
            return false;
        }
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    }
    if (negative) {
        *value =
            magnitude == 9223372036854775808ull ? INT64_MIN : -static_cast<long long>(magnitude);
    } else {
        *value = static_cast<long long>(magnitude);
    }
    return true;
}

bool ParseReal(std::string_view text, double* value) {
    if (text.empty()) return false;
    // strtod skips leading blanks; words have none, but say so plainly.
    unsigned char first = static_cast<unsigned char>(text[0]);
    if (std::isspace(first)) return false;
    std::string copy(text);
    char* end = nullptr;
    errno     = 0;
    double v  = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size()) return false;
    // Beyond a double, or lost to underflow, is an error; a denormal, which
    // the C library also flags, is a value like any other.
    if (errno == ERANGE && (v == 0.0 || std::isinf(v))) return false;
    *value = v;
    return true;
}

//-----------------------------------------------------------------------------
// VerbCall
//-----------------------------------------------------------------------------

PanelHost& VerbCall::Panel() { return interpreter_.Panel(); }

void VerbCall::Print(std::string_view line) const { interpreter_.Print(line); }

std::string_view VerbCall::Word(size_t i, const char* what) const {
    if (!Has(i)) Fail(std::string("missing ") + what);
    return args_[i];
}

long long VerbCall::Integer(size_t i, const char* what, long long min, long long max) const {
    std::string_view word = Word(i, what);
    long long v           = 0;
    if (!ParseInteger(word, &v)) {
        Fail(Format("malformed %s '%.*s': not an integer", what, static_cast<int>(word.size()),
                    word.data()));
    }
    if (v < min || v > max) {
        Fail(Format("%s %.*s is out of range (%lld to %lld)", what, static_cast<int>(word.size()),
                    word.data(), min, max));
    }
    return v;
}

double VerbCall::Real(size_t i, const char* what) const {
    std::string_view word = Word(i, what);
    double v              = 0.0;
    if (!ParseReal(word, &v)) {
        Fail(Format("malformed %s '%.*s': not a number, or out of range", what,
                    static_cast<int>(word.size()), word.data()));
    }
    return v;
}

bool VerbCall::OnOff(size_t i, const char* what) const {
    std::string_view word = Word(i, what);
    if (word == "on") return true;
    if (word == "off") return false;
    Fail(Format("%s must be on or off, not '%.*s'", what, static_cast<int>(word.size()),
                word.data()));
}

const GaugeDef& VerbCall::ParseGaugeRef(size_t i, int* ordinal) const {
    std::string_view word = Word(i, "gauge name");
    std::string_view name = word;
    PanelHost& panel      = interpreter_.Panel();
    if (auto bang = name.find('!'); bang != std::string_view::npos) {
        std::string_view module = name.substr(0, bang);
        if (module != panel.ModuleName()) {
            Fail(Format("unknown module '%.*s' in '%.*s'", static_cast<int>(module.size()),
                        module.data(), static_cast<int>(word.size()), word.data()));
        }
        name.remove_prefix(bang + 1);
    }
    *ordinal = 0;
    if (auto hash = name.find('#'); hash != std::string_view::npos) {
        long long n = 0;
        if (!ParseInteger(name.substr(hash + 1), &n) || n < 1 || n > 1000000) {
            Fail(Format("malformed placement number in '%.*s'", static_cast<int>(word.size()),
                        word.data()));
        }
        *ordinal = static_cast<int>(n);
        name     = name.substr(0, hash);
    }
    const GaugeDef* gauge = panel.FindGauge(name);
    if (gauge == nullptr) {
        Fail(Format("unknown gauge '%.*s'", static_cast<int>(name.size()), name.data()));
    }
    return *gauge;
}

const GaugeDef& VerbCall::Gauge(size_t i) const {
    int ordinal           = 0;
    const GaugeDef& gauge = ParseGaugeRef(i, &ordinal);
    if (ordinal > 0 && interpreter_.Panel().FindInstance(gauge, ordinal) == nullptr) {
        Fail(Format("%s#%d is not placed", gauge.name.c_str(), ordinal));
    }
    return gauge;
}

GaugeInstance& VerbCall::Instance(size_t i) const {
    int ordinal           = 0;
    const GaugeDef& gauge = ParseGaugeRef(i, &ordinal);
    GaugeInstance* found  = interpreter_.Panel().FindInstance(gauge, ordinal > 0 ? ordinal : 1);
    if (found == nullptr) {
        if (ordinal > 1) Fail(Format("%s#%d is not placed", gauge.name.c_str(), ordinal));
        Fail(Format("%s is not placed", gauge.name.c_str()));
    }
    return *found;
}

int VerbCall::Element(size_t i, const GaugeDef& gauge) const {
    std::string_view word = Word(i, "element index");
    long long v           = 0;
    if (!ParseInteger(word, &v)) {
        Fail(Format("malformed element index '%.*s': not an integer", static_cast<int>(word.size()),
                    word.data()));
    }
    long long count = static_cast<long long>(gauge.elements.size());
    if (v < 0 || v >= count) {
        Fail(Format("element index %.*s is out of range (%s has %lld element%s)",
                    static_cast<int>(word.size()), word.data(), gauge.name.c_str(), count,
                    count == 1 ? "" : "s"));
    }
    return static_cast<int>(v);
}

void VerbCall::AtMost(size_t n) const {
    if (args_.size() > n) {
        Fail(Format("unexpected argument '%.*s'", static_cast<int>(args_[n].size()),
                    args_[n].data()));
    }
}

//-----------------------------------------------------------------------------
// ScriptInterpreter
//-----------------------------------------------------------------------------

ScriptInterpreter::ScriptInterpreter(PanelHost& panel, LineSink out, LineSink err)
    : panel_(panel), out_(std::move(out)), err_(std::move(err)) {}

void ScriptInterpreter::AddVerb(const std::string& name, VerbHandler handler) {
    verbs_[name] = std::move(handler);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

}  // namespace

bool ScriptInterpreter::RunLine(std::string_view line, std::string_view file, int line_no) {
    // Words, up to the first word that begins with '#'.
    std::vector<std::string_view> words;
    size_t end_of_text = line.size();
    size_t i           = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size()) break;
        if (line[i] == '#') {
            end_of_text = i;
            break;
        }
        size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        words.push_back(line.substr(start, i - start));
    }
    if (words.empty()) return true;

    // The text after the verb, for verbs such as echo that take a sentence.
    size_t rest_begin = static_cast<size_t>(words[0].data() + words[0].size() - line.data());
    while (rest_begin < end_of_text && IsBlank(line[rest_begin])) ++rest_begin;
    size_t rest_end = end_of_text;
    while (rest_end > rest_begin && IsBlank(line[rest_end - 1])) --rest_end;
    std::string_view rest = line.substr(rest_begin, rest_end - rest_begin);

    std::string_view verb = words[0];
    try {
        auto it = verbs_.find(verb);
        if (it == verbs_.end()) {
            throw ScriptError(
                Format("unknown verb '%.*s'", static_cast<int>(verb.size()), verb.data()));
        }
        VerbCall call(*this, verb, std::vector<std::string_view>(words.begin() + 1, words.end()),
                      rest);
        it->second(call);
    } catch (const ScriptError& e) {
        err_(Format("%.*s:%d: %s", static_cast<int>(file.size()), file.data(), line_no, e.what()));
        return false;
    }
    return true;
}

bool ScriptInterpreter::RunStream(std::istream& in, std::string_view file) {
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        if (!RunLine(line, file, line_no)) return false;
    }
    return true;
}

bool ScriptInterpreter::RunFile(const std::string& path) {
    if (path == "-") return RunStream(std::cin, "<stdin>");
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err_(Format("%s: cannot open the script", path.c_str()));
        return false;
    }
    return RunStream(in, path);
}

}  // namespace drennomar::host
